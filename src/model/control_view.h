// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "model/form.h"
#include "model/layout.h"
#include "model/stacking.h"

namespace quillane {

// What a control shows.
enum class Drawing { face, back, strip, arrow, gridLine, frameLine, label, button, menuItem };

// How a control looks: enough to paint it, and to tell whether it must be painted again.
struct Look {
    bool visible = false;
    layout::Rect rect;
    Drawing drawing = Drawing::label;
    int card = 0;                                // the face's card
    std::optional<layout::LabelDesign> label;    // a label's colours and font
    std::optional<layout::ButtonDesign> button;  // a button's colour
    std::string caption;                         // a label's, button's or menu item's text
    friend bool operator==(const Look&, const Look&) = default;
};

// How a screen reader meets a control: on its own, as part of the score table, or not at all
// (a stock strip is part of the stock, whose top card speaks for it; the selection frame is
// only a drawing).
enum class Reading { alone, inScoreTable, notRead };

// What a screen reader says of a control: "Queen of spades" / "top of the waste pile, 5 cards";
// "Face-down card" / "slot 15".
struct Speech {
    std::string name;
    std::string description;
    friend bool operator==(const Speech&, const Speech&) = default;
};

// One control as it stands: painting, hit-testing, the routing of input and the accessibility
// layer all read this, and nothing else decides what kind of control something is.
struct ControlView {
    Look look;
    bool enabled = true;
    bool hasHandler = false;     // it takes clicks, presses or access keys at all
    bool takesInput = false;     // and can take them now: shown and enabled
    bool catchesClicks = false;  // a click on it stops here, whether or not a handler runs
    Reading reading = Reading::alone;
    Speech speech;
    friend bool operator==(const ControlView&, const ControlView&) = default;
};

// Whether to put together what a screen reader says, which costs more than all the rest.
enum class ViewPart { all, withoutSpeech };
ControlView viewOf(const Form& form, ControlRef control, ViewPart part = ViewPart::all);

// "imgcard(12)", "Image2", "lblscore(3)": the control's name in messages.
std::string controlName(ControlRef control);
inline std::ostream& operator<<(std::ostream& out, ControlRef control) {
    return out << controlName(control);
}

// The score table as a screen reader meets it: one table made of the score labels and the grid,
// shown while any of them shows, covering all of them.
struct ScoreTableView {
    bool visible = false;
    layout::Rect rect;
};
ScoreTableView scoreTableOf(const Form& form);

// The topmost control painted on the table that a click at this point in twips stops at;
// lines let clicks through. Push buttons lie above all of these and are not included.
std::optional<ControlRef> tableControlAt(const Form& form, Single x, Single y);

}  // namespace quillane
