// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstring>

#include "window_fixture.h"

namespace quillane {
namespace {

using testing::WindowTest;

// The table rendered into an image of the given density, as a screen of that density shows it.
QImage renderAt(QWidget* table, qreal ratio) {
    QPixmap pixmap(table->size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    table->render(&pixmap);
    return pixmap.toImage();
}

// Glyphs are hinted to whole device pixels, so a caption's edges may move by up to a pixel
// between densities.
constexpr qreal glyphHinting = 1;

// Where a label's caption stands: the box, in logical pixels, of whatever is drawn over the
// label's background within its rectangle, as far as the image reaches.
QRectF captionBox(const QImage& image, const layout::LabelDesign& label) {
    const qreal ratio = image.devicePixelRatio();
    const QRect rect = ui::toQRect(label.rect);
    const QRect area = QRect(rect.topLeft() * ratio, rect.size() * ratio) & image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != ui::toQColor(label.background)) box |= QRect(x, y, 1, 1);
        }
    }
    return {box.x() / ratio, box.y() / ratio, box.width() / ratio, box.height() / ratio};
}

class HighDensity : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        QTest::mouseClick(window->startButton(), Qt::LeftButton);
        clickControl({ControlKind::Image2, 0});
        clickControl({ControlKind::imgcard, form().deck[24]});
    }
};

TEST_F(HighDensity, EveryControlStandsInTheSamePlaceAtTwiceTheDensity) {
    const QImage single = renderAt(window->table(), 1);
    const QImage twice = renderAt(window->table(), 2);
    ASSERT_EQ(twice.size(), single.size() * 2);
    int compared = 0;
    for (const ControlRef& control : stackingOrder) {
        const ControlView view = viewOf(form(), control);
        const layout::Rect rect = view.look.rect;
        if (!view.catchesClicks) continue;  // hidden, or a line
        const QPointF inside(ui::pixels(rect.Left) + 3, ui::pixels(rect.Top) + 3);
        if (window->table()->controlAt(inside) != control) {
            continue;  // covered there by another control
        }
        ++compared;
        if (view.look.drawing == Drawing::label) {
            // Only its caption tells where a label stands: the background may be the table's.
            const QRectF caption = captionBox(single, *view.look.label);
            const QRectF captionTwice = captionBox(twice, *view.look.label);
            EXPECT_EQ(caption.isEmpty(), captionOf(form(), control).empty()) << control;
            EXPECT_NEAR(captionTwice.left(), caption.left(), glyphHinting) << control;
            EXPECT_NEAR(captionTwice.top(), caption.top(), glyphHinting) << control;
            EXPECT_NEAR(captionTwice.right(), caption.right(), glyphHinting) << control;
            EXPECT_NEAR(captionTwice.bottom(), caption.bottom(), glyphHinting) << control;
            continue;
        }
        // Points of one plain colour: the white top edge of a face between its corner index and
        // its pips, the ground just inside a back's frame.
        const bool face = view.look.drawing == Drawing::face;
        const int x = ui::pixels(rect.Left) + (face ? 35 : 3);
        const int y = ui::pixels(rect.Top) + 3;
        EXPECT_EQ(colourAt(single, x, y), colourAt(twice, x, y)) << control;
    }
    EXPECT_GT(compared, 40);
}

// Grown to twice its size, the table shows every pixel as a screen of twice the density does,
// the keyboard's ring included.
TEST_F(HighDensity, GrownToTwiceItsSizeTheTableIsTheTableAtTwiceTheDensity) {
    window->table()->setFocus();
    QTest::keyClick(window->table(), Qt::Key_Left);
    QImage twice = renderAt(window->table(), 2);
    window->resize(window->size() + window->table()->size());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(window->table()->size(), ui::tableSize * 2);
    QImage grown = renderAt(window->table(), 1);
    twice.setDevicePixelRatio(1);
    ASSERT_EQ(grown.format(), twice.format());
    for (int y = 0; y < grown.height(); ++y) {
        ASSERT_EQ(std::memcmp(grown.constScanLine(y), twice.constScanLine(y), grown.bytesPerLine()),
                  0)
            << "device row " << y << " differs, in the table's logical row " << y / 2;
    }
}

TEST_F(HighDensity, LinesAndFramesStaySharp) {
    const QImage twice = renderAt(window->table(), 2);
    // The selection frame's top line is two device rows of one colour between green rows.
    const int x = 2 * 600;
    const int y = 2 * 344;
    const QColor line = twice.pixelColor(x, y);
    EXPECT_EQ(twice.pixelColor(x, y + 1), line);
    EXPECT_EQ(twice.pixelColor(x, y - 1), QColor(0, 255, 0));
    EXPECT_EQ(twice.pixelColor(x, y + 2), QColor(0, 255, 0));
    // The back at slot 0: its outer frame ring is two device pixels of the same grey.
    EXPECT_EQ(twice.pixelColor(2 * 260, 2 * 8), QColor(128, 128, 128));
    EXPECT_EQ(twice.pixelColor(2 * 260, 2 * 8 + 1), QColor(128, 128, 128));
    EXPECT_EQ(twice.pixelColor(2 * 260, 2 * 8 + 2), QColor(0, 0, 0));
}

TEST_F(HighDensity, PicturesAreDrawnAtTheDeviceDensityNotScaledUp) {
    const QImage twice = renderAt(window->table(), 2);
    const QImage face = ui::drawFace(form().deck[21], 2).toImage();
    const layout::Rect rect = viewOf(form(), {ControlKind::imgcard, form().deck[21]}).look.rect;
    const QImage shown = twice.copy(2 * ui::pixels(rect.Left), 2 * ui::pixels(rect.Top), 140, 214);
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              face.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace quillane
