#!/usr/bin/env python3
"""Marks a PE executable "run from swap when started from the network"
(IMAGE_FILE_NET_RUN_FROM_SWAP, 0x0800 in the file header's characteristics):
Windows then copies the image into the paging file at start, so a launcher
started from a share keeps running when the share goes away while it updates
the local copy. GNU ld has no switch for it. A non-zero image checksum is
recomputed, since it covers the header just changed."""
import struct
import sys

NET_RUN_FROM_SWAP = 0x0800


def checksum(data, checksum_offset):
    total = 0
    padded = data + b"\0" * (len(data) % 2)
    for offset in range(0, len(padded), 2):
        if offset in (checksum_offset, checksum_offset + 2):
            continue
        total += struct.unpack_from("<H", padded, offset)[0]
        total = (total & 0xFFFF) + (total >> 16)
    total = (total & 0xFFFF) + (total >> 16)
    return (total + len(data)) & 0xFFFFFFFF


def main(path):
    with open(path, "rb") as f:
        data = bytearray(f.read())
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        sys.exit(f"{path}: not a PE image")
    characteristics_offset = pe + 4 + 18
    checksum_offset = pe + 24 + 64  # same place in PE32 and PE32+ optional headers
    characteristics = struct.unpack_from("<H", data, characteristics_offset)[0]
    struct.pack_into("<H", data, characteristics_offset, characteristics | NET_RUN_FROM_SWAP)
    if struct.unpack_from("<I", data, checksum_offset)[0] != 0:
        struct.pack_into("<I", data, checksum_offset, checksum(bytes(data), checksum_offset))
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
