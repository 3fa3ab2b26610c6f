// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include "model/layout.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

// Picture sizes in logical pixels. Backs and strips are drawn inside a frame, so their
// controls are two frame widths larger than the picture itself.
inline constexpr QSize faceSize{pixels(layout::faceSize.Width), pixels(layout::faceSize.Height)};
inline constexpr QSize framedBackSize{pixels(layout::backSize.Width),
                                      pixels(layout::backSize.Height)};
inline constexpr QSize framedStripSize{pixels(layout::stripSize.Width),
                                       pixels(layout::stripSize.Height)};
inline constexpr QSize arrowSize{pixels(layout::arrowSize.Width), pixels(layout::arrowSize.Height)};
inline constexpr int smallIconSize = 16;
inline constexpr int largeIconSize = 32;

// A pixmap of the given logical size filled with one colour, at the given pixel ratio.
QPixmap blankPixmap(QSize size, qreal devicePixelRatio, const QColor& ground);

// Every picture is drawn by the program at the given device pixel ratio, so it stays sharp
// on a high-density screen while its logical size stays the same.
QPixmap drawFace(int card, qreal devicePixelRatio);
QPixmap drawFramedBack(qreal devicePixelRatio);
QPixmap drawFramedStrip(qreal devicePixelRatio);
QPixmap drawArrow(int size, qreal devicePixelRatio);
QPixmap drawDiamond(int size, qreal devicePixelRatio);
// A label: its background, and its caption from the top, wrapping at words.
QPixmap drawLabel(const layout::LabelDesign& design, const QString& caption, const QColor& text,
                  qreal devicePixelRatio);
// The red diamond at 16 and 32 pixels.
QIcon diamondIcon();

}  // namespace quillane::ui
