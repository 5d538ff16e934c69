#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get, starts the installed program under
# Xvfb, checks that its window appears (caption, mapped, with its icon), and removes the
# package again, also when a check fails.
#   packaging/test-deb.sh [BUILD-DIR]      (default: build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
id=example.orlevan.Tavrolin

bash packaging/install-deps.sh ci
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
if [ "$(dpkg-query -W -f='${db:Status-Status}' tavrolin 2>/dev/null || true)" = installed ]; then
    echo "FAIL: tavrolin is installed already; remove it before running this test" >&2
    exit 1
fi

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build "$build" -j2
rm -f "$build"/tavrolin_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/tavrolin_1.00_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single .deb built" >&2; exit 1; }
deb=$(realpath "${debs[0]}")
echo "built $deb"

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-liberation2; do
    grep -qE "(^|, )$need( |,|$)" <<<"$depends" || fail "the package does not depend on $need"
done

remove() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q tavrolin >/dev/null || true
}
trap remove EXIT
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"

for file in /usr/bin/tavrolin /usr/share/applications/$id.desktop \
    /usr/share/metainfo/$id.metainfo.xml /usr/share/icons/hicolor/256x256/apps/$id.png; do
    dpkg-query --search "$file" >/dev/null 2>&1 || fail "the package did not install $file"
done
readelf --notes /usr/bin/tavrolin | grep -q 'Packaging Metadata: .*"version":"1.00"' ||
    fail "the installed program lacks its package metadata note"

# The window: found by its caption, mapped, and carrying the icon at 16 and 32 pixels.
export shot="$(realpath "$build")/deb-window.png"
xvfb-run --auto-servernum --server-args="-screen 0 1024x768x24" bash -s <<'EOF' || status=1
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
    icons=$(xprop -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    echo "window icon sizes: ${icons:-none}"
    for size in 16 32; do
        grep -q "Icon ($size x $size)" <<<"$icons" || {
            echo "FAIL: the window has no ${size}x${size} icon" >&2
            result=1
        }
    done
    import -window root "$shot" && echo "screenshot: $shot"
fi
kill -0 "$app" 2>/dev/null || { echo "FAIL: the program exited early" >&2; result=1; }
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null
exit $result
EOF

remove
trap - EXIT
[ ! -e /usr/bin/tavrolin ] || fail "/usr/bin/tavrolin is still there after removing the package"
[ $status -eq 0 ] && echo "PASS: $(basename "$deb") installs, shows its window and uninstalls"
exit $status
