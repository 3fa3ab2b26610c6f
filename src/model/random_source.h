// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "model/integer.h"

namespace quillane {

// The pseudo-random sequence the deal and the timer draw from. Every request returns the
// next value r of the sequence, a Single with 0 <= r < 1; nothing ever seeds it.
class RandomSource {
  public:
    RandomSource() = default;
    // A source is held through this base, where a copy would keep only the base's part.
    RandomSource(const RandomSource&) = delete;
    RandomSource& operator=(const RandomSource&) = delete;
    virtual ~RandomSource() = default;
    virtual Single next() = 0;
    // Skips n values, exactly as n calls of next() would.
    virtual void discard(std::uint64_t n) {
        for (; n > 0; --n) next();
    }
};

}  // namespace quillane
