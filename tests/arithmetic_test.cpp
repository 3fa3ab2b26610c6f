// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/form.h"
#include "scripted_random.h"

namespace quillane {
namespace {

TEST(Arithmetic, IntegerAdditionIsSixteenBitAndChecked) {
    EXPECT_EQ(add(32766, 1), 32767);
    EXPECT_EQ(add(-32768, 0), -32768);
    EXPECT_THROW(add(32767, 1), std::overflow_error);
    EXPECT_THROW(add(-32768, -1), std::overflow_error);
    EXPECT_THROW(subtract(-32768, 1), std::overflow_error);
}

TEST(Arithmetic, ConversionToIntegerRoundsAndChecksRange) {
    EXPECT_EQ(toInteger(51.0F), 51);
    EXPECT_EQ(toInteger(-3.0F), -3);
    EXPECT_EQ(toInteger(2.4F), 2);
    EXPECT_EQ(toInteger(2.6F), 3);
    EXPECT_EQ(toInteger(2.5F), 2) << "a half to the even one";
    EXPECT_EQ(toInteger(3.5F), 4) << "a half to the even one";
    EXPECT_EQ(toInteger(-2.5F), -2) << "a half to the even one";
    EXPECT_THROW(toInteger(40000.0F), std::overflow_error);
    EXPECT_THROW(toInteger(std::numeric_limits<Single>::quiet_NaN()), std::overflow_error);
}

TEST(ArithmeticDeathTest, AFailedCheckInAHandlerEndsTheProgram) {
    EXPECT_DEATH(
        {
            Form form(std::make_unique<testing::ScriptedRandom>(
                std::vector<Single>{std::numeric_limits<Single>::quiet_NaN()}));
            form.Timer1_Timer();
        },
        "overflow_error");
}

}  // namespace
}  // namespace quillane
