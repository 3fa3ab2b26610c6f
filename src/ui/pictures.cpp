// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/pictures.h"

#include <QPainter>

#include "ui/bevel.h"
#include "ui/fonts.h"
#include "ui/suit_shapes.h"

namespace quillane::ui {

namespace {

const QSize backPicture = framedBackSize.shrunkBy(
    QMargins(layout::framePixels, layout::framePixels, layout::framePixels, layout::framePixels));
const QSize stripPicture = framedStripSize.shrunkBy(
    QMargins(layout::framePixels, layout::framePixels, layout::framePixels, layout::framePixels));
const QColor backGround(0, 0, 0);
const QColor backLettering(0, 230, 0);
const QColor backRules(235, 0, 0);

// The card back: lettering in the upper half, the same turned over in the lower half, and
// two red rules across the middle.
void paintBack(QPainter& painter) {
    const QRectF card(QPointF(0, 0), QSizeF(backPicture));
    painter.fillRect(card, backGround);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(backLettering);
    const QRectF upperHalf(0, 4, card.width(), card.height() / 2 - 8);
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        if (turn == 1) {
            painter.translate(card.width(), card.height());
            painter.rotate(180);
        }
        painter.drawText(upperHalf, Qt::AlignCenter, QStringLiteral("QUIL\nLANE"));
        painter.restore();
    }
    const qreal middle = card.height() / 2;
    painter.fillRect(QRectF(0, middle - 4, card.width(), 2), backRules);
    painter.fillRect(QRectF(0, middle + 2, card.width(), 2), backRules);
}

// A sunken two-pixel frame: darker above and to the left, lighter below and to the right.
void paintFrame(QPainter& painter, QSize size) {
    paintBevel(painter, QRect(QPoint(0, 0), size),
               {toQColor(layout::bevelShadow), toQColor(layout::bevelLight)},
               {toQColor(layout::bevelDarkShadow), toQColor(layout::bevelFace)});
}

QPixmap framed(QSize framedSize, QSize pictureSize, qreal devicePixelRatio) {
    QPixmap pixmap = blankPixmap(framedSize, devicePixelRatio, backGround);
    QPainter painter(&pixmap);
    paintFrame(painter, framedSize);
    // The strip is the left edge of the whole back, so draw the back and clip it.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(layout::framePixels, layout::framePixels);
    painter.setClipRect(QRect(QPoint(0, 0), pictureSize));
    paintBack(painter);
    return pixmap;
}

}  // namespace

QPixmap blankPixmap(QSize size, qreal devicePixelRatio, const QColor& ground) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(ground);
    return pixmap;
}

QPixmap drawFramedBack(qreal devicePixelRatio) {
    return framed(framedBackSize, backPicture, devicePixelRatio);
}

QPixmap drawFramedStrip(qreal devicePixelRatio) {
    return framed(framedStripSize, stripPicture, devicePixelRatio);
}

QPixmap drawArrow(int size, qreal devicePixelRatio) {
    QPixmap pixmap = blankPixmap(QSize(size, size), devicePixelRatio, Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    const QPolygonF arrow({{2, 12}, {17, 12}, {17, 4}, {30, 16}, {17, 28}, {17, 20}, {2, 20}});
    painter.setPen(QPen(QColor(0, 0, 160), 1.5));
    painter.setBrush(QColor(0, 0, 255));
    painter.drawPolygon(arrow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 255));
    painter.drawPolygon(QPolygonF({{19, 9}, {27, 16}, {19, 23}}));
    return pixmap;
}

QPixmap drawDiamond(int size, qreal devicePixelRatio) {
    QPixmap pixmap = blankPixmap(QSize(size, size), devicePixelRatio, Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(size * 0.08, 0.5, size * 0.84, size - 1.0);
    painter.setPen(QPen(QColor(128, 0, 0), size / 32.0));
    painter.setBrush(QColor(255, 0, 0));
    painter.drawPath(suitShape(Suit::diamonds, box));
    return pixmap;
}

QIcon diamondIcon() {
    QIcon icon;
    for (int size : {smallIconSize, largeIconSize}) {
        for (qreal ratio : {1.0, 2.0}) icon.addPixmap(drawDiamond(size, ratio));
    }
    return icon;
}

QPixmap drawLabel(const layout::LabelDesign& design, const QString& caption, const QColor& text,
                  qreal devicePixelRatio) {
    const QRect rect(QPoint(0, 0), toQRect(design.rect).size());
    QPixmap pixmap = blankPixmap(rect.size(), devicePixelRatio, toQColor(design.background));
    QPainter painter(&pixmap);
    painter.setFont(fontFor(design.font));
    painter.setPen(text);
    const Qt::Alignment alignment =
        (design.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(rect, static_cast<int>(alignment.toInt()) | Qt::TextWordWrap, caption);
    return pixmap;
}

}  // namespace quillane::ui
