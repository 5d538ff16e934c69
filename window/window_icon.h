#pragma once

class QWidget;

namespace tavrolin {

// Gives the window the program's icon at every size it ships. Call it before the window is
// shown, so that the window manager finds the icon when it maps the window.
void setProgramIcon(QWidget &window);

} // namespace tavrolin
