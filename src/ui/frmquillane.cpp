// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmquillane.h"

#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "access/announcement.h"
#include "access/refusal.h"
#include "access/spoken.h"
#include "model/control_kinds.h"
#include "model/input_routes.h"
#include "ui/accessible_factory.h"
#include "ui/fonts.h"
#include "ui/graphical_button.h"
#include "ui/menu_bar.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"
#include "ui/sentence_queue.h"
#include "ui/table_accessible.h"
#include "ui/table_view.h"

namespace quillane::ui {

frmquillane::frmquillane(TickClock timer, std::unique_ptr<RandomSource> generator, QWidget* parent)
    : QMainWindow(parent), form_(std::move(generator), std::move(timer)) {
    installAccessibleInterfaces();
    setWindowTitle(toQString(layout::windowCaption));
    setWindowIcon(diamondIcon());

    setMenuBar(new MenuBar(this));
    QMenu* mnufile = menuBar()->addMenu(toQString(layout::mnufileCaption));
    table_ = new TableView(form_, this);
    sentences_ = new SentenceQueue(table_, this);
    setCentralWidget(table_);
    // The table takes the focus from a button that hides, but never by a click.
    table_->setFocusPolicy(Qt::TabFocus);
    connect(table_, &TableView::pressed, this, &frmquillane::route);
    connect(table_, &TableView::cursorMoved, this, [this] {
        sentences_->tellScreenReader();
        announceCursor(table_);
        sentences_->say(tableHint());
    });
    connect(table_, &TableView::says, this,
            [this](const QString& sentence) { sentences_->say(sentence.toStdString()); });
    connect(table_, &TableView::accessKeyOffered, this, &frmquillane::refuseAccessKey);

    for (const ControlRef& button : pushButtons) makeButton(button.kind);
    for (const KindDescription& kind : controlKinds) {
        if (kind.drawing != Drawing::menuItem) continue;
        const ControlRef control{kind.kind, 0};
        QAction* action = mnufile->addAction(toQString(captionOf(form_, control)));
        connect(action, &QAction::triggered, this, [this, control] { route(control); });
        menuItems_.emplace_back(kind.kind, action);
    }
    // As in GNOME's applications, the same key again leaves full screen, to the size before.
    auto* fullScreen = new QAction(this);
    fullScreen->setShortcut(fullScreenKey);
    addAction(fullScreen);
    connect(fullScreen, &QAction::triggered, this,
            [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); });

    setTabOrder(removeButton(), nextButton());
    setTabOrder(nextButton(), startButton());

    form_.Form_Load();
    mirror();
}

QPushButton* frmquillane::button(ControlKind kind) const {
    return table_->button(kind);
}

QAction* frmquillane::menuItem(ControlKind kind) const {
    const auto found = std::find_if(menuItems_.begin(), menuItems_.end(),
                                    [kind](const auto& each) { return each.first == kind; });
    return found == menuItems_.end() ? nullptr : found->second;
}

void frmquillane::makeButton(ControlKind kind) {
    const Look look = viewOf(form_, {kind, 0}).look;
    const QRect rect = toQRect(look.rect);
    auto* button = new GraphicalButton(kind, toQString(captionOf(form_, {kind, 0})),
                                       toQColor(look.button->background), rect.size(), table_);
    button->setGeometry(table_->onScreen(rect));
    button->setFont(fontFor(layout::defaultFont));
    connect(button, &QPushButton::clicked, this, [this, kind] { route({kind, 0}); });
}

void frmquillane::centreOnScreen() {
    adjustSize();
    const QRect available = screen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

// Ticks fall due only between events, so they are handed over first. Whether the control
// takes the input is decided now, from the form as it stands, never from an earlier look.
// Then the widgets catch up with the form. A listening screen reader hears what changed once
// the new frame is painted: the update the table asked for is posted at low priority, and
// so is the telling, after it. It hears before any later input is handled. The move's sentence
// leaves out what the card or stock the cursor comes to, told with it, says of itself.
void frmquillane::route(ControlRef control, PressedBy by) {
    sentences_->tellScreenReader();
    form_.deliverDueTicks();
    // Only a listening screen reader needs the form as it was, to hear what the move did.
    const bool listening = QAccessible::isActive();
    const FormState before = listening ? form_.state() : FormState();
    const bool handled = dispatch(form_, control);
    if (handled) {
        mirror();
        keepFocusOnWhatShows();
    }
    if (listening) {
        std::string sentence =
            handled ? announcementBefore(before, form_, cursorToBeTold(table_)) : std::string();
        if (sentence.empty() && by == PressedBy::keyboard) sentence = refusalOf(form_, control);
        // The hint of a move that gave the table the focus ends the move's sentence, which a
        // sentence of its own would cut short.
        const std::string hint = tableHint();
        if (!hint.empty()) sentence += (sentence.empty() ? "" : " ") + hint;
        sentences_->say(std::move(sentence));
    }
    if (form_.programEnded) close();
}

// In the showcase the table has the focus from launch, and the hint at launch says how to begin.
std::string frmquillane::tableHint() {
    if (tableHinted_ || form_.inShowcase() || !table_->hasFocus() || !QAccessible::isActive())
        return {};
    tableHinted_ = true;
    return spoken::howToBegin(form_);
}

// At launch the window first turns active, in the showcase.
void frmquillane::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        !std::exchange(launchHinted_, true))
        sentences_->say(spoken::howToBegin(form_));
}

void frmquillane::refuseAccessKey(char key) {
    const auto control = accessKeyTarget(key);
    if (control && !viewOf(form_, *control).takesInput) sentences_->say(refusalOf(form_, *control));
}

void frmquillane::keepFocusOnWhatShows() {
    QWidget* focused = focusWidget();
    if (focused == nullptr || focused->isVisible()) return;
    for (const ControlRef& control : pushButtons) {
        QPushButton* each = button(control.kind);
        if (each->isVisible() && each->isEnabled()) {
            each->setFocus();
            return;
        }
    }
    table_->setFocus();
}

void frmquillane::mirror() {
    for (const ControlRef& control : pushButtons) {
        const ControlView view = viewOf(form_, control);
        QPushButton* widget = button(control.kind);
        widget->setVisible(view.look.visible);
        widget->setEnabled(view.enabled);
    }
    table_->refresh();
}

}  // namespace quillane::ui
