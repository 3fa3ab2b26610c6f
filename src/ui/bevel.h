// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace quillane::ui {

// The colours of a one-pixel ring: its top and left sides, and its bottom and right sides.
struct RingColours {
    QColor upperLeft;
    QColor lowerRight;
};

// Two one-pixel rings just inside the box, the outer one first: the edge of a face that
// stands out (light above) or sinks in (dark above).
inline void paintBevel(QPainter& painter, const QRect& box, const RingColours& outer,
                       const RingColours& inner) {
    auto ring = [&](const QRect& edge, const RingColours& colours) {
        painter.fillRect(edge.left(), edge.top(), edge.width(), 1, colours.upperLeft);
        painter.fillRect(edge.left(), edge.top(), 1, edge.height(), colours.upperLeft);
        painter.fillRect(edge.left(), edge.bottom(), edge.width(), 1, colours.lowerRight);
        painter.fillRect(edge.right(), edge.top(), 1, edge.height(), colours.lowerRight);
    };
    ring(box, outer);
    ring(box.adjusted(1, 1, -1, -1), inner);
}

}  // namespace quillane::ui
