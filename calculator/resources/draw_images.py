#!/usr/bin/python3
"""Draws every image of Varnok's resource script into images/ beside this file.

Run with Debian's /usr/bin/python3 (Pillow is used only to rasterise the
button lettering from DejaVu Sans Bold).  Every file is written byte by byte
here, so the output is the same on every run:

  * backgrounds and button faces: 24-bit uncompressed BMP;
  * digit glyphs: 4-bit BMP with the 16-colour VGA palette;
  * app.ico: a 32 x 32 and a 16 x 16 image, 4 bits per pixel, with AND masks.

The two backgrounds are cut to shape at run time with pure yellow as the
colour key, so yellow is painted only outside the panel outline and every
colour used inside it has a non-zero blue component.
"""

import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "images")
FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# --- colours ---------------------------------------------------------------

KEY_YELLOW = (255, 255, 0)      # colour key of the skinned windows
NAVY = (0, 0, 128)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)

PANEL_BASE = (40, 186, 196)     # turquoise of the panel away from the highlight
PANEL_HIGHLIGHT = (178, 244, 242)
PANEL_OUTLINE = (0, 0, 112)     # navy outline of the panel
PANEL_RIM = (120, 222, 228)     # light line just inside the outline
DISPLAY_FRAME = (0, 70, 120)

# The 16 colours of the standard VGA palette, in palette order.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK_I, MAROON_I, NAVY_I, SILVER_I, GREY_I = 0, 1, 4, 7, 8
RED_I, BLUE_I, CYAN_I, WHITE_I = 9, 12, 14, 15

# --- file writers ------------------------------------------------------------

PELS_PER_METRE = 3780  # 96 dots per inch


def bmp_info_header(width, height, bits, image_size, colours_used):
    """BITMAPINFOHEADER of an uncompressed bottom-up bitmap."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, PELS_PER_METRE, PELS_PER_METRE,
                       colours_used, 0)


def bmp_file(info, palette_bytes, bits_bytes):
    """A BMP file: BITMAPFILEHEADER, then the header, palette and pixels."""
    offset = 14 + len(info) + len(palette_bytes)
    size = offset + len(bits_bytes)
    return (struct.pack("<2sIHHI", b"BM", size, 0, 0, offset)
            + info + palette_bytes + bits_bytes)


def bmp24_bytes(rows):
    """24-bit BMP of rows of (r, g, b), given top row first."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    bits = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        bits += line
    info = bmp_info_header(width, height, 24, len(bits), 0)
    return bmp_file(info, b"", bytes(bits))


def palette_bytes(palette):
    return b"".join(bytes((b, g, r, 0)) for r, g, b in palette)


def pack4(rows):
    """Bottom-up 4-bit pixel rows, each padded to four bytes."""
    width = len(rows[0])
    stride = ((width + 1) // 2 + 3) & ~3
    bits = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, width, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < width else 0
            line.append((hi << 4) | lo)
        line += bytes(stride - len(line))
        bits += line
    return bytes(bits)


def pack1(rows):
    """Bottom-up 1-bit pixel rows, each padded to four bytes."""
    width = len(rows[0])
    stride = ((width + 7) // 8 + 3) & ~3
    bits = bytearray()
    for row in reversed(rows):
        line = bytearray((width + 7) // 8)
        for x, v in enumerate(row):
            if v:
                line[x // 8] |= 0x80 >> (x % 8)
        line += bytes(stride - len(line))
        bits += line
    return bytes(bits)


def bmp4_bytes(rows):
    """4-bit BMP with the VGA palette; rows of palette indices, top row first."""
    height, width = len(rows), len(rows[0])
    bits = pack4(rows)
    info = bmp_info_header(width, height, 4, len(bits), 16)
    return bmp_file(info, palette_bytes(VGA_PALETTE), bits)


def ico_bytes(images):
    """ICO of 4-bit images; each is (colour rows, mask rows), top row first.

    Colour rows hold palette indices; mask rows hold 1 where the icon is
    transparent.
    """
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for colour, mask in images:
        size = len(colour)
        xor_bits, and_bits = pack4(colour), pack1(mask)
        # The header of an icon image counts the colour and mask halves.
        info = bmp_info_header(size, size * 2, 4, len(xor_bits) + len(and_bits), 16)
        blob = info + palette_bytes(VGA_PALETTE) + xor_bits + and_bits
        entries.append(struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


# --- geometry and colour helpers --------------------------------------------

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    """Colour a moved towards colour b by t in [0, 1], rounded."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def rounded_rect_distance(px, py, left, top, right, bottom, radius):
    """Signed distance from (px, py) to a rounded rectangle; negative inside."""
    cx, cy = (left + right) / 2, (top + bottom) / 2
    qx = abs(px - cx) - ((right - left) / 2 - radius)
    qy = abs(py - cy) - ((bottom - top) / 2 - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def smoothstep(t):
    t = clamp(t)
    return t * t * (3 - 2 * t)


# --- window backgrounds --------------------------------------------------------

PANEL_RADIUS = 24.0
OUTLINE_WIDTH = 3.0
DISPLAY_LEFT, DISPLAY_TOP, DISPLAY_RIGHT, DISPLAY_BOTTOM = 13, 13, 214, 105


def panel_colour(x, y, width, height):
    """Turquoise of the panel at a point: a radial highlight on the base."""
    # Centred high and to the left, so that it has faded out where the
    # buttons stand and their turquoise surround meets plain base colour.
    hx, hy = width * 0.30, height * 0.22
    reach = width * 0.50
    t = 1.0 - clamp(math.hypot(x - hx, y - hy) / reach)
    return mix(PANEL_BASE, PANEL_HIGHLIGHT, smoothstep(t) * 0.85)


def background(width, height, with_display):
    """A rounded turquoise panel on pure yellow, optionally with the display."""
    rows = []
    for j in range(height):
        row = []
        for i in range(width):
            px, py = i + 0.5, j + 0.5
            # The panel's edge lies one pixel in from the image's border, so the
            # outermost rows and columns are key colour all round.
            d = rounded_rect_distance(px, py, 1, 1, width - 1, height - 1, PANEL_RADIUS)
            if d > 0:
                # Outside: the colour key, never blended with anything.
                row.append(KEY_YELLOW)
                continue
            inner = -d
            colour = panel_colour(px, py, width, height)
            # Light rim just inside the outline, strongest towards the top left.
            rim = clamp(1.0 - abs(inner - OUTLINE_WIDTH - 1.0))
            lean = clamp(1.0 - (px / width + py / height) * 0.6)
            colour = mix(colour, PANEL_RIM, rim * lean * 0.7)
            # The outline's inner edge is smoothed towards the panel only; its
            # outer edge stays hard against the key colour.
            colour = mix(PANEL_OUTLINE, colour, clamp(inner - OUTLINE_WIDTH + 0.5))
            row.append(colour)
        rows.append(row)
    if with_display:
        for j in range(DISPLAY_TOP - 1, DISPLAY_BOTTOM + 2):
            for i in range(DISPLAY_LEFT - 1, DISPLAY_RIGHT + 2):
                inside = (DISPLAY_LEFT <= i <= DISPLAY_RIGHT
                          and DISPLAY_TOP <= j <= DISPLAY_BOTTOM)
                rows[j][i] = WHITE if inside else DISPLAY_FRAME
    return rows


# --- button faces -----------------------------------------------------------

FACE_STYLES = {
    # pill fill (top, bottom), pill edge, lettering, lettering shadow, offset
    "up": ((126, 178, 240), (58, 112, 210), (18, 40, 120), (0, 0, 72), None, 0),
    "down": ((226, 240, 255), (172, 204, 244), (70, 110, 180), (0, 0, 72), None, 1),
    "focus": ((126, 178, 240), (58, 112, 210), (18, 40, 120), (0, 255, 255), (0, 0, 80), 0),
    "disabled": ((176, 226, 226), (150, 210, 212), (118, 186, 192), (124, 170, 178), None, 0),
}
FACE_SIZES = {
    "opt": (49, 22, "Opt"),
    "calc": (59, 22, "Calc"),
    "off": (59, 22, "Off"),
    "ok": (64, 22, "OK"),
    "cancel": (67, 22, "Cancel"),
}
SUPERSAMPLE = 4


def lettering_mask(width, height, text, dx, dy):
    """Coverage (0..255) of the lettering, centred with an offset."""
    font = ImageFont.truetype(FONT_PATH, 12)
    mask = Image.new("L", (width, height), 0)
    draw = ImageDraw.Draw(mask)
    left, top, right, bottom = draw.textbbox((0, 0), text, font=font)
    x = (width - (right - left)) // 2 - left + dx
    y = (height - (bottom - top)) // 2 - top + dy
    draw.text((x, y), text, fill=255, font=font)
    return mask


def button_face(width, height, text, state):
    """One face of a bitmap button: a pill on the panel's turquoise."""
    fill_top, fill_bottom, edge, ink, shadow, offset = FACE_STYLES[state]
    surround = PANEL_BASE
    radius = (height - 1) / 2
    rows = []
    n = SUPERSAMPLE
    for j in range(height):
        row = []
        for i in range(width):
            covered = 0
            edge_hits = 0
            for sj in range(n):
                for si in range(n):
                    px = i + (si + 0.5) / n
                    py = j + (sj + 0.5) / n
                    d = rounded_rect_distance(px, py, 0.5, 0.5, width - 0.5,
                                              height - 0.5, radius)
                    if d <= 0:
                        covered += 1
                        if d > -1.0:
                            edge_hits += 1
            fill = mix(fill_top, fill_bottom, (j + 0.5) / height)
            if covered:
                body = mix(fill, edge, edge_hits / covered)
                row.append(mix(surround, body, covered / (n * n)))
            else:
                row.append(surround)
        rows.append(row)
    if shadow is not None:
        shade = lettering_mask(width, height, text, offset + 1, offset + 1)
        for j in range(height):
            for i in range(width):
                a = shade.getpixel((i, j)) / 255
                if a:
                    rows[j][i] = mix(rows[j][i], shadow, a * 0.8)
    letters = lettering_mask(width, height, text, offset, offset)
    for j in range(height):
        for i in range(width):
            a = letters.getpixel((i, j)) / 255
            if a:
                rows[j][i] = mix(rows[j][i], ink, a)
    return rows


# --- seven-segment glyphs -----------------------------------------------------

GLYPH_W, GLYPH_H = 27, 45
SEG_LEFT, SEG_RIGHT = 4, 20           # centre lines of the vertical segments
SEG_TOP, SEG_MID, SEG_BOTTOM = 4, 22, 40   # centre lines of the horizontal ones
SEG_HALF = 2                          # half the stroke width

# Segment name -> (orientation, fixed coordinate, start, end) of its centre line.
SEGMENTS = {
    "a": ("h", SEG_TOP, SEG_LEFT, SEG_RIGHT),
    "b": ("v", SEG_RIGHT, SEG_TOP, SEG_MID),
    "c": ("v", SEG_RIGHT, SEG_MID, SEG_BOTTOM),
    "d": ("h", SEG_BOTTOM, SEG_LEFT, SEG_RIGHT),
    "e": ("v", SEG_LEFT, SEG_MID, SEG_BOTTOM),
    "f": ("v", SEG_LEFT, SEG_TOP, SEG_MID),
    "g": ("h", SEG_MID, SEG_LEFT, SEG_RIGHT),
}
FIGURES = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
    "E": "adefg", "-": "g", " ": "",
}


def in_segment(name, px, py):
    """Whether a point lies in a segment: a bar with 45-degree pointed ends."""
    orientation, fixed, start, end = SEGMENTS[name]
    along, across = (px, py) if orientation == "h" else (py, px)
    off = abs(across - fixed)
    # One unit of gap at each end keeps neighbouring segments apart.
    return off < SEG_HALF and start + 1 + off < along < end - 1 - off


def seven_segment(lit):
    """A glyph with the given segments lit in navy, the others dotted silver."""
    rows = []
    for j in range(GLYPH_H):
        row = []
        for i in range(GLYPH_W):
            px, py = i + 0.5, j + 0.5
            index = WHITE_I
            for name in SEGMENTS:
                if in_segment(name, px, py):
                    if name in lit:
                        index = NAVY_I
                    elif (i + j) % 2 == 0:
                        index = SILVER_I
                    break
            row.append(index)
        rows.append(row)
    return rows


def decimal_point():
    """A short navy bar at the bottom centre of the digits, nothing else."""
    rows = [[WHITE_I] * GLYPH_W for _ in range(GLYPH_H)]
    centre = (SEG_LEFT + SEG_RIGHT) // 2
    for j in range(SEG_BOTTOM - SEG_HALF, SEG_BOTTOM + SEG_HALF):
        for i in range(centre - 3, centre + 3):
            rows[j][i] = NAVY_I
    return rows


# --- application icon ---------------------------------------------------------

# 3 x 5 figures for the icon's display; '#' is a lit pixel.
ICON_FONT = {
    "1": [".#", "##", ".#", ".#", ".#"],
    ".": [".", ".", ".", ".", "#"],
    "0": ["###", "#.#", "#.#", "#.#", "###"],
    "2": ["###", "..#", "###", "#..", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
}


def fill(rows, left, top, right, bottom, index):
    for j in range(top, bottom + 1):
        for i in range(left, right + 1):
            rows[j][i] = index


def calculator_icon(size):
    """Grey pocket calculator, dark blue frame, cyan display, dark keys."""
    rows = [[BLACK_I] * size for _ in range(size)]
    mask = [[1] * size for _ in range(size)]
    if size == 32:
        left, top, right, bottom = 4, 1, 27, 30
    else:
        left, top, right, bottom = 2, 0, 13, 15
    # Body with a navy frame and cut corners.
    fill(rows, left, top, right, bottom, NAVY_I)
    fill(mask, left, top, right, bottom, 0)
    for i, j in ((left, top), (right, top), (left, bottom), (right, bottom)):
        rows[j][i] = BLACK_I
        mask[j][i] = 1
    fill(rows, left + 1, top + 1, right - 1, bottom - 1, SILVER_I)
    # A white edge top and left and a grey one bottom and right give it depth.
    fill(rows, left + 1, top + 1, right - 1, top + 1, WHITE_I)
    fill(rows, left + 1, top + 1, left + 1, bottom - 1, WHITE_I)
    fill(rows, left + 1, bottom - 1, right - 1, bottom - 1, GREY_I)
    fill(rows, right - 1, top + 2, right - 1, bottom - 1, GREY_I)

    if size == 32:
        # Recessed display reading 1.024, right-aligned as on a calculator.
        fill(rows, 6, 3, 25, 12, GREY_I)
        fill(rows, 7, 4, 25, 12, WHITE_I)
        fill(rows, 7, 4, 24, 11, CYAN_I)
        x = 8
        for ch in "1.024":
            pattern = ICON_FONT[ch]
            for dy, line in enumerate(pattern):
                for dx, c in enumerate(line):
                    if c == "#":
                        rows[6 + dy][x + dx] = NAVY_I
            x += len(pattern[0]) + 1
        # Four rows of four keys; the top right and bottom right ones are red.
        for r in range(4):
            for c in range(4):
                kx, ky = 7 + c * 5, 15 + r * 4
                red = (r, c) in ((0, 3), (3, 3))
                face, shade = (RED_I, MAROON_I) if red else (GREY_I, BLACK_I)
                fill(rows, kx, ky, kx + 3, ky + 2, face)
                fill(rows, kx, ky + 2, kx + 3, ky + 2, shade)
                fill(rows, kx + 3, ky, kx + 3, ky + 2, shade)
    else:
        fill(rows, 4, 2, 11, 5, CYAN_I)
        # At this size the display can only hint at its figures.
        for i in (6, 8, 9, 10):
            fill(rows, i, 3, i, 4, NAVY_I)
        for r in range(3):
            for c in range(3):
                kx, ky = 4 + c * 3, 7 + r * 3
                red = (r, c) in ((0, 2), (2, 2))
                fill(rows, kx, ky, kx + 1, ky + 1, RED_I if red else GREY_I)
                fill(rows, kx, ky + 1, kx + 1, ky + 1, MAROON_I if red else BLACK_I)
    return rows, mask


# --- the image set -------------------------------------------------------------

def all_images():
    """File name -> file bytes for every image of the resource script."""
    images = {
        "main_background.bmp": bmp24_bytes(background(228, 172, True)),
        "option_background.bmp": bmp24_bytes(background(209, 172, False)),
    }
    for name, (w, h, text) in FACE_SIZES.items():
        for state in FACE_STYLES:
            images["%s_%s.bmp" % (name, state)] = bmp24_bytes(button_face(w, h, text, state))
    for digit in "0123456789":
        images["digit_%s.bmp" % digit] = bmp4_bytes(seven_segment(FIGURES[digit]))
    images["glyph_point.bmp"] = bmp4_bytes(decimal_point())
    images["glyph_blank.bmp"] = bmp4_bytes(seven_segment(FIGURES[" "]))
    images["glyph_e.bmp"] = bmp4_bytes(seven_segment(FIGURES["E"]))
    images["glyph_minus.bmp"] = bmp4_bytes(seven_segment(FIGURES["-"]))
    images["app.ico"] = ico_bytes([calculator_icon(32), calculator_icon(16)])
    return images


def main():
    if not os.path.exists(FONT_PATH):
        sys.exit("draw_images.py: needs %s (fonts-dejavu-core)" % FONT_PATH)
    os.makedirs(OUT_DIR, exist_ok=True)
    for name, data in sorted(all_images().items()):
        with open(os.path.join(OUT_DIR, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
