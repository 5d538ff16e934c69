// Drives a real X11 window for the end-to-end test, as a user would:
//   x_window_driver windows PID TIMEOUT_MS  ids of the program's viewable windows
//   x_window_driver focus WINDOW            raise it and give it the keyboard
//   x_window_driver click WINDOW X Y        left click at a point of its client area; prints
//                                           the number of bells rung in the second after it
//   x_window_driver close WINDOW            ask it to close (WM_DELETE_WINDOW)
// There is no window manager under Xvfb, so this does what one would.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

long windowPid(Display *display, Window window)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
            &count, &remaining, &data)
            == Success
        && data && format == 32 && count == 1) {
        pid = *reinterpret_cast<long *>(data);
    }
    if (data)
        XFree(data);
    return pid;
}

void collectWindows(Display *display, Window parent, long pid, std::vector<Window> &found)
{
    Window root = 0, up = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes)
            && attributes.map_state == IsViewable && windowPid(display, children[i]) == pid) {
            found.push_back(children[i]);
        }
        collectWindows(display, children[i], pid, found);
    }
    if (children)
        XFree(children);
}

int listWindows(Display *display, long pid, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    do {
        std::vector<Window> found;
        collectWindows(display, DefaultRootWindow(display), pid, found);
        if (!found.empty()) {
            for (Window window : found)
                std::printf("0x%lx\n", window);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    std::fprintf(stderr, "no viewable window of process %ld\n", pid);
    return 1;
}

int click(Display *display, Window window, int x, int y)
{
    int rootX = 0, rootY = 0;
    Window child = 0;
    XTranslateCoordinates(
        display, window, DefaultRootWindow(display), x, y, &rootX, &rootY, &child);
    int xkbEvents = -1, opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
    if (XkbQueryExtension(display, &opcode, &xkbEvents, &error, &major, &minor))
        XkbSelectEvents(display, XkbUseCoreKbd, XkbBellNotifyMask, XkbBellNotifyMask);
    XTestFakeMotionEvent(display, -1, rootX, rootY, CurrentTime);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    XTestFakeButtonEvent(display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(display, Button1, False, 50);
    XSync(display, False);
    int bells = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            bells += event.type == xkbEvents
                && reinterpret_cast<XkbEvent *>(&event)->any.xkb_type == XkbBellNotify;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::printf("%d\n", bells);
    return 0;
}

int close(Display *display, Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const std::string command = argc > 2 ? argv[1] : "";
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    const Window window = argc > 2 ? std::strtoul(argv[2], nullptr, 0) : 0;
    int status = 2;
    if (command == "windows" && argc == 4) {
        status = listWindows(display, std::strtol(argv[2], nullptr, 10), std::atoi(argv[3]));
    } else if (command == "focus" && argc == 3) {
        XRaiseWindow(display, window);
        XSetInputFocus(display, window, RevertToParent, CurrentTime);
        XSync(display, False);
        status = 0;
    } else if (command == "click" && argc == 5) {
        status = click(display, window, std::atoi(argv[3]), std::atoi(argv[4]));
    } else if (command == "close" && argc == 3) {
        status = close(display, window);
    } else {
        std::fprintf(stderr,
            "usage: %s windows PID TIMEOUT_MS | focus WINDOW | "
            "click WINDOW X Y | close WINDOW\n",
            argv[0]);
    }
    XCloseDisplay(display);
    return status;
}
