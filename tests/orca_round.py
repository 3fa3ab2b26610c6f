#!/usr/bin/python3
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays part of a round with the Orca screen reader listening, and checks what Orca speaks.

Run inside a private session bus (dbus-run-session): starts Xvfb, the accessibility bus and
its registry, metacity (Orca hears of a window only when a window manager activates it), Orca
with speech-dispatcher and espeak-ng on a null sound device, and the game, all with a private
home. Orca's debug log is read line by line through a pseudo-terminal; every wait for Orca is
a wait for a line in that log, with a deadline. Moves are made by Orca's keys and the game's
access keys through xdotool, and by presses over the accessibility bus, the reliable way to
click; what Orca spoke after each move is printed as it was said.

    dbus-run-session -- /usr/bin/python3 orca_round.py build/src/quillane \\
        Xvfb at-spi-bus-launcher at-spi2-registryd metacity orca xdotool xprop
"""

import collections
import ctypes
import json
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time

from screen_reader_round import Failure, check, die_with_me, start_display

DEADLINE_SECONDS = 90
START_SECONDS = 20
REACTION_SECONDS = 10
POLL_SECONDS = 0.05
STOCK_CARDS = 24
PR_SET_CHILD_SUBREAPER = 36
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*\}|\[.*\])$")
RANKS = {"Ace": 1, "Jack": 11, "Queen": 12, "King": 13}


def on_deadline(signum, frame):
    raise Failure(f"the whole test took longer than {DEADLINE_SECONDS} s")


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


class OrcaLog:
    """Orca's debug log, line by line as Orca writes it."""

    def __init__(self, stream):
        self.lines = []
        self.ended = False
        self.queued = 0
        self.handled = 0
        self.changed = threading.Condition()
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for raw in stream:
            line = raw.decode(errors="replace").rstrip("\r\n")
            with self.changed:
                self.lines.append(line)
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
        """Waits for a line from start on that matches pattern, and returns the match."""
        found = []

        def seen():
            for line in self.lines[start:]:
                if match := pattern.search(line):
                    found.append(match)
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
    toolkit's. Qt 6.4 offers every key to the screen reader and waits only a tenth of a second
    for the answer, then hands the key to the window itself; that is why keys go one at a time.
    Orca 48 asks about children after the table has said they left it, which the toolkit
    answers with an error and a warning."""

    WARNINGS = {"QSpiApplication::keyEventError": "keys the toolkit stopped waiting for Orca on",
                "qt.accessibility.atspi: Could not find accessible on path":
                    "questions from Orca about children that had left"}

    def __init__(self, stream):
        self.counted = collections.Counter()
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


# What Orca 43's log calls a key where that is not the key's own name; Orca 48's log calls
# every key by its own name.
ORCA_43_KEY_NAMES = {"KP_Enter": "Return", "KP_Subtract": "-"}

# How each Orca's log says it is ready, and the step of its log that ends a command's key
# press. Orca 43 is ready when its start-up is complete, and carries a command out while it
# processes the press; Orca 48 is ready when it starts listening, and carries a command out a
# moment later, when it consumes the press.
COMMAND_DONE_ONCE_READY = {"Startup complete": "PROCESS",
                           "Starting Atspi main event loop": "CONSUME"}
ALREADY_RUNNING = "Another screen reader process is already running"


class Round:
    """The game with Orca listening: moves, and what Orca says about them."""

    def __init__(self, log, xdotool, table, game, game_output, command_done):
        self.log = log
        self.command_done = command_done
        self.xdotool = xdotool
        self.table = table
        self.game = game
        self.game_output = game_output

    def heard(self, start, title):
        print(title)
        for sentence in self.log.speech(start):
            print(f"  Orca: {sentence}")

    def expect(self, start, title, pattern):
        """Waits until Orca speaks a sentence matching pattern, prints what it said since
        start, and returns the match."""
        expected = re.compile(r"SPEECH OUTPUT: '.*?(" + pattern + ")")
        try:
            match = self.log.wait_for_line(start, f"saying {pattern!r}", expected)
        except Failure:
            self.heard(start, title)
            check(self.game.poll() is None, f"the game exited ({self.game.returncode})")
            raise
        self.log.wait_until_idle()
        self.heard(start, title)
        return match

    def key_event(self, action, key, done="PROCESS"):
        """Sends one key event and waits until Orca has handled it: the step that ends it."""
        start = self.log.mark()
        subprocess.run([self.xdotool, action, key], check=True)
        kind = "PRESSED" if action == "keydown" else "RELEASED"
        name = "|".join(map(re.escape, {key, ORCA_43_KEY_NAMES.get(key, key)}))
        self.log.wait_for_line(start, f"handling {key} {kind.lower()}",
                               re.compile(rf"^\^+ {done} ATSPI_KEY_{kind}_EVENT: '(?:{name})'"))

    def keys(self, *chord, command=False):
        """Presses the keys of a chord in order and releases them in reverse, one event at a
        time, an Orca command's keys until the command is done; returns where the log stood
        before."""
        self.log.wait_until_idle()
        start = self.log.mark()
        for key in chord:
            self.key_event("keydown", key, self.command_done if command else "PROCESS")
        for key in reversed(chord):
            self.key_event("keyup", key)
        return start

    def access_key(self, letter):
        return self.keys("Alt_L", letter)

    def orca_key(self, key):
        """An Orca command; returns what Orca spoke for it, all said by the time the command
        is done."""
        return self.log.speech(self.keys(key, command=True))

    def press(self, child):
        """Presses a card or the stock over the bus; returns where the log stood before."""
        self.log.wait_until_idle()
        start = self.log.mark()
        child.queryAction().doAction(0)
        return start

    def children(self):
        return [self.table.getChildAtIndex(i) for i in range(self.table.childCount)]

    def named(self, pattern):
        found = [child for child in self.children() if re.fullmatch(pattern, child.name)]
        check(found, f"nothing on the table is named like {pattern!r}")
        return found[0]

    def cards(self):
        """The pictures on the table: cards and the stock."""
        import pyatspi
        return [child for child in self.children() if child.getRole() == pyatspi.ROLE_IMAGE]

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


def card_name(accessible_name):
    return accessible_name.split(", ")[0]


def rank(card):
    word = card.split(" of ")[0]
    return RANKS.get(word) or int(word)


def listed(names):
    """Names as the game lists them: "A", "A and B", "A, B and C"."""
    return ", ".join(names[:-1]) + " and " + names[-1] if len(names) > 1 else names[0]


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
    # fill it with key names.
    settings = {"general": {"enableBraille": False, "enableKeyEcho": False},
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


def start_everything():
    """Starts the desktop, Orca and the game; returns the round to play."""
    game_path, xvfb, launcher, registryd, metacity, orca, xdotool, xprop = sys.argv[1:9]
    check("DBUS_SESSION_BUS_ADDRESS" in os.environ, "run me inside dbus-run-session")
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1)
    private_home(home.name)
    os.environ["DISPLAY"] = start_display(xvfb)
    os.environ.pop("QT_QPA_PLATFORM", None)
    start_desktop(launcher, registryd, metacity, xprop)

    screen_reader = start(["script", "-q", "-f", "-c", f"{orca} --debug-file=/dev/tty",
                           "/dev/null"], stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    log = OrcaLog(screen_reader.stdout)
    ready = log.wait_for_line(0, "being ready", re.compile(
        "|".join(map(re.escape, [*COMMAND_DONE_ONCE_READY, ALREADY_RUNNING]))), START_SECONDS)
    check(ready.group(0) != ALREADY_RUNNING,
          "another Orca of this user runs, and Orca refuses to start beside it")

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
    play = Round(log, xdotool, table, game, game_output,
                 COMMAND_DONE_ONCE_READY[ready.group(0)])
    play.heard(start_of_game, "the game starts:")
    return play


def play_part_of_a_round(play):
    deal_and_look_around(play, "s", 1, "Start game")
    stock = play.named(r"Stock, 24 cards")
    first = play.expect(play.press(stock), "after the first press of the stock:",
                        r"Bottom row face up\. Turned (.+?), 23 left\.")
    check(first.group(2) == play.waste_top(), f"turned {first.group(2)}, the waste pile shows "
          f"{play.waste_top()}")
    turned = 1
    returned = select_and_put_back(play)
    more, removed = select_and_remove(play, stock, turned, returned)
    turned += more
    turned += review_the_table(play, stock, turned,
                               [card for card in returned if card not in removed])
    turn_to_the_end(play, stock, turned)
    check(play.named(r"Stock, empty").name, "the used-up stock reads as empty")
    deal_and_look_around(play, "n", 2, "Next round")
    # The File menu by its access key, then New Game by its own.
    play.expect(play.access_key("f"), "after Alt+F:", r"New Game")
    play.expect(play.keys("g"), "after G:", r"New game\. Start game: Alt\+S\.")
    for what, count in sorted(play.game_output.counted.items()):
        print(f"{what}: {count}")
    return 0


def deal_and_look_around(play, letter, round_number, button):
    """Deals by the access key; Orca says so, and "where am I" finds the focus somewhere
    other than the button that was pressed and is hidden now, before and after Tab."""
    play.expect(play.access_key(letter), f"after Alt+{letter.upper()}:",
                rf"Round {round_number} dealt\. 24 cards to turn\.")
    where = play.orca_key("KP_Enter")
    print("where am I:", where)
    check(where, "where am I says something")
    tabbed = play.keys("Tab")
    play.log.wait_until_idle()
    where_after_tab = play.orca_key("KP_Enter")
    print("Tab, then where am I:", play.log.speech(tabbed))
    check(where_after_tab, "where am I says something after Tab")
    check(not any(button in sentence for sentence in where + play.log.speech(tabbed)),
          f"Orca reports the hidden {button} button")


def select(play, cards, sentence):
    start = play.press(play.exposed()[cards[-1]])
    play.expect(start, f"after selecting {cards[-1]}:", sentence)


def select_and_put_back(play):
    """Two cards that make no 13 go back where they came from; returns their names."""
    exposed = play.exposed()
    pair = next([a, b] for a in exposed for b in exposed
                if a != b and 13 not in (rank(a), rank(b)) and rank(a) + rank(b) != 13)
    select(play, pair[:1], rf"{re.escape(pair[0])} selected\.")
    total = rank(pair[0]) + rank(pair[1])
    select(play, pair, rf"{re.escape(listed(pair))} selected, {total}\.")
    play.expect(play.access_key("r"), "after Alt+R:",
                rf"{re.escape(listed(pair))} make {total}: put back\.")
    check(set(pair) <= set(play.face_up()), f"{listed(pair)} are back on the table")
    return pair


def select_and_remove(play, stock, turned, keep):
    """Turns the stock until a King or a pair adding to 13 is exposed, and removes it, leaving
    the cards to keep where it can; returns how many cards were turned, and what went."""
    more = 0
    while not (cards := removable(play.exposed(), keep)):
        check(turned + more < STOCK_CARDS - 1, "no King or pair to remove in this deal")
        more += 1
        left = STOCK_CARDS - turned - more
        match = play.expect(play.press(stock), "after a press of the stock:",
                            rf"Turned (.+?), {left} left\.")
        check(match.group(2) == play.waste_top(), f"turned {match.group(2)}")
    select(play, cards[:1], rf"{re.escape(cards[0])} selected\.")
    if len(cards) == 2:
        select(play, cards, rf"{re.escape(listed(cards))} selected, 13\.")
    face_up = set(play.face_up())
    removed = play.expect(play.access_key("r"), "after Alt+R:",
                          rf"Removed {re.escape(listed(cards))}\. (?:(.+?) face up\. )?"
                          r"Round 1: 1 point, total 1\.")
    uncovered = set(play.face_up()) - face_up
    said = set(re.split(r", | and ", removed.group(2))) if removed.group(2) else set()
    check(said == uncovered, f"said {said} face up, the table shows {uncovered} newly face up")
    return more, cards


def removable(exposed, keep):
    """A King or a pair adding to 13, of the cards not to keep if there is one."""
    for cards in ([card for card in exposed if card not in keep], list(exposed)):
        kings = [card for card in cards if rank(card) == 13]
        pairs = [[a, b] for a in cards for b in cards if a < b and rank(a) + rank(b) == 13]
        if kings or pairs:
            return kings[:1] or pairs[0]
    return []


def review_the_table(play, stock, turned, returned):
    """With one card selected, flat review entered afresh reads every line and every item,
    and misses nothing the table holds: the stock's count, the selected card, the cards that
    were put back, and the waste pile's card that was hidden and shows again. Returns how many
    cards it turned."""
    for left in (STOCK_CARDS - turned - 1, STOCK_CARDS - turned - 2):
        play.expect(play.press(stock), "after a press of the stock:", rf"Turned (.+?), {left} left\.")
    # Taking the top of the pile shows the card beneath it again; not a King, which Remove
    # would take away rather than put back.
    top = play.waste_top()
    exposed = [card for card in play.exposed() if rank(card) != 13]
    selected = top if rank(top) != 13 else next(card for card in exposed if card not in returned)
    select(play, [selected], rf"{re.escape(selected)} selected\.")
    beneath = play.waste_top() if selected == top else None
    on_table = collections.Counter(child.name for child in play.cards())
    play.expect(play.keys("KP_Subtract", command=True), "entering flat review:",
                r"Entering flat review\.")
    while play.orca_key("KP_Home"):
        pass
    lines = play.orca_key("KP_Up")
    while said := play.orca_key("KP_Page_Up"):
        lines += said
    while play.orca_key("KP_Left"):
        pass
    items = play.orca_key("KP_Begin")
    while said := play.orca_key("KP_Right"):
        items += said
    print("flat review, line by line:", *lines, sep="\n  ")
    print("flat review, item by item:", *items, sep="\n  ")
    for reading, how in ((" / ".join(lines), "line"), (" / ".join(items), "item")):
        missing = {name for name, count in on_table.items() if reading.count(name) < count}
        check(not missing, f"flat review by {how} misses {sorted(missing)}")
    stock = play.named(r"Stock, .+").name
    check(re.fullmatch(r"Stock, \d+ cards?", stock), f"the stock reads {stock!r}")
    check(f"{selected}, selected" in on_table, f"{selected} reads as selected")
    for card in returned:
        check(any(name.startswith(card + ", ") for name in on_table), f"{card} is on the table")
    if beneath:
        check(f"{beneath}, on the waste pile" in " / ".join(lines),
              f"{beneath}, shown again on the waste pile, is read")
    play.expect(play.keys("KP_Subtract", command=True), "leaving flat review:",
                r"Leaving flat review\.")
    play.expect(play.access_key("r"), "after Alt+R:", rf"{re.escape(selected)} put back\.")
    return 2


def turn_to_the_end(play, stock, turned):
    """Turns the rest of the stock, each card named as the waste pile shows it."""
    for left in range(STOCK_CARDS - turned - 1, -1, -1):
        if left:
            match = play.expect(play.press(stock), "after a press of the stock:",
                                rf"Turned (.+?), {left} left\.")
        else:
            match = play.expect(play.press(stock), "after the last press of the stock:",
                                r"Turned (.+?)\. Stock empty\. Next round: Alt\+N\.")
        check(match.group(2) == play.waste_top(), f"turned {match.group(2)}")


if __name__ == "__main__":
    signal.signal(signal.SIGALRM, on_deadline)
    signal.alarm(DEADLINE_SECONDS)
    home = tempfile.TemporaryDirectory(prefix="quillane-orca-")
    try:
        status = play_part_of_a_round(start_everything())
    except Failure as failure:
        print("FAILED:", failure)
        status = 1
    finally:
        signal.alarm(0)
        end_everything()
        home.cleanup()
    sys.exit(status)
