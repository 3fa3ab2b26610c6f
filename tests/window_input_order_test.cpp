// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QMenu>

#include "dealt_form.h"
#include "window_fixture.h"

namespace quillane {
namespace {

// Inputs that fast hands send together, with no turn of the event loop between them: each
// must be handled at once, in the order it came, and only if its control takes it then.
class InputOrder : public testing::WindowTest {
  protected:
    void alt(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::AltModifier); }
    void clickCard(int card) { clickControl({ControlKind::imgcard, card}); }
    // Start, then turn the whole stock of each round and move on, until the given round has
    // its stock used up.
    void useUpStockOfRound(int round) {
        alt(Qt::Key_S);
        for (int r = 1; r <= round; ++r) {
            if (r > 1) alt(Qt::Key_N);
            for (int i = 0; i < stockCount; ++i) clickControl({ControlKind::Image2, 0});
        }
        ASSERT_EQ(form().roundno, round);
        ASSERT_TRUE(form().cmdnext.Visible);
    }
    // A card of the bottom row that is not a King: it waits in a selection slot alone.
    int bottomNonKing() const {
        for (int slot = firstBottomSlot; slot < slotCount; ++slot) {
            if (!isKing(form().deck[static_cast<std::size_t>(slot)])) return form().deck[slot];
        }
        return -1;
    }
};

TEST_F(InputOrder, RemoveThenAClickOnAnotherCard) {
    alt(Qt::Key_S);
    clickControl({ControlKind::Image2, 0});
    const int first = bottomNonKing();
    const int second = first == form().deck[27] ? form().deck[26] : form().deck[27];
    const Place home = testing::faceOf(form(), first).place();
    clickCard(first);
    ASSERT_EQ(form().sel1card, first);

    alt(Qt::Key_R);
    clickCard(second);
    EXPECT_EQ(testing::faceOf(form(), first).place(), home)
        << "Remove put the first card back before the click";
    EXPECT_EQ(testing::faceOf(form(), second).place(), selectionSlot1);
    EXPECT_EQ(form().selcount, 1);
    EXPECT_EQ(form().sel2flag, 0);
    EXPECT_EQ(form().sel1card, second);
}

TEST_F(InputOrder, NextRoundThenRemoveOnItsDisabledButton) {
    useUpStockOfRound(1);
    clickCard(form().waste[static_cast<std::size_t>(form().wastecount)]);
    ASSERT_EQ(form().selcount, 1);

    alt(Qt::Key_N);
    alt(Qt::Key_R);
    EXPECT_EQ(form().roundno, 2);
    EXPECT_TRUE(testing::visibleFaces(form()).empty()) << "round 2 stands dealt face down";
    for (const Image& back : form().Image1) EXPECT_TRUE(back.Visible);
    EXPECT_EQ(form().selcount, 0);
    EXPECT_FALSE(form().cmdremove.Enabled);
    EXPECT_FALSE(window->removeButton()->isEnabled());
}

TEST_F(InputOrder, NextRoundThenNewGameFromTheMenuKeys) {
    useUpStockOfRound(1);
    const auto top = form().waste[static_cast<std::size_t>(form().wastecount)];
    clickCard(top);

    alt(Qt::Key_N);
    alt(Qt::Key_F);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr) << "Alt+F opens the File menu";
    QTest::keyClick(menu, Qt::Key_G);

    // The same handlers, run in the order their inputs came.
    Form expected;
    expected.Form_Load();
    expected.cmdstart_Click();
    testing::turnStock(expected, stockCount);
    expected.imgcard_Click(top);
    expected.cmdnext_Click();
    expected.mnunew_Click();
    EXPECT_EQ(form().state(), expected.state()) << "the showcase, and nothing of round 2";
    EXPECT_TRUE(window->startButton()->isVisible());
    EXPECT_FALSE(window->removeButton()->isVisible());
}

TEST_F(InputOrder, NextRoundThenAClickWhereItsButtonStood) {
    useUpStockOfRound(4);
    const QPoint where = window->nextButton()->geometry().center();

    alt(Qt::Key_N);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      window->table()->mapTo(window.get(), where));
    EXPECT_EQ(form().roundno, 5) << "the button was gone before the click came";
    EXPECT_EQ(form().imgarrow.Top, 3960);
    EXPECT_FALSE(form().cmdnext.Visible);

    for (int i = 0; i < stockCount; ++i) clickControl({ControlKind::Image2, 0});
    clickCard(form().waste[static_cast<std::size_t>(form().wastecount)]);
    alt(Qt::Key_R);
    EXPECT_EQ(form().selcount, 0) << "Remove works in round 5";
    EXPECT_FALSE(form().cmdnext.Visible) << "no sixth round";
}

}  // namespace
}  // namespace quillane
