// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace quillane::bench {

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    // The nearest rank, a half rounded up.
    const auto index =
        static_cast<std::size_t>(std::lround(fraction * static_cast<double>(values.size() - 1)));
    return values.at(index);
}

Summary summarise(const std::vector<double>& values) {
    return {percentile(values, 0.5), *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

double slope(const std::vector<std::pair<double, double>>& points) {
    double meanX = 0;
    double meanY = 0;
    for (const auto& [x, y] : points) {
        meanX += x / static_cast<double>(points.size());
        meanY += y / static_cast<double>(points.size());
    }
    double covariance = 0;
    double variance = 0;
    for (const auto& [x, y] : points) {
        covariance += (x - meanX) * (y - meanY);
        variance += (x - meanX) * (x - meanX);
    }
    return covariance / variance;
}

}  // namespace quillane::bench
