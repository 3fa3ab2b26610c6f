// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <map>
#include <utility>
#include <vector>

#include "model/form.h"
#include "model/table_reading.h"

namespace quillane::ui {

class TableView;

// What a screen reader finds on the table: every painted control that shows and is read on its
// own, as a child of its own (a face reads as its card, "Queen of spades, row 7"; a back as a
// face-down card; the stock counts its cards), the score table, and the push buttons, in the
// reading order of the table's reading. Nothing here changes what is painted.
//
// It shows the table as it last told a screen reader of it: the window tells it after every
// handler that a listening screen reader should hear of. While nobody listens, it catches up
// with the table by itself whenever it is asked.
class TableAccessible : public QAccessibleWidget {
  public:
    explicit TableAccessible(TableView* table);
    ~TableAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;

    TableView* table() const;
    // The table as this interface last told of it, with what a screen reader is told.
    const TableReading& told() const;
    // A rectangle of the table on the screen.
    QRect screenRect(layout::Rect rect) const;

    // Sends `sink` an event for everything that changed since the table was last told of: a
    // child that left (then forgotten) or joined (always a new one), a name, a description,
    // whether it takes input, a score cell's name.
    using EventSink = void (*)(QAccessibleEvent* event);
    void tell(EventSink sink);

  private:
    void catchUp(EventSink sink) const;
    void catchUpUnheard() const;
    void listChildren() const;
    QAccessibleInterface* interfaceOf(Readable what) const;
    void forget(Readable what) const;

    // The interfaces of the children this one made itself, by what they show.
    mutable std::map<std::pair<int, int>, QAccessible::Id> made_;
    mutable std::vector<QAccessibleInterface*> children_;
    mutable TableReading told_;
    mutable TableReading next_;
    mutable unsigned toldRevision_ = 0;
};

// Tells a listening screen reader what changed on the table since it was last told.
void announceChanges(TableView* table);

}  // namespace quillane::ui
