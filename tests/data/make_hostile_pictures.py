#!/usr/bin/env python3
"""Writes the small pictures whose headers claim far more than they hold into
tests/data/loader-regressions (the unit tests and the fuzzer's seeds load them):

  gif-35-bytes-claiming-16384-by-2929.gif     one pixel of colour 1 coded, the rest left out
  png-61-bytes-claiming-16384-by-2929.png     16-bit RGBA, four bytes of image data
  png-one-colour-16384-by-2929-16-bit.png     whole, one colour, deflated to about 373 KB

Run it from anywhere; it rewrites the three files the same way each time."""
import os
import struct
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "loader-regressions")
WIDTH, HEIGHT = 16384, 2929
COLOUR16 = bytes([0x12, 0x12, 0x34, 0x34, 0x56, 0x56, 0xFF, 0xFF])  # red 0x12, green 0x34, blue 0x56, opaque


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(data_chunk):
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 16, 6, 0, 0, 0)  # 16-bit RGBA, not interlaced
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data_chunk) + chunk(b"IEND", b"")


def one_colour_png():
    # The first row given whole, each further row as "the same as the row above" (filter 2, zeros).
    first, same = b"\x00" + COLOUR16 * WIDTH, b"\x02" + bytes(len(COLOUR16) * WIDTH)
    packer = zlib.compressobj(9)
    data = packer.compress(first) + b"".join(packer.compress(same) for _ in range(HEIGHT - 1)) + packer.flush()
    return png(data)


def tiny_gif():
    # Screen and image 16384 x 2929, a global table of two colours (white, then 10 20 30);
    # LZW with code size 2 (3-bit codes): clear (4), index 1, end (5).
    codes, bits = 4 | 1 << 3 | 5 << 6, 9
    data = codes.to_bytes((bits + 7) // 8, "little")
    return (b"GIF89a" + struct.pack("<HHBBB", WIDTH, HEIGHT, 0x80, 0, 0) + bytes([255, 255, 255, 10, 20, 30]) +
            b"\x2c" + struct.pack("<HHHHB", 0, 0, WIDTH, HEIGHT, 0) + b"\x02" + bytes([len(data)]) + data +
            b"\x00\x3b")


def main():
    files = {
        "gif-35-bytes-claiming-16384-by-2929.gif": tiny_gif(),
        "png-61-bytes-claiming-16384-by-2929.png": png(b"\x78\x9c\x63\x60"),
        "png-one-colour-16384-by-2929-16-bit.png": one_colour_png(),
    }
    for name, data in files.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
