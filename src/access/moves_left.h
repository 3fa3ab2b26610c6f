// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "model/form.h"

namespace quillane {

// Whether a round can still go on: a card to turn, a selection to settle, or a King or a pair
// adding up to thirteen among the cards a player can select. Once it cannot, the round's
// score is final; after the last round, the game is over.
bool movesLeft(const FormState& form);

}  // namespace quillane
