# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What every test that runs the game in processes of its own takes: a failure with its
reason, a card's rank from its name, children that end with the test, and a display of its
own."""

import ctypes
import os
import select
import signal
import subprocess

# What the display and the game started here are, to end them when the test ends.
children = []


class Failure(Exception):
    pass


RANKS = {"Ace": 1, "Jack": 11, "Queen": 12, "King": 13}


def rank(card):
    """The rank of "Queen of spades" or "Queen of spades, row 7": 12."""
    word = card.split(" of ")[0]
    return RANKS.get(word) or int(word)


def check(condition, what):
    if not condition:
        raise Failure(what)


def accessibility_bus():
    """A connection of our own to the accessibility bus, to call the game past any cache."""
    from gi.repository import Gio, GLib

    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), 0, 5000).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)


def game_on_bus():
    """The game's application on the accessibility bus, or None while it is not there."""
    import pyatspi
    return next((app for app in pyatspi.Registry.getDesktop(0)
                 if app is not None and app.name == "quillane"), None)


def die_with_me():
    """Has the kernel end a child when this script ends, however it ends."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)



def start_display(xvfb):
    """Starts Xvfb on a free display and returns its name once it accepts clients."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        [xvfb, "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        preexec_fn=die_with_me)
    children.append(server)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], 10)
        check(ready, "Xvfb did not report its display")
        chunk = os.read(read_end, 16)
        check(chunk, "Xvfb exited before it reported its display")
        number += chunk
    os.close(read_end)
    return ":" + number.decode().strip()

