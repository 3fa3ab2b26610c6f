#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the DEP-8 tests with autopkgtest in a fresh SUITE testbed (see testbed.sh), entered with
# autopkgtest-virt-unshare, for the packages and source given: a .changes, or .deb files and a
# .dsc. What the testbeds download is kept in build-testbeds/apt-cache-SUITE for the next one.
# Fails unless every test passes: a test skipped fails too.
# Usage: sh scripts/dep8.sh SUITE FILE... [autopkgtest option...]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
suite=$1
shift
sh "$top/scripts/install-missing.sh" autopkgtest
sh "$top/scripts/testbed.sh" "$suite"
cache=$top/build-testbeds/apt-cache-$suite
mkdir -p "$cache"
autopkgtest "$@" -- unshare --tarball "$top/build-testbeds/$suite.tar.gz" \
    --bind "$cache" /var/cache/apt/archives
