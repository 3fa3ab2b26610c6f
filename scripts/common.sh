# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What .ci/run and the scripts share, read with the shell's `.` command: not a script of its own.
# Installing what is missing is scripts/install-missing.sh, which reads this too.

# Runs a command as root: as it is when root, otherwise through sudo.
as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# step WHAT COMMAND...: runs COMMAND between a line naming WHAT and one saying how long it took.
step() {
    step_what=$1
    shift
    step_started=$(date +%s)
    echo "== $step_what"
    "$@"
    echo "== $step_what took $(($(date +%s) - step_started)) s"
}
