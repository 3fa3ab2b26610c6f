// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QScreen>
#include <QTimer>

#include "dealt_form.h"
#include "window_fixture.h"

namespace quillane {
namespace {

using testing::WindowTest;

class WindowEvents : public WindowTest {
  protected:
    void startAndTurn(int stockClicks) {
        QTest::mouseClick(window->startButton(), Qt::LeftButton);
        for (int i = 0; i < stockClicks; ++i) clickControl({ControlKind::Image2, 0});
    }
    QImage onScreen() const { return testing::windowOnScreen(window.get()); }
};

TEST_F(WindowEvents, ClicksOnLabelsLinesAndBareTableDoNothing) {
    startAndTurn(1);
    const FormState before = form().state();
    for (const auto& [x, y] :
         std::vector<std::pair<Single, Single>>{{600, 4800},     // bare table
                                                {6000, 100},     // title
                                                {10600, 700},    // version
                                                {9500, 3000},    // a score label
                                                {9120, 3500},    // a score table rule
                                                {8520, 6000},    // the selection frame
                                                {9000, 6000},    // an empty selection slot
                                                {5500, 7000},    // the hint, hidden now
                                                {200, 7400},     // a credit line
                                                {1200, 200}}) {  // the table above the triangle
        clickAt(x, y);
        EXPECT_EQ(form().selcount, 0) << x << "," << y;
    }
    QTest::mouseClick(window->removeButton(), Qt::LeftButton);  // disabled
    EXPECT_EQ(form().state(), before);
}

TEST_F(WindowEvents, DoubleClicksCountAsTwoClicks) {
    startAndTurn(1);
    // Through the window system, which makes the second press of the pair a double click.
    auto doubleClick = [this](ControlRef control) {
        const layout::Rect rect = viewOf(form(), control).look.rect;
        const QPoint point(ui::pixels(rect.Left) + 30, ui::pixels(rect.Top) + 50);
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                           window->table()->mapTo(window.get(), point));
    };
    doubleClick({ControlKind::Image2, 0});
    EXPECT_EQ(form().wastecount, 3) << "each click of a double click turns one card";

    const int card = form().deck[21];
    doubleClick({ControlKind::imgcard, card});
    EXPECT_EQ(form().sel1card, card);
    EXPECT_EQ(form().selcount, 1) << "the second click lands on the emptied slot";
    EXPECT_EQ(form().sel2flag, 0);
}

TEST_F(WindowEvents, ABurstOfClicksBeforeAnyRepaint) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    const layout::Rect stock = viewOf(form(), {ControlKind::Image2, 0}).look.rect;
    for (int i = 0; i < 30; ++i) {
        QTest::mouseClick(window->table(), Qt::LeftButton, {},
                          QPoint(ui::pixels(stock.Left) + 30, ui::pixels(stock.Top) + 50));
    }
    EXPECT_EQ(form().wastecount, 24) << "24 clicks turn the stock; the rest find nothing there";
    EXPECT_FALSE(form().Image2.Visible);
    EXPECT_TRUE(window->nextButton()->isVisible());
    const QImage screen = onScreen();
    if (testing::screenCanBeCompared(window.get())) {
        EXPECT_TRUE(screen == testing::freshRenderingLike(window.get(), screen));
    }
}

// At a fractional scale the edges of a card fall inside device pixels; moving it away must
// repaint every pixel it covered.
TEST_F(WindowEvents, ACardMovedToTheSelectionLeavesNothingBehind) {
    startAndTurn(1);
    clickControl({ControlKind::imgcard, form().deck[firstBottomSlot]});
    ASSERT_EQ(form().selcount, 1);
    const QImage screen = onScreen();
    if (testing::screenCanBeCompared(window.get())) {
        EXPECT_TRUE(screen == testing::freshRenderingLike(window.get(), screen));
    }
}

TEST_F(WindowEvents, MinimisedAndRestoredMidRound) {
    startAndTurn(5);
    clickControl({ControlKind::imgcard, form().deck[22]});
    const FormState state = form().state();
    const QImage picture = onScreen();
    window->showMinimized();
    QCoreApplication::processEvents();
    window->showNormal();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(form().state(), state);
    EXPECT_EQ(onScreen(), picture);
}

TEST_F(WindowEvents, CoveredAndExposedMidRound) {
    startAndTurn(5);
    const FormState state = form().state();
    const QImage picture = onScreen();
    window->hide();
    // The server's word that the window is gone, before it is shown again: until it comes, the
    // window still counts as exposed, and the wait for its exposure below would end at once.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !window->windowHandle()->isExposed(); }));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->table()->repaint(QRect(100, 100, 300, 200));  // as after another window moved away
    EXPECT_EQ(form().state(), state);
    EXPECT_EQ(onScreen(), picture);
}

TEST_F(WindowEvents, ClosingWithASelectionPendingEndsTheEventLoopCleanly) {
    startAndTurn(1);
    clickControl({ControlKind::imgcard, form().deck[23]});
    ASSERT_EQ(form().selcount, 1);
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowEvents, ExitFromTheMenuEndsTheEventLoopCleanly) {
    startAndTurn(3);
    // The analyzer loses track of the slot object that the single-shot timer owns.
    // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
    QTimer::singleShot(0, window.get(),
                       [this] { window->menuItem(ControlKind::mnuexit)->trigger(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(form().programEnded);
}

}  // namespace
}  // namespace quillane
