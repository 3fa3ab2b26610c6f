// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>

#include "model/integer.h"

namespace quillane {

// How an unmatched selection goes back, by where its cards came from. A card came from the
// waste pile exactly when its saved Left is the waste position's.
struct ReturnCase {
    Integer sel2flag = 0;
    bool firstFromWaste = false;
    std::optional<bool> secondFromWaste;  // nullopt: slot 2 is empty
    Integer cardsBackOnPile = 0;
};

inline constexpr std::array<ReturnCase, 6> returnCases = {{
    {1, true, true, 2},
    {1, true, false, 1},
    {1, false, true, 1},
    {1, false, false, 0},
    {0, true, std::nullopt, 1},
    {0, false, std::nullopt, 0},
}};

}  // namespace quillane
