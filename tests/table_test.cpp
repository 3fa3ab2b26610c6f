// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "form_state_printer.h"
#include "model/control_view.h"
#include "model/layout.h"
#include "model/stacking.h"
#include "model/table.h"
#include "written_triangle.h"

namespace quillane {
namespace {

using testing::writtenCovering;
using testing::WrittenRow;
using testing::writtenTriangle;

TEST(Table, SlotPlacesFollowTheRowTable) {
    int slot = 0;
    for (const WrittenRow& row : writtenTriangle) {
        for (Single left : row.lefts) {
            SCOPED_TRACE(positionName(slot));
            EXPECT_EQ(slotPlace(slot), (Place{left, row.top}));
            ++slot;
        }
    }
    EXPECT_EQ(slot, slotCount);
}

TEST(Table, CoveringFollowsTheWrittenTable) {
    for (int slot = 0; slot < slotCount; ++slot) {
        SCOPED_TRACE(positionName(slot));
        const auto covering = coveringOf(slot);
        if (slot >= firstBottomSlot) {
            EXPECT_FALSE(covering.has_value());
            continue;
        }
        ASSERT_TRUE(covering.has_value());
        EXPECT_EQ(covering->first, writtenCovering.at(static_cast<std::size_t>(slot)).first);
        EXPECT_EQ(covering->second, writtenCovering.at(static_cast<std::size_t>(slot)).second);
        // The covering cards are the neighbours below, overlapping the slot from left and right.
        EXPECT_EQ(slotPlace(covering->first).Left, slotPlace(slot).Left - rowIndent);
        EXPECT_EQ(slotPlace(covering->second).Left, slotPlace(slot).Left + rowIndent);
    }
}

TEST(Table, StockRowPlaces) {
    EXPECT_EQ(stockStripPlace(28), (Place{120, 5280}));
    EXPECT_EQ(stockStripPlace(50), (Place{5400, 5280}));
    EXPECT_EQ(stockTopPlace, (Place{5640, 5280}));
    EXPECT_EQ(wastePlace, (Place{6840, 5280}));
    EXPECT_EQ(selectionSlot1, (Place{8640, 5280}));
    EXPECT_EQ(selectionSlot2, (Place{9840, 5280}));
}

TEST(Table, PlaceByLeftIsUnambiguous) {
    std::set<Single> tableauLefts;
    for (int slot = 0; slot < slotCount; ++slot) tableauLefts.insert(slotPlace(slot).Left);
    EXPECT_EQ(tableauLefts.size(), 13U);
    for (Single left : tableauLefts) EXPECT_EQ(placeByLeft(left), Whereabouts::elsewhere);
    EXPECT_EQ(placeByLeft(6840), Whereabouts::onWastePile);
    EXPECT_EQ(placeByLeft(8640), Whereabouts::inSelectionSlot1);
    EXPECT_EQ(placeByLeft(9840), Whereabouts::inSelectionSlot2);
}

TEST(Table, EveryPlaceIsAWholeNumberOfPixels) {
    auto whole = [](Single twips) {
        return std::fmod(twips, static_cast<Single>(twipsPerPixel)) == 0;
    };
    for (int slot = 0; slot < slotCount; ++slot) {
        EXPECT_TRUE(whole(slotPlace(slot).Left) && whole(slotPlace(slot).Top));
    }
    for (int p = firstStockPosition; p < lastStockPosition; ++p) {
        EXPECT_TRUE(whole(stockStripPlace(p).Left));
    }
    for (int i = 0; i < layout::gridLines; ++i) {
        const auto line = layout::Line1(i);
        EXPECT_TRUE(whole(line.X1) && whole(line.Y1) && whole(line.X2) && whole(line.Y2));
    }
}

TEST(Layout, ScoreTableBottomRuleRunsPastTheRightRule) {
    EXPECT_EQ(layout::Line1(7).X2, 11400);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(layout::Line1(i).X2, 11280) << "Line1(" << i << ")";
    EXPECT_EQ(layout::Line1(0).Y1, 2880);
    EXPECT_EQ(layout::Line1(6).Y1, 4320);
    EXPECT_EQ(layout::Line1(10).X1, 11280);
    EXPECT_EQ(layout::lblscore.at(6).rect.Top, 4320);
}

TEST(Layout, TitleRunsPastTheClientArea) {
    EXPECT_GT(layout::lblots.rect.Left + layout::lblots.rect.Width, layout::clientSize.Width);
}

// The bands from the topmost down, each array from its highest index down. Another control may
// come between them without breaking the rule.
TEST(Stacking, BandsInOrder) {
    using enum ControlKind;
    struct Band {
        ControlKind kind;
        int from;
        int to;
    };
    std::vector<ControlRef> bands;
    for (const auto& [kind, from, to] : std::initializer_list<Band>{{Lblver, 0, 0},
                                                                    {lblstart, 0, 0},
                                                                    {imgarrow, 0, 0},
                                                                    {imgcard, 51, 3},
                                                                    {Line2, 3, 0},
                                                                    {imgcard, 2, 0},
                                                                    {Line1, 10, 0},
                                                                    {lblscoreots, 6, 6},
                                                                    {lblscore, 6, 0},
                                                                    {lblscoreots, 5, 0},
                                                                    {lblots, 0, 0},
                                                                    {lblwritten, 0, 0},
                                                                    {lblzev, 0, 0},
                                                                    {Image2, 0, 0},
                                                                    {Image1, 50, 0}}) {
        for (int index = from; index >= to; --index) bands.push_back({kind, index});
    }
    auto next = bands.begin();
    for (const ControlRef& control : stackingOrder) {
        if (next != bands.end() && control == *next) ++next;
    }
    ASSERT_EQ(next, bands.end()) << *next << " is not where its band lies";
    std::set<std::pair<int, int>> distinct;
    for (const auto& ref : stackingOrder) distinct.insert({static_cast<int>(ref.kind), ref.index});
    EXPECT_EQ(distinct.size(), stackingOrder.size());
}

}  // namespace
}  // namespace quillane
