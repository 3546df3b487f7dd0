#!/usr/bin/env python3
"""Plays the zipped Windows game under Wine on a private X server.

Unpacks the zip into a fresh Wine prefix, starts barkmoor.exe, waits for the main window and
saves a screenshot, presses Trot, picks a place in the travel window, checks that the day
count dropped by one (or two, when the trip ended at the dog-house), and leaves by File > Exit, expecting exit code 0. The DLLs Wine
loaded are checked against the zip: each one the zip holds is loaded from it, and nothing
else is loaded from outside Wine's own system folder.

usage: play_under_wine.py ZIP SCREENSHOT_DIR
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from xsession import XSession  # noqa: E402

MAIN_TITLE = "Barkmoor - Personal Edition"
TRAVEL_TITLE = "Where to Snorfle?"
# Screenshots are read back by OCR, enlarged this much and smoothed first: the bitmap font's
# glyphs are too small for it as they are.
ENLARGE = 4


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(condition, timeout, step=0.2):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return None


def wine_env(prefix):
    env = dict(os.environ, WINEPREFIX=prefix, WINEDLLOVERRIDES="mscoree,mshtml=", WINEARCH="win64")
    env["WINEDEBUG"] = "-all"
    return env


class Screen:
    def __init__(self, session, folder):
        self.session = session
        self.folder = folder

    def grab(self, name):
        path = os.path.join(self.folder, name)
        code, _ = self.session.run(["import", "-window", "root", path], timeout=30)
        if code != 0:
            fail("could not take the screenshot " + name)
        return path

    def window_box(self, window):
        code, out = self.session.run(["xwininfo", "-id", window])
        if code != 0:
            fail("xwininfo failed on the main window")
        fields = dict(re.findall(r"^\s*([A-Za-z -]+):\s+(-?\d+)\s*$", out, re.M))
        return tuple(int(fields[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def window_name(session, window):
    code, out = session.run(["xdotool", "getwindowname", window])
    return out.strip() if code == 0 else ""


def press(session, window, key):
    """Gives the window the input focus, then types the key as a real keyboard would."""
    session.run(["xdotool", "windowfocus", "--sync", window])
    session.run(["xdotool", "key", key])


def ocr(image, box, scratch, *options):
    x, y, w, h = box
    crop = os.path.join(scratch, "crop.png")
    subprocess.run(["convert", image, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-colorspace",
                    "Gray", "-resize", "%d%%" % (ENLARGE * 100), "-bordercolor", "white", "-border", "20",
                    crop], check=True)
    done = subprocess.run(["tesseract", crop, "-", *options], capture_output=True, text=True)
    return done.stdout


def find_words(image, box, scratch):
    """The words OCR finds in a box of the screen: {text: (x, y, w, h)} in screen pixels."""
    words = {}
    for row in ocr(image, box, scratch, "--psm", "11", "tsv").splitlines()[1:]:
        cells = row.split("\t")
        if len(cells) == 12 and cells[11].strip():
            left, top, width, height = (int(v) for v in cells[6:10])
            words[cells[11].strip()] = (box[0] + (left - 20) // ENLARGE, box[1] + (top - 20) // ENLARGE,
                                        width // ENLARGE, height // ENLARGE)
    return words


def read_days(image, window_box, scratch):
    """The number right of the caption "Days Remaining:"."""
    words = find_words(image, window_box, scratch)
    if "Remaining:" not in words:
        return None
    x, y, w, h = words["Remaining:"]
    text = ocr(image, (x + w + 2, y - 3, 40, h + 6), scratch, "--psm", "7", "-c",
               "tessedit_char_whitelist=0123456789")
    digits = re.sub(r"\D", "", text)
    return int(digits) if digits else None


def check_loaded_dlls(log_text, unpacked):
    shipped = {name.lower() for name in os.listdir(unpacked) if name.lower().endswith(".dll")}
    for folder in ("platforms", "styles"):
        shipped |= {folder + "\\" + name.lower() for name in os.listdir(os.path.join(unpacked, folder))}
    loaded = set()
    for path in re.findall(r'Loaded L"([^"]+)"', log_text):
        path = path.replace("\\\\", "\\").lower()  # Wine's log doubles each backslash
        if path.startswith("c:\\windows\\") or not path.endswith(".dll"):
            continue
        if not path.startswith("c:\\barkmoor\\"):
            fail("loaded from outside the game's folder: " + path)
        loaded.add(path[len("c:\\barkmoor\\"):])
    if shipped - loaded:
        fail("shipped but never loaded: " + ", ".join(sorted(shipped - loaded)))
    if loaded - shipped:
        fail("loaded but not shipped: " + ", ".join(sorted(loaded - shipped)))
    print("DLLs loaded from the zip: " + ", ".join(sorted(loaded)))


def main():
    if len(sys.argv) != 3:
        fail(__doc__.strip().splitlines()[-1])
    zip_path, shots = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    os.makedirs(shots, exist_ok=True)
    scratch = tempfile.mkdtemp(prefix="barkmoor-wine-")
    try:
        prefix = os.path.join(scratch, "prefix")
        with XSession(env=wine_env(prefix)) as session:
            subprocess.run(["wineboot", "-i"], env=session.env, check=True, timeout=300,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            unpacked = os.path.join(prefix, "drive_c", "barkmoor")
            with zipfile.ZipFile(zip_path) as archive:
                archive.extractall(unpacked)
            log = os.path.join(scratch, "wine.log")
            session.env["WINEDEBUG"] = "+loaddll"
            started = time.monotonic()
            game = session.start(["wine", "C:\\barkmoor\\barkmoor.exe"], cwd=unpacked, log=log)
            session.env["WINEDEBUG"] = "-all"
            window = session.find_window(MAIN_TITLE, timeout=120)
            if not window:
                fail('no window "%s" within 120 s' % MAIN_TITLE)
            print("main window after %.1f s" % (time.monotonic() - started))
            screen = Screen(session, shots)
            time.sleep(1)  # let the first frame and the dialogs settle before the picture
            first = screen.grab("wine-main-window.png")
            box = screen.window_box(window)
            days_before = read_days(first, box, scratch)
            if days_before != 31:
                fail("the day count reads %r at the start, not 31" % days_before)
            trot = find_words(first, box, scratch).get("Trot")
            if not trot:
                fail("no Trot button on the screenshot")
            session.run(["xdotool", "mousemove", str(trot[0] + trot[2] // 2), str(trot[1] + trot[3] // 2),
                         "click", "1"])
            travel = session.find_window(TRAVEL_TITLE, timeout=30)
            if not travel:
                fail("Trot did not bring up the travel window")
            screen.grab("wine-travel-window.png")
            press(session, travel, "Down")  # with nothing picked yet, Down picks the first place

            def trip_done():
                # Whatever the trip brings (news, a find, the Dog Catcher) is answered with
                # Enter until only the main window is left and its day count has dropped.
                shown = session.run(["xdotool", "search", "--onlyvisible", "--name", "."])[1].split()
                others = [w for w in shown if w != window and window_name(session, w)]
                for other in others:
                    if window_name(session, other) != TRAVEL_TITLE:
                        press(session, other, "Return")
                        # One Return each: a second one would reach Trot once the prompt is gone.
                        wait_for(lambda: other not in session.run(
                            ["xdotool", "search", "--onlyvisible", "--name", "."])[1].split(), 10)
                if others:
                    return False
                # A move costs a day; the dog-house event on arrival costs one more.
                return read_days(screen.grab("wine-after-trot.png"), box, scratch) in (30, 29)

            if not wait_for(trip_done, 90, step=1.0):
                screen.grab("wine-after-trot.png")
                shown = session.run(["xdotool", "search", "--onlyvisible", "--name", "."])[1].split()
                fail("the trip did not end with the day count at 30 or 29; windows shown: %s"
                     % [window_name(session, w) for w in shown])

            # File > Exit through the menu bar: F10 opens it at File, Down its menu, Return exits.
            for key in ("F10", "Down", "Return"):
                press(session, window, key)
                time.sleep(0.5)
            try:
                code = game.wait(timeout=60)
            except subprocess.TimeoutExpired:
                fail("the game did not end after File > Exit")
            if code != 0:
                fail("the game ended with exit code %d" % code)
            with open(log, encoding="utf-8", errors="replace") as f:
                check_loaded_dlls(f.read(), unpacked)
            subprocess.run(["wineserver", "-k"], env=session.env, check=False)
        print("played one trip under Wine; screenshots in " + shots)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
