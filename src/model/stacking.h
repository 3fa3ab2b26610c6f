// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

#include "model/control_kinds.h"

namespace quillane {

constexpr std::size_t countPaintedControls() {
    std::size_t count = 0;
    for (const KindDescription& kind : controlKinds) {
        if (isPainted(kind.drawing)) count += static_cast<std::size_t>(kind.count);
    }
    return count;
}

// The controls other than the push buttons and menu items.
inline constexpr std::size_t paintedControlCount = countPaintedControls();

// The painted controls from the topmost down: a control earlier in the list covers a later one
// where they overlap. Painting runs backwards, hit-testing forwards.
constexpr std::array<ControlRef, paintedControlCount> makeStackingOrder() {
    std::array<ControlRef, paintedControlCount> order{};
    std::size_t next = 0;
    auto addDown = [&](ControlKind kind, int from, int to) {
        for (int i = from; i >= to; --i) order.at(next++) = {kind, i};
    };
    for (const KindDescription& kind : controlKinds) {
        if (!isPainted(kind.drawing)) continue;
        addDown(kind.kind, kind.count - 1, kind.lowerBand ? kind.lowerBand->below : 0);
        for (const KindDescription& above : controlKinds) {
            if (above.lowerBand && above.lowerBand->under == kind.kind)
                addDown(above.kind, above.lowerBand->below - 1, 0);
        }
    }
    if (next != order.size()) throw "every painted control stacks exactly once";
    return order;
}

inline constexpr std::array<ControlRef, paintedControlCount> stackingOrder = makeStackingOrder();

// Where a painted control stands in the stacking order; paintedControlCount for a push button or
// a menu item.
constexpr std::size_t stackingPositionOf(ControlRef control) {
    std::size_t position = 0;
    while (position < stackingOrder.size() && stackingOrder.at(position) != control) ++position;
    return position;
}

}  // namespace quillane
