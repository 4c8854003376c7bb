"""The running program as a screen reader finds it on the accessibility bus (AT-SPI).

Usage: read_aloud.py SECONDS
Checks, each within SECONDS: the main window is a frame named "Kelvra95"; every push button of
it has a name and the action "Press"; pressing the side windows' buttons through the bus opens
the windows "Kelvra95 - Tracks", "- Red Spot" and "- Events" (en dashes); in the events list,
the Down key moves the selection to the next line and the reader is told that line took the
focus; another year typed into the main window gives the list another name, of which the
reader is told, and other lines, which it reads as they are now. Prints the reason and exits 1 on the first failure.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SECONDS = float(sys.argv[1])
SIDE_WINDOWS = {"Satellite tracks": "Kelvra95 \u2013 Tracks",
                "Great Red Spot transits": "Kelvra95 \u2013 Red Spot",
                "Moon events": "Kelvra95 \u2013 Events"}


def fail(why):
    print("FAILED: " + why, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe):
    """Runs probe (events delivered between tries) until it returns a value; fails naming what."""
    deadline = time.monotonic() + SECONDS
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        found = probe()
        if found:
            return found
        time.sleep(0.05)
    fail("no %s within %g s" % (what, SECONDS))


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "kelvra95" and app.childCount > 0:
            return app
    return None


def frame(app, name):
    return next((w for w in app if w is not None and w.getRole() == pyatspi.ROLE_FRAME
                 and w.name == name), None)


def descendants(node, role):
    found = [node] if node.getRole() == role else []
    for child in node:
        if child is not None:
            found.extend(descendants(child, role))
    return found


app = wait_for("program on the accessibility bus", program)
main = wait_for("main window named Kelvra95", lambda: frame(app, "Kelvra95"))
buttons = {b.name: b for b in descendants(main, pyatspi.ROLE_PUSH_BUTTON)}
if len(buttons) < 14 or "" in buttons:
    fail("the main window's buttons are %s" % sorted(buttons))
for name, button in buttons.items():
    action = button.queryAction()
    if [action.getName(i) for i in range(action.nActions)] != ["Press"]:
        fail("the button %s cannot be pressed" % name)

for button, title in SIDE_WINDOWS.items():
    buttons[button].queryAction().doAction(0)
    wait_for("window " + title, lambda title=title: frame(app, title))

events = frame(app, SIDE_WINDOWS["Moon events"])
lines = wait_for("list of moon events",
                 lambda: next(iter(descendants(events, pyatspi.ROLE_LIST)), None))
items = [item for item in lines]
selected = [i for i, item in enumerate(items) if item.getState().contains(pyatspi.STATE_SELECTED)]
if len(selected) != 1 or selected[0] + 1 >= len(items):
    fail("the events list has %d lines, selected: %s" % (len(items), selected))
heard = []
pyatspi.Registry.registerEventListener(heard.append, "object:state-changed:focused")
# The events window is the last one opened and has the keyboard.
subprocess.run(["xdotool", "key", "Down"], check=True)
following = items[selected[0] + 1].name
wait_for("focus event for the line " + following,
         lambda: any(e.detail1 == 1 and e.source.name == following
                     and e.source.getRole() == pyatspi.ROLE_LIST_ITEM for e in heard))
if not items[selected[0] + 1].getState().contains(pyatspi.STATE_SELECTED):
    fail("the line %s took the focus but is not selected" % following)

# Another year typed into the main window: the list has another name, of which the reader is
# told, and other lines, which it reads as they are now, not as it first read them.
first = items[0].name
changes = []
pyatspi.Registry.registerEventListener(changes.append, "object:property-change:accessible-name")
year = next(t for t in descendants(main, pyatspi.ROLE_TEXT) if t.name == "Year")
year.queryAction().doAction(0)  # SetFocus
window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Kelvra95$"],
                        check=True, capture_output=True, text=True).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
subprocess.run(["xdotool", "key", "ctrl+a", "type", "1999"], check=True)
subprocess.run(["xdotool", "key", "Return"], check=True)
renewed = wait_for("the events list of 1999",
                   lambda: lines.childCount > 0 and lines[0].name != first and lines[0].name)
if " 1999, " not in lines.name:
    fail("the events list is called %s after the year 1999 was typed" % lines.name)
wait_for("word to the reader that the events list has a new name",
         lambda: any(e.source.getRole() == pyatspi.ROLE_LIST for e in changes))
print("read aloud: %d buttons pressable; side windows opened by the reader; the line %s told; "
      "the list of 1999 starts %s" % (len(buttons), following, renewed))
