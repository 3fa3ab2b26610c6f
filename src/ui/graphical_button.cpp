// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/graphical_button.h"

#include <QEvent>
#include <QPainter>

#include "model/layout.h"
#include "ui/bevel.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

GraphicalButton::GraphicalButton(ControlKind kind, const QString& caption, const QColor& face,
                                 QSize ownSize, QWidget* parent)
    : QPushButton(caption, parent), kind_(kind), face_(face), ownSize_(ownSize) {
    setAutoDefault(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool GraphicalButton::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut) return QPushButton::event(event);
    click();
    // Only a button still there to take it gets the focus: one its click hid or disabled would
    // have a screen reader name a control already gone.
    if ((focusPolicy() & Qt::TabFocus) && isVisible() && isEnabled())
        setFocus(Qt::ShortcutFocusReason);
    return true;
}

void GraphicalButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.scale(qreal(width()) / ownSize_.width(), qreal(height()) / ownSize_.height());
    const QRect outer(QPoint(0, 0), ownSize_);
    painter.fillRect(outer, face_);
    const bool sunken = isDown();
    const QColor light = toQColor(layout::bevelLight);
    const QColor shadow = toQColor(layout::bevelShadow);
    const QColor darkShadow = toQColor(layout::bevelDarkShadow);
    // Light above and left, shadow below and right; the other way while pressed.
    const RingColours outerRing =
        sunken ? RingColours{darkShadow, light} : RingColours{light, darkShadow};
    const RingColours innerRing = sunken ? RingColours{shadow, face_} : RingColours{face_, shadow};
    paintBevel(painter, outer, outerRing, innerRing);

    const QRect caption = outer.translated(sunken ? 1 : 0, sunken ? 1 : 0);
    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : toQColor(layout::disabledCaption));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setPen(QPen(darkShadow, 1, Qt::DotLine));
        painter.drawRect(outer.adjusted(3, 3, -4, -4));
    }
}

}  // namespace quillane::ui
