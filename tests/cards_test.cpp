// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "model/cards.h"

namespace quillane {
namespace {

struct NamedCard {
    int card;
    const char* name;
};

void PrintTo(const NamedCard& named, std::ostream* out) {
    *out << named.name;
}

class CardNameTest : public ::testing::TestWithParam<NamedCard> {};

TEST_P(CardNameTest, IndexGivesRankAndSuit) {
    EXPECT_EQ(cardName(GetParam().card), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    SuitTable, CardNameTest,
    ::testing::Values(NamedCard{0, "Ace of hearts"}, NamedCard{1, "2 of hearts"},
                      NamedCard{9, "10 of hearts"}, NamedCard{10, "Jack of hearts"},
                      NamedCard{11, "Queen of hearts"}, NamedCard{12, "King of hearts"},
                      NamedCard{13, "Ace of spades"}, NamedCard{24, "Queen of spades"},
                      NamedCard{25, "King of spades"}, NamedCard{26, "Ace of clubs"},
                      NamedCard{36, "Jack of clubs"}, NamedCard{38, "King of clubs"},
                      NamedCard{39, "Ace of diamonds"}, NamedCard{48, "10 of diamonds"},
                      NamedCard{51, "King of diamonds"}, NamedCard{52, "card 52"}),
    [](const auto& param) { return "card" + std::to_string(param.param.card); });

TEST(Cards, KingsAreTheFourCardsOfRankThirteen) {
    EXPECT_EQ(kings, (std::array<Integer, 4>{12, 25, 38, 51}));
    int found = 0;
    for (int card = 0; card < cardCount; ++card) found += isKing(card) ? 1 : 0;
    EXPECT_EQ(found, 4);
}

TEST(Cards, RedSuitsAreHeartsAndDiamonds) {
    EXPECT_TRUE(isRed(suitOf(0)));
    EXPECT_FALSE(isRed(suitOf(13)));
    EXPECT_FALSE(isRed(suitOf(26)));
    EXPECT_TRUE(isRed(suitOf(51)));
}

}  // namespace
}  // namespace quillane
