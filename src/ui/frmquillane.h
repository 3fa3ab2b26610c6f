// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/control_ref.h"
#include "model/form.h"
#include "ui/sentence_queue.h"
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
    // Makes the window full screen, and again leaves full screen.
    static constexpr QKeyCombination fullScreenKey{Qt::Key_F11};

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

  private:
    void makeButton(ControlKind kind);
    // Delivers the ticks due, then the input to the control, if it takes input now. A key
    // that did nothing says why to a listening screen reader.
    void route(ControlRef control, PressedBy by = PressedBy::pointer);
    void mirror();
    // Says why an access key does nothing, if its button is hidden or disabled.
    void refuseAccessKey(char key);

    // Focus on a control that hid goes where a screen reader can say something true.
    void keepFocusOnWhatShows();
    // How to begin, for a listening screen reader the first time the table has the focus in a
    // game; empty at any other time.
    std::string tableHint();

  protected:
    // Says how to begin as the window first turns active.
    void changeEvent(QEvent* event) override;

  private:
    Form form_;
    TableView* table_;
    SentenceQueue* sentences_;
    std::vector<std::pair<ControlKind, QAction*>> menuItems_;
    bool launchHinted_ = false;
    bool tableHinted_ = false;
};

}  // namespace quillane::ui
