// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QSignalSpy>

#include "access/key_table.h"
#include "dealt_form.h"
#include "model/generator.h"
#include "ui/qt_convert.h"
#include "window_fixture.h"

namespace quillane {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, ClientAreaOpensAtTheTablesSizeBelowTheMenuAndGrows) {
    EXPECT_EQ(window->windowTitle(), "Quillane");
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->table()->size(), QSize(797, 532));
    EXPECT_EQ(window->table()->y(), window->menuBar()->height());
    EXPECT_EQ(window->minimumSize(), window->size()) << "never smaller than the table";
    EXPECT_EQ(window->startButton()->geometry(), QRect(248, 320, 313, 25));
    EXPECT_EQ(window->nextButton()->geometry(), QRect(336, 488, 161, 25));
    EXPECT_EQ(window->removeButton()->geometry(), QRect(568, 312, 169, 25));
    EXPECT_EQ(window->startButton()->text(), "&Start game");
    EXPECT_EQ(window->newGameAction()->text(), "New &Game");
    EXPECT_EQ(window->menuItem(ControlKind::mnuexit)->text(), "&Exit");

    // Grown, the table keeps its proportions in the middle of the bare table around it.
    const FormState before = form().state();
    testing::growToOneAndAHalf(window.get(), *window->table());
    EXPECT_EQ(window->startButton()->geometry(), QRect(50 + 372, 480, 470, 38));
    EXPECT_EQ(form().state(), before) << "the form knows nothing of the window's size";
    QTest::keyClick(window.get(), ui::frmquillane::fullScreenKey.key());
    EXPECT_TRUE(window->isFullScreen());
    QTest::keyClick(window.get(), ui::frmquillane::fullScreenKey.key());
    EXPECT_FALSE(window->isFullScreen()) << "the same key leaves full screen";
}

TEST_F(WindowTest, ButtonsFollowTheFormAtCreation) {
    EXPECT_TRUE(window->startButton()->isVisible());
    EXPECT_FALSE(window->nextButton()->isVisible());
    EXPECT_FALSE(window->removeButton()->isVisible());
}

TEST_F(WindowTest, PaintedPixelsAtKnownPlaces) {
    EXPECT_EQ(pixel(600, 3000), QColor(0, 255, 0)) << "the table";
    EXPECT_EQ(pixel(3720 + 300, 3120 + 30), QColor(255, 255, 255)) << "a showcase King's face";

    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    const QImage image = tableImage();
    EXPECT_EQ(colourAt(image, 248, 8), QColor(128, 128, 128)) << "frame of the back at slot 0";
    EXPECT_EQ(colourAt(image, 250, 10), QColor(0, 0, 0)) << "ground of the back at slot 0";
    EXPECT_EQ(colourAt(image, 600, 344), QColor(0, 0, 0)) << "top of the selection frame";
    EXPECT_EQ(colourAt(image, 680, 192), QColor(192, 192, 192)) << "a score table rule";
}

TEST_F(WindowTest, DisabledFacesLookExactlyLikeTheirPicture) {
    ASSERT_FALSE(form().imgcard[12].Enabled);
    const QImage table = tableImage();
    const qreal ratio = table.devicePixelRatio();
    const QImage shown = table.copy(
        QRectF(ui::pixels(3720) * ratio, ui::pixels(3120) * ratio, 70 * ratio, 107 * ratio)
            .toRect());
    const QImage drawn = ui::drawFace(12, ratio).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
              drawn.convertToFormat(QImage::Format_RGB32));
}

TEST_F(WindowTest, ClicksOnHiddenFacesAndStripsDoNothing) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    const FormState dealt = form().state();
    clickAt(layout::faceStartPlace.Left + 30, layout::faceStartPlace.Top + 30);
    clickControl({ControlKind::Image1, 30});
    clickControl({ControlKind::imgarrow, 0});
    clickControl({ControlKind::lblscore, 3});
    EXPECT_EQ(form().state(), dealt);

    clickControl({ControlKind::Image2, 0});
    EXPECT_EQ(form().stockstarted, 1) << "the stock card itself does react";
    clickControl({ControlKind::Image1, 40});
    EXPECT_EQ(form().wastecount, 1);
}

TEST_F(WindowTest, ShowcaseKingsIgnoreClicks) {
    const FormState showcase = form().state();
    clickControl({ControlKind::imgcard, 25});
    EXPECT_EQ(form().state(), showcase);
}

// As a key from the keyboard comes: through the window system, to the focus, a moment after
// the key before.
void pressAccessKey(QWidget* window, Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key, Qt::AltModifier, 1);
}

TEST_F(WindowTest, AccessKeysActOnlyOnVisibleEnabledButtons) {
    // A button its own key hides or disables never takes the focus on the way.
    QSignalSpy focusChanges(qApp, &QApplication::focusChanged);
    QSignalSpy offered(window->table(), &ui::TableView::accessKeyOffered);
    pressAccessKey(window.get(), Qt::Key_R);
    pressAccessKey(window.get(), Qt::Key_N);
    EXPECT_TRUE(form().cmdstart.Visible) << "hidden buttons ignore their keys";
    EXPECT_EQ(offered.count(), 2) << "a screen reader hears why";

    pressAccessKey(window.get(), Qt::Key_S);
    ASSERT_FALSE(form().cmdstart.Visible) << "Alt+S starts the game";
    ASSERT_EQ(offered.count(), 3);
    EXPECT_EQ(offered.at(2).at(0).value<char>(), 'S') << "offered before Start game took it";
    ASSERT_TRUE(form().cmdremove.Visible && !form().cmdremove.Enabled);

    const FormState dealt = form().state();
    pressAccessKey(window.get(), Qt::Key_R);
    pressAccessKey(window.get(), Qt::Key_S);
    EXPECT_EQ(form().state(), dealt) << "a disabled or hidden button ignores its key";

    clickControl({ControlKind::Image2, 0});
    clickControl({ControlKind::imgcard, form().deck[21]});
    ASSERT_TRUE(form().cmdremove.Enabled);
    pressAccessKey(window.get(), Qt::Key_R);
    EXPECT_EQ(form().selcount, 0) << "Alt+R presses an enabled Remove";
    for (const QList<QVariant>& change : focusChanges) {
        const auto* focused = change.at(1).value<QWidget*>();
        EXPECT_NE(focused, window->startButton()) << "Start game took the focus as it hid";
        EXPECT_NE(focused, window->removeButton()) << "Remove took the focus as it was disabled";
    }
}

TEST_F(WindowTest, KeysPlayTheTableUnderARingThatTheMouseNeverShows) {
    // Just right of a card: a pixel of table, then the cursor's ring, if it stands there.
    const auto ringBeside = [](const QImage& table, const layout::Rect& card) {
        return colourAt(table, ui::pixels(card.Left + card.Width) + 2, ui::pixels(card.Top) + 20);
    };
    const QColor ring = ui::toQColor(layout::blue);
    pressAccessKey(window.get(), Qt::Key_S);
    ASSERT_TRUE(window->table()->hasFocus()) << "the table takes the focus Start game leaves";
    EXPECT_EQ(window->table()->underCursor(), (ControlRef{ControlKind::Image2, 0}));
    EXPECT_EQ(ringBeside(tableImage(), layout::rectAt(stockTopPlace, layout::backSize)), ring);
    QTest::keyClick(window->table(), Qt::Key_Space);
    EXPECT_EQ(form().wastecount, 1) << "Space turns the stock under the cursor";
    QTest::keyClick(window->table(), Qt::Key_Tab);
    EXPECT_TRUE(window->table()->hasFocus()) << "no button takes input: Tab stays on the table";
    // The keypad's are a screen reader's keys, which reach the window when it is slow.
    QTest::keyClick(window->table(), Qt::Key_Right, Qt::KeypadModifier);
    QTest::keyClick(window->table(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window->table()->underCursor(), (ControlRef{ControlKind::Image2, 0}));
    EXPECT_EQ(form().wastecount, 1);
    QTest::keyClick(window->table(), Qt::Key_Right);
    const int top = form().waste[1];
    ASSERT_EQ(window->table()->underCursor(), (ControlRef{ControlKind::imgcard, top}));
    QTest::keyClick(window->table(), Qt::Key_Return);
    EXPECT_EQ(form().sel1card, top) << "Enter selects the waste pile's top";
    QTest::keyClick(window->table(), Qt::Key_Tab);
    EXPECT_TRUE(window->removeButton()->hasFocus()) << "Tab goes to Remove, which takes input";
    QTest::keyClick(window->removeButton(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(window->table()->hasFocus()) << "and Shift+Tab comes back";
    const layout::Rect bottomRight = layout::rectAt(slotPlace(slotCount - 1), layout::faceSize);
    EXPECT_EQ(window->table()->underCursor(),
              (ControlRef{ControlKind::imgcard, form().deck[slotCount - 1]}))
        << "from the emptied waste pile to the nearest card to play";
    EXPECT_EQ(ringBeside(tableImage(), bottomRight), ring);

    clickControl({ControlKind::imgcard, form().deck[firstBottomSlot]});
    EXPECT_EQ(ringBeside(tableImage(), bottomRight), ui::toQColor(layout::tableColour))
        << "the mouse in use hides the ring";
}

TEST_F(WindowTest, KeysGoStraightToACardTurnTheStockAndSay) {
    QSignalSpy says(window->table(), &ui::TableView::says);
    const auto said = [&] {
        return says.isEmpty() ? std::string() : says.last().at(0).toString().toStdString();
    };
    const auto underCursor = [&] { return window->table()->underCursor(); };
    const auto press = [&](char letter) {
        QTest::keyClick(window->table(), static_cast<Qt::Key>(letter));
    };
    pressAccessKey(window.get(), Qt::Key_S);
    press('W');
    EXPECT_EQ(said(), "No card on the waste pile.");
    QTest::keyClick(window->table(), Qt::Key_Space);
    press('W');
    ASSERT_EQ(underCursor(), (ControlRef{ControlKind::imgcard, form().waste[1]}));
    press('T');
    EXPECT_EQ(form().wastecount, 2) << "T turns the stock from the waste pile";
    EXPECT_EQ(underCursor(), (ControlRef{ControlKind::imgcard, form().waste[2]}));
    press('D');
    EXPECT_EQ(underCursor(), (ControlRef{ControlKind::Image2, 0}));
    // Just after the stock, the waste pile's top comes first of its rank.
    const int top = form().waste[2];
    const auto rank = std::find_if(tableKeys.begin(), tableKeys.end(),
                                   [&](const KeyBinding& key) { return key.rank == rankOf(top); });
    press(rank->letter);
    QTest::keyClick(window->table(), Qt::Key_Space);
    EXPECT_EQ(form().sel1card, top) << "a rank's key and Space select " << cardName(top);
    press('L');
    EXPECT_TRUE(said().ends_with(cardName(top) + " selected.")) << said();
    QTest::keyClick(window->table(), Qt::Key_Tab);
    ASSERT_TRUE(window->removeButton()->hasFocus());
    QTest::keyClick(window->removeButton(), Qt::Key_H);
    EXPECT_TRUE(said().starts_with("Left or Right")) << "H works from a button: " << said();
    QTest::keyClick(window->removeButton(), Qt::Key_D);
    EXPECT_EQ(underCursor(), (ControlRef{ControlKind::imgcard, form().waste[1]}))
        << "D needs the table's focus";
}

TEST_F(WindowTest, DealFollowsTheMillisecondsThatPassed) {
    now += std::chrono::milliseconds(250);
    QTest::mouseClick(window->startButton(), Qt::LeftButton);

    Form expected;
    for (int tick = 0; tick < 250; ++tick) expected.Timer1_Timer();
    expected.Form_Load();
    expected.cmdstart_Click();
    EXPECT_EQ(form().deck, expected.deck);
}

TEST_F(WindowTest, NothingTicksWhileNoTimeHasPassed) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    Form fresh;
    fresh.Form_Load();
    fresh.cmdstart_Click();
    EXPECT_EQ(form().deck, fresh.deck)
        << "a frozen clock delivers no ticks, whatever the window does";
}

TEST_F(WindowTest, StartGameByClickShowsRoundOne) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    EXPECT_FALSE(window->startButton()->isVisible());
    EXPECT_TRUE(window->removeButton()->isVisible());
    EXPECT_FALSE(window->removeButton()->isEnabled());
    EXPECT_FALSE(window->nextButton()->isVisible());
    EXPECT_EQ(form().roundno, 1);
    EXPECT_EQ(form().lblscore[6].Caption, "0");
    EXPECT_EQ(pixel(5640, 5280), QColor(128, 128, 128)) << "the stock's back is painted";
}

TEST_F(WindowTest, NewGameAndExitFromTheMenu) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    clickControl({ControlKind::Image2, 0});
    window->newGameAction()->trigger();
    EXPECT_TRUE(window->startButton()->isVisible());
    EXPECT_FALSE(window->removeButton()->isVisible());

    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    clickControl({ControlKind::Image2, 0});
    clickControl({ControlKind::imgcard, form().deck[22]});
    window->menuItem(ControlKind::mnuexit)->trigger();
    EXPECT_TRUE(form().programEnded);
    EXPECT_FALSE(window->isVisible()) << "the window closes, which ends the program";
}

}  // namespace
}  // namespace quillane
