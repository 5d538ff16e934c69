#!/usr/bin/env bash
# Builds the program for 64-bit Windows on Debian 12: a static Qt for MinGW-w64 from Debian's
# own qt6-base source, built once into a cache folder outside the checkout, then a static
# tavrolin.exe with its icon and version record linked in, and its installer and .zip.
#   packaging/windows/build.sh [exe]   the Qt if missing, then build-windows/tavrolin.exe and
#                                      tavrolin-VERSION-windows-x64.msi and .zip beside it
#   packaging/windows/build.sh tests   the same, and the tests that run under Wine
#   packaging/windows/build.sh qt      only the static Qt; prints its folder
# TAVROLIN_QT_CACHE overrides the cache folder (default ~/.cache/tavrolin),
# TAVROLIN_WINDOWS_BUILD the build folder (default build-windows in the checkout), JOBS the
# parallel jobs of the Qt build (default 2). The Qt build runs at the lowest priority.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
toolchain=$here/mingw-w64.cmake
stage=${1:-exe}
case $stage in
exe | tests | qt) ;;
*)
    echo "usage: $0 [exe|tests|qt]" >&2
    exit 2
    ;;
esac

cache=${TAVROLIN_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavrolin}
jobs=${JOBS:-2}

# The Qt source is the one of the machine's Qt, so that its moc, rcc and uic serve the
# Windows build as host tools.
qt_package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
qt_version=${qt_package_version%%+*}
qt_version=${qt_version%%-*}

# Only what the program and its tests use: Core, Gui, Widgets, Test, the Windows platform and
# the JPEG reader (the window's picture). Debian's source lacks the tablet (wintab) headers,
# so tablet events are off; its other Windows cut, IAccessible2, Qt 6 no longer uses.
qt_configure=(
    -release -static -static-runtime -nomake examples -nomake tests -no-pch
    -no-opengl -no-dbus -no-icu -no-glib -no-pkg-config -no-feature-vulkan
    -no-feature-network -no-feature-sql -no-feature-xml -no-feature-printsupport
    -no-feature-concurrent -no-feature-androiddeployqt -no-feature-tabletevent
    -qt-libjpeg -no-gif -qt-libpng -qt-zlib -qt-pcre -qt-harfbuzz -qt-doubleconversion
    -no-freetype -no-fontconfig -no-zstd
)
host_cmake_dir=/usr/lib/x86_64-linux-gnu/cmake
key=$( (printf '%s\n' "$qt_package_version" "${qt_configure[@]}"; cat "$toolchain") |
    sha256sum | cut -c1-12)
qt_prefix=$cache/qt-mingw-$qt_version-$key

# Fetches Debian's qt6-base source into $1 through a private apt configuration: deb-src
# entries for the archives and suites of the machine's Debian entries, with their own lists
# and cache, so that the machine's apt state is left as it was.
fetch_qt_source() { # folder
    local dir=$1 apt
    apt=$dir/apt
    mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache/archives/partial"
    : >"$apt/sources.list"
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -e "$file" ] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
            /(^|\n)URIs:[ \t]*[^\n]*debian/ && /(^|\n)Types:[ \t]*[^\n]*deb/ {
                sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); print }' \
            "$file" >>"$apt/parts/debian.sources"
    done
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -e "$file" ] || continue
        sed -n 's/^[ \t]*deb\([ \t][^#]*debian.*\)$/deb-src\1/p' "$file" >>"$apt/sources.list"
    done
    local options=(-q -o "Dir::Etc::sourcelist=$apt/sources.list"
        -o "Dir::Etc::sourceparts=$apt/parts" -o "Dir::State::Lists=$apt/lists"
        -o "Dir::Cache=$apt/cache" -o APT::Sandbox::User=root)
    apt-get "${options[@]}" update
    (cd "$dir" && apt-get "${options[@]}" source "qt6-base=$qt_package_version")
    rm -rf "$apt"
}

build_qt() {
    # The stamp is written last: a folder without it is an interrupted build.
    if [ -f "$qt_prefix/.complete" ]; then
        return
    fi
    echo "Building the static Qt $qt_version for MinGW-w64 into $qt_prefix" >&2
    local work=$cache/qt-build-$key started=$SECONDS
    rm -rf "$work" "$qt_prefix"
    mkdir -p "$work"
    fetch_qt_source "$work"
    local source
    source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
    mkdir "$work/build"
    (cd "$work/build" && nice -n 19 "$source/configure" -prefix "$qt_prefix" \
        "${qt_configure[@]}" -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir")
    nice -n 19 cmake --build "$work/build" --parallel "$jobs"
    cmake --install "$work/build"
    rm -rf "$work"
    touch "$qt_prefix/.complete"
    echo "Static Qt built in $(((SECONDS - started) / 60)) min" >&2
}

# Debian ships GoogleTest as sources only; the Windows tests build them once with MinGW.
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest_key=$( (echo "$gtest_version"; cat "$toolchain") | sha256sum | cut -c1-12)
gtest_prefix=$cache/googletest-mingw-$gtest_key

build_googletest() {
    [ -f "$gtest_prefix/.complete" ] && return
    local work=$cache/googletest-build-$gtest_key
    rm -rf "$work" "$gtest_prefix"
    cmake -S /usr/src/googletest -B "$work" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest_prefix" -DBUILD_GMOCK=OFF
    nice -n 19 cmake --build "$work" --parallel "$jobs"
    cmake --install "$work"
    rm -rf "$work"
    touch "$gtest_prefix/.complete"
}

# The program's build, against the static Qt; the Qt's moc, rcc and uic are Debian's.
build=${TAVROLIN_WINDOWS_BUILD:-$root/build-windows}
build_program() { # testing: ON or OFF
    local prefixes="$qt_prefix"
    [ "$1" = OFF ] || prefixes+=";$gtest_prefix"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DTAVROLIN_WERROR=ON -DBUILD_TESTING="$1" \
        -DCMAKE_PREFIX_PATH="$prefixes" -DCMAKE_FIND_ROOT_PATH="$prefixes" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake_dir" \
        -DTAVROLIN_BUILD_WINDOW=ON -DTAVROLIN_BENCHMARKS=OFF \
        -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST # no Wine while building
}

build_qt
case $stage in
qt)
    echo "$qt_prefix"
    ;;
exe)
    build_program OFF
    cmake --build "$build" --target tavrolin tavrolin_msi tavrolin_zip
    ;;
tests)
    build_googletest
    build_program ON
    cmake --build "$build" --target tavrolin tavrolin_msi tavrolin_zip calc_tests \
        window_layout_test window_actions_test window_look_test
    ;;
esac
