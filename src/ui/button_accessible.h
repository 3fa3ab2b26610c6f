// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QAccessibleWidget>

namespace quillane::ui {

// A push button as assistive technology finds it. Qt's own interface for buttons in Qt 6.4
// (Debian 12) presses with QAbstractButton::animateClick, which clicks a tenth of a second
// later, after input that came in the meantime; on every version this one clicks at once, as
// the button's access key does.
class ButtonAccessible : public QAccessibleWidget {
  public:
    explicit ButtonAccessible(QAbstractButton* button);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString& name) const override;

  private:
    QAbstractButton* button() const;
};

}  // namespace quillane::ui
