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
    for (const KindDescription& kind : controlKinds) {
        if (kind.accessKey != 0 && kind.accessKey == key) return ControlRef{kind.kind, 0};
    }
    return std::nullopt;
}

std::optional<ControlRef> clickTarget(const Form& form, Single x, Single y) {
    for (const KindDescription& kind : controlKinds) {
        if (kind.drawing != Drawing::button) continue;
        const ControlRef control{kind.kind, 0};
        if (catchesClickAt(viewOf(form, control), x, y)) return control;
    }
    return tableControlAt(form, x, y);
}

}  // namespace quillane
