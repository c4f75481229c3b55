"""Reads the running game through the AT-SPI accessibility bus, as a screen reader does, while
xdotool plays it: deals with Space on "New", checks that the twelve places are named after the
cards dealt, tabs into the cards and moves with the arrows (the place must take the focus),
then presses Space (the place must say it is selected).
    atspi_read.py WINDOW_ID
Exit status 0 when every check passes; prints what it read."""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

window = sys.argv[1]


def fail(message):
    print("FAILED: " + message)
    sys.exit(1)


def keys(*names):
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.15)


def wait_for(test, what, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = test()
        if found:
            return found
        time.sleep(0.1)
    fail(what)


def card_area():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "ketterline":
            found = pyatspi.findDescendant(
                app, lambda node: node.getRole() == pyatspi.ROLE_PANEL and node.name == "Cards")
            if found is not None:
                return found
    return None


def places(area):
    return [child for child in area if child.getRole() == pyatspi.ROLE_LIST_ITEM]


def has(node, state):
    return node.getState().contains(state)


area = wait_for(card_area, "no card area named 'Cards' on the accessibility bus")
if len(places(area)) != 12:
    fail("%d places instead of 12" % len(places(area)))

keys("space")  # "New" has the focus at start
side = re.compile(r"^Side stack [1-8]: (\w+ of \w+) on top, 6 cards$")
center = re.compile(r"^Center stack, (\w+): ace of \1$")
dealt = wait_for(lambda: all(side.match(p.name) or center.match(p.name) for p in places(area))
                 and places(area), "the places are not named after the cards dealt")
tops = {side.match(p.name).group(1) for p in dealt if side.match(p.name)}
if len(tops) != 8:
    fail("the eight side stacks do not show eight different top cards: %s" % sorted(tops))
print("After a deal the card area reads:")
for child in area:
    print("  %s: %s" % (child.getRoleName(), child.name))

focused = []


def on_focus(event):
    if event.detail1 == 1:
        focused.append(event.source.name)


def play_and_stop():
    keys("Tab", "Right", "Right", "Down")
    GLib.timeout_add(1000, lambda: pyatspi.Registry.stop())
    return False


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
GLib.timeout_add(200, play_and_stop)
pyatspi.Registry.start()
target = places(area)[5]  # row 2, the side stack fanning right
if not target.name.startswith("Side stack 2:") or not has(target, pyatspi.STATE_FOCUSED):
    fail("side stack 2 does not have the focus after Tab, Right, Right, Down")
if not focused or focused[-1] != target.name:
    fail("the last focus event was for %r, not for %r" % (focused[-1:], target.name))
print("Focus events after Tab and the arrows: %s" % focused)

keys("space")
wait_for(lambda: has(target, pyatspi.STATE_SELECTED) and target.name.endswith(", selected"),
         "side stack 2 does not say it is selected after Space")
box = [child for child in area if child.name.startswith("Selected card:")]
expected = "Selected card: " + side.match(target.name[:-len(", selected")]).group(1)
if not box or box[0].name != expected:
    fail("the selected-card box reads %r, not %r" % (box[0].name if box else None, expected))
print("After Space: %s (%s); %s" % (target.name, target.description, box[0].name))
