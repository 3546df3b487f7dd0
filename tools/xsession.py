"""A private X server (Xvfb on a free display) and the programs started on it.

Everything started here dies with the Python process, even if that is killed outright,
and close() ends it all in order. Used by tools/screenshot.py and the install tests.
"""
import ctypes
import json
import os
import re
import select
import shutil
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

    def key(self, name):
        """Types a key by its X name, with modifiers ("shift+Tab")."""
        return self.run(["xdotool", "key", name])

    def focused_title(self):
        """The title of the window holding the X focus, or None."""
        code, out = self.run(["xdotool", "getwindowfocus", "getwindowname"])
        return (out.strip() if code == 0 else "") or None

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



class WestonSession(XSession):
    """A Wayland desktop: weston's own, in a window on a private X server. The programs
    started here are its Wayland clients (XWayland is not offered); the keys typed on the X
    server reach the window weston has focused."""

    def __init__(self, work, timeout=20.0, env=None):
        super().__init__(screen="1280x1024x24", timeout=timeout, env=env)
        runtime = os.path.join(work, "weston-runtime")
        shutil.rmtree(runtime, ignore_errors=True)  # no socket of an earlier session
        os.makedirs(runtime, mode=0o700)
        self.env["XDG_RUNTIME_DIR"] = runtime
        try:
            self.start(["weston", "--backend=x11-backend.so", "--socket=wayland-game", "--width=1024",
                        "--height=768", "--idle-time=0"], log=os.path.join(work, "weston.log"))
            socket = os.path.join(runtime, "wayland-game")
            deadline = time.monotonic() + timeout
            while not os.path.exists(socket) or not self.run(["xdotool", "search", "--class", "weston"])[1]:
                if time.monotonic() > deadline or self.children[-1].poll() is not None:
                    raise RuntimeError("weston did not start; see weston.log")
                time.sleep(0.1)
            self.run(["xdotool", "search", "--class", "weston", "windowfocus"])
        except BaseException:
            self.close()
            raise
        self.env.update(WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland")

    def focused_title(self):
        """The title of the window with the keyboard, as the game tells the accessibility bus
        (weston has no interface that tells it)."""
        import pyatspi  # needs the session bus of the caller
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            for j in range(app.childCount if app is not None else 0):
                window = app.getChildAtIndex(j)
                if window is not None and window.getState().contains(pyatspi.STATE_ACTIVE):
                    return window.name or None
        return None
