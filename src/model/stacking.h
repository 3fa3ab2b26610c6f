// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>

#include "model/cards.h"
#include "model/layout.h"
#include "model/table.h"

namespace quillane {

enum class ControlKind {
    Lblver,
    lblstart,
    imgarrow,
    imgcard,
    Line2,
    Line1,
    lblscoreots,
    lblscore,
    lblots,
    lblwritten,
    lblzev,
    Image2,
    Image1,
    // Push buttons and menu items take input but are not painted on the table.
    cmdstart,
    cmdnext,
    cmdremove,
    mnunew,
    mnuexit,
};

// One control of the table: its kind and, for control arrays, its index.
struct ControlRef {
    ControlKind kind = ControlKind::Lblver;
    int index = 0;
    friend constexpr bool operator==(const ControlRef&, const ControlRef&) = default;
};

inline constexpr int backCount = lastStockPosition;  // Image1(0..50); Image2 stands for 51

// The controls other than the push buttons, from the topmost down: a control earlier in the
// list covers a later one where they overlap. Painting runs backwards, hit-testing forwards.
inline constexpr std::size_t paintedControlCount = 3 + cardCount + layout::frameLines +
                                                   layout::gridLines + 2 * layout::scoreRows + 3 +
                                                   1 + backCount;

constexpr std::array<ControlRef, paintedControlCount> makeStackingOrder() {
    std::array<ControlRef, paintedControlCount> order{};
    std::size_t next = 0;
    auto add = [&](ControlKind kind, int index = 0) { order.at(next++) = {kind, index}; };
    auto addDown = [&](ControlKind kind, int from, int to) {
        for (int i = from; i >= to; --i) add(kind, i);
    };
    using enum ControlKind;
    add(Lblver);
    add(lblstart);
    add(imgarrow);
    addDown(imgcard, cardCount - 1, 3);
    addDown(Line2, layout::frameLines - 1, 0);
    addDown(imgcard, 2, 0);
    addDown(Line1, layout::gridLines - 1, 0);
    add(lblscoreots, layout::totalRow);
    addDown(lblscore, layout::totalRow, 0);
    addDown(lblscoreots, layout::totalRow - 1, 0);
    add(lblots);
    add(lblwritten);
    add(lblzev);
    add(Image2);
    addDown(Image1, backCount - 1, 0);
    return order;
}

inline constexpr std::array<ControlRef, paintedControlCount> stackingOrder = makeStackingOrder();

}  // namespace quillane
