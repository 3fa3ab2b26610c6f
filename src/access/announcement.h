// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

#include "model/control_ref.h"
#include "model/form.h"

namespace quillane {

// What a player who cannot see the table hears after a move: one short sentence saying what
// happened, then what it changed ("Turned 6 of spades, 19 left."), from the form as it stood
// before the handler and as it stands after it. Empty when nothing happened.
std::string announcementOf(const FormState& before, const FormState& after);
// The same sentence, for a screen reader that also names the card or stock the cursor comes to:
// less what that place says of itself, the stock's count after a deal and the waste pile's new
// top after its top was taken, so that each is said once.
std::string announcementBefore(const FormState& before, const FormState& after,
                               std::optional<ControlRef> cursorComesTo);

}  // namespace quillane
