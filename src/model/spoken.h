// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "model/control_view.h"
#include "model/form.h"

// What a screen reader says of each picture on the table, by its index in its control array.
namespace quillane::spoken {

Speech face(const Form& form, int card);
Speech faceDown(const Form& form, int position);
Speech stock(const Form& form, int);
// A cell of the score table: row 0 the headings, rows 1 to 5 the rounds, row 6 the total;
// column 0 the row's name, column 1 its points.
std::string scoreCell(const Form& form, int row, int column);

// "3 cards", "1 card".
std::string plural(int count, std::string_view thing);
// A push button's caption without its access-key marker.
std::string withoutAccessKey(std::string_view caption);
int cardsLeftInStock(const FormState& form);

}  // namespace quillane::spoken
