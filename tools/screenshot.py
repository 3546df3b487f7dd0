#!/usr/bin/env python3
"""Takes the screenshot of the main window that the metainfo shows in software centres.

Starts the game on a private X server (no window manager, so no frame), waits until its
main window is mapped and drawn, and saves that window as a PNG with ImageMagick's import.
Needs xvfb, xdotool and imagemagick. A new game draws new prices, so each run differs.

Run from the repository root after a build:
    python3 tools/screenshot.py [PROGRAM] [OUTPUT]
PROGRAM defaults to build/barkmoor, OUTPUT to docs/screenshots/main-window.png. Set
QT_SCALE_FACTOR=2 to see the window at twice the size.
"""
import os
import subprocess
import sys
import time

from xsession import XSession

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir))


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "barkmoor"))
    output = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else
                             os.path.join(ROOT, "docs", "screenshots", "main-window.png"))
    os.makedirs(os.path.dirname(output), exist_ok=True)
    with XSession() as x:
        x.start([program], cwd=os.path.dirname(program))
        window = x.find_window("Barkmoor - Personal Edition", timeout=30)
        if window is None:
            sys.exit("the main window did not appear")
        time.sleep(1.0)  # let the first paint land
        # -strip: no time stamps, so the picture's bytes depend on its pixels only.
        subprocess.run(["import", "-window", window, "-strip", "png:" + output], env=x.env, check=True, timeout=30)
    print(output)


if __name__ == "__main__":
    main()
