// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

#include "model/cards.h"
#include "model/integer.h"

namespace quillane {

// One entry of the removal rule: a King alone (no second card), or an ordered pair whose
// ranks add up to thirteen.
struct RemovalEntry {
    Integer first = 0;
    std::optional<Integer> second;
    friend constexpr bool operator==(const RemovalEntry&, const RemovalEntry&) = default;
};

inline constexpr int removalEntryCount = 196;

// The four Kings first, then for every other card in ascending order its four partners, one
// per suit in suit order: (0, 11), (0, 24), (0, 37), (0, 50), (1, 10), ... (50, 39).
constexpr std::array<RemovalEntry, removalEntryCount> makeRemovalTable() {
    std::array<RemovalEntry, removalEntryCount> table{};
    std::size_t next = 0;
    for (Integer king : kings) table.at(next++) = {king, std::nullopt};
    for (int card = 0; card < cardCount; ++card) {
        if (isKing(card)) continue;
        const int partner = partnerRank(rankOf(card));
        for (int suit = 0; suit < 4; ++suit) {
            table.at(next++) = {static_cast<Integer>(card),
                                static_cast<Integer>(cardOf(partner, static_cast<Suit>(suit)))};
        }
    }
    return table;
}

inline constexpr std::array<RemovalEntry, removalEntryCount> removalTable = makeRemovalTable();

}  // namespace quillane
