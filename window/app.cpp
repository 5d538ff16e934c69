#include "main_window.h"
#include "version.h"

#include <QApplication>
#include <QIcon>

#include <clocale>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tavrolin::productName));
    QApplication::setApplicationVersion(QString::fromUtf8(tavrolin::versionText));
    // The program's icon at every size it ships, from the resources linked in by packaging/.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tavrolin-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    // Lets the desktop match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(tavrolin::desktopFileName));
#ifdef Q_OS_WIN
    // Numbers are written with the user's decimal separator; Qt sets the C
    // locale from the environment on Unix only.
    std::setlocale(LC_ALL, "");
#endif
    Tavrolin window;
    window.show();
    return app.exec();
}
