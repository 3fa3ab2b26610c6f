// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <memory>

#include "model/control_view.h"
#include "ui/frmquillane.h"
#include "ui/pictures.h"
#include "ui/table_view.h"

namespace quillane::testing {

// Shows the window and makes it the one that takes the keys. A bare X server has no window
// manager to hand it the focus, so the window asks for it once it is mapped.
inline void showActive(QWidget* window) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// What the window system holds for the window, and a fresh rendering of the window at the same
// density to compare it with. On a scaled screen the offscreen platform hands its frames back
// resampled to logical pixels, which no rendering matches exactly; there comparisons are made
// only at a density of one. An X server hands back its pixels as they are, at any density.
inline bool screenCanBeCompared(const QWidget* window) {
    return QGuiApplication::platformName() != QStringLiteral("offscreen") ||
           window->devicePixelRatioF() == 1.0;
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
    // At a fractional scale the screen's size is rounded, so the ratio comes from the window.
    QPixmap pixmap(screen.size());
    pixmap.setDevicePixelRatio(window->devicePixelRatioF());
    pixmap.fill(Qt::black);
    window->render(&pixmap);
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Where a pixel of the table, in its own logical pixels, shows in the table widget at whatever
// size it is: the widget's first pixel at or after it, which the table maps back inside it.
inline QPoint shownAt(const ui::TableView& table, QPoint tablePixel) {
    const QPointF shown = table.scale().toWidget().map(QPointF(tablePixel));
    return {static_cast<int>(std::ceil(shown.x())), static_cast<int>(std::ceil(shown.y()))};
}

// Grows the window so that its table shows at one and a half times its size, with a strip of
// bare table on either side: a scale that maps some pixels of the table across two of the
// screen's.
inline void growToOneAndAHalf(QWidget* window, const ui::TableView& table) {
    const QSize grown(ui::tableSize.width() * 3 / 2 + 101, ui::tableSize.height() * 3 / 2);
    window->resize(window->size() + grown - table.size());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(table.size(), grown);
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
        showActive(window.get());
    }

    const Form& form() const { return window->form(); }

    // Clicks the table at a point given in twips of the client area.
    void clickAt(Single left, Single top) {
        QTest::mouseClick(window->table(), Qt::LeftButton, {},
                          shownAt(*window->table(), QPoint(ui::pixels(left), ui::pixels(top))));
    }
    void clickControl(ControlRef control) {
        const layout::Rect rect = viewOf(form(), control).look.rect;
        clickAt(rect.Left + rect.Width / 2, rect.Top + rect.Height / 2);
    }

    // The table as it is painted now, at the screen's density.
    QImage tableImage() const { return window->table()->grab().toImage(); }
    QColor pixel(Single left, Single top) const {
        const QPoint shown = shownAt(*window->table(), QPoint(ui::pixels(left), ui::pixels(top)));
        return colourAt(tableImage(), shown.x(), shown.y());
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
