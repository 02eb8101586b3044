#!/usr/bin/python3
"""Writes the card decks (classic, one-number, simple, four-colour) as SVG.

Every face is a group whose id is the one the program asks for (Card::elementId):
"Ace_Spades", "_x32__Hearts" ... "_x31_0_Diamonds", "King_Clubs", plus
"Card_Back" and "Joker". A face is 240 x 320 units (3:4); nothing is drawn
outside that box, so the group's bounds are the card itself.
"""

import math
import sys

import shapes
from shapes import SUITS, circle, d, place, polygon, transform
from svgtext import fmt, text_path

W, H = 240, 320
RED = "#c8141e"
BLACK = "#161616"
GOLD = "#d9a521"
GOLD_DARK = "#8c6a12"
SKIN = "#f2d3b0"
CREAM = "#fbf3dc"
SUIT_ORDER = ["Clubs", "Diamonds", "Hearts", "Spades"]
RANKS = ["A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"]

SERIF = "DejaVuSerifCondensed-Bold.ttf"
SANS = "DejaVuSans-Bold.ttf"
SANS_COND = "DejaVuSansCondensed-Bold.ttf"


def element_id(value, suit):
    if value == 0:
        return "Ace_" + suit
    if 1 <= value <= 8:
        return "_x3%d__%s" % (value + 1, suit)
    if value == 9:
        return "_x31_0_" + suit
    return ["Jack_", "Queen_", "King_"][value - 10] + suit


# The four-colour deck tells diamonds from hearts and clubs from spades at a glance.
BLUE = "#1b4fb8"
GREEN = "#1d7a32"
TWO_COLOURS = {"Hearts": RED, "Diamonds": RED, "Spades": BLACK, "Clubs": BLACK}
FOUR_COLOURS = {"Hearts": RED, "Diamonds": BLUE, "Spades": BLACK, "Clubs": GREEN}
# The deck being written; write_deck sets it for the faces it draws.
palette = TWO_COLOURS


def suit_colour(suit):
    return palette[suit]


def path(data, fill, extra=""):
    return '<path d="%s" fill="%s"%s/>' % (data, fill, extra)


def pip(suit, cx, cy, size, flip=False, colour=None):
    return path(d(place(SUITS[suit], cx, cy, size, flip)), colour or suit_colour(suit))


def card_base():
    # The border is drawn inside the face so that it does not widen the bounds.
    return [
        '<rect width="%d" height="%d" rx="16" fill="#fffefa"/>' % (W, H),
        '<rect x="1.5" y="1.5" width="%g" height="%g" rx="14.5" fill="none" stroke="#8f8f8f" '
        'stroke-width="3"/>' % (W - 3, H - 3),
    ]


def rotated(items):
    return ['<g transform="rotate(180 %d %d)">' % (W // 2, H // 2)] + items + ["</g>"]


def group(gid, x, y, items):
    return ['<g id="%s" transform="translate(%s,%s)">' % (gid, fmt(x), fmt(y))] + items + ["</g>"]


# --- classic deck ---------------------------------------------------------

PIP_SIZE = 42
COLS = (76, 120, 164)
TOP, BOTTOM = 64, 256
SIDE_ROWS = [TOP + i * (BOTTOM - TOP) / 3.0 for i in range(4)]


def pip_layout(rank):
    l, c, r = COLS
    mid = H / 2
    corners = [(l, TOP), (r, TOP), (l, BOTTOM), (r, BOTTOM)]
    if rank == 2:
        return [(c, TOP), (c, BOTTOM)]
    if rank == 3:
        return [(c, TOP), (c, mid), (c, BOTTOM)]
    if rank == 4:
        return corners
    if rank == 5:
        return corners + [(c, mid)]
    if rank == 6:
        return corners + [(l, mid), (r, mid)]
    if rank == 7:
        return corners + [(l, mid), (r, mid), (c, (TOP + mid) / 2)]
    if rank == 8:
        return corners + [(l, mid), (r, mid), (c, (TOP + mid) / 2), (c, (BOTTOM + mid) / 2)]
    sides = [(x, y) for x in (l, r) for y in SIDE_ROWS]
    if rank == 9:
        return sides + [(c, mid)]
    return sides + [(c, (SIDE_ROWS[0] + SIDE_ROWS[1]) / 2), (c, (SIDE_ROWS[2] + SIDE_ROWS[3]) / 2)]


def classic_index(rank, suit):
    colour = suit_colour(suit)
    text, _ = text_path(SERIF if rank != "10" else SANS_COND, rank, (4, 12, 48, 58), max_width=46)
    return [path(text, colour), pip(suit, 28, 95, 34)]


# Court figures: one half of a double-headed picture in a 132 x 138 panel;
# the other half is the same turned about the centre of the frame.
FRAME_X, FRAME_Y, FRAME_W, FRAME_H = 54, 22, 132, 276
HALF = FRAME_H / 2.0

COURT_COLOURS = {
    # robe, accent, queen's hair
    "Spades": ("#23314f", RED, "#5b3518"),
    "Clubs": ("#1f4a2c", RED, "#c8902a"),
    "Hearts": (RED, "#23314f", "#c8902a"),
    "Diamonds": (RED, "#1f4a2c", "#5b3518"),
}


def court_half(rank, suit):
    robe, accent, queen_hair = COURT_COLOURS[suit]
    out = []
    line = ' stroke="#3a2814" stroke-width="1.2" stroke-linejoin="round"'
    gold_line = ' stroke="%s" stroke-width="1.2" stroke-linejoin="round"' % GOLD_DARK
    # what the figure holds stands behind it
    if rank == "K":
        out.append('<rect x="104" y="40" width="5" height="98" fill="%s"/>' % GOLD)
        out.append(path(d(circle(106.5, 36, 7.5)), GOLD, gold_line))
        out.append('<rect x="104.75" y="20" width="3.5" height="10" fill="%s"/>' % GOLD_DARK)
        out.append('<rect x="101.5" y="23.5" width="10" height="3" fill="%s"/>' % GOLD_DARK)
    elif rank == "Q":
        out.append(path("M25 138C25 120 24 104 26 86L29 86C28 104 29 120 29 138Z", "#3f7a32"))
        out.append(path("M26 112C18 104 10 106 7 111C14 116 21 116 26 112Z", "#3f7a32"))
        for i in range(6):
            a = math.radians(i * 60 - 90)
            out.append(path(d(circle(27 + 8 * math.cos(a), 78 + 8 * math.sin(a), 6)), RED if accent != RED else "#e2607a"))
        out.append(path(d(circle(27, 78, 4.5)), GOLD))
    else:
        out.append('<rect x="20" y="30" width="4.5" height="108" fill="#7a5230"/>')
        out.append(path("M22.25 6L29 28L22.25 34L15.5 28Z", "#b9c2cc", line))
        out.append(path("M24 32C36 30 45 37 47 48C38 46 31 48 24 52Z", "#b9c2cc", line))
    # the robe: shoulders, a tunic in the accent colour and a gold front
    out.append(path("M6 138C6 118 20 104 40 100L92 100C112 104 126 118 126 138Z", robe, gold_line))
    out.append(path("M22 138C24 122 32 112 44 108L56 108L54 138Z", accent))
    out.append(path("M110 138C108 122 100 112 88 108L76 108L78 138Z", accent))
    out.append(path("M57 100L75 100L79 138L53 138Z", GOLD))
    for y in (109, 120, 131):
        out.append(path(d(circle(66, y, 3)), robe))
    # arm and hand on what it holds
    if rank == "K":
        out.append(path("M92 104C100 106 104 112 104 122L98 124C96 116 92 112 88 110Z", robe, gold_line))
        out.append(path(d(circle(106.5, 120, 6)), SKIN, line))
    elif rank == "Q":
        out.append(path("M40 104C32 106 28 110 28 118L34 120C36 114 40 111 44 110Z", robe, gold_line))
        out.append(path(d(circle(27.5, 116, 6)), SKIN, line))
    else:
        out.append(path("M40 104C30 106 24 110 23 118L29 120C31 114 36 111 44 110Z", robe, gold_line))
        out.append(path(d(circle(22.5, 116, 6)), SKIN, line))
    # long hair falls behind the head
    if rank == "Q":
        out.append(path("M43 52C41 28 54 30 66 29C78 30 91 28 89 52L95 98C84 98 84 80 82 68L50 68C48 80 48 98 37 98Z", queen_hair))
    out.append('<rect x="58" y="76" width="16" height="22" fill="%s"/>' % SKIN)
    out.append('<ellipse cx="66" cy="100" rx="23" ry="5.5" fill="#f3efe4" stroke="#8a8a8a" stroke-width="1"/>')
    out.append('<ellipse cx="66" cy="60" rx="18" ry="21.5" fill="%s"%s/>' % (SKIN, line))
    # face
    for x in (59, 73):
        out.append('<ellipse cx="%d" cy="58" rx="2.4" ry="2" fill="#222"/>' % x)
    out.append(path("M56 53.5C58 52 61 52 63 53.5", "none", ' stroke="#5a3516" stroke-width="1.3"'))
    out.append(path("M69 53.5C71 52 74 52 76 53.5", "none", ' stroke="#5a3516" stroke-width="1.3"'))
    out.append(path("M66 60L63.4 68L67.8 68Z", "#d9a98a"))
    if rank == "K":
        out.append(path("M48 62C48 86 56 96 66 96C76 96 84 86 84 62C81 72 74 76 66 76C58 76 51 72 48 62Z", "#ece6d6", ' stroke="#9a9285" stroke-width="1"'))
        out.append(path("M57 72C62 68 70 68 75 72C70 75 62 75 57 72Z", "#d8d0bc", ' stroke="#9a9285" stroke-width="0.8"'))
        out.append(path("M47 44L43 16L56 30L66 10L76 30L89 16L85 44Z", GOLD, gold_line))
        for x, y, r in ((43, 16, 3), (66, 10, 3.2), (89, 16, 3)):
            out.append(path(d(circle(x, y, r)), GOLD))
        out.append('<rect x="47" y="37" width="38" height="7" fill="%s"/>' % GOLD_DARK)
        out.append(path(d(circle(66, 30, 3.6)), accent))
        out.append(path(d(circle(54, 34, 2.5)), RED if accent != RED else "#23314f"))
        out.append(path(d(circle(78, 34, 2.5)), RED if accent != RED else "#23314f"))
    elif rank == "Q":
        out.append(path("M60 74C64 77 68 77 72 74", "none", ' stroke="#b0302a" stroke-width="2" stroke-linecap="round"'))
        out.append(path("M49 42L53 28L59 35L66 21L73 35L79 28L83 42C74 38 58 38 49 42Z", GOLD, gold_line))
        out.append(path(d(circle(66, 34, 2.8)), accent))
        out.append(path("M48 56C46 42 55 40 66 40C77 40 86 42 84 56C81 48 75 45 66 45C57 45 51 48 48 56Z", queen_hair))
    else:
        out.append(path("M60 74C64 77 68 77 72 74", "none", ' stroke="#b0302a" stroke-width="2" stroke-linecap="round"'))
        out.append(path("M48 60C45 44 55 42 66 42C77 42 87 44 84 60C82 50 76 47 66 47C56 47 50 50 48 60Z", "#5a3516"))
        out.append(path("M84 34C92 18 104 8 118 2C112 14 102 26 90 38Z", "#efe7d0", ' stroke="#9a9285" stroke-width="1"'))
        out.append(path("M43 46C41 28 55 20 68 21C84 22 94 32 91 46C77 41 57 41 43 46Z", accent, line))
        out.append('<rect x="44" y="42" width="46" height="4.5" fill="%s"/>' % GOLD)
    # suit mark in the corner of the panel
    out.append(pip(suit, 112, 16, 18))
    return out


def classic_court(rank, suit):
    colour = suit_colour(suit)
    half = court_half(rank, suit)
    inner = ['<rect x="1.2" y="1.2" width="%g" height="%g" fill="%s" stroke="%s" stroke-width="2.4"/>'
             % (FRAME_W - 2.4, FRAME_H - 2.4, CREAM, colour)]
    inner += half
    inner += ['<g transform="rotate(180 %g %g)">' % (FRAME_W / 2.0, HALF)] + half + ["</g>"]
    inner.append('<rect x="2.4" y="%g" width="%g" height="3" fill="%s"/>' % (HALF - 1.5, FRAME_W - 4.8, GOLD))
    inner.append('<rect x="1.2" y="1.2" width="%g" height="%g" fill="none" stroke="%s" stroke-width="2.4"/>'
                 % (FRAME_W - 2.4, FRAME_H - 2.4, colour))
    return ['<g transform="translate(%d,%d)">' % (FRAME_X, FRAME_Y)] + inner + ["</g>"]


def classic_face(value, suit):
    rank = RANKS[value]
    items = card_base()
    index = classic_index(rank, suit)
    items += index + rotated(index)
    if rank == "A":
        size = 130 if suit == "Spades" else 96
        items.append(pip(suit, W / 2, H / 2, size))
        if suit == "Spades":
            items.append('<ellipse cx="120" cy="160" rx="76" ry="80" fill="none" stroke="%s" stroke-width="2"/>' % GOLD)
    elif rank in ("J", "Q", "K"):
        items += classic_court(rank, suit)
    else:
        for x, y in pip_layout(int(rank)):
            items.append(pip(suit, x, y, PIP_SIZE, flip=y > H / 2 + 1))
    return items


# --- one-number deck: one big index, readable on the smallest cards --------

def one_number_face(value, suit):
    rank = RANKS[value]
    colour = suit_colour(suit)
    items = card_base()
    font = SANS_COND if rank == "10" else SANS
    text, _ = text_path(font, rank, (18, 18, 204, 148), align="left", max_width=204)
    items.append(path(text, colour))
    items.append(pip(suit, 164, 240, 124))
    return items


# --- simple deck: a large suit in the middle, an index in two corners -------

def simple_face(value, suit):
    rank = RANKS[value]
    colour = suit_colour(suit)
    items = card_base()
    font = SANS_COND if rank == "10" else SANS
    text, _ = text_path(font, rank, (12, 14, 62, 64), max_width=62)
    index = [path(text, colour)]
    items += index + rotated(index)
    if rank in ("J", "Q", "K"):
        items.append('<circle cx="120" cy="160" r="74" fill="none" stroke="%s" stroke-width="5"/>' % GOLD)
        items.append(pip(suit, 120, 160, 104))
    else:
        items.append(pip(suit, 120, 160, 140))
    return items


# --- back and joker -----------------------------------------------------------

def lattice(x0, y0, x1, y1, step):
    """Diagonal lines in both directions, cut to the rectangle (no clip paths in SVG Tiny)."""
    segs = []
    w, h = x1 - x0, y1 - y0
    c = -h
    while c <= w:
        # y - y0 = (x - x0) - c  and  y - y0 = -(x - x0) + c + h
        for sign in (1, -1):
            pts = []
            for t in (0.0, w):
                y = t - c if sign > 0 else -t + c + h
                if 0 <= y <= h:
                    pts.append((t, y))
            for yy in (0.0, h):
                t = yy + c if sign > 0 else c + h - yy
                if 0 <= t <= w:
                    pts.append((t, yy))
            pts = sorted(set((round(a, 3), round(b, 3)) for a, b in pts))
            if len(pts) >= 2 and pts[0] != pts[-1]:
                (ax, ay), (bx, by) = pts[0], pts[-1]
                segs.append("M%s %sL%s %s" % (fmt(x0 + ax), fmt(y0 + ay), fmt(x0 + bx), fmt(y0 + by)))
        c += step
    return "".join(segs)


def back(colour, light):
    items = card_base()
    items.append('<rect x="14" y="14" width="212" height="292" rx="10" fill="%s"/>' % colour)
    items.append('<path d="%s" fill="none" stroke="%s" stroke-width="2.2"/>' % (lattice(24, 24, 216, 296, 16), light))
    items.append('<rect x="23" y="23" width="194" height="274" fill="none" stroke="%s" stroke-width="2.5"/>' % light)
    items.append('<ellipse cx="120" cy="160" rx="56" ry="72" fill="%s" stroke="%s" stroke-width="5"/>' % (colour, GOLD))
    items.append('<ellipse cx="120" cy="160" rx="45" ry="61" fill="#fffaf0"/>')
    items.append(pip("Spades", 120, 124, 30))
    items.append(pip("Hearts", 92, 160, 30))
    items.append(pip("Clubs", 148, 160, 30))
    items.append(pip("Diamonds", 120, 196, 30))
    return items


def jester(cx, top, scale, hat_a, hat_b):
    def tr(p):
        return transform(p, scale, 0, 0, scale, cx - 60 * scale, top)

    hat = [("M", 24, 82), ("C", 22, 60, 20, 40, 4, 22), ("C", 24, 24, 38, 34, 46, 44),
           ("C", 48, 28, 54, 12, 60, 2), ("C", 66, 12, 72, 28, 74, 44), ("C", 82, 34, 96, 24, 116, 22),
           ("C", 100, 40, 98, 60, 96, 82), ("Z",)]
    middle = [("M", 46, 44), ("C", 48, 28, 54, 12, 60, 2), ("C", 66, 12, 72, 28, 74, 44),
              ("L", 72, 80), ("L", 48, 80), ("Z",)]
    collar = polygon([(22, 118), (34, 140), (46, 124), (60, 144), (74, 124), (86, 140), (98, 118)])
    out = [path(d(tr(hat)), hat_a), path(d(tr(middle)), hat_b)]
    for x, y in ((4, 22), (60, 2), (116, 22)):
        out.append(path(d(tr(circle(x, y, 7))), GOLD))
    out.append(path(d(tr(collar)), hat_b))
    out.append(path(d(tr(circle(60, 98, 26))), SKIN, ' stroke="#3a2814" stroke-width="%s"' % fmt(1.5 * scale)))
    for x in (50, 70):
        out.append(path(d(tr(circle(x, 93, 2.8))), "#222"))
    out.append(path(d(tr(circle(60, 101, 4))), RED))
    smile = [("M", 46, 108), ("C", 52, 118, 68, 118, 74, 108), ("C", 68, 114, 52, 114, 46, 108), ("Z",)]
    out.append(path(d(tr(smile)), "#8a1a1a"))
    return out


def joker(style):
    items = card_base()
    if style == "classic":
        letters = []
        for i, ch in enumerate("JOKER"):
            t, _ = text_path(SERIF, ch, (8, 16 + i * 28, 30, 22))
            letters.append(path(t, RED))
        items += letters + rotated(letters)
        items += jester(128, 92, 1.0, RED, "#23314f")
    else:
        t, _ = text_path(SANS, "JOKER", (18, 20, 204, 44))
        items.append(path(t, RED))
        items += jester(120, 104, 1.3, RED, "#23314f")
    return items


# --- documents -------------------------------------------------------------

DECKS = {
    "cards.svg": (classic_face, "classic", ("#1d3f78", "#6f8fc4"), TWO_COLOURS),
    "cards_one_number.svg": (one_number_face, "one", ("#7d1b26", "#c47a82"), TWO_COLOURS),
    "cards_simple.svg": (simple_face, "simple", ("#1c5a3e", "#74ad90"), TWO_COLOURS),
    # the player's own table with the one-number faces, in four colours
    "cards_four_colour.svg": (one_number_face, "one", ("#3a2d6b", "#9487c4"), FOUR_COLOURS),
}


def write_deck(filename, face, style, back_colours, title, colours=TWO_COLOURS):
    global palette
    palette = colours
    cols, pitch_x, pitch_y = 13, W + 20, H + 20
    body = []
    for row, suit in enumerate(SUIT_ORDER):
        for value in range(13):
            body += group(element_id(value, suit), 10 + value * pitch_x, 10 + row * pitch_y, face(value, suit))
    body += group("Card_Back", 10, 10 + 4 * pitch_y, back(*back_colours))
    body += group("Joker", 10 + pitch_x, 10 + 4 * pitch_y, joker(style))
    width, height = 20 + cols * pitch_x, 20 + 5 * pitch_y
    doc = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
           'width="%d" height="%d" viewBox="0 0 %d %d">' % (width, height, width, height),
           "<title>%s</title>" % title]
    doc += body
    doc.append("</svg>")
    with open(filename, "w") as f:
        f.write("\n".join(doc) + "\n")


def main(outdir):
    titles = {"classic": "Classic deck", "one": "One-number deck", "simple": "Simple deck"}
    for name, (face, style, back_colours, colours) in DECKS.items():
        title = titles[style] + (" in four colours" if colours is FOUR_COLOURS else "")
        write_deck(outdir + "/" + name, face, style, back_colours, title, colours)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
