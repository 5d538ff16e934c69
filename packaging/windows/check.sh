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
    # Qt Test writes to a file: under Wine its standard output can stay empty.
    for test in window_layout_test window_actions_test; do
        status=0
        timeout 300 wine "$build/$test.exe" -o "$test.txt,txt" || status=$?
        grep -v '^PASS\|^INFO\|^QCRITICAL.*EnableNonClientDpiScaling' "$test.txt"
        [ "$status" -eq 0 ] || fail "$test.exe ended with status $status"
    done

    echo "== the program driven with the keyboard"
    wine "$build/tavrolin.exe" &
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
    echo "the window after the three steps: $work/window.png"
    # Alt+F4 closes it, and the program ends.
    xdotool key alt+F4
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null && fail "tavrolin.exe still runs 10 s after Alt+F4"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "tavrolin.exe ended with status $status"
    wineserver -k || true
    exit 0
fi

started=$SECONDS
bash "$root/packaging/install-deps.sh" ci
bash "$root/packaging/windows/build.sh" tests
exe=$build/tavrolin.exe
rm -rf "$work"
mkdir -p "$work"

echo "== the DLLs tavrolin.exe loads"
# Windows' own libraries only: no C++ run-time, thread library or Qt beside the program.
# The api-ms-win-* names are Windows' API sets.
system_dlls='advapi32 authz comdlg32 d3d11 d3d9 dwmapi dwrite dxgi gdi32 imm32 kernel32 msvcrt
netapi32 ole32 oleaut32 setupapi shcore shell32 shlwapi user32 userenv uxtheme version winmm
ws2_32 wtsapi32'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]')
echo "$dlls" | tr '\n' ' '
echo
[ -n "$dlls" ] || fail "no DLL list read from $exe"
for dll in $dlls; do
    [[ $dll == api-ms-win-*.dll ]] && continue
    grep -qw "${dll%.dll}" <<<"$system_dlls" || fail "tavrolin.exe needs $dll, which Windows does not ship"
done

echo "== the version record and icon of tavrolin.exe"
g++ -std=c++20 -O1 -o "$work/version_info_dump" "$root/tests/packaging/version_info_dump.cpp"
bash "$root/tests/packaging/windows_resource_test.sh" "" "$work/version_info_dump" \
    "$root/tests/packaging/expected_version_resource.txt" "$work/resource" "$exe"

echo "== the arithmetic tests under Wine"
wineboot --init
# Windows has Arial; Wine has not, and Liberation Sans has its metrics. With no window manager
# on the private X server, Wine places the windows itself (otherwise it waits a second for one
# at every window it hides).
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
wineserver -w
wine "$build/calc_tests.exe" --gtest_brief=1
# Wine's session ends before the X server's starts: windows opened in a session begun without
# a display are never shown.
wineserver -w

xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash "$0" --on-x-server
echo "Windows build and checks done in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
