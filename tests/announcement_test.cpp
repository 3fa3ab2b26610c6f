// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"
#include "model/announcement.h"

namespace quillane {
namespace {

// Bottom row: slots 21..27 hold King of hearts, Queen of spades, Ace of spades, 6 of hearts,
// 6 of clubs, 5 of hearts, 2 of clubs; the stock starts with the 8 of hearts.
TEST(Announcement, EveryMoveIsSaidInOneSentence) {
    auto form = testing::startedForm(
        {{21, 12}, {22, 24}, {23, 13}, {24, 5}, {25, 31}, {26, 4}, {27, 27}, {28, 7}});
    Form showcase;
    showcase.Form_Load();
    EXPECT_EQ(announcementOf(showcase, *form), "Round 1 dealt. 24 cards to turn.");
    auto says = [&](auto move) {
        const FormState before = form->state();
        move(*form);
        return announcementOf(before, *form);
    };
    EXPECT_EQ(says([](Form& f) { f.Image2_Click(); }),
              "Bottom row face up. Turned 8 of hearts, 23 left.");
    EXPECT_EQ(says([](Form& f) { f.imgcard_Click(12); }), "King of hearts selected.");
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }),
              "Removed King of hearts. Round 1: 1 point, total 1.");
    EXPECT_EQ(says([](Form& f) { f.imgcard_Click(24); }), "Queen of spades selected.");
    EXPECT_EQ(says([](Form& f) { f.imgcard_Click(13); }),
              "Queen of spades and Ace of spades selected, 13.");
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }),
              "Removed Queen of spades and Ace of spades. 8 of spades and 9 of spades face up. "
              "Round 1: 2 points, total 2.")
        << "slots 15 and 16 are freed";
    form->imgcard_Click(5);
    form->imgcard_Click(31);
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }),
              "6 of hearts and 6 of clubs make 12: put back.");
    EXPECT_EQ(says([](Form& f) { f.imgcard_Click(7); }), "8 of hearts selected.");
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }), "8 of hearts put back.");
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }), "") << "nothing happened";
    testing::turnStock(*form, 22);
    const std::string last = says([](Form& f) { f.Image2_Click(); });
    EXPECT_TRUE(last.ends_with(". Stock empty. Next round: Alt+N.")) << last;
    EXPECT_EQ(says([](Form& f) { f.mnunew_Click(); }), "New game. Start game: Alt+S.");

    Form game;  // dealt at random: only the turning of the stocks matters
    game.Form_Load();
    game.cmdstart_Click();
    for (int round = 1; round < rounds; ++round) {
        testing::turnStock(game, stockCount);
        game.cmdnext_Click();
    }
    testing::turnStock(game, stockCount - 1);
    const FormState beforeTheLastCard = game.state();
    game.Image2_Click();
    const std::string gameOver = announcementOf(beforeTheLastCard, game);
    EXPECT_TRUE(gameOver.ends_with(". Stock empty. Last round, total 0.")) << gameOver;
}

}  // namespace
}  // namespace quillane
