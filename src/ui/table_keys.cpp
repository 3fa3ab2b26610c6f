// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_keys.h"

#include <Qt>
#include <algorithm>
#include <array>

#include "access/spoken.h"

namespace quillane::ui {

namespace {

struct CursorKey {
    int key;
    CursorMove move;
};
constexpr std::array cursorKeys = {
    CursorKey{Qt::Key_Left, CursorMove::left},     CursorKey{Qt::Key_Right, CursorMove::right},
    CursorKey{Qt::Key_Up, CursorMove::up},         CursorKey{Qt::Key_Down, CursorMove::down},
    CursorKey{Qt::Key_Home, CursorMove::rowStart}, CursorKey{Qt::Key_End, CursorMove::rowEnd},
};
constexpr std::array pressKeys = {Qt::Key_Space, Qt::Key_Return};
// Qt's codes for the letters are their capitals' ASCII codes.
constexpr int stateKey = Qt::Key_A + (spoken::stateKey - 'A');

}  // namespace

TableKey tableKeyOf(int key) {
    if (key == stateKey) return {TableKey::Asks::state};
    const auto cursorKey = std::find_if(cursorKeys.begin(), cursorKeys.end(),
                                        [key](CursorKey each) { return each.key == key; });
    if (cursorKey != cursorKeys.end()) return {TableKey::Asks::move, cursorKey->move};
    if (std::find(pressKeys.begin(), pressKeys.end(), key) != pressKeys.end())
        return {TableKey::Asks::press};
    return {};
}

}  // namespace quillane::ui
