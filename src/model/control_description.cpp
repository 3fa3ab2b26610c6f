// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/control_description.h"

#include "model/control_geometry.h"

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

}  // namespace

bool isReadAlone(ControlRef control) {
    switch (control.kind) {
        case ControlKind::Line1:
        case ControlKind::Line2:
        case ControlKind::lblscore:
        case ControlKind::lblscoreots:
            return false;
        case ControlKind::Image1:
            return control.index < slotCount;
        default:
            return true;
    }
}

ControlDescription describeControl(const Form& form, ControlRef control) {
    switch (control.kind) {
        case ControlKind::imgcard: {
            const Image& face = form.imgcard.at(static_cast<std::size_t>(control.index));
            return {cardName(control.index), whereFaceLies(form, face)};
        }
        case ControlKind::Image1:
            return {"Face-down card", positionName(control.index)};
        case ControlKind::Image2:
            return {"Stock", plural(cardsLeftInStock(form), "card") + " to turn"};
        case ControlKind::imgarrow:
            return {"Round marker", "round " + std::to_string(form.roundno)};
        default:
            break;
    }
    if (const Label* label = labelOf(form, control)) return {label->Caption, ""};
    return {"", ""};
}

}  // namespace quillane
