#!/usr/bin/env bash
# Reads the package metadata note back from the built program with readelf and checks the
# section, its owner and type, and the JSON record it carries, text for text.
#   elf_note_test.sh EXECUTABLE
set -euo pipefail
binary=$1
command -v readelf >/dev/null || { echo "FAIL: readelf is not installed" >&2; exit 1; }

expected_json='{"type":"deb","name":"tavrolin","version":"1.00","description":"Helps you calculate'
expected_json+=' time needed to download certain about of megabytes with given Internet speed"}'

notes=$(readelf --notes --wide "$binary")
# The lines of the .note.package section only, up to the next section's notes.
package=$(awk '/^Displaying notes found in:/ { inside = ($NF == ".note.package") }
               inside' <<<"$notes")

status=0
fail() { echo "FAIL: $*" >&2; status=1; }

[ "$(grep -c '^Displaying notes found in: \.note\.package$' <<<"$notes")" -eq 1 ] ||
    fail "expected exactly one .note.package section"
[ "$(grep -cE '^ +FDO +0x[0-9a-f]+[[:space:]]+FDO_PACKAGING_METADATA\b' <<<"$package")" -eq 1 ] ||
    fail "expected one note of owner FDO and type FDO_PACKAGING_METADATA"
json=$(sed -n 's/^.*Packaging Metadata: //p' <<<"$package")
[ "$json" = "$expected_json" ] || fail "the JSON record differs:
  expected: $expected_json
  found:    $json"

[ $status -eq 0 ] && echo "package metadata note read back: $json"
[ $status -eq 0 ] || echo "$notes" >&2
exit $status
