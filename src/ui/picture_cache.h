// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPixmap>
#include <array>
#include <map>
#include <string>
#include <tuple>

#include "model/cards.h"
#include "model/layout.h"

namespace quillane::ui {

// The window's pictures, each drawn once on first use at the density it shows at: the screen's
// pixel ratio times the table's scale. A change of either (the window moved to another screen,
// or resized) draws them afresh and lets those of the old density go. A label is a picture too,
// one for each caption it has shown: laying text out costs far more than copying it.
class PictureCache {
  public:
    const QPixmap& face(int card, qreal devicePixelRatio);
    const QPixmap& back(qreal devicePixelRatio);
    const QPixmap& strip(qreal devicePixelRatio);
    const QPixmap& arrow(qreal devicePixelRatio);
    const QPixmap& label(const layout::LabelDesign& design, const std::string& caption,
                         const QColor& text, qreal devicePixelRatio);

  private:
    void useRatio(qreal devicePixelRatio);

    qreal ratio_ = 0;
    std::array<QPixmap, cardCount> faces_;
    QPixmap back_;
    QPixmap strip_;
    QPixmap arrow_;
    std::map<std::tuple<const layout::LabelDesign*, std::string, QRgb>, QPixmap> labels_;
};

}  // namespace quillane::ui
