#include "window_fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace tavrolin {

QFont dialogFont()
{
    // The face is a Debian font outside fontconfig's search path, so it is
    // registered from its file; without it the nearest sans-serif face is used.
    static const QStringList families = [] {
        const QString file = QStringLiteral(TAVROLIN_DIALOG_FONT_FILE);
        const int id = QFontDatabase::addApplicationFont(file);
        QStringList found = QFontDatabase::applicationFontFamilies(id);
        if (found.isEmpty())
            found << QStringLiteral("MS Sans Serif");
        return found;
    }();
    QFont font;
    font.setFamilies(families);
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

} // namespace tavrolin
