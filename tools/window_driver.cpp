// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_driver.h"

#include <QPushButton>
#include <QTest>

#include "model/control_geometry.h"
#include "ui/pictures.h"
#include "ui/table_view.h"

namespace quillane::autoplay {

namespace {

QPoint centreOf(const layout::Rect& rect) {
    return {ui::pixels(rect.Left) + ui::pixels(rect.Width) / 2,
            ui::pixels(rect.Top) + ui::pixels(rect.Height) / 2};
}

// Where in the table's coordinates the move clicks.
QPoint tablePoint(const ui::frmquillane& window, const Move& move) {
    const Form& form = window.form();
    switch (move.kind) {
        case Move::Kind::startGame:
            return centreOf(layout::cmdstart.rect);
        case Move::Kind::nextRound:
            return centreOf(layout::cmdnext.rect);
        case Move::Kind::remove:
            return centreOf(layout::cmdremove.rect);
        case Move::Kind::stock:
            return centreOf(rectOf(form, {ControlKind::Image2, 0}));
        case Move::Kind::card:
            break;
    }
    return centreOf(rectOf(form, {ControlKind::imgcard, move.card}));
}

}  // namespace

void click(ui::frmquillane& window, const Move& move) {
    const QPoint point = window.table()->mapTo(&window, tablePoint(window, move));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point);
}

int playThrough(ui::frmquillane& window, int moveLimit) {
    int moves = 0;
    for (; moves < moveLimit; ++moves) {
        const auto move = nextMove(window.form());
        if (!move) break;
        click(window, *move);
    }
    return moves;
}

}  // namespace quillane::autoplay
