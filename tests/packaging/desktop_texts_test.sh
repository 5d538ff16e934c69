#!/usr/bin/env bash
# Checks that the desktop entry and the AppStream metainfo carry the program's own texts:
# name, summary, version, command, icon, licence and the class X11 taskbars match the window
# by. The version record's description (with its typo) stays out of both.
#   desktop_texts_test.sh DESKTOP-FILE METAINFO-FILE
set -euo pipefail
desktop=$1 metainfo=$2
id=example.orlevan.Tavrolin
summary='Calculate how long a download takes at a given line speed'

status=0
expect_line() { # FILE LINE
    grep -qFx -- "$2" "$1" || { echo "FAIL: $(basename "$1") lacks the line: $2" >&2; status=1; }
}
expect_line "$desktop" "Name=Tavrolin"
expect_line "$desktop" "Comment=$summary"
expect_line "$desktop" "Exec=tavrolin"
expect_line "$desktop" "Icon=$id"
expect_line "$desktop" "Categories=Utility;Calculator;"
# Qt names the window's X11 class after the application, "Tavrolin".
expect_line "$desktop" "StartupWMClass=Tavrolin"
expect_line "$metainfo" "  <id>$id</id>"
expect_line "$metainfo" "  <name>Tavrolin</name>"
expect_line "$metainfo" "  <summary>$summary</summary>"
expect_line "$metainfo" "  <project_license>GPL-3.0-or-later</project_license>"
expect_line "$metainfo" "  <launchable type=\"desktop-id\">$id.desktop</launchable>"
expect_line "$metainfo" "    <binary>tavrolin</binary>"
grep -qE '^    <release version="1\.00" date="[0-9]{4}-[0-9]{2}-[0-9]{2}"/>$' "$metainfo" ||
    { echo "FAIL: the metainfo has no release 1.00 with a date" >&2; status=1; }
grep -qE '<image>https://[^<]+/docs/window\.png</image>' "$metainfo" || {
    echo "FAIL: the metainfo does not point to the repository's docs/window.png" >&2
    status=1
}
if grep -q 'about of' "$desktop" "$metainfo"; then
    echo "FAIL: the version record's description is shown to users" >&2
    status=1
fi
[ $status -eq 0 ] && echo "desktop entry and metainfo carry the program's texts"
exit $status
