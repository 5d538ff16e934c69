#include "window_fonts.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace tavrolin {

namespace {

// Narrower than this a typeface is no longer read comfortably.
constexpr int narrowestStretch = 60;
constexpr qreal smallestPointSize = 6;

// Whether every caption, wrapped at word boundaries, fits its area.
bool allFit(const QFont &font, std::span<const Caption> captions)
{
    const QFontMetricsF metrics(font);
    return std::ranges::all_of(captions, [&](const Caption &caption) {
        const QRectF needed = metrics.boundingRect(QRectF(QPointF(), caption.area),
            Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption.text);
        return needed.width() <= caption.area.width() && needed.height() <= caption.area.height();
    });
}

// Whether a text is drawn right without shaping: Qt 6.4 skips it for Hebrew and Arabic too, and
// then draws their letters unjoined and in reverse. Latin, Greek and Cyrillic need none.
bool drawnWithoutShaping(const QString &text)
{
    return std::ranges::all_of(text, [](QChar c) { return c.script() <= QChar::Script_Cyrillic; });
}

} // namespace

QFont dialogFont()
{
    QFont font;
    // Arial where Liberation Sans is missing (as on Windows); otherwise the nearest sans-serif
    // typeface, which narrowedToFit() then fits to the layout.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    // Both are a little wider than the typeface the layout was drawn for: the credit line fits
    // its 209 pixels at 96 %. Starting there, the window needs no second engine of the font.
    font.setStretch(96);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QFont headingFont()
{
    QFont font(QStringLiteral("Arial"), 9, QFont::Bold);
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    return font;
}

QFont narrowedToFit(const QFont &font, std::span<const Caption> captions)
{
    // A caption with room for one line only must fit on it: its natural width against its
    // area bounds the stretch. Where the wrapped ones need less, the check below finds it.
    const int given = font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
    QFont narrowed = font;
    if (!std::ranges::all_of(captions, drawnWithoutShaping, &Caption::text)) {
        narrowed.setStyleStrategy(
            QFont::StyleStrategy(font.styleStrategy() & ~QFont::PreferNoShaping));
    }
    const QFontMetricsF metrics(narrowed);
    qreal widest = 0;
    for (const Caption &caption : captions) {
        if (caption.area.height() < 2 * metrics.lineSpacing())
            widest
                = std::max(widest, metrics.horizontalAdvance(caption.text) / caption.area.width());
    }
    const int start = widest > 0 ? std::min(100, int(given / widest)) : given;
    const auto at = [&](int stretch) {
        QFont candidate = narrowed;
        candidate.setStretch(stretch == given ? font.stretch() : stretch);
        return candidate;
    };
    for (int stretch = start; stretch > narrowestStretch; --stretch) {
        if (allFit(at(stretch), captions)) {
            // The bound takes widths to grow in step with the stretch; hinted glyphs (GDI at
            // 96 dpi) can leave room a step or more beyond it.
            while (stretch < 100 && allFit(at(stretch + 1), captions))
                ++stretch;
            return at(stretch);
        }
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
