// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/control_geometry.h"

#include <algorithm>

namespace quillane {

namespace {

std::size_t indexOf(ControlRef control) {
    return static_cast<std::size_t>(control.index);
}

layout::Rect lineRect(const layout::LineDesign& line) {
    const Single pixel = twipsPerPixel;
    return {std::min(line.X1, line.X2), std::min(line.Y1, line.Y2),
            std::abs(line.X2 - line.X1) + pixel, std::abs(line.Y2 - line.Y1) + pixel};
}

layout::Size imageSize(ControlRef control) {
    switch (control.kind) {
        case ControlKind::imgcard:
            return layout::faceSize;
        case ControlKind::imgarrow:
            return layout::arrowSize;
        case ControlKind::Image1:
            return control.index < slotCount ? layout::backSize : layout::stripSize;
        default:
            return layout::backSize;
    }
}

const Image* imageOf(const Form& form, ControlRef control) {
    switch (control.kind) {
        case ControlKind::imgcard:
            return &form.imgcard.at(indexOf(control));
        case ControlKind::Image1:
            return &form.Image1.at(indexOf(control));
        case ControlKind::Image2:
            return &form.Image2;
        case ControlKind::imgarrow:
            return &form.imgarrow;
        default:
            return nullptr;
    }
}

}  // namespace

const Label* labelOf(const Form& form, ControlRef control) {
    switch (control.kind) {
        case ControlKind::Lblver:
            return &form.Lblver;
        case ControlKind::lblstart:
            return &form.lblstart;
        case ControlKind::lblots:
            return &form.lblots;
        case ControlKind::lblwritten:
            return &form.lblwritten;
        case ControlKind::lblzev:
            return &form.lblzev;
        case ControlKind::lblscoreots:
            return &form.lblscoreots.at(indexOf(control));
        case ControlKind::lblscore:
            return &form.lblscore.at(indexOf(control));
        default:
            return nullptr;
    }
}

std::optional<layout::LabelDesign> labelDesignOf(ControlRef control) {
    switch (control.kind) {
        case ControlKind::Lblver:
            return layout::Lblver;
        case ControlKind::lblstart:
            return layout::lblstart;
        case ControlKind::lblots:
            return layout::lblots;
        case ControlKind::lblwritten:
            return layout::lblwritten;
        case ControlKind::lblzev:
            return layout::lblzev;
        case ControlKind::lblscoreots:
            return layout::lblscoreots(control.index);
        case ControlKind::lblscore:
            return layout::lblscore(control.index);
        default:
            return std::nullopt;
    }
}

bool isVisible(const Form& form, ControlRef control) {
    if (const Image* image = imageOf(form, control)) return image->Visible;
    if (const Label* label = labelOf(form, control)) return label->Visible;
    if (control.kind == ControlKind::Line1) return form.Line1.at(indexOf(control)).Visible;
    return form.Line2.at(indexOf(control)).Visible;
}

layout::Rect rectOf(const Form& form, ControlRef control) {
    if (const Image* image = imageOf(form, control)) {
        return layout::rectAt(image->place(), imageSize(control));
    }
    if (const auto design = labelDesignOf(control)) return design->rect;
    if (control.kind == ControlKind::Line1) return lineRect(layout::Line1(control.index));
    return lineRect(layout::Line2.at(indexOf(control)));
}

std::optional<ControlRef> controlAt(const Form& form, Single x, Single y) {
    for (const ControlRef& control : stackingOrder) {
        if (control.kind == ControlKind::Line1 || control.kind == ControlKind::Line2) continue;
        if (isVisible(form, control) && rectOf(form, control).contains(x, y)) return control;
    }
    return std::nullopt;
}

bool isClickable(const Form& form, ControlRef control) {
    if (control.kind == ControlKind::imgcard) {
        const Image& face = form.imgcard.at(indexOf(control));
        return face.Visible && face.Enabled;
    }
    if (control.kind == ControlKind::Image2) return form.Image2.Visible && form.Image2.Enabled;
    return false;
}

}  // namespace quillane
