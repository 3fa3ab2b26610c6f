// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reference_window.h"

#include <QMenuBar>
#include <QPushButton>

#include "model/layout.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"
#include "ui/table_scale.h"

namespace quillane::bench {

std::unique_ptr<QMainWindow> makeReferenceWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Reference"));
    QMenu* file = window->menuBar()->addMenu(ui::toQString(layout::mnufileCaption));
    file->addAction(ui::toQString(layout::mnunewCaption));
    file->addAction(ui::toQString(layout::mnuexitCaption));

    auto* table = new QWidget(window.get());
    // Never smaller than the table's own size, and growing with the window, as the game's.
    table->setMinimumSize(ui::tableSize);
    table->setAutoFillBackground(true);
    QPalette green = table->palette();
    green.setColor(QPalette::Window, ui::toQColor(layout::tableColour));
    table->setPalette(green);
    window->setCentralWidget(table);

    for (const layout::ButtonDesign* design :
         {&layout::cmdstart, &layout::cmdnext, &layout::cmdremove}) {
        auto* button = new QPushButton(ui::toQString(design->caption), table);
        button->setGeometry(ui::toQRect(design->rect));
    }
    return window;
}

}  // namespace quillane::bench
