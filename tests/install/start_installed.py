#!/usr/bin/env python3
"""Installs the build, starts the game through its command link on a private X server (no
window manager), opens Help Topics from the keyboard, reads what the help window shows and
leaves through File > Exit.

Would catch: Help Topics looking beside the link or in the working folder instead of the
program's own folder (the viewer then says it cannot find the file); a desktop entry whose
StartupWMClass is not the window's class (the dock shows a second, nameless button); the
windows' icon not taken from the icon set (a blurred dog at 2x); an installed program that
does not start or does not end on Exit.

Usage: start_installed.py BUILD_DIR WORK_DIR SOURCE_DIR
"""
import html
import os
import re
import signal
import sys
import time

from sandbox import APP_ID, Checks, desktop_entry, fresh, install
from xsession import XSession

MAIN = "Barkmoor - Personal Edition"
HELP = "Barkmoor Help"

build, work, source = sys.argv[1:4]
# ctest ends a test that runs too long; end cleanly so the X server goes with it.
signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
env = fresh(work)
usr = install(build, os.path.join(work, "root"), env)
check = Checks()


def first_paragraph(path):
    """The help file's first paragraph as plain text, blanks folded."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    body = text[text.index("<body"):]
    para = re.search(r"<p>(.*?)</p>", body, re.S).group(1)
    return " ".join(html.unescape(re.sub(r"<[^>]+>", "", para)).split())


def keys(x, window, *names):
    """Gives window the focus, then types the keys one at a time."""
    x.run(["xdotool", "windowfocus", "--sync", window])
    for name in names:
        time.sleep(0.25)
        x.run(["xdotool", "key", name])


with XSession(env=env) as x:
    game = x.start([os.path.join(usr, "bin", "barkmoor")], cwd=work, log=os.path.join(work, "game.log"))
    main = x.find_window(MAIN, timeout=30)
    if not check.expect(main is not None, "the window '%s' is mapped" % MAIN):
        check.finish()

    _, wm_class = x.run(["xprop", "-id", main, "WM_CLASS"])
    classes = re.findall(r'"([^"]*)"', wm_class)
    startup_class = desktop_entry(os.path.join(usr, "share", "applications", APP_ID + ".desktop"))["StartupWMClass"]
    check.expect(classes[-1:] == [startup_class],
                 "window class %s is the desktop entry's StartupWMClass %s" % (classes, startup_class))

    # Help > Help Topics: Alt reaches the menu bar, Left wraps round to Help, Down opens it
    # at its first item.
    helpwin = None
    for attempt in range(3):
        keys(x, main, "alt", "Left", "Down", "Return")
        helpwin = x.find_window(HELP, timeout=5)
        if helpwin:
            break
        keys(x, main, "Escape", "Escape")
    if check.expect(helpwin is not None, "Help Topics opens the window '%s'" % HELP):
        _, icon = x.run(["xprop", "-id", helpwin, "_NET_WM_ICON"])
        sizes = sorted(set(int(w) for w, h in re.findall(r"Icon \((\d+) x (\d+)\)", icon) if w == h))
        check.expect(sizes == [16, 22, 24, 32, 48, 64], "the help window's icon offers %s pixels" % sizes)
        # What the viewer shows, copied out through the clipboard.
        expected = first_paragraph(os.path.join(source, "res", "barkmoor.hlp"))
        shown = ""
        for attempt in range(3):
            keys(x, helpwin, "ctrl+a", "ctrl+c")
            time.sleep(0.3)
            _, shown = x.run(["xclip", "-selection", "clipboard", "-o"], timeout=5)
            if expected in " ".join(shown.split()):
                break
        check.expect(expected in " ".join(shown.split()),
                     "the help window shows the help file: %r" % " ".join(shown.split())[:120])

    # File > Exit, the first item of the first menu.
    keys(x, main, "alt", "Down", "Return")
    try:
        code = game.wait(timeout=15)
    except Exception:
        code = None
    check.expect(code == 0, "File > Exit ends the game with exit code 0 (%s)" % code)
check.finish()
