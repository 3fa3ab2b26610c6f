// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report.h"

#include <cstdio>

namespace quillane::bench {

void printRows(const std::vector<Row>& rows) {
    const char* pattern = "| %-42s | %8s | %19s | %8s | %9s | %6s | %-22s |\n";
    std::printf(pattern, "figure", "median", "min .. max", "p99", "reference", "ratio", "goal");
    std::printf(pattern, "---", "---:", "---:", "---:", "---:", "---:", "---");
    for (const Row& row : rows) {
        char median[32];
        char range[64];
        std::snprintf(median, sizeof median, "%.3f", row.value.median);
        std::snprintf(range, sizeof range, "%.3f .. %.3f", row.value.low, row.value.high);
        std::printf(pattern, row.figure.c_str(), median, range, row.p99.c_str(),
                    row.reference.c_str(), row.ratio.c_str(), row.goal.c_str());
    }
}

std::string format(double value, const char* pattern) {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

}  // namespace quillane::bench
