// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/input_routes.h"

#include "model/control_view.h"

namespace quillane {

bool dispatch(Form& form, ControlRef control) {
    if (!viewOf(form, control).takesInput) return false;
    descriptionOf(control.kind).handler(form, control.index);
    return true;
}

std::optional<ControlRef> accessKeyTarget(char key) {
    for (const ControlRef& button : pushButtons) {
        if (descriptionOf(button.kind).accessKey == key) return button;
    }
    return std::nullopt;
}

}  // namespace quillane
