// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A measuring copy of the game, started by the benchmark: the same window with a few hooks.
//
//   quillane-probe game|reference showcase|play idle|clicks
//
// It prints "first-paint-ns N" (CLOCK_MONOTONIC) once the window has been painted and shown
// for the first time. "idle" then sets the game up (play: a round with a card selected),
// prints "ready" and sits in the event loop until it is killed. "clicks" plays whole games by
// mouse clicks and prints "latency KIND NS" for each, from the input event to the end of the
// repaint it caused; after each game it chooses New Game and prints its latency as "mnunew".

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "model/control_view.h"
#include "monotonic_clock.h"
#include "reference_window.h"
#include "ui/frmquillane.h"
#include "ui/table_view.h"
#include "window_driver.h"

namespace {

using namespace quillane;

using quillane::bench::monotonicNanoseconds;

// Counts paints of one widget, and reports the first time a top-level event that painted it
// has been handled completely (the paint flushed to the screen).
class PaintWatch : public QApplication {
  public:
    using QApplication::QApplication;

    void watch(QWidget* widget) { watched_ = widget; }
    int paints() const { return paints_; }
    std::function<void()> onFirstPaint;

    bool notify(QObject* receiver, QEvent* event) override {
        if (receiver == watched_ && event->type() == QEvent::Paint) ++paints_;
        ++depth_;
        const bool handled = QApplication::notify(receiver, event);
        --depth_;
        if (depth_ == 0 && paints_ > 0 && !reported_) {
            reported_ = true;
            std::printf("first-paint-ns %lld\n", monotonicNanoseconds());
            std::fflush(stdout);
            if (onFirstPaint) QTimer::singleShot(0, onFirstPaint);
        }
        return handled;
    }

  private:
    QWidget* watched_ = nullptr;
    int paints_ = 0;
    int depth_ = 0;
    bool reported_ = false;
};

// The name the harness files a click's latency under.
std::string kindName(ControlRef control) {
    const std::string name = controlName(control);
    return name.substr(0, name.find('('));
}

// Does what the player does and waits until the table has been repainted; returns the time
// that took.
template <typename Input>
long long timedUntilPainted(PaintWatch& app, Input&& input) {
    const int before = app.paints();
    const auto start = std::chrono::steady_clock::now();
    input();
    const auto deadline = start + std::chrono::seconds(1);
    while (app.paints() == before && std::chrono::steady_clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now() -
                                                                start)
        .count();
}

void measureClicks(PaintWatch& app, ui::frmquillane& window) {
    constexpr int games = 40;
    for (int game = 0; game < games; ++game) {
        while (const auto move = autoplay::nextMove(window.form())) {
            const long long nanoseconds =
                timedUntilPainted(app, [&] { autoplay::click(window, *move); });
            std::printf("latency %s %lld\n", kindName(*move).c_str(), nanoseconds);
        }
        // The menu's own popping up is Qt's; what the game does starts at the action.
        const long long nanoseconds =
            timedUntilPainted(app, [&] { window.newGameAction()->trigger(); });
        std::printf("latency mnunew %lld\n", nanoseconds);
    }
    std::fflush(stdout);
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
        std::fprintf(stderr, "usage: %s game|reference showcase|play idle|clicks\n", argv[0]);
        return 2;
    }
    PaintWatch app(argc, argv);
    const std::string subject = argv[1];
    const std::string state = argv[2];
    const std::string mode = argv[3];

    if (subject == "reference") {
        auto window = bench::makeReferenceWindow();
        app.watch(window->centralWidget());
        window->show();
        return QApplication::exec();
    }

    ui::frmquillane window;
    app.watch(window.table());
    app.onFirstPaint = [&] {
        if (mode == "clicks") {
            measureClicks(app, window);
            return;
        }
        if (state == "play") setUpRoundInPlay(window);
        std::printf("ready\n");
        std::fflush(stdout);
    };
    window.centreOnScreen();
    window.show();
    return QApplication::exec();
}
