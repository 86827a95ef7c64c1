"""An X display with Chromium in kiosk mode showing one page, driven with xdotool and read back
with ImageMagick's import."""

import os
import re
import signal
import subprocess
import tempfile
import time

SCREEN_WIDTH, SCREEN_HEIGHT = 1280, 1024
FIRST_DISPLAY = 99  # the first display number tried for an Xvfb of our own
X_START_TIMEOUT = 10  # seconds
STOP_TIMEOUT = 5  # seconds
PPM_HEADER = re.compile(rb"P6\s+(\d+)\s+(\d+)\s+255\s")


class CannotStart(Exception):
    """Chromium or an X server could not be started."""


class Picture:
    """Width x height pixels as RGB bytes, row by row from the top."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])


def read_ppm(data):
    """A binary PPM with 8-bit samples."""
    header = PPM_HEADER.match(data)
    if not header:
        raise ValueError("not an 8-bit binary PPM")
    return Picture(int(header.group(1)), int(header.group(2)), data[header.end():])


def wait_for(check, timeout, interval=0.05):
    """Calls check until it returns something true, at most timeout seconds; its last result."""
    deadline = time.monotonic() + timeout
    result = check()
    while not result and time.monotonic() < deadline:
        time.sleep(interval)
        result = check()
    return result


def stop(process):
    """Ends a process started in a session of its own, with all it started."""
    if process.poll() is not None:
        return
    os.killpg(process.pid, signal.SIGTERM)
    try:
        process.wait(STOP_TIMEOUT)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()


def start(command, **options):
    try:
        return subprocess.Popen(command, start_new_session=True, **options)
    except OSError as e:
        raise CannotStart(f"{command[0]}: {e}")


class XSession:
    """$DISPLAY when set, else an Xvfb of its own; one Chromium at a time."""

    def __init__(self):
        self.env = dict(os.environ)
        self.xvfb = None
        self.chromium = None
        if "DISPLAY" not in self.env:
            self.start_xvfb()
        elif not self.answering():
            raise CannotStart(f"no X server answers on {self.env['DISPLAY']}")

    def start_xvfb(self):
        number = FIRST_DISPLAY
        while os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            number += 1
        self.env["DISPLAY"] = f":{number}"
        # -noreset: as a desktop's X server, it keeps the root's resources when its last client goes.
        self.xvfb = start(["Xvfb", f":{number}", "-screen", "0", f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24",
                           "-nolisten", "tcp", "-noreset"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not wait_for(lambda: self.xvfb.poll() is None and self.answering(), X_START_TIMEOUT):
            stop(self.xvfb)
            raise CannotStart(f"Xvfb :{number} did not start")

    def answering(self):
        return self.run(["xdotool", "getmouselocation"]).returncode == 0

    def run(self, command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True)

    def open(self, url):
        """Starts Chromium on the page, after stopping the former one."""
        self.close_chromium()
        self.profile = tempfile.TemporaryDirectory(prefix="web-board-chromium-")
        self.log = open(os.path.join(self.profile.name, "chromium.log"), "w+")
        self.chromium = start(["chromium", "--no-sandbox", "--kiosk", "--force-device-scale-factor=1",
                               f"--user-data-dir={self.profile.name}", "--no-first-run",
                               "--disable-background-networking", "--disable-component-update", "--disable-sync",
                               "--disable-features=Translate", "--password-store=basic", "--disable-gpu",
                               "--window-position=0,0", f"--window-size={SCREEN_WIDTH},{SCREEN_HEIGHT}", url],
                              env=self.env, stdout=self.log, stderr=self.log)

    def chromium_gone(self):
        """Why Chromium is no longer running, or None while it is."""
        if self.chromium.poll() is None:
            return None
        self.log.seek(0)
        return f"chromium exited with {self.chromium.returncode}:\n" + self.log.read()[-2000:]

    def window_names(self):
        windows = self.run(["xdotool", "search", "--onlyvisible", "--class", "chromium"]).stdout.split()
        return [self.run(["xdotool", "getwindowname", window]).stdout.strip() for window in windows]

    def xdotool(self, args):
        subprocess.run(["xdotool", *args], env=self.env, check=True)

    def screenshot(self, left, top, width, height):
        """That area of the screen."""
        shot = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}", "-depth", "8",
                               "ppm:-"], env=self.env, capture_output=True, check=True)
        return read_ppm(shot.stdout)

    def close_chromium(self):
        if self.chromium:
            stop(self.chromium)
            self.log.close()
            self.profile.cleanup()
            self.chromium = None

    def close(self):
        self.close_chromium()
        if self.xvfb:
            stop(self.xvfb)
