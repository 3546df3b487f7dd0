#!/usr/bin/env python3
"""Plays a short game by keys with the real screen reader, Orca, listening, and reads what it
spoke from its debug file (every utterance is a "SPEECH OUTPUT:" line, sound card or not).

Would catch: an edit box that hangs or is slow on a reader's text questions (the word at the
end of the text); a trade, a trip, the Den or the end of a game whose result is never spoken
because it only changed labels that a reader skips; the Dog Catcher's outcome or a message
not heard. Exits 77 (skipped) where Orca is not installed.

Usage: play_with_orca.py BUILD_DIR WORK_DIR
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import time

from sandbox import Checks, fresh

if not shutil.which("orca"):
    print("orca is not installed: skipped")
    sys.exit(77)
build, work = (os.path.abspath(a) for a in sys.argv[1:3])
if os.environ.get("BARKMOOR_OWN_BUS") != "1":
    env = dict(fresh(work), BARKMOOR_OWN_BUS="1")
    python = "/usr/bin/python3" if os.access("/usr/bin/python3", os.X_OK) else sys.executable
    child = subprocess.Popen(["dbus-run-session", "--", python] + sys.argv, env=env, stdin=subprocess.DEVNULL)
    signal.signal(signal.SIGTERM, lambda *_: child.terminate())
    sys.exit(child.wait())

import pyatspi  # noqa: E402 (needs the session bus started above)
from xsession import XSession  # noqa: E402

signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
check = Checks()
log = os.path.join(work, "orca.log")


def spoken():
    """Orca's utterances so far."""
    try:
        with open(log, errors="replace") as f:
            return re.findall(r"SPEECH OUTPUT: '(.*)' ?\{'established", f.read())
    except FileNotFoundError:
        return []


def heard(pattern, what):
    lines = spoken()
    return check.expect(any(re.search(pattern, line) for line in lines),
                        "heard %s (%r)" % (what, pattern) + ("" if lines else ": Orca said nothing"))


def app(name):
    desktop = pyatspi.Registry.getDesktop(0)
    return next((a for a in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))
                 if a is not None and a.name.lower() == name), None)


def game():
    return app("barkmoor")


def find(node, test, depth=0):
    if node is None or depth > 30:
        return None
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def focused_title(x):
    code, out = x.run(["xdotool", "getwindowfocus", "getwindowname"])
    return out.strip() if code == 0 else ""


def keys(x, *names, until=None, timeout=10.0):
    """Types keys, then waits until the focused window's title is until."""
    for name in names:
        x.run(["xdotool", "key", name])
        time.sleep(0.3)
    deadline = time.monotonic() + timeout
    while until and focused_title(x) != until:
        if time.monotonic() > deadline:
            check.expect(False, "%s leads to '%s', not '%s'" % ("+".join(names), focused_title(x), until))
            check.finish()
        time.sleep(0.1)
    time.sleep(0.5)


MAIN, TRAVEL, NOTE, CATCHER = "Barkmoor - Personal Edition", "Where to Snorfle?", "Barkmoor", "Barkmoor - The Dog Catcher"
FINANCES, OFFER, DEN, OVER = "Barkmoor - Finances", "Information", "Barkmoor - Top Dog's Den", "Barkmoor - Game Over"
TEXT_QUERIES = [(kind, boundary) for kind in ("getTextAtOffset", "getTextBeforeOffset", "getTextAfterOffset")
                for boundary in (pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_SENTENCE_START,
                                 pyatspi.TEXT_BOUNDARY_LINE_START, pyatspi.TEXT_BOUNDARY_CHAR)]


def figure(description, window=MAIN):
    """A figure of a window, by the description that says what it is."""
    frame = find(game(), lambda n: n.name == window and n.getRoleName() in ("dialog", "frame"))
    return find(frame, lambda n: n.description == description and n.getRoleName() == "label").name


def text_of(window, words=3):
    """The first label of a window with at least so many words: its message."""
    frame = find(game(), lambda n: n.name == window and n.getRoleName() in ("dialog", "frame", "alert"))
    label = find(frame, lambda n: n.getRoleName() == "label" and len(n.name.split()) >= words)
    return label.name if label else None


def trip(x, key, den=False):
    """Trots and travels by a key, answering what comes until the main window (or the Den) is
    back; gives the text of every note and Dog Catcher outcome on the way."""
    keys(x, "Return", until=TRAVEL)
    keys(x, key)
    texts = []
    for _ in range(20):
        title = focused_title(x)
        if title in (MAIN, DEN):
            return texts
        if title == CATCHER:
            keys(x, "Return")  # run
        if title in (NOTE, CATCHER):
            texts.append(text_of(title))
        if title == FINANCES:
            keys(x, *(["Return"] if den else ["Tab", "Return"]))
        else:
            keys(x, "Escape" if title == OFFER else "Return")
    return texts


want = []
with XSession(env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")) as x:
    x.start(["openbox", "--sm-disable"], log=os.path.join(work, "openbox.log"))
    orca = x.start(["orca", "--debug-file", log], log=os.path.join(work, "orca.out"))
    deadline = time.monotonic() + 60
    while app("orca") is None:
        if time.monotonic() > deadline:
            check.expect(False, "Orca is on the accessibility bus")
            check.finish()
        time.sleep(0.3)
    x.start([os.path.join(build, "barkmoor")], cwd=work, log=os.path.join(work, "game.log"))
    keys(x, until=MAIN, timeout=30)

    # A trade of one of the cheapest goods, asking the amount box what a reader asks.
    rows = [find(game(), lambda n: n.name == "Buy" and n.getRoleName() == "list").getChildAtIndex(i).name
            for i in range(10)]
    prices = [int(r.rsplit("$ ", 1)[1]) if "$ " in r else 10 ** 9 for r in rows]
    keys(x, "shift+Tab", *["Down"] * prices.index(min(prices)), "Return", until="Buy how many Snorfle?")
    box = find(game(), lambda n: n.getState().contains(pyatspi.STATE_FOCUSED) and n.getRoleName() == "text")
    text = box.queryText()
    length = text.characterCount
    slowest = (0.0, None)
    for kind, boundary in TEXT_QUERIES:
        for offset in range(length + 1):
            start = time.monotonic()
            try:
                getattr(text, kind)(offset, boundary)
            except Exception as error:  # no answer at all within AT-SPI's own time limit
                check.expect(False, "%s(%d, %s) answered: %s" % (kind, offset, boundary, error))
                check.finish()
            slowest = max(slowest, (time.monotonic() - start, "%s(%d, %s)" % (kind, offset, boundary)))
    check.expect(slowest[0] < 1.0, "every text question answered within a second (slowest %s: %.2f s)"
                 % (slowest[1], slowest[0]))
    check.expect(text.getTextAtOffset(length, pyatspi.TEXT_BOUNDARY_WORD_START)[0] == text.getText(0, -1),
                 "the word at the end of the box is its text")
    check.expect(text.getAttributeRun(0, False)[1:] == [0, length], "one attribute run over the whole box")
    keys(x, "1", "Return", until=MAIN)
    want.append(("the cash after the trade", "cash " + re.escape(figure("Cash"))))

    # Trips until a message or the Dog Catcher, then to the garden and into the Den.
    for turn in range(6):  # rows 0 to 5: the garden stays a move away
        texts = trip(x, "Down")
        if texts:
            want.append(("the message", re.escape(texts[0][:60])))
            break
    check.expect(texts != [], "a message within 6 trips")
    if trip(x, "End", den=True) is not None and focused_title(x) == DEN:
        want.append(("the debt in the Den", "debt to the Top Dog is: " + re.escape(figure("Debt", DEN))))
        keys(x, "Return", until=FINANCES)
        keys(x, "Tab", "Return")
        if focused_title(x) == OFFER:
            keys(x, "Escape")
    else:
        check.expect(False, "the garden leads to the Den: '%s'" % focused_title(x))

    # Options > End Game, by keys.
    keys(x, "F10", "Right", "Up", "Return", until=OVER)
    want.append(("the final score", "Final Score: " + re.escape(figure("Final score", OVER))))
    keys(x, "Return")
    # Orca writes its file in blocks; all of it is there once it has ended.
    orca.terminate()
    orca.wait(timeout=30)
for what, pattern in want:
    heard(pattern, what)
menu = spoken()[max(i for i, line in enumerate(spoken()) if line.startswith("F10")):]
check.expect("End Game." in menu and not any(line.startswith("Trot") for line in menu[:menu.index("End Game.")]),
             "the open menu's items are read, not the window under it: %s" % menu[:8])
check.finish()
