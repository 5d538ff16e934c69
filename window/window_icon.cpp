#include "window_icon.h"

#include <QDir>

namespace tavrolin {

QIcon programIcon()
{
    QIcon icon;
    const QDir builtIn(QStringLiteral(":/icons"));
    for (const QString &file : builtIn.entryList(QDir::Files))
        icon.addFile(builtIn.filePath(file));
    return icon;
}

} // namespace tavrolin
