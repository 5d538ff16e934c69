#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>

#include <span>

namespace tavrolin {

// The window's default font: Liberation Sans (Arial's metrics), 8 points, narrowed to 96 %.
QFont dialogFont();

// The step headings: Arial 9 pt bold (Liberation Sans through fontconfig on Linux).
QFont headingFont();

// A caption and the area it is drawn in, in pixels.
struct Caption
{
    QString text;
    QSizeF area;
};

// The font at the widest stretch, up to 100, at which every caption, wrapped at word
// boundaries, fits its area; the font as it is when that is its own stretch. Captions in a
// script that must be shaped (Arabic, Hebrew) have it shaped.
QFont narrowedToFit(const QFont &font, std::span<const Caption> captions);

// The font at the largest size, from its own down to 6 points in half points, at which the
// text fits the width on one line; 6 points when it fits at none.
QFont shrunkToFit(const QFont &font, const QString &text, qreal width);

} // namespace tavrolin
