#!/usr/bin/python3
"""Writes card_overlay.png: the veil laid over a folded card, a translucent
dark rounded rectangle of the card's shape (240 x 320, corner radius 16)."""

import struct
import sys
import zlib

W, H, R = 240, 320, 16.0
COLOUR = (24, 24, 28)
ALPHA = 130
SUB = 4  # samples per axis for the anti-aliased corners


def coverage(x, y):
    inside = 0
    for i in range(SUB):
        for j in range(SUB):
            px, py = x + (i + 0.5) / SUB, y + (j + 0.5) / SUB
            cx = min(max(px, R), W - R)
            cy = min(max(py, R), H - R)
            if (px - cx) ** 2 + (py - cy) ** 2 <= R * R:
                inside += 1
    return inside / float(SUB * SUB)


def main(path):
    rows = []
    for y in range(H):
        row = bytearray([0])
        for x in range(W):
            corner = (x < R or x >= W - R) and (y < R or y >= H - R)
            a = int(round(ALPHA * (coverage(x, y) if corner else 1.0)))
            row += bytes(COLOUR) + bytes([a])
        rows.append(bytes(row))

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", W, H, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "card_overlay.png")
