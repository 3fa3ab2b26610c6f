// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/menu_bar.h"

#include <QApplication>
#include <QKeyEvent>

// With a screen reader listening, the toolkit asks it about each key before handling the key,
// and waits a tenth of a second for its answer. Seen with Qt 6.4 (Debian 12): when the screen
// reader answers later (Orca on a busy machine), the toolkit hands the key's press and release on
// afterwards, as events of its own, while the access key's letter has acted at once. The menu bar
// then takes the focus after an access key whose Alt was let go before the letter, and Alt
// pressed alone opens the menu bar at its release and closes it again at the late copy, as the
// late copy of Alt's press closes the File menu that Alt+F opened. The
// toolkit's menu bar goes by whatever reaches it; this one goes by each key's first offer, which
// the window system sends at once as the key goes down, on every version.

namespace quillane::ui {

namespace {

bool isAlt(const QKeyEvent& key) {
    return key.key() == Qt::Key_Alt || key.key() == Qt::Key_Meta;
}

}  // namespace

KeysPressed::KeysPressed(MenuBar* bar) : QObject(bar), bar_(bar) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeysPressed::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride && event->spontaneous())
        bar_->pressed(*static_cast<QKeyEvent*>(event));
    // A late copy of Alt's press would close the File menu that Alt+F has just opened; nothing
    // else acts on Alt's press.
    return event->type() == QEvent::KeyPress && !event->spontaneous() &&
           isAlt(*static_cast<QKeyEvent*>(event));
}

MenuBar::MenuBar(QWidget* parent) : QMenuBar(parent) {
    new KeysPressed(this);
}

void MenuBar::pressed(const QKeyEvent& key) {
    if (key.isAutoRepeat() || std::exchange(lastPress_, {key.timestamp(), key.key()}) ==
                                  std::pair{key.timestamp(), key.key()})
        return;
    alt_ = isAlt(key) && key.modifiers() == Qt::AltModifier ? Alt::pressed : Alt::spent;
}

// The toolkit's menu bar waits for Alt's release once an offer of Alt alone has reached the
// window, and takes the focus at the release. It is let see Alt's offer only when it is the first
// of a press, and Alt's release only while no other key went down since; else the release as a
// change of focus, on which it forgets the press.
bool MenuBar::eventFilter(QObject* watched, QEvent* event) {
    QEvent nothing(QEvent::None);
    QFocusEvent forget(QEvent::FocusOut);
    QEvent* seen = event;
    const bool offer = event->type() == QEvent::ShortcutOverride;
    const bool release = event->type() == QEvent::KeyRelease;
    if ((offer || release) && isAlt(*static_cast<QKeyEvent*>(event))) {
        if (offer && alt_ == Alt::pressed) {
            alt_ = Alt::awaitingRelease;
        } else if (offer) {
            seen = &nothing;
        } else if (std::exchange(alt_, Alt::spent) != Alt::awaitingRelease) {
            seen = &forget;
        }
    }
    return QMenuBar::eventFilter(watched, seen);
}

}  // namespace quillane::ui
