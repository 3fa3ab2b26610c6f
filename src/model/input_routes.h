// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "model/control_kinds.h"
#include "model/form.h"

namespace quillane {

// Mouse clicks, access keys, menu choices and the presses of assistive technology all reach
// their handler through the kinds' descriptions, and only while the control takes input.

// Runs the control's handler if the control takes input now; returns whether it ran.
bool dispatch(Form& form, ControlRef control);

// The push button whose access key this is, shown or not, enabled or not.
std::optional<ControlRef> accessKeyTarget(char key);

}  // namespace quillane
