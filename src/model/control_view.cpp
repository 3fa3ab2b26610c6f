// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/control_view.h"

#include "model/control_kinds.h"

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

std::string controlName(ControlRef control) {
    const KindDescription& kind = descriptionOf(control.kind);
    std::string name(kind.name);
    if (kind.indexed()) name += "(" + std::to_string(control.index) + ")";
    return name;
}

}  // namespace quillane
