// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "model/form.h"

namespace quillane::testing {

// A count set in the environment, for a longer soak or a shorter run; the fallback otherwise.
inline std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 10) : fallback;
}

// One thing the toolkit can deliver to the window.
struct Event {
    enum class Kind { click, accessKey, newGame, exit, ticks };
    Kind kind = Kind::click;
    Single x = 0;  // click point in twips
    Single y = 0;
    char key = 0;   // 'S', 'N' or 'R'
    int count = 0;  // ticks
};

std::string describe(const Event& event);
std::string describe(const std::vector<Event>& events);

// How often each kind of event comes up; whatever is left over goes to "&Exit".
struct EventMix {
    double clickOnTarget = 0.7;
    double clickAnywhere = 0.2;
    double accessKey = 0.05;
    double ticks = 0.0485;
    double newGame = 0.001;
};

// Picks events as a restless player would: mostly clicks on something clickable, often
// anywhere at all, now and then an access key, a menu choice or some ticks of the timer.
class EventSource {
  public:
    explicit EventSource(std::uint64_t seed, const EventMix& mix = {}) : random_(seed), mix_(mix) {}
    Event next(const Form& form);

  private:
    Single uniform(Single low, Single high);
    std::mt19937_64 random_;
    EventMix mix_;
};

// Delivers the event as the window does: a click to the control under it (the push buttons lie
// above the table), an access key to its button, a menu choice to its item, each through the
// routing table; ticks to the timer's handler.
void deliver(Form& form, const Event& event);

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
