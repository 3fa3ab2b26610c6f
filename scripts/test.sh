#!/bin/sh
# Sets Quillane up (see setup.sh) and runs the whole test suite. Window tests draw on Qt's
# offscreen platform, so no display is needed.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)"
