#!/usr/bin/env python3
"""Draws the compatibility checker's row icons (our own artwork), 32 x 32
each: installed.ico, a green disc with a white tick, and missing.ico, a red
disc with a white cross. Run by hand in res/ when the artwork changes; the
.ico files are committed."""
from make_icon import write_icon


def distance_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / float(dx * dx + dy * dy)))
    cx, cy = ax + t * dx, ay + t * dy
    return ((px - cx) ** 2 + (py - cy) ** 2) ** 0.5


def disc_with(strokes, colour):
    def draw(size, x, y):
        c = (size - 1) / 2.0
        r = size * 0.46
        d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
        if d > r + 0.5:
            return (0, 0, 0, 0)
        alpha = int(255 * max(0.0, min(1.0, r + 0.5 - d)))
        width = size * 0.075
        for (ax, ay, bx, by) in strokes:
            if distance_to_segment(x / size, y / size, ax, ay, bx, by) * size <= width:
                return (255, 255, 255, alpha)
        shade = int(35 * y / size)
        b, g, r_ = colour
        return (max(b - shade, 0), max(g - shade, 0), max(r_ - shade, 0), alpha)
    return draw


TICK = [(0.27, 0.52, 0.43, 0.68), (0.43, 0.68, 0.74, 0.33)]
CROSS = [(0.32, 0.32, 0.68, 0.68), (0.68, 0.32, 0.32, 0.68)]

if __name__ == "__main__":
    write_icon("installed.ico", [32], disc_with(TICK, (60, 170, 40)))   # BGR green
    write_icon("missing.ico", [32], disc_with(CROSS, (40, 40, 200)))    # BGR red
