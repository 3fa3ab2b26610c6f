// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "access/table_cursor.h"

namespace quillane {

// The card table's own keys, defined here once: the window maps them to the toolkit's keys,
// and the sentence that lists them and every sentence that names one read them from here.
//
// The letters are on every Latin layout. But for S, which has always said the state, none is
// the letter of an access key (Alt+S, Alt+N, Alt+R, Alt+F and the File menu's G and E): those
// are left alone, so that a key pressed without Alt is never taken for the button's. A, J, Q, K
// and the digits are the ranks' own names. A screen reader's own keys are left alone: Orca's are
// the keypad's, which come with a modifier that these keys do not take, and those with Insert or
// Caps Lock held, which Orca keeps.

// A key that is not a letter or a digit, by its name.
enum class NamedKey { none, left, right, up, down, home, end, space, enter };

// What a key asks for: a move of the cursor, a press of what lies under it, the cursor straight
// to the next card of a rank to play, to the stock or to the waste pile; a turn of the stock
// from anywhere; or a sentence: the cards to play, the game's state, the keys.
enum class KeyAsks { move, press, rank, stock, waste, turn, glance, state, keys };

struct KeyBinding {
    char letter = 0;  // a letter, as its capital, or a digit; 0 for a named key
    NamedKey named = NamedKey::none;
    KeyAsks asks = KeyAsks::press;
    CursorMove move = CursorMove::left;  // what a move key asks for
    int rank = 0;                        // what a rank key asks for: 1 Ace .. 13 King
    // What it does, in words; keys side by side that do alike are listed together.
    std::string_view does;
};

namespace keys {

constexpr KeyBinding moving(NamedKey key, CursorMove move, std::string_view does) {
    return {0, key, KeyAsks::move, move, 0, does};
}
constexpr KeyBinding pressing(NamedKey key) {
    return {0, key, KeyAsks::press, {}, 0, "press"};
}
constexpr KeyBinding rank(char letter, int rank) {
    return {letter, NamedKey::none, KeyAsks::rank, {}, rank, "next card of that rank to play"};
}
constexpr KeyBinding asking(char letter, KeyAsks asks, std::string_view does) {
    return {letter, NamedKey::none, asks, {}, 0, does};
}

}  // namespace keys

inline constexpr auto tableKeys = std::to_array<KeyBinding>({
    keys::moving(NamedKey::left, CursorMove::left, "along the row"),
    keys::moving(NamedKey::right, CursorMove::right, "along the row"),
    keys::moving(NamedKey::up, CursorMove::up, "the row above or below"),
    keys::moving(NamedKey::down, CursorMove::down, "the row above or below"),
    keys::moving(NamedKey::home, CursorMove::rowStart, "first or last in the row"),
    keys::moving(NamedKey::end, CursorMove::rowEnd, "first or last in the row"),
    keys::pressing(NamedKey::space),
    keys::pressing(NamedKey::enter),
    keys::rank('A', 1),
    keys::rank('1', 1),
    keys::rank('2', 2),
    keys::rank('3', 3),
    keys::rank('4', 4),
    keys::rank('5', 5),
    keys::rank('6', 6),
    keys::rank('7', 7),
    keys::rank('8', 8),
    keys::rank('9', 9),
    keys::rank('0', 10),
    keys::rank('J', 11),
    keys::rank('Q', 12),
    keys::rank('K', 13),
    keys::asking('D', KeyAsks::stock, "the stock"),
    keys::asking('W', KeyAsks::waste, "the waste pile"),
    keys::asking('T', KeyAsks::turn, "turn the stock"),
    keys::asking('L', KeyAsks::glance, "the cards to play"),
    keys::asking('S', KeyAsks::state, "the game's state"),
    keys::asking('H', KeyAsks::keys, "these keys"),
});

// The keys that only say something work wherever the focus is in the table: on the table or on
// one of its push buttons. Those that move the cursor or press work while the table has it.
constexpr bool worksFromButtons(KeyAsks asks) {
    return asks == KeyAsks::glance || asks == KeyAsks::state || asks == KeyAsks::keys;
}

// The first key that asks for this; every request has one.
constexpr const KeyBinding& keyFor(KeyAsks asks) {
    for (const KeyBinding& key : tableKeys) {
        if (key.asks == asks) return key;
    }
    return tableKeys.at(tableKeys.size());
}

// The name a player knows a key by: "Left", "Space", "Q".
std::string keyName(const KeyBinding& key);

namespace spoken {

// Every key of the table and what it does, in one sentence: "Left or Right: along the row.
// ... A, 1 to 9, 0, J, Q, K: next card of that rank to play. ...".
std::string keyList();

}  // namespace spoken

}  // namespace quillane
