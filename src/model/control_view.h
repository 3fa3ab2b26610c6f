// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "model/control_ref.h"
#include "model/form.h"
#include "model/layout.h"

namespace quillane {

// What a control shows.
enum class Drawing { face, back, strip, arrow, gridLine, frameLine, label, button, menuItem };

// Push buttons and menu items are widgets of their own; everything else is painted on the table.
constexpr bool isPainted(Drawing drawing) {
    return drawing != Drawing::button && drawing != Drawing::menuItem;
}

// Where a screen reader meets a control, in reading order: the title and version, what lies on
// the table (the cards row by row, then the stock row and the selection), the score table, the
// push buttons, the credit lines. Some are not read at all: a stock strip is part of the stock,
// whose top card speaks for it; the selection frame is only a drawing; the menu items are read
// in the menu bar.
enum class Reading { heading, onTable, inScoreTable, button, credit, notRead };

// How a control looks: enough to paint it, and to tell whether it must be painted again. A
// label's caption is read apart (captionOf), so that looking costs no allocation.
struct Look {
    bool visible = false;
    layout::Rect rect;
    Drawing drawing = Drawing::label;
    int card = 0;                                  // the face's card
    const layout::LabelDesign* label = nullptr;    // a label's colours and font
    const layout::ButtonDesign* button = nullptr;  // a button's colour
    friend bool operator==(const Look&, const Look&) = default;
};

// One control as it stands: painting, hit-testing, the routing of input and the accessibility
// layer all read this, and nothing else decides what kind of control something is.
struct ControlView {
    Look look;
    bool enabled = true;
    bool hasHandler = false;     // it takes clicks, presses or access keys at all
    bool takesInput = false;     // and can take them now: shown and enabled
    bool catchesClicks = false;  // a click on it stops here, whether or not a handler runs
    Reading reading = Reading::onTable;
    friend bool operator==(const ControlView&, const ControlView&) = default;
};

ControlView viewOf(const Form& form, ControlRef control);

// A label's caption, or a push button's or menu item's text with its access-key marker; empty
// for pictures and lines. It lives as long as the form is not changed.
std::string_view captionOf(const Form& form, ControlRef control);

// "imgcard(12)", "Image2", "lblscore(3)": the control's name in messages.
std::string controlName(ControlRef control);
inline std::ostream& operator<<(std::ostream& out, ControlRef control) {
    return out << controlName(control);
}

// Whether a click at this point in twips stops at this control; lines let clicks through.
constexpr bool catchesClickAt(const ControlView& view, Single x, Single y) {
    return view.catchesClicks && view.look.rect.contains(x, y);
}

}  // namespace quillane
