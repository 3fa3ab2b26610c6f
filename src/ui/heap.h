// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace quillane::ui {

// Lets blocks as large as a picture or a whole frame stay in the heap when freed, so that the
// next one uses their pages again. Call first thing in main.
void keepLargeBlocksInTheHeap();

}  // namespace quillane::ui
