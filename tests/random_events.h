// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/form.h"

namespace quillane::testing {

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

}  // namespace quillane::testing
