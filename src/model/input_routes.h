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

// What an input reaches, if anything: the button whose access key was pressed, or the control
// under a click at a point in twips of the client area (the push buttons lie above everything
// painted on the table). Either may be a control that cannot take input now.
std::optional<ControlRef> accessKeyTarget(char key);
std::optional<ControlRef> clickTarget(const Form& form, Single x, Single y);

}  // namespace quillane
