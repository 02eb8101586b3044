#!/usr/bin/python3
"""The pictures of the Kestrin theme and the lobby tiles its local server
hands out.

Theme (themes/kestrin/resources/): the tile lobby's background with a calm
band at the top for its title and header page, the glowing frame of a
selected tile, the empty tile, the login and buy-in backgrounds and the gold
button of the login dialog. Server (pokerd/resources/gamelist/): eight
banners, one colour scheme and motif each, and images.txt naming them.

Every picture is drawn in design pixels and rendered once, at twice that
size, so that it stays sharp on high-density screens; the program draws each
one into its design-size rectangle. Nothing carries text: the program draws
the labels and the tiles' lines itself.

Usage: make_kestrin.py <svg-dir> <root>  (prints the render jobs for
assets/tools/svgrender.cpp and writes images.txt)
"""

import math
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "table"))

from art import INK, WHITE, Svg, circle, fmt, path, rect, rrect_path, soft_rrect  # noqa: E402
import shapes  # noqa: E402  (found through art's path to assets/cards)

SCALE = 2  # pixels per design pixel

# The theme's colours: deep wine reds and old gold.
WINE_TOP = "#521219"
WINE_MID = "#380a10"
WINE_BOTTOM = "#1f0508"
HEADER_TOP = "#2e070c"
HEADER_BOTTOM = "#3c0b11"
GOLD_LIGHT = "#f7dc8c"
GOLD = "#e2b24a"
GOLD_DARK = "#9a6819"
GOLD_DEEP = "#5c3607"

TILE_W, TILE_H, TILE_R = 240, 104, 10
HEADER_H = 150  # the lobby's title and header page sit above this line
PANEL_R = 14


class Jobs:
    """Writes the SVG sources and prints one render job a picture, at SCALE."""

    def __init__(self, argv):
        if len(argv) != 3:
            sys.exit("usage: %s <svg-dir> <root>" % argv[0])
        self.svg_dir, self.root = argv[1], argv[2]
        os.makedirs(self.svg_dir, exist_ok=True)

    def picture(self, name, svg, grain=0, mottle=None, seed=1):
        """`name` is relative to the root; mottle=(levels, cell in design pixels)."""
        src = os.path.join(self.svg_dir, name.replace("/", "_") + ".svg")
        with open(src, "w", encoding="utf-8") as f:
            f.write(svg.source())
        out = os.path.join(self.root, name)
        os.makedirs(os.path.dirname(out), exist_ok=True)
        options = []
        if grain:
            options.append("grain=%s" % fmt(grain))
        if mottle:
            options.append("mottle=%s:%s" % (fmt(mottle[0]), fmt(mottle[1] * SCALE)))
        if grain or mottle:
            options.append("seed=%d" % seed)
        print(" ".join([src, str(svg.w * SCALE), str(svg.h * SCALE), out] + options))


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def mix(a, b, t):
    """The colour a fraction t of the way from a to b."""
    return "#%02x%02x%02x" % tuple(int(round(x + (y - x) * t)) for x, y in zip(rgb(a), rgb(b)))


def line(x1, y1, x2, y2, **attrs):
    return path("M%s %sL%s %s" % (fmt(x1), fmt(y1), fmt(x2), fmt(y2)), **attrs)


def clip_segment(x1, y1, x2, y2, box):
    """The piece of a segment inside box=(x, y, w, h), or None (Liang-Barsky):
    the renderer has no clip paths, so patterns are cut to their area here."""
    bx, by, bw, bh = box
    dx, dy = x2 - x1, y2 - y1
    t0, t1 = 0.0, 1.0
    for p, q in ((-dx, x1 - bx), (dx, bx + bw - x1), (-dy, y1 - by), (dy, by + bh - y1)):
        if p == 0:
            if q < 0:
                return None
            continue
        t = q / p
        if p < 0:
            t0 = max(t0, t)
        else:
            t1 = min(t1, t)
        if t0 > t1:
            return None
    return x1 + t0 * dx, y1 + t0 * dy, x1 + t1 * dx, y1 + t1 * dy


def lattice(svg, box, step, colour, opacity, width=0.75):
    """Two families of diagonal hairlines crossing into diamonds, cut to box."""
    x, y, w, h = box
    for sign in (1, -1):
        k = -h
        while k < w + h:
            x1, x2 = (x + k, x + k + h) if sign > 0 else (x + k + h, x + k)
            seg = clip_segment(x1, y, x2, y + h, box)
            if seg:
                svg.add(line(*seg, stroke=colour, stroke_opacity=opacity, stroke_width=width))
            k += step


def suit(name, cx, cy, size, angle=0.0):
    p = shapes.place(shapes.SUITS[name], cx, cy, size)
    if angle:
        p = shapes.rotate(p, angle, cx, cy)
    return shapes.d(p)


def top_rounded_path(x, y, w, h, r):
    """A rectangle with its top corners rounded (the header band)."""
    return "M%s %sV%sA%s %s 0 0 1 %s %sH%sA%s %s 0 0 1 %s %sV%sZ" % (
        fmt(x), fmt(y + h), fmt(y + r), fmt(r), fmt(r), fmt(x + r), fmt(y), fmt(x + w - r), fmt(r), fmt(r),
        fmt(x + w), fmt(y + r), fmt(y + h))


def corner_ornaments(svg, w, h, inset):
    """Small gold diamonds on the corners of the inner frame line, with a
    short flourish along each edge."""
    for cx, sx in ((inset, 1), (w - inset, -1)):
        for cy, sy in ((inset, 1), (h - inset, -1)):
            for dx, dy in ((1, 0), (0, 1)):
                svg.add(line(cx + sx * dx * 6, cy + sy * dy * 6, cx + sx * dx * 26, cy + sy * dy * 26,
                             stroke=GOLD, stroke_width=1.25, stroke_opacity=0.55))
            svg.add(path(suit("Diamonds", cx, cy, 11), fill=GOLD_DEEP))
            svg.add(path(suit("Diamonds", cx, cy, 9), fill=svg.linear([(0, GOLD_LIGHT), (1, GOLD_DARK)])))


def panel(w, h, header=0):
    """A dialog background: a rounded wine-red panel lit warmly from above,
    darker to its edges, with a faint gold lattice, a double gold frame and
    gold corners. With a header, the top `header` pixels are a plain, darker
    band closed by a gold hairline."""
    svg = Svg(w, h)
    r = PANEL_R
    svg.add(rect(0, 0, w, h, r, fill=svg.linear([(0, WINE_TOP), (0.45, WINE_MID), (1, WINE_BOTTOM)])))
    # Warm light from above the panel's centre.
    svg.add(rect(0, 0, w, h, r, fill=svg.radial(
        [(0, "#ffb25a", 0.16), (0.55, "#ff9a4a", 0.05), (1, "#ff9a4a", 0)], cx=0.5, cy=0.12, r=0.7)))
    # The lattice, kept off the header and inside the frame.
    body_top = header + 4 if header else 12
    lattice(svg, (12, body_top, w - 24, h - body_top - 12), 30, GOLD, 0.045)
    if header:
        band = top_rounded_path(0, 0, w, header, r)
        svg.add(path(band, fill=svg.linear([(0, HEADER_TOP), (1, HEADER_BOTTOM)])))
        svg.add(path(band, fill=svg.radial(
            [(0, "#ffb25a", 0.09), (1, "#ffb25a", 0)], cx=0.5, cy=0.0, r=0.8)))
        # Its lower edge: a shadow below, a dark line and a gold hairline
        # brightest in the middle.
        svg.add(rect(0, header, w, 10, fill=svg.linear([(0, "#000000", 0.30), (1, "#000000", 0)])))
        svg.add(rect(0, header - 1, w, 1, fill="#000000", fill_opacity=0.45))
        svg.add(rect(20, header, w - 40, 1.25, fill=svg.linear(
            [(0, GOLD, 0), (0.2, GOLD, 0.55), (0.5, GOLD_LIGHT, 0.95), (0.8, GOLD, 0.55), (1, GOLD, 0)],
            x1=0, y1=0, x2=1, y2=0)))
    # Darker towards the edges.
    svg.add(rect(0, 0, w, h, r, fill=svg.radial(
        [(0, "#000000", 0), (0.72, "#000000", 0), (1, "#000000", 0.30)], cx=0.5, cy=0.45, r=0.72)))
    # The frame: an outer gold line lit from above, a dark groove, and a
    # finer gold line inside it.
    svg.add(rect(0.75, 0.75, w - 1.5, h - 1.5, r - 0.75, fill="none", stroke_width=1.5, stroke=svg.linear(
        [(0, GOLD_LIGHT), (0.5, GOLD), (1, GOLD_DARK)])))
    svg.add(rect(2, 2, w - 4, h - 4, r - 2, fill="none", stroke=INK, stroke_width=1, stroke_opacity=0.6))
    svg.add(rect(6.5, 6.5, w - 13, h - 13, r - 5, fill="none", stroke=GOLD, stroke_width=0.75,
                 stroke_opacity=0.45))
    corner_ornaments(svg, w, h, 6.5)
    return svg


def highlight():
    """A glowing gold frame for the selected tile: a bright line on the
    tile's edge and a glow fading inwards (the picture has the tile's size,
    so nothing can reach outside it)."""
    w, h, r = TILE_W, TILE_H, TILE_R
    svg = Svg(w, h)
    steps, spread, opacity = 14, 11.0, 0.8
    a = 1.0 - (1.0 - opacity) ** (1.0 / steps)
    outer = rrect_path(0, 0, w, h, r)
    for i in range(steps):
        e = spread * ((i + 1.0) / steps) ** 1.7
        inner = rrect_path(e, e, w - 2 * e, h - 2 * e, max(r - 0.5 * e, 4))
        svg.add(path(outer + inner, fill="#ffc94a", fill_opacity=a, fill_rule="evenodd"))
    svg.add(rect(0.75, 0.75, w - 1.5, h - 1.5, r - 0.75, fill="none", stroke=GOLD_DEEP, stroke_width=1.5,
                 stroke_opacity=0.8))
    svg.add(rect(2, 2, w - 4, h - 4, r - 2, fill="none", stroke_width=2.5, stroke=svg.linear(
        [(0, "#fff4c4"), (0.5, "#ffd766"), (1, "#e8a832")])))
    svg.add(rect(3.6, 3.6, w - 7.2, h - 7.2, r - 3.6, fill="none", stroke=WHITE, stroke_width=0.6,
                 stroke_opacity=0.55))
    return svg


def empty_tile():
    """A place without a game: a flat, muted grey tile with the four suits
    pressed faintly into it."""
    w, h, r = TILE_W, TILE_H, TILE_R
    svg = Svg(w, h)
    svg.add(rect(0, 0, w, h, r, fill=svg.linear([(0, "#545051"), (1, "#363334")])))
    svg.add(rect(0, 0, w, h, r, fill=svg.radial(
        [(0, "#000000", 0), (0.7, "#000000", 0), (1, "#000000", 0.28)], cx=0.5, cy=0.5, r=0.72)))
    for i, name in enumerate(("Spades", "Hearts", "Clubs", "Diamonds")):
        cx = w / 2.0 + (i - 1.5) * 36
        d = suit(name, cx, h / 2.0, 24)
        svg.add(path(d, fill=WHITE, fill_opacity=0.07, transform="translate(0 1)"))
        svg.add(path(d, fill="#000000", fill_opacity=0.22))
    svg.add(rect(0.5, 0.5, w - 1, h - 1, r - 0.5, fill="none", stroke="#000000", stroke_width=1,
                 stroke_opacity=0.55))
    svg.add(rect(1.5, 1.5, w - 3, h - 3, r - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
        [(0, WHITE, 0.16), (0.5, WHITE, 0.04), (1, WHITE, 0)])))
    return svg


def gold_button(w, h, r):
    """A gold slab with a soft shadow, a gloss and a lit top edge."""
    svg = Svg(w, h)
    x, y, bw, bh = 1, 1, w - 2, h - 3
    svg.add(soft_rrect(x, y, bw, bh, r, 2.0, "#000000", 0.55, steps=5, dy=1.0))
    svg.add(rect(x, y, bw, bh, r, fill=svg.linear([(0, "#ffe596"), (0.5, "#e9b845"), (1, "#b07a1f")])))
    svg.add(rect(x, y, bw, bh * 0.5, r, fill=svg.linear([(0, WHITE, 0.30), (1, WHITE, 0.06)])))
    svg.add(rect(x, y, bw, bh, r, fill=svg.radial(
        [(0, WHITE, 0.18), (1, WHITE, 0)], cx=0.5, cy=1.0, r=0.55)))
    svg.add(rect(x + 0.5, y + 0.5, bw - 1, bh - 1, r - 0.5, fill="none", stroke=GOLD_DEEP, stroke_width=1))
    svg.add(rect(x + 1.5, y + 1.5, bw - 3, bh - 3, r - 1.5, fill="none", stroke_width=1, stroke=svg.linear(
        [(0, WHITE, 0.7), (0.45, WHITE, 0.12), (1, WHITE, 0)])))
    return svg


# The lobby's tile pictures: id, name, background (light, middle, dark),
# light, suit face (top, bottom), motif, suits as (name, cx, cy, size, angle).
TILES = [
    (1, "ruby", ("#f0485a", "#9a1428", "#3e0612"), "#ffb08a", ("#ffffff", "#ffc8c0"), "rays",
     [("Hearts", 188, 52, 80, -10)]),
    (2, "jade", ("#46cf93", "#137556", "#053428"), "#c6ffe0", ("#ffffff", "#c8f5dc"), "stripes",
     [("Clubs", 190, 52, 78, 8)]),
    (3, "sapphire", ("#5a9cff", "#1c44a8", "#08184a"), "#b8dcff", ("#ffffff", "#c4dcff"), "rings",
     [("Spades", 188, 54, 82, 0)]),
    (4, "amber", ("#ffc05a", "#d66c12", "#6e2806"), "#fff2a8", ("#fffdf2", "#ffe0a0"), "scatter",
     [("Diamonds", 190, 52, 82, 12)]),
    (5, "amethyst", ("#bb7cf6", "#5d2ba0", "#240e48"), "#f2cfff", ("#ffffff", "#ead6ff"), "bokeh",
     [("Spades", 114, 62, 34, -16), ("Hearts", 150, 47, 38, -6), ("Clubs", 188, 47, 38, 6),
      ("Diamonds", 222, 62, 34, 16)]),
    (6, "topaz", ("#ffe36e", "#d6a018", "#6c4606"), "#fffbe2", ("#5a2c04", "#2e1402"), "chips",
     [("Spades", 204, 40, 50, -8)]),
    (7, "turquoise", ("#58e6dc", "#148e98", "#053e48"), "#d8fffb", ("#ffffff", "#c8f6f2"), "waves",
     [("Clubs", 190, 50, 76, -6)]),
    (8, "coral", ("#ff927a", "#de4a5e", "#6c1230"), "#ffe4cc", ("#ffffff", "#ffd6cc"), "lattice",
     [("Hearts", 168, 58, 60, -14), ("Diamonds", 212, 44, 58, 12)]),
]


def motif(svg, kind, light, dark, rng):
    w, h = TILE_W, TILE_H
    if kind == "rays":
        # Wedges fanning out from behind the suit.
        cx, cy, far, n = 188, 52, 320, 18
        for i in range(n):
            a0 = 2 * math.pi * i / n
            a1 = a0 + math.pi / n
            pts = [(cx, cy), (cx + far * math.cos(a0), cy + far * math.sin(a0)),
                   (cx + far * math.cos(a1), cy + far * math.sin(a1))]
            svg.add(path(shapes.d(shapes.polygon(pts)), fill=light, fill_opacity=0.10))
    elif kind == "stripes":
        for k in range(-6, 14):
            x = k * 26
            pts = [(x, h), (x + 12, h), (x + 12 + h * 0.6, 0), (x + h * 0.6, 0)]
            svg.add(path(shapes.d(shapes.polygon(pts)), fill=light, fill_opacity=0.08))
    elif kind == "rings":
        for i in range(1, 12):
            svg.add(circle(188, 54, 14 * i, fill="none", stroke=light, stroke_width=5 if i % 2 else 1.5,
                           stroke_opacity=0.10 if i % 2 else 0.16))
    elif kind == "scatter":
        for _ in range(34):
            x, y = rng.uniform(-10, w + 10), rng.uniform(-10, h + 10)
            size = rng.uniform(8, 22)
            svg.add(path(suit("Diamonds", x, y, size, rng.uniform(-30, 30)), fill=light,
                         fill_opacity=rng.uniform(0.06, 0.16)))
    elif kind == "bokeh":
        for _ in range(22):
            x, y = rng.uniform(0, w), rng.uniform(0, h)
            rad = rng.uniform(5, 22)
            svg.add(circle(x, y, rad, fill=light, fill_opacity=rng.uniform(0.05, 0.12)))
            svg.add(circle(x, y, rad - 0.5, fill="none", stroke=light, stroke_width=1,
                           stroke_opacity=0.12))
    elif kind == "chips":
        # A few chips seen from above, in the scheme's dark tone with white
        # edge spots; the last ones drawn lie on top.
        for x, y, rad in ((150, 84, 26), (232, 92, 30), (120, 20, 18), (188, 70, 24), (228, 18, 20)):
            svg.add(circle(x + 1.5, y + 2.5, rad, fill="#000000", fill_opacity=0.22))
            svg.add(circle(x, y, rad, fill=svg.linear([(0, mix(dark, "#ffffff", 0.15)), (1, dark)])))
            dash = 2 * math.pi * (rad - 3) / 16.0
            svg.add(circle(x, y, rad - 3, fill="none", stroke=WHITE, stroke_width=4.5, stroke_opacity=0.85,
                           stroke_dasharray="%s %s" % (fmt(dash / 2), fmt(dash / 2))))
            svg.add(circle(x, y, rad * 0.62, fill="none", stroke=WHITE, stroke_width=0.8,
                           stroke_opacity=0.6, stroke_dasharray="2 2"))
            svg.add(circle(x, y, rad * 0.55, fill=mix(dark, "#ffffff", 0.08)))
    elif kind == "waves":
        for i in range(9):
            y0 = -6 + i * 14
            amp, period = 6, 80
            d = "M-10 %s" % fmt(y0)
            x = -10
            while x < w + 10:
                d += "C%s %s %s %s %s %s" % (fmt(x + period / 4.0), fmt(y0 - amp), fmt(x + period / 4.0),
                                             fmt(y0 + amp), fmt(x + period / 2.0), fmt(y0))
                d += "C%s %s %s %s %s %s" % (fmt(x + 3 * period / 4.0), fmt(y0 - amp),
                                             fmt(x + 3 * period / 4.0), fmt(y0 + amp), fmt(x + period), fmt(y0))
                x += period
            svg.add(path(d, fill="none", stroke=light, stroke_width=4 if i % 2 else 1.5,
                         stroke_opacity=0.11 if i % 2 else 0.2))
    elif kind == "lattice":
        lattice(svg, (0, 0, w, h), 20, light, 0.16, width=1.2)
        for k in range(-4, 16):
            for j in range(0, 8):
                # Every third diamond of the lattice filled.
                if (k + j) % 3:
                    continue
                cx, cy = k * 20 + (j % 2) * 10, j * 10 + 5
                pts = [(cx, cy - 10), (cx + 10, cy), (cx, cy + 10), (cx - 10, cy)]
                svg.add(path(shapes.d(shapes.polygon(pts)), fill=light, fill_opacity=0.07))
    else:
        raise ValueError(kind)


def tile(scheme, rng):
    _id, _name, (top, middle, bottom), light, face, kind, suits = scheme
    w, h = TILE_W, TILE_H
    svg = Svg(w, h)
    svg.add(rect(0, 0, w, h, fill=svg.linear([(0, top), (0.55, middle), (1, bottom)], x1=0.75, y1=0,
                                             x2=0.25, y2=1)))
    # Light behind the motif on the right, a darker left for the text.
    svg.add(rect(0, 0, w, h, fill=svg.radial([(0, light, 0.45), (0.5, light, 0.12), (1, light, 0)],
                                             cx=185, cy=48, r=120, user=True)))
    motif(svg, kind, light, bottom, rng)
    svg.add(rect(0, 0, w, h, fill=svg.linear([(0, "#000000", 0.35), (0.55, "#000000", 0), (1, "#000000", 0)],
                                             x1=0, y1=0, x2=1, y2=0)))
    for name, cx, cy, size, angle in suits:
        d = suit(name, cx, cy, size, angle)
        for k in range(4):
            svg.add(path(d, fill="#000000", fill_opacity=0.12, transform="translate(%s %s)" % (
                fmt(1 + k), fmt(2 + 1.5 * k))))
        # The outline is a wide stroke under the face, so that the lobes
        # and the stem of a club do not show their seams.
        svg.add(path(d, fill="none", stroke=mix(bottom, "#000000", 0.3), stroke_width=2, stroke_opacity=0.6,
                     stroke_linejoin="round"))
        svg.add(path(d, fill=svg.linear([(0, face[0]), (1, face[1])])))
    # A sheen over the top and a lit top edge.
    svg.add(rect(0, 0, w, h * 0.45, fill=svg.linear([(0, WHITE, 0.16), (1, WHITE, 0)])))
    svg.add(rect(0, 0, w, 1, fill=WHITE, fill_opacity=0.25))
    svg.add(rect(0, h - 1, w, 1, fill="#000000", fill_opacity=0.35))
    return svg


def main():
    jobs = Jobs(sys.argv)
    theme = "themes/kestrin/resources/"
    jobs.picture(theme + "gamelist/background.png", panel(860, 700, header=HEADER_H), mottle=(2, 14),
                 seed=31)
    jobs.picture(theme + "gamelist/highlighted.png", highlight())
    jobs.picture(theme + "gamelist/game_disabled.png", empty_tile(), grain=2, seed=32)
    jobs.picture(theme + "login/background.png", panel(640, 420), mottle=(2, 14), seed=33)
    jobs.picture(theme + "login/register_button.png", gold_button(160, 44, 9))
    jobs.picture(theme + "buyin/background.png", panel(520, 380), mottle=(2, 14), seed=34)

    server = "pokerd/resources/gamelist/"
    rng = random.Random(41)
    for scheme in TILES:
        jobs.picture(server + "%d.png" % scheme[0], tile(scheme, rng), grain=1.5, seed=50 + scheme[0])
    with open(os.path.join(jobs.root, server, "images.txt"), "w", encoding="utf-8") as f:
        for scheme in TILES:
            f.write("%d %s\n" % (scheme[0], scheme[1]))


if __name__ == "__main__":
    main()
