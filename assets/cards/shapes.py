"""Suit symbols and small path tools, drawn here for this project.

Shapes are absolute M/L/C/Z paths in a 100 x 100 box, wound clockwise so
that overlapping parts join under the non-zero fill rule.
"""

import math

from svgtext import fmt

K = 0.5523  # cubic approximation of a quarter circle


def circle(cx, cy, r):
    k = K * r
    return [
        ("M", cx + r, cy),
        ("C", cx + r, cy + k, cx + k, cy + r, cx, cy + r),
        ("C", cx - k, cy + r, cx - r, cy + k, cx - r, cy),
        ("C", cx - r, cy - k, cx - k, cy - r, cx, cy - r),
        ("C", cx + k, cy - r, cx + r, cy - k, cx + r, cy),
        ("Z",),
    ]


HEART = [
    ("M", 50, 97),
    ("C", 38, 83, 3, 60, 3, 30),
    ("C", 3, 12, 16, 2, 29, 2),
    ("C", 40, 2, 47, 9, 50, 17),
    ("C", 53, 9, 60, 2, 71, 2),
    ("C", 84, 2, 97, 12, 97, 30),
    ("C", 97, 60, 62, 83, 50, 97),
    ("Z",),
]

DIAMOND = [
    ("M", 50, 1),
    ("C", 60, 17, 74, 35, 90, 50),
    ("C", 74, 65, 60, 83, 50, 99),
    ("C", 40, 83, 26, 65, 10, 50),
    ("C", 26, 35, 40, 17, 50, 1),
    ("Z",),
]

SPADE = [
    ("M", 50, 1),
    ("C", 60, 20, 97, 38, 97, 62),
    ("C", 97, 76, 87, 84, 75, 84),
    ("C", 65, 84, 58, 79, 55, 73),
    ("C", 56, 84, 60, 92, 70, 99),
    ("L", 30, 99),
    ("C", 40, 92, 44, 84, 45, 73),
    ("C", 42, 79, 35, 84, 25, 84),
    ("C", 13, 84, 3, 76, 3, 62),
    ("C", 3, 38, 40, 20, 50, 1),
    ("Z",),
]

CLUB = (
    circle(50, 27, 22)
    + circle(26, 57, 22)
    + circle(74, 57, 22)
    + [("M", 50, 36), ("L", 66, 62), ("L", 34, 62), ("Z",)]
    + [("M", 53, 60), ("C", 53, 80, 58, 91, 70, 99), ("L", 30, 99), ("C", 42, 91, 47, 80, 47, 60), ("Z",)]
)

SUITS = {"Spades": SPADE, "Hearts": HEART, "Diamonds": DIAMOND, "Clubs": CLUB}


def transform(path, a, b, c, d, e, f):
    """Apply the affine map x' = a*x + c*y + e, y' = b*x + d*y + f."""
    out = []
    for cmd in path:
        op, pts = cmd[0], cmd[1:]
        q = []
        for i in range(0, len(pts), 2):
            x, y = pts[i], pts[i + 1]
            q += [a * x + c * y + e, b * x + d * y + f]
        out.append((op,) + tuple(q))
    return out


def place(path, cx, cy, size, flip=False):
    """The 100-unit shape centred on (cx, cy) at `size` units, upside down if flip."""
    s = size / 100.0
    if flip:
        return transform(path, -s, 0, 0, -s, cx + 50 * s, cy + 50 * s)
    return transform(path, s, 0, 0, s, cx - 50 * s, cy - 50 * s)


def rotate(path, degrees, cx, cy):
    t = math.radians(degrees)
    co, si = math.cos(t), math.sin(t)
    return transform(path, co, si, -si, co, cx - co * cx + si * cy, cy - si * cx - co * cy)


def d(path):
    parts = []
    for cmd in path:
        parts.append(cmd[0] + " ".join(fmt(v) for v in cmd[1:]))
    return "".join(parts)


def polygon(points):
    p = [("M",) + tuple(points[0])]
    p += [("L",) + tuple(pt) for pt in points[1:]]
    p.append(("Z",))
    return p
