#!/usr/bin/python3
# -*- coding: utf-8 -*-
"""Paints every bitmap Quenvar embeds: the window skin, the title-bar and page
buttons, the main-page buttons, the standby switch, the exit prompt, the
sponsor banner and the program icon.

Run from the repository root with Debian's Python (it needs python3-pil,
fonts-wqy-microhei and fonts-dejavu-core):

    /usr/bin/python3 resources/make-artwork.py

The results land in resources/images/ and are committed, so a build never
needs Python.  Everything is drawn from geometry here (no source bitmaps) and
the output is byte-for-byte repeatable, which keeps the diffs honest when the
artwork is touched up.

Shapes are drawn at SS times the final size and box-filtered down, which gives
clean anti-aliased edges.  Small captions are rasterised at their final size
instead, because FreeType's hinting keeps 11-14px Chinese far crisper than a
scaled-down rendering would.
"""

import math
import os
import struct

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "images")

SS = 4  # supersampling factor for shapes

CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
LATIN_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

PRODUCT = "Quenvar"
VERSION = "1.1"
STUDIO = "青藤工作室"
AUTHOR = "林予安"
SPONSOR_NAME = "绿叶软件园"
SPONSOR_SITE = "lvye-soft.example"

# The house palette: everything green is derived from these.
GREEN_TOP = (0x2E, 0x9E, 0x4F)
GREEN_BOTTOM = (0x1F, 0x7A, 0x3A)
GREEN_DARK = (0x14, 0x5A, 0x2A)
GREEN_PALE = (0xD8, 0xF0, 0xDC)
WHITE = (255, 255, 255)

_font_cache = {}


def font(path, size):
    key = (path, size)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(path, size, index=0)
    return _font_cache[key]


def cjk(size):
    return font(CJK_FONT, size)


def rgb(h):
    h = h.lstrip("#")
    return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


# ---------------------------------------------------------------- drawing kit

class Shape:
    """A coverage mask drawn SS times oversize.

    Coordinates are given in final-image pixels (floats welcome); an optional
    origin and scale let an icon be designed on its own grid and dropped in
    anywhere.  Drawing with v=0 cuts holes, which is how the icons get their
    details without needing a second colour.
    """

    def __init__(self, w, h, ox=0.0, oy=0.0, k=1.0):
        self.w, self.h = w, h
        self.ox, self.oy, self.k = ox, oy, k
        self.im = Image.new("L", (w * SS, h * SS), 0)
        self.d = ImageDraw.Draw(self.im)

    def _pt(self, x, y):
        return ((self.ox + x * self.k) * SS - 0.5, (self.oy + y * self.k) * SS - 0.5)

    def _box(self, box):
        x0, y0, x1, y1 = box
        return [round((self.ox + x0 * self.k) * SS), round((self.oy + y0 * self.k) * SS),
                round((self.ox + x1 * self.k) * SS) - 1, round((self.oy + y1 * self.k) * SS) - 1]

    def _len(self, v):
        return max(1, int(round(v * self.k * SS)))

    def rect(self, box, r=0, v=255):
        if r > 0:
            self.d.rounded_rectangle(self._box(box), radius=self._len(r), fill=v)
        else:
            self.d.rectangle(self._box(box), fill=v)
        return self

    def ellipse(self, box, v=255):
        self.d.ellipse(self._box(box), fill=v)
        return self

    def circle(self, cx, cy, r, v=255):
        return self.ellipse((cx - r, cy - r, cx + r, cy + r), v)

    def polygon(self, pts, v=255):
        self.d.polygon([self._pt(x, y) for x, y in pts], fill=v)
        return self

    def line(self, pts, w, v=255, caps=True):
        self.d.line([self._pt(x, y) for x, y in pts], fill=v, width=self._len(w), joint="curve")
        if caps:
            for x, y in (pts[0], pts[-1]):
                self.circle(x, y, w / 2.0, v)
        return self

    def arc(self, box, start, end, w, v=255):
        self.d.arc(self._box(box), start, end, fill=v, width=self._len(w))
        return self

    def ring(self, cx, cy, r, w, v=255):
        self.circle(cx, cy, r + w / 2.0, v)
        self.circle(cx, cy, r - w / 2.0, 255 - v)
        return self

    def mask(self):
        return self.im.resize((self.w, self.h), Image.BOX)


def scale_alpha(mask, a):
    if a >= 255:
        return mask
    return mask.point(lambda v: (v * a + 127) // 255)


def paint(dst, mask, color, alpha=255):
    """Lays a flat colour over dst through mask (straight alpha, no fringes)."""
    layer = Image.new("RGBA", dst.size, tuple(color[:3]) + (255,))
    layer.putalpha(scale_alpha(mask, alpha))
    dst.alpha_composite(layer)


def vgradient(w, h, top, bottom, y0=0, y1=None):
    """A top-to-bottom RGB gradient, flat outside [y0, y1)."""
    if y1 is None:
        y1 = h
    col = Image.new("RGB", (1, h))
    span = max(1, y1 - y0 - 1)
    for y in range(h):
        t = min(1.0, max(0.0, (y - y0) / span))
        col.putpixel((0, y), mix(top, bottom, t))
    return col.resize((w, h), Image.NEAREST)


def paint_image(dst, src_rgb, mask, alpha=255):
    layer = src_rgb.convert("RGBA")
    layer.putalpha(scale_alpha(mask, alpha))
    dst.alpha_composite(layer)


def text_mask(size, xy, text, fnt, anchor="ls"):
    m = Image.new("L", size, 0)
    ImageDraw.Draw(m).text(xy, text, fill=255, font=fnt, anchor=anchor)
    return m


def centred_origin(fnt, text, box):
    """Baseline origin that centres the ink of text inside box (x, y, w, h)."""
    l, t, r, b = fnt.getbbox(text, anchor="ls")
    x, y, w, h = box
    return (int(round(x + (w - (r - l)) / 2.0 - l)), int(round(y + (h - (b - t)) / 2.0 - t)))


def shadow_of(mask, dx, dy, blur):
    m = Image.new("L", mask.size, 0)
    m.paste(mask, (dx, dy))
    if blur:
        m = m.filter(ImageFilter.GaussianBlur(blur))
    return m


def save_png(im, name):
    im.save(os.path.join(OUT, name), "PNG", optimize=True)


def blank(w, h):
    return Image.new("RGBA", (w, h), (0, 0, 0, 0))


# ------------------------------------------------------------ the shield logo

def shield_mask_and_symbol(size):
    """Returns (shield, highlight, power-symbol) masks for a size x size logo.

    Designed on a 48-unit grid.  Strokes thicken as the icon shrinks so the
    power symbol survives at 16 pixels.
    """
    k = size / 48.0
    sym_w = {16: 5.4, 32: 4.4}.get(size, 4.0)
    outline = {16: 0.0}.get(size, 1.0)

    def outline_pts(inset):
        # Left half of the shield, then mirrored; the lower sides are a
        # quadratic curve meeting at the point.
        i = inset
        # At 16px a sharp crown leaves one stray pixel on top; blunt it.
        crown = 2.5 if size > 16 else 4.5
        pts = [(24, crown + i * 1.2), (41.5 - i, 8.5 + i * 0.6), (41.5 - i, 22)]
        p0, c, p1 = (41.5 - i, 22), (41.5 - i, 37), (24, 45.8 - i * 1.3)
        for n in range(1, 17):
            t = n / 16.0
            x = (1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * c[0] + t * t * p1[0]
            y = (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * c[1] + t * t * p1[1]
            pts.append((x, y))
        right = pts
        left = [(48 - x, y) for x, y in reversed(right[1:-1])]
        return right + left

    outer = Shape(size, size, 0, 0, k).polygon(outline_pts(0)).mask()
    inner = Shape(size, size, 0, 0, k).polygon(outline_pts(outline * 1.6)).mask() if outline else outer
    # Light falls on the left half of the shield.
    hl = Shape(size, size, 0, 0, k)
    hl.polygon(outline_pts(outline * 1.6))
    hl.polygon([(24, 0), (48, 0), (48, 48), (24, 48)], v=0)
    sym = Shape(size, size, 0, 0, k)
    cx, cy, r = 24, 25.5, 10.0
    sym.arc((cx - r - sym_w / 2, cy - r - sym_w / 2, cx + r + sym_w / 2, cy + r + sym_w / 2),
            308, 232, sym_w)
    for ang in (308, 232):
        a = math.radians(ang)
        sym.circle(cx + r * math.cos(a), cy + r * math.sin(a), sym_w / 2)
    sym.line([(cx, 12.5), (cx, 25)], sym_w)
    return outer, inner, hl.mask(), sym.mask()


def draw_logo(size):
    im = blank(size, size)
    outer, inner, hl, sym = shield_mask_and_symbol(size)
    paint(im, outer, GREEN_DARK)
    paint_image(im, vgradient(size, size, rgb("#45c46b"), rgb("#1c7536")), inner)
    paint(im, hl, WHITE, 40)
    paint(im, sym, WHITE)
    return im


# ----------------------------------------------------------------- the skin

SKIN_W, SKIN_H = 726, 604
BAND_H = 104
BAR_Y = 575


def draw_skin():
    im = Image.new("RGBA", (SKIN_W, SKIN_H), WHITE + (255,))
    # Green band: the title row and the page buttons live on it.
    band = Image.new("L", (SKIN_W, SKIN_H), 0)
    band.paste(255, (0, 0, SKIN_W, BAND_H))
    paint_image(im, vgradient(SKIN_W, SKIN_H, GREEN_TOP, GREEN_BOTTOM, 0, BAND_H), band)

    # A soft glow along the page-button row so the white icons have a lift,
    # with no edges that could fight with a button's hover highlight.
    glow = Shape(SKIN_W, SKIN_H).ellipse((-120, -30, SKIN_W + 120, 150)).mask()
    glow = glow.filter(ImageFilter.GaussianBlur(24))
    glow.paste(0, (0, BAND_H, SKIN_W, SKIN_H))
    paint(im, glow, rgb("#7fe09a"), 60)

    # Thin top sheen and a darker seam where the band meets the page.
    sheen = Image.new("L", (SKIN_W, SKIN_H), 0)
    sheen.paste(255, (0, 0, SKIN_W, 1))
    paint(im, sheen, WHITE, 70)
    seam = Image.new("L", (SKIN_W, SKIN_H), 0)
    seam.paste(255, (0, BAND_H - 1, SKIN_W, BAND_H))
    paint(im, seam, GREEN_DARK, 255)

    # A short shadow falling on the white page from the band.
    shade = Image.new("RGB", (SKIN_W, SKIN_H), (0, 0, 0))
    sh = Image.new("L", (SKIN_W, SKIN_H), 0)
    for i, a in enumerate((36, 20, 10, 4)):
        sh.paste(a, (0, BAND_H + i, SKIN_W, BAND_H + i + 1))
    paint_image(im, shade, sh)

    # Light-green frame around the page container; the program paints the
    # container itself white at (8,112) 712x456.
    frame = Image.new("L", (SKIN_W, SKIN_H), 0)
    d = ImageDraw.Draw(frame)
    d.rectangle((7, 111, 720, 568), outline=255)
    paint(im, frame, rgb("#a8d8b4"))
    frame2 = Image.new("L", (SKIN_W, SKIN_H), 0)
    ImageDraw.Draw(frame2).rectangle((6, 110, 721, 569), outline=255)
    paint(im, frame2, rgb("#e3f3e6"))

    # Status bar: a dark green rim around a pale inner strip, because the
    # program writes the status lines in pure blue and they must stay
    # readable.
    bar = Image.new("L", (SKIN_W, SKIN_H), 0)
    bar.paste(255, (0, BAR_Y, SKIN_W, SKIN_H))
    paint_image(im, vgradient(SKIN_W, SKIN_H, GREEN_BOTTOM, GREEN_DARK, BAR_Y, SKIN_H), bar)
    inner = Shape(SKIN_W, SKIN_H).rect((3, 578, SKIN_W - 3, 602), r=3).mask()
    paint_image(im, vgradient(SKIN_W, SKIN_H, rgb("#eef9f0"), GREEN_PALE, 578, 602), inner)
    inner_line = Image.new("L", (SKIN_W, SKIN_H), 0)
    inner_line.paste(255, (6, 578, SKIN_W - 6, 579))
    paint(im, inner_line, WHITE, 200)

    # One-pixel dark outline for the borderless window.
    edge = Image.new("L", (SKIN_W, SKIN_H), 0)
    ImageDraw.Draw(edge).rectangle((0, 0, SKIN_W - 1, SKIN_H - 1), outline=255)
    paint(im, edge, GREEN_DARK)

    # Title line: logo, product and version in DejaVu, the credit in Hei.
    logo = draw_logo(16)
    im.alpha_composite(logo, (8, 4))
    base_y = 17
    x = 29
    runs = [(PRODUCT + " " + VERSION, font(LATIN_BOLD, 13)),
            ("  \u2014  ", font(LATIN_FONT, 13)),
            (STUDIO + "  " + AUTHOR + " 作品", cjk(13))]
    tm = Image.new("L", (SKIN_W, SKIN_H), 0)
    td = ImageDraw.Draw(tm)
    for text, f in runs:
        td.text((x, base_y), text, font=f, fill=255, anchor="ls")
        x += f.getlength(text)
    paint(im, shadow_of(tm, 0, 1, 0.6), GREEN_DARK, 150)
    paint(im, tm, WHITE)

    return im.convert("RGB")


# ------------------------------------------------------- title-bar buttons

# The title-bar buttons overlap one another in the window (each one's right
# part lies under its neighbour), so every glyph and hover face is kept to
# the part of its bitmap that nothing else covers: (name, width, height,
# uncovered width).
TITLEBAR_BUTTONS = [("chat", 35, 24, 22), ("hide", 37, 24, 25), ("min", 33, 24, 25),
                    ("max", 32, 24, 24), ("close", 48, 23, 48)]


def titlebar_glyph(name, w, h, cx):
    s = Shape(w, h)
    if name == "chat":
        # Speech bubble with a tail and three dots.
        x0, y0, x1, y1 = cx - 7.5, 5.5, cx + 7.5, 16.5
        s.rect((x0, y0, x1, y1), r=3)
        s.polygon([(x0 + 2.5, y1 - 1), (x0 + 2.5, y1 + 4.2), (x0 + 7.5, y1 - 1)])
        s.rect((x0 + 1.5, y0 + 1.5, x1 - 1.5, y1 - 1.5), r=1.8, v=0)
        for dx in (-3.5, 0, 3.5):
            s.circle(cx + dx, (y0 + y1) / 2.0, 1.05)
    elif name == "hide":
        # A list: three bullets and lines.
        x = int(cx - 7)
        for y in (7, 11, 15):
            s.rect((x, y, x + 2, y + 2))
            s.rect((x + 4, y, x + 14, y + 2))
    elif name == "min":
        x = int(cx - 5.5)
        s.rect((x, 13, x + 11, 15))
    elif name == "max":
        x = int(cx - 6)
        s.rect((x, 6, x + 12, 18))
        s.rect((x + 1.5, 8.5, x + 10.5, 16.5), v=0)
    elif name == "close":
        c, r = (cx, 11.5), 5.2
        s.line([(c[0] - r, c[1] - r), (c[0] + r, c[1] + r)], 1.7)
        s.line([(c[0] - r, c[1] + r), (c[0] + r, c[1] - r)], 1.7)
    return s.mask()


def draw_titlebar_buttons():
    for name, w, h, free in TITLEBAR_BUTTONS:
        glyph = titlebar_glyph(name, w, h, free / 2.0)
        for state in ("normal", "hover"):
            im = blank(w, h)
            if state == "hover":
                box = (0.5, 0.5, free - 0.5, h - 0.5)
                face = Shape(w, h).rect(box, r=3).mask()
                if name == "close":
                    paint(im, face, rgb("#e81123"))
                else:
                    paint(im, face, WHITE, 58)
                    rim = Shape(w, h).rect(box, r=3)
                    rim.rect((box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1), r=2, v=0)
                    paint(im, rim.mask(), WHITE, 60)
            else:
                paint(im, shadow_of(glyph, 0, 1, 0.5), GREEN_DARK, 110)
            paint(im, glyph, WHITE)
            save_png(im, "btn_%s_%s.png" % (name, state))


# ------------------------------------------------------------- page buttons

def icon_home(s):
    s.rect((26, 5, 31.5, 16))
    s.polygon([(20, 1.5), (39.5, 19.5), (0.5, 19.5)])
    s.polygon([(20, 8.2), (34, 21.2), (6, 21.2)], v=0)
    s.polygon([(20, 10.8), (32, 21.8), (32, 37.5), (8, 37.5), (8, 21.8)])
    s.rect((16.5, 25, 23.5, 37.5), r=1.5, v=0)
    s.rect((16.5, 31, 23.5, 37.5), v=0)


def icon_moon(s):
    s.circle(18, 21, 16)
    s.circle(27.5, 13, 13, v=0)

    def star(cx, cy, r):
        pts = []
        for i in range(8):
            a = math.radians(-90 + i * 45)
            rr = r if i % 2 == 0 else r * 0.34
            pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
        s.polygon(pts)

    star(30.5, 10, 5)
    star(36.5, 22, 3.2)
    star(24, 4, 2.6)


def _ellipse_pts(cx, cy, rx, ry, deg, n=36):
    a = math.radians(deg)
    pts = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        pts.append((cx + x * math.cos(a) - y * math.sin(a), cy + x * math.sin(a) + y * math.cos(a)))
    return pts


def icon_gift(s):
    # Two bow loops leaning outwards, each with a small eye.
    for side in (-1, 1):
        cx = 20 + side * 6.3
        s.polygon(_ellipse_pts(cx, 8.2, 7.0, 4.2, side * -28))
        s.polygon(_ellipse_pts(20 + side * 6.8, 8.0, 3.3, 1.5, side * -28), v=0)
    s.rect((3, 13, 37, 21), r=1.5)
    s.rect((6, 23, 34, 38), r=1.2)
    s.rect((18.3, 5, 21.7, 38), v=0)
    s.rect((18.6, 7.5, 21.4, 13), r=1.2)


def icon_document(s):
    s.polygon([(7, 2), (24, 2), (34, 12), (34, 38), (7, 38)], v=255)
    s.line([(23, 1), (23, 13), (35, 13)], 2.2, v=0, caps=False)
    s.polygon([(24.5, 3.5), (24.5, 11.5), (32.5, 11.5)])
    for y, x1 in ((19.5, 22), (25, 29), (30.5, 29)):
        s.line([(12, y), (x1, y)], 2.6, v=0)


def icon_people(s):
    # A technician: a person with a gear at the shoulder.
    s.circle(16, 10.5, 7.5)
    s.ellipse((2, 20, 30, 52))
    s.rect((0, 38, 40, 60), v=0)
    gx, gy = 29.5, 29
    s.circle(gx, gy, 11.2, v=0)
    teeth = []
    for i in range(8):
        a0 = math.radians(i * 45 - 12)
        a1 = math.radians(i * 45 + 12)
        teeth.append([(gx + 6 * math.cos(a0), gy + 6 * math.sin(a0)),
                      (gx + 9.3 * math.cos(a0 + 0.07), gy + 9.3 * math.sin(a0 + 0.07)),
                      (gx + 9.3 * math.cos(a1 - 0.07), gy + 9.3 * math.sin(a1 - 0.07)),
                      (gx + 6 * math.cos(a1), gy + 6 * math.sin(a1))])
    for t in teeth:
        s.polygon(t)
    s.circle(gx, gy, 7)
    s.circle(gx, gy, 3, v=0)


def _band(cx, cy, along, half_len, half_w):
    """Corners of a rectangle centred on (cx, cy), long side at angle along."""
    ux, uy = math.cos(math.radians(along)), math.sin(math.radians(along))
    vx, vy = -uy, ux
    return [(cx + sx * half_len * ux + sy * half_w * vx, cy + sx * half_len * uy + sy * half_w * vy)
            for sx, sy in ((1, 1), (1, -1), (-1, -1), (-1, 1))]


def icon_handshake(s):
    # Sleeve cuffs on the two forearms, which rise from the lower corners.
    s.polygon(_band(5.2, 22.8, 45, 6.2, 2.6))
    s.polygon(_band(34.8, 22.8, -45, 6.2, 2.6))
    # The hand from the right: palm and a thumb lying over the clasp.
    s.polygon([(27.5, 20.5), (33.5, 14.5), (27.5, 10.5), (21, 10.5), (17, 12.5), (19, 16), (25, 15)])
    s.line([(18, 14.3), (12.8, 17.8)], 3.6)
    # The hand from the left: its four fingers curl round the other palm.
    s.polygon([(10.5, 21), (16, 16.5), (19, 19), (19, 31.5), (15, 30), (12, 26)])
    for i, (y, x1) in enumerate(((19.6, 29.5), (23.4, 29.2), (27.2, 27.5), (31.0, 24.2))):
        s.line([(16 + i * 0.5, y - 1.0 + i * 0.1), (x1, y)], 3.3)
    # Slits so the fingers and thumb read as separate.
    for i, (y, x1) in enumerate(((21.5, 30), (25.3, 29.5), (29.1, 27.5))):
        s.line([(17.6 + i * 0.5, y - 0.8), (x1 + 1, y + 0.1)], 0.75, v=0, caps=False)
    s.line([(12.0, 19.8), (19.5, 16.2)], 0.8, v=0, caps=False)


def icon_lightning(s):
    s.ring(20, 20, 17, 2.8)
    s.polygon([(23.5, 5), (10.5, 22.5), (18.5, 22.5), (15.5, 35.5), (29.5, 16.5), (21.5, 16.5), (26, 5)])


def icon_toolbox(s):
    s.rect((13, 4, 27, 15), r=3)
    s.rect((16, 7, 24, 15), r=1, v=0)
    s.rect((2, 12, 38, 37), r=3.5)
    s.rect((2, 20.5, 38, 22.5), v=0)
    s.rect((16, 17, 24, 26), r=1.5, v=0)
    s.rect((17.8, 18.8, 22.2, 24.2), r=0.8)


PAGE_BUTTONS = [
    # (caption, height, window y, icon)
    ("程序主页", 71, 25, icon_home),
    ("待机专区", 71, 25, icon_moon),
    ("赞助商区", 80, 24, icon_gift),
    ("程序说明", 74, 26, icon_document),
    ("技术人员", 79, 25, icon_people),
    ("合作伙伴", 79, 25, icon_handshake),
    ("实时动态", 79, 25, icon_lightning),
    ("工具应用", 79, 25, icon_toolbox),
]

# Everything below is in window coordinates, so that all eight buttons line
# up whatever their own height and top.
PAGE_HL_TOP, PAGE_HL_BOTTOM = 27, 96     # hover highlight rows
PAGE_ICON_TOP, PAGE_ICON_SIZE = 33, 38
PAGE_CAPTION_BASELINE = 90
PAGE_W = 80


def draw_page_buttons():
    f = cjk(13)
    for n, (caption, h, wy, icon) in enumerate(PAGE_BUTTONS, 1):
        dy = -wy  # window y -> image y
        s = Shape(PAGE_W, h, (PAGE_W - PAGE_ICON_SIZE) / 2.0, PAGE_ICON_TOP + dy, PAGE_ICON_SIZE / 40.0)
        icon(s)
        icon_m = s.mask()
        cap_m = Image.new("L", (PAGE_W, h), 0)
        tw = f.getlength(caption)
        ImageDraw.Draw(cap_m).text((int(round((PAGE_W - tw) / 2.0)), PAGE_CAPTION_BASELINE + dy),
                                   caption, font=f, fill=255, anchor="ls")
        for state in ("normal", "hover"):
            im = blank(PAGE_W, h)
            if state == "hover":
                box = (3, PAGE_HL_TOP + dy, PAGE_W - 3, PAGE_HL_BOTTOM + dy)
                paint(im, Shape(PAGE_W, h).rect(box, r=6).mask(), WHITE, 46)
                rim = Shape(PAGE_W, h).rect(box, r=6)
                rim.rect((box[0] + 1, box[1] + 1, box[2] - 1, box[3] - 1), r=5, v=0)
                paint(im, rim.mask(), WHITE, 90)
            paint(im, shadow_of(icon_m, 0, 1, 1.0), GREEN_DARK, 150)
            paint(im, shadow_of(cap_m, 0, 1, 0.5), GREEN_DARK, 170)
            paint(im, icon_m, WHITE)
            paint(im, cap_m, WHITE)
            save_png(im, "page%d_%s.png" % (n, state))


# ------------------------------------------------- buttons on white pages

FACE_STYLES = {
    "normal": dict(top="#fdfffd", bottom="#e1eee4", border="#9cc4a6", text="#1b3a24", gloss=150),
    "hover": dict(top="#ffffff", bottom="#d5f0dc", border="#2e9e4f", text="#145a2a", gloss=190),
    "pressed": dict(top="#c5e0cc", bottom="#deeee2", border="#1f7a3a", text="#0f3a1c", gloss=0),
}


def button_face(w, h, state, caption, size=13, radius=4.0, style=None):
    st = dict(FACE_STYLES[state])
    if style:
        st.update(style)
    im = blank(w, h)
    paint(im, Shape(w, h).rect((0, 0, w, h), r=radius).mask(), rgb(st["border"]))
    inner = Shape(w, h).rect((1, 1, w - 1, h - 1), r=radius - 1).mask()
    paint_image(im, vgradient(w, h, rgb(st["top"]), rgb(st["bottom"]), 1, h - 1), inner)
    if st["gloss"]:
        g = Image.new("L", (w, h), 0)
        g.paste(255, (radius, 1, w - radius, 2))
        paint(im, g, WHITE, st["gloss"])
    else:
        # A pressed face gets a faint inner shadow along its top.
        g = Image.new("L", (w, h), 0)
        g.paste(255, (2, 1, w - 2, 2))
        paint(im, g, (0, 0, 0), 28)
    f = cjk(size)
    ox, oy = centred_origin(f, caption, (0, 0, w, h))
    if state == "pressed":
        ox, oy = ox + 1, oy + 1
    paint(im, text_mask((w, h), (ox, oy), caption, f), rgb(st["text"]))
    return im


MAIN_BUTTONS = [
    ("monitor", 144, "开始监视拦截"),
    ("openlog", 160, "查看\\修改拦截详细信息"),
    ("clearlog", 104, "清空拦截信息"),
    ("shutdowntime", 112, "获取上次关机时间"),
]


def draw_main_buttons():
    for name, w, caption in MAIN_BUTTONS:
        for state in ("normal", "hover", "pressed"):
            # 13px unless the caption would crowd the face's edges.
            size = 13 if cjk(13).getlength(caption) <= w - 20 else 12
            save_png(button_face(w, 40, state, caption, size, 5), "btn_%s_%s.png" % (name, state))


# ---------------------------------------------------------- standby switch

def draw_standby(enabled):
    w, h = 77, 21
    im = blank(w, h)
    track = (0, 0, w, h)
    if enabled:
        border, top, bottom = rgb("#1a7334"), rgb("#3cbf63"), rgb("#23923f")
        label, text_col, text_box = "已启用", WHITE, (3, 0, w - 22, h)
        knob_x = w - 2 - 17
    else:
        border, top, bottom = rgb("#93add0"), rgb("#eef4fb"), rgb("#d2e1f1")
        label, text_col, text_box = "已禁用", rgb("#3f4650"), (19, 0, w - 22, h)
        knob_x = 2
    paint(im, Shape(w, h).rect(track, r=h / 2.0).mask(), border)
    paint_image(im, vgradient(w, h, top, bottom, 1, h - 1),
                Shape(w, h).rect((1, 1, w - 1, h - 1), r=h / 2.0 - 1).mask())
    # The knob: a white disc with a soft ring.
    kc = knob_x + 8.5
    paint(im, shadow_of(Shape(w, h).circle(kc, 10.5, 8.5).mask(), 0, 1, 0.8), (0, 0, 0), 60)
    paint(im, Shape(w, h).circle(kc, 10.5, 8.5).mask(), rgb("#9aa6b2") if not enabled else rgb("#15662d"))
    paint_image(im, vgradient(w, h, WHITE, rgb("#e4e9ee"), 3, 19), Shape(w, h).circle(kc, 10.5, 7.5).mask())
    f = cjk(12)
    ox, oy = centred_origin(f, label, text_box)
    tm = text_mask((w, h), (ox, oy), label, f)
    if enabled:
        paint(im, shadow_of(tm, 0, 1, 0), GREEN_DARK, 110)
    paint(im, tm, text_col)
    save_png(im, "standby_%s.png" % ("enabled" if enabled else "disabled"))


# -------------------------------------------------------------- exit prompt

def draw_exit_window():
    w, h = 306, 138
    im = Image.new("RGBA", (w, h), rgb("#eef1ef") + (255,))
    r = 6
    paint(im, Shape(w, h).rect((0, 0, w, h), r=r).mask(), rgb("#8fc79d"))
    panel = Shape(w, h).rect((1, 1, w - 1, h - 1), r=r - 1).mask()
    paint_image(im, vgradient(w, h, rgb("#fbfefb"), rgb("#f1f9f2"), 1, 96), panel)
    # Footer strip holding the two buttons.
    foot = Shape(w, h).rect((1, 1, w - 1, h - 1), r=r - 1)
    foot.rect((0, 0, w, 97), v=0)
    paint(im, foot.mask(), rgb("#e3f2e6"))
    sep = Image.new("L", (w, h), 0)
    sep.paste(255, (1, 97, w - 1, 98))
    paint(im, sep, rgb("#c4e2cb"))
    sep2 = Image.new("L", (w, h), 0)
    sep2.paste(255, (1, 98, w - 1, 99))
    paint(im, sep2, WHITE, 200)
    # Thin green accent along the top edge.
    acc = Shape(w, h).rect((1, 1, w - 1, 8), r=r - 1)
    acc.rect((0, 4, w, 10), v=0)
    paint(im, acc.mask(), GREEN_TOP)

    # The question icon: a blue disc with a white question mark.
    cx, cy, rr = 46, 50, 24
    paint(im, shadow_of(Shape(w, h).circle(cx, cy, rr).mask(), 0, 2, 2), (0, 0, 0), 50)
    paint(im, Shape(w, h).circle(cx, cy, rr).mask(), rgb("#1557b0"))
    paint_image(im, vgradient(w, h, rgb("#5aa2f0"), rgb("#1c64c4"), cy - rr, cy + rr),
                Shape(w, h).circle(cx, cy, rr - 1.2).mask())
    gloss = Shape(w, h).ellipse((cx - 17, cy - 22, cx + 17, cy - 2)).mask().filter(ImageFilter.GaussianBlur(1.5))
    paint(im, gloss, WHITE, 55)
    # Drawn oversize like the disc, so the curves come out as smooth.
    qf = font(LATIN_BOLD, 32)
    ox, oy = centred_origin(qf, "?", (cx - rr, cy - rr, 2 * rr, 2 * rr))
    q = Image.new("L", (w * SS, h * SS), 0)
    ImageDraw.Draw(q).text((ox * SS, oy * SS), "?", font=font(LATIN_BOLD, 32 * SS), fill=255, anchor="ls")
    q = q.resize((w, h), Image.BOX)
    paint(im, q, WHITE)

    qt = "你确定要退出程序吗?"
    f = cjk(17)
    tm = text_mask((w, h), (86, 56), qt, f)
    paint(im, tm, rgb("#1d2b22"))
    sub = "退出后将不再拦截关机操作。"
    paint(im, text_mask((w, h), (87, 78), sub, cjk(12)), rgb("#5d7264"))

    # The two clickable faces.  The program hit-tests window rects (160,120)
    # and (240,120), 64x24, and this bitmap sits at (7,14) in that window.
    stay = button_face(64, 24, "normal", "暂未退出", 12, 3,
                       style=dict(border="#2e9e4f", top="#ffffff", bottom="#d9f1df"))
    leave = button_face(64, 24, "normal", "继续退出", 12, 3)
    im.alpha_composite(stay, (153, 106))
    im.alpha_composite(leave, (233, 106))
    save_png(im.convert("RGB"), "exit_window.png")


# ----------------------------------------------------------- sponsor banner

def draw_sponsor_banner():
    w, h = 177, 64
    im = Image.new("RGBA", (w, h), WHITE + (255,))
    grad = Image.new("RGB", (w, 1))
    for x in range(w):
        grad.putpixel((x, 0), mix(rgb("#e4f6e8"), WHITE, x / (w - 1)))
    im.alpha_composite(grad.resize((w, h)).convert("RGBA"))

    # Bottom ribbon with the slogan, with a swoosh on its upper edge.
    rib = Shape(w, h)
    rib.rect((0, 48, w, h))
    rib.ellipse((-40, 44, w + 60, 60))
    paint_image(im, vgradient(w, h, rgb("#36ad58"), GREEN_BOTTOM, 44, h), rib.mask())
    swoosh = Shape(w, h)
    swoosh.ellipse((-40, 42.5, w + 60, 58.5))
    swoosh.ellipse((-40, 44, w + 60, 60), v=0)
    paint(im, swoosh.mask(), rgb("#9ddcad"))

    # The leaf mark: a pointed leaf leaning to the upper right, with a
    # midrib and three pairs of side veins running towards the tip.
    lcx, lcy, lr, tilt = 23, 25, 17, -40
    ca, sa = math.cos(math.radians(tilt)), math.sin(math.radians(tilt))

    def leaf_pt(u, v):
        return (lcx + u * ca - v * sa, lcy + u * sa + v * ca)

    leaf = Shape(w, h).polygon(_leaf_outline(lcx, lcy, lr, tilt))
    paint_image(im, vgradient(w, h, rgb("#67d186"), rgb("#1f8a3e"), 8, 42), leaf.mask())
    vein = Shape(w, h)
    vein.line([leaf_pt(-lr + 2, 0), leaf_pt(lr - 3, 0)], 1.3, caps=False)
    for u in (-8, -2.5, 3):
        for side in (1, -1):
            vein.line([leaf_pt(u, 0), leaf_pt(u + 5, side * 6)], 0.9, caps=False)
    vein_m = vein.mask()
    leaf_clip = Shape(w, h).polygon(_leaf_outline(lcx, lcy, lr - 1.8, tilt)).mask()
    vein_m = Image.composite(vein_m, Image.new("L", (w, h), 0), leaf_clip)
    paint(im, vein_m, WHITE, 210)
    stem = Shape(w, h)
    stem.line([leaf_pt(-lr + 1, 0), leaf_pt(-lr - 5, 1.5)], 1.6)
    paint(im, stem.mask(), rgb("#1f8a3e"))

    # The name, drawn oversize with a hair of stroke so it reads as bold.
    title = Image.new("L", (w * SS, h * SS), 0)
    tf = font(CJK_FONT, 21 * SS)
    ImageDraw.Draw(title).text((46 * SS, 27 * SS), SPONSOR_NAME, font=tf, fill=255, anchor="ls",
                               stroke_width=2, stroke_fill=255)
    title = title.resize((w, h), Image.BOX)
    paint(im, shadow_of(title, 0, 1, 0.6), rgb("#bfe6c9"), 255)
    paint_image(im, vgradient(w, h, rgb("#27a14a"), rgb("#16632d"), 8, 28), title)

    site = text_mask((w, h), (47, 41), SPONSOR_SITE, font(LATIN_FONT, 10))
    paint(im, site, rgb("#3b7a4e"))

    slogan = "绿色 · 安全 · 免费下载"
    sf = cjk(11)
    sw = sf.getlength(slogan)
    paint(im, text_mask((w, h), (int(round((w - sw) / 2.0)) + 8, 60), slogan, sf), WHITE)

    edge = Image.new("L", (w, h), 0)
    ImageDraw.Draw(edge).rectangle((0, 0, w - 1, h - 1), outline=255)
    paint(im, edge, rgb("#7fc391"))
    save_png(im.convert("RGB"), "sponsor_banner.png")


def _leaf_outline(cx, cy, r, tilt_deg):
    """A pointed leaf: two circular arcs meeting at tip and stem."""
    pts = []
    n = 24
    for side in (1, -1):
        for i in range(n + 1):
            t = i / float(n)
            along = -r + 2 * r * t if side == 1 else r - 2 * r * t
            width = 0.62 * r * math.sin(math.pi * (along + r) / (2 * r)) ** 0.9
            pts.append((along, side * width))
    a = math.radians(tilt_deg)
    return [(cx + x * math.cos(a) - y * math.sin(a), cy + x * math.sin(a) + y * math.cos(a)) for x, y in pts]


# -------------------------------------------------------------- the icon file

def _palettise(im, ncolours):
    """Maps an RGBA image to (indices, palette, and-mask) for a classic icon.

    Index 0 is reserved for black: Windows draws an icon by AND-ing the mask
    and XOR-ing the colour bitmap, so transparent pixels must be black in the
    colour bitmap.  The rest of the palette is fitted to the opaque pixels.
    """
    w, h = im.size
    px = list(im.getdata())
    opaque = [(r, g, b) for r, g, b, a in px if a >= 128]
    strip = Image.new("RGB", (len(opaque), 1))
    strip.putdata(opaque)
    q = strip.quantize(colors=ncolours - 1, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()[: 3 * (ncolours - 1)]
    pal = [tuple(pal[i:i + 3]) for i in range(0, len(pal), 3)]
    qidx = list(q.getdata())
    palette = [(0, 0, 0)] + pal
    palette += [(0, 0, 0)] * (ncolours - len(palette))
    indices, mask = [], []
    it = iter(qidx)
    for r, g, b, a in px:
        if a >= 128:
            indices.append(next(it) + 1)
            mask.append(0)
        else:
            indices.append(0)
            mask.append(1)
    return indices, palette, mask


def _icon_entry(im, bpp):
    w, h = im.size
    ncol = 1 << bpp
    indices, palette, mask = _palettise(im, ncol)
    xor_stride = ((w * bpp + 31) // 32) * 4
    and_stride = ((w + 31) // 32) * 4
    xor = bytearray()
    andm = bytearray()
    for y in range(h - 1, -1, -1):  # DIB rows run bottom-up
        row = indices[y * w:(y + 1) * w]
        line = bytearray()
        if bpp == 8:
            line.extend(row)
        else:
            for x in range(0, w, 2):
                hi = row[x]
                lo = row[x + 1] if x + 1 < w else 0
                line.append((hi << 4) | lo)
        line.extend(b"\0" * (xor_stride - len(line)))
        xor.extend(line)
        mrow = mask[y * w:(y + 1) * w]
        mline = bytearray(and_stride)
        for x, m in enumerate(mrow):
            if m:
                mline[x >> 3] |= 0x80 >> (x & 7)
        andm.extend(mline)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bpp, 0, len(xor) + len(andm), 0, 0, ncol, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + pal + bytes(xor) + bytes(andm)


def write_icon(path, images):
    """images: list of (RGBA image, bpp)."""
    blobs = [(im.size, bpp, _icon_entry(im, bpp)) for im, bpp in images]
    out = bytearray(struct.pack("<HHH", 0, 1, len(blobs)))
    offset = 6 + 16 * len(blobs)
    for (w, h), bpp, data in blobs:
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 16 if bpp == 4 else 0, 0, 1, bpp, len(data), offset)
        offset += len(data)
    for _, _, data in blobs:
        out += data
    with open(path, "wb") as fh:
        fh.write(out)


def draw_icon():
    logos = {s: draw_logo(s) for s in (16, 32, 48)}
    entries = []
    for s in (16, 32, 48):
        entries.append((logos[s], 4))
        entries.append((logos[s], 8))
    write_icon(os.path.join(OUT, "quenvar.ico"), entries)
    save_png(logos[48], "quenvar_48.png")


def main():
    os.makedirs(OUT, exist_ok=True)
    draw_skin().save(os.path.join(OUT, "skin.jpg"), "JPEG", quality=92, subsampling=0, optimize=True)
    draw_titlebar_buttons()
    draw_page_buttons()
    draw_main_buttons()
    draw_standby(False)
    draw_standby(True)
    draw_exit_window()
    draw_sponsor_banner()
    draw_icon()


if __name__ == "__main__":
    main()
