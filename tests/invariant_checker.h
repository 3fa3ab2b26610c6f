// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/form.h"
#include "random_events.h"

namespace quillane::testing {

// Checks every rule that must hold between events, reading the table from the pictures.
// Removals made in each round are counted from the pictures, outside the form.
class InvariantChecker {
  public:
    // Call before each event is delivered and after it; after() returns what went wrong.
    void before(const Form& form);
    std::optional<std::string> after(const Form& form, const Event& event);

  private:
    std::array<int, rounds + 1> removals_{};
    int removedBefore_ = 0;
    Integer roundBefore_ = 0;
    bool roundStartedBefore_ = false;
};

}  // namespace quillane::testing
