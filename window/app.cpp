#include "accessibility.h"
#include "main_window.h"
#include "translations.h"
#include "version.h"
#include "window_icon.h"

#include <QApplication>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
namespace {

// The platforms Qt is asked for: the -platform argument (Qt also takes --platform), else
// QT_QPA_PLATFORM; empty for Qt's default.
std::string_view requestedPlatforms(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            return argv[i + 1];
    }
    const char *platforms = std::getenv("QT_QPA_PLATFORM");
    return platforms ? platforms : "";
}

// Whether every platform of a list such as "wayland;xcb" (each with optional ":options") is
// a display server's; Qt's default is.
bool needsDisplayServer(std::string_view platforms)
{
    while (!platforms.empty()) {
        const std::string_view entry = platforms.substr(0, platforms.find(';'));
        const std::string_view name = entry.substr(0, entry.find(':'));
        if (!name.empty() && name != "xcb" && !name.starts_with("wayland"))
            return false;
        platforms.remove_prefix(std::min(platforms.size(), entry.size() + 1));
    }
    return true;
}

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

} // namespace
#endif

int main(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt would abort with no display to connect to, advising a reinstall; say what is missing.
    if (needsDisplayServer(requestedPlatforms(argc, argv)) && !isSet("DISPLAY")
        && !isSet("WAYLAND_DISPLAY")) {
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
