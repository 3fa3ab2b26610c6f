// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autoplay.h"

#include <vector>

#include "model/control_view.h"
#include "model/input_routes.h"

namespace quillane::autoplay {

namespace {

bool takesInput(const Form& form, ControlRef control) {
    return viewOf(form, control).takesInput;
}

// Faces the player could click to select: taking input and not already selected. Only a face
// that shows can take input, and the player looks closer at those alone, as a person would.
std::vector<int> selectableCards(const Form& form) {
    std::vector<int> cards;
    for (int card = 0; card < cardCount; ++card) {
        const Image& face = form.imgcard.at(static_cast<std::size_t>(card));
        if (face.Visible && !inSelection(face.Left) &&
            takesInput(form, {ControlKind::imgcard, card}))
            cards.push_back(card);
    }
    return cards;
}

std::optional<int> partnerOf(int card, const std::vector<int>& cards) {
    for (int other : cards) {
        if (rankOf(other) == partnerRank(rankOf(card))) return other;
    }
    return std::nullopt;
}

ControlRef clickCard(int card) {
    return {ControlKind::imgcard, card};
}

constexpr ControlRef startGame{ControlKind::cmdstart};
constexpr ControlRef stock{ControlKind::Image2};
constexpr ControlRef remove{ControlKind::cmdremove};
constexpr ControlRef nextRound{ControlKind::cmdnext};

}  // namespace

std::optional<ControlRef> nextMove(const Form& form) {
    if (takesInput(form, startGame)) return startGame;
    const std::vector<int> cards = selectableCards(form);
    if (takesInput(form, remove)) {
        const bool completePair = form.sel2flag == 1;
        if (completePair || isKing(form.sel1card)) return remove;
        if (const auto partner = partnerOf(form.sel1card, cards)) return clickCard(*partner);
        return remove;  // nothing to pair it with: it goes back
    }
    for (int card : cards) {
        if (isKing(card)) return clickCard(card);
    }
    for (int card : cards) {
        if (partnerOf(card, cards)) return clickCard(card);
    }
    if (takesInput(form, stock)) return stock;
    if (takesInput(form, nextRound)) return nextRound;
    return std::nullopt;
}

}  // namespace quillane::autoplay
