// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"

namespace quillane {
namespace {

using testing::faceAt;
using testing::faceOf;
using testing::startedForm;

TEST(Selection, TriangleCardMovesToSlotOne) {
    auto form = startedForm();
    form->Image2_Click();
    const int card = form->deck[23];
    form->imgcard_Click(static_cast<Integer>(card));
    EXPECT_EQ(faceOf(*form, card).place(), selectionSlot1);
    EXPECT_TRUE(faceOf(*form, card).Visible);
    EXPECT_EQ((Place{form->sel1left, form->sel1top}), slotPlace(23));
    EXPECT_EQ(form->sel1card, card);
    EXPECT_EQ(form->selcount, 1);
    EXPECT_TRUE(form->cmdremove.Enabled);
    EXPECT_FALSE(form->Image2.Enabled);
    EXPECT_EQ(form->wastecount, 1);
}

TEST(Selection, ClicksOnSelectedCardsOrAThirdCardAreRefused) {
    auto form = startedForm();
    form->Image2_Click();
    form->imgcard_Click(form->deck[21]);
    FormState before = form->state();
    form->imgcard_Click(form->deck[21]);
    EXPECT_EQ(form->state(), before) << "the card in slot 1";

    form->imgcard_Click(form->deck[22]);
    ASSERT_EQ(form->sel2flag, 1);
    EXPECT_EQ(faceAt(*form, 22).place(), selectionSlot2);
    before = form->state();
    for (int position : {21, 22, 23, 28}) {
        form->imgcard_Click(form->deck.at(static_cast<std::size_t>(position)));
        EXPECT_EQ(form->state(), before) << positionName(position);
    }
}

TEST(Selection, TopWasteCardUncoversTheOneBeneath) {
    auto form = startedForm();
    testing::turnStock(*form, 3);
    const int top = form->deck[30];
    form->imgcard_Click(static_cast<Integer>(top));
    EXPECT_EQ(faceOf(*form, top).place(), selectionSlot1);
    EXPECT_EQ(form->wastecount, 2);
    EXPECT_TRUE(faceAt(*form, 29).Visible);
    EXPECT_EQ(faceAt(*form, 29).place(), wastePlace);

    form->imgcard_Click(form->deck[29]);
    EXPECT_EQ(faceAt(*form, 29).place(), selectionSlot2);
    EXPECT_EQ(form->wastecount, 1);
    EXPECT_TRUE(faceAt(*form, 28).Visible);
    EXPECT_EQ(form->waste[2], form->deck[29]) << "entries above the count stay";
    EXPECT_EQ(form->waste[3], form->deck[30]);
}

TEST(Selection, TakingTheOnlyPileCardLeavesThePileEmpty) {
    auto form = startedForm();
    form->Image2_Click();
    form->imgcard_Click(form->deck[28]);
    EXPECT_EQ(form->wastecount, 0);
    for (int card : testing::visibleFaces(*form)) {
        EXPECT_NE(faceOf(*form, card).place(), wastePlace) << cardName(card);
    }
}

TEST(Selection, AKingIsSelectedLikeAnyCard) {
    auto form = startedForm({{21, 7}, {22, 25}});
    form->Image2_Click();
    form->imgcard_Click(7);
    form->imgcard_Click(25);
    EXPECT_EQ(faceOf(*form, 25).place(), selectionSlot2);
    EXPECT_EQ(form->sel2card, 25);
}

}  // namespace
}  // namespace quillane
