#!/usr/bin/env bash
# CI's Windows step: builds tavrolin.exe and the Windows tests (packaging/windows/build.sh),
# then checks the executable and runs it and the tests under Wine:
#   - it needs no DLL but Windows' own;
#   - its version record and icon read back from the executable itself;
#   - the arithmetic tests pass;
#   - on a private X server, the window tests pass on Qt's Windows platform, and the program,
#     driven with the keyboard alone, computes 700 MB at 512 kbit/s; its window is saved as
#     build-windows/wine-check/window.png.
#   packaging/windows/check.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${TAVROLIN_WINDOWS_BUILD:-$root/build-windows}
work=$build/wine-check
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko: nothing here needs them, and Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree=;mshtml="

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The part on the X server, run by the part below under xvfb-run.
if [ "${1:-}" = --on-x-server ]; then
    cd "$work"
    echo "== the window tests on Qt's Windows platform"
    wine "$build/tests/window/window_layout_test.exe"
    wine "$build/tests/window/window_actions_test.exe"

    echo "== the program driven with the keyboard"
    wine "$build/window/tavrolin.exe" &
    pid=$!
    window=
    for _ in $(seq 60); do
        window=$(xdotool search --name '^The Tavrolin - Version 1\.00 $' | head -n 1) || true
        [ -n "$window" ] && break
        sleep 0.5
    done
    [ -n "$window" ] || fail "tavrolin.exe showed no window called \"The Tavrolin - Version 1.00 \""
    xdotool windowfocus --sync "$window"
    sleep 1
    # The focus starts in the speed box; the tab order is speed, speed in KB/s, megabytes,
    # Calculate, convert megabytes, kilobytes, convert speed, Reset.
    xdotool type --delay 50 512
    xdotool key --delay 100 Tab Tab
    xdotool type --delay 50 700
    xdotool key --delay 200 Tab Tab space Tab Tab space shift+Tab shift+Tab shift+Tab space
    sleep 1
    import -window root root.png
    geometry=$(xdotool getwindowgeometry --shell "$window")
    eval "$geometry"
    convert root.png -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage window.png
    xdotool key --window "$window" alt+F4 || true
    sleep 2
    kill "$pid" 2>/dev/null || true
    wineserver -k || true
    echo "the window after the three steps: $work/window.png"
    exit 0
fi

started=$SECONDS
bash "$root/packaging/install-deps.sh" ci
bash "$root/packaging/windows/build.sh" tests
exe=$build/window/tavrolin.exe
rm -rf "$work"
mkdir -p "$work"

echo "== the DLLs tavrolin.exe loads"
# Windows' own libraries only: no C++ run-time, thread library or Qt beside the program.
system_dlls='advapi32 comdlg32 d3d9 dwmapi dwrite gdi32 imm32 kernel32 msvcrt netapi32 ole32
oleaut32 setupapi shell32 shlwapi user32 userenv uxtheme version winmm ws2_32 wtsapi32'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
echo "$dlls" | tr '\n' ' '
echo
[ -n "$dlls" ] || fail "no DLL list read from $exe"
for dll in $dlls; do
    grep -qw "${dll%.dll}" <<<"$system_dlls" || fail "tavrolin.exe needs $dll, which Windows does not ship"
done

echo "== the version record and icon of tavrolin.exe"
g++ -std=c++20 -O1 -o "$work/version_info_dump" "$root/tests/packaging/version_info_dump.cpp"
bash "$root/tests/packaging/windows_resource_test.sh" "" "$work/version_info_dump" \
    "$root/tests/packaging/expected_version_resource.txt" "$work/resource" "$exe"

echo "== the arithmetic tests under Wine"
wineboot --init
wineserver -w
wine "$build/tests/calc/calc_tests.exe" --gtest_brief=1

xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" --on-x-server
echo "Windows build and checks done in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
