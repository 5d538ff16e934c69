// The window as it looks: text fits its box at 96 dpi, the picture, and the
// colours on screen.
#include "layout_table.h"
#include "main_window.h"
#include "window_test_support.h"

#include <QFile>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

using namespace layout;

namespace {

// Largest difference of one colour channel.
int colourDistance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
        std::abs(a.blue() - b.blue())});
}

// The area a control's text is laid out in.
QRect textArea(QWidget *widget)
{
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return widget->contentsRect();
}

} // namespace

class WindowLookTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textFitsItsBox_data();
    void textFitsItsBox();
    void picture();
    void coloursOnScreen();

private:
    std::unique_ptr<Tavrolin> window_;
};

void WindowLookTest::initTestCase()
{
    window_ = std::make_unique<Tavrolin>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowLookTest::textFitsItsBox_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(kLayout); ++i) {
        if (*kLayout[i].text && kLayout[i].kind != TextBox)
            QTest::newRow(qPrintable(rowName(kLayout[i]))) << int(i);
    }
}

// At 96 dpi every caption and label shows whole: wrapped at word boundaries
// to its width, the text must fit the area it is drawn in.
void WindowLookTest::textFitsItsBox()
{
    QFETCH(int, row);
    const Row &expected = kLayout[row];
    QWidget *widget = ::control(window_.get(), expected.name, expected.index);
    QVERIFY(widget);
    QCOMPARE(widget->logicalDpiY(), 96);

    const QRect area = textArea(widget);
    const QRect needed = widget->fontMetrics().boundingRect(QRect(0, 0, area.width(), 10000),
        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, controlText(widget));
    const QSize spare = area.size() - needed.size();
    const QString name = rowName(expected);
    qInfo("%-10s area %3dx%-3d text %3dx%-3d spare %2d px across, %2d px down", qPrintable(name),
        area.width(), area.height(), needed.width(), needed.height(), spare.width(),
        spare.height());
    QVERIFY2(needed.width() <= area.width(), "a word is wider than the box");
    QVERIFY2(needed.height() <= area.height(), "the wrapped text is taller than the box");
}

void WindowLookTest::picture()
{
    // A baseline JFIF JPEG of 100 x 120 pixels in three components.
    QFile file(QStringLiteral(":/pictures/modem.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray jpeg = file.readAll();
    QVERIFY(jpeg.startsWith("\xFF\xD8"));
    bool jfif = false;
    int frameMarker = 0;
    int width = 0, height = 0, components = 0;
    for (qsizetype at = 2; at + 4 <= jpeg.size() && !frameMarker;) {
        QCOMPARE(quint8(jpeg[at]), quint8(0xFF));
        const int marker = quint8(jpeg[at + 1]);
        const int length = quint8(jpeg[at + 2]) << 8 | quint8(jpeg[at + 3]);
        const QByteArray body = jpeg.mid(at + 4, length - 2);
        if (marker == 0xE0)
            jfif = body.startsWith(QByteArray("JFIF\0", 5));
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8
            && marker != 0xCC) {
            frameMarker = marker;
            height = quint8(body[1]) << 8 | quint8(body[2]);
            width = quint8(body[3]) << 8 | quint8(body[4]);
            components = quint8(body[5]);
        }
        at += 2 + length;
    }
    QVERIFY(jfif);
    QCOMPARE(frameMarker, 0xC0); // start of frame, baseline
    QCOMPARE(QSize(width, height), QSize(100, 120));
    QCOMPARE(components, 3);

    // Shown unscaled inside a two-pixel border: the box is 104 x 124.
    auto *image = qobject_cast<QLabel *>(::control(window_.get(), "Image1"));
    QCOMPARE(image->contentsRect(), QRect(2, 2, 100, 120));
    const QImage expected = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32);
    const QImage shown = image->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.copy(2, 2, 100, 120), expected);
}

void WindowLookTest::coloursOnScreen()
{
    const QImage shot = window_->grab().toImage();
    const QColor buttonFace = window_->palette().color(QPalette::Button);
    for (const Row &row : kLayout) {
        QWidget *widget = ::control(window_.get(), row.name, row.index);
        const QRect place = widget->geometry();
        const QString name = rowName(row);
        if (row.kind == Label) {
            // The bottom left corner, which no text reaches, shows the background.
            const QColor background
                = row.background == none ? buttonFace : QColor::fromRgb(QRgb(row.background));
            QVERIFY2(shot.pixelColor(place.bottomLeft()) == background, qPrintable(name));
        }
        if (row.kind == Button) {
            // The style shades and pales the fill, but keeps the table's hue.
            const QColor shown = shot.pixelColor(place.left() + 5, place.center().y());
            const QString seen = name + QLatin1String(": ") + shown.name();
            if (row.background == none) {
                QVERIFY2(shown.hsvSaturation() < 8, qPrintable(seen));
            } else {
                const QColor fill = QColor::fromRgb(QRgb(row.background));
                const int hueApart = std::abs(shown.hsvHue() - fill.hsvHue());
                QVERIFY2(std::min(hueApart, 360 - hueApart) <= 10, qPrintable(seen));
                QVERIFY2(shown.hsvSaturation() >= 16, qPrintable(seen));
            }
        }
        if (row.textColour != none) {
            const QColor text = QColor::fromRgb(QRgb(row.textColour));
            int inks = 0;
            for (int y = place.top(); y <= place.bottom(); ++y) {
                for (int x = place.left(); x <= place.right(); ++x)
                    inks += colourDistance(shot.pixelColor(x, y), text) <= 40;
            }
            QVERIFY2(inks >= 30, qPrintable(name + QLatin1String(": too few text pixels")));
        }
    }
}

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
