"""Plays the running game with xdotool and reads it through the AT-SPI bus as a screen reader
does: the twelve places named after the cards dealt, every card of a stack with the part of it
that shows, the focus on the place after Tab and the arrows (told last, after the card area's
own), hit-testing down to the card, and "selected" after Space.
    atspi_read.py WINDOW_ID"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def check(ok, message):
    if not ok:
        sys.exit("FAILED: " + message)


def keys(*names):
    subprocess.run(["xdotool", "windowfocus", "--sync", sys.argv[1]], check=True)
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def wait_for(test, seconds=10):
    deadline = time.monotonic() + seconds
    while not test() and time.monotonic() < deadline:
        time.sleep(0.1)
    return test()


def card_area():
    apps = [app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "ketterline"]
    return apps and pyatspi.findDescendant(apps[0], lambda node: node.name == "Cards")


area = wait_for(card_area)
check(area, "no card area named 'Cards' on the accessibility bus")
lists = [child for child in area if child.getRole() == pyatspi.ROLE_LIST]
check(len(lists) == 1, "%d lists of places instead of one" % len(lists))
places = list(lists[0])
check(len(places) == 12 and all(p.getRole() == pyatspi.ROLE_LIST_ITEM for p in places),
      "the list holds %s instead of 12 places" % [p.getRoleName() for p in places])
keys("space")  # "New" has the focus at start
side = re.compile(r"^Side stack [1-8]: (\w+ of \w+) on top, 6 cards$")
center = re.compile(r"^Center stack, (\w+): ace of \1$")
check(wait_for(lambda: all(side.match(p.name) or center.match(p.name) for p in places)),
      "the places are not named after the cards dealt: %s" % [p.name for p in places])
check(len({p.name.split(":")[1] for p in places}) == 12, "two places read alike")
print("After a deal the card area reads:")
for child in area:
    print("  %s: %s" % (child.getRoleName(), child.name))
    for place in child if child.getRole() == pyatspi.ROLE_LIST else []:
        print("    %s: %s" % (place.getRoleName(), place.name))

# Side stack 2 fans out to the right: each card below the top shows a strip on its left, the
# top card shows whole, and the place's own rectangle is its top card.
cards = list(places[5])
boxes = [card.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for card in cards]
top = places[5].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
check(len(cards) == 6 and cards[-1].name == side.match(places[5].name).group(1) + ", top card"
      and all(not card.name.endswith("top card") for card in cards[:-1]),
      "side stack 2 has the cards %s" % [card.name for card in cards])
check([(b.width, b.height) for b in boxes] == [(24, 97)] * 5 + [(79, 97)] and
      all(b.x == boxes[0].x + 24 * i for i, b in enumerate(boxes)) and
      (boxes[-1].x, boxes[-1].y) == (top.x, top.y),
      "the cards of side stack 2 stand at %s" % [(b.x, b.y, b.width, b.height) for b in boxes])
print("Side stack 2, bottom first: %s" %
      ", ".join("%s at %d,%d %dx%d" % (c.name, b.x, b.y, b.width, b.height)
                for c, b in zip(cards, boxes)))

focused = []
pyatspi.Registry.registerEventListener(
    lambda event: event.detail1 and focused.append(event.source.name),
    "object:state-changed:focused")
target = places[5]  # row 2, the side stack fanning right
target_name = target.name  # the cursor moves; nothing is selected, so the name stays
deadline = time.monotonic() + 20


def stop_once_focused():
    # Half a second more once the place has the focus, for any event that would follow it; a
    # slow machine (a sanitizer build) gets up to the deadline.
    if focused[-1:] == [target_name] or time.monotonic() > deadline:
        GLib.timeout_add(500, pyatspi.Registry.stop)
        return False
    return True


GLib.timeout_add(200, lambda: keys("Tab", "Right", "Right", "Down") or
                 GLib.timeout_add(200, stop_once_focused) and False)
pyatspi.Registry.start()
check(target.name.startswith("Side stack 2:") and focused[-1:] == [target.name] and
      target.getState().contains(pyatspi.STATE_FOCUSED),
      "focus events %s do not end on side stack 2" % focused)
print("Focus events after Tab, Right, Right, Down: %s" % focused)
box = target.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
hit = area.queryComponent().getAccessibleAtPoint(box.x + box.width // 2, box.y + box.height // 2,
                                                 pyatspi.DESKTOP_COORDS)
check(hit and hit.parent and hit.parent.name == target.name and hit.name.endswith(", top card"),
      "hit-testing side stack 2 finds %s" % (hit and hit.name))

card = side.match(target.name).group(1)
keys("space")
check(wait_for(lambda: target.name.endswith(", selected") and
               target.getState().contains(pyatspi.STATE_SELECTED)),
      "side stack 2 does not say it is selected after Space: %s" % target.name)
check(area[2].name == "Selected card: " + card, "the selected-card box is wrong")
print("After Space: %s" % target.name)
