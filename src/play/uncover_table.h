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
    int row = 0;
    int firstChild = 0;
    int secondChild = 0;
    Place place;
    bool childBacksTested = false;
};

inline constexpr std::array<UncoverRow, 21> uncoverTable = {{
    {0, 0, 1, 2, {3720, 120}, true},      {1, 1, 3, 4, {3120, 600}, true},
    {2, 1, 4, 5, {4320, 600}, true},      {3, 2, 6, 7, {2520, 1080}, true},
    {4, 2, 7, 8, {3720, 1080}, true},     {5, 2, 8, 9, {4920, 1080}, true},
    {6, 3, 10, 11, {1920, 1560}, true},   {7, 3, 11, 12, {3120, 1560}, true},
    {8, 3, 12, 13, {4320, 1560}, true},   {9, 3, 13, 14, {5520, 1560}, true},
    {10, 4, 15, 16, {1320, 2040}, true},  {11, 4, 16, 17, {2520, 2040}, true},
    {12, 4, 17, 18, {3720, 2040}, true},  {13, 4, 18, 19, {4920, 2040}, true},
    {14, 4, 19, 20, {6120, 2040}, true},  {15, 5, 21, 22, {720, 2520}, false},
    {16, 5, 22, 23, {1920, 2520}, false}, {17, 5, 23, 24, {3120, 2520}, false},
    {18, 5, 24, 25, {4320, 2520}, false}, {19, 5, 25, 26, {5520, 2520}, false},
    {20, 5, 26, 27, {6720, 2520}, false},
}};

}  // namespace quillane
