// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/control_ref.h"
#include "model/form.h"

namespace quillane {

// What a player who pressed a key hears when the press did nothing: a card or the stock under
// the cursor that takes no press now, or a button's access key while the button is hidden or
// disabled. A click that does nothing stays silent, as it always has.
std::string refusalOf(const FormState& form, ControlRef control);

}  // namespace quillane
