// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/control_view.h"

#include <algorithm>
#include <cmath>

#include "model/input_routes.h"

namespace quillane {

namespace {

std::string plural(int count, const std::string& thing) {
    return std::to_string(count) + " " + thing + (count == 1 ? "" : "s");
}

std::string whereFaceLies(const Form& form, const Image& face) {
    if (form.cmdstart.Visible) return "showcase";
    switch (placeByLeft(face.Left)) {
        case Whereabouts::onWastePile:
            return "top of the waste pile, " + plural(form.wastecount, "card");
        case Whereabouts::inSelectionSlot1:
            return "selected first";
        case Whereabouts::inSelectionSlot2:
            return "selected second";
        case Whereabouts::elsewhere:
            break;
    }
    for (int slot = 0; slot < slotCount; ++slot) {
        if (slotPlace(slot) == face.place()) return "face up, " + positionName(slot);
    }
    return "face up";
}

int cardsLeftInStock(const Form& form) {
    int left = form.Image2.Visible ? 1 : 0;
    for (int position = firstStockPosition; position < lastStockPosition; ++position) {
        left += form.Image1.at(static_cast<std::size_t>(position)).Visible ? 1 : 0;
    }
    return left;
}

// A line's rectangle is its one-pixel-wide bounding box.
layout::Rect lineRect(const layout::LineDesign& line) {
    const Single pixel = twipsPerPixel;
    return {std::min(line.X1, line.X2), std::min(line.Y1, line.Y2),
            std::abs(line.X2 - line.X1) + pixel, std::abs(line.Y2 - line.Y1) + pixel};
}

// Speech is put together only when asked for: painting and input never read it, and they ask
// for many views at every event.
template <typename Say>
ControlView picture(const Image& image, Drawing drawing, layout::Size size, ControlKind kind,
                    Reading reading, ViewPart part, Say say, int card = 0) {
    const bool hasHandler = routeOf(kind) != nullptr;
    ControlView view;
    view.look = {image.Visible, layout::rectAt(image.place(), size), drawing, card, {}, {}, {}};
    view.enabled = image.Enabled;
    view.hasHandler = hasHandler;
    view.takesInput = hasHandler && image.Visible && image.Enabled;
    view.catchesClicks = image.Visible;
    view.reading = reading;
    if (part == ViewPart::all) view.speech = say();
    return view;
}

ControlView label(const Label& label, const layout::LabelDesign& design, Reading reading,
                  ViewPart part) {
    ControlView view;
    view.look = {label.Visible, design.rect, Drawing::label, 0, design, {}, label.Caption};
    view.catchesClicks = label.Visible;
    view.reading = reading;
    if (part == ViewPart::all) view.speech.name = label.Caption;
    return view;
}

ControlView line(const Line& line, const layout::LineDesign& design, Drawing drawing,
                 Reading reading) {
    ControlView view;
    view.look = {line.Visible, lineRect(design), drawing, 0, {}, {}, {}};
    view.reading = reading;
    return view;
}

// A push button's caption is read without its access-key marker.
std::string spoken(std::string_view caption) {
    std::string text(caption);
    std::erase(text, '&');
    return text;
}

ControlView button(const Button& button, const layout::ButtonDesign& design, ControlKind kind) {
    ControlView view;
    view.look = {
        button.Visible, design.rect, Drawing::button, 0, {}, design, std::string(design.caption)};
    view.enabled = button.Enabled;
    view.hasHandler = routeOf(kind) != nullptr;
    view.takesInput = view.hasHandler && button.Visible && button.Enabled;
    view.catchesClicks = button.Visible;
    view.speech = {spoken(design.caption), ""};
    return view;
}

// The menu is always there and every item of it always enabled.
ControlView menuItem(std::string_view caption, ControlKind kind) {
    ControlView view;
    view.look = {true, {}, Drawing::menuItem, 0, {}, {}, std::string(caption)};
    view.hasHandler = routeOf(kind) != nullptr;
    view.takesInput = view.hasHandler;
    view.speech = {spoken(caption), ""};
    return view;
}

// Each kind's name, and whether it names a control array, in the order of ControlKind.
struct KindName {
    std::string_view name;
    bool indexed = false;
};
constexpr std::array<KindName, 18> kindNames = {{
    {"Lblver"},
    {"lblstart"},
    {"imgarrow"},
    {"imgcard", true},
    {"Line2", true},
    {"Line1", true},
    {"lblscoreots", true},
    {"lblscore", true},
    {"lblots"},
    {"lblwritten"},
    {"lblzev"},
    {"Image2"},
    {"Image1", true},
    {"cmdstart"},
    {"cmdnext"},
    {"cmdremove"},
    {"mnunew"},
    {"mnuexit"},
}};

}  // namespace

ControlView viewOf(const Form& form, ControlRef control, ViewPart part) {
    const auto i = static_cast<std::size_t>(control.index);
    switch (control.kind) {
        case ControlKind::imgcard: {
            const Image& face = form.imgcard.at(i);
            return picture(
                face, Drawing::face, layout::faceSize, control.kind, Reading::alone, part,
                [&] {
                    return Speech{cardName(control.index), whereFaceLies(form, face)};
                },
                control.index);
        }
        case ControlKind::Image1: {
            const bool back = control.index < slotCount;
            return picture(form.Image1.at(i), back ? Drawing::back : Drawing::strip,
                           back ? layout::backSize : layout::stripSize, control.kind,
                           back ? Reading::alone : Reading::notRead, part, [&] {
                               return Speech{"Face-down card", positionName(control.index)};
                           });
        }
        case ControlKind::Image2:
            return picture(
                form.Image2, Drawing::back, layout::backSize, control.kind, Reading::alone, part,
                [&] {
                    return Speech{"Stock", plural(cardsLeftInStock(form), "card") + " to turn"};
                });
        case ControlKind::imgarrow:
            return picture(
                form.imgarrow, Drawing::arrow, layout::arrowSize, control.kind, Reading::alone,
                part, [&] {
                    return Speech{"Round marker", "round " + std::to_string(form.roundno)};
                });
        case ControlKind::Line1:
            return line(form.Line1.at(i), layout::Line1(control.index), Drawing::gridLine,
                        Reading::inScoreTable);
        case ControlKind::Line2:
            return line(form.Line2.at(i), layout::Line2.at(i), Drawing::frameLine,
                        Reading::notRead);
        case ControlKind::lblscoreots:
            return label(form.lblscoreots.at(i), layout::lblscoreots(control.index),
                         Reading::inScoreTable, part);
        case ControlKind::lblscore:
            return label(form.lblscore.at(i), layout::lblscore(control.index),
                         Reading::inScoreTable, part);
        case ControlKind::Lblver:
            return label(form.Lblver, layout::Lblver, Reading::alone, part);
        case ControlKind::lblstart:
            return label(form.lblstart, layout::lblstart, Reading::alone, part);
        case ControlKind::lblots:
            return label(form.lblots, layout::lblots, Reading::alone, part);
        case ControlKind::lblwritten:
            return label(form.lblwritten, layout::lblwritten, Reading::alone, part);
        case ControlKind::lblzev:
            return label(form.lblzev, layout::lblzev, Reading::alone, part);
        case ControlKind::cmdstart:
            return button(form.cmdstart, layout::cmdstart, control.kind);
        case ControlKind::cmdnext:
            return button(form.cmdnext, layout::cmdnext, control.kind);
        case ControlKind::cmdremove:
            return button(form.cmdremove, layout::cmdremove, control.kind);
        case ControlKind::mnunew:
            return menuItem(layout::mnunewCaption, control.kind);
        case ControlKind::mnuexit:
            return menuItem(layout::mnuexitCaption, control.kind);
    }
    return {};
}

std::string controlName(ControlRef control) {
    const KindName& kind = kindNames.at(static_cast<std::size_t>(control.kind));
    std::string name(kind.name);
    if (kind.indexed) name += "(" + std::to_string(control.index) + ")";
    return name;
}

ScoreTableView scoreTableOf(const Form& form) {
    ScoreTableView table;
    Single right = 0;
    Single bottom = 0;
    table.rect = {layout::clientSize.Width, layout::clientSize.Height, 0, 0};
    for (const ControlRef& control : stackingOrder) {
        const ControlView view = viewOf(form, control, ViewPart::withoutSpeech);
        if (view.reading != Reading::inScoreTable) continue;
        const layout::Rect& rect = view.look.rect;
        table.visible = table.visible || view.look.visible;
        table.rect.Left = std::min(table.rect.Left, rect.Left);
        table.rect.Top = std::min(table.rect.Top, rect.Top);
        right = std::max(right, rect.Left + rect.Width);
        bottom = std::max(bottom, rect.Top + rect.Height);
    }
    table.rect.Width = right - table.rect.Left;
    table.rect.Height = bottom - table.rect.Top;
    return table;
}

std::optional<ControlRef> tableControlAt(const Form& form, Single x, Single y) {
    for (const ControlRef& control : stackingOrder) {
        const ControlView view = viewOf(form, control, ViewPart::withoutSpeech);
        if (view.catchesClicks && view.look.rect.contains(x, y)) return control;
    }
    return std::nullopt;
}

}  // namespace quillane
