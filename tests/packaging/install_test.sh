#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that exactly the expected files land
# at their GNU install paths, with each icon size installed from its own rendition.
#   install_test.sh BUILD-DIR PREFIX ICON-DIR
set -euo pipefail
build=$1 prefix=$2 icons=$3
id=example.orlevan.Tavrolin

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

expected="bin/tavrolin
share/applications/$id.desktop
share/doc/tavrolin/changelog.gz
share/doc/tavrolin/copyright
share/doc/tavrolin/window.png"
for size in 128 16 24 256 32 48 64; do
    expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/$id.png"
done
expected+=$'\n'"share/man/man1/tavrolin.1.gz"
expected+=$'\n'"share/metainfo/$id.metainfo.xml"

found=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
status=0
if [ "$found" != "$expected" ]; then
    echo "FAIL: the installed files differ (- expected, + found):" >&2
    diff -u <(echo "$expected") <(echo "$found") >&2 || true
    status=1
fi
for size in 16 24 32 48 64 128 256; do
    installed="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    if [ -e "$installed" ] && ! cmp -s "$icons/tavrolin-$size.png" "$installed"; then
        echo "FAIL: $installed is not tavrolin-$size.png" >&2
        status=1
    fi
done
[ -x "$prefix/bin/tavrolin" ] || { echo "FAIL: bin/tavrolin is not executable" >&2; status=1; }
[ $status -eq 0 ] && echo "installed $(wc -l <<<"$found") files at their places"
exit $status
