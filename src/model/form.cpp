// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/form.h"

#include <string>

#include "model/generator.h"

namespace quillane {

namespace {
Label hiddenLabel(std::string_view caption) {
    return {std::string(caption), false};
}
}  // namespace

// The window as it stands at creation, before the load handler runs.
Form::Form(std::unique_ptr<RandomSource> generator, TickClock timer)
    : generator_(generator ? std::move(generator) : std::make_unique<Generator>()),
      timer_(std::move(timer)) {
    for (Image& face : imgcard) {
        face.Left = layout::faceStartPlace.Left;
        face.Top = layout::faceStartPlace.Top;
    }
    for (int i = 0; i < faceDownPictureCount; ++i) {
        const Place place = i < slotCount ? slotPlace(i) : stockStripPlace(i);
        Image1.at(static_cast<std::size_t>(i)).Left = place.Left;
        Image1.at(static_cast<std::size_t>(i)).Top = place.Top;
    }
    Image2.Left = stockTopPlace.Left;
    Image2.Top = stockTopPlace.Top;
    imgarrow.Left = layout::arrowStartPlace.Left;
    imgarrow.Top = layout::arrowStartPlace.Top;

    cmdstart.Visible = true;

    for (std::size_t row = 0; row < lblscore.size(); ++row) {
        lblscoreots.at(row) = hiddenLabel(layout::scoreNameCaptions.at(row));
        lblscore.at(row) = hiddenLabel(row == 0 ? layout::scoreHeading : layout::zeroScore);
    }
}

}  // namespace quillane
