"""Shared helpers for the theme pictures.

An SVG document builder, soft glows and shadows drawn as layered shapes (the
Qt SVG renderer that draws these has no blur filter), glyph text, the
colours every picture shares, and the list of render jobs: each picture is
written once as SVG and rendered at its design size and at twice that size
("name@2x.png") from the same source.

Every script prints its jobs, one a line, for assets/tools/svgrender.cpp:
    <in.svg> <width> <height> <out> [options]
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cards"))

from svgtext import fmt, text_bounds, text_path  # noqa: E402

FONT = "DejaVuSans-Bold.ttf"
FONT_CONDENSED = "DejaVuSansCondensed-Bold.ttf"

# Colours shared by the pictures.
INK = "#0a0d10"  # outlines and the darkest shadows
BACKDROP = "#0d1216"  # around the table
PANEL_TOP = "#1f262c"
PANEL_BOTTOM = "#151a1f"
FELT_CENTRE = "#178066"
FELT_EDGE = "#073b31"
RAIL_TOP = "#34393e"
RAIL_BOTTOM = "#141719"
FACE_TOP = "#434c54"  # button faces
FACE_BOTTOM = "#272d33"
TEAL = "#2fc9a4"
GOLD = "#f0c24f"
GREEN = "#36c46e"
RED = "#e2493f"
AMBER = "#f2a227"
GREY = "#8a949c"
WHITE = "#ffffff"


def _attrs(attrs):
    out = []
    for key, value in attrs.items():
        if value is None:
            continue
        if isinstance(value, float):
            value = fmt(value)
        out.append('%s="%s"' % (key.rstrip("_").replace("_", "-"), value))
    return (" " + " ".join(out)) if out else ""


def rect(x, y, w, h, r=0.0, **attrs):
    r = max(0.0, min(r, w / 2.0, h / 2.0))
    corner = ' rx="%s" ry="%s"' % (fmt(r), fmt(r)) if r > 0 else ""
    return '<rect x="%s" y="%s" width="%s" height="%s"%s%s/>' % (
        fmt(x), fmt(y), fmt(w), fmt(h), corner, _attrs(attrs))


def ellipse(cx, cy, rx, ry, **attrs):
    return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"%s/>' % (fmt(cx), fmt(cy), fmt(rx), fmt(ry), _attrs(attrs))


def circle(cx, cy, r, **attrs):
    return '<circle cx="%s" cy="%s" r="%s"%s/>' % (fmt(cx), fmt(cy), fmt(r), _attrs(attrs))


def path(d, **attrs):
    return '<path d="%s"%s/>' % (d, _attrs(attrs))


def group(content, **attrs):
    if isinstance(content, (list, tuple)):
        content = "\n".join(content)
    return "<g%s>\n%s\n</g>" % (_attrs(attrs), content)


def ring_path(cx, cy, r_out, r_in):
    """A ring (annulus) as one path, the hole cut by the even-odd rule."""
    def arc(r):
        return "M%s %sA%s %s 0 1 1 %s %sA%s %s 0 1 1 %s %sZ" % (
            fmt(cx - r), fmt(cy), fmt(r), fmt(r), fmt(cx + r), fmt(cy), fmt(r), fmt(r), fmt(cx - r), fmt(cy))
    return arc(r_out) + arc(r_in)


def rrect_path(x, y, w, h, r):
    """A rounded rectangle as path data (for cut-outs and even-odd rings)."""
    r = max(0.0, min(r, w / 2.0, h / 2.0))
    return ("M%s %sH%sA%s %s 0 0 1 %s %sV%sA%s %s 0 0 1 %s %sH%sA%s %s 0 0 1 %s %sV%sA%s %s 0 0 1 %s %sZ" % (
        fmt(x + r), fmt(y), fmt(x + w - r), fmt(r), fmt(r), fmt(x + w), fmt(y + r), fmt(y + h - r),
        fmt(r), fmt(r), fmt(x + w - r), fmt(y + h), fmt(x + r), fmt(r), fmt(r), fmt(x), fmt(y + h - r),
        fmt(y + r), fmt(r), fmt(r), fmt(x + r), fmt(y)))


class Svg:
    """One picture: a view box of w x h design pixels."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.defs = []
        self.body = []
        self._next = 0

    def _id(self, prefix):
        self._next += 1
        return "%s%d" % (prefix, self._next)

    @staticmethod
    def _stops(stops):
        out = []
        for stop in stops:
            offset, colour = stop[0], stop[1]
            opacity = stop[2] if len(stop) > 2 else 1.0
            out.append('<stop offset="%s" stop-color="%s" stop-opacity="%s"/>' % (
                fmt(offset), colour, fmt(opacity)))
        return "".join(out)

    def linear(self, stops, x1=0, y1=0, x2=0, y2=1, user=False):
        """A linear gradient; by default from the top to the bottom of the shape."""
        gid = self._id("l")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>' % (
            gid, fmt(x1), fmt(y1), fmt(x2), fmt(y2), units, self._stops(stops)))
        return "url(#%s)" % gid

    def radial(self, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, user=False):
        """A radial gradient; in the shape's box (so elliptic on ellipses) unless user."""
        gid = self._id("r")
        units = ' gradientUnits="userSpaceOnUse"' if user else ""
        focus = ' fx="%s" fy="%s"' % (fmt(cx if fx is None else fx), fmt(cy if fy is None else fy))
        self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s"%s%s>%s</radialGradient>' % (
            gid, fmt(cx), fmt(cy), fmt(r), focus, units, self._stops(stops)))
        return "url(#%s)" % gid

    def add(self, *elements):
        for e in elements:
            if isinstance(e, (list, tuple)):
                self.body.extend(e)
            else:
                self.body.append(e)

    def source(self):
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
                'width="%d" height="%d" viewBox="0 0 %d %d">\n<defs>\n%s\n</defs>\n%s\n</svg>\n' % (
                    self.w, self.h, self.w, self.h, "\n".join(self.defs), "\n".join(self.body)))


# Soft edges without blur: many copies of a shape, each a little larger and
# nearly transparent, so that the overlaps build up to a smooth falloff.

def soft_rrect(x, y, w, h, r, spread, colour, opacity, steps=12, dy=0.0):
    """A soft shadow or halo around a rounded rectangle, fading out over `spread`."""
    out = []
    a = 1.0 - (1.0 - opacity) ** (1.0 / steps)
    for i in range(steps):
        e = spread * ((i + 0.5) / steps) ** 1.3
        out.append(rect(x - e, y - e + dy, w + 2 * e, h + 2 * e, r + e, fill=colour, fill_opacity=a))
    return out


def halo_rrect(x, y, w, h, r, spread, colour, opacity, steps=14):
    """A glow outside a rounded rectangle only, brightest on its edge and
    fading out over `spread`; the inside stays clear."""
    out = []
    a = 1.0 - (1.0 - opacity) ** (1.0 / steps)
    inner = rrect_path(x, y, w, h, r)
    for i in range(steps):
        e = spread * ((i + 1.0) / steps) ** 1.6
        ring = rrect_path(x - e, y - e, w + 2 * e, h + 2 * e, r + e) + inner
        out.append(path(ring, fill=colour, fill_opacity=a, fill_rule="evenodd"))
    return out


def soft_ellipse(cx, cy, rx, ry, spread, colour, opacity, steps=12, dy=0.0):
    out = []
    a = 1.0 - (1.0 - opacity) ** (1.0 / steps)
    for i in range(steps):
        e = spread * ((i + 0.5) / steps) ** 1.3
        out.append(ellipse(cx, cy + dy, rx + e, ry + e, fill=colour, fill_opacity=a))
    return out


def text(string, box, colour=WHITE, align="center", font=FONT, max_width=None, **attrs):
    """Glyph outlines of `string`, the ink filling the height of box=(x, y, w, h)."""
    d, width = text_path(font, string, box, align=align, max_width=max_width)
    return path(d, fill=colour, **attrs)


def text_width(string, height, font=FONT):
    xmin, ymin, xmax, ymax = text_bounds(font, string)
    return (xmax - xmin) * height / float(ymax - ymin)


class Jobs:
    """Writes the SVG sources and prints the render jobs: every PNG at 1x and
    2x; JPEG backgrounds at their design size only."""

    def __init__(self, argv):
        if len(argv) != 3:
            sys.exit("usage: %s <svg-dir> <resource-dir>" % argv[0])
        self.svg_dir, self.res_dir = argv[1], argv[2]
        os.makedirs(self.svg_dir, exist_ok=True)

    def _write(self, name, svg):
        file = os.path.join(self.svg_dir, name.replace("/", "_") + ".svg")
        with open(file, "w", encoding="utf-8") as f:
            f.write(svg.source())
        return file

    def picture(self, name, svg, grain=0, mottle=None, mask=None, seed=1, quality=90):
        """`name` is relative to the resource dir, e.g. "table/big_button.png".
        mottle=(levels, cell in design pixels); mask: an Svg of the same size
        whose brightness scales the noise."""
        src = self._write(name, svg)
        mask_file = self._write(name + "_mask", mask) if mask is not None else None
        out = os.path.join(self.res_dir, name)
        os.makedirs(os.path.dirname(out), exist_ok=True)
        scales = [1] if name.endswith(".jpg") else [1, 2]
        for scale in scales:
            target = out if scale == 1 else out[:-4] + "@2x" + out[-4:]
            options = []
            if grain:
                options.append("grain=%s" % fmt(grain))
            if mottle:
                options.append("mottle=%s:%s" % (fmt(mottle[0]), fmt(mottle[1] * scale)))
            if mask_file:
                options.append("mask=" + mask_file)
            if grain or mottle:
                options.append("seed=%d" % seed)
            if name.endswith(".jpg"):
                options.append("quality=%d" % quality)
            print(" ".join([src, str(svg.w * scale), str(svg.h * scale), target] + options))
