// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <QAccessible>

namespace quillane::ui {

// Qt 6.8 has an announcement event, which newer screen readers speak. Qt 6.4 has none and no
// live regions; what Orca 43 speaks by itself is an object of the Notification role that
// becomes showing, and it asks for the name afresh, which the name's change event tells its
// cache to forget. So one notice, renamed and said to be shown again, says every sentence with
// two events, and no widget is made or destroyed for it.
void Announcer::announce(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window_, sentence);
    QAccessible::updateAccessibility(&event);
#else
    if (notice_) {
        notice_->setAccessibleName(sentence);
        QAccessibleEvent shown(notice_, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
        return;
    }
    notice_ = new Notice(window_);
    notice_->setGeometry(0, 0, 1, 1);
    notice_->setAccessibleName(sentence);
    notice_->show();
#endif
}

}  // namespace quillane::ui
