#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks with reprotest that the source package in build-deb/ (see package.sh) builds into the
# same .deb files, byte for byte, in two places, as two checkouts of one commit do. The tests,
# which the package's own build runs (package.sh's or sbuild's), are left out.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-missing.sh --build-depends reprotest
set -- build-deb/quillane_*.dsc
# reprotest pins each build to as many cores as --min-cpus says, one unless told: the build's
# parallel jobs need as many cores.
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" reprotest --vary=-all,+build_path \
    --min-cpus="$(nproc)" "$1"
