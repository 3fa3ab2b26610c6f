// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/form.h"

namespace quillane {

// Moves a face-up card into the free selection slot, remembering where it came from. Ranks
// are not looked at here; "&Remove" decides.
void Form::imgcard_Click(Integer Index) noexcept {
    Image& card = imgcard.at(Index);
    const bool accepted = selcount == 0 || (card.Left != selectionSlot1.Left &&
                                            card.Left != selectionSlot2.Left && sel2flag == 0);
    if (!accepted) return;

    cmdremove.Enabled = true;
    Image2.Enabled = false;

    if (selcount == 1) {
        sel2left = card.Left;
        sel2top = card.Top;
        sel2card = Index;
        card.moveAndShow(selectionSlot2);
        sel2flag = 1;
        if (sel2left == wastePlace.Left) wastecount = subtract(wastecount, 1);
    } else {
        sel1left = card.Left;
        sel1top = card.Top;
        sel1card = Index;
        card.moveAndShow(selectionSlot1);
        selcount = 1;
        if (sel1left == wastePlace.Left) wastecount = subtract(wastecount, 1);
    }
    // Taking the top of the pile uncovers the card beneath it.
    if (wastecount > 0) imgcard.at(waste.at(wastecount)).Visible = true;
}

}  // namespace quillane
