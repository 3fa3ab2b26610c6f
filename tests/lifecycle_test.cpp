// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"

namespace quillane {
namespace {

using testing::faceOf;
using testing::startedForm;
using testing::visibleFaces;

TEST(Lifecycle, LoadShowsTheShowcase) {
    Form form;
    form.Form_Load();
    EXPECT_EQ(visibleFaces(form), (std::vector<int>{12, 25, 38, 51}));
    for (std::size_t k = 0; k < kings.size(); ++k) {
        const Image& king = faceOf(form, kings[k]);
        EXPECT_EQ(king.place(), showcasePlaces[k]) << cardName(kings[k]);
        EXPECT_FALSE(king.Enabled) << cardName(kings[k]);
    }
    EXPECT_TRUE(form.cmdstart.Visible);
    EXPECT_FALSE(form.cmdnext.Visible || form.cmdremove.Visible || form.Image2.Visible ||
                 form.imgarrow.Visible || form.lblstart.Visible);
    for (const Image& back : form.Image1) EXPECT_FALSE(back.Visible);
    for (const Label& label : form.lblscore) EXPECT_FALSE(label.Visible);
    EXPECT_TRUE(form.Lblver.Visible && form.lblots.Visible && form.lblwritten.Visible &&
                form.lblzev.Visible);
}

TEST(Lifecycle, StartDealsRoundOneFaceDown) {
    auto form = startedForm();
    EXPECT_EQ(form->roundno, 1);
    EXPECT_EQ(form->imgarrow.Top, 3000);
    EXPECT_TRUE(form->imgarrow.Visible);
    EXPECT_EQ(form->lblscore[0].Caption, "Score");
    for (std::size_t row = 1; row < form->lblscore.size(); ++row) {
        EXPECT_EQ(form->lblscore[row].Caption, "0") << "lblscore(" << row << ")";
    }
    for (std::size_t row = 0; row < form->lblscore.size(); ++row) {
        EXPECT_TRUE(form->lblscore[row].Visible && form->lblscoreots[row].Visible);
    }
    EXPECT_TRUE(form->cmdremove.Visible);
    EXPECT_FALSE(form->cmdremove.Enabled);
    EXPECT_FALSE(form->cmdstart.Visible);
    EXPECT_TRUE(visibleFaces(*form).empty());
    for (const Image& back : form->Image1) EXPECT_TRUE(back.Visible);
    EXPECT_TRUE(form->Image2.Visible && form->Image2.Enabled);
    EXPECT_TRUE(form->lblstart.Visible);
    EXPECT_EQ(form->lblstart.Caption, "Click this card for start");
    for (const Line& line : form->Line1) EXPECT_TRUE(line.Visible);
    for (const Line& line : form->Line2) EXPECT_TRUE(line.Visible);
    for (Integer king : kings) EXPECT_TRUE(faceOf(*form, king).Enabled) << cardName(king);
    EXPECT_EQ(form->stockstarted + form->selcount + form->sel2flag + form->removedflag, 0);
}

TEST(Lifecycle, NextRoundMovesTheMarkerAndKeepsEarlierScores) {
    std::vector<std::vector<int>> decks(5, testing::deckWith({}));
    auto form = testing::startedWithDecks(decks);
    for (int round = 1; round < rounds; ++round) {
        testing::turnStock(*form, stockCount);
        ASSERT_TRUE(form->cmdnext.Visible) << "round " << round;
        form->roundscore.at(static_cast<std::size_t>(round)) = static_cast<Integer>(round * 2);
        form->lblscore.at(static_cast<std::size_t>(round)).Caption = std::to_string(round * 2);
        form->cmdnext_Click();
        EXPECT_FALSE(form->cmdnext.Visible);
    }
    EXPECT_EQ(form->roundno, 5);
    EXPECT_EQ(form->imgarrow.Top, 3960);
    for (int round = 1; round < rounds; ++round) {
        EXPECT_EQ(form->lblscore.at(static_cast<std::size_t>(round)).Caption,
                  std::to_string(round * 2));
        EXPECT_EQ(form->roundscore.at(static_cast<std::size_t>(round)), round * 2);
    }
    testing::turnStock(*form, stockCount);
    EXPECT_FALSE(form->cmdnext.Visible) << "no next round after round 5";
}

TEST(Lifecycle, NextRoundDropsAPendingSelection) {
    auto form = testing::startedWithDecks({testing::deckWith({}), testing::deckWith({})});
    testing::turnStock(*form, stockCount);
    const int waiting = form->waste.at(static_cast<std::size_t>(form->wastecount));
    form->imgcard_Click(static_cast<Integer>(waiting));
    ASSERT_EQ(faceOf(*form, waiting).place(), selectionSlot1);
    form->cmdnext_Click();
    EXPECT_FALSE(faceOf(*form, waiting).Visible);
    EXPECT_TRUE(visibleFaces(*form).empty());
    EXPECT_EQ(form->selcount, 0);
    EXPECT_EQ(form->sel2flag, 0);
    EXPECT_TRUE(form->Image2.Enabled && form->Image2.Visible);
    EXPECT_FALSE(form->cmdremove.Enabled);
    EXPECT_EQ(form->lblstart.Caption, "Click this card for start");
}

TEST(Lifecycle, NewGameMidRoundReturnsToTheShowcase) {
    // The King of clubs is the first stock card; it waits in a selection slot.
    auto form = testing::startedWithDecks({testing::deckWith({{28, 38}}), testing::deckWith({})});
    form->Image2_Click();
    form->imgcard_Click(38);
    form->mnunew_Click();

    Form showcase;
    showcase.Form_Load();
    EXPECT_EQ(visibleFaces(*form), visibleFaces(showcase));
    for (std::size_t k = 0; k < kings.size(); ++k) {
        EXPECT_EQ(faceOf(*form, kings[k]).place(), showcasePlaces[k]);
        EXPECT_FALSE(faceOf(*form, kings[k]).Enabled);
    }
    for (const Image& back : form->Image1) EXPECT_FALSE(back.Visible);
    for (const Label& label : form->lblscore) EXPECT_FALSE(label.Visible);
    EXPECT_FALSE(form->cmdremove.Visible || form->cmdnext.Visible || form->imgarrow.Visible ||
                 form->Image2.Visible || form->lblstart.Visible);
    EXPECT_TRUE(form->cmdstart.Visible);
    EXPECT_TRUE(form->Image2.Enabled);

    form->cmdstart_Click();
    EXPECT_EQ(form->roundno, 1);
    EXPECT_EQ(form->imgarrow.Top, 3000);
    EXPECT_EQ(form->lblscore[layout::totalRow].Caption, "0");
    EXPECT_EQ(form->selcount, 0);
}

TEST(Lifecycle, NewGameInTheShowcaseChangesNothingVisible) {
    Form form;
    form.Form_Load();
    const ControlStates before = form.controls();
    form.mnunew_Click();
    EXPECT_EQ(form.controls(), before);
}

TEST(Lifecycle, SecondGameDoesNotReplayTheFirstDeal) {
    Form form;
    form.Form_Load();
    form.cmdstart_Click();
    const auto firstDeal = form.deck;
    form.mnunew_Click();
    form.cmdstart_Click();
    EXPECT_NE(form.deck, firstDeal);
}

TEST(Lifecycle, ExitEndsTheProgramFromTheMiddleOfARound) {
    auto form = startedForm();
    form->Image2_Click();
    form->imgcard_Click(form->deck[21]);
    ASSERT_EQ(form->selcount, 1);
    EXPECT_FALSE(form->programEnded);
    form->mnuexit_Click();
    EXPECT_TRUE(form->programEnded);
}

}  // namespace
}  // namespace quillane
