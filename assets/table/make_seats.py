#!/usr/bin/python3
"""The pictures of a seat: the name and stack plate, the free seat, the
turn timer's ring and glows, the dealer button, the "YOU" badge and the
error icon.

Usage: make_seats.py <svg-dir> <resource-dir>  (prints the render jobs)
"""

import sys

from art import (AMBER, GOLD, INK, RED, TEAL, WHITE, Jobs, Svg, circle, halo_rrect, path, rect, ring_path,
                 soft_ellipse, text)

PLATE_W, PLATE_H, PLATE_R = 150, 70, 10
GLOW_MARGIN = 12  # around the plate in the timer glows
TIMER = 64  # the timer ring pictures
TIMER_RING = (29.0, 23.0)  # outer and inner radius of the ring


def plate(svg, x, y, w, h, r, fill_opacity=0.82):
    """A dark translucent plate with a lit top edge."""
    svg.add(rect(x, y, w, h, r, fill=svg.linear([(0, "#1c2329", fill_opacity), (1, "#0b0f12", fill_opacity)])))
    svg.add(rect(x + 0.5, y + 0.5, w - 1, h - 1, r - 0.5, fill="none", stroke=INK, stroke_width=1,
                 stroke_opacity=0.9))
    svg.add(rect(x + 1.5, y + 1.5, w - 3, h - 3, r - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
        [(0, WHITE, 0.26), (0.5, WHITE, 0.07), (1, WHITE, 0.03)])))


def player_plate():
    svg = Svg(PLATE_W, PLATE_H)
    plate(svg, 0, 0, PLATE_W, PLATE_H, PLATE_R)
    return svg


def free_seat():
    """An empty seat: a fainter plate, a dashed edge and a chair with a plus
    at its left, leaving the rest of the plate to a caption."""
    svg = Svg(PLATE_W, PLATE_H)
    svg.add(rect(0, 0, PLATE_W, PLATE_H, PLATE_R, fill=svg.linear([(0, "#1a2126", 0.55), (1, "#0b0f12", 0.55)])))
    svg.add(rect(1, 1, PLATE_W - 2, PLATE_H - 2, PLATE_R - 1, fill="none", stroke=WHITE, stroke_width=1.5,
                 stroke_opacity=0.28, stroke_dasharray="6 4"))
    cx, cy = 30, PLATE_H / 2.0
    svg.add(circle(cx, cy, 17, fill="#000000", fill_opacity=0.35, stroke=TEAL, stroke_width=1.5,
                   stroke_opacity=0.8))
    # A chair seen from the side: back, seat and legs.
    chair = ("M{0} {1}h3v9h9a2 2 0 0 1 2 2v2h-2v6h-2.5v-6h-6v6h-2.5v-6h-1z").format(cx - 8.5, cy - 9)
    svg.add(path(chair, fill=WHITE, fill_opacity=0.85))
    # The plus, at the chair's upper right.
    svg.add(rect(cx + 2, cy - 8.25, 8, 2.5, 1.25, fill=TEAL))
    svg.add(rect(cx + 4.75, cy - 11, 2.5, 8, 1.25, fill=TEAL))
    return svg


def timer_glow(colour):
    """A glow around the seat plate, brightest on the plate's edge."""
    m = GLOW_MARGIN
    svg = Svg(PLATE_W + 2 * m, PLATE_H + 2 * m)
    svg.add(halo_rrect(m, m, PLATE_W, PLATE_H, PLATE_R, m - 0.5, colour, 0.85, steps=16))
    svg.add(rect(m - 0.75, m - 0.75, PLATE_W + 1.5, PLATE_H + 1.5, PLATE_R + 0.75, fill="none", stroke=colour,
                 stroke_width=1.5))
    svg.add(rect(m + 0.5, m + 0.5, PLATE_W - 1, PLATE_H - 1, PLATE_R - 0.5, fill="none", stroke=WHITE,
                 stroke_width=1, stroke_opacity=0.5))
    return svg


def timer_track():
    svg = Svg(TIMER, TIMER)
    c = TIMER / 2.0
    r_out, r_in = TIMER_RING
    svg.add(soft_ellipse(c, c, r_out, r_out, 2.5, "#000000", 0.4, steps=5))
    svg.add(path(ring_path(c, c, r_out, r_in), fill="#000000", fill_opacity=0.55, fill_rule="evenodd"))
    svg.add(circle(c, c, r_out - 0.5, fill="none", stroke=WHITE, stroke_width=1, stroke_opacity=0.16))
    svg.add(circle(c, c, r_in + 0.5, fill="none", stroke=WHITE, stroke_width=1, stroke_opacity=0.08))
    return svg


def timer_deadline():
    """The ring in warning colours, amber at the top to red at the bottom,
    with a faint glow; drawn over the track as time runs out."""
    svg = Svg(TIMER, TIMER)
    c = TIMER / 2.0
    r_out, r_in = TIMER_RING
    mid = (r_out + r_in) / 2.0
    for i in range(5):
        svg.add(circle(c, c, mid, fill="none", stroke=RED, stroke_width=(r_out - r_in) + 1.2 * (i + 1),
                       stroke_opacity=0.07))
    svg.add(path(ring_path(c, c, r_out, r_in), fill_rule="evenodd", fill=svg.linear([(0, AMBER), (1, RED)])))
    svg.add(circle(c, c, r_out - 1, fill="none", stroke=WHITE, stroke_width=1, stroke_opacity=0.35))
    return svg


def dealer_button():
    size = 28
    svg = Svg(size, size)
    c = size / 2.0
    cy = c - 0.5
    r = 12
    svg.add(soft_ellipse(c, cy, r, r, 2, "#000000", 0.6, steps=5, dy=1))
    svg.add(circle(c, cy, r, fill=svg.linear([(0, "#ffffff"), (1, "#cfd4d8")])))
    svg.add(circle(c, cy, r - 0.5, fill="none", stroke="#8d959c", stroke_width=1))
    svg.add(circle(c, cy, r - 3, fill="none", stroke="#b9c0c6", stroke_width=1))
    svg.add(text("D", (c - 6, cy - 6, 12, 12), colour="#15191d"))
    return svg


def you_badge():
    w, h = 40, 18
    svg = Svg(w, h)
    svg.add(rect(0, 0, w, h, h / 2.0, fill=INK, fill_opacity=0.5))
    svg.add(rect(0.5, 0.5, w - 1, h - 1.5, (h - 1) / 2.0, fill=svg.linear([(0, "#ffd970"), (1, "#e0a93a")])))
    svg.add(rect(1, 1, w - 2, h / 2.0 - 1, (h - 2) / 4.0, fill=WHITE, fill_opacity=0.18))
    svg.add(text("YOU", (6, 4.5, w - 12, 8.5), colour="#2a1d05"))
    return svg


def error_icon():
    size = 24
    svg = Svg(size, size)
    c = size / 2.0
    svg.add(circle(c, c, 11.5, fill="#7a1410"))
    svg.add(circle(c, c, 10.5, fill=svg.linear([(0, "#f05a4f"), (1, "#c42a21")])))
    svg.add(rect(c - 1.5, 5.5, 3, 8.5, 1.5, fill=WHITE))
    svg.add(circle(c, 17.25, 1.75, fill=WHITE))
    return svg


def main():
    jobs = Jobs(sys.argv)
    jobs.picture("table/player_avatar.png", player_plate())
    jobs.picture("table/no_player_avatar.png", free_seat())
    jobs.picture("table/timer_glow.png", timer_glow(GOLD))
    jobs.picture("table/timer_glow_red.png", timer_glow(RED))
    jobs.picture("table/timer_track.png", timer_track())
    jobs.picture("table/timer_deadline.png", timer_deadline())
    jobs.picture("table/dealer_button.png", dealer_button())
    jobs.picture("table/icon_YOU.png", you_badge())
    jobs.picture("table/icn_error.png", error_icon())


if __name__ == "__main__":
    main()
