#include "window_icon.h"

#include "version.h"

#include <QDir>

namespace tavrolin {

QIcon programIcon()
{
    QIcon icon = QIcon::fromTheme(QString::fromUtf8(desktopFileName));
    if (!icon.isNull())
        return icon;
    const QDir builtIn(QStringLiteral(":/icons"));
    for (const QString &file : builtIn.entryList(QDir::Files))
        icon.addFile(builtIn.filePath(file));
    return icon;
}

} // namespace tavrolin
