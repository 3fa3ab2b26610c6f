// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/form.h"
#include "play/return_cases.h"

namespace quillane {

// A selection that was not removed goes back exactly where it was taken from. Cards taken
// from the pile still stand in waste() just above wastecount, so raising the count puts them
// back in their old order.
void Form::returnUnmatchedSelection() {
    for (const ReturnCase& rule : returnCases) {
        const bool applies =
            removedflag == 0 && selcount == 1 && sel2flag == rule.sel2flag &&
            onWastePile(sel1left) == rule.firstFromWaste &&
            (!rule.secondFromWaste || onWastePile(sel2left) == *rule.secondFromWaste);
        if (!applies) continue;
        imgcard.at(sel1card).moveAndShow({sel1left, sel1top});
        if (rule.sel2flag == 1) imgcard.at(sel2card).moveAndShow({sel2left, sel2top});
        selcount = 0;
        if (rule.sel2flag == 1) sel2flag = 0;
        wastecount = add(wastecount, rule.cardsBackOnPile);
    }
}

// After a return the pile may show several faces at once; afterwards exactly its top shows.
void Form::refreshWaste() {
    for (cardno = firstStockPosition; cardno <= lastStockPosition; ++cardno) {
        imgcard.at(deck.at(cardno)).Visible = false;
    }
    setWasteTopVisible(true);
    removedflag = 0;
}

}  // namespace quillane
