#include "accessibility.h"
#include "display_session.h"
#include "main_window.h"
#include "translations.h"
#include "version.h"
#include "window_icon.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt would abort with no display to connect to, advising a reinstall; say what is missing.
    if (tavrolin::displayServerMissing(argc, argv)) {
        std::fputs("Tavrolin needs a graphical session: neither DISPLAY nor WAYLAND_DISPLAY is "
                   "set.\n",
            stderr);
        return EXIT_FAILURE;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(tavrolin::productName));
    QApplication::setApplicationVersion(QString::fromUtf8(tavrolin::versionText));
    // Lets the desktop match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(tavrolin::desktopFileName));
#ifdef Q_OS_WIN
    // Numbers are written with the user's decimal separator; Qt sets the C
    // locale from the environment on Unix only.
    std::setlocale(LC_ALL, "");
#endif
    QApplication::setWindowIcon(tavrolin::programIcon());
    tavrolin::installTranslations();
    tavrolin::installAccessibility();
    Tavrolin window;
    window.show();
    return app.exec();
}
