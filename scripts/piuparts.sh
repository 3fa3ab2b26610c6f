#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks with piuparts, in a fresh SUITE testbed (see testbed.sh), that the .deb files given
# install and purge cleanly, leaving nothing behind; with --previous OLD.deb, also that they
# upgrade cleanly from OLD, an earlier build, which apt finds in a local repository.
# piuparts runs as root (through sudo when not root).
# Usage: sh scripts/piuparts.sh SUITE [--previous OLD.deb] FILE.deb...
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/scripts/common.sh"
suite=$1
shift
previous=""
if [ "${1:-}" = --previous ]; then
    previous=$(realpath "$2")
    shift 2
fi
sh "$top/scripts/install-missing.sh" piuparts
sh "$top/scripts/testbed.sh" "$suite"
# Debian 13's debconf leaves the directory it preconfigures packages in (for the dependencies:
# the game asks no questions); piuparts 1.1.7, Debian 12's, does not know to ignore it.
set -- --basetgz "$top/build-testbeds/$suite.tar.gz" --distribution "$suite" \
    --keep-sources-list --ignore=/var/cache/debconf/tmp.ci/ "$@"
if [ -n "$previous" ]; then
    # piuparts runs post_chroot_unpack_* scripts before it updates apt's lists.
    repository=$top/build-testbeds/previous-build
    rm -rf "$repository"
    mkdir -p "$repository/scripts"
    cp "$previous" "$repository/"
    (cd "$repository" && dpkg-scanpackages . >Packages)
    printf '#!/bin/sh\necho "deb [trusted=yes] file:%s ./" >%s\n' "$repository" \
        /etc/apt/sources.list.d/previous-build.list \
        >"$repository/scripts/post_chroot_unpack_previous_build"
    chmod +x "$repository/scripts/post_chroot_unpack_previous_build"
    set -- --bindmount "$repository" --scriptsdir "$repository/scripts" "$@"
fi
as_root piuparts "$@"
