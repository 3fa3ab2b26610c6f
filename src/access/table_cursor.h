// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include "access/table_reading.h"
#include "model/control_ref.h"
#include "model/form.h"
#include "model/table.h"

namespace quillane {

struct KeyBinding;

// The keyboard's cursor stands on a place of the table where a card lies, face up or face
// down, or on the stock, shown or used up: everything a player may press, and the face-down
// cards of the triangle, so that a player who cannot see it can walk the whole triangle. The
// cursor is a place rather than a card: it stays on the waste pile while its top changes.
enum class CursorMove { left, right, up, down, rowStart, rowEnd };

// Whether the cursor may stand on this control, while it is on the table.
bool cursorStandsOn(ControlRef control);

// Where the cursor goes from `from`: along a row to the nearest place that holds a card, or to
// the nearest such place of the nearest row above or below that holds any. Going up it prefers
// the left of two places equally near, going down the right, so that Up and Down undo each
// other across the triangle. It stays where it is when nothing lies that way.
Place cursorStep(const TableReading& reading, Place from, CursorMove move);

// The card or the stock the cursor stands on; nothing on an empty place.
std::optional<ControlRef> underCursor(const TableReading& reading, Place at);

// Where the cursor stands after a move that changed the table: on the stock while a round waits
// for its first turn; else where it was, if a card still lies there; else on the nearest card
// to play (one that takes a press and is not selected already), or the nearest card if there is
// none to play. Nothing when the table holds no card.
std::optional<Place> cursorAfterMove(const Form& form, const TableReading& reading,
                                     std::optional<Place> at);

// A card a player may play now: a face-up card that takes a press and is not selected already.
struct CardToPlay {
    int card = 0;
    Place place;
};
// The cards to play, in the order a player looks: the triangle's row by row from the top and
// from the left, then the waste pile's top.
std::vector<CardToPlay> cardsToPlay(const TableReading& reading);

// Where a key that takes the cursor straight to a card takes it from `from`: a rank's key to
// the first card of that rank to play that comes after `from` in that order, or else to the
// first of all; the stock's key to the stock, the waste pile's to its top. Nothing when no such
// card lies there, or for any other key.
std::optional<Place> cursorTarget(const TableReading& reading, Place from, const KeyBinding& key);

}  // namespace quillane
