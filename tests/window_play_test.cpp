// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_driver.h"
#include "window_fixture.h"

namespace quillane {
namespace {

using testing::WindowTest;

// A whole five-round game played with mouse clicks only, each move chosen from what the
// window shows; the game must come to rest at the end of round 5 with a consistent table.
TEST_F(WindowTest, FiveRoundsByClicksEndWithAConsistentScoreTable) {
    int rounds = 1;
    for (int move = 0; move < 5000; ++move) {
        now += std::chrono::milliseconds(3);  // the player takes a little time between clicks
        const auto next = autoplay::nextMove(form());
        if (!next) break;
        if (next->kind == ControlKind::cmdnext) ++rounds;
        autoplay::click(*window, *next);
    }
    ASSERT_FALSE(autoplay::nextMove(form()).has_value()) << "the game came to rest";
    EXPECT_EQ(rounds, 5);
    EXPECT_EQ(form().roundno, 5);
    EXPECT_EQ(form().imgarrow.Top, 3960);
    EXPECT_FALSE(window->nextButton()->isVisible()) << "no sixth round";
    EXPECT_FALSE(form().Image2.Visible) << "the last stock is used up";

    int total = 0;
    for (std::size_t round = 1; round <= 5; ++round) {
        const int score = form().roundscore.at(round);
        EXPECT_GE(score, 0);
        EXPECT_LE(score, 28);
        EXPECT_EQ(form().lblscore.at(round).Caption, std::to_string(score)) << "round " << round;
        total += score;
    }
    EXPECT_GT(total, 0) << "a simple player clears something in five rounds";
    EXPECT_EQ(form().lblscore[6].Caption, std::to_string(total));
    EXPECT_EQ(form().totalscore, total);
}

}  // namespace
}  // namespace quillane
