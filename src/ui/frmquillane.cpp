// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmquillane.h"

#include <QAction>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

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
    mnunew_ = mnufile->addAction(toQString(layout::mnunewCaption));
    mnuexit_ = mnufile->addAction(toQString(layout::mnuexitCaption));
    connect(mnunew_, &QAction::triggered, this,
            [this] { route([this] { form_.mnunew_Click(); }); });
    connect(mnuexit_, &QAction::triggered, this,
            [this] { route([this] { form_.mnuexit_Click(); }); });

    table_ = new TableView(form_, this);
    setCentralWidget(table_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(table_, &TableView::faceClicked, this, [this](int index) {
        route([this, index] { form_.imgcard_Click(static_cast<Integer>(index)); });
    });
    connect(table_, &TableView::stockClicked, this,
            [this] { route([this] { form_.Image2_Click(); }); });

    cmdstart_ = makeButton(layout::cmdstart);
    cmdnext_ = makeButton(layout::cmdnext);
    cmdremove_ = makeButton(layout::cmdremove);
    connect(cmdstart_, &QPushButton::clicked, this,
            [this] { route([this] { form_.cmdstart_Click(); }); });
    connect(cmdnext_, &QPushButton::clicked, this,
            [this] { route([this] { form_.cmdnext_Click(); }); });
    connect(cmdremove_, &QPushButton::clicked, this,
            [this] { route([this] { form_.cmdremove_Click(); }); });
    setTabOrder(cmdremove_, cmdnext_);
    setTabOrder(cmdnext_, cmdstart_);

    route([this] { form_.Form_Load(); });
}

QPushButton* frmquillane::makeButton(const layout::ButtonDesign& design) {
    auto* button =
        new GraphicalButton(toQString(design.caption), toQColor(design.background), table_);
    button->setGeometry(toQRect(design.rect));
    button->setFont(fontFor(layout::defaultFont));
    return button;
}

void frmquillane::centreOnScreen() {
    adjustSize();
    const QRect available = screen()->availableGeometry();
    move(available.center() - QPoint(width() / 2, height() / 2));
}

// Ticks fall due only between events, so they are handed over first; then the handler; then
// the widgets catch up with the form, and assistive technology hears what changed.
void frmquillane::route(const std::function<void()>& handler) {
    form_.deliverDueTicks();
    handler();
    mirror();
    announceChanges(table_);
    if (form_.programEnded) close();
}

void frmquillane::mirror() {
    const std::array<std::pair<QPushButton*, const Button*>, 3> buttons = {{
        {cmdstart_, &form_.cmdstart},
        {cmdnext_, &form_.cmdnext},
        {cmdremove_, &form_.cmdremove},
    }};
    for (const auto& [widget, state] : buttons) {
        widget->setVisible(state->Visible);
        widget->setEnabled(state->Enabled);
    }
    table_->refresh();
}

}  // namespace quillane::ui
