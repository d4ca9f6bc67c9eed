#include "companion/XcbShortcuts.h"

#include "companion/ShortcutKeys.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <optional>

namespace {

// Caps Lock and Num Lock (Mod2 on every common keyboard map) must not stop a shortcut.
constexpr std::array<std::uint16_t, 4> kLockCombinations{0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                                         XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};

// The first key code that gives the symbol, in any of its levels.
std::optional<xcb_keycode_t> KeyCodeOf(xcb_connection_t* connection, std::uint32_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    if (mapping == nullptr) {
        return std::nullopt;
    }
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(mapping);
    const int perCode = mapping->keysyms_per_keycode;
    std::optional<xcb_keycode_t> found;
    for (int code = 0; code < count && !found; ++code) {
        for (int level = 0; level < perCode; ++level) {
            if (symbols[code * perCode + level] == keysym) {
                found = xcb_keycode_t(setup->min_keycode + code);
                break;
            }
        }
    }
    std::free(mapping);
    return found;
}

} // namespace

std::unique_ptr<XcbShortcuts> XcbShortcuts::Open() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<XcbShortcuts>(new XcbShortcuts(connection));
}

XcbShortcuts::XcbShortcuts(xcb_connection_t* connection)
    : connection_(connection),
      root_(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root),
      notifier_(std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection),
                                                  QSocketNotifier::Read)) {
    connect(notifier_.get(), &QSocketNotifier::activated, this, &XcbShortcuts::ReadEvents);
}

XcbShortcuts::~XcbShortcuts() {
    notifier_.reset();
    xcb_disconnect(connection_); // the server lets the grabs go with the connection
}

QStringList XcbShortcuts::Bind(const QStringList& shortcuts) {
    Release();
    QStringList refused;
    for (int index = 0; index < shortcuts.size(); ++index) {
        if (shortcuts.at(index).trimmed().isEmpty()) {
            continue;
        }
        const std::optional<X11Shortcut> shortcut = ParseShortcut(shortcuts.at(index));
        const std::optional<xcb_keycode_t> keycode =
            shortcut ? KeyCodeOf(connection_, shortcut->keysym) : std::nullopt;
        if (!keycode) {
            refused << shortcuts.at(index);
            continue;
        }
        bool held = false;
        for (std::uint16_t locks : kLockCombinations) {
            xcb_generic_error_t* error = xcb_request_check(
                connection_,
                xcb_grab_key_checked(connection_, 0, root_, shortcut->modifiers | locks, *keycode,
                                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
            held = held || error != nullptr;
            std::free(error);
        }
        grabs_.push_back({*keycode, shortcut->modifiers, index});
        if (held) {
            refused << shortcuts.at(index);
        }
    }
    xcb_flush(connection_);
    ReadEvents(); // what the checks above read in waits in the connection, not in its socket
    return refused;
}

void XcbShortcuts::Release() {
    for (const Grab& grab : grabs_) {
        for (std::uint16_t locks : kLockCombinations) {
            xcb_ungrab_key(connection_, grab.keycode, root_, grab.modifiers | locks);
        }
    }
    grabs_.clear();
    xcb_flush(connection_);
}

void XcbShortcuts::ReadEvents() {
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        if ((event->response_type & 0x7f) == XCB_KEY_PRESS) {
            const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
            const std::uint16_t modifiers =
                press->state & ~(XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2) & 0xff;
            for (const Grab& grab : grabs_) {
                if (grab.keycode == press->detail && grab.modifiers == modifiers) {
                    emit activated(grab.index);
                }
            }
        }
        std::free(event);
    }
}
