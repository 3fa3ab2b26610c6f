// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "model/cards.h"
#include "model/control_appearance.h"
#include "model/control_ref.h"
#include "model/control_view.h"
#include "model/form.h"
#include "model/layout.h"
#include "model/table.h"

namespace quillane {

// The letter marked with "&" in a caption, in upper case; 0 when there is none.
constexpr char accessKeyOf(std::string_view caption) {
    const auto marker = caption.find('&');
    if (marker == std::string_view::npos || marker + 1 >= caption.size()) return 0;
    const char key = caption[marker + 1];
    return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
}

using Handler = void (*)(Form& form, int index) noexcept;

// Everything that makes a kind of control what it is. Adding a control to the window takes its
// design in the layout, its field in the form (and its handler, if it takes input), its entry in
// ControlKind at its place in the stacking order, one of these at the same place, its line in
// docs/glossary.md, and, for a picture a screen reader names in words of its own, its entry in
// src/access/control_speech.cpp.
struct KindDescription {
    ControlKind kind = ControlKind::Lblver;
    std::string_view name{};
    // A control array's size; a single control is not indexed in its name.
    int count = 1;
    Drawing drawing = Drawing::label;
    Reading reading = Reading::onTable;
    // The indices from `from` on draw and read otherwise: the stock's strips among the backs.
    struct Tail {
        int from = 0;
        Drawing drawing = Drawing::strip;
        Reading reading = Reading::notRead;
    };
    std::optional<Tail> tail{};
    // The kinds are described from the topmost down, each array from its highest index down;
    // the indices below `below` lie lower still, just under all of kind `under`.
    struct LowerBand {
        int below = 0;
        ControlKind under = ControlKind::Lblver;
    };
    std::optional<LowerBand> lowerBand{};
    appearance::Appearance appearance = nullptr;
    // A label's caption, or a button's or menu item's text.
    appearance::Caption caption = nullptr;
    // Every input reaches its handler through here, and only while the control takes input.
    Handler handler = nullptr;
    // The buttons' access keys work on the whole window; the menu items' only inside the open
    // "&File" menu, which the toolkit runs, so they have none here.
    char accessKey = 0;

    constexpr bool indexed() const { return count > 1; }
    constexpr Drawing drawingAt(int index) const {
        return tail && index >= tail->from ? tail->drawing : drawing;
    }
    constexpr Reading readingAt(int index) const {
        return tail && index >= tail->from ? tail->reading : reading;
    }
};

namespace kinds {

using enum ControlKind;
using appearance::button;
using appearance::caption;
using appearance::designCaption;
using appearance::fixedCaption;
using appearance::label;
using appearance::line;
using appearance::menuItem;
using appearance::picture;
using S = ControlStates;

// Every kind of control, from the topmost painted down; then the widgets of their own.
inline constexpr auto all = std::to_array<KindDescription>({
    {.kind = Lblver,
     .name = "Lblver",
     .reading = Reading::heading,
     .appearance = label<&S::Lblver, &layout::Lblver>,
     .caption = caption<&S::Lblver>},
    {.kind = lblstart,
     .name = "lblstart",
     .appearance = label<&S::lblstart, &layout::lblstart>,
     .caption = caption<&S::lblstart>},
    {.kind = imgarrow,
     .name = "imgarrow",
     .drawing = Drawing::arrow,
     .reading = Reading::inScoreTable,
     .appearance = picture<&S::imgarrow>},
    {.kind = imgcard,
     .name = "imgcard",
     .count = cardCount,
     .drawing = Drawing::face,
     .lowerBand = {{.below = 3, .under = Line2}},
     .appearance = picture<&S::imgcard>,
     .handler = [](Form& form,
                   int index) noexcept { form.imgcard_Click(static_cast<Integer>(index)); }},
    {.kind = Line2,
     .name = "Line2",
     .count = layout::frameLines,
     .drawing = Drawing::frameLine,
     .reading = Reading::notRead,
     .appearance = line<&S::Line2, &layout::Line2>},
    {.kind = Line1,
     .name = "Line1",
     .count = layout::gridLines,
     .drawing = Drawing::gridLine,
     .reading = Reading::inScoreTable,
     .appearance = line<&S::Line1, &layout::Line1>},
    {.kind = lblscoreots,
     .name = "lblscoreots",
     .count = layout::scoreRows,
     .reading = Reading::inScoreTable,
     .lowerBand = {{.below = layout::totalRow, .under = lblscore}},
     .appearance = label<&S::lblscoreots, &layout::lblscoreots>,
     .caption = caption<&S::lblscoreots>},
    {.kind = lblscore,
     .name = "lblscore",
     .count = layout::scoreRows,
     .reading = Reading::inScoreTable,
     .appearance = label<&S::lblscore, &layout::lblscore>,
     .caption = caption<&S::lblscore>},
    {.kind = lblots,
     .name = "lblots",
     .reading = Reading::heading,
     .appearance = label<&S::lblots, &layout::lblots>,
     .caption = caption<&S::lblots>},
    {.kind = lblwritten,
     .name = "lblwritten",
     .reading = Reading::credit,
     .appearance = label<&S::lblwritten, &layout::lblwritten>,
     .caption = caption<&S::lblwritten>},
    {.kind = lblzev,
     .name = "lblzev",
     .reading = Reading::credit,
     .appearance = label<&S::lblzev, &layout::lblzev>,
     .caption = caption<&S::lblzev>},
    {.kind = Image2,
     .name = "Image2",
     .drawing = Drawing::back,
     .appearance = picture<&S::Image2>,
     .handler = [](Form& form, int) noexcept { form.Image2_Click(); }},
    {
        .kind = Image1,
        .name = "Image1",
        .count = faceDownPictureCount,
        .drawing = Drawing::back,
        .tail = {{.from = firstStockPosition}},
        .appearance = picture<&S::Image1>,
    },
    {.kind = cmdstart,
     .name = "cmdstart",
     .drawing = Drawing::button,
     .reading = Reading::button,
     .appearance = button<&S::cmdstart, &layout::cmdstart>,
     .caption = designCaption<&layout::cmdstart>,
     .handler = [](Form& form, int) noexcept { form.cmdstart_Click(); },
     .accessKey = accessKeyOf(layout::cmdstart.caption)},
    {.kind = cmdnext,
     .name = "cmdnext",
     .drawing = Drawing::button,
     .reading = Reading::button,
     .appearance = button<&S::cmdnext, &layout::cmdnext>,
     .caption = designCaption<&layout::cmdnext>,
     .handler = [](Form& form, int) noexcept { form.cmdnext_Click(); },
     .accessKey = accessKeyOf(layout::cmdnext.caption)},
    {.kind = cmdremove,
     .name = "cmdremove",
     .drawing = Drawing::button,
     .reading = Reading::button,
     .appearance = button<&S::cmdremove, &layout::cmdremove>,
     .caption = designCaption<&layout::cmdremove>,
     .handler = [](Form& form, int) noexcept { form.cmdremove_Click(); },
     .accessKey = accessKeyOf(layout::cmdremove.caption)},
    {.kind = mnunew,
     .name = "mnunew",
     .drawing = Drawing::menuItem,
     .reading = Reading::notRead,
     .appearance = menuItem,
     .caption = fixedCaption<&layout::mnunewCaption>,
     .handler = [](Form& form, int) noexcept { form.mnunew_Click(); }},
    {.kind = mnuexit,
     .name = "mnuexit",
     .drawing = Drawing::menuItem,
     .reading = Reading::notRead,
     .appearance = menuItem,
     .caption = fixedCaption<&layout::mnuexitCaption>,
     .handler = [](Form& form, int) noexcept { form.mnuexit_Click(); }},
});

constexpr bool inTheOrderOfTheirKinds() {
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all.at(i).kind != static_cast<ControlKind>(i)) return false;
    }
    return true;
}
static_assert(inTheOrderOfTheirKinds(), "each kind is described at its place in ControlKind");

}  // namespace kinds

inline constexpr const auto& controlKinds = kinds::all;

constexpr const KindDescription& descriptionOf(ControlKind kind) {
    return controlKinds.at(static_cast<std::size_t>(kind));
}

constexpr bool isPushButton(const KindDescription& kind) {
    return kind.drawing == Drawing::button;
}
inline constexpr auto pushButtonCount =
    static_cast<std::size_t>(std::ranges::count_if(controlKinds, isPushButton));

// The push buttons, widgets of their own that lie above everything painted on the table.
inline constexpr std::array<ControlRef, pushButtonCount> pushButtons = [] {
    std::array<ControlRef, pushButtonCount> buttons{};
    std::size_t next = 0;
    for (const KindDescription& kind : controlKinds) {
        if (isPushButton(kind)) buttons.at(next++) = {kind.kind, 0};
    }
    return buttons;
}();

}  // namespace quillane
