// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"

namespace quillane {
namespace {

using testing::startedForm;

// The states the rules give, built from the state before the event. The deal itself, and the
// loop counters it leaves behind, are the shuffle's business: they are taken from the form.
void takeTheDeal(FormState& state, const Form& dealt) {
    state.deck = dealt.deck;
    state.cardno = dealt.cardno;
    state.rndcard = dealt.rndcard;
    state.dealtcount = dealt.dealtcount;
    state.dealtcount2 = dealt.dealtcount2;
    state.scanpos = dealt.scanpos;
    state.duplicate = dealt.duplicate;
}

void showScoreTable(FormState& state, bool shown) {
    for (Line& line : state.Line1) line.Visible = shown;
    for (Label& label : state.lblscoreots) label.Visible = shown;
    for (Label& label : state.lblscore) label.Visible = shown;
}

void layOutShowcase(FormState& state) {
    for (std::size_t k = 0; k < kings.size(); ++k) {
        Image& king = state.imgcard.at(static_cast<std::size_t>(kings[k]));
        king = {showcasePlaces[k].Left, showcasePlaces[k].Top, true, false};
    }
}

// Round n dealt: every face hidden, the backs, the stock, the score table with its marker at
// row n, the selection frame, a disabled "&Remove" and the hint; the round's flags cleared.
FormState roundDealt(FormState state, const Form& dealt, int round) {
    takeTheDeal(state, dealt);
    for (Image& face : state.imgcard) face.Visible = false;
    for (Integer king : kings) state.imgcard.at(static_cast<std::size_t>(king)).Enabled = true;
    for (Image& back : state.Image1) back.Visible = true;
    state.Image2.Visible = true;
    state.Image2.Enabled = true;
    showScoreTable(state, true);
    state.imgarrow.Visible = true;
    state.imgarrow.Top = 3000 + 240 * static_cast<Single>(round - 1);
    for (Line& line : state.Line2) line.Visible = true;
    state.cmdstart.Visible = false;
    state.cmdnext.Visible = false;
    state.cmdremove = {true, false};
    state.lblstart = {"Click this card for start", true};
    state.roundno = static_cast<Integer>(round);
    state.stockstarted = state.selcount = state.sel2flag = state.removedflag = 0;
    return state;
}

FormState gameStarted(FormState state, const Form& dealt) {
    state = roundDealt(state, dealt, 1);
    state.roundscore.fill(0);
    state.totalscore = 0;
    for (std::size_t row = 1; row < state.lblscore.size(); ++row) state.lblscore[row].Caption = "0";
    return state;
}

// Back to the showcase; only the loop counter of the game variables changes.
FormState showcaseAgain(FormState state, const Form& after) {
    for (Image& face : state.imgcard) face.Visible = false;
    for (Image& back : state.Image1) back.Visible = false;
    state.Image2 = {state.Image2.Left, state.Image2.Top, false, true};
    showScoreTable(state, false);
    state.imgarrow.Visible = false;
    for (Line& line : state.Line2) line.Visible = false;
    state.cmdnext.Visible = false;
    state.cmdremove.Visible = false;
    state.lblstart.Visible = false;
    state.cmdstart.Visible = true;
    layOutShowcase(state);
    state.cardno = after.cardno;
    return state;
}

TEST(Lifecycle, LoadShowsTheShowcaseAndStartDealsRoundOne) {
    Form form;
    FormState expected = form.state();
    form.Form_Load();
    layOutShowcase(expected);
    EXPECT_EQ(form.state(), expected);

    const FormState showcase = form.state();
    form.cmdstart_Click();
    EXPECT_EQ(form.state(), gameStarted(showcase, form));
}

TEST(Lifecycle, EveryNextRoundDealsAfreshAndKeepsTheScores) {
    auto form = testing::startedWithDecks(std::vector(rounds, testing::deckWith({})));
    for (int round = 2; round <= rounds; ++round) {
        testing::turnStock(*form, stockCount);
        // A card left waiting in a selection slot, and points already on the table.
        form->imgcard_Click(form->waste.at(static_cast<std::size_t>(form->wastecount)));
        form->roundscore.at(static_cast<std::size_t>(round - 1)) = static_cast<Integer>(round);
        form->lblscore.at(static_cast<std::size_t>(round - 1)).Caption = std::to_string(round);
        ASSERT_TRUE(form->cmdnext.Visible) << "round " << round - 1;

        const FormState before = form->state();
        form->cmdnext_Click();
        ASSERT_EQ(form->state(), roundDealt(before, *form, round)) << "round " << round;
    }
    testing::turnStock(*form, stockCount);
    EXPECT_FALSE(form->cmdnext.Visible) << "no next round after round 5";
}

TEST(Lifecycle, NewGameReturnsToTheShowcaseFromAnywhere) {
    // The King of clubs is the first stock card; it waits in a selection slot.
    auto form = testing::startedWithDecks({testing::deckWith({{28, 38}}), testing::deckWith({})});
    form->Image2_Click();
    form->imgcard_Click(38);
    FormState before = form->state();
    form->mnunew_Click();
    EXPECT_EQ(form->state(), showcaseAgain(before, *form)) << "in the middle of a round";

    before = form->state();
    form->mnunew_Click();
    EXPECT_EQ(form->state(), showcaseAgain(before, *form)) << "in the showcase";

    before = form->state();
    form->cmdstart_Click();
    EXPECT_EQ(form->state(), gameStarted(before, *form)) << "the next game";
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
