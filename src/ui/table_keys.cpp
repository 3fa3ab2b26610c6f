// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_keys.h"

#include <Qt>
#include <algorithm>
#include <array>

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
// Says the whole game's state: S, for the state and the score.
constexpr int stateKey = Qt::Key_S;

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
