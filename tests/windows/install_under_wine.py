#!/usr/bin/env python3
"""Installs the game with its NSIS installer in a fresh Wine prefix and uninstalls it again.

Checks that it refuses Windows 7; then the program folder, the Start-menu shortcut and the
uninstaller's entry under installed programs (name, version, publisher), then that uninstalling
leaves none of them behind.

usage: install_under_wine.py SETUP_EXE ZIP
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "windows"))
from wine_prefix import make_prefix, set_value, wine_env  # noqa: E402

KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Barkmoor"


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def main():
    if len(sys.argv) != 3:
        fail(__doc__.strip().splitlines()[-1])
    setup, zip_path = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    scratch = tempfile.mkdtemp(prefix="barkmoor-setup-")
    prefix = os.path.join(scratch, "prefix")
    env = wine_env(prefix)
    env.pop("DISPLAY", None)  # a silent install draws nothing

    def wine(*argv):
        return subprocess.run(["wine", *argv], env=env, capture_output=True, text=True, timeout=300)

    try:
        make_prefix(env)
        drive = os.path.join(prefix, "drive_c")
        folder = os.path.join(drive, "Program Files", "Barkmoor")
        shortcut = os.path.join(drive, "ProgramData", "Microsoft", "Windows", "Start Menu", "Programs",
                                "Barkmoor", "Barkmoor.lnk")
        # The entry carries the version the installer was made for: barkmoor-VERSION-setup.exe.
        version = re.fullmatch(r"barkmoor-(.+)-setup\.exe", os.path.basename(setup)).group(1)
        before = {os.path.relpath(os.path.join(d, f), drive)
                  for d, _, files in os.walk(drive) for f in files}

        # Windows 7 is turned away before anything is installed.
        set_value(env, r"HKCU\Software\Wine", "Version", "REG_SZ", "win7")
        if wine(setup, "/S").returncode == 0 or os.path.exists(folder):
            fail("the installer did not refuse Windows 7")
        set_value(env, r"HKCU\Software\Wine", "Version", "REG_SZ", "win10")
        if wine(setup, "/S").returncode != 0:
            fail("the installer failed")
        with zipfile.ZipFile(zip_path) as archive:
            expected = {n.replace("/", os.sep) for n in archive.namelist() if not n.endswith("/")}
        installed = {os.path.relpath(os.path.join(d, f), folder)
                     for d, _, files in os.walk(folder) for f in files}
        if installed != expected | {"uninstall.exe"}:
            fail("installed files differ from the zip: %s" % sorted(installed ^ (expected | {"uninstall.exe"})))
        if not os.path.isfile(shortcut):
            fail("no Start-menu shortcut")
        entry = wine("reg", "query", KEY).stdout
        for name, value in (("DisplayName", "Barkmoor"), ("DisplayVersion", version),
                            ("Publisher", "The Barkmoor developers")):
            if not any(line.split()[:1] == [name] and line.rstrip().endswith(value) for line in entry.splitlines()):
                fail("installed-programs entry lacks %s %s:\n%s" % (name, value, entry))

        # The uninstaller copies itself out of the folder and goes on from there: wait for it.
        wine(os.path.join(folder, "uninstall.exe"), "/S")
        deadline = time.monotonic() + 60
        while os.path.exists(folder) and time.monotonic() < deadline:
            time.sleep(0.5)
        subprocess.run(["wineserver", "-w"], env=env, timeout=120)
        if os.path.exists(folder):
            fail("the program folder is still there: %s" % os.listdir(folder))
        if os.path.exists(os.path.dirname(shortcut)):
            fail("the Start-menu shortcut or its folder is still there")
        if wine("reg", "query", KEY).returncode == 0:
            fail("the installed-programs entry is still there")
        after = {os.path.relpath(os.path.join(d, f), drive)
                 for d, _, files in os.walk(drive) for f in files}
        left = [p for p in after - before if "barkmoor" in p.lower()]
        if left:
            fail("left behind: %s" % left)
        print("installed and uninstalled under Wine; nothing left behind")
    finally:
        subprocess.run(["wineserver", "-k"], env=env, check=False)
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
