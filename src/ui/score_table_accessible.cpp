// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/score_table_accessible.h"

#include <algorithm>

#include "access/spoken.h"
#include "model/stacking.h"
#include "ui/qt_convert.h"
#include "ui/table_accessible.h"

namespace quillane::ui {

namespace {

// What a cell of the score table, real or missing, answers when asked for an interface.
void* asTableCell(QAccessibleTableCellInterface* cell, QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface ? cell : nullptr;
}

bool isCell(int row, int column) {
    return row >= 0 && row < scoreCellRows && column >= 0 && column < scoreColumns;
}

// A part of the score table, shown by one of its labels: row 0 the headings.
class ScorePart : public VirtualChild {
  public:
    ScorePart(const TableAccessible* table, const ScoreTable* scores, int labelRow, int column)
        : VirtualChild(table),
          scores_(scores),
          column_(column),
          stacking_(stackingPositionOf(scoreLabelAt(labelRow, column))) {}

    QAccessibleInterface* parent() const override { return const_cast<ScoreTable*>(scores_); }
    QRect rect() const override {
        return table_->screenRect(table_->shown().views.at(stacking_).look.rect);
    }
    QAccessible::State state() const override { return {}; }

  protected:
    const std::string& caption() const { return table_->shown().captions.at(stacking_); }

    const ScoreTable* scores_;
    int column_;
    std::size_t stacking_;
};

// A column's heading: "Round number", "Score".
class ScoreHeader final : public ScorePart {
  public:
    ScoreHeader(const TableAccessible* table, const ScoreTable* scores, int column)
        : ScorePart(table, scores, 0, column) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? toQString(caption()) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::ColumnHeader; }
};

// One cell: the row's name in column 0, its points in column 1.
class ScoreCell final : public ScorePart, public QAccessibleTableCellInterface {
  public:
    ScoreCell(const TableAccessible* table, const ScoreTable* scores, int row, int column)
        : ScorePart(table, scores, row + 1, column), row_(row) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return asTableCell(this, type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name) return {};
        const int cell = row_ * scoreColumns + column_;
        return toQString(table_->shown().scoreCells.at(static_cast<std::size_t>(cell)));
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }

    int columnExtent() const override { return 1; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return {scores_->header(column_)};
    }
    int columnIndex() const override { return column_; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return row_; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override { return const_cast<ScoreTable*>(scores_); }

  private:
    int row_;
};

// What the score table hands back for a row or column it does not have. The AT-SPI bridge of
// Qt 6.4 (Debian 12) (AtSpiAdaptor::tableInterface) calls tableCellInterface() on
// cellAt(row, column) for a client's GetColumnExtentAt, GetRowExtentAt, GetRowHeader,
// IsSelected and GetRowColumnExtentsAtIndex without checking either for null, so a null cell
// would crash the game on any client's bad index; on every version this cell answers instead:
// no place, no extent, no text.
class MissingCell final : public VirtualChild, public QAccessibleTableCellInterface {
  public:
    MissingCell(const TableAccessible* table, const ScoreTable* scores)
        : VirtualChild(table), scores_(scores) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return asTableCell(this, type);
    }
    QAccessibleInterface* parent() const override { return const_cast<ScoreTable*>(scores_); }
    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

    int columnExtent() const override { return 0; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    int columnIndex() const override { return -1; }
    int rowExtent() const override { return 0; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int rowIndex() const override { return -1; }
    bool isSelected() const override { return false; }
    QAccessibleInterface* table() const override { return const_cast<ScoreTable*>(scores_); }

  private:
    const ScoreTable* scores_;
};

}  // namespace

ScoreTable::ScoreTable(const TableAccessible* table) : VirtualChild(table) {
    for (int column = 0; column < scoreColumns; ++column) {
        children_.push_back(
            QAccessible::registerAccessibleInterface(new ScoreHeader(table, this, column)));
    }
    for (int row = 0; row < scoreCellRows; ++row) {
        for (int column = 0; column < scoreColumns; ++column) {
            children_.push_back(
                QAccessible::registerAccessibleInterface(new ScoreCell(table, this, row, column)));
        }
    }
    missing_ = QAccessible::registerAccessibleInterface(new MissingCell(table, this));
}

ScoreTable::~ScoreTable() {
    for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
    QAccessible::deleteAccessibleInterface(missing_);
}

void* ScoreTable::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                               : nullptr;
}

QString ScoreTable::text(QAccessible::Text kind) const {
    const Speech* speech = table_->speechOf(ScoreTableRef{});
    return kind == QAccessible::Name && speech != nullptr ? toQString(speech->name) : QString();
}

QRect ScoreTable::rect() const {
    return table_->screenRect(table_->shown().scoreTableRect);
}

QAccessible::State ScoreTable::state() const {
    QAccessible::State state;
    state.invisible = !table_->shown().scoreTableShown;
    return state;
}

int ScoreTable::childCount() const {
    return static_cast<int>(children_.size());
}

QAccessibleInterface* ScoreTable::child(int index) const {
    return index >= 0 && index < childCount()
               ? QAccessible::accessibleInterface(children_.at(static_cast<std::size_t>(index)))
               : nullptr;
}

int ScoreTable::indexOfChild(const QAccessibleInterface* child) const {
    const auto found = std::find_if(
        children_.begin(), children_.end(),
        [child](QAccessible::Id id) { return QAccessible::accessibleInterface(id) == child; });
    return found == children_.end() ? -1 : static_cast<int>(found - children_.begin());
}

QAccessibleInterface* ScoreTable::header(int column) const {
    return child(column);
}

QAccessibleInterface* ScoreTable::cellAt(int row, int column) const {
    if (!isCell(row, column)) return QAccessible::accessibleInterface(missing_);
    return child(scoreColumns + row * scoreColumns + column);
}

QString ScoreTable::columnDescription(int column) const {
    QAccessibleInterface* heading = isCell(0, column) ? header(column) : nullptr;
    return heading != nullptr ? heading->text(QAccessible::Name) : QString();
}

QString ScoreTable::rowDescription(int row) const {
    if (!isCell(row, 0)) return {};
    const std::size_t stacking = stackingPositionOf(scoreLabelAt(row + 1, 0));
    return toQString(spoken::scoreRowName(row + 1, table_->shown().captions.at(stacking)));
}

}  // namespace quillane::ui
