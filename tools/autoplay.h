// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "model/form.h"

namespace quillane::autoplay {

// A simple player for tests, benchmarks and snapshots: it looks only at what the window
// shows (visible, enabled faces and buttons) and picks the next thing to click.
struct Move {
    enum class Kind { startGame, stock, card, remove, nextRound };
    Kind kind = Kind::startGame;
    int card = 0;  // for Kind::card
};

// The next click: a lone King, or a pair adding up to thirteen, taken and removed; otherwise
// the stock; otherwise the next round. nullopt when nothing is left to do (game over).
std::optional<Move> nextMove(const Form& form);

// Runs the matching handler of the form.
void play(Form& form, const Move& move);

}  // namespace quillane::autoplay
