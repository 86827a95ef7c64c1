"""Compares the practice board's saved canvas with the picture a run was to draw, and sets the
run's wall time against the pauses the run prescribes.

usage: e2e_compare.py EXPECTED_PPM CANVAS_BMP BOARD fast|normal|slow|fastest ELAPSED_MS GO_ON_ANSWERS CHECK_MS

fastest is the board's own pace, whose pauses follow the board and prescribe no fixed sum: its
nominal time is the fast speed's, so elapsed/nominal says how much faster than the fast speed
the run went (0.25 is four times as fast).

BOARD: oekakiBBS (exact colours), PaintBBS (each component to its nearest multiple of 5),
PaintBBS-exact (exact colours set by Shift+clicks) or ColourCode-N (exact colours typed as a
code, each change N clicks: the field, and the "#" and close buttons where captured).

GO_ON_ANSWERS: how often the run asked whether to go on and was answered Yes; each answer
adds the pauses the run prescribes for it. CHECK_MS: how long of ELAPSED_MS the run spent reading
the canvas back for its check, printed as "check N ms"; it is not drawing, so the ratio leaves it out.

"drawn wrong N pixels" counts the pixels drawn in a colour other than the picture's (white left
alone is not counted: a run that stopped early leaves pixels white, none wrong).

The last two lines printed are "matched N of M pixels" and "elapsed/nominal R" (the drawing's wall
time, the check's left out, over the pauses the run prescribes); the exit status is 0 only when
every pixel of the picture matched and nothing was painted beside it.
"""
import struct
import sys

SPEED_WAIT_MS = {"fast": 3, "normal": 15, "slow": 80, "fastest": 3}
WHITE = (255, 255, 255)

# Fixed pauses of a run: after minimising, the preparation's first pass and its click, the end cue.
SETTLE_MS = 1500
PREPARATION_MS = 10 + 10 + 100
END_CUE_MS = 500
RESET_CLICKS = 111
# After "go on" is answered Yes: the pause and the refocusing click on the board.
GO_ON_MS = 1500 + 100 + 100


def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    pos += 1
    magic, width, height, top = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    if magic != b"P6" or top != 255:
        raise SystemExit("e2e: the expected picture is not an 8-bit PPM")
    pixels = data[pos:pos + width * height * 3]
    return width, height, [tuple(pixels[i:i + 3]) for i in range(0, len(pixels), 3)]


def read_bmp24(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise SystemExit("e2e: the canvas file is not a bitmap")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height = struct.unpack_from("<ii", data, 18)
    bits = struct.unpack_from("<H", data, 28)[0]
    if bits != 24:
        raise SystemExit("e2e: the canvas is not a 24-bit bitmap")
    bottom_up = height > 0
    height = abs(height)
    row_bytes = (width * 3 + 3) // 4 * 4
    pixels = []
    for y in range(height):
        row = offset + (height - 1 - y if bottom_up else y) * row_bytes
        for x in range(width):
            b, g, r = data[row + 3 * x:row + 3 * x + 3]
            pixels.append((r, g, b))
    return width, height, pixels


def slider_value(v):
    """The value a 5-units-per-pixel slider shows for v: its nearest multiple of 5."""
    return 5 * ((v + 2) // 5)


def wanted(colour, board):
    if colour == WHITE or board != "PaintBBS":
        return colour
    return tuple(slider_value(c) for c in colour)


def code_clicks(board):
    """How many clicks a colour change takes on a ColourCode-N board; None on the others."""
    if not board.startswith("ColourCode-"):
        return None
    return int(board[len("ColourCode-"):])


def pixel_lines(width, height, pixels):
    """The sorted pixel list: colour, then row, then column, white left out."""
    lines = [(pixels[y * width + x], y, x) for y in range(height) for x in range(width)
             if pixels[y * width + x] != WHITE]
    lines.sort()
    return lines


def digit_clicks(before, after):
    return sum(abs(a // 10 - b // 10) + abs(a % 10 - b % 10) for a, b in zip(after, before))


def slider_cost(value, wait):
    """Pauses of one slider change: a click, a drag to 0 or 250, or the drag to 255."""
    if value in (0, 250):
        return 5 * wait
    if value == 255:
        return 7 * wait
    return 4 * wait


def nominal_ms(lines, board, speed):
    wait = SPEED_WAIT_MS[speed]
    total = SETTLE_MS + PREPARATION_MS + END_CUE_MS
    clicks = code_clicks(board)
    if clicks is not None:
        # Each change: its clicks with their pauses, then the select-all, the code and Enter;
        # the colour back to black at the end is one more change.
        change = clicks * 2 * (wait + 5) + 3 * wait
        colours = len(set(colour for colour, _, _ in lines) - {(0, 0, 0)})
        total += (colours + 1) * change
    elif board == "oekakiBBS":
        click = 2 * (wait + 5)
        total += 2 * RESET_CLICKS * click
        now = (0, 0, 0)
        for colour, _, _ in lines:
            total += digit_clicks(now, colour) * click
            now = colour
    else:
        slider_wait = wait + 8
        total += 3 * slider_cost(0, slider_wait)
        now = (0, 0, 0)
        for colour, _, _ in lines:
            target = tuple(slider_value(c) for c in colour)
            total += sum(slider_cost(t, slider_wait) for t, n in zip(target, now) if t != n)
            now = target
        total += sum(slider_cost(0, slider_wait) for n in now if n != 0)
    total += 3 * wait * len(lines)
    return total


def main(argv):
    if len(argv) != 8:
        raise SystemExit(__doc__)
    expected_path, canvas_path, board, speed, elapsed, go_on_answers, check = argv[1:]
    width, height, expected = read_ppm(expected_path)
    cwidth, cheight, canvas = read_bmp24(canvas_path)
    if cwidth < width or cheight < height:
        raise SystemExit("e2e: the canvas is smaller than the picture")

    matched = wrong = 0
    for y in range(height):
        for x in range(width):
            seen, want = canvas[y * cwidth + x], wanted(expected[y * width + x], board)
            matched += seen == want
            wrong += seen != want and seen != WHITE
    beside = sum(1 for y in range(cheight) for x in range(cwidth)
                 if (x >= width or y >= height) and canvas[y * cwidth + x] != WHITE)

    nominal = nominal_ms(pixel_lines(width, height, expected), board, speed) + int(go_on_answers) * GO_ON_MS
    ratio = (int(elapsed) - int(check)) / nominal
    print("elapsed %d ms, nominal %d ms, go-on questions answered %s" % (int(elapsed), nominal, go_on_answers))
    print("check %d ms" % int(check))
    if beside:
        print("painted beside the picture: %d pixels" % beside)
    print("drawn wrong %d pixels" % wrong)
    print("matched %d of %d pixels" % (matched, width * height))
    print("elapsed/nominal %.3f" % ratio)
    return 0 if matched == width * height and beside == 0 else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv))
