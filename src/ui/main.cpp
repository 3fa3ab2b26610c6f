// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "ui/frmquillane.h"
#include "ui/heap.h"
#include "ui/identity.h"

int main(int argc, char* argv[]) {
    quillane::ui::keepLargeBlocksInTheHeap();
    quillane::ui::setApplicationIdentity();
    QApplication application(argc, argv);
    quillane::ui::frmquillane window;
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}
