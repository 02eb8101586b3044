"""Text and shape helpers for the card and chip generators.

Glyphs are turned into plain SVG paths so that the pictures look the same on
every machine and need no font at run time.
"""

import os

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"

_fonts = {}


def font(name):
    if name not in _fonts:
        _fonts[name] = TTFont(os.path.join(FONT_DIR, name))
    return _fonts[name]


def fmt(v):
    """Short decimal form for coordinates."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


class _RoundingPen(SVGPathPen):
    def __init__(self, glyphSet):
        super().__init__(glyphSet, ntos=fmt)


def _glyphs(fontname, text):
    f = font(fontname)
    cmap = f.getBestCmap()
    gs = f.getGlyphSet()
    hmtx = f["hmtx"]
    x = 0
    out = []
    for ch in text:
        g = cmap[ord(ch)]
        out.append((g, x))
        x += hmtx[g][0]
    return gs, out, x


def text_bounds(fontname, text):
    """Ink bounds (xmin, ymin, xmax, ymax) in font units, y up."""
    gs, glyphs, _ = _glyphs(fontname, text)
    bp = BoundsPen(gs)
    for g, x in glyphs:
        gs[g].draw(TransformPen(bp, (1, 0, 0, 1, x, 0)))
    return bp.bounds


def text_path(fontname, text, box, align="center", max_width=None, squeeze=1.0):
    """Path data of `text` whose ink fills the height of box=(x, y, w, h).

    The ink (not the em box) is scaled to the box height so that ranks of
    different fonts line up; `squeeze` narrows the glyphs (for "10"), and
    `max_width` narrows further when the text would be wider than that.
    align: "left", "center" or "right" inside the box.
    """
    bx, by, bw, bh = box
    xmin, ymin, xmax, ymax = text_bounds(fontname, text)
    s = bh / float(ymax - ymin)
    sx = s * squeeze
    width = (xmax - xmin) * sx
    limit = max_width if max_width is not None else None
    if limit is not None and width > limit:
        sx *= limit / width
        width = limit
    if align == "left":
        ox = bx
    elif align == "right":
        ox = bx + bw - width
    else:
        ox = bx + (bw - width) / 2.0
    gs, glyphs, _ = _glyphs(fontname, text)
    pen = _RoundingPen(gs)
    for g, x in glyphs:
        # font units (y up) -> box (y down)
        t = (sx, 0, 0, -s, ox + (x - xmin) * sx, by + ymax * s)
        gs[g].draw(TransformPen(pen, t))
    return pen.getCommands(), width
