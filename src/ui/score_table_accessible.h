// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "access/table_reading.h"
#include "ui/control_accessible.h"

namespace quillane::ui {

// The score table: a row for each round and one for the total, under a row of column headers
// made of the table's heading labels. The round marker is read as the current round's row
// saying so. Its cells are its children after the headers.
class ScoreTable final : public VirtualChild, public QAccessibleTableInterface {
  public:
    // It owns the cells it registers, so that only one of it may delete them.
    Q_DISABLE_COPY_MOVE(ScoreTable)

    explicit ScoreTable(const TableAccessible* table);
    ~ScoreTable() override;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int columnCount() const override { return scoreColumns; }
    int rowCount() const override { return scoreCellRows; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* header(int column) const;

  private:
    // Column headers first, then the cells row by row.
    std::vector<QAccessible::Id> children_;
    QAccessible::Id missing_;
};

}  // namespace quillane::ui
