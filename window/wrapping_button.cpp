#include "wrapping_button.h"

#include <QFontMetricsF>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace tavrolin {

namespace {

// The bevels of the common styles (Fusion, Breeze, Windows) are at most two pixels wide: the
// surface inside them is filled, their frame and focus outline stay the style's.
constexpr int bevelWidth = 2;
// Hovered fills lighten and pressed ones darken, as the styles' own do.
constexpr int hoveredLighter = 108;
constexpr int pressedDarker = 112;

} // namespace

QRect WrappingButton::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    // Some styles leave a short button less than a line inside its frame (Windows: 11 pixels
    // of the Reset button's 17). Its line is centred on that area instead, reaching into the
    // frame's blank inner edge, rather than narrowing the whole font in search of a fit. The
    // caption's own line counts: a fallback font (Arabic script) can make it taller.
    const QFontMetricsF metrics(font());
    const qreal line = std::max(metrics.height(), metrics.boundingRect(text()).height());
    const int missing = int(std::ceil(line)) - area.height();
    if (missing > 0)
        area = area.adjusted(0, -missing / 2, 0, missing - missing / 2).intersected(rect());
    return area;
}

void WrappingButton::setFillColour(const QColor &colour)
{
    fill_ = colour;
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
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    if (fill_.isValid()) {
        QColor fill = fill_;
        if (isDown())
            fill = fill.darker(pressedDarker);
        else if (option.state & QStyle::State_MouseOver)
            fill = fill.lighter(hoveredLighter);
        painter.fillRect(rect().adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth), fill);
    }

    // The area the window fitted its font to.
    QRect area = captionArea();
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

} // namespace tavrolin
