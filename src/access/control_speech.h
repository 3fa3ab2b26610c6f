// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/control_ref.h"
#include "model/form.h"

namespace quillane {

// What a screen reader says of a control, its name and its description: "Queen of spades, row 6"
// / "face up, 3rd from the left"; "8 of hearts, on the waste pile" / "top of the waste pile,
// 5 cards"; "Face-down card, row 6" / "3rd from the left".
struct Speech {
    std::string name;
    std::string description;
    friend bool operator==(const Speech&, const Speech&) = default;
};
Speech speechOf(const Form& form, ControlRef control);

// Whether a screen reader finds the control while it is not painted.
bool readWhileHidden(const Form& form, ControlRef control);

}  // namespace quillane
