#!/usr/bin/env bash
# CI's Windows step: builds tavrolin.exe, its installer and .zip, and the Windows tests
# (packaging/windows/build.sh), then checks them, running what runs under Wine:
#   - the executable needs no DLL but Windows' own; its version record and icon read back;
#   - the .zip holds the executable, the licence and the read-me;
#   - the arithmetic tests pass;
#   - the installer (installer.sh) installs over an older version, with a Start-menu
#     shortcut and an "Apps & features" entry, and takes everything away again;
#   - on a private X server, the window tests pass on Qt's Windows platform, the look test at
#     96, 120, 144 and 192 dpi, and the installed program at 192 dpi, started from its
#     shortcut and driven with the keyboard alone, shows the right results for 700 MB at
#     512 kbit/s (read back from its window, saved as build-windows/wine-check/window.png).
#   packaging/windows/check.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tools/lib.sh"
. "$root/packaging/windows/installer.sh"
build=${TAVROLIN_WINDOWS_BUILD:-$root/build-windows}
work=$build/wine-check
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko (Wine would offer to download them), and no menu entries on the machine's
# own desktop for the Start-menu shortcut.
export WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"

# Whatever fails, no Wine process of this prefix outlives the check (the X server ends with
# xvfb-run's command).
pid=
clean_up() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    [ ! -d "$WINEPREFIX" ] || wineserver -k 2>/dev/null || true
}
trap clean_up EXIT
trap 'exit 1' INT TERM HUP

# 700 MB at 512 kbit/s: the kilobytes, the transfer rate, and the time in seconds, minutes and
# hours.
expected_results=(716800 62.50 11468.80 191.15 3.19)

# Runs a Qt Test program of the build under Wine. Qt Test writes to a file: under Wine its
# standard output can stay empty.
qt_test() { # name [label [test functions...]]
    local name=$1 label=${2:-$1} log status=0
    log=$work/$label.txt
    shift $(($# < 2 ? $# : 2))
    timeout 300 wine "$build/$name.exe" -o "$log,txt" "$@" || status=$?
    [ ! -f "$log" ] || grep -v '^PASS\|^INFO\|^QCRITICAL.*EnableNonClientDpiScaling' "$log" || true
    [ "$status" -eq 0 ] || fail "$name.exe ($label) ended with status $status"
}

# The part on the X server, run by the part below under xvfb-run.
if [ "${1:-}" = --on-x-server ]; then
    cd "$work"
    echo "== the window tests on Qt's Windows platform"
    qt_test window_layout_test
    qt_test window_actions_test
    # Windows scales by the display's dots per inch (100 %, 125 %, 150 %, 200 %), which Wine
    # reads at each program's start.
    for dpi in 96 120 144 192; do
        echo "== the look test at $dpi dpi"
        wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
        # The colour schemes are left out: the look test sets them as palettes, which Qt 6.4's
        # Windows style does not draw its boxes with; Windows hands Qt the system's colours.
        qt_test window_look_test "window_look_test_at_${dpi}_dpi" textFitsItsBox \
            fontIsTheWidestThatFits textGrowsWithTheScale picture coloursOnScreen:light \
            buttonStatesStandOut longResults
    done

    echo "== the installed program at 192 dpi, started from its shortcut, driven with the keyboard"
    program=$(shortcut_target "$(start_menu_shortcut)")
    wine "$program" &
    pid=$!
    window=$(wait_for_window 60)
    xdotool windowfocus --sync "$window"
    sleep 1
    drive_three_steps 700 512
    sleep 1
    import -window "$window" window.png
    echo "the window after the three steps: $work/window.png"
    # The results read back from the window with OCR, at twice its size and in black and
    # white: Wine draws text unsmoothed, which OCR reads reliably at 200 % (at 100 % it read
    # 62.50 as 82.50), and the minutes' red ground hid them from it.
    convert window.png -filter point -resize 200% -colorspace Gray -threshold 50% window-ocr.png
    tesseract window-ocr.png window-ocr --psm 11 >/dev/null 2>&1
    read_back=$(tr -s ' \n' '\n\n' <window-ocr.txt)
    for result in "${expected_results[@]}"; do
        grep -qxF "$result" <<<"$read_back" ||
            fail "the window does not show $result; read from it: $(tr '\n' ' ' <<<"$read_back")"
    done
    echo "read back: ${expected_results[*]}"
    # Alt+F4 closes it, and the program ends.
    xdotool key alt+F4
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null && fail "tavrolin.exe still runs 10 s after Alt+F4"
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "tavrolin.exe ended with status $status"
    exit 0
fi

started=$SECONDS
bash "$root/packaging/install-deps.sh" ci
bash "$root/packaging/windows/build.sh" tests
exe=$build/tavrolin.exe
package=$build/$TAVROLIN_PACKAGE-$TAVROLIN_VERSION_TEXT-windows-x64
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
version_info_dump=$work/version_info_dump
g++ -std=c++20 -O1 -o "$version_info_dump" "$root/tests/packaging/version_info_dump.cpp"
bash "$root/tests/packaging/windows_resource_test.sh" "" "$version_info_dump" \
    "$root/tests/packaging/expected_version_resource.txt" "$work/resource" "$exe"

echo "== the .zip"
check_zip "$package.zip" "$exe"

echo "== the arithmetic tests under Wine"
wineboot --init
# Windows has Arial; Wine has not, and Liberation Sans has its metrics. With no window manager
# on the private X server, Wine places the windows itself (otherwise it waits a second for one
# at every window it hides).
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
wineserver -w
wine "$build/calc_tests.exe" --gtest_brief=1

echo "== the installer, over an older version"
install_over_older "$package.msi" "$exe"

# Wine's session ends before the X server's starts: windows opened in a session begun without
# a display are never shown.
wineserver -w
on_x_server bash "$0" --on-x-server

echo "== the installer takes the program away"
uninstall_cleanly "$package.msi"
wineserver -w
echo "Windows build and checks done in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
