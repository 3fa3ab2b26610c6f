// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>

#include "model/generator.h"

namespace quillane {
namespace {

TEST(Generator, ValuesLieInTheHalfOpenUnitInterval) {
    Generator generator;
    Single smallest = 1;
    Single largest = 0;
    for (int i = 0; i < 200000; ++i) {
        const Single r = generator.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    EXPECT_LT(smallest, 0.001F);
    EXPECT_GT(largest, 0.999F);
}

TEST(Generator, StartsFromTheSameStateEveryTime) {
    Generator first;
    Generator second;
    for (int i = 0; i < 100; ++i) ASSERT_EQ(first.next(), second.next());
}

TEST(Generator, DiscardEqualsThatManyDraws) {
    for (std::uint64_t n : {0ULL, 1ULL, 2ULL, 3ULL, 17ULL, 1000ULL, 123457ULL}) {
        Generator stepped;
        Generator jumped;
        for (std::uint64_t i = 0; i < n; ++i) stepped.next();
        jumped.discard(n);
        EXPECT_EQ(stepped.state(), jumped.state()) << "after " << n << " values";
        EXPECT_EQ(stepped.next(), jumped.next());
    }
}

TEST(Generator, PeriodIsTheFull64Bits) {
    // The period divides 2^64; it is not 2^63 or less, so it is exactly 2^64.
    Generator half;
    half.discard(std::uint64_t{1} << 63);
    EXPECT_NE(half.state(), Generator::initialState);
    Generator full;
    full.discard(std::numeric_limits<std::uint64_t>::max());
    full.discard(1);
    EXPECT_EQ(full.state(), Generator::initialState);
}

TEST(Generator, EveryCardIndexKeepsComingUp) {
    Generator generator;
    for (int block = 0; block < 20; ++block) {
        std::set<int> seen;
        for (int i = 0; i < 2000; ++i) seen.insert(static_cast<int>(generator.next() * 52.0));
        EXPECT_EQ(seen.size(), 52U) << "block " << block;
    }
}

}  // namespace
}  // namespace quillane
