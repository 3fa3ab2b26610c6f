// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "access/table_cursor.h"

namespace quillane::ui {

// What a key of the table's own asks for: the whole game's state, a move of the keyboard's
// cursor, or a press of what lies under it.
struct TableKey {
    enum class Asks { nothing, state, move, press };
    Asks asks = Asks::nothing;
    CursorMove move{};
};

// The arrow keys, Home and End move the cursor; Space and Enter press; the state key
// (spoken::stateKey) says the state.
TableKey tableKeyOf(int key);

}  // namespace quillane::ui
