#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the program,
# skipping those already present. Run as root (or through sudo).
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ pkg-config
    qt6-base-dev
    libgtest-dev libbenchmark-dev
    # run: the step headings ask for Arial, which Liberation Sans stands in for
    fonts-liberation2
    # test: a comma locale, a headless X server, screenshots
    locales-all xvfb xauth x11-utils imagemagick
    # run: the window's 8-point dialog face (MS Sans Serif clone, /usr/share/wine/fonts)
    fonts-wine
    # window tests: clicks on the real window (XTest), accessibility switched on offscreen
    libx11-dev libxtst-dev qt6-base-private-dev
    # build: the window writes its icon to the X server itself (XCB)
    libxcb1-dev
    # start-up benchmark: the calculators it compares with, its X watcher, a session bus
    x11-apps galculator libx11-dev libxdamage-dev libxcomposite-dev dbus fontconfig
    # memory check of the window tests
    valgrind
    # fuzz: clang with libFuzzer and the sanitizer run-times
    clang-14 libclang-rt-14-dev
    # packaging: the Windows resource read back, the icon, the desktop and AppStream
    # validators, the .deb's dependency scan, and the installed program's window check
    binutils-mingw-w64-x86-64 g++-mingw-w64-x86-64 icoutils file
    desktop-file-utils appstream dpkg-dev xdotool
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -q
    $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
