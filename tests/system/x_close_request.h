#pragma once

#include <X11/Xlib.h>

// Asks a top-level window to close the way a window manager's close button does
// (WM_PROTOCOLS / WM_DELETE_WINDOW), so that the program sees an ordinary close event.
inline bool sendCloseRequest(Display *display, Window window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return sent != 0;
}
