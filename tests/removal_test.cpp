// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <optional>
#include <set>

#include "dealt_form.h"
#include "play/removal_table.h"

namespace quillane {
namespace {

using testing::faceOf;
using testing::startedForm;

// A selection made by clicks on the bottom row: the first card at slot 21, the second at 22.
std::unique_ptr<Form> formWithSelection(int first, std::optional<int> second) {
    std::map<int, int> placed = {{21, first}};
    if (second) placed[22] = *second;
    auto form = startedForm(placed);
    form->Image2_Click();
    form->imgcard_Click(static_cast<Integer>(first));
    if (second) form->imgcard_Click(static_cast<Integer>(*second));
    return form;
}

bool removes(int first, std::optional<int> second) {
    auto form = formWithSelection(first, second);
    form->cmdremove_Click();
    const bool removed = form->roundscore[1] == 1;
    EXPECT_EQ(!faceOf(*form, first).Visible, removed) << cardName(first);
    if (second) {
        EXPECT_EQ(!faceOf(*form, *second).Visible, removed) << cardName(*second);
    }
    EXPECT_LE(form->roundscore[1], 1) << "at most one entry matches";
    return removed;
}

// The table as the rule is worded: the Kings, then for each other card a, in ascending
// order, the cards 12 - r, 25 - r, 38 - r and 51 - r, where r is the rank of a.
RemovalEntry writtenEntry(int i) {
    if (i < 4) return {static_cast<Integer>(12 + 13 * i), std::nullopt};
    std::vector<int> nonKings;
    for (int card = 0; card <= 50; ++card) {
        if (card % 13 != 12) nonKings.push_back(card);
    }
    const int a = nonKings.at(static_cast<std::size_t>((i - 4) / 4));
    const int r = a % 13 + 1;
    const std::array<int, 4> partners = {12 - r, 25 - r, 38 - r, 51 - r};
    return {static_cast<Integer>(a),
            static_cast<Integer>(partners.at(static_cast<std::size_t>((i - 4) % 4)))};
}

class RemovalTableEntry : public ::testing::TestWithParam<int> {};

TEST_P(RemovalTableEntry, MatchesTheRuleAndRemoves) {
    const int i = GetParam();
    const RemovalEntry& entry = removalTable.at(static_cast<std::size_t>(i));
    const RemovalEntry written = writtenEntry(i);
    ASSERT_EQ(entry, written) << "entry " << i;
    EXPECT_TRUE(removes(entry.first, entry.second))
        << cardName(entry.first) << (entry.second ? " with " + cardName(*entry.second) : " alone");
}

INSTANTIATE_TEST_SUITE_P(AllEntries, RemovalTableEntry, ::testing::Range(0, removalEntryCount),
                         [](const auto& param) { return "entry" + std::to_string(param.param); });

TEST(RemovalTable, SpotChecksFromTheRule) {
    EXPECT_EQ(removalTable[4], (RemovalEntry{0, 11}));
    EXPECT_EQ(removalTable[5], (RemovalEntry{0, 24}));
    EXPECT_EQ(removalTable[8], (RemovalEntry{1, 10}));
    EXPECT_EQ(removalTable[9], (RemovalEntry{1, 23}));
    EXPECT_EQ(removalTable[195], (RemovalEntry{50, 39}));
    EXPECT_EQ(removalTable[192], (RemovalEntry{50, 0}));
    std::set<std::pair<int, int>> pairs;
    for (const RemovalEntry& entry : removalTable)
        pairs.insert({entry.first, entry.second.value_or(-1)});
    EXPECT_EQ(pairs.size(), removalTable.size()) << "every entry differs";
}

TEST(Removal, EverySelectionIsRemovedExactlyWhenTheRuleSaysSo) {
    for (int first = 0; first < cardCount; ++first) {
        ASSERT_EQ(removes(first, std::nullopt), isKing(first)) << cardName(first) << " alone";
        for (int second = 0; second < cardCount; ++second) {
            if (second == first) continue;
            const bool rule = rankOf(first) + rankOf(second) == pairSum;
            ASSERT_EQ(removes(first, second), rule)
                << cardName(first) << " with " << cardName(second);
        }
    }
}

TEST(Scoring, AKingAloneScoresAPoint) {
    auto form = formWithSelection(25, std::nullopt);
    form->cmdremove_Click();
    EXPECT_FALSE(faceOf(*form, 25).Visible);
    EXPECT_EQ(form->roundscore[1], 1);
    EXPECT_EQ(form->lblscore[1].Caption, "1");
    EXPECT_EQ(form->lblscore[6].Caption, "1");
    EXPECT_EQ(form->selcount + form->sel2flag + form->removedflag, 0);
    EXPECT_FALSE(form->cmdremove.Enabled);
    EXPECT_TRUE(form->Image2.Enabled);
}

TEST(Scoring, SixAndSevenInEitherOrder) {
    EXPECT_TRUE(removes(5, 32));  // 6 of hearts, 7 of clubs
    EXPECT_TRUE(removes(32, 5));
    EXPECT_TRUE(removes(0, 50));   // Ace of hearts, Queen of diamonds
    EXPECT_TRUE(removes(14, 36));  // 2 of spades, Jack of clubs
    EXPECT_FALSE(removes(12, 25)) << "two Kings";
    EXPECT_FALSE(removes(12, 0)) << "a King with a second card";
    EXPECT_FALSE(removes(0, 12));
    EXPECT_FALSE(removes(5, 18)) << "two sixes";
}

TEST(Scoring, RoundThreeExample) {
    auto form = formWithSelection(12, std::nullopt);
    form->roundno = 3;
    form->roundscore = {0, 5, 7, 0, 0, 0};
    form->cmdremove_Click();
    EXPECT_EQ(form->roundscore[3], 1);
    EXPECT_EQ(form->lblscore[3].Caption, "1");
    EXPECT_EQ(form->totalscore, 13);
    EXPECT_EQ(form->lblscore[6].Caption, "13");
}

TEST(Scoring, APressThatRemovesNothingRewritesTheLabels) {
    auto form = formWithSelection(3, std::nullopt);
    form->roundscore[1] = 4;
    form->lblscore[1].Caption = "stale";
    form->lblscore[6].Caption = "stale";
    form->cmdremove_Click();
    EXPECT_EQ(form->lblscore[1].Caption, "4");
    EXPECT_EQ(form->lblscore[6].Caption, "4");
}

TEST(Scoring, ScoreTextHasNoPaddingOrLeadingZeros) {
    auto form = formWithSelection(51, std::nullopt);
    form->roundscore[1] = 27;
    form->cmdremove_Click();
    EXPECT_EQ(form->lblscore[1].Caption, "28");
}

TEST(ScoringDeathTest, AScoreOverflowEndsTheProgram) {
    auto form = formWithSelection(12, std::nullopt);
    form->roundscore[1] = 32767;
    EXPECT_DEATH(form->cmdremove_Click(), "overflow_error");
}

TEST(ScoringDeathTest, ARoundOutsideTheTableEndsTheProgram) {
    auto form = formWithSelection(12, std::nullopt);
    form->roundno = 6;
    EXPECT_DEATH(form->cmdremove_Click(), "out_of_range");
}

}  // namespace
}  // namespace quillane
