// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_keys.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quillane::ui {

namespace {

constexpr std::array<std::pair<NamedKey, int>, 8> namedKeys = {{
    {NamedKey::left, Qt::Key_Left},
    {NamedKey::right, Qt::Key_Right},
    {NamedKey::up, Qt::Key_Up},
    {NamedKey::down, Qt::Key_Down},
    {NamedKey::home, Qt::Key_Home},
    {NamedKey::end, Qt::Key_End},
    {NamedKey::space, Qt::Key_Space},
    {NamedKey::enter, Qt::Key_Return},
}};

// Qt's codes for the letters and digits are their capitals' ASCII codes.
static_assert(Qt::Key_A == 'A' && Qt::Key_0 == '0');
int qtKeyOf(const KeyBinding& binding) {
    if (binding.letter != 0) return binding.letter;
    const auto named = std::find_if(namedKeys.begin(), namedKeys.end(),
                                    [&](const auto& each) { return each.first == binding.named; });
    return named->second;
}

}  // namespace

// French and Belgian layouts type the digits with Shift, so a digit is taken with Shift or
// without. The keypad's keys come with a modifier: they are a screen reader's own (Orca's
// review and "where am I"), and one that the screen reader was too busy to answer for in time
// reaches the window all the same (Qt 6.4, in Debian 12, waits a tenth of a second for it); on
// every version it must not move the cursor or press a card.
const KeyBinding* tableKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    const bool digit = key >= Qt::Key_0 && key <= Qt::Key_9;
    if (modifiers != Qt::NoModifier && !(digit && modifiers == Qt::ShiftModifier)) return nullptr;
    const auto found = std::find_if(tableKeys.begin(), tableKeys.end(),
                                    [key](const KeyBinding& each) { return qtKeyOf(each) == key; });
    return found == tableKeys.end() ? nullptr : &*found;
}

}  // namespace quillane::ui
