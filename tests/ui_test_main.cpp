// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <malloc.h>

#include <QApplication>

// Window tests need one QApplication for the whole run; they draw on the offscreen platform
// unless the environment picks another.
int main(int argc, char* argv[]) {
    // Each look at the screen copies whole frames of a few megabytes. glibc maps blocks that
    // large afresh and unmaps them when freed, so every page of every frame faulted anew: on a
    // virtual machine that cost more than the drawing (the random window games took 2.5 times
    // as long). Kept in the heap, the pages are used again.
    constexpr int frameBlocks = 32 << 20;
    mallopt(M_MMAP_THRESHOLD, frameBlocks);
    mallopt(M_TRIM_THRESHOLD, 4 * frameBlocks);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
