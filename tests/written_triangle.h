// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "model/table.h"

// The triangle written out by hand, apart from the code that works it out.
namespace quillane::testing {

// Row by row from the top: Top, and the Lefts from position 0.
struct WrittenRow {
    Single top;
    std::vector<Single> lefts;
};
inline const std::vector<WrittenRow> writtenTriangle = {
    {120, {3720}},
    {600, {3120, 4320}},
    {1080, {2520, 3720, 4920}},
    {1560, {1920, 3120, 4320, 5520}},
    {2040, {1320, 2520, 3720, 4920, 6120}},
    {2520, {720, 1920, 3120, 4320, 5520, 6720}},
    {3000, {120, 1320, 2520, 3720, 4920, 6120, 7320}},
};

// The two slots that cover each slot above the bottom row.
inline const std::vector<Covering> writtenCovering = {
    {1, 2},   {3, 4},   {4, 5},   {6, 7},   {7, 8},   {8, 9},   {10, 11},
    {11, 12}, {12, 13}, {13, 14}, {15, 16}, {16, 17}, {17, 18}, {18, 19},
    {19, 20}, {21, 22}, {22, 23}, {23, 24}, {24, 25}, {25, 26}, {26, 27}};

}  // namespace quillane::testing
