// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "model/control_ref.h"
#include "model/form.h"

namespace quillane::autoplay {

// A simple player for tests, benchmarks and snapshots: among the controls that take input it
// picks the next one to click, reading what is already selected from the game's variables: a
// lone King, or a pair adding up to thirteen, taken and removed; otherwise the stock; otherwise
// the next round. nullopt when nothing is left to do (game over).
// The caller plays it through the routing table (dispatch), as the window does.
std::optional<ControlRef> nextMove(const Form& form);

}  // namespace quillane::autoplay
