// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listening_screen_reader.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "processes.h"

namespace quillane::bench {

namespace {

// How long the session bus and the listening client may take to say they are ready.
constexpr int readyTimeoutMs = 30000;
// How long the client's count must stand still to count as caught up.
constexpr int quietMs = 300;
// Debian's own interpreter, which has the accessibility bindings the client needs.
const QString debianPython = QStringLiteral("/usr/bin/python3");

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::exit(1);
}

}  // namespace

ListeningScreenReader::ListeningScreenReader()
    : environment_(QProcessEnvironment::systemEnvironment()) {
    // The accessibility bus puts its socket under the runtime directory: a private one
    // keeps it apart from any other session's on the machine.
    environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory_.path());
    sessionBus_.setProcessEnvironment(environment_);
    sessionBus_.setStandardErrorFile(QProcess::nullDevice());
    sessionBus_.start(QStringLiteral("dbus-daemon"),
                      {"--session", "--nofork", "--print-address=1"});
    const auto address = lineStartingWith(sessionBus_, QString(), readyTimeoutMs);
    if (!address) fail("the session bus gave no address");
    environment_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), *address);

    client_.setProcessEnvironment(environment_);
    client_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    client_.start(debianPython, {QCoreApplication::applicationDirPath() + "/listening_client.py"});
    if (!lineStartingWith(client_, QStringLiteral("listening"), readyTimeoutMs))
        fail("the listening client did not say it was listening");
    environment_.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
}

ListeningScreenReader::~ListeningScreenReader() {
    if (client_.state() != QProcess::NotRunning) {
        client_.kill();
        client_.waitForFinished();
    }
    sessionBus_.terminate();
    if (!sessionBus_.waitForFinished(readyTimeoutMs)) sessionBus_.kill();
}

void ListeningScreenReader::waitUntilCaughtUp() {
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

long long ListeningScreenReader::stopAndCountEvents() {
    client_.terminate();
    const long long heard = readHeard();
    client_.waitForFinished(readyTimeoutMs);
    return heard;
}

long long ListeningScreenReader::heardSoFar() {
    ::kill(static_cast<pid_t>(client_.processId()), SIGUSR1);
    return readHeard();
}

long long ListeningScreenReader::readHeard() {
    const auto heard = lineStartingWith(client_, QStringLiteral("heard"), readyTimeoutMs);
    if (!heard) fail("the listening client did not say what it heard");
    return heard->split(' ').first().toLongLong();
}

}  // namespace quillane::bench
