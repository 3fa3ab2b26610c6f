// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

#include "model/layout.h"
#include "ui/pictures.h"

namespace quillane::ui {

// The program's texts are UTF-8; Qt's are QString.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor toQColor(layout::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

// A layout rectangle in twips as logical pixels.
inline QRect toQRect(const layout::Rect& rect) {
    return {pixels(rect.Left), pixels(rect.Top), pixels(rect.Width), pixels(rect.Height)};
}

}  // namespace quillane::ui
