#!/usr/bin/python3
"""Writes the chip set as SVG: one group "chip<suffix>" per denomination of
the theme's chip table, 100 x 100 units, each in its own colour with its
value printed in the middle."""

import math
import sys

from shapes import circle, d
from svgtext import fmt, text_path

FONT = "DejaVuSansCondensed-Bold.ttf"

# suffix, label, body, edge spots, ink
CHIPS = [
    ("_1c", "1\u00a2", "#b7c3cc", "#46566a", "#2c3a4a"),
    ("_5c", "5\u00a2", "#ef8fb4", "#ffffff", "#7a1f47"),
    ("_25c", "25\u00a2", "#7fcac0", "#1e5f58", "#174a44"),
    ("_1", "1", "#f4f2ec", "#2b6cb0", "#1c3f6e"),
    ("_5", "5", "#d22b2b", "#ffffff", "#8c1515"),
    ("_25", "25", "#2f8a3e", "#ffffff", "#1b5226"),
    ("_100", "100", "#222222", "#e8e8e8", "#111111"),
    ("_500", "500", "#6b2aa0", "#f2d35a", "#3f1566"),
    ("_1k", "1K", "#f3c21e", "#7a4b00", "#6b4200"),
    ("_5k", "5K", "#ee7418", "#ffffff", "#8a3c00"),
    ("_25k", "25K", "#1e63c2", "#ffffff", "#0f3b7a"),
    ("_100k", "100K", "#6e4428", "#f0c98a", "#40230f"),
    ("_500k", "500K", "#8c1043", "#f2d35a", "#560526"),
]


def sector(cx, cy, r0, r1, a0, a1):
    """An annular sector as a closed path (clockwise on screen)."""
    def pt(r, a):
        return fmt(cx + r * math.cos(a)), fmt(cy + r * math.sin(a))

    a0, a1 = math.radians(a0), math.radians(a1)
    return "M%s %sA%s %s 0 0 1 %s %sL%s %sA%s %s 0 0 0 %s %sZ" % (
        pt(r1, a0) + (fmt(r1), fmt(r1)) + pt(r1, a1) + pt(r0, a1) + (fmt(r0), fmt(r0)) + pt(r0, a0))


def chip(suffix, label, body, spots, ink):
    out = ['<g id="chip%s">' % suffix]
    out.append('<circle cx="50" cy="50" r="50" fill="%s"/>' % body)
    out.append('<path d="%s" fill="%s"/>' % ("".join(sector(50, 50, 39, 49, a - 11, a + 11)
                                              for a in range(0, 360, 60)), spots))
    out.append('<circle cx="50" cy="50" r="49.25" fill="none" stroke="#000000" stroke-opacity="0.45" '
               'stroke-width="1.5"/>')
    out.append('<circle cx="50" cy="50" r="36.5" fill="none" stroke="%s" stroke-width="2" '
               'stroke-dasharray="5.73 3.83"/>' % spots)
    out.append('<circle cx="50" cy="50" r="34" fill="#fbfaf5"/>')
    height = 30 if len(label) <= 2 else (26 if len(label) == 3 else 22)
    text, _ = text_path(FONT, label, (16, 50 - height / 2.0, 68, height), max_width=58)
    out.append('<path d="%s" fill="%s"/>' % (text, ink))
    out.append("</g>")
    return out


def main(outdir):
    body = []
    for i, c in enumerate(CHIPS):
        body.append('<g transform="translate(%d,5)">' % (5 + i * 110))
        body += chip(*c)
        body.append("</g>")
    width = 10 + len(CHIPS) * 110
    doc = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
           'width="%d" height="110" viewBox="0 0 %d 110">' % (width, width),
           "<title>Chips</title>"] + body + ["</svg>"]
    with open(outdir + "/chips.svg", "w") as f:
        f.write("\n".join(doc) + "\n")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
