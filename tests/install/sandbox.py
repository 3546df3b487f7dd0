"""What the install and package tests share: a fresh work folder inside the build folder
that every program they run uses as home and temporary folder, the install itself, and a
list of failed checks."""
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, os.pardir, os.pardir, "tools"))

APP_ID = "org.example.barkmoor"
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def fresh(work):
    """Empties work and gives an environment that keeps every program's files inside it."""
    shutil.rmtree(work, ignore_errors=True)
    home = os.path.join(work, "home")
    env = dict(os.environ, HOME=home, TMPDIR=os.path.join(home, "tmp"),
               XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_DATA_HOME=os.path.join(home, "data"), XDG_RUNTIME_DIR=os.path.join(home, "run"))
    for key in ("TMPDIR", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"):
        os.makedirs(env[key], mode=0o700)
    return env


def run(argv, env, timeout=300, cwd=None):
    done = subprocess.run(argv, env=env, cwd=cwd, capture_output=True, timeout=timeout)
    return done.returncode, done.stdout.decode(errors="replace") + done.stderr.decode(errors="replace")


def install(build, root, env, prefix="/usr"):
    """cmake --install of the build into root as if to prefix (root None: into prefix itself),
    from a copy of its install script that lists the installed files beside root, not in the
    build folder over the list of the user's own install."""
    own, line = os.path.dirname(root or prefix), 'file(WRITE "%s/${CMAKE_INSTALL_MANIFEST}"'
    copy = os.path.join(own, "cmake_install.cmake")
    with open(os.path.join(build, "cmake_install.cmake"), encoding="utf-8") as f, open(copy, "w") as to:
        to.write(f.read().replace(line % build, line % own))
    code, out = run([os.environ.get("CMAKE_COMMAND", "cmake"), "-DCMAKE_INSTALL_PREFIX=" + prefix, "-P", copy],
                    dict(env, DESTDIR=root) if root else env)
    if code != 0:
        sys.exit("cmake --install failed:\n" + out)
    return os.path.join(root, prefix.lstrip("/")) if root else prefix


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        return None
    return int.from_bytes(head[16:20], "big"), int.from_bytes(head[20:24], "big")


def desktop_entry(path):
    """The keys of the [Desktop Entry] group."""
    keys, group = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith("["):
                group = line
            elif group == "[Desktop Entry]" and "=" in line and not line.startswith("#"):
                key, value = line.split("=", 1)
                keys[key.strip()] = value.strip()
    return keys


class Checks:
    def __init__(self):
        self.failed = []

    def expect(self, ok, what):
        print(("ok      " if ok else "FAILED  ") + what)
        if not ok:
            self.failed.append(what)
        return ok

    def finish(self):
        if self.failed:
            print("\n%d check(s) failed" % len(self.failed))
            sys.exit(1)
