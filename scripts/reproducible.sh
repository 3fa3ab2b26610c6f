#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks with reprotest that the source package in build-deb/ (see package.sh) builds into the
# same .deb files, byte for byte, in two places, as two checkouts of one commit do. The tests,
# which package.sh's build ran, are left out.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-missing.sh --build-depends reprotest
set -- build-deb/quillane_*.dsc
DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" reprotest --vary=-all,+build_path "$1"
