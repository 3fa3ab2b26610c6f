// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleInterface>

#include "model/control_ref.h"
#include "model/control_view.h"

namespace quillane::ui {

class TableAccessible;

// The common part of the table's children that have no QObject of their own.
class VirtualChild : public QAccessibleInterface {
  public:
    // Qt holds it by its registered id, through this base.
    Q_DISABLE_COPY_MOVE(VirtualChild)

    explicit VirtualChild(const TableAccessible* table) : table_(table) {}
    ~VirtualChild() override = default;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    const TableAccessible* table_;
};

// A face, a back, the stock, or a label. A picture is read by its name and description alone;
// a face or the stock also offers Press, which does what a click does, and reads as disabled
// while a click would do nothing. It says what the table's reading says of it; a card that
// leaves the table is hidden until it comes back, and the table tells a screen reader what
// changed about it meanwhile.
class ControlChild final : public VirtualChild, public QAccessibleActionInterface {
  public:
    ControlChild(const TableAccessible* table, ControlRef control);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    const ControlView& view() const;

    ControlRef control_;
    std::size_t stacking_;
};

}  // namespace quillane::ui
