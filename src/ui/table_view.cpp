// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_view.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <utility>

#include "ui/pictures.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

TableView::TableView(const Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFixedSize(pixels(layout::clientSize.Width), pixels(layout::clientSize.Height));
    setAttribute(Qt::WA_OpaquePaintEvent);
    readTable(form_, reading_);
    picturesAheadTimer_.setSingleShot(true);
    picturesAheadTimer_.setInterval(0);
    connect(&picturesAheadTimer_, &QTimer::timeout, this, &TableView::drawPicturesAhead);
}

// At a fractional scale a control's edges fall inside device pixels, which its picture paints
// but a repaint of its logical rectangle may leave out; one logical pixel more on each side
// takes them in.
QRect TableView::repaintArea(const Look& look) const {
    const QRect rect = toQRect(look.rect);
    const qreal ratio = devicePixelRatioF();
    return ratio == std::floor(ratio) ? rect : rect.adjusted(-1, -1, 1, 1);
}

void TableView::refresh() {
    std::swap(previous_, reading_);
    readTable(form_, reading_);
    ++revision_;
    // Clipping every picture against a region of many pieces costs more than painting the
    // area around them once, and so does working out such a region.
    constexpr int mostPieces = 8;
    constexpr int mostAreas = 2 * mostPieces;
    QRegion changed;
    QRect around;
    int areas = 0;
    const auto add = [&](QRect area) {
        around |= area;
        if (++areas <= mostAreas) changed += area;
    };
    forEachChangedLook(previous_, reading_, [&](const Look& was, const Look& now) {
        if (was.visible) add(repaintArea(was));
        if (now.visible) add(repaintArea(now));
    });
    update(areas > mostAreas || changed.rectCount() > mostPieces ? QRegion(around) : changed);
}

std::optional<ControlRef> TableView::controlAt(QPointF point) const {
    return quillane::controlAt(reading_, twips(point.x()), twips(point.y()));
}

void TableView::drawPicturesAhead() {
    const qreal ratio = devicePixelRatioF();
    for (int card = 0; card < cardCount; ++card) pictures_.face(card, ratio);
    pictures_.back(ratio);
    pictures_.strip(ratio);
    pictures_.arrow(ratio);
    for (std::size_t i = 0; i < reading_.views.size(); ++i) {
        const Look& look = reading_.views.at(i).look;
        if (look.drawing == Drawing::label)
            pictures_.label(*look.label, reading_.captions.at(i), labelText(look), ratio);
    }
}

QColor TableView::labelText(const Look& look) const {
    return look.label->text ? toQColor(*look.label->text) : palette().color(QPalette::ButtonText);
}

void TableView::paintEvent(QPaintEvent* event) {
    // Once the window has first shown, and before any input, while the player looks at it.
    if (!std::exchange(picturesAhead_, true)) picturesAheadTimer_.start();
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(layout::tableColour));
    // The window refreshes after every handler, so the last reading is the form's.
    for (std::size_t i = reading_.views.size(); i-- > 0;) {
        const Look& look = reading_.views.at(i).look;
        if (look.visible && event->region().intersects(toQRect(look.rect)))
            paintControl(painter, look, reading_.captions.at(i));
    }
}

void TableView::paintControl(QPainter& painter, const Look& look, const std::string& caption) {
    const QPoint topLeft = toQRect(look.rect).topLeft();
    // The device decides: a screen, or an image rendered at another density.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
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
            painter.fillRect(toQRect(look.rect), palette().color(QPalette::WindowText));
            break;
        case Drawing::label:
            painter.drawPixmap(topLeft,
                               pictures_.label(*look.label, caption, labelText(look), ratio));
            break;
        case Drawing::button:
        case Drawing::menuItem:
            break;  // widgets of their own
    }
}

void TableView::press(ControlRef control) {
    emit pressed(control);
}

void TableView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? controlAt(event->position()) : std::nullopt;
}

// A click is a press and a release of the left button on the same control.
void TableView::mouseReleaseEvent(QMouseEvent* event) {
    const auto pressed = std::exchange(pressed_, std::nullopt);
    if (event->button() == Qt::LeftButton && pressed && controlAt(event->position()) == pressed)
        press(*pressed);
}

}  // namespace quillane::ui
