// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QPainter>
#include <array>
#include <vector>

#include "ui/pictures.h"
#include "ui/suit_shapes.h"

namespace quillane::ui {

namespace {

const QColor redInk(214, 0, 0);
const QColor blackInk(0, 0, 0);
const QColor gold(232, 182, 20);
const QColor skin(255, 222, 186);
const QColor courtGround(255, 250, 228);

QColor inkOf(int card) {
    return isRed(suitOf(card)) ? redInk : blackInk;
}

QString indexText(int rank) {
    static const std::array<const char*, 14> texts = {"",  "A", "2", "3",  "4", "5", "6",
                                                      "7", "8", "9", "10", "J", "Q", "K"};
    return QString::fromLatin1(texts.at(static_cast<std::size_t>(rank)));
}

void fillSuit(QPainter& painter, Suit suit, const QRectF& box, const QColor& ink) {
    painter.fillPath(suitShape(suit, box), ink);
}

// Draws `draw` once upright and once turned half a turn about the card's centre, as court
// figures and corner indices stand on real cards.
template <typename Draw>
void drawTwice(QPainter& painter, Draw draw) {
    draw();
    painter.save();
    painter.translate(faceSize.width(), faceSize.height());
    painter.rotate(180);
    draw();
    painter.restore();
}

void drawIndex(QPainter& painter, int card) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    if (rankOf(card) == 10) font.setStretch(QFont::Condensed);
    painter.setFont(font);
    painter.setPen(inkOf(card));
    drawTwice(painter, [&] {
        painter.drawText(QRectF(0, 1, 14, 12), Qt::AlignCenter, indexText(rankOf(card)));
        fillSuit(painter, suitOf(card), QRectF(3, 14, 8, 9), inkOf(card));
    });
}

// Pip centres as fractions of the pip area: columns 0 (left), 0.5, 1 (right) and rows 0 (top)
// to 1 (bottom). Pips in the lower half are drawn upside down.
struct Pip {
    qreal column;
    qreal row;
};
const std::vector<Pip>& pipLayout(int rank) {
    static const std::array<std::vector<Pip>, 11> layouts = {{
        {},
        {{0.5, 0.5}},
        {{0.5, 0}, {0.5, 1}},
        {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
        {{0, 0},
         {1, 0},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0.5, 0.5},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0, 1},
         {1, 1}},
        {{0, 0},
         {1, 0},
         {0.5, 1.0 / 6},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0.5, 5.0 / 6},
         {0, 1},
         {1, 1}},
    }};
    return layouts.at(static_cast<std::size_t>(rank));
}

void drawPips(QPainter& painter, int card) {
    const QRectF area(22, 15, 26, 77);  // the centres of the outer pips lie on its edges
    const QSizeF pip(12, 13);
    for (const Pip& at : pipLayout(rankOf(card))) {
        const QPointF centre(area.left() + at.column * area.width(),
                             area.top() + at.row * area.height());
        painter.save();
        painter.translate(centre);
        if (at.row > 0.5) painter.rotate(180);
        fillSuit(painter, suitOf(card), QRectF(QPointF(-pip.width() / 2, -pip.height() / 2), pip),
                 inkOf(card));
        painter.restore();
    }
}

void drawAce(QPainter& painter, int card) {
    fillSuit(painter, suitOf(card), QRectF(17, 34, 36, 39), inkOf(card));
}

// The upper half of a court figure, in the frame's coordinates (42 wide, 41 high): a head with
// the headgear of its rank, shoulders in the suit's colour with gold trim, and the suit sign.
void drawCourtHalf(QPainter& painter, int card) {
    const int rank = rankOf(card);
    const QColor ink = inkOf(card);
    const QColor robe = isRed(suitOf(card)) ? redInk : QColor(30, 40, 150);
    const QPen outline(blackInk, 0.8);

    QPainterPath shoulders;
    shoulders.moveTo(3, 41);
    shoulders.cubicTo(3, 31, 10, 27, 21, 27);
    shoulders.cubicTo(32, 27, 39, 31, 39, 41);
    shoulders.closeSubpath();
    painter.setPen(outline);
    painter.setBrush(robe);
    painter.drawPath(shoulders);
    painter.setBrush(gold);
    painter.drawRect(QRectF(17, 27, 8, 14));  // the gold front of the robe

    if (rank == 12) {  // long hair behind the Queen's face
        painter.setBrush(QColor(150, 90, 20));
        painter.drawEllipse(QRectF(12, 9, 18, 20));
    }
    painter.setBrush(skin);
    painter.drawEllipse(QRectF(15, 11, 12, 15));
    painter.setBrush(blackInk);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(18.5, 17), 0.9, 0.9);
    painter.drawEllipse(QPointF(23.5, 17), 0.9, 0.9);
    painter.setPen(QPen(redInk, 0.9));
    painter.drawLine(QPointF(19.5, 22), QPointF(22.5, 22));
    painter.setPen(outline);

    if (rank == 13) {  // the King's beard and tall crown
        painter.setBrush(QColor(240, 240, 240));
        QPainterPath beard;
        beard.moveTo(15.5, 20);
        beard.quadTo(21, 33, 26.5, 20);
        beard.quadTo(21, 25, 15.5, 20);
        painter.drawPath(beard);
        painter.setBrush(gold);
        painter.drawPolygon(
            QPolygonF({{14, 12}, {14, 3}, {17.5, 7}, {21, 1}, {24.5, 7}, {28, 3}, {28, 12}}));
    } else if (rank == 12) {  // the Queen's low crown with pearls
        painter.setBrush(gold);
        painter.drawPolygon(
            QPolygonF({{15, 12}, {15, 6}, {18, 8}, {21, 5}, {24, 8}, {27, 6}, {27, 12}}));
        painter.setBrush(Qt::white);
        for (qreal x : {15.0, 21.0, 27.0})
            painter.drawEllipse(QPointF(x, x == 21.0 ? 4.5 : 5.5), 1.3, 1.3);
    } else {  // the Jack's flat cap with a feather
        painter.setBrush(robe);
        painter.drawRoundedRect(QRectF(13, 7, 16, 6), 2, 2);
        painter.setBrush(gold);
        QPainterPath feather;
        feather.moveTo(27, 8);
        feather.quadTo(36, 0, 38, 6);
        feather.quadTo(33, 5, 27, 10);
        painter.drawPath(feather);
    }
    fillSuit(painter, suitOf(card), QRectF(3, 3, 8, 9), ink);
}

void drawCourt(QPainter& painter, int card) {
    const QRectF frame(14, 12, 42, 83);
    painter.fillRect(frame, courtGround);
    drawTwice(painter, [&] {
        painter.save();
        painter.translate(frame.topLeft());
        painter.setClipRect(QRectF(0, 0, frame.width(), frame.height() / 2));
        drawCourtHalf(painter, card);
        painter.restore();
    });
    painter.setPen(QPen(inkOf(card), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.drawLine(QPointF(frame.left(), frame.center().y()),
                     QPointF(frame.right(), frame.center().y()));
}

}  // namespace

QPixmap drawFace(int card, qreal devicePixelRatio) {
    QPixmap pixmap = blankPixmap(faceSize, devicePixelRatio, Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawIndex(painter, card);
    const int rank = rankOf(card);
    if (rank == 1) {
        drawAce(painter, card);
    } else if (rank <= 10) {
        drawPips(painter, card);
    } else {
        drawCourt(painter, card);
    }
    return pixmap;
}

}  // namespace quillane::ui
