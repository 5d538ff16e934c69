#!/usr/bin/env bash
# Reads the package metadata note back from the built program with readelf and checks the
# section, its owner and type, and the JSON record it carries, text for text.
#   elf_note_test.sh EXECUTABLE
set -euo pipefail
binary=$1
. "$(dirname "$0")/../../tools/lib.sh"
command -v readelf >/dev/null || fail "readelf is not installed"

expected_json='{"type":"deb","name":"tavrolin","version":"1.00","description":"Helps you calculate'
expected_json+=' time needed to download certain about of megabytes with given Internet speed"}'

notes=$(readelf --notes --wide "$binary")
# The lines of the .note.package section only, up to the next section's notes.
package=$(awk '/^Displaying notes found in:/ { inside = ($NF == ".note.package") }
               inside' <<<"$notes")

[ "$(grep -c '^Displaying notes found in: \.note\.package$' <<<"$notes")" -eq 1 ] ||
    fail "expected exactly one .note.package section in:"$'\n'"$notes"
[ "$(grep -cE '^ +FDO +0x[0-9a-f]+[[:space:]]+FDO_PACKAGING_METADATA\b' <<<"$package")" -eq 1 ] ||
    fail "expected one note of owner FDO and type FDO_PACKAGING_METADATA in:"$'\n'"$package"
json=$(sed -n 's/^.*Packaging Metadata: //p' <<<"$package")
[ "$json" = "$expected_json" ] || fail "the JSON record differs:
  expected: $expected_json
  found:    $json"
echo "package metadata note read back: $json"
