// Click latency of "Calculate": from the click until the three result labels have repainted
// and the window has been flushed, measured in-process on the offscreen platform.
//
//   click_latency [clicks]      (default 1000, after 50 untimed clicks)

#include "main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Notes which of the result labels received a paint event since the last reset.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(const std::array<QWidget *, 3> &labels)
        : m_labels(labels)
    {
        for (QWidget *label : m_labels)
            label->installEventFilter(this);
    }

    void reset() { m_painted = {}; }
    bool allPainted() const
    {
        return std::all_of(m_painted.begin(), m_painted.end(), [](bool p) { return p; });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            for (std::size_t i = 0; i < m_labels.size(); ++i)
                m_painted[i] = m_painted[i] || watched == m_labels[i];
        }
        return false;
    }

private:
    std::array<QWidget *, 3> m_labels;
    std::array<bool, 3> m_painted {};
};

template<typename T>
T *child(QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (found == nullptr) {
        std::fprintf(stderr, "the window has no control named %s\n", name);
        std::exit(2);
    }
    return found;
}

double percentile(const std::vector<double> &sorted, double fraction)
{
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(sorted.size() - 1));
    return sorted[rank];
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const int warmups = 50;

    Tavrolin window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was not exposed\n");
        return 2;
    }
    auto *kilobytes = child<QLineEdit>(window, "kbsctext");
    auto *rate = child<QLineEdit>(window, "kbstext");
    auto *calculate = child<QWidget>(window, "calcmd");
    PaintWatch watch({child<QWidget>(window, "sectime"), child<QWidget>(window, "mintime"),
        child<QWidget>(window, "hrstime")});

    std::vector<double> latenciesUs;
    latenciesUs.reserve(static_cast<std::size_t>(clicks));
    QElapsedTimer timer;
    for (int i = 0; i < warmups + clicks; ++i) {
        // Amounts that alternate between two magnitudes change all three results every click.
        kilobytes->setText(QString::number((i % 2 ? 1000000 : 3000000) + i));
        rate->setText(QStringLiteral("7"));
        QCoreApplication::processEvents(); // the boxes' own repaint is not part of the click
        watch.reset();

        timer.start();
        QTest::mouseClick(calculate, Qt::LeftButton);
        while (!watch.allPainted()) {
            QCoreApplication::processEvents();
            if (timer.elapsed() > 2000) {
                std::fprintf(stderr, "click %d: the result labels were not repainted\n", i);
                return 1;
            }
        }
        const double us = static_cast<double>(timer.nsecsElapsed()) / 1e3;
        if (i >= warmups)
            latenciesUs.push_back(us);
    }

    std::sort(latenciesUs.begin(), latenciesUs.end());
    std::printf("click latency over %d clicks (us): p50 %.1f  p95 %.1f  p99 %.1f  max %.1f\n",
        clicks, percentile(latenciesUs, 0.50), percentile(latenciesUs, 0.95),
        percentile(latenciesUs, 0.99), latenciesUs.back());
    return 0;
}
