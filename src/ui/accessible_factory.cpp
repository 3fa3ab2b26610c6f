// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessible_factory.h"

#include "ui/announcer.h"
#include "ui/button_accessible.h"
#include "ui/graphical_button.h"
#include "ui/table_accessible.h"
#include "ui/table_view.h"

namespace quillane::ui {

namespace {

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* table = qobject_cast<TableView*>(object)) return new TableAccessible(table);
    if (auto* button = qobject_cast<GraphicalButton*>(object)) return new ButtonAccessible(button);
    if (auto* notice = qobject_cast<Notice*>(object))
        return new QAccessibleWidget(notice, QAccessible::Notification);
    if (auto* board = qobject_cast<NoticeBoard*>(object))
        return new QAccessibleWidget(board, QAccessible::StatusBar);
    return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

}  // namespace quillane::ui
