#!/usr/bin/env python3
"""Builds the Debian package with CPack and checks it ("build"), or runs lintian on it.

Would catch: the command in /usr/bin instead of /usr/games or its link pointing outside the
package; the help file not beside the program; no copyright file or changelog (lintian
errors); ldconfig calls in maintainer scripts (lintian warnings, and apt-get remove leaving the
package behind in state "rc"); hand-written or missing dependencies (the Qt libraries must come from the
program itself); the recommended fonts, section or maintainer lost; an unstripped program; release notes whose
newest entry is not the packaged version.

Usage: check_deb.py build|lintian BUILD_DIR WORK_DIR
"""
import glob
import gzip
import os
import re
import sys
import xml.etree.ElementTree as ET

from sandbox import APP_ID, ICON_SIZES, Checks, fresh, run

mode, build, work = sys.argv[1:4]
check = Checks()

if mode == "lintian":
    packages = glob.glob(os.path.join(work, "barkmoor_*.deb"))
    if len(packages) != 1:
        sys.exit("expected one package in %s, found %s" % (work, packages))
    env = dict(os.environ, HOME=os.path.join(work, "home"), TMPDIR=os.path.join(work, "home", "tmp"))
    code, out = run(["lintian", "--tag-display-limit", "0", packages[0]], env, timeout=600)
    print(out)
    errors = [line for line in out.splitlines() if line.startswith(("E:", "W:"))]
    check.expect(code == 0 and not errors, "lintian reports no error and no warning")
    check.finish()
    sys.exit(0)

env = fresh(work)
code, out = run([os.environ.get("CPACK_COMMAND", "cpack"), "-G", "DEB", "-B", work], env, timeout=600, cwd=build)
if code != 0:
    sys.exit("cpack failed:\n" + out)
packages = glob.glob(os.path.join(work, "barkmoor_*.deb"))
if len(packages) != 1:
    sys.exit("expected one package, found %s" % packages)
deb = packages[0]
check.expect(os.path.basename(deb).startswith("barkmoor_1.00b_"), "file name " + os.path.basename(deb))

_, control = run(["dpkg-deb", "-f", deb], env)
fields = dict(re.findall(r"^([A-Za-z-]+): ?(.*)$", control, re.M))
print(control)
check.expect(fields.get("Package") == "barkmoor", "Package: barkmoor")
check.expect(fields.get("Version") == "1.00b", "Version: 1.00b")
check.expect(fields.get("Section") == "games", "Section: games")
depends = [d.split()[0] for d in fields.get("Depends", "").split(", ") if d]
check.expect("libqt6widgets6" in depends and "libqt6multimedia6" in depends and "libc6" in depends,
             "Depends computed from the program's libraries")
recommends = [r.split()[0] for r in fields.get("Recommends", "").split(", ") if r]
check.expect("fonts-wine" in recommends and "fonts-liberation" in recommends, "Recommends both fonts")
check.expect(re.fullmatch(r"[^<>]+ <[^@<> ]+@[^@<> ]+>", fields.get("Maintainer", "")) is not None,
             "Maintainer is a name and an address")
description = re.search(r"^Description: (.*)\n((?: .*\n?)+)", control, re.M)
# No maintainer scripts: with a postrm, apt-get remove would leave the package behind ("rc").
_, info = run(["dpkg-deb", "-I", deb], env)
scripts = [name for name in ("preinst", "postinst", "prerm", "postrm") if re.search(r"\b%s\b" % name, info)]
check.expect(not scripts, "no maintainer scripts %s" % scripts)
check.expect(description is not None and description.group(1).strip() != "" and len(description.group(2)) > 80,
             "Description has a summary and an extended text")

# The file list: paths and link targets.
_, listing = run(["dpkg-deb", "-c", deb], env)
files, links = set(), {}
for line in listing.splitlines():
    name = line.split(None, 5)[5]
    if " -> " in name:
        name, target = name.split(" -> ", 1)
        links[name] = target
    files.add(name.rstrip("/"))
check.expect(links.get("./usr/games/barkmoor") == "../lib/games/barkmoor/barkmoor",
             "usr/games/barkmoor -> ../lib/games/barkmoor/barkmoor (%s)" % links.get("./usr/games/barkmoor"))
check.expect(not any(f.startswith("./usr/bin") for f in files), "nothing in usr/bin")
# The sound module too: without it the packaged game starts silent with Sound greyed.
expected = ["./usr/lib/games/barkmoor/barkmoor", "./usr/lib/games/barkmoor/barkmoor.hlp",
            "./usr/lib/games/barkmoor/libbarkmoor_sound.so",
            "./usr/share/doc/barkmoor/copyright", "./usr/share/doc/barkmoor/changelog.gz",
            "./usr/share/man/man6/barkmoor.6.gz",
            "./usr/share/applications/%s.desktop" % APP_ID, "./usr/share/metainfo/%s.metainfo.xml" % APP_ID,
            "./usr/share/icons/hicolor/scalable/apps/%s.svg" % APP_ID]
expected += ["./usr/share/icons/hicolor/%dx%d/apps/%s.png" % (s, s, APP_ID) for s in ICON_SIZES]
for path in expected:
    check.expect(path in files, path[2:])

unpacked = os.path.join(work, "unpacked")
run(["dpkg-deb", "-x", deb, unpacked], env)
_, kind = run(["file", "-b", os.path.join(unpacked, "usr", "lib", "games", "barkmoor", "barkmoor")], env)
check.expect("ELF" in kind and ", stripped" in kind, "the program is stripped: " + kind.strip())
# A version bump without a new entry in the release notes would ship the old release's notes
# as the newest.
with gzip.open(os.path.join(unpacked, "usr", "share", "doc", "barkmoor", "changelog.gz"), "rt") as notes:
    newest = re.match(r"barkmoor \(([^)]+)\)", notes.readline())
check.expect(newest and newest.group(1) == fields.get("Version"), "the changelog's newest entry is the version")
releases = ET.parse(os.path.join(unpacked, "usr", "share", "metainfo", APP_ID + ".metainfo.xml")).findall(
    "releases/release")
check.expect(releases and releases[0].get("version") == fields.get("Version"),
             "the metainfo's newest release is the version")
check.finish()
