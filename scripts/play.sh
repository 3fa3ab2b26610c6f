#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets Quillane up (see setup.sh) and starts the game.
set -eu
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Quillane needs a graphical display, and neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
sh scripts/setup.sh
exec build/src/quillane
