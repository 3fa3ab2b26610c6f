#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quillane in Release with its benchmarks and prints their figures: start-up, memory,
# idle cost and click latency of the real window under Xvfb against a bare reference window,
# what a listening screen reader holds over many games, click latency again with a screen
# reader listening on a private accessibility bus, how soon Orca speaks after each kind of move
# played by keys, the window filling a large screen and resized to it, then the core alone.
# Installs what is missing on Debian 12, like setup.sh.
# Arguments go to quillane-benchmark: --clicks-only leaves out start-up, memory, idle cost and
# the screen reader's memory; --soak-only measures that memory alone.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
# The listening screen reader: a session bus, the accessibility bus and registry, and Debian's
# Python bindings for a client.
sh scripts/install-missing.sh xvfb xauth libbenchmark-dev dbus at-spi2-core python3-gi \
    python3-pyatspi

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLANE_BUILD_BENCH=ON \
    -DQUILLANE_BUILD_TESTS=OFF
cmake --build build-release
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
# Other work on the machine shows in the figures: say how busy it was before and after.
echo "Load before: $(cut -d' ' -f1-3 /proc/loadavg)"
xvfb-run -a -s "-screen 0 1280x1024x24" build-release/bench/quillane-benchmark "$@"
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
# The window filling a large screen, beside the reference filling it, and resized step by step.
largeScreen=3840x2160
echo "The window filling a screen of $largeScreen:"
xvfb-run -a -s "-noreset -screen 0 ${largeScreen}x24" build-release/bench/quillane-benchmark --filling
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
# How soon Orca speaks what each kind of move did, over two games played by keys alone.
dbus-run-session -- /usr/bin/python3 -B bench/orca_latency.py 2 build-release/src/quillane \
    "$(command -v Xvfb)" /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd \
    "$(command -v metacity)" "$(command -v orca)" "$(command -v xdotool)" "$(command -v xprop)" |
    grep -v '^game: \|^after \|^  Orca: \|^where am I\|^Tab:'
echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
build-release/bench/core_benchmark --benchmark_min_time=0.2
