"""What Orca should say while the game is played with the keyboard, step by step: orca_speech.py
sends each step's keys and waits until Orca has said what the step expects.

A step is (what it does, keys, expected speech) or (what it does, keys, expected speech, options).

Keys are xdotool key names ("Tab", "space", "Down", "s"); "alt+i" is pressed as a person does
(Alt held, I pressed and released, Alt released), and "@side 3" / "@center hearts" are the arrow
keys that take the cursor from where it is to that place. "@heard Text" waits until Orca has said
an utterance that starts with Text, as a listener does before the next key: a key that closes a
menu before Orca has read it would leave Orca unaware that the focus ever left the cards.

The expected speech is a list of regular expressions that Orca's utterances since the step's keys
must match one after the other (they are joined by newlines and searched with re.MULTILINE and
re.DOTALL, so "^" starts an utterance and ".*" may span several).

Keys and expectations may name the cards of the game being played as $name (string.Template):
  $top1 .. $top8       the top card of each side stack as the step starts ("seven of hearts")
  $center_clubs ...    the top card of each center stack as the step starts ("ace of clubs")
  $source, $card       a side stack whose top card can move onto another one's, and that card
  $onto, $onto_card    that other side stack and its top card
  $home, $home_card, $home_suit, $home_ace
                       a side stack with a two on top, the two, its suit and its center stack's
                       ace (the stack is neither $source nor $onto)
  $refused, $refused_card, $refused_suit, $refused_center_card
                       a side stack whose top card does not fit on the center stack of its suit
                       even after the moves before it, the card, the suit, and that center
                       stack's top card
  $card_goes, $refused_goes
                       where $card and $refused_card can go now, as the program lists it in the
                       sentences of W ("onto three of clubs on side stack 4 or home", "nowhere")
Names are put in as literal text; $any_card is a pattern that matches any card's name.
STEPS play the program in English; GERMAN_STEPS play it in German, where these are the German
names the program gives ("Herz-Sieben", suit "Herz"; the center stacks' $center_clubs ... keep
their English names).

Options: "once": expressions that must match exactly once in all the step says; "never":
expressions that must not match it; "quiet": seconds without speech to wait for before these are
checked (else half a second); "any_order": the expectations may come in any order; "braille":
expressions each of which must match a whole line that Orca puts on braille after the step's keys.
NEVER holds for every step, and no step may put an empty line on braille.
"""

RULES_TEXT = r"The goal of the game is to stack all cards of the same suit"

READING_ORDER = (r"Side stack 5\b.*Center stack, clubs\b.*Side stack 1\b.*"
                 r"Side stack 6\b.*Center stack, hearts\b.*Side stack 2\b.*"
                 r"Side stack 7\b.*Center stack, diamonds\b.*Side stack 3\b.*"
                 r"Side stack 8\b.*Center stack, spades\b.*Side stack 4\b")

PLACE = r"^(Side stack [1-8]|Center stack, (clubs|hearts|diamonds|spades))\b"

# A key that takes the cursor to a place has that place read (once it shows what the key did
# there) and no other: a place's name other than that of side stack %s or of center stack %s.
OTHER_PLACE = r"^(Side stack (?!%s\b)[1-8]|Center stack, (?!%s\b))"

# Orca names the role of a notification before its text, unless the notification lies inside a
# status bar.
NEVER = [r"^notification\b"]

# One utterance that names four cards or more: the card area's context read as a whole.
CARDS_READ_ALONG = r"^[^\n]*?(\b$any_card\b[^\n]*?){4}"

SELECTED = r"$card selected\."
MOVED = r"$card moved onto $onto_card\. Side stack $source (now shows $any_card|is now empty)\."
HOME = (r"$home_card moved home to the $home_suit center stack\. "
        r"Side stack $home (now shows $any_card|is now empty)\.")
REFUSED = r"The $refused_suit center stack does not take $refused_card\. Nothing is selected\."
STACK = r"Side stack 6, 6 cards from the bottom: ($any_card, ){5}$top6 on top\."
WHERE = r"$card can go $card_goes\."
IF_SELECTED = r"If selected, $refused_card could go $refused_goes\."

STEPS = [
    ("Tab into the cards", ["Tab"], [r"^Side stack 5: $top5\b"]),
    ("an arrow to the next place", ["Down"], [r"^Side stack 6: $top6\b"]),
    ("S reads the stack under the cursor, bottom to top",
     ["s"], ["^" + STACK], {"braille": [STACK]}),
    ("B reads every place in reading order", ["b"], ["^" + READING_ORDER],
     {"braille": [READING_ORDER + r"[^\n]*\."]}),
    ("Space on a top card selects it", ["@side $source", "space"], ["(?i)^" + SELECTED],
     {"braille": ["(?i)" + SELECTED]}),
    ("W says where the selected card can go", ["w"], ["(?i)^" + WHERE], {"braille": ["(?i)" + WHERE]}),
    # A move by two digits, each key a step of its own: Orca may be late, and a screen reader user
    # who waits for the answer to each key hears it whole.
    ("Escape drops the selection", ["Escape"], [r"(?i)^$card is no longer selected\b"]),
    ("the digit of a side stack selects its top card", ["$source"], ["(?i)^" + SELECTED],
     {"never": [OTHER_PLACE % ("none", "none")], "braille": ["(?i)" + SELECTED]}),
    ("the digit of another side stack moves the card there", ["$onto"],
     [r"^Side stack $onto: $card on top\b", "(?i)^" + MOVED],
     {"once": ["(?i)" + MOVED], "never": [OTHER_PLACE % ("$onto", "none")],
      "braille": ["(?i)" + MOVED]}),
    ("R says the move again", ["r"], ["(?i)^" + MOVED], {"braille": ["(?i)" + MOVED]}),
    ("Space on a two selects it", ["@side $home", "space"], [r"(?i)^$home_card selected\b"]),
    ("a move home", ["@center $home_suit", "space"], ["(?i)^" + HOME], {"braille": ["(?i)" + HOME]}),
    ("Space on a card that does not go home", ["@side $refused", "space"],
     [r"(?i)^$refused_card selected\b"]),
    ("a refused move home", ["@center $refused_suit", "space"], ["(?i)^" + REFUSED],
     {"braille": ["(?i)" + REFUSED]}),
    ("the digit of a side stack goes there and selects its card", ["$refused"],
     [r"^Side stack $refused: $refused_card on top\b", r"(?i)^$refused_card selected\b"],
     {"never": [OTHER_PLACE % ("$refused", "none")]}),
    ("H goes to the card's center stack, which refuses it", ["h"],
     [r"^Center stack, $refused_suit: $refused_center_card\b", "(?i)^" + REFUSED],
     {"once": ["(?i)" + REFUSED], "never": [OTHER_PLACE % ("none", "$refused_suit")],
      "braille": ["(?i)" + REFUSED]}),
    ("Space selects that card again", ["@side $refused", "space"],
     [r"(?i)^$refused_card selected\b"]),
    ("Escape drops the selection", ["Escape"], [r"(?i)^$refused_card is no longer selected\b"],
     {"braille": [r"(?i)$refused_card is no longer selected\."]}),
    ("W without a selection says where the card could go", ["w"], ["^" + IF_SELECTED],
     {"braille": [IF_SELECTED]}),
    ("File > New Game deals", ["alt+f", "@heard New Game", "Return"], [r"(?i)^New game dealt\b", PLACE],
     {"any_order": True, "never": [CARDS_READ_ALONG], "braille": [r"New game dealt\."]}),
    ("Info > Rules reads the rules once", ["alt+i", "r"],
     [r"^Rules\b", RULES_TEXT, r"^OK push button\b"], {"once": [RULES_TEXT], "quiet": 4}),
    ("Escape closes the rules, and the place is read again", ["Escape"], [PLACE],
     {"never": [CARDS_READ_ALONG]}),
]

# The program in German (resources/translations/ketterline_de.ts), and Orca in German too.
GERMAN_RULES_TEXT = r"Ziel des Spiels ist es, alle Karten einer Farbe"

GERMAN_PLACE = r"^(Seitenstapel [1-8]|Mittelstapel (Kreuz|Herz|Karo|Pik))\b"

GERMAN_SELECTED = r"Ausgewählt: $card\."
GERMAN_MOVED = (r"$card auf $onto_card gelegt\. "
                r"(Oben auf Seitenstapel $source liegt jetzt $any_card|"
                r"Seitenstapel $source ist jetzt leer)\.")
GERMAN_WHERE = r"$card kann $card_goes gelegt werden\."
GERMAN_DEALT = r"Karten für ein neues Spiel ausgeteilt\."

GERMAN_STEPS = [
    ("Tab into the cards", ["Tab"], [r"^Seitenstapel 5: $top5\b"]),
    ("Space on a top card selects it", ["@side $source", "space"], ["^" + GERMAN_SELECTED],
     {"braille": [GERMAN_SELECTED]}),
    ("W says where the selected card can go", ["w"], ["^" + GERMAN_WHERE],
     {"braille": [GERMAN_WHERE]}),
    ("a move onto a side stack", ["@side $onto", "space"], ["^" + GERMAN_MOVED],
     {"braille": [GERMAN_MOVED]}),
    ("Datei > Neues Spiel deals", ["alt+d", "@heard Neues Spiel", "n"], ["^" + GERMAN_DEALT, GERMAN_PLACE],
     {"any_order": True, "never": [CARDS_READ_ALONG], "braille": [GERMAN_DEALT]}),
    ("Info > Regeln reads the rules once", ["alt+i", "r"],
     [r"^Regeln\b", GERMAN_RULES_TEXT, r"^OK Druckknopf\b"],
     {"once": [GERMAN_RULES_TEXT], "quiet": 4,
      "braille": [r".*\bRegeln Dialog " + GERMAN_RULES_TEXT + r"\b.*"]}),
    ("Escape closes the rules, and the place is read again", ["Escape"], [GERMAN_PLACE],
     {"never": [CARDS_READ_ALONG]}),
]
