// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/form.h"

namespace quillane {

// Moves a face-up card into the free selection slot, remembering where it came from. Ranks
// are not looked at here; "&Remove" decides.
void Form::imgcard_Click(Integer Index) noexcept {
    Image& card = imgcard.at(Index);
    const bool accepted = selcount == 0 || (!inSelection(card.Left) && sel2flag == 0);
    if (!accepted) return;

    cmdremove.Enabled = true;
    Image2.Enabled = false;

    if (selcount == 1) {
        takeIntoSelection(card, Index, selectionSlot2, sel2left, sel2top, sel2card);
        sel2flag = 1;
        leaveWastePile(sel2left);
    } else {
        takeIntoSelection(card, Index, selectionSlot1, sel1left, sel1top, sel1card);
        selcount = 1;
        leaveWastePile(sel1left);
    }
    // Taking the top of the pile uncovers the card beneath it.
    setWasteTopVisible(true);
}

// The card's place is saved first, so that an unmatched selection can go back to it.
void Form::takeIntoSelection(Image& card, Integer Index, Place slot, Single& savedLeft,
                             Single& savedTop, Integer& selectedCard) {
    savedLeft = card.Left;
    savedTop = card.Top;
    selectedCard = Index;
    card.moveAndShow(slot);
}

void Form::leaveWastePile(Single takenFrom) {
    if (onWastePile(takenFrom)) wastecount = subtract(wastecount, 1);
}

}  // namespace quillane
