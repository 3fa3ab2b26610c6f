// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"

namespace quillane {
namespace {

using testing::faceAt;
using testing::startedForm;
using testing::turnStock;

TEST(Stock, FirstClickLaysTheBottomRowAndTurnsOneCard) {
    auto form = startedForm();
    form->Image2_Click();
    const std::array<Single, 7> lefts = {120, 1320, 2520, 3720, 4920, 6120, 7320};
    for (int slot = firstBottomSlot; slot < slotCount; ++slot) {
        SCOPED_TRACE(positionName(slot));
        EXPECT_FALSE(form->Image1.at(static_cast<std::size_t>(slot)).Visible);
        EXPECT_TRUE(faceAt(*form, slot).Visible);
        EXPECT_EQ(faceAt(*form, slot).place(),
                  (Place{lefts.at(static_cast<std::size_t>(slot - firstBottomSlot)), 3000}));
    }
    EXPECT_TRUE(faceAt(*form, 28).Visible);
    EXPECT_EQ(faceAt(*form, 28).place(), wastePlace);
    EXPECT_FALSE(faceAt(*form, 29).Visible) << "one card per click";
    EXPECT_FALSE(form->Image1[28].Visible);
    EXPECT_TRUE(form->Image1[29].Visible);
    EXPECT_FALSE(form->lblstart.Visible);
    EXPECT_EQ(form->stockpos, 29);
    EXPECT_EQ(form->wastecount, 1);
    EXPECT_EQ(form->waste[1], form->deck[28]);
    EXPECT_EQ(form->turnedflag, 0);
    EXPECT_EQ(form->stockstarted, 1);
    EXPECT_EQ(testing::visibleFaces(*form).size(), 8U);
}

TEST(Stock, SecondClickCoversTheFirstCard) {
    auto form = startedForm();
    turnStock(*form, 2);
    EXPECT_TRUE(faceAt(*form, 29).Visible);
    EXPECT_EQ(faceAt(*form, 29).place(), wastePlace);
    EXPECT_FALSE(faceAt(*form, 28).Visible);
    EXPECT_FALSE(form->Image1[29].Visible);
    EXPECT_EQ(form->wastecount, 2);
    EXPECT_EQ(form->stockpos, 30);
}

TEST(Stock, TwentyFourClicksTurnTheWholeStock) {
    auto form = startedForm();
    turnStock(*form, 23);
    EXPECT_EQ(form->stockpos, 51);
    EXPECT_TRUE(faceAt(*form, 50).Visible);
    EXPECT_TRUE(form->Image2.Visible) << "the 23rd click leaves the last card in the stock";
    EXPECT_FALSE(form->cmdnext.Visible);

    form->Image2_Click();
    EXPECT_FALSE(form->Image2.Visible);
    EXPECT_TRUE(faceAt(*form, 51).Visible);
    EXPECT_EQ(faceAt(*form, 51).place(), wastePlace);
    EXPECT_FALSE(faceAt(*form, 50).Visible);
    EXPECT_EQ(form->stockpos, 51);
    EXPECT_EQ(form->wastecount, 24) << "a pile never touched holds the whole stock";
    EXPECT_EQ(form->waste[24], form->deck[51]);
    for (int p = firstStockPosition; p <= lastStockPosition; ++p) {
        EXPECT_EQ(form->waste.at(static_cast<std::size_t>(p - 27)),
                  form->deck.at(static_cast<std::size_t>(p)));
    }
    EXPECT_TRUE(form->cmdnext.Visible);
}

TEST(Stock, GuardIgnoresClicksWhileSlotTwoIsFilled) {
    auto form = startedForm();
    form->sel2flag = 1;
    const FormState before = form->state();
    form->Image2_Click();
    EXPECT_EQ(form->state(), before);
    EXPECT_TRUE(form->lblstart.Visible);
}

TEST(Stock, ClickOnAnEmptyPileHidesNothing) {
    // The first stock card is a King, taken and removed: the pile is empty.
    auto form = startedForm({{28, 12}});
    form->Image2_Click();
    form->imgcard_Click(12);
    form->cmdremove_Click();
    ASSERT_EQ(form->wastecount, 0);
    const auto facesBefore = testing::visibleFaces(*form);

    form->Image2_Click();
    EXPECT_EQ(form->wastecount, 1);
    EXPECT_EQ(form->waste[1], form->deck[29]);
    EXPECT_TRUE(faceAt(*form, 29).Visible);
    EXPECT_EQ(testing::visibleFaces(*form).size(), facesBefore.size() + 1);
}

TEST(Stock, EachRoundStartsThePileAfresh) {
    auto form = testing::startedWithDecks({testing::deckWith({}), testing::deckWith({})});
    turnStock(*form, stockCount);
    ASSERT_EQ(form->wastecount, 24);
    form->cmdnext_Click();
    EXPECT_TRUE(form->lblstart.Visible);
    form->Image2_Click();
    EXPECT_EQ(form->wastecount, 1);
    EXPECT_EQ(form->stockpos, 29);
    EXPECT_EQ(testing::visibleFaces(*form).size(), 8U);
}

}  // namespace
}  // namespace quillane
