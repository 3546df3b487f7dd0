"""The Wine prefix that the Windows tests and the Wine bench start from.

Debian's Wine looks for its fonts in <data dir>\\../fonts\\, a path that names nothing, while
fonts-wine puts them in /usr/share/wine/fonts; so Wine offers no font of its own (no MS Sans
Serif, Tahoma or Marlett) unless they are in the prefix's font folder, where it looks too.
"""
import os
import shutil
import subprocess


def wine_env(prefix, base=None):
    """A 64-bit prefix without the .NET and HTML engines, which would be downloaded."""
    return dict(base if base is not None else os.environ, WINEPREFIX=prefix, WINEARCH="win64",
                WINEDLLOVERRIDES="mscoree,mshtml=", WINEDEBUG="-all")


def set_value(env, key, value, kind, data):
    subprocess.run(["wine", "reg", "add", key, "/v", value, "/t", kind, "/d", data, "/f"], env=env,
                   check=True, timeout=120, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def make_prefix(env, registry=()):
    """A fresh prefix with Wine's own fonts and the registry values (key, value, kind, data)."""
    subprocess.run(["wineboot", "-i"], env=env, check=True, timeout=300,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    fonts = os.path.join(env["WINEPREFIX"], "drive_c", "windows", "Fonts")
    for name in os.listdir("/usr/share/wine/fonts"):
        shutil.copy(os.path.join("/usr/share/wine/fonts", name), fonts)
    for entry in registry:
        set_value(env, *entry)
    subprocess.run(["wineserver", "-w"], env=env, timeout=120)
