#!/usr/bin/env bash
# Builds the Debian package with Debian's hardening flags, checks it with lintian and
# hardening-check, installs it with apt-get, starts the installed program under Xvfb (window
# found by its caption, mapped, with its icon and the desktop entry's class) and on a headless
# Wayland compositor with no X display (its window drawn there, under its app id), and removes
# the package again, also when a check fails.
#   packaging/test-deb.sh [BUILD-DIR]      (default: build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
export id=example.orlevan.Tavrolin

bash packaging/install-deps.sh deb
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if [ "$(dpkg-query -W -f='${db:Status-Status}' tavrolin 2>/dev/null || true)" = installed ]; then
    echo "FAIL: tavrolin is installed already; remove it before running this test" >&2
    exit 1
fi

# Debian's hardening flags (PIE, RELRO, BIND_NOW, stack protector, FORTIFY); CMake reads no
# CPPFLAGS, so they go with the compiler's flags. Given on every run, as a build directory
# keeps its first flags otherwise.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build" -j2
rm -f "$build"/tavrolin_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/tavrolin_1.00*_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb built" >&2; exit 1; }
deb=$(realpath "${debs[0]}")
echo "built $deb"

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

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
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q tavrolin >/dev/null || true
}
trap remove EXIT
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"

for file in /usr/bin/tavrolin /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/256x256/apps/$id.png \
    /usr/share/doc/tavrolin/copyright /usr/share/doc/tavrolin/changelog.gz \
    /usr/share/man/man1/tavrolin.1.gz; do
    dpkg-query --search "$file" >/dev/null 2>&1 || fail "the package did not install $file"
done
readelf --notes /usr/bin/tavrolin | grep -q 'Packaging Metadata: .*"version":"1.00"' ||
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
hardening=$(hardening-check "${checks[@]}" /usr/bin/tavrolin) || {
    if grep -qx ' Fortify Source functions: no, only unprotected functions found!' \
        <<<"$hardening" && [[ " $cxxflags " == *" -D_FORTIFY_SOURCE=2 "* ]]; then
        hardening=$(hardening-check "${checks[@]}" --nofortify /usr/bin/tavrolin) ||
            fail "hardening-check: the installed program lacks hardening"
    else
        fail "hardening-check: the installed program lacks hardening"
    fi
}
echo "$hardening"

# X11: the window found by its caption, mapped, carrying the icon at 16 and 32 pixels, and
# of the class the desktop entry names, which X11 taskbars group it by.
export shot="$(realpath "$build")/deb-window.png"
env -u WAYLAND_DISPLAY xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" \
    bash -s <<'EOF' || status=1
set -uo pipefail
/usr/bin/tavrolin &
app=$!
wid=$(timeout 30 xdotool search --sync --onlyvisible --name '^The Tavrolin - Version 1\.00 $' |
    head -n 1)
result=0
if [ -z "$wid" ]; then
    echo "FAIL: no window captioned 'The Tavrolin - Version 1.00 ' appeared" >&2
    result=1
else
    xwininfo -id "$wid" | grep -E 'Width|Height|Map State'
    xwininfo -id "$wid" | grep -q 'Map State: IsViewable' ||
        { echo "FAIL: the window is not viewable" >&2; result=1; }
    icons=$(xprop -len 1000000 -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    echo "window icon sizes: ${icons:-none}"
    for size in 16 32; do
        grep -q "Icon ($size x $size)" <<<"$icons" || {
            echo "FAIL: the window has no ${size}x${size} icon" >&2
            result=1
        }
    done
    class=$(xprop -id "$wid" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
    entry=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$id.desktop")
    echo "window class: $class; desktop entry's StartupWMClass: $entry"
    [ -n "$class" ] && [ "$class" = "$entry" ] ||
        { echo "FAIL: the window's class does not match the desktop entry" >&2; result=1; }
    import -window root "$shot" && echo "screenshot: $shot"
fi
kill -0 "$app" 2>/dev/null || { echo "FAIL: the program exited early" >&2; result=1; }
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
exit $result
EOF

# Wayland without X11: a headless weston with a private runtime directory and a plain
# background, no DISPLAY and Qt left to choose its platform. The program's own protocol log
# (WAYLAND_DEBUG) shows its toplevel's title and app id; weston's screenshots (--debug lets
# weston-screenshooter take them) show the window drawn: the part of the screen that is not
# background is at least the window's 484x332 client area and smaller than the screen.
export wayland_shot="$(realpath "$build")/deb-wayland-window.png"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash -s <<'EOF' || status=1
set -uo pipefail
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
printf '[shell]\nbackground-color=0xff204060\nbackground-image=\npanel-position=none\n' \
    >"$runtime/weston.ini"
weston --config="$runtime/weston.ini" --backend=headless-backend.so --use-pixman \
    --width=1024 --height=768 --socket=tavrolin-test --debug --log="$runtime/weston.log" &
weston=$!
app=""
result=1
finish() {
    [ -z "$app" ] || { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; }
    kill "$weston" 2>/dev/null
    wait "$weston" 2>/dev/null
    if [ $result -ne 0 ]; then
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
[ -S "$runtime/tavrolin-test" ] || { echo "FAIL: weston did not start" >&2; exit 1; }
export WAYLAND_DISPLAY=tavrolin-test

WAYLAND_DEBUG=1 /usr/bin/tavrolin 2>"$runtime/program.log" &
app=$!
size=""
mkdir "$runtime/shots"
for _ in $(seq 30); do
    sleep 1
    kill -0 "$app" 2>/dev/null || break
    grep -q "set_app_id(\"$id\")" "$runtime/program.log" || continue
    rm -f "$runtime/shots/"*
    (cd "$runtime/shots" && timeout 10 weston-screenshooter) || continue
    picture=$(ls "$runtime/shots/"*.png 2>/dev/null | head -n 1)
    [ -n "$picture" ] || continue
    read -r width height < <(convert "$picture" -trim -format '%w %h\n' info:)
    size="${width}x$height"
    if [ "$width" -ge 484 ] && [ "$height" -ge 332 ] && [ "$width" -lt 1024 ] &&
        [ "$height" -lt 768 ]; then
        cp "$picture" "$wayland_shot"
        result=0
        break
    fi
done
kill -0 "$app" 2>/dev/null || { echo "FAIL: the program exited on Wayland" >&2; result=1; }
grep -q 'set_title("The Tavrolin - Version 1.00 ")' "$runtime/program.log" ||
    { echo "FAIL: no toplevel titled 'The Tavrolin - Version 1.00 ' on Wayland" >&2; result=1; }
grep -q "set_app_id(\"$id\")" "$runtime/program.log" ||
    { echo "FAIL: the toplevel's app id is not $id" >&2; result=1; }
if [ $result -eq 0 ]; then
    echo "Wayland: window drawn at ${size} (with its decoration); screenshot: $wayland_shot"
else
    echo "FAIL: no window drawn on weston (last drawn area: ${size:-none})" >&2
fi
exit $result
EOF

remove
trap - EXIT
[ ! -e /usr/bin/tavrolin ] || fail "/usr/bin/tavrolin is still there after removing the package"
[ $status -eq 0 ] && echo "PASS: $(basename "$deb") passes lintian and hardening-check, installs,
shows its window on X11 and on Wayland, and uninstalls"
exit $status
