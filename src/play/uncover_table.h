// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "model/table.h"

namespace quillane {

// One row per slot that has cards below it. The children's backs are tested only for rows 0
// to 4: the children of row 5 are the bottom row, whose backs the first stock click hides.
struct UncoverRow {
    int slot = 0;
    int firstChild = 0;
    int secondChild = 0;
    Place place;
    bool childBacksTested = false;
};

inline constexpr int uncoverRowCount = firstBottomSlot;
inline constexpr int lastRowWithFaceDownChildren = rowCount - 3;

// Slots 0 to 20 in order, each with the two slots that cover it and the place its face turns
// up at.
constexpr std::array<UncoverRow, uncoverRowCount> makeUncoverTable() {
    std::array<UncoverRow, uncoverRowCount> table{};
    for (int slot = 0; slot < uncoverRowCount; ++slot) {
        const Covering children = *coveringOf(slot);
        table.at(static_cast<std::size_t>(slot)) = {slot, children.first, children.second,
                                                    slotPlace(slot),
                                                    rowOfSlot(slot) <= lastRowWithFaceDownChildren};
    }
    return table;
}

inline constexpr std::array<UncoverRow, uncoverRowCount> uncoverTable = makeUncoverTable();

}  // namespace quillane
