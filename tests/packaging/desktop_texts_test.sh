#!/usr/bin/env bash
# Checks that the desktop entry and the AppStream metainfo carry the program's own texts:
# name, description, version, command and icon.
#   desktop_texts_test.sh DESKTOP-FILE METAINFO-FILE
set -euo pipefail
desktop=$1 metainfo=$2
id=example.orlevan.Tavrolin
description='Helps you calculate time needed to download certain about of megabytes with given'
description+=' Internet speed'

status=0
expect_line() { # FILE LINE
    grep -qFx -- "$2" "$1" || { echo "FAIL: $(basename "$1") lacks the line: $2" >&2; status=1; }
}
expect_line "$desktop" "Name=Tavrolin"
expect_line "$desktop" "Comment=$description"
expect_line "$desktop" "Exec=tavrolin"
expect_line "$desktop" "Icon=$id"
expect_line "$desktop" "Categories=Utility;Calculator;"
expect_line "$metainfo" "  <id>$id</id>"
expect_line "$metainfo" "  <name>Tavrolin</name>"
expect_line "$metainfo" "  <summary>$description</summary>"
expect_line "$metainfo" "  <launchable type=\"desktop-id\">$id.desktop</launchable>"
expect_line "$metainfo" "    <binary>tavrolin</binary>"
grep -qE '^    <release version="1\.00" date="[0-9]{4}-[0-9]{2}-[0-9]{2}"/>$' "$metainfo" ||
    { echo "FAIL: the metainfo has no release 1.00 with a date" >&2; status=1; }
grep -qE '<image>https://[^<]+/window\.png</image>' "$metainfo" ||
    { echo "FAIL: the metainfo does not point to the window screenshot" >&2; status=1; }
[ $status -eq 0 ] && echo "desktop entry and metainfo carry the program's texts"
exit $status
