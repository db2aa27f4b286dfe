"""Byte-exact writers for the resource files: BMP, ICO and WAV without timestamps."""
import io
import struct

import numpy as np
from PIL import Image


def _bmp_file(width, height, bit_count, palette, rows_bottom_up):
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bit_count, 0,
                       len(rows_bottom_up), 2835, 2835, len(palette) // 4, 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(rows_bottom_up), 0, 0, offset)
    return header + info + palette + rows_bottom_up


def bmp24(rgb):
    """A 24-bit bottom-up BMP of an (h, w, 3) uint8 array."""
    h, w, _ = rgb.shape
    stride = (w * 3 + 3) & ~3
    bgr = np.zeros((h, stride), np.uint8)
    bgr[:, :w * 3] = rgb[::-1, :, ::-1].reshape(h, w * 3)
    return _bmp_file(w, h, 24, b'', bgr.tobytes())


def bmp1(white):
    """A one-bit BMP: True pixels white (palette 1), False black (palette 0)."""
    h, w = white.shape
    stride = ((w + 31) // 32) * 4
    packed = np.packbits(white[::-1].astype(np.uint8), axis=1)
    rows = np.zeros((h, stride), np.uint8)
    rows[:, :packed.shape[1]] = packed
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return _bmp_file(w, h, 1, palette, rows.tobytes())


def png(pixels):
    """A PNG without dates or text of an (h, w, 3) uint8 array, or of a bool array (True white,
    False black; kept in RGB, which every decoder converts, and a mask compresses to little)."""
    if pixels.dtype == bool:
        pixels = np.repeat(pixels[..., None].astype(np.uint8) * 255, 3, axis=2)
    img = Image.fromarray(pixels, 'RGB')
    buf = io.BytesIO()
    img.save(buf, 'PNG', optimize=False, compress_level=9)
    return buf.getvalue()


def read_bmp(data):
    """Decodes the BMPs written above (for self-checks)."""
    return np.array(Image.open(io.BytesIO(data)).convert('RGB'))


def ico(images):
    """A multi-size icon from RGBA arrays: 32-bit DIB entries, PNG for 256 pixels."""
    entries = []
    for rgba in images:
        h, w, _ = rgba.shape
        if w >= 256:
            buf = io.BytesIO()
            Image.fromarray(rgba, 'RGBA').save(buf, 'PNG', optimize=False, compress_level=9)
            entries.append((w, h, buf.getvalue()))
            continue
        bgra = rgba[::-1, :, [2, 1, 0, 3]].tobytes()
        and_stride = ((w + 31) // 32) * 4
        transparent = (rgba[::-1, :, 3] == 0).astype(np.uint8)
        and_rows = np.zeros((h, and_stride), np.uint8)
        packed = np.packbits(transparent, axis=1)
        and_rows[:, :packed.shape[1]] = packed
        info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(bgra) + and_rows.size,
                           0, 0, 0, 0)
        entries.append((w, h, info + bgra + and_rows.tobytes()))
    out = struct.pack('<HHH', 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for w, h, data in entries:
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(data for _, _, data in entries)


def wav_u8(samples, rate):
    """RIFF/WAVE, PCM, mono, 8-bit unsigned, from float samples in -1..1."""
    q = np.clip(np.round(samples * 127.0 + 128.0), 0, 255).astype(np.uint8).tobytes()
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate, 1, 8)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt
    body += b'data' + struct.pack('<I', len(q)) + q
    if len(q) % 2:
        body += b'\0'
    return b'RIFF' + struct.pack('<I', len(body)) + body
