#!/usr/bin/env python3
"""Makes every picture and voice clip of the program, its resource script and the face layout header.

Run from anywhere: `make assets`. The output is the same bytes on every run.
"""
import json
import os
import shutil
import subprocess
import sys

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import face  # noqa: E402
import formats  # noqa: E402
import icons  # noqa: E402
import lcd  # noqa: E402
import layout_header  # noqa: E402
import resource_script  # noqa: E402
import voice  # noqa: E402

ROOT = os.path.dirname(HERE)
RES = os.path.join(ROOT, 'resources')


def write(rel, data):
    path = os.path.join(ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if isinstance(data, str):
        data = data.encode('utf-8')
    with open(path, 'wb') as f:
        f.write(data)


def check_mask(faces, inside, layout):
    """The outline and the faces must agree pixel for pixel."""
    bg = np.array(face.BACKGROUND, np.uint8)
    for name, px in faces.items():
        is_bg = np.all(px == bg, axis=2)
        assert np.all(is_bg[~inside]), f'{name}: a pixel outside the outline is painted'
        assert not np.any(is_bg[inside]), f'{name}: a pixel inside the outline is unpainted'
    x0, x1 = layout['mask']['top_run']
    assert list(np.nonzero(inside[0])[0]) == list(range(x0, x1 + 1))


def write_header(layout):
    rel = 'src/face/face_layout.h'
    write(rel, layout_header.header(layout))
    formatter = shutil.which('clang-format')
    if formatter:
        subprocess.run([formatter, '-i', os.path.join(ROOT, rel)], check=True, cwd=ROOT)


# The display scales other than 100 % that get their own pictures, by dots per inch.
SCALED_DPIS = (120, 144, 192)
# The icon's sizes: 16 and 32 at 100 %, 20 and 40 at 125 %, 24 and 48 at 150 %, 32 and 64 at
# 200 %, and 256 for large views.
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def sparse_look(px, layout, k, name):
    """A hover or pressed face at another scale, kept only where it differs from the normal face
    (the key rectangles, and in Image3 the switch's looks): white elsewhere compresses to nothing,
    and the program takes the rest from the normal face."""
    out = np.full_like(px, 255)
    rects = [face.scaled_rect(key['rect']) for key in layout['keys']]
    if name == 'Image3':
        _, _, w, h = face.scaled_rect(layout['strip']['rect'])
        rects += [(face.scaled(x, k), face.scaled(y, k), w, h)
                  for x, y in layout['strip']['looks'].values()]
    for x, y, w, h in rects:
        out[y:y + h, x:x + w] = px[y:y + h, x:x + w]
    return out


def write_scaled(layout, dpi):
    """The pictures at dpi / 96 as PNGs under resources/<dpi>/, read by the program only there."""
    k = dpi / 96
    faces, inside = face.build(layout, k)
    white = np.ones((face.scaled(layout['mask']['height'], k),
                     face.scaled(layout['mask']['width'], k)), bool)
    white[:inside.shape[0], :inside.shape[1]] = ~inside
    write(f'resources/{dpi}/Image1.png', formats.png(white))
    for name, px in faces.items():
        if name != 'Image2':
            px = sparse_look(px, layout, k, name)
        write(f'resources/{dpi}/{name}.png', formats.png(px))
    pictures = dict(lcd.glyphs(layout, k))
    pictures.update(lcd.indicators(layout['lcd']['colour'], k))
    pictures.update(icons.menu_images(k))
    for name, px in pictures.items():
        write(f'resources/{dpi}/{name}.png', formats.png(px))


def main():
    with open(os.path.join(HERE, 'layout.json'), encoding='utf-8') as f:
        layout = json.load(f)
    write_header(layout)

    faces, inside = face.build(layout)
    check_mask(faces, inside, layout)
    mask_h = layout['mask']['height']
    white = np.ones((mask_h, layout['mask']['width']), bool)
    white[:inside.shape[0]] = ~inside
    write('resources/face/Image1.bmp', formats.bmp1(white))
    for name, px in faces.items():
        write(f'resources/face/{name}.bmp', formats.bmp24(px))

    for name, px in lcd.glyphs(layout).items():
        write(f'resources/lcd/{name}.bmp', formats.bmp24(px))
    for name, px in lcd.indicators(layout['lcd']['colour']).items():
        write(f'resources/lcd/{name}.bmp', formats.bmp24(px))
    for name, px in icons.menu_images().items():
        write(f'resources/menu/{name}.bmp', formats.bmp24(px))
    for dpi in SCALED_DPIS:
        write_scaled(layout, dpi)
    write('resources/orvanta.ico', formats.ico([icons.app_icon(s) for s in ICON_SIZES]))

    for name, samples in voice.clips(layout).items():
        write(f'resources/voice/{name}.wav', formats.wav_u8(samples, voice.RATE))

    write('resources/orvanta.manifest', resource_script.manifest())
    write('resources/orvanta.rc', resource_script.script(layout, SCALED_DPIS))


if __name__ == '__main__':
    main()
