// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A measuring copy of the game, started by the benchmark: the same window with a few hooks.
//
//   quillane-probe game|reference showcase|play idle|clicks|soak|resizes [fill]
//
// It prints "first-paint-ns N" (CLOCK_MONOTONIC) once the window has been painted and shown
// for the first time. "idle" then sets the game up (play: a round with a card selected),
// prints "ready" and sits in the event loop until it is killed. "clicks" plays whole games by
// mouse clicks and prints "latency KIND PAINTED_NS SETTLED_NS" for each: from the input event
// to the end of the event that painted the table and flushed it, and to the point where the
// event loop has nothing left to do for it (a listening screen reader told); after each game
// it chooses New Game and prints its latency as "mnunew". "soak" plays games by clicks in
// batches: after each it prints "games N" and waits for a line on its input, "go" for the next
// batch, so that the harness can weigh what a listening screen reader holds by then.
// "resizes" (the reference's too) starts at the window's own size in the top left corner of the
// screen, grows the window to fill the screen at once, then drags its corner down to its own size
// and back up in even steps, as long as the harness asks, and prints "latency resize PAINTED_NS
// SETTLED_NS" for each: from the resize to the end of the event that painted the table at its new
// size. After the first resize and after each drag it prints "resizes N" and waits for "go" to drag
// again. With "fill", the window fills its screen from the start, as a maximised one does.

#include <QAction>
#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/control_view.h"
#include "monotonic_clock.h"
#include "paint_watch.h"
#include "reference_window.h"
#include "ui/frmquillane.h"
#include "ui/heap.h"
#include "ui/table_view.h"
#include "window_driver.h"

namespace {

using namespace quillane;

using quillane::bench::monotonicNanoseconds;
using quillane::bench::PaintWatch;

// The name the harness files a click's latency under.
std::string kindName(ControlRef control) {
    const std::string name = controlName(control);
    return name.substr(0, name.find('('));
}

// Does what the player does, waits until the table has been repainted and everything else
// the input caused is done, and prints how long each took.
template <typename Input>
void timeUntilPainted(PaintWatch& app, const std::string& kind, Input&& input) {
    const int before = app.paints();
    const long long start = monotonicNanoseconds();
    input();
    const long long deadline = start + 1'000'000'000;
    while (app.paints() == before && monotonicNanoseconds() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    // A screen reader is told after the repaint, in the same turn of the event loop or the next.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const long long settled = monotonicNanoseconds();
    std::printf("latency %s %lld %lld\n", kind.c_str(), app.paintedNs() - start, settled - start);
}

void measureClicks(PaintWatch& app, ui::frmquillane& window) {
    constexpr int games = 40;
    for (int game = 0; game < games; ++game) {
        while (const auto move = autoplay::nextMove(window.form())) {
            timeUntilPainted(app, kindName(*move), [&] { autoplay::click(window, *move); });
        }
        // The menu's own popping up is Qt's; what the game does starts at the action.
        timeUntilPainted(app, "mnunew", [&] { window.newGameAction()->trigger(); });
    }
    std::fflush(stdout);
    QCoreApplication::quit();
}

// Prints how many of something are done and waits for the harness's answer: whether to go on.
bool reportAndAsk(const char* what, int done) {
    std::printf("%s %d\n", what, done);
    std::fflush(stdout);
    char answer[8] = "";
    return std::fgets(answer, sizeof answer, stdin) != nullptr &&
           std::strncmp(answer, "go", 2) == 0;
}

void soak(ui::frmquillane& window) {
    constexpr int batch = 10;
    for (int game = 1;; ++game) {
        while (const auto move = autoplay::nextMove(window.form())) autoplay::click(window, *move);
        window.newGameAction()->trigger();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (game % batch == 0 && !reportAndAsk("games", game)) break;
    }
    QCoreApplication::quit();
}

// Resizes the window as a player does, and prints how long until the table was painted at its
// new size.
void timeResize(PaintWatch& app, QMainWindow& window, QSize size) {
    const int before = app.paints();
    const long long start = monotonicNanoseconds();
    window.resize(size);
    const long long deadline = start + 1'000'000'000;
    while ((app.paints() == before || window.size() != size ||
            app.paintedSize() != window.centralWidget()->size()) &&
           monotonicNanoseconds() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::printf("latency resize %lld %lld\n", app.paintedNs() - start,
                monotonicNanoseconds() - start);
}

void measureResizes(PaintWatch& app, QMainWindow& window) {
    constexpr int stepsEachWay = 25;
    const QSize own = window.size();
    const QSize full = window.screen()->geometry().size();
    timeResize(app, window, full);
    int resizes = 1;
    while (reportAndAsk("resizes", resizes)) {
        for (int step = 1; step <= 2 * stepsEachWay; ++step) {
            const int fromOwn = std::abs(stepsEachWay - step);
            timeResize(app, window, own + (full - own) * fromOwn / stepsEachWay);
            ++resizes;
        }
    }
    QCoreApplication::quit();
}

void setUpRoundInPlay(ui::frmquillane& window) {
    autoplay::click(window, {ControlKind::cmdstart});
    for (int i = 0; i < 5; ++i) autoplay::click(window, {ControlKind::Image2});
    autoplay::click(window, {ControlKind::imgcard, window.form().deck[21]});
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s game|reference showcase|play idle|clicks|soak|resizes [fill]\n",
                     argv[0]);
        return 2;
    }
    PaintWatch app(argc, argv);
    const std::string subject = argv[1];
    const std::string state = argv[2];
    const std::string mode = argv[3];
    const bool fill = argc > 4 && std::strcmp(argv[4], "fill") == 0;

    if (subject == "reference") {
        auto window = bench::makeReferenceWindow();
        app.watch(window->centralWidget());
        if (mode == "resizes") {
            window->move(window->screen()->geometry().topLeft());
            app.onFirstPaint = [&] { measureResizes(app, *window); };
        }
        if (fill) window->setGeometry(window->screen()->geometry());
        window->show();
        return QApplication::exec();
    }

    // As the game's own main does.
    ui::keepLargeBlocksInTheHeap();
    ui::frmquillane window;
    app.watch(window.table());
    app.onFirstPaint = [&] {
        if (mode == "clicks") {
            measureClicks(app, window);
            return;
        }
        if (mode == "soak") {
            soak(window);
            return;
        }
        if (state == "play") setUpRoundInPlay(window);
        if (mode == "resizes") {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            measureResizes(app, window);
            return;
        }
        std::printf("ready\n");
        std::fflush(stdout);
    };
    window.centreOnScreen();
    // A drag grows the window from its top left corner; a maximised window fills the screen.
    if (mode == "resizes") window.move(window.screen()->geometry().topLeft());
    if (fill) window.setGeometry(window.screen()->geometry());
    window.show();
    return QApplication::exec();
}
