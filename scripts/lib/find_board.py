"""Finds the practice board's page on a screenshot: prints X,Y, the screen pixel of the board's
top-left corner, or exits 1 when no board shows.

usage: find_board.py SCREEN_PPM

The page shows the board on a background of its own, wherever the browser's window and its frame
put the page. The board's corner is the first pixel, row by row, of the board's panel colour with
the page's background left of it and above it.
"""
import sys

PANEL = bytes((228, 228, 236))
BACKGROUND = bytes((0x50, 0x58, 0x60))
PIXEL = 3


def read_ppm(path):
    """Width, height and the RGB bytes of an 8-bit binary PPM as ImageMagick writes it."""
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise SystemExit("find_board: the screenshot is not an 8-bit PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:pos + 1 + width * height * PIXEL]


def board_corner(width, pixels):
    """The (x, y) of the board's top-left pixel, or None."""
    row = width * PIXEL
    edge = BACKGROUND + PANEL
    at = pixels.find(edge)
    while at >= 0:
        corner = at + PIXEL
        x, y = (corner % row) // PIXEL, corner // row
        if corner % PIXEL == 0 and x > 0 and y > 0 and pixels[corner - row:corner - row + PIXEL] == BACKGROUND:
            return x, y
        at = pixels.find(edge, at + 1)
    return None


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    width, _height, pixels = read_ppm(sys.argv[1])
    corner = board_corner(width, pixels)
    if corner is None:
        return 1
    print(f"{corner[0]},{corner[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
