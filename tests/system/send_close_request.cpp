// Asks a top-level X11 window to close the way a window manager's close button does: a
// WM_DELETE_WINDOW message of the WM_PROTOCOLS kind. The program that owns the window receives
// an ordinary close request and decides itself how to end.
//
// Usage: send_close_request <window id>   (decimal or 0x-hex, as xdotool or xwininfo print it)

#include "x_close_request.h"

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <window id>\n", argv[0]);
        return 2;
    }
    char *end = nullptr;
    const unsigned long window = std::strtoul(argv[1], &end, 0);
    if (!end || *end != '\0' || window == 0) {
        std::fprintf(stderr, "not a window id: %s\n", argv[1]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    const bool sent = sendCloseRequest(display, window);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
