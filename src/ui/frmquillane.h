// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <array>
#include <utility>

#include "model/control_ref.h"
#include "model/form.h"
#include "ui/announcer.h"

class QAction;
class QPushButton;

namespace quillane::ui {

class TableView;

// The game window. It owns the form, sends every click, access key, menu choice and press of
// assistive technology through the one routing table to the form's handlers, and after each
// handler shows whatever the form's controls now say.
class frmquillane : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmquillane(TickClock timer = TickClock(), QWidget* parent = nullptr);

    const Form& form() const { return form_; }
    TableView* table() const { return table_; }
    QPushButton* startButton() const { return buttons_[0].second; }
    QPushButton* nextButton() const { return buttons_[1].second; }
    QPushButton* removeButton() const { return buttons_[2].second; }
    QAction* newGameAction() const { return menuItems_[0].second; }
    QAction* exitAction() const { return menuItems_[1].second; }

    // Places the window in the middle of its screen.
    void centreOnScreen();

  private:
    QPushButton* makeButton(ControlKind kind);
    // Delivers the ticks due, then the input to the control, if it takes input now.
    void route(ControlRef control);
    void mirror();

    // Focus on a control that hid goes where a screen reader can say something true.
    void keepFocusOnWhatShows();

    Form form_;
    TableView* table_;
    Announcer announcer_{this};
    std::array<std::pair<ControlKind, QPushButton*>, 3> buttons_{};
    std::array<std::pair<ControlKind, QAction*>, 2> menuItems_{};
};

}  // namespace quillane::ui
