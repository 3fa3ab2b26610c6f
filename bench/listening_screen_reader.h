// SPDX-FileCopyrightText: The Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace quillane::bench {

// A screen reader's setting, made afresh for each run: a private session bus, which starts
// the accessibility bus and its registry when the client first asks for them, and a client
// registered for every object event, as Orca is. The game started in environment() joins them
// with its accessibility bridge on and finds the listener already there.
class ListeningScreenReader {
  public:
    ListeningScreenReader();
    ~ListeningScreenReader();
    Q_DISABLE_COPY_MOVE(ListeningScreenReader)

    QProcessEnvironment environment() const { return environment_; }
    QString clientProc() const { return QStringLiteral("/proc/%1").arg(client_.processId()); }

    // Waits until the client has taken in every event sent so far: until the count it has
    // heard stays the same for a while.
    void waitUntilCaughtUp();
    // Ends the client and returns the number of events it heard.
    long long stopAndCountEvents();

  private:
    // Has the client say how many events it has heard so far.
    long long heardSoFar();
    // Reads the count of events the client says it has heard.
    long long readHeard();

    QTemporaryDir runtimeDirectory_;
    QProcessEnvironment environment_;
    QProcess sessionBus_;
    QProcess client_;
};

}  // namespace quillane::bench
