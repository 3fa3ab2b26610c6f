// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "access/table_cursor.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "access/key_table.h"
#include "model/stacking.h"

namespace quillane {

namespace {

// A place the cursor may stand on, and what lies there.
struct Stop {
    ControlRef control;
    Place place;
    bool takesInput = false;
};

// Calls `each` for every card and the stock that the reading found, in reading order.
template <typename Each>
void forEachStop(const TableReading& reading, Each each) {
    for (const Found& found : reading.found) {
        const auto* control = std::get_if<ControlRef>(&found.what);
        if (control == nullptr || !cursorStandsOn(*control)) continue;
        const Look& look = reading.views.at(stackingPositionOf(*control)).look;
        each(Stop{*control, {look.rect.Left, look.rect.Top}, found.takesInput});
    }
}

// The stop that `better` prefers of all those `candidate` accepts, if any.
template <typename Candidate, typename Better>
std::optional<Stop> bestStop(const TableReading& reading, Candidate candidate, Better better) {
    std::optional<Stop> best;
    forEachStop(reading, [&](const Stop& stop) {
        if (candidate(stop) && (!best || better(stop, *best))) best = stop;
    });
    return best;
}

// A selected card takes a press, which does nothing.
bool toPlay(const Stop& stop) {
    return stop.takesInput && !inSelection(stop.place.Left);
}

Single across(const Stop& stop, Place from) {
    return std::abs(stop.place.Left - from.Left);
}

Single distance(const Stop& stop, Place from) {
    return std::hypot(stop.place.Left - from.Left, stop.place.Top - from.Top);
}

// The nearest row above (or below) that holds a card, and in it the place nearest across.
std::optional<Stop> stepToRow(const TableReading& reading, Place from, bool up) {
    const auto beyond = [&](const Stop& stop) {
        return up ? stop.place.Top < from.Top : stop.place.Top > from.Top;
    };
    const auto nearer = [&](const Stop& stop, const Stop& best) {
        if (stop.place.Top != best.place.Top)
            return up ? stop.place.Top > best.place.Top : stop.place.Top < best.place.Top;
        if (across(stop, from) != across(best, from))
            return across(stop, from) < across(best, from);
        return up ? stop.place.Left < best.place.Left : stop.place.Left > best.place.Left;
    };
    return bestStop(reading, beyond, nearer);
}

std::optional<Stop> stepAlongRow(const TableReading& reading, Place from, CursorMove move) {
    const bool leftwards = move == CursorMove::left || move == CursorMove::rowStart;
    const auto beyond = [&](const Stop& stop) {
        return stop.place.Top == from.Top &&
               (leftwards ? stop.place.Left < from.Left : stop.place.Left > from.Left);
    };
    // Left and Right go to the nearest place, Home and End to the farthest.
    const bool farthest = move == CursorMove::rowStart || move == CursorMove::rowEnd;
    return bestStop(reading, beyond, [&](const Stop& stop, const Stop& best) {
        return farthest ? across(stop, from) > across(best, from)
                        : across(stop, from) < across(best, from);
    });
}

}  // namespace

bool cursorStandsOn(ControlRef control) {
    const Drawing drawing = descriptionOf(control.kind).drawingAt(control.index);
    return drawing == Drawing::face || drawing == Drawing::back;
}

Place cursorStep(const TableReading& reading, Place from, CursorMove move) {
    const bool vertical = move == CursorMove::up || move == CursorMove::down;
    const std::optional<Stop> to = vertical ? stepToRow(reading, from, move == CursorMove::up)
                                            : stepAlongRow(reading, from, move);
    return to ? to->place : from;
}

std::optional<ControlRef> underCursor(const TableReading& reading, Place at) {
    const auto there = bestStop(
        reading, [&](const Stop& stop) { return stop.place == at; },
        [](const Stop&, const Stop&) { return false; });
    return there ? std::optional(there->control) : std::nullopt;
}

std::optional<Place> cursorAfterMove(const Form& form, const TableReading& reading,
                                     std::optional<Place> at) {
    if (!form.inShowcase() && form.stockstarted == 0) return stockTopPlace;
    if (at && underCursor(reading, *at)) return at;
    const Place from = at.value_or(stockTopPlace);
    const auto nearest = [&](bool playable) {
        return bestStop(
            reading, [&](const Stop& stop) { return !playable || toPlay(stop); },
            [&](const Stop& stop, const Stop& best) {
                return distance(stop, from) < distance(best, from);
            });
    };
    std::optional<Stop> to = nearest(true);
    if (!to) to = nearest(false);
    return to ? std::optional(to->place) : std::nullopt;
}

std::vector<CardToPlay> cardsToPlay(const TableReading& reading) {
    std::vector<CardToPlay> cards;
    // The reading is in the order a player looks, and the stock is no card.
    forEachStop(reading, [&](const Stop& stop) {
        if (stop.control.kind == ControlKind::imgcard && toPlay(stop))
            cards.push_back({stop.control.index, stop.place});
    });
    return cards;
}

std::optional<Place> cursorTarget(const TableReading& reading, Place from, const KeyBinding& key) {
    const auto cardAt = [&](Place place) {
        return underCursor(reading, place) ? std::optional(place) : std::nullopt;
    };
    if (key.asks == KeyAsks::stock) return cardAt(stockTopPlace);
    if (key.asks == KeyAsks::waste) return cardAt(wastePlace);
    if (key.asks != KeyAsks::rank) return std::nullopt;
    std::vector<CardToPlay> cards = cardsToPlay(reading);
    std::erase_if(cards, [&](CardToPlay card) { return rankOf(card.card) != key.rank; });
    if (cards.empty()) return std::nullopt;
    const auto after = std::find_if(cards.begin(), cards.end(), [from](CardToPlay card) {
        return std::tie(card.place.Top, card.place.Left) > std::tie(from.Top, from.Left);
    });
    return (after == cards.end() ? cards.front() : *after).place;
}

}  // namespace quillane
