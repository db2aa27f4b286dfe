"""Voice clips: Mandarin words (spoken from their pinyin) by espeak-ng, fitted to their lengths
with sox, and the alarm chime."""
import os
import subprocess
import tempfile

import numpy as np

RATE = 22050
VOICE = ['-v', 'cmn-latn-pinyin', '-p', '48', '-a', '160']
BASE_WPM = 165


def _sox_floats(source, effects):
    out = ['-t', 'raw', '-e', 'floating-point', '-b', '32', '-c', '1', '-r', str(RATE), '-']
    raw = subprocess.run(['sox', source] + out + effects, check=True, capture_output=True).stdout
    return np.frombuffer(raw, np.float32).astype(np.float64)


def _seconds(path):
    out = subprocess.run(['soxi', '-D', path], check=True, capture_output=True, text=True).stdout
    return float(out)


def _utter(text, wpm, tmp):
    """espeak-ng's word with the silence before and after it cut; returns the file and its length."""
    raw = os.path.join(tmp, 'raw.wav')
    trimmed = os.path.join(tmp, f'trimmed{wpm}.wav')
    subprocess.run(['espeak-ng'] + VOICE + ['-s', str(wpm), '-w', raw, text], check=True)
    subprocess.run(['sox', raw, '-e', 'floating-point', '-b', '32', trimmed,
                    'silence', '1', '0.004', '1.5%', 'reverse', 'silence', '1', '0.004', '1.5%',
                    'reverse'], check=True)
    return trimmed, _seconds(trimmed)


def speak(text, seconds):
    """The word as float samples of exactly `seconds`, starting with the voice itself."""
    tail = 0.012
    with tempfile.TemporaryDirectory() as tmp:
        # Let espeak itself speak at about the right pace (it shortens sounds more naturally
        # than a time stretch), then stretch only the small remainder.
        _, first = _utter(text, BASE_WPM, tmp)
        wpm = int(round(min(400, max(120, BASE_WPM * first / (seconds - tail)))))
        trimmed, natural = _utter(text, wpm, tmp)
        factor = natural / (seconds - tail)
        chain = ['highpass', '110', 'lowpass', '7200']
        if abs(factor - 1) > 0.01:
            chain += ['tempo', '-s', f'{factor:.4f}']
        chain += ['compand', '0.005,0.12', '6:-70,-60,-28,-14,0,-6', '-2', '-90', '0',
                  'gain', '-n', '-1']
        x = _sox_floats(trimmed, chain)
    return fit(x, seconds)


def fit(x, seconds):
    """Exactly round(seconds * RATE) samples: cut or padded at the end, with short fades."""
    n = int(round(seconds * RATE))
    # Start where the voice does: the first 5 ms window with a tenth of the word's loudness,
    # so that the faint blip espeak puts before a stop's closure does not count.
    win = int(0.005 * RATE)
    energy = np.sqrt(np.convolve(x * x, np.ones(win) / win, mode='valid'))
    loud = np.nonzero(energy > 0.10 * energy.max())[0]
    if len(loud):
        x = x[loud[0]:]
    out = np.zeros(n)
    m = min(n, len(x))
    out[:m] = x[:m]
    fade_in = int(0.002 * RATE)
    out[:fade_in] *= np.linspace(0.3, 1.0, fade_in)
    fade_out = int(0.015 * RATE)
    end = m
    out[end - fade_out:end] *= np.linspace(1.0, 0.0, fade_out)
    peak = np.max(np.abs(out))
    return out * (0.93 / peak) if peak > 0 else out


def chime(seconds):
    """A soft three-note bell arpeggio (C6, E6, G6) that rings out to the clip's end."""
    n = int(round(seconds * RATE))
    t = np.arange(n) / RATE
    out = np.zeros(n)
    notes = [(0.00, 1046.50), (0.16, 1318.51), (0.32, 1567.98), (0.52, 2093.00)]
    partials = [(1.0, 1.0, 2.6), (2.0, 0.32, 4.5), (2.76, 0.14, 7.0), (5.40, 0.05, 12.0)]
    for start, f in notes:
        tt = t - start
        on = tt >= 0
        env = np.where(on, np.exp(-np.clip(tt, 0, None) * 1.0), 0.0)
        attack = np.clip(tt / 0.004, 0, 1)
        for ratio, amp, decay in partials:
            out += on * attack * amp * np.exp(-np.clip(tt, 0, None) * decay) * env * np.sin(2 * np.pi * f * ratio * tt)
    fade = int(0.06 * RATE)
    out[-fade:] *= np.linspace(1.0, 0.0, fade)
    return out * (0.9 / np.max(np.abs(out)))


def clips(layout):
    result = {}
    for clip in layout['clips']:
        if clip.get('chime'):
            result[clip['name']] = chime(clip['seconds'])
        else:
            result[clip['name']] = speak(clip['pinyin'], clip['seconds'])
    return result
