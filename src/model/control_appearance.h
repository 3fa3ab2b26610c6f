// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>
#include <type_traits>

#include "model/control_view.h"
#include "model/form.h"
#include "model/layout.h"

// How each kind of control looks, read from its state among the form's controls and its design
// in the layout: nothing else of the game decides it. A field or a design is a single control's, or
// a control array's that the index picks from; a design may also be a function of the index.
namespace quillane::appearance {

template <auto field>
const auto& stateAt(const ControlStates& controls, int index) {
    const auto& state = controls.*field;
    if constexpr (requires { state.size(); }) {
        return state.at(static_cast<std::size_t>(index));
    } else {
        return state;
    }
}

template <auto design>
constexpr decltype(auto) designAt(int index) {
    if constexpr (std::is_invocable_v<decltype(design), int>) {
        return design(index);
    } else if constexpr (requires { design->size(); }) {
        return design->at(static_cast<std::size_t>(index));
    } else {
        return *design;
    }
}

constexpr layout::Size pictureSize(Drawing drawing) {
    switch (drawing) {
        case Drawing::face:
            return layout::faceSize;
        case Drawing::strip:
            return layout::stripSize;
        case Drawing::arrow:
            return layout::arrowSize;
        default:
            return layout::backSize;
    }
}

// A line's rectangle is its one-pixel-wide bounding box.
constexpr layout::Rect lineRect(const layout::LineDesign& line) {
    const Single pixel = twipsPerPixel;
    return {std::min(line.X1, line.X2), std::min(line.Y1, line.Y2),
            std::abs(line.X2 - line.X1) + pixel, std::abs(line.Y2 - line.Y1) + pixel};
}

// The parts of a view that a control's own state decides; the kind's description adds the rest.
using Appearance = ControlView (*)(const ControlStates& controls, int index, Drawing drawing);

template <auto field>
ControlView picture(const ControlStates& controls, int index, Drawing drawing) {
    const Image& image = stateAt<field>(controls, index);
    ControlView view;
    view.look = {image.Visible, layout::rectAt(image.place(), pictureSize(drawing)),
                 drawing,       drawing == Drawing::face ? index : 0,
                 nullptr,       nullptr};
    view.enabled = image.Enabled;
    return view;
}

template <auto field, auto design>
ControlView label(const ControlStates& controls, int index, Drawing drawing) {
    const layout::LabelDesign& labelDesign = designAt<design>(index);
    ControlView view;
    view.look = {stateAt<field>(controls, index).Visible,
                 labelDesign.rect,
                 drawing,
                 0,
                 &labelDesign,
                 nullptr};
    return view;
}

template <auto field, auto design>
ControlView line(const ControlStates& controls, int index, Drawing drawing) {
    ControlView view;
    view.look = {stateAt<field>(controls, index).Visible,
                 lineRect(designAt<design>(index)),
                 drawing,
                 0,
                 nullptr,
                 nullptr};
    return view;
}

template <auto field, auto design>
ControlView button(const ControlStates& controls, int index, Drawing drawing) {
    const Button& button = stateAt<field>(controls, index);
    const layout::ButtonDesign& buttonDesign = designAt<design>(index);
    ControlView view;
    view.look = {button.Visible, buttonDesign.rect, drawing, 0, nullptr, &buttonDesign};
    view.enabled = button.Enabled;
    return view;
}

// The menu is always there and every item of it always enabled.
inline ControlView menuItem(const ControlStates&, int, Drawing drawing) {
    ControlView view;
    view.look = {true, {}, drawing, 0, nullptr, nullptr};
    return view;
}

using Caption = std::string_view (*)(const ControlStates& controls, int index);

template <auto field>
std::string_view caption(const ControlStates& controls, int index) {
    return stateAt<field>(controls, index).Caption;
}

template <auto design>
std::string_view designCaption(const ControlStates&, int index) {
    return designAt<design>(index).caption;
}

template <auto text>
std::string_view fixedCaption(const ControlStates&, int) {
    return *text;
}

}  // namespace quillane::appearance
