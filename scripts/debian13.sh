#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and tests Quillane on Debian 13 with Debian's tools, in testbeds made from this
# machine's apt sources (see testbed.sh), after scripts/package.sh has built the source package
# and the Debian 12 package in build-deb/:
#  - sbuild builds the source package, its tests included, into build-debian13/;
#  - autopkgtest runs the DEP-8 tests against that package, then against Debian 12's;
#  - piuparts checks that Debian 13's installs, upgrades from Debian 12's and purges cleanly;
#  - autopkgtest runs the README's test command, sh scripts/test.sh, in a fresh testbed, on
#    package.sh's copy of the checkout (QUILLANE_SANITIZED_TESTS=no leaves out its sanitized
#    half, as with test.sh itself).
set -eu
cd "$(dirname "$0")/.."
. scripts/common.sh
suite=trixie
set -- build-deb/quillane_*.dsc
dsc=$1
set -- build-deb/quillane_*_"$(dpkg --print-architecture)".deb
debian12_deb=$1
if [ ! -f "$dsc" ] || [ ! -f "$debian12_deb" ]; then
    echo "No package in build-deb/: run sh scripts/package.sh first." >&2
    exit 1
fi

step "Debian 13: sbuild builds $dsc" sh scripts/sbuild.sh "$suite" "$dsc" build-debian13
set -- build-debian13/quillane_*.changes
step "Debian 13: DEP-8 tests of Debian 13's package" sh scripts/dep8.sh "$suite" "$1" "$dsc"
step "Debian 13: DEP-8 tests of Debian 12's package" sh scripts/dep8.sh "$suite" "$debian12_deb" \
    "$dsc"
set -- build-debian13/quillane_*_"$(dpkg --print-architecture)".deb
step "Debian 13: piuparts" sh scripts/piuparts.sh "$suite" --previous "$debian12_deb" "$1"
step "Debian 13: sh scripts/test.sh" sh scripts/dep8.sh "$suite" build-deb/quillane/ \
    --no-built-binaries \
    --override-control=scripts/test-suite.control \
    --env=QUILLANE_SANITIZED_TESTS="${QUILLANE_SANITIZED_TESTS:-yes}"
echo "== Debian 13: all passed."
