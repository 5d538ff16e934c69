// Start-up timeline of the calculator, or with --empty of the empty window: when main ran, when
// QApplication was built, the window built (given its icon, as the program does), show() done,
// the window first exposed, its first paint begun and that paint flushed. Printed to standard
// error in ms: under startup_watcher from its fork (STARTUP_WATCHER_START_MS), otherwise from
// main. With --quit the program ends after its first paint, otherwise it runs until closed.

#include "main_window.h"
#include "window_icon.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

double clockMs(clockid_t clock)
{
    timespec ts {};
    clock_gettime(clock, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

double nowMs()
{
    return clockMs(CLOCK_MONOTONIC);
}

bool hasArgument(int argc, char **argv, const char *wanted)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], wanted) == 0)
            return true;
    }
    return false;
}

struct Timeline
{
    double originMs = 0;
    double mainMs = 0;
    double applicationMs = 0;
    double builtMs = 0;
    double shownMs = 0;
    double exposeMs = -1;
    double paintMs = -1;
    double paintedMs = -1;
    // CPU time of the main thread at main and once the first paint is flushed.
    double mainCpuMs = 0;
    double paintedCpuMs = -1;

    void print() const
    {
        std::fprintf(stderr,
            "main %.1f  QApplication %.1f  built %.1f  show %.1f  expose %.1f  "
            "paint %.1f  flushed %.1f  cpu-at-main %.1f  cpu-main-to-flushed %.1f (ms)\n",
            mainMs - originMs, applicationMs - originMs, builtMs - originMs, shownMs - originMs,
            exposeMs - originMs, paintMs - originMs, paintedMs - originMs, mainCpuMs,
            paintedCpuMs - mainCpuMs);
    }
};

// Notes the first expose of any window and the first paint of any widget.
class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(Timeline &timeline, bool quit)
        : m_timeline(timeline)
        , m_quit(quit)
    { }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_timeline.exposeMs < 0)
            m_timeline.exposeMs = nowMs();
        if (event->type() == QEvent::Paint && m_timeline.paintMs < 0) {
            m_timeline.paintMs = nowMs();
            // Runs once the paint in progress has been flushed to the window.
            QTimer::singleShot(0, this, [this] {
                m_timeline.paintedMs = nowMs();
                m_timeline.paintedCpuMs = clockMs(CLOCK_THREAD_CPUTIME_ID);
                m_timeline.print();
                if (m_quit)
                    QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    Timeline &m_timeline;
    bool m_quit;
};

} // namespace

int main(int argc, char *argv[])
{
    Timeline timeline;
    timeline.mainMs = nowMs();
    timeline.mainCpuMs = clockMs(CLOCK_THREAD_CPUTIME_ID);
    const char *origin = std::getenv("STARTUP_WATCHER_START_MS");
    timeline.originMs = origin != nullptr ? std::atof(origin) : timeline.mainMs;

    QApplication app(argc, argv);
    timeline.applicationMs = nowMs();
    FirstPaintWatch watch(timeline, hasArgument(argc, argv, "--quit"));
    app.installEventFilter(&watch);

    QWidget empty;
    Tavrolin *calculator = nullptr;
    QWidget *window = &empty;
    if (hasArgument(argc, argv, "--empty")) {
        empty.resize(484, 332);
    } else {
        calculator = new Tavrolin;
        tavrolin::setProgramIcon(*calculator);
        window = calculator;
    }
    timeline.builtMs = nowMs();
    window->show();
    timeline.shownMs = nowMs();

    const int status = app.exec();
    delete calculator;
    return status;
}
