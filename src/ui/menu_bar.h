// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMenuBar>
#include <utility>

class QKeyEvent;

namespace quillane::ui {

class MenuBar;

// Sees each key's first offer, which the window system sends as the key goes down, before any
// widget or menu bar acts on it, and tells the menu bar.
class KeysPressed : public QObject {
    Q_OBJECT

  public:
    explicit KeysPressed(MenuBar* bar);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MenuBar* bar_;
};

// The window's menu bar. Alt pressed and let go alone takes the focus to it, as the toolkit's
// own does, but only once for each time Alt goes down, and never when another key went down
// while Alt was held: the player pressed an access key, or Alt+F, and a late copy of Alt's
// press and release must not take the focus from the game (see menu_bar.cpp).
class MenuBar : public QMenuBar {
    Q_OBJECT

  public:
    explicit MenuBar(QWidget* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class KeysPressed;
    // A key went down, as the window system told it.
    void pressed(const QKeyEvent& key);

    // Where the last Alt press stands: another key went down since, or Alt may still open the
    // menu bar, or the menu bar waits for Alt's release to take the focus.
    enum class Alt { spent, pressed, awaitingRelease };
    Alt alt_ = Alt::spent;
    // The last key that went down, by when it came and which it was: one press reaches several
    // widgets in turn.
    std::pair<quint64, int> lastPress_;
};

}  // namespace quillane::ui
