// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reference_window.h"

#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "model/layout.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"

namespace quillane::bench {

std::unique_ptr<QMainWindow> makeReferenceWindow() {
    auto window = std::make_unique<QMainWindow>();
    window->setWindowTitle(QStringLiteral("Reference"));
    QMenu* file = window->menuBar()->addMenu(ui::toQString(layout::mnufileCaption));
    file->addAction(ui::toQString(layout::mnunewCaption));
    file->addAction(ui::toQString(layout::mnuexitCaption));

    auto* table = new QWidget(window.get());
    table->setFixedSize(ui::pixels(layout::clientSize.Width),
                        ui::pixels(layout::clientSize.Height));
    table->setAutoFillBackground(true);
    QPalette green = table->palette();
    green.setColor(QPalette::Window, ui::toQColor(layout::tableColour));
    table->setPalette(green);
    window->setCentralWidget(table);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (const layout::ButtonDesign* design :
         {&layout::cmdstart, &layout::cmdnext, &layout::cmdremove}) {
        auto* button = new QPushButton(ui::toQString(design->caption), table);
        button->setGeometry(ui::toQRect(design->rect));
    }
    return window;
}

}  // namespace quillane::bench
