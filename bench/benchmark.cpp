// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the game and a bare reference window again and again and prints how long each takes
// to show its first frame, how much memory it holds, what the game costs while it sits idle,
// and how long a click takes to reach the screen, alone and with a screen reader listening on
// a private accessibility bus. Run it under an X server (xvfb-run). With --filling, on a large
// screen: the same with the window filling it, and the first frame after each step of a resize.

#include <QCoreApplication>
#include <cstdio>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "listening_screen_reader.h"
#include "processes.h"
#include "report.h"
#include "statistics.h"

namespace quillane::bench {
namespace {

constexpr int startupRuns = 20;
// The games of the memory soak.
constexpr double soakGames = 200;
constexpr int idleRuns = 3;
constexpr int idleSeconds = 10;

// What the probe is told to do with its window to fill the screen, and what the rows say of it.
const QStringList filling{QStringLiteral("fill")};
const std::string fillingName = " filling the screen";

// Plays 40 games by clicks in one probe and adds a row for each kind of press it made, from the
// press to the painted frame; with `settledToo`, another to the end of everything the press
// caused, a listening screen reader told included. Returns the number of presses.
long long addClickRows(
    std::vector<Row>& rows, const QString& scale, const std::string& setting,
    const std::string& goal, bool settledToo = false,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
    const QStringList& options = {}) {
    Probe clicks("game", "play", "clicks", scale, environment, options);
    clicks.waitFor("first-paint-ns");
    std::map<std::string, std::vector<double>> paintedMs;
    std::map<std::string, std::vector<double>> settledMs;
    long long presses = 0;
    for (const QString& line : clicks.readAll()) {
        const QStringList parts = line.split(' ');
        if (parts.size() == 4 && parts[0] == "latency") {
            paintedMs[parts[1].toStdString()].push_back(parts[2].toDouble() / 1e6);
            settledMs[parts[1].toStdString()].push_back(parts[3].toDouble() / 1e6);
            ++presses;
        }
    }
    for (const auto& kindAndName :
         {std::pair{"Image2", "stock click"}, std::pair{"imgcard", "card click"},
          std::pair{"cmdremove", "Remove press"}, std::pair{"cmdnext", "Next round press"},
          std::pair{"cmdstart", "Start game press"}, std::pair{"mnunew", "New Game choice"}}) {
        // Plain names: clang 14, which clang-tidy uses, cannot capture a structured binding.
        const char* kind = kindAndName.first;
        const char* name = kindAndName.second;
        const auto addRow = [&](const std::vector<double>& samples, const char* until,
                                const std::string& rowGoal) {
            rows.push_back({std::string(name) + until + setting + " at " + scale.toStdString() +
                                "x (ms), n=" + std::to_string(samples.size()),
                            summarise(samples), format(percentile(samples, 0.99)), "", "",
                            rowGoal});
        };
        if (paintedMs[kind].empty()) continue;
        addRow(paintedMs[kind], " to painted frame", goal);
        if (settledToo) addRow(settledMs[kind], " to all done", "recorded");
    }
    return presses;
}

// Start-up and memory, the game and the reference in turn, at their own size or filling the
// screen.
void addStartUpRows(std::vector<Row>& rows, bool fill = false) {
    std::map<QString, std::vector<double>> startMs;
    std::map<QString, std::vector<double>> residentMb;
    for (int run = 0; run < startupRuns; ++run) {
        for (const QString subject : {"game", "reference"}) {
            Probe probe(subject, "showcase", "idle", QStringLiteral("1"),
                        QProcessEnvironment::systemEnvironment(), fill ? filling : QStringList());
            const long long painted = probe.waitFor("first-paint-ns").toLongLong();
            startMs[subject].push_back(static_cast<double>(painted - probe.started()) / 1e6);
            sleepMs(300);
            residentMb[subject].push_back(statusField(readText(probe.proc() + "/status"), "VmRSS") /
                                          1024.0);
        }
    }
    const std::string where = fill ? fillingName : "";
    for (const auto& [name, values, goal] :
         {std::tuple{"start to first paint", &startMs, fill ? "recorded" : "within 1.2x reference"},
          std::tuple{"resident memory after start", &residentMb,
                     fill ? "within 1.3x reference" : "within 1.15x reference"}}) {
        const Summary game = summarise((*values)["game"]);
        const Summary reference = summarise((*values)["reference"]);
        rows.push_back({name + where + (values == &startMs ? " (ms)" : " (MiB)"), game, "",
                        format(reference.median), format(game.median / reference.median, "%.2fx"),
                        goal});
    }
}

// Resizes the window as a player drags its corner: the first frame after each step, and, for
// the game, its memory after one resize (to fill the screen) against after many more.
void addResizeRows(std::vector<Row>& rows, const QString& subject) {
    constexpr int drags = 4;
    Probe probe(subject, "play", "resizes");
    probe.waitFor("first-paint-ns");
    std::vector<std::pair<int, double>> residentMb;
    for (int drag = 0; drag <= drags; ++drag) {
        const int resizes = probe.waitFor("resizes").toInt();
        residentMb.emplace_back(resizes,
                                statusField(readText(probe.proc() + "/status"), "VmRSS") / 1024.0);
        probe.write(drag < drags ? "go\n" : "stop\n");
    }
    std::vector<double> paintedMs;
    for (const QString& line : probe.readAll()) {
        const QStringList parts = line.split(' ');
        if (parts.size() == 4 && parts[0] == "latency")
            paintedMs.push_back(parts[2].toDouble() / 1e6);
    }
    const bool game = subject == "game";
    const std::string whose = game ? "" : ", " + subject.toStdString();
    const double once = paintedMs.front();
    paintedMs.erase(paintedMs.begin());
    rows.push_back({"first frame after filling the screen at once" + whose + " (ms)",
                    {once, once, once},
                    "",
                    "",
                    "",
                    "recorded"});
    rows.push_back(
        {"first frame after a resize step" + whose + " (ms), n=" + std::to_string(paintedMs.size()),
         summarise(paintedMs), format(percentile(paintedMs, 0.99)), "", "",
         game ? "p99 and max < 16.7" : "recorded"});
    if (!game) return;
    const double afterOne = residentMb.front().second;
    for (std::size_t i = 1; i < residentMb.size(); ++i) {
        const auto [resizes, mb] = residentMb.at(i);
        rows.push_back({"resident memory" + fillingName + " after " + std::to_string(resizes) +
                            " resizes (MiB)",
                        {mb, mb, mb},
                        "",
                        format(afterOne),
                        format(mb / afterOne, "%.2fx"),
                        "within 1.05x after one"});
    }
}

// Idle cost in the showcase and in a round in play.
void addIdleRows(std::vector<Row>& rows) {
    for (const QString state : {"showcase", "play"}) {
        std::vector<double> cpuPercent;
        std::vector<double> wakeupsPerSecond;
        for (int run = 0; run < idleRuns; ++run) {
            Probe probe("game", state, "idle");
            probe.waitFor("ready");
            sleepMs(1000);
            const Usage before = usageOf(probe.proc());
            sleepMs(idleSeconds * 1000);
            const Usage after = usageOf(probe.proc());
            cpuPercent.push_back((after.cpuNanoseconds - before.cpuNanoseconds) /
                                 (idleSeconds * 1e9) * 100);
            wakeupsPerSecond.push_back((after.wakeups - before.wakeups) / idleSeconds);
        }
        const std::string where =
            state == "play" ? "idle in a round in play" : "idle in the showcase";
        rows.push_back(
            {where + ": CPU (% of a core)", summarise(cpuPercent), "", "", "", "below 0.1 %"});
        rows.push_back(
            {where + ": wakeups per second", summarise(wakeupsPerSecond), "", "", "", "at most 2"});
    }
}

// Many games by clicks with a screen reader listening: what the screen reader and the game hold
// after every tenth game, once the screen reader has taken in every event, and how much more
// each holds for every further game once the first few have been played.
void addSoakRows(std::vector<Row>& rows) {
    constexpr double settledAfterGames = 20;
    ListeningScreenReader screenReader;
    Probe probe("game", "showcase", "soak", QStringLiteral("1"), screenReader.environment());
    probe.waitFor("first-paint-ns");
    std::vector<std::pair<double, double>> clientKib;
    std::vector<std::pair<double, double>> gameKib;
    std::printf("games, resident memory of the listening screen reader and of the game (KiB):\n");
    while (true) {
        const QString games = probe.waitFor("games");
        screenReader.waitUntilCaughtUp();
        const double played = games.toDouble();
        const double client = statusField(readText(screenReader.clientProc() + "/status"), "VmRSS");
        const double game = statusField(readText(probe.proc() + "/status"), "VmRSS");
        std::printf("  %4.0f %8.0f %8.0f\n", played, client, game);
        std::fflush(stdout);
        if (played >= settledAfterGames) {
            clientKib.emplace_back(played, client);
            gameKib.emplace_back(played, game);
        }
        if (played >= soakGames) break;
        probe.write("go\n");
    }
    probe.write("stop\n");
    const auto growthRow = [&](const char* whose, const std::vector<std::pair<double, double>>& kib,
                               const char* goal) {
        const double perGame = slope(kib);
        rows.push_back({std::string(whose) + " memory growth per game after game " +
                            std::to_string(static_cast<int>(settledAfterGames)) + " (KiB)",
                        {perGame, perGame, perGame},
                        "",
                        "",
                        "",
                        goal});
    };
    growthRow("a listening screen reader's", clientKib, "under 5");
    growthRow("the game's", gameKib, "recorded");
}

int run(const QStringList& arguments) {
    std::vector<Row> rows;

    // "--filling" measures the window filling a large screen and growing to it, alone.
    if (arguments.contains(QStringLiteral("--filling"))) {
        addStartUpRows(rows, true);
        addClickRows(rows, "1", fillingName, "median < 2, p99 < 16.7", false,
                     QProcessEnvironment::systemEnvironment(), filling);
        // The reference's resizes show what the toolkit alone costs at each step.
        for (const QString subject : {"game", "reference"}) addResizeRows(rows, subject);
        printRows(rows);
        return 0;
    }

    // "--soak-only" measures only what a listening screen reader holds over many games.
    if (arguments.contains(QStringLiteral("--soak-only"))) {
        addSoakRows(rows);
        printRows(rows);
        return 0;
    }
    // "--clicks-only" leaves out start-up, memory, idle cost and the soak, which take minutes.
    if (!arguments.contains(QStringLiteral("--clicks-only"))) {
        addStartUpRows(rows);
        addIdleRows(rows);
        addSoakRows(rows);
    }

    // Click latency, from the input event to the end of its repaint, at whole and fractional
    // scale factors: at 1.5 every edge falls inside a device pixel.
    for (const QString scale : {"1", "1.5", "2"})
        addClickRows(rows, scale, "", "median < 2, p99 < 5");

    // The same with a screen reader listening to every event the game sends.
    std::vector<std::string> heard;
    for (const QString scale : {"1", "2"}) {
        ListeningScreenReader screenReader;
        const long long presses =
            addClickRows(rows, scale, " with a listening screen reader", "median < 1, p99 < 3",
                         true, screenReader.environment());
        const long long events = screenReader.stopAndCountEvents();
        heard.push_back("The listening screen reader heard " + std::to_string(events) +
                        " object events over " + std::to_string(presses) + " presses at " +
                        scale.toStdString() + "x.");
    }

    printRows(rows);
    std::printf("\n");
    for (const std::string& line : heard) std::printf("%s\n", line.c_str());
    return 0;
}

}  // namespace
}  // namespace quillane::bench

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return quillane::bench::run(QCoreApplication::arguments());
}
