// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/generator.h"

namespace quillane {

namespace {
constexpr int fractionBits = 24;
constexpr Single scale = 1.0F / static_cast<Single>(1U << fractionBits);
}  // namespace

Single Generator::next() {
    state_ = state_ * multiplier + increment;
    return static_cast<Single>(state_ >> (64 - fractionBits)) * scale;
}

void Generator::discard(std::uint64_t n) {
    // n steps of x -> a*x + c compose to x -> A*x + C; build A and C by squaring.
    std::uint64_t totalMultiplier = 1;
    std::uint64_t totalIncrement = 0;
    std::uint64_t stepMultiplier = multiplier;
    std::uint64_t stepIncrement = increment;
    for (; n > 0; n >>= 1) {
        if ((n & 1U) != 0) {
            totalMultiplier *= stepMultiplier;
            totalIncrement = totalIncrement * stepMultiplier + stepIncrement;
        }
        stepIncrement = (stepMultiplier + 1) * stepIncrement;
        stepMultiplier *= stepMultiplier;
    }
    state_ = totalMultiplier * state_ + totalIncrement;
}

}  // namespace quillane
