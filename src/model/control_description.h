// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/form.h"
#include "model/stacking.h"

namespace quillane {

// What a control means to a player who cannot see it: a name, and where it lies or what it
// holds. "Queen of spades" / "top of the waste pile, 5 cards"; "Face-down card" / "slot 15".
struct ControlDescription {
    std::string name;
    std::string description;
};
ControlDescription describeControl(const Form& form, ControlRef control);

// Whether a screen reader should hear of the control on its own. Stock strips are part of the
// stock; score labels and lines make up the score table.
bool isReadAlone(ControlRef control);

}  // namespace quillane
