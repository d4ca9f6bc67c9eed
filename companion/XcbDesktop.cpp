#include "companion/XcbDesktop.h"

#include <xcb/screensaver.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPointer<Reply> Owned(Reply* reply) {
    return ReplyPointer<Reply>(reply, &std::free);
}

// One connection to the display the program runs on, and its first screen's root window.
class XcbConnection {
public:
    XcbConnection() : connection_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(connection_) == 0) {
            const xcb_setup_t* setup = xcb_get_setup(connection_);
            root_ = xcb_setup_roots_iterator(setup).data->root;
        }
    }
    ~XcbConnection() { xcb_disconnect(connection_); }
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    bool ok() const { return root_ != XCB_NONE; }
    xcb_connection_t* get() const { return connection_; }
    xcb_window_t root() const { return root_; }

    xcb_atom_t Atom(const char* name) const {
        const auto reply = Owned(xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, std::strlen(name), name), nullptr));
        return reply ? reply->atom : XCB_NONE;
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_NONE;
};

class XcbIdleTimeSource : public IdleTimeSource {
public:
    std::optional<int> IdleSeconds() override {
        const auto reply = Owned(xcb_screensaver_query_info_reply(
            x_.get(), xcb_screensaver_query_info(x_.get(), x_.root()), nullptr));
        if (!reply) {
            return std::nullopt;
        }
        return int(reply->ms_since_user_input / 1000);
    }

    bool ok() const {
        if (!x_.ok()) {
            return false;
        }
        const xcb_query_extension_reply_t* extension =
            xcb_get_extension_data(x_.get(), &xcb_screensaver_id);
        return extension != nullptr && extension->present != 0;
    }

private:
    XcbConnection x_;
};

class XcbFullScreenSource : public FullScreenSource {
public:
    XcbFullScreenSource()
        : activeWindow_(x_.Atom("_NET_ACTIVE_WINDOW")), state_(x_.Atom("_NET_WM_STATE")),
          fullScreen_(x_.Atom("_NET_WM_STATE_FULLSCREEN")) {}

    bool ok() const { return x_.ok(); }

    std::optional<FullScreenWindow> ActiveFullScreenWindow() override {
        const xcb_window_t window = ActiveWindow();
        if (window == XCB_NONE || !IsFullScreen(window)) {
            return std::nullopt;
        }
        return FullScreenWindow{window, Geometry(window)};
    }

private:
    // The first value of a property, of at most `count` 32-bit values, and their number.
    ReplyPointer<xcb_get_property_reply_t> Property(xcb_window_t window, xcb_atom_t property,
                                                    xcb_atom_t type, uint32_t count) const {
        return Owned(xcb_get_property_reply(
            x_.get(), xcb_get_property(x_.get(), 0, window, property, type, 0, count), nullptr));
    }

    xcb_window_t ActiveWindow() const {
        const auto reply = Property(x_.root(), activeWindow_, XCB_ATOM_WINDOW, 1);
        if (!reply || xcb_get_property_value_length(reply.get()) < int(sizeof(xcb_window_t))) {
            return XCB_NONE;
        }
        return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
    }

    bool IsFullScreen(xcb_window_t window) const {
        const auto reply = Property(window, state_, XCB_ATOM_ATOM, 64);
        if (!reply) {
            return false;
        }
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
        return std::find(atoms, atoms + count, fullScreen_) != atoms + count;
    }

    // Where the window is on the root window, whatever frames the window manager put it in.
    QRect Geometry(xcb_window_t window) const {
        const auto geometry =
            Owned(xcb_get_geometry_reply(x_.get(), xcb_get_geometry(x_.get(), window), nullptr));
        const auto place = Owned(xcb_translate_coordinates_reply(
            x_.get(), xcb_translate_coordinates(x_.get(), window, x_.root(), 0, 0), nullptr));
        if (!geometry || !place) {
            return {};
        }
        return QRect(place->dst_x, place->dst_y, geometry->width, geometry->height);
    }

    XcbConnection x_;
    xcb_atom_t activeWindow_;
    xcb_atom_t state_;
    xcb_atom_t fullScreen_;
};

template <typename Source, typename Interface> std::unique_ptr<Interface> IfUsable() {
    auto source = std::make_unique<Source>();
    if (!source->ok()) {
        return nullptr;
    }
    return source;
}

} // namespace

std::unique_ptr<IdleTimeSource> XcbIdleTime() {
    return IfUsable<XcbIdleTimeSource, IdleTimeSource>();
}

std::unique_ptr<FullScreenSource> XcbFullScreen() {
    return IfUsable<XcbFullScreenSource, FullScreenSource>();
}
