// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/table.h"

namespace quillane {

std::string positionName(int position) {
    if (position >= 0 && position < slotCount) return "slot " + std::to_string(position);
    return "stock card " + std::to_string(position);
}

}  // namespace quillane
