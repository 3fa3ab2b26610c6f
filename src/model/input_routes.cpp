// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/input_routes.h"

#include <algorithm>

#include "model/control_view.h"

namespace quillane {

const InputRoute* routeOf(ControlKind kind) {
    const auto found = std::find_if(inputRoutes.begin(), inputRoutes.end(),
                                    [kind](const InputRoute& route) { return route.kind == kind; });
    return found == inputRoutes.end() ? nullptr : &*found;
}

bool dispatch(Form& form, ControlRef control) {
    const InputRoute* route = routeOf(control.kind);
    if (route == nullptr || !viewOf(form, control, ViewPart::withoutSpeech).takesInput)
        return false;
    route->handler(form, control.index);
    return true;
}

std::optional<ControlRef> accessKeyTarget(char key) {
    for (const InputRoute& route : inputRoutes) {
        if (route.accessKey != 0 && route.accessKey == key) return ControlRef{route.kind, 0};
    }
    return std::nullopt;
}

std::optional<ControlRef> clickTarget(const Form& form, Single x, Single y) {
    for (const InputRoute& route : inputRoutes) {
        const ControlRef control{route.kind, 0};
        const ControlView view = viewOf(form, control, ViewPart::withoutSpeech);
        if (view.look.drawing == Drawing::button && view.catchesClicks &&
            view.look.rect.contains(x, y)) {
            return control;
        }
    }
    return tableControlAt(form, x, y);
}

}  // namespace quillane
