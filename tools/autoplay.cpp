// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "autoplay.h"

#include <vector>

namespace quillane::autoplay {

namespace {

bool inSelection(const Image& face) {
    return placeByLeft(face.Left) == Whereabouts::inSelectionSlot1 ||
           placeByLeft(face.Left) == Whereabouts::inSelectionSlot2;
}

// Faces the player could click to select: visible, enabled and not already selected.
std::vector<int> selectableCards(const Form& form) {
    std::vector<int> cards;
    for (int card = 0; card < cardCount; ++card) {
        const Image& face = form.imgcard.at(static_cast<std::size_t>(card));
        if (face.Visible && face.Enabled && !inSelection(face)) cards.push_back(card);
    }
    return cards;
}

std::optional<int> partnerOf(int card, const std::vector<int>& cards) {
    for (int other : cards) {
        if (rankOf(card) + rankOf(other) == pairSum) return other;
    }
    return std::nullopt;
}

Move clickCard(int card) {
    return {Move::Kind::card, card};
}

}  // namespace

std::optional<Move> nextMove(const Form& form) {
    if (form.cmdstart.Visible && form.cmdstart.Enabled) return Move{Move::Kind::startGame};
    const std::vector<int> cards = selectableCards(form);
    const bool removeReady = form.cmdremove.Visible && form.cmdremove.Enabled;
    if (removeReady) {
        const bool completePair = form.sel2flag == 1;
        if (completePair || isKing(form.sel1card)) return Move{Move::Kind::remove};
        if (const auto partner = partnerOf(form.sel1card, cards)) return clickCard(*partner);
        return Move{Move::Kind::remove};  // nothing to pair it with: it goes back
    }
    for (int card : cards) {
        if (isKing(card)) return clickCard(card);
    }
    for (int card : cards) {
        if (partnerOf(card, cards)) return clickCard(card);
    }
    if (form.Image2.Visible && form.Image2.Enabled) return Move{Move::Kind::stock};
    if (form.cmdnext.Visible && form.cmdnext.Enabled) return Move{Move::Kind::nextRound};
    return std::nullopt;
}

void play(Form& form, const Move& move) {
    switch (move.kind) {
        case Move::Kind::startGame:
            form.cmdstart_Click();
            break;
        case Move::Kind::stock:
            form.Image2_Click();
            break;
        case Move::Kind::card:
            form.imgcard_Click(static_cast<Integer>(move.card));
            break;
        case Move::Kind::remove:
            form.cmdremove_Click();
            break;
        case Move::Kind::nextRound:
            form.cmdnext_Click();
            break;
    }
}

}  // namespace quillane::autoplay
