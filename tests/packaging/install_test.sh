#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there: the desktop entry and
# the AppStream metainfo pass their validators (the metainfo with the tree around it, so its
# launchable must be installed), and what they name but no validator follows is there: the
# command, the icon (at the sizes the icon theme and the software centres look for, each
# picture of its folder's size, with transparency) and the binary the metainfo provides.
# The version record's description, with its typo, is shown to no user.
#   install_test.sh BUILD-DIR PREFIX
set -euo pipefail
build=$1 prefix=$2
. "$(dirname "$0")/../../tools/lib.sh"
id=$TAVROLIN_APP_ID

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix/share"
desktop=applications/$id.desktop metainfo=metainfo/$id.metainfo.xml

said=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$said" ] ||
    fail "desktop-file-validate: $said"
said=$(appstreamcli validate-tree --pedantic --no-net "$prefix" 2>&1) ||
    fail "appstreamcli validate-tree: $said"

command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -n "$command" ] && [ -x "$prefix/bin/$command" ] || fail "Exec=$command is not installed"
binary=$(sed -n 's|^ *<binary>\(.*\)</binary>$|\1|p' "$metainfo")
[ -n "$binary" ] && [ -x "$prefix/bin/$binary" ] || fail "<binary>$binary is not installed"

icon=$(sed -n 's/^Icon=//p' "$desktop")
# The icon theme's fallback size, and the sizes software centres show.
for size in 48 64 128; do
    [ -e "icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no ${size}x$size icon $icon"
done
for png in icons/hicolor/*/apps/*.png; do
    size=${png#icons/hicolor/}
    size=${size%%x*}
    kind=$(file --brief "$png")
    [[ $kind == "PNG image data, $size x $size, 8-bit/color RGBA,"* ]] || fail "$png is: $kind"
done

if grep -q 'about of' "$desktop" "$metainfo"; then
    fail "the version record's description is shown to users"
fi
echo "installed: the entry and metainfo valid, their command, binary and icons there"
