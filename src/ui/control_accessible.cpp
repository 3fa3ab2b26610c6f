// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control_accessible.h"

#include "access/table_cursor.h"
#include "model/stacking.h"
#include "ui/qt_convert.h"
#include "ui/table_accessible.h"
#include "ui/table_view.h"

namespace quillane::ui {

bool VirtualChild::isValid() const {
    return table_->isValid();
}

QWindow* VirtualChild::window() const {
    return table_->window();
}

QAccessibleInterface* VirtualChild::parent() const {
    return const_cast<TableAccessible*>(table_);
}

ControlChild::ControlChild(const TableAccessible* table, ControlRef control)
    : VirtualChild(table), control_(control), stacking_(stackingPositionOf(control)) {}

const ControlView& ControlChild::view() const {
    return table_->shown().views.at(stacking_);
}

void* ControlChild::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface && view().hasHandler
               ? static_cast<QAccessibleActionInterface*>(this)
               : nullptr;
}

QString ControlChild::text(QAccessible::Text kind) const {
    const Speech* speech = table_->speechOf(control_);
    if (speech == nullptr) return {};
    if (kind == QAccessible::Name) return toQString(speech->name);
    if (kind == QAccessible::Description) return toQString(speech->description);
    return {};
}

QRect ControlChild::rect() const {
    return table_->screenRect(view().look.rect);
}

// The credit lines at the foot of the table are its footer: a screen reader that names a
// panel's loose labels when it takes the focus passes them by. A picture is a client area,
// which Qt hands over as AT-SPI's filler: Orca follows an image's name with the word "image" on
// every card the cursor comes to, and a filler's with no word for its role (the speech
// generators of Orca 43 and of Orca 48 leave it out). Its name, description, Press action and
// focus stay as they were.
QAccessible::Role ControlChild::role() const {
    if (view().reading == Reading::credit) return QAccessible::Footer;
    return view().look.drawing == Drawing::label ? QAccessible::StaticText : QAccessible::Client;
}

// A child on the table shows, the empty stock included, which is not painted; one that left is
// kept until it comes back.
QAccessible::State ControlChild::state() const {
    QAccessible::State state;
    state.disabled = view().hasHandler && !view().takesInput;
    state.invisible = foundIn(table_->shown(), control_) == nullptr;
    state.focusable = !state.invisible && cursorStandsOn(control_);
    state.focused = table_->hasFocusOn(control_);
    return state;
}

QStringList ControlChild::actionNames() const {
    return view().hasHandler ? QStringList{pressAction()} : QStringList();
}

// The window decides from the form as it stands whether the press reaches a handler.
void ControlChild::doAction(const QString& name) {
    if (view().hasHandler && name == pressAction()) table_->table()->press(control_);
}

}  // namespace quillane::ui
