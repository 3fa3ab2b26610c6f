// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_driver.h"

#include <QPushButton>
#include <QTest>

#include "model/control_view.h"
#include "ui/qt_convert.h"
#include "ui/table_view.h"

namespace quillane::autoplay {

void click(ui::frmquillane& window, ControlRef move) {
    const QRect rect = ui::toQRect(viewOf(window.form(), move).look.rect);
    // The table may show larger than its own size: the click goes where the control shows.
    const QPoint point = window.table()->mapTo(&window, window.table()->onScreen(rect).center());
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
