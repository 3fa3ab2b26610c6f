// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the game and a bare reference window again and again and prints how long each takes
// to show its first frame, how much memory it holds, what the game costs while it sits idle,
// and how long a click takes to reach the screen, alone and with a screen reader listening on
// a private accessibility bus. Run it under an X server (xvfb-run).

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "monotonic_clock.h"

namespace {

constexpr int startupRuns = 20;
// The games of the memory soak.
constexpr double soakGames = 200;
constexpr int idleRuns = 3;
constexpr int idleSeconds = 10;
// How long the session bus and the listening client may take to say they are ready.
constexpr int readyTimeoutMs = 30000;
// Debian's own interpreter, which has the accessibility bindings the client needs.
const QString debianPython = QStringLiteral("/usr/bin/python3");

using quillane::bench::monotonicNanoseconds;

struct Summary {
    double median = 0;
    double low = 0;
    double high = 0;
};

double percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index =
        static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
    return values.at(index);
}

Summary summarise(const std::vector<double>& values) {
    return {percentile(values, 0.5), *std::min_element(values.begin(), values.end()),
            *std::max_element(values.begin(), values.end())};
}

// One running probe process.
class Probe {
  public:
    Probe(const QString& subject, const QString& state, const QString& mode,
          const QString& scale = QStringLiteral("1"),
          QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) {
        process_.setProgram(QCoreApplication::applicationDirPath() + "/quillane-probe");
        process_.setArguments({subject, state, mode});
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        started_ = monotonicNanoseconds();
        process_.start();
    }
    ~Probe() {
        process_.kill();
        process_.waitForFinished();
    }

    // Reads lines until one starts with the prefix; returns the rest of it.
    QString waitFor(const QString& prefix, int timeoutMs = 30000) {
        while (true) {
            while (process_.canReadLine()) {
                const QString line = QString::fromUtf8(process_.readLine()).trimmed();
                if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
                lines_.push_back(line);
            }
            if (!process_.waitForReadyRead(timeoutMs)) {
                std::fprintf(stderr, "probe gave no \"%s\"\n", qPrintable(prefix));
                std::exit(1);
            }
        }
    }
    QStringList readAll() {
        process_.waitForFinished(600000);
        while (process_.canReadLine())
            lines_.push_back(QString::fromUtf8(process_.readLine()).trimmed());
        return lines_;
    }

    long long started() const { return started_; }
    QString proc() const { return QStringLiteral("/proc/%1").arg(process_.processId()); }
    void write(const char* line) {
        process_.write(line);
        process_.waitForBytesWritten();
    }

  private:
    QProcess process_;
    long long started_ = 0;
    QStringList lines_;
};

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

double statusField(const QString& status, const QString& name) {
    for (const QString& line : status.split('\n')) {
        if (line.startsWith(name + ":"))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toDouble();
    }
    return 0;
}

// CPU time of every thread in nanoseconds, and their voluntary context switches.
struct Usage {
    double cpuNanoseconds = 0;
    double wakeups = 0;
};
Usage usageOf(const QString& proc) {
    Usage usage;
    for (const QString& task : QDir(proc + "/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString base = proc + "/task/" + task;
        usage.cpuNanoseconds += readText(base + "/schedstat").split(' ').first().toDouble();
        usage.wakeups += statusField(readText(base + "/status"), "voluntary_ctxt_switches");
    }
    return usage;
}

// Reads lines of a process until one starts with the prefix or the deadline passes; returns the
// rest of that line, or nothing.
std::optional<QString> lineStartingWith(QProcess& process, const QString& prefix,
                                        QDeadlineTimer deadline) {
    while (true) {
        while (process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).trimmed();
            if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
        }
        if (deadline.hasExpired() || !process.waitForReadyRead(deadline.remainingTime()))
            return std::nullopt;
    }
}

void sleepMs(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

// A screen reader's setting, made afresh for each run: a private session bus, which starts
// the accessibility bus and its registry when the client first asks for them, and a client
// registered for every object event, as Orca is. The game started in environment() joins them
// with its accessibility bridge on and finds the listener already there.
class ListeningScreenReader {
  public:
    ListeningScreenReader() : environment_(QProcessEnvironment::systemEnvironment()) {
        // The accessibility bus puts its socket under the runtime directory: a private one
        // keeps it apart from any other session's on the machine.
        environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory_.path());
        sessionBus_.setProcessEnvironment(environment_);
        sessionBus_.setStandardErrorFile(QProcess::nullDevice());
        sessionBus_.start(QStringLiteral("dbus-daemon"),
                          {"--session", "--nofork", "--print-address=1"});
        const QDeadlineTimer deadline(readyTimeoutMs);
        const auto address = lineStartingWith(sessionBus_, QString(), deadline);
        if (!address) fail("the session bus gave no address");
        environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), *address);

        client_.setProcessEnvironment(environment_);
        client_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        client_.start(debianPython,
                      {QCoreApplication::applicationDirPath() + "/listening_client.py"});
        if (!lineStartingWith(client_, QStringLiteral("listening"), deadline))
            fail("the listening client did not say it was listening");
        environment_.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"),
                            QStringLiteral("1"));
    }
    ~ListeningScreenReader() {
        if (client_.state() != QProcess::NotRunning) {
            client_.kill();
            client_.waitForFinished();
        }
        sessionBus_.terminate();
        if (!sessionBus_.waitForFinished(readyTimeoutMs)) sessionBus_.kill();
    }

    QProcessEnvironment environment() const { return environment_; }
    QString clientProc() const { return QStringLiteral("/proc/%1").arg(client_.processId()); }

    // Waits until the client has taken in every event sent so far: until the count it has
    // heard stays the same for a while.
    void waitUntilCaughtUp() {
        const QDeadlineTimer deadline(readyTimeoutMs);
        long long before = -1;
        while (!deadline.hasExpired()) {
            const long long now = heardSoFar();
            if (now == before) return;
            before = now;
            sleepMs(quietMs);
        }
        fail("the listening client did not catch up");
    }

    // Ends the client and returns the number of events it heard.
    long long stopAndCountEvents() {
        client_.terminate();
        const auto heard =
            lineStartingWith(client_, QStringLiteral("heard"), QDeadlineTimer(readyTimeoutMs));
        if (!heard) fail("the listening client did not say what it heard");
        client_.waitForFinished(readyTimeoutMs);
        return heard->split(' ').first().toLongLong();
    }

  private:
    // How long the client's count must stand still to count as caught up.
    static constexpr int quietMs = 300;

    [[noreturn]] static void fail(const char* what) {
        std::fprintf(stderr, "%s\n", what);
        std::exit(1);
    }

    long long heardSoFar() {
        ::kill(static_cast<pid_t>(client_.processId()), SIGUSR1);
        const auto heard =
            lineStartingWith(client_, QStringLiteral("heard"), QDeadlineTimer(readyTimeoutMs));
        if (!heard) fail("the listening client did not say what it heard");
        return heard->split(' ').first().toLongLong();
    }

    QTemporaryDir runtimeDirectory_;
    QProcessEnvironment environment_;
    QProcess sessionBus_;
    QProcess client_;
};

struct Row {
    std::string figure;
    Summary value;
    std::string p99;
    std::string reference;
    std::string ratio;
    std::string goal;
};

// A Markdown table, so that it can go into the docs as it stands.
void printRows(const std::vector<Row>& rows) {
    const char* pattern = "| %-42s | %8s | %19s | %8s | %9s | %6s | %-22s |\n";
    std::printf(pattern, "figure", "median", "min .. max", "p99", "reference", "ratio", "goal");
    std::printf(pattern, "---", "---:", "---:", "---:", "---:", "---:", "---");
    for (const Row& row : rows) {
        char median[32];
        char range[64];
        std::snprintf(median, sizeof median, "%.3f", row.value.median);
        std::snprintf(range, sizeof range, "%.3f .. %.3f", row.value.low, row.value.high);
        std::printf(pattern, row.figure.c_str(), median, range, row.p99.c_str(),
                    row.reference.c_str(), row.ratio.c_str(), row.goal.c_str());
    }
}

std::string format(double value, const char* pattern = "%.3f") {
    char text[32];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// Plays 40 games by clicks in one probe and adds a row for each kind of press it made, from the
// press to the painted frame; with `settledToo`, another to the end of everything the press
// caused, a listening screen reader told included. Returns the number of presses.
long long addClickRows(
    std::vector<Row>& rows, const QString& scale, const std::string& setting,
    const std::string& goal, bool settledToo = false,
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    Probe clicks("game", "play", "clicks", scale, environment);
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
    for (const auto& [kind, name] :
         {std::pair{"Image2", "stock click"}, std::pair{"imgcard", "card click"},
          std::pair{"cmdremove", "Remove press"}, std::pair{"cmdnext", "Next round press"},
          std::pair{"cmdstart", "Start game press"}, std::pair{"mnunew", "New Game choice"}}) {
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

// Start-up and memory, the game and the reference in turn.
void addStartUpRows(std::vector<Row>& rows) {
    std::map<QString, std::vector<double>> startMs;
    std::map<QString, std::vector<double>> residentMb;
    for (int run = 0; run < startupRuns; ++run) {
        for (const QString subject : {"game", "reference"}) {
            Probe probe(subject, "showcase", "idle");
            const long long painted = probe.waitFor("first-paint-ns").toLongLong();
            startMs[subject].push_back(static_cast<double>(painted - probe.started()) / 1e6);
            sleepMs(300);
            residentMb[subject].push_back(statusField(readText(probe.proc() + "/status"), "VmRSS") /
                                          1024.0);
        }
    }
    for (const auto& [name, values, goal] :
         {std::tuple{"start to first paint (ms)", &startMs, "within 1.2x reference"},
          std::tuple{"resident memory after start (MiB)", &residentMb, "within 1.15x reference"}}) {
        const Summary game = summarise((*values)["game"]);
        const Summary reference = summarise((*values)["reference"]);
        rows.push_back({name, game, "", format(reference.median),
                        format(game.median / reference.median, "%.2fx"), goal});
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

// The slope of a least-squares line through the points.
double slope(const std::vector<std::pair<double, double>>& points) {
    double meanX = 0;
    double meanY = 0;
    for (const auto& [x, y] : points) {
        meanX += x / static_cast<double>(points.size());
        meanY += y / static_cast<double>(points.size());
    }
    double covariance = 0;
    double variance = 0;
    for (const auto& [x, y] : points) {
        covariance += (x - meanX) * (y - meanY);
        variance += (x - meanX) * (x - meanX);
    }
    return covariance / variance;
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

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::vector<Row> rows;

    // "--soak-only" measures only what a listening screen reader holds over many games.
    if (app.arguments().contains(QStringLiteral("--soak-only"))) {
        addSoakRows(rows);
        printRows(rows);
        return 0;
    }
    // "--clicks-only" leaves out start-up, memory, idle cost and the soak, which take minutes.
    if (!app.arguments().contains(QStringLiteral("--clicks-only"))) {
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
