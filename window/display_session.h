#pragma once

namespace tavrolin {

// Whether Qt, started with these arguments, would look for a display server and find none: it
// is asked (by -platform or --platform, else QT_QPA_PLATFORM) only for display servers' platforms
// ("xcb", "wayland", "wayland-egl", ..., each with optional ":options", in a list such as
// "wayland;xcb"), or for its default, while neither DISPLAY nor WAYLAND_DISPLAY names one.
bool displayServerMissing(int argc, char *argv[]);

} // namespace tavrolin
