// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/control_ref.h"
#include "model/form.h"
#include "ui/announcer.h"
#include "ui/table_view.h"

class QAction;
class QPushButton;

namespace quillane::ui {

// The game window. It owns the form, sends every click, access key, menu choice and press of
// assistive technology through the one routing table to the form's handlers, and after each
// handler shows whatever the form's controls now say.
class frmquillane : public QMainWindow {
    Q_OBJECT

  public:
    // A generator of nullptr is the game's own, never seeded.
    explicit frmquillane(TickClock timer = TickClock(),
                         std::unique_ptr<RandomSource> generator = nullptr,
                         QWidget* parent = nullptr);

    const Form& form() const { return form_; }
    TableView* table() const { return table_; }
    QPushButton* button(ControlKind kind) const;
    QAction* menuItem(ControlKind kind) const;
    QPushButton* startButton() const { return button(ControlKind::cmdstart); }
    QPushButton* nextButton() const { return button(ControlKind::cmdnext); }
    QPushButton* removeButton() const { return button(ControlKind::cmdremove); }
    QAction* newGameAction() const { return menuItem(ControlKind::mnunew); }

    // Places the window in the middle of its screen.
    void centreOnScreen();

  protected:
    bool event(QEvent* event) override;

  private:
    void makeButton(ControlKind kind);
    // Delivers the ticks due, then the input to the control, if it takes input now. A key
    // that did nothing says why to a listening screen reader.
    void route(ControlRef control, PressedBy by = PressedBy::pointer);
    void mirror();
    // Says why an access key does nothing, if its button is hidden or disabled.
    void refuseAccessKey(char key);
    // Has a listening screen reader told this once the frame is painted, after whatever it has
    // yet to hear.
    void say(std::string sentence);

    // Focus on a control that hid goes where a screen reader can say something true.
    void keepFocusOnWhatShows();
    // Tells a listening screen reader what the last input changed, if it has not been told.
    void tellScreenReader();

    Form form_;
    TableView* table_;
    Announcer announcer_{this};
    std::vector<std::pair<ControlKind, QAction*>> menuItems_;
    // The sentence that says what the last input did, until a screen reader is told it.
    std::optional<std::string> untold_;
};

}  // namespace quillane::ui
