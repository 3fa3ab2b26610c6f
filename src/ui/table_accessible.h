// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QMetaObject>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "access/table_reading.h"
#include "model/form.h"

namespace quillane::ui {

class TableView;

// What a screen reader finds on the table: every painted control that shows and is read on its
// own, as a child of its own (a face reads as its card, "Queen of spades, row 7"; a back as a
// face-down card; the stock counts its cards), the score table, and the push buttons, in the
// reading order of the table's reading. Nothing here changes what is painted. While the table
// has the focus, the card or stock under the keyboard's cursor is its focused child.
//
// It shows the table as it last told a screen reader of it: the window tells it after every
// handler that a listening screen reader should hear of. While nobody listens, it follows the
// table after every refresh, and what it tells next is still what changed since it last told.
// Qt asks it only through const getters, which read what these steps have worked out.
//
// A child that leaves the table is kept, hidden, and is the same child when it comes back: a
// screen reader keeps every object it has heard of until the program ends, so a new child for
// every card that comes back would have its memory grow for as long as the game runs.
class TableAccessible : public QAccessibleWidget {
  public:
    explicit TableAccessible(TableView* table);
    ~TableAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text kind) const override;

    TableView* table() const;
    // The table as this interface shows it, with what a screen reader is told.
    const TableReading& shown() const { return followsTable_ ? followed_ : told_; }
    // A rectangle of the table on the screen.
    QRect screenRect(layout::Rect rect) const;

    // Whether this child is the one under the keyboard's cursor while the table has the focus.
    bool hasFocusOn(Readable what) const;
    // What a screen reader is told of a child: as it is now, or as it was last told while it is
    // away from the table, so that a question about it that comes late is answered.
    const Speech* speechOf(Readable what) const;

    // Sends `sink` an event for everything that changed since the table was last told of: a
    // child that left or joined, a name, a description, whether it takes input, a score cell's
    // name, and the focus, if the cursor now stands on another child. Calls `between` where a
    // screen reader hears the sentence of a move first and whole: before the cursor's card on
    // Qt 6.4, after it on later versions; before the rest in any case.
    using EventSink = void (*)(QAccessibleEvent* event);
    void tell(EventSink sink, const std::function<void()>& between = {});
    // Sends `sink` the focus on the child under the cursor, if it is not the one last told of:
    // the cursor moved, or the table took the focus back.
    void tellFocus(EventSink sink);
    // The child the next telling gives the focus, if the cursor stands on another child than
    // the one last told of while the table has the focus.
    std::optional<ControlRef> focusToTell() const;

  private:
    // While nobody listens, shows the table as the last refresh left it.
    void follow();
    // Makes the interface of every child the reading finds that has none yet, and lists them.
    void listChildren(const TableReading& reading);
    // The card or stock under the keyboard's cursor while the table has the focus.
    std::optional<ControlRef> focusedCursor() const;
    // Keeps what a screen reader was last told of each child that leaves, for while it is away.
    void keepWhatLeaves(const TableReading& before, const std::vector<ReadingChange>& changes);
    // The interface of a child this one has made, or of a push button; null for any other.
    QAccessibleInterface* interfaceOf(Readable what) const;
    void tellChange(EventSink sink, const ReadingChange& change) const;
    // Tells what changed about a child since it was last told of, if it has been told of.
    void tellDifferences(EventSink sink, const Found& now) const;
    void tellFocusOn(EventSink sink, std::optional<ControlRef> cursor);

    // The interfaces of the children this one made itself, by what they show, with what a
    // screen reader was last told of each when it last left the table.
    struct Made {
        QAccessible::Id id = 0;
        std::optional<Found> told;
    };
    std::map<std::pair<int, int>, Made> made_;
    // The children of the reading shown, in its order.
    std::vector<QAccessibleInterface*> children_;
    // The table as a screen reader was last told of it: the next telling tells what changed
    // since.
    TableReading told_;
    // While nobody listens, the table as the last refresh left it, which this then shows;
    // otherwise where the next telling reads the table, which keeps its memory.
    TableReading followed_;
    bool followsTable_ = false;
    // The child a screen reader was last told has the focus.
    std::optional<ControlRef> toldFocus_;
    // The table's refreshes, which this follows while nobody listens.
    QMetaObject::Connection refreshed_;
};

// Tells a listening screen reader what changed on the table since it was last told, and where
// the cursor stands if that changed; calls `between` when a sentence is heard soonest, and in
// any case.
void announceChanges(TableView* table, const std::function<void()>& between);
// Tells a listening screen reader that the cursor stands on another card.
void announceCursor(TableView* table);
// The card or stock a listening screen reader is told next that the cursor stands on, if any.
std::optional<ControlRef> cursorToBeTold(TableView* table);

}  // namespace quillane::ui
