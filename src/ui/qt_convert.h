// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QtGlobal>
#include <string_view>

#include "model/layout.h"

namespace quillane::ui {

// The program's texts are UTF-8; Qt's are QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor toQColor(layout::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// A length in twips as logical pixels.
constexpr int pixels(Single twips) {
    return static_cast<int>(twips) / twipsPerPixel;
}

// A length in logical pixels as twips.
constexpr Single twips(qreal pixels) {
    return static_cast<Single>(pixels * twipsPerPixel);
}

// A layout rectangle in twips as logical pixels.
inline QRect toQRect(const layout::Rect& rect) {
    return {pixels(rect.Left), pixels(rect.Top), pixels(rect.Width), pixels(rect.Height)};
}

}  // namespace quillane::ui
