// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "model/random_source.h"

namespace quillane {

// A 64-bit linear congruential generator (multiplier and increment satisfy Hull-Dobell, so the
// period is the full 2^64) that starts from the same fixed state at every program start.
// Each value is the top 24 bits of the state scaled by 2^-24: exactly representable as a
// Single, so r never rounds up to 1. An LCG can also jump ahead in O(log n) steps, which lets
// the timer catch up on a day of 1-millisecond ticks at once.
class Generator final : public RandomSource {
  public:
    static constexpr std::uint64_t multiplier = 6364136223846793005ULL;
    static constexpr std::uint64_t increment = 1442695040888963407ULL;
    static constexpr std::uint64_t initialState = 0;

    Single next() override;
    void discard(std::uint64_t n) override;

    std::uint64_t state() const { return state_; }

  private:
    std::uint64_t state_ = initialState;
};

}  // namespace quillane
