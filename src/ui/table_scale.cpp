// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_scale.h"

#include <algorithm>
#include <cmath>

namespace quillane::ui {

void TableScale::fit(QSize widget, qreal devicePixelRatio) {
    scale_ = std::min(qreal(widget.width()) / tableSize.width(),
                      qreal(widget.height()) / tableSize.height());
    const auto onDevicePixel = [devicePixelRatio](qreal spare) {
        return std::round(spare / 2 * devicePixelRatio) / devicePixelRatio;
    };
    origin_ = {onDevicePixel(widget.width() - tableSize.width() * scale_),
               onDevicePixel(widget.height() - tableSize.height() * scale_)};
}

}  // namespace quillane::ui
