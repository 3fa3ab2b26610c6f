# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A desktop of its own for a screen reader and the game, and the processes in it.

Points every per-user place at a private home, starts the accessibility bus, its registry and
metacity (Orca hears of a window only when a window manager activates it), each waited for with
a deadline, and ends every process started or inherited. Used by the Orca round's session
(tests/orca_session.py) and the late screen reader's test (tests/late_screen_reader.py).
"""

import ctypes
import json
import os
import signal
import subprocess
import time

from harness import accessibility_bus, check, die_with_me

START_SECONDS = 60
POLL_SECONDS = 0.05


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
    bus = accessibility_bus()
    start([registryd], stderr=subprocess.DEVNULL)
    wait_until(lambda: owned(bus, "org.a11y.atspi.Registry"), "the registry")
    bus.close_sync()

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
