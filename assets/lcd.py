"""LCD pictures: seven-segment glyphs, indicator lights and operator lights, on the LCD colour."""
import numpy as np
from PIL import Image, ImageDraw

from paint import scaled

INK = np.array([30, 40, 48], np.float32)
SS = 8

# Segments a..g of the classic seven-segment digit.
SEGMENTS = {
    '0': 'abcdef', '1': 'bc', '2': 'abdeg', '3': 'abcdg', '4': 'bcfg', '5': 'acdfg',
    '6': 'acdefg', '7': 'abc', '8': 'abcdefg', '9': 'abcdfg', 'A': 'abcefg', 'B': 'cdefg',
    'C': 'adef', 'D': 'bcdeg', 'E': 'adefg', 'F': 'aefg', '-': 'g',
}


def _segment_polys(w, h):
    """Hexagonal segments in 1x units for a w x h cell, slanted a little to the right."""
    left, right, top, bottom = 3.0, w - 1.4, 4.5, h - 4.0
    t = 3.7  # stroke
    g = 0.4  # gap between neighbouring segments
    mid = (top + bottom) / 2
    slant = 1.6 / (bottom - top)

    def sk(x, y):
        return (x + (bottom - y) * slant, y)

    def horiz(y):
        return [sk(left + g + t / 2, y), sk(left + g + t, y - t / 2), sk(right - g - t, y - t / 2),
                sk(right - g - t / 2, y), sk(right - g - t, y + t / 2), sk(left + g + t, y + t / 2)]

    def vert(x, y0, y1):
        return [sk(x, y0 + g + t / 2), sk(x + t / 2, y0 + g + t), sk(x + t / 2, y1 - g - t),
                sk(x, y1 - g - t / 2), sk(x - t / 2, y1 - g - t), sk(x - t / 2, y0 + g + t)]

    lx, rx = left + t / 2, right - t / 2
    ty, by = top + t / 2, bottom - t / 2
    return {
        'a': horiz(ty), 'g': horiz(mid), 'd': horiz(by),
        'f': vert(lx, ty, mid), 'b': vert(rx, ty, mid),
        'e': vert(lx, mid, by), 'c': vert(rx, mid, by),
    }, sk, (top, bottom, mid, t)


def _render(w, h, bg, draw_fn, k=1.0):
    """Draws in 1x units at scale k: draw_fn(draw, to_grid) on a grid SS times the target size."""
    w, h = scaled(w, k), scaled(h, k)
    img = Image.new('L', (w * SS, h * SS), 0)
    d = ImageDraw.Draw(img)
    draw_fn(d, lambda pts: [(x * SS * k, y * SS * k) for x, y in pts])
    cov = np.asarray(img, np.float32).reshape(h, SS, w, SS).mean(axis=(1, 3)) / 255.0
    bgc = np.array(bg, np.float32)
    px = bgc + (INK - bgc) * cov[..., None]
    return np.clip(np.round(px), 0, 255).astype(np.uint8)


def glyph(ch, w, h, bg, k=1.0):
    polys, sk, (top, bottom, mid, t) = _segment_polys(w, h)

    def dot(d, grid, cx, cy, r):
        pts = [sk(cx - r, cy - r), sk(cx + r, cy - r), sk(cx + r, cy + r), sk(cx - r, cy + r)]
        d.polygon(grid(pts), fill=255)

    def fn(d, grid):
        if ch in SEGMENTS:
            for seg in SEGMENTS[ch]:
                d.polygon(grid(polys[seg]), fill=255)
        elif ch == '.':
            dot(d, grid, w / 2, bottom - 1.9, 1.9)
        elif ch == ',':
            dot(d, grid, w / 2, bottom - 1.9, 1.9)
            tail = [sk(w / 2 + 0.3, bottom - 0.2), sk(w / 2 + 1.9, bottom - 0.2),
                    sk(w / 2 - 0.8, bottom + 3.4), sk(w / 2 - 1.9, bottom + 3.4)]
            d.polygon(grid(tail), fill=255)
        elif ch == ':':
            dot(d, grid, w / 2, top + (mid - top) * 0.55, 1.9)
            dot(d, grid, w / 2, mid + (bottom - mid) * 0.45, 1.9)

    return _render(w, h, bg, fn, k)


# 5 x 7 letters for the annunciators.
FONT5X7 = {
    'S': ['01111', '10000', '10000', '01110', '00001', '00001', '11110'],
    'T': ['11111', '00100', '00100', '00100', '00100', '00100', '00100'],
    'D': ['11110', '10001', '10001', '10001', '10001', '10001', '11110'],
    'C': ['01110', '10001', '10000', '10000', '10000', '10001', '01110'],
    'I': ['111', '010', '010', '010', '010', '010', '111'],
    'E': ['11111', '10000', '10000', '11110', '10000', '10000', '11111'],
    'G': ['01110', '10001', '10000', '10111', '10001', '10001', '01111'],
    'R': ['11110', '10001', '10001', '11110', '10100', '10010', '10001'],
    'A': ['01110', '10001', '10001', '11111', '10001', '10001', '10001'],
    'M': ['10001', '11011', '10101', '10101', '10001', '10001', '10001'],
}

SPEAKER = [
    '....................',
    '.........#..........',
    '........##...#......',
    '.......#.#....#.....',
    '..#####..#.#...#....',
    '..#......#..#..#....',
    '..#####..#.#...#....',
    '.......#.#....#.....',
    '........##...#......',
    '.........#..........',
    '....................',
]
HAND = [
    '.......##...........',
    '......#..#..........',
    '......#..#..........',
    '......#..####.......',
    '...##.#..#..###.....',
    '..#..##..#..#..#....',
    '...#..#........#....',
    '....#..........#....',
    '.....#........#.....',
    '......#.......#.....',
    '.......#######......',
]
OPERATORS = {
    'add_on': ['.........', '....#....', '....#....', '....#....', '#########',
               '....#....', '....#....', '....#....', '.........'],
    'sub_on': ['.........', '.........', '.........', '.........', '#########',
               '.........', '.........', '.........', '.........'],
    'sum_on': ['.........', '.#.....#.', '..#...#..', '...#.#...', '....#....',
               '...#.#...', '..#...#..', '.#.....#.', '.........'],
    'div_on': ['.........', '....#....', '.........', '.........', '#########',
               '.........', '.........', '....#....', '.........'],
}


def _bitmap(rows, bg, k=1.0):
    """A pixel design at scale k: each design pixel a square of k target pixels, its edges
    covered in part where they fall between pixels (at 1x the design itself)."""
    on = np.array([[c == '#' for c in r] for r in rows])
    if k == 1.0:
        px = np.empty(on.shape + (3,), np.uint8)
        px[:] = bg
        px[on] = INK.astype(np.uint8)
        return px
    h, w = on.shape
    th, tw = scaled(h, k), scaled(w, k)
    ys = np.minimum(((np.arange(th * SS) + 0.5) / (SS * k)).astype(int), h - 1)
    xs = np.minimum(((np.arange(tw * SS) + 0.5) / (SS * k)).astype(int), w - 1)
    cov = on[ys][:, xs].astype(np.float32).reshape(th, SS, tw, SS).mean(axis=(1, 3))
    bgc = np.array(bg, np.float32)
    px = bgc + (INK - bgc) * cov[..., None]
    return np.clip(np.round(px), 0, 255).astype(np.uint8)


def _word(text, w, h, bg, k=1.0):
    cols = []
    for i, ch in enumerate(text):
        if i:
            cols.append(['0'] * 7)
        rows = FONT5X7[ch]
        cols.extend([r[x] for r in rows] for x in range(len(rows[0])))
    width = len(cols)
    x0 = (w - width) // 2
    y0 = (h - 7) // 2
    grid = [['.'] * w for _ in range(h)]
    for x, col in enumerate(cols):
        for y, bit in enumerate(col):
            if bit == '1':
                grid[y0 + y][x0 + x] = '#'
    return _bitmap([''.join(r) for r in grid], bg, k)


def indicators(bg, k=1.0):
    w, h = 20, 11
    pics = {
        'sound_on': _bitmap(SPEAKER, bg, k),
        'mem_on': _word('M', w, h, bg, k),
        'error_on': _word('E', w, h, bg, k),
        'PT_MODE': _word('STD', w, h, bg, k),
        'KX_MODE': _word('SCI', w, h, bg, k),
        'angle_jd': _word('DEG', w, h, bg, k),
        'angle_hd': _word('RAD', w, h, bg, k),
        'input_hand': _bitmap(HAND, bg, k),
    }
    for name, rows in OPERATORS.items():
        pics[name] = _bitmap(rows, bg, k)
    return pics


def glyphs(layout, k=1.0):
    g = layout['glyph']
    bg = layout['lcd']['colour']
    return {name: glyph(ch, g['width'], g['height'], bg, k) for ch, name in g['names'].items()}
