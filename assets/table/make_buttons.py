#!/usr/bin/python3
"""The buttons of the table: each an "up" and a "down" picture.

A button is a rounded slab with a soft shadow under it, a face lit from
above and a thin highlight along its top edge. Pressed, it sits a pixel
lower on a flatter shadow, its face darker and lit from below, with the
highlight moved to the bottom edge. The program draws the labels, so the
faces carry no text; the plus, minus and new-table buttons carry glyphs.

Usage: make_buttons.py <svg-dir> <resource-dir>  (prints the render jobs)
"""

import sys

from art import (FACE_BOTTOM, FACE_TOP, INK, TEAL, WHITE, Jobs, Svg, circle, rect, soft_rrect, soft_ellipse)

# name: (width, height, corner radius, face colours (top, bottom))
NEUTRAL = (FACE_TOP, FACE_BOTTOM)
BUTTONS = {
    "big_button": (146, 50, 9, NEUTRAL),
    "side_button": (124, 56, 9, NEUTRAL),
    "small_button": (100, 36, 7, NEUTRAL),
    "smallest_button": (60, 30, 6, NEUTRAL),
    "bigger_button": (80, 36, 7, NEUTRAL),
    "btn_ok": (120, 40, 8, ("#35a86c", "#1d7046")),
    "btn_cancel": (120, 40, 8, ("#b8483f", "#7c2a24")),
    "btnSitDown": (120, 40, 8, ("#2a9c86", "#166656")),
}
# Pictures with no pressed state of their own.
UP_ONLY = {"btn_ok", "btn_cancel", "btnSitDown"}
ROUND = 36  # plus and minus buttons: discs of this size


def darker(colour, f):
    r, g, b = (int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return "#%02x%02x%02x" % (int(r * f), int(g * f), int(b * f))


def slab(svg, x, y, w, h, r, face, pressed):
    """A button body in the box; the box leaves room for the shadow."""
    top, bottom = face
    if pressed:
        y += 1
        svg.add(soft_rrect(x, y, w, h, r, 1.5, "#000000", 0.35, steps=4))
        svg.add(rect(x, y, w, h, r, fill=svg.linear([(0, darker(bottom, 0.72)), (1, darker(top, 0.78))])))
        # Shade under the top edge: the face is sunk.
        svg.add(rect(x, y, w, h * 0.45, r, fill=svg.linear([(0, "#000000", 0.35), (1, "#000000", 0)])))
        svg.add(rect(x + 0.5, y + 0.5, w - 1, h - 1, r - 0.5, fill="none", stroke=INK, stroke_width=1))
        # The highlight, now along the bottom edge.
        svg.add(rect(x + 1.5, y + 1.5, w - 3, h - 3, r - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
            [(0, WHITE, 0), (0.6, WHITE, 0), (1, WHITE, 0.14)])))
    else:
        svg.add(soft_rrect(x, y, w, h, r, 2.0, "#000000", 0.55, steps=5, dy=1.0))
        svg.add(rect(x, y, w, h, r, fill=svg.linear([(0, top), (1, bottom)])))
        # A gloss on the upper half.
        svg.add(rect(x, y, w, h * 0.5, r, fill=svg.linear([(0, WHITE, 0.10), (1, WHITE, 0.02)])))
        svg.add(rect(x + 0.5, y + 0.5, w - 1, h - 1, r - 0.5, fill="none", stroke=INK, stroke_width=1))
        svg.add(rect(x + 1.5, y + 1.5, w - 3, h - 3, r - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
            [(0, WHITE, 0.34), (0.45, WHITE, 0.06), (1, WHITE, 0)])))


def button(w, h, r, face, pressed):
    svg = Svg(w, h)
    # The body leaves a pixel on the sides and top and two below for the
    # shadow; pressed, it moves down by one, as the label does.
    slab(svg, 1, 1, w - 2, h - 3, r, face, pressed)
    return svg


def disc(svg, size, face, pressed):
    c = size / 2.0
    rad = c - 2
    cy = c - 1 + (1 if pressed else 0)
    top, bottom = face
    if pressed:
        svg.add(soft_ellipse(c, cy, rad, rad, 1.5, "#000000", 0.35, steps=4))
        svg.add(circle(c, cy, rad, fill=svg.linear([(0, darker(bottom, 0.72)), (1, darker(top, 0.78))])))
        svg.add(circle(c, cy, rad, fill=svg.radial([(0, "#000000", 0), (0.7, "#000000", 0), (1, "#000000", 0.35)],
                                                   cx=0.5, cy=0.62, r=0.6)))
        svg.add(circle(c, cy, rad - 0.5, fill="none", stroke=INK, stroke_width=1))
        svg.add(circle(c, cy, rad - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
            [(0, WHITE, 0), (0.6, WHITE, 0), (1, WHITE, 0.14)])))
    else:
        svg.add(soft_ellipse(c, cy, rad, rad, 2.2, "#000000", 0.55, steps=6, dy=1.2))
        svg.add(circle(c, cy, rad, fill=svg.linear([(0, top), (1, bottom)])))
        svg.add(circle(c, cy, rad - 0.5, fill="none", stroke=INK, stroke_width=1))
        svg.add(circle(c, cy, rad - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
            [(0, WHITE, 0.34), (0.45, WHITE, 0.06), (1, WHITE, 0)])))
    return cy


def bars(svg, cx, cy, length, thickness, vertical, colour=WHITE):
    """The strokes of a plus or minus sign, with a dark edge under them."""
    shapes = [(cx - length / 2.0, cy - thickness / 2.0, length, thickness)]
    if vertical:
        shapes.append((cx - thickness / 2.0, cy - length / 2.0, thickness, length))
    for x, y, w, h in shapes:
        svg.add(rect(x, y + 1, w, h, thickness / 2.0, fill="#000000", fill_opacity=0.45))
    for x, y, w, h in shapes:
        svg.add(rect(x, y, w, h, thickness / 2.0, fill=colour))


def sign_button(plus, pressed):
    svg = Svg(ROUND, ROUND)
    cy = disc(svg, ROUND, NEUTRAL, pressed)
    bars(svg, ROUND / 2.0, cy, 14, 3, plus, WHITE if not pressed else "#d8dde1")
    return svg


def new_table_button():
    """A small table seen from above with a plus badge: open another table."""
    size = 36
    svg = Svg(size, size)
    slab(svg, 1, 1, size - 2, size - 3, 7, NEUTRAL, False)
    # The table: rail and felt.
    svg.add(rect(4, 7, 24, 16, 8, fill="#15191c", stroke=INK, stroke_width=0.8))
    svg.add(rect(6.5, 9.5, 19, 11, 5.5, fill=svg.radial([(0, "#22a180"), (1, "#0c5142")])))
    # The badge.
    svg.add(circle(26, 23.5, 7.5, fill=INK, fill_opacity=0.6))
    svg.add(circle(26, 23, 7, fill=TEAL))
    bars(svg, 26, 23, 8, 2.2, True)
    return svg


def main():
    jobs = Jobs(sys.argv)
    for name, (w, h, r, face) in BUTTONS.items():
        jobs.picture("table/%s.png" % name, button(w, h, r, face, False))
        if name not in UP_ONLY:
            jobs.picture("table/%s_down.png" % name, button(w, h, r, face, True))
    for plus, base in ((True, "plus_button"), (False, "minus_button")):
        jobs.picture("table/%s_up.png" % base, sign_button(plus, False))
        jobs.picture("table/%s_down.png" % base, sign_button(plus, True))
    jobs.picture("table/new_table_button.png", new_table_button())


if __name__ == "__main__":
    main()
