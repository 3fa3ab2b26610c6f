// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/spoken.h"

#include <algorithm>

namespace quillane::spoken {

std::string plural(int count, std::string_view thing) {
    return std::to_string(count) + " " + std::string(thing) + (count == 1 ? "" : "s");
}

std::string withoutAccessKey(std::string_view caption) {
    std::string text(caption);
    std::erase(text, '&');
    return text;
}

int cardsLeftInStock(const FormState& form) {
    int left = form.Image2.Visible ? 1 : 0;
    for (int position = firstStockPosition; position < lastStockPosition; ++position) {
        left += form.Image1.at(static_cast<std::size_t>(position)).Visible ? 1 : 0;
    }
    return left;
}

// The name says which card and where it lies, for a reader that reads names alone; the
// description says where more fully.
Speech face(const Form& form, int card) {
    const Image& image = form.imgcard.at(static_cast<std::size_t>(card));
    const std::string name = cardName(card);
    if (form.inShowcase()) return {name, "showcase"};
    switch (placeByLeft(image.Left)) {
        case Whereabouts::onWastePile:
            return {name + ", on the waste pile",
                    "top of the waste pile, " + plural(form.wastecount, "card")};
        case Whereabouts::inSelectionSlot1:
            return {name + ", selected", "selected first"};
        case Whereabouts::inSelectionSlot2:
            return {name + ", selected", "selected second"};
        case Whereabouts::elsewhere:
            break;
    }
    const int slot = slotAt(image.place());
    if (slot == slotCount) return {name, "face up"};
    return {name + ", row " + std::to_string(rowOfSlot(slot) + 1),
            "face up, " + positionName(slot)};
}

Speech faceDown(const Form&, int position) {
    return {"Face-down card, row " + std::to_string(rowOfSlot(position) + 1),
            positionName(position)};
}

Speech stock(const Form& form, int) {
    const int left = cardsLeftInStock(form);
    return {"Stock, " + (left == 0 ? std::string("empty") : plural(left, "card")),
            plural(left, "card") + " to turn"};
}

std::string scoreCell(const Form& form, int row, int column) {
    const auto label = static_cast<std::size_t>(row);
    if (column != 0) return form.lblscore.at(label).Caption;
    std::string name = form.lblscoreots.at(label).Caption;
    // The round marker points at the current round's row.
    if (form.imgarrow.Visible && row == form.roundno) name += ", current round";
    return name;
}

}  // namespace quillane::spoken
