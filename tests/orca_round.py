#!/usr/bin/python3
# SPDX-FileCopyrightText: The Quillane developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a round and the start of the next with the Orca screen reader listening, by the keys a
person has alone: the access keys, Tab, the table's own keys (the arrows, Space, the rank keys,
the turn key, the glance key and the state key), and Orca's own keys for "where am I" and flat
review. Plays the round's cards as a player who listens does, from what Orca said. Checks that
every move is followed by its own sentence, as many sentences as moves, and prints how many keys
each move took, how many for each click of a sighted player, and how soon Orca spoke.

    dbus-run-session -- /usr/bin/python3 orca_round.py build/src/quillane \\
        Xvfb at-spi-bus-launcher at-spi2-registryd metacity orca xdotool xprop

Reports itself skipped (exit status 77) when another Orca of this user runs.
"""

import collections
import re

from harness import Failure, check, rank
from orca_session import SENTENCE, listed, median, percentile, run

DEADLINE_SECONDS = 400
STOCK_CARDS = 24


def play_a_round(play):
    """The whole of round 1, as a player who removes whatever can go before turning the next
    card, and the start of round 2; then a new game."""
    deal(play, "s", 1)
    say_the_state(play, r"Round 1 of 5: 0 points, total 0\. 24 cards to turn\.")
    # The bottom row before the first turn is face down: a press there says why it does nothing.
    play.press("refused", play.named(r"Face-down card, row 7"),
               r"Face down until both cards below it are gone\.")
    turn(play)
    # Two turns as quick as a person presses twice: two sentences, in order.
    left = cards_left(play)
    play.quick_presses("turn", play.named(r"Stock, .+"),
                       [rf"Turned .+, {left - 1} left\.", rf"Turned .+, {left - 2} left\."])
    returned = select_and_put_back(play)
    play.access_key("refused", "r", r"Nothing selected\.")
    review_the_table(play, returned)
    total = play_out_the_stock(play, 1, 0)
    check(play.named(r"Stock, empty").name, "the used-up stock reads as empty")
    deal(play, "n", 2)
    cards_come_back(play)
    menu_and_back(play)
    say_the_state(play, rf"Round 2 of 5: 0 points, total {total}\. 23 cards to turn\. .+ on "
                        r"the waste pile\.")
    new_game(play)
    return report(play)


def play_out_the_stock(play, round_number, total):
    """Removes whatever can go, else turns the next card, until the stock is used up; returns
    the total score. Every move is chosen from what Orca said, as a player who cannot see the
    table chooses it: the cards to play, heard at a glance, and what each move changed."""
    points = 0
    first = len(play.moves)
    triangle, waste = glance(play)
    cursor = None
    while cards_left(play):
        cards = removable(triangle + ([waste] if waste else []), cursor)
        start = play.log.mark()
        if not cards:
            waste = turn(play)
            cursor = heard_place(play, start) or cursor
            continue
        points += 1
        uncovered, cursor = select_and_remove(play, cards, cursor, f"Round {round_number}: "
                                              f"{plural(points, 'point')}, total {total + points}")
        triangle = [card for card in triangle if card not in cards] + uncovered
        if waste in cards:
            # Taking the waste pile's top left the cursor there, where Orca named the new top,
            # whichever card of the pair was selected last; a pile left empty names none.
            waste = heard_place(play, start, "on the waste pile")
            waste = waste if waste not in cards else None
            if not waste:
                triangle, waste = glance(play)
    played = play.moves[first:]
    sighted = [move for move in played if move.kind in ("turn", "select", "remove")]
    share = sum(move.keys for move in played) / len(sighted)
    print(f"keys per sighted action, glances included: {share:.2f}")
    check(share <= 1.5, f"a round takes {share:.2f} keys for each click of a sighted player")
    return total + points


def glance(play):
    """The cards to play, by the glance key: those of the triangle, and the waste pile's top."""
    said = play.move("glance", ("l",), r"((?:Row \d|Waste pile): .+|No card to play)\.").group(0)
    triangle, waste = [], None
    for part in said.rstrip(".").split(". "):
        where, _, cards = part.partition(": ")
        names = [card.split(", ")[0] for card in cards.split("; ")]
        if where == "Waste pile":
            waste = names[0]
        elif where.startswith("Row "):
            triangle += names
    return triangle, waste


def new_game(play):
    """The File menu by its access key, then New Game by its own."""
    start = play.keys("Alt_L", "f")[0]
    play.log.wait_for_line(start, "the menu", re.compile(r"SPEECH OUTPUT: '.*New Game"))
    play.move("new game", ("g",), r"New game\. Start game: Alt\+S\.", in_menu=True)


def menu_and_back(play):
    """The File menu opened and left again: back on the table, Orca reads it as it is now, and
    never a state of the game it was told before."""
    start = play.keys("Alt_L", "f")[0]
    play.log.wait_for_line(start, "the menu", re.compile(r"SPEECH OUTPUT: '.*New Game"))
    # The first Escape closes the menu, leaving the menu bar in keyboard mode; the second
    # leaves the bar.
    start = play.keys("Escape")[0]
    play.log.wait_for_line(start, "the menu bar", re.compile(r"SPEECH OUTPUT: 'File"))
    start = play.keys("Escape")[0]
    play.log.wait_for_line(start, "the table", re.compile(r"SPEECH OUTPUT: "))
    play.log.wait_until_idle()
    play.heard(start, "Escape from the menu bar:")
    old = [said for said in play.log.speech(start) if re.search(r"Round \d|No game on", said)]
    check(not old, f"back from the menu, Orca reads a state of the game: {old}")
    check(play.focused(), "the table has the focus again")
    play.keys_since_move = 0  # a look at the menu, not part of the next move


def plural(count, thing):
    return f"{count} {thing}{'' if count == 1 else 's'}"


def deal(play, letter, round_number):
    """Deals by the access key; the cursor stands on the stock, which "where am I" names."""
    play.access_key("deal", letter, rf"Round {round_number} dealt\.(?: 24 cards to turn\.)?"
                                    r"(?: Press H for the keys\.)?")
    where = play.orca_key("KP_Enter")
    print("where am I:", where)
    check(any(said.startswith("Stock, 24 cards") for said in where),
          "where am I names the stock, under the cursor")


def say_the_state(play, pattern):
    play.move("state", ("s",), pattern)


def cards_left(play):
    count = re.fullmatch(r"Stock, (\d+) cards?|Stock, empty", play.named(r"Stock, .+").name)
    return int(count.group(1) or 0)


def turn(play):
    """Turns a card of the stock by the turn key, wherever the cursor is; the sentence names
    it, as the waste pile shows it. Returns the card turned."""
    left = cards_left(play) - 1
    first = r"Bottom row face up\. " if left == STOCK_CARDS - 1 else ""
    rest = rf", {left} left\." if left else (r"\. Stock empty\. (?:Next round: Alt\+N\.|"
                                            r"Last round, total \d+\.|Game over, .+)")
    match = play.move("turn", ("t",), rf"{first}Turned (.+?){rest}")
    check(match.group(1) == play.waste_top(), f"turned {match.group(1)}, the waste pile shows "
          f"{play.waste_top()}")
    return match.group(1)


def select(play, cards, pattern):
    play.press("select", play.exposed()[cards[-1]], pattern)


def select_and_put_back(play):
    """Two cards that make no 13 go back where they came from; returns those that went back
    into the triangle. The two are chosen near the cursor, as a player would."""
    exposed = [card for card in play.exposed() if rank(card) != 13]
    first = play.nearest([card for card in exposed
                          if any(rank(card) + rank(other) != 13 for other in exposed)])
    second = play.nearest([card for card in exposed
                           if card != first and rank(first) + rank(card) != 13],
                          to=play.exposed()[first])
    pair = [first, second]
    select(play, pair[:1], rf"{re.escape(pair[0])} selected\.(?: .+ on the waste pile\.)?")
    total = rank(pair[0]) + rank(pair[1])
    select(play, pair, rf"{re.escape(listed(pair))} selected, {total}\.(?: .+)?")
    # Remove by Tab and Space: the focus comes back to the table as the button is disabled.
    start, _ = play.keys("Tab")
    play.log.wait_for_line(start, "Remove", re.compile(r"SPEECH OUTPUT: 'Remove"))
    play.heard(start, "Tab:")
    play.move("put back", ("space",), rf"{re.escape(listed(pair))} make {total}: put back\.")
    check(play.focused(), "the table has the focus again")
    face_up = play.face_up()
    check(set(pair) <= set(face_up), f"{listed(pair)} are back on the table")
    return [card for card in pair if re.fullmatch(r".+, row \d", face_up[card].name)]


def removable(cards, cursor):
    """Of the cards heard, a King or a pair adding to 13: the card under the cursor first, as a
    player who has just heard it named takes it."""
    cards = sorted(cards, key=lambda card: card != cursor)
    kings = [card for card in cards if rank(card) == 13]
    if kings:
        return kings[:1]
    return next(([a, b] for a in cards for b in cards if rank(a) + rank(b) == 13), [])


def heard_place(play, start, where=r"row \d|on the waste pile"):
    """The card Orca last named as the cursor's place since start, if any."""
    places = [match.group(1) for said in play.log.speech(start)
              if (match := re.fullmatch(rf"(\w+ of \w+), (?:{where})\.?", said))]
    return places[-1] if places else None


RANK_KEYS = {1: "a", 10: "0", 11: "j", 12: "q", 13: "k"}


def go_by_rank(play, card):
    """Takes the cursor to a card by the key of its rank, pressed again while Orca names another
    card of that rank."""
    for _ in range(4):
        start, _ = play.keys(RANK_KEYS.get(rank(card), str(rank(card))))
        named = play.log.wait_for_line(
            start, "the card the rank key went to",
            re.compile(r"SPEECH OUTPUT: '(\w+ of \w+), (?:row \d|on the waste pile)"))[0].group(1)
        if named == card:
            return
    raise Failure(f"the rank key of {card} never came to it")


def select_and_remove(play, cards, cursor, score):
    """Selects a King or a pair by the rank keys and Space (Space alone on the card Orca last
    named under the cursor), removes it by its access key, and hears the score said so; returns
    the cards the removal turned face up, as Orca named them, which the table shows, and the
    card the cursor then stands on."""
    for chosen, card in enumerate(cards):
        if card != cursor:
            go_by_rank(play, card)
        start = play.log.mark()
        selected = rf"{re.escape(listed(cards[:chosen + 1]))} selected"
        play.move("select", ("space",), selected + (r", 13\.(?: .+)?" if chosen else
                                                    r"\.(?: .+ on the waste pile\.)?"))
        cursor = heard_place(play, start)
    face_up = set(play.face_up())
    start = play.log.mark()
    removed = play.access_key(
        "remove", "r", rf"Removed {re.escape(listed(cards))}\. (?:(.+? face up in row \d"
                       rf"(?:, .+ in row \d)*)\. )?{re.escape(score)}\.(?: Next round: Alt\+N\.)?")
    said = re.findall(r"\w+ of \w+", removed.group(1) or "")
    uncovered = set(play.face_up()) - face_up
    check(set(said) <= uncovered, f"said {said} face up, the table shows {uncovered} newly face up")
    return said, heard_place(play, start) or cursor


def review_the_table(play, returned):
    """With one card selected, flat review entered afresh reads every line and every item,
    and misses nothing the table holds: the stock's count, the selected card, the cards that
    were put back into the triangle, and the waste pile's card that was hidden and shows again;
    and none of the sentences said so far."""
    turn(play)
    turn(play)
    # Taking the top of the pile shows the card beneath it again; not a King, which Remove
    # would take away rather than put back.
    top = play.waste_top()
    exposed = [card for card in play.exposed() if rank(card) != 13]
    selected = top if rank(top) != 13 else next(card for card in exposed if card not in returned)
    select(play, [selected], rf"{re.escape(selected)} selected\.(?: .+ on the waste pile\.)?")
    beneath = play.waste_top() if selected == top else None
    on_table = collections.Counter(child.name for child in play.cards())
    start, _ = play.keys("KP_Subtract", command=True)
    play.log.wait_for_line(start, "flat review", re.compile(r"Entering flat review\."))
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
        old = [said for said in reading.split(" / ") if SENTENCE.fullmatch(said)]
        check(not old, f"flat review by {how} reads old sentences: {old}")
    stock = play.named(r"Stock, .+").name
    check(re.fullmatch(r"Stock, \d+ cards?", stock), f"the stock reads {stock!r}")
    check(f"{selected}, selected" in on_table, f"{selected} reads as selected")
    for card in returned:
        check(any(name.startswith(card + ", ") for name in on_table), f"{card} is on the table")
    if beneath:
        check(f"{beneath}, on the waste pile" in " / ".join(lines),
              f"{beneath}, shown again on the waste pile, is read")
    start, _ = play.keys("KP_Subtract", command=True)
    play.log.wait_for_line(start, "leaving flat review", re.compile(r"Leaving flat review\."))
    play.access_key("put back", "r", rf"{re.escape(selected)} put back\.")


def cards_come_back(play):
    """The first turn of round 2 shows cards that left the table at the deal; the cursor on
    one of them has Orca name it as it lies now, and flat review, which reads only what shows,
    finds it there."""
    turn(play)
    start, _ = play.keys("Up")
    card = play.focused().name
    check(card.endswith(", row 7"), f"Up from the stock goes to the bottom row, not {card}")
    play.log.wait_for_line(start, f"naming {card}", re.compile(
        r"SPEECH OUTPUT: '" + re.escape(card)))
    play.keys_since_move = 0
    print(f"Up: the cursor on {card}, back on the table")
    start, _ = play.keys("KP_Subtract", command=True)
    play.log.wait_for_line(start, "flat review", re.compile(r"Entering flat review\."))
    line = play.orca_key("KP_Up")
    print("flat review, the cursor's line:", line)
    check(any(card in said for said in line), f"flat review finds {card} showing")
    start, _ = play.keys("KP_Subtract", command=True)
    play.log.wait_for_line(start, "leaving flat review", re.compile(r"Leaving flat review\."))


def report(play):
    """Prints the moves, their keys and the medians, and checks the counts."""
    by_kind = collections.defaultdict(list)
    for move in play.moves:
        by_kind[move.kind].append(move)
    print("keys a move took, and ms from its last key to Orca's first word of its sentence:")
    for kind, moves in by_kind.items():
        keys = [move.keys for move in moves]
        latencies = [round(move.latency * 1000) for move in moves]
        print(f"  {kind}: keys {keys}, median {median(keys)}; ms {latencies}, median "
              f"{median(latencies)}, 95th percentile {percentile(latencies, 95)}")
    said = [line for line in play.log.speech(0) if SENTENCE.fullmatch(line)]
    print(f"moves: {len(play.moves)}, sentences Orca spoke: {len(said)}")
    if len(said) != len(play.moves):
        expected = collections.Counter(move.sentence for move in play.moves)
        print("spoken more often than moved:", collections.Counter(said) - expected)
        print("moved more often than spoken:", expected - collections.Counter(said))
    check(len(said) == len(play.moves), "every move's sentence once, and no other")
    check(median([move.keys for move in by_kind["select"]]) <= 2,
          "selecting a card takes at most 2 keys at the median")
    check(max(move.keys for move in by_kind["turn"]) == 1, "turning the stock takes 1 key")
    for what, count in sorted(play.game_output.counted.items()):
        print(f"{what}: {count}")
    return 0


if __name__ == "__main__":
    run(play_a_round, DEADLINE_SECONDS)
