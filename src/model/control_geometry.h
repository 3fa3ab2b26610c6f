// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "model/form.h"
#include "model/layout.h"
#include "model/stacking.h"

namespace quillane {

// Where each painted control stands and whether it shows, read from the form's state.

bool isVisible(const Form& form, ControlRef control);
// The control's rectangle in twips; a line's is its one-pixel-wide bounding box.
layout::Rect rectOf(const Form& form, ControlRef control);
// The label behind a label control, with its design; nullptr and nullopt for other kinds.
const Label* labelOf(const Form& form, ControlRef control);
std::optional<layout::LabelDesign> labelDesignOf(ControlRef control);
// Lines never take a click; every other control does, the topmost visible one at the point.
std::optional<ControlRef> controlAt(const Form& form, Single x, Single y);
// Whether a click on the control reaches a handler: a visible, enabled face or stock card.
bool isClickable(const Form& form, ControlRef control);

}  // namespace quillane
