"""The program icon and the three menu images."""
import numpy as np
from PIL import Image, ImageDraw, ImageFilter

SS = 8
MENU_BACKGROUND = (240, 240, 240)  # the classic menu colour


def _rr(d, size, box, radius, fill):
    x0, y0, x1, y1 = box
    d.rounded_rectangle([x0 * size * SS, y0 * size * SS, x1 * size * SS - 1, y1 * size * SS - 1],
                        radius=radius * size * SS, fill=fill)


def app_icon(size):
    """RGBA array of the calculator icon at size x size; geometry in units of the icon."""
    big = size * SS
    small = size <= 16
    rgba = Image.new('RGBA', (big, big), (0, 0, 0, 0))
    shadow = Image.new('L', (big, big), 0)
    sd = ImageDraw.Draw(shadow)
    m = 0.06 if not small else 0.0
    _rr(sd, size, (m + 0.02, m + 0.05, 1 - m + 0.02, 1 - m + 0.04), 0.16, 120)
    shadow = shadow.filter(ImageFilter.GaussianBlur(big * 0.03))
    rgba.paste(Image.new('RGBA', (big, big), (0, 0, 0, 255)), (0, 0), shadow)
    body = Image.new('RGBA', (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(body)
    _rr(d, size, (m, m, 1 - m, 1 - m - 0.02), 0.16, (40, 43, 50, 255))
    _rr(d, size, (m + 0.03, m + 0.03, 1 - m - 0.03, 1 - m - 0.05), 0.13, (66, 70, 79, 255))
    lcd = (0.17, 0.15, 0.83, 0.38) if not small else (0.12, 0.1, 0.88, 0.38)
    _rr(d, size, (lcd[0] - 0.03, lcd[1] - 0.03, lcd[2] + 0.03, lcd[3] + 0.03), 0.05, (16, 17, 20, 255))
    _rr(d, size, lcd, 0.02, (198, 234, 244, 255))
    if not small:
        # "88" in segments at the right of the LCD.
        for k in range(2):
            x = 0.60 + k * 0.11
            for seg in ((0, 0, 1, 0), (1, 0, 1, 1), (1, 1, 1, 2), (0, 2, 1, 2), (0, 1, 0, 2), (0, 0, 0, 1), (0, 1, 1, 1)):
                ax, ay, bx, by = seg
                p = (x + ax * 0.07, 0.195 + ay * 0.07, x + bx * 0.07, 0.195 + by * 0.07)
                w = 0.018
                _rr(d, size, (min(p[0], p[2]) - w, min(p[1], p[3]) - w, max(p[0], p[2]) + w,
                              max(p[1], p[3]) + w), 0.01, (30, 40, 48, 255))
    keys = [(0, 0, (226, 224, 218)), (1, 0, (226, 224, 218)), (2, 0, (236, 140, 44)),
            (0, 1, (226, 224, 218)), (1, 1, (226, 224, 218)), (2, 1, (236, 140, 44))]
    kx0, ky0 = (0.17, 0.47) if not small else (0.12, 0.47)
    kw, kh = (0.22, 0.17) if not small else (0.26, 0.2)
    gap = 0.0 if small else 0.02
    for cx, cy, col in keys:
        x = kx0 + cx * (kw + gap)
        y = ky0 + cy * (kh + gap + 0.02)
        _rr(d, size, (x, y, x + kw - (0.03 if small else 0.0), y + kh - (0.03 if small else 0.0)),
            0.04, col + (255,))
    rgba.alpha_composite(body)
    out = rgba.resize((size, size), Image.BOX)
    return np.array(out)


def _menu(draw_fn, k):
    size = int(16 * k + 0.5)
    big = size * SS
    img = Image.new('L', (big, big), 0)
    draw_fn(ImageDraw.Draw(img), SS * k)
    cov = np.asarray(img.resize((size, size), Image.BOX), np.float32)[..., None] / 255.0
    return cov


def menu_images(k=1.0):
    """The 16 x 16 menu images at scale k."""
    bg = np.array(MENU_BACKGROUND, np.float32)

    def box(d, s):
        d.rounded_rectangle([2 * s, 2 * s, 14 * s - 1, 14 * s - 1], radius=3 * s, fill=255)

    def hole(d, s):
        d.rounded_rectangle([3.4 * s, 3.4 * s, 12.6 * s - 1, 12.6 * s - 1], radius=2 * s, fill=255)

    def tick(d, s):
        d.line([(4.6 * s, 8.2 * s), (7 * s, 10.6 * s), (11.6 * s, 5.2 * s)], fill=255, width=int(1.9 * s), joint='curve')

    def dot(d, s):
        d.ellipse([4.5 * s, 4.5 * s, 11.5 * s, 11.5 * s], fill=255)

    green = np.array([46, 160, 90], np.float32)
    grey = np.array([120, 124, 132], np.float32)
    white = np.array([252, 252, 252], np.float32)
    ink = np.array([40, 44, 52], np.float32)

    on = bg + (green - bg) * _menu(box, k)
    on = on + (white - on) * _menu(tick, k)
    off = bg + (grey - bg) * _menu(box, k)
    off = off + (bg - off) * _menu(hole, k)
    mark = bg + (ink - bg) * _menu(dot, k)
    return {name: np.clip(np.round(px), 0, 255).astype(np.uint8)
            for name, px in (('MENU_ON', on), ('MENU_OFF', off), ('MENU_MARK', mark))}
