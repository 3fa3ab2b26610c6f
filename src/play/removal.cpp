// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>

#include "model/form.h"
#include "play/removal_table.h"

namespace quillane {

// One press settles the pending selection: remove and score it if the table allows, show
// the scores, put back whatever was not removed, tidy the waste pile, and turn face up every
// card of the triangle the press has freed.
void Form::cmdremove_Click() noexcept {
    cmdremove.Enabled = false;
    Image2.Enabled = true;
    removeMatchingSelection();
    showScores();
    returnUnmatchedSelection();
    refreshWaste();
    uncoverFreedCards();
}

// Every entry is tested on every press, with no else between them; at most one can match,
// since a match clears the flags that every later entry needs.
void Form::removeMatchingSelection() {
    for (const RemovalEntry& entry : removalTable) {
        if (!entry.second) {
            if (sel1card == entry.first && sel2flag == 0) {
                imgcard.at(sel1card).Visible = false;
                roundscore.at(roundno) = add(roundscore.at(roundno), 1);
                selcount = 0;
                removedflag = 1;
            }
        } else if (sel1card == entry.first && sel2card == *entry.second && sel2flag == 1) {
            imgcard.at(sel1card).Visible = false;
            imgcard.at(sel2card).Visible = false;
            roundscore.at(roundno) = add(roundscore.at(roundno), 1);
            selcount = 0;
            sel2flag = 0;
            removedflag = 1;
        }
    }
}

// The total is summed afresh on every press, so it always equals the five round scores.
void Form::showScores() {
    lblscore.at(roundno).Caption = std::to_string(roundscore.at(roundno));
    totalscore = roundscore.at(1);
    for (std::size_t round = 2; round <= rounds; ++round) {
        totalscore = add(totalscore, roundscore.at(round));
    }
    lblscore.at(layout::totalRow).Caption = std::to_string(totalscore);
}

}  // namespace quillane
