// The window at work: focus and keys, the four buttons clicked for real, the
// failure balloon, and result values over the accessibility interface.
#include "failure_balloon.h"
#include "main_window.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

namespace {

// Records which controls announced a new value, in order.
QStringList valueAnnouncements;

void logAccessibility(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::DescriptionChanged && event->object())
        valueAnnouncements << event->object()->objectName();
}

// With no screen reader attached, Qt delivers no accessibility events; switch
// the platform's accessibility on, as a screen reader would.
void setAccessibilityActive(bool active)
{
    if (QPlatformAccessibility *platform
        = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(active);
    }
}

} // namespace

class WindowActionsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void focusStartsInSpeedBox();
    void tabOrder();
    void enterPressesNothing_data();
    void enterPressesNothing();
    void typingChangesNothingElse();
    void click_data();
    void click();
    void spacePressesFocusedButton();
    void failureIsToldBesideTheBox_data();
    void failureIsToldBesideTheBox();
    void balloonGoesAwayByItself();
    void resultValuesReachAccessibility();

private:
    QWidget *find(const char *name) const { return control(window_.get(), name); }
    QStringList texts() const;
    void setTexts(const QStringList &texts);
    QWidget *balloon() const;

    std::unique_ptr<Tavrolin> window_;
};

void WindowActionsTest::init()
{
    window_ = std::make_unique<Tavrolin>();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void WindowActionsTest::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    setAccessibilityActive(false);
    window_.reset();
}

QStringList WindowActionsTest::texts() const
{
    return stateTexts(window_.get());
}

void WindowActionsTest::setTexts(const QStringList &texts)
{
    setStateTexts(window_.get(), texts);
}

QWidget *WindowActionsTest::balloon() const
{
    return window_->findChild<QWidget *>(QStringLiteral("failureBalloon"));
}

void WindowActionsTest::focusStartsInSpeedBox()
{
    QCOMPARE(QApplication::focusWidget(), find("spetext"));
    QCOMPARE(texts(), kStart);
}

void WindowActionsTest::tabOrder()
{
    // From spetext, where the focus starts, round to spetext again.
    const QStringList expected
        = {"kbstext", "mbstext", "calcmd", "kbscmd", "kbsctext", "Command1", "Command2"};
    QStringList forward;
    for (int step = 0; step <= expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forward << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(forward, expected + QStringList {"spetext"});
}

void WindowActionsTest::enterPressesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    for (const char *box : {"mbstext", "kbsctext", "spetext", "kbstext"}) {
        QTest::addRow("%s Return", box) << box << int(Qt::Key_Return);
        QTest::addRow("%s Enter", box) << box << int(Qt::Key_Enter);
    }
}

void WindowActionsTest::enterPressesNothing()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    const QStringList before = {"10", "2048", "512", "64", "", "", ""};
    setTexts(before);
    QList<std::shared_ptr<QSignalSpy>> clicks;
    for (QPushButton *button : window_->findChildren<QPushButton *>())
        clicks << std::make_shared<QSignalSpy>(button, &QPushButton::clicked);

    QWidget *widget = window_->findChild<QWidget *>(box);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key(key));
    for (const auto &spy : clicks)
        QCOMPARE(spy->count(), 0);
    QCOMPARE(texts(), before);
    QCOMPARE(QApplication::focusWidget(), widget);
}

void WindowActionsTest::typingChangesNothingElse()
{
    QTest::keyClicks(find("mbstext"), "700");
    QTest::keyClicks(find("spetext"), "512");
    QCOMPARE(texts(), QStringList({"700", "0", "512", "0", "", "", ""}));
}

void WindowActionsTest::click_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    // Result labels start as "r" here so that a stray write would show.
    const QStringList r = {"r1", "r2", "r3"};
    QTest::newRow("convert 700 MB") << "kbscmd" << QStringList {"700", "0", "56", "1"} + r
                                    << QStringList {"700", "716800", "56", "1"} + r;
    QTest::newRow("convert 1,5 MB") << "kbscmd" << QStringList {"1,5", "9", "", "0"} + r
                                    << QStringList {"1,5", "1024", "", "0"} + r;
    QTest::newRow("convert empty MB")
        << "kbscmd" << QStringList {"", "9", "", "0"} + r << QStringList {"", "0", "", "0"} + r;
    QTest::newRow("convert 56k speed") << "Command1" << QStringList {"7", "7", "56k", "0"} + r
                                       << QStringList {"7", "7", "56k", "6.84"} + r;
    QTest::newRow("convert 512 speed") << "Command1" << QStringList {"", "0", "512", "9"} + r
                                       << QStringList {"", "0", "512", "62.50"} + r;
    QTest::newRow("calculate 700 MB at 62.5")
        << "calcmd" << QStringList {"1", "716800", "2", "62.5"} + r
        << QStringList {"1", "716800", "2", "62.5", "11468.80", "191.15", "3.19"};
    QTest::newRow("calculate uses the kilobytes on screen")
        << "calcmd" << QStringList {"999", "1024", "", "1"} + r
        << QStringList {"999", "1024", "", "1", "1024.00", "17.07", "0.28"};
    QTest::newRow("calculate negative")
        << "calcmd" << QStringList {"", "-100", "", "10"} + r
        << QStringList {"", "-100", "", "10", "-10.00", "-0.17", "0.00"};
    QTest::newRow("calculate at rate 0 changes nothing")
        << "calcmd" << QStringList {"5", "5120", "", "0"} + r
        << QStringList {"5", "5120", "", "0"} + r;
    QTest::newRow("reset") << "Command2" << QStringList {"5", "5120", "56", "6.84"} + r << kStart;
}

void WindowActionsTest::click()
{
    QFETCH(QString, button);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    setTexts(before);
    QTest::mouseClick(window_->findChild<QWidget *>(button), Qt::LeftButton);
    QCOMPARE(texts(), after);
}

void WindowActionsTest::spacePressesFocusedButton()
{
    qobject_cast<QLineEdit *>(find("spetext"))->setText("1000");
    find("Command1")->setFocus();
    QTest::keyClick(find("Command1"), Qt::Key_Space);
    QCOMPARE(texts(), QStringList({"", "0", "1000", "122.07", "", "", ""}));
}

void WindowActionsTest::failureIsToldBesideTheBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("reason");

    QTest::newRow("rate 0 at start") << "calcmd" << kStart << "kbstext"
                                     << "transfer rate is 0";
    QTest::newRow("rate without a number")
        << "calcmd" << QStringList {"", "1024", "", "fast", "r1", "r2", "r3"} << "kbstext"
        << "transfer rate is 0";
    QTest::newRow("megabytes beyond a double")
        << "kbscmd" << QStringList {"1e400", "0", "", "0", "", "", ""} << "mbstext"
        << "too large";
    QTest::newRow("kilobytes too large for a double")
        << "kbscmd" << QStringList {"1e306", "0", "", "0", "", "", ""} << "mbstext"
        << "too large";
}

void WindowActionsTest::failureIsToldBesideTheBox()
{
    QFETCH(QString, button);
    QFETCH(QStringList, before);
    QFETCH(QString, box);
    QFETCH(QString, reason);
    setTexts(before);

    QWidget *pressed = window_->findChild<QWidget *>(button);
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(texts(), before);

    // Told in a balloon just below the box to mend, with no dialog and no
    // focus taken from where the click put it.
    auto *note = qobject_cast<QLabel *>(balloon());
    QVERIFY(note && note->isVisible());
    QVERIFY2(note->text().contains(reason), qPrintable(note->text()));
    QWidget *mend = window_->findChild<QWidget *>(box);
    const QPoint below = mend->mapToGlobal(QPoint(0, mend->height()));
    QVERIFY((note->pos() - below).manhattanLength() <= 8);
    QCOMPARE(QApplication::focusWidget(), pressed);
    QCOMPARE(QApplication::activeWindow(), window_.get());
    QVERIFY(!QApplication::activeModalWidget());

    // The next click sends it away, and the window goes on working.
    QTest::mouseClick(find("Label5"), Qt::LeftButton);
    QVERIFY(!note->isVisible());
    QTest::mouseClick(find("Command2"), Qt::LeftButton);
    QCOMPARE(texts(), kStart);
}

void WindowActionsTest::balloonGoesAwayByItself()
{
    QTest::mouseClick(find("calcmd"), Qt::LeftButton);
    QVERIFY(balloon()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!balloon()->isVisible(), tavrolin::FailureBalloon::shownForMs + 2000);
}

void WindowActionsTest::resultValuesReachAccessibility()
{
    setTexts({"", "716800", "", "62.5"});
    valueAnnouncements.clear();
    QAccessible::installUpdateHandler(logAccessibility);
    setAccessibilityActive(true);
    QVERIFY(QAccessible::isActive());

    QTest::mouseClick(find("calcmd"), Qt::LeftButton);
    // In the order the action wrote them.
    QCOMPARE(valueAnnouncements, QStringList({"sectime", "mintime", "hrstime"}));

    const std::pair<const char *, const char *> values[]
        = {{"sectime", "11468.80"}, {"mintime", "191.15"}, {"hrstime", "3.19"}};
    for (const auto &[name, value] : values) {
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(find(name));
        QCOMPARE(access->text(QAccessible::Description), QString::fromLatin1(value));
    }

    valueAnnouncements.clear();
    QTest::mouseClick(find("Command2"), Qt::LeftButton);
    QCOMPARE(valueAnnouncements, QStringList({"hrstime", "mintime", "sectime"}));
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(find("sectime"));
    QCOMPARE(access->text(QAccessible::Description), QString());
}

QTEST_MAIN(WindowActionsTest)
#include "window_actions_test.moc"
