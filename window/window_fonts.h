#pragma once

#include <QFont>

namespace tavrolin {

// The window's default face at 8 points, loaded from its font file on first use.
QFont dialogFont();

// The step headings: Arial 9 pt bold (Liberation Sans through fontconfig on Linux).
QFont headingFont();

} // namespace tavrolin
