"""setup installs the build into a scratch prefix beside a neighbour's file; check, after the
other install tests: none of them rewrote the build's own install list, tools/uninstall.sh
leaves the neighbour's file alone, and a list naming a file outside the prefix removes nothing."""
import os
import sys

from sandbox import Checks, fresh, install, run

step, build, work, source = sys.argv[1:]
prefix, user_list = os.path.join(work, "prefix"), os.path.join(build, "install_manifest.txt")
kept = os.path.join(prefix, "share", "applications", "neighbour.desktop")
uninstall = lambda: run(["bash", source + "/tools/uninstall.sh", prefix], dict(os.environ, BUILD_DIR=work))
checks = Checks()
if step == "setup":
    env = fresh(work)
    os.makedirs(os.path.dirname(kept))
    open(kept, "w").close()
    install(build, None, env, prefix)
else:
    checks.expect(not os.path.exists(user_list) or os.path.getmtime(user_list) < os.path.getmtime(kept),
                  "the build's install list is untouched")
    code, out = uninstall()
    left = [os.path.relpath(os.path.join(d, n), prefix) for d, ds, fs in os.walk(prefix) for n in ds + fs]
    checks.expect(out.startswith("Removed 16 files") and left == ["share", "share/applications", "share/applications/neighbour.desktop"],
                  "16 files uninstalled, the neighbour's alone left: %s %s" % (out, left))
    open(os.path.join(work, "install_manifest.txt"), "w").write(kept + "\n" + prefix + "/../install_manifest.txt\n")
    checks.expect(uninstall()[0] != 0 and os.path.exists(kept), "a list reaching outside the prefix removes nothing")
checks.finish()
