#include "wrapping_button.h"

#include <QImage>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace tavrolin {

namespace {

// Hovered faces lighten and pressed ones darken, as the style's own do.
constexpr int hoveredLighter = 108;

QRgb mix(QRgb onBlack, QRgb onWhite, QColor face)
{
    // What the style drew in proportion to the button colour is face; the rest (frame,
    // focus outline, shading) stays as the style drew it.
    const auto channel = [](int black, int white, int wanted) {
        return black + qMax(0, white - black) * wanted / 255;
    };
    return qRgba(channel(qRed(onBlack), qRed(onWhite), face.red()),
        channel(qGreen(onBlack), qGreen(onWhite), face.green()),
        channel(qBlue(onBlack), qBlue(onWhite), face.blue()), qAlpha(onBlack));
}

} // namespace

QRect WrappingButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

void WrappingButton::setFaceColour(const QColor &colour)
{
    face_ = colour;
    update();
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();

    // The style draws the button itself (bevel, frame, shading), then the caption goes into
    // the style's content area, wrapped, and the focus frame over it.
    if (face_.isValid())
        painter.drawImage(rect(), filledBevel(option));
    else
        painter.drawControl(QStyle::CE_PushButtonBevel, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown() || isChecked()) {
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
        caption, QPalette::ButtonText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

// The style's bevel with the face in face_: drawn once with a black and once with a white
// button colour, the face is where the two differ, in the measure they differ. Any style that
// shades the palette's button colour keeps its frame, focus outline and pressed look.
QImage WrappingButton::filledBevel(QStyleOptionButton option) const
{
    const qreal ratio = devicePixelRatioF();
    const auto draw = [&](Qt::GlobalColor button) {
        QImage image(size() * ratio, QImage::Format_ARGB32);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        option.palette.setColor(QPalette::Button, button);
        QPainter painter(&image);
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
        return image;
    };
    QImage onBlack = draw(Qt::black);
    const QImage onWhite = draw(Qt::white);

    const bool hovered = (option.state & QStyle::State_MouseOver) && !isDown();
    const QColor face = hovered ? face_.lighter(hoveredLighter) : face_;
    for (int y = 0; y < onBlack.height(); ++y) {
        auto *out = reinterpret_cast<QRgb *>(onBlack.scanLine(y));
        const auto *white = reinterpret_cast<const QRgb *>(onWhite.constScanLine(y));
        for (int x = 0; x < onBlack.width(); ++x)
            out[x] = mix(out[x], white[x], face);
    }
    return onBlack;
}

} // namespace tavrolin
