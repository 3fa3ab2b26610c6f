// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/form.h"

namespace quillane {

// The showcase: the four Kings face up and disabled, so that clicks on them do nothing.
void Form::layOutShowcase() {
    for (std::size_t k = 0; k < kings.size(); ++k) {
        imgcard.at(kings.at(k)).Left = showcasePlaces.at(k).Left;
    }
    for (std::size_t k = 0; k < kings.size(); ++k) {
        imgcard.at(kings.at(k)).Top = showcasePlaces.at(k).Top;
    }
    for (Integer king : kings) imgcard.at(king).Visible = true;
    for (Integer king : kings) imgcard.at(king).Enabled = false;
}

void Form::setScoreTableVisible(bool visible) {
    for (cardno = 0; cardno < layout::gridLines; ++cardno) Line1.at(cardno).Visible = visible;
    for (cardno = 0; cardno < layout::scoreRows; ++cardno) {
        lblscoreots.at(cardno).Visible = visible;
        lblscore.at(cardno).Visible = visible;
    }
}

void Form::setSelectionFrameVisible(bool visible) {
    for (Line& line : Line2) line.Visible = visible;
}

// What every round shows beside the cards once the deal is done: the selection frame, a
// disabled "&Remove" and the hint.
void Form::showRoundControls() {
    setSelectionFrameVisible(true);
    cmdremove.Visible = true;
    cmdremove.Enabled = false;
    lblstart.Visible = true;
}

void Form::clearRoundFlags() {
    stockstarted = 0;
    selcount = 0;
    sel2flag = 0;
    removedflag = 0;
}

void Form::Form_Load() noexcept {
    layOutShowcase();
}

void Form::cmdstart_Click() noexcept {
    for (Integer king : kings) imgcard.at(king).Visible = false;
    for (Integer king : kings) imgcard.at(king).Enabled = true;
    cmdstart.Visible = false;
    for (cardno = 0; cardno < faceDownPictureCount; ++cardno) Image1.at(cardno).Visible = true;
    Image2.Visible = true;
    shuffledeck();
    for (std::size_t round = 1; round <= rounds; ++round) roundscore.at(round) = 0;
    for (std::size_t row = 1; row < layout::scoreRows; ++row) {
        lblscore.at(row).Caption = layout::zeroScore;
    }
    setScoreTableVisible(true);
    imgarrow.Top = layout::arrowStartPlace.Top;
    imgarrow.Visible = true;
    showRoundControls();
    roundno = 1;
    totalscore = 0;
    clearRoundFlags();
}

// The same round set-up as "&Start game", but every face is hidden (cards of the last round
// may lie anywhere), the stock is enabled again, and the scores so far stay on the table.
void Form::cmdnext_Click() noexcept {
    Image2.Enabled = true;
    cmdnext.Visible = false;
    // Faces 0..50 are hidden in the same loop as the face-down pictures; face 51 after it.
    for (cardno = 0; cardno < faceDownPictureCount; ++cardno) {
        Image1.at(cardno).Visible = true;
        imgcard.at(cardno).Visible = false;
    }
    Image2.Visible = true;
    imgcard.at(cardCount - 1).Visible = false;
    shuffledeck();
    setScoreTableVisible(true);
    imgarrow.Visible = true;
    showRoundControls();
    roundno = add(roundno, 1);
    clearRoundFlags();
    imgarrow.Top = imgarrow.Top + layout::arrowRoundStep;
    lblstart.Caption = layout::startHint;
}

// Drops the game at once, whatever state it is in; the variables keep their values until the
// next "&Start game" resets them.
void Form::mnunew_Click() noexcept {
    Image2.Enabled = true;
    // As at the next round: faces 0..50 in the loop, face 51 after it.
    for (cardno = 0; cardno < faceDownPictureCount; ++cardno) {
        Image1.at(cardno).Visible = false;
        imgcard.at(cardno).Visible = false;
    }
    imgcard.at(cardCount - 1).Visible = false;
    Image2.Visible = false;
    setScoreTableVisible(false);
    cmdnext.Visible = false;
    imgarrow.Visible = false;
    setSelectionFrameVisible(false);
    cmdremove.Visible = false;
    layOutShowcase();
    lblstart.Visible = false;
    cmdstart.Visible = true;
}

void Form::mnuexit_Click() noexcept {
    programEnded = true;
}

}  // namespace quillane
