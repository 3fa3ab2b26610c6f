// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPixmap>
#include <array>

#include "model/cards.h"

namespace quillane::ui {

// The window's pictures, each drawn once on first use at the screen's pixel ratio; a change
// of ratio (the window moved to another screen) draws them afresh.
class PictureCache {
  public:
    const QPixmap& face(int card, qreal devicePixelRatio);
    const QPixmap& back(qreal devicePixelRatio);
    const QPixmap& strip(qreal devicePixelRatio);
    const QPixmap& arrow(qreal devicePixelRatio);

  private:
    void useRatio(qreal devicePixelRatio);

    qreal ratio_ = 0;
    std::array<QPixmap, cardCount> faces_;
    QPixmap back_;
    QPixmap strip_;
    QPixmap arrow_;
};

}  // namespace quillane::ui
