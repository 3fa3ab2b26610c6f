// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cstdio>
#include <cstdlib>

#include "monotonic_clock.h"

namespace quillane::bench {

std::optional<QString> lineStartingWith(QProcess& process, const QString& prefix, int silenceMs,
                                        QStringList* skipped) {
    while (true) {
        while (process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).trimmed();
            if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed();
            if (skipped != nullptr) skipped->push_back(line);
        }
        if (!process.waitForReadyRead(silenceMs)) return std::nullopt;
    }
}

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

void sleepMs(int ms) {
    QThread::msleep(static_cast<unsigned long>(ms));
}

Usage usageOf(const QString& proc) {
    Usage usage;
    for (const QString& task : QDir(proc + "/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString base = proc + "/task/" + task;
        usage.cpuNanoseconds += readText(base + "/schedstat").split(' ').first().toDouble();
        usage.wakeups += statusField(readText(base + "/status"), "voluntary_ctxt_switches");
    }
    return usage;
}

Probe::Probe(const QString& subject, const QString& state, const QString& mode,
             const QString& scale, QProcessEnvironment environment, const QStringList& options) {
    process_.setProgram(QCoreApplication::applicationDirPath() + "/quillane-probe");
    process_.setArguments(QStringList{subject, state, mode} + options);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
    process_.setProcessEnvironment(environment);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    started_ = monotonicNanoseconds();
    process_.start();
}

Probe::~Probe() {
    process_.kill();
    process_.waitForFinished();
}

QString Probe::waitFor(const QString& prefix) {
    const auto rest = lineStartingWith(process_, prefix, silenceTimeoutMs, &lines_);
    if (!rest) {
        std::fprintf(stderr, "probe gave no \"%s\"\n", qPrintable(prefix));
        std::exit(1);
    }
    return *rest;
}

QStringList Probe::readAll() {
    process_.waitForFinished(600000);
    while (process_.canReadLine())
        lines_.push_back(QString::fromUtf8(process_.readLine()).trimmed());
    return lines_;
}

void Probe::write(const char* line) {
    process_.write(line);
    process_.waitForBytesWritten();
}

}  // namespace quillane::bench
