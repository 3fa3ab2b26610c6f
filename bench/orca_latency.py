#!/usr/bin/python3
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""How soon Orca speaks what a move did: whole games played by keys alone with Orca listening,
as the Orca round plays (tests/orca_round.py), timed from the move's last key going down to the
line of Orca's debug log that speaks the first word of the move's sentence, the result, not
the card the cursor comes to. Every kind of move is played: Start game's deal, turning the
stock, selecting, removing, a pair put back once a round, Next round's deal, New Game, and the
state key. Prints, for each kind, how many there were, the median, the 95th percentile and the
largest.

    dbus-run-session -- /usr/bin/python3 orca_latency.py GAMES build/src/quillane \\
        Xvfb at-spi-bus-launcher at-spi2-registryd metacity orca xdotool xprop
"""

import collections
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))

from orca_round import (deal, new_game, play_out_the_stock, say_the_state,  # noqa: E402
                        select_and_put_back, turn)
from orca_session import median, percentile, run  # noqa: E402

GOAL_MS = 100
ROUNDS = 5


def play_games(play):
    for _ in range(games):
        deal(play, "s", 1)
        total = 0
        for round_number in range(1, ROUNDS + 1):
            if round_number > 1:
                deal(play, "n", round_number)
            # Two cards that make no 13 go back where they came from once the bottom row shows.
            turn(play)
            select_and_put_back(play)
            total = play_out_the_stock(play, round_number, total)
            say_the_state(play, rf"Round {round_number} of 5: .+")
        new_game(play)
    by_kind = collections.defaultdict(list)
    for move in play.moves:
        kind = move.kind
        if kind == "deal":
            kind = "start game" if move.sentence.startswith("Round 1 ") else "next round"
        by_kind[kind].append(move.latency * 1000)
    print(f"From a move's last key to Orca's first word of its sentence (ms), {games} games:")
    print(f"| {'move':<10} | {'n':>4} | {'median':>6} | {'p95':>6} | {'max':>6} | goal |")
    print(f"| {'---':<10} | {'---:':>4} | {'---:':>6} | {'---:':>6} | {'---:':>6} | --- |")
    for kind, latencies in sorted(by_kind.items()):
        print(f"| {kind:<10} | {len(latencies):>4} | {median(latencies):6.0f} | "
              f"{percentile(latencies, 95):6.0f} | {max(latencies):6.0f} | p95 < {GOAL_MS} |")
    return 0


if __name__ == "__main__":
    games = int(sys.argv.pop(1))
    run(play_games, deadline_seconds=600 * games)
