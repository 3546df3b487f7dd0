#!/usr/bin/env python3
"""Start-up and memory of the Windows build under Wine, side by side with the floor: the same
bare Qt Widgets window with a menu bar, cross-built with the same Qt and started from the same
folder, so that both load the same DLLs. After one unmeasured start of each, starts the two
alternately, N times each, every one as a fresh Wine process (the Wine server kept running), and
prints the median and spread of the time from process start to its window mapped and of the
Wine process's resident memory once settled; then the ratio of the medians and the difference.

    bench/compare_startup_wine.py [--runs N] [--windows-build DIR] [--build DIR] [--settle-ms MS]

--windows-build holds the zip and bench/bench_floor_window.exe (tools/windows/build.sh);
--build holds bench/bench_map_watch, the native watcher (./test.sh or cmake --build build).
Runs on an Xvfb of its own, in a fresh Wine prefix with Wine's own fonts in its font folder.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

from compare_startup import load, show_medians, start_xvfb

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "tools" / "windows"))
from wine_prefix import make_prefix, wine_env  # noqa: E402


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=12)
    parser.add_argument("--windows-build", type=Path, default=ROOT / "build-windows")
    parser.add_argument("--build", type=Path, default=ROOT / "build")
    parser.add_argument("--settle-ms", type=int, default=2000,
                        help="wait after the window is mapped before reading memory")
    args = parser.parse_args()

    zips = sorted(args.windows_build.glob("barkmoor-*-win64.zip"))
    floor = args.windows_build.resolve() / "bench" / "bench_floor_window.exe"
    watcher = args.build.resolve() / "bench" / "bench_map_watch"
    for needed in (zips[-1] if zips else args.windows_build / "barkmoor-*-win64.zip", floor, watcher):
        if not needed.exists():
            sys.exit(f"{needed} is missing: build first")

    scratch = Path(tempfile.mkdtemp(prefix="barkmoor-bench-wine-"))
    xvfb, display = start_xvfb()
    os.environ.update(wine_env(str(scratch / "prefix")), DISPLAY=display)
    server = None
    try:
        make_prefix(os.environ)
        folder = scratch / "prefix" / "drive_c" / "barkmoor"
        with zipfile.ZipFile(zips[-1]) as archive:
            archive.extractall(folder)
        shutil.copy(floor, folder)
        server = subprocess.Popen(["wineserver", "-p", "-f"])  # one server for every start
        os.chdir(folder)
        programs = {"barkmoor.exe": "C:\\barkmoor\\barkmoor.exe", "floor": "C:\\barkmoor\\bench_floor_window.exe"}

        def start(program, settle_ms):
            # The watcher times the process it starts; `wine` becomes the Windows process itself.
            out = subprocess.run([str(watcher), "--settle-ms", str(settle_ms), shutil.which("wine"), program],
                                 capture_output=True, text=True, check=True).stdout
            return {key: float(value) for key, value in re.findall(r"(\w+)=([-\d.]+)", out)}

        print(f"Wine {subprocess.run(['wine', '--version'], capture_output=True, text=True).stdout.strip()}, "
              f"{args.runs} alternating starts each after one unmeasured start, memory read "
              f"{args.settle_ms} ms after the window is mapped")
        loads = [load()]
        for program in programs.values():
            start(program, 0)
        runs = {name: [] for name in programs}
        for _ in range(args.runs):
            for name, program in programs.items():
                runs[name].append(start(program, args.settle_ms))
            loads.append(load())
        print(f"load average (1 min) during the runs: {min(loads):.2f} to {max(loads):.2f}")

        medians = show_medians(runs, "resident memory of the Wine process once settled:")
        print(f"ratio of medians (barkmoor.exe / floor): "
              f"{medians['barkmoor.exe', 'ms'] / medians['floor', 'ms']:.2f}x (target 1.10x); CPU time "
              f"{medians['barkmoor.exe', 'cpu'] / medians['floor', 'cpu']:.2f}x")
        print(f"memory difference (barkmoor.exe - floor): "
              f"{medians['barkmoor.exe', 'MiB'] - medians['floor', 'MiB']:+.1f} MiB (target +3 MiB)")
    finally:
        subprocess.run(["wineserver", "-k"], check=False)
        if server:
            server.wait()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
