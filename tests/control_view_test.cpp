// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "dealt_form.h"
#include "model/control_view.h"
#include "model/input_routes.h"

namespace quillane {
namespace {

using testing::startedForm;

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

}  // namespace
}  // namespace quillane
