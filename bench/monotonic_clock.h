// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ctime>

namespace quillane::bench {

// Nanoseconds on the clock that every process of the machine shares, so that times taken in
// the harness and in the probe it starts can be compared.
inline long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

}  // namespace quillane::bench
