// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the game window, or a sheet of every picture, to a PNG file without a display.
//
//   quillane-snapshot showcase|dealt|play|end|faces FILE.png [SCALE]
//
// The deal is the first one of a fresh run (no timer ticks), so every snapshot is the same.

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/cards.h"
#include "ui/frmquillane.h"
#include "ui/pictures.h"
#include "window_driver.h"

namespace {

using namespace quillane;

QPixmap pictureSheet(qreal ratio) {
    const int columns = ranksPerSuit;
    const int gap = 6;
    const QSize cell = ui::faceSize + QSize(gap, gap);
    QPixmap sheet = ui::blankPixmap(QSize(columns * cell.width() + gap, 5 * cell.height() + gap),
                                    ratio, QColor(0, 255, 0));
    QPainter painter(&sheet);
    for (int card = 0; card < cardCount; ++card) {
        const QPoint at(gap + (card % columns) * cell.width(),
                        gap + (card / columns) * cell.height());
        painter.drawPixmap(at, ui::drawFace(card, ratio));
    }
    const int lastRow = gap + 4 * cell.height();
    painter.drawPixmap(gap, lastRow, ui::drawFramedBack(ratio));
    painter.drawPixmap(gap + cell.width() + 10, lastRow, ui::drawFramedStrip(ratio));
    painter.drawPixmap(gap + 2 * cell.width(), lastRow, ui::drawArrow(32, ratio));
    painter.drawPixmap(gap + 2 * cell.width(), lastRow + 40, ui::drawArrow(16, ratio));
    painter.drawPixmap(gap + 3 * cell.width(), lastRow, ui::drawDiamond(32, ratio));
    painter.drawPixmap(gap + 3 * cell.width(), lastRow + 40, ui::drawDiamond(16, ratio));
    return sheet;
}

// A clock that never moves, so no tick ever changes the deal.
TickClock frozenClock() {
    return TickClock([] { return TickClock::Clock::time_point{}; });
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s showcase|dealt|play|end|faces FILE.png [SCALE]\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 3) qputenv("QT_SCALE_FACTOR", argv[3]);
    QApplication application(argc, argv);
    const std::string state = argv[1];

    if (state == "faces") return pictureSheet(application.devicePixelRatio()).save(argv[2]) ? 0 : 1;

    ui::frmquillane window(frozenClock());
    window.show();
    if (state != "showcase") autoplay::click(window, {ControlKind::cmdstart});
    if (state == "play") autoplay::playThrough(window, 45);
    if (state == "end") autoplay::playThrough(window, 100000);
    return window.grab().save(argv[2]) ? 0 : 1;
}
