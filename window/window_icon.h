#pragma once

#include <QIcon>

namespace tavrolin {

// The program's icon: the icon theme's, under the desktop entry's name, where the program is
// installed; otherwise the copies built into the program, at every size it ships.
QIcon programIcon();

} // namespace tavrolin
