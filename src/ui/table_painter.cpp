// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_painter.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include "ui/pictures.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

namespace {

// The cursor's ring: the table's blue, which stands out against the green table, a white face
// and a black back alike, with a pixel of table between it and the card.
constexpr int ringGap = 1;
constexpr int ringWidth = 3;
const QColor ringColour = toQColor(layout::blue);

// Fills the frame of the given width just inside `outer`.
void fillFrame(QPainter& painter, QRect outer, int width, const QColor& colour) {
    painter.fillRect(outer.left(), outer.top(), outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.bottom() - width + 1, outer.width(), width, colour);
    painter.fillRect(outer.left(), outer.top(), width, outer.height(), colour);
    painter.fillRect(outer.right() - width + 1, outer.top(), width, outer.height(), colour);
}

// A label's text colour: its own, or the system's button text.
QColor labelText(const Look& look, const QPalette& palette) {
    return look.label->text ? toQColor(*look.label->text) : palette.color(QPalette::ButtonText);
}

}  // namespace

QRect TablePainter::ringAround(QRect card) {
    constexpr int outset = ringGap + ringWidth;
    return card.adjusted(-outset, -outset, outset, outset);
}

void TablePainter::paint(QPainter& painter, const QPaintEvent& event, const TableScale& scale,
                         const TableReading& reading, std::optional<std::size_t> ringAt, QRect ring,
                         const QPalette& palette) {
    painter.fillRect(event.rect(), toQColor(layout::tableColour));
    // The device decides: a screen, or an image rendered at another density.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF() * scale.scale();
    painter.setTransform(scale.toWidget(), true);
    for (std::size_t i = reading.views.size(); i-- > 0;) {
        const Look& look = reading.views.at(i).look;
        if (look.visible && event.region().intersects(scale.covering(toQRect(look.rect))))
            paintControl(painter, look, reading.captions.at(i), ratio, palette);
        if (i == ringAt) fillFrame(painter, ring, ringWidth, ringColour);
    }
}

void TablePainter::drawAhead(const TableReading& reading, qreal ratio, const QPalette& palette) {
    for (int card = 0; card < cardCount; ++card) pictures_.face(card, ratio);
    pictures_.back(ratio);
    pictures_.strip(ratio);
    pictures_.arrow(ratio);
    for (std::size_t i = 0; i < reading.views.size(); ++i) {
        const Look& look = reading.views.at(i).look;
        if (look.drawing == Drawing::label)
            pictures_.label(*look.label, reading.captions.at(i), labelText(look, palette), ratio);
    }
}

void TablePainter::paintControl(QPainter& painter, const Look& look, const std::string& caption,
                                qreal ratio, const QPalette& palette) {
    const QPoint topLeft = toQRect(look.rect).topLeft();
    switch (look.drawing) {
        case Drawing::face:
            painter.drawPixmap(topLeft, pictures_.face(look.card, ratio));
            break;
        case Drawing::back:
            painter.drawPixmap(topLeft, pictures_.back(ratio));
            break;
        case Drawing::strip:
            painter.drawPixmap(topLeft, pictures_.strip(ratio));
            break;
        case Drawing::arrow:
            painter.drawPixmap(topLeft, pictures_.arrow(ratio));
            break;
        case Drawing::gridLine:
            painter.fillRect(toQRect(look.rect), toQColor(layout::gridColour));
            break;
        case Drawing::frameLine:
            painter.fillRect(toQRect(look.rect), palette.color(QPalette::WindowText));
            break;
        case Drawing::label:
            painter.drawPixmap(
                topLeft, pictures_.label(*look.label, caption, labelText(look, palette), ratio));
            break;
        case Drawing::button:
        case Drawing::menuItem:
            break;  // widgets of their own
    }
}

}  // namespace quillane::ui
