// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "access/key_table.h"
#include "access/table_reading.h"
#include "model/form.h"

namespace quillane::spoken {

// The table at a glance: every card to play, in the order a player looks, then what is
// selected. "Row 6: 5 of spades, 2nd. Row 7: 3 of clubs, 1st; King of hearts, 4th. Waste pile:
// 8 of clubs. King of clubs selected." It never says which cards pair.
std::string glance(const FormState& form, const TableReading& reading);

// Why a key that takes the cursor straight to a card left it where it was: "No Queen to
// play.", "No card on the waste pile."
std::string nowhereToGo(const FormState& form, const KeyBinding& key);

}  // namespace quillane::spoken
