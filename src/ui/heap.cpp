// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/heap.h"

#include <malloc.h>

namespace quillane::ui {

void keepLargeBlocksInTheHeap() {
#ifdef __GLIBC__
    // glibc maps a block of 128 KiB or more afresh and unmaps it when it is freed, so every page
    // of each picture drawn at a new size, and of each frame, faulted on its first touch: on a
    // virtual machine that cost more than the drawing (docs/performance.md). Resident memory
    // stays the same, as the pictures of the size left behind are let go.
    constexpr int largestKept = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, largestKept);
    mallopt(M_TRIM_THRESHOLD, 4 * largestKept);
#endif
}

}  // namespace quillane::ui
