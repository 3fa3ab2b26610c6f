// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "model/integer.h"
#include "model/table.h"

namespace quillane {

// The run-time state of the window's controls, held as plain data: the handlers set these
// properties and the window shows whatever they say.

struct Image {
    Single Left = 0;
    Single Top = 0;
    bool Visible = false;
    bool Enabled = true;

    Place place() const { return {Left, Top}; }
    // Moves a picture that may be showing, so that it never shows half-moved: hidden, Left,
    // Top, then shown again. A picture known to be hidden is placed field by field.
    void moveAndShow(Place to) {
        Visible = false;
        Left = to.Left;
        Top = to.Top;
        Visible = true;
    }
    friend bool operator==(const Image&, const Image&) = default;
};

struct Button {
    bool Visible = false;
    bool Enabled = true;
    friend bool operator==(const Button&, const Button&) = default;
};

struct Label {
    std::string Caption;
    bool Visible = false;
    friend bool operator==(const Label&, const Label&) = default;
};

struct Line {
    bool Visible = false;
    friend bool operator==(const Line&, const Line&) = default;
};

}  // namespace quillane
