// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/spoken.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "access/key_table.h"
#include "access/moves_left.h"
#include "model/control_kinds.h"

namespace quillane::spoken {

namespace {

// "row 7", counted from the top.
std::string rowName(int slot) {
    return "row " + std::to_string(rowOfSlot(slot) + 1);
}

// "3rd from the left": where a card of the triangle lies in its row, for a player walking the
// row with the keyboard.
std::string placeInRow(int slot) {
    return std::string(ordinalInRow(slot)) + " from the left";
}

// The modifier that goes with an access key.
constexpr std::string_view accessKeyModifier = "Alt+";

std::string keysFor(ControlKind control) {
    const KindDescription& kind = descriptionOf(control);
    const std::string modified(accessKeyModifier);
    if (kind.drawing != Drawing::menuItem) return modified + kind.accessKey;
    // A menu item's key works inside the open File menu. Its caption does not depend on the
    // form's state.
    static const ControlStates design;
    return modified + accessKeyOf(layout::mnufileCaption) + ", then " +
           accessKeyOf(kind.caption(design, 0));
}

}  // namespace

std::string_view ordinalInRow(int slot) {
    static constexpr std::array<std::string_view, rowCount> ordinals = {"1st", "2nd", "3rd", "4th",
                                                                        "5th", "6th", "7th"};
    return ordinals.at(static_cast<std::size_t>(positionInRow(slot)));
}

std::string tableDescription() {
    return "Press " + keyName(keyFor(KeyAsks::state)) + " for the game's state, " +
           keyName(keyFor(KeyAsks::keys)) + " for the keys.";
}

std::string howToBegin(const FormState& form) {
    const std::string keys = "Press " + keyName(keyFor(KeyAsks::keys)) + " for the keys.";
    return form.inShowcase() ? pressing("Start game", ControlKind::cmdstart) + " " + keys : keys;
}

std::string roundScore(const FormState& form, bool withRoundCount) {
    const auto round = static_cast<std::size_t>(form.roundno);
    return "Round " + std::to_string(form.roundno) +
           (withRoundCount ? " of " + std::to_string(rounds) : std::string()) + ": " +
           plural(form.roundscore.at(round), "point") + ", total " +
           std::to_string(form.totalscore) + ".";
}

std::string pressing(std::string_view what, ControlKind control) {
    return std::string(what) + ": " + keysFor(control) + ".";
}

std::string plural(int count, std::string_view thing) {
    return std::to_string(count) + " " + std::string(thing) + (count == 1 ? "" : "s");
}

std::string withoutAccessKey(std::string_view caption) {
    std::string text(caption);
    std::erase(text, '&');
    return text;
}

int cardsLeftInStock(const FormState& form) {
    int left = form.Image2.Visible ? 1 : 0;
    for (int position = firstStockPosition; position < lastStockPosition; ++position) {
        left += form.Image1.at(static_cast<std::size_t>(position)).Visible ? 1 : 0;
    }
    return left;
}

// The name says which card and where it lies, for a reader that reads names alone; the
// description says where more fully.
Speech face(const Form& form, int card) {
    const Image& image = form.imgcard.at(static_cast<std::size_t>(card));
    const std::string name = cardName(card);
    if (form.inShowcase()) return {name, "showcase"};
    switch (placeByLeft(image.Left)) {
        case Whereabouts::onWastePile:
            return {name + ", on the waste pile",
                    "top of the waste pile, " + plural(form.wastecount, "card")};
        case Whereabouts::inSelectionSlot1:
            return {name + ", selected", "selected first"};
        case Whereabouts::inSelectionSlot2:
            return {name + ", selected", "selected second"};
        case Whereabouts::elsewhere:
            break;
    }
    const int slot = slotAt(image.place());
    if (slot == slotCount) return {name, "face up"};
    return {name + ", " + rowName(slot), "face up, " + placeInRow(slot)};
}

Speech faceDown(const Form&, int position) {
    return {"Face-down card, " + rowName(position), placeInRow(position)};
}

Speech stock(const Form& form, int) {
    const int left = cardsLeftInStock(form);
    // The count is in the name alone, which flat review reads, so that the focus says it once.
    return {"Stock, " + (left == 0 ? std::string("empty") : plural(left, "card")),
            "face down, left of the waste pile"};
}

std::string selection(const FormState& form) {
    if (form.sel2flag == 0) return cardName(form.sel1card) + " selected.";
    return cardName(form.sel1card) + " and " + cardName(form.sel2card) + " selected, " +
           std::to_string(rankOf(form.sel1card) + rankOf(form.sel2card)) + ".";
}

std::string wasteTop(const FormState& form) {
    return cardName(form.waste.at(static_cast<std::size_t>(form.wastecount)));
}

std::string whatComesNext(const FormState& form) {
    if (form.cmdnext.Visible) return pressing("Next round", ControlKind::cmdnext);
    return "Game over, total " + std::to_string(form.totalscore) + ". " +
           pressing("New game", ControlKind::mnunew);
}

std::string gameState(const FormState& form) {
    if (form.inShowcase()) return "No game on. " + pressing("Start game", ControlKind::cmdstart);
    std::string text = roundScore(form, true);
    const int left = cardsLeftInStock(form);
    text += left > 0 ? " " + plural(left, "card") + " to turn." : std::string(" Stock empty.");
    if (form.stockstarted != 0 && form.wastecount > 0) {
        text += " " + wasteTop(form) + " on the waste pile.";
    }
    if (form.selcount > 0) text += " " + selection(form);
    if (!movesLeft(form)) text += " Nothing left to remove. " + whatComesNextAfterScore(form);
    return text;
}

// A screen reader's flat review reads a row's cells joined by a space: the comma after the
// row's name keeps the round's number apart from its points, "Round 1, 2 points, current round".
std::string scoreCell(const Form& form, int row, int column) {
    const auto label = static_cast<std::size_t>(row);
    if (column == 0) return scoreRowName(row, form.lblscoreots.at(label).Caption) + ",";
    const std::string& caption = form.lblscore.at(label).Caption;
    int points = 0;
    std::from_chars(caption.data(), caption.data() + caption.size(), points);
    std::string text = plural(points, "point");
    // The round marker points at the current round's row.
    if (form.imgarrow.Visible && row == form.roundno) text += ", current round";
    return text;
}

std::string scoreRowName(int row, std::string_view caption) {
    const bool round = row >= 1 && row <= rounds;
    return (round ? "Round " : "") + std::string(caption);
}

std::string whatComesNextAfterScore(const FormState& form) {
    if (form.cmdnext.Visible) return whatComesNext(form);
    return "Game over. " + pressing("New game", ControlKind::mnunew);
}

}  // namespace quillane::spoken
