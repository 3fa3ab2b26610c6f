#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes build-testbeds/SUITE.tar.gz with mmdebstrap: a minimal Debian SUITE (bookworm, trixie)
# with what building needs (the buildd variant) and apt's package lists, from the archives this
# machine's apt reads. sbuild, autopkgtest and piuparts start from it; the first two enter it
# with unshare, which maps the user's subordinate ids. A tarball less than a day old is kept.
# Usage: sh scripts/testbed.sh SUITE
set -eu
suite=$1
cd "$(dirname "$0")/.."
tarball=build-testbeds/$suite.tar.gz
sh scripts/install-missing.sh mmdebstrap uidmap
if [ "$(id -u)" -eq 0 ] && ! grep -q '^root:' /etc/subuid; then
    echo "Giving root subordinate ids, for unshare."
    usermod --add-subuids 100000-165535 --add-subgids 100000-165535 root
fi
if [ -n "$(find "$tarball" -mtime -1 2>/dev/null)" ]; then
    echo "Keeping $tarball, made less than a day ago."
    exit 0
fi

# The main archive has the release's own suite, the security archive its -security suite.
# shellcheck disable=SC2016 # apt-get fills in the fields
archives=$(apt-get indextargets --no-release-info --format '$(RELEASE) $(REPO_URI)' \
    'Identifier: Packages' | sort -u)
mirror=$(echo "$archives" | awk '$1 !~ /-/ { print $2; exit }')
security=$(echo "$archives" | awk '$1 ~ /-security$/ { print $2; exit }')
if [ -z "$mirror" ]; then
    echo "No Debian archive found among this machine's apt sources." >&2
    exit 1
fi
mkdir -p build-testbeds
rm -f "$tarball"
mmdebstrap --variant=buildd --skip=cleanup/apt/lists "$suite" "$tarball" \
    "deb $mirror $suite main" "deb $mirror $suite-updates main" \
    ${security:+"deb $security $suite-security main"}
