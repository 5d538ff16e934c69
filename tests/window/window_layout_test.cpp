// The window as built: every control against the layout table, stacking,
// placement through resizing, caption and accessible names.
#include "layout_table.h"
#include "main_window.h"
#include "translations.h"
#include "window_test_support.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>

#include <memory>

using namespace layout;

class WindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionAndSize();
    void everyControlOnce();
    void controlMatchesTable_data();
    void controlMatchesTable();
    void mirroredByTheTranslation();
    void boxCoversLabel();
    void controlsStayOnResizeAndMaximise();
    void accessibleNames();

private:
    std::unique_ptr<Tavrolin> window_;
};

void WindowLayoutTest::initTestCase()
{
    window_ = std::make_unique<Tavrolin>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowLayoutTest::captionAndSize()
{
    QCOMPARE(window_->objectName(), QStringLiteral("Tavrolin"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("The Tavrolin - Version 1.00 "));
    QCOMPARE(window_->size(), QSize(484, 332)); // 7260 x 4980 twips
}

void WindowLayoutTest::everyControlOnce()
{
    int controls = 0;
    for (QWidget *child : window_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue; // the failure balloon is a window of its own
        if (child->objectName() == QLatin1String("announcer"))
            continue; // heard by screen readers, never drawn
        ++controls;
        const QVariant index = child->property("index");
        const auto inTable = [&](const Row &row) {
            return child->objectName() == QLatin1String(row.name)
                && (row.index < 0 ? !index.isValid() : index.toInt() == row.index);
        };
        QVERIFY2(std::ranges::count_if(kLayout, inTable) == 1, qPrintable(child->objectName()));
    }
    QCOMPARE(controls, 24);
}

// Right to left (Arabic, Hebrew, Persian), each control's place is the mirror of its place in
// the table, about the window's vertical centre line.
void WindowLayoutTest::controlMatchesTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("rightToLeft");
    for (std::size_t i = 0; i < std::size(kLayout); ++i) {
        QTest::newRow(qPrintable(rowName(kLayout[i]))) << int(i) << false;
        QTest::addRow("%s, right to left", qPrintable(rowName(kLayout[i]))) << int(i) << true;
    }
}

void WindowLayoutTest::controlMatchesTable()
{
    QFETCH(int, row);
    QFETCH(bool, rightToLeft);
    const Row &expected = kLayout[row];
    std::unique_ptr<Tavrolin> mirrored;
    const auto leftToRightAgain
        = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
    if (rightToLeft) {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft); // as a translation sets it
        mirrored = std::make_unique<Tavrolin>();
    }
    QWidget *window = rightToLeft ? mirrored.get() : window_.get();
    QWidget *widget = ::control(window, expected.name, expected.index);
    QVERIFY(widget);

    // Texts start on the side the user reads from, whatever their own direction: Qt aligns a
    // label's or box's text by the text's direction unless told AlignAbsolute.
    const Qt::Alignment reading = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    const auto side = [](QWidget *widget) {
        const QString text = controlText(widget);
        const QVariant alignment = widget->property("alignment");
        return QStyle::visualAlignment(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight,
                   Qt::Alignment(alignment.toInt()))
            & ~Qt::AlignAbsolute;
    };
    auto *label = qobject_cast<QLabel *>(widget);
    switch (expected.kind) {
    case Label:
        QVERIFY(label && label->pixmap().isNull());
        QVERIFY(label->wordWrap());
        QCOMPARE(
            side(label), Qt::AlignTop | (expected.look == Centred ? Qt::AlignHCenter : reading));
        QVERIFY(label->autoFillBackground());
        break;
    case TextBox:
        QVERIFY(qobject_cast<QLineEdit *>(widget));
        QCOMPARE(side(widget), Qt::AlignVCenter | reading);
        break;
    case Button: {
        auto *button = qobject_cast<QPushButton *>(widget);
        QVERIFY(button);
        // Enter presses the button that has the focus; none is the default.
        QVERIFY(button->autoDefault() && !button->isDefault());
        break;
    }
    case Image:
        QVERIFY(label && !label->pixmap().isNull());
        break;
    }
    QCOMPARE(controlText(widget), QString::fromUtf8(expected.text));

    // In twips, 15 to a pixel: a place that is no whole number of pixels fails too.
    const QRect place = widget->geometry();
    const int left = rightToLeft ? 7260 - expected.left - expected.width : expected.left;
    QCOMPARE(QRect(place.x() * 15, place.y() * 15, place.width() * 15, place.height() * 15),
        QRect(left, expected.top, expected.width, expected.height));

    const QColor background = expected.background == none
        ? window->palette().color(QPalette::Button) // the button face
        : QColor::fromRgb(QRgb(expected.background));
    if (expected.kind == Label) {
        QCOMPARE(widget->palette().color(QPalette::Window), background);
        const QColor text = expected.textColour == none
            ? window->palette().color(QPalette::WindowText)
            : QColor::fromRgb(QRgb(expected.textColour));
        QCOMPARE(widget->palette().color(QPalette::WindowText), text);
    }
    if (expected.kind == Button)
        QCOMPARE(widget->palette().color(QPalette::Button), background);

    const QFont font = widget->font();
    if (expected.look == Heading) {
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pointSize(), 9);
        QCOMPARE(font.weight(), QFont::Bold);
#ifdef Q_OS_WIN
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Arial")); // Windows' own
#else
        // Arial is Liberation Sans, through fontconfig's metric aliases.
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
#endif
    } else {
        QCOMPARE(font.family(), window->font().family());
        QCOMPARE(font.pointSize(), 8);
        // An outline face, so that it is drawn at the scale of the screen.
        const QFontInfo face(font);
        QCOMPARE(face.family(), QStringLiteral("Liberation Sans"));
        QVERIFY(QFontDatabase::isSmoothlyScalable(face.family(), face.styleName()));
    }

    const bool takesFocus = expected.kind == TextBox || expected.kind == Button;
    QCOMPARE(widget->focusPolicy() != Qt::NoFocus, takesFocus);
    const QVariant tabIndex = widget->property("tabIndex");
    if (expected.tabIndex == none)
        QVERIFY(!tabIndex.isValid());
    else
        QCOMPARE(tabIndex.toInt(), expected.tabIndex);
}

// The user's translation alone turns the window (run in each right-to-left language too): in
// a language written from the right, each control's place is the mirror of the table's.
void WindowLayoutTest::mirroredByTheTranslation()
{
    tavrolin::installTranslations();
    const bool rightToLeft = QLocale().textDirection() == Qt::RightToLeft;
    QCOMPARE(QGuiApplication::layoutDirection(), QLocale().textDirection());
    Tavrolin window;
    for (const Row &row : kLayout) {
        const QRect place = ::control(&window, row.name, row.index)->geometry();
        const int left = rightToLeft ? 7260 - row.left - row.width : row.left;
        QVERIFY2(place == QRect(left / 15, row.top / 15, row.width / 15, row.height / 15),
            qPrintable(rowName(row)));
    }
}

void WindowLayoutTest::boxCoversLabel()
{
    // mbstext covers the right-hand 135 twips (9 pixels) of Label1.
    QWidget *label = ::control(window_.get(), "Label1");
    QWidget *box = ::control(window_.get(), "mbstext");
    const QRect overlap = label->geometry().intersected(box->geometry());
    QCOMPARE(overlap.width(), 9);
    QCOMPARE(window_->childAt(overlap.center()), box);

    // Every label and the picture lie beneath every box and button.
    const QObjectList stack = window_->children(); // bottom to top
    qsizetype highestBelow = -1;
    qsizetype lowestAbove = stack.size();
    for (qsizetype i = 0; i < stack.size(); ++i) {
        auto *widget = qobject_cast<QWidget *>(stack[i]);
        if (!widget || widget->isWindow())
            continue;
        if (qobject_cast<QLabel *>(widget))
            highestBelow = i;
        else
            lowestAbove = std::min(lowestAbove, i);
    }
    QVERIFY(highestBelow < lowestAbove);
}

void WindowLayoutTest::controlsStayOnResizeAndMaximise()
{
    QHash<QWidget *, QRect> places;
    for (QWidget *child : window_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        places.insert(child, child->geometry());

    const auto checkPlaces = [&] {
        for (auto place = places.cbegin(); place != places.cend(); ++place)
            QCOMPARE(place.key()->geometry(), place.value());
    };
    window_->resize(300, 200);
    QTRY_COMPARE(window_->size(), QSize(300, 200));
    checkPlaces();
    window_->resize(900, 700);
    QTRY_COMPARE(window_->size(), QSize(900, 700));
    checkPlaces();
    window_->showMaximized();
    QTRY_VERIFY(window_->isMaximized());
    checkPlaces();
    window_->showNormal();
    window_->resize(484, 332);
}

void WindowLayoutTest::accessibleNames()
{
    const std::pair<const char *, const char *> names[] = {
        {"mbstext", "Amount to download in megabytes"},
        {"kbsctext", "Amount to download in kilobytes"},
        {"spetext", "Internet speed in kilobits per second"},
        {"kbstext", "Transfer rate in kilobytes per second"},
        {"sectime", "Download time in seconds"},
        {"mintime", "Download time in minutes"},
        {"hrstime", "Download time in hours"},
        {"kbscmd", "Convert MB's to Kilobytes"},
        {"Command1", "Convert Internet Speed to Transfer Rate (KB/s)"},
        {"calcmd", "Calculate"},
        {"Command2", "Reset"},
    };
    for (const auto &[name, spoken] : names) {
        QAccessibleInterface *access
            = QAccessible::queryAccessibleInterface(::control(window_.get(), name));
        QVERIFY2(access, name);
        QCOMPARE(access->text(QAccessible::Name), QString::fromUtf8(spoken));
    }
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
