// Hostile texts pasted through the clipboard into each of the four boxes, then
// every button clicked: each click completes, writes exactly what its action
// writes (or, when the action cannot complete, nothing, with the balloon), and
// every box keeps the whole pasted text until an action writes over it.
#include "main_window.h"
#include "window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <algorithm>
#include <limits>

namespace {

// The other boxes hold these while one box holds a hostile text; each button
// then has a known result from them: 1 MB is "1024" kB, 8.192 kbit/s is "1.00"
// kB/s, and 3600 kB at 1 kB/s is an hour. The labels start as "r" so that a
// stray write would show.
const QStringList kBaseline = {"1", "3600", "8.192", "1", "r1", "r2", "r3"};
const QStringList kBaselineKilobytes = {"1024"};
const QStringList kBaselineRate = {"1.00"};
const QStringList kBaselineTimes = {"3600.00", "60.00", "1.00"};

constexpr double kTooLarge = std::numeric_limits<double>::infinity();

// What each action writes when the box it reads holds a text that reads as
// `reading` (kilobytes over a rate of 1, or 3600 kilobytes over the rate).
// An empty list: the action does not complete.
struct Outcome
{
    double reading;
    QStringList kilobytes; // mbstext -> kbsctext
    QStringList rate; // spetext -> kbstext
    QStringList timesFromKilobytes; // kbsctext -> sectime, mintime, hrstime
    QStringList timesFromRate; // kbstext -> the same
};
const Outcome kOutcomes[] = {
    {0, {"0"}, {"0.00"}, {"0.00", "0.00", "0.00"}, {}},
    {5, {"5120"}, {"0.61"}, {"5.00", "0.08", "0.00"}, {"720.00", "12.00", "0.20"}},
    {12, {"12288"}, {"1.46"}, {"12.00", "0.20", "0.00"}, {"300.00", "5.00", "0.08"}},
    {700, {"716800"}, {"85.45"}, {"700.00", "11.67", "0.19"}, {"5.14", "0.09", "0.00"}},
    {2457, {"2515968"}, {"299.93"}, {"2457.00", "40.95", "0.68"}, {"1.47", "0.02", "0.00"}},
    {-1, {"-1024"}, {"-0.12"}, {"-1.00", "-0.02", "0.00"}, {"-3600.00", "-60.00", "-1.00"}},
    {kTooLarge, {}, {}, {}, {}},
};

const Outcome &outcomeFor(double reading)
{
    const auto *found = std::ranges::find(kOutcomes, reading, &Outcome::reading);
    if (found == std::end(kOutcomes))
        qFatal("no outcome for a text that reads as %g", reading);
    return *found;
}

// Characters of the large texts; 1 MiB unless the environment asks for fewer
// (the run under Valgrind does).
qsizetype largeSize()
{
    bool ok = false;
    const qsizetype size = qEnvironmentVariableIntValue("TAVROLIN_HOSTILE_SIZE", &ok);
    return ok && size > 0 ? size : qsizetype(1) << 20;
}

template<qsizetype N>
QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1); // embedded NULs included
}

// The UTF-16 code units of a stretch of text, for failure messages.
QString codeUnits(const QString &text, qsizetype from)
{
    QStringList units;
    for (QChar c : text.mid(from, 8))
        units << QString::number(c.unicode(), 16);
    return units.join(' ');
}

// Names the first control whose text differs, and where; the texts may be 1 MiB long.
QByteArray difference(const QStringList &expected, const QStringList &actual)
{
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const QString &want = expected[i];
        const QString &got = actual[i];
        if (want == got)
            continue;
        qsizetype at = 0;
        while (at < want.size() && at < got.size() && want[at] == got[at])
            ++at;
        return QStringLiteral("%1: expected %2 characters, got %3; from %4: [%5] vs [%6]")
            .arg(kStateControls[i])
            .arg(want.size())
            .arg(got.size())
            .arg(at)
            .arg(codeUnits(want, at), codeUnits(got, at))
            .toUtf8();
    }
    return {};
}

} // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void pasteThenClickEachButton_data();
    void pasteThenClickEachButton();
    void keepsWorkingAfterwards();

private:
    QWidget *find(const char *name) const { return control(window_, name); }
    QStringList texts() const;
    void setTexts(const QStringList &texts);
    bool balloonShown() const;

    Tavrolin *window_ = nullptr;
};

// One window for every row: it must keep working after each hostile text.
void HostileInputTest::initTestCase()
{
    window_ = new Tavrolin;
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void HostileInputTest::cleanupTestCase()
{
    delete window_;
}

QStringList HostileInputTest::texts() const
{
    return stateTexts(window_);
}

void HostileInputTest::setTexts(const QStringList &texts)
{
    setStateTexts(window_, texts);
}

bool HostileInputTest::balloonShown() const
{
    const auto *balloon = window_->findChild<QLabel *>(QStringLiteral("failureBalloon"));
    return balloon && balloon->isVisible() && !balloon->text().isEmpty();
}

void HostileInputTest::pasteThenClickEachButton_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QByteArray>("pasted"); // UTF-8, or raw bytes when `raw`
    QTest::addColumn<bool>("raw"); // offered as undecoded text/plain bytes
    QTest::addColumn<double>("reading");

    struct Hostile
    {
        const char *name;
        QByteArray pasted;
        bool raw;
        double reading;
    };
    const qsizetype large = largeSize();
    const Hostile hostile[] = {
        {"digits", "700", false, 700},
        {"leading zeros", "000012", false, 12},
        {"Arabic-Indic digits", "\u0667\u0660\u0660", false, 700},
        {"inner blanks", " 2 45 7", false, 2457},
        {"tab and line feeds", "\t\n 5 \n", false, 5},
        {"Windows line ends", "1\r\n2\r\n", false, 12},
        {"no-break space", "12\u00a0345", false, 12},
        {"only blanks", "  \t ", false, 0},
        {"letters", "abc", false, 0},
        {"digits then letters", "12abc", false, 12},
        {"hexadecimal", "&HFFFF", false, -1},
        {"beyond a double", "1e400", false, kTooLarge},
        {"invalid UTF-8", "\xff\xfe", true, 0},
        {"truncated UTF-8", "12\xc3", true, 12},
        {"overlong UTF-8",
            "\xc0\xaf"
            "5",
            true, 0},
        {"encoded surrogate", "5\xed\xa0\x80", true, 5},
        {"right-to-left mark first", "\u200f700", false, 0},
        {"right-to-left mark inside", "700\u200f5", false, 700},
        {"right-to-left override", "\u202e5", false, 0},
        {"Hebrew letter", "\u05e95", false, 0},
        {"NUL inside", bytes("12\0 34"), false, 12},
        {"NUL first", bytes("\0 5"), false, 0},
        {"NUL bytes",
            bytes("5\0\0"
                  "7"),
            true, 5},
        {"large: digits", '1' + QByteArray(large, '0'), false, kTooLarge},
        {"large: leading zeros", QByteArray(large, '0') + '5', false, 5},
        {"large: blanks", QByteArray(" \t\n").repeated(large / 3) + "12", false, 12},
        {"large: letters", QByteArray(large, 'x'), false, 0},
        {"large: invalid UTF-8", QByteArray(large, '\xff'), true, 0},
        {"large: right-to-left marks", QByteArray("5\u200f").repeated(large / 2), false, 5},
        {"large: NULs", QByteArray(large, '\0') + '7', false, 0},
    };
    for (const char *box : {"mbstext", "kbsctext", "spetext", "kbstext"}) {
        for (const Hostile &text : hostile)
            QTest::addRow("%s, %s", box, text.name)
                << box << text.pasted << text.raw << text.reading;
    }
}

void HostileInputTest::pasteThenClickEachButton()
{
    QFETCH(QString, box);
    QFETCH(QByteArray, pasted);
    QFETCH(bool, raw);
    QFETCH(double, reading);
    const Outcome &outcome = outcomeFor(reading);

    setTexts(kBaseline);
    if (raw) {
        auto *data = new QMimeData;
        data->setData(QStringLiteral("text/plain"), pasted);
        QApplication::clipboard()->setMimeData(data); // the clipboard owns it
    } else {
        QApplication::clipboard()->setText(QString::fromUtf8(pasted));
    }
    auto *target = qobject_cast<QLineEdit *>(find(qPrintable(box)));
    target->setFocus();
    target->selectAll();
    target->paste();
    // The box draws what it holds. Not for the large texts: laying out a MiB of NULs takes
    // the toolkit seconds (a font fallback search per character).
    if (pasted.size() < 65536)
        target->repaint();
    QStringList expected = kBaseline;
    const auto *boxName = std::ranges::find_if(
        kStateControls, [&](const char *name) { return box == QLatin1String(name); });
    // All of it, as UTF-8 with each undecodable byte a replacement character: the box sets no
    // length limit and drops nothing.
    expected[boxName - std::begin(kStateControls)] = QString::fromUtf8(pasted);
    QVERIFY2(texts() == expected, difference(expected, texts()));

    // The buttons in an order where each action reads the hostile box before
    // any action writes over it.
    const struct
    {
        const char *button;
        qsizetype firstWritten;
        QStringList written; // empty: the action does not complete
    } clicks[] = {
        {"calcmd", 4,
            box == "kbsctext"      ? outcome.timesFromKilobytes
                : box == "kbstext" ? outcome.timesFromRate
                                   : kBaselineTimes},
        {"Command1", 3, box == "spetext" ? outcome.rate : kBaselineRate},
        {"kbscmd", 1, box == "mbstext" ? outcome.kilobytes : kBaselineKilobytes},
        {"Command2", 0, kStart},
    };
    for (const auto &click : clicks) {
        const bool completes = !click.written.isEmpty();
        if (completes)
            std::ranges::copy(click.written, expected.begin() + click.firstWritten);
        QTest::mouseClick(find(click.button), Qt::LeftButton);
        QVERIFY2(texts() == expected,
            click.button + QByteArray(" wrote other texts; ") + difference(expected, texts()));
        // A failure is told in the balloon, with no dialog; the window stays active.
        QVERIFY2(balloonShown() == !completes, click.button);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::activeWindow(), window_);
    }
}

// After every hostile text above, the same window still computes as usual.
void HostileInputTest::keepsWorkingAfterwards()
{
    QTest::mouseClick(find("Command2"), Qt::LeftButton);
    QTest::keyClicks(find("mbstext"), "700");
    QTest::keyClicks(find("spetext"), "512");
    for (const char *button : {"kbscmd", "Command1", "calcmd"})
        QTest::mouseClick(find(button), Qt::LeftButton);
    const QStringList results = {"700", "716800", "512", "62.50", "11468.80", "191.15", "3.19"};
    QCOMPARE(texts(), results);
    QVERIFY(!balloonShown());
}

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
