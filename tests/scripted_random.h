// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <vector>

#include "model/cards.h"
#include "model/random_source.h"

namespace quillane::testing {

// The middle of the interval that floor(r * 52) maps to card index c.
inline Single valueFor(int card) {
    return (static_cast<Single>(card) + 0.5F) / static_cast<Single>(cardCount);
}

// A sequence written out by the test. Running past its end is a test failure, so a deal that
// consumes more values than the script expects is caught.
class ScriptedRandom final : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<Single> values, std::size_t* consumed = nullptr)
        : values_(std::move(values)), consumed_(consumed) {}

    static std::unique_ptr<ScriptedRandom> ofCards(const std::vector<int>& cards,
                                                   std::size_t* consumed = nullptr) {
        std::vector<Single> values;
        values.reserve(cards.size());
        for (int card : cards) values.push_back(valueFor(card));
        return std::make_unique<ScriptedRandom>(values, consumed);
    }

    Single next() override {
        if (next_ >= values_.size()) throw std::logic_error("script ran out of values");
        if (consumed_ != nullptr) ++*consumed_;
        return values_[next_++];
    }

  private:
    std::vector<Single> values_;
    std::size_t* consumed_;
    std::size_t next_ = 0;
};

}  // namespace quillane::testing
