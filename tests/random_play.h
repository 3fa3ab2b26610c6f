// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "invariant_checker.h"
#include "model/form.h"
#include "random_events.h"

namespace quillane::testing {

// A count set in the environment, for a longer soak or a shorter run; the fallback otherwise.
inline std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

struct GameResult {
    int events = 0;
    bool reachedGameOver = false;
    std::optional<std::string> failure;
};

// Plays one random game from the seed: it ends at game over, after "&Exit", or after the
// event limit. A failure names the first broken rule.
GameResult playRandomGame(std::uint64_t seed, int eventLimit);
// Replays recorded events on a fresh form and reports the first broken rule, if any.
std::optional<std::string> replay(const std::vector<Event>& events);
std::vector<Event> recordRandomGame(std::uint64_t seed, int eventLimit);
// Drops events one at a time while the events still fail (by default, while their replay
// breaks a rule): a short sequence to read.
using FailureOf = std::function<std::optional<std::string>(const std::vector<Event>&)>;
std::vector<Event> shrink(std::vector<Event> events, const FailureOf& failureOf = replay);

}  // namespace quillane::testing
