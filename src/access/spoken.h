// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "access/control_speech.h"
#include "model/form.h"

// The words a player hears: what each picture on the table is called, by its index in its
// control array; the score table's cells; and the sentences that say the game's state, the
// selection and what comes next.
namespace quillane::spoken {

Speech face(const Form& form, int card);
Speech faceDown(const Form& form, int position);
Speech stock(const Form& form, int);
// A cell of the score table below its headings: rows 1 to 5 the rounds, row 6 the total;
// column 0 the row's name, "Round 2,", column 1 its points, "3 points, current round".
std::string scoreCell(const Form& form, int row, int column);

// What is selected: "4 of spades selected.", "4 of spades and 9 of spades selected, 13.".
std::string selection(const FormState& form);
// The card on top of the waste pile, once a card has been turned.
std::string wasteTop(const FormState& form);
// The whole game as it stands, on demand: the round and its points, the total, the stock, the
// waste pile's top, the selection, and what comes next once the round cannot go on.
std::string gameState(const FormState& form);
// What a player does next once the stock is used up: the next round while Next round shows,
// else, once nothing is left to remove in the last round, a new game.
std::string whatComesNext(const FormState& form);

// What the table is, whatever the game's state: the keys that say that state and the keys.
std::string tableDescription();
// How to begin, at launch and as the table first takes the focus in a game: "Start game: Alt+S.
// Press H for the keys." in the showcase, "Press H for the keys." in a round.
std::string howToBegin(const FormState& form);

// "3rd": where a card of the triangle lies in its row, counted from the left.
std::string_view ordinalInRow(int slot);

// "Round 2: 3 points, total 10.", or, with the count of rounds, "Round 2 of 5: 3 points, total 10."
std::string roundScore(const FormState& form, bool withRoundCount);

// "Remove: Alt+R.": what to do, and the keys that do it: a push button's access key, or the
// File menu's and then a menu item's, as their captions mark them.
std::string pressing(std::string_view what, ControlKind control);

// "3 cards", "1 card".
std::string plural(int count, std::string_view thing);
// A push button's caption without its access-key marker.
std::string withoutAccessKey(std::string_view caption);
int cardsLeftInStock(const FormState& form);

// A row of the score table by name, from its label's caption: "Round 2", "Total".
std::string scoreRowName(int row, std::string_view caption);
// What comes next, said right after the total: "Game over. New game: Alt+F, then G.", or as
// whatComesNext says it while Next round shows.
std::string whatComesNextAfterScore(const FormState& form);

}  // namespace quillane::spoken
