#!/usr/bin/env python3
"""Draws the avatar pictures the local server hands out: simple round faces
on coloured backgrounds, 96 x 96 PNG, written with the standard library only.

  make_avatars.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys
import zlib

SIZE = 96
# (name, background, face, extra) — extra: "glasses", "cap", "smile", "beard" ...
AVATARS = [
    ("Fox", (214, 96, 44), (250, 222, 190), "smile"),
    ("Owl", (92, 70, 140), (238, 214, 178), "glasses"),
    ("Shark", (40, 112, 168), (232, 204, 172), "cap"),
    ("Bear", (120, 84, 52), (244, 220, 186), "beard"),
    ("Lynx", (170, 150, 60), (250, 228, 196), "smile"),
    ("Raven", (48, 54, 64), (226, 196, 160), "glasses"),
    ("Otter", (60, 140, 120), (240, 210, 176), "cap"),
    ("Hare", (196, 70, 110), (252, 230, 204), "smile"),
    ("Wolf", (100, 110, 128), (236, 206, 170), "beard"),
    ("Heron", (70, 150, 190), (246, 218, 184), "glasses"),
]


def png(pixels):
    raw = b"".join(b"\x00" + bytes(row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def coverage(distance):
    """Anti-aliased edge: 1 inside, 0 outside, a ramp over one pixel."""
    return max(0.0, min(1.0, 0.5 - distance))


def draw(background, face, extra):
    rows = []
    c = SIZE / 2
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            px, py = x + 0.5, y + 0.5
            colour = list(background)
            # Shoulders.
            shoulders = coverage(math.hypot((px - c) / 1.4, py - SIZE * 1.08) - SIZE * 0.36)
            colour = [int(a * (1 - shoulders) + b * shoulders) for a, b in zip(colour, (30, 30, 36))]
            # Head.
            head = coverage(math.hypot(px - c, py - c * 0.9) - SIZE * 0.27)
            colour = [int(a * (1 - head) + b * head) for a, b in zip(colour, face)]
            dark = (40, 34, 30)
            for ex in (c - 10, c + 10):
                eye = coverage(math.hypot(px - ex, py - c * 0.82) - 3.2)
                colour = [int(a * (1 - eye) + b * eye) for a, b in zip(colour, dark)]
                if extra == "glasses":
                    ring = coverage(abs(math.hypot(px - ex, py - c * 0.82) - 7.5) - 1.1)
                    colour = [int(a * (1 - ring) + b * ring) for a, b in zip(colour, dark)]
            mouth_d = math.hypot(px - c, py - c * 0.95)
            if py > c * 1.0:
                mouth = coverage(abs(mouth_d - 11) - 1.2) if extra != "beard" else 0
                colour = [int(a * (1 - mouth) + b * mouth) for a, b in zip(colour, (150, 60, 60))]
            if extra == "beard" and py > c * 1.02:
                beard = coverage(math.hypot(px - c, py - c * 0.9) - SIZE * 0.27)
                colour = [int(a * (1 - beard) + b * beard) for a, b in zip(colour, (90, 60, 40))]
            if extra == "cap" and py < c * 0.68:
                cap = coverage(math.hypot(px - c, py - c * 0.9) - SIZE * 0.29)
                colour = [int(a * (1 - cap) + b * cap) for a, b in zip(colour, (200, 40, 40))]
            row.extend(colour + [255])
        rows.append(row)
    return rows


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for number, (name, background, face, extra) in enumerate(AVATARS, start=1):
        with open(os.path.join(out, f"{number}.png"), "wb") as f:
            f.write(png(draw(background, face, extra)))
    with open(os.path.join(out, "avatars.txt"), "w") as f:
        for number, (name, *_rest) in enumerate(AVATARS, start=1):
            f.write(f"{number} {name}\n")


if __name__ == "__main__":
    main()
