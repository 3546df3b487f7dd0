#!/usr/bin/env python3
"""Plays turns of the built game on a private X server under a window manager (openbox),
with the keyboard alone, and reads the board through the AT-SPI accessibility bus as a
screen reader reads it to a listener; then the same on a Wayland compositor (weston).

Would catch: a message, question or dialog that closes leaving no window with the focus (the
window manager gives it to the closing window's owner as that too leaves the screen, and
every key is then lost until a click); the focus not back on Trot after a turn; a sell or buy
row read as a bare figure without its goods; a figure whose caption is not linked to it or not
read with it; the amount box of the buy prompt without a name; the focus reported in a hidden
or unfocused list as well as where it is; on Wayland also a window with no parent (an open question
hidden under the main window) and one asking for activation under another of the game's.

Usage: play_on_desktop.py BUILD_DIR WORK_DIR
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import time

from sandbox import Checks, fresh

MAIN = "Barkmoor - Personal Edition"
TRAVEL = "Where to Snorfle?"
NOTE = "Barkmoor"
OFFER = "Information"
FINANCES = "Barkmoor - Finances"
CATCHER = "Barkmoor - The Dog Catcher"
GAME_OVER = "Barkmoor - Game Over"
NAME_PROMPT = "Barkmoor - New Barkmoor High Score"
TURNS = 8          # turns to play at least
MOST_TURNS = 20    # and at most, waiting for a message
SETTLE = 8.0       # seconds a key may wait for a window to hold the focus

build, work = (os.path.abspath(a) for a in sys.argv[1:3])

# The accessibility bus needs a session bus; a fresh machine (or CI as root) has none.
if os.environ.get("BARKMOOR_OWN_BUS") != "1":
    if not shutil.which("dbus-run-session"):
        sys.exit("dbus-run-session is missing (apt-get install dbus)")
    env = fresh(work)
    env["BARKMOOR_OWN_BUS"] = "1"
    # Debian's pyatspi is for the system's own Python, which may not be the one running this.
    python = "/usr/bin/python3" if os.access("/usr/bin/python3", os.X_OK) else sys.executable
    child = subprocess.Popen(["dbus-run-session", "--", python] + sys.argv, env=env, stdin=subprocess.DEVNULL)
    signal.signal(signal.SIGTERM, lambda *_: child.terminate())
    sys.exit(child.wait())

import pyatspi  # noqa: E402 (needs the session bus started above)
from wayland_log import toplevels  # noqa: E402
from xsession import WestonSession, XSession  # noqa: E402

signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
check = Checks()


def settled_title(x, known):
    """Waits until one of the known windows holds the focus and keeps it briefly."""
    deadline = time.monotonic() + SETTLE
    last, since = None, time.monotonic()
    while time.monotonic() < deadline:
        title = x.focused_title()
        if title != last:
            last, since = title, time.monotonic()
        elif title in known and time.monotonic() - since >= 0.4:
            return title
        time.sleep(0.1)
    return None


def walk(node, found, depth=0):
    if node is None or depth > 40:
        return
    found.append(node)
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), found, depth + 1)


def game_tree():
    """Every accessible object of the game, or [] before it is on the bus."""
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "barkmoor":
            found = []
            walk(app, found)
            return found
    return []


def role(node):
    return node.getRoleName()


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def focused(tree):
    return [n for n in tree if n.getState().contains(pyatspi.STATE_FOCUSED)]


def describe(node):
    return "%s '%s'" % (role(node), node.name)


def read_board(tree):
    """The main window read aloud: each figure with its caption, each row with its goods."""
    spoken = []
    captions = {}
    for node in tree:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets():
                captions[node.name if role(node) != "progress bar" else "Health bar"] = relation.getTarget(0).name
    lists = {n.name: n for n in tree if role(n) == "list" and showing(n)}
    rows = {name: [lists[name].getChildAtIndex(i).name for i in range(lists[name].childCount)]
            for name in ("Sell", "Items", "Buy") if name in lists}
    spoken.extend(captions)
    spoken.extend("Health %d" % n.queryValue().currentValue for n in tree if role(n) == "progress bar")
    for name in ("Sell", "Buy"):
        spoken.extend(rows.get(name, []))
    return captions, rows, spoken


def play(x, label):
    """Plays on a desktop whose game has just been started there, with label before the
    checks that can fail on one desktop alone."""
    if not check.expect(settled_title(x, {MAIN}) == MAIN, "%s: the main window has the focus at start" % label):
        return

    # The board as a listener hears it, before any turn.
    tree = []
    deadline = time.monotonic() + 20
    while not tree and time.monotonic() < deadline:
        tree = game_tree()
        time.sleep(0.3)
    if not check.expect(tree != [], "the game is on the accessibility bus"):
        return
    captions, rows, spoken = read_board(tree)
    print("\n".join("  heard: " + line for line in spoken))
    want = {"Cash": r"\$ -?\d+", "Debt": r"\$ -?\d+", "Savings": r"\$ -?\d+", "Doggie Coat Pockets": r"\d+/\d+",
            "Days Remaining:": r"\d+", "Licenced": r"Yes|No"}
    for caption, figure in want.items():
        values = [v for v, c in captions.items() if c == caption]
        check.expect(len(values) == 1 and re.fullmatch("%s (%s)" % (re.escape(caption), figure), values[0]) is not None,
                     "'%s' labels its figure %s" % (caption, values))
    check.expect(captions.get("Health bar") == "Health", "'Health' labels the health bar")
    goods = rows.get("Items", [])
    check.expect(len(goods) == 10, "ten goods in the names column")
    sell, buy = rows.get("Sell", []), rows.get("Buy", [])
    check.expect(len(sell) == 10 and all(re.fullmatch(re.escape(g) + r", \d+ carried", s) for g, s in zip(goods, sell)),
                 "each sell row reads with its goods: %s" % sell[:2])
    check.expect(len(buy) == 10 and all(re.fullmatch(re.escape(g) + r", (\$ \d+|not on sale)", b)
                                        for g, b in zip(goods, buy)),
                 "each buy row reads with its goods: %s" % buy[:2])
    check.expect(all(not b.endswith(", $ 0") for b in buy), "a price of 0 reads as not on sale")

    # Turns from the keyboard alone. Before every key a game window must hold the focus.
    known = {MAIN, TRAVEL, NOTE, OFFER, FINANCES, CATCHER, GAME_OVER, NAME_PROMPT}
    turns, messages, last = 0, 0, "start"
    lost = None
    down = True
    while True:
        title = settled_title(x, known)
        if title is None:
            lost = "after %s no game window holds the focus (focus on %r)" % (last, x.focused_title())
            break
        if title == MAIN:
            if turns > 0:
                names = [describe(n) for n in focused(game_tree())]
                if names not in (["push button 'Trot'"], ["push button 'End'"]):
                    lost = "after turn %d the focus is reported on %s, not Trot alone" % (turns, names)
                    break
            if turns >= MOST_TURNS or (turns >= TURNS and messages > 0):
                break
            keys = ["Return"]
            turns += 1
        elif title == TRAVEL:
            keys = ["Down" if down else "Up"]  # rows 0 and 1 in turn: always a move
            down = not down
        elif title in (NOTE, CATCHER, NAME_PROMPT):
            messages += title == NOTE
            keys = ["Return"]
        elif title == OFFER:
            keys = ["Escape"]
        elif title == FINANCES:
            keys = ["Tab", "Return"]  # No
        else:  # the game is over: another game
            keys = ["Tab", "Return"]
        for key in keys:
            x.key(key)
        last = "%s in '%s'" % ("+".join(keys), title)
    check.expect(lost is None, lost or "every key found a focused window (%d turns, %d messages)" % (turns, messages))
    check.expect(messages > 0, "the turns brought at least one message")
    if lost:
        return

    # The buy prompt: its box reads with its prompt; the focus is reported where it is.
    if settled_title(x, {MAIN}) == MAIN:
        captions, rows, _ = read_board(game_tree())
        buy = rows.get("Buy", [])
        cash = int(next(v for v, c in captions.items() if c == "Cash").split()[-1])
        prices = [int(b.rsplit("$ ", 1)[1]) if "$ " in b else 0 for b in buy]
        row = next((i for i, p in enumerate(prices) if 0 < p <= cash), None)
        if check.expect(row is not None, "something on sale that the cash pays for"):
            for key in ["shift+Tab"] + ["Down"] * row:
                x.key(key)
                time.sleep(0.2)
            time.sleep(0.5)
            names = [describe(n) for n in focused(game_tree())]
            check.expect(names == ["list 'Buy'", "list item '%s'" % buy[row]],
                         "the focus is reported on the buy column and its row alone: %s" % names)
            x.key("Return")
            prompt = settled_title(x, {x.focused_title()} - {MAIN, None})
            time.sleep(0.5)
            boxes = [n for n in focused(game_tree()) if role(n) in ("text", "entry")]
            check.expect(len(boxes) == 1 and boxes[0].name != "",
                         "the prompt's box '%s' has a name: %s" % (prompt, [describe(b) for b in boxes]))
            x.key("Escape")
            check.expect(settled_title(x, {MAIN}) == MAIN, "the main window has the focus again after the prompt")


env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
with XSession(env=env) as x:
    x.start(["openbox", "--sm-disable"], log=os.path.join(work, "openbox.log"))
    deadline = time.monotonic() + 60  # a hang, not a slow start on a busy machine
    while "window id" not in x.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"])[1]:
        if time.monotonic() > deadline:
            sys.exit("openbox did not start")
        time.sleep(0.1)
    x.start([os.path.join(build, "barkmoor")], cwd=work, log=os.path.join(work, "game.log"))
    play(x, "X11")

# The same on Wayland, where only a window's parent keeps it over the game.
if not shutil.which("weston"):
    print("SKIP the Wayland run: weston is missing")
    check.finish()
with WestonSession(work, env=dict(env, WAYLAND_DEBUG="1")) as w:
    log = os.path.join(work, "game-wayland.log")
    w.start([os.path.join(build, "barkmoor")], cwd=work, log=log)
    play(w, "Wayland")
    shown = toplevels(log)
    # The name prompt and the game-over window come up while the main window is hidden, with no
    # window of the game on screen to stand over.
    orphans = [t["title"] for t in shown[1:] if t["parent"] is None and t["title"] not in (NAME_PROMPT, GAME_OVER)]
    check.expect(not orphans, "every window after the main window has a parent: none lacks one %s" % orphans)
    pushy = [t["title"] for t in shown if t["over"]]
    check.expect(not pushy, "no window asked for activation under another of the game's: %s" % pushy)
check.finish()
