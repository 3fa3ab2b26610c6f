// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <functional>

#include "access/key_table.h"
#include "access/table_cursor.h"
#include "dealt_form.h"

namespace quillane {
namespace {

using testing::startedForm;
using enum CursorMove;

// "slot 22", "the stock", "the waste pile", "selection slot 1".
std::string nameOf(Place place) {
    if (place == stockTopPlace) return "the stock";
    if (place == wastePlace) return "the waste pile";
    if (place == selectionSlot1) return "selection slot 1";
    if (place == selectionSlot2) return "selection slot 2";
    if (const int slot = slotAt(place); slot < slotCount) return positionName(slot);
    return "(" + std::to_string(place.Left) + ", " + std::to_string(place.Top) + ")";
}

const char* nameOf(CursorMove move) {
    static constexpr std::array names = {"Left", "Right", "Up", "Down", "Home", "End"};
    return names.at(static_cast<std::size_t>(move));
}

TableReading readingOf(const Form& form) {
    TableReading reading;
    readTable(form, reading);
    return reading;
}

// A round whose stock has turned once: the bottom row face up, one card on the waste pile.
std::unique_ptr<Form> turnedOnce() {
    auto form = startedForm();
    form->Image2_Click();
    return form;
}

void takeAway(Form& form, int slot) {
    form.imgcard.at(form.deck.at(slot)).Visible = false;
}

TEST(TableCursor, ArrowsWalkTheTriangleAndTheStockRow) {
    struct Case {
        const char* table;
        std::function<std::unique_ptr<Form>()> deal;
        Place from;
        CursorMove move;
        Place to;
    };
    const auto dealt = [] { return startedForm(); };
    const auto withGaps = [] {
        auto form = turnedOnce();
        for (int slot : {22, 23}) takeAway(*form, slot);
        return form;
    };
    const auto bottomRowGone = [] {
        auto form = turnedOnce();
        for (int slot = firstBottomSlot; slot < slotCount; ++slot) takeAway(*form, slot);
        return form;
    };
    const auto slot = slotPlace;
    const std::vector<Case> cases = {
        {"dealt", dealt, slot(0), up, slot(0)},
        {"dealt", dealt, slot(0), left, slot(0)},
        {"dealt", dealt, slot(0), down, slot(2)},
        {"dealt", dealt, slot(2), up, slot(0)},
        {"dealt", dealt, slot(1), down, slot(4)},
        {"dealt", dealt, slot(4), up, slot(1)},
        {"dealt", dealt, slot(21), right, slot(22)},
        {"dealt", dealt, slot(21), rowEnd, slot(27)},
        {"dealt", dealt, slot(27), rowStart, slot(21)},
        {"dealt", dealt, slot(27), right, slot(27)},
        {"dealt", dealt, slot(21), down, stockTopPlace},
        {"dealt", dealt, stockTopPlace, right, stockTopPlace},
        {"dealt", dealt, stockTopPlace, left, stockTopPlace},
        {"dealt", dealt, stockTopPlace, up, slot(26)},
        {"dealt", dealt, stockTopPlace, down, stockTopPlace},
        {"turned once", turnedOnce, slot(27), down, wastePlace},
        {"turned once", turnedOnce, stockTopPlace, right, wastePlace},
        {"turned once", turnedOnce, wastePlace, right, wastePlace},
        {"turned once", turnedOnce, wastePlace, up, slot(27)},
        {"slots 22 and 23 empty", withGaps, slot(21), right, slot(24)},
        {"slots 22 and 23 empty", withGaps, slot(24), left, slot(21)},
        {"slots 22 and 23 empty", withGaps, slot(16), down, slot(24)},
        {"bottom row gone", bottomRowGone, stockTopPlace, up, slot(19)},
        {"bottom row gone", bottomRowGone, slot(15), down, stockTopPlace},
    };
    for (const Case& each : cases) {
        const TableReading reading = readingOf(*each.deal());
        EXPECT_EQ(nameOf(cursorStep(reading, each.from, each.move)), nameOf(each.to))
            << each.table << ": " << nameOf(each.move) << " from " << nameOf(each.from);
    }
}

TEST(TableCursor, StandsOnACardOrTheStockAndSettlesAfterAMove) {
    auto form = turnedOnce();
    const int bottomLeft = form->deck.at(firstBottomSlot);
    const int wasteTop = form->deck.at(firstStockPosition);
    TableReading reading = readingOf(*form);
    EXPECT_EQ(underCursor(reading, slotPlace(firstBottomSlot)),
              (ControlRef{ControlKind::imgcard, bottomLeft}));
    EXPECT_EQ(underCursor(reading, slotPlace(0)), (ControlRef{ControlKind::Image1, 0}));
    EXPECT_EQ(underCursor(reading, wastePlace), (ControlRef{ControlKind::imgcard, wasteTop}));
    EXPECT_EQ(underCursor(reading, stockStripPlace(firstStockPosition + 1)), std::nullopt)
        << "a stock strip is part of the stock";
    EXPECT_EQ(cursorAfterMove(*form, reading, slotPlace(3)), slotPlace(3))
        << "a face-down card still lies there";

    // Taking the waste pile's only card leaves it empty: the nearest card to play is the right
    // end of the bottom row; not the stock, which waits while a card is selected, nor the
    // selected card.
    form->imgcard_Click(static_cast<Integer>(wasteTop));
    readTable(*form, reading);
    EXPECT_EQ(underCursor(reading, wastePlace), std::nullopt);
    EXPECT_EQ(cursorAfterMove(*form, reading, wastePlace), slotPlace(slotCount - 1));
    // The bottom row's left card taken: its neighbour, not the face-down card above.
    form->imgcard_Click(static_cast<Integer>(bottomLeft));
    readTable(*form, reading);
    EXPECT_EQ(nameOf(*cursorAfterMove(*form, reading, slotPlace(firstBottomSlot))),
              nameOf(slotPlace(firstBottomSlot + 1)));

    // A new round waits for its first turn: the cursor goes to the stock from anywhere.
    form = testing::startedWithDecks({testing::deckWith({}), testing::deckWith({})});
    testing::turnStock(*form, stockCount);
    form->cmdnext_Click();
    readTable(*form, reading);
    EXPECT_EQ(cursorAfterMove(*form, reading, slotPlace(firstBottomSlot)), stockTopPlace);
    testing::turnStock(*form, stockCount);
    readTable(*form, reading);
    EXPECT_EQ(underCursor(reading, stockTopPlace), (ControlRef{ControlKind::Image2, 0}))
        << "the used-up stock is still a place to stand on";
}

// The table's key that is this letter or digit.
const KeyBinding& keyOf(char letter) {
    return *std::find_if(tableKeys.begin(), tableKeys.end(),
                         [letter](const KeyBinding& key) { return key.letter == letter; });
}

TEST(TableCursor, RankStockAndWasteKeysGoStraightToACardToPlay) {
    // Row 7: 10 of spades, Queen of spades, Jack of spades, King of spades, Ace of clubs, Queen
    // of hearts, 2 of clubs; the Queen of clubs turned onto the waste pile. Aces lie face down.
    const auto queens = [] {
        auto form = startedForm({{22, 24}, {26, 11}, {28, 37}});
        form->Image2_Click();
        return form;
    };
    const auto queenOfSpadesSelected = [&] {
        auto form = queens();
        form->imgcard_Click(24);
        return form;
    };
    const auto dealt = [] { return startedForm(); };
    struct Case {
        const char* table;
        std::function<std::unique_ptr<Form>()> deal;
        Place from;
        char key;
        std::optional<Place> to;
    };
    const auto slot = slotPlace;
    const std::vector<Case> cases = {
        {"queens", queens, slot(21), 'Q', slot(22)},
        {"queens", queens, slot(22), 'Q', slot(26)},
        {"queens", queens, slot(26), 'Q', wastePlace},
        {"queens", queens, wastePlace, 'Q', slot(22)},
        {"queens", queens, stockTopPlace, 'Q', wastePlace},
        {"queens", queens, slot(0), 'A', slot(25)},
        {"queens", queens, slot(0), '1', slot(25)},
        {"queens", queens, slot(24), 'K', slot(24)},
        {"queens", queens, slot(21), '2', slot(27)},
        {"queens", queens, slot(27), '0', slot(21)},
        {"queens", queens, slot(21), '5', std::nullopt},
        {"queens", queens, slot(21), 'D', stockTopPlace},
        {"queens", queens, slot(21), 'W', wastePlace},
        {"Queen of spades selected", queenOfSpadesSelected, slot(21), 'Q', slot(26)},
        {"dealt", dealt, stockTopPlace, 'Q', std::nullopt},
    };
    for (const Case& each : cases) {
        const auto to = cursorTarget(readingOf(*each.deal()), each.from, keyOf(each.key));
        EXPECT_EQ(to ? nameOf(*to) : "nowhere", each.to ? nameOf(*each.to) : "nowhere")
            << each.table << ": " << each.key << " from " << nameOf(each.from);
    }
}

}  // namespace
}  // namespace quillane
