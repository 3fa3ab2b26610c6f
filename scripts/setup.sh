#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever Quillane's build and tests need that is missing on Debian 12 or 13 (the build
# dependencies in debian/control), then configures and builds it in ./build. Needs root or sudo
# for apt-get, and only when something is missing.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-missing.sh --build-depends

cmake -S . -B build -G Ninja -DQUILLANE_WERROR=ON
cmake --build build
