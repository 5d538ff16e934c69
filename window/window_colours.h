#pragma once

#include <QColor>
#include <QPalette>

namespace tavrolin {

struct ControlRow;

// The contrast ratio of two colours, 1 to 21, as the accessibility guidelines define it.
double contrastRatio(const QColor &a, const QColor &b);

// The text colour as it is when it reads well enough on the ground; otherwise moved towards
// black or white, whichever the ground sets off better, until it reads comfortably, keeping
// as much of its hue as it can.
QColor readableOn(const QColor &text, const QColor &ground, bool boldHeading);

// The palette a control is drawn with: the row's colours on top of the window's palette, each
// text colour kept readable on the ground it is drawn on.
QPalette controlPalette(const ControlRow &row, const QPalette &window);

} // namespace tavrolin
