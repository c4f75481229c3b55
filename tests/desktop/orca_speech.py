"""Plays the running game with the keyboard while Orca listens, and checks what Orca says and puts
on braille after each step of orca_speech_steps.py, as Orca's debug log tells it ("SPEECH OUTPUT:
'...'", "BRAILLE LINE:  '...'").
    orca_speech.py ORCA_LOG WINDOW_ID PROGRAM_PID [--language de] [--record]
The program runs in English, or with --language de in German and then plays GERMAN_STEPS: the
cards and places are read in the program's language. The deal is random: the board is read
through the AT-SPI bus, as a screen reader reads it, to find the moves the steps make, and dealt
again until it has them. With --record nothing is checked: each step's keys are sent and all Orca
says until it falls silent is printed."""
import os
import re
import string
import subprocess
import sys
import time

import pyatspi

from orca_speech_steps import GERMAN_STEPS, NEVER, STEPS


class Language:
    """How the program names the cards and places in one language. card is the form of a card's
    name, with {rank} and {suit}; side and center are the start of a side stack's name (with {n},
    its number) and of a center stack's (with {suit}); on_top follows the top card in a side
    stack's name; new is the name of the New button; goes are the words of a list of the places
    a card can go (board/words.cpp): home, onto (with {card} and {n}), empty (with {n}), two and
    more (two items, or all but the last joined by comma and the last), and nowhere. The forms
    are put into expressions as they are: they hold letters, spaces, commas and hyphens only."""

    def __init__(self, ranks, suits, card, side, center, on_top, new, goes, push_button):
        self.ranks, self.suits = ranks, suits
        self.push_button = push_button  # Orca's name of the role, in its language
        self.card_form, self.side_form, self.center_form = card, side, center
        self.on_top, self.new, self.goes = on_top, new, goes
        self.card_re = re.compile(r"\b%s\b" % card.format(
            rank="(?P<rank>%s)" % "|".join(ranks), suit="(?P<suit>%s)" % "|".join(suits)))
        # The same without its groups, to be put into the steps' expressions.
        self.any_card = re.sub(r"\(\?P<\w+>", "(?:", self.card_re.pattern)

    def card(self, rank, suit):
        """The name of a card: rank from 1 (ace) to 13 (king), suit one of self.suits."""
        return self.card_form.format(rank=self.ranks[rank - 1], suit=suit)

    def side(self, n):
        """An expression for the start of a side stack's name: n its number, or an expression."""
        return self.side_form.format(n=n) + r"\b"

    def center(self, suit):
        return self.center_form.format(suit=suit) + r"\b"


ENGLISH = Language(
    ranks=["ace", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "jack",
           "queen", "king"],
    suits=["clubs", "hearts", "diamonds", "spades"],
    card="{rank} of {suit}", side="Side stack {n}", center="Center stack, {suit}",
    on_top=" on top", new="New",
    goes=dict(home="home", onto="onto {card} on side stack {n}", empty="to empty side stack {n}",
              two="{} or {}", more="{}, or {}", comma=", ", nowhere="nowhere"),
    push_button="push button")

# As resources/translations/ketterline_de.ts has them.
GERMAN = Language(
    ranks=["Ass", "Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn",
           "Bube", "Dame", "König"],
    suits=["Kreuz", "Herz", "Karo", "Pik"],
    card="{suit}-{rank}", side="Seitenstapel {n}", center="Mittelstapel {suit}",
    on_top=" oben", new="Neu",
    goes=dict(home="auf den passenden Mittelstapel", onto="auf {card} oben auf Seitenstapel {n}",
              empty="auf den leeren Seitenstapel {n}", two="{} oder {}", more="{} oder {}",
              comma=", ", nowhere="nirgendwohin"),
    push_button="Druckknopf")

LANGUAGES = {"en": (ENGLISH, STEPS), "de": (GERMAN, GERMAN_STEPS)}

STEP_SECONDS = 30  # for a step's speech to come; the sanitizer build is slow
SETTLE_SECONDS = 0.5  # after a step's speech, for what follows it at once
RECORD_QUIET_SECONDS = 2.5

orca_log, window, program_pid = sys.argv[1], sys.argv[2], int(sys.argv[3])
arguments = sys.argv[4:]
recording = "--record" in arguments
language_code = (arguments[arguments.index("--language") + 1] if "--language" in arguments
                 else "en")
if language_code not in LANGUAGES:
    print("FAILED: no steps for the language %r" % language_code)
    sys.exit(1)
LANGUAGE, LANGUAGE_STEPS = LANGUAGES[language_code]


class OrcaLog:
    """What Orca's debug log says it spoke and put on braille, read as it grows. A speech record
    is one line, or several when the text has line breaks (Orca indents the lines after the first
    by 18 spaces); it ends with the voice Orca used, or "(sayAll)" from the log-only speech server.
    A braille record is the whole line sent to the display (an entry of its own follows with the
    part that a display of the configured size shows of it)."""

    ENTRY = re.compile(rb"^\d\d:\d\d:\d\d\.\d{6} - ", re.M)
    RECORD = re.compile(r"^(\d\d:\d\d:\d\d\.\d{6}) - SPEECH OUTPUT: '(.*?)'(?: voice=\w+)? ?"
                        r"(?:\{[^\n]*\}|\(sayAll\))$", re.M | re.S)
    BRAILLE = re.compile(r"^(\d\d:\d\d:\d\d\.\d{6}) - BRAILLE LINE:  '(.*)'$", re.M)

    def __init__(self, path):
        self.path = path
        self.offset = 0
        self.pending = b""
        self.entries = []  # (time, "speech" or "braille", text), in the log's order

    def read(self):
        with open(self.path, "rb") as log:
            log.seek(self.offset)
            data = log.read()
        self.offset += len(data)
        self.pending += data.replace(b"\r", b"")
        # Only whole entries: up to the start of the last one, or all when it is a finished
        # utterance or braille line.
        lines_end = self.pending.rfind(b"\n") + 1
        starts = [m.start() for m in self.ENTRY.finditer(self.pending, 0, lines_end)]
        done = starts[-1] if starts else 0
        last = self.pending[done:lines_end].decode("utf-8", "replace").rstrip("\n")
        if self.RECORD.fullmatch(last) or self.BRAILLE.fullmatch(last):
            done = lines_end
        chunk = self.pending[:done].decode("utf-8", "replace")
        self.pending = self.pending[done:]
        records = [(m.start(), m.group(1), "speech", m.group(2).replace("\n" + " " * 18, "\n"))
                   for m in self.RECORD.finditer(chunk)]
        records += [(m.start(), m.group(1), "braille", m.group(2))
                    for m in self.BRAILLE.finditer(chunk)]
        self.entries += [(at, kind, text) for _, at, kind, text in sorted(records)]
        return len(self.entries)

    def since(self, mark, kind="speech"):
        """What Orca said (or brailled) since the mark, as (time, text)."""
        self.read()
        return [(at, text) for at, of, text in self.entries[mark:] if of == kind]


def program_runs():
    try:
        with open("/proc/%d/stat" % program_pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


# The board as the AT-SPI bus shows it.

def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.name == "ketterline":
            return app
    return None


def place_key(name):
    """("side", 3) or ("center", "hearts") for a place's accessible name, else None."""
    side = re.match(LANGUAGE.side("([1-8])"), name)
    if side:
        return ("side", int(side.group(1)))
    center = re.match(LANGUAGE.center("(%s)" % "|".join(LANGUAGE.suits)), name)
    return ("center", center.group(1)) if center else None


def grid_position(key):
    """Row and column of a place: four rows of side stack 5..8, center stack, side stack 1..4."""
    kind, which = key
    if kind == "center":
        return LANGUAGE.suits.index(which), 1
    return (which - 5, 0) if which >= 5 else (which - 1, 2)


class Board:
    """The twelve places: their names, top cards and which one has the focus."""

    def __init__(self):
        self.names = {}
        self.focused = None
        app = application()
        if not app:
            return
        for node in pyatspi.findAllDescendants(app, lambda n: place_key(n.name or "")):
            node.clearCache()
            key = place_key(node.name)
            self.names[key] = node.name
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                self.focused = key

    def top_match(self, key):
        """The top card's name matched, or None for an empty stack: the card the place's name
        says is "on top", else the first card it names."""
        told = self.names.get(key, "").split(":", 1)[-1]
        on_top = re.search(LANGUAGE.card_re.pattern + LANGUAGE.on_top, told)
        if on_top:
            return LANGUAGE.card_re.match(told, on_top.start())
        return LANGUAGE.card_re.search(told)

    def top(self, key):
        card = self.top_match(key)
        return card.group(0) if card else None

    def rank(self, key):
        card = self.top_match(key)
        return LANGUAGE.ranks.index(card.group("rank")) + 1 if card else 0

    def suit(self, key):
        card = self.top_match(key)
        return card.group("suit") if card else None

    def dealt(self):
        return (len(self.names) == 12 and
                all(self.rank(("center", suit)) == 1 for suit in LANGUAGE.suits) and
                all(self.rank(("side", n)) > 1 for n in range(1, 9)))

    def goes(self, card):
        """Where the card named card can go now, by the rules of the clicks, as the program lists
        it: home when it is one higher than its center stack's top card, onto each side stack's
        top card one higher, to each empty side stack, in reading order (row by row: side stack
        5, center stack, side stack 1, ...)."""
        named = LANGUAGE.card_re.fullmatch(card)
        rank, suit = LANGUAGE.ranks.index(named.group("rank")) + 1, named.group("suit")
        words, places = LANGUAGE.goes, []
        for row, center in enumerate(LANGUAGE.suits):
            for key in (("side", row + 5), ("center", center), ("side", row + 1)):
                if key[0] == "center":
                    if center == suit and self.rank(key) == rank - 1:
                        places.append(words["home"])
                elif self.rank(key) in (0, rank + 1):
                    places.append(words["onto"].format(card=self.top(key), n=key[1])
                                  if self.rank(key) else words["empty"].format(n=key[1]))
        if len(places) < 2:
            return places[0] if places else words["nowhere"]
        if len(places) == 2:
            return words["two"].format(*places)
        return words["more"].format(words["comma"].join(places[:-1]), places[-1])

    def fields(self):
        """The step's names of the top cards: $top1 .. $top8, and $center_clubs ... named by
        the English suits in every language."""
        values = {"top%d" % n: self.top(("side", n)) or "empty" for n in range(1, 9)}
        values.update({"center_" + english: self.top(("center", suit)) or "empty"
                       for english, suit in zip(ENGLISH.suits, LANGUAGE.suits)})
        return values


def moves_of(board):
    """The moves the steps make, for the board just dealt, or None when it has not got them."""
    tops = {n: board.top(("side", n)) for n in range(1, 9)}
    ranks = {n: board.rank(("side", n)) for n in range(1, 9)}
    suit = {n: board.suit(("side", n)) for n in tops}
    for source in tops:
        for onto in tops:
            if ranks[onto] != ranks[source] + 1:
                continue
            homes = [n for n in tops if ranks[n] == 2 and n not in (source, onto)]
            for home in homes:
                for refused in tops:
                    center_top = 2 if suit[refused] == suit[home] else 1
                    if refused in (source, onto, home) or ranks[refused] == center_top + 1:
                        continue
                    return {
                        "source": str(source), "card": tops[source],
                        "onto": str(onto), "onto_card": tops[onto],
                        "home": str(home), "home_card": tops[home], "home_suit": suit[home],
                        "home_ace": LANGUAGE.card(1, suit[home]),
                        "refused": str(refused), "refused_card": tops[refused],
                        "refused_suit": suit[refused],
                        "refused_center_card": LANGUAGE.card(center_top, suit[refused]),
                    }
    return None


# Keys.

def press(key):
    if "+" in key and len(key) > 1:
        # A chord as a person types it: xdotool's own chords release the modifier first, and Qt
        # then closes the menu that Alt+letter has just opened.
        *modifiers, last = key.split("+")
        subprocess.run(["xdotool", "keydown", *modifiers], check=True)
        time.sleep(0.15)
        subprocess.run(["xdotool", "key", last], check=True)
        time.sleep(0.15)
        subprocess.run(["xdotool", "keyup", *reversed(modifiers)], check=True)
    else:
        subprocess.run(["xdotool", "key", key], check=True)
    time.sleep(0.2)
    give_focus_back()


def give_focus_back():
    """Gives the Board the focus when the window that had it has gone (a closed dialog), as a
    window manager does; there is none here, and X gives the focus to the root window."""
    def xdotool(*arguments):
        return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout
    focused = xdotool("getwindowfocus").strip()
    shown = xdotool("search", "--onlyvisible", "--class", "ketterline").split()
    if focused not in shown:
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)


def arrows_to(target):
    """The arrow keys from the focused place to the target ("side 3", "center hearts")."""
    kind, which = target.split()
    key = (kind, int(which) if kind == "side" else which)
    here = Board().focused
    if here is None:
        fail("no place has the focus to go to %s from" % target)
    (row, column), (to_row, to_column) = grid_position(here), grid_position(key)
    vertical = ["Down" if to_row > row else "Up"] * abs(to_row - row)
    return vertical + ["Right" if to_column > column else "Left"] * abs(to_column - column)


def go_to(speech, target):
    """Moves the cursor to the place and waits until Orca has said so, so that what the keys
    after it do is not read with the place when Orca reads it late."""
    arrows = arrows_to(target)
    if not arrows:
        return
    mark = speech.read()
    for arrow in arrows:
        press(arrow)
    kind, which = target.split()
    name = "^" + (LANGUAGE.side(which) if kind == "side" else LANGUAGE.center(which))
    if not wait_until(lambda: any(re.search(name, t) for _, t in speech.since(mark)),
                      STEP_SECONDS):
        fail("Orca did not say %s after %s:\n%s" % (target, " ".join(arrows),
                                                      show(speech.since(mark))))
    time.sleep(SETTLE_SECONDS)


# The steps.

def fill(template, fields, escape=True):
    values = {name: re.escape(value) if escape else value for name, value in fields.items()}
    values["any_card"] = LANGUAGE.any_card
    return string.Template(template).safe_substitute(values)


def matches(patterns, text, any_order):
    """The patterns in the order they were found in the text, or None when one is missing."""
    position = 0
    found = []
    for pattern in patterns:
        match = re.compile(pattern, re.M | re.S).search(text, 0 if any_order else position)
        if not match:
            return None
        position = match.end()
        found.append((match.start(), pattern))
    return [pattern for _, pattern in sorted(found)] if any_order else patterns


def wait_quiet(speech, mark, seconds, longest):
    """Waits until Orca has said nothing for the given seconds (at most longest seconds)."""
    deadline = time.monotonic() + longest
    count, since = speech.read(), time.monotonic()
    while time.monotonic() < deadline and time.monotonic() - since < seconds:
        time.sleep(0.1)
        if speech.read() != count:
            count, since = speech.read(), time.monotonic()
    return speech.since(mark)


def show(said):
    return "\n".join("    %s  %s" % (at, text.replace("\n", "\n" + " " * 20))
                     for at, text in said) or "    (nothing)"


def run_step(speech, number, step, moves):
    what, keys, expected = step[:3]
    options = step[3] if len(step) > 3 else {}
    board = Board()
    fields = dict(board.fields(), **moves, card_goes=board.goes(moves["card"]),
                  refused_goes=board.goes(moves["refused_card"]))
    patterns = [fill(pattern, fields) for pattern in expected]
    once = [fill(pattern, fields) for pattern in options.get("once", [])]
    braille = [fill(pattern, fields) for pattern in options.get("braille", [])]
    never = [fill(pattern, fields) for pattern in NEVER + options.get("never", [])]
    keys = [fill(key, fields, escape=False) for key in keys]
    print("%d. %s: %s" % (number, what, " ".join(keys)))
    # The moves to a place come first; what the step expects is what Orca says after them.
    while keys and keys[0].startswith("@"):
        go_to(speech, keys.pop(0)[1:])
    mark = speech.read()
    for key in keys:
        if key.startswith("@heard "):
            heard = "^" + re.escape(key[len("@heard "):]) + r"\b"
            if not wait_until(lambda: any(re.search(heard, t) for _, t in speech.since(mark)),
                              STEP_SECONDS):
                fail("step %d (%s): Orca did not say %s\n%s" % (number, what, key[7:],
                                                                 show(speech.since(mark))))
        else:
            press(key)

    if recording:
        said = wait_quiet(speech, mark, max(RECORD_QUIET_SECONDS, options.get("quiet", 0)),
                          STEP_SECONDS)
        text = "\n".join(t for _, t in said)
        counts = [len(re.findall(pattern, text, re.M | re.S)) for pattern in once]
        said_never = [pattern for pattern in never if re.search(pattern, text, re.M | re.S)]
        verdict = "as expected" if matches(patterns, text, options.get("any_order")) and \
            all(count == 1 for count in counts) and not said_never else \
            "NOT as expected: %s%s%s" % (patterns, "" if not once else ", once: %s" % once,
                                         "" if not said_never else ", never: %s" % said_never)
        print(show(said) + "\n    braille:\n" + show(speech.since(mark, "braille")) +
              "\n    -> " + verdict)
        return patterns

    deadline = time.monotonic() + STEP_SECONDS
    while True:
        said = speech.since(mark)
        text = "\n".join(t for _, t in said)
        in_order = matches(patterns, text, options.get("any_order"))
        if in_order:
            break
        if time.monotonic() > deadline or not program_runs():
            said_never = [pattern for pattern in never if re.search(pattern, text, re.M | re.S)]
            fail("step %d (%s): expected %s\n  Orca said:\n%s%s%s" % (
                number, what, patterns, show(said),
                "" if not said_never else "\n  which matches what it never should: %s" % said_never,
                "" if program_runs() else "\n  and the program has ended"))
        time.sleep(0.1)
    if options.get("quiet"):
        said = wait_quiet(speech, mark, options["quiet"], STEP_SECONDS)
    else:
        time.sleep(SETTLE_SECONDS)
        said = speech.since(mark)
    text = "\n".join(t for _, t in said)
    for pattern in once:
        count = len(re.findall(pattern, text, re.M | re.S))
        if count != 1:
            fail("step %d (%s): %r was said %d times, not once\n  Orca said:\n%s" % (
                number, what, pattern, count, show(said)))
    for pattern in never:
        if re.search(pattern, text, re.M | re.S):
            fail("step %d (%s): %r was said\n  Orca said:\n%s" % (
                number, what, pattern, show(said)))
    check_braille(speech, mark, number, what, braille)
    print(show(said))
    return in_order


def check_braille(speech, mark, number, what, patterns):
    """Each pattern matches a whole braille line since the step's keys, and no line is empty: a
    blank display would tell a braille reader nothing of what the keys did."""
    def missing():
        lines = [text for _, text in speech.since(mark, "braille")]
        return [p for p in patterns if not any(re.fullmatch(p, line) for line in lines)]
    wait_until(lambda: not missing(), STEP_SECONDS if patterns else 0)
    brailled = speech.since(mark, "braille")
    if missing():
        fail("step %d (%s): no braille line is %s\n  Orca brailled:\n%s" % (
            number, what, missing(), show(brailled)))
    if any(text == "" for _, text in brailled):
        fail("step %d (%s): Orca brailled an empty line\n  Orca brailled:\n%s" % (
            number, what, show(brailled)))


def wait_until(test, seconds):
    deadline = time.monotonic() + seconds
    while not test() and time.monotonic() < deadline:
        time.sleep(0.2)
    return test()


def main():
    speech = OrcaLog(orca_log)
    mark = speech.read()
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    # "New" ("Neu") has the focus at start, which Orca says last when the window gets the focus.
    new_button = LANGUAGE.new + " " + LANGUAGE.push_button
    if not wait_until(lambda: any(re.match(new_button, t)
                                  for _, t in speech.since(mark)), STEP_SECONDS):
        fail("Orca did not read the window and its New button:\n" + show(speech.since(mark)))

    moves = None
    for _ in range(60):
        before = Board().names
        press("space")
        if not wait_until(lambda: Board().names != before and Board().dealt(), STEP_SECONDS):
            fail("the places do not show a deal after Space on New: %s" % Board().names)
        moves = moves_of(Board())
        if moves:
            break
    if not moves:
        fail("60 deals without the moves the steps need")
    print("Dealt; the steps play: %s" % moves)
    time.sleep(1)  # what Orca says of the deal belongs to no step

    first = speech.read()
    heard = []  # each step's expectations as it checked them
    for number, step in enumerate(LANGUAGE_STEPS, 1):
        heard.append(run_step(speech, number, step, moves))
    if recording:
        return
    # At the end, all of it in order: every step's expectations, one after the other, in all that
    # Orca said since the first step.
    text = "\n".join(t for _, t in speech.since(first))
    position = 0
    for number, patterns in enumerate(heard, 1):
        for pattern in patterns:
            found = re.compile(pattern, re.M | re.S).search(text, position)
            if not found:
                fail("in all Orca said, %r of step %d does not come after step %d" % (
                    pattern, number, number - 1))
            position = found.start()
    if not program_runs():
        fail("the program has ended")


main()
