#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries Quillane on Debian 13 from a Debian machine: makes a fresh minimal Debian 13 root with
# debootstrap from the mirror this machine's apt uses, and there
#  - installs the given package, if any (as built here by package.sh), with apt-get, and checks
#    that the installed game shows its window on Xvfb;
#  - runs the README's test command, sh scripts/test.sh, on a copy of this checkout (its
#    committed and untracked files; build folders and ignored files stay behind).
# Usage: sh scripts/debian13.sh [build-deb/quillane_*.deb]
# QUILLANE_SANITIZED_TESTS=no leaves out the sanitized half of the tests; QUILLANE_DEBIAN13_ROOT
# says where the root goes (default build-debian13/root, made afresh on every run);
# CMAKE_BUILD_PARALLEL_LEVEL and CI are passed on into the root. Needs root, or sudo.
# Everything mounted in the root is unmounted, and every process in it ended, on exit.
# shellcheck disable=SC2016 # commands for the root take their words as arguments
set -eu
package=""
if [ $# -gt 0 ]; then package=$(realpath "$1"); fi
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    exec sudo QUILLANE_SANITIZED_TESTS="${QUILLANE_SANITIZED_TESTS:-yes}" \
        QUILLANE_DEBIAN13_ROOT="${QUILLANE_DEBIAN13_ROOT:-}" CI="${CI:-}" \
        sh scripts/debian13.sh ${package:+"$package"}
fi
top=$PWD
suite=trixie
root=${QUILLANE_DEBIAN13_ROOT:-$top/build-debian13/root}
mkdir -p "$root"
root=$(realpath "$root")
copy=/root/quillane
# Waiting for the game's window, and for processes to end when asked to.
window_seconds=60
end_seconds=10

say() { printf '== %s: %s\n' "$(date -u +%H:%M:%S)" "$*"; }
phase_start=0
phase() {
    phase_start=$(date +%s)
    say "$*"
}
phase_done() { say "took $(($(date +%s) - phase_start)) s"; }

# What is mounted in the root, innermost last.
mounts_in_root() {
    awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/self/mounts
}
processes_in_root() {
    for dir in /proc/[0-9]*; do
        if [ "$(readlink "$dir/root" 2>/dev/null)" = "$root" ]; then echo "${dir#/proc/}"; fi
    done
}
# Asks every process in the root to end, then kills those still there when the time is up.
end_processes() {
    for signal in TERM KILL; do
        pids=$(processes_in_root)
        [ -n "$pids" ] || return 0
        # shellcheck disable=SC2086 # one word per process
        kill -s "$signal" $pids 2>/dev/null || true
        deadline=$(($(date +%s) + end_seconds))
        while [ -n "$(processes_in_root)" ] && [ "$(date +%s)" -lt "$deadline" ]; do
            sleep 0.1
        done
    done
    if [ -n "$(processes_in_root)" ]; then
        echo "Processes still running in $root: $(processes_in_root)" >&2
        return 1
    fi
}
cleanup() {
    status=$?
    trap - EXIT INT TERM
    end_processes || status=1
    for mount in $(mounts_in_root | sort -r); do
        umount "$mount" || umount -l "$mount" || status=1
    done
    if [ -n "$(mounts_in_root)" ]; then
        echo "Still mounted: $(mounts_in_root)" >&2
        status=1
    fi
    exit "$status"
}

# The machine's apt sources as "URI suite" lines, from deb822 .sources files and one-line .list
# files alike.
apt_sources() {
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        awk '
            function flush() {
                if (types ~ /(^| )deb( |$)/ && enabled != "no") {
                    n = split(uris, uri, " ")
                    m = split(suites, suite, " ")
                    for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print uri[i], suite[j]
                }
                types = uris = suites = enabled = ""
            }
            /^#/ { next }
            /^[ \t]*$/ { flush(); next }
            { field = tolower($1); value = $0; sub(/^[^:]*:[ \t]*/, "", value) }
            field == "types:" { types = value }
            field == "uris:" { uris = value }
            field == "suites:" { suites = value }
            field == "enabled:" { enabled = tolower(value) }
            END { flush() }' "$file"
    done
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        awk '$1 == "deb" {
            i = 2
            if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
            print $i, $(i + 1)
        }' "$file"
    done
}
# The main archive is the one with a release's own suite (no "-updates" and the like).
mirror=$(apt_sources | awk '$2 !~ /-/ { print $1; exit }')
security=$(apt_sources | awk '$2 ~ /-security$/ { print $1; exit }')
if [ -z "$mirror" ]; then
    echo "No Debian mirror found in this machine's apt sources." >&2
    exit 1
fi

missing=""
for tool in debootstrap git; do
    if ! command -v "$tool" >/dev/null; then missing="$missing $tool"; fi
done
if [ -n "$missing" ]; then
    apt-get update
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
if [ -n "$(mounts_in_root)" ] || [ -n "$(processes_in_root)" ]; then
    echo "$root is in use (mounts or processes): not replacing it." >&2
    exit 1
fi

phase "debootstrap of Debian 13 ($suite) from $mirror into $root"
rm -rf "$root"
mkdir -p "$root"
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 || {
    tail -n 20 "$root.debootstrap.log" >&2
    exit 1
}
rm -f "$root/etc/apt/sources.list"
{
    printf 'Types: deb\nURIs: %s\nSuites: %s %s-updates\nComponents: main\n' \
        "$mirror" "$suite" "$suite"
    printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
    if [ -n "$security" ]; then
        printf '\nTypes: deb\nURIs: %s\nSuites: %s-security\nComponents: main\n' \
            "$security" "$suite"
        printf 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg\n'
    fi
} >"$root/etc/apt/sources.list.d/debian.sources"
cp /etc/resolv.conf "$root/etc/resolv.conf"
phase_done

# Fresh file systems only, no bind of the machine's own /dev: nothing mounted here can reach
# back into the machine's mounts. debootstrap made the device nodes.
mount -t proc proc "$root/proc"
mount -t sysfs -o ro sysfs "$root/sys"
mount -t devpts -o newinstance,ptmxmode=0666,mode=0620 devpts "$root/dev/pts"
ln -sf pts/ptmx "$root/dev/ptmx"
mount -t tmpfs -o mode=1777 tmpfs "$root/dev/shm"

# Runs a command in the root with a clean environment, "online" or "offline": offline in a
# network namespace of its own, where X displays (abstract sockets) are the root's alone. In the
# background, so that a signal to this script is handled at once.
in_root() {
    network=$1
    shift
    set -- chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI="${CI:-}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games \
        QUILLANE_SANITIZED_TESTS="${QUILLANE_SANITIZED_TESTS:-yes}" DEBIAN_FRONTEND=noninteractive \
        ${CMAKE_BUILD_PARALLEL_LEVEL:+CMAKE_BUILD_PARALLEL_LEVEL="$CMAKE_BUILD_PARALLEL_LEVEL"} "$@"
    if [ "$network" = offline ]; then set -- unshare --net -- "$@"; fi
    "$@" &
    wait $!
}

phase "apt-get update in the root"
in_root online apt-get update -q
phase_done

if [ -n "$package" ]; then
    phase "installing $(basename "$package") in the root"
    cp "$package" "$root/tmp/"
    in_root online apt-get install -y -q "./tmp/$(basename "$package")"
    if in_root offline ldd /usr/games/quillane | grep 'not found'; then
        echo "The installed game lacks libraries." >&2
        exit 1
    fi
    phase_done
    phase "starting /usr/games/quillane on Xvfb in the root"
    in_root online apt-get install -y -q --no-install-recommends xvfb xauth xdotool
    # The game must still be running when its window has shown.
    in_root offline xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
        quillane & game=$!
        shown=0
        timeout "$1" xdotool search --sync --onlyvisible --name "^Quillane\$" >/dev/null || shown=$?
        kill "$game" || shown=1
        wait "$game" || true
        exit "$shown"' show-window "$window_seconds" || {
        echo "The installed game showed no window within $window_seconds s." >&2
        exit 1
    }
    say "The installed game showed its window."
    phase_done
fi

phase "copying the checkout to $copy in the root"
git -C "$top" ls-files -z --cached --others --exclude-standard |
    tar -C "$top" --null -T - --ignore-failed-read -cf - |
    { mkdir -p "$root$copy" && tar -C "$root$copy" --no-same-owner -xf -; }
# A repository of its own, so that tools that honour .gitignore (reuse) skip the build folders.
git init -q "$root$copy"
phase_done

phase "sh scripts/setup.sh in the root: installs what is missing, then builds"
in_root online sh -c 'cd "$1" && sh scripts/setup.sh' setup "$copy"
say "apt-get install of setup.sh's packages, from the root's apt history:"
grep -E '^(Start|End)-Date' "$root/var/log/apt/history.log" | tail -n 2
phase_done

phase "sh scripts/test.sh in the root, offline"
in_root offline sh -c 'cd "$1" && sh scripts/test.sh' test "$copy"
phase_done
say "Debian 13: all passed."
