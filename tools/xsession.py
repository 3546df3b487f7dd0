"""A private X server (Xvfb on a free display) and the programs started on it.

Everything started here dies with the Python process, even if that is killed outright,
and close() ends it all in order. Used by tools/screenshot.py and the install tests.
"""
import ctypes
import os
import re
import select
import signal
import subprocess
import time

_PR_SET_PDEATHSIG = 1


def _die_with_parent():
    ctypes.CDLL(None, use_errno=True).prctl(_PR_SET_PDEATHSIG, signal.SIGKILL)


class XSession:
    def __init__(self, screen="1024x768x24", timeout=20.0, env=None):
        """env: the environment for the programs started here (the caller's by default)."""
        self.children = []
        read_end, write_end = os.pipe()
        try:
            self.server = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", screen, "-nolisten", "tcp"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                preexec_fn=_die_with_parent)
        finally:
            os.close(write_end)
        try:
            number = b""
            deadline = time.monotonic() + timeout
            while not number.endswith(b"\n"):
                left = deadline - time.monotonic()
                if left <= 0 or not select.select([read_end], [], [], left)[0]:
                    raise RuntimeError("Xvfb did not start within %g s" % timeout)
                chunk = os.read(read_end, 16)
                if not chunk:
                    raise RuntimeError("Xvfb ended at start (exit code %s)" % self.server.wait())
                number += chunk
        except BaseException:
            self.close()
            raise
        finally:
            os.close(read_end)
        self.display = ":" + number.decode().strip()
        self.env = dict(env or os.environ, DISPLAY=self.display, QT_QPA_PLATFORM="xcb")
        self.env.pop("WAYLAND_DISPLAY", None)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def start(self, argv, cwd=None, log=None):
        """Starts a program on this display; it is ended by close()."""
        out = open(log, "wb") if log else subprocess.DEVNULL
        try:
            child = subprocess.Popen(argv, cwd=cwd, env=self.env, stdout=out, stderr=subprocess.STDOUT,
                                     preexec_fn=_die_with_parent)
        finally:
            if log:
                out.close()
        self.children.append(child)
        return child

    def run(self, argv, timeout=10.0):
        """Runs an X client to its end and gives its output (stdout) as text."""
        done = subprocess.run(argv, env=self.env, capture_output=True, timeout=timeout,
                              preexec_fn=_die_with_parent)
        return done.returncode, done.stdout.decode(errors="replace")

    def find_window(self, title, timeout=20.0):
        """Polls until a mapped window has exactly this title; gives its id or None."""
        deadline = time.monotonic() + timeout
        pattern = "^" + re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", title) + "$"
        while time.monotonic() < deadline:
            code, out = self.run(["xdotool", "search", "--onlyvisible", "--name", pattern])
            if code == 0 and out.split():
                return out.split()[0]
            time.sleep(0.2)
        return None

    def close(self):
        for child in reversed(self.children + [getattr(self, "server", None)]):
            if child is None or child.poll() is not None:
                continue
            child.terminate()
            try:
                child.wait(timeout=5)
            except subprocess.TimeoutExpired:
                child.kill()
                child.wait()
        self.children = []
