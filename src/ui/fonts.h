// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

#include "model/layout.h"

namespace quillane::ui {

// The Qt font for a layout font, sized in pixels at 96 pixels to the inch (15 twips a
// pixel) so that text keeps its place in the fixed layout on any screen. "Arial Black" falls
// back to a heavy italic face where it is missing.
QFont fontFor(const layout::Font& font);

}  // namespace quillane::ui
