// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "statistics.h"

namespace quillane::bench {

// One figure of the benchmark's table, beside the reference's and its goal.
struct Row {
    std::string figure;
    Summary value;
    std::string p99;
    std::string reference;
    std::string ratio;
    std::string goal;
};

// Prints the rows as a Markdown table, so that it can go into the docs as it stands.
void printRows(const std::vector<Row>& rows);
std::string format(double value, const char* pattern = "%.3f");

}  // namespace quillane::bench
