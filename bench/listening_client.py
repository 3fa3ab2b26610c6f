#!/usr/bin/python3
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens on the accessibility bus for every object event, as a screen reader does.

Started by the benchmark inside a private session bus, before the game. It prints "listening"
once the registry knows of it, so that the game finds a listener when it joins the bus, then
hears events until it is sent SIGTERM, when it prints "heard N events" and ends. SIGUSR1 has it
print "heard N events" and go on listening. Like a screen reader, it keeps what the library
that hears the events keeps of every object they name.
"""

import signal
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

heard = 0


def on_event(event):
    global heard
    heard += 1


def on_terminate():
    pyatspi.Registry.stop()
    return GLib.SOURCE_REMOVE


def on_count():
    print(f"heard {heard} events", flush=True)
    return GLib.SOURCE_CONTINUE


def main():
    # "object" is every object event: states, names, descriptions, children and the rest;
    # "focus" the focus moving, as a screen reader follows it.
    pyatspi.Registry.registerEventListener(on_event, "object", "focus")
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, on_terminate)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, on_count)
    print("listening", flush=True)
    pyatspi.Registry.start()
    print(f"heard {heard} events", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
