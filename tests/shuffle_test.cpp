// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "model/form.h"
#include "model/generator.h"
#include "scripted_random.h"

namespace quillane {
namespace {

using testing::ScriptedRandom;

std::vector<int> inOrder(int from, int to) {
    std::vector<int> cards(static_cast<std::size_t>(to - from + 1));
    std::iota(cards.begin(), cards.end(), from);
    return cards;
}

std::vector<int> concat(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

bool isPermutation(const Form& form) {
    std::vector<int> cards(form.deck.begin(), form.deck.begin() + cardCount);
    std::sort(cards.begin(), cards.end());
    return cards == inOrder(0, cardCount - 1);
}

Form scriptedForm(const std::vector<int>& candidates, std::size_t* consumed = nullptr) {
    return Form(ScriptedRandom::ofCards(candidates, consumed));
}

TEST(Shuffle, RejectsARepeatAtTheNextPosition) {
    std::size_t consumed = 0;
    Form form = scriptedForm(concat({5, 5, 7}, concat(inOrder(0, 4), concat({6}, inOrder(8, 51)))),
                             &consumed);
    form.shuffledeck();
    EXPECT_EQ(form.deck[0], 5);
    EXPECT_EQ(form.deck[1], 7);
    EXPECT_EQ(form.deck[2], 0);
    EXPECT_EQ(consumed, 53U);  // 52 cards and the one rejected 5
    EXPECT_TRUE(isPermutation(form));
}

TEST(Shuffle, RejectsACardDealtSeveralPositionsBack) {
    Form form =
        scriptedForm(concat({10, 11, 12, 13, 10, 14}, concat(inOrder(0, 9), inOrder(15, 51))));
    form.shuffledeck();
    EXPECT_EQ(form.deck[3], 13);
    EXPECT_EQ(form.deck[4], 14);
    EXPECT_TRUE(isPermutation(form));
}

TEST(Shuffle, LastPositionWaitsForTheMissingCardAndNoLonger) {
    std::size_t consumed = 0;
    // 51 cards, then three rejects, then the missing 17; the script ends right there, so any
    // further draw would fail the test.
    std::vector<int> cards = concat(inOrder(0, 16), inOrder(18, 51));
    cards = concat(cards, {3, 51, 0, 17});
    Form form = scriptedForm(cards, &consumed);
    form.shuffledeck();
    EXPECT_EQ(form.deck[51], 17);
    EXPECT_EQ(consumed, cards.size());
    EXPECT_EQ(form.dealtcount, 51);
    EXPECT_EQ(form.duplicate, 0);
    EXPECT_EQ(form.cardno, form.deck[51]);
}

TEST(Shuffle, ExtremeValuesOfRGiveTheExtremeCards) {
    std::vector<Single> values = {0.0F, std::nextafter(1.0F, 0.0F)};
    for (int card = 1; card < 51; ++card) values.push_back(testing::valueFor(card));
    Form form(std::make_unique<ScriptedRandom>(values));
    form.shuffledeck();
    EXPECT_EQ(form.deck[0], 0);
    EXPECT_EQ(form.deck[1], 51);
    EXPECT_TRUE(isPermutation(form));
}

TEST(Shuffle, LeavesTheSpareEntryAlone) {
    Form form;
    form.deck[52] = 1234;
    form.shuffledeck();
    EXPECT_EQ(form.deck[52], 1234);
    EXPECT_TRUE(isPermutation(form));
}

TEST(Shuffle, DealIsAFunctionOfTheGeneratorState) {
    Form first;
    Form second;
    first.shuffledeck();
    second.shuffledeck();
    EXPECT_EQ(first.deck, second.deck);

    Form ticked;
    ticked.Timer1_Timer();
    ticked.shuffledeck();
    EXPECT_NE(first.deck, ticked.deck);
    EXPECT_TRUE(isPermutation(ticked));
}

TEST(Shuffle, ManyDealsArePermutations) {
    Form form;
    for (int deal = 0; deal < 500; ++deal) {
        form.shuffledeck();
        ASSERT_TRUE(isPermutation(form)) << "deal " << deal;
    }
}

// A clock the test moves by hand.
struct ManualClock {
    TickClock::Clock::time_point now{};
    TickClock make() {
        return TickClock([this] { return now; });
    }
};

TEST(Timer, DueTicksAdvanceTheSequenceOneValueEach) {
    ManualClock clock;
    Form form(nullptr, clock.make());
    Generator reference;

    form.deliverDueTicks();  // nothing due yet
    clock.now += std::chrono::milliseconds(7);
    form.deliverDueTicks();
    clock.now += std::chrono::microseconds(1500);
    form.deliverDueTicks();  // 1.5 ms: one more tick, half a tick left over
    clock.now += std::chrono::microseconds(600);
    form.deliverDueTicks();  // the half plus 0.6 makes a tick

    Single lastTick = 0;
    for (int i = 0; i < 9; ++i) lastTick = reference.next();
    EXPECT_EQ(form.cardno, static_cast<Integer>(std::floor(lastTick * 52.0)));

    form.shuffledeck();
    Form expected;
    for (int i = 0; i < 9; ++i) expected.Timer1_Timer();
    expected.shuffledeck();
    EXPECT_EQ(form.deck, expected.deck);
}

TEST(Timer, ADayIdleIsCaughtUpAtOnce) {
    ManualClock clock;
    Form form(nullptr, clock.make());
    clock.now += std::chrono::hours(24);
    form.deliverDueTicks();
    form.shuffledeck();
    EXPECT_TRUE(isPermutation(form));
    auto reference = std::make_unique<Generator>();
    reference->discard(24ULL * 60 * 60 * 1000);
    Form expected(std::move(reference));
    expected.shuffledeck();
    EXPECT_EQ(form.deck, expected.deck);
}

}  // namespace
}  // namespace quillane
