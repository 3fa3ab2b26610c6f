// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "access/announcement.h"
#include "access/glance.h"
#include "access/refusal.h"
#include "access/spoken.h"
#include "dealt_form.h"

namespace quillane {
namespace {

using enum ControlKind;

// Bottom row: slots 21..27 hold King of hearts, Queen of spades, Ace of spades, 6 of hearts,
// 6 of clubs, 5 of hearts, 2 of clubs; the stock starts with the 8 of hearts.
std::unique_ptr<Form> knownDeal() {
    return testing::startedForm(
        {{21, 12}, {22, 24}, {23, 13}, {24, 5}, {25, 31}, {26, 4}, {27, 27}, {28, 7}});
}

TEST(Announcement, EveryMoveIsSaidInOneSentence) {
    auto form = knownDeal();
    Form showcase;
    showcase.Form_Load();
    EXPECT_EQ(announcementOf(showcase, *form), "Round 1 dealt. 24 cards to turn.");
    EXPECT_EQ(announcementBefore(showcase, *form, ControlRef{Image2, 0}), "Round 1 dealt.");
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
              "Removed Queen of spades and Ace of spades. 8 of spades and 9 of spades face up in "
              "row 6. Round 1: 2 points, total 2.")
        << "slots 15 and 16 are freed";
    form->imgcard_Click(5);
    form->imgcard_Click(31);
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }),
              "6 of hearts and 6 of clubs make 12: put back.");
    EXPECT_EQ(says([](Form& f) { f.imgcard_Click(7); }), "8 of hearts selected.");
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }), "8 of hearts put back.");
    EXPECT_EQ(says([](Form& f) { f.cmdremove_Click(); }), "") << "nothing happened";
    form->Image2_Click();
    const FormState beforeTaking = form->state();
    EXPECT_EQ(says([](Form& f) { f.imgcard_Click(28); }),
              "3 of clubs selected. 8 of hearts on the waste pile.")
        << "the waste pile's new top";
    EXPECT_EQ(announcementBefore(beforeTaking, *form, {{imgcard, 7}}), "3 of clubs selected.");
    form->cmdremove_Click();
    testing::turnStock(*form, 21);
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

TEST(Announcement, APressThatDoesNothingSaysWhy) {
    Form showcase;
    showcase.Form_Load();
    EXPECT_EQ(refusalOf(showcase, {imgcard, 12}), "Start game first: Alt+S.");
    EXPECT_EQ(refusalOf(showcase, {cmdremove, 0}), "Start game first: Alt+S.");
    EXPECT_EQ(refusalOf(showcase, {cmdnext, 0}), "Start game first: Alt+S.");

    auto form = knownDeal();
    EXPECT_EQ(refusalOf(*form, {cmdstart, 0}), "A game is on. New game: Alt+F, then G.");
    EXPECT_EQ(refusalOf(*form, {cmdremove, 0}), "Nothing selected.");
    EXPECT_EQ(refusalOf(*form, {cmdnext, 0}), "Next round: once the stock is used up.");
    EXPECT_EQ(refusalOf(*form, {Image1, 3}), "Face down until both cards below it are gone.");
    form->Image2_Click();
    form->imgcard_Click(24);
    EXPECT_EQ(refusalOf(*form, {imgcard, 24}), "Already selected.");
    EXPECT_EQ(refusalOf(*form, {Image2, 0}), "A card is selected. Remove first: Alt+R.");
    form->imgcard_Click(13);
    EXPECT_EQ(refusalOf(*form, {imgcard, 5}), "Two cards are selected. Remove: Alt+R.");
    form->cmdremove_Click();
    testing::turnStock(*form, stockCount - 1);
    EXPECT_EQ(refusalOf(*form, {Image2, 0}), "The stock is empty.");
    form->roundno = rounds;
    EXPECT_EQ(refusalOf(*form, {cmdnext, 0}), "This is the last round.");
}

TEST(Announcement, TheGameStateOnDemandAndTheEndOfTheGame) {
    Form showcase;
    showcase.Form_Load();
    EXPECT_EQ(spoken::gameState(showcase), "No game on. Start game: Alt+S.");
    auto form = knownDeal();
    EXPECT_EQ(spoken::gameState(*form), "Round 1 of 5: 0 points, total 0. 24 cards to turn.");
    form->Image2_Click();
    form->imgcard_Click(24);
    EXPECT_EQ(spoken::gameState(*form),
              "Round 1 of 5: 0 points, total 0. 23 cards to turn. 8 of hearts on the waste pile. "
              "Queen of spades selected.");

    // The last round: once nothing is left to remove, the game is over.
    form->roundno = rounds;
    form->cmdremove_Click();
    testing::turnStock(*form, stockCount - 1);
    // Only the King of hearts is left on the table.
    for (int card = 0; card < cardCount; ++card) form->imgcard.at(card).Visible = card == 12;
    for (int slot = 0; slot < slotCount; ++slot) form->Image1.at(slot).Visible = false;
    form->wastecount = 0;
    form->imgcard_Click(12);
    const FormState before = form->state();
    form->cmdremove_Click();
    EXPECT_EQ(announcementOf(before, *form),
              "Removed King of hearts. Round 5: 1 point, total 1. Game over. New game: Alt+F, "
              "then G.");
    EXPECT_EQ(spoken::gameState(*form),
              "Round 5 of 5: 1 point, total 1. Stock empty. Nothing left to remove. Game over. "
              "New game: Alt+F, then G.");
}

TEST(Announcement, TheTableAtAGlanceAndTheKeys) {
    Form showcase;
    showcase.Form_Load();
    TableReading reading;
    const auto glance = [&](const Form& form) {
        readTable(form, reading);
        return spoken::glance(form, reading);
    };
    EXPECT_EQ(glance(showcase), "No game on. Start game: Alt+S.");
    EXPECT_EQ(spoken::howToBegin(showcase), "Start game: Alt+S. Press H for the keys.");
    auto form = knownDeal();
    EXPECT_EQ(spoken::howToBegin(*form), "Press H for the keys.");
    EXPECT_EQ(glance(*form), "No card to play.") << "the bottom row waits for the first turn";
    form->Image2_Click();
    form->imgcard_Click(24);
    form->imgcard_Click(13);
    form->cmdremove_Click();
    form->imgcard_Click(12);
    EXPECT_EQ(glance(*form),
              "Row 6: 9 of spades, 2nd. Row 7: 6 of hearts, 4th; 6 of clubs, 5th; 5 of hearts, "
              "6th; 2 of clubs, 7th. Waste pile: 8 of hearts. King of hearts selected.")
        << "the 8 of spades turns face up only once the King of hearts is removed";
    const KeyBinding& queen = *std::find_if(tableKeys.begin(), tableKeys.end(),
                                            [](const KeyBinding& key) { return key.rank == 12; });
    EXPECT_EQ(spoken::nowhereToGo(*form, queen), "No Queen to play.");
    EXPECT_EQ(spoken::nowhereToGo(*form, keyFor(KeyAsks::waste)), "No card on the waste pile.");
    EXPECT_EQ(spoken::nowhereToGo(showcase, queen), "No game on. Start game: Alt+S.");

    EXPECT_EQ(spoken::tableDescription(), "Press S for the game's state, H for the keys.");
    EXPECT_EQ(spoken::keyList(),
              "Left or Right: along the row. Up or Down: the row above or below. Home or End: "
              "first or last in the row. Space or Enter: press. A, 1 to 9, 0, J, Q, K: next card "
              "of that rank to play. D: the stock. W: the waste pile. T: turn the stock. L: the "
              "cards to play. S: the game's state. H: these keys.");
}

}  // namespace
}  // namespace quillane
