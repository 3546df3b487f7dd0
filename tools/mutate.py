#!/usr/bin/env python3
"""Mutation testing of the rules in core/: which small slips do the tests notice?

Each mutant is one plain edit to one line of core/*.cpp:
  - a relational operator moved across its edge (< to <=, <= to <, > to >=, >= to >),
  - == and != swapped, && and || swapped,
  - an integer constant moved by +1 or -1,
  - a statement removed: an assignment, a bare call, or a return inside a nested block.

Every worker owns a copy of the source tree and a build folder under build-mutate/ (so
the working tree is never edited and two workers never share files). A mutant is written
into the worker's copy, core_tests is rebuilt (only the changed object and the links) and
run with a timeout (a hang counts as killed); the original text is put back in a finally
block, and every run starts by bringing the copies back in line with the working tree.
A mutant that survives core_tests is run against the whole suite (everything but the
separate fuzz run), to tell apart slips only the window tests catch.

Mutant ids hash the file, the line's text, the change and its place on the line, so they
stay the same when unrelated lines move. tools/mutants-equivalent.txt lists mutants that no
input can tell apart from the original (id first, then the reason); they are skipped.

Usage:
  tools/mutate.py                      # every mutant of core/, on all cores
  tools/mutate.py --files Events.cpp   # only some files
  tools/mutate.py --sample 40 --seed 3 # a random sample
  tools/mutate.py --ids 1a2b3c4d,...   # just these mutants
  tools/mutate.py --list               # print the catalogue and stop
"""

import argparse
import concurrent.futures
import hashlib
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
EQUIVALENTS = Path(__file__).resolve().parent / "mutants-equivalent.txt"

# Only these parts of the tree are needed to build and run the tests.
COPIED = ["CMakeLists.txt", "cmake", "core", "docs", "ui", "app", "res", "tests", "bench", "tools"]


@dataclass
class Mutant:
    id: str
    file: str  # relative to the root, e.g. core/Events.cpp
    line: int  # 1-based, for the report only
    text: str  # the original line
    mutated: str  # the line after the change
    change: str  # e.g. "'<=' -> '<'"


# ---------------------------------------------------------------------------------------
# The catalogue


def mask_line(line, in_block):
    """The line with comments and the insides of string and character literals blanked
    out (same length), so operators and numbers are only found in code. Returns the
    masked line and whether a /* comment is still open at its end."""
    out = []
    i = 0
    n = len(line)
    while i < n:
        if in_block:
            end = line.find("*/", i)
            if end < 0:
                out.append(" " * (n - i))
                return "".join(out), True
            out.append(" " * (end + 2 - i))
            i = end + 2
            in_block = False
            continue
        c = line[i]
        if line.startswith("//", i):
            out.append(" " * (n - i))
            break
        if line.startswith("/*", i):
            in_block = True
            out.append("  ")
            i += 2
            continue
        if c in "\"'":
            # A digit separator (1'000) is not a character literal.
            if c == "'" and i > 0 and line[i - 1].isalnum() and i + 1 < n and line[i + 1].isalnum():
                out.append(c)
                i += 1
                continue
            j = i + 1
            while j < n and line[j] != c:
                j += 2 if line[j] == "\\" else 1
            out.append(c + " " * (min(j, n) - i - 1) + (c if j < n else ""))
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out), in_block


OPERATORS = [
    # (pattern on the masked line, replacement, kind). Binary operators are written with a
    # blank on each side by clang-format, which keeps template brackets and shifts out.
    (re.compile(r"(?<= )<=(?= )"), "<", "rel"),
    (re.compile(r"(?<= )>=(?= )"), ">", "rel"),
    (re.compile(r"(?<= )<(?= )"), "<=", "rel"),
    (re.compile(r"(?<= )>(?= )"), ">=", "rel"),
    (re.compile(r"(?<= )==(?= )"), "!=", "eq"),
    (re.compile(r"(?<= )!=(?= )"), "==", "eq"),
    (re.compile(r"(?<= )&&(?= )"), "||", "logic"),
    (re.compile(r"(?<= )\|\|(?= )"), "&&", "logic"),
]

# Decimal literals, digit separators and suffixes included; hexadecimal ones are left out.
NUMBER = re.compile(r"(?<![\w.'])(\d[\d']*)([uU]?[lL]{0,2}|[lL]{1,2}[uU]?)(?![\w.'(])")

DECLARATION = re.compile(
    r"^\s*(const|constexpr|static|auto|int|bool|char|unsigned|std::|using|return|if|for|while|else|case|switch|"
    r"namespace|struct|enum|class|template|typedef|break|continue|default)\b"
)
ASSIGNMENT = re.compile(r"^\s*[A-Za-z_][\w.\[\]]*(\s*(=|\+=|-=|\*=|/=|%=|\|=|&=)\s|\+\+;|--;)")
PREFIX_STEP = re.compile(r"^\s*(\+\+|--)[A-Za-z_][\w.\[\]]*;\s*$")
CALL = re.compile(r"^\s*[A-Za-z_][\w.:]*\(.*\);\s*$")
NESTED_RETURN = re.compile(r"^( {8,})return\b.*;\s*$")


def mutant_id(file, text, change, occurrence):
    key = "\0".join([file, text.strip(), change, str(occurrence)])
    return hashlib.sha1(key.encode()).hexdigest()[:8]


def line_mutants(masked, line):
    """(mutated line, change) pairs for one line, in order."""
    found = []
    if masked.lstrip().startswith("#"):
        return found
    for pattern, replacement, _kind in OPERATORS:
        for m in pattern.finditer(masked):
            found.append(
                (line[: m.start()] + replacement + line[m.end() :], f"'{m.group(0)}' -> '{replacement}'", m.start())
            )
    for m in NUMBER.finditer(masked):
        digits, suffix = m.group(1), m.group(2)
        rest = masked[m.end() :].lstrip()
        if rest.startswith(">"):
            continue  # a template argument such as std::array<T, 26>: a type change, never built
        value = int(digits.replace("'", ""))
        for step in (1, -1):
            new = value + step
            if new < 0 and "u" in suffix.lower():
                continue
            found.append(
                (
                    line[: m.start()] + str(new) + suffix + line[m.end() :],
                    f"{digits} -> {new}",
                    m.start(),
                )
            )
    stripped = masked.strip()
    removable = False
    if NESTED_RETURN.match(masked):
        removable = True
    elif stripped.endswith(";") and not DECLARATION.match(masked):
        removable = bool(ASSIGNMENT.match(masked) or PREFIX_STEP.match(masked) or CALL.match(masked))
    if removable:
        indent = line[: len(line) - len(line.lstrip())]
        found.append((indent + "{ } // removed\n", "removed '" + line.strip() + "'", 0))
    found.sort(key=lambda f: f[2])
    return [(mutated, change) for mutated, change, _ in found]


def catalogue(files):
    mutants = []
    for rel in files:
        lines = (ROOT / rel).read_text().splitlines(keepends=True)
        in_block = False
        seen = {}
        for number, line in enumerate(lines, 1):
            masked, in_block = mask_line(line.rstrip("\n"), in_block)
            counts = {}
            for mutated, change in line_mutants(masked + "\n", line if line.endswith("\n") else line + "\n"):
                # The occurrence tells apart the same change made twice on one line, or on
                # two lines with the same text.
                key = (line.strip(), change)
                occurrence = seen.get(key, 0) + counts.get(key, 0)
                counts[key] = counts.get(key, 0) + 1
                mutants.append(
                    Mutant(mutant_id(rel, line, change, occurrence), rel, number, line.rstrip("\n"), mutated, change)
                )
            for key, count in counts.items():
                seen[key] = seen.get(key, 0) + count
    return mutants


def read_equivalents():
    """Ids of mutants known to be equivalent: the first word of each non-comment line."""
    ids = {}
    if EQUIVALENTS.exists():
        for raw in EQUIVALENTS.read_text().splitlines():
            raw = raw.strip()
            if raw and not raw.startswith("#"):
                word, _, rest = raw.partition(" ")
                ids[word] = rest.strip()
    return ids


# ---------------------------------------------------------------------------------------
# Workers


def tree_files():
    out = subprocess.run(
        ["git", "ls-files", "--cached", "--others", "--exclude-standard", "--"] + COPIED,
        cwd=ROOT,
        check=True,
        capture_output=True,
        text=True,
    ).stdout
    return [f for f in out.splitlines() if (ROOT / f).is_file()]


def sync_copy(dest):
    """Brings dest in line with the working tree, writing only files that differ, so
    the build folder rebuilds only what really changed (a mutant left behind included)."""
    for rel in tree_files():
        src = ROOT / rel
        dst = dest / rel
        data = src.read_bytes()
        if dst.exists() and dst.read_bytes() == data:
            continue
        dst.parent.mkdir(parents=True, exist_ok=True)
        dst.write_bytes(data)
        shutil.copymode(src, dst)


class Worker:
    def __init__(self, base, index, args):
        self.dir = base / f"w{index}"
        self.src = self.dir / "src"
        self.build = self.dir / "build"
        self.args = args
        self.process = None
        self.full_built = False
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen", GTEST_FAIL_FAST="1")
        # Paths relative to the copies, so the workers' compiles share ccache entries.
        self.env["CCACHE_BASEDIR"] = str(base.resolve())

    def run(self, cmd, timeout=None, cwd=None):
        """Runs cmd; returns (exit code or None on timeout, output)."""
        self.process = subprocess.Popen(
            cmd,
            cwd=cwd or self.build,
            env=self.env,
            stdout=subprocess.PIPE,
            stderr=subprocess.STDOUT,
            text=True,
            start_new_session=True,
        )
        try:
            out, _ = self.process.communicate(timeout=timeout)
            return self.process.returncode, out
        except subprocess.TimeoutExpired:
            os.killpg(self.process.pid, signal.SIGKILL)
            out, _ = self.process.communicate()
            return None, out
        finally:
            self.process = None

    def stop(self):
        p = self.process
        if p is not None:
            try:
                os.killpg(p.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def prepare(self):
        self.dir.mkdir(parents=True, exist_ok=True)
        sync_copy(self.src)
        if not (self.build / "build.ninja").exists() and not (self.build / "Makefile").exists():
            cmd = ["cmake", "-S", str(self.src), "-B", str(self.build), "-DCMAKE_BUILD_TYPE=RelWithDebInfo"]
            if shutil.which("ninja"):
                cmd += ["-G", "Ninja"]
            if shutil.which("ccache"):
                cmd += ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
            code, out = self.run(cmd, cwd=self.dir)
            if code != 0:
                raise RuntimeError(f"configuring {self.build} failed:\n{out}")
        code, out = self.run(["cmake", "--build", ".", "--target", "core_tests"])
        if code != 0:
            raise RuntimeError(f"building core_tests in {self.build} failed:\n{out}")
        start = time.monotonic()
        code, out = self.run([str(self.build / "tests" / "core_tests")])
        took = time.monotonic() - start
        if code != 0:
            raise RuntimeError(f"core_tests fails without any mutant:\n{out[-3000:]}")
        return took

    def try_mutant(self, m, core_timeout):
        """Returns 'killed', 'suite' (killed by the whole suite only), 'survived' or 'not built'."""
        path = self.src / m.file
        original = path.read_text()
        lines = original.splitlines(keepends=True)
        assert lines[m.line - 1].rstrip("\n") == m.text, f"{m.file}:{m.line} moved"
        lines[m.line - 1] = m.mutated
        try:
            path.write_text("".join(lines))
            code, _ = self.run(["cmake", "--build", ".", "--target", "core_tests"], timeout=self.args.build_timeout)
            if code != 0:
                return "not built"
            # The worked examples first (milliseconds), the random games only if they all pass.
            core_tests = str(self.build / "tests" / "core_tests")
            for only in ("--gtest_filter=-RandomGames.*", "--gtest_filter=RandomGames.*"):
                code, _ = self.run([core_tests, "--gtest_brief=1", only], timeout=core_timeout)
                if code != 0:  # a failure, a crash or a hang (None)
                    return "killed"
            if self.args.core_only:
                return "survived"
            code, _ = self.run(["cmake", "--build", "."], timeout=self.args.build_timeout * 4)
            if code != 0:
                return "not built"
            code, _ = self.run(
                ["ctest", "-E", "^fuzz_", "--stop-on-failure", "--timeout", str(self.args.suite_timeout)],
                timeout=self.args.suite_timeout * 4,
            )
            return "suite" if code != 0 else "survived"
        finally:
            path.write_text(original)


# ---------------------------------------------------------------------------------------


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--files", nargs="*", help="core files to mutate (names or paths); default all core/*.cpp")
    parser.add_argument("--sample", type=int, help="try only this many mutants, picked at random")
    parser.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    parser.add_argument("--ids", help="comma-separated mutant ids to try")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1, help="workers at once (default: cores)")
    parser.add_argument("--list", action="store_true", help="print the catalogue and stop")
    parser.add_argument("--core-only", action="store_true", help="do not run the whole suite on survivors")
    parser.add_argument("--with-equivalents", action="store_true", help="also try the listed equivalent mutants")
    parser.add_argument("--build-dir", default=str(ROOT / "build-mutate"), help="where the copies and builds live")
    parser.add_argument("--build-timeout", type=int, default=900, help="seconds for one rebuild")
    parser.add_argument("--suite-timeout", type=int, default=300, help="seconds for one test of the whole suite")
    args = parser.parse_args()

    if args.files:
        files = []
        for f in args.files:
            p = Path(f)
            rel = f"core/{p.name}"
            if not (ROOT / rel).is_file():
                parser.error(f"no such file {rel}")
            files.append(rel)
    else:
        files = sorted(f"core/{p.name}" for p in (ROOT / "core").glob("*.cpp"))

    mutants = catalogue(files)
    ids = [m.id for m in mutants]
    if len(set(ids)) != len(ids):
        dup = {i for i in ids if ids.count(i) > 1}
        sys.exit(f"mutant ids clash: {sorted(dup)}")
    equivalents = read_equivalents()
    known = set(ids)
    catalogue_all = {m.id for m in catalogue(sorted(f"core/{p.name}" for p in (ROOT / "core").glob("*.cpp")))}
    stale = sorted(set(equivalents) - catalogue_all)
    if stale:
        print(f"warning: equivalents list names mutants that no longer exist: {', '.join(stale)}")

    if args.list:
        for m in mutants:
            mark = "  (equivalent)" if m.id in equivalents else ""
            print(f"{m.id} {m.file}:{m.line} {m.change}{mark}\n    {m.text.strip()}")
        print(f"{len(mutants)} mutants")
        return 0

    skipped = [m for m in mutants if m.id in equivalents and not args.with_equivalents]
    todo = [m for m in mutants if m not in skipped]
    if args.ids:
        wanted = set(args.ids.split(","))
        unknown = wanted - known
        if unknown:
            sys.exit(f"unknown ids: {', '.join(sorted(unknown))}")
        todo = [m for m in mutants if m.id in wanted]
    if args.sample is not None and args.sample < len(todo):
        todo = sorted(random.Random(args.seed).sample(todo, args.sample), key=lambda m: (m.file, m.line))

    base = Path(args.build_dir)
    jobs = max(1, min(args.jobs, len(todo) or 1))
    workers = [Worker(base, i, args) for i in range(jobs)]
    print(f"{len(todo)} mutants to try ({len(skipped)} equivalent skipped), {jobs} workers in {base}", flush=True)

    stopping = threading.Event()

    def on_signal(signum, _frame):
        stopping.set()
        for w in workers:
            w.stop()
        raise KeyboardInterrupt

    signal.signal(signal.SIGINT, on_signal)
    signal.signal(signal.SIGTERM, on_signal)

    results = {}
    started = time.monotonic()
    try:
        with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
            baselines = list(pool.map(lambda w: w.prepare(), workers))
        core_timeout = max(60, int(max(baselines) * 5))
        print(f"core_tests takes {max(baselines):.1f} s unmutated; a mutant gets {core_timeout} s", flush=True)

        queue = list(todo)
        lock = threading.Lock()

        def work(worker):
            while not stopping.is_set():
                with lock:
                    if not queue:
                        return
                    m = queue.pop(0)
                outcome = worker.try_mutant(m, core_timeout)
                if stopping.is_set():
                    return
                with lock:
                    results[m.id] = outcome
                    done = len(results)
                    mark = "" if outcome == "killed" else f"  <-- {outcome.upper()}"
                    print(
                        f"[{done}/{len(todo)} {time.monotonic() - started:6.0f}s] {m.id} {m.file}:{m.line} "
                        f"{m.change}{mark}",
                        flush=True,
                    )

        with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
            for f in [pool.submit(work, w) for w in workers]:
                f.result()
    except KeyboardInterrupt:
        print("\nstopped; the copies are restored and the working tree was never touched", flush=True)
    finally:
        # The copies are put right at the start of every run too, whatever happened here.
        for w in workers:
            if w.src.exists():
                sync_copy(w.src)

    report(todo, skipped, results, time.monotonic() - started)
    survivors = [m for m in todo if results.get(m.id) in ("survived", "suite")]
    return 1 if survivors or len(results) < len(todo) else 0


def report(todo, skipped, results, took):
    by_file = {}
    for m in todo:
        outcome = results.get(m.id, "not tried")
        by_file.setdefault(m.file, {}).setdefault(outcome, 0)
        by_file[m.file][outcome] += 1
    names = ["killed", "suite", "survived", "not built", "not tried"]
    print(f"\n{'file':24} " + " ".join(f"{n:>9}" for n in names))
    for file in sorted(by_file):
        print(f"{file:24} " + " ".join(f"{by_file[file].get(n, 0):9}" for n in names))
    totals = {n: sum(c.get(n, 0) for c in by_file.values()) for n in names}
    print(f"{'all':24} " + " ".join(f"{totals[n]:9}" for n in names))
    print(
        f"\nkilled by core_tests: {totals['killed']}, killed only by the whole suite: {totals['suite']}, "
        f"survived: {totals['survived']}, not built: {totals['not built']}, equivalent (skipped): {len(skipped)}, "
        f"not tried: {totals['not tried']}; {took / 60:.1f} minutes"
    )
    left = [m for m in todo if results.get(m.id) in ("survived", "suite")]
    if left:
        print("\nsurvivors of core_tests:")
        for m in left:
            note = " (the whole suite kills it)" if results[m.id] == "suite" else ""
            print(f"  {m.file}:{m.line} [{m.id}] {m.change}{note}\n      {m.text.strip()}")


if __name__ == "__main__":
    sys.exit(main())
