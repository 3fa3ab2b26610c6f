// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/cards.h"

namespace quillane {

std::string rankName(int rank) {
    static const std::array<const char*, 4> named = {"Ace", "Jack", "Queen", "King"};
    if (rank == 1) return named[0];
    if (rank >= 11 && rank <= 13) return named[static_cast<std::size_t>(rank - 10)];
    return std::to_string(rank);
}

std::string suitName(Suit suit) {
    static const std::array<const char*, 4> names = {"hearts", "spades", "clubs", "diamonds"};
    return names.at(static_cast<std::size_t>(suit));
}

std::string cardName(int card) {
    if (card < 0 || card >= cardCount) return "card " + std::to_string(card);
    return rankName(rankOf(card)) + " of " + suitName(suitOf(card));
}

}  // namespace quillane
