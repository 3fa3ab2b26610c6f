#!/usr/bin/python3
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Access keys and Alt with a screen reader that answers for every key late, as a busy one does.

Starts, inside a private session bus, Xvfb, the accessibility bus and its registry, metacity, a
listener that answers for each key only after LATE_SECONDS (longer than the toolkit waits, so
that it hands each key on afterwards), and the game. Plays by keys: an access key with Alt let
go before the letter must leave the focus on the table; Alt pressed and let go alone must take
it to the menu bar; Alt+F must open the File menu. Each key event is sent once the listener has answered for the one before.

    dbus-run-session -- python3 late_screen_reader.py GAME XVFB BUS-LAUNCHER REGISTRYD \
        METACITY XDOTOOL XPROP
"""

import os
import subprocess
import sys
import tempfile

import orca_session as session
from screen_reader_round import Failure, check, start_display

LATE_SECONDS = 0.3
# The keys' symbols, as the toolkit tells them to the listener.
SYMBOLS = {"alt": 0xFFE9, "f": ord("f"), "r": ord("r"), "s": ord("s"), "space": ord(" "),
           "Up": 0xFF52, "Escape": 0xFF1B}


def listen():
    """The late listener: answers for every key press and release, never taking one, and says
    which it answered for. The toolkit asks only while a reader listens for events too."""
    import time
    import pyatspi

    def answer(event):
        time.sleep(LATE_SECONDS)
        released = event.type == pyatspi.KEY_RELEASED_EVENT
        print("answered", event.id, "released" if released else "pressed", flush=True)
        return False

    pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused")
    pyatspi.Registry.registerKeystrokeListener(
        answer, mask=pyatspi.allModifiers(), synchronous=True, preemptive=True,
        kind=(pyatspi.KEY_PRESSED_EVENT, pyatspi.KEY_RELEASED_EVENT))
    print("listening", flush=True)
    pyatspi.Registry.start()


def play(game_path, xvfb, launcher, registryd, metacity, xdotool, xprop):
    session.private_home(tempfile.mkdtemp(prefix="quillane-late-"))
    os.environ["DISPLAY"] = start_display(xvfb)
    session.start_desktop(launcher, registryd, metacity, xprop)
    listener = session.start([sys.executable, "-B", __file__, "--listen"], stdout=subprocess.PIPE)
    check(listener.stdout.readline() == b"listening\n", "the late listener started")
    session.start([game_path], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    import pyatspi

    def named(name):
        return pyatspi.findDescendant(app[0], lambda a: a is not None and a.name == name)

    from gi.repository import GLib

    def game_listed():
        # The desktop's list of applications follows the registry's events.
        while GLib.MainContext.default().iteration(False):
            pass
        app.extend(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "quillane")
        return app

    app = []
    session.wait_until(game_listed, "the game on the accessibility bus")
    app[0].set_cache_mask(0)
    # Keys go to the window the window manager made active.
    session.wait_until(lambda: any(window.getState().contains(pyatspi.STATE_ACTIVE)
                                   for window in app[0]), "the game's window active")

    def events(*events):
        """Sends key events, and waits until the listener has answered for the last, a
        release: the toolkit asks about each key in turn (not about a press an access key
        took), so the one before have been answered too."""
        for action, key in events:
            subprocess.run([xdotool, action, key], check=True)
        last = f"answered {SYMBOLS[key]} released\n".encode()
        while listener.stdout.readline() != last:
            pass

    def chord(*keys):
        events(*[("keydown", key) for key in keys], *[("keyup", key) for key in reversed(keys)])

    def focused_role():
        found = pyatspi.findDescendant(app[0], lambda a: a is not None and a.getState().contains(
            pyatspi.STATE_FOCUSED) and a.getRoleName() in ("panel", "menu bar", "menu item"))
        return found.getRoleName() if found else "nothing"

    chord("alt", "s")
    remove = named("Remove")
    chord("space")
    chord("Up")
    chord("space")
    check(remove.getState().contains(pyatspi.STATE_SENSITIVE), "a card selected by Space")
    # A person may let go of Alt before the letter.
    events(("keydown", "alt"), ("keydown", "r"), ("keyup", "alt"), ("keyup", "r"))
    check(not remove.getState().contains(pyatspi.STATE_SENSITIVE), "Alt+R acted")
    check(focused_role() == "panel",
          f"the table keeps the focus after Alt+R, where the {focused_role()} took it")
    chord("alt")
    check(focused_role() == "menu bar",
          f"Alt alone takes the focus to the menu bar, where the {focused_role()} kept it")
    chord("Escape")
    chord("alt", "f")
    check(named("New Game").getState().contains(pyatspi.STATE_SHOWING), "Alt+F opens the File menu")


if __name__ == "__main__":
    if sys.argv[1:] == ["--listen"]:
        listen()
    else:
        try:
            play(*sys.argv[1:8])
            status = 0
        except Failure as failure:
            print("FAILED:", failure)
            status = 1
        finally:
            session.end_everything()
        sys.exit(status)
