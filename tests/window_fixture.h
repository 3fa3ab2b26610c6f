// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <memory>

#include "model/control_geometry.h"
#include "ui/frmquillane.h"
#include "ui/pictures.h"
#include "ui/table_view.h"

namespace quillane::testing {

// What the window system holds for the window, and a fresh rendering of the window at the same
// density to compare it with. On a scaled screen the offscreen platform hands its frames back
// resampled to logical pixels, which no rendering matches exactly; comparisons are made only
// at a density of one.
inline bool screenCanBeCompared(const QWidget* window) {
    return window->devicePixelRatioF() == 1.0;
}
inline QImage windowOnScreen(QWidget* window) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return window->screen()
        ->grabWindow(window->winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}
inline QImage freshRenderingLike(QWidget* window, const QImage& screen) {
    QPixmap pixmap(screen.size());
    pixmap.setDevicePixelRatio(static_cast<qreal>(screen.width()) / window->width());
    window->render(&pixmap);
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Presses an access key. A button's key presses it the way Qt does: the button shows pressed
// and clicks when its press animation's timer fires, however late a loaded machine gets there.
inline void pressAccessKey(QWidget* window, Qt::Key key) {
    QTest::keyClick(window, key, Qt::AltModifier);
    const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
    const bool clicked = QTest::qWaitFor(
        [&buttons] {
            return std::none_of(buttons.begin(), buttons.end(),
                                [](const QPushButton* button) { return button->isDown(); });
        },
        10000);
    ASSERT_TRUE(clicked) << "a pressed button never clicked";
}

}  // namespace quillane::testing

// Colours in failure messages as #rrggbb.
inline void PrintTo(const QColor& colour, std::ostream* out) {
    *out << colour.name().toStdString();
}

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

    // The table as it is painted now, at the screen's density.
    QImage tableImage() const { return window->table()->grab().toImage(); }
    QColor pixel(Single left, Single top) const {
        return colourAt(tableImage(), ui::pixels(left), ui::pixels(top));
    }
    // The colour at a point given in logical pixels, whatever the image's density.
    static QColor colourAt(const QImage& image, int x, int y) {
        const qreal ratio = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
    }

    TickClock::Clock::time_point now{};
    std::unique_ptr<ui::frmquillane> window;
};

}  // namespace quillane::testing
