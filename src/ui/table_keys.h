// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <Qt>

#include "access/key_table.h"

namespace quillane::ui {

// The key of the table's own (tableKeys) that this key press is, if any: a digit with or
// without Shift, every other key without any modifier.
const KeyBinding* tableKeyOf(int key, Qt::KeyboardModifiers modifiers);

}  // namespace quillane::ui
