#!/usr/bin/env python3
"""Installs the build into a fresh folder (DESTDIR, prefix /usr) and checks the tree.

Would catch: the help file installed into bin/ or anywhere but beside the program (Help
Topics finds nothing); an absolute or dangling command link (it breaks under DESTDIR, in a
package, or once the tree moves); a desktop entry or metainfo that its validator rejects,
or whose command, icon or id names nothing installed; an icon size missing or drawn at the
wrong size; a screenshot whose declared size no longer matches the picture; an installed
program or module that names the build or source folder (it would load a library planted
there) or carries a library search path leading outside its own folder.

Usage: check_install_tree.py BUILD_DIR WORK_DIR SOURCE_DIR
"""
import filecmp
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET

from sandbox import APP_ID, ICON_SIZES, Checks, desktop_entry, fresh, install, png_size, run

build, work, source = sys.argv[1:4]
env = fresh(work)
usr = install(build, os.path.join(work, "root"), env)
check = Checks()

# The command: a relative link to the program, which has its help file beside it.
command = os.path.join(usr, "bin", "barkmoor")
program = os.path.join(usr, "lib", "games", "barkmoor", "barkmoor")
if check.expect(os.path.islink(command), "bin/barkmoor is a symbolic link"):
    check.expect(not os.readlink(command).startswith("/"), "the link is relative: " + os.readlink(command))
    check.expect(os.path.realpath(command) == os.path.realpath(program), "the link leads to lib/games/barkmoor/barkmoor")
check.expect(os.path.isfile(program) and not os.path.islink(program) and os.access(program, os.X_OK),
             "lib/games/barkmoor/barkmoor is an executable file")
check.expect(os.path.isfile(os.path.join(os.path.dirname(program), "barkmoor.hlp"))
             and filecmp.cmp(os.path.join(os.path.dirname(program), "barkmoor.hlp"),
                             os.path.join(source, "res", "barkmoor.hlp"), shallow=False),
             "barkmoor.hlp sits beside the program")
# The program looks for its sound module in its own folder; elsewhere it starts silent.
check.expect(os.path.isfile(os.path.join(os.path.dirname(program), "libbarkmoor_sound.so")),
             "libbarkmoor_sound.so sits beside the program")
check.expect(sorted(os.listdir(os.path.join(usr, "bin"))) == ["barkmoor"], "bin/ holds the command only")

# Every installed program and module looks for libraries in the system's places or its own
# folder only. Debug information may name the folders (it is never loaded), so the loaded
# parts are what is searched.
elves = [os.path.join(d, f) for d, _, files in os.walk(usr) for f in files
         if not os.path.islink(os.path.join(d, f)) and open(os.path.join(d, f), "rb").read(4) == b"\x7fELF"]
check.expect(program in elves and len(elves) >= 2, "the program and its sound module are installed")
folders = {os.path.realpath(build), os.path.realpath(source)}
for elf in elves:
    name = os.path.relpath(elf, usr)
    code, out = run(["readelf", "-d", "-W", elf], env)
    paths = [p for m in re.finditer(r"\((?:RPATH|RUNPATH)\)\s+Library (?:rpath|runpath): \[(.*)\]", out)
             for p in m.group(1).split(":")]
    check.expect(code == 0 and all(p in ("$ORIGIN", "${ORIGIN}") for p in paths),
                 "%s searches no folder but its own: %s" % (name, paths or "no RPATH or RUNPATH"))
    loaded = os.path.join(work, "loaded-" + os.path.basename(elf))
    code, out = run(["objcopy", "--strip-debug", elf, loaded], env)
    with open(loaded, "rb") as f:
        content = f.read() if code == 0 else b""
    # Qt keeps its string literals in UTF-16.
    named = [d for d in folders if d.encode() in content or d.encode("utf-16-le") in content]
    check.expect(code == 0 and not named, "%s names no build or source folder %s" % (name, named or ""))
check.expect(os.path.isfile(os.path.join(usr, "share", "man", "man6", "barkmoor.6.gz")), "manual page in man6")

# The menu entry, valid, naming the installed command and icon.
desktop = os.path.join(usr, "share", "applications", APP_ID + ".desktop")
if check.expect(os.path.isfile(desktop), "desktop entry share/applications/%s.desktop" % APP_ID):
    code, out = run(["desktop-file-validate", desktop], env)
    check.expect(code == 0 and not out.strip(), "desktop-file-validate accepts it" + (":\n" + out if out.strip() else ""))
    entry = desktop_entry(desktop)
    check.expect(entry.get("Exec", "").split()[:1] == ["barkmoor"], "Exec starts the command barkmoor")
    check.expect(entry.get("Icon") == APP_ID, "Icon names the installed icons")
    check.expect("Game" in entry.get("Categories", "").split(";"), "listed under Game")

# The software-centre metadata, valid, naming the same id, entry and command.
metainfo = os.path.join(usr, "share", "metainfo", APP_ID + ".metainfo.xml")
if check.expect(os.path.isfile(metainfo), "metainfo share/metainfo/%s.metainfo.xml" % APP_ID):
    code, out = run(["appstreamcli", "validate", "--no-net", "--pedantic", metainfo], env)
    check.expect(code == 0, "appstreamcli validate accepts it" + ("" if code == 0 else ":\n" + out))
    root = ET.parse(metainfo).getroot()
    check.expect(root.findtext("id") == APP_ID, "metainfo id is " + APP_ID)
    check.expect(root.findtext("launchable") == APP_ID + ".desktop", "launchable is the installed desktop entry")
    check.expect(root.findtext("provides/binary") == "barkmoor", "provides the binary barkmoor")
    image = root.find("screenshots/screenshot/image")
    shot = png_size(os.path.join(source, "docs", "screenshots", "main-window.png"))
    check.expect(image is not None and shot == (int(image.get("width", 0)), int(image.get("height", 0))),
                 "the screenshot's declared size matches docs/screenshots/main-window.png %s" % (shot,))

# Every icon size, drawn at that size, and the scalable one.
theme = os.path.join(usr, "share", "icons", "hicolor")
for size in ICON_SIZES:
    path = os.path.join(theme, "%dx%d" % (size, size), "apps", APP_ID + ".png")
    check.expect(os.path.isfile(path) and png_size(path) == (size, size), "%d-pixel icon is %d x %d" % (size, size, size))
svg = os.path.join(theme, "scalable", "apps", APP_ID + ".svg")
if check.expect(os.path.isfile(svg), "scalable icon"):
    root = ET.parse(svg).getroot()
    box = root.get("viewBox", "").split()
    check.expect(root.tag == "{http://www.w3.org/2000/svg}svg" and len(box) == 4 and box[2] == box[3],
                 "the scalable icon is an SVG with a square view box")
check.finish()
