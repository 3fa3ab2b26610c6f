// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "random_play.h"

#include <utility>

namespace quillane::testing {

namespace {

bool isGameOver(const Form& form) {
    return !form.inShowcase() && form.roundno == rounds && !form.Image2.Visible;
}

// Runs events on a fresh form, from the showcase, checking after each one.
std::optional<std::string> run(const std::function<std::optional<Event>(const Form&)>& nextEvent,
                               std::vector<Event>* recorded, bool* reachedGameOver = nullptr) {
    Form form;
    form.Form_Load();
    InvariantChecker checker;
    while (auto event = nextEvent(form)) {
        if (recorded) recorded->push_back(*event);
        checker.before(form);
        deliver(form, *event);
        if (auto failure = checker.after(form, *event)) return failure;
        if (reachedGameOver && isGameOver(form)) *reachedGameOver = true;
        if (form.programEnded) break;
    }
    return std::nullopt;
}

// A game ends at "&Exit", some while after round 5 runs out of stock, or at the limit.
std::function<std::optional<Event>(const Form&)> randomEvents(std::uint64_t seed, int eventLimit) {
    return [source = EventSource(seed), eventLimit, delivered = 0,
            afterGameOver = 0](const Form& form) mutable -> std::optional<Event> {
        if (isGameOver(form) && ++afterGameOver > 40) return std::nullopt;
        if (delivered++ >= eventLimit) return std::nullopt;
        return source.next(form);
    };
}

}  // namespace

GameResult playRandomGame(std::uint64_t seed, int eventLimit) {
    std::vector<Event> events;
    bool reachedGameOver = false;
    auto failure = run(randomEvents(seed, eventLimit), &events, &reachedGameOver);
    return {static_cast<int>(events.size()), reachedGameOver, std::move(failure)};
}

std::vector<Event> recordRandomGame(std::uint64_t seed, int eventLimit) {
    std::vector<Event> events;
    run(randomEvents(seed, eventLimit), &events);
    return events;
}

std::optional<std::string> replay(const std::vector<Event>& events) {
    std::size_t next = 0;
    return run(
        [&](const Form&) -> std::optional<Event> {
            if (next >= events.size()) return std::nullopt;
            return events[next++];
        },
        nullptr);
}

std::vector<Event> shrink(std::vector<Event> events, const FailureOf& failureOf) {
    for (std::size_t i = events.size(); i-- > 0;) {
        std::vector<Event> shorter = events;
        shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(i));
        if (failureOf(shorter)) events = std::move(shorter);
    }
    return events;
}

}  // namespace quillane::testing
