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

}  // namespace

void click(ui::frmquillane& window, const Move& move) {
    const Form& form = window.form();
    auto clickTable = [&](ControlRef control) {
        QTest::mouseClick(window.table(), Qt::LeftButton, {}, centreOf(rectOf(form, control)));
    };
    switch (move.kind) {
        case Move::Kind::startGame:
            QTest::mouseClick(window.startButton(), Qt::LeftButton);
            break;
        case Move::Kind::nextRound:
            QTest::mouseClick(window.nextButton(), Qt::LeftButton);
            break;
        case Move::Kind::remove:
            QTest::mouseClick(window.removeButton(), Qt::LeftButton);
            break;
        case Move::Kind::stock:
            clickTable({ControlKind::Image2, 0});
            break;
        case Move::Kind::card:
            clickTable({ControlKind::imgcard, move.card});
            break;
    }
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
