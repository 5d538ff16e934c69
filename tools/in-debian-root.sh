#!/usr/bin/env bash
# Runs a command in a bare Debian root of the given release, as root, in a copy of the
# checkout's tracked files (at /root/tavrolin): how a newcomer's fresh machine of that release
# runs the project's commands. CI runs the test command and the package check in Debian 13.
#   tools/in-debian-root.sh SUITE COMMAND [ARGS...]
#   e.g. tools/in-debian-root.sh trixie bash tools/test.sh
# The root is mmdebstrap's minbase from the machine's own Debian mirrors with the release's
# name changed to SUITE, kept as a tarball in ~/.cache/tavrolin (TAVROLIN_ROOT_CACHE moves it)
# under a name made of the suite and a hash of the sources and options, so that a change to
# either makes a new one. Each run unpacks it afresh into a folder of its own, with /proc, /sys
# and /dev bound, a private /tmp, and removes it all again, also when a step fails. Needs
# root and mmdebstrap; mmdebstrap and the command run at a low priority.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
[ $# -ge 2 ] || {
    echo "usage: $0 SUITE COMMAND [ARGS...]" >&2
    exit 2
}
suite=$1
shift
[ "$(id -u)" -eq 0 ] || {
    echo "FAIL: $0 needs root (chroot and mounts)" >&2
    exit 1
}
command -v mmdebstrap >/dev/null || {
    echo "FAIL: $0 needs mmdebstrap (apt-get install mmdebstrap)" >&2
    exit 1
}
cache=${TAVROLIN_ROOT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tavrolin}

# The machine's Debian entries (deb822 and one-line, main archive, updates and security), with
# its own release's name, as in bookworm-updates, changed to the suite's.
host_suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$host_suite" ] || {
    echo "FAIL: /etc/os-release names no release (VERSION_CODENAME)" >&2
    exit 1
}
sources=$(
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -e "$file" ] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
            /(^|\n)URIs:[ \t]*[^\n]*debian/ && /(^|\n)Types:[ \t]*[^\n]*deb([ \t]|\n|$)/ {
                sub(/Types:[^\n]*/, "Types: deb"); print }' "$file"
    done | sed -E "/^[ \t]*#/d; /^Suites:/s/([ \t])$host_suite(-[a-z]+)?\b/\1$suite\2/g"
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -e "$file" ] || continue
        sed -nE "s/^[ \t]*deb[ \t]+([^#]*debian[^#]*)$/deb \1/p" "$file" |
            sed -E "s/([ \t])$host_suite(-[a-z]+)?([ \t])/\1$suite\2\3/"
    done
)
[ -n "$sources" ] || {
    echo "FAIL: no Debian mirror found in the machine's apt sources" >&2
    exit 1
}
options=(--variant=minbase --format=tar "$suite")
key=$( (printf '%s\n' "${options[@]}" "$sources") | sha256sum | cut -c1-12)
tarball=$cache/debian-$suite-minbase-$key.tar

if [ ! -f "$tarball" ]; then
    echo "Making a bare Debian $suite root into $tarball" >&2
    mkdir -p "$cache"
    # deb822 entries and one-line ones go as a file each.
    lists=$(mktemp -d)
    mirrors=()
    if grep -q '^URIs:' <<<"$sources"; then
        grep -v '^deb ' <<<"$sources" >"$lists/debian.sources"
        mirrors+=("$lists/debian.sources")
    fi
    if grep -q '^deb ' <<<"$sources"; then
        grep '^deb ' <<<"$sources" >"$lists/debian.list"
        mirrors+=("$lists/debian.list")
    fi
    started=$SECONDS
    nice -n 10 mmdebstrap "${options[@]}" "$tarball.partial" "${mirrors[@]}" ||
        { rm -rf "$lists" "$tarball.partial"; exit 1; }
    rm -rf "$lists"
    mv "$tarball.partial" "$tarball"
    echo "Debian $suite root made in $((SECONDS - started)) s" >&2
fi

# A fresh copy of the root, unpacked, mounted and removed by this run alone.
target=$(mktemp -d "${TMPDIR:-/tmp}/tavrolin-$suite.XXXXXX")
mounts=()
cleanup() {
    local status=$? pid mount
    # Whatever the command left running in the root (a session bus, say) holds its mounts.
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" != "$target" ] ||
            kill -9 "${pid#/proc/}" 2>/dev/null || true
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        mount=${mounts[i]}
        umount -R "$mount" 2>/dev/null || umount -R -l "$mount" || status=1
    done
    # Only once nothing is mounted below it is the root removed.
    if findmnt -rn -o TARGET | grep -q "^$target/"; then
        echo "FAIL: $target still has mounts; left in place" >&2
        status=1
    else
        rm -rf --one-file-system "$target"
    fi
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT TERM
tar -C "$target" -xf "$tarball"
for dir in proc sys dev; do
    mount --rbind "/$dir" "$target/$dir"
    mount --make-rslave "$target/$dir"
    mounts+=("$target/$dir")
done
mount -t tmpfs -o mode=1777,size=4g tmpfs "$target/tmp"
mounts+=("$target/tmp")
# Name resolution as on the machine; no services started by the packages' scripts in a chroot.
cp /etc/resolv.conf "$target/etc/resolv.conf"
printf '#!/bin/sh\nexit 101\n' >"$target/usr/sbin/policy-rc.d"
chmod +x "$target/usr/sbin/policy-rc.d"

# The checkout's tracked files as they are in the work tree, not bound into the root.
mkdir "$target/root/tavrolin"
git -C "$here" ls-files -z |
    (cd "$here" && tar --null -T - --ignore-failed-read -cf - 2>/dev/null) |
    tar -C "$target/root/tavrolin" -xf -

echo "In a bare Debian $suite root ($target): $*" >&2
nice -n 10 chroot "$target" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin ${CI:+CI="$CI"} \
    /bin/sh -c 'cd /root/tavrolin && exec "$@"' sh "$@"
