#!/usr/bin/env python3
"""The Linux edition on scaled desktops and under a window manager.

For each desktop below (GTK's window scale, the Xft.dpi resource, a window manager or none) the
real mipro starts on an Xvfb of this test's own, and the screen must show what the design asks at
that dpi, in device pixels: the main window's client area is the design's size, and the pointer,
which the first step parks on Next, lies on Next's rectangle.

usage: scaled_desktop_test.py MIPRO [--window-manager none|openbox|xfwm4 ...]
exit status: 0 all as designed, 1 a difference, 77 no X server could be started
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

from x_session import CannotStart, XSession, start, stop, wait_for

SKIP = 77
WINDOW_TIMEOUT = 20  # seconds for mipro's window to show and the pointer to be parked
WM_TIMEOUT = 10  # seconds for the window manager to take the screen

# The design, in twips: the client area and the Next button on it.
CLIENT_TWIPS = (7515, 4395)
NEXT_TWIPS = (4440, 3930, 1335, 345)  # left, top, width, height
TWIPS_PER_INCH = 1440

# (GDK_SCALE, Xft.dpi): a desktop at 100 %, 150 % and 200 % as fonts see it, and GTK's own scale.
DESKTOPS = [(1, 96), (1, 144), (1, 192), (2, 192), (2, 96)]

WINDOW_MANAGERS = {
    "openbox": ["openbox", "--sm-disable"],
    "xfwm4": ["dbus-run-session", "--", "xfwm4", "--compositor=on", "--sm-client-disable"],
}


def twips_per_pixel(dpi):
    return round(TWIPS_PER_INCH / dpi)


def device_pixels(twips, dpi):
    return round(twips / twips_per_pixel(dpi))


class Desktop:
    """The test's Xvfb with the dpi set and perhaps a window manager on it."""

    def __init__(self, session, window_manager):
        self.session = session
        self.window_manager = window_manager
        self.wm = None

    def set_dpi(self, dpi):
        subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {dpi}\n", env=self.session.env, text=True, check=True)

    def start_window_manager(self):
        if self.window_manager == "none":
            return
        self.wm = start(WINDOW_MANAGERS[self.window_manager], env=self.session.env,
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        managing = lambda: "window id" in self.session.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout
        if not wait_for(managing, WM_TIMEOUT):
            raise CannotStart(f"{self.window_manager} did not take the screen")

    def stop_window_manager(self):
        if self.wm:
            stop(self.wm)
            self.wm = None


def client_rect(session, window):
    """The window's client area on the screen, in device pixels: (left, top, width, height)."""
    info = session.run(["xwininfo", "-id", window]).stdout
    value = lambda name: int(re.search(rf"{name}:\s+(-?\d+)", info).group(1))
    return value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")


def pointer(session):
    where = session.run(["xdotool", "getmouselocation", "--shell"]).stdout
    return int(re.search(r"X=(\d+)", where).group(1)), int(re.search(r"Y=(\d+)", where).group(1))


def mipro_window(session, process):
    found = session.run(["xdotool", "search", "--onlyvisible", "--pid", str(process.pid)]).stdout.split()
    return found[-1] if found else None


def check_desktop(session, mipro, scale, dpi):
    """What differs from the design on this desktop, as lines of text."""
    env = dict(session.env, GDK_SCALE=str(scale), NO_AT_BRIDGE="1")
    with tempfile.TemporaryDirectory(prefix="mipro-scaled-") as runtime:
        env["XDG_RUNTIME_DIR"] = runtime
        # Far from Next, so a pointer left where it was cannot pass for a parked one.
        session.run(["xdotool", "mousemove", "1", "1"])
        process = start([mipro], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            window = wait_for(lambda: mipro_window(session, process), WINDOW_TIMEOUT)
            if not window:
                return [f"no window of mipro showed (exit {process.poll()})"]
            left, top, width, height = client_rect(session, window)
            want = (device_pixels(CLIENT_TWIPS[0], dpi), device_pixels(CLIENT_TWIPS[1], dpi))
            next_left = left + device_pixels(NEXT_TWIPS[0], dpi)
            next_top = top + device_pixels(NEXT_TWIPS[1], dpi)
            next_right = next_left + device_pixels(NEXT_TWIPS[2], dpi)
            next_bottom = next_top + device_pixels(NEXT_TWIPS[3], dpi)
            on_next = lambda p: next_left <= p[0] < next_right and next_top <= p[1] < next_bottom
            parked = wait_for(lambda: on_next(pointer(session)), WINDOW_TIMEOUT)
            problems = []
            # A scaled GTK sizes in whole logical pixels: an odd design size comes out a pixel larger.
            if abs(width - want[0]) >= scale or abs(height - want[1]) >= scale:
                problems.append(f"client area {width} x {height}, the design's {want[0]} x {want[1]}")
            if not parked:
                problems.append(f"pointer at {pointer(session)}, not on Next "
                                f"({next_left}, {next_top})-({next_right}, {next_bottom})")
            return problems
        finally:
            stop(process)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("mipro")
    parser.add_argument("--window-manager", choices=["none", *WINDOW_MANAGERS], default="none")
    args = parser.parse_args()
    for tool in ["xrdb", "xprop", "xwininfo", "xdotool"] + ([] if args.window_manager == "none" else
                                                            [args.window_manager]):
        if not shutil.which(tool):
            print(f"skipped: {tool} is not installed")
            return SKIP
    os.environ.pop("DISPLAY", None)
    try:
        session = XSession()
    except CannotStart as e:
        print(f"skipped: {e}")
        return SKIP
    desktop = Desktop(session, args.window_manager)
    failed = 0
    try:
        desktop.start_window_manager()
        for scale, dpi in DESKTOPS:
            desktop.set_dpi(dpi)
            problems = check_desktop(session, args.mipro, scale, dpi)
            label = f"GDK_SCALE={scale} Xft.dpi={dpi} window manager {args.window_manager}"
            print(f"{'FAIL' if problems else 'ok'}: {label}" + "".join(f"\n    {p}" for p in problems))
            failed += bool(problems)
    except CannotStart as e:
        print(f"skipped: {e}")
        return SKIP
    finally:
        desktop.stop_window_manager()
        session.close()
    print(f"{len(DESKTOPS) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
