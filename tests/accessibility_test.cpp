// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAccessible>
#include <iostream>

#include "dealt_form.h"
#include "ui/table_accessible.h"
#include "window_fixture.h"

namespace quillane {
namespace {

using testing::WindowTest;

struct Heard {
    QAccessible::Role role;
    std::string name;
    std::string description;
    QAccessible::State state;
    QAccessibleInterface* child;
};

std::vector<Heard> readOut(QAccessibleInterface* table) {
    std::vector<Heard> heard;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleInterface* child = table->child(i);
        heard.push_back({child->role(), child->text(QAccessible::Name).toStdString(),
                         child->text(QAccessible::Description).toStdString(), child->state(),
                         child});
    }
    return heard;
}

QStringList actionsOf(const Heard* heard) {
    QAccessibleActionInterface* actions = heard->child->actionInterface();
    return actions != nullptr ? actions->actionNames() : QStringList();
}

void press(const Heard* heard) {
    heard->child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

const char* roleName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Button:
            return "push button";
        case QAccessible::StaticText:
            return "label";
        case QAccessible::Table:
            return "table";
        default:
            return "other";
    }
}

int count(const std::vector<Heard>& heard, const std::string& name) {
    return static_cast<int>(
        std::count_if(heard.begin(), heard.end(), [&](const Heard& h) { return h.name == name; }));
}

// The child named so, or whose name says so first: "Stock" finds "Stock, 23 cards".
const Heard* find(const std::vector<Heard>& heard, const std::string& name) {
    const auto found = std::find_if(heard.begin(), heard.end(), [&](const Heard& h) {
        return h.name == name || h.name.rfind(name + ", ", 0) == 0;
    });
    return found == heard.end() ? nullptr : &*found;
}

TEST_F(WindowTest, AScreenReaderReadsTheStartOfARound) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    clickControl({ControlKind::Image2, 0});
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->table());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "Card table");
    const auto heard = readOut(table);

    std::cout << "A screen reader hears, at the start of round 1 after the first stock click:\n";
    for (const Heard& h : heard) {
        std::cout << "  [" << roleName(h.role) << "] " << h.name
                  << (h.description.empty() ? "" : " - " + h.description) << "\n";
    }

    const std::array<std::string, rowCount> ordinals = {"1st", "2nd", "3rd", "4th",
                                                        "5th", "6th", "7th"};
    for (int slot = firstBottomSlot; slot < slotCount; ++slot) {
        const Heard* face = find(heard, cardName(form().deck[slot]) + ", row 7");
        ASSERT_NE(face, nullptr) << positionName(slot);
        EXPECT_EQ(face->description,
                  "face up, " + ordinals.at(slot - firstBottomSlot) + " from the left");
        EXPECT_EQ(face->role, QAccessible::Client);
        EXPECT_FALSE(face->state.disabled);
        EXPECT_EQ(actionsOf(face), QStringList{QAccessibleActionInterface::pressAction()});
    }
    EXPECT_EQ(count(heard, "Face-down card, row 6"), 6);
    EXPECT_EQ(find(heard, "Face-down card, row 1")->role, QAccessible::Client);
    EXPECT_TRUE(actionsOf(find(heard, "Face-down card, row 1")).isEmpty());
    const Heard* waste = find(heard, cardName(form().deck[28]) + ", on the waste pile");
    ASSERT_NE(waste, nullptr);
    EXPECT_EQ(waste->description, "top of the waste pile, 1 card");
    const Heard* stock = find(heard, "Stock, 23 cards");
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(stock->description, "face down, left of the waste pile");
    EXPECT_EQ(stock->role, QAccessible::Client);
    EXPECT_EQ(actionsOf(stock), QStringList{QAccessibleActionInterface::pressAction()});
    ASSERT_NE(find(heard, "Remove"), nullptr) << "the button";
    EXPECT_EQ(find(heard, "Remove")->role, QAccessible::Button);
    ASSERT_NE(find(heard, "QUILLANE"), nullptr);
    EXPECT_EQ(find(heard, "QUILLANE")->role, QAccessible::StaticText);
    EXPECT_TRUE(actionsOf(find(heard, "QUILLANE")).isEmpty());
    EXPECT_EQ(find(heard, "Click this card for start"), nullptr) << "hidden after the first click";
    EXPECT_EQ(find(heard, "Round marker"), nullptr) << "the score table says the current round";

    const Heard* scores = find(heard, "Score table");
    ASSERT_NE(scores, nullptr);
    EXPECT_EQ(scores->role, QAccessible::Table);
}

TEST_F(WindowTest, TheScoreTableReadsAsATableOfRounds) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->table());
    QAccessibleInterface* scores = nullptr;
    for (int i = 0; i < table->childCount(); ++i) {
        if (table->child(i)->role() == QAccessible::Table) scores = table->child(i);
    }
    ASSERT_NE(scores, nullptr);
    QAccessibleTableInterface* grid = scores->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->columnDescription(0), "Round number");
    EXPECT_EQ(grid->columnDescription(1), "Score");
    EXPECT_EQ(grid->rowDescription(0), "Round 1");
    EXPECT_EQ(grid->rowDescription(5), "Total");
    EXPECT_EQ(grid->cellAt(5, 1)->text(QAccessible::Name), "0 points");
    EXPECT_EQ(grid->cellAt(0, 0)->text(QAccessible::Name) + " " +
                  grid->cellAt(0, 1)->text(QAccessible::Name),
              "Round 1, 0 points, current round");
    QAccessibleTableCellInterface* cell = grid->cellAt(4, 1)->tableCellInterface();
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->rowIndex(), 4);
    EXPECT_EQ(cell->columnIndex(), 1);
    // The heading row is read first, as the columns' headers.
    EXPECT_EQ(cell->columnHeaderCells(), QList<QAccessibleInterface*>{scores->child(1)});
    EXPECT_EQ(scores->child(1)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(scores->child(1)->text(QAccessible::Name), "Score");
    EXPECT_EQ(scores->indexOfChild(grid->cellAt(0, 0)), 2);
}

TEST_F(WindowTest, ShowcaseKingsReadAsDisabledCardsThatIgnoreAPress) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->table());
    const auto heard = readOut(table);
    for (Integer king : kings) {
        const Heard* card = find(heard, cardName(king));
        ASSERT_NE(card, nullptr) << cardName(king);
        EXPECT_EQ(card->description, "showcase");
        EXPECT_EQ(card->role, QAccessible::Client);
        EXPECT_TRUE(card->state.disabled);
        EXPECT_TRUE(card->state.focusable) << "the keyboard's cursor may stand on it";
        press(card);
    }
    EXPECT_EQ(readOut(table).size(), heard.size()) << "nothing changed";
    EXPECT_TRUE(form().cmdstart.Visible);
    EXPECT_EQ(find(heard, "Score table"), nullptr) << "hidden in the showcase";
    EXPECT_NE(find(heard, "Start game"), nullptr);
}

// A press runs its handler at once, before any input that comes after it.
TEST_F(WindowTest, PressingDoesWhatAClickDoesAtOnce) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->table());
    press(find(readOut(table), "Start game"));
    EXPECT_EQ(form().roundno, 1);
    press(find(readOut(table), "Stock"));
    EXPECT_EQ(form().wastecount, 1);
    EXPECT_EQ(find(readOut(table), "Stock")->name, "Stock, 23 cards");

    const std::string bottom = cardName(form().deck[firstBottomSlot]);
    const auto turned = readOut(table);
    const Heard* face = find(turned, bottom);
    ASSERT_NE(face, nullptr);
    // Only the press action does anything.
    face->child->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    face->child->actionInterface()->doAction(QString());
    EXPECT_EQ(face->child->text(QAccessible::Description).toStdString(),
              "face up, 1st from the left");
    press(face);
    EXPECT_EQ(find(readOut(table), bottom)->description, "selected first");
    EXPECT_EQ(form().selcount, 1);
    press(find(readOut(table), "Remove"));
    EXPECT_EQ(form().selcount, 0);
}

// A client may ask for any index; what is not there gets an empty answer.
TEST_F(WindowTest, IndexesOutOfRangeGetHarmlessAnswers) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->table());
    QAccessibleInterface* foreign = QAccessible::queryAccessibleInterface(window.get());
    EXPECT_EQ(table->child(9999), nullptr);
    EXPECT_EQ(table->child(-1), nullptr);
    EXPECT_EQ(table->indexOfChild(foreign), -1);
    EXPECT_EQ(table->indexOfChild(nullptr), -1);
    const QPoint outside = window->table()->mapToGlobal(QPoint(-50, -50));
    EXPECT_EQ(table->childAt(outside.x(), outside.y()), nullptr);

    QAccessibleInterface* scores = find(readOut(table), "Score table")->child;
    EXPECT_EQ(scores->child(9999), nullptr);
    EXPECT_EQ(scores->child(-1), nullptr);
    EXPECT_EQ(scores->indexOfChild(foreign), -1);
    QAccessibleTableInterface* grid = scores->tableInterface();
    EXPECT_EQ(grid->rowDescription(99), "");
    EXPECT_EQ(grid->rowDescription(-1), "");
    EXPECT_EQ(grid->rowDescription(6), "");
    EXPECT_EQ(grid->columnDescription(-1), "");
    EXPECT_EQ(grid->columnDescription(2), "");
    for (const auto& [row, column] : {std::pair(99, 99), std::pair(-1, 0), std::pair(6, 0),
                                      std::pair(0, 2), std::pair(0, -1)}) {
        QAccessibleInterface* none = grid->cellAt(row, column);
        ASSERT_NE(none, nullptr) << row << "," << column << ": the bus bridge dereferences it";
        ASSERT_NE(none->tableCellInterface(), nullptr);
        EXPECT_EQ(none->tableCellInterface()->columnExtent(), 0);
        EXPECT_EQ(none->tableCellInterface()->rowExtent(), 0);
        EXPECT_EQ(none->tableCellInterface()->rowIndex(), -1);
        EXPECT_EQ(none->text(QAccessible::Name), "");
        EXPECT_EQ(scores->indexOfChild(none), -1);
    }
}

// The events the table announces, as "what name": "shown Stock", "name cell 0,1".
class Listening {
  public:
    static std::vector<std::string> take() { return std::exchange(heard(), {}); }
    static void hear(QAccessibleEvent* event);

  private:
    static std::vector<std::string>& heard() {
        static std::vector<std::string> events;
        return events;
    }
};

void Listening::hear(QAccessibleEvent* event) {
    QAccessibleInterface* source = event->accessibleInterface();
    if (source == nullptr) return;
    // "Stock, 23 cards" is heard as the stock: which control, not what it says now.
    std::string what = source->text(QAccessible::Name).toStdString();
    what = what.substr(0, what.find(", "));
    if (QAccessibleTableCellInterface* cell = source->tableCellInterface()) {
        what =
            "cell " + std::to_string(cell->rowIndex()) + "," + std::to_string(cell->columnIndex());
    }
    const auto said = [&](const std::string& kind) { heard().push_back(kind + " " + what); };
    switch (event->type()) {
        case QAccessible::ObjectCreated:
            return said("joined");
        case QAccessible::ObjectDestroyed:
            return said("left");
        case QAccessible::ObjectShow:
            return said("shown");
        case QAccessible::Focus:
            return said("focus");
        case QAccessible::NameChanged:
            return said("name");
        case QAccessible::DescriptionChanged:
            return said("description");
        case QAccessible::StateChanged: {
            const QAccessible::State changed =
                static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
            if (changed.disabled) said("input");
            return;
        }
        default:
            return;
    }
}

bool has(const std::vector<std::string>& events, const std::string& event) {
    return std::find(events.begin(), events.end(), event) != events.end();
}

// What changed is worked out in the core; here, that each change reaches a screen reader as
// the event it listens for, and that a card that comes back is the same child, shown again.
TEST_F(WindowTest, TheTableTellsWhatChanged) {
    // Round 1 deals the King of hearts where the first press can remove it, and the King of
    // spades at the bottom of the stock, out of sight until New Game.
    window = std::make_unique<ui::frmquillane>(
        TickClock([this] { return now; }),
        testing::ScriptedRandom::ofCards(
            testing::deckWith({{firstBottomSlot, kings[0]}, {cardCount - 1, kings[1]}})));
    testing::showActive(window.get());
    auto* table =
        dynamic_cast<ui::TableAccessible*>(QAccessible::queryAccessibleInterface(window->table()));
    ASSERT_NE(table, nullptr);
    const auto tell = [table] {
        table->tell(&Listening::hear);
        return Listening::take();
    };
    const std::string king = cardName(kings[1]);
    const auto kingChild = [&] { return find(readOut(table), king)->child; };
    const QAccessible::Id kingInTheShowcase = QAccessible::uniqueId(kingChild());

    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    auto heard = tell();
    for (const std::string& event :
         {"left " + king, std::string("joined Stock"), std::string("joined Score table"),
          std::string("left Start game"), std::string("joined Remove"),
          std::string("focus Stock")}) {
        EXPECT_TRUE(has(heard, event)) << event;
    }
    EXPECT_TRUE(tell().empty()) << "nothing changed since";

    clickControl({ControlKind::Image2, 0});
    heard = tell();
    EXPECT_TRUE(has(heard, "name Stock"));
    clickControl({ControlKind::imgcard, form().deck[firstBottomSlot]});
    EXPECT_TRUE(has(tell(), "input Stock")) << "no turning while a card is selected";
    QTest::mouseClick(window->removeButton(), Qt::LeftButton);
    heard = tell();
    EXPECT_TRUE(has(heard, "name cell 0,1")) << "round 1 scored";
    EXPECT_TRUE(has(heard, "name cell 5,1")) << "the total";
    EXPECT_TRUE(has(heard, "input Stock"));

    window->newGameAction()->trigger();
    heard = tell();
    EXPECT_TRUE(has(heard, "joined " + king));
    EXPECT_TRUE(has(heard, "shown " + king));
    EXPECT_FALSE(has(heard, "name " + king)) << "it is named as it was in the showcase";
    EXPECT_TRUE(has(heard, "left Score table"));
    EXPECT_EQ(QAccessible::uniqueId(kingChild()), kingInTheShowcase)
        << "a card back on the table is the child a screen reader knew";
}

// With the window grown, where the stock shows and where pointing finds it agree.
TEST_F(WindowTest, PointingAtTheTableFindsTheControlThere) {
    QTest::mouseClick(window->startButton(), Qt::LeftButton);
    testing::growToOneAndAHalf(window.get(), *window->table());
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(window->table());
    const QRect stock = [&] {
        for (int i = 0; i < table->childCount(); ++i) {
            if (table->child(i)->text(QAccessible::Name).startsWith(QLatin1String("Stock, ")))
                return table->child(i)->rect();
        }
        return QRect();
    }();
    ASSERT_FALSE(stock.isEmpty());
    QAccessibleInterface* there = table->childAt(stock.center().x(), stock.center().y());
    ASSERT_NE(there, nullptr);
    EXPECT_EQ(there->text(QAccessible::Name), "Stock, 24 cards");
}

}  // namespace
}  // namespace quillane
