#!/usr/bin/python3
"""Draws every SVG picture of Quarvel into assets/pictures/.

All lettering is turned into outlines (<path>) with fontTools, so the
pictures never depend on the fonts installed on the user's machine and
Qt SVG (SVG Tiny 1.2) renders them exactly as drawn here.

Usage:  /usr/bin/python3 assets/tools/make_artwork.py [--out DIR]

Needs the Debian packages python3-fonttools, fonts-dejavu-core,
fonts-dejavu-extra and fonts-dancingscript.  The output is committed; the
build never runs this script.
"""

import argparse
import math
import os
import sys

from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_OUT = os.path.normpath(os.path.join(HERE, "..", "pictures"))

DEJAVU = "/usr/share/fonts/truetype/dejavu/"
FONT_FILES = {
    "sans": DEJAVU + "DejaVuSans.ttf",
    "sans-bold": DEJAVU + "DejaVuSans-Bold.ttf",
    "cond-bold": DEJAVU + "DejaVuSansCondensed-Bold.ttf",
    "script": "/usr/share/fonts/opentype/dancingscript/DancingScript-Bold.otf",
}

# --------------------------------------------------------------------------
# number formatting


def n(v):
    """Short decimal for coordinates: at most two decimals, no trailing zeros."""
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


# --------------------------------------------------------------------------
# fonts


class Face:
    """One font file: glyph outlines, advances, pair kerning and simple
    single substitutions (enough for short captions and a word of script)."""

    def __init__(self, path):
        if not os.path.exists(path):
            sys.exit(f"missing font {path}: install the Debian font packages "
                     "named in assets/tools/README.md")
        self.font = TTFont(path)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        self.upem = self.font["head"].unitsPerEm
        self.hmtx = self.font["hmtx"]
        self._pair_tables = self._gpos_subtables("kern", 2)
        self._legacy_kern = {}
        if "kern" in self.font:
            for table in self.font["kern"].kernTables:
                if hasattr(table, "kernTable"):
                    self._legacy_kern.update(table.kernTable)
        bounds = self.ink_bounds(self.cmap[ord("H")])
        self.cap_height = bounds[3] if bounds else 0.7 * self.upem

    # -- OpenType lookups ---------------------------------------------------
    def _lookups(self, tag, feature, wanted_type):
        if tag not in self.font:
            return []
        table = self.font[tag].table
        if not table.FeatureList or not table.LookupList:
            return []
        indices = set()
        for record in table.FeatureList.FeatureRecord:
            if record.FeatureTag == feature:
                indices.update(record.Feature.LookupListIndex)
        subtables = []
        ext_type = 9 if tag == "GPOS" else 7
        for index in sorted(indices):
            lookup = table.LookupList.Lookup[index]
            for sub in lookup.SubTable:
                kind = lookup.LookupType
                if kind == ext_type:
                    kind = sub.ExtensionLookupType
                    sub = sub.ExtSubTable
                if kind == wanted_type:
                    subtables.append(sub)
        return subtables

    def _gpos_subtables(self, feature, wanted_type):
        return self._lookups("GPOS", feature, wanted_type)

    def substitute(self, glyph, feature):
        for sub in self._lookups("GSUB", feature, 1):
            if glyph in sub.mapping:
                return sub.mapping[glyph]
        return glyph

    def kerning(self, left, right):
        for sub in self._pair_tables:
            coverage = sub.Coverage.glyphs
            if left not in coverage:
                continue
            if sub.Format == 1:
                pair_set = sub.PairSet[coverage.index(left)]
                for record in pair_set.PairValueRecord:
                    if record.SecondGlyph == right:
                        value = record.Value1
                        return getattr(value, "XAdvance", 0) or 0 if value else 0
            elif sub.Format == 2:
                c1 = sub.ClassDef1.classDefs.get(left, 0)
                c2 = sub.ClassDef2.classDefs.get(right, 0)
                value = sub.Class1Record[c1].Class2Record[c2].Value1
                amount = getattr(value, "XAdvance", 0) if value else 0
                if amount:
                    return amount
        return self._legacy_kern.get((left, right), 0)

    # -- geometry -------------------------------------------------------------
    def ink_bounds(self, glyph):
        pen = BoundsPen(self.glyphs)
        self.glyphs[glyph].draw(pen)
        return pen.bounds

    def shape(self, text, features=()):
        names = []
        for ch in text:
            if ord(ch) not in self.cmap:
                raise ValueError(f"glyph for {ch!r} missing")
            names.append(self.cmap[ord(ch)])
        if "init" in features and names:
            names[0] = self.substitute(names[0], "init")
        if "fina" in features and names:
            names[-1] = self.substitute(names[-1], "fina")
        placed = []
        x = 0
        for i, name in enumerate(names):
            if i:
                x += self.kerning(names[i - 1], name)
            placed.append((name, x))
            x += self.hmtx[name][0]
        return placed, x

    def width(self, text, size, spacing=0.0, features=()):
        _, advance = self.shape(text, features)
        return advance * size / self.upem + spacing * max(len(text) - 1, 0)

    def path(self, text, size, x, y, anchor="start", spacing=0.0, features=()):
        """SVG path data for `text` with its baseline at y.  anchor is
        start/middle/end relative to x.  Returns (d, width)."""
        placed, advance = self.shape(text, features)
        scale = size / self.upem
        width = advance * scale + spacing * max(len(text) - 1, 0)
        if anchor == "middle":
            x -= width / 2
        elif anchor == "end":
            x -= width
        pen = SVGPathPen(self.glyphs, ntos=n)
        for i, (name, gx) in enumerate(placed):
            origin = x + gx * scale + spacing * i
            tpen = TransformPen(pen, (scale, 0, 0, -scale, origin, y))
            self.glyphs[name].draw(tpen)
        return pen.getCommands(), width

    def fit(self, text, size, max_width, spacing=0.0):
        """Largest size <= size at which text fits max_width."""
        w = self.width(text, size, spacing)
        if w <= max_width:
            return size
        return size * max_width / w


FACES = {}


def face(key):
    if key not in FACES:
        FACES[key] = Face(FONT_FILES[key])
    return FACES[key]


# --------------------------------------------------------------------------
# SVG helpers


def document(w, h, defs, body):
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
        f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">',
    ]
    if defs:
        parts.append("<defs>")
        parts.extend(defs)
        parts.append("</defs>")
    parts.extend(body)
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def attrs(**kw):
    out = []
    for key, value in kw.items():
        if value is None:
            continue
        key = key.rstrip("_").replace("_", "-")
        if isinstance(value, float):
            value = n(value)
        out.append(f'{key}="{value}"')
    return " ".join(out)


def linear(id_, x1, y1, x2, y2, stops):
    s = "".join(_stop(*st) for st in stops)
    return (f'<linearGradient id="{id_}" gradientUnits="userSpaceOnUse" '
            f'x1="{n(x1)}" y1="{n(y1)}" x2="{n(x2)}" y2="{n(y2)}">{s}</linearGradient>')


def radial(id_, cx, cy, r, stops, fx=None, fy=None):
    s = "".join(_stop(*st) for st in stops)
    focus = ""
    if fx is not None:
        focus = f' fx="{n(fx)}" fy="{n(fy)}"'
    return (f'<radialGradient id="{id_}" gradientUnits="userSpaceOnUse" '
            f'cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}"{focus}>{s}</radialGradient>')


def _stop(offset, color, opacity=1.0):
    op = "" if opacity >= 1 else f' stop-opacity="{n(opacity)}"'
    return f'<stop offset="{n(offset)}" stop-color="{color}"{op}/>'


def rect(x, y, w, h, r=0, **kw):
    radius = f' rx="{n(r)}" ry="{n(r)}"' if r else ""
    return f'<rect x="{n(x)}" y="{n(y)}" width="{n(w)}" height="{n(h)}"{radius} {attrs(**kw)}/>'


def circle(cx, cy, r, **kw):
    return f'<circle cx="{n(cx)}" cy="{n(cy)}" r="{n(r)}" {attrs(**kw)}/>'


def path(d, **kw):
    return f'<path d="{d}" {attrs(**kw)}/>'


def text(font_key, s, size, x, y, anchor="start", spacing=0.0, features=(), **kw):
    d, _ = face(font_key).path(s, size, x, y, anchor, spacing, features)
    return path(d, **kw)


def caption_baseline(font_key, size, center_y):
    """Baseline that centres capital letters vertically on center_y."""
    f = face(font_key)
    return center_y + f.cap_height * size / f.upem / 2


def polyline(points):
    return "M" + " L".join(f"{n(x)} {n(y)}" for x, y in points)


# --------------------------------------------------------------------------
# palette

NAVY = "#0B2A6B"
NAVY_2 = "#15408F"
FIELD = "#5E9FFD"
INK = "#143A86"

TYPES = {
    1: ("The Perfectionist", "#C8283C"),
    2: ("The Helper", "#E3602A"),
    3: ("The Performer", "#D99A00"),
    4: ("The Romantic", "#8540B8"),
    5: ("The Observer", "#11907D"),
    6: ("The Loyalist", "#A5652A"),
    7: ("The Enthusiast", "#4E9E22"),
    8: ("The Protector", "#B01A6C"),
    9: ("The Mediator", "#168FB5"),
}

TRIANGLE = [3, 6, 9, 3]
HEXAD = [1, 4, 2, 8, 5, 7, 1]


def mix(color, other, t):
    """Linear mix of two #RRGGBB colours, t=0 -> color, t=1 -> other."""
    a = [int(color[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(other[i:i + 2], 16) for i in (1, 3, 5)]
    c = [round(x + (y - x) * t) for x, y in zip(a, b)]
    return "#" + "".join(f"{v:02X}" for v in c)


def point(cx, cy, r, number):
    angle = math.radians((number % 9) * 40)
    return cx + r * math.sin(angle), cy - r * math.cos(angle)


# --------------------------------------------------------------------------
# the enneagram figure


def enneagram(prefix, cx, cy, R, label_r, dot_r, label_size, emphasis=None,
              coloured_dots=False):
    """Defs and body of the figure: ring, triangle, hexad, points, numbers."""
    defs = [
        radial(f"{prefix}disc", cx - R * 0.35, cy - R * 0.45, label_r * 1.55,
               [(0, "#FFFFFF"), (0.55, "#F4F8FF"), (1, "#D3E4FF")]),
        linear(f"{prefix}rim", cx, cy - label_r - 10, cx, cy + label_r + 10,
               [(0, "#FFFFFF"), (1, "#8DB6F2")]),
    ]
    body = []
    disc_r = label_r + label_size * 0.95
    # soft shadow, plate and rim
    body.append(circle(cx + 0.8, cy + 2, disc_r + 0.5, fill=NAVY, fill_opacity=0.16))
    body.append(circle(cx, cy, disc_r + 0.5, fill=f"url(#{prefix}rim)"))
    body.append(circle(cx, cy, disc_r - 1.5, fill=f"url(#{prefix}disc)"))
    # ring
    body.append(circle(cx, cy, R, fill="none", stroke=NAVY_2, stroke_width=2.4))
    body.append(circle(cx, cy, R - 2.6, fill="none", stroke="#9FC2F5",
                       stroke_width=0.8, stroke_opacity=0.8))

    def pts(seq):
        return [point(cx, cy, R, k) for k in seq]

    line = dict(fill="none", stroke_linejoin="round", stroke_linecap="round")
    body.append(path(polyline(pts(HEXAD)) + " Z", stroke="#3D74D6", stroke_width=1.5, **line))
    body.append(path(polyline(pts(TRIANGLE)) + " Z", stroke="#2453AE", stroke_width=1.7, **line))

    if emphasis:
        accent = TYPES[emphasis][1]
        seq = TRIANGLE if emphasis in (3, 6, 9) else HEXAD
        for i in range(len(seq) - 1):
            if emphasis in (seq[i], seq[i + 1]):
                a, b = pts([seq[i], seq[i + 1]])
                body.append(path(polyline([a, b]), stroke=accent, stroke_width=2.4, **line))

    for k in range(1, 10):
        px, py = point(cx, cy, R, k)
        if k == emphasis:
            continue
        if coloured_dots:
            colour = TYPES[k][1]
            body.append(circle(px, py, dot_r + 1.2, fill="#FFFFFF"))
            body.append(circle(px, py, dot_r, fill=colour))
            body.append(circle(px - dot_r * 0.3, py - dot_r * 0.35, dot_r * 0.38,
                               fill="#FFFFFF", fill_opacity=0.45))
        else:
            body.append(circle(px, py, dot_r, fill="#FFFFFF", stroke=NAVY_2, stroke_width=1.5))
        lx, ly = point(cx, cy, label_r, k)
        base = caption_baseline("sans-bold", label_size, ly)
        body.append(text("sans-bold", str(k), label_size, lx, base, "middle", fill=INK))

    if emphasis:
        accent = TYPES[emphasis][1]
        px, py = point(cx, cy, R, emphasis)
        defs.append(radial(f"{prefix}focus", px - 3, py - 4, 13,
                           [(0, mix(accent, "#FFFFFF", 0.45)), (0.6, accent),
                            (1, mix(accent, "#000000", 0.25))]))
        for r, op in ((22, 0.07), (19, 0.12), (16.2, 0.2), (13.6, 0.32)):
            body.append(circle(px, py, r, fill=accent, fill_opacity=op))
        body.append(circle(px, py, 11.4, fill="#FFFFFF"))
        body.append(circle(px, py, 10, fill=f"url(#{prefix}focus)"))
        base = caption_baseline("sans-bold", 12.5, py)
        body.append(text("sans-bold", str(emphasis), 12.5, px, base, "middle", fill="#FFFFFF"))
    return defs, body


def logo_svg():
    defs, body = enneagram("l", 87, 89, 60, 71.5, 4.2, 12, coloured_dots=True)
    return document(174, 178, defs, body)


def type_svg(number):
    name, accent = TYPES[number]
    cx, cy = 87, 74
    defs, body = enneagram("t", cx, cy, 50, 60.5, 3.6, 10.5, emphasis=number)
    # name ribbon
    size = face("cond-bold").fit(name, 13, 146)
    width = face("cond-bold").width(name, size)
    pw = max(width + 24, 96)
    px, py, ph = cx - pw / 2, 150, 24
    defs.append(linear("ribbon", 0, py, 0, py + ph,
                       [(0, mix(accent, "#FFFFFF", 0.18)), (1, mix(accent, "#000000", 0.18))]))
    body.append(rect(px + 0.5, py + 1.5, pw, ph, ph / 2, fill=NAVY, fill_opacity=0.22))
    body.append(rect(px, py, pw, ph, ph / 2, fill="url(#ribbon)", stroke="#FFFFFF",
                     stroke_width=1.5))
    body.append(path(f"M{n(px + 10)} {n(py + 3.2)} H{n(px + pw - 10)}", stroke="#FFFFFF",
                     stroke_opacity=0.35, stroke_width=1.2, stroke_linecap="round"))
    base = caption_baseline("cond-bold", size, py + ph / 2)
    body.append(text("cond-bold", name, size, cx, base + 0.6, "middle", fill="#000000",
                     fill_opacity=0.22))
    body.append(text("cond-bold", name, size, cx, base, "middle", fill="#FFFFFF"))
    return document(174, 178, defs, body)


def icon_svg():
    cx, cy, R = 128, 130, 84
    defs = [
        linear("tile", 0, 8, 0, 248, [(0, "#4C93FF"), (0.55, "#1F5FD6"), (1, "#0D2F86")]),
        linear("gloss", 0, 8, 0, 100, [(0, "#FFFFFF", 0.32), (1, "#FFFFFF", 0)]),
    ]
    body = [
        rect(10, 14, 236, 236, 52, fill=NAVY, fill_opacity=0.35),
        rect(8, 8, 240, 240, 52, fill="url(#tile)"),
        rect(12, 12, 232, 232, 48, fill="none", stroke="#FFFFFF", stroke_opacity=0.25,
             stroke_width=4),
        path("M60 12 H196 A48 48 0 0 1 244 60 V92 C184 120 72 120 12 98 V60 A48 48 0 0 1 60 12 Z",
             fill="url(#gloss)"),
    ]
    line = dict(fill="none", stroke="#FFFFFF", stroke_linejoin="round", stroke_linecap="round")
    pts = lambda seq: [point(cx, cy, R, k) for k in seq]
    hexad = dict(line, stroke="#D2E3FF")
    body.append(path(polyline(pts(HEXAD)) + " Z", stroke_width=10, **hexad))
    body.append(path(polyline(pts(TRIANGLE)) + " Z", stroke_width=13, **line))
    body.append(circle(cx, cy, R, stroke_width=16, **line))
    for k in range(1, 10):
        px, py = point(cx, cy, R, k)
        body.append(circle(px, py, 15, fill="#FFFFFF"))
        body.append(circle(px, py, 7, fill="#FFB000" if k == 9 else "#2A6BE0"))
    return document(256, 256, defs, body)


# --------------------------------------------------------------------------
# backgrounds


def main_background_svg():
    W, H = 627, 289
    band = 80
    defs = [
        linear("field", 0, band, 0, 264,
               [(0, "#86B9FF"), (0.45, "#69A6FE"), (1, "#5593F5")]),
        radial("halo", 87, 177, 120, [(0, "#FFFFFF", 0.5), (0.6, "#FFFFFF", 0.16),
                                       (1, "#FFFFFF", 0)]),
        linear("band", 0, 0, 0, band, [(0, "#0A2463"), (1, "#163F95")]),
        radial("bandglow", 130, 10, 260, [(0, "#3A6FD0", 0.55), (1, "#3A6FD0", 0)]),
        linear("bandshade", 0, band, 0, band + 7, [(0, NAVY, 0.35), (1, NAVY, 0)]),
        linear("frame", 0, 86, 0, 261, [(0, "#FFFFFF", 0.42), (1, "#FFFFFF", 0.16)]),
        linear("strip", 0, 264, 0, H, [(0, "#1C4DA8"), (1, "#0D2D74")]),
        linear("swash", 24, 0, 250, 0, [(0, "#FFFFFF", 0), (0.25, "#9CCBFF", 0.9),
                                       (1, "#9CCBFF", 0)]),
    ]
    body = [
        rect(0, 0, W, H, fill="url(#field)"),
        rect(0, band, 180, 184, fill="url(#halo)"),
    ]
    # dark band with faint arcs echoing the ring of the figure
    body.append(rect(0, 0, W, band, fill="url(#band)"))
    body.append(rect(0, 0, W, band, fill="url(#bandglow)"))
    for r, op in ((150, 0.07), (128, 0.06), (106, 0.05)):
        body.append(circle(380, 150, r, fill="none", stroke="#FFFFFF", stroke_opacity=op,
                           stroke_width=1.2))
    body.append(rect(0, band, W, 7, fill="url(#bandshade)"))
    body.append(path(f"M0 {band - 0.75} H{W}", stroke="#8EC0FF", stroke_width=1.5,
                     stroke_opacity=0.9))
    # product name
    script = dict(features=("init", "fina"))
    body.append(text("script", "Quarvel", 54, 24, 57 + 2, fill="#000000", fill_opacity=0.3,
                     **script))
    body.append(text("script", "Quarvel", 54, 22.5, 57, fill="#FFFFFF", **script))
    body.append(path("M34 68.5 C90 62.5 170 61 248 64.5 C170 64.5 98 66.5 34 70.5 Z",
                     fill="url(#swash)"))
    body.append(text("sans", "DISCOVER YOUR ENNEAGRAM TYPE", 9.5, 256, 57, spacing=1.3,
                     fill="#BFD9FF"))
    # frame around the screens (x 192..609, y 93..253)
    body.append(rect(184.5, 85.5, 432, 175, 7, fill="url(#frame)", stroke="#FFFFFF",
                     stroke_opacity=0.75, stroke_width=1))
    body.append(rect(185.5, 87, 432, 175, 7, fill="none", stroke=NAVY, stroke_opacity=0.18,
                     stroke_width=1))
    body.append(rect(190.5, 91.5, 420, 163, 2, fill="#FFFFFF", fill_opacity=0.5))
    body.append(rect(190.5, 91.5, 420, 163, 2, fill="none", stroke="#FFFFFF",
                     stroke_opacity=0.9, stroke_width=1))
    body.append(rect(191.5, 92.5, 418, 161, fill="none", stroke="#1D4FAE",
                     stroke_opacity=0.8, stroke_width=1))
    # bottom strip with the web address in the link area (x 472..617, y 267..284)
    body.append(rect(0, 264, W, H - 264, fill="url(#strip)"))
    body.append(path(f"M0 264.5 H{W}", stroke="#A6CDFF", stroke_width=1, stroke_opacity=0.8))
    address = "www.quarvel.example.org"
    size = face("sans").fit(address, 11, 139)
    base = caption_baseline("sans", size, 275.5)
    body.append(text("sans", address, size, 614, base, "end", fill="#FFFFFF"))
    return document(W, H, defs, body)


def screen_background_svg():
    W, H = 438, 179
    defs = [
        linear("sky", 0, 0, 417, 160, [(0, "#F4F9FF"), (0.5, "#D6E7FF"), (1, "#AFCFFF")]),
        radial("light", 30, 10, 260, [(0, "#FFFFFF", 0.85), (0.5, "#FFFFFF", 0.25),
                                      (1, "#FFFFFF", 0)]),
        linear("sheen", 0, 0, 0, 160, [(0, "#FFFFFF", 0.28), (1, "#FFFFFF", 0)]),
    ]
    body = [
        rect(0, 0, W, H, fill="url(#sky)"),
        rect(0, 0, W, H, fill="url(#light)"),
        path("M240 0 C300 60 360 110 438 130 L438 0 Z", fill="url(#sheen)"),
        path("M0 132 C120 112 260 138 438 112 L438 179 L0 179 Z", fill="#FFFFFF",
             fill_opacity=0.12),
    ]
    return document(W, H, defs, body)


# --------------------------------------------------------------------------
# buttons

BLUE = "#2F6FE4"
BLUE_DARK = "#1C4DB5"


def caption_button(w, h, caption, hover, base=BLUE, base_dark=BLUE_DARK, ink="#FFFFFF",
                   hover_ink="#FFFFFF", size=12.5, r=4):
    """Flat rounded button (normal) or darker bevelled button (hover)."""
    defs, body = [], []
    font = "sans-bold"
    size = face(font).fit(caption, size, w - 16)
    if not hover:
        defs.append(linear("face", 0, 0, 0, h, [(0, mix(base, "#FFFFFF", 0.08)), (1, base)]))
        body.append(rect(0.5, 0.5, w - 1, h - 1, r, fill="url(#face)",
                         stroke=mix(base, "#000000", 0.3), stroke_width=1))
        body.append(path(f"M{n(r + 1)} 1.5 H{n(w - r - 1)}", stroke="#FFFFFF",
                         stroke_opacity=0.35, stroke_width=1))
        colour = ink
    else:
        face_top = base_dark
        defs.append(linear("face", 0, 2, 0, h - 2,
                           [(0, mix(face_top, "#FFFFFF", 0.06)), (1, mix(face_top, "#000000", 0.1))]))
        # outer edge, light bevel (top/left), dark bevel (bottom/right), face
        body.append(rect(0, 0, w, h, r, fill=mix(face_top, "#000000", 0.55)))
        body.append(rect(1, 1, w - 2.5, h - 2.5, r - 0.5, fill=mix(face_top, "#FFFFFF", 0.55)))
        body.append(rect(2.5, 2.5, w - 3.5, h - 3.5, r - 1, fill=mix(face_top, "#000000", 0.35)))
        body.append(rect(2.5, 2.5, w - 5, h - 5, r - 1.5, fill="url(#face)"))
        colour = hover_ink
    cy = h / 2 + (0.5 if hover else 0)
    base_line = caption_baseline(font, size, cy)
    if colour.upper() == "#FFFFFF":
        body.append(text(font, caption, size, w / 2, base_line + 1, "middle", fill="#000000",
                         fill_opacity=0.25))
    body.append(text(font, caption, size, w / 2, base_line, "middle", fill=colour))
    return document(w, h, defs, body)


def start_button():
    w, h = 147, 30
    caption = "Test Yourself Now"
    defs = [
        linear("face", 0, 0, 0, h, [(0, "#5C96FF"), (0.5, "#2E6BE2"), (1, "#1E52C0")]),
        linear("gloss", 0, 1, 0, 15, [(0, "#FFFFFF", 0.55), (1, "#FFFFFF", 0.05)]),
    ]
    size = face("sans-bold").fit(caption, 12.5, w - 38)
    body = [
        rect(0.5, 0.5, w - 1, h - 1, 14.5, fill="url(#face)", stroke="#163F95", stroke_width=1),
        rect(3, 1.8, w - 6, 12.5, 6.25, fill="url(#gloss)"),
    ]
    tw = face("sans-bold").width(caption, size)
    x0 = (w - tw - 14) / 2
    base = caption_baseline("sans-bold", size, h / 2)
    body.append(text("sans-bold", caption, size, x0, base + 1, fill="#000000", fill_opacity=0.25))
    body.append(text("sans-bold", caption, size, x0, base, fill="#FFFFFF"))
    ax = x0 + tw + 7
    chevron = f"M{n(ax)} {n(h / 2 - 4.5)} L{n(ax + 5)} {n(h / 2)} L{n(ax)} {n(h / 2 + 4.5)}"
    body.append(path(chevron, fill="none", stroke="#FFFFFF", stroke_width=2.2,
                     stroke_linecap="round", stroke_linejoin="round"))
    return document(w, h, defs, body)


def round_button(symbol, hover):
    w, h = 51, 50
    cx, cy, r = 25.5, 25, 18.5
    defs = [
        radial("ball", cx - 5, cy - 8, 26, [(0, "#8E86FF"), (0.55, "#5A4BE6"), (1, "#3526A8")]),
        linear("gloss", 0, cy - r, 0, cy, [(0, "#FFFFFF", 0.6), (1, "#FFFFFF", 0.04)]),
    ]
    if hover:
        defs[0] = radial("ball", cx - 5, cy - 8, 26, [(0, "#A9A3FF"), (0.55, "#6A5CF2"),
                                                      (1, "#3E2FB8")])
    body = []
    if hover:
        for rr, op in ((24.5, 0.12), (23, 0.22), (21.7, 0.4)):
            body.append(circle(cx, cy, rr, fill="#8FE3FF", fill_opacity=op))
        body.append(circle(cx, cy, r + 1.6, fill="none", stroke="#C8F3FF", stroke_width=1.6))
    else:
        body.append(circle(cx, cy + 1.2, r + 1.2, fill="#000000", fill_opacity=0.3))
    body.append(circle(cx, cy, r, fill="url(#ball)", stroke="#FFFFFF",
                       stroke_opacity=0.55 if not hover else 0.9, stroke_width=1.2))
    body.append(f'<ellipse cx="{n(cx)}" cy="{n(cy - 8.5)}" rx="12.5" ry="8" fill="url(#gloss)"/>')
    if symbol == "cross":
        k = 6.2
        d = (f"M{n(cx - k)} {n(cy - k)} L{n(cx + k)} {n(cy + k)} "
             f"M{n(cx + k)} {n(cy - k)} L{n(cx - k)} {n(cy + k)}")
        body.append(path(d, fill="none", stroke="#1B1370", stroke_opacity=0.35, stroke_width=3.6,
                         stroke_linecap="round", transform="translate(0 1)"))
        body.append(path(d, fill="none", stroke="#FFFFFF", stroke_width=3.6,
                         stroke_linecap="round"))
    else:
        size = 23
        base = caption_baseline("sans-bold", size, cy)
        body.append(text("sans-bold", "?", size, cx, base + 1, "middle", fill="#1B1370",
                         fill_opacity=0.35))
        body.append(text("sans-bold", "?", size, cx, base, "middle", fill="#FFFFFF"))
    return document(w, h, defs, body)


def arrow_button(direction, label, hover):
    w, h = 41, 35
    # arrow pointing right, mirrored for "left"
    pts = [(4, 7.5), (21, 7.5), (21, 2), (37, 12), (21, 22), (21, 16.5), (4, 16.5)]
    if direction == "left":
        pts = [(w - x, y) for x, y in pts]
    d = polyline(pts) + " Z"
    if hover:
        top, bottom, edge = "#8CC0FF", "#3A7FF2", "#FFFFFF"
        ink = "#0E3D9E"
    else:
        top, bottom, edge = "#4E8FFB", "#1D55C4", "#123C92"
        ink = INK
    defs = [linear("arrow", 0, 2, 0, 22, [(0, top), (1, bottom)])]
    body = [
        path(d, fill="#000000", fill_opacity=0.18, transform="translate(0.6 1.2)",
             stroke="#000000", stroke_opacity=0.18, stroke_width=1.4, stroke_linejoin="round"),
    ]
    if hover:
        # bright face with a white line inside a dark outline
        body.append(path(d, fill="none", stroke="#123C92", stroke_width=3.2,
                         stroke_linejoin="round"))
        body.append(path(d, fill="url(#arrow)", stroke=edge, stroke_width=1.2,
                         stroke_linejoin="round"))
    else:
        body.append(path(d, fill="url(#arrow)", stroke=edge, stroke_width=1.1,
                         stroke_linejoin="round"))
    if direction == "right":
        body.append(path("M6 9.2 H22.6 V6", fill="none", stroke="#FFFFFF", stroke_opacity=0.45,
                         stroke_width=1, stroke_linecap="round"))
    else:
        body.append(path(f"M{n(w - 6)} 9.2 H{n(w - 22.6)} V6", fill="none", stroke="#FFFFFF",
                         stroke_opacity=0.45, stroke_width=1, stroke_linecap="round"))
    size = 10
    body.append(text("sans-bold", label, size, w / 2, 32.5, "middle", fill=ink))
    return document(w, h, defs, body)


# --------------------------------------------------------------------------


def pictures():
    out = {
        "background/main.svg": main_background_svg(),
        "background/screen.svg": screen_background_svg(),
        "types/logo.svg": logo_svg(),
        "icon/quarvel.svg": icon_svg(),
        "buttons/01.svg": caption_button(143, 31, "Test Yourself Now", False),
        "buttons/02.svg": caption_button(143, 31, "Test Yourself Now", True),
        "buttons/start.svg": start_button(),
        "buttons/07.svg": round_button("cross", False),
        "buttons/08.svg": round_button("cross", True),
        "buttons/09.svg": round_button("help", False),
        "buttons/10.svg": round_button("help", True),
        "buttons/18.svg": caption_button(138, 27, "Review Result", False, size=12),
        "buttons/17.svg": caption_button(138, 27, "Review Result", True, size=12),
        "buttons/20.svg": caption_button(75, 27, "Save", False, size=12),
        "buttons/19.svg": caption_button(75, 27, "Save", True, size=12),
        "buttons/24.svg": caption_button(75, 27, "Print", False, size=12),
        "buttons/23.svg": caption_button(75, 27, "Print", True, size=12),
        "buttons/26.svg": arrow_button("right", "Next", False),
        "buttons/25.svg": arrow_button("right", "Next", True),
        "buttons/28.svg": arrow_button("left", "Back", False),
        "buttons/27.svg": arrow_button("left", "Back", True),
        "buttons/31.svg": caption_button(76, 32, "OK", False, base="#7DB3FF", ink=NAVY,
                                         base_dark="#3F84EE", size=13),
        "buttons/32.svg": caption_button(76, 32, "OK", True, base="#7DB3FF", ink=NAVY,
                                         base_dark="#3F84EE", size=13),
    }
    for k in range(1, 10):
        out[f"types/type{k}.svg"] = type_svg(k)
    return out


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=DEFAULT_OUT, help="pictures folder (default: %(default)s)")
    args = parser.parse_args()
    for name, content in sorted(pictures().items()):
        for forbidden in ("<text", "<filter", "<style", "<mask"):
            if forbidden in content:
                sys.exit(f"{name}: contains {forbidden}, which Qt SVG Tiny cannot use")
        target = os.path.join(args.out, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "w", encoding="utf-8") as handle:
            handle.write(content)
        print(target)


if __name__ == "__main__":
    main()
