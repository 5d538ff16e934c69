#!/usr/bin/env bash
# Checks the program's icon files: the .ico holds exactly its three images, and each PNG
# rendition is a square RGBA picture of the size its name says.
#   icon_test.sh ICON-DIR
set -euo pipefail
dir=$1
for tool in icotool file; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed" >&2; exit 1; }
done

status=0
expected='--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2
--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=3 --width=16 --height=16 --bit-depth=4 --palette-size=16'
found=$(icotool --list "$dir/tavrolin.ico")
if [ "$found" != "$expected" ]; then
    echo "FAIL: tavrolin.ico holds other images than expected:" >&2
    diff -u <(echo "$expected") <(echo "$found") >&2 || true
    status=1
fi

for size in 16 24 32 48 64 128 256; do
    png="$dir/tavrolin-$size.png"
    kind=$(file --brief "$png")
    if [ "$kind" != "PNG image data, $size x $size, 8-bit/color RGBA, non-interlaced" ]; then
        echo "FAIL: $png is: $kind" >&2
        status=1
    fi
done
[ $status -eq 0 ] && echo "tavrolin.ico has its three images; the seven PNGs have their sizes"
exit $status
