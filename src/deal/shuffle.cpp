// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>

#include "model/form.h"

namespace quillane {

// One draw: floor(r * 52), a whole number 0..51 held as a Single. The product is formed in
// double precision so that it is exact and the largest r below 1 still gives 51.
Single Form::drawCandidate() {
    return static_cast<Single>(std::floor(static_cast<double>(generator_->next()) * cardCount));
}

// Each position takes the first drawn card that is not already dealt; a duplicate is dropped
// and the same position is tried again with a fresh draw.
void Form::shuffledeck() {
    dealtcount = 0;
    rndcard = drawCandidate();
    deck.at(0) = toInteger(rndcard);
    for (;;) {
        duplicate = 0;
        dealtcount = add(dealtcount, 1);
        dealtcount2 = dealtcount;
        rndcard = drawCandidate();
        cardno = toInteger(rndcard);
        for (scanpos = 0; scanpos <= dealtcount2 - 1; scanpos = add(scanpos, 1)) {
            if (deck.at(scanpos) == cardno) duplicate = 1;
        }
        if (duplicate == 1) {
            dealtcount = subtract(dealtcount, 1);
            continue;
        }
        deck.at(dealtcount) = cardno;
        if (dealtcount == lastStockPosition) break;
    }
    start1();
}

void Form::Timer1_Timer() noexcept {
    cardno = toInteger(drawCandidate());
}

void Form::deliverDueTicks() noexcept {
    const std::uint64_t due = timer_.takeDueTicks();
    if (due == 0) return;
    // Only the last tick's draw is left in cardno, so the others need only advance the sequence.
    generator_->discard(due - 1);
    Timer1_Timer();
}

}  // namespace quillane
