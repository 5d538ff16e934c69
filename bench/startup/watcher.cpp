// Starts a program under X and reports, from X events rather than polling, when its top-level
// window was mapped and when its contents were first drawn, then its memory use once shown.
//
//   startup_watcher [-v] [--composite] [--settle-ms N] [--timeout-ms N] -- program [arguments]
//
// Prints one line: map_ms paint_ms last_paint_ms cpu_ms rss_kib hwm_kib close, times in ms from
// the moment just before the fork. paint_ms is the first damage on the mapped top-level window,
// last_paint_ms the last one before the window stayed unchanged for the settle time, when the
// CPU time used so far and the memory are read. With -v the X events go to standard error.
//
// Without --composite a window whose background is not None (Xt, Motif) is filled by the server
// at map time, so its first damage is that fill; Qt and GTK windows have no server-side
// background and their first damage is their own first frame.

#include "child_process.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xcomposite.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <string_view>
#include <sys/wait.h>

namespace {

struct Options
{
    bool verbose = false;
    bool composite = false;
    int settleMs = 300; // the window counts as shown once no drawing happened for this long
    int timeoutMs = 20000;
    char **command = nullptr;
};

bool parseOptions(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-v") {
            options.verbose = true;
        } else if (arg == "--composite") {
            options.composite = true;
        } else if (arg == "--settle-ms" && i + 1 < argc) {
            options.settleMs = std::atoi(argv[++i]);
        } else if (arg == "--timeout-ms" && i + 1 < argc) {
            options.timeoutMs = std::atoi(argv[++i]);
        } else if (arg == "--" && i + 1 < argc) {
            options.command = argv + i + 1;
            return true;
        } else {
            return false;
        }
    }
    return false;
}

// A window can vanish between its CreateNotify and our request on it; that is not an error.
int ignoreXError(Display *, XErrorEvent *)
{
    return 0;
}

struct Observation
{
    Window topLevel = None;
    double mapMs = -1;
    double firstPaintMs = -1;
    double lastPaintMs = -1;
};

class Watcher
{
public:
    Watcher(Display *display, int damageEventBase, const Options &options)
        : m_display(display)
        , m_damageNotify(damageEventBase + XDamageNotify)
        , m_options(options)
    { }

    // Handles one event that arrived at atMs; false if the program's window went away.
    bool handle(const XEvent &event, double atMs)
    {
        if (event.type == CreateNotify) {
            const XCreateWindowEvent &created = event.xcreatewindow;
            if (created.parent != DefaultRootWindow(m_display) || created.override_redirect)
                return true;
            // Tracking starts before the window is mapped so that no drawing is missed.
            XDamageCreate(m_display, created.window, XDamageReportRawRectangles);
            log(atMs, "create", created.window, created.width, created.height);
        } else if (event.type == MapNotify) {
            const XMapEvent &mapped = event.xmap;
            if (mapped.event != DefaultRootWindow(m_display) || mapped.override_redirect
                || m_seen.topLevel != None)
                return true;
            m_seen.topLevel = mapped.window;
            m_seen.mapMs = atMs;
            log(atMs, "map", mapped.window, 0, 0);
        } else if (event.type == DestroyNotify) {
            return event.xdestroywindow.window != m_seen.topLevel;
        } else if (event.type == m_damageNotify) {
            const auto &damage = reinterpret_cast<const XDamageNotifyEvent &>(event);
            log(atMs, "damage", damage.drawable, damage.area.width, damage.area.height);
            if (damage.drawable != m_seen.topLevel || m_seen.mapMs < 0)
                return true;
            if (m_seen.firstPaintMs < 0)
                m_seen.firstPaintMs = atMs;
            m_seen.lastPaintMs = atMs;
        }
        return true;
    }

    const Observation &seen() const { return m_seen; }

private:
    void log(double atMs, const char *what, Window window, int width, int height) const
    {
        if (m_options.verbose)
            std::fprintf(stderr, "%9.3f %-7s 0x%lx %dx%d\n", atMs, what, window, width, height);
    }

    Display *m_display;
    int m_damageNotify;
    const Options &m_options;
    Observation m_seen;
};

// Asks the window to close the way a window manager's close box does.
bool requestClose(Display *display, Window window)
{
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    Atom *supported = nullptr;
    int count = 0;
    bool found = false;
    if (XGetWMProtocols(display, window, &supported, &count)) {
        for (int i = 0; i < count; ++i)
            found = found || supported[i] == deleteWindow;
        XFree(supported);
    }
    if (!found)
        return false;
    XEvent message {};
    message.xclient.type = ClientMessage;
    message.xclient.window = window;
    message.xclient.message_type = protocols;
    message.xclient.format = 32;
    message.xclient.data.l[0] = static_cast<long>(deleteWindow);
    message.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &message);
    XFlush(display);
    return true;
}

bool childHasExited(pid_t pid)
{
    return waitpid(pid, nullptr, WNOHANG) == pid;
}

// Runs the event loop until the window is shown and its drawing has settled.
bool watch(Display *display, Watcher &watcher, pid_t pid, double startMs, const Options &options)
{
    pollfd connection {ConnectionNumber(display), POLLIN, 0};
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (!watcher.handle(event, nowMs() - startMs)) {
                std::fprintf(stderr, "the window was destroyed before it settled\n");
                return false;
            }
        }
        const double elapsed = nowMs() - startMs;
        const Observation &seen = watcher.seen();
        if (seen.firstPaintMs >= 0 && elapsed - seen.lastPaintMs >= options.settleMs)
            return true;
        if (elapsed >= options.timeoutMs) {
            std::fprintf(stderr, "timed out: map at %.1f ms, first paint at %.1f ms\n", seen.mapMs,
                seen.firstPaintMs);
            return false;
        }
        if (childHasExited(pid)) {
            std::fprintf(stderr, "the program exited before its window was shown\n");
            return false;
        }
        poll(&connection, 1, 10);
    }
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
            "usage: %s [-v] [--composite] [--settle-ms N] [--timeout-ms N] -- program "
            "[arguments]\n",
            argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open display %s\n", XDisplayName(nullptr));
        return 2;
    }
    int damageEventBase = 0;
    int damageErrorBase = 0;
    if (!XDamageQueryExtension(display, &damageEventBase, &damageErrorBase)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreXError);
    if (options.composite) {
        // Like a compositing desktop: each top-level window is drawn into a pixmap of its own,
        // so the damage on it includes the drawing in its child windows.
        XCompositeRedirectSubwindows(
            display, DefaultRootWindow(display), CompositeRedirectAutomatic);
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    Watcher watcher(display, damageEventBase, options);
    const double startMs = nowMs();
    const pid_t pid = startChild(options.command, startMs);
    if (pid < 0)
        return 2;

    const bool shown = watch(display, watcher, pid, startMs, options);
    const MemoryUse memory = shown ? readMemoryUse(pid) : MemoryUse {};
    const double cpuMs = shown ? readCpuMs(pid) : -1;

    const char *howClosed = "wm";
    if (!(shown && requestClose(display, watcher.seen().topLevel) && waitForExit(pid, 3000)))
        howClosed = terminateChild(pid) == SIGTERM ? "term" : "kill";
    XCloseDisplay(display);
    if (!shown)
        return 1;

    const Observation &seen = watcher.seen();
    std::printf("map_ms=%.3f paint_ms=%.3f last_paint_ms=%.3f cpu_ms=%.3f rss_kib=%ld hwm_kib=%ld "
                "close=%s\n",
        seen.mapMs, seen.firstPaintMs, seen.lastPaintMs, cpuMs, memory.rssKib, memory.hwmKib,
        howClosed);
    return 0;
}
