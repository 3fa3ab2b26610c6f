#!/usr/bin/python3
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Access keys and Alt beside a listener that answers for every key later than the toolkit
waits, as a busy screen reader does: Alt+R with Alt let go first leaves the focus on the table,
Alt alone takes it to the menu bar, Alt+F opens the File menu. Run inside dbus-run-session with
GAME XVFB BUS-LAUNCHER REGISTRYD METACITY XDOTOOL XPROP."""

import os
import subprocess
import sys
import tempfile
import time

import orca_desktop as desktop
from harness import Failure, check, game_on_bus, start_display

# The keys' symbols, as the toolkit tells them to the listener.
SYMBOLS = {"alt": 0xFFE9, "f": ord("f"), "r": ord("r"), "s": ord("s"), "space": ord(" "),
           "Up": 0xFF52, "Escape": 0xFF1B}


def listen():
    """Answers 0.3 s late for every key, never taking one. The toolkit asks about keys only
    while a reader listens for events too."""
    import pyatspi

    def answer(event):
        time.sleep(0.3)
        print(event.id, event.type == pyatspi.KEY_RELEASED_EVENT, flush=True)
        return False

    pyatspi.Registry.registerEventListener(lambda event: None, "object:state-changed:focused")
    pyatspi.Registry.registerKeystrokeListener(answer, mask=pyatspi.allModifiers(),
                                               synchronous=True, preemptive=True)
    print("listening", flush=True)
    pyatspi.Registry.start()


def play(game, xvfb, launcher, registryd, metacity, xdotool, xprop):
    desktop.private_home(tempfile.mkdtemp(prefix="quillane-late-"))
    os.environ["DISPLAY"] = start_display(xvfb)
    desktop.start_desktop(launcher, registryd, metacity, xprop)
    listener = desktop.start([sys.executable, "-B", __file__, "--listen"], stdout=subprocess.PIPE)
    check(listener.stdout.readline() == b"listening\n", "the late listener started")
    # The suite runs with the offscreen platform, which has no accessibility bridge.
    desktop.start([game], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                   QT_QPA_PLATFORM="xcb"))
    import pyatspi
    from gi.repository import GLib
    app = []

    def game_active():
        # The desktop's list of applications follows the registry's events.
        while GLib.MainContext.default().iteration(False):
            pass
        app[:] = [found] if (found := game_on_bus()) else []
        return app and any(w.getState().contains(pyatspi.STATE_ACTIVE) for w in app[0])

    desktop.wait_until(game_active, "the game's window, active")
    app[0].set_cache_mask(0)

    def state(name, which):
        return pyatspi.findDescendant(app[0], lambda a: a and a.name == name).getState().contains(
            which)

    def keys(*events):
        """Sends key events; the toolkit asks about each in turn (not about a press an access key
        took), so once the last, a release, is answered, all are."""
        for action, key in events:
            subprocess.run([xdotool, action, key], check=True)
        while listener.stdout.readline() != f"{SYMBOLS[key]} True\n".encode():
            pass

    def chord(*names):
        keys(*[("keydown", key) for key in names], *[("keyup", key) for key in names[::-1]])

    for each in (("alt", "s"), ("space",), ("Up",), ("space",)):
        chord(*each)
    check(state("Remove", pyatspi.STATE_SENSITIVE), "Space selected a card")
    keys(("keydown", "alt"), ("keydown", "r"), ("keyup", "alt"), ("keyup", "r"))
    check(not state("Remove", pyatspi.STATE_SENSITIVE), "Alt+R acted")
    check(state("Card table", pyatspi.STATE_FOCUSED), "the table keeps the focus after Alt+R")
    chord("alt")
    check(not state("Card table", pyatspi.STATE_FOCUSED), "Alt alone takes the focus to the menu")
    chord("Escape")
    chord("alt", "f")
    check(state("New Game", pyatspi.STATE_SHOWING), "Alt+F opens the File menu")


if __name__ == "__main__":
    if sys.argv[1:] == ["--listen"]:
        sys.exit(listen())
    try:
        play(*sys.argv[1:8])
    except Failure as failure:
        sys.exit(f"FAILED: {failure}")
    finally:
        desktop.end_everything()
