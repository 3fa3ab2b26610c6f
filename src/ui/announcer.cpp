// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <QAccessible>

namespace quillane::ui {

// Qt 6.8 has an announcement event, which newer screen readers speak. Qt 6.4 has none and no
// live regions; what Orca 43 speaks by itself is an object of the Notification role that is
// said to become showing, and it asks for the name afresh, which the name's change event tells
// its cache to forget. The notices stay hidden, so that a review of the window never reads old
// sentences, and no widget is made or destroyed for a sentence.
void Announcer::announce(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window_, sentence);
    QAccessible::updateAccessibility(&event);
#else
    if (!board_) {
        board_ = new NoticeBoard(window_);
        for (Notice*& notice : notices_) notice = new Notice(board_);
    }
    Notice* notice = notices_.at(next_);
    next_ = (next_ + 1) % noticeCount;
    notice->setAccessibleName(sentence);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
}

}  // namespace quillane::ui
