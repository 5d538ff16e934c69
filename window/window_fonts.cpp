#include "window_fonts.h"

#include <QFontMetricsF>
#include <QStringList>

namespace tavrolin {

namespace {

// Narrower than this a face is no longer read comfortably.
constexpr int narrowestStretch = 60;
constexpr qreal smallestPointSize = 6;

// Whether the caption fits its area when laid out `widen` times wider than the area; with a
// face whose advances scale with its stretch, that is the caption narrowed by 1 / widen.
bool fits(const QFontMetricsF &metrics, const Caption &caption, qreal widen)
{
    const qreal width = caption.area.width() * widen;
    const QRectF needed = metrics.boundingRect(
        QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption.text);
    return needed.width() <= width && needed.height() <= caption.area.height();
}

bool allFit(const QFont &font, std::span<const Caption> captions, qreal widen = 1)
{
    const QFontMetricsF metrics(font);
    return std::ranges::all_of(
        captions, [&](const Caption &caption) { return fits(metrics, caption, widen); });
}

} // namespace

QFont dialogFont()
{
    QFont font;
    // Arial where Liberation Sans is missing (as on Windows); otherwise the nearest sans-serif
    // face, which narrowedToFit() then fits to the layout.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QFont headingFont()
{
    QFont font(QStringLiteral("Arial"), 9, QFont::Bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont narrowedToFit(const QFont &font, std::span<const Caption> captions)
{
    if (allFit(font, captions))
        return font;

    // Find the widest stretch by laying the captions out in wider areas with the font as it
    // is: one font engine instead of one per stretch tried.
    int fitting = narrowestStretch;
    int tooWide = 100;
    while (tooWide - fitting > 1) {
        const int stretch = (fitting + tooWide) / 2;
        if (allFit(font, captions, 100.0 / stretch))
            fitting = stretch;
        else
            tooWide = stretch;
    }
    // Hinting may round a narrowed face's advances up: confirm with the narrowed face itself.
    QFont narrowed = font;
    for (; fitting > narrowestStretch; --fitting) {
        narrowed.setStretch(fitting);
        if (allFit(narrowed, captions))
            return narrowed;
    }
    narrowed.setStretch(narrowestStretch);
    return narrowed;
}

QFont shrunkToFit(const QFont &font, const QString &text, qreal width)
{
    QFont smaller = font;
    for (qreal size = font.pointSizeF(); size > smallestPointSize; size -= 0.5) {
        smaller.setPointSizeF(size);
        if (QFontMetricsF(smaller).horizontalAdvance(text) <= width)
            return smaller;
    }
    smaller.setPointSizeF(smallestPointSize);
    return smaller;
}

} // namespace tavrolin
