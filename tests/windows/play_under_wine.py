#!/usr/bin/env python3
"""Plays the zipped Windows game under Wine, in a Wine desktop where Wine draws the frames.

Runs twice, each time in a fresh Wine prefix with Wine's own fonts in its font folder: at 96 and
at 192 dots per inch (Wine's LogPixels setting), each in a Wine desktop smaller than the private
X screen. Windows' own view of the windows (style, owner, enabled, active, place) is read with
list_windows.exe, cross-built beside the game.

Each run: the main window (its day count read back by OCR, the header's "Items" whole), Trot,
the travel window, a trip to the first place with whatever it brings answered, a trip back to
the garden with the system's Yes/No boxes (owned by the main window, which they disable; Esc
leaves a box on the screen; the main window active again after), Top Dog's den and the bank, the
About window, the game-over window and New Game, then File > Exit with exit code 0. The main and travel windows, and every other game window that comes up, must
have no system menu and no resizing frame, keeping the caption and the minimise box; every
prompt keeps its system menu in a border that does not resize. Game windows are told from
prompts by their captions, and their client areas must have their forms' sizes (the main
window's with the menu bar above). Every window is saved as a picture of its own in SCREENSHOT_DIR.
At 192 dots per inch the main and travel windows' client areas must be twice their size at 96.
The program holds the bark once, and at 96 dots per inch both games' barks were played from its
resource SnorfleBark (whether they sound, Wine here cannot tell: there is no sound device). The
DLLs Wine loaded are checked against the zip: each one the zip holds is loaded from it, and
nothing else is loaded from outside Wine's own system folder.

usage: play_under_wine.py ZIP SCREENSHOT_DIR LIST_WINDOWS_EXE
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET
import zipfile

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
sys.path[:0] = [os.path.join(ROOT, "tools"), os.path.join(ROOT, "tools", "windows")]
from xsession import XSession  # noqa: E402
from wine_prefix import make_prefix, wine_env  # noqa: E402

MAIN_TITLE = "Barkmoor - Personal Edition"
TRAVEL_TITLE = "Where to Snorfle?"
FINANCES_TITLE = "Barkmoor - Finances"
WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX = 0xC00000, 0x80000, 0x40000, 0x20000
# Screen and Wine desktop at each run's dots per inch: the desktop smaller than the screen
# (a larger one shows no window at all).
RUNS = ((96, "1280x1024", "1024x768"), (192, "1920x1200", "1700x1100"))


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(condition, timeout, step=0.3):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(step)
    return None


def prepare_prefix(env, dpi):
    """A fresh prefix that runs every program in a Wine desktop at these dots per inch."""
    make_prefix(env, ((r"HKCU\Software\Wine\Explorer", "Desktop", "REG_SZ", "Barkmoor"),
                      (r"HKCU\Software\Wine\Explorer\Desktops", "Barkmoor", "REG_SZ", dpi[2]),
                      (r"HKCU\Control Panel\Desktop", "LogPixels", "REG_DWORD", str(dpi[0]))))


class Desktop:
    """The Wine desktop on the X screen and the windows Windows holds on it."""

    def __init__(self, session, lister, shots, work, dpi):
        self.session, self.lister, self.shots, self.work = session, lister, shots, work
        self.suffix = "" if dpi == 96 else "-%ddpi" % dpi
        self.scale = dpi // 96
        self.enlarge = 4 // self.scale  # OCR wants the glyphs larger than the bitmap font's
        self.x = self.y = 0
        self.pictures = []

    def windows(self):
        # Into a file, not a pipe: a Wine server or desktop started by this call would hold a
        # pipe open long after the lister has ended.
        listing = os.path.join(self.work, "windows.txt")
        with open(listing, "w") as out:
            subprocess.run(["wine", self.lister], env=self.session.env, stdout=out, stderr=subprocess.DEVNULL,
                           timeout=60)
        with open(listing, encoding="utf-8", errors="replace") as f:
            out = f.read()
        found = []
        for line in out.splitlines():
            cells = line.split("\t")
            if len(cells) != 9:
                continue
            frame = [int(v) for v in cells[6].split()]
            client = [int(v) for v in cells[7].split()]
            found.append(dict(handle=cells[0], owner=cells[1], style=int(cells[2], 16), enabled=cells[4] == "1",
                              active=cells[5] == "1", frame=frame, client=client, title=cells[8]))
        return found

    def find(self, title, timeout=30):
        return wait_for(lambda: next((w for w in self.windows() if w["title"] == title), None), timeout)

    def place_on_screen(self):
        code, out = self.session.run(["xdotool", "search", "--onlyvisible", "--name", "Wine desktop"])
        if code != 0 or not out.split():
            fail("no Wine desktop on the X screen")
        window = out.split()[0]
        code, out = self.session.run(["xwininfo", "-id", window])
        fields = dict(re.findall(r"^\s*([A-Za-z -]+):\s+(-?\d+)\s*$", out, re.M))
        self.x, self.y = int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"])
        self.session.run(["xdotool", "windowfocus", window])  # keys go on to the active window

    def box(self, rect):
        """A Windows rectangle as (x, y, w, h) on the X screen."""
        return (self.x + rect[0], self.y + rect[1], rect[2] - rect[0], rect[3] - rect[1])

    def screen(self):
        path = os.path.join(self.work, "screen.png")
        if self.session.run(["import", "-window", "root", path], timeout=30)[0] != 0:
            fail("could not take a screenshot")
        return path

    def grab(self, window, name):
        """Saves the window, frame and all, as a picture of its own; gives the whole screen's."""
        screen = self.screen()
        path = os.path.join(self.shots, "wine-%s%s.png" % (name, self.suffix))
        x, y, w, h = self.box(window["frame"])
        subprocess.run(["convert", screen, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", path], check=True)
        self.pictures.append(os.path.basename(path))
        return screen

    def press(self, *keys):
        for key in keys:
            self.session.run(["xdotool", "key", key])
            time.sleep(0.4)

    def click(self, point):
        self.session.run(["xdotool", "mousemove", str(point[0]), str(point[1]), "click", "1"])

    def ocr(self, image, box, *options):
        x, y, w, h = box
        crop = os.path.join(self.work, "crop.png")
        subprocess.run(["convert", image, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage", "-colorspace",
                        "Gray", "-resize", "%d%%" % (self.enlarge * 100), "-bordercolor", "white", "-border", "20",
                        crop], check=True)
        return subprocess.run(["tesseract", crop, "-", *options], capture_output=True, text=True).stdout

    def words(self, image, window):
        """The words OCR finds in a window's client area: {text: (x, y, w, h)} on the X screen."""
        return self.words_in(image, self.box(window["client"]))

    def words_in(self, image, box):
        found = {}
        for row in self.ocr(image, box, "--psm", "11", "tsv").splitlines()[1:]:
            cells = row.split("\t")
            if len(cells) == 12 and cells[11].strip():
                left, top, width, height = (int(v) for v in cells[6:10])
                found[cells[11].strip()] = (box[0] + (left - 20) // self.enlarge, box[1] + (top - 20) // self.enlarge,
                                            width // self.enlarge, height // self.enlarge)
        return found

    def click_word(self, window, word, required=True):
        spot = self.words(self.screen(), window).get(word)
        if spot:
            self.click((spot[0] + spot[2] // 2, spot[1] + spot[3] // 2))
        elif required:
            fail('no "%s" on the window "%s"' % (word, window["title"]))
        return spot

    def click_menu(self, window, menu, item):
        """Opens a menu of the window's menu bar and clicks one of its items, found by OCR."""
        spot = self.click_word(window, menu)
        time.sleep(1)
        box = (spot[0] - 10, spot[1] + spot[3], 160 * self.scale, 140 * self.scale)
        found = self.words_in(self.screen(), box).get(item)
        if not found:
            fail('no "%s" in the menu "%s"' % (item, menu))
        self.click((found[0] + found[2] // 2, found[1] + found[3] // 2))

    def read_days(self, image, window):
        """The number right of the caption "Days Remaining:"."""
        found = self.words(image, window)
        if "Remaining:" not in found:
            return None
        x, y, w, h = found["Remaining:"]
        text = self.ocr(image, (x + w + 2, y - 3, 40 * self.scale, h + 6), "--psm", "7", "-c",
                        "tessedit_char_whitelist=0123456789")
        digits = re.sub(r"\D", "", text)
        return int(digits) if digits else None


def read_forms():
    """Each game window's caption and client size at 96 dpi, as its form in res/ gives them; the
    main window's form gives the client area under the menu bar."""
    forms = {}
    for unit in range(1, 8):
        top = ET.parse(os.path.join(ROOT, "res", "Unit%d.ui" % unit)).getroot().find("widget")
        size = top.find("widget/property[@name='minimumSize']/size") if top.get("class") == "QMainWindow" \
            else top.find("property[@name='geometry']/rect")
        forms[top.findtext("property[@name='windowTitle']/string")] = (int(size.findtext("width")),
                                                                       int(size.findtext("height")))
    return forms


FORMS = read_forms()


def check_game_frame(window, scale):
    """No system menu (so no caption buttons) and no resizing frame; caption and minimise box kept;
    the client area its form's size (the main window's with the menu bar above)."""
    width, height = (scale * n for n in FORMS[window["title"]])
    client = window["client"]
    shown = (client[2] - client[0], client[3] - client[1])
    if shown[0] != width or (shown[1] <= height if window["title"] == MAIN_TITLE else shown[1] != height):
        fail('"%s" has a client area of %s, not its form\'s %s' % (window["title"], shown, (width, height)))
    style = window["style"]
    if style & (WS_SYSMENU | WS_THICKFRAME) or (style & WS_CAPTION) != WS_CAPTION or not style & WS_MINIMIZEBOX:
        fail('"%s" has the style %08x: not a caption with a fixed single border and no system menu'
             % (window["title"], style))


def check_prompt_frame(window):
    """The system menu and close box kept, in a border that does not resize."""
    if not window["style"] & WS_SYSMENU or window["style"] & WS_THICKFRAME:
        fail('the prompt "%s" has the style %08x: not a fixed border with a system menu'
             % (window["title"], window["style"]))


def slug(title):
    return re.sub(r"[^a-z0-9]+", "-", title.lower()).strip("-")


def answer_until_only_main(desktop, main, asked):
    """Answers whatever comes up, topmost first, until only the main window is left.

    The garden's questions are checked and answered Yes; a game window that comes up (Top Dog, bank, Dog Catcher) has its frame checked and is left by its
    Leave button or, without one, by Enter; any other prompt is answered with Enter.
    """
    pictured = set()
    deadline = time.monotonic() + 120
    while time.monotonic() < deadline:
        shown = desktop.windows()
        if all(w["handle"] == main["handle"] for w in shown):
            return
        window = next((w for w in shown if w["handle"] != main["handle"] and w["title"] != TRAVEL_TITLE
                       and w["enabled"]), None)
        if not window:
            time.sleep(0.3)
            continue
        first = window["handle"] not in pictured
        pictured.add(window["handle"])
        time.sleep(0.5)  # drawn before the picture
        if window["title"] == FINANCES_TITLE:
            asked.append(window)
            desktop.grab(window, "finances-question-%d" % len(asked))
            check_prompt_frame(window)
            owner = next(w for w in desktop.windows() if w["handle"] == main["handle"])
            if window["owner"] != main["handle"]:
                fail("the Yes/No box is owned by %s, not by the main window %s" % (window["owner"], main["handle"]))
            if owner["enabled"]:
                fail("the main window is enabled while the Yes/No box is open")
            desktop.press("Escape")
            time.sleep(1)
            if not any(w["title"] == FINANCES_TITLE for w in desktop.windows()):
                fail("Esc left no Yes/No box on the screen")
            desktop.press("Return")
        elif window["title"] in FORMS:
            check_game_frame(window, desktop.scale)
            if first:
                desktop.grab(window, slug(window["title"]))
            if not desktop.click_word(window, "Leave", required=False):
                desktop.press("Return")
        else:
            check_prompt_frame(window)
            if first:
                desktop.grab(window, "prompt-%s-%d" % (slug(window["title"]), len(desktop.pictures)))
            desktop.press("Return")
        # On once this window has gone or another stands over it.
        wait_for(lambda: next((w["handle"] for w in desktop.windows() if w["enabled"]
                               and w["handle"] != main["handle"] and w["title"] != TRAVEL_TITLE), None)
                 != window["handle"], 10)
    fail("windows still open after two minutes: %s" % [w["title"] for w in desktop.windows()])


def check_bark(log_text):
    """The bark was asked of the program's own resources and found there (Wine's sound player
    says "Memory sound" once it holds the wave); whether it sounds, Wine here cannot tell."""
    asked = log_text.count('SoundName=L"SnorfleBark"')
    if asked < 2 or log_text.count("Memory sound") < asked:
        fail("the barks of the two games were not played from the resource SnorfleBark (%d asked)" % asked)


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


def play(zip_path, shots, lister, scratch, dpi):
    """One run at these dots per inch; gives the main and travel windows' client sizes."""
    prefix = os.path.join(scratch, "prefix-%d" % dpi[0])
    with XSession(screen=dpi[1] + "x24", env=wine_env(prefix)) as session:
        prepare_prefix(session.env, dpi)
        unpacked = os.path.join(prefix, "drive_c", "barkmoor")
        with zipfile.ZipFile(zip_path) as archive:
            archive.extractall(unpacked)
        log = os.path.join(scratch, "wine-%d.log" % dpi[0])
        session.env["WINEDEBUG"] = "+loaddll,+winmm"
        started = time.monotonic()
        game = session.start(["wine", "C:\\barkmoor\\barkmoor.exe"], cwd=unpacked, log=log)
        session.env["WINEDEBUG"] = "-all"
        desktop = Desktop(session, lister, shots, scratch, dpi[0])
        main = desktop.find(MAIN_TITLE, timeout=120)
        if not main:
            fail('no window "%s" within 120 s' % MAIN_TITLE)
        print("%d dpi: main window after %.1f s" % (dpi[0], time.monotonic() - started))
        desktop.place_on_screen()
        check_game_frame(main, desktop.scale)
        time.sleep(1)  # let the first frame and the dialogs settle before the picture
        first = desktop.grab(main, "main-window")
        words = desktop.words(first, main)
        if desktop.read_days(first, main) != 31:
            fail("the day count reads %r at the start, not 31" % desktop.read_days(first, main))
        if "Items" not in words:
            fail('the header\'s "Items" is not read whole: %s' % sorted(words))
        sizes = {"main": main["client"]}

        def trip(keys):
            desktop.press("space")  # Trot holds the main window's focus
            travel = desktop.find(TRAVEL_TITLE)
            if not travel:
                fail("Trot did not bring up the travel window")
            check_game_frame(travel, desktop.scale)
            sizes["travel"] = travel["client"]
            time.sleep(0.5)
            desktop.grab(travel, "travel-window")
            desktop.press(*keys)

        # Down picks the first place (nothing is picked yet); End, the last, is the garden.
        trip(["Down"])
        answer_until_only_main(desktop, main, [])
        days = desktop.read_days(desktop.grab(main, "after-trot"), main)
        if days not in (30, 29):  # the dog-house event on arrival costs a day more
            fail("the day count reads %r after the trip, not 30 or 29" % days)
        asked = []
        trip(["End"])
        answer_until_only_main(desktop, main, asked)
        if len(asked) != 2:
            fail("%d Yes/No boxes at the garden, not 2" % len(asked))
        if not wait_for(lambda: next(w for w in desktop.windows() if w["handle"] == main["handle"])["active"], 10):
            fail("the main window is not active again after the questions")

        def from_menu(menu, item, name):
            """The game window a menu command brings up, its frame checked and its picture saved."""
            desktop.click_menu(main, menu, item)
            shown = wait_for(lambda: [w for w in desktop.windows() if w["handle"] != main["handle"]], 20)
            if not shown:
                fail("%s > %s brought up no window" % (menu, item))
            check_game_frame(shown[0], desktop.scale)
            time.sleep(0.5)
            desktop.grab(shown[0], name)
            return shown[0]

        from_menu("Help", "About", "about-window")
        desktop.press("Return")
        if not wait_for(lambda: len(desktop.windows()) == 1, 20):
            fail("the About window did not close with Enter")
        desktop.click_word(from_menu("Options", "End", "game-over-window"), "New")
        main_back = wait_for(lambda: [w for w in desktop.windows() if w["title"] == MAIN_TITLE], 30)
        if not main_back or len(desktop.windows()) != 1:
            fail("New Game did not lead back to the main window alone: %s"
                 % [w["title"] for w in desktop.windows()])

        # File > Exit through the menu bar: F10 opens it at File, Down its menu, Return exits.
        time.sleep(0.5)
        desktop.press("F10", "Down", "Return")
        try:
            code = game.wait(timeout=60)
        except subprocess.TimeoutExpired:
            fail("the game did not end after File > Exit")
        if code != 0:
            fail("the game ended with exit code %d" % code)
        if dpi[0] == 96:
            with open(log, encoding="utf-8", errors="replace") as f:
                text = f.read()
            check_loaded_dlls(text, unpacked)
            check_bark(text)
        subprocess.run(["wineserver", "-k"], env=session.env, check=False)
        print("%d dpi: windows saved: %s" % (dpi[0], ", ".join(os.path.basename(p) for p in desktop.pictures)))
        return {name: (c[2] - c[0], c[3] - c[1]) for name, c in sizes.items()}


def main():
    if len(sys.argv) != 4:
        fail(__doc__.strip().splitlines()[-1])
    zip_path, shots, lister = (os.path.abspath(a) for a in sys.argv[1:])
    with zipfile.ZipFile(zip_path) as archive, open(os.path.join(ROOT, "res", "bark.wav"), "rb") as wave:
        copies = archive.read("barkmoor.exe").count(wave.read())
    if copies != 1:
        fail("barkmoor.exe holds %d copies of the bark, not 1" % copies)
    os.makedirs(shots, exist_ok=True)
    scratch = tempfile.mkdtemp(prefix="barkmoor-wine-")
    try:
        at96 = play(zip_path, shots, lister, scratch, RUNS[0])
        at192 = play(zip_path, shots, lister, scratch, RUNS[1])
        for name, (width, height) in at96.items():
            if at192[name] != (2 * width, 2 * height):
                fail("the %s window's client area is %s at 192 dpi, not twice %s" % (name, at192[name], at96[name]))
        print("client areas at 96 and 192 dpi: %s, %s" % (at96, at192))
        print("played under Wine; screenshots in " + shots)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
