#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quillane in Release and packages it as a .deb in build-release/ (see setup.sh for what
# it installs; dpkg-shlibdeps comes from dpkg-dev).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
if ! dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "ok installed"; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends dpkg-dev
fi
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLANE_BUILD_TESTS=OFF
cmake --build build-release
(cd build-release && cpack)
