// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

#include "model/integer.h"

namespace quillane {

// Every place is the Left and Top of a picture's top-left corner in twips, measured in the
// window's client area. All of them are whole multiples of 15 twips (one screen pixel), so
// Singles hold them exactly and places can be compared for equality.
struct Place {
    Single Left = 0;
    Single Top = 0;
    friend constexpr bool operator==(const Place&, const Place&) = default;
};

inline constexpr int twipsPerPixel = 15;

// Deal positions: 0..27 are the tableau slots, 28..51 the stock in turning order.
inline constexpr int slotCount = 28;
inline constexpr int rowCount = 7;
inline constexpr int firstBottomSlot = 21;
inline constexpr int firstStockPosition = 28;
inline constexpr int lastStockPosition = 51;
inline constexpr int stockCount = 24;
// Image1(0..50): the 28 backs of the triangle, then the 23 strips of the stock below its top
// card, which is Image2.
inline constexpr int faceDownPictureCount = lastStockPosition;

// The triangle: row r (0 at the top) has r + 1 slots, and slot = r(r+1)/2 + position.
constexpr int firstSlotOfRow(int row) {
    return row * (row + 1) / 2;
}
constexpr int rowOfSlot(int slot) {
    int row = 0;
    while (firstSlotOfRow(row + 1) <= slot) ++row;
    return row;
}
constexpr int positionInRow(int slot) {
    return slot - firstSlotOfRow(rowOfSlot(slot));
}

inline constexpr Single slotTopOfFirstRow = 120;
inline constexpr Single rowStep = 480;
inline constexpr Single slotLeftOfTopRow = 3720;
inline constexpr Single rowIndent = 600;
inline constexpr Single slotStep = 1200;

constexpr Place slotPlace(int slot) {
    const int row = rowOfSlot(slot);
    return {slotLeftOfTopRow - rowIndent * static_cast<Single>(row) +
                slotStep * static_cast<Single>(positionInRow(slot)),
            slotTopOfFirstRow + rowStep * static_cast<Single>(row)};
}

// The slot whose place this is; slotCount for a place outside the triangle.
constexpr int slotAt(Place place) {
    int slot = 0;
    while (slot < slotCount && slotPlace(slot) != place) ++slot;
    return slot;
}

// The two slots of the row below that cover a slot; the bottom row is covered by nothing.
struct Covering {
    int first = 0;
    int second = 0;
};
constexpr std::optional<Covering> coveringOf(int slot) {
    const int row = rowOfSlot(slot);
    if (row == rowCount - 1) return std::nullopt;
    return Covering{slot + row + 1, slot + row + 2};
}

// The row of places below the triangle.
inline constexpr Single stockRowTop = 5280;
inline constexpr Single firstStripLeft = 120;
inline constexpr Single stripStep = 240;
constexpr Place stockStripPlace(int position) {
    return {firstStripLeft + stripStep * static_cast<Single>(position - firstStockPosition),
            stockRowTop};
}
inline constexpr Place stockTopPlace = {5640, stockRowTop};
inline constexpr Place wastePlace = {6840, stockRowTop};
inline constexpr Place selectionSlot1 = {8640, stockRowTop};
inline constexpr Place selectionSlot2 = {9840, stockRowTop};

// Where the four Kings stand in the showcase, in suit order.
inline constexpr Single showcaseTop = 3120;
inline constexpr std::array<Place, 4> showcasePlaces = {
    {{3720, showcaseTop}, {4920, showcaseTop}, {6120, showcaseTop}, {7320, showcaseTop}}};

// Where a face-up card lies is read from its Left alone; no tableau Left equals these three.
enum class Whereabouts { onWastePile, inSelectionSlot1, inSelectionSlot2, elsewhere };
constexpr Whereabouts placeByLeft(Single left) {
    if (left == wastePlace.Left) return Whereabouts::onWastePile;
    if (left == selectionSlot1.Left) return Whereabouts::inSelectionSlot1;
    if (left == selectionSlot2.Left) return Whereabouts::inSelectionSlot2;
    return Whereabouts::elsewhere;
}
constexpr bool onWastePile(Single left) {
    return placeByLeft(left) == Whereabouts::onWastePile;
}
constexpr bool inSelection(Single left) {
    return placeByLeft(left) == Whereabouts::inSelectionSlot1 ||
           placeByLeft(left) == Whereabouts::inSelectionSlot2;
}

}  // namespace quillane
