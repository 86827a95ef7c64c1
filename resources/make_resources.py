#!/usr/bin/env python3
"""Generates mipro's sound cues, icons and step illustrations.

The generated files are committed; run this script again only to change them:
    python3 resources/make_resources.py
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


# ---------------------------------------------------------------- sounds

def tone(rate, count, notes, volume):
    """`count` samples in -1..1: each note is (start s, length s, frequency Hz), softly decaying."""
    samples = [0.0] * count
    for start, length, freq in notes:
        first = int(start * rate)
        for i in range(int(length * rate)):
            n = first + i
            if n >= count:
                break
            t = i / rate
            attack = min(1.0, t / 0.004)
            decay = math.exp(-5.0 * t / length)
            wave = math.sin(2 * math.pi * freq * t) + 0.25 * math.sin(4 * math.pi * freq * t)
            samples[n] += volume * attack * decay * wave / 1.25
    return [max(-1.0, min(1.0, s)) for s in samples]


def pcm_bytes(samples, bits):
    if bits == 16:
        return b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples)
    return bytes(int(round(128 + s * 127)) for s in samples)


def wave_image(rate, bits, data, with_fact=False, trailing=b""):
    block = bits // 8
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * block, block, bits)
    chunks = b"fmt " + struct.pack("<I", len(fmt)) + fmt
    if with_fact:
        chunks += b"fact" + struct.pack("<II", 4, len(data) // block)
    chunks += b"data" + struct.pack("<I", len(data)) + data
    body = b"WAVE" + chunks
    return b"RIFF" + struct.pack("<I", len(body)) + body + trailing


def sound(rate, bits, data_bytes, notes, volume=0.5):
    block = bits // 8
    samples = tone(rate, data_bytes // block, notes, volume)
    data = pcm_bytes(samples, bits)
    assert len(data) == data_bytes
    return data


def make_sounds():
    enter = sound(22050, 16, 21504, [(0.0, 0.2, 880.0), (0.12, 0.36, 1318.5)])
    cancel = sound(22050, 8, 3796, [(0.0, 0.08, 659.3), (0.07, 0.1, 440.0)])
    end = sound(32000, 8, 33618, [(0.0, 0.35, 523.3), (0.2, 0.35, 659.3), (0.4, 0.35, 784.0),
                                  (0.6, 0.45, 1046.5)], volume=0.4)
    click = sound(22050, 16, 7936, [(0.0, 0.05, 1760.0), (0.03, 0.12, 1174.7)], volume=0.35)
    write("enter.wav", wave_image(22050, 16, enter))
    write("cancel.wav", wave_image(22050, 8, cancel))
    # The end cue carries two bytes beyond its RIFF image, which the player ignores.
    write("end.wav", wave_image(32000, 8, end, with_fact=True, trailing=b"\0\0"))
    write("click.wav", wave_image(22050, 16, click))


# ---------------------------------------------------------------- pictures

class Canvas:
    """A small RGBA raster with the few shapes the pictures need."""

    def __init__(self, width, height, fill=(0, 0, 0, 0)):
        self.width, self.height = width, height
        self.px = [[fill for _ in range(width)] for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    self.put(x, y, colour)

    def ring(self, cx, cy, r, width, colour, only_right=False):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r - width <= d <= r and (not only_right or x + 0.5 > cx):
                    self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        steps = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(steps + 1):
            t = i / steps
            self.disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, colour)


def bmp24(canvas):
    """A bottom-up 24-bit Windows bitmap file."""
    row = (canvas.width * 3 + 3) & ~3
    pixels = b""
    for y in reversed(range(canvas.height)):
        line = b"".join(struct.pack("BBB", b, g, r) for r, g, b, _ in canvas.px[y])
        pixels += line + b"\0" * (row - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(pixels),
                         2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54) + header + pixels


def ico(canvases):
    """An icon file with one 32-bit image (colour plus AND mask) per canvas."""
    images = []
    for c in canvases:
        xor = b"".join(struct.pack("BBBB", b, g, r, a)
                       for y in reversed(range(c.height)) for r, g, b, a in c.px[y])
        mask_row = ((c.width + 31) // 32) * 4
        mask = b""
        for y in reversed(range(c.height)):
            bits = 0
            for x in range(c.width):
                if c.px[y][x][3] == 0:
                    bits |= 1 << (mask_row * 8 - 1 - x)
            mask += bits.to_bytes(mask_row, "big")
        header = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0,
                             len(xor) + len(mask), 0, 0, 0, 0)
        images.append(header + xor + mask)
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for c, data in zip(canvases, images):
        entries += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32,
                               len(data), offset)
        offset += len(data)
    return directory + entries + b"".join(images)


def palette_icon(size):
    """The program icon: a painter's palette with four colour dots and a pen."""
    c = Canvas(size, size)
    s = size / 32
    c.disc(15 * s, 17 * s, 13.5 * s, (120, 80, 40, 255))
    c.disc(15 * s, 17 * s, 12 * s, (240, 205, 150, 255))
    c.disc(19 * s, 23 * s, 3.2 * s, (0, 0, 0, 0))
    for (x, y), colour in zip([(9, 12), (15, 9), (21, 12), (9, 20)],
                              [(220, 40, 40, 255), (40, 170, 60, 255), (40, 80, 220, 255),
                               (250, 200, 30, 255)]):
        c.disc(x * s, y * s, 2.6 * s, colour)
    c.line(20 * s, 20 * s, 30 * s, 2 * s, 2.6 * s, (60, 60, 60, 255))
    return c


def speaker_icon(on):
    c = Canvas(16, 16)
    dark = (40, 40, 40, 255)
    c.rect(2, 6, 5, 10, dark)
    for i in range(4):
        c.rect(5 + i, 5 - i, 6 + i, 11 + i, dark)
    if on:
        c.ring(8, 8, 5, 1.2, (30, 90, 220, 255), only_right=True)
        c.ring(8, 8, 7.5, 1.2, (30, 90, 220, 255), only_right=True)
    else:
        c.line(10.5, 5.5, 14.5, 10.5, 1.6, (210, 30, 30, 255))
        c.line(14.5, 5.5, 10.5, 10.5, 1.6, (210, 30, 30, 255))
    return c


ILLUSTRATIONS = [
    # (background top, background bottom, accent) for imgSTIMG(0)..(7)
    ((255, 236, 246), (255, 190, 220), (230, 60, 120)),
    ((236, 246, 255), (180, 215, 255), (40, 110, 220)),
    ((255, 248, 230), (255, 215, 160), (220, 120, 30)),
    ((240, 255, 236), (190, 240, 180), (50, 160, 60)),
    ((255, 248, 230), (255, 215, 160), (220, 120, 30)),
    ((240, 255, 236), (190, 240, 180), (50, 160, 60)),
    ((246, 238, 255), (210, 190, 255), (120, 70, 210)),
    ((246, 238, 255), (210, 190, 255), (120, 70, 210)),
    # imgSTIMG(8)..(10): pages 5, 6 and 7 of the boards that take a colour code
    ((236, 250, 252), (180, 232, 240), (20, 140, 160)),
    ((236, 250, 252), (180, 232, 240), (20, 140, 160)),
    ((236, 250, 252), (180, 232, 240), (20, 140, 160)),
]

# The board each picture shows: 0 oekakiBBS's buttons, 1 PaintBBS's sliders, 2 a colour code's field.
BOARD_SHOWN = [0, 1, 0, 1, 0, 1, 0, 1, 2, 2, 2]


def illustration(index):
    """A 120 x 230 step picture: a soft gradient, a drawing board and a pen drawing a curve."""
    top, bottom, accent = ILLUSTRATIONS[index]
    c = Canvas(120, 230)
    for y in range(230):
        t = y / 229
        colour = tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom)) + (255,)
        c.rect(0, y, 120, y + 1, colour)
    c.rect(14, 40, 106, 150, (90, 90, 90, 255))
    c.rect(16, 42, 104, 148, (255, 255, 255, 255))
    board = BOARD_SHOWN[index]
    if board == 2:
        # the field with its "#" and the swatch of the current colour beside it
        c.rect(20, 128, 70, 142, (90, 90, 90, 255))
        c.rect(21, 129, 69, 141, (255, 255, 255, 255))
        for x in (25, 28):
            c.rect(x, 131, x + 1, 139, (60, 60, 60, 255))
        for y in (133, 136):
            c.rect(23, y, 31, y + 1, (60, 60, 60, 255))
        c.rect(78, 126, 100, 144, (40, 80, 220, 255))
    for i in range(3 if board < 2 else 0):
        colour = [(220, 40, 40, 255), (40, 170, 60, 255), (40, 80, 220, 255)][i]
        if board == 0:
            c.rect(20 + i * 10, 128, 27 + i * 10, 144, colour)
        else:
            c.rect(56, 126 + i * 6, 100, 130 + i * 6, colour)
    for k in range(40):
        t = k / 39
        x = 24 + 70 * t
        y = 95 - 35 * math.sin(math.pi * t * (1 + index % 3))
        c.disc(x, y, 2.2, accent[:3] + (255,))
    c.line(94, 60, 110, 20, 5, (60, 60, 60, 255))
    c.disc(60, 190, 14 + 2 * (index % 4), accent + (255,))
    c.disc(60, 190, 8 + 2 * (index % 4), (255, 255, 255, 255))
    return c


def make_pictures():
    write("mipro.ico", ico([palette_icon(32), palette_icon(16)]))
    write("speaker_on.ico", ico([speaker_icon(True)]))
    write("speaker_off.ico", ico([speaker_icon(False)]))
    for i in range(len(ILLUSTRATIONS)):
        write("step%d.bmp" % i, bmp24(illustration(i)))


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    make_sounds()
    make_pictures()
