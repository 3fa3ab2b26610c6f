// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_view.h"

#include <QMouseEvent>
#include <QPaintEngine>
#include <QPainter>
#include <ranges>

#include "model/control_geometry.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

TableView::TableView(const Form& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFixedSize(pixels(layout::clientSize.Width), pixels(layout::clientSize.Height));
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (std::size_t i = 0; i < stackingOrder.size(); ++i)
        shown_.at(i) = appearanceOf(stackingOrder.at(i));
}

TableView::Appearance TableView::appearanceOf(ControlRef control) const {
    const Label* label = labelOf(form_, control);
    return {quillane::isVisible(form_, control), toQRect(rectOf(form_, control)),
            label != nullptr ? label->Caption : std::string()};
}

void TableView::refresh() {
    QRegion changed;
    for (std::size_t i = 0; i < stackingOrder.size(); ++i) {
        Appearance now = appearanceOf(stackingOrder.at(i));
        Appearance& before = shown_.at(i);
        if (now == before) continue;
        if (before.visible) changed += before.rect;
        if (now.visible) changed += now.rect;
        before = std::move(now);
    }
    // Clipping every picture against a region of many pieces costs more than painting the
    // area around them once.
    constexpr int mostPieces = 8;
    update(changed.rectCount() > mostPieces ? QRegion(changed.boundingRect()) : changed);
}

std::optional<ControlRef> TableView::controlAt(QPointF point) const {
    return quillane::controlAt(form_, static_cast<Single>(point.x() * twipsPerPixel),
                               static_cast<Single>(point.y() * twipsPerPixel));
}

void TableView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(layout::tableColour));
    for (const ControlRef& control : stackingOrder | std::views::reverse) {
        if (!quillane::isVisible(form_, control)) continue;
        if (!event->region().intersects(toQRect(rectOf(form_, control)))) continue;
        paintControl(painter, control);
    }
}

void TableView::paintControl(QPainter& painter, ControlRef control) {
    const QRect rect = toQRect(rectOf(form_, control));
    // The device decides: a screen, or an image rendered at another density.
    const qreal ratio = painter.paintEngine()->paintDevice()->devicePixelRatioF();
    switch (control.kind) {
        case ControlKind::imgcard:
            painter.drawPixmap(rect.topLeft(), pictures_.face(control.index, ratio));
            break;
        case ControlKind::Image1:
            painter.drawPixmap(rect.topLeft(), control.index < slotCount ? pictures_.back(ratio)
                                                                         : pictures_.strip(ratio));
            break;
        case ControlKind::Image2:
            painter.drawPixmap(rect.topLeft(), pictures_.back(ratio));
            break;
        case ControlKind::imgarrow:
            painter.drawPixmap(rect.topLeft(), pictures_.arrow(ratio));
            break;
        case ControlKind::Line1:
            painter.fillRect(rect, toQColor(layout::gridColour));
            break;
        case ControlKind::Line2:
            painter.fillRect(rect, palette().color(QPalette::WindowText));
            break;
        default:
            paintLabel(painter, control);
            break;
    }
}

// Labels paint their background and draw their caption from the top, wrapping at words.
void TableView::paintLabel(QPainter& painter, ControlRef control) {
    const layout::LabelDesign design = *labelDesignOf(control);
    const QRect rect = toQRect(design.rect);
    painter.fillRect(rect, toQColor(design.background));
    painter.setFont(fontFor(design.font));
    painter.setPen(design.text ? toQColor(*design.text) : palette().color(QPalette::ButtonText));
    const int alignment = (design.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    painter.drawText(rect, alignment | Qt::TextWordWrap,
                     QString::fromStdString(labelOf(form_, control)->Caption));
}

void TableView::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton ? controlAt(event->position()) : std::nullopt;
}

// A click is a press and a release of the left button on the same control.
void TableView::mouseReleaseEvent(QMouseEvent* event) {
    const auto pressed = std::exchange(pressed_, std::nullopt);
    if (event->button() != Qt::LeftButton || !pressed || controlAt(event->position()) != pressed) {
        return;
    }
    press(*pressed);
}

void TableView::press(ControlRef control) {
    if (!isClickable(form_, control)) return;
    if (control.kind == ControlKind::imgcard) {
        emit faceClicked(control.index);
    } else {
        emit stockClicked();
    }
}

}  // namespace quillane::ui
