// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillane::bench {

// How long a process the benchmark starts may stay silent while it waits for a line of it.
constexpr int silenceTimeoutMs = 30000;

// Reads lines of a process until one starts with the prefix, or until it stays silent for
// `silenceMs`; returns the rest of that line, or nothing. Lines before it go to `skipped`.
std::optional<QString> lineStartingWith(QProcess& process, const QString& prefix,
                                        int silenceMs = silenceTimeoutMs,
                                        QStringList* skipped = nullptr);

QString readText(const QString& path);
// A field of a /proc status file, in its own unit.
double statusField(const QString& status, const QString& name);
void sleepMs(int ms);

// CPU time of every thread in nanoseconds, and their voluntary context switches.
struct Usage {
    double cpuNanoseconds = 0;
    double wakeups = 0;
};
Usage usageOf(const QString& proc);

// One running probe process.
class Probe {
  public:
    Probe(const QString& subject, const QString& state, const QString& mode,
          const QString& scale = QStringLiteral("1"),
          QProcessEnvironment environment = QProcessEnvironment::systemEnvironment(),
          const QStringList& options = {});
    ~Probe();
    Q_DISABLE_COPY_MOVE(Probe)

    // Reads lines until one starts with the prefix; returns the rest of it.
    QString waitFor(const QString& prefix);
    // Every line it wrote that no wait took, once it has ended.
    QStringList readAll();

    long long started() const { return started_; }
    QString proc() const { return QStringLiteral("/proc/%1").arg(process_.processId()); }
    void write(const char* line);

  private:
    QProcess process_;
    long long started_ = 0;
    QStringList lines_;
};

}  // namespace quillane::bench
