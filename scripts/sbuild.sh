#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a source package with sbuild in a fresh SUITE testbed (see testbed.sh), entered with
# unshare, its tests included: apt installs the Build-Depends into a minimal Debian, so a build
# that passes proves them complete on that release.
# Usage: sh scripts/sbuild.sh SUITE DSC OUTPUT-DIRECTORY [sbuild option...]
set -eu
suite=$1
dsc=$(realpath "$2")
output=$3
shift 3
cd "$(dirname "$0")/.."
sh scripts/install-missing.sh sbuild
sh scripts/testbed.sh "$suite"
rm -rf "$output"
mkdir "$output"
sbuild --chroot-mode=unshare --chroot="build-testbeds/$suite.tar.gz" --dist="$suite" \
    --build-dir="$output" --jobs="$(nproc)" --no-run-lintian --no-run-autopkgtest \
    --no-run-piuparts "$@" "$dsc"
