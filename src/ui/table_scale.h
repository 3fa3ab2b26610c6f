// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QTransform>

#include "model/layout.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

// The table at its own size, in logical pixels.
inline constexpr QSize tableSize{pixels(layout::clientSize.Width),
                                 pixels(layout::clientSize.Height)};

// How the table stands in a widget of any size: as large as fits, keeping its proportions,
// centred. The form knows nothing of it; painting, clicks and the screen reader's extents go
// through it. At the table's own size it changes nothing.
class TableScale {
  public:
    // Fits the table to a widget of this size, its origin on a whole device pixel, so that
    // a picture drawn at the scaled density lands on device pixels one for one.
    void fit(QSize widget, qreal devicePixelRatio);

    qreal scale() const { return scale_; }
    // The table's logical pixels to the widget's.
    QTransform toWidget() const {
        return QTransform::fromTranslate(origin_.x(), origin_.y()).scale(scale_, scale_);
    }
    QPointF toTable(QPointF widgetPoint) const { return (widgetPoint - origin_) / scale_; }
    // The widget's whole pixels that a rectangle of the table touches.
    QRect covering(QRect tableRect) const {
        return toWidget().mapRect(QRectF(tableRect)).toAlignedRect();
    }

  private:
    qreal scale_ = 1;
    QPointF origin_;
};

}  // namespace quillane::ui
