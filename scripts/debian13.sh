#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and tests Quillane on Debian 13 with Debian's tools, in testbeds made from this
# machine's apt sources (see testbed.sh), after scripts/package.sh has built the source package
# into build-deb/ and scripts/sbuild.sh bookworm the Debian 12 package into build-debian12/:
#  - sbuild builds the source package, its tests included, into build-debian13/;
#  - autopkgtest runs the DEP-8 tests against that package, then against Debian 12's, which
#    plays on Debian 13 too;
#  - piuparts checks that Debian 13's installs, upgrades from Debian 12's and purges cleanly;
#  - autopkgtest runs the README's set-up, sh scripts/setup.sh, in a fresh testbed on package.sh's
#    copy of the checkout: it installs what it needs as on a fresh machine and builds with warnings as errors,
#    which the package's build does not. The tests it would go on to run are those sbuild ran.
set -eu
cd "$(dirname "$0")/.."
. scripts/common.sh
suite=trixie
arch=$(dpkg --print-architecture)
set -- build-deb/quillane_*.dsc
dsc=$1
set -- build-debian12/quillane_*_"$arch".deb
debian12_deb=$1
if [ ! -f "$dsc" ] || [ ! -f "$debian12_deb" ]; then
    echo "No source package in build-deb/ or no Debian 12 package in build-debian12/: run" \
        "sh scripts/package.sh --source-only and sh scripts/sbuild.sh bookworm first." >&2
    exit 1
fi

step "Debian 13: sbuild" sh scripts/sbuild.sh "$suite" "$dsc" build-debian13
set -- build-debian13/quillane_*_"$arch".changes
step "Debian 13: DEP-8 tests of Debian 13's package" sh scripts/dep8.sh "$suite" "$1" "$dsc"
step "Debian 13: DEP-8 tests of Debian 12's package" sh scripts/dep8.sh "$suite" "$debian12_deb" \
    "$dsc"
set -- build-debian13/quillane_*_"$arch".deb
step "Debian 13: piuparts" sh scripts/piuparts.sh "$suite" --previous "$debian12_deb" "$1"
step "Debian 13: the README's set-up" sh scripts/dep8.sh "$suite" build-deb/quillane/ \
    --no-built-binaries \
    --override-control=scripts/setup.control
echo "== Debian 13: all passed."
