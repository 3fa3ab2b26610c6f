# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game with the Orca screen reader listening, played by the keys a person has.

Starts, inside a private session bus (dbus-run-session), Xvfb, the accessibility bus and its
registry, metacity (Orca hears of a window only when a window manager activates it), Orca with
speech-dispatcher and espeak-ng on a null sound device, and the game, all with a private home.
Orca's debug log is read line by line through a pseudo-terminal, each line with the time it
came; every wait for Orca is a wait for a line in that log, with a deadline. Keys go through
xdotool. The accessibility bus is only read, never pressed over: where the cursor stands and
where a card lies, as a player who listens knows them.

Used by the Orca round (tests/orca_round.py) and the benchmark of how soon Orca speaks
(bench/orca_latency.py).
"""

import collections
import ctypes
import json
import os
import re
import signal
import subprocess
import sys
import threading
import time

from screen_reader_round import Failure, check, die_with_me, start_display

START_SECONDS = 60
REACTION_SECONDS = 30
POLL_SECONDS = 0.05
PR_SET_CHILD_SUBREAPER = 36
SKIPPED = 77
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*\}|\[.*\])$")
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


def descendants():
    """Every process below this one. As a subreaper this script inherits what forks away from
    its children (speech-dispatcher and its speech module leave Orca), so all of it is here."""
    parent_of = {}
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                parent_of[int(entry)] = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (ValueError, OSError):
            continue
    found, generation = [], {os.getpid()}
    while generation:
        generation = {pid for pid, parent in parent_of.items() if parent in generation}
        found += generation
    return found


def reap():
    """Collects one ended child, inherited ones included; False once none is left to wait."""
    try:
        return os.waitpid(-1, os.WNOHANG)[0] != 0
    except ChildProcessError:
        return False


def end_everything():
    """Ends every process this script started or inherited, and waits for them."""
    for signal_number in (signal.SIGTERM, signal.SIGKILL):
        for pid in descendants():
            try:
                os.kill(pid, signal_number)
            except ProcessLookupError:
                pass
        end = time.monotonic() + 5
        while descendants() and time.monotonic() < end:
            if not reap():
                time.sleep(POLL_SECONDS)
    while reap():
        pass


def other_orcas():
    """Orcas of this user, which Orca itself refuses to start beside."""
    found = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                           stdout=subprocess.PIPE, text=True, check=False)
    return found.stdout.split()


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


def private_home(root):
    """Points every per-user place at root, so nothing of the machine's user is read or
    written, and gives Orca, speech-dispatcher and ALSA settings that need no sound card."""
    places = {"HOME": "home", "XDG_CONFIG_HOME": "config", "XDG_DATA_HOME": "data",
              "XDG_CACHE_HOME": "cache", "XDG_RUNTIME_DIR": "runtime"}
    for variable, name in places.items():
        os.environ[variable] = os.path.join(root, name)
        os.makedirs(os.environ[variable], mode=0o700)
    # Settings in memory: nothing starts dconf, which the session bus would run with the
    # machine's real home.
    os.environ["GSETTINGS_BACKEND"] = "memory"
    with open(os.path.join(os.environ["HOME"], ".asoundrc"), "w") as asoundrc:
        asoundrc.write("pcm.!default { type null }\n")
    speechd = os.path.join(os.environ["XDG_CONFIG_HOME"], "speech-dispatcher")
    os.makedirs(speechd)
    with open("/etc/speech-dispatcher/speechd.conf") as system_conf:
        conf = system_conf.read()
    with open(os.path.join(speechd, "speechd.conf"), "w") as user_conf:
        user_conf.write(conf + '\nAudioOutputMethod "alsa"\n'
                        'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n')
    orca = os.path.join(os.environ["XDG_DATA_HOME"], "orca")
    os.makedirs(orca)
    # Without BRLTTY, braille would only fill the log with tracebacks; echoed keys would only
    # fill it with key names. Two presses of a key are two commands however quick, where Orca
    # would take two within half a second for a double press with a meaning of its own.
    settings = {"general": {"enableBraille": False, "enableKeyEcho": False,
                            "doubleClickTimeout": 0},
                "profiles": {"default": {"profile": ["Default", "default"]}},
                "keybindings": {}, "pronunciations": {}}
    with open(os.path.join(orca, "user-settings.conf"), "w") as settings_file:
        json.dump(settings, settings_file)


def start(command, **options):
    return subprocess.Popen(command, preexec_fn=die_with_me, **options)


def wait_until(condition, what):
    end = time.monotonic() + START_SECONDS
    while not condition():
        check(time.monotonic() < end, f"timed out waiting for {what}")
        time.sleep(POLL_SECONDS)


def start_desktop(launcher, registryd, metacity, xprop):
    """The accessibility bus and registry, then the window manager, each waited for."""
    from gi.repository import Gio, GLib

    def owned(bus, name):
        return bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus",
                             "org.freedesktop.DBus", "NameHasOwner", GLib.Variant("(s)", (name,)),
                             GLib.VariantType("(b)"), 0, 5000).unpack()[0]

    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    start([launcher, "--launch-immediately"])
    wait_until(lambda: owned(session, "org.a11y.Bus"), "the accessibility bus")
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), 0, 5000).unpack()[0]
    accessibility_bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)
    start([registryd], stderr=subprocess.DEVNULL)
    wait_until(lambda: owned(accessibility_bus, "org.a11y.atspi.Registry"), "the registry")
    accessibility_bus.close_sync()

    # The window manager puts its check window on the root window once it manages windows.
    # xprop -spy ends at once when asked for a property the server has no atom for yet, so it
    # watches them all.
    spy = start([xprop, "-root", "-spy"], stdout=subprocess.PIPE)
    start([metacity, "--replace"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for line in spy.stdout:
        if line.startswith(b"_NET_SUPPORTING_WM_CHECK(WINDOW)"):
            break
    spy.terminate()
    spy.wait()
    keys_do_not_repeat()


def keys_do_not_repeat():
    """Turns the keyboard's repeat off, which the window manager turns on as it starts: each
    key is held until Orca has handled it, longer than a person holds one when the machine is
    busy, and must not repeat meanwhile."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XAutoRepeatOff.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    check(display, "the X server takes a client")
    x11.XAutoRepeatOff(display)
    x11.XCloseDisplay(display)


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
    desktop = pyatspi.Registry.getDesktop(0)
    app = next((app for app in desktop if app is not None and app.name == "quillane"), None)
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
