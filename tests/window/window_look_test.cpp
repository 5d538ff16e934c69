// The window as it looks, at the display scale the run is given (QT_SCALE_FACTOR) and in a
// light and a dark colour scheme: text fits its box, the picture, the colours on screen, their
// contrast, and results too long for their labels.
#include "layout_table.h"
#include "main_window.h"
#include "translations.h"
#include "window_test_support.h"
#include "wrapping_button.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextLayout>

#include <cmath>
#include <memory>

using namespace layout;

namespace {

// Largest difference of one colour channel.
int colourDistance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
        std::abs(a.blue() - b.blue())});
}

// The contrast ratio of the accessibility guidelines, 1 to 21.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor colour) {
        const auto linear = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// A dark desktop scheme (the colours of a common dark theme), where the window colour and
// the button face differ.
QPalette darkScheme()
{
    QPalette dark;
    const QColor text(252, 252, 252);
    dark.setColor(QPalette::Window, QColor(42, 46, 50));
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(27, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(35, 38, 41));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(49, 54, 59));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, QColor(49, 54, 59));
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::HighlightedText, text);
    dark.setColor(QPalette::Light, QColor(64, 70, 76));
    dark.setColor(QPalette::Midlight, QColor(56, 62, 67));
    dark.setColor(QPalette::Mid, QColor(33, 37, 40));
    dark.setColor(QPalette::Dark, QColor(25, 27, 30));
    dark.setColor(QPalette::Shadow, QColor(18, 20, 21));
    return dark;
}

// A high-contrast desktop scheme: one text colour on black grounds.
QPalette highContrastScheme(QColor text)
{
    QPalette scheme(Qt::black, Qt::black); // the button face and window, and shades of them
    for (const auto role : {QPalette::Base, QPalette::AlternateBase, QPalette::ToolTipBase})
        scheme.setColor(role, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text,
             QPalette::ToolTipText, QPalette::BrightText})
        scheme.setColor(role, text);
    scheme.setColor(QPalette::Highlight, QColor(0, 255, 255));
    scheme.setColor(QPalette::HighlightedText, Qt::black);
    return scheme;
}

// The area a control's text is drawn in.
QRect textArea(QWidget *widget)
{
    if (auto *button = qobject_cast<tavrolin::WrappingButton *>(widget))
        return button->captionArea();
    return widget->contentsRect();
}

// The size a text takes drawn in a font, wrapped at word boundaries to a width, on an image as
// dense as the screen: the drawing itself, measured apart from the window's own fitting.
QSizeF drawnSize(const QFont &font, const QString &text, qreal width, qreal ratio)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setFont(font);
    return painter
        .boundingRect(
            QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text)
        .size();
}

bool fits(const QFont &font, const QString &text, const QRect &area, qreal ratio)
{
    const QSizeF drawn = drawnSize(font, text, area.width(), ratio);
    return drawn.width() <= area.width() && drawn.height() <= area.height();
}

// A widget as it is drawn, in device pixels, with a way to read it in the widget's pixels.
struct Shot
{
    explicit Shot(QWidget *widget)
        : image(widget->grab().toImage())
        , ratio(image.devicePixelRatio())
    { }
    QColor at(QPointF logical) const
    {
        return image.pixelColor(
            int(std::floor(logical.x() * ratio)), int(std::floor(logical.y() * ratio)));
    }
    QRect device(const QRect &logical) const
    {
        return QRectF(QPointF(logical.topLeft()) * ratio, QSizeF(logical.size()) * ratio)
            .toAlignedRect()
            .intersected(image.rect());
    }

    QImage image;
    qreal ratio;
};

// The text pixel that stands out most from the ground, in an area in the widget's pixels.
QColor strongestInk(const Shot &shot, const QRect &area, QColor ground)
{
    QColor strongest = ground;
    const QRect pixels = shot.device(area);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor pixel = shot.image.pixelColor(x, y);
            if (contrast(pixel, ground) > contrast(strongest, ground))
                strongest = pixel;
        }
    }
    return strongest;
}

} // namespace

class WindowLookTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textFitsItsBox_data();
    void textFitsItsBox();
    void fontIsTheWidestThatFits_data();
    void fontIsTheWidestThatFits();
    void textGrowsWithTheScale();
    void picture();
    void coloursOnScreen_data();
    void coloursOnScreen();
    void buttonStatesStandOut();
    void contrast_data();
    void contrast();
    void edgesStandOut_data();
    void edgesStandOut();
    void longResults_data();
    void longResults();

private:
    void useScheme(const QString &scheme);
    QWidget *find(const Row &row) const { return ::control(window_.get(), row.name, row.index); }

    std::unique_ptr<Tavrolin> window_;
    QPalette light_;
};

void WindowLookTest::initTestCase()
{
    light_ = QApplication::palette();
    tavrolin::installTranslations();
    // A run in another language must really show it, or its captions would pass as English.
    const QLocale locale;
    if (locale.language() != QLocale::English && locale.language() != QLocale::C)
        QVERIFY(Tavrolin::tr("Calculate") != QLatin1String("Calculate"));
    window_ = std::make_unique<Tavrolin>();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    qInfo("scale %g, style %s, default font %s at stretch %d", window_->devicePixelRatioF(),
        qPrintable(window_->style()->name()), qPrintable(QFontInfo(window_->font()).family()),
        window_->font().stretch());
    // The run with the default typeface hidden from fontconfig must really draw with another.
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
        QVERIFY(QFontInfo(window_->font()).family() != QLatin1String("Liberation Sans"));
}

// The window's colours in the named scheme: the light one it started in, or a dark one given
// to the running program, as a desktop does when the user switches.
void WindowLookTest::useScheme(const QString &scheme)
{
    const QPalette wanted = scheme == QLatin1String("dark") ? darkScheme()
        : scheme == QLatin1String("white on black")         ? highContrastScheme(Qt::white)
        : scheme == QLatin1String("yellow on black")        ? highContrastScheme(Qt::yellow)
                                                            : light_;
    if (QApplication::palette() != wanted)
        QApplication::setPalette(wanted);
    QTest::qWait(0); // the palette change reaches the window
}

void WindowLookTest::textFitsItsBox_data()
{
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < std::size(kLayout); ++i) {
        if (*kLayout[i].text && kLayout[i].kind != TextBox)
            QTest::newRow(qPrintable(rowName(kLayout[i]))) << int(i);
    }
}

// Every caption and label shows whole: wrapped at word boundaries to its width, the text as
// drawn fits the area it is drawn in, whatever typeface the window got and at any scale.
void WindowLookTest::textFitsItsBox()
{
    QFETCH(int, row);
    const Row &expected = kLayout[row];
    QWidget *widget = find(expected);
    QVERIFY(widget);
    QCOMPARE(widget->logicalDpiY(), 96);

    const QRect area = textArea(widget);
    const QSizeF drawn
        = drawnSize(widget->font(), controlText(widget), area.width(), widget->devicePixelRatioF());
    qInfo("%-10s area %3dx%-3d text %5.1fx%-5.1f", qPrintable(rowName(expected)), area.width(),
        area.height(), drawn.width(), drawn.height());
    QVERIFY2(drawn.width() <= area.width(), "a word is wider than the box");
    QVERIFY2(drawn.height() <= area.height(), "the wrapped text is taller than the box");
    // Wrapped between words, never inside a unit such as "KB/s", and drawn in real glyphs:
    // where no font has a character, its glyph is the box, number 0.
    const QString text = controlText(widget);
    QTextLayout layout(text, widget->font());
    QTextOption wrapped;
    wrapped.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapped);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        const int end = line.textStart() + line.textLength();
        QVERIFY2(end == text.size() || text[end - 1] != u'/', qPrintable(text.left(end)));
    }
    layout.endLayout();
    // Arabic letters join: shaped, some take other forms than they have standing alone.
    const auto arabic
        = std::ranges::find_if(text, [](QChar c) { return c.script() == QChar::Script_Arabic; });
    bool joined = false;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(run.rawFont().familyName()));
        if (arabic != text.end() && run.rawFont().supportsCharacter(*arabic)) {
            const QList<quint32> alone = run.rawFont().glyphIndexesForString(text);
            joined |= std::ranges::any_of(
                run.glyphIndexes(), [&](quint32 glyph) { return !alone.contains(glyph); });
        }
    }
    QVERIFY2(arabic == text.end() || joined, "Arabic letters drawn apart");

    // A button's caption area is at least a line tall, within the button.
    if (auto *button = qobject_cast<QPushButton *>(widget)) {
        const int line = int(std::ceil(QFontMetricsF(button->font()).height()));
        QVERIFY2(button->rect().contains(area) && area.height() >= std::min(line, button->height()),
            "caption area short of a line, or beyond the button");

        // It is drawn in that area, centred: its ink is what the caption adds.
        const QString caption = button->text();
        const Shot shown(button);
        button->setText(QString());
        const Shot blank(button);
        button->setText(caption);
        QRect ink;
        for (int y = 0; y < shown.image.height(); ++y) {
            for (int x = 0; x < shown.image.width(); ++x) {
                if (colourDistance(shown.image.pixelColor(x, y), blank.image.pixelColor(x, y)) > 32)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        const QRect inside = shown.device(area);
        QString seen;
        QDebug(&seen) << "ink" << ink << "area" << inside;
        QVERIFY2(inside.contains(ink), qPrintable(seen));
        QVERIFY2(
            std::abs(ink.center().x() - inside.center().x()) <= 2 * shown.ratio, qPrintable(seen));
        // Arabic ink hangs below the line it is centred on; Latin, Greek and Cyrillic fill it.
        if (arabic == text.end()) {
            QVERIFY2(std::abs(ink.center().y() - inside.center().y()) <= 2 * shown.ratio,
                qPrintable(seen));
        }
    }
}

void WindowLookTest::fontIsTheWidestThatFits_data()
{
    QTest::addColumn<bool>("headings");
    QTest::newRow("plain font narrower than needed") << false;
    QTest::newRow("headings narrower than needed") << true;
}

// The plain font and the headings' are each narrowed no more than they must be: one stretch
// step wider (up to 100 %), some caption of theirs would no longer show whole.
void WindowLookTest::fontIsTheWidestThatFits()
{
    QFETCH(bool, headings);
    QList<QWidget *> group;
    for (const Row &row : kLayout) {
        if (*row.text && row.kind != TextBox && (row.look == Heading) == headings)
            group << find(row);
    }
    const QFont font = group.front()->font();
    const int stretch = font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
    QFont wider = font;
    wider.setStretch(stretch + 1);
    QStringList tooWide;
    for (QWidget *widget : group) {
        QCOMPARE(widget->font(), font); // one font for the whole group
        if (!fits(wider, controlText(widget), textArea(widget), widget->devicePixelRatioF()))
            tooWide << widget->objectName();
    }
    qInfo("stretch %d; one step wider, too wide: %s", stretch, qPrintable(tooWide.join(' ')));
    QVERIFY(stretch <= 100);
    QVERIFY2(stretch == 100 || !tooWide.isEmpty(), "every caption would fit one step wider");
}

// The font is drawn at the scale of the screen: a one-line label's letters are as tall, in the
// window's pixels, at every scale, and so take more device pixels on a denser screen.
void WindowLookTest::textGrowsWithTheScale()
{
    QWidget *label = ::control(window_.get(), "Label3"); // "Internet Speed in K"
    const Shot shot(label);
    const QColor ground = shot.image.pixelColor(0, shot.image.height() - 1);
    int top = shot.image.height(), bottom = -1;
    for (int y = 0; y < shot.image.height(); ++y) {
        for (int x = 0; x < shot.image.width(); ++x) {
            if (colourDistance(shot.image.pixelColor(x, y), ground) > 96) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const qreal inkHeight = (bottom - top + 1) / shot.ratio;
    qInfo("ink %d device pixels tall at scale %g: %.2f of the window's", bottom - top + 1,
        shot.ratio, inkHeight);
    // Capitals and a descender of an 8-point font: 8 to 12 pixels, and within its 17.
    QVERIFY2(inkHeight >= 8 && inkHeight <= 12, qPrintable(QString::number(inkHeight)));
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

    // Shown unscaled inside a two-pixel border: the box is 104 x 124 at every scale. At scale
    // 1 its pixels are the JPEG's; on a denser screen they come from the drawing at 200 x 240,
    // one device pixel to each of the screen's.
    auto *image = qobject_cast<QLabel *>(::control(window_.get(), "Image1"));
    QCOMPARE(image->contentsRect(), QRect(2, 2, 100, 120));
    const Shot shot(image);
    const QRect inside = shot.device(QRect(2, 2, 100, 120));
    const QImage shown = shot.image.copy(inside).convertToFormat(QImage::Format_RGB32);
    if (shot.ratio == 1) {
        QCOMPARE(shown, QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32));
        return;
    }
    const QPixmap pixmap = image->pixmap();
    QCOMPARE(pixmap.devicePixelRatio(), shot.ratio);
    const QSize devicePixels(qRound(100 * shot.ratio), qRound(120 * shot.ratio));
    QCOMPARE(pixmap.size(), devicePixels);
    const QImage given = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    const QImage sharp = QImage(QStringLiteral(TAVROLIN_ASSETS_DIR "/modem@2x.jpg"))
                             .convertToFormat(QImage::Format_RGB32)
                             .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int worst = 0;
    for (int y = 0; y < given.height(); ++y) {
        for (int x = 0; x < given.width(); ++x)
            worst = std::max(worst, colourDistance(given.pixelColor(x, y), sharp.pixelColor(x, y)));
    }
    QVERIFY2(worst <= 2, qPrintable(QStringLiteral("off by %1").arg(worst)));
    // At a whole scale the picture's pixels reach the screen one to one.
    if (shot.ratio == std::floor(shot.ratio))
        QCOMPARE(shown, given);
}

void WindowLookTest::coloursOnScreen_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::newRow("light") << "light";
    QTest::newRow("dark") << "dark";
}

// Labels on their own colour or the button face, the coloured buttons filled with exactly
// their colours, and the table's text colours where the scheme leaves them readable.
void WindowLookTest::coloursOnScreen()
{
    QFETCH(QString, scheme);
    useScheme(scheme);
    const Shot shot(window_.get());
    const QPalette palette = QApplication::palette();
    QCOMPARE(shot.at(QPointF(2, 2)), palette.color(QPalette::Button)); // the window's ground
    for (const Row &row : kLayout) {
        QWidget *widget = find(row);
        const QRectF place = widget->geometry();
        const QString name = rowName(row);
        if (row.kind == Label) {
            // The bottom left corner, which no text reaches, shows the background.
            const QColor background = row.background == none
                ? palette.color(QPalette::Button)
                : QColor::fromRgb(QRgb(row.background));
            const QColor shown = shot.at(place.bottomLeft() + QPointF(0.5, -0.5));
            QVERIFY2(shown == background, qPrintable(name + ": " + shown.name()));
        }
        if (row.kind == Button) {
            // The face inside a three-pixel frame, drawn without its caption.
            auto *button = qobject_cast<QPushButton *>(widget);
            const QString caption = button->text();
            button->setText(QString());
            const Shot face(button);
            button->setText(caption);
            const QColor fill
                = row.background == none ? QColor() : QColor::fromRgb(QRgb(row.background));
            const QRect inside = face.device(button->rect().adjusted(3, 3, -3, -3));
            for (int y = inside.top(); y <= inside.bottom(); ++y) {
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    const QColor shown = face.image.pixelColor(x, y);
                    const QString seen = QStringLiteral("%1 at %2,%3: %4")
                                             .arg(name)
                                             .arg(x)
                                             .arg(y)
                                             .arg(shown.name());
                    if (fill.isValid())
                        QVERIFY2(colourDistance(shown, fill) <= 6, qPrintable(seen));
                    else // the style's shading of the scheme's button colour
                        QVERIFY2(colourDistance(shown, palette.color(QPalette::Button)) <= 32,
                            qPrintable(seen));
                }
            }
            // On each side the fill reaches the style's two-pixel bevel and leaves it as a plain
            // button of the same size has it.
            QPushButton plain;
            plain.setPalette(button->palette());
            plain.setAutoDefault(button->autoDefault()); // some styles leave such a margin
            plain.resize(button->size());
            const Shot style(&plain);
            const QPointF c = QRectF(button->rect()).center();
            for (const QPointF edge : {QPointF(0, c.y()), QPointF(c.x(), 0),
                     QPointF(2 * c.x(), c.y()), QPointF(c.x(), 2 * c.y())}) {
                for (const qreal depth : {0.5, 1.5, 2.5}) {
                    const QPointF at = edge + (c - edge) * depth / QLineF(c, edge).length();
                    const QColor wanted = depth < 2 || !fill.isValid() ? style.at(at) : fill;
                    QVERIFY2(colourDistance(face.at(at), wanted) <= 6,
                        qPrintable(
                            QStringLiteral("%1 at %2,%3").arg(name).arg(at.x()).arg(at.y())));
                }
            }
        }
        if (row.textColour == none)
            continue;
        // A text colour of the table that reads on its ground is drawn as it is; one that does
        // not is drawn lighter or darker, but keeps its hue.
        const QColor text = QColor::fromRgb(QRgb(row.textColour));
        const QColor ground = shot.at(place.bottomLeft() + QPointF(0.5, -0.5));
        const bool heading = row.look == Heading && scheme == QLatin1String("light");
        if (::contrast(text, ground) >= (heading ? 3 : 4.5)) {
            const QRect pixels = shot.device(place.toRect());
            int inks = 0;
            for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    inks += colourDistance(shot.image.pixelColor(x, y), text) <= 40;
            }
            // A thin stand-in typeface leaves few pixels of full colour: some are enough.
            QVERIFY2(inks >= 8 * shot.ratio * shot.ratio,
                qPrintable(name + QLatin1String(": recoloured, though it reads")));
        } else {
            const QColor ink = strongestInk(shot, place.toRect(), ground);
            const int turn = std::abs(ink.hsvHue() - text.hsvHue());
            QVERIFY2(ink.hsvSaturationF() >= 0.15 && std::min(turn, 360 - turn) <= 15,
                qPrintable(name + QLatin1String(": hue lost in ") + ink.name()));
        }
    }
}

// Coloured buttons hovered, pressed and focused look unlike one at rest, as the style's own do;
// pressed under the mouse, as by every click, the fill is darker than at rest.
void WindowLookTest::buttonStatesStandOut()
{
    useScheme(QStringLiteral("light"));
    for (const Row &row : kLayout) {
        if (row.kind != Button || row.background == none)
            continue;
        auto *button = qobject_cast<QPushButton *>(find(row));
        const Shot atRest(button);
        const auto differs = [&](const char *state) {
            const Shot now(button);
            int changed = 0;
            for (int y = 0; y < now.image.height(); ++y) {
                for (int x = 0; x < now.image.width(); ++x) {
                    changed
                        += colourDistance(now.image.pixelColor(x, y), atRest.image.pixelColor(x, y))
                        >= 12;
                }
            }
            // At least a line round the button, or the face.
            const int wanted = int(button->width() * now.ratio);
            QVERIFY2(changed >= wanted,
                qPrintable(rowName(row) + QLatin1String(" ") + QLatin1String(state)
                    + QStringLiteral(": %1 pixels changed").arg(changed)));
        };

        const QPointF fillAt(4.5, button->height() / 2.0); // left of any caption
        button->setAttribute(Qt::WA_UnderMouse, true);
        differs("hovered");
        button->setDown(true);
        differs("pressed");
        const QColor pressed = Shot(button).at(fillAt);
        QVERIFY2(pressed.lightness() < atRest.at(fillAt).lightness(),
            qPrintable(rowName(row) + QLatin1String(": pressed, not darker: ") + pressed.name()));
        button->setDown(false);
        button->setAttribute(Qt::WA_UnderMouse, false);
        // Focused from the keyboard, as the style shows it.
        button->previousInFocusChain()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        differs("focused");
        ::control(window_.get(), "spetext")->setFocus(Qt::TabFocusReason);
    }
}

void WindowLookTest::contrast_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<int>("row"); // -1: the failure balloon
    for (const char *scheme : {"light", "dark", "white on black", "yellow on black"}) {
        for (std::size_t i = 0; i < std::size(kLayout); ++i) {
            if (kLayout[i].kind != Image)
                QTest::addRow("%s %s", scheme, qPrintable(rowName(kLayout[i]))) << scheme << int(i);
        }
        QTest::addRow("%s failure balloon", scheme) << scheme << -1;
    }
}

// Every text reads against what it is drawn on: 4.5:1, or 3:1 for the bold headings, measured
// from the pixels drawn.
void WindowLookTest::contrast()
{
    QFETCH(QString, scheme);
    QFETCH(int, row);
    useScheme(scheme);
    setStateTexts(window_.get(), {"700", "716800", "512", "62.50"});
    QTest::mouseClick(::control(window_.get(), "calcmd"), Qt::LeftButton);

    double wanted = 4.5;
    QWidget *widget = nullptr;
    QPointF groundAt;
    if (row < 0) {
        setStateTexts(window_.get(), {"", "0", "", "0"});
        QTest::mouseClick(::control(window_.get(), "calcmd"), Qt::LeftButton);
        auto *balloon = window_->findChild<QLabel *>(QStringLiteral("failureBalloon"));
        QVERIFY(balloon && balloon->isVisible());
        // Just below the box to mend, at any scale, with its whole message inside.
        QWidget *box = ::control(window_.get(), "kbstext");
        const QPoint below = box->mapToGlobal(QPoint(0, box->height()));
        QVERIFY((balloon->pos() - below).manhattanLength() <= 8);
        QVERIFY(balloon->heightForWidth(balloon->width()) <= balloon->height());
        widget = balloon;
        groundAt = QPointF(widget->width() - 3.5, widget->height() - 3.5);
    } else {
        const Row &expected = kLayout[row];
        widget = find(expected);
        // Outside the style's own light scheme, headings too are held to 4.5:1.
        wanted = expected.look == Heading && scheme == QLatin1String("light") ? 3 : 4.5;
        if (expected.kind == Button)
            groundAt = QPointF(4.5, widget->height() / 2.0);
        else if (expected.kind == TextBox)
            groundAt = QPointF(widget->width() - 4.5, widget->height() / 2.0);
        else
            groundAt = QPointF(0.5, widget->height() - 0.5);
    }
    const Shot shot(widget);
    const QColor ground = shot.at(groundAt);
    const QColor ink = strongestInk(shot, widget->rect().adjusted(3, 3, -3, -3), ground);
    const double ratio = ::contrast(ink, ground);
    const QString seen
        = QStringLiteral("%1 on %2: %3:1").arg(ink.name(), ground.name()).arg(ratio, 0, 'f', 2);
    qInfo("%s", qPrintable(seen));
    QVERIFY2(ratio >= wanted, qPrintable(seen));
    if (row < 0)
        widget->hide();
}

// Outside the style's own light scheme, every box and button has an edge that stands 3:1 off
// the ground around it (in a scheme of black grounds, an empty box is otherwise black on black).
void WindowLookTest::edgesStandOut_data()
{
    QTest::addColumn<QString>("scheme");
    for (const char *scheme : {"dark", "white on black", "yellow on black"})
        QTest::newRow(scheme) << scheme;
}

void WindowLookTest::edgesStandOut()
{
    QFETCH(QString, scheme);
    useScheme(scheme);
    const Shot shot(window_.get());
    for (const Row &row : kLayout) {
        if (row.kind != TextBox && row.kind != Button)
            continue;
        const QRect place = find(row)->geometry();
        const QColor ground = shot.at(place.topLeft() - QPointF(1.5, 0.5));
        double strongest = 1;
        for (const QRect &edge : {QRect(place.topLeft(), QSize(place.width(), 1)),
                 QRect(place.topLeft(), QSize(1, place.height()))}) {
            const QRect pixels = shot.device(edge.adjusted(0, 2, 0, -2));
            for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                for (int x = pixels.left(); x <= pixels.right(); ++x)
                    strongest
                        = std::max(strongest, ::contrast(shot.image.pixelColor(x, y), ground));
            }
        }
        QVERIFY2(strongest >= 3,
            qPrintable(QStringLiteral("%1: edge %2:1 on %3")
                           .arg(rowName(row))
                           .arg(strongest, 0, 'f', 2)
                           .arg(ground.name())));
    }
}

void WindowLookTest::longResults_data()
{
    QTest::addColumn<QString>("kilobytes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<bool>("whole");
    QTest::newRow("fits at 7.5 points") << "123456789"
                                        << "123456789.00" << true;
    QTest::newRow("fits at 7 points") << "1234567890"
                                      << "1234567890.00" << true;
    QTest::newRow("fits at 6 points") << "999999999999.99"
                                      << "999999999999.99" << true;
    QTest::newRow("too long at any size") << "1e36"
                                          << "1000000000000000000000000000000000000.00" << false;
    QTest::newRow("short after long, full size again") << "716800"
                                                       << "716800.00" << true;
}

// A result shows whole at the largest size, in half points, at which it fits, from the
// window's own down to 6 points; a longer one shows its leading part and an ellipsis at 6, with
// the whole value in its tooltip and its accessible description. The label stays where it is.
void WindowLookTest::longResults()
{
    QFETCH(QString, kilobytes);
    QFETCH(QString, seconds);
    QFETCH(bool, whole);
    useScheme(QStringLiteral("light"));
    auto *label = qobject_cast<QLabel *>(::control(window_.get(), "sectime"));
    const QRect place = label->geometry();
    setStateTexts(window_.get(), {"", kilobytes, "", "1"});
    QTest::mouseClick(::control(window_.get(), "calcmd"), Qt::LeftButton);

    QCOMPARE(label->geometry(), place);
    const qreal size = label->font().pointSizeF();
    const qreal full = window_->font().pointSizeF();
    const auto drawnWidth = [&](qreal points) {
        QFont font = label->font();
        font.setPointSizeF(points);
        return drawnSize(font, label->text(), 1e6, label->devicePixelRatioF()).width();
    };
    const qreal width = label->contentsRect().width();
    qInfo("%s at %g points", qPrintable(label->text()), size);
    QVERIFY(size >= 6 && size <= full);
    QVERIFY2(drawnWidth(size) <= width, qPrintable(label->text()));
    QCOMPARE(label->accessibleDescription(), seconds);
    if (whole) {
        QCOMPARE(label->text(), seconds);
        QCOMPARE(label->toolTip(), QString());
        if (size < full)
            QVERIFY2(drawnWidth(size + 0.5) > width, "half a point larger would fit too");
    } else {
        QCOMPARE(size, 6);
        const QString shown = label->text();
        QVERIFY2(shown.endsWith(QChar(0x2026)) && shown.size() > 4, qPrintable(shown));
        QVERIFY(seconds.startsWith(shown.chopped(1)));
        QCOMPARE(label->toolTip(), seconds);
    }
}

QTEST_MAIN(WindowLookTest)
#include "window_look_test.moc"
