// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/heap.h"

// Window tests need one QApplication for the whole run; they draw on the offscreen platform
// unless the environment picks another. Their large blocks stay in the heap, as the game's do.
int main(int argc, char* argv[]) {
    quillane::ui::keepLargeBlocksInTheHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
