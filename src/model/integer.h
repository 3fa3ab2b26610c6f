// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace quillane {

// The game's whole numbers are 16-bit and its coordinates single precision; both are kept at
// those widths so that every bound and every overflow behaves as the rules expect.
using Integer = std::int16_t;
using Single = float;

// Integer addition with an overflow test. A failed test is a run-time error: the exception
// escapes the noexcept event handler and ends the program with the standard message.
inline Integer add(Integer a, Integer b) {
    Integer sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) throw std::overflow_error("Integer overflow");
    return sum;
}

inline Integer subtract(Integer a, Integer b) {
    Integer difference = 0;
    if (__builtin_sub_overflow(a, b, &difference)) throw std::overflow_error("Integer overflow");
    return difference;
}

// Conversion of a Single to Integer, rounding to the nearest whole number and a half to the
// even one; values outside the Integer range are an overflow.
inline Integer toInteger(Single value) {
    const long rounded = std::lrint(value);
    if (!std::isfinite(value) || rounded < INT16_MIN || rounded > INT16_MAX) {
        throw std::overflow_error("Integer overflow");
    }
    return static_cast<Integer>(rounded);
}

}  // namespace quillane
