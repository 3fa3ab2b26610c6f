// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

#include "model/integer.h"

namespace quillane {

inline constexpr int cardCount = 52;
inline constexpr int ranksPerSuit = 13;
inline constexpr int kingRank = 13;
// Two cards are removed together when their ranks add up to this.
inline constexpr int pairSum = 13;

enum class Suit { hearts, spades, clubs, diamonds };

// A card index runs 0..51: suit = index div 13 and rank = index mod 13 + 1 (1 Ace .. 13 King).
constexpr int rankOf(int card) {
    return card % ranksPerSuit + 1;
}
constexpr Suit suitOf(int card) {
    return static_cast<Suit>(card / ranksPerSuit);
}
constexpr int cardOf(int rank, Suit suit) {
    return static_cast<int>(suit) * ranksPerSuit + rank - 1;
}
constexpr bool isKing(int card) {
    return rankOf(card) == kingRank;
}
// The rank that a card of this rank pairs with, their ranks adding up to thirteen; a King's is
// 0, for a King pairs with no card and goes alone.
constexpr int partnerRank(int rank) {
    return pairSum - rank;
}
constexpr bool isRed(Suit suit) {
    return suit == Suit::hearts || suit == Suit::diamonds;
}

// The Kings in suit order: 12, 25, 38, 51.
inline constexpr std::array<Integer, 4> kings = {
    cardOf(kingRank, Suit::hearts), cardOf(kingRank, Suit::spades), cardOf(kingRank, Suit::clubs),
    cardOf(kingRank, Suit::diamonds)};

// "Ace", "2" .. "10", "Jack", "Queen", "King".
std::string rankName(int rank);
// "hearts", "spades", "clubs", "diamonds".
std::string suitName(Suit suit);
// "Queen of spades"; anything outside 0..51 reads "card 52" and so on.
std::string cardName(int card);

}  // namespace quillane
