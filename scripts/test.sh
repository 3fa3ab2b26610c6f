#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets Quillane up (see setup.sh) and runs the whole test suite, then runs it again built with
# AddressSanitizer and UndefinedBehaviorSanitizer, which also check every test for leaks.
# Window tests draw on Qt's offscreen platform, so no display is needed. QUILLANE_SANITIZED_TESTS=no
# leaves out the sanitized half.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
if [ "${QUILLANE_SANITIZED_TESTS:-yes}" = no ]; then
    echo "QUILLANE_SANITIZED_TESTS=no: the sanitized half is left out."
    exit 0
fi

cmake -S . -B build-asan -G Ninja -DQUILLANE_WERROR=ON -DQUILLANE_SANITIZE=ON
cmake --build build-asan
# The sanitized run plays fewer random games: each one costs several times as much.
# shellcheck disable=SC2046 # one word per variable
env $(grep -v '^#' tests/fewer-games.env) \
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
