# The checks of the Windows packages, for check.sh, which sources this after tools/lib.sh and
# sets root, work and WINEPREFIX. What they read they read from the prefix's files and
# registry, as Windows' own tools would show it.

# Kept here, not read from the installer: a new upgrade code would install each version
# beside the older ones instead of replacing them.
expected_upgrade_code='{8D1E6C52-4A7B-4F0E-9C3D-2B5A7E1F6C09}'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# The .zip holds the executable as built, the licence and the read-me, and nothing else.
check_zip() { # zip exe
    local listed
    listed=$(cmake -E tar tf "$1" | sort | tr '\n' ' ')
    [ "$listed" = "LICENSE.txt README.txt tavrolin.exe " ] || fail "$1 holds $listed"
    rm -rf "$work/zip"
    mkdir "$work/zip"
    (cd "$work/zip" && cmake -E tar xf "$1")
    cmp -s "$2" "$work/zip/tavrolin.exe" || fail "the tavrolin.exe of $1 is not the one built"
    grep -q 'GNU GENERAL PUBLIC LICENSE' "$work/zip/LICENSE.txt" ||
        fail "the LICENSE.txt of $1 is not the GPL"
    echo "$1: $listed"
}

# A registry value's data (wine reg prints "    NAME    TYPE    DATA", with Windows line ends).
reg_value() { # key name
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^    $2    REG_[A-Z_]*    //p"
}

# The subkeys of a key that hold a value with the given data.
reg_keys_with() { # key name data
    wine reg query "$1" /s 2>/dev/null | tr -d '\r' |
        awk -v prefix="    $2    REG_SZ    " -v data="$3" '
            /^HKEY/ { key = $0 }
            index($0, prefix) == 1 && substr($0, length(prefix) + 1) == data { print key }'
}

# The program's shortcut: one, in a Start menu's Programs folder. (Wine's installer puts
# shortcuts in the user's Start menu even for a per-machine install, where Windows uses the
# common one.)
start_menu_shortcut() {
    local found
    found=$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/*' \
        -iname "$TAVROLIN_PRODUCT.lnk")
    [ -n "$found" ] || fail "no $TAVROLIN_PRODUCT.lnk in a Start menu"
    [ "$(wc -l <<<"$found")" -eq 1 ] || fail "more than one shortcut: $found"
    echo "$found"
}

# The Unix path of what a shortcut starts, or of its icon.
shortcut_target() { # lnk [field]
    local windows_path
    windows_path=$(lnkinfo "$1" | sed -n "s/^\t${2:-Local path}\t*: //p")
    [ -n "$windows_path" ] || fail "$1 has no ${2:-Local path}"
    realpath "$(winepath -u "$windows_path")"
}

new_guid() {
    tr '[:lower:]' '[:upper:]' </proc/sys/kernel/random/uuid
}

# The installed program's version record, one field a line.
installed_record() { # exe
    wrestool --extract --raw --type=16 "$1" >"$work/installed-version.bin"
    "$version_info_dump" "$work/installed-version.bin"
}

install_over_older() { # msi exe
    local msi=$1 exe=$2 upgrade_code older entries
    upgrade_code=$(msiinfo export "$msi" Property | tr -d '\r' |
        awk -F '\t' '$1 == "UpgradeCode" { print $2 }')
    [ "$upgrade_code" = "$expected_upgrade_code" ] ||
        fail "the upgrade code is $upgrade_code, not $expected_upgrade_code"
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$work/files-before.txt"

    # The same installer as an older version: another product and package, the same upgrade
    # code.
    older=$work/older.msi
    cp "$msi" "$older"
    msibuild "$older" -q "UPDATE Property SET Value='0.1.0' WHERE Property='ProductVersion'" \
        -q "UPDATE Property SET Value='{$(new_guid)}' WHERE Property='ProductCode'" \
        -s "Installation Database" "$TAVROLIN_PRODUCT" "x64;1033" "{$(new_guid)}"
    wine msiexec /i "$older" /qn || fail "msiexec /i $older ended with status $?"
    entries=$(reg_keys_with "$uninstall_key" DisplayName "$TAVROLIN_PRODUCT")
    [ "$(reg_value "$entries" DisplayVersion)" = 0.1.0 ] ||
        fail "the older version is not installed: $entries"

    wine msiexec /i "$msi" /qn || fail "msiexec /i $msi ended with status $?"
    entries=$(reg_keys_with "$uninstall_key" DisplayName "$TAVROLIN_PRODUCT")
    [ -n "$entries" ] || fail "no \"Apps & features\" entry called $TAVROLIN_PRODUCT"
    [ "$(wc -l <<<"$entries")" -eq 1 ] || fail "the older version stays beside the new one"

    # The program, its licence and read-me under Program Files, where the shortcut points.
    local shortcut program folder record
    shortcut=$(start_menu_shortcut)
    program=$(shortcut_target "$shortcut")
    folder=$(dirname "$program")
    [[ $folder == "$WINEPREFIX/drive_c/Program Files/"* ]] || fail "installed in $folder"
    [ "$(ls "$folder" | tr '\n' ' ')" = "LICENSE.txt README.txt tavrolin.exe " ] ||
        fail "$folder holds $(ls "$folder" | tr '\n' ' ')"
    cmp -s "$exe" "$program" || fail "the installed tavrolin.exe is not the one built"
    cmp -s "$root/assets/icons/tavrolin.ico" "$(shortcut_target "$shortcut" 'Icon location')" ||
        fail "the shortcut's icon is not the program's"
    echo "shortcut: ${shortcut#"$WINEPREFIX/"} -> ${program#"$WINEPREFIX/"}"

    # The entry's name, version and publisher are those of the installed program's record.
    record=$(installed_record "$program")
    local field want got
    for field in DisplayName:ProductName Publisher:CompanyName DisplayVersion:FILEVERSION; do
        if [ "${field#*:}" = FILEVERSION ]; then
            # Windows Installer compares the first three numbers only.
            want=$(sed -n 's/^FILEVERSION \([0-9]*\.[0-9]*\.[0-9]*\)\..*/\1/p' <<<"$record")
        else
            want=$(sed -n "s|^StringFileInfo/[0-9A-F]*/${field#*:}=||p" <<<"$record")
        fi
        got=$(reg_value "$entries" "${field%:*}")
        [ -n "$want" ] && [ "$got" = "$want" ] ||
            fail "\"Apps & features\" says ${field%:*} \"$got\", the program's record \"$want\""
        echo "${field%:*}: $got"
    done
    # Its icon, which Wine's installer publishes with the product rather than in the entry.
    local product icon
    product=$(reg_keys_with 'HKLM\Software\Classes\Installer\Products' ProductName \
        "$TAVROLIN_PRODUCT")
    icon=$(realpath "$(winepath -u "$(reg_value "$product" ProductIcon)")")
    cmp -s "$root/assets/icons/tavrolin.ico" "$icon" ||
        fail "the entry's icon ($icon) is not the program's"
}

# Uninstalled, the program leaves no file and no registry entry behind.
uninstall_cleanly() { # msi
    local entry left
    entry=$(reg_keys_with "$uninstall_key" DisplayName "$TAVROLIN_PRODUCT")
    wine msiexec /x "$1" /qn || fail "msiexec /x $1 ended with status $?"
    wineserver -w
    (cd "$WINEPREFIX/drive_c" && find . | sort) >"$work/files-after.txt"
    # Windows Installer's own cache folder, which Windows always has, may stay.
    left=$(comm -13 "$work/files-before.txt" "$work/files-after.txt" |
        grep -vx './windows/Installer' || true)
    [ -z "$left" ] || fail "left behind: $left"
    # The registry files are written when the Wine server ends.
    left=$(grep -i -e "$TAVROLIN_PRODUCT" -e "${entry##*\\}" "$WINEPREFIX"/*.reg || true)
    [ -z "$left" ] || fail "left in the registry: $left"
    echo "no file and no registry entry left"
}
