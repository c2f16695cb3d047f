#!/usr/bin/env python3
"""Draws the command links' icon (our own artwork): a green arrow pointing
right, with a lighter top and a dark green rim, at 16 and 32 pixels, and
writes it as arrow.ico. Run by hand in res/ when the artwork changes; the
.ico is committed."""
from make_icon import write_icon

SAMPLES = 4  # per axis, for smooth edges

# The arrow in unit coordinates (x right, y down): shaft, then head.
SHAFT = (0.10, 0.38, 0.55, 0.62)   # left, top, right, bottom
HEAD = ((0.50, 0.14), (0.92, 0.50), (0.50, 0.86))


def inside_head(x, y):
    (ax, ay), (bx, by), (cx, cy) = HEAD

    def side(px, py, qx, qy):
        return (qx - px) * (y - py) - (qy - py) * (x - px)
    s1, s2, s3 = side(ax, ay, bx, by), side(bx, by, cx, cy), side(cx, cy, ax, ay)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def inside(x, y):
    left, top, right, bottom = SHAFT
    return (left <= x <= right and top <= y <= bottom) or inside_head(x, y)


def rim(x, y, width):
    """True near the outline: some point within width is outside."""
    for dx, dy in ((width, 0), (-width, 0), (0, width), (0, -width)):
        if not inside(x + dx, y + dy):
            return True
    return False


def draw(size, px, py):
    covered = 0
    rims = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if inside(x, y):
                covered += 1
                if rim(x, y, 1.2 / size):
                    rims += 1
    if covered == 0:
        return (0, 0, 0, 0)
    alpha = int(255 * covered / (SAMPLES * SAMPLES))
    t = py / float(size)
    # BGRA: light green at the top to deeper green below, a dark rim.
    body = (int(70 - 40 * t), int(215 - 60 * t), int(90 - 50 * t))
    edge = (20, 110, 25)
    mix = rims / float(covered)
    colour = tuple(int(b * (1 - mix) + e * mix) for b, e in zip(body, edge))
    return colour + (alpha,)


if __name__ == "__main__":
    write_icon("arrow.ico", [32, 16], draw)
