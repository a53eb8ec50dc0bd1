// Measures how long a program takes from exec until its main window is on the screen, and how
// much memory it needed for that.
//
// Usage: startup_probe <window title> <program> [arguments...]
// Prints one line: "<milliseconds to shown> <peak resident KiB> <exit status>".
//
// "Shown" is the first time the program draws into its top-level window titled exactly <title>
// after mapping it (X DAMAGE extension). The probe then asks the window to close, as a window
// manager's close button does, and takes the program's peak resident memory from wait4().

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include "system/x_close_request.h"

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

std::string windowTitle(Display *display, Window window)
{
    // Qt sets _NET_WM_NAME (UTF-8) and WM_NAME; either will do for an ASCII title.
    char *name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name)
        title = name;
    if (name)
        XFree(name);
    return title;
}

// Waits for the next X event until deadline (ms); false on timeout.
bool nextEvent(Display *display, XEvent *event, double deadline)
{
    while (!XPending(display)) {
        const double left = deadline - nowMs();
        if (left <= 0)
            return false;
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, int(left) + 1);
    }
    XNextEvent(display, event);
    return true;
}

int ignoreXErrors(Display *, XErrorEvent *)
{
    return 0;   // a window may go away between its event and our request
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <window title> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(ignoreXErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 1;
    }

    // Every new top-level window gets a damage watch before it can be mapped and drawn.
    const double deadline = start + 60000;
    std::set<Window> mapped;
    Window frame = 0;
    double shownMs = -1;
    XEvent event;
    while (shownMs < 0 && nextEvent(display, &event, deadline)) {
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root) {
            if (windowTitle(display, event.xmap.window) == wanted) {
                frame = event.xmap.window;
                mapped.insert(frame);
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
            XDamageSubtract(display, damage->damage, None, None);
            if (mapped.count(damage->drawable))
                shownMs = nowMs() - start;
        }
    }

    if (frame)
        sendCloseRequest(display, frame);
    int status = 0;
    rusage usage{};
    const double exitDeadline = nowMs() + 20000;
    pid_t ended = 0;
    while ((ended = wait4(child, &status, WNOHANG, &usage)) == 0 && nowMs() < exitDeadline)
        usleep(10000);
    if (ended == 0) {
        kill(child, SIGKILL);
        wait4(child, &status, 0, &usage);
        std::fprintf(stderr, "the program did not end when asked to close\n");
    }
    XCloseDisplay(display);
    if (shownMs < 0) {
        std::fprintf(stderr, "no window titled \"%s\" was shown\n", wanted.c_str());
        return 1;
    }
    const int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("%.1f %ld %d\n", shownMs, usage.ru_maxrss, exitStatus);
    return 0;
}
