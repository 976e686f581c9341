#!/usr/bin/env python3
"""Draws the four faces of the test bitmap button: 40 x 24 pixels, 24 bits,
each a plain colour of its own with a white top-left and a black bottom-right
pixel, so that a test sees which face was copied, from where and how much."""
import struct

WIDTH, HEIGHT = 40, 24
FACES = {
    "face_up.bmp": (220, 40, 40),
    "face_down.bmp": (40, 160, 40),
    "face_focus.bmp": (40, 60, 220),
    "face_disabled.bmp": (150, 110, 30),
}


def pixel(x, y, colour):
    if (x, y) == (0, 0):
        return (255, 255, 255)
    if (x, y) == (WIDTH - 1, HEIGHT - 1):
        return (0, 0, 0)
    return colour


def write_bmp(path, colour):
    stride = (WIDTH * 3 + 3) & ~3
    rows = b""
    for y in reversed(range(HEIGHT)):  # bottom row first
        row = b"".join(bytes((b, g, r)) for r, g, b in (pixel(x, y, colour) for x in range(WIDTH)))
        rows += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(rows), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + rows)


if __name__ == "__main__":
    for name, colour in FACES.items():
        write_bmp(name, colour)
