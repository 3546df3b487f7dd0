#!/usr/bin/env python3
"""Start-up and memory of Barkmoor side by side with the floor: a bare Qt Widgets window of
the same size with a menu bar. Starts the two alternately, N times each, and prints for each
the median and spread of the time from process start to its window mapped and of the resident
memory once the window is up; then the ratio of the medians and the memory difference, the
game's idle cost over 10 seconds, and the rules' cost of a turn and of UpdateGame.

    bench/compare_startup.py [--runs N] [--build DIR] [--idle-seconds S] [--game PROGRAM ...]

--game (repeatable) measures other builds of the game in the same alternation, for a before
and after on one machine at one time.

Uses the X display in $DISPLAY, or starts an Xvfb of its own when there is none.
"""
import argparse
import os
import re
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def load():
    return os.getloadavg()[0]


def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            sys.exit("Xvfb did not start (apt-get install xvfb)")
        number += chunk
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


def watch(watcher, program, settle_ms, idle_s=0):
    command = [str(watcher), "--settle-ms", str(settle_ms)]
    if idle_s:
        command += ["--idle-s", str(idle_s)]
    out = subprocess.run(command + [str(program)], capture_output=True, text=True, check=True).stdout
    return {key: float(value) for key, value in re.findall(r"(\w+)=([-\d.]+)", out)}


def spread(values):
    q1, _, q3 = statistics.quantiles(values, n=4, method="inclusive")
    return statistics.median(values), min(values), max(values), q1, q3


def show(name, runs, unit, key, scale=1.0):
    median, low, high, q1, q3 = spread([run[key] * scale for run in runs])
    print(f"  {name:<14} median {median:7.1f} {unit}   min {low:7.1f}   max {high:7.1f}   "
          f"quartiles {q1:.1f}-{q3:.1f}")
    return median


def show_medians(runs, memory_caption):
    """Prints each program's time to its window, CPU time and settled memory; returns the medians."""
    medians = {}
    print("process start to window mapped:")
    for name in runs:
        medians[name, "ms"] = show(name, runs[name], "ms ", "map_ms")
    print("CPU time of the process (all threads) up to its window mapped:")
    for name in runs:
        medians[name, "cpu"] = show(name, runs[name], "ms ", "cpu_ms_at_map")
    print(memory_caption)
    for name in runs:
        medians[name, "MiB"] = show(name, runs[name], "MiB", "rss_kib", 1 / 1024)
    return medians


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--build", type=Path, default=ROOT / "build")
    parser.add_argument("--idle-seconds", type=int, default=10)
    parser.add_argument("--settle-ms", type=int, default=1000,
                        help="wait after the window is mapped before reading memory")
    parser.add_argument("--game", type=Path, action="append", default=[],
                        help="a build of the game to measure (default: barkmoor in the build folder)")
    args = parser.parse_args()

    games = args.game or [args.build / "barkmoor"]
    names = ["barkmoor"] if not args.game else [f"{i + 1}:{game.name}"[:14] for i, game in enumerate(games)]
    game = games[0]
    floor = args.build / "bench" / "bench_floor_window"
    watcher = args.build / "bench" / "bench_map_watch"
    for program in (*games, floor, watcher):
        if not program.exists():
            sys.exit(f"{program} is missing: build first (cmake --build {args.build})")

    xvfb = None
    if not os.environ.get("DISPLAY"):
        xvfb, os.environ["DISPLAY"] = start_xvfb()
    os.environ.pop("QT_QPA_PLATFORM", None)  # the real X11 platform, as a player has
    try:
        print(f"display {os.environ['DISPLAY']}{' (own Xvfb)' if xvfb else ''}, {args.runs} alternating starts each, "
              f"memory read {args.settle_ms} ms after the window is mapped")
        loads = [load()]
        for program in (*games, floor):  # one unmeasured start each, so all find their files cached
            watch(watcher, program, 0)
        runs = {name: [] for name in (*names, "floor")}
        for _ in range(args.runs):
            for name, program in zip(names, games):
                runs[name].append(watch(watcher, program, args.settle_ms))
            runs["floor"].append(watch(watcher, floor, args.settle_ms))
            loads.append(load())
        print(f"load average (1 min) during the runs: {min(loads):.2f} to {max(loads):.2f}")

        medians = show_medians(runs, "resident memory once the window is up (read after the wait above):")
        print("resident memory at the moment the window is mapped:")
        for name in runs:
            show(name, runs[name], "MiB", "rss_kib_at_map", 1 / 1024)
        for name in names:
            print(f"ratio of medians ({name} / floor): {medians[name, 'ms'] / medians['floor', 'ms']:.2f}x  "
                  f"(target 1.15x); CPU time {medians[name, 'cpu'] / medians['floor', 'cpu']:.2f}x")
            print(f"memory difference ({name} - floor): {medians[name, 'MiB'] - medians['floor', 'MiB']:+.1f} MiB  "
                  "(target +6 MiB)")

        if args.idle_seconds > 0:
            idle = watch(watcher, game, args.settle_ms, args.idle_seconds)
            print(f"barkmoor idle over {args.idle_seconds} s: {idle['idle_cpu_ms']:.0f} ms CPU, "
                  f"{idle['idle_context_switches']:.0f} context switches over {idle['threads']:.0f} threads")
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()

    rules = args.build / "bench" / "bench_rules"
    if rules.exists():
        print("rules:")
        for line in subprocess.run([str(rules)], capture_output=True, text=True, check=True).stdout.splitlines():
            print("  " + line)
    update = args.build / "bench" / "bench_startup"
    if update.exists():
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        out = subprocess.run([str(update)], capture_output=True, text=True, env=env, check=True).stdout
        for line in out.splitlines():
            if line.startswith("UpdateGame"):
                print("  " + line)


if __name__ == "__main__":
    main()
