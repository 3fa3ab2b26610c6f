// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/button_accessible.h"

#include <QKeySequence>

#include "access/spoken.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

ButtonAccessible::ButtonAccessible(QAbstractButton* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

QAbstractButton* ButtonAccessible::button() const {
    return static_cast<QAbstractButton*>(widget());
}

QString ButtonAccessible::text(QAccessible::Text kind) const {
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    return toQString(spoken::withoutAccessKey(button()->text().toStdString()));
}

QAccessible::State ButtonAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    return state;
}

QStringList ButtonAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

// click() does nothing on a disabled button, and the window decides from the form whether
// the control takes the input at all.
void ButtonAccessible::doAction(const QString& name) {
    if (name == pressAction()) {
        button()->click();
    } else {
        QAccessibleWidget::doAction(name);
    }
}

QStringList ButtonAccessible::keyBindingsForAction(const QString& name) const {
    if (name != pressAction()) return QAccessibleWidget::keyBindingsForAction(name);
    const QKeySequence key = QKeySequence::mnemonic(button()->text());
    return key.isEmpty() ? QStringList() : QStringList{key.toString(QKeySequence::NativeText)};
}

}  // namespace quillane::ui
