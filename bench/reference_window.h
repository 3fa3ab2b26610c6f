// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <memory>

namespace quillane::bench {

// A bare Qt window with the same widgets as the game's: the menu, one table widget of the
// same size, which grows with the window as the game's does, and the three push buttons at
// the same places. It draws and does nothing else, so it shows what the toolkit alone costs.
std::unique_ptr<QMainWindow> makeReferenceWindow();

}  // namespace quillane::bench
