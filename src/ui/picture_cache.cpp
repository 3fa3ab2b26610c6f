// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_cache.h"

#include "ui/pictures.h"
#include "ui/qt_convert.h"

namespace quillane::ui {

void PictureCache::useRatio(qreal devicePixelRatio) {
    if (devicePixelRatio == ratio_) return;
    ratio_ = devicePixelRatio;
    faces_.fill(QPixmap());
    back_ = strip_ = arrow_ = QPixmap();
    labels_.clear();
}

const QPixmap& PictureCache::face(int card, qreal devicePixelRatio) {
    useRatio(devicePixelRatio);
    QPixmap& face = faces_.at(static_cast<std::size_t>(card));
    if (face.isNull()) face = drawFace(card, ratio_);
    return face;
}

const QPixmap& PictureCache::back(qreal devicePixelRatio) {
    useRatio(devicePixelRatio);
    if (back_.isNull()) back_ = drawFramedBack(ratio_);
    return back_;
}

const QPixmap& PictureCache::strip(qreal devicePixelRatio) {
    useRatio(devicePixelRatio);
    if (strip_.isNull()) strip_ = drawFramedStrip(ratio_);
    return strip_;
}

const QPixmap& PictureCache::arrow(qreal devicePixelRatio) {
    useRatio(devicePixelRatio);
    if (arrow_.isNull()) arrow_ = drawArrow(arrowSize.width(), ratio_);
    return arrow_;
}

const QPixmap& PictureCache::label(const layout::LabelDesign& design, const std::string& caption,
                                   const QColor& text, qreal devicePixelRatio) {
    useRatio(devicePixelRatio);
    QPixmap& label = labels_[{&design, caption, text.rgba()}];
    if (label.isNull()) label = drawLabel(design, toQString(caption), text, ratio_);
    return label;
}

}  // namespace quillane::ui
