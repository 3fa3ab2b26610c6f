#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "model/control_geometry.h"
#include "ui/frmquillane.h"
#include "ui/pictures.h"
#include "ui/table_view.h"

namespace quillane::testing {

// A shown window on a clock the test moves by hand, with helpers to click and look at it.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<ui::frmquillane>(TickClock([this] { return now; }));
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    const Form& form() const { return window->form(); }

    // Clicks the table at a point given in twips of the client area.
    void clickAt(Single left, Single top) {
        QTest::mouseClick(window->table(), Qt::LeftButton, {},
                          QPoint(ui::pixels(left), ui::pixels(top)));
    }
    void clickControl(ControlRef control) {
        const layout::Rect rect = rectOf(form(), control);
        clickAt(rect.Left + rect.Width / 2, rect.Top + rect.Height / 2);
    }

    // The table as it is painted now, in logical pixels.
    QImage tableImage() const { return window->table()->grab().toImage(); }
    QColor pixel(Single left, Single top) const {
        return tableImage().pixelColor(ui::pixels(left), ui::pixels(top));
    }

    TickClock::Clock::time_point now{};
    std::unique_ptr<ui::frmquillane> window;
};

}  // namespace quillane::testing
