#pragma once

#include "autoplay.h"
#include "ui/frmquillane.h"

namespace quillane::autoplay {

// Makes a move the way a player does: a mouse click on the window, at the middle of the face
// or the stock card, or on the button. Hit-testing and stacking decide what it reaches.
void click(ui::frmquillane& window, const Move& move);

// Plays moves chosen by nextMove until the game stands still or the limit is reached;
// returns the number of moves made.
int playThrough(ui::frmquillane& window, int moveLimit);

}  // namespace quillane::autoplay
