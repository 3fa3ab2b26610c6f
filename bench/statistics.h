// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <utility>
#include <vector>

namespace quillane::bench {

struct Summary {
    double median = 0;
    double low = 0;
    double high = 0;
};

// The value below which this fraction of the values lies, the nearest one measured.
double percentile(std::vector<double> values, double fraction);
Summary summarise(const std::vector<double>& values);
// The slope of a least-squares line through the points.
double slope(const std::vector<std::pair<double, double>>& points);

}  // namespace quillane::bench
