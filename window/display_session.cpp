#include "display_session.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace tavrolin {

namespace {

bool isSet(const char *variable)
{
    const char *value = std::getenv(variable);
    return value && *value;
}

// The platforms Qt is asked for; empty for Qt's default.
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

// Whether every platform of the list is a display server's; Qt's default is.
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

} // namespace

bool displayServerMissing(int argc, char *argv[])
{
    return needsDisplayServer(requestedPlatforms(argc, argv)) && !isSet("DISPLAY")
        && !isSet("WAYLAND_DISPLAY");
}

} // namespace tavrolin
