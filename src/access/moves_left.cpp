// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/moves_left.h"

#include <array>

#include "model/cards.h"

namespace quillane {

bool movesLeft(const FormState& form) {
    if (form.inShowcase()) return false;
    if (form.Image2.Visible || form.selcount > 0) return true;
    // Without a selection, every face that shows can be selected.
    std::array<bool, kingRank + 1> rankShows{};
    for (int card = 0; card < cardCount; ++card) {
        if (form.imgcard.at(static_cast<std::size_t>(card)).Visible)
            rankShows.at(static_cast<std::size_t>(rankOf(card))) = true;
    }
    if (rankShows.at(kingRank)) return true;
    for (int rank = 1; rank < partnerRank(rank); ++rank) {
        if (rankShows.at(static_cast<std::size_t>(rank)) &&
            rankShows.at(static_cast<std::size_t>(partnerRank(rank))))
            return true;
    }
    return false;
}

}  // namespace quillane
