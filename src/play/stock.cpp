// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/form.h"

namespace quillane {

// Every handled click turns exactly one stock card onto the waste pile: turnedflag keeps the
// later steps of the same click from turning a second one. The first click of a round also
// lays the bottom row of the triangle face up.
void Form::Image2_Click() noexcept {
    if (sel2flag != 0) return;
    lblstart.Visible = false;

    if (stockstarted == 0) {
        stockstarted = 1;
        for (int slot = firstBottomSlot; slot < slotCount; ++slot) Image1.at(slot).Visible = false;
        for (int slot = firstBottomSlot; slot < slotCount; ++slot) {
            imgcard.at(deck.at(slot)).Left = slotPlace(slot).Left;
        }
        for (int slot = firstBottomSlot; slot < slotCount; ++slot) {
            imgcard.at(deck.at(slot)).Top = slotPlace(slot).Top;
            imgcard.at(deck.at(slot)).Visible = true;
        }
        imgcard.at(deck.at(firstStockPosition)).moveAndShow(wastePlace);
        Image1.at(firstStockPosition).Visible = false;
        stockpos = firstStockPosition + 1;
        waste.at(1) = deck.at(firstStockPosition);
        wastecount = 1;
        turnedflag = 1;
    }

    if (stockpos < lastStockPosition && turnedflag == 0) {
        turnOntoWaste(stockpos, Image1.at(stockpos));
        stockpos = add(stockpos, 1);
        turnedflag = 1;
    }

    if (stockpos == lastStockPosition && turnedflag == 0) {
        turnOntoWaste(lastStockPosition, Image2);
        if (roundno < rounds) cmdnext.Visible = true;
    }

    turnedflag = 0;
}

// The stock card at this position goes face up on top of the pile, and its back disappears.
void Form::turnOntoWaste(Integer position, Image& faceDown) {
    setWasteTopVisible(false);
    imgcard.at(deck.at(position)).moveAndShow(wastePlace);
    faceDown.Visible = false;
    wastecount = add(wastecount, 1);
    waste.at(wastecount) = deck.at(position);
}

// Only the top of the waste pile ever shows; the cards beneath wait hidden.
void Form::setWasteTopVisible(bool visible) {
    if (wastecount > 0) imgcard.at(waste.at(wastecount)).Visible = visible;
}

}  // namespace quillane
