#!/usr/bin/env python3
"""The practice board's web page (board/web) against the board's C++ model.

For each page below, Chromium shows the board and xdotool replays the page's scenarios (the mouse
and the keyboard) one after the other; after each, the board on the screen must equal, pixel for
pixel, the picture the C++ model draws after all the input so far (board_reference), and the
page's title must carry the model's record of presses and keys.

usage: web_board_test.py BOARD_REFERENCE INDEX_HTML
exit status: 0 all equal, 1 a difference, 77 no Chromium or X server could be started
"""

import subprocess
import sys
import tempfile
import time
from pathlib import Path

from x_session import CannotStart, XSession, read_ppm, wait_for

SKIP = 77
PAGE_TIMEOUT = 30  # seconds for Chromium to show the board
STEP_TIMEOUT = 5  # seconds for the board to show a scenario's outcome
CLICK_GAP = "0.005"  # seconds after each click
LISTED_DIFFERENCES = 10
# the report's lines the page's title carries
RECORD = ("tool", "presses", "stray", "busy", "busy_ms", "window_presses", "keys", "codes")

# ---- Input in board pixels: (kind, (x, y)), kind "down", "up" or "move" for the left button, or a
# click of another button, "middle" or "right"; and keys: ("type", text), ("key", X key name),
# ("ctrl", letter), ("keydown" or "keyup", "shift"); and ("sleep", seconds) ----


def click(p, times=1):
    return [("down", p), ("up", p)] * times


def drag(points):
    """A press at the first point, moves to the others and the release at the last."""
    return [("down", points[0])] + [("move", p) for p in points[1:]] + [("up", points[-1])]


def mipro_drag(points):
    """A drag as mipro sends it: at each point a move and a button-down, one release at the end."""
    return [("down", p) for p in points] + [("up", points[-1])]


def other_clicks(p):
    return [("middle", p), ("right", p)]


def type_text(text):
    return [("type", text)]


def key(name):
    """Return, BackSpace or Delete pressed and released."""
    return [("key", name)]


def select_all():
    return [("ctrl", "a")]


def shift_click(p):
    return [("keydown", "shift")] + click(p) + [("keyup", "shift")]


def pause(seconds):
    return [("sleep", seconds)]


def knob(value):
    """A PaintBBS slider's knob column from its zero point: ceil(value / 5) - 1."""
    return -(-value // 5) - 1


def shift_steps(at, channel, value, steps):
    """Shift+clicks two pixels beside the knob, as mipro makes them: each moves the value by 1, up
    for steps > 0, down for steps < 0; the clicks and the value they end at."""
    actions, side = [], 2 if steps > 0 else -2
    for _ in range(abs(steps)):
        actions += shift_click(at.slider(channel, knob(value) + side))
        value = max(0, min(255, value + (1 if steps > 0 else -1)))
    return actions, value


class Places:
    """Points on the board, read from the C++ model's report."""

    def __init__(self, report):
        self.report = report
        self.canvas_x, self.canvas_y = report["canvas"][:2]

    def canvas(self, x, y):
        return (self.canvas_x + x, self.canvas_y + y)

    def arrow(self, channel, arrow):
        return tuple(self.report[f"{channel}_{arrow}"])

    def slider(self, channel, dx, dy=0):
        x, y = self.report[f"{channel}_slider"]
        return (x + dx, y + dy)

    def tool(self, name):
        return tuple(self.report[f"{name}_tool"])

    def swatch(self, index):
        """The middle of a palette swatch; swatches are 16 pixels wide, 18 apart."""
        x, y = self.report["palette"][:2]
        return (x + 18 * index + 8, y + 8)

    def code(self, part):
        """ColourCode: "field", "open" or "close"."""
        return tuple(self.report[f"code_{part}"])


def line_scenarios(at):
    """The pen's lines between drag points, fast and slanting, and what lies around the canvas."""
    return [
        ("a fast drag paints the whole line", drag([at.canvas(5, 100), at.canvas(150, 104)])),
        ("diagonal and steep drags leave no gaps", drag([at.canvas(10, 20), at.canvas(60, 70), at.canvas(63, 95)])),
        ("mipro's line for a run", click(at.canvas(40, 9)) + mipro_drag([at.canvas(41, 9), at.canvas(70, 9)])),
        ("a stray press on the brush paints broad", click(at.tool("brush")) + drag([at.canvas(100, 30), at.canvas(120, 50)])),
        ("the eraser whitens", click(at.tool("eraser")) + drag([at.canvas(5, 102), at.canvas(60, 102)])),
        ("swatches set the colour", click(at.tool("pen")) + click(at.swatch(3)) + click(at.canvas(2, 2))
         + click(at.swatch(9)) + drag([at.canvas(3, 3), at.canvas(30, 12)])),
    ]


def small_canvas_scenarios(at):
    """A canvas smaller than the picture: mipro's clicks beyond it land on the tools and palette,
    and the busy board misses some presses."""
    return [
        ("canvas clicks on a busy board", click(at.canvas(0, 0)) + click(at.canvas(1, 0)) + click(at.canvas(2, 0))
         + click(at.canvas(23, 15))),
        ("clicks below the canvas", click(at.canvas(5, 17)) + click(at.canvas(5, 80)) + click(at.canvas(40, 81))),
        ("clicks right of the canvas", click(at.canvas(24, 3)) + click(at.canvas(27, 3)) + click(at.canvas(30, 60))
         + click(at.canvas(31, 30))),
        ("the canvas after the stray presses", click(at.canvas(4, 4)) + drag([at.canvas(10, 10), at.canvas(20, 5)])),
    ]


def oekaki_scenarios(at):
    return [
        ("red arrows up to 23", click(at.arrow("red", "tens_up"), 2) + click(at.arrow("red", "ones_up"), 3)),
        ("green tens up clamps at 255", click(at.arrow("green", "tens_up"), 26) + click(at.arrow("green", "ones_up"))),
        ("blue down arrows clamp at 0", click(at.arrow("blue", "ones_down")) + click(at.arrow("blue", "tens_down"))
         + click(at.arrow("blue", "tens_up")) + click(at.arrow("blue", "ones_down"), 3)),
        ("a held arrow acts once", mipro_drag([at.arrow("red", "tens_up")] * 2)
         + drag([at.arrow("red", "ones_up"), at.arrow("red", "ones_down")])),
        ("canvas clicks a few ms apart", click(at.canvas(0, 0)) + click(at.canvas(1, 0)) + click(at.canvas(179, 119))
         + click(at.canvas(90, 60))),
        ("canvas drag out of the canvas and back", drag([at.canvas(10, 10), at.canvas(11, 10), at.canvas(12, 11),
                                                         at.canvas(-6, 20), at.canvas(20, 30), at.canvas(21, 30)])),
        ("mipro's canvas drag", mipro_drag([at.canvas(30, 5), at.canvas(31, 5), at.canvas(32, 6)])),
        ("a drag from the panel paints nothing", drag([at.canvas(-30, 100), at.canvas(60, 60), at.canvas(61, 61)])),
        ("other buttons do nothing", other_clicks(at.canvas(70, 70)) + other_clicks(at.arrow("red", "tens_up"))),
    ]


def paint_scenarios(at):
    return [
        ("clicks at zero.x + v/5 - 1 set 125, 5, 245", click(at.slider("red", 125 // 5 - 1))
         + click(at.slider("green", 5 // 5 - 1)) + click(at.slider("blue", 245 // 5 - 1))),
        ("mipro's drag zero.x, zero.x - 1", mipro_drag([at.slider("red", 0), at.slider("red", -1)])),
        ("mipro's drag zero.x + 48, + 49", mipro_drag([at.slider("green", 48), at.slider("green", 49)])),
        ("mipro's drag zero.x + 48, + 49, + 50", mipro_drag([at.slider("blue", dx) for dx in (48, 49, 50)])),
        ("a held slider follows beyond its ends and off the board", drag(
            [at.slider("red", 10), at.slider("red", 200), at.slider("red", -46, 5), at.slider("red", 20, 80)])),
        ("a press beside the track grips nothing", drag([at.slider("green", -1), at.slider("green", 30)])
         + click(at.slider("green", 10, -3)) + click(at.slider("green", 10, 12))),
        ("canvas clicks a few ms apart", click(at.canvas(0, 0)) + click(at.canvas(299, 299))
         + click(at.canvas(150, 150)) + click(at.canvas(151, 150))),
        ("mipro's canvas drag off the board", mipro_drag([at.canvas(5, 5), at.canvas(6, 5), at.canvas(-150, 5)])),
        ("other buttons do nothing", other_clicks(at.canvas(40, 40)) + other_clicks(at.slider("red", 30))),
    ]


def shift_scenarios(at):
    """Shift+clicks on the sliders, with the pen cursor and a stabiliser on a PaintBBS board."""
    up, red = shift_steps(at, "red", 0, 7)
    down, _ = shift_steps(at, "red", red, -3)
    to_top, green = shift_steps(at, "green", 245, 11)
    return [
        ("Shift+clicks step by one from 0", up + down),
        ("on the knob nothing, one beside it a step", shift_click(at.slider("red", knob(4)))
         + shift_click(at.slider("red", knob(4) - 1))),
        ("and up to 255 and no further", click(at.slider("green", 48)) + to_top + shift_steps(at, "green", green, -1)[0]),
        ("Shift at the ends of its zone", shift_click(at.slider("blue", -3)) + shift_click(at.slider("blue", 52))
         + shift_click(at.slider("blue", 53))),
        ("the cursor over the canvas", [("move", at.canvas(30, 20))]),
        ("a stabilised drag ends short", drag([at.canvas(10, 40), at.canvas(60, 40), at.canvas(60, 70)])),
        ("Shift without a click changes nothing", [("keydown", "shift"), ("keyup", "shift")] + click(at.slider("blue", 30))),
    ]


def code_scenarios(at):
    """The ColourCode field, always there: focus, select, type, Enter; keys with no focus."""
    return [
        ("the pen cursor follows the pointer", [("move", at.canvas(30, 30)), ("move", at.canvas(100, 60))]),
        ("and leaves with it", [("move", at.canvas(-3, 60))]),
        ("Ctrl+A, a code and Enter", click(at.code("field")) + select_all() + type_text("#12aB34") + key("Return")
         + drag([at.canvas(5, 5), at.canvas(60, 9)])),
        ("a full field takes nothing more", click(at.code("field")) + type_text("ff") + key("Return")),
        ("Backspace edits the field", key("BackSpace") * 7 + type_text("0000fF") + key("Return")
         + click(at.canvas(8, 20))),
        ("keys without focus choose tools", click(at.canvas(9, 30)) + type_text("b") + drag([at.canvas(20, 40),
                                                                                            at.canvas(40, 40)])
         + type_text("E") + drag([at.canvas(30, 35), at.canvas(30, 45)]) + type_text("p")),
        ("Backspace without focus clears the canvas", key("BackSpace") + click(at.canvas(50, 50))),
        ("a swatch writes its code into the field", click(at.swatch(3)) + click(at.code("field"))),
        ("a drag released off the board", drag([at.canvas(70, 70), at.canvas(100, 100), at.canvas(250, 200)])),
    ]


def code_window_scenarios(at):
    """The code window over the canvas, a stabiliser, and a focus the page misses once."""
    return [
        ("# opens the window over the canvas", click(at.code("open"))),
        ("the code applies as it is typed", type_text("#ff0000") + drag([at.canvas(20, 70), at.canvas(80, 70)])),
        ("the focus went with the canvas press", type_text("b") + drag([at.canvas(20, 80), at.canvas(60, 80)])),
        ("presses on the window never reach the canvas", click(at.canvas(5, 5)) + drag([at.canvas(10, 10),
                                                                                       at.canvas(40, 30)])),
        ("the field again, Enter keeps the window", click(at.code("field")) + select_all() + type_text("00ff00")
         + key("Return") + [("move", at.canvas(50, 60))]),
        ("a missed focus lets the keys reach the board", click(at.canvas(90, 85)) + click(at.code("field"))
         + type_text("e") + key("Delete")),
        ("x closes the window", click(at.code("close")) + type_text("p") + click(at.canvas(5, 5))),
        ("# twice opens and closes it", click(at.code("open")) + click(at.code("open")) + click(at.canvas(6, 5))),
    ]


def code_button_scenarios(at):
    """The field beside the "#" button, without the cursor, on a board that cannot keep a fast pace."""
    return [
        ("# shows the field, Enter applies and hides it", click(at.code("open")) + type_text("#00ff00") + key("Return")
         + click(at.canvas(3, 3))),
        ("an invalid code stays", click(at.code("open")) + type_text("#00f") + key("Return")
         + click(at.canvas(-5, 0))),
        ("quick canvas clicks: the second is missed", pause(1.5) + click(at.canvas(10, 10)) + click(at.canvas(11, 10))),
        ("after a pause a press is taken", pause(1.5) + click(at.canvas(12, 10)) + click(at.canvas(13, 10))),
    ]


def fallback_scenarios(at):
    return [("canvas click", click(at.canvas(3, 4)))]


# query, the model's options for the same board, where the query puts the board, its scenarios
PAGES = [
    ("board=oekakiBBS&canvas=180x120&pos=13,7", ["--canvas", "180x120"], (13, 7), oekaki_scenarios),
    ("board=PaintBBS&pos=40,30", ["--board", "PaintBBS"], (40, 30), paint_scenarios),
    ("board=oekakiBBS&canvas=160x110&pos=0,0", ["--canvas", "160x110"], (0, 0), line_scenarios),
    ("board=PaintBBS&canvas=24x16&pos=30,20&busy=2,3", ["--board", "PaintBBS", "--canvas", "24x16", "--busy", "2,3"],
     (30, 20), small_canvas_scenarios),
    ("board=PaintBBS&canvas=120x90&pos=25,15&cursor=1&stabiliser=5",
     ["--board", "PaintBBS", "--canvas", "120x90", "--pen-cursor", "on", "--stabiliser", "5"], (25, 15), shift_scenarios),
    ("board=ColourCode&canvas=200x150&pos=20,10", ["--board", "ColourCode", "--canvas", "200x150"], (20, 10),
     code_scenarios),
    ("board=ColourCode&canvas=120x90&pos=10,20&opener=window&stabiliser=4&dropfocus=3",
     ["--board", "ColourCode", "--canvas", "120x90", "--opener", "window", "--stabiliser", "4", "--drop-focus", "3"],
     (10, 20), code_window_scenarios),
    ("board=ColourCode&canvas=100x80&pos=0,0&opener=button&cursor=0&busyms=1000",
     ["--board", "ColourCode", "--canvas", "100x80", "--opener", "button", "--pen-cursor", "off", "--busy-ms", "1000"],
     (0, 0), code_button_scenarios),
    ("board=paintbbs&canvas=0x40&pos=5,y&busy=0,4&opener=x&busyms=-3&cursor=2", [], (0, 0), fallback_scenarios),
]


class Model:
    """The C++ model of one page's board, run afresh on all the input so far."""

    def __init__(self, tool, options, folder):
        self.tool, self.options, self.folder = tool, options, folder
        self.events = []
        self.add([])

    def add(self, events):
        """events: lines of board_reference's events file."""
        self.events += events
        events_file, bmp = self.folder / "events.txt", self.folder / "model.bmp"
        events_file.write_text("".join(f"{event}\n" for event in self.events))
        ran = subprocess.run([self.tool, str(events_file), str(bmp), *self.options],
                             capture_output=True, text=True, check=True)
        self.report = {}
        for line in ran.stdout.splitlines():
            name, _, text = line.partition(" ")
            if name == "title":
                self.title = text
            elif name not in self.report:
                self.report[name] = [int(n) for n in text.split()]
        ppm = subprocess.run(["convert", str(bmp), "-depth", "8", "ppm:-"], capture_output=True, check=True)
        self.picture = read_ppm(ppm.stdout)


class Replay:
    """Turns actions into xdotool's arguments, in screen pixels, and the model's events, with a
    move first wherever the pointer is not yet at an action's point.

    The browser reports only the latest of several moves that queue up, so the input is cut into
    steps that each end with a move made while the button is held, to be seen on the board before
    the next step is sent. A move without the button only moves the pen cursor, so it may merge.

    The model's pointer events carry a time: a millisecond after the event before, or the pause
    between. The pages whose pace matters make their quick clicks well within, and their pauses
    well beyond, the pace they are checked at."""

    BUTTONS = {"down": ["mousedown", "1"], "up": ["mouseup", "1", "sleep", CLICK_GAP],
               "middle": ["click", "2", "sleep", CLICK_GAP], "right": ["click", "3", "sleep", CLICK_GAP]}
    MODEL_KEYS = {"Return": "Enter", "BackSpace": "Backspace", "Delete": "Delete", "shift": "Shift"}
    TYPE_DELAY = "20"  # ms between typed keys
    # xdotool's type takes every argument after it as text: it ends an invocation.
    END_OF_COMMAND = None

    def __init__(self, corner):
        self.corner = corner
        self.pointer = None
        self.held = False
        self.time = 0

    def steps(self, actions):
        """[(xdotool arguments, model events)]"""
        steps = [([], [])]
        for kind, what in actions:
            self.time += 1
            if kind in ("down", "up", "move", "middle", "right"):
                self.pointer_action(steps, kind, what)
            else:
                args, events = steps[-1]
                self.key_action(args, events, kind, what)
        return steps

    def pointer_action(self, steps, kind, p):
        args, events = steps[-1]
        if p != self.pointer:
            args += ["mousemove", str(self.corner[0] + p[0]), str(self.corner[1] + p[1])]
            events.append(f"move {p[0]} {p[1]} {self.time}")
            self.pointer = p
            if self.held:
                steps.append(([], []))
                args, events = steps[-1]
        args += self.BUTTONS.get(kind, [])
        if kind in ("down", "up"):
            events.append(f"{kind} {p[0]} {p[1]} {self.time}")
            self.held = kind == "down"

    def key_action(self, args, events, kind, what):
        if kind == "type":
            args += ["type", "--delay", self.TYPE_DELAY, what, self.END_OF_COMMAND]
            events += [f"type {ord(c)}" for c in what]
        elif kind == "key":
            args += ["key", what]
            events += [f"keydown {self.MODEL_KEYS[what]}", f"keyup {self.MODEL_KEYS[what]}"]
        elif kind == "ctrl":
            args += ["key", f"ctrl+{what}"]
            events += ["keydown Control", f"type {ord(what)}", "keyup Control"]
        elif kind in ("keydown", "keyup"):
            args += [kind, what]
            events.append(f"{kind} {self.MODEL_KEYS[what]}")
        elif kind == "sleep":
            args += ["sleep", str(what)]
            self.time += int(what * 1000)


def xdotool_commands(args):
    """The step's arguments cut into xdotool invocations where a command ends one."""
    commands = [[]]
    for arg in args:
        if arg is Replay.END_OF_COMMAND:
            commands.append([])
        else:
            commands[-1].append(arg)
    return [command for command in commands if command]


def differences(expected, shown):
    return [f"({x}, {y}) model {expected.pixel(x, y)} page {shown.pixel(x, y)}" for y in range(expected.height)
            for x in range(expected.width) if expected.pixel(x, y) != shown.pixel(x, y)]


class PageRun:
    """One page in Chromium, its board compared with the model's after each step of input;
    pixels counts the pixels compared."""

    def __init__(self, session, model, pos):
        self.session, self.model = session, model
        self.replay = Replay(pos)  # the page's content area fills the screen from (0, 0)
        self.pixels = 0

    def shown(self):
        picture = self.model.picture
        return self.session.screenshot(*self.replay.corner, picture.width, picture.height)

    def equal(self):
        """Whether the board on the screen equals the model's, once Chromium still runs."""
        gone = self.session.chromium_gone()
        if gone:
            raise CannotStart(gone)
        return self.shown().rgb == self.model.picture.rgb

    def expected_title(self):
        """The board's title and the model's record of presses, as the page shows them."""
        record = [f"{name} {' '.join(map(str, self.model.report[name]))}" for name in RECORD]
        return " | ".join([self.model.title] + record)

    def title_problems(self):
        """Waits for the page's title to show the model's record; what differs when it does not."""
        expected = self.expected_title()
        if wait_for(lambda: any(expected in name for name in self.session.window_names()), STEP_TIMEOUT):
            return []
        return [f"window titles {self.session.window_names()}, expected {expected!r}"]

    def check(self, actions, timeout=STEP_TIMEOUT):
        """Replays the actions step by step, each time waiting for the board to equal the model's;
        the differences at the first step where it does not."""
        for args, events in self.replay.steps(actions):
            self.model.add(events)
            for command in xdotool_commands(args):
                self.session.xdotool(command)
            self.pixels += self.model.picture.width * self.model.picture.height
            if not wait_for(self.equal, timeout):
                return differences(self.model.picture, self.shown())
        return []


def run_page(session, url, page, tool, folder):
    """Checks the fresh board and then the page's scenarios up to the first that fails: how many
    were checked, how many pixels compared, and the problems found."""
    query, options, pos, scenarios = page
    print(f"{query}:")
    model = Model(tool, options, folder)
    run = PageRun(session, model, pos)
    session.open(f"{url}?{query}")
    # The fresh board, at pos on the screen, shows that Chromium's content area lies at (0, 0).
    wrong = run.check([], PAGE_TIMEOUT)
    if wrong:
        return 0, run.pixels, [f"no fresh board at {pos} after {PAGE_TIMEOUT} s: {len(wrong)} pixels differ"]
    print(f"  ok   fresh board at {pos}")
    problems = run.title_problems()
    table = scenarios(Places(model.report))
    for checked, (name, actions) in enumerate(table, 2):
        wrong = run.check(actions)
        problems += [f"{name}: {problem}" for problem in run.title_problems()]
        print(f"  {'DIFF' if wrong else 'ok  '} {name} (values {' '.join(map(str, model.report['values']))}, "
              f"stray presses {' '.join(map(str, model.report['stray']))})")
        if wrong:
            return checked, run.pixels, problems + [f"{name}: {len(wrong)} pixels differ"] + wrong[:LISTED_DIFFERENCES]
    return 1 + len(table), run.pixels, problems


def run_pages(session, url, tool):
    started = time.monotonic()
    scenarios = pixels = 0
    failed = []
    with tempfile.TemporaryDirectory(prefix="web-board-model-") as folder:
        for number, page in enumerate(PAGES):
            page_folder = Path(folder) / f"page{number}"
            page_folder.mkdir()
            checked, compared, problems = run_page(session, url, page, tool, page_folder)
            scenarios, pixels = scenarios + checked, pixels + compared
            if problems:
                failed += [f"FAILED {page[0]}:"] + [f"  {problem}" for problem in problems]
    print(f"{scenarios} scenarios on {len(PAGES)} pages, {pixels} pixels compared, {time.monotonic() - started:.1f} s")
    for line in failed:
        print(line)
    return 1 if failed else 0


def main(tool, index_html):
    try:
        session = XSession()
    except CannotStart as e:
        print(f"skipped: {e}")
        return SKIP
    try:
        return run_pages(session, Path(index_html).resolve().as_uri(), tool)
    except CannotStart as e:
        print(f"skipped: {e}")
        return SKIP
    finally:
        session.close()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
