#!/usr/bin/python3
"""The community theme's pictures (design 1280 x 720), besides its table
(make_table.py): the frame and glowing frame around a card of 162 x 228,
the name plates, the action badges and the dealer button.

Usage: make_community.py <svg-dir> <resource-dir>  (prints the render jobs)
"""

import sys

from art import (GOLD, GREEN, INK, TEAL, WHITE, Jobs, Svg, circle, halo_rrect, rect, soft_ellipse, soft_rrect,
                 text, text_width)
from make_seats import plate

CARD_W, CARD_H, CARD_R = 162, 228, 12
FRAME_MARGIN = 14  # around the card, the same in both frames
BOX_W, BOX_H, BOX_R = 240, 90, 14
BADGE_W, BADGE_H = 90, 32


def card_frame():
    m = FRAME_MARGIN
    svg = Svg(CARD_W + 2 * m, CARD_H + 2 * m)
    svg.add(halo_rrect(m, m, CARD_W, CARD_H, CARD_R, m - 2, "#000000", 0.6, steps=10))
    # A dark band round the card, outlined, with a lit inner lip.
    svg.add(rect(m - 2, m - 2, CARD_W + 4, CARD_H + 4, CARD_R + 2, fill="none", stroke="#242b31", stroke_width=4))
    svg.add(rect(m - 4.5, m - 4.5, CARD_W + 9, CARD_H + 9, CARD_R + 4.5, fill="none", stroke=INK, stroke_width=1))
    svg.add(rect(m - 3.5, m - 3.5, CARD_W + 7, CARD_H + 7, CARD_R + 3.5, fill="none", stroke=WHITE,
                 stroke_width=1, stroke_opacity=0.10))
    svg.add(rect(m - 0.5, m - 0.5, CARD_W + 1, CARD_H + 1, CARD_R + 0.5, fill="none", stroke=WHITE,
                 stroke_width=1, stroke_opacity=0.25))
    return svg


def card_frame_glow():
    m = FRAME_MARGIN
    svg = Svg(CARD_W + 2 * m, CARD_H + 2 * m)
    svg.add(halo_rrect(m, m, CARD_W, CARD_H, CARD_R, m - 1, GOLD, 0.9, steps=16))
    svg.add(rect(m - 1.5, m - 1.5, CARD_W + 3, CARD_H + 3, CARD_R + 1.5, fill="none", stroke=GOLD, stroke_width=3))
    svg.add(rect(m - 1.5, m - 1.5, CARD_W + 3, CARD_H + 3, CARD_R + 1.5, fill="none", stroke=WHITE,
                 stroke_width=1, stroke_opacity=0.6))
    return svg


def player_box(active):
    svg = Svg(BOX_W, BOX_H)
    if active:
        # Room for the glow: the plate is inset by a few pixels.
        m = 5
        svg.add(halo_rrect(m, m, BOX_W - 2 * m, BOX_H - 2 * m, BOX_R - 2, m, TEAL, 0.8, steps=8))
        plate(svg, m, m, BOX_W - 2 * m, BOX_H - 2 * m, BOX_R - 2, fill_opacity=0.9)
        svg.add(rect(m - 0.5, m - 0.5, BOX_W - 2 * m + 1, BOX_H - 2 * m + 1, BOX_R - 1.5, fill="none",
                     stroke=TEAL, stroke_width=1.5))
    else:
        m = 5
        plate(svg, m, m, BOX_W - 2 * m, BOX_H - 2 * m, BOX_R - 2, fill_opacity=0.72)
    return svg


# label, face colours (top, bottom), text colour
BADGES = {
    "muck": ("MUCK", ("#7d868e", "#50585f"), WHITE),
    "call": ("CALL", ("#3cb371", "#1f7a47"), WHITE),
    "bet": ("BET", ("#f2a23a", "#c46f14"), WHITE),
    "winner": ("WINNER", ("#ffd970", "#d9a132"), "#2a1d05"),
}


def badge(label, face, ink):
    w, h = BADGE_W, BADGE_H
    svg = Svg(w, h)
    x, y, bw, bh = 1, 1, w - 2, h - 3
    svg.add(soft_rrect(x, y, bw, bh, bh / 2.0, 1.5, "#000000", 0.5, steps=4, dy=1))
    svg.add(rect(x, y, bw, bh, bh / 2.0, fill=svg.linear([(0, face[0]), (1, face[1])])))
    svg.add(rect(x + 0.5, y + 0.5, bw - 1, bh - 1, bh / 2.0 - 0.5, fill="none", stroke=INK, stroke_width=1,
                 stroke_opacity=0.8))
    svg.add(rect(x + 1.5, y + 1.5, bw - 3, bh - 3, bh / 2.0 - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
        [(0, WHITE, 0.45), (0.5, WHITE, 0.08), (1, WHITE, 0)])))
    cap = 11.0  # height of the capitals
    width = min(text_width(label, cap), bw - 20)
    top = y + (bh - cap) / 2.0
    if ink == WHITE:
        svg.add(text(label, (x + (bw - width) / 2.0, top + 1, width, cap), colour="#000000", max_width=width,
                     fill_opacity=0.35))
    svg.add(text(label, (x + (bw - width) / 2.0, top, width, cap), colour=ink, max_width=width))
    return svg


def dealer_button():
    size = 40
    svg = Svg(size, size)
    c = size / 2.0
    cy = c - 1
    r = 17
    svg.add(soft_ellipse(c, cy, r, r, 2.5, "#000000", 0.6, steps=6, dy=1.2))
    svg.add(circle(c, cy, r, fill=svg.linear([(0, "#ffffff"), (1, "#cdd3d8")])))
    svg.add(circle(c, cy, r - 0.5, fill="none", stroke="#8d959c", stroke_width=1))
    svg.add(circle(c, cy, r - 4, fill="none", stroke=GREEN, stroke_width=1.5, stroke_opacity=0.7))
    svg.add(text("D", (c - 8, cy - 8, 16, 16), colour="#15191d"))
    return svg


def main():
    jobs = Jobs(sys.argv)
    jobs.picture("table/community/card_frame.png", card_frame())
    jobs.picture("table/community/card_frame_glow.png", card_frame_glow())
    jobs.picture("table/community/player_box_active.png", player_box(True))
    jobs.picture("table/community/player_box_not_active.png", player_box(False))
    for name, (label, face, ink) in BADGES.items():
        jobs.picture("table/community/%s.png" % name, badge(label, face, ink))
    jobs.picture("table/community/d_button.png", dealer_button())


if __name__ == "__main__":
    main()
