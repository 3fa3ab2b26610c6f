#!/usr/bin/python3
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays part of a round through the accessibility bus, as a screen reader user would.

Run inside a private session bus (dbus-run-session): starts Xvfb and the game with its
accessibility bridge on, finds the game on the AT-SPI bus, reads the table, presses the
buttons and cards by their accessible names, and checks what it reads back and the events it
hears. Then it asks the table for things that are not there and checks the game still answers.

    dbus-run-session -- /usr/bin/python3 screen_reader_round.py build/src/quillane [Xvfb]
"""

import os
import re
import signal
import subprocess
import sys
import time

from bus_bounds import check_bounds
from harness import Failure, check, children, die_with_me, game_on_bus, rank, start_display
from kept_copy import KeptCopy

DEADLINE_SECONDS = 60


def on_deadline(signum, frame):
    raise Failure(f"the whole test took longer than {DEADLINE_SECONDS} s")


def print_runs(lines):
    """Prints lines indented, a run of the same line once with its count."""
    last, count = None, 0
    for line in list(lines) + [None]:
        if line == last:
            count += 1
            continue
        if last is not None:
            print("  " + last + (f" (x{count})" if count > 1 else ""))
        last, count = line, 1


def main():
    program = os.path.abspath(sys.argv[1])
    check("DBUS_SESSION_BUS_ADDRESS" in os.environ, "run me inside dbus-run-session")
    os.environ["DISPLAY"] = start_display(sys.argv[2] if len(sys.argv) > 2 else "Xvfb")
    # The suite runs with the offscreen platform, which has no accessibility bridge.
    game_env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    game = subprocess.Popen([program], env=game_env, preexec_fn=die_with_me)
    children.append(game)

    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
    import pyatspi

    context = GLib.MainContext.default()

    def wait_for(condition, what, seconds=15):
        """Runs the client's main loop until condition() holds, or fails after seconds."""
        end = time.monotonic() + seconds
        while True:
            while context.pending():
                context.iteration(False)
            result = condition()
            if result:
                return result
            check(game.poll() is None, f"the game exited ({game.returncode}) awaiting {what}")
            check(time.monotonic() < end, f"timed out waiting for {what}")
            time.sleep(0.02)

    app = wait_for(game_on_bus, "the game on the accessibility bus")
    print("found application:", app.name)

    table = wait_for(lambda: pyatspi.findDescendant(app, lambda a: a and a.name == "Card table"),
                     "the card table")

    heard = []

    def control(name):
        """Which control a name is: "Stock, 23 cards" is the stock."""
        return name.split(", ")[0]

    def listener(event):
        source = event.source
        name = control(source.name) if source is not None else "?"
        if event.type.startswith("object:state-changed"):
            heard.append(f"{event.type}={event.detail1} [{name}]")
        elif event.type.startswith("object:children-changed"):
            child = ""
            try:
                if isinstance(event.any_data, Atspi.Accessible):
                    child = control(event.any_data.name)
            except GLib.Error:
                pass  # a child that left is gone
            heard.append(f"{event.type} [{name}] {child}")
        else:
            heard.append(f"{event.type} [{name}]")

    kept = KeptCopy(app, table)

    def kept_up_to_date(after):
        last = {}

        def matches():
            last["differ"] = kept.stale()
            return not last["differ"]
        try:
            wait_for(matches, f"what a screen reader keeps to match the game after {after}", 5)
        except Failure as failure:
            raise Failure(f"{failure}: " + "; ".join(last["differ"]))

    events = ["object:property-change:accessible-name",
              "object:property-change:accessible-description",
              "object:state-changed", "object:children-changed"]
    for kind in events:
        pyatspi.Registry.registerEventListener(listener, kind)
        pyatspi.Registry.registerEventListener(kept.keep, kind)

    def read_table():
        seen = []
        for i in range(table.childCount):
            child = table.getChildAtIndex(i)
            seen.append((child.getRole(), child.name, child.description, child))
        return seen

    def show(seen, title):
        print(title)
        print_runs(f"[{Atspi.role_get_name(role)}] {name}" + (f" - {description}" if description else "")
                   for role, name, description, _ in seen)

    def child_named(seen, name):
        found = [child for _, n, _, child in seen if control(n) == name]
        return found[0] if found else None

    def press(accessible):
        action = accessible.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        check("press" in [n.lower() for n in names], f"{accessible.name} offers {names}, no press")
        print(f"press {accessible.name!r}")
        action.doAction(names.index(next(n for n in names if n.lower() == "press")))

    showcase = read_table()
    show(showcase, "the showcase reads:")
    roles = {name: role for role, name, _, _ in showcase}
    check(roles.get("Start game") == pyatspi.ROLE_PUSH_BUTTON, "Start game is a push button")
    check(roles.get("QUILLANE") == pyatspi.ROLE_LABEL, "the title is a label")
    check("Score table" not in roles, "no score table in the showcase")
    king = child_named(showcase, "King of spades")
    check(king.getRole() == pyatspi.ROLE_FILLER, "a showcase King is a picture")
    check(not king.getState().contains(pyatspi.STATE_ENABLED), "a showcase King is disabled")
    check(king.getState().contains(pyatspi.STATE_FOCUSABLE),
          "the keyboard's cursor may stand on a card")

    def heard_since(start, pattern):
        return any(re.fullmatch(pattern, event) for event in heard[start:])

    def press_and_hear(accessible, *patterns):
        """Presses, then waits until every pattern has been heard since the press."""
        start = len(heard)
        press(accessible)
        for pattern in patterns:
            wait_for(lambda: heard_since(start, pattern), f"an event like {pattern!r}")
        print_runs("heard " + event for event in heard[start:])

    # A child that leaves is gone by the time a client hears of it: its name is not asked.
    press_and_hear(child_named(showcase, "Start game"),
                   r"object:children-changed:add \[Card table\] Stock",
                   r"object:children-changed:remove \[Card table\] .*")
    dealt = read_table()
    show(dealt, "after Start game:")
    names = [name for _, name, _, _ in dealt]
    check(names[:2] == ["QUILLANE", "Ver. 1.03"], "the title is read first")
    check(names.index("Remove") == names.index("Score table") + 1, "Remove after the scores")
    check(child_named(dealt, "Remove").getRole() == pyatspi.ROLE_PUSH_BUTTON, "Remove button")
    stock = child_named(dealt, "Stock")
    check(stock.getRole() == pyatspi.ROLE_FILLER, "the stock is a picture")
    check(stock.getState().contains(pyatspi.STATE_ENABLED), "the stock takes input")
    check(stock.name == "Stock, 24 cards", "a full stock")
    check(all(role == pyatspi.ROLE_FILLER for role, name, _, _ in dealt
              if name == "Face-down card"), "backs are pictures")
    check("Action" not in child_named(dealt, "Face-down card").get_interfaces(), "backs: no press")
    check("Action" not in child_named(dealt, "QUILLANE").get_interfaces(), "labels: no press")
    scores = child_named(dealt, "Score table")
    check(scores.getRole() == pyatspi.ROLE_TABLE, "the score table is a table")
    grid = scores.queryTable()
    check((grid.nRows, grid.nColumns) == (6, 2), "six rows of two")
    check(grid.getAccessibleAt(0, 1).getRole() == pyatspi.ROLE_TABLE_CELL, "cells")
    check(grid.getColumnHeader(1).name == "Score", "the heading row heads the columns")

    def removable(seen):
        """A King alone or two cards adding to 13, among the faces that take a press."""
        faces = [(name, child) for role, name, _, child in seen
                 if role == pyatspi.ROLE_FILLER and " of " in name
                 and child.getState().contains(pyatspi.STATE_ENABLED)]
        for name, child in faces:
            if rank(name) == 13:
                return [(name, child)]
            for other, other_child in faces:
                if rank(name) + rank(other) == 13:
                    return [(name, child), (other, other_child)]
        return []

    turned = 0
    while True:
        press_and_hear(stock, r"object:property-change:accessible-name \[Stock\]")
        turned += 1
        if turned == 1:
            kept_up_to_date("a stock turn")
            grown_extents_follow(app, table, stock, read_table(), wait_for)
        check(stock.name == f"Stock, {24 - turned} cards", f"stock reads {stock.name}")
        seen = read_table()
        faces = removable(seen)
        if faces or turned == 24:
            break
    show(seen, f"after {turned} presses of the stock:")
    check(faces, "a King or a pair to take")

    first, first_child = faces[0]
    first = control(first)
    press_and_hear(first_child,
                   rf"object:property-change:accessible-description \[{first}\]",
                   r"object:state-changed:enabled=0 \[Stock\]")
    check(first_child.description == "selected first", f"{first} reads {first_child.description}")
    check(not stock.getState().contains(pyatspi.STATE_ENABLED), "no turning while selecting")
    kept_up_to_date("a selection")
    if len(faces) == 2:
        second, second_child = faces[1]
        second = control(second)
        press_and_hear(second_child,
                       rf"object:property-change:accessible-description \[{second}\]")
        check(second_child.description == "selected second", f"{second} reads second")
    press_and_hear(child_named(read_table(), "Remove"),
                   r"object:children-changed:remove \[Card table\] .*",
                   r"object:property-change:accessible-name \[1 point\]",
                   r"object:state-changed:enabled=1 \[Stock\]")
    check(grid.getAccessibleAt(0, 1).name == "1 point, current round", "round 1 scores")
    check(grid.getAccessibleAt(5, 1).name == "1 point", "the total too")
    check(child_named(read_table(), first) is None, f"{first} left the table")
    show(read_table(), "after Remove:")
    kept_up_to_date("a removal")

    alone = next(child for role, name, _, child in read_table() if role == pyatspi.ROLE_FILLER
                 and " of " in name and rank(name) != 13
                 and child.getState().contains(pyatspi.STATE_ENABLED))
    press_and_hear(alone, r"object:state-changed:enabled=0 \[Stock\]")
    press_and_hear(child_named(read_table(), "Remove"), r"object:state-changed:enabled=1 \[Stock\]")
    kept_up_to_date("a card put back")
    while turned < 24:
        press_and_hear(stock, r"object:property-change:accessible-name \[Stock\]")
        turned += 1
    wait_for(lambda: child_named(read_table(), "Next round"), "Next round")
    kept_up_to_date("the stock's last card")
    press_and_hear(child_named(read_table(), "Next round"),
                   r"object:children-changed:remove \[Card table\] .*")
    kept_up_to_date("Next round")
    new_game = pyatspi.findDescendant(app, lambda a: a and a.name == "New Game")
    press(new_game)
    wait_for(lambda: child_named(read_table(), "Start game"), "the showcase")
    kept_up_to_date("New Game")

    check_bounds(app, table, scores, stock, game)
    return 0


def extents(accessible):
    import pyatspi
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def grown_extents_follow(app, table, stock, seen, wait_for):
    """Grows the window until the table shows at twice its size, as a player may, and checks
    that the stock and a face are where they now show, for a magnifier or mouse review."""
    face = next(child for role, name, _, child in seen if " of " in name)
    *_, window_width, window_height = extents(app[0])
    table_x, table_y, width, height = extents(table)
    before = [extents(child) for child in (stock, face)]
    xdotool = sys.argv[3] if len(sys.argv) > 3 else "xdotool"
    subprocess.run([xdotool, "search", "--name", "^Quillane$", "windowsize", "%@",
                    str(window_width + width), str(window_height + height)], check=True)
    wait_for(lambda: extents(table)[2:] == (2 * width, 2 * height), "the table at twice its size")
    grown_x, grown_y = extents(table)[:2]
    for child, (x, y, w, h) in zip((stock, face), before):
        expected = (grown_x + 2 * (x - table_x), grown_y + 2 * (y - table_y), 2 * w, 2 * h)
        check(extents(child) == expected,
              f"{child.name} shows at {extents(child)} in the grown window, not {expected}")


if __name__ == "__main__":
    signal.signal(signal.SIGALRM, on_deadline)
    signal.alarm(DEADLINE_SECONDS)
    try:
        status = main()
    except Failure as failure:
        print("FAILED:", failure)
        status = 1
    finally:
        for child in reversed(children):
            if child.poll() is None:
                child.terminate()
                try:
                    child.wait(5)
                except subprocess.TimeoutExpired:
                    child.kill()
                    child.wait()
    sys.exit(status)
