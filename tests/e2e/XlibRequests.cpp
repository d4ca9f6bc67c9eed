// Kept apart from the tests: Xlib's macros (None, Bool, Status, ...) clash with Qt's names.

#include "tests/e2e/XlibRequests.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <string>

#include <unistd.h>

namespace {

// A busy X server now and then refuses a connection opened just after another one closed.
Display* OpenDisplay() {
    for (int attempt = 0; attempt < 5; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) {
            return display;
        }
        usleep(100 * 1000);
    }
    return nullptr;
}

} // namespace

bool SendCloseRequest(unsigned long windowId) {
    Display* display = OpenDisplay();
    if (!display) {
        return false;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = windowId;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, windowId, False, NoEventMask, &event) != 0;
    XCloseDisplay(display); // flushes the message to the server
    return sent;
}

std::optional<KeyRepeat> ReplaceServerKeyRepeat(KeyRepeat repeat) {
    Display* display = OpenDisplay();
    if (!display) {
        return std::nullopt;
    }
    KeyRepeat replaced;
    const bool done =
        XkbGetAutoRepeatRate(display, XkbUseCoreKbd, &replaced.delayMs, &replaced.intervalMs) &&
        XkbSetAutoRepeatRate(display, XkbUseCoreKbd, repeat.delayMs, repeat.intervalMs);
    XCloseDisplay(display); // flushes the request to the server
    return done ? std::optional(replaced) : std::nullopt;
}

bool SetXftDpi(int dpi) {
    Display* display = OpenDisplay();
    if (!display) {
        return false;
    }
    const std::string resources = "Xft.dpi:\t" + std::to_string(dpi) + "\n";
    XChangeProperty(display, DefaultRootWindow(display), XA_RESOURCE_MANAGER, XA_STRING, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(resources.data()),
                    static_cast<int>(resources.size()));
    XCloseDisplay(display);
    return true;
}
