#pragma once

namespace tavrolin {

// Installs the program's translation and Qt's own (the boxes' context menus) for the first of
// the user's languages that has them; English, the source, needs none. Call once, after the
// application object exists and before the window is built.
void installTranslations();

} // namespace tavrolin
