# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game with the Orca screen reader listening, played by the keys a person has.

Starts, inside a private session bus (dbus-run-session), Xvfb, a desktop of its own
(tests/orca_desktop.py), Orca with speech-dispatcher and espeak-ng on a null sound device, and
the game. Orca's debug log is read line by line through a pseudo-terminal, each line with the
time it came (tests/orca_log.py); every wait for Orca is a wait for a line in that log, with a
deadline. Keys go through xdotool. The accessibility bus is only read, never pressed over: where
the cursor stands and where a card lies, as a player who listens knows them.

Used by the Orca round (tests/orca_round.py) and the benchmark of how soon Orca speaks
(bench/orca_latency.py).
"""

import ctypes
import os
import re
import signal
import subprocess
import sys
import time

from harness import Failure, check, game_on_bus, start_display
from orca_desktop import (START_SECONDS, end_everything, other_orcas, private_home, start,
                          start_desktop)
from orca_log import SPEECH, GameOutput, OrcaLog

PR_SET_CHILD_SUBREAPER = 36
SKIPPED = 77
ALREADY_RUNNING = "Another screen reader process is already running"
# How each Orca's log says it is ready, and the step of its log that ends a command's key
# press. Orca 43 is ready when its start-up is complete, and carries a command out while it
# processes the press; Orca 48 is ready when it starts listening, and carries a command out a
# moment later, when it consumes the press.
COMMAND_DONE_ONCE_READY = {"Startup complete": "PROCESS",
                           "Starting Atspi main event loop": "CONSUME"}
# What Orca 43's log calls a key where that is not the key's own name; Orca 48's log calls
# every key by its own name.
ORCA_43_KEY_NAMES = {"KP_Enter": "Return", "KP_Subtract": "-", "space": " "}


class Skipped(Exception):
    pass


def card_name(accessible_name):
    """"Queen of spades" of "Queen of spades, row 7"."""
    return accessible_name.split(", ")[0]


def listed(names):
    """Names as the game lists them: "A", "A and B", "A, B and C"."""
    return ", ".join(names[:-1]) + " and " + names[-1] if len(names) > 1 else names[0]


# Every sentence the game says after a move; a line of Orca's speech that is one of them is a
# move's sentence, and anything else Orca said about the table or the cursor.
SENTENCE = re.compile(
    r"(Round \d dealt\.( 24 cards to turn\.)?( Press H for the keys\.)?|"
    r"(Bottom row face up\. )?Turned .+|"
    r".+(?<!,) selected(, \d+)?\.( .+ on the waste pile\.)?|.+ put back\.( .+)?|Removed .+|"
    r"New game\. Start game: Alt\+S\.|Round \d of 5: .+|No game on\. .+|Face down .+|"
    r"The stock is empty\.|A card is selected\. .+|Two cards are selected\. .+|"
    r"Nothing selected\.|Start game first: Alt\+S\.|A game is on\. .+|Next round: once .+|"
    r"This is the last round\.|Nothing to do\.|(Row \d|Waste pile): .+|No card to play\..*)")


class Move:
    """One move of a player: the keys it took, the sentence it brought, and how soon."""

    def __init__(self, kind, keys, pressed_at, sentence, spoken_at):
        self.kind = kind
        self.keys = keys
        self.sentence = sentence
        self.latency = spoken_at - pressed_at


class Session:
    """The game with Orca listening: keys, what Orca says, and what the table holds."""

    def __init__(self, log, xdotool, table, game, game_output, command_done):
        self.log = log
        self.command_done = command_done
        self.xdotool = xdotool
        self.table = table
        self.game = game
        self.game_output = game_output
        self.moves = []
        self.keys_since_move = 0

    # --- keys -----------------------------------------------------------------------------

    def key_event(self, action, key, done="PROCESS"):
        """Sends one key event and waits until Orca has handled it: the step that ends it, or
        with done None, not at all. Returns when it went out."""
        start = self.log.mark()
        sent_at = time.monotonic()
        subprocess.run([self.xdotool, action, key], check=True)
        if done is None:
            return sent_at
        kind = "PRESSED" if action == "keydown" else "RELEASED"
        name = "|".join(map(re.escape, {key, ORCA_43_KEY_NAMES.get(key, key)}))
        self.log.wait_for_line(start, f"handling {key} {kind.lower()}",
                               re.compile(rf"^\^+ {done} ATSPI_KEY_{kind}_EVENT: '(?:{name})'"))
        return sent_at

    def keys(self, *chord, command=False, in_menu=False):
        """Presses the keys of a chord in order and releases them in reverse, one event at a
        time, waiting for Orca to handle each: an Orca command's press until the command is
        done, a modifier's press, and every release. A key the game takes as an access key may
        reach Orca let go only, so a game's last key is waited for once let go. A key an open
        menu takes closes the menu as it acts, and its release may then reach no screen reader
        (seen with Qt 6.4 on a busy machine: Orca never handled it), so it is not waited for.
        Returns where the log stood before and when the chord's last key went down."""
        self.log.wait_until_idle()
        start = self.log.mark()
        *modifiers, last = chord
        for key in modifiers:
            self.key_event("keydown", key)
        pressed_at = self.key_event("keydown", last, self.command_done if command else None)
        self.key_event("keyup", last, None if in_menu else "PROCESS")
        for key in reversed(modifiers):
            self.key_event("keyup", key)
        if not command:
            self.keys_since_move += 1
        return start, pressed_at

    def orca_key(self, key):
        """An Orca command; returns what Orca spoke for it, all said by the time it is done."""
        start, _ = self.keys(key, command=True)
        return self.log.speech(start)

    def heard(self, start, title):
        print(title)
        for sentence in self.log.speech(start):
            print(f"  Orca: {sentence}")

    def move(self, kind, chord, pattern, in_menu=False):
        """Presses a chord that makes a move, waits for Orca to speak the move's sentence,
        which must match pattern, and returns the match. The move counts every key since the
        last move, the cursor's included."""
        start, pressed_at = self.keys(*chord, in_menu=in_menu)

        def expected(line):
            speech = SPEECH.search(line)
            return speech and SENTENCE.fullmatch(speech.group(1))

        title = f"after {'+'.join(chord)}:"
        try:
            found, number = self.log.wait_for_line(start, f"a sentence after {chord}", expected)
        except Failure:
            self.heard(start, title)
            check(self.game.poll() is None, f"the game exited ({self.game.returncode})")
            raise
        self.log.wait_until_idle()
        self.heard(start, title)
        sentence = found.group(0)
        match = re.fullmatch(pattern, sentence)
        check(match, f"after {chord} Orca said {sentence!r}, not {pattern!r}")
        self.moves.append(Move(kind, self.keys_since_move, pressed_at, sentence,
                               self.log.times[number]))
        self.keys_since_move = 0
        return match

    def quick_presses(self, kind, target, patterns):
        """Presses Space on target once for each pattern, each press as soon as the one before
        has gone through Orca, without waiting for its sentence; then waits for the sentences,
        which must come one for each press, in order."""
        self.go_to(target)
        self.log.wait_until_idle()
        start = self.log.mark()
        pressed = []
        for _ in patterns:
            pressed.append(self.key_event("keydown", "space", None))
            self.key_event("keyup", "space")

        def sentences():
            return [(number, speech.group(1)) for number in range(start, len(self.log.lines))
                    if (speech := SPEECH.search(self.log.lines[number]))
                    and SENTENCE.fullmatch(speech.group(1))]

        self.log.wait(f"{len(patterns)} sentences", lambda: len(sentences()) >= len(patterns))
        self.log.wait_until_idle()
        self.heard(start, f"after {len(patterns)} quick presses of space:")
        said = sentences()
        check(len(said) == len(patterns), f"{len(patterns)} presses, {len(said)} sentences")
        for (number, sentence), pattern, pressed_at in zip(said, patterns, pressed):
            check(re.fullmatch(pattern, sentence), f"Orca said {sentence!r}, not {pattern!r}")
            self.moves.append(Move(kind, 1, pressed_at, sentence, self.log.times[number]))
        self.keys_since_move = 0

    def access_key(self, kind, letter, pattern):
        return self.move(kind, ("Alt_L", letter), pattern)

    # --- the table, as read over the bus --------------------------------------------------

    def children(self):
        return [self.table.getChildAtIndex(i) for i in range(self.table.childCount)]

    def named(self, pattern):
        found = [child for child in self.children() if re.fullmatch(pattern, child.name)]
        check(found, f"nothing on the table is named like {pattern!r}")
        return found[0]

    def cards(self):
        """The pictures on the table: cards and the stock."""
        import pyatspi
        return [child for child in self.children() if child.getRole() == pyatspi.ROLE_FILLER]

    def face_up(self):
        """The face-up cards on the table outside the selection, by card name."""
        return {card_name(child.name): child for child in self.cards()
                if " of " in child.name and not child.name.endswith(", selected")}

    def exposed(self):
        """The face-up cards outside the selection that take a press, by card name."""
        import pyatspi
        return {card: child for card, child in self.face_up().items()
                if child.getState().contains(pyatspi.STATE_ENABLED)}

    def waste_top(self):
        return card_name(self.named(r".+, on the waste pile").name)

    def focused(self):
        import pyatspi
        found = [child for child in self.cards()
                 if child.getState().contains(pyatspi.STATE_FOCUSED)]
        check(len(found) == 1, f"the cursor stands on {len(found)} cards")
        return found[0]

    # --- the cursor -----------------------------------------------------------------------

    @staticmethod
    def place(child):
        """Where a card lies on the screen: its top, then its left."""
        import pyatspi
        extents = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return extents.y, extents.x

    def nearest(self, cards, to=None):
        """Of the cards named, the one nearest to the given card, or to the cursor."""
        y, x = self.place(to or self.focused())
        exposed = self.exposed()
        return min(cards, key=lambda card: abs(self.place(exposed[card])[0] - y)
                   + abs(self.place(exposed[card])[1] - x))

    def go_to(self, target):
        """Moves the cursor to the card or stock named so, by the keys, as a player who knows
        where it lies does: to its row first, then along the row, by Home or End where the card
        is at an end of the row and farther than the next. Each key waits until Orca has named
        the card the cursor went to."""
        while True:
            here = self.focused()
            if self.place(here) == self.place(target):
                return
            (y, x), (target_y, target_x) = self.place(here), self.place(target)
            key = ("Up" if target_y < y else "Down" if target_y > y
                   else "Left" if target_x < x else "Right")
            if target_y == y:
                row = sorted(self.place(card)[1] for card in self.cards()
                             if self.place(card)[0] == y)
                if abs(row.index(target_x) - row.index(x)) > 1 and target_x in (row[0], row[-1]):
                    key = "Home" if target_x == row[0] else "End"
            start, _ = self.keys(key)
            went = self.focused()
            check(self.place(went) != self.place(here), f"{key} left the cursor on {here.name}")
            self.log.wait_for_line(start, f"naming {went.name}", re.compile(
                r"SPEECH OUTPUT: '" + re.escape(went.name)))

    def press(self, kind, target, pattern):
        """Moves the cursor to target and presses Space there."""
        self.go_to(target)
        return self.move(kind, ("space",), pattern)


def start_session(game_path, xvfb, launcher, registryd, metacity, orca, xdotool, xprop, home):
    """Starts the desktop, Orca and the game; returns the session to play, or raises Skipped
    when another Orca of this user runs, which Orca refuses to start beside."""
    if others := other_orcas():
        raise Skipped(f"another Orca of this user runs (process {', '.join(others)}), and Orca "
                      "refuses to start beside it")
    check("DBUS_SESSION_BUS_ADDRESS" in os.environ, "run me inside dbus-run-session")
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1)
    private_home(home)
    os.environ["DISPLAY"] = start_display(xvfb)
    os.environ.pop("QT_QPA_PLATFORM", None)
    start_desktop(launcher, registryd, metacity, xprop)

    screen_reader = start(["script", "-q", "-f", "-c", f"{orca} --debug-file=/dev/tty",
                           "/dev/null"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    log = OrcaLog(screen_reader.stdout)
    ready, _ = log.wait_for_line(0, "being ready", re.compile(
        "|".join(map(re.escape, [*COMMAND_DONE_ONCE_READY, ALREADY_RUNNING]))), START_SECONDS)
    if ready.group(0) == ALREADY_RUNNING:
        raise Skipped("another Orca of this user started meanwhile")

    # Orca's request to turn accessibility on does not stay with a bus launcher that has no
    # desktop's settings behind it, so the game is told to answer anyway.
    start_of_game = log.mark()
    game = start([game_path], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"),
                 stderr=subprocess.PIPE)
    game_output = GameOutput(game.stderr)
    log.wait_for_line(start_of_game, "the game's window",
                      re.compile(r"SPEECH OUTPUT: 'Quillane frame"), START_SECONDS)

    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi
    import pyatspi

    # No cache: this client runs no main loop, so a cache would never hear of a change.
    app = game_on_bus()
    check(app is not None, "the game is on the accessibility bus")
    app.set_cache_mask(Atspi.Cache.NONE)
    table = pyatspi.findDescendant(app, lambda a: a is not None and a.name == "Card table")
    check(table is not None, "the card table is on the bus")
    session = Session(log, xdotool, table, game, game_output,
                      COMMAND_DONE_ONCE_READY[ready.group(0)])
    log.wait_until_idle()
    session.heard(start_of_game, "the game starts:")
    return session


def median(values):
    ordered = sorted(values)
    middle = len(ordered) // 2
    return ordered[middle] if len(ordered) % 2 else (ordered[middle - 1] + ordered[middle]) / 2


def percentile(values, share):
    """The nearest-rank percentile: the smallest value with at least share of them at or below."""
    ordered = sorted(values)
    return ordered[max(0, -(-len(ordered) * share // 100) - 1)]


def run(play, deadline_seconds):
    """Runs play(session) with everything started and ended around it, within the deadline;
    exits with its status, or 77 when skipped."""
    import tempfile

    def on_deadline(signum, frame):
        raise Failure(f"the whole run took longer than {deadline_seconds} s")

    signal.signal(signal.SIGALRM, on_deadline)
    signal.alarm(deadline_seconds)
    home = tempfile.TemporaryDirectory(prefix="quillane-orca-")
    try:
        status = play(start_session(*sys.argv[1:9], home.name))
    except Skipped as skipped:
        print("SKIPPED:", skipped)
        status = SKIPPED
    except Failure as failure:
        print("FAILED:", failure)
        status = 1
    finally:
        signal.alarm(0)
        end_everything()
        home.cleanup()
    sys.exit(status)
