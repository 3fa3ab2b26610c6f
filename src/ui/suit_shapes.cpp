// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/suit_shapes.h"

#include <QTransform>

namespace quillane::ui {

namespace {

// Each sign is drawn in a unit box (0..1 both ways) and then scaled into place.
QPainterPath heart() {
    QPainterPath path;
    path.moveTo(0.5, 1.0);
    path.cubicTo(0.35, 0.8, 0.0, 0.62, 0.0, 0.3);
    path.cubicTo(0.0, 0.05, 0.35, -0.05, 0.5, 0.22);
    path.cubicTo(0.65, -0.05, 1.0, 0.05, 1.0, 0.3);
    path.cubicTo(1.0, 0.62, 0.65, 0.8, 0.5, 1.0);
    return path;
}

QPainterPath diamond() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.quadTo(0.7, 0.28, 0.88, 0.5);
    path.quadTo(0.7, 0.72, 0.5, 1.0);
    path.quadTo(0.3, 0.72, 0.12, 0.5);
    path.quadTo(0.3, 0.28, 0.5, 0.0);
    return path;
}

QPainterPath stem() {
    QPainterPath path;
    path.moveTo(0.46, 0.6);
    path.quadTo(0.44, 0.9, 0.3, 1.0);
    path.lineTo(0.7, 1.0);
    path.quadTo(0.56, 0.9, 0.54, 0.6);
    path.closeSubpath();
    return path;
}

QPainterPath spade() {
    QPainterPath path;
    path.moveTo(0.5, 0.0);
    path.cubicTo(0.62, 0.2, 1.0, 0.38, 1.0, 0.62);
    path.cubicTo(1.0, 0.86, 0.65, 0.92, 0.5, 0.7);
    path.cubicTo(0.35, 0.92, 0.0, 0.86, 0.0, 0.62);
    path.cubicTo(0.0, 0.38, 0.38, 0.2, 0.5, 0.0);
    return path.united(stem());
}

QPainterPath club() {
    QPainterPath path;
    path.addEllipse(QRectF(0.27, 0.0, 0.46, 0.46));
    path.addEllipse(QRectF(0.0, 0.33, 0.46, 0.46));
    path.addEllipse(QRectF(0.54, 0.33, 0.46, 0.46));
    path.addRect(QRectF(0.4, 0.3, 0.2, 0.3));
    path.setFillRule(Qt::WindingFill);
    return path.simplified().united(stem());
}

}  // namespace

QPainterPath suitShape(Suit suit, const QRectF& box) {
    QPainterPath unit;
    switch (suit) {
        case Suit::hearts:
            unit = heart();
            break;
        case Suit::spades:
            unit = spade();
            break;
        case Suit::clubs:
            unit = club();
            break;
        case Suit::diamonds:
            unit = diamond();
            break;
    }
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    return toBox.map(unit);
}

}  // namespace quillane::ui
