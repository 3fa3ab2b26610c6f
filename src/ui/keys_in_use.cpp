// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keys_in_use.h"

#include <QCoreApplication>
#include <QEvent>

namespace quillane::ui {

KeysInUse::KeysInUse(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeysInUse::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress;
    if ((key || event->type() == QEvent::MouseButtonPress) && inUse_ != key) {
        inUse_ = key;
        emit changed();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quillane::ui
