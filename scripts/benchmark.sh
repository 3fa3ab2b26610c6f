#!/bin/sh
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Quillane in Release with its benchmarks and prints their figures: start-up, memory,
# idle cost and click latency of the real window under Xvfb against a bare reference window,
# then the core alone. Installs what is missing on Debian 12, like setup.sh.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
missing=""
for package in xvfb xauth libbenchmark-dev; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
    $sudo apt-get update
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUILLANE_BUILD_BENCH=ON \
    -DQUILLANE_BUILD_TESTS=OFF
cmake --build build-release
echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
xvfb-run -a -s "-screen 0 1280x1024x24" build-release/bench/quillane-benchmark
build-release/bench/core_benchmark --benchmark_min_time=0.2
