#!/usr/bin/env bash
# Builds the Debian package with Debian's hardening flags, checks it with lintian and
# hardening-check, installs it with apt-get, starts the installed program under Xvfb (window
# found by its caption, mapped, with its icon and the desktop entry's class) and on a headless
# Wayland compositor with no X display (its window drawn there, under its app id), and removes
# the package again, also when a check fails.
#   packaging/test-deb.sh [BUILD-DIR]      (default: build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
export root=$PWD
. tools/lib.sh
build=${1:-build-deb}
package=$TAVROLIN_PACKAGE id=$TAVROLIN_APP_ID

bash packaging/install-deps.sh deb
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
[ "$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)" != installed ] ||
    fail "$package is installed already; remove it before running this test"

# Debian's hardening flags (PIE, RELRO, BIND_NOW, stack protector, FORTIFY); CMake reads no
# CPPFLAGS, so they go with the compiler's flags. Given on every run, as a build directory
# keeps its first flags otherwise.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j2
rm -f "$build/${package}_"*.deb
(cd "$build" && cpack -G DEB)
debs=("$build/${package}_${TAVROLIN_VERSION_TEXT}"*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single .deb built"
deb=$(realpath "${debs[0]}")
echo "built $deb"

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation2?; do
    grep -qE "(^|, )$need(t64)?( |,|$)" <<<"$depends" || fail "the package does not depend on $need"
done
recommends=$(dpkg-deb --field "$deb" Recommends)
echo "Recommends: $recommends"
grep -qE "(^|, )qt6-wayland( |,|$)" <<<"$recommends" ||
    fail "the package does not recommend qt6-wayland"

# lintian: no error, no warning and no information tag either (there is none left to fix).
lintian --info --fail-on error,warning,info "$deb" || fail "lintian found problems"

remove() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "$package" >/dev/null || true
}
trap remove EXIT
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"

program=/usr/bin/$package
for file in "$program" "/usr/share/applications/$id.desktop" \
    "/usr/share/metainfo/$id.metainfo.xml" "/usr/share/icons/hicolor/256x256/apps/$id.png" \
    "/usr/share/doc/$package/copyright" "/usr/share/doc/$package/changelog.gz" \
    "/usr/share/man/man1/$package.1.gz"; do
    dpkg-query --search "$file" >/dev/null 2>&1 || fail "the package did not install $file"
done
readelf --notes "$program" |
    grep -q "Packaging Metadata: .*\"version\":\"$TAVROLIN_VERSION_TEXT\"" ||
    fail "the installed program lacks its package metadata note"

# Control-flow protection is not among Debian 12's flags. Fortify Source shows only where the
# compiler could bound a call's object size; where it found none, hardening-check can tell
# nothing from the program, so the flag is checked in the build.
# Debian 13's hardening-check also asks for branch protection, which only AArch64 has.
checks=(--nocfprotection)
if [ "$(dpkg --print-architecture)" != arm64 ] &&
    grep -q -- --nobranchprotection "$(command -v hardening-check)"; then
    checks+=(--nobranchprotection)
fi
hardening=$(hardening-check "${checks[@]}" "$program") || {
    grep -qx ' Fortify Source functions: no, only unprotected functions found!' <<<"$hardening" &&
        [[ " $cxxflags " == *" -D_FORTIFY_SOURCE=2 "* ]] &&
        hardening=$(hardening-check "${checks[@]}" --nofortify "$program") ||
        fail "hardening-check: the installed program lacks hardening"
}
echo "$hardening"

# X11: the window found by its caption, mapped, carrying the icon at 16 and 32 pixels, and
# of the class the desktop entry names, which X11 taskbars group it by.
export root program id shot="$(realpath "$build")/deb-window.png"
(unset WAYLAND_DISPLAY && on_x_server bash -s) <<'EOF'
set -euo pipefail
. "$root/tools/lib.sh"
"$program" &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT
wid=$(wait_for_window 30)
xwininfo -id "$wid" | grep -E 'Width|Height|Map State'
xwininfo -id "$wid" | grep -q 'Map State: IsViewable' || fail "the window is not viewable"
icons=$(xprop -len 1000000 -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' |
    tr '\n' ' ')
echo "window icon sizes: ${icons:-none}"
for size in 16 32; do
    grep -q "Icon ($size x $size)" <<<"$icons" || fail "the window has no ${size}x${size} icon"
done
class=$(xprop -id "$wid" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
entry=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$id.desktop")
echo "window class: $class; desktop entry's StartupWMClass: $entry"
[ -n "$class" ] && [ "$class" = "$entry" ] ||
    fail "the window's class does not match the desktop entry"
import -window root "$shot" && echo "screenshot: $shot"
kill -0 "$app" 2>/dev/null || fail "the program exited early"
EOF

# Wayland without X11: a headless weston with a private runtime directory and a plain
# background, no DISPLAY and Qt left to choose its platform. The program's own protocol log
# (WAYLAND_DEBUG) shows its toplevel's title and app id; weston's screenshots (--debug lets
# weston-screenshooter take them) show the window drawn: the part of the screen that is not
# background is at least the window's 484x332 client area and smaller than the screen.
export wayland_shot="$(realpath "$build")/deb-wayland-window.png"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash -s <<'EOF'
set -euo pipefail
. "$root/tools/lib.sh"
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
printf '[shell]\nbackground-color=0xff204060\nbackground-image=\npanel-position=none\n' \
    >"$runtime/weston.ini"
weston --config="$runtime/weston.ini" --backend=headless-backend.so --use-pixman \
    --width=1024 --height=768 --socket=tavrolin-test --debug --log="$runtime/weston.log" &
weston=$!
app=""
finish() {
    local status=$?
    set +e
    [ -z "$app" ] || { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; }
    kill "$weston" 2>/dev/null
    wait "$weston" 2>/dev/null
    if [ $status -ne 0 ]; then
        echo "--- weston's log:" >&2
        tail -n 20 "$runtime/weston.log" >&2
        echo "--- the program's last protocol messages:" >&2
        tail -n 20 "$runtime/program.log" >&2
    fi
    rm -rf "$runtime"
}
trap finish EXIT
for _ in $(seq 100); do
    [ -S "$runtime/tavrolin-test" ] && break
    sleep 0.1
done
[ -S "$runtime/tavrolin-test" ] || fail "weston did not start"
export WAYLAND_DISPLAY=tavrolin-test

WAYLAND_DEBUG=1 "$program" 2>"$runtime/program.log" &
app=$!
size="" drawn=""
mkdir "$runtime/shots"
for _ in $(seq 30); do
    sleep 1
    kill -0 "$app" 2>/dev/null || fail "the program exited on Wayland"
    grep -qF "set_app_id(\"$id\")" "$runtime/program.log" || continue
    rm -f "$runtime/shots/"*
    (cd "$runtime/shots" && timeout 10 weston-screenshooter) || continue
    picture=$(ls "$runtime/shots/"*.png 2>/dev/null | head -n 1) || true
    [ -n "$picture" ] || continue
    read -r width height < <(convert "$picture" -trim -format '%w %h\n' info:)
    size="${width}x$height"
    if [ "$width" -ge 484 ] && [ "$height" -ge 332 ] && [ "$width" -lt 1024 ] &&
        [ "$height" -lt 768 ]; then
        cp "$picture" "$wayland_shot"
        drawn=1
        break
    fi
done
grep -qF "set_title(\"$TAVROLIN_TITLE\")" "$runtime/program.log" ||
    fail "no toplevel titled '$TAVROLIN_TITLE' on Wayland"
grep -qF "set_app_id(\"$id\")" "$runtime/program.log" || fail "the toplevel's app id is not $id"
[ -n "$drawn" ] || fail "no window drawn on weston (last drawn area: ${size:-none})"
echo "Wayland: window drawn at $size (with its decoration); screenshot: $wayland_shot"
EOF

remove
trap - EXIT
[ ! -e "$program" ] || fail "$program is still there after removing the package"
echo "PASS: $(basename "$deb") passes lintian and hardening-check, installs, shows its window on
X11 and on Wayland, and uninstalls"
