#!/usr/bin/env python3
"""Plays a short game by keys with Orca listening; reads what it spoke from its debug file. Would
catch: an edit box that hangs on or misreads a reader's text questions, or takes no amount or a refused
one through AT-SPI; a trade, trip, Den visit or game over whose result is never spoken; a message not
heard; a list entered without its row heard; a figure without its caption in flat review; the window
under an open menu read over it; a submenu or a tick not heard. Exits 77 (skipped) without Orca. Usage:
play_with_orca.py BUILD WORK"""
import itertools, os, re, shutil, signal, subprocess, sys, time  # noqa: E401

from sandbox import Checks, fresh

if not shutil.which("orca"):
    sys.exit(print("orca is not installed: skipped") or 77)
build, work = (os.path.abspath(a) for a in sys.argv[1:3])
if os.environ.get("BARKMOOR_OWN_BUS") != "1":  # a session bus of its own, as play_on_desktop.py
    python = "/usr/bin/python3" if os.access("/usr/bin/python3", os.X_OK) else sys.executable
    child = subprocess.Popen(["dbus-run-session", "--", python] + sys.argv, stdin=subprocess.DEVNULL,
                             env=dict(fresh(work), BARKMOOR_OWN_BUS="1"))
    signal.signal(signal.SIGTERM, lambda *_: child.terminate())
    sys.exit(child.wait())

import pyatspi  # noqa: E402 (needs the session bus started above)
from xsession import XSession  # noqa: E402

MAIN, TRAVEL, NOTE, CATCHER = "Barkmoor - Personal Edition", "Where to Snorfle?", "Barkmoor", "Barkmoor - The Dog Catcher"
DEN, OVER, FINANCES = "Barkmoor - Top Dog's Den", "Barkmoor - Game Over", "Barkmoor - Finances"
check, log, want = Checks(), os.path.join(work, "orca.log"), []


def find(node, test, depth=0):
    if node is None or depth > 30 or test(node):
        return node
    return next(filter(None, (find(node.getChildAtIndex(i), test, depth + 1) for i in range(node.childCount))), None)


def app(name):
    return find(pyatspi.Registry.getDesktop(0), lambda n: n.name.lower() == name and n.getRoleName() == "application")


def label(window, test):
    frame = find(app("barkmoor"), lambda n: n.name == window and n.getRoleName() in ("dialog", "frame", "alert"))
    return getattr(find(frame, lambda n: n.getRoleName() == "label" and test(n)), "name", None)


def hear(what, window, caption, flags=0):  # a figure by its caption, read with it
    figure = label(window, lambda n: n.description == caption)
    want.append((what, re.escape(figure) if figure else "^$ (not on screen)", flags))


def keys(*names, until=None):
    """Types keys, then waits up to 10 s (30 with none) for the window titled until to have the focus."""
    x.run(["xdotool", "key", "--delay", "300"] + list(names))
    deadline = time.monotonic() + (10 if names else 30)
    while until and title() != until and time.monotonic() < deadline:
        time.sleep(0.1)
    if until and title() != until:
        sys.exit("%s leads to '%s', not '%s'" % ("+".join(names), title(), until))
    time.sleep(0.5)


def answer(stop, leave={FINANCES: ["Tab", "Return"], "Information": ["Escape"]}):  # bank and offers: no
    """Answers windows until one in stop has the focus; gives the notes' and Dog Catcher's texts."""
    texts = []
    for _ in range(20):
        if title() in stop:
            break
        if title() == CATCHER:
            keys("Return")  # run
        if title() in (NOTE, CATCHER):
            texts.append(label(title(), lambda n: len(n.name.split()) >= 3))
        keys(*leave.get(title(), ["Return"]))
    return texts


with XSession(env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")) as x:
    def title():
        return x.run(["xdotool", "getwindowfocus", "getwindowname"])[1].strip()

    x.start(["openbox", "--sm-disable"], log=os.path.join(work, "openbox.log"))
    orca = x.start(["orca", "--debug-file", log], log=os.path.join(work, "orca.out"))
    for _ in itertools.takewhile(lambda _: app("orca") is None, range(200)):
        time.sleep(0.3)
    x.start([os.path.join(build, "barkmoor")], cwd=work, log=os.path.join(work, "game.log"))
    keys(until=MAIN)
    buy = find(app("barkmoor"), lambda n: n.name == "Buy" and n.getRoleName() == "list").getChildAtIndex(0).name
    want.append(("the row Enter would pick as the focus comes into a list", "^" + re.escape(buy), 0))

    # A trade of one Alpo (always on sale, and cheap), after the text questions that hung in its box,
    # typed as voice control would: the whole text, an insertion, a tab the keys could not type.
    keys("shift+Tab")  # the row heard before the next key, however far behind Orca is
    keys(*["Down"] * 5, "Return", until="Buy how many Snorfle?")
    box = find(app("barkmoor"), lambda n: n.getState().contains(pyatspi.STATE_FOCUSED) and n.getRoleName() == "text")
    keys("1", "2", "space", "3")
    text, start = box.queryText(), time.monotonic()
    answers = {(ask.__name__, boundary, offset): tuple(ask(offset, boundary)) for ask, boundary, offset in
               itertools.product((text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset),
                                 range(pyatspi.TEXT_BOUNDARY_LINE_END + 1), range(5))}  # a hang raises
    check.expect(time.monotonic() - start < 20, "the box answered %d text questions without a hang" % len(answers))
    words = [answers["getTextAtOffset", pyatspi.TEXT_BOUNDARY_WORD_START, offset] for offset in (0, 4)]
    check.expect(words == [("12 ", 0, 3), ("3", 3, 4)], "'12 3' reads as two words, the last at the end: %s" % words)
    check.expect(text.getAttributeRun(1, False)[1:] == [0, 4], "one attribute run over the box")
    typing = box.queryEditableText()
    typing.setTextContents(""), typing.insertText(0, "1", 1), typing.setTextContents("1\t2")
    check.expect(text.getText(0, -1) == "1", "the box took '1' and refused a tab: %r" % text.getText(0, -1))
    keys("Return", until=MAIN)
    sold = find(app("barkmoor"), lambda n: n.name == "Sell" and n.getRoleName() == "list").getChildAtIndex(5).name
    check.expect(sold.endswith(", 1 carried"), "the typed amount bought one: %s" % sold)
    hear("the cash after the trade", MAIN, "Cash", re.I)
    keys(*["KP_Home"] * 20)  # flat review, line by line up from Trot
    hear("the cash with its caption in flat review", MAIN, "Cash")

    # Trips until a message, then to the garden (rows 0 to 5 first, so it is a move) and the Den.
    for _ in range(6):
        keys("Return", until=TRAVEL)
        keys("Down")
        texts = answer((MAIN,))
        if texts:
            break
    if check.expect(texts != [], "a message within 6 trips"):
        want.append(("the message", re.escape(" ".join(texts[0].split())[:60]), 0))
    keys("Return", until=TRAVEL)
    keys("End")
    answer((MAIN, DEN), {FINANCES: ["Return"]})
    if check.expect(title() == DEN, "the garden leads to the Den"):
        hear("the Den's debt", DEN, "Debt")
        keys("Return", until=FINANCES)
        answer((MAIN,))

    # Options > New Game, into it and out again, then End Game.
    keys("F10", "Right", "Up", "Up", "Right", "Down", "Left", "Down", "Return", until=OVER)
    hear("the final score", OVER, "Final score")
    keys("Return")
    orca.terminate()  # Orca writes its file in blocks: all of it is there once it has ended
    orca.wait(timeout=30)
heard = [" ".join(line.split())  # the file indents the lines of an utterance after its first
         for line in re.findall(r"SPEECH OUTPUT: '(.*?)' ?\[?\{'established", open(log, errors="replace").read(), re.S)]
for what, pattern, flags in want:
    check.expect(any(re.search(pattern, line, flags) for line in heard), "heard %s (%r)" % (what, pattern))
menu = heard[max((i for i, line in enumerate(heard) if line.startswith("F10")), default=len(heard)):]
check.expect("End Game." in menu and not any(line.startswith("Trot") for line in menu[:menu.index("End Game.")]),
             "the open menu's items are read, not the window under it: %s" % menu[:4])
boxes = [i for i, line in enumerate(menu) if " check box " in line]
check.expect([menu[i].split(" check box ")[1] for i in boxes] == ["not checked.", "checked."] and
             menu[boxes[0] - 1].endswith(" collapsed.") and menu[boxes[-1] + 1] == menu[boxes[0] - 1],
             "a submenu's item reads as one, its items with their ticks, the item again as it closes: %s" % menu)
check.finish()
