#!/usr/bin/env python3
"""Reads what a screen reader reads of panorel through AT-SPI.

  atspi_probe.py tree            the window and its children: "ROLE<TAB>NAME<TAB>X,Y,W,H"
                                 (the window's line has no bounds)
  atspi_probe.py focus SECONDS   "ROLE<TAB>NAME" for each object that takes the focus
                                 within SECONDS (print "ready" first, once listening)

Ends with status 1 when no accessibility bus answers or panorel is not on it.
"""
import sys
import time

import pyatspi


def find_window(deadline):
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "panorel":
                for window in app:
                    if window is not None and window.childCount > 0:
                        return window
        time.sleep(0.2)
    return None


def tree():
    window = find_window(time.time() + 10)
    if window is None:
        print("panorel is not on the accessibility bus", file=sys.stderr)
        return 1
    print(f"{window.getRoleName()}\t{window.name}")
    for child in window:
        box = child.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print(f"{child.getRoleName()}\t{child.name}\t{box.x},{box.y},{box.width},{box.height}")
    return 0


def focus(seconds):
    if find_window(time.time() + 10) is None:
        print("panorel is not on the accessibility bus", file=sys.stderr)
        return 1

    def heard(event):
        if event.detail1 == 1:
            print(f"{event.source.getRoleName()}\t{event.source.name}", flush=True)

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused")
    print("ready", flush=True)
    from gi.repository import GLib
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    if sys.argv[1:2] == ["tree"]:
        sys.exit(tree())
    if sys.argv[1:2] == ["focus"] and len(sys.argv) == 3:
        sys.exit(focus(float(sys.argv[2])))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
