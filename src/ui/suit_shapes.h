// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainterPath>
#include <QRectF>

#include "model/cards.h"

namespace quillane::ui {

// The four suit signs as filled outlines, fitted to the given box, pointing up.
QPainterPath suitShape(Suit suit, const QRectF& box);

}  // namespace quillane::ui
