// Launch to first visible frame, as the user sees it: starts a program and polls the screen every
// 2 ms until the program's new top-level window shows painted pixels. A window maps before it
// paints, so the map alone is not the figure: the window's area on the screen must differ from
// the empty screen taken before the launch, in at least two colours (a bare background fill is
// one colour). The window manager's frame lies outside the client window and is not counted.
//   bench_first_frame [--timeout ms] [--log file] -- program [args...]
// Prints "pid=<pid> window=<id> mapped_ms=<ms> frame_ms=<ms>" (-1 for what was not seen) and
// leaves the program running.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

std::vector<Window> clientList(Display* d) {
    static const Atom list = XInternAtom(d, "_NET_CLIENT_LIST", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<Window> out;
    if (XGetWindowProperty(d, DefaultRootWindow(d), list, 0, 4096, False, XA_WINDOW, &type, &format,
                           &count, &after, &data) == Success &&
        data && format == 32) {
        const auto* w = reinterpret_cast<const unsigned long*>(data);
        out.assign(w, w + count);
    }
    if (data)
        XFree(data);
    return out;
}

long windowPid(Display* d, Window w) {
    static const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && count == 1)
        pid = long(*reinterpret_cast<const unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

int ignoreErrors(Display*, XErrorEvent*) {
    return 0; // a window may go away between listing and reading it
}

// The window's rectangle on the screen, clipped to it; false when it is not viewable.
bool screenRect(Display* d, Window w, int& x, int& y, int& width, int& height) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable)
        return false;
    Window child = 0;
    if (!XTranslateCoordinates(d, w, DefaultRootWindow(d), 0, 0, &x, &y, &child))
        return false;
    const int sw = DisplayWidth(d, DefaultScreen(d));
    const int sh = DisplayHeight(d, DefaultScreen(d));
    const int x1 = std::min(sw, x + a.width), y1 = std::min(sh, y + a.height);
    x = std::max(0, x);
    y = std::max(0, y);
    width = x1 - x;
    height = y1 - y;
    return width > 0 && height > 0;
}

// True when the area differs from the empty screen in at least two colours.
bool painted(Display* d, XImage* empty, int x, int y, int width, int height) {
    XImage* now = XGetImage(d, DefaultRootWindow(d), x, y, unsigned(width), unsigned(height),
                            AllPlanes, ZPixmap);
    if (!now)
        return false;
    unsigned long first = 0;
    bool seen = false;
    bool two = false;
    for (int j = 0; j < height && !two; ++j) {
        for (int i = 0; i < width; ++i) {
            const unsigned long p = XGetPixel(now, i, j);
            if (p == XGetPixel(empty, x + i, y + j))
                continue;
            if (!seen) {
                first = p;
                seen = true;
            } else if (p != first) {
                two = true;
                break;
            }
        }
    }
    XDestroyImage(now);
    return two;
}

} // namespace

int main(int argc, char** argv) {
    double timeoutMs = 15000;
    const char* log = "/dev/null";
    int i = 1;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--timeout") && i + 1 < argc)
            timeoutMs = std::atof(argv[++i]);
        else if (!std::strcmp(argv[i], "--log") && i + 1 < argc)
            log = argv[++i];
        else if (!std::strcmp(argv[i], "--")) {
            ++i;
            break;
        } else
            break;
    }
    if (i >= argc) {
        std::fprintf(stderr, "usage: %s [--timeout ms] [--log file] -- program [args...]\n",
                     argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    const int sw = DisplayWidth(d, DefaultScreen(d));
    const int sh = DisplayHeight(d, DefaultScreen(d));
    XImage* empty =
        XGetImage(d, DefaultRootWindow(d), 0, 0, unsigned(sw), unsigned(sh), AllPlanes, ZPixmap);
    const std::vector<Window> before = clientList(d);
    const std::set<Window> old(before.begin(), before.end());

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        // The program keeps running after this poller exits: it gets none of our pipes.
        const int in = open("/dev/null", O_RDONLY);
        const int out = open(log, O_WRONLY | O_CREAT | O_APPEND, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(out, 2);
        setsid();
        execvp(argv[i], argv + i);
        _exit(127);
    }

    Window window = 0;
    double mapped = -1, frame = -1;
    while (nowMs() - start < timeoutMs) {
        if (!window) {
            Window any = 0;
            for (Window w : clientList(d)) {
                if (old.count(w))
                    continue;
                if (windowPid(d, w) == long(pid)) {
                    window = w;
                    break;
                }
                if (!any)
                    any = w;
            }
            if (!window)
                window = any; // a program whose window names no process id
        }
        int x = 0, y = 0, w = 0, h = 0;
        if (window && screenRect(d, window, x, y, w, h)) {
            if (mapped < 0)
                mapped = nowMs() - start;
            if (painted(d, empty, x, y, w, h)) {
                frame = nowMs() - start;
                break;
            }
        }
        usleep(2000);
    }
    std::printf("pid=%d window=%lu mapped_ms=%.1f frame_ms=%.1f\n", int(pid), window, mapped,
                frame);
    XDestroyImage(empty);
    XCloseDisplay(d);
    return 0;
}
