// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"
#include "play/uncover_table.h"
#include "written_triangle.h"

namespace quillane {
namespace {

using testing::faceAt;
using testing::startedForm;
using testing::writtenCovering;
using testing::WrittenRow;
using testing::writtenTriangle;

bool faceUp(const Form& form, int slot) {
    return !form.Image1.at(static_cast<std::size_t>(slot)).Visible && faceAt(form, slot).Visible &&
           faceAt(form, slot).place() == slotPlace(slot);
}
bool faceDown(const Form& form, int slot) {
    return form.Image1.at(static_cast<std::size_t>(slot)).Visible && !faceAt(form, slot).Visible;
}

void removeKing(Form& form, int king) {
    form.imgcard_Click(static_cast<Integer>(king));
    form.cmdremove_Click();
    ASSERT_FALSE(testing::faceOf(form, king).Visible) << cardName(king);
}

TEST(UncoverTable, FollowsTheWrittenTriangle) {
    ASSERT_EQ(uncoverTable.size(), writtenCovering.size());
    std::size_t slot = 0;
    for (const WrittenRow& row : writtenTriangle) {
        for (Single left : row.lefts) {
            if (slot == uncoverTable.size()) return;  // the bottom row covers nothing
            SCOPED_TRACE(positionName(static_cast<int>(slot)));
            const UncoverRow& entry = uncoverTable.at(slot);
            EXPECT_EQ(entry.slot, static_cast<int>(slot));
            EXPECT_EQ(entry.firstChild, writtenCovering.at(slot).first);
            EXPECT_EQ(entry.secondChild, writtenCovering.at(slot).second);
            EXPECT_EQ(entry.place, (Place{left, row.top}));
            // Slots 15 to 20 are covered by the bottom row, whose backs the first stock click hid.
            EXPECT_EQ(entry.childBacksTested, slot <= 14);
            ++slot;
        }
    }
}

TEST(Uncover, PairFromTheBottomRowFreesTheCardAbove) {
    auto form = startedForm({{21, 5}, {22, 6}});  // 6 and 7 of hearts
    form->Image2_Click();
    form->imgcard_Click(5);
    form->imgcard_Click(6);
    form->cmdremove_Click();
    EXPECT_TRUE(faceUp(*form, 15));
    EXPECT_EQ(faceAt(*form, 15).place(), (Place{720, 2520}));
    EXPECT_TRUE(faceDown(*form, 16));
}

TEST(Uncover, OneChildGoneTurnsNothingTheSecondDoes) {
    auto form = startedForm({{21, 12}, {22, 25}});
    form->Image2_Click();
    removeKing(*form, 12);
    EXPECT_TRUE(faceDown(*form, 15));
    removeKing(*form, 25);
    EXPECT_TRUE(faceUp(*form, 15));
}

TEST(Uncover, NoCascadeWithinOnePress) {
    // Kings at 25, 26, 19 and 27: slot 19 turns when 25 and 26 go; once 19 is gone too, the
    // press that removes 27 turns slot 20, which still covers slot 14.
    auto form = startedForm({{25, 12}, {26, 25}, {19, 38}, {27, 51}});
    form->Image2_Click();
    removeKing(*form, 12);
    EXPECT_TRUE(faceDown(*form, 19));
    removeKing(*form, 25);
    EXPECT_TRUE(faceUp(*form, 19));
    removeKing(*form, 38);
    EXPECT_TRUE(faceDown(*form, 14));
    removeKing(*form, 51);
    EXPECT_TRUE(faceUp(*form, 20));
    EXPECT_EQ(faceAt(*form, 20).place(), (Place{6720, 2520}));
    EXPECT_TRUE(faceDown(*form, 14)) << "slot 20 is face up, so it still covers slot 14";
}

TEST(Uncover, TopCardTurnsWhenBothCardsBelowAreGone) {
    auto form = startedForm({{28, 12}});
    form->Image2_Click();
    for (int slot = 1; slot < slotCount; ++slot) {  // everything below the top has been removed
        form->Image1.at(static_cast<std::size_t>(slot)).Visible = false;
        form->imgcard.at(static_cast<std::size_t>(form->deck.at(static_cast<std::size_t>(slot))))
            .Visible = false;
    }
    removeKing(*form, 12);
    EXPECT_TRUE(faceUp(*form, 0));
    EXPECT_EQ(faceAt(*form, 0).place(), (Place{3720, 120}));
}

TEST(Uncover, APressThatOnlyReturnsTurnsNothing) {
    auto form = startedForm({{21, 12}, {22, 3}});
    form->Image2_Click();
    removeKing(*form, 12);
    form->imgcard_Click(3);
    form->cmdremove_Click();
    EXPECT_TRUE(faceUp(*form, 22));
    EXPECT_TRUE(faceDown(*form, 15));
}

TEST(Uncover, AWasteAndTrianglePairFreesASlot) {
    // King at 21; a 4 at 22 pairs with the 9 that is the first stock card.
    auto form = startedForm({{21, 12}, {22, 3}, {28, 8}});
    form->Image2_Click();
    removeKing(*form, 12);
    form->imgcard_Click(8);
    form->imgcard_Click(3);
    form->cmdremove_Click();
    EXPECT_EQ(form->roundscore[1], 2);
    EXPECT_TRUE(faceUp(*form, 15));
    EXPECT_EQ(form->wastecount, 0);
}

}  // namespace
}  // namespace quillane
