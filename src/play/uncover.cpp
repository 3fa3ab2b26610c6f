// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/form.h"
#include "play/uncover_table.h"

namespace quillane {

// A face-down card turns face up once both cards covering it are gone: face hidden and, where
// a child could still be face down, back hidden too. A card turned here shows its face, so it
// still covers its own parent: there is no cascade within one pass.
void Form::uncoverFreedCards() {
    for (const UncoverRow& row : uncoverTable) {
        const bool faceDown = Image1.at(row.slot).Visible;
        const bool childFacesGone = !imgcard.at(deck.at(row.firstChild)).Visible &&
                                    !imgcard.at(deck.at(row.secondChild)).Visible;
        const bool childBacksGone = !row.childBacksTested || (!Image1.at(row.firstChild).Visible &&
                                                              !Image1.at(row.secondChild).Visible);
        if (!(faceDown && childFacesGone && childBacksGone)) continue;
        Image1.at(row.slot).Visible = false;
        Image& face = imgcard.at(deck.at(row.slot));
        face.Left = row.place.Left;
        face.Top = row.place.Top;
        face.Visible = true;
    }
}

}  // namespace quillane
