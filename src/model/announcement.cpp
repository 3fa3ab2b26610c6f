// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/announcement.h"

#include <vector>

#include "model/cards.h"
#include "model/spoken.h"
#include "model/table.h"

namespace quillane {

namespace {

bool faceShows(const FormState& form, int card) {
    return form.imgcard.at(static_cast<std::size_t>(card)).Visible;
}

// "A", "A and B", "A, B and C".
std::string listed(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
        text += names.at(i);
    }
    return text;
}

// The triangle's cards that a press turned face up, in slot order.
std::string turnedFaceUp(const FormState& before, const FormState& after) {
    std::vector<std::string> names;
    for (int slot = 0; slot < slotCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot);
        if (before.Image1.at(i).Visible && !after.Image1.at(i).Visible)
            names.push_back(cardName(after.deck.at(i)));
    }
    return names.empty() ? "" : " " + listed(names) + " face up.";
}

std::string wasteTop(const FormState& form) {
    return cardName(form.waste.at(static_cast<std::size_t>(form.wastecount)));
}

std::string dealt(const FormState& after) {
    return "Round " + std::to_string(after.roundno) + " dealt. " + std::to_string(stockCount) +
           " cards to turn.";
}

std::string turned(const FormState& before, const FormState& after, int left) {
    std::string text = before.stockstarted == 0 ? "Bottom row face up. " : "";
    text += "Turned " + wasteTop(after);
    if (left > 0) return text + ", " + std::to_string(left) + " left.";
    text += ". Stock empty.";
    if (after.cmdnext.Visible) return text + " Next round: Alt+N.";
    return text + " Last round, total " + std::to_string(after.totalscore) + ".";
}

std::string selected(const FormState& before, const FormState& after) {
    std::string text;
    if (after.sel2flag == 1) {
        text = cardName(after.sel1card) + " and " + cardName(after.sel2card) + " selected, " +
               std::to_string(rankOf(after.sel1card) + rankOf(after.sel2card)) + ".";
    } else {
        text = cardName(after.sel1card) + " selected.";
    }
    const Single takenFrom = after.sel2flag == 1 ? after.sel2left : after.sel1left;
    if (onWastePile(takenFrom) && after.wastecount > 0 && before.wastecount != after.wastecount)
        text += " " + wasteTop(after) + " on the waste pile.";
    return text;
}

std::string settled(const FormState& before, const FormState& after) {
    const bool pair = before.sel2flag == 1;
    std::string cards = cardName(before.sel1card);
    if (pair) cards += " and " + cardName(before.sel2card);
    if (faceShows(after, before.sel1card)) {
        if (!pair) return cards + " put back.";
        return cards + " make " +
               std::to_string(rankOf(before.sel1card) + rankOf(before.sel2card)) + ": put back.";
    }
    const auto round = static_cast<std::size_t>(after.roundno);
    return "Removed " + cards + "." + turnedFaceUp(before, after) + " Round " +
           std::to_string(after.roundno) + ": " +
           spoken::plural(after.roundscore.at(round), "point") + ", total " +
           std::to_string(after.totalscore) + ".";
}

}  // namespace

std::string announcementOf(const FormState& before, const FormState& after) {
    if (before.inShowcase() && !after.inShowcase()) return dealt(after);
    if (!before.inShowcase() && after.inShowcase()) return "New game. Start game: Alt+S.";
    if (after.inShowcase()) return "";
    if (after.roundno != before.roundno) return dealt(after);
    if (const int left = spoken::cardsLeftInStock(after); left < spoken::cardsLeftInStock(before))
        return turned(before, after, left);
    if (after.selcount == 1 && (before.selcount == 0 || after.sel2flag > before.sel2flag))
        return selected(before, after);
    if (before.selcount == 1 && after.selcount == 0) return settled(before, after);
    return "";
}

}  // namespace quillane
