#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages with dpkg-buildpackage into build-deb/, from a
# copy of the checkout in build-deb/quillane (what git tracks or would add, cleaned again after
# the build), and fails unless the game's tests pass during the build (DEB_BUILD_OPTIONS=nocheck
# leaves them out) and lintian finds neither error nor warning in the packages it built. Every
# time in them is the changelog's and the checkout's path is kept out, so two checkouts of one
# commit give the same .deb, byte for byte. With --source-only, it builds the source package
# alone, for sbuild to build the binary packages from, as CI does.
# Usage: sh scripts/package.sh [--source-only]
set -eu
cd "$(dirname "$0")/.."
parts=full
if [ "${1:-}" = --source-only ]; then
    parts=source
fi
sh scripts/install-missing.sh --build-depends lintian
tree=build-deb/quillane
rm -rf build-deb
mkdir -p "$tree"
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - | tar -C "$tree" -xf -
cd "$tree"
dpkg-buildpackage --build="$parts" --unsigned-source --unsigned-changes --jobs-try=auto \
    --post-clean --check-command=lintian --check-option=--fail-on=error,warning
