// The window at work: focus and keys, the four buttons pressed for real, the
// failure balloon, and what reaches a screen reader.
#include "accessibility.h"
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

// With no screen reader attached, Qt delivers no accessibility events; switch
// the platform's accessibility on, as a screen reader would.
void setAccessibilityActive(bool active)
{
    if (QPlatformAccessibility *platform
        = QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(active);
    }
}

// What a screen reader is told, in order: which controls announced a new
// value, and the name of each notification announced as shown (Orca speaks those).
QStringList valueAnnouncements;
QStringList notificationsShown;

void logAccessibility(QAccessibleEvent *event)
{
    // Each event's object is looked up, as the platform's bridge to assistive technology does.
    if (!event->object() || !event->accessibleInterface())
        return;
    switch (event->type()) {
    case QAccessible::DescriptionChanged: // a result label
    case QAccessible::TextInserted: // a box
    case QAccessible::TextRemoved:
    case QAccessible::TextUpdated:
        valueAnnouncements << event->object()->objectName();
        break;
    case QAccessible::ObjectShow:
        if (QAccessibleInterface *shown = event->accessibleInterface();
            shown->role() == QAccessible::Notification) {
            notificationsShown << shown->text(QAccessible::Name);
        }
        break;
    default:
        break;
    }
}

// Counts the key presses that reach a control.
struct KeysSeen : QObject
{
    int presses = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        presses += event->type() == QEvent::KeyPress;
        return false;
    }
};

void startLoggingAccessibility()
{
    valueAnnouncements.clear();
    notificationsShown.clear();
    QAccessible::installUpdateHandler(logAccessibility);
    setAccessibilityActive(true);
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
    void keyPressesNothing_data();
    void keyPressesNothing();
    void typingChangesNothingElse();
    void click_data();
    void click();
    void failureIsToldBesideTheBox_data();
    void failureIsToldBesideTheBox();
    void balloonGoesWhenTheUserActs_data();
    void balloonGoesWhenTheUserActs();
    void balloonFitsItsMessageOnScreen_data();
    void balloonFitsItsMessageOnScreen();
    void resultValuesReachAccessibility();
    void announcementsFollowWhatCompleted();
    void accessibleTree();

private:
    QWidget *find(const char *name) const { return control(window_.get(), name); }
    QStringList texts() const;
    void setTexts(const QStringList &texts);
    QWidget *balloon() const;

    std::unique_ptr<Tavrolin> window_;
};

void WindowActionsTest::init()
{
    tavrolin::installAccessibility(); // as main() does
    window_ = std::make_unique<Tavrolin>();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void WindowActionsTest::cleanup()
{
    QAccessible::installUpdateHandler(nullptr);
    setAccessibilityActive(false);
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
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

// Enter in a box, and Escape anywhere while no balloon shows: no button is the
// default for Enter, none is a cancel button for Escape.
void WindowActionsTest::keyPressesNothing_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (const char *box : {"mbstext", "kbsctext", "spetext", "kbstext"}) {
        QTest::addRow("%s, Return", box) << box << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("%s, keypad Enter", box)
            << box << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::addRow("%s, Escape", box) << box << int(Qt::Key_Escape) << int(Qt::NoModifier);
    }
    for (const char *button : {"calcmd", "kbscmd", "Command1", "Command2"})
        QTest::addRow("%s, Escape", button) << button << int(Qt::Key_Escape) << int(Qt::NoModifier);
}

void WindowActionsTest::keyPressesNothing()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    const QStringList before = {"10", "2048", "512", "64", "r1", "r2", "r3"};
    setTexts(before);
    const QList<QPushButton *> buttons = window_->findChildren<QPushButton *>();
    QList<std::shared_ptr<QSignalSpy>> clicks;
    for (QPushButton *button : buttons)
        clicks << std::make_shared<QSignalSpy>(button, &QPushButton::clicked);

    QWidget *focused = window_->findChild<QWidget *>(focus);
    focused->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    for (const auto &spy : clicks)
        QCOMPARE(spy->count(), 0);
    // Only a focused button takes Enter; none is the default button while the
    // focus is elsewhere (a default button would be drawn as one).
    for (QPushButton *button : buttons)
        QVERIFY2(button == focused || !button->isDefault(), qPrintable(button->objectName()));
    QCOMPARE(texts(), before);
    QCOMPARE(QApplication::focusWidget(), focused);
    QVERIFY(window_->isVisible());
    QCOMPARE(QApplication::activeWindow(), window_.get());
    QVERIFY(!balloon()->isVisible());
}

void WindowActionsTest::typingChangesNothingElse()
{
    QTest::keyClicks(find("mbstext"), "700");
    QTest::keyClicks(find("spetext"), "512");
    QCOMPARE(texts(), QStringList({"700", "0", "512", "0", "", "", ""}));
}

// Each button pressed with the mouse, and with Space, Return and keypad Enter
// while it has the focus.
void WindowActionsTest::click_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key"); // 0: a mouse click
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    const auto addRows = [](const char *name, const char *button, const QStringList &before,
                             const QStringList &after) {
        const struct
        {
            const char *how;
            int key;
            int modifiers;
        } presses[] = {
            {"mouse", 0, Qt::NoModifier},
            {"Space", Qt::Key_Space, Qt::NoModifier},
            {"Return", Qt::Key_Return, Qt::NoModifier},
            {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
        };
        for (const auto &press : presses) {
            QTest::addRow("%s, %s", name, press.how)
                << button << press.key << press.modifiers << before << after;
        }
    };
    // Result labels start as "r" here so that a stray write would show.
    const QStringList r = {"r1", "r2", "r3"};
    addRows("convert 700 MB", "kbscmd", QStringList {"700", "0", "56", "1"} + r,
        QStringList {"700", "716800", "56", "1"} + r);
    addRows("convert 1,5 MB", "kbscmd", QStringList {"1,5", "9", "", "0"} + r,
        QStringList {"1,5", "1024", "", "0"} + r);
    addRows("convert empty MB", "kbscmd", QStringList {"", "9", "", "0"} + r,
        QStringList {"", "0", "", "0"} + r);
    addRows("convert 56k speed", "Command1", QStringList {"7", "7", "56k", "0"} + r,
        QStringList {"7", "7", "56k", "6.84"} + r);
    addRows("convert 512 speed", "Command1", QStringList {"", "0", "512", "9"} + r,
        QStringList {"", "0", "512", "62.50"} + r);
    addRows("calculate 700 MB at 62.5", "calcmd", QStringList {"1", "716800", "2", "62.5"} + r,
        QStringList {"1", "716800", "2", "62.5", "11468.80", "191.15", "3.19"});
    addRows("calculate uses the kilobytes on screen", "calcmd",
        QStringList {"999", "1024", "", "1"} + r,
        QStringList {"999", "1024", "", "1", "1024.00", "17.07", "0.28"});
    addRows("calculate negative", "calcmd", QStringList {"", "-100", "", "10"} + r,
        QStringList {"", "-100", "", "10", "-10.00", "-0.17", "0.00"});
    addRows("reset", "Command2", QStringList {"5", "5120", "56", "6.84"} + r, kStart);
}

void WindowActionsTest::click()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    setTexts(before);
    QWidget *pressed = window_->findChild<QWidget *>(button);
    if (key == 0) {
        QTest::mouseClick(pressed, Qt::LeftButton);
    } else {
        pressed->setFocus();
        QTest::keyClick(
            QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    }
    QCOMPARE(texts(), after);
}

void WindowActionsTest::failureIsToldBesideTheBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("rightToLeft"); // the message under the box's right end

    // Every failure of every action, each told beside the box to mend and naming it by the
    // caption the user sees beside it.
    const QStringList r = {"r1", "r2", "r3"};
    const QString tooLarge
        = QStringLiteral("is too large to work with. Please type a smaller one.");
    QTest::newRow("rate 0 at start")
        << "calcmd" << kStart << "kbstext"
        << "transfer rate is 0. Type a transfer rate above 0 in the Transfer Speed in KB/s box,"
        << false;
    QTest::newRow("rate 0, right to left") << "calcmd" << kStart << "kbstext"
                                           << "Type a transfer rate above 0" << true;
    QTest::newRow("megabytes beyond a double")
        << "kbscmd" << QStringList {"1e400", "0", "", "0"} + r << "mbstext"
        << QStringLiteral("The number in the Megabytes to Download box %1").arg(tooLarge)
        << false;
    QTest::newRow("kilobytes too large for a double")
        << "kbscmd" << QStringList {"1e306", "0", "", "0"} + r << "mbstext"
        << "result would be too large to show. Please type a smaller number in the Megabytes to "
           "Download box."
        << false;
    QTest::newRow("speed beyond a double")
        << "Command1" << QStringList {"", "0", "1e400", "0"} + r << "spetext"
        << QStringLiteral("The number in the Internet Speed in K box %1").arg(tooLarge)
        << false;
    QTest::newRow("kilobytes beyond a double")
        << "calcmd" << QStringList {"", "1e400", "", "1"} + r << "kbsctext"
        << QStringLiteral("in the Kilobytes in the Megabytes to Download box %1").arg(tooLarge)
        << false;
    QTest::newRow("rate beyond a double")
        << "calcmd" << QStringList {"", "1", "", "-1e400"} + r << "kbstext"
        << QStringLiteral("The number in the Transfer Speed in KB/s box %1").arg(tooLarge)
        << false;
    QTest::newRow("seconds beyond a double")
        << "calcmd" << QStringList {"", "1e300", "", "1e-300"} + r << "kbsctext"
        << "too large to show. Please type a smaller number in the Kilobytes in the Megabytes to "
           "Download box."
        << false;
}

void WindowActionsTest::failureIsToldBesideTheBox()
{
    QFETCH(QString, button);
    QFETCH(QStringList, before);
    QFETCH(QString, box);
    QFETCH(QString, reason);
    QFETCH(bool, rightToLeft);
    if (rightToLeft)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    setTexts(before);
    startLoggingAccessibility();

    QWidget *pressed = window_->findChild<QWidget *>(button);
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(texts(), before);

    // Told in a balloon just below the box to mend, with no dialog and no
    // focus taken from where the click put it.
    auto *note = qobject_cast<QLabel *>(balloon());
    QVERIFY(note && note->isVisible());
    QVERIFY2(note->text().contains(reason), qPrintable(note->text()));
    QWidget *mend = window_->findChild<QWidget *>(box);
    const QPoint below = mend->mapToGlobal(
        QPoint(rightToLeft ? mend->width() - note->width() : 0, mend->height()));
    QVERIFY((note->pos() - below).manhattanLength() <= 8);
    QCOMPARE(QApplication::focusWidget(), pressed);
    QCOMPARE(QApplication::activeWindow(), window_.get());
    QVERIFY(!QApplication::activeModalWidget());
    // A screen reader hears the message, once, as a notification when it shows.
    QCOMPARE(notificationsShown, QStringList {note->text()});
}

// The message stays until the user acts; whatever the user typed still reaches the box.
void WindowActionsTest::balloonGoesWhenTheUserActs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("act");
    QTest::addColumn<QString>("speed"); // the Internet speed box afterwards
    QTest::newRow("Escape on the button pressed") << "calcmd"
                                                  << "Escape"
                                                  << "";
    for (const char *box : {"mbstext", "kbsctext", "spetext", "kbstext"})
        QTest::addRow("Escape in %s", box) << box << "Escape"
                                           << "";
    QTest::newRow("7 typed in the speed box") << "spetext"
                                              << "7"
                                              << "7";
    QTest::newRow("Tab") << "calcmd"
                         << "Tab"
                         << "";
    QTest::newRow("click on a label") << "calcmd"
                                      << "click"
                                      << "";
    QTest::newRow("window moved") << "calcmd"
                                  << "move"
                                  << "";
    QTest::newRow("window deactivated") << "calcmd"
                                        << "deactivate"
                                        << "";
}

void WindowActionsTest::balloonGoesWhenTheUserActs()
{
    QFETCH(QString, focus);
    QFETCH(QString, act);
    QFETCH(QString, speed);
    QTest::mouseClick(find("calcmd"), Qt::LeftButton);
    QWidget *focused = window_->findChild<QWidget *>(focus);
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Shift); // a modifier alone leaves it
    QVERIFY(balloon()->isVisible());

    if (act == "click") {
        QTest::mouseClick(find("Label5"), Qt::LeftButton);
    } else if (act == "move") {
        window_->move(window_->pos() + QPoint(10, 10));
        QTRY_VERIFY(!balloon()->isVisible());
    } else if (act == "deactivate") {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    } else {
        const QKeySequence key = QKeySequence::fromString(act);
        QTest::keyClick(QApplication::focusWidget(), key[0].key(), key[0].keyboardModifiers());
    }
    QVERIFY(!balloon()->isVisible());
    QCOMPARE(texts(), QStringList({"", "0", speed, "0", "", "", ""}));
    if (act != "Tab" && act != "deactivate")
        QCOMPARE(QApplication::focusWidget(), focused);

    // Afterwards Escape reaches the controls again, and the next failure is told and goes again.
    KeysSeen seen;
    focused->installEventFilter(&seen);
    QTest::keyClick(focused, Qt::Key_Escape);
    QCOMPARE(seen.presses, 1);
    QTest::mouseClick(find("calcmd"), Qt::LeftButton);
    QVERIFY(balloon()->isVisible());
    QTest::keyClick(focused, Qt::Key_Escape);
    QVERIFY(!balloon()->isVisible());
}

// With its box at any edge of the screen, or partly beyond it, the message is still wholly on
// the screen, and it is as tall as its wrapped text needs, no taller.
void WindowActionsTest::balloonFitsItsMessageOnScreen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("megabytes");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("edge");
    for (const char *edge : {"left", "top", "right", "bottom"}) {
        QTest::addRow("rate 0, %s", edge) << QString("calcmd") << QString() << "kbstext" << edge;
        QTest::addRow("megabytes too large, %s", edge)
            << QString("kbscmd") << QString("1e400") << "mbstext" << edge;
    }
}

void WindowActionsTest::balloonFitsItsMessageOnScreen()
{
    QFETCH(QString, button);
    QFETCH(QString, megabytes);
    QFETCH(QString, box);
    QFETCH(QString, edge);
    setTexts({megabytes});
    QWidget *mend = window_->findChild<QWidget *>(box);
    const QRect screen = window_->screen()->availableGeometry();
    const auto place = [&] { return QRect(mend->mapToGlobal(QPoint(0, 0)), mend->size()); };
    const QRect start = place();
    // Left and top: partly beyond the edge; right and bottom: 5 pixels inside it.
    const QPoint shift = edge == "left" ? QPoint(screen.left() - 20 - start.left(), 0)
        : edge == "top"                 ? QPoint(0, screen.top() - 10 - start.bottom())
        : edge == "right"               ? QPoint(screen.right() - 5 - start.right(), 0)
                                        : QPoint(0, screen.bottom() - 5 - start.bottom());
    window_->move(window_->pos() + shift);
    QTRY_VERIFY(place() != start); // the platform may keep the frame on the screen
    QTest::mouseClick(window_->findChild<QWidget *>(button), Qt::LeftButton);

    auto *note = qobject_cast<QLabel *>(balloon());
    QVERIFY(note->isVisible());
    // Straight below its box, it would not be.
    QVERIFY(!screen.contains(QRect(place().bottomLeft() + QPoint(0, 2), note->size())));
    QCOMPARE(note->frameGeometry().intersected(screen), note->frameGeometry());
    const QRect textArea = note->contentsRect().adjusted(
        note->margin(), note->margin(), -note->margin(), -note->margin());
    const int needed
        = note->fontMetrics()
              .boundingRect(QRect(0, 0, textArea.width(), 10000), Qt::TextWordWrap, note->text())
              .height();
    QVERIFY2(qAbs(textArea.height() - needed) <= 2,
        qPrintable(QStringLiteral("%1 px for %2 px of text").arg(textArea.height()).arg(needed)));
}

void WindowActionsTest::resultValuesReachAccessibility()
{
    setTexts({"", "716800", "", "62.5"});
    startLoggingAccessibility();
    QVERIFY(QAccessible::isActive());

    QTest::mouseClick(find("calcmd"), Qt::LeftButton);
    // In the order the action wrote them.
    QCOMPARE(valueAnnouncements, QStringList({"sectime", "mintime", "hrstime"}));

    // Flat review reads each value in the label's name, after what it is.
    const std::pair<const char *, const char *> values[] = {
        {"sectime", "Download time in seconds: 11468.80"},
        {"mintime", "Download time in minutes: 191.15"},
        {"hrstime", "Download time in hours: 3.19"},
    };
    for (const auto &[name, spoken] : values) {
        QAccessibleInterface *access = QAccessible::queryAccessibleInterface(find(name));
        QCOMPARE(access->text(QAccessible::Name), QString::fromLatin1(spoken));
    }

    // Reset writes the boxes, then the labels; each first holds another text.
    setTexts({"5", "716800", "56", "62.5"});
    valueAnnouncements.clear();
    QTest::mouseClick(find("Command2"), Qt::LeftButton);
    QCOMPARE(valueAnnouncements,
        QStringList(
            {"kbsctext", "spetext", "kbstext", "mbstext", "hrstime", "mintime", "sectime"}));
    QAccessibleInterface *access = QAccessible::queryAccessibleInterface(find("sectime"));
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Download time in seconds"));
    QCOMPARE(access->text(QAccessible::Description), QString());
}

// Each answer is said once, with its unit, every time its action completes, in the order of the
// actions, the focus staying on the button pressed; a refused action says its failure alone, and
// Reset says nothing.
void WindowActionsTest::announcementsFollowWhatCompleted()
{
    const QString tooLarge = QStringLiteral("The number in the %1 box is too large to work with. "
                                            "Please type a smaller one.");
    const QString times = QStringLiteral("11468.80 seconds, 191.15 minutes, 3.19 hours");
    const struct
    {
        const char *button;
        QStringList before; // the first texts, set before the press
        QString heard;
    } steps[] = {
        {"kbscmd", {"700", "0", "512", "0"}, "716800 kilobytes"},
        {"Command1", {}, "62.50 kilobytes per second"},
        {"calcmd", {}, times},
        {"calcmd", {}, times},
        {"Command1", {"700", "716800", "1e400"}, tooLarge.arg("Internet Speed in K")},
        {"kbscmd", {"1e400"}, tooLarge.arg("Megabytes to Download")},
        {"calcmd", {"", "1e400"}, tooLarge.arg("Kilobytes in the Megabytes to Download")},
        {"Command2", {}, {}},
        {"calcmd", {},
            "No download time can be worked out while the transfer rate is 0. Type a transfer "
            "rate above 0 in the Transfer Speed in KB/s box, or convert your Internet speed "
            "first."},
        {"kbscmd", {"1"}, "1024 kilobytes"},
    };
    startLoggingAccessibility();
    QStringList heard;
    for (const auto &step : steps) {
        setTexts(step.before);
        QWidget *pressed = find(step.button);
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Space);
        if (!step.heard.isNull())
            heard << step.heard;
        QCOMPARE(notificationsShown, heard);
        QCOMPARE(QApplication::focusWidget(), pressed);
    }
}

// The window is a frame named by its title; its children come in the tab order, then the
// labels and the picture in reading order: top to bottom, left to right.
void WindowActionsTest::accessibleTree()
{
    // Built while a screen reader listens, as when the program starts under one.
    startLoggingAccessibility();
    window_ = std::make_unique<Tavrolin>();
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(window_.get());
    QCOMPARE(frame->role(), QAccessible::Window);
    QCOMPARE(frame->text(QAccessible::Name), window_->windowTitle());
    QStringList order;
    for (int i = 0; i < frame->childCount(); ++i) {
        QAccessibleInterface *child = frame->child(i);
        order << child->object()->objectName();
        QCOMPARE(frame->indexOfChild(child), i);
        QCOMPARE(child->parent()->object(), window_.get());
    }
    const QStringList expected = {"spetext", "kbstext", "mbstext", "calcmd", "kbscmd", "kbsctext",
        "Command1", "Command2", "Label1", "Label9", "Label2", "Label10", "Label3", "Label4",
        "sectime", "Label6", "Image1", "Label5", "Label10", "mintime", "Label7", "hrstime",
        "Label8", "Label11", "announcer"};
    QCOMPARE(order, expected);
}

QTEST_MAIN(WindowActionsTest)
#include "window_actions_test.moc"
