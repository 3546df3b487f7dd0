"""setup: installs the build into a scratch prefix that already holds a neighbour's files.
check, once the other install tests have run: tools/uninstall.sh must leave the neighbour's
files alone there, the user's own install list in the build folder must be as it was (a test
that rewrote it would point the user's uninstall at its files), and a list reaching outside
the prefix must make it remove nothing."""
import os
import sys

from sandbox import Checks, fresh, install, run

step, build, work, source = sys.argv[1:]
prefix, user_list = os.path.join(work, "prefix"), os.path.join(build, "install_manifest.txt")
NEIGHBOUR = ["bin", "bin/neighbour", "share", "share/applications", "share/applications/neighbour.desktop"]
state = lambda path: repr(open(path, "rb").read() if os.path.exists(path) else None)
uninstall = lambda: run(["bash", os.path.join(source, "tools", "uninstall.sh"), prefix], dict(os.environ, BUILD_DIR=work))
checks = Checks()
if step == "setup":
    env = fresh(work)
    for path in (p for p in NEIGHBOUR if "neighbour" in p):
        os.makedirs(os.path.dirname(os.path.join(prefix, path)), exist_ok=True)
        open(os.path.join(prefix, path), "w").close()
    open(os.path.join(work, "user-list"), "w").write(state(user_list))
    install(build, None, env, prefix)
else:
    listed = open(os.path.join(work, "install_manifest.txt")).read().split("\n")
    checks.expect(prefix + "/lib/games/barkmoor/barkmoor" in listed, "the install listed the program")
    checks.expect(open(os.path.join(work, "user-list")).read() == state(user_list), "the build's own install list is untouched")
    code, out = uninstall()
    left = sorted(os.path.relpath(os.path.join(d, n), prefix) for d, ds, fs in os.walk(prefix) for n in ds + fs)
    checks.expect(code == 0 and left == NEIGHBOUR, "uninstalled, the neighbour's files alone left: %s %s" % (out, left))
    open(os.path.join(work, "install_manifest.txt"), "w").write(prefix + "/bin/neighbour\n" + prefix + "/../user-list\n")
    code, out = uninstall()
    checks.expect(code != 0 and os.path.exists(prefix + "/bin/neighbour") and os.path.exists(work + "/user-list"),
                  "a list reaching outside the prefix removes nothing: " + out)
checks.finish()
