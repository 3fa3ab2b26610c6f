// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/glance.h"

#include "access/spoken.h"
#include "access/table_cursor.h"

namespace quillane::spoken {

std::string glance(const FormState& form, const TableReading& reading) {
    if (form.inShowcase()) return gameState(form);
    std::string text;
    // The cards of a row are listed together under its name.
    std::string heading;
    for (const CardToPlay& card : cardsToPlay(reading)) {
        const int slot = slotAt(card.place);
        const bool inTriangle = slot < slotCount;
        const std::string where =
            inTriangle ? "Row " + std::to_string(rowOfSlot(slot) + 1) : "Waste pile";
        std::string what = cardName(card.card);
        if (inTriangle) what += ", " + std::string(ordinalInRow(slot));
        if (where == heading) {
            text += "; " + what;
            continue;
        }
        text.append(text.empty() ? "" : ". ").append(where).append(": ").append(what);
        heading = where;
    }
    text = (text.empty() ? "No card to play" : text) + ".";
    if (form.selcount > 0) text += " " + selection(form);
    return text;
}

std::string nowhereToGo(const FormState& form, const KeyBinding& key) {
    if (form.inShowcase()) return gameState(form);
    if (key.asks == KeyAsks::rank) return "No " + rankName(key.rank) + " to play.";
    // The stock stands in every round, used up or not; the waste pile may be empty.
    return "No card on " + std::string(key.does) + ".";
}

}  // namespace quillane::spoken
