#pragma once

#include <QPalette>

namespace tavrolin {

struct ControlRow;

// The palette a control is drawn with: the row's colours on top of the window's palette, each
// text colour kept readable on the ground it is drawn on.
QPalette controlPalette(const ControlRow &row, const QPalette &window);

} // namespace tavrolin
