#!/usr/bin/env bash
# Installs the Debian 12 or 13 packages that one group of the project's commands needs,
# skipping those already present. Run as root, or as a user who may use sudo.
#   packaging/install-deps.sh run           building and starting the program (tools/run.sh)
#   packaging/install-deps.sh test          and every test of tools/test.sh
#   packaging/install-deps.sh deb           and the package's check (packaging/test-deb.sh)
#   packaging/install-deps.sh ci            and what only CI runs on top (.ci/run)
#   packaging/install-deps.sh --list GROUP  prints the group's packages, one a line
# Each group holds the one before it; a package stands in the first group that uses it. The
# lists name Debian 12's packages; the table below them gives Debian 13's other names. Another
# system that calls itself like Debian (ID_LIKE) gets Debian 13's names, and says so.
set -euo pipefail

# Building the program and starting it.
run=(
    cmake ninja-build g++
    # Qt Core, Gui and Widgets; also Qt Test, which the build's Qt lookup asks for
    qt6-base-dev
    # Qt's Wayland platform plugin: the window on a Wayland session without X11
    qt6-wayland
    # the window's face, Liberation Sans, which also stands in for the headings' Arial
    # (it has Latin, Greek, Cyrillic and Hebrew); DejaVu Sans draws Arabic and Persian
    fonts-liberation2 fonts-dejavu-core
    # the translations: lrelease and lupdate, Qt's CMake functions for them, and Qt's own
    # translations (the boxes' context menus)
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)

# tools/test.sh: every test it registers (CTest option TAVROLIN_CI_TESTS off).
test=(
    # calc_tests
    libgtest-dev
    # window_actions_test switches accessibility on through Qt's private headers
    qt6-base-private-dev
    # window_locale_test runs in a comma locale
    locales-all
    # window_real_x11_test: a private X server, the clicks of its driver (XTest), and
    # xprop/xwininfo to read the window back
    xvfb xauth libx11-dev libxtst-dev x11-utils
    # packaging.elf_note reads the program's note with readelf (g++ brings it too)
    binutils
    # packaging.install: the validators, and file to read the installed icons' sizes
    desktop-file-utils appstream file
    # window_translations_complete reads the .ts files; the look test's Chinese and Japanese
    # captions need a CJK font (WenQuanYi Micro Hei, the smallest with both)
    python3 fonts-wqy-microhei
)

# packaging/test-deb.sh on top of the test command.
deb=(
    # cpack's dependency scan (dpkg-shlibdeps, and file from the test group), the window found
    # by its caption, and a screenshot of it
    dpkg-dev xdotool imagemagick
    # the package's checks (hardening-check is in devscripts), and the installed program on a
    # headless Wayland compositor
    lintian devscripts weston
)

# .ci/run on top: the tests of TAVROLIN_CI_TESTS, the fuzz targets and the Windows build.
ci=(
    # window_memcheck
    valgrind
    # packaging.windows_resource reads the icon back from the Windows resource, built into
    # a small Windows program
    icoutils binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64
    # startup_measure_smoke (TAVROLIN_BENCHMARKS): the start-up watcher (Xdamage, Xcomposite),
    # the session bus, fontconfig's tools, and the two other calculators it measures
    libxdamage-dev libxcomposite-dev dbus-daemon fontconfig x11-apps galculator
    # fuzz/run.sh: clang with libFuzzer and the sanitizer run-times
    clang-14 libclang-rt-14-dev
    # window_orca_test: the screen reader (it brings Speech Dispatcher) and the accessibility
    # bus it listens on
    orca at-spi2-core
    # packaging/windows/check.sh: the Windows build (MinGW-w64's posix threads, Debian's
    # GoogleTest sources; the Qt source comes through apt-get source, which unpacks with
    # dpkg-dev) and Wine to run it
    g++-mingw-w64-x86-64-posix googletest wine wine64
    # tools/in-debian-root.sh: the bare Debian 13 root that the test command and the
    # package's check run in
    mmdebstrap
    # packaging/windows: the installer built (wixl) and read (msitools), its shortcut read
    # (lnkinfo), and the program's results read back from its window (OCR)
    wixl msitools liblnk-utils tesseract-ocr
)

# Debian 13's names where they differ from Debian 12's: "Debian-12-name Debian-13-name".
debian13_names=(
    # Liberation 2 took over the old package name; fonts-liberation2 is a transitional one
    "fonts-liberation2 fonts-liberation"
    # the release's own clang
    "clang-14 clang-19"
    "libclang-rt-14-dev libclang-rt-19-dev"
)

usage() {
    echo "usage: $0 [--list] run|test|deb|ci" >&2
    exit 2
}

list=""
if [ "${1:-}" = --list ]; then
    list=1
    shift
fi
[ $# -eq 1 ] || usage
case $1 in
run) packages=("${run[@]}") ;;
test) packages=("${run[@]}" "${test[@]}") ;;
deb) packages=("${run[@]}" "${test[@]}" "${deb[@]}") ;;
ci) packages=("${run[@]}" "${test[@]}" "${deb[@]}" "${ci[@]}") ;;
*) usage ;;
esac

# The release: Debian 12 and 13 by their own names; a Debian without a number (testing) or
# a later one, and a system like Debian, by Debian 13's; anything else is left to the user.
os_release=${TAVROLIN_OS_RELEASE:-/etc/os-release} # the tests point it elsewhere
os_id="" os_like="" os_version="" os_name=""
if [ -r "$os_release" ]; then
    while IFS='=' read -r key value; do
        value=${value//\"/}
        case $key in
        ID) os_id=$value ;;
        ID_LIKE) os_like=$value ;;
        VERSION_ID) os_version=$value ;;
        PRETTY_NAME) os_name=$value ;;
        esac
    done <"$os_release"
fi
release="" names=13
if [ "$os_id" = debian ] && [[ $os_version =~ ^(12|13)$ ]]; then
    release=$os_version
elif [[ " $os_like " == *" debian "* ]] ||
    { [ "$os_id" = debian ] && [[ ! $os_version =~ ^([0-9]|1[0-3])$ ]]; }; then
    release=like
fi
if [ "$release" = 12 ]; then
    names=12
else
    for i in "${!packages[@]}"; do
        for pair in "${debian13_names[@]}"; do
            [ "${packages[i]}" != "${pair% *}" ] || packages[i]=${pair#* }
        done
    done
fi

if [ -n "$list" ]; then
    printf '%s\n' "${packages[@]}"
    exit 0
fi

# Says in one sentence what to install by hand, and stops.
by_hand() { # sentence
    echo "$1" >&2
    exit 1
}

if ! command -v dpkg-query >/dev/null; then
    by_hand "This is not a Debian system: install by hand the equivalents of the Debian \
$names packages ${packages[*]}, then run this again."
fi
missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -gt 0 ] || exit 0

if [ -z "$release" ] || ! command -v apt-get >/dev/null; then
    by_hand "This is not Debian 12 or 13 with apt-get: install by hand the equivalents of the \
Debian $names packages ${missing[*]}, then run this again."
fi
[ "$release" != like ] ||
    echo "${os_name:-This system} is not Debian 12 or 13: trying Debian 13's package names." >&2

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || by_hand "Installing needs root or sudo: as root, run \
apt-get install --no-install-recommends ${missing[*]}, then run this again."
    as_root=(sudo)
fi
if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q ||
    ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    by_hand "apt-get could not install them: as root, run apt-get install \
--no-install-recommends ${missing[*]}, then run this again."
fi
