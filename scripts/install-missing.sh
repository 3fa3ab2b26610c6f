#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs with apt-get, on Debian 12 or 13, what is missing of: with --build-depends, what
# debian/control says the build and its tests need; and the packages named. Through sudo when
# not root, and only when something is missing.
# Usage: sh scripts/install-missing.sh [--build-depends] [package...]
set -eu
cd "$(dirname "$0")/.."
. scripts/common.sh
build_depends=no
if [ "${1:-}" = --build-depends ]; then
    build_depends=yes
    shift
fi
missing=""
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
# dpkg-checkbuilddeps comes with dpkg-dev, which a fresh machine may lack; apt-get build-dep
# then installs it with the rest of build-essential.
if [ "$build_depends" = yes ] && dpkg-checkbuilddeps >/dev/null 2>&1; then
    build_depends=no
fi
if [ -z "$missing" ] && [ "$build_depends" = no ]; then exit 0; fi

apt_get() { as_root env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }
apt_get update
if [ "$build_depends" = yes ]; then
    echo "Installing the build dependencies that debian/control names."
    apt_get build-dep -y --no-install-recommends ./
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    # shellcheck disable=SC2086 # one word per package
    apt_get install -y --no-install-recommends $missing
fi
