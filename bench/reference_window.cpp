#include "reference_window.h"

#include <QLayout>
#include <QMenuBar>
#include <QPushButton>

#include "model/layout.h"
#include "ui/pictures.h"
#include "ui/qt_text.h"

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
    green.setColor(QPalette::Window, QColor(layout::tableColour.red, layout::tableColour.green,
                                            layout::tableColour.blue));
    table->setPalette(green);
    window->setCentralWidget(table);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (const layout::ButtonSpec* spec :
         {&layout::cmdstart, &layout::cmdnext, &layout::cmdremove}) {
        auto* button = new QPushButton(ui::toQString(spec->caption), table);
        button->setGeometry(ui::pixels(spec->rect.Left), ui::pixels(spec->rect.Top),
                            ui::pixels(spec->rect.Width), ui::pixels(spec->rect.Height));
    }
    return window;
}

}  // namespace quillane::bench
