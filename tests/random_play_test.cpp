// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "random_play.h"

namespace quillane {
namespace {

using testing::Event;

constexpr int eventLimit = 2000;
std::uint64_t currentSeed = 0;

// A failed bounds or overflow check ends the process; say which game did it first.
[[noreturn]] void reportCrash() {
    std::cerr << "random game with seed " << currentSeed << " ended the program; replay it with "
              << "QUILLANE_RANDOM_SEED=" << currentSeed << " QUILLANE_RANDOM_GAMES=1\n";
    std::abort();
}

// Set QUILLANE_RANDOM_GAMES for a longer soak and QUILLANE_RANDOM_SEED to start elsewhere.
TEST(RandomPlay, EveryGameKeepsEveryRule) {
    const std::uint64_t games = testing::environmentNumber("QUILLANE_RANDOM_GAMES", 20000);
    const std::uint64_t firstSeed = testing::environmentNumber("QUILLANE_RANDOM_SEED", 1);
    const auto previous = std::set_terminate(reportCrash);
    std::uint64_t events = 0;
    std::uint64_t finished = 0;
    for (std::uint64_t seed = firstSeed; seed < firstSeed + games; ++seed) {
        currentSeed = seed;
        const auto result = testing::playRandomGame(seed, eventLimit);
        events += static_cast<std::uint64_t>(result.events);
        finished += result.reachedGameOver ? 1 : 0;
        if (result.failure) {
            const auto shortest = testing::shrink(testing::recordRandomGame(seed, eventLimit));
            FAIL() << "seed " << seed << ": " << *result.failure << "\nshortest sequence ("
                   << shortest.size() << " events): " << testing::describe(shortest);
        }
    }
    std::set_terminate(previous);
    std::cout << "random play: " << games << " games (" << finished
              << " played to the end of round 5), " << events << " events checked\n";
}

TEST(RandomPlay, TheCheckerNoticesABrokenTable) {
    Form form;
    form.Form_Load();
    testing::InvariantChecker checker;
    const Event start{Event::Kind::accessKey, 0, 0, 'S'};
    checker.before(form);
    testing::deliver(form, start);
    ASSERT_FALSE(checker.after(form, start));

    const Event stock{Event::Kind::click, 6000, 6000};
    checker.before(form);
    testing::deliver(form, stock);
    ASSERT_FALSE(checker.after(form, stock));
    ASSERT_EQ(form.stockstarted, 1) << "the click reached the stock";

    // A card that vanishes without a press of Remove breaks the score.
    const Event nothing{Event::Kind::ticks, 0, 0, 0, 1};
    checker.before(form);
    form.imgcard.at(static_cast<std::size_t>(form.deck[21])).Visible = false;
    EXPECT_TRUE(checker.after(form, nothing).has_value());
}

TEST(RandomPlay, ShrinkingKeepsTheFailureAndDropsTheRest) {
    const std::vector<Event> events = {
        {Event::Kind::ticks, 0, 0, 0, 5}, {Event::Kind::accessKey, 0, 0, 'S'},
        {Event::Kind::click, 100, 100},   {Event::Kind::click, 6000, 6000},
        {Event::Kind::ticks, 0, 0, 0, 7}, {Event::Kind::accessKey, 0, 0, 'R'},
        {Event::Kind::click, 6000, 6000}, {Event::Kind::newGame},
    };
    EXPECT_FALSE(testing::replay(events).has_value());
    EXPECT_EQ(testing::describe(testing::shrink(events)), testing::describe(events))
        << "nothing to shrink when all pass";

    // A planted rule that two turned stock cards break: only the start and the two stock
    // clicks are needed to break it, and nothing after them.
    const testing::FailureOf twoCardsTurned =
        [](const std::vector<Event>& played) -> std::optional<std::string> {
        Form form;
        form.Form_Load();
        for (const Event& event : played) {
            testing::deliver(form, event);
            if (form.stockstarted == 1 && form.wastecount >= 2) return "two cards turned";
        }
        return std::nullopt;
    };
    ASSERT_TRUE(twoCardsTurned(events));
    EXPECT_EQ(testing::describe(testing::shrink(events, twoCardsTurned)),
              "Alt+S; click(6000, 6000); click(6000, 6000); ");
}

}  // namespace
}  // namespace quillane
