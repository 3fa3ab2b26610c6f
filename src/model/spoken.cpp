// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/spoken.h"

#include <algorithm>

namespace quillane::spoken {

namespace {

std::string whereFaceLies(const Form& form, const Image& face) {
    if (form.inShowcase()) return "showcase";
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

}  // namespace

std::string plural(int count, std::string_view thing) {
    return std::to_string(count) + " " + std::string(thing) + (count == 1 ? "" : "s");
}

std::string withoutAccessKey(std::string_view caption) {
    std::string text(caption);
    std::erase(text, '&');
    return text;
}

int cardsLeftInStock(const Form& form) {
    int left = form.Image2.Visible ? 1 : 0;
    for (int position = firstStockPosition; position < lastStockPosition; ++position) {
        left += form.Image1.at(static_cast<std::size_t>(position)).Visible ? 1 : 0;
    }
    return left;
}

Speech face(const Form& form, int card) {
    return {cardName(card), whereFaceLies(form, form.imgcard.at(static_cast<std::size_t>(card)))};
}

Speech faceDown(const Form&, int position) {
    return {"Face-down card", positionName(position)};
}

Speech stock(const Form& form, int) {
    return {"Stock", plural(cardsLeftInStock(form), "card") + " to turn"};
}

Speech roundMarker(const Form& form, int) {
    return {"Round marker", "round " + std::to_string(form.roundno)};
}

}  // namespace quillane::spoken
