"""The calculator face: body, display bezel and the 71 keys in their three looks, plus the mask."""
import numpy as np
from PIL import Image, ImageDraw

import paint
from paint import Layer, blur, rounded_rect, scaled, text_mask, to_float

SCALE = 4  # supersampling grid: painted at 4x the target size and averaged down
# The display scale being made (1 = 100 %) and the grid units per 1x unit at it; build() sets them.
K = 1.0
S = SCALE * K
BACKGROUND = (255, 255, 255)  # outside the outline; the window region never shows it
LIGHT = np.array([-0.55, -0.83])  # light falls from the upper left

# Cap colour, legend colour and legend style of each key group.
GROUPS = {
    'digit': dict(cap=(226, 224, 218), ink=(38, 40, 46), size=17, kind='sans'),
    'hex': dict(cap=(176, 184, 196), ink=(30, 38, 56), size=15, kind='sans'),
    'operator': dict(cap=(236, 140, 44), ink=(255, 252, 246), size=20, kind='sans'),
    'equals': dict(cap=(236, 140, 44), ink=(255, 252, 246), size=24, kind='sans'),
    'logic': dict(cap=(84, 90, 104), ink=(255, 200, 120), size=11, kind='cond'),
    'function': dict(cap=(58, 62, 72), ink=(236, 240, 246), size=10, kind='cond'),
    'memory': dict(cap=(56, 92, 128), ink=(236, 244, 252), size=10.5, kind='cond'),
    'tool': dict(cap=(40, 112, 120), ink=(236, 250, 250), size=13, kind='cond'),
    'clear': dict(cap=(212, 70, 60), ink=(255, 246, 244), size=13, kind='cond'),
    'window': dict(cap=(58, 62, 72), ink=(236, 240, 246), size=12, kind='cond'),
    'base': dict(cap=(66, 72, 84), ink=(220, 228, 238), size=8, kind='cond'),
}
RIGHT_INK = (246, 176, 84)  # the right-button function printed above a key


def cap_rect(key):
    """The visible key cap inside the key's rectangle (1x units); always clear of neighbours."""
    x, y, w, h = key['rect']
    g = key['group']
    if g in ('function', 'memory') or key['name'] in ('pi', 'jd_hd'):
        return (x + 1.5, y + 11.5, x + w - 1.5, y + 32.5), 4.0
    if g == 'base':
        return (x + 1.0, y + 1.5, x + w - 1.0, y + 13.0), 3.0
    return (x + 1.5, y + 1.5, x + w - 1.5, y + h - 2.5), 5.5


def grid_size(layout):
    """The supersampled grid of the face at the current scale: (width, height)."""
    fw, fh = layout['face']['width'], layout['face']['height']
    return scaled(fw, K) * SCALE, scaled(fh, K) * SCALE


def scaled_rect(rect):
    """A 1x (x, y, w, h) at the current scale, by its edges, so neighbours stay neighbours."""
    x, y, w, h = rect
    sx, sy = scaled(x, K), scaled(y, K)
    return sx, sy, scaled(x + w, K) - sx, scaled(y + h, K) - sy


def body_outline(layout):
    """Supersampled coverage of the body: rounded shell with a raised crest at the top centre."""
    fw = layout['face']['width']
    rows = layout['mask']['body_rows']
    x0, x1 = layout['mask']['top_run']
    s = S
    img = Image.new('L', grid_size(layout), 0)
    d = ImageDraw.Draw(img)
    top = 9
    d.rounded_rectangle([0, top * s, fw * s - 1, rows * s - 1], radius=34 * s, fill=255)
    centre = (x0 + x1 + 1) / 2
    half = (x1 + 1 - x0) / 2
    left, right = [], []
    for i in range(0, 41):
        y = top + 1 - (top + 1) * i / 40  # from below the shell's top edge up to row 0
        t = y / (top + 1)
        wdt = half + 26 * t ** 2.2
        left.append(((centre - wdt) * s, y * s))
        right.append(((centre + wdt) * s, y * s))
    d.polygon(left + right[::-1], fill=255)
    return img


def body_mask(layout, outline):
    """One bit per pixel, True inside: the coverage at half, with row 0 exactly the crest's run."""
    gw, gh = grid_size(layout)
    cov = to_float(outline).reshape(gh // SCALE, SCALE, gw // SCALE, SCALE).mean(axis=(1, 3))
    inside = cov >= 0.5
    if K == 1.0:
        x0, x1 = layout['mask']['top_run']
        inside[0, :] = False
        inside[0, x0:x1 + 1] = True
    inside[scaled(layout['mask']['body_rows'], K):, :] = False
    return inside


def emboss(mask_img, radius, strength):
    """Directional shading of a coverage picture's edges: + where the edge faces the light."""
    b = to_float(blur(mask_img, radius))
    gy, gx = np.gradient(b)
    return -(gx * LIGHT[0] + gy * LIGHT[1]) * strength * radius


def texture(layout, seed, brushed):
    """Per-pixel grain (target pixels), repeated to the grid so it survives the downsample."""
    gw, gh = grid_size(layout)
    fw, fh = gw // SCALE, gh // SCALE
    rng = np.random.RandomState(seed)
    n = rng.normal(size=(fh, fw + scaled(64, K))).astype(np.float32)
    if brushed:
        k = scaled(48, K)
        c = np.cumsum(n, axis=1)
        n = (c[:, k:] - c[:, :-k])[:, :fw] / np.sqrt(k)
        n += 0.35 * rng.normal(size=(fh, fw)).astype(np.float32)
    else:
        n = n[:, :fw]
    return np.repeat(np.repeat(n, SCALE, axis=0), SCALE, axis=1)


def paint_body(layer, layout, outline):
    fw, fh = layout['face']['width'], layout['face']['height']
    s = S
    yy, xx = np.mgrid[0:layer.gh, 0:layer.gw].astype(np.float32)
    t = (xx / (fw * s) * 0.35 + yy / (fh * s) * 0.65)
    shell_top = np.array([62, 66, 74], np.float32)
    shell_bot = np.array([30, 32, 37], np.float32)
    layer.px[:] = shell_top + (shell_bot - shell_top) * t[..., None]
    layer.px += texture(layout, 11, False)[..., None] * 1.4
    # Rounded edge of the shell.
    layer.px += emboss(outline, 5 * s, 55)[..., None]
    layer.px += emboss(outline, 1.0 * s, 45)[..., None]
    rim = 1.0 - to_float(blur(outline, 1.2 * s))
    layer.px *= (1.0 - np.clip(rim * 1.6, 0, 0.75))[..., None]

    # Brushed face plate set into the shell.
    plate = rounded_rect(s, (0, 0, layer.gw, layer.gh), (7, 15, fw - 7, layout['mask']['body_rows'] - 7), 27)
    pa = to_float(plate)
    ptop = np.array([84, 88, 97], np.float32)
    pbot = np.array([50, 53, 60], np.float32)
    pcol = ptop + (pbot - ptop) * (yy / (fh * s))[..., None]
    pcol += texture(layout, 12, True)[..., None] * 2.2
    layer.px += (pcol - layer.px) * pa[..., None]
    # A bright chamfer on the plate's upper left edge, a dark one on the lower right.
    layer.px += (emboss(plate, 0.9 * s, 70) * 1.0)[..., None]


def paint_bezel(layer, layout):
    lx, ly, lw, lh = layout['lcd']['rect']
    fx, fy, fw_, fh_ = layout['formula_bar']['rect']
    s = S
    outer = (38.0, 31.0, 425.0, 128.5)
    box = layer.region(*outer, pad=8)
    # Drop shadow and a raised chrome ring, then the black glass.
    sh = to_float(blur(rounded_rect(s, box, (outer[0] + 0.5, outer[1] + 2, outer[2] + 0.5, outer[3] + 2.5), 11), 2.5 * s))
    layer.paint(box, sh * 0.55, (8, 9, 11))
    ring = rounded_rect(s, box, outer, 11)
    ra = to_float(ring)
    yy = np.linspace(0, 1, box[3] - box[1], dtype=np.float32)[:, None, None]
    chrome = np.array([150, 156, 166], np.float32) * (1 - yy) + np.array([70, 74, 82], np.float32) * yy
    layer.paint(box, ra, np.broadcast_to(chrome, ra.shape + (3,)))
    inner = (outer[0] + 2, outer[1] + 2, outer[2] - 2, outer[3] - 2)
    ga = to_float(rounded_rect(s, box, inner, 9.5))
    glass = np.array([30, 33, 39], np.float32) * (1 - yy) + np.array([14, 15, 18], np.float32) * yy
    layer.paint(box, ga, np.broadcast_to(glass, ga.shape + (3,)))
    # Gloss across the upper part of the glass.
    gloss = to_float(rounded_rect(s, box, (inner[0] + 3, inner[1] + 1.5, inner[2] - 3, inner[1] + 9), 5))
    fade = np.clip(1.0 - (np.arange(box[3] - box[1], dtype=np.float32)[:, None] / s - (inner[1] - box[1] / s + 1.5)) / 8.0, 0, 1)
    layer.paint(box, gloss * fade * 0.10, (255, 255, 255))

    # The LCD window: a dark recess one pixel wide around the flat LCD colour.
    for rect, colour, frame in (((lx, ly, lx + lw, ly + lh), layout['lcd']['colour'], (6, 7, 9)),
                                ((fx, fy, fx + fw_, fy + fh_), layout['formula_bar']['colour'], (6, 7, 9))):
        fb = layer.region(*rect, pad=3)
        fr = to_float(rounded_rect(s, fb, (rect[0] - 1.5, rect[1] - 1.5, rect[2] + 1.5, rect[3] + 1.5), 2.5))
        layer.paint(fb, fr, frame)
        hl = to_float(rounded_rect(s, fb, (rect[0] - 1.5, rect[1] - 1.5 + 0.75 * 0, rect[2] + 1.5, rect[3] + 2.0), 2.5)) - fr
        layer.paint(fb, np.clip(hl, 0, 1) * 0.35, (120, 126, 136))
        ia = to_float(rounded_rect(s, fb, rect, 0.01))
        layer.paint(fb, ia, colour)


def paint_key(layer, key, look):
    g = GROUPS[key['group']]
    (cx0, cy0, cx1, cy1), r = cap_rect(key)
    s = S
    base = np.array(g['cap'], np.float32)
    ink = np.array(g['ink'], np.float32)
    if look == 'hover':
        base = base + (255 - base) * 0.16
    elif look == 'pressed':
        base = base * 0.80
        ink = ink * 0.88
    travel = {'normal': 0.0, 'hover': 0.0, 'pressed': 1.0}[look]
    skirt = 2.4 if look != 'pressed' else 1.4
    box = layer.region(cx0, cy0, cx1, cy1, pad=4)
    # Shadow on the plate: long for a key at rest, short for a key held down.
    if look == 'pressed':
        off, rad, dark = 0.3, 0.7, 0.45
    else:
        off, rad, dark = 1.4, 1.5, 0.62
    sh = to_float(blur(rounded_rect(s, box, (cx0 + 0.2, cy0 + off, cx1 + 0.2, cy1 + off), r), rad * s))
    layer.paint(box, sh * dark, (10, 11, 13))
    if look == 'hover':
        # A soft halo tells the key under the mouse even where the cap is already light.
        halo = to_float(blur(rounded_rect(s, box, (cx0 - 0.6, cy0 - 0.6, cx1 + 0.6, cy1 + 0.6), r + 0.6), 0.9 * s))
        layer.paint(box, np.clip(halo * 1.4, 0, 1) * 0.55, (150, 205, 255))
    # The skirt: the cap's sides, seen below its top face.
    body = (cx0, cy0 + travel, cx1, cy1 + travel * 0.4)
    ma = rounded_rect(s, box, body, r)
    a = to_float(ma)
    layer.paint(box, a, base * 0.66)
    # The top face, with light from above.
    top = (cx0 + 1.2, cy0 + travel + 0.6, cx1 - 1.2, cy1 + travel * 0.4 - skirt)
    ta_img = rounded_rect(s, box, top, max(1.0, r - 1.2))
    ta = to_float(ta_img)
    hgt = box[3] - box[1]
    yy = (np.arange(hgt, dtype=np.float32)[:, None] + box[1]) / s
    t = np.clip((yy - top[1]) / max(1.0, top[3] - top[1]), 0, 1)[..., None]
    face = base * (1.10 - 0.16 * t)
    face = np.minimum(face, 250)
    layer.paint(box, ta, np.broadcast_to(face, ta.shape + (3,)))
    # A soft highlight along the top face's upper edge and a darker lower edge.
    e = emboss(ta_img, 0.6 * s, 0.9)
    layer.px[box[1]:box[3], box[0]:box[2]] += (e * ta * 40)[..., None]
    lip = np.clip(a - ta, 0, 1)
    layer.paint(box, lip * np.clip(1 - t[..., 0] * 1.2, 0, 1) * 0.18, (255, 255, 255))

    # Legend.
    mx = (top[0] + top[2]) / 2
    my = (top[1] + top[3]) / 2
    legend = key['legend']
    if legend == '@power':
        m = power_symbol(s, box, mx, my, 6.2)
        layer.paint(box, to_float(m), (250, 96, 84) if look != 'pressed' else (220, 84, 74))
    elif legend == '.':
        m = paint.mask_image(box, s, lambda d, local: d.ellipse(
            [*local(mx - 2.3, my + 1.7), *local(mx + 2.3, my + 6.3)], fill=255))
        layer.paint(box, to_float(m), ink)
    elif legend == '@minimise':
        m = rounded_rect(s, box, (mx - 6, my + 2.5, mx + 6, my + 4.5), 1)
        layer.paint(box, to_float(m), ink)
    else:
        size, kind = g['size'], g['kind']
        if any(paint.is_cjk(c) for c in legend):
            size = 12 if key['group'] != 'function' else 10.5
        elif '^' in legend:
            size = 12
        elif legend == 'π':
            size, kind = 15, 'sans'
        elif legend == '←':
            size, kind = 19, 'sans'
        m = text_mask(box, s, mx, my + (1.0 if legend == '←' else 0.0), legend, size, kind)
        layer.paint(box, to_float(m), ink)


def power_symbol(s, box, cx, cy, radius):
    def fn(d, local):
        a = local(cx - radius, cy - radius)
        b = local(cx + radius, cy + radius)
        d.arc([a[0], a[1], b[0], b[1]], start=-50, end=230, fill=255, width=int(1.7 * s))
        p = local(cx - 0.85, cy - radius - 1.2)
        q = local(cx + 0.85, cy + 0.4)
        d.rounded_rectangle([p[0], p[1], q[0], q[1]], radius=0.8 * s, fill=255)
    return paint.mask_image(box, s, fn)


def paint_right_legends(layer, keys):
    for key in keys:
        if 'right' not in key:
            continue
        x, y, w, h = key['rect']
        box = layer.region(x - 4, y, x + w + 4, y + 12)
        size = 10 if any(paint.is_cjk(c) for c in key['right']) else 9
        m = text_mask(box, S, x + w / 2, y + 6.0, key['right'], size, 'cond')
        layer.paint(box, to_float(m), RIGHT_INK)


def paint_text(layer, cx, cy, text, size, kind, colour, tracking=0.0, width=200):
    box = layer.region(cx - width / 2, cy - size, cx + width / 2, cy + size)
    m = text_mask(box, S, cx, cy, text, size, kind, tracking)
    layer.paint(box, to_float(m), colour)


def paint_marks(layer, layout):
    # Maker's mark and model line in the free area left of the memory column.
    paint_text(layer, 70, 146, 'Orvanta', 19, 'bold', (236, 238, 242), tracking=0.3, width=120)
    paint_text(layer, 70, 167, '语音计算器', 11, 'cond', (246, 176, 84), tracking=2.2, width=120)
    paint_text(layer, 70, 184, '14-DIGIT · SCIENTIFIC', 6.5, 'cond', (150, 156, 168), tracking=0.6, width=120)
    # The speaker grille in the crest: two staggered rows of small holes.
    x0, x1 = layout['mask']['top_run']
    cx = (x0 + x1 + 1) / 2
    box = layer.region(cx - 24, 0, cx + 24, 14)
    holes = paint.mask_image(box, S, lambda d, local: [
        d.ellipse([*local(cx + dx * 4.0 - 0.95 + (2.0 if row else 0.0), 4.2 + row * 3.4 - 0.95),
                   *local(cx + dx * 4.0 + 0.95 + (2.0 if row else 0.0), 4.2 + row * 3.4 + 0.95)], fill=255)
        for row in (0, 1) for dx in range(-4 + row, 4 + (0 if row else 1)) if abs(dx + row * 0.5) <= 4])
    hl = to_float(holes)
    layer.paint(box, hl, (10, 11, 13))
    lip = np.roll(hl, int(S) // 2, axis=0) - hl
    layer.paint(box, np.clip(lip, 0, 1) * 0.35, (150, 156, 166))


def paint_strip(layer, layout, base):
    """The base switch at its own place with the knob at `base`."""
    x, y, w, h = layout['strip']['rect']
    s = S
    box = layer.region(x, y, x + w, y + h)
    slot = rounded_rect(s, box, (x + 2.5, y + 1.0, x + w - 2.5, y + h - 1.0), 3.5)
    layer.paint(box, to_float(slot), (14, 15, 18))
    inner_sh = to_float(rounded_rect(s, box, (x + 2.5, y + 2.2, x + w - 2.5, y + h - 1.0), 3.5))
    layer.paint(box, np.clip(to_float(slot) - inner_sh, 0, 1) * 0.8, (0, 0, 0))
    lo, hi = layout['strip']['bands'][base]
    cy = y + (lo + hi) / 2.0
    kb = (x + 1.0, cy - 6.0, x + w - 1.0, cy + 6.0)
    sh = to_float(blur(rounded_rect(s, box, (kb[0], kb[1] + 1.2, kb[2], kb[3] + 1.2), 2.5), 1.0 * s))
    layer.paint(box, sh * 0.7, (0, 0, 0))
    k = rounded_rect(s, box, kb, 2.5)
    yy = (np.arange(box[3] - box[1], dtype=np.float32)[:, None] + box[1]) / s
    t = np.clip((yy - kb[1]) / 12.0, 0, 1)[..., None]
    metal = np.array([226, 230, 236], np.float32) * (1 - t) + np.array([140, 146, 156], np.float32) * t
    layer.paint(box, to_float(k), np.broadcast_to(metal, (box[3] - box[1], box[2] - box[0], 3)))
    for i in (-2.5, 0, 2.5):
        g = rounded_rect(s, box, (kb[0] + 2.5, cy + i - 0.4, kb[2] - 2.5, cy + i + 0.4), 0.3)
        layer.paint(box, to_float(g) * 0.7, (90, 96, 106))
    # The lit band matching the chosen base button.
    led = rounded_rect(s, box, (kb[0] + 1.2, cy - 0.6, kb[0] + 2.6, cy + 0.6), 0.6)
    del led


def render(layout, look):
    """The whole face with every key in one look, at 1x, as floats (h, w, 3)."""
    fw, fh = layout['face']['width'], layout['face']['height']
    layer = Layer(fw, fh, SCALE, K)
    outline = body_outline(layout)
    paint_body(layer, layout, outline)
    paint_bezel(layer, layout)
    paint_marks(layer, layout)
    paint_right_legends(layer, layout['keys'])
    for key in layout['keys']:
        paint_key(layer, key, look)
    return layer, outline


def strip_looks(layout):
    """The four 14 x 59 looks of the base switch, cut from renders at the switch's place."""
    fw, fh = layout['face']['width'], layout['face']['height']
    looks = {}
    outline = body_outline(layout)
    x, y, w, h = scaled_rect(layout['strip']['rect'])
    for base in ('HEX', 'DEC', 'OCT', 'BIN'):
        layer = Layer(fw, fh, SCALE, K)
        paint_body(layer, layout, outline)
        paint_strip(layer, layout, base)
        looks[base] = layer.downsample()[y:y + h, x:x + w]
    return looks


def own_regions(layout):
    """For each key, the pixels of its rectangle that no other key's rectangle covers."""
    gw, gh = grid_size(layout)
    count = np.zeros((gh // SCALE, gw // SCALE), np.int32)
    for key in layout['keys']:
        x, y, w, h = scaled_rect(key['rect'])
        count[y:y + h, x:x + w] += 1
    own = np.zeros(count.shape, bool)
    for key in layout['keys']:
        x, y, w, h = scaled_rect(key['rect'])
        own[y:y + h, x:x + w] |= count[y:y + h, x:x + w] == 1
    return own


def finish(px, inside):
    out = np.clip(np.round(px), 0, 255).astype(np.uint8)
    # Inside the outline no pixel may equal the background colour.
    bg = np.all(out == BACKGROUND, axis=2) & inside
    out[bg] = (254, 254, 254)
    out[~inside] = BACKGROUND
    return out


def build(layout, k=1.0):
    """Returns the faces {'Image2', 'Image3', 'Image4'} at scale k as uint8 arrays and the mask
    (True inside)."""
    global K, S
    K, S = k, SCALE * k
    normal_layer, outline = render(layout, 'normal')
    inside = body_mask(layout, outline)
    normal = normal_layer.downsample()
    looks = strip_looks(layout)
    own = own_regions(layout)[..., None]
    faces = {}
    for name, look in (('Image2', 'normal'), ('Image3', 'hover'), ('Image4', 'pressed')):
        if look == 'normal':
            px = normal.copy()
        else:
            px = np.where(own, render(layout, look)[0].downsample(), normal)
        x, y, w, h = scaled_rect(layout['strip']['rect'])
        if name == 'Image3':
            for base, (lx, ly) in layout['strip']['looks'].items():
                lx, ly = scaled(lx, K), scaled(ly, K)
                px[ly:ly + h, lx:lx + w] = looks[base]
        else:
            px[y:y + h, x:x + w] = looks['DEC']
        # The program draws the LCD and the formula bar over these places in exactly these colours.
        for place in (layout['lcd'], layout['formula_bar']):
            x, y, w, h = scaled_rect(place['rect'])
            px[y:y + h, x:x + w] = place['colour']
        faces[name] = finish(px, inside)
    return faces, inside
