// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/graphical_button.h"

#include <QEvent>
#include <QPainter>

namespace quillane::ui {

namespace {
const QColor light(255, 255, 255);
const QColor shadow(128, 128, 128);
const QColor darkShadow(0, 0, 0);
const QColor disabledText(128, 128, 128);
}  // namespace

GraphicalButton::GraphicalButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent), face_(face) {
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool GraphicalButton::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut) return QPushButton::event(event);
    if (focusPolicy() & Qt::TabFocus) setFocus(Qt::ShortcutFocusReason);
    click();
    return true;
}

void GraphicalButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    painter.fillRect(outer, face_);
    const bool sunken = isDown();
    // Two rings: light above and left, shadow below and right; the other way while pressed.
    auto ring = [&](const QRect& box, const QColor& upperLeft, const QColor& lowerRight) {
        painter.fillRect(box.left(), box.top(), box.width(), 1, upperLeft);
        painter.fillRect(box.left(), box.top(), 1, box.height(), upperLeft);
        painter.fillRect(box.left(), box.bottom(), box.width(), 1, lowerRight);
        painter.fillRect(box.right(), box.top(), 1, box.height(), lowerRight);
    };
    ring(outer, sunken ? darkShadow : light, sunken ? light : darkShadow);
    ring(outer.adjusted(1, 1, -1, -1), sunken ? shadow : face_, sunken ? face_ : shadow);

    const QRect caption = outer.translated(sunken ? 1 : 0, sunken ? 1 : 0);
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : disabledText);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(darkShadow, 1, Qt::DotLine));
        painter.drawRect(outer.adjusted(3, 3, -4, -4));
    }
}

}  // namespace quillane::ui
