#!/usr/bin/python3
"""The lobby's state icons (32 x 32) and the eight frames of the progress
spinner (48 x 48).

The icons are discs with a dark rim, so that they stand out on white rows
as well as on dark ones: running (green, play), unregistered (white, plus),
registered (white, green check), stopped (grey, square) and full (red, bar).

Usage: make_icons.py <svg-dir> <resource-dir>  (prints the render jobs)
"""

import sys

from art import GREEN, TEAL, WHITE, Jobs, Svg, circle, fmt, group, path, rect, soft_ellipse

ICON = 32
SPINNER = 48
FRAMES = 8


def disc(svg, face, ring=None):
    """A disc filling the icon, with a faint shadow and a dark rim; `ring`
    draws a coloured ring on a white face instead of a solid face."""
    c = ICON / 2.0
    svg.add(soft_ellipse(c, c + 0.5, 14.5, 14.5, 1.5, "#000000", 0.35, steps=3))
    svg.add(circle(c, c, 14.5, fill="#000000", fill_opacity=0.55))
    if ring:
        svg.add(circle(c, c, 13.5, fill=ring))
        svg.add(circle(c, c, 10.5, fill=svg.linear([(0, "#ffffff"), (1, "#e4e8eb")])))
    else:
        svg.add(circle(c, c, 13.5, fill=svg.linear([(0, face[0]), (1, face[1])])))
        svg.add(circle(c, c, 12.75, fill="none", stroke=WHITE, stroke_width=1, stroke_opacity=0.3))


def running():
    svg = Svg(ICON, ICON)
    disc(svg, ("#4fd286", "#1f8a4c"))
    svg.add(path("M12.5 9.5L23 16L12.5 22.5Z", fill=WHITE, stroke=WHITE, stroke_width=1.5, stroke_linejoin="round"))
    return svg


def unregistered():
    svg = Svg(ICON, ICON)
    disc(svg, None, ring="#66747f")
    svg.add(rect(10.5, 14.75, 11, 2.5, 1.25, fill="#4d5962"))
    svg.add(rect(14.75, 10.5, 2.5, 11, 1.25, fill="#4d5962"))
    return svg


def registered():
    svg = Svg(ICON, ICON)
    disc(svg, None, ring=GREEN)
    svg.add(path("M10.5 16.5L14.5 20.5L21.5 12", fill="none", stroke="#1f8a4c", stroke_width=3.2,
                 stroke_linecap="round", stroke_linejoin="round"))
    return svg


def stopped():
    svg = Svg(ICON, ICON)
    disc(svg, ("#a3acb3", "#636c73"))
    svg.add(rect(11, 11, 10, 10, 1.5, fill=WHITE))
    return svg


def full():
    svg = Svg(ICON, ICON)
    disc(svg, ("#f26a4f", "#b8261c"))
    svg.add(rect(9, 14.25, 14, 3.5, 1.75, fill=WHITE))
    return svg


def spinner(frame):
    """Eight bars round the centre; the lit one moves on by one each frame
    and the others fade behind it."""
    svg = Svg(SPINNER, SPINNER)
    c = SPINNER / 2.0
    for i in range(FRAMES):
        age = (frame - i) % FRAMES  # 0: the lit bar
        opacity = max(0.18, 1.0 - 0.2 * age)
        angle = 360.0 * i / FRAMES
        bar = rect(c - 2.75, 5, 5.5, 12, 2.75, fill=TEAL if age else "#7ff0d2", fill_opacity=opacity)
        edge = rect(c - 3.25, 4.5, 6.5, 13, 3.25, fill="#000000", fill_opacity=0.25 * opacity)
        svg.add(group([edge, bar], transform="rotate(%s %s %s)" % (fmt(angle), fmt(c), fmt(c))))
    return svg


def main():
    jobs = Jobs(sys.argv)
    icons = {"icon_running": running, "icon_unregistered": unregistered, "icon_registered": registered,
             "icon_stopped": stopped, "icon_full": full}
    for name, draw in icons.items():
        jobs.picture("lobby/%s.png" % name, draw())
    for frame in range(FRAMES):
        jobs.picture("progress/p%03d.png" % (frame + 1), spinner(frame))


if __name__ == "__main__":
    main()
