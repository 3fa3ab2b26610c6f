// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_accessible.h"

#include <QAccessible>
#include <algorithm>

#include "access/spoken.h"
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

void sendInputChanged(TableAccessible::EventSink sink, QAccessibleInterface* interface) {
    QAccessible::State changed;
    changed.disabled = true;
    QAccessibleStateChangeEvent event(interface, changed);
    sink(&event);
}

}  // namespace

TableAccessible::TableAccessible(TableView* table) : QAccessibleWidget(table, QAccessible::Pane) {
    told_ = table->reading();
    speakTable(table->form(), told_);
    listChildren(told_);
    refreshed_ = QObject::connect(table, &TableView::refreshed, table, [this] {
        if (!QAccessible::isActive()) follow();
    });
}

TableAccessible::~TableAccessible() {
    QObject::disconnect(refreshed_);
    for (const auto& [key, made] : made_) QAccessible::deleteAccessibleInterface(made.id);
}

TableView* TableAccessible::table() const {
    return static_cast<TableView*>(widget());
}

QRect TableAccessible::screenRect(layout::Rect rect) const {
    const QRect local = table()->onScreen(toQRect(rect));
    return {table()->mapToGlobal(local.topLeft()), local.size()};
}

// The description lasts. The game's state changes with every move, and a screen reader keeps
// what it was told of the table (Orca 48 does, and libatspi's cache) until it is told of a
// change, which would queue one more event before every move's sentence; the state key says
// the state on demand instead.
QString TableAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name) return QStringLiteral("Card table");
    if (kind == QAccessible::Description) return toQString(spoken::tableDescription());
    return QAccessibleWidget::text(kind);
}

std::optional<ControlRef> TableAccessible::focusedCursor() const {
    return table()->hasFocus() ? table()->underCursor() : std::nullopt;
}

bool TableAccessible::hasFocusOn(Readable what) const {
    const auto cursor = focusedCursor();
    return cursor && Readable(*cursor) == what;
}

const Speech* TableAccessible::speechOf(Readable what) const {
    if (const Found* found = foundIn(shown(), what)) return &found->speech;
    const auto made = made_.find(keyOf(what));
    return made != made_.end() && made->second.told ? &made->second.told->speech : nullptr;
}

QAccessibleInterface* TableAccessible::focusChild() const {
    const auto cursor = focusedCursor();
    return cursor && foundIn(shown(), *cursor) != nullptr ? interfaceOf(*cursor) : nullptr;
}

int TableAccessible::childCount() const {
    return static_cast<int>(children_.size());
}

QAccessibleInterface* TableAccessible::child(int index) const {
    return index >= 0 && index < static_cast<int>(children_.size())
               ? children_.at(static_cast<std::size_t>(index))
               : nullptr;
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto found = std::find(children_.begin(), children_.end(), child);
    return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    const QPoint local = table()->mapFromGlobal(QPoint(x, y));
    if (auto* button = qobject_cast<GraphicalButton*>(table()->childAt(local))) {
        return interfaceOf(ControlRef{button->kind(), 0});
    }
    const TableReading& reading = shown();
    const QPointF onTable = table()->scale().toTable(local);
    const auto control = controlAt(reading, twips(onTable.x()), twips(onTable.y()));
    if (!control) return nullptr;
    const Readable what =
        reading.views.at(stackingPositionOf(*control)).reading == Reading::inScoreTable
            ? Readable(ScoreTableRef{})
            : Readable(*control);
    return foundIn(reading, what) != nullptr ? interfaceOf(what) : nullptr;
}

QAccessibleInterface* TableAccessible::interfaceOf(Readable what) const {
    if (isButton(what)) {
        GraphicalButton* button = table()->button(std::get<ControlRef>(what).kind);
        return button != nullptr ? QAccessible::queryAccessibleInterface(button) : nullptr;
    }
    const auto made = made_.find(keyOf(what));
    return made != made_.end() ? QAccessible::accessibleInterface(made->second.id) : nullptr;
}

void TableAccessible::listChildren(const TableReading& reading) {
    children_.clear();
    for (const Found& found : reading.found) {
        if (!isButton(found.what) && made_.find(keyOf(found.what)) == made_.end()) {
            // Qt owns what is registered, until it is deleted by its id; clang's analyzer
            // cannot see that, and takes the child for a leak.
            QAccessibleInterface* child = nullptr;
            if (const auto* control = std::get_if<ControlRef>(&found.what)) {
                child = new ControlChild(this, *control);
            } else {
                child = new ScoreTable(this);
            }
            // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
            const QAccessible::Id id = QAccessible::registerAccessibleInterface(child);
            made_.emplace(keyOf(found.what), Made{id, std::nullopt});
        }
        // A push button is found before its widget is made, while the window is being built.
        if (QAccessibleInterface* child = interfaceOf(found.what)) children_.push_back(child);
    }
}

void TableAccessible::keepWhatLeaves(const TableReading& before,
                                     const std::vector<ReadingChange>& changes) {
    for (const ReadingChange& change : changes) {
        if (change.kind == ReadingChange::Kind::left && !isButton(change.what))
            made_.at(keyOf(change.what)).told = *foundIn(before, change.what);
    }
}

void TableAccessible::follow() {
    TableReading now = table()->reading();
    speakTable(table()->form(), now);
    keepWhatLeaves(shown(), changesBetween(shown(), now));
    followed_ = std::move(now);
    followsTable_ = true;
    listChildren(followed_);
}

// The AT-SPI bridge of Qt 6.4 (Debian 12) (AtSpiAdaptor::notify) turns ObjectCreated and
// ObjectDestroyed into object:children-changed:add and :remove on the parent, which it finds
// through the child, and ObjectShow and ObjectHide into object:state-changed:showing. Its
// ObjectReorder sends a ChildrenChanged signal of signature siis(so), which libatspi drops as
// invalid. The table tells of its children with the first four on every version.
//
// A screen reader takes events one by one, in the order they are sent, so the sentence that
// says what the move did (`between`) comes before the deal's many other changes, which say
// nothing aloud. Orca 43 (Debian 12, Qt 6.4) queues what it speaks at speech-dispatcher's
// message priority, which never cuts itself short, and leaves out the interruption a focus
// change asks for: the sentence is heard first and whole, then the cursor's new place. Orca 46
// and later (Debian 13, Qt 6.8) interrupt speech when the focus goes from one card to another
// (Orca's shouldInterruptForLocusOfFocusChange), which would cut the sentence: there the cursor's
// card comes first and the sentence right after it. Orca 48 takes focus changes before the rest
// of its queue in any case, whatever the order they were sent in.
void TableAccessible::tell(EventSink sink, const std::function<void()>& between) {
    constexpr bool sentenceFirst = QT_VERSION < QT_VERSION_CHECK(6, 8, 0);
    // Whatever is asked while the changes are told is answered from the reading being told.
    followed_ = table()->reading();
    speakTable(table()->form(), followed_);
    const std::vector<ReadingChange> changes = changesBetween(told_, followed_);
    keepWhatLeaves(told_, changes);
    std::swap(told_, followed_);
    followsTable_ = false;
    listChildren(told_);
    const auto cursor = focusedCursor();
    const auto underCursor = [&](const ReadingChange& change) {
        return cursor && change.what == Readable(*cursor);
    };
    if (sentenceFirst && between) between();
    for (const ReadingChange& change : changes) {
        if (underCursor(change)) tellChange(sink, change);
    }
    if (cursor != toldFocus_) tellFocusOn(sink, cursor);
    if (!sentenceFirst && between) between();
    for (const ReadingChange& change : changes) {
        if (!underCursor(change)) tellChange(sink, change);
    }
}

void TableAccessible::tellChange(EventSink sink, const ReadingChange& change) const {
    using Kind = ReadingChange::Kind;
    QAccessibleInterface* interface = interfaceOf(change.what);
    if (interface == nullptr) return;
    // The push buttons are widgets, whose interfaces are Qt's and tell of their own states.
    const bool button = isButton(change.what);
    switch (change.kind) {
        case Kind::left:
            send(sink, interface, QAccessible::ObjectDestroyed);
            break;
        case Kind::joined:
            send(sink, interface, QAccessible::ObjectCreated);
            if (!button) tellDifferences(sink, *foundIn(told_, change.what));
            break;
        case Kind::renamed:
            send(sink, interface, QAccessible::NameChanged);
            break;
        case Kind::redescribed:
            send(sink, interface, QAccessible::DescriptionChanged);
            break;
        case Kind::inputChanged:
            if (!button) sendInputChanged(sink, interface);
            break;
        case Kind::scoreCellRenamed:
            send(sink,
                 interface->tableInterface()->cellAt(change.cell / scoreColumns,
                                                     change.cell % scoreColumns),
                 QAccessible::NameChanged);
            break;
    }
}

// A child that comes back shows again, which a screen reader that asked while it was away
// must hear; and it may have changed meanwhile.
void TableAccessible::tellDifferences(EventSink sink, const Found& now) const {
    const std::optional<Found>& was = made_.at(keyOf(now.what)).told;
    if (!was) return;
    QAccessibleInterface* interface = interfaceOf(now.what);
    send(sink, interface, QAccessible::ObjectShow);
    if (was->speech.name != now.speech.name) send(sink, interface, QAccessible::NameChanged);
    if (was->speech.description != now.speech.description)
        send(sink, interface, QAccessible::DescriptionChanged);
    if (was->takesInput != now.takesInput) sendInputChanged(sink, interface);
}

void TableAccessible::tellFocusOn(EventSink sink, std::optional<ControlRef> cursor) {
    toldFocus_ = cursor;
    if (!cursor || foundIn(told_, *cursor) == nullptr) return;
    send(sink, interfaceOf(*cursor), QAccessible::Focus);
}

std::optional<ControlRef> TableAccessible::focusToTell() const {
    const auto cursor = focusedCursor();
    return cursor != toldFocus_ ? cursor : std::nullopt;
}

void TableAccessible::tellFocus(EventSink sink) {
    const auto cursor = focusedCursor();
    if (cursor != toldFocus_) tellFocusOn(sink, cursor);
}

namespace {

TableAccessible* listenedTo(TableView* table) {
    if (!QAccessible::isActive()) return nullptr;
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table));
}

}  // namespace

void announceChanges(TableView* table, const std::function<void()>& between) {
    if (auto* accessible = listenedTo(table)) {
        accessible->tell(&QAccessible::updateAccessibility, between);
    } else if (between) {
        between();
    }
}

void announceCursor(TableView* table) {
    if (auto* accessible = listenedTo(table))
        accessible->tellFocus(&QAccessible::updateAccessibility);
}

std::optional<ControlRef> cursorToBeTold(TableView* table) {
    auto* accessible = listenedTo(table);
    return accessible != nullptr ? accessible->focusToTell() : std::nullopt;
}

}  // namespace quillane::ui
