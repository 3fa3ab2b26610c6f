// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_accessible.h"

#include <QAccessible>
#include <algorithm>

#include "model/control_kinds.h"
#include "ui/control_accessible.h"
#include "ui/graphical_button.h"
#include "ui/qt_convert.h"
#include "ui/score_table_accessible.h"
#include "ui/table_view.h"

namespace quillane::ui {

namespace {

std::pair<int, int> keyOf(Readable what) {
    const auto* control = std::get_if<ControlRef>(&what);
    return control != nullptr ? std::pair(static_cast<int>(control->kind), control->index)
                              : std::pair(-1, 0);
}

// The push buttons are widgets, whose interfaces are Qt's and tell of their own states.
bool isButton(Readable what) {
    const auto* control = std::get_if<ControlRef>(&what);
    return control != nullptr && isPushButton(descriptionOf(control->kind));
}

void send(TableAccessible::EventSink sink, QAccessibleInterface* interface,
          QAccessible::Event type) {
    QAccessibleEvent event(interface, type);
    sink(&event);
}

}  // namespace

TableAccessible::TableAccessible(TableView* table) : QAccessibleWidget(table, QAccessible::Pane) {
    told_ = table->reading();
    speakTable(table->form(), told_);
    toldRevision_ = table->revision();
    listChildren();
}

TableAccessible::~TableAccessible() {
    for (const auto& [key, id] : made_) QAccessible::deleteAccessibleInterface(id);
}

TableView* TableAccessible::table() const {
    return static_cast<TableView*>(widget());
}

const TableReading& TableAccessible::told() const {
    catchUpUnheard();
    return told_;
}

QRect TableAccessible::screenRect(layout::Rect rect) const {
    const QRect local = toQRect(rect);
    return {table()->mapToGlobal(local.topLeft()), local.size()};
}

QString TableAccessible::text(QAccessible::Text kind) const {
    return kind == QAccessible::Name ? QStringLiteral("Card table") : QAccessibleWidget::text(kind);
}

int TableAccessible::childCount() const {
    catchUpUnheard();
    return static_cast<int>(children_.size());
}

QAccessibleInterface* TableAccessible::child(int index) const {
    catchUpUnheard();
    return index >= 0 && index < static_cast<int>(children_.size())
               ? children_.at(static_cast<std::size_t>(index))
               : nullptr;
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    catchUpUnheard();
    const auto found = std::find(children_.begin(), children_.end(), child);
    return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    catchUpUnheard();
    const QPoint local = table()->mapFromGlobal(QPoint(x, y));
    if (auto* button = qobject_cast<GraphicalButton*>(table()->childAt(local))) {
        return interfaceOf(ControlRef{button->kind(), 0});
    }
    const auto control = controlAt(told_, twips(local.x()), twips(local.y()));
    if (!control) return nullptr;
    const Readable what =
        told_.views.at(stackingPositionOf(*control)).reading == Reading::inScoreTable
            ? Readable(ScoreTableRef{})
            : Readable(*control);
    return foundIn(told_, what) != nullptr ? interfaceOf(what) : nullptr;
}

QAccessibleInterface* TableAccessible::interfaceOf(Readable what) const {
    if (isButton(what)) {
        const ControlKind kind = std::get<ControlRef>(what).kind;
        for (auto* button : table()->findChildren<GraphicalButton*>()) {
            if (button->kind() == kind) return QAccessible::queryAccessibleInterface(button);
        }
        return nullptr;
    }
    auto made = made_.find(keyOf(what));
    if (made == made_.end()) {
        // Qt owns what is registered, until it is deleted by its id; clang's analyzer cannot
        // see that, and takes the child for a leak.
        auto* self = const_cast<TableAccessible*>(this);
        QAccessibleInterface* child = nullptr;
        if (const auto* control = std::get_if<ControlRef>(&what)) {
            child = new ControlChild(self, *control);
        } else {
            child = new ScoreTable(self);
        }
        // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
        made = made_.emplace(keyOf(what), QAccessible::registerAccessibleInterface(child)).first;
    }
    return QAccessible::accessibleInterface(made->second);
}

void TableAccessible::forget(Readable what) const {
    const auto made = made_.find(keyOf(what));
    if (made == made_.end()) return;
    QAccessible::deleteAccessibleInterface(made->second);
    made_.erase(made);
}

void TableAccessible::listChildren() const {
    children_.clear();
    for (const Found& found : told_.found) {
        // A push button is found before its widget is made, while the window is being built.
        if (QAccessibleInterface* child = interfaceOf(found.what)) children_.push_back(child);
    }
}

void TableAccessible::tell(EventSink sink) {
    catchUp(sink);
}

void TableAccessible::catchUpUnheard() const {
    if (!QAccessible::isActive() && toldRevision_ != table()->revision()) catchUp(nullptr);
}

// Qt 6.4's AT-SPI bridge (AtSpiAdaptor::notify) turns ObjectCreated and ObjectDestroyed into
// object:children-changed:add and :remove on the parent, which it finds through the child: a
// child that leaves is told of while it is still one, and forgotten after. Its ObjectReorder
// sends a ChildrenChanged signal of signature siis(so), which libatspi drops as invalid.
void TableAccessible::catchUp(EventSink sink) const {
    // Whatever is asked while the changes are told is answered from the reading being told.
    toldRevision_ = table()->revision();
    next_ = table()->reading();
    speakTable(table()->form(), next_);
    const std::vector<ReadingChange> changes = changesBetween(told_, next_);
    using Kind = ReadingChange::Kind;
    for (const ReadingChange& change : changes) {
        if (change.kind != Kind::left) continue;
        QAccessibleInterface* leaving = interfaceOf(change.what);
        if (sink != nullptr && leaving != nullptr)
            send(sink, leaving, QAccessible::ObjectDestroyed);
        forget(change.what);
    }
    std::swap(told_, next_);
    listChildren();
    if (sink == nullptr) return;

    for (const ReadingChange& change : changes) {
        QAccessibleInterface* interface = interfaceOf(change.what);
        if (interface == nullptr) continue;
        switch (change.kind) {
            case Kind::left:
                break;
            case Kind::joined:
                send(sink, interface, QAccessible::ObjectCreated);
                break;
            case Kind::renamed:
                send(sink, interface, QAccessible::NameChanged);
                break;
            case Kind::redescribed:
                send(sink, interface, QAccessible::DescriptionChanged);
                break;
            case Kind::inputChanged:
                if (!isButton(change.what)) {
                    QAccessible::State changed;
                    changed.disabled = true;
                    QAccessibleStateChangeEvent event(interface, changed);
                    sink(&event);
                }
                break;
            case Kind::scoreCellRenamed:
                send(sink,
                     interface->tableInterface()->cellAt(change.cell / scoreColumns,
                                                         change.cell % scoreColumns),
                     QAccessible::NameChanged);
                break;
        }
    }
}

void announceChanges(TableView* table) {
    if (auto* accessible =
            dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table))) {
        accessible->tell(&QAccessible::updateAccessibility);
    }
}

}  // namespace quillane::ui
