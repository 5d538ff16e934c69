#!/usr/bin/env bash
# Compiles the program's Windows resource script into a small Windows executable with the
# MinGW tools and reads the version record and the icon back out of it; given the Windows
# build of the program itself, reads them out of that instead.
#   windows_resource_test.sh RC-FILE VERSION-INFO-DUMP EXPECTED-FILE WORK-DIR [EXE]
set -euo pipefail
rc=$1 dump=$2 expected=$3 work=$4 exe=${5:-}
. "$(dirname "$0")/../../tools/lib.sh"

for tool in x86_64-w64-mingw32-windres x86_64-w64-mingw32-g++ wrestool icotool; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

[ -z "$exe" ] || exe=$(realpath "$exe")
rm -rf "$work"
mkdir -p "$work"
cd "$work"
if [ -z "$exe" ]; then
    x86_64-w64-mingw32-windres --input "$rc" --output resource.o
    echo 'int main() { return 0; }' > probe.cpp
    x86_64-w64-mingw32-g++ -o probe.exe probe.cpp resource.o
    exe=$PWD/probe.exe
fi

wrestool --extract --raw --type=16 "$exe" > version.bin
"$dump" version.bin > version.txt
diff -u "$expected" version.txt ||
    fail "the version record differs from $expected (- expected, + found)"

# The one icon group, rebuilt as an .ico, must hold the three images.
[ "$(wrestool --list --type=14 "$exe" | wc -l)" -eq 1 ] ||
    fail "the executable does not carry exactly one icon"
wrestool --extract --type=14 "$exe" > icon.ico
cat > icon.expected <<'END'
--icon --index=1 --width=32 --height=32 --bit-depth=1 --palette-size=2
--icon --index=2 --width=32 --height=32 --bit-depth=4 --palette-size=16
--icon --index=3 --width=16 --height=16 --bit-depth=4 --palette-size=16
END
icotool --list icon.ico > icon.txt
diff -u icon.expected icon.txt || fail "the executable's icon images differ (- expected, + found)"
echo "version record and icon read back from ${exe##*/} as expected"
