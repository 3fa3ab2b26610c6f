# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca and the game write, read line by line as it comes."""

import collections
import re
import threading
import time

from harness import check

REACTION_SECONDS = 30
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*\}|\[.*\])$")


class OrcaLog:
    """Orca's debug log, line by line as Orca writes it, with the time each line came."""

    def __init__(self, stream):
        self.lines = []
        self.times = []
        self.ended = False
        self.queued = 0
        self.handled = 0
        self.changed = threading.Condition()
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for raw in stream:
            came = time.monotonic()
            line = raw.decode(errors="replace").rstrip("\r\n")
            with self.changed:
                self.lines.append(line)
                self.times.append(came)
                if line.startswith("EVENT MANAGER: Queueing", 18):
                    self.queued += 1
                elif line.startswith(("EVENT MANAGER: Dequeued", "EVENT MANAGER: Pruning"), 18):
                    self.handled += 1
                self.changed.notify_all()
        with self.changed:
            self.ended = True
            self.changed.notify_all()

    def mark(self):
        with self.changed:
            return len(self.lines)

    def wait(self, what, condition, seconds=REACTION_SECONDS):
        """Waits until condition() holds, with the log locked; fails after seconds."""
        with self.changed:
            done = self.changed.wait_for(lambda: condition() or self.ended, seconds)
            check(not self.ended, f"Orca ended while waiting for {what}")
            check(done, f"Orca did not come to {what} within {seconds} s")

    def wait_for_line(self, start, what, pattern, seconds=REACTION_SECONDS):
        """Waits for a line from start on that matches pattern (or, for a callable, for which
        it returns a match); returns the match and the line's number."""
        found = []
        search = pattern if callable(pattern) else pattern.search

        def seen():
            for number in range(start, len(self.lines)):
                if match := search(self.lines[number]):
                    found.append((match, number))
                    return True
            return False

        self.wait(what, seen, seconds)
        return found[0]

    def wait_until_idle(self):
        """Waits until Orca has taken up or dropped every event it queued: the game's toolkit
        gives Orca a tenth of a second to answer for each key, and a busy Orca is late."""
        self.wait("handling its queued events", lambda: self.queued == self.handled)

    def speech(self, start, end=None):
        with self.changed:
            lines = self.lines[start:end]
        return [match.group(1) for match in map(SPEECH.search, lines) if match]


class GameOutput:
    """Passes on what the game writes, but counts rather than repeats two warnings of the
    toolkit's: a key the toolkit stopped waiting for Orca on, and a question from Orca about a
    child the game no longer knows."""

    WARNINGS = {"QSpiApplication::keyEventError": "keys the toolkit stopped waiting for Orca on",
                "qt.accessibility.atspi: Could not find accessible on path":
                    "questions from Orca about children that had left"}

    def __init__(self, stream):
        self.counted = collections.Counter({what: 0 for what in self.WARNINGS.values()})
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for raw in stream:
            line = raw.decode(errors="replace").rstrip("\n")
            what = next((what for start, what in self.WARNINGS.items()
                         if line.startswith(start)), None)
            if what:
                self.counted[what] += 1
            else:
                print("game:", line)
