// End-to-end cost of each button with a large text in the box it reads, on the offscreen
// platform, in milliseconds (median of three rounds). Per button and text:
//   paste    the text pasted from the clipboard into the box
//   paint    the box's repaint that follows
//   click    the click right after the paste, the focus still in the box: the box repaints as
//            the focus leaves it, then the action runs (what the user waits for)
//   action   the same click with the focus already on the button: only the box's text to
//            UTF-8, the parse, the write and the repaint of what the action changed
//
//   large_input_clicks [MiB ...]      (default: 1 10; about a quarter of an hour in all)

#include "main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr qsizetype kMiB = qsizetype(1) << 20;
// A single round is skewed by first-touch page faults on the large texts' memory.
constexpr int kRounds = 3;

// Texts of about `size` characters. A parse walks digits and blanks to the end; a letter
// ends the number at once. NULs and right-to-left marks cost the toolkit seconds per MiB to
// lay out, so they stop at 1 MiB.
struct Kind
{
    const char *name;
    qsizetype largest;
    QString (*make)(qsizetype size);
};
const Kind kKinds[] = {
    {"digits", 1024 * kMiB, // reads as a fraction just below 1
        [](qsizetype size) {
            std::mt19937 random(7);
            QString text(size, QChar(u'0'));
            text[1] = u'.';
            for (qsizetype i = 2; i < size; ++i)
                text[i] = QChar(char16_t(u'0' + random() % 10));
            return text;
        }},
    {"blanks", 1024 * kMiB,
        [](qsizetype size) { return QString(" \t\n").repeated(size / 3) + "12"; }},
    {"letters", 1024 * kMiB, [](qsizetype size) { return QString(size, u'x'); }},
    {"NULs", kMiB, [](qsizetype size) { return QString(size, QChar(0)) + "7"; }},
    {"RLMs", kMiB, [](qsizetype size) { return QString("5\u200f").repeated(size / 2); }},
};

// A button and the box it reads; the other boxes keep short texts that let it complete.
struct Click
{
    const char *button;
    const char *box;
    const char *written; // the first control the action writes
};
const Click kClicks[] = {
    {"kbscmd", "mbstext", "kbsctext"}, {"Command1", "spetext", "kbstext"},
    {"calcmd", "kbsctext", "sectime"}, {"calcmd", "kbstext", "sectime"},
    {"Command2", "mbstext", "mbstext"}, // "Reset" writes over the large text
};

struct Timings
{
    std::vector<double> paste, paint, click, action;
};

double milliseconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class Bench
{
public:
    Bench() { window_.show(); }
    bool exposed() { return QTest::qWaitForWindowExposed(&window_); }

    // One round: returns the click's time, and the paste and paint times through the pointers.
    double clickAfterPaste(const Click &click, const QString &text, bool focusInBox,
        double *paste = nullptr, double *paint = nullptr)
    {
        box("mbstext")->setText("1");
        box("kbsctext")->setText("3600");
        box("spetext")->setText("8.192");
        box("kbstext")->setText("1");
        QWidget *button = window_.findChild<QWidget *>(click.button);
        button->setFocus();
        QApplication::processEvents();

        QLineEdit *target = box(click.box);
        QApplication::clipboard()->setText(text);
        QElapsedTimer timer;
        timer.start();
        if (focusInBox)
            target->setFocus();
        target->selectAll();
        target->paste();
        if (paste)
            *paste = milliseconds(timer);
        timer.start();
        QApplication::processEvents();
        if (paint)
            *paint = milliseconds(timer);

        timer.start();
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
        return milliseconds(timer);
    }

    // What the click left in the action's first output, shortened.
    QString outcome(const Click &click) const
    {
        const auto *balloon = window_.findChild<QLabel *>(QStringLiteral("failureBalloon"));
        if (balloon && balloon->isVisible())
            return QStringLiteral("failed, balloon shown");
        QWidget *control = window_.findChild<QWidget *>(QString::fromLatin1(click.written));
        const auto *written = qobject_cast<QLineEdit *>(control);
        const QString text = written ? written->text() : qobject_cast<QLabel *>(control)->text();
        return QStringLiteral("%1 \"%2\"").arg(QLatin1String(click.written), text.left(20));
    }

private:
    QLineEdit *box(const char *name) const
    {
        return window_.findChild<QLineEdit *>(QString::fromLatin1(name));
    }

    Tavrolin window_;
};

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<qsizetype> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::max(1, std::atoi(argv[i])) * kMiB);
    if (sizes.empty())
        sizes = {kMiB, 10 * kMiB};

    Bench bench;
    if (!bench.exposed()) {
        std::fprintf(stderr, "the window was not exposed\n");
        return 2;
    }
    std::printf("%-7s %9s  %-8s %-8s %9s %9s %9s %9s  %s\n", "text", "chars", "button", "box",
        "paste", "paint", "click", "action", "result");
    for (qsizetype size : sizes) {
        for (const Kind &kind : kKinds) {
            if (size > kind.largest)
                continue;
            const QString text = kind.make(size);
            for (const Click &click : kClicks) {
                Timings t;
                for (int round = 0; round < kRounds; ++round) {
                    double paste = 0, paint = 0;
                    t.click.push_back(bench.clickAfterPaste(click, text, true, &paste, &paint));
                    t.paste.push_back(paste);
                    t.paint.push_back(paint);
                    t.action.push_back(bench.clickAfterPaste(click, text, false));
                }
                std::printf("%-7s %9lld  %-8s %-8s %9.1f %9.1f %9.1f %9.2f  %s\n", kind.name,
                    static_cast<long long>(text.size()), click.button, click.box, median(t.paste),
                    median(t.paint), median(t.click), median(t.action),
                    qPrintable(bench.outcome(click)));
                std::fflush(stdout);
            }
        }
    }
    return 0;
}
