// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/control_view.h"

#include "model/control_kinds.h"
#include "model/spoken.h"

namespace quillane {

namespace {

// Lines and menu items let clicks through; everything else shown stops them.
constexpr bool stopsClicks(Drawing drawing) {
    return drawing != Drawing::gridLine && drawing != Drawing::frameLine &&
           drawing != Drawing::menuItem;
}

}  // namespace

ControlView viewOf(const Form& form, ControlRef control) {
    const KindDescription& kind = descriptionOf(control.kind);
    ControlView view = kind.appearance(form, control.index, kind.drawingAt(control.index));
    view.reading = kind.readingAt(control.index);
    view.hasHandler = kind.handler != nullptr;
    view.takesInput = view.hasHandler && view.look.visible && view.enabled;
    view.catchesClicks = view.look.visible && stopsClicks(view.look.drawing);
    return view;
}

std::string_view captionOf(const Form& form, ControlRef control) {
    const KindDescription& kind = descriptionOf(control.kind);
    return kind.caption ? kind.caption(form, control.index) : std::string_view();
}

Speech speechOf(const Form& form, ControlRef control) {
    const KindDescription& kind = descriptionOf(control.kind);
    if (kind.readingAt(control.index) == Reading::notRead) return {};
    if (kind.speech) return kind.speech(form, control.index);
    return {spoken::withoutAccessKey(captionOf(form, control)), {}};
}

std::string controlName(ControlRef control) {
    const KindDescription& kind = descriptionOf(control.kind);
    std::string name(kind.name);
    if (kind.indexed()) name += "(" + std::to_string(control.index) + ")";
    return name;
}

}  // namespace quillane
