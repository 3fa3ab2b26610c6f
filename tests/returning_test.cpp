// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"
#include "play/return_cases.h"

namespace quillane {
namespace {

using testing::faceAt;
using testing::faceOf;
using testing::startedForm;
using testing::visibleFaces;

// Cards that never pair: two fours, two fives and so on never add up to thirteen.
constexpr int fourOfHearts = 3;
constexpr int fourOfSpades = 16;
constexpr int fourOfClubs = 29;
constexpr int fourOfDiamonds = 42;

// Waste top is the card at position 30, below it 29 and 28.
std::unique_ptr<Form> formWithPile() {
    auto form = startedForm(
        {{21, fourOfHearts}, {22, fourOfSpades}, {29, fourOfClubs}, {30, fourOfDiamonds}});
    testing::turnStock(*form, 3);
    return form;
}

void expectPileShows(const Form& form, int card, Integer count) {
    EXPECT_EQ(form.wastecount, count);
    EXPECT_EQ(form.waste.at(static_cast<std::size_t>(count)), card);
    int showing = 0;
    for (int c : visibleFaces(form)) showing += faceOf(form, c).place() == wastePlace ? 1 : 0;
    EXPECT_EQ(showing, 1) << "only the top of the pile shows";
    EXPECT_TRUE(faceOf(form, card).Visible) << cardName(card);
    EXPECT_EQ(faceOf(form, card).place(), wastePlace) << cardName(card);
}

void expectSettled(const Form& form) {
    EXPECT_EQ(form.selcount, 0);
    EXPECT_EQ(form.sel2flag, 0);
    EXPECT_EQ(form.removedflag, 0);
    EXPECT_FALSE(form.cmdremove.Enabled);
    EXPECT_TRUE(form.Image2.Enabled);
}

TEST(ReturnCases, CoverEveryCombinationOnce) {
    for (Integer sel2flag : {Integer{0}, Integer{1}}) {
        for (bool first : {false, true}) {
            for (bool second : {false, true}) {
                int matching = 0;
                for (const ReturnCase& rule : returnCases) {
                    matching += rule.sel2flag == sel2flag && rule.firstFromWaste == first &&
                                (!rule.secondFromWaste || *rule.secondFromWaste == second);
                }
                EXPECT_EQ(matching, 1);
                EXPECT_EQ(
                    returnCases
                        .at(sel2flag == 1 ? (first ? 0 : 2) + (second ? 0 : 1) : (first ? 4 : 5))
                        .cardsBackOnPile,
                    (first ? 1 : 0) + (sel2flag == 1 && second ? 1 : 0));
            }
        }
    }
}

TEST(Returning, ASingleTriangleCardGoesBackToItsSlot) {  // case 6
    auto form = formWithPile();
    form->imgcard_Click(fourOfHearts);
    form->cmdremove_Click();
    EXPECT_EQ(faceOf(*form, fourOfHearts).place(), slotPlace(21));
    EXPECT_TRUE(faceOf(*form, fourOfHearts).Visible);
    EXPECT_EQ(form->roundscore[1], 0);
    expectPileShows(*form, fourOfDiamonds, 3);
    expectSettled(*form);
}

TEST(Returning, ASingleWasteCardGoesBackOnThePile) {  // case 5
    auto form = formWithPile();
    form->imgcard_Click(fourOfDiamonds);
    ASSERT_TRUE(faceOf(*form, fourOfClubs).Visible);
    form->cmdremove_Click();
    expectPileShows(*form, fourOfDiamonds, 3);
    EXPECT_FALSE(faceOf(*form, fourOfClubs).Visible);
    expectSettled(*form);
}

TEST(Returning, TwoWasteCardsGoBackInTheirOrder) {  // case 1
    auto form = formWithPile();
    form->imgcard_Click(fourOfDiamonds);
    form->imgcard_Click(fourOfClubs);
    ASSERT_EQ(form->wastecount, 1);
    form->cmdremove_Click();
    expectPileShows(*form, fourOfDiamonds, 3);
    EXPECT_EQ(form->waste[2], fourOfClubs);
    expectSettled(*form);
}

TEST(Returning, WasteAndTriangleCardGoBackInEitherOrder) {  // cases 2 and 3
    for (bool wasteFirst : {true, false}) {
        auto form = formWithPile();
        const std::array<Integer, 2> order =
            wasteFirst ? std::array<Integer, 2>{fourOfDiamonds, fourOfHearts}
                       : std::array<Integer, 2>{fourOfHearts, fourOfDiamonds};
        for (Integer card : order) form->imgcard_Click(card);
        form->cmdremove_Click();
        EXPECT_EQ(faceOf(*form, fourOfHearts).place(), slotPlace(21));
        expectPileShows(*form, fourOfDiamonds, 3);
        expectSettled(*form);
    }
}

TEST(Returning, TwoTriangleCardsGoBackToTheirSlots) {  // case 4
    auto form = formWithPile();
    form->imgcard_Click(fourOfHearts);
    form->imgcard_Click(fourOfSpades);
    form->cmdremove_Click();
    EXPECT_EQ(faceOf(*form, fourOfHearts).place(), slotPlace(21));
    EXPECT_EQ(faceOf(*form, fourOfSpades).place(), slotPlace(22));
    expectPileShows(*form, fourOfDiamonds, 3);
    expectSettled(*form);
}

TEST(Returning, AfterTakingTheTopWasteCardTheOneBelowStaysOnTop) {
    // The top of the pile, a 9, pairs with the 4 at slot 21.
    auto form = startedForm({{21, fourOfHearts}, {29, fourOfClubs}, {30, 8}});
    testing::turnStock(*form, 3);
    form->imgcard_Click(8);
    form->imgcard_Click(fourOfHearts);
    form->cmdremove_Click();
    EXPECT_EQ(form->roundscore[1], 1);
    expectPileShows(*form, fourOfClubs, 2);
    expectSettled(*form);
}

TEST(Returning, AnEmptyPileShowsNothing) {
    auto form = startedForm({{21, fourOfHearts}, {28, 12}});
    form->Image2_Click();
    form->imgcard_Click(12);
    form->cmdremove_Click();
    EXPECT_EQ(form->wastecount, 0);
    for (int card : visibleFaces(*form)) EXPECT_NE(faceOf(*form, card).place(), wastePlace);
}

}  // namespace
}  // namespace quillane
