#pragma once

#include <QIcon>

namespace tavrolin {

// The program's icon at every size it ships, from the program's resources. (The desktop finds
// the installed icon by the desktop entry's name itself; asking the icon theme here as well
// would read its whole index at every start.)
QIcon programIcon();

} // namespace tavrolin
