// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/announcer.h"

#include <QAccessible>

namespace quillane::ui {

// Qt 6.8 has an announcement event, which newer screen readers speak. Qt 6.4 has none and no
// live regions; what Orca 43 speaks by itself is an object of the Notification role that
// becomes showing. Each sentence is a new such object: Orca keeps what it learnt of an object,
// so a notice shown again with a new name might be taken for one it has already read.
void Announcer::announce(const QString& sentence) {
    if (sentence.isEmpty() || !QAccessible::isActive()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window_, sentence);
    QAccessible::updateAccessibility(&event);
#else
    if (notice_) notice_->deleteLater();
    notice_ = new Notice(window_);
    notice_->setGeometry(0, 0, 1, 1);
    notice_->setAccessibleName(sentence);
    notice_->show();
#endif
}

}  // namespace quillane::ui
