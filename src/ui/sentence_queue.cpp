// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sentence_queue.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <utility>

#include "ui/qt_convert.h"
#include "ui/table_accessible.h"

namespace quillane::ui {

namespace {

// Posted after each sentence for a listening screen reader (what a handler did, what a key of
// the table's asked to hear, or why a key did nothing), at low priority: after the update the
// table asked for, which is posted so too, and before any later input.
const QEvent::Type tellScreenReaderEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

}  // namespace

SentenceQueue::SentenceQueue(TableView* table, QWidget* window)
    : QObject(window), table_(table), announcer_(window) {}

void SentenceQueue::say(std::string sentence) {
    if (sentence.empty() || !QAccessible::isActive()) return;
    tellScreenReader();
    untold_ = std::move(sentence);
    QCoreApplication::postEvent(this, new QEvent(tellScreenReaderEvent), Qt::LowEventPriority);
}

bool SentenceQueue::event(QEvent* event) {
    if (event->type() != tellScreenReaderEvent) return QObject::event(event);
    tellScreenReader();
    return true;
}

void SentenceQueue::tellScreenReader() {
    if (!untold_) return;
    const QString sentence = toQString(*std::exchange(untold_, std::nullopt));
    announceChanges(table_, [&] { announcer_.announce(sentence); });
}

}  // namespace quillane::ui
