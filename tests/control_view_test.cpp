// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "access/table_reading.h"
#include "dealt_form.h"
#include "model/control_view.h"

namespace quillane {
namespace {

using testing::startedForm;

// The topmost control painted on the table under a point in twips, as the window finds it.
std::optional<ControlRef> tableControlAt(const Form& form, Single x, Single y) {
    TableReading reading;
    readTable(form, reading);
    return controlAt(reading, x, y);
}

// The middle of a control, in twips.
std::pair<Single, Single> middleOf(const Form& form, ControlRef control) {
    const layout::Rect rect = viewOf(form, control).look.rect;
    return {rect.Left + rect.Width / 2, rect.Top + rect.Height / 2};
}

TEST(ControlView, RectanglesFollowTheLayout) {
    Form form;
    const layout::Rect face = viewOf(form, {ControlKind::imgcard, 0}).look.rect;
    EXPECT_EQ(face.Width, 1050);
    EXPECT_EQ(face.Height, 1605);
    const layout::Rect strip = viewOf(form, {ControlKind::Image1, 28}).look.rect;
    EXPECT_EQ(strip.Left, 120);
    EXPECT_EQ(strip.Width, 300);
    const layout::Rect back = viewOf(form, {ControlKind::Image1, 27}).look.rect;
    EXPECT_EQ(back.Left, 7320);
    EXPECT_EQ(back.Width, 1110);
    const layout::Rect bottomRule = viewOf(form, {ControlKind::Line1, 7}).look.rect;
    EXPECT_EQ(bottomRule.Left + bottomRule.Width, 11400 + twipsPerPixel);
    EXPECT_EQ(bottomRule.Height, twipsPerPixel);
}

TEST(ControlView, TopmostVisibleControlTakesTheClick) {
    auto form = startedForm();
    // The stock card covers the right edge of the last strip; a strip covers its left neighbour.
    EXPECT_EQ(tableControlAt(*form, 5650, 6000), (ControlRef{ControlKind::Image2, 0}));
    EXPECT_EQ(tableControlAt(*form, 370, 6000), (ControlRef{ControlKind::Image1, 29}));
    // A back of a lower row covers the back above it.
    EXPECT_EQ(tableControlAt(*form, 3800, 700), (ControlRef{ControlKind::Image1, 1}));
    EXPECT_EQ(tableControlAt(*form, 100, 100), std::nullopt) << "the bare table";

    form->Image2_Click();
    const int card = form->deck[24];
    const auto [x, y] = middleOf(*form, {ControlKind::imgcard, card});
    EXPECT_EQ(tableControlAt(*form, x, y), (ControlRef{ControlKind::imgcard, card}))
        << "faces over backs";
    EXPECT_TRUE(viewOf(*form, {ControlKind::imgcard, card}).takesInput);
    EXPECT_FALSE(viewOf(*form, {ControlKind::Image1, 30}).takesInput);
}

TEST(ControlView, HigherCardIndexLiesOnTopWhereFacesOverlap) {
    Form form;
    form.imgcard[3].moveAndShow({1000, 1000});
    form.imgcard[40].moveAndShow({1300, 1300});
    EXPECT_EQ(tableControlAt(form, 1500, 1500), (ControlRef{ControlKind::imgcard, 40}));
    form.imgcard[40].Enabled = false;
    EXPECT_EQ(tableControlAt(form, 1500, 1500), (ControlRef{ControlKind::imgcard, 40}));
    EXPECT_FALSE(viewOf(form, {ControlKind::imgcard, 40}).takesInput)
        << "a disabled face takes no click";
}

TEST(ControlView, LabelsAreHitButLinesAreNot) {
    auto form = startedForm();
    EXPECT_EQ(tableControlAt(*form, 9120, 2880), (ControlRef{ControlKind::lblscoreots, 0}));
    EXPECT_EQ(tableControlAt(*form, 10200, 3000), (ControlRef{ControlKind::lblscore, 0}));
    EXPECT_EQ(tableControlAt(*form, 9800, 5160), std::nullopt) << "the selection frame's top line";
}

TEST(Speech, NamesSayWhereACardLies) {
    auto form = testing::startedForm({{21, 12}, {28, 7}});
    EXPECT_EQ(speechOf(*form, {ControlKind::Image1, 15}).name, "Face-down card, row 6");
    EXPECT_EQ(speechOf(*form, {ControlKind::Image2, 0}).name, "Stock, 24 cards");
    form->Image2_Click();
    EXPECT_EQ(speechOf(*form, {ControlKind::imgcard, 12}).name, "King of hearts, row 7");
    EXPECT_EQ(speechOf(*form, {ControlKind::imgcard, 7}).name, "8 of hearts, on the waste pile");
    form->imgcard_Click(12);
    EXPECT_EQ(speechOf(*form, {ControlKind::imgcard, 12}).name, "King of hearts, selected");
    testing::turnStock(*form, 23);
    EXPECT_EQ(speechOf(*form, {ControlKind::Image2, 0}).name, "Stock, empty");
}

}  // namespace
}  // namespace quillane

namespace quillane {
// "renamed imgcard(12)", "scoreCellRenamed the score table, cell 11".
void PrintTo(const ReadingChange& change, std::ostream* out) {
    constexpr std::array kinds = {"left",        "joined",       "renamed",
                                  "redescribed", "inputChanged", "scoreCellRenamed"};
    *out << kinds.at(static_cast<std::size_t>(change.kind)) << " ";
    if (const auto* control = std::get_if<ControlRef>(&change.what)) {
        *out << *control;
    } else {
        *out << "the score table, cell " << change.cell;
    }
}

namespace {

TableReading spokenReadingOf(const Form& form) {
    TableReading reading;
    readTable(form, reading);
    speakTable(form, reading);
    return reading;
}

// Slot 21 holds the King of hearts; the stock starts with the 8 of hearts.
TEST(TableReading, ReadsTheTableAsAPlayerLooksAtIt) {
    auto form = testing::startedForm({{21, 12}, {28, 7}});
    form->Image2_Click();
    // One name a line, so that a failure shows the lines that differ.
    std::string expected = "QUILLANE\nVer. " QUILLANE_VERSION "\n";
    for (int slot = 0; slot < firstBottomSlot; ++slot)
        expected += "Face-down card, row " + std::to_string(rowOfSlot(slot) + 1) + "\n";
    for (int slot = firstBottomSlot; slot < slotCount; ++slot)
        expected += cardName(form->deck[slot]) + ", row 7\n";
    expected +=
        "Stock, 23 cards\n8 of hearts, on the waste pile\nScore table\nRemove\n"
        "Pairs of 13\nWritten with Qt 6\n";
    std::string read;
    for (const Found& found : spokenReadingOf(*form).found) read += found.speech.name + "\n";
    EXPECT_EQ(read, expected);
}

TEST(TableReading, ChangesSayWhatLeftJoinedOrChanged) {
    using Kind = ReadingChange::Kind;
    using enum ControlKind;
    auto form = testing::startedForm({{21, 12}, {28, 7}});
    form->Image2_Click();
    const TableReading turned = spokenReadingOf(*form);
    EXPECT_TRUE(changesBetween(turned, turned).empty());
    const layout::Rect& scores = turned.scoreTableRect;
    EXPECT_EQ(scores.Left, layout::arrowStartPlace.Left) << "the score table from the round marker";
    EXPECT_EQ(scores.Top, layout::scoreTableTop) << "from its top rule";
    EXPECT_EQ(scores.Top + scores.Height,
              layout::scoreRowTop(layout::totalRow) + layout::scoreLabelSize.Height)
        << "down to the total";

    form->imgcard_Click(12);
    const TableReading selected = spokenReadingOf(*form);
    std::vector<Look> lookedDifferent;
    forEachChangedLook(turned, selected,
                       [&](const Look&, const Look& now) { lookedDifferent.push_back(now); });
    ASSERT_EQ(lookedDifferent.size(), 1U) << "only the King of hearts looks different";
    EXPECT_EQ(lookedDifferent[0].rect.Left, selectionSlot1.Left) << "in the selection";
    EXPECT_EQ(changesBetween(turned, selected),
              (std::vector<ReadingChange>{{Kind::inputChanged, ControlRef{Image2, 0}},
                                          {Kind::renamed, ControlRef{imgcard, 12}},
                                          {Kind::redescribed, ControlRef{imgcard, 12}},
                                          {Kind::inputChanged, ControlRef{cmdremove, 0}}}));

    form->cmdremove_Click();
    const TableReading removed = spokenReadingOf(*form);
    EXPECT_EQ(changesBetween(selected, removed),
              (std::vector<ReadingChange>{{Kind::left, ControlRef{imgcard, 12}},
                                          {Kind::inputChanged, ControlRef{Image2, 0}},
                                          {Kind::inputChanged, ControlRef{cmdremove, 0}},
                                          {Kind::scoreCellRenamed, ScoreTableRef{}, 1},
                                          {Kind::scoreCellRenamed, ScoreTableRef{}, 11}}))
        << "round 1 and the total scored";

    form->mnunew_Click();
    const std::vector<ReadingChange> backToTheShowcase =
        changesBetween(removed, spokenReadingOf(*form));
    EXPECT_NE(std::find(backToTheShowcase.begin(), backToTheShowcase.end(),
                        ReadingChange{Kind::joined, ControlRef{imgcard, 12}}),
              backToTheShowcase.end());
    EXPECT_NE(std::find(backToTheShowcase.begin(), backToTheShowcase.end(),
                        ReadingChange{Kind::left, ScoreTableRef{}}),
              backToTheShowcase.end());
}

}  // namespace
}  // namespace quillane
