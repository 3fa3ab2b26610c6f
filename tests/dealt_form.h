// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "form_state_printer.h"
#include "model/form.h"
#include "scripted_random.h"

namespace quillane::testing {

// A deck with the given cards at the given deal positions and every other card, in ascending
// order, at the remaining positions.
inline std::vector<int> deckWith(const std::map<int, int>& cardAtPosition) {
    std::vector<int> rest;
    for (int card = 0; card < cardCount; ++card) {
        const bool placed = std::any_of(cardAtPosition.begin(), cardAtPosition.end(),
                                        [&](const auto& entry) { return entry.second == card; });
        if (!placed) rest.push_back(card);
    }
    std::vector<int> deck;
    auto next = rest.begin();
    for (int position = 0; position < cardCount; ++position) {
        const auto fixed = cardAtPosition.find(position);
        deck.push_back(fixed != cardAtPosition.end() ? fixed->second : *next++);
    }
    return deck;
}

// A form whose generator deals the given decks in turn, one per round, after "&Start game".
inline std::unique_ptr<Form> startedWithDecks(const std::vector<std::vector<int>>& decks) {
    std::vector<int> script;
    for (const auto& deck : decks) script.insert(script.end(), deck.begin(), deck.end());
    auto form = std::make_unique<Form>(ScriptedRandom::ofCards(script));
    form->Form_Load();
    form->cmdstart_Click();
    return form;
}

inline std::unique_ptr<Form> startedForm(const std::map<int, int>& cardAtPosition = {}) {
    return startedWithDecks({deckWith(cardAtPosition)});
}

// Clicks the stock n times.
inline void turnStock(Form& form, int clicks) {
    for (int i = 0; i < clicks; ++i) form.Image2_Click();
}

inline const Image& faceOf(const Form& form, int card) {
    return form.imgcard.at(static_cast<std::size_t>(card));
}
inline const Image& faceAt(const Form& form, int position) {
    return faceOf(form, form.deck.at(static_cast<std::size_t>(position)));
}

// The cards whose faces show, in card order.
inline std::vector<int> visibleFaces(const Form& form) {
    std::vector<int> cards;
    for (int card = 0; card < cardCount; ++card) {
        if (faceOf(form, card).Visible) cards.push_back(card);
    }
    return cards;
}

}  // namespace quillane::testing
