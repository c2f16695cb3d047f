#!/usr/bin/env python3
"""Draws the launcher's banner and report images (our own artwork) and writes
them beside this script:

    banner_top.bmp  1 x 65, 24-bit: the header banner background, stretched
                    across a dialog's width
    top.png         1 x 52, RGB: the background strip of an error-report panel
    error.png       14 x 14, RGBA: red disc with a white cross
    logo31.png      183 x 31, RGBA: the wordmark for 96 dpi
    logo39.png      226 x 39, RGBA: the wordmark for 97 to 143 dpi
    logo47.png      273 x 47, RGBA: the wordmark for 144 dpi and more

Standard library only (zlib, struct). Run by hand when the artwork changes;
the outputs are committed."""
import os
import struct
import sys
import zlib

SUPERSAMPLE = 4


def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


# ---------------------------------------------------------------- writers

def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def write_png(path, width, height, rows, alpha):
    """rows: list of rows, each a list of (r, g, b) or (r, g, b, a) tuples."""
    color_type = 6 if alpha else 2
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in rows)
    data = b"\x89PNG\r\n\x1a\n"
    data += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, color_type, 0, 0, 0))
    data += png_chunk(b"IDAT", zlib.compress(raw, 9))
    data += png_chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def write_bmp24(path, width, height, rows):
    """rows: top-down list of rows of (r, g, b); written bottom-up, padded."""
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(rows):
        line = b"".join(struct.pack("3B", b, g, r) for r, g, b in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + pixels)


# ---------------------------------------------------------------- drawing

def render(width, height, shade):
    """Supersampled straight-alpha rendering. shade(x, y) gives (r, g, b, a)
    with a in 0..1 at a sample point, or None for transparent."""
    rows = []
    n = SUPERSAMPLE
    for y in range(height):
        row = []
        for x in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(n):
                for sx in range(n):
                    sample = shade(x + (sx + 0.5) / n, y + (sy + 0.5) / n)
                    if sample is None:
                        continue
                    r, g, b, a = sample
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            coverage = acc[3] / (n * n)
            if acc[3] == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(c / acc[3])) for c in acc[:3]) + (int(round(coverage * 255)),))
        rows.append(row)
    return rows


def banner_top():
    """White at the top (where the logo sits), a blue band for the white
    title, navy for the last 5 rows."""
    rows = []
    for y in range(65):
        if y < 34:
            color = lerp((255, 255, 255), (226, 236, 248), y / 33)
        elif y < 38:
            color = lerp((226, 236, 248), (78, 118, 178), (y - 33) / 4)
        elif y < 60:
            color = lerp((78, 118, 178), (46, 82, 148), (y - 38) / 21)
        else:
            color = (0, 0, 128)
        rows.append([color])
    return rows


def panel_strip():
    return [[lerp((250, 252, 255), (214, 225, 242), y / 51)] for y in range(52)]


def error_icon():
    red, white = (204, 36, 36), (255, 255, 255)
    c = 7.0

    def shade(x, y):
        dx, dy = x - c, y - c
        if dx * dx + dy * dy > 6.6 * 6.6:
            return None
        # Two diagonal bars of the cross, 1.7 px wide, 8.4 px long.
        u, v = (dx + dy) / 2 ** 0.5, (dx - dy) / 2 ** 0.5
        if (abs(u) <= 0.85 and abs(v) <= 4.2) or (abs(v) <= 0.85 and abs(u) <= 4.2):
            return white + (1.0,)
        return red + (1.0,)

    return render(14, 14, shade)


# 5 x 7 block glyphs of the wordmark's letters.
GLYPHS = {
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
}


def logo(width, height):
    """A teal rounded square with a white ring (the icon's "O"), then the
    word PELLMORE in navy block letters, on a transparent background."""
    teal_top, teal_bottom = (20, 150, 150), (12, 112, 118)
    navy = (24, 40, 104)
    size = height
    radius = size * 0.22
    word = "PELLMORE"
    cell = size * 0.58 / 7
    gap = cell * 1.1
    text_left = size + size * 0.22
    text_top = (height - 7 * cell) / 2
    advance = 5 * cell + gap
    text_width = len(word) * advance - gap
    scale = min(1.0, (width - text_left - 1) / text_width)
    cell, gap, advance = cell * scale, gap * scale, advance * scale
    text_top = (height - 7 * cell) / 2

    def square(x, y):
        cx = cy = size / 2
        half = size / 2 - 0.5
        dx = max(abs(x - cx) - (half - radius), 0)
        dy = max(abs(y - cy) - (half - radius), 0)
        if dx * dx + dy * dy > radius * radius:
            return None
        dist = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        if size * 0.19 <= dist <= size * 0.33:
            return (255, 255, 255, 1.0)
        return lerp(teal_top, teal_bottom, y / size) + (1.0,)

    def letters(x, y):
        gx = (x - text_left) / advance
        if gx < 0:
            return None
        index = int(gx)
        if index >= len(word):
            return None
        col = (x - text_left - index * advance) / cell
        row = (y - text_top) / cell
        if col < 0 or col >= 5 or row < 0 or row >= 7:
            return None
        if GLYPHS[word[index]][int(row)][int(col)] == "1":
            return navy + (1.0,)
        return None

    def shade(x, y):
        if x < size:
            return square(x, y)
        return letters(x, y)

    return render(width, height, shade)


def main(folder):
    write_bmp24(os.path.join(folder, "banner_top.bmp"), 1, 65, banner_top())
    write_png(os.path.join(folder, "top.png"), 1, 52, panel_strip(), alpha=False)
    write_png(os.path.join(folder, "error.png"), 14, 14, error_icon(), alpha=True)
    for width, height in ((183, 31), (226, 39), (273, 47)):
        write_png(os.path.join(folder, "logo%d.png" % height), width, height, logo(width, height), alpha=True)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
