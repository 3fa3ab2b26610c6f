// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <map>
#include <optional>

#include "model/control_ref.h"
#include "model/form.h"

namespace quillane::ui {

class TableView;

// What a screen reader finds on the table: every painted control that shows, as a child of
// its own (a face reads as its card, "Queen of spades"; a back as a face-down card; the stock
// and the waste pile say what they are), the score table as a table of rounds, and the push
// buttons. Nothing here changes what is painted.
class TableAccessible : public QAccessibleWidget {
  public:
    explicit TableAccessible(TableView* table);
    ~TableAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text kind) const override;

    const Form& form() const;
    TableView* table() const;

    // Sends an event for everything a control says differently from what it said at the last
    // call, or when this interface was made: shown or hidden, its name, its description,
    // whether it takes input; the score cells' names; the children that joined or left.
    using EventSink = void (*)(QAccessibleEvent* event);
    void announceChanges(EventSink sink);

  private:
    // What a control tells assistive technology about itself.
    struct Saying {
        bool shown = false;
        QString name;
        QString description;
        bool takesInput = false;
        friend bool operator==(const Saying&, const Saying&) = default;
    };
    Saying sayingOf(ControlRef control) const;
    std::vector<QString> scoreNames() const;
    std::vector<QAccessible::Id> childIds() const;

    // The children as they stand now, in reading order: the buttons, then the painted controls
    // from the top of the table down, with the score table in place of its labels and lines.
    // Worked out once for each refresh of the table, however often a client asks.
    const std::vector<QAccessibleInterface*>& children() const;
    std::vector<QAccessibleInterface*> readChildren() const;
    QAccessibleInterface* controlChild(ControlRef control) const;
    QAccessibleInterface* scoreTable() const;

    mutable std::map<std::pair<int, int>, QAccessible::Id> controls_;
    mutable std::optional<QAccessible::Id> scoreTable_;
    mutable std::vector<QAccessibleInterface*> children_;
    mutable std::optional<unsigned> childrenRevision_;

    // What was last announced.
    std::map<std::pair<int, int>, Saying> said_;
    std::vector<QString> scoresSaid_;
    bool scoreTableShown_ = false;
    std::vector<QAccessible::Id> childrenSaid_;
};

// Installs the interfaces above for every table view.
void installTableAccessibility();

// Announces what changed on the table since the last call, while assistive technology listens;
// the window calls it after every handler.
void announceChanges(TableView* table);

}  // namespace quillane::ui
