// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillane {

// Every kind of control of the window, in the order of their descriptions (control_kinds.h):
// the painted ones from the topmost down, then the push buttons and the menu items.
enum class ControlKind {
    Lblver,
    lblstart,
    imgarrow,
    imgcard,
    Line2,
    Line1,
    lblscoreots,
    lblscore,
    lblots,
    lblwritten,
    lblzev,
    Image2,
    Image1,
    cmdstart,
    cmdnext,
    cmdremove,
    mnunew,
    mnuexit,
};

// One control of the window: its kind and, for control arrays, its index.
struct ControlRef {
    ControlKind kind = ControlKind::Lblver;
    int index = 0;
    friend constexpr bool operator==(const ControlRef&, const ControlRef&) = default;
};

}  // namespace quillane
