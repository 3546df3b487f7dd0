#!/usr/bin/env python3
"""What a Wayland client's windows told the compositor, read from its WAYLAND_DEBUG=1 log:
each toplevel's title and parent, and its activation requests. For looking at how the game
behaves on a Wayland desktop, by hand or from the desktop test.

Usage: wayland_log.py LOG
"""
import re
import sys


def toplevels(log):
    """The windows the game showed, from its WAYLAND_DEBUG log, in order: each one's title,
    parent (None where it had none) and whether it asked for activation while another window
    of the game stood over it."""
    shown, open_ = [], []
    surface_of, window_of = {}, {}
    for line in open(log, errors="replace"):
        if " -> " not in line:
            continue
        m = re.search(r"-> xdg_wm_base@\d+\.get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\)", line)
        if m:
            surface_of[m.group(1)] = m.group(2)
        m = re.search(r"-> xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\)", line)
        if m:
            window = {"title": None, "parent": None, "over": False, "activations": 0,
                      "surface": surface_of.get(m.group(1))}
            window_of[m.group(2)] = window
            shown.append(window)
            open_.append(window)
        m = re.search(r"-> xdg_toplevel@(\d+)\.(set_parent|set_title|destroy)\((.*)\)", line)
        if m and m.group(1) in window_of:
            window = window_of[m.group(1)]
            if m.group(2) == "set_parent":
                window["parent"] = None if m.group(3) == "nil" else m.group(3)
            elif m.group(2) == "set_title":
                window["title"] = m.group(3).strip('"')
            elif window in open_:
                open_.remove(window)
        m = re.search(r"-> xdg_activation_v1@\d+\.activate\(.*wl_surface@(\d+)\)", line)
        if m:
            target = next((w for w in reversed(open_) if w["surface"] == m.group(1)), None)
            if target is not None and open_ and open_[-1] is not target:
                target["over"] = True
            if target is not None:
                target["activations"] += 1
    return shown


if __name__ == "__main__":
    for window in toplevels(sys.argv[1]):
        print("%-32s parent %-16s %d activation request(s)%s" % (
            window["title"], window["parent"], window["activations"],
            ", some while another window of it stood over it" if window["over"] else ""))
