// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/announcement.h"

#include <vector>

#include "access/moves_left.h"
#include "access/spoken.h"
#include "model/cards.h"
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

// The triangle's cards that a press turned face up, row by row from the top: "9 of spades face
// up in row 6.", "2 of clubs face up in row 5, 8 of hearts in row 6."
std::string turnedFaceUp(const FormState& before, const FormState& after) {
    std::string text;
    for (int row = 0; row < rowCount; ++row) {
        std::vector<std::string> names;
        for (int slot = firstSlotOfRow(row); slot < firstSlotOfRow(row + 1); ++slot) {
            const auto i = static_cast<std::size_t>(slot);
            if (before.Image1.at(i).Visible && !after.Image1.at(i).Visible)
                names.push_back(cardName(after.deck.at(i)));
        }
        if (names.empty()) continue;
        text += (text.empty() ? " " : ", ") + listed(names) + (text.empty() ? " face up" : "") +
                " in row " + std::to_string(row + 1);
    }
    return text.empty() ? "" : text + ".";
}

// Said once, by the move after which the round cannot go on.
std::string roundOver(const FormState& before, const FormState& after) {
    if (!movesLeft(before) || movesLeft(after)) return "";
    return " " + spoken::whatComesNext(after);
}

std::string dealt(const FormState& after, bool stockNamedNext) {
    const std::string text = "Round " + std::to_string(after.roundno) + " dealt.";
    return stockNamedNext ? text : text + " " + std::to_string(stockCount) + " cards to turn.";
}

std::string turned(const FormState& before, const FormState& after, int left) {
    std::string text = before.stockstarted == 0 ? "Bottom row face up. " : "";
    text += "Turned " + spoken::wasteTop(after);
    if (left > 0) return text + ", " + std::to_string(left) + " left.";
    text += ". Stock empty.";
    if (after.cmdnext.Visible || !movesLeft(after))
        return text + " " + spoken::whatComesNext(after);
    return text + " Last round, total " + std::to_string(after.totalscore) + ".";
}

std::string selected(const FormState& before, const FormState& after,
                     std::optional<ControlRef> cursorComesTo) {
    std::string text = spoken::selection(after);
    const Single takenFrom = after.sel2flag == 1 ? after.sel2left : after.sel1left;
    if (!onWastePile(takenFrom) || after.wastecount == 0 || before.wastecount == after.wastecount)
        return text;
    const Integer top = after.waste.at(static_cast<std::size_t>(after.wastecount));
    if (cursorComesTo == ControlRef{ControlKind::imgcard, top}) return text;
    return text + " " + spoken::wasteTop(after) + " on the waste pile.";
}

std::string settled(const FormState& before, const FormState& after) {
    const bool pair = before.sel2flag == 1;
    std::string cards = cardName(before.sel1card);
    if (pair) cards += " and " + cardName(before.sel2card);
    if (faceShows(after, before.sel1card)) {
        if (!pair) return cards + " put back." + roundOver(before, after);
        return cards + " make " +
               std::to_string(rankOf(before.sel1card) + rankOf(before.sel2card)) + ": put back." +
               roundOver(before, after);
    }
    // The score says the total, which the end of the game then leaves out.
    const bool over = !movesLeft(after) && movesLeft(before);
    return "Removed " + cards + "." + turnedFaceUp(before, after) + " " +
           spoken::roundScore(after, false) +
           (over ? " " + spoken::whatComesNextAfterScore(after) : std::string());
}

}  // namespace

std::string announcementOf(const FormState& before, const FormState& after) {
    return announcementBefore(before, after, std::nullopt);
}

std::string announcementBefore(const FormState& before, const FormState& after,
                               std::optional<ControlRef> cursorComesTo) {
    const bool stockNamedNext = cursorComesTo == ControlRef{ControlKind::Image2, 0};
    if (before.inShowcase() && !after.inShowcase()) return dealt(after, stockNamedNext);
    if (!before.inShowcase() && after.inShowcase())
        return "New game. " + spoken::pressing("Start game", ControlKind::cmdstart);
    if (after.inShowcase()) return "";
    if (after.roundno != before.roundno) return dealt(after, stockNamedNext);
    if (const int left = spoken::cardsLeftInStock(after); left < spoken::cardsLeftInStock(before))
        return turned(before, after, left);
    if (after.selcount == 1 && (before.selcount == 0 || after.sel2flag > before.sel2flag))
        return selected(before, after, cursorComesTo);
    if (before.selcount == 1 && after.selcount == 0) return settled(before, after);
    return "";
}

}  // namespace quillane
