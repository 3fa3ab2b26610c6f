// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the game and a bare reference window again and again and prints how long each takes
// to show its first frame, how much memory it holds, what the game costs while it sits idle,
// and how long a click takes to reach the screen. Run it under an X server (xvfb-run).

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "monotonic_clock.h"

namespace {

constexpr int startupRuns = 20;
constexpr int idleRuns = 3;
constexpr int idleSeconds = 10;

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
          const QString& scale = QStringLiteral("1")) {
        process_.setProgram(QCoreApplication::applicationDirPath() + "/quillane-probe");
        process_.setArguments({subject, state, mode});
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
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

void sleepMs(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

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

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::vector<Row> rows;

    // Start-up and memory, the game and the reference in turn.
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

    // Idle cost in the showcase and in a round in play.
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

    // Click latency, from the input event to the end of its repaint, at whole and fractional
    // scale factors: at 1.5 every edge falls inside a device pixel.
    for (const QString scale : {"1", "1.5", "2"}) {
        Probe clicks("game", "play", "clicks", scale);
        clicks.waitFor("first-paint-ns");
        std::map<std::string, std::vector<double>> latencyMs;
        for (const QString& line : clicks.readAll()) {
            const QStringList parts = line.split(' ');
            if (parts.size() == 3 && parts[0] == "latency") {
                latencyMs[parts[1].toStdString()].push_back(parts[2].toDouble() / 1e6);
            }
        }
        for (const auto& [kind, name] :
             {std::pair{"Image2", "stock click"}, std::pair{"imgcard", "card click"},
              std::pair{"cmdremove", "Remove press"}, std::pair{"cmdnext", "Next round press"}}) {
            const auto& samples = latencyMs[kind];
            if (samples.empty()) continue;
            rows.push_back({std::string(name) + " to painted frame at " + scale.toStdString() +
                                "x (ms), n=" + std::to_string(samples.size()),
                            summarise(samples), format(percentile(samples, 0.99)), "", "",
                            "median < 2, p99 < 5"});
        }
    }

    printRows(rows);
    return 0;
}
