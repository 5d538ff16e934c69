#!/usr/bin/env bash
# Runs packaging/install-deps.sh against stand-ins for dpkg-query, apt-get, id and sudo: the
# groups nest and keep CI's heavy tools out of the others; Debian 13 and a system like Debian
# get Debian 13's names; only missing packages are asked for; where it cannot install (not
# Debian 12 or 13 nor like it, no apt-get, neither root nor sudo, apt-get failing) it says so
# in one line, installs nothing and exits non-zero.
#   install_deps_test.sh INSTALL-DEPS-SCRIPT WORK-DIR
set -euo pipefail
script=$(realpath "$1")
work=$2
. "$(dirname "$0")/../../tools/lib.sh"

rm -rf "$work"
mkdir -p "$work/tools"
printf 'PRETTY_NAME="Debian GNU/Linux 12 (bookworm)"\nNAME="Debian GNU/Linux"\nVERSION_ID="12"\n'`
    `'VERSION="12 (bookworm)"\nID=debian\n' >"$work/debian12"
sed 's/12/11/g' "$work/debian12" >"$work/debian11"
sed 's/12/13/g; s/bookworm/trixie/' "$work/debian12" >"$work/debian13"
printf 'PRETTY_NAME="Likeian 7"\nID=likeian\nID_LIKE="ubuntu debian"\nVERSION_ID="7"\n' \
    >"$work/like-debian"

list() { TAVROLIN_OS_RELEASE=${2:-$work/debian12} bash "$script" --list "$1"; } # group [os]
run_group=$(list run)
test_group=$(list test)
deb_group=$(list deb)
ci_group=$(list ci)
has() { grep -qFx -- "$2" <<<"$1"; } # list package
# Every package of the first list is in the second too, and the second has more.
nested() { # name list name list
    local missing
    missing=$(comm -23 <(sort <<<"$2") <(sort <<<"$4"))
    [ -z "$missing" ] || fail "in the $1 group but not in $3: $missing"
    [ "$(wc -l <<<"$4")" -gt "$(wc -l <<<"$2")" ] || fail "$3 adds nothing to $1"
}
nested run "$run_group" test "$test_group"
nested test "$test_group" deb "$deb_group"
nested deb "$deb_group" ci "$ci_group"
duplicates=$(sort <<<"$ci_group" | uniq -d)
[ -z "$duplicates" ] || fail "listed twice: $duplicates"
for package in valgrind clang-14 g++-mingw-w64-x86-64 galculator libxdamage-dev imagemagick \
    weston lintian; do
    has "$test_group" "$package" && fail "$package is in the test group"
    has "$ci_group" "$package" || fail "$package is not in the ci group"
done
for package in lintian weston; do
    has "$deb_group" "$package" || fail "$package is not in the deb group"
done
for package in libgtest-dev xvfb locales-all; do
    has "$run_group" "$package" && fail "$package is in the run group"
    has "$test_group" "$package" || fail "$package is not in the test group"
done
for package in qt6-base-dev qt6-wayland; do
    has "$run_group" "$package" || fail "$package is not in the run group"
done
bash "$script" --list nonsense >/dev/null 2>&1 && fail "an unknown group is accepted"

# Debian 13 and a system like it: Debian 13's names where they differ, in the same places.
debian13_ci=$(list ci "$work/debian13")
expected=$(sed -e 's/^fonts-liberation2$/fonts-liberation/' -e 's/^clang-14$/clang-19/' \
    -e 's/^libclang-rt-14-dev$/libclang-rt-19-dev/' <<<"$ci_group")
[ "$debian13_ci" = "$expected" ] || fail "Debian 13's names are not the expected ones:
$(diff <(echo "$expected") <(echo "$debian13_ci"))"
[ "$(list ci "$work/like-debian")" = "$debian13_ci" ] ||
    fail "a system like Debian does not get Debian 13's names"

# The stand-ins. dpkg-query knows the packages in $work/installed; apt-get and sudo write
# what they were asked into $work/calls; id -u answers $FAKE_UID.
cat >"$work/tools/dpkg-query" <<'EOF'
#!/bin/bash
package=${!#}
if grep -qx -- "$package" "$WORK/installed"; then printf installed; else exit 1; fi
EOF
cat >"$work/tools/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $* (DEBIAN_FRONTEND=${DEBIAN_FRONTEND:-})" >>"$WORK/calls"
exit "${FAKE_APT_STATUS:-0}"
EOF
cat >"$work/tools/sudo" <<'EOF'
#!/bin/bash
echo "sudo" >>"$WORK/calls"
exec "$@"
EOF
cat >"$work/tools/id" <<'EOF'
#!/bin/bash
echo "$FAKE_UID"
EOF
chmod +x "$work/tools/"*
ln -s "$(command -v env)" "$work/tools/env"
ln -s "$(command -v grep)" "$work/tools/grep"

# run CASE EXPECTED-STATUS GROUP [VAR=VALUE...]: runs the script with the stand-ins, with
# $work/installed as set up by the caller; leaves its stderr in $err and calls in $calls.
run() {
    local name=$1 expected=$2 group=$3 got=0
    shift 3
    : >"$work/calls"
    env -i PATH="$work/tools" WORK="$work" FAKE_UID=0 TAVROLIN_OS_RELEASE="$work/debian12" \
        "$@" "$BASH" "$script" "$group" >"$work/out" 2>"$work/err" || got=$?
    err=$(cat "$work/err")
    calls=$(cat "$work/calls")
    [ "$got" -eq "$expected" ] || fail "$name: exit status $got, not $expected; said: $err"
}
# The one-sentence advice: a single line, naming each package given.
advice() { # case package...
    local package
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$1: not one line: $err"
    [[ $err == *"then run this again." ]] || fail "$1: does not say what to do: $err"
    for package in "${@:2}"; do
        [[ " $err" == *" $package"[\ ,]* ]] || fail "$1: does not name $package: $err"
    done
    [ -z "$calls" ] || fail "$1: installed anyway: $calls"
}

list run "$work/debian11" >"$work/installed"
run "all there" 0 run FAKE_UID=1000 TAVROLIN_OS_RELEASE="$work/debian11"
[ -z "$calls$err" ] || fail "all there: asked for something or said: $calls $err"

# Two of the run group missing: its first and its last package.
first=$(head -n 1 <<<"$run_group")
last=$(tail -n 1 <<<"$run_group")
last13=$(list run "$work/debian13" | tail -n 1)
grep -vFx -e "$first" -e "$last" <<<"$run_group" >"$work/installed"
expected="apt-get update -q (DEBIAN_FRONTEND=noninteractive)
apt-get install -y -q --no-install-recommends $first $last (DEBIAN_FRONTEND=noninteractive)"
run "root" 0 run
[ "$calls" = "$expected" ] || fail "root: asked for:
$calls
not:
$expected"

run "sudo" 0 run FAKE_UID=1000
[ "$calls" = "sudo"$'\n'"${expected%%$'\n'*}"$'\n'"sudo"$'\n'"${expected#*$'\n'}" ] ||
    fail "sudo: asked for: $calls"

rm "$work/tools/sudo"
run "neither root nor sudo" 1 run FAKE_UID=1000
advice "neither root nor sudo" "$first" "$last"
[[ $err == *"apt-get install --no-install-recommends $first $last"* ]] ||
    fail "neither root nor sudo: gives no command for root: $err"

run "Debian 11" 1 run TAVROLIN_OS_RELEASE="$work/debian11"
advice "Debian 11" "$first" "$last13"

# Debian 13 installs its own names without a word; a system like Debian says first, in one
# line, that it tries them.
list run "$work/debian13" | grep -vFx -e "$first" -e "$last13" >"$work/installed"
for os in debian13 like-debian; do
    run "$os" 0 run TAVROLIN_OS_RELEASE="$work/$os"
    [ "$calls" = "${expected//" $last "/" $last13 "}" ] || fail "$os: asked for: $calls"
    [ $os = like-debian ] || [ -z "$err" ] || fail "$os: said: $err"
done
[[ $err == "Likeian 7 is not Debian 12 or 13: trying Debian 13's package names." ]] ||
    fail "like-debian: does not say in one line that it tries Debian 13's names: $err"

run "no os-release" 1 run TAVROLIN_OS_RELEASE="$work/nowhere"
advice "no os-release" "$first" "$last13"

run "apt-get failing" 1 run FAKE_APT_STATUS=100
[[ $calls == "apt-get update"* ]] || fail "apt-get failing: apt-get was not called: $calls"
calls=""
advice "apt-get failing" "$first" "$last"

rm "$work/tools/apt-get"
run "no apt-get" 1 run
advice "no apt-get" "$first" "$last"

# With no dpkg to ask, the advice names the whole group.
mv "$work/tools/dpkg-query" "$work/dpkg-query"
run "no dpkg" 1 test
mapfile -t group <<<"$test_group"
advice "no dpkg" "${group[@]}"

echo "install-deps.sh: groups nest; installs only what is missing; stops with one line where it cannot"
