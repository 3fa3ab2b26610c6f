// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/access_key_offers.h"

#include <QKeyEvent>

namespace quillane::ui {

// Qt 6.4 (Debian 12) offers one press twice, and with a screen reader listening hands it on
// again as a key press once the button has acted; on every version only the first offer of a
// press counts, a press told by when it came and which key it was. The repeats of a held key
// count only where the toolkit does not mark them as repeats.
std::optional<char> AccessKeyOffers::firstOffer(const QKeyEvent& key) {
    const bool accessKey = (key.modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier &&
                           key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z && !key.isAutoRepeat();
    const std::pair offer{key.timestamp(), key.key()};
    if (!accessKey || std::exchange(last_, offer) == offer) return std::nullopt;
    return static_cast<char>('A' + (key.key() - Qt::Key_A));
}

}  // namespace quillane::ui
