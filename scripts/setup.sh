#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever Quillane needs that is missing on Debian 12 or 13, then configures and builds it
# in ./build. Needs root or sudo for apt-get, and only when something is missing.
set -eu
cd "$(dirname "$0")/.."

packages="g++ cmake ninja-build qt6-base-dev libgtest-dev fonts-dejavu-core fonts-liberation2 clang-format desktop-file-utils appstream"
# The screen reader's round over the accessibility bus, and random games on a real X server.
packages="$packages dbus at-spi2-core python3-gi python3-pyatspi xvfb"
# The round with Orca listening: speech on a null sound device, a window manager, keys.
packages="$packages orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng metacity xdotool x11-utils"
# Licence marking, the manual page and the package's own checks.
packages="$packages reuse man-db groff-base dpkg-dev lintian"
# package.sh dates the package by the last commit; xvfb-run needs xauth, which xvfb only
# recommends.
packages="$packages git xauth"
missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
    $sudo apt-get update
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

# Compiled in batches of files (a unity build), which takes half the time of one file at a time.
cmake -S . -B build -G Ninja -DQUILLANE_WERROR=ON -DCMAKE_UNITY_BUILD=ON
cmake --build build
