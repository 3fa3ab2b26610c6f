// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmquillane.h"

#include <QAccessible>
#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "model/announcement.h"
#include "model/control_view.h"
#include "model/input_routes.h"
#include "ui/fonts.h"
#include "ui/graphical_button.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"
#include "ui/table_accessible.h"
#include "ui/table_view.h"

namespace quillane::ui {

frmquillane::frmquillane(TickClock timer, QWidget* parent)
    : QMainWindow(parent), form_(nullptr, std::move(timer)) {
    installTableAccessibility();
    setWindowTitle(toQString(layout::windowCaption));
    setWindowIcon(diamondIcon());

    QMenu* mnufile = menuBar()->addMenu(toQString(layout::mnufileCaption));
    menuItems_ = {{{ControlKind::mnunew, nullptr}, {ControlKind::mnuexit, nullptr}}};
    for (auto& [kind, action] : menuItems_) {
        action = mnufile->addAction(toQString(captionOf(form_, {kind, 0})));
        connect(action, &QAction::triggered, this, [this, kind = kind] { route({kind, 0}); });
    }

    table_ = new TableView(form_, this);
    setCentralWidget(table_);
    // The table takes the focus from a button that hides, but never by a click.
    table_->setFocusPolicy(Qt::TabFocus);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(table_, &TableView::pressed, this, &frmquillane::route);

    buttons_ = {{{ControlKind::cmdstart, nullptr},
                 {ControlKind::cmdnext, nullptr},
                 {ControlKind::cmdremove, nullptr}}};
    for (auto& [kind, button] : buttons_) button = makeButton(kind);
    setTabOrder(removeButton(), nextButton());
    setTabOrder(nextButton(), startButton());

    form_.Form_Load();
    mirror();
}

QPushButton* frmquillane::makeButton(ControlKind kind) {
    const Look look = viewOf(form_, {kind, 0}).look;
    auto* button = new GraphicalButton(toQString(captionOf(form_, {kind, 0})),
                                       toQColor(look.button->background), table_);
    button->setGeometry(toQRect(look.rect));
    button->setFont(fontFor(layout::defaultFont));
    connect(button, &QPushButton::clicked, this, [this, kind] { route({kind, 0}); });
    return button;
}

void frmquillane::centreOnScreen() {
    adjustSize();
    const QRect available = screen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

// Ticks fall due only between events, so they are handed over first. Whether the control
// takes the input is decided now, from the form as it stands, never from an earlier look.
// Then the widgets catch up with the form, and assistive technology hears what changed.
void frmquillane::route(ControlRef control) {
    form_.deliverDueTicks();
    // Only a listening screen reader needs the form as it was, to hear what the move did.
    const bool listening = QAccessible::isActive();
    const FormState before = listening ? form_.state() : FormState();
    if (!dispatch(form_, control)) return;
    mirror();
    keepFocusOnWhatShows();
    announceChanges(table_);
    if (listening) announcer_.announce(toQString(announcementOf(before, form_)));
    if (form_.programEnded) close();
}

void frmquillane::keepFocusOnWhatShows() {
    QWidget* focused = focusWidget();
    if (focused == nullptr || focused->isVisible()) return;
    for (const auto& [kind, button] : buttons_) {
        if (button->isVisible() && button->isEnabled()) return button->setFocus();
    }
    table_->setFocus();
}

void frmquillane::mirror() {
    for (const auto& [kind, widget] : buttons_) {
        const ControlView view = viewOf(form_, {kind, 0});
        widget->setVisible(view.look.visible);
        widget->setEnabled(view.enabled);
    }
    table_->refresh();
}

}  // namespace quillane::ui
