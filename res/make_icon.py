#!/usr/bin/env python3
"""Draws the launcher's icon (our own artwork: a teal rounded square with a
white ring, the "O" of Orvo) and writes it as Orvo.ico with 16, 32 and 48
pixel images. Run by hand when the artwork changes; the .ico is committed."""
import struct
import sys


def pixel(size, x, y):
    cx = cy = (size - 1) / 2.0
    r = size * 0.47
    corner = size * 0.18
    # rounded-square mask
    dx = max(abs(x - cx) - (r - corner), 0)
    dy = max(abs(y - cy) - (r - corner), 0)
    if dx * dx + dy * dy > corner * corner:
        return (0, 0, 0, 0)
    dist = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    outer, inner = size * 0.33, size * 0.19
    if inner <= dist <= outer:
        return (255, 255, 255, 255)
    shade = int(40 * y / size)
    return (150 - shade, 128 - shade, 20, 255)  # BGRA teal


def image(size, draw=pixel):
    """One icon image: a 32-bit DIB drawn by draw(size, x, y) -> BGRA."""
    rows = []
    mask_rows = []
    and_row = ((size + 31) // 32) * 4
    for y in range(size - 1, -1, -1):  # bottom-up
        pixels = [draw(size, x, y) for x in range(size)]
        rows.append(b"".join(struct.pack("4B", *p) for p in pixels))
        # The AND mask marks transparent pixels, for users that ignore alpha
        # (image lists with a mask).
        bits = bytearray(and_row)
        for x, p in enumerate(pixels):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits))
    xor = b"".join(rows)
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def write_icon(path, sizes, draw=pixel):
    images = [image(s, draw) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    write_icon(sys.argv[1] if len(sys.argv) > 1 else "Orvo.ico", [16, 32, 48])
