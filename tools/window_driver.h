// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "autoplay.h"
#include "ui/frmquillane.h"

namespace quillane::autoplay {

// Makes a move the way a player does: a mouse click delivered to the window at the middle of
// the control. Qt's routing and the table's hit-testing decide what it reaches.
void click(ui::frmquillane& window, ControlRef move);

// Plays moves chosen by nextMove until the game stands still or the limit is reached;
// returns the number of moves made.
int playThrough(ui::frmquillane& window, int moveLimit);

}  // namespace quillane::autoplay
