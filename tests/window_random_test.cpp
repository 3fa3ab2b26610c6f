// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

#include "random_play.h"
#include "ui/frmquillane.h"
#include "ui/pictures.h"
#include "ui/qt_convert.h"
#include "ui/table_view.h"
#include "window_fixture.h"

namespace quillane {
namespace {

using testing::Event;

// Random games through the real window: clicks go to window coordinates, so Qt's routing to
// the buttons and the table's hit-testing decide what each click reaches. Every other game is
// played with the window grown, where a click lands on what shows under it.
class WindowRandomPlay : public ::testing::Test {
  protected:
    void startWindow(bool grown) {
        window = std::make_unique<ui::frmquillane>(TickClock([this] { return now; }));
        testing::showActive(window.get());
        if (grown) testing::growToOneAndAHalf(window.get(), *window->table());
    }

    void deliver(const Event& event) {
        switch (event.kind) {
            case Event::Kind::click: {
                const QPoint point = window->table()->mapTo(
                    window.get(), testing::shownAt(*window->table(), QPoint(ui::pixels(event.x),
                                                                            ui::pixels(event.y))));
                QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
                break;
            }
            case Event::Kind::accessKey:
                QTest::keyClick(window.get(), static_cast<Qt::Key>(event.key), Qt::AltModifier);
                break;
            case Event::Kind::newGame:
                window->newGameAction()->trigger();
                break;
            case Event::Kind::exit:
                window->menuItem(ControlKind::mnuexit)->trigger();
                break;
            case Event::Kind::ticks:
                now += std::chrono::milliseconds(event.count);
                break;
        }
    }

    // The window's form took the same path as a form driven through the routing table alone.
    // The timer's last draw, left in cardno, reaches the window's form only at its next input,
    // so it is not compared.
    std::optional<std::string> agreesWithTheCore(const Form& core) const {
        FormState expected = core.state();
        expected.cardno = window->form().cardno;
        if (window->form().state() == expected) return std::nullopt;
        return std::string("the window's form differs from the core's");
    }

    // Every button shows exactly what the form says about it.
    std::optional<std::string> buttonsMirrorTheForm() const {
        const std::array<std::tuple<QPushButton*, const Button*, const layout::ButtonDesign*>, 3>
            buttons = {{{window->startButton(), &window->form().cmdstart, &layout::cmdstart},
                        {window->nextButton(), &window->form().cmdnext, &layout::cmdnext},
                        {window->removeButton(), &window->form().cmdremove, &layout::cmdremove}}};
        for (const auto& [widget, state, design] : buttons) {
            const QRect place = window->table()->onScreen(ui::toQRect(design->rect));
            if (widget->isVisible() != state->Visible || widget->isEnabled() != state->Enabled ||
                widget->geometry() != place || widget->text() != ui::toQString(design->caption)) {
                return "button " + widget->text().toStdString() + " does not mirror the form";
            }
        }
        return std::nullopt;
    }

    // What the window system holds for the window equals a fresh rendering of the form: no
    // part of the table was left unpainted after a change.
    std::optional<std::string> screenMatchesTheForm() const {
        if (!testing::screenCanBeCompared(window.get())) return std::nullopt;
        const QImage onScreen = testing::windowOnScreen(window.get());
        if (onScreen != testing::freshRenderingLike(window.get(), onScreen)) {
            return std::string("the painted window differs from a fresh rendering");
        }
        return std::nullopt;
    }

    TickClock::Clock::time_point now{};
    std::unique_ptr<ui::frmquillane> window;
};

TEST_F(WindowRandomPlay, WidgetsMirrorTheFormThroughRandomGames) {
    // On a real X server each look at the screen is a round trip to it: a sixth as many games.
    const std::uint64_t share = QGuiApplication::platformName() == QStringLiteral("xcb") ? 6 : 1;
    const auto games = testing::environmentNumber("QUILLANE_WINDOW_GAMES", 300) / share;
    constexpr int eventLimit = 400;
    constexpr int screenCheckEvery = 25;
    // Access keys and menu choices come as often as a keyboard user sends them, and every
    // input follows the last with no turn of the event loop between them.
    const testing::EventMix mix{0.7, 0.18, 0.07, 0.0415, 0.008};
    int events = 0;
    for (std::uint64_t seed = 1; seed <= games; ++seed) {
        startWindow(seed % 2 == 0);
        testing::EventSource source(seed, mix);
        testing::InvariantChecker checker;
        Form core;
        core.Form_Load();
        std::vector<Event> played;
        for (int i = 0; i < eventLimit && !window->form().programEnded; ++i) {
            const Event event = source.next(window->form());
            played.push_back(event);
            checker.before(window->form());
            deliver(event);
            testing::deliver(core, event);
            ++events;
            auto failure = checker.after(window->form(), event);
            if (!failure) failure = agreesWithTheCore(core);
            if (!failure && !window->form().programEnded) failure = buttonsMirrorTheForm();
            if (!failure && i % screenCheckEvery == 0 && !window->form().programEnded) {
                failure = screenMatchesTheForm();
            }
            ASSERT_FALSE(failure) << "window game " << seed << (seed % 2 == 0 ? " (grown)" : "")
                                  << ": " << *failure << "\nafter " << testing::describe(played);
        }
        if (window->form().programEnded) {
            EXPECT_FALSE(window->isVisible()) << "Exit closes the window";
        } else {
            ASSERT_FALSE(screenMatchesTheForm()) << "window game " << seed;
        }
    }
    std::cout << "window random play: " << games << " games, " << events << " events\n";
}

}  // namespace
}  // namespace quillane
