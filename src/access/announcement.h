// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form.h"

namespace quillane {

// What a player who cannot see the table hears after a move: one short sentence saying what
// happened, then what it changed ("Turned 6 of spades, 19 left."), from the form as it stood
// before the handler and as it stands after it. Empty when nothing happened.
std::string announcementOf(const FormState& before, const FormState& after);

}  // namespace quillane
