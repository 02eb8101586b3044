#!/usr/bin/python3
"""The table backgrounds: the player's table (table.png, 1024 x 768), the
splash (splash.png), the dialog background (BG_dialogue.jpg) and the
community table (community/bg.jpg, 1280 x 720).

A table is a felt stadium with a vignette, inside a charcoal leather rail
with a thin highlight, on a dark room. Felt and rail get their texture from
the renderer's noise, weighted by a mask picture of the same size.

Usage: make_table.py <svg-dir> <resource-dir>  (prints the render jobs)
"""

import sys

from art import (BACKDROP, FELT_CENTRE, FELT_EDGE, INK, PANEL_BOTTOM, PANEL_TOP, RAIL_BOTTOM, RAIL_TOP, TEAL,
                 WHITE, Jobs, Svg, path, rect, rrect_path, soft_rrect)
import shapes

# The player's table, in design pixels.
W, H = 1024, 768
RAIL = (28, 6, 794, 470)  # outer edge of the rail: x, y, w, h
RAIL_WIDTH = 20
PANEL_Y = 530  # the control panel below
COLUMN_X = 880  # the column of side buttons on the right
BOARD_X, BOARD_Y = 243, 180  # the first community card
CARD_W, CARD_H, CARD_GAP = 69, 92, 4


def inset(box, d):
    x, y, w, h = box
    return (x + d, y + d, w - 2 * d, h - 2 * d)


def stadium(box):
    """Rounded-rectangle arguments of a stadium (round ends) in box."""
    x, y, w, h = box
    return x, y, w, h, h / 2.0


def table(svg, outer, rail_width, felt_glow=(0.5, 0.44)):
    """Shadow, felt, rail and the felt's inner line, into svg."""
    felt = inset(outer, rail_width)
    ox, oy, ow, oh, orad = stadium(outer)
    fx, fy, fw, fh, frad = stadium(felt)
    # The table's shadow on the floor.
    svg.add(soft_rrect(ox, oy, ow, oh, orad, 26, "#000000", 0.75, steps=14, dy=10))
    # Felt: lighter under the lamp, darker to the rail.
    svg.add(rect(fx - 2, fy - 2, fw + 4, fh + 4, frad + 2, fill=svg.radial(
        [(0, FELT_CENTRE), (0.55, "#0f6250"), (0.85, "#0a4b3d"), (1, FELT_EDGE)],
        cx=felt_glow[0], cy=felt_glow[1], r=0.62)))
    # The rail's shadow on the felt: strokes on the felt's edge, covered
    # outside by the rail.
    for i in range(10):
        e = 2 + 2.6 * i
        svg.add(rect(fx, fy, fw, fh, frad, fill="none", stroke="#000000", stroke_width=2 * e,
                     stroke_opacity=0.055))
    # The betting line.
    line = inset(felt, 0.22 * felt[3] / 2)
    lx, ly, lw, lh, lr = stadium(line)
    svg.add(rect(lx, ly, lw, lh, lr, fill="none", stroke=WHITE, stroke_width=1.2, stroke_opacity=0.07))
    # The rail: a ring cut out of the outer stadium.
    ring = rrect_path(ox, oy, ow, oh, orad) + rrect_path(fx, fy, fw, fh, frad)
    svg.add(path(ring, fill=svg.linear([(0, RAIL_TOP), (0.5, "#22262a"), (1, RAIL_BOTTOM)]),
                 fill_rule="evenodd"))
    # Sheen of the leather, brightest on the far side.
    svg.add(path(ring, fill=svg.radial([(0, WHITE, 0.10), (0.6, WHITE, 0.03), (1, WHITE, 0)],
                                       cx=0.5, cy=0.0, r=0.75), fill_rule="evenodd"))
    # The rail's round cross-section: lighter towards its crown.
    cx, cy, cw, ch, cr = stadium(inset(outer, rail_width / 2.0))
    for k in range(5):
        svg.add(rect(cx, cy, cw, ch, cr, fill="none", stroke=WHITE, stroke_opacity=0.025,
                     stroke_width=rail_width * (1 - k / 5.0) - 2))
    # A thin highlight along the rail's crown, fading towards the player.
    mid = inset(outer, rail_width * 0.38)
    mx, my, mw, mh, mr = stadium(mid)
    svg.add(rect(mx, my, mw, mh, mr, fill="none", stroke_width=1.2, stroke=svg.linear(
        [(0, WHITE, 0.30), (0.5, WHITE, 0.10), (1, WHITE, 0.04)])))
    # Edges: the rail's outline, and a dark groove with a teal lip to the felt.
    svg.add(rect(ox + 0.5, oy + 0.5, ow - 1, oh - 1, orad - 0.5, fill="none", stroke=INK, stroke_width=1.2))
    svg.add(rect(fx - 1, fy - 1, fw + 2, fh + 2, frad + 1, fill="none", stroke=INK, stroke_width=2))
    svg.add(rect(fx + 0.5, fy + 0.5, fw - 1, fh - 1, frad - 0.5, fill="none", stroke=TEAL, stroke_width=1,
                 stroke_opacity=0.22))
    return felt


def table_mask(svg, outer, rail_width, felt_level, rail_level):
    felt = inset(outer, rail_width)
    svg.add(rect(*stadium(outer), fill=rail_level))
    svg.add(rect(*stadium(felt), fill=felt_level))


def players_table():
    svg = Svg(W, H)
    # The room: a lamp over the table.
    svg.add(rect(0, 0, W, H, fill=BACKDROP))
    svg.add(rect(0, 0, W, PANEL_Y, fill=svg.radial(
        [(0, "#1f2a31"), (0.6, "#121a1f"), (1, BACKDROP)], cx=425, cy=230, r=560, user=True)))
    felt = table(svg, RAIL, RAIL_WIDTH)
    assert felt == (48, 26, 754, 430)
    # Places of the five community cards.
    for i in range(5):
        x = BOARD_X + i * (CARD_W + CARD_GAP)
        svg.add(rect(x + 0.5, BOARD_Y + 0.5, CARD_W - 1, CARD_H - 1, 6, fill="#000000", fill_opacity=0.12,
                     stroke=WHITE, stroke_opacity=0.16, stroke_width=1))
    # The column of side buttons: plain, with a faint edge.
    svg.add(rect(COLUMN_X, 0, W - COLUMN_X, PANEL_Y, fill="#0d1115", fill_opacity=0.94))
    svg.add(rect(COLUMN_X - 1, 0, 1, PANEL_Y, fill=WHITE, fill_opacity=0.05))
    # The control panel: a shadow above it, a lighter face and a lit edge.
    svg.add(rect(0, PANEL_Y - 14, W, 14, fill=svg.linear([(0, "#000000", 0), (1, "#000000", 0.45)])))
    svg.add(rect(0, PANEL_Y, W, H - PANEL_Y, fill=svg.linear([(0, PANEL_TOP), (0.35, "#1a2025"), (1, PANEL_BOTTOM)])))
    svg.add(rect(0, PANEL_Y, W, H - PANEL_Y, fill=svg.radial(
        [(0, WHITE, 0.035), (1, WHITE, 0)], cx=0.5, cy=0, r=0.6)))
    svg.add(rect(0, PANEL_Y - 1, W, 1, fill=INK))
    svg.add(rect(0, PANEL_Y, W, 1, fill=WHITE, fill_opacity=0.10))
    svg.add(rect(W / 2.0 - 300, PANEL_Y, 600, 1, fill=svg.linear(
        [(0, TEAL, 0), (0.5, TEAL, 0.45), (1, TEAL, 0)], x1=0, y1=0, x2=1, y2=0)))

    mask = Svg(W, H)
    mask.add(rect(0, 0, W, H, fill="#5a5a5a"))
    table_mask(mask, RAIL, RAIL_WIDTH, "#ffffff", "#b0b0b0")
    mask.add(rect(0, PANEL_Y, W, H - PANEL_Y, fill="#404040"))
    return svg, mask


def splash():
    """The room and the near end of a table, with the four suits above it."""
    svg = Svg(W, H)
    svg.add(rect(0, 0, W, H, fill=svg.radial(
        [(0, "#173a34"), (0.45, "#0f1f1e"), (1, "#07090b")], cx=512, cy=330, r=640, user=True)))
    table(svg, (-180, 520, 1384, 640), 34, felt_glow=(0.5, 0.18))
    # Four suits in a row, in teal lit from above, with their shadows.
    order = ["Spades", "Hearts", "Clubs", "Diamonds"]
    face = svg.linear([(0, "#5fe3c2"), (1, "#138a6c")], x1=0, y1=245, x2=0, y2=355, user=True)
    for i, name in enumerate(order):
        cx = 512 + (i - 1.5) * 150
        d = shapes.d(shapes.place(shapes.SUITS[name], cx, 300, 110))
        svg.add(path(d, fill="#000000", fill_opacity=0.45, transform="translate(0 7)"))
        svg.add(path(d, fill=face))
    svg.add(rect(212, 392, 600, 1.5, fill=svg.linear(
        [(0, TEAL, 0), (0.5, TEAL, 0.6), (1, TEAL, 0)], x1=0, y1=0, x2=1, y2=0)))
    mask = Svg(W, H)
    mask.add(rect(0, 0, W, H, fill="#707070"))
    table_mask(mask, (-180, 520, 1384, 640), 34, "#ffffff", "#b0b0b0")
    return svg, mask


def dialog_background():
    w, h = 600, 400
    svg = Svg(w, h)
    svg.add(rect(0, 0, w, h, fill=svg.linear([(0, "#242c33"), (0.5, "#1a2026"), (1, "#111519")])))
    svg.add(rect(0, 0, w, h, fill=svg.radial([(0, WHITE, 0.07), (1, WHITE, 0)], cx=0.5, cy=0, r=0.7)))
    svg.add(rect(0, 0, w, 1, fill=WHITE, fill_opacity=0.12))
    svg.add(rect(0, h - 1, w, 1, fill="#000000", fill_opacity=0.5))
    return svg


def community_table():
    w, h = 1280, 720
    svg = Svg(w, h)
    svg.add(rect(0, 0, w, h, fill=BACKDROP))
    svg.add(rect(0, 0, w, h, fill=svg.radial(
        [(0, "#223039"), (0.6, "#131b20"), (1, BACKDROP)], cx=640, cy=350, r=760, user=True)))
    outer = (50, 40, 1180, 630)
    table(svg, outer, 30)
    mask = Svg(w, h)
    mask.add(rect(0, 0, w, h, fill="#5a5a5a"))
    table_mask(mask, outer, 30, "#ffffff", "#b0b0b0")
    return svg, mask


def main():
    jobs = Jobs(sys.argv)
    svg, mask = players_table()
    jobs.picture("table/table.png", svg, mottle=(3.5, 7), mask=mask, seed=11)
    svg, mask = splash()
    jobs.picture("table/splash.png", svg, mottle=(3, 7), mask=mask, seed=12)
    jobs.picture("table/BG_dialogue.jpg", dialog_background(), grain=3, mottle=(2, 9), seed=13, quality=90)
    svg, mask = community_table()
    jobs.picture("table/community/bg.jpg", svg, grain=2, mottle=(3, 8), mask=mask, seed=14, quality=90)


if __name__ == "__main__":
    main()
