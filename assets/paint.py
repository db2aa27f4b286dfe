"""Supersampled painting helpers shared by the face, glyph and icon generators."""
import os
import re

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

# Debian's place for the fonts bootstrap.sh installs; ORVANTA_FONT_DIR names another tree.
FONT_DIR = os.environ.get('ORVANTA_FONT_DIR', '/usr/share/fonts/truetype')
FONTS = {
    'sans': f'{FONT_DIR}/dejavu/DejaVuSans.ttf',
    'bold': f'{FONT_DIR}/dejavu/DejaVuSans-Bold.ttf',
    'cond': f'{FONT_DIR}/dejavu/DejaVuSansCondensed-Bold.ttf',
    'cjk': f'{FONT_DIR}/wqy/wqy-zenhei.ttc',
}
_font_cache = {}


def font(kind, px):
    key = (kind, round(px * 4) / 4)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(FONTS[kind], size=max(1, int(round(px))))
    return _font_cache[key]


def is_cjk(ch):
    return ord(ch) >= 0x2E80


def scaled(v, k):
    """A length or place in 1x units at scale k, rounded half up as the program rounds it."""
    return int(v * k + 0.5) if v >= 0 else -int(-v * k + 0.5)


class Layer:
    """A float RGB picture painted with coverage masks on a grid `grid` times the target size.

    Coordinates are in 1x units and multiplied by `s` (grid times the scale k); the target is the
    1x size at k, rounded, so a picture at another scale is painted, never resized.
    """

    def __init__(self, width, height, grid, k=1.0, colour=(0, 0, 0)):
        self.w, self.h = scaled(width, k), scaled(height, k)
        self.grid = grid
        self.s = grid * k
        self.gw, self.gh = self.w * grid, self.h * grid
        self.px = np.empty((self.gh, self.gw, 3), np.float32)
        self.px[:] = colour

    def region(self, x0, y0, x1, y1, pad=0):
        """Integer grid box around a 1x float box, clipped to the picture."""
        s = self.s
        bx0 = max(0, int(np.floor((x0 - pad) * s)))
        by0 = max(0, int(np.floor((y0 - pad) * s)))
        bx1 = min(self.gw, int(np.ceil((x1 + pad) * s)))
        by1 = min(self.gh, int(np.ceil((y1 + pad) * s)))
        return bx0, by0, bx1, by1

    def paint(self, box, alpha, colour):
        """Blends colour (tuple or array) through alpha (0..1 array) into box."""
        bx0, by0, bx1, by1 = box
        dst = self.px[by0:by1, bx0:bx1]
        a = alpha[..., None]
        dst += (np.asarray(colour, np.float32) - dst) * a

    def downsample(self):
        out = np.empty((self.h, self.w, 3), np.float32)
        g = self.grid
        out[:] = self.px.reshape(self.h, g, self.w, g, 3).mean(axis=(1, 3))
        return out


def mask_image(box, scale, draw_fn):
    """Runs draw_fn(draw, to_local) on an L picture covering box; returns 0..1 floats."""
    bx0, by0, bx1, by1 = box
    img = Image.new('L', (bx1 - bx0, by1 - by0), 0)
    d = ImageDraw.Draw(img)

    def local(x, y):
        return (x * scale - bx0, y * scale - by0)

    draw_fn(d, local)
    return img


def to_float(img):
    return np.asarray(img, np.float32) / 255.0


def blur(img, radius_px):
    return img.filter(ImageFilter.GaussianBlur(radius_px))


def rounded_rect(layer_or_scale, box, rect, radius, fill=255):
    scale = layer_or_scale.s if isinstance(layer_or_scale, Layer) else layer_or_scale
    x0, y0, x1, y1 = rect

    def fn(d, local):
        a = local(x0, y0)
        b = local(x1, y1)
        d.rounded_rectangle([a[0], a[1], b[0] - 1, b[1] - 1], radius=radius * scale, fill=fill)

    return mask_image(box, scale, fn)


_RICH = re.compile(r'\^(-?[0-9a-z])')


def rich_runs(markup):
    """'sin^-1' -> [('sin', False), ('−1', True)]; '^y√x' -> [('y', True), ('√x', False)]."""
    runs, pos = [], 0
    for m in _RICH.finditer(markup):
        if m.start() > pos:
            runs.append((markup[pos:m.start()], False))
        runs.append((m.group(1).replace('-', '−'), True))
        pos = m.end()
    if pos < len(markup):
        runs.append((markup[pos:], False))
    return runs


def plain_text(markup):
    sup = str.maketrans('−12y', '⁻¹²ʸ')
    return ''.join(t.translate(sup) if s else t for t, s in rich_runs(markup))


def text_mask(box, scale, cx, cy, markup, px, kind, tracking=0.0):
    """Coverage of markup centred on (cx, cy) in 1x units; CJK characters use the CJK font."""
    bx0, by0, bx1, by1 = box
    img = Image.new('L', (bx1 - bx0, by1 - by0), 0)
    d = ImageDraw.Draw(img)
    pieces = []  # (text, font, dy, width)
    for text, sup in rich_runs(markup):
        size = px * (0.74 if sup else 1.0) * scale
        for ch in text:
            f = font('cjk' if is_cjk(ch) else kind, size)
            w = f.getlength(ch) + tracking * scale
            pieces.append((ch, f, -px * 0.36 * scale if sup else 0.0, w))
    total = sum(p[3] for p in pieces) - tracking * scale
    ref = font(kind, px * scale)
    asc, desc = ref.getmetrics()
    # Centre on the cap height of the main font rather than on ascent + descent.
    cap_top = ref.getbbox('H')[1]
    cap_mid = (cap_top + ref.getbbox('H')[3]) / 2
    x = cx * scale - bx0 - total / 2
    y = cy * scale - by0 - cap_mid
    del asc, desc
    for ch, f, dy, w in pieces:
        oy = 0.0
        if is_cjk(ch):
            bb = f.getbbox('中')
            oy = cap_mid - (bb[1] + bb[3]) / 2
        d.text((x, y + dy + oy), ch, font=f, fill=255)
        x += w
    return img
