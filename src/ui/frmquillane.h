// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <functional>

#include "model/form.h"

class QAction;
class QPushButton;

namespace quillane::ui {

class TableView;

// The game window. It owns the form, routes every click, menu choice and due timer tick to
// the form's handlers, and after each handler shows whatever the form's controls now say.
class frmquillane : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmquillane(TickClock timer = TickClock(), QWidget* parent = nullptr);

    const Form& form() const { return form_; }
    TableView* table() const { return table_; }
    QPushButton* startButton() const { return cmdstart_; }
    QPushButton* nextButton() const { return cmdnext_; }
    QPushButton* removeButton() const { return cmdremove_; }
    QAction* newGameAction() const { return mnunew_; }
    QAction* exitAction() const { return mnuexit_; }

    // Places the window in the middle of its screen.
    void centreOnScreen();

  private:
    QPushButton* makeButton(const layout::ButtonDesign& design);
    void route(const std::function<void()>& handler);
    void mirror();

    Form form_;
    TableView* table_;
    QPushButton* cmdstart_;
    QPushButton* cmdnext_;
    QPushButton* cmdremove_;
    QAction* mnunew_;
    QAction* mnuexit_;
};

}  // namespace quillane::ui
