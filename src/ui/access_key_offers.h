// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>
#include <optional>
#include <utility>

class QKeyEvent;

namespace quillane::ui {

// Before any button acts on a key that may be its access key, the toolkit offers the key to
// the focus. This tells which offers count: the first of each press of Alt and a letter.
class AccessKeyOffers {
  public:
    // The letter of the access key that this offer is the first of, if it is one.
    std::optional<char> firstOffer(const QKeyEvent& key);

  private:
    // The last press offered as a possible access key: when it came, and which key it was.
    std::pair<quint64, int> last_;
};

}  // namespace quillane::ui
