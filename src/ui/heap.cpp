// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/heap.h"

#include <malloc.h>

namespace quillane::ui {

void keepLargeBlocksInTheHeap() {
#ifdef __GLIBC__
    // glibc maps a block of 128 KiB or more afresh and unmaps it when it is freed, so each page
    // of every new picture and frame faulted on its first touch. After a resize every picture
    // is drawn anew at the new size, and on a virtual machine those faults took longer than the
    // drawing: the first frame after a step of a drag over a 3840 x 2160 screen took 25 ms at
    // the median, 15 to 16 with the blocks kept. A window test's look at the screen copies whole
    // frames, and the random window games took 2.5 times as long. Resident memory is the same
    // either way: the pictures of the size left behind are let go as the new ones are drawn.
    constexpr int largestKept = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, largestKept);
    mallopt(M_TRIM_THRESHOLD, 4 * largestKept);
#endif
}

}  // namespace quillane::ui
