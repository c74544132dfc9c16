#!/usr/bin/env python3
"""Synthesises the game's two sounds into resources/.

  newword.wav   found a new word: a bright short chime, PCM mono 22,050 Hz
                16-bit, 1,690 sample frames (3,380 bytes of samples, about
                0.08 s), chunks fmt, fact, data: 3,436 bytes in all.
  usedword.wav  a word found before: a soft low two-note tone, PCM stereo
                44,100 Hz 16-bit, 47,474 sample frames (189,896 bytes of
                samples, about 1.08 s), chunks fmt, fact, data and a
                trailing LIST/INFO chunk: 189,980 bytes in all.

The synthesis is plain arithmetic without randomness, so every run writes
the same bytes. Usage: tools/make-sounds.py [output folder]
"""
import math
import os
import struct
import sys


def riff_chunk(tag, payload):
    data = tag + struct.pack("<I", len(payload)) + payload
    return data + (b"\0" if len(payload) % 2 else b"")


def wave_file(channels, rate, frames, extra_chunks=()):
    """frames: a list of per-frame tuples of floats in [-1, 1]."""
    bits = 16
    block = channels * bits // 8
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * block, block, bits)
    samples = bytearray()
    for frame in frames:
        assert len(frame) == channels
        for value in frame:
            value = max(-1.0, min(1.0, value))
            samples += struct.pack("<h", int(round(value * 32767)))
    body = (b"WAVE" + riff_chunk(b"fmt ", fmt)
            + riff_chunk(b"fact", struct.pack("<I", len(frames)))
            + riff_chunk(b"data", bytes(samples)))
    for chunk in extra_chunks:
        body += chunk
    return riff_chunk(b"RIFF", body)


def info_list(entries):
    payload = b"INFO"
    for tag, text in entries:
        payload += riff_chunk(tag, text)
    return riff_chunk(b"LIST", payload)


def fade(i, n, attack, release):
    """Linear attack over `attack` frames and a raised-cosine release over
    the last `release` frames, so neither end clicks."""
    g = min(1.0, i / attack) if attack else 1.0
    left = n - 1 - i
    if left < release:
        g *= 0.5 - 0.5 * math.cos(math.pi * left / release)
    return g


def new_word():
    rate, n = 22050, 1690
    # A struck bell-like chord: G6 and C7 with a quieter bright overtone.
    partials = [(1567.98, 0.45, 30.0), (2093.00, 0.35, 38.0), (4186.01, 0.12, 60.0)]
    frames = []
    for i in range(n):
        t = i / rate
        v = sum(a * math.exp(-d * t) * math.sin(2 * math.pi * f * t)
                for f, a, d in partials)
        frames.append((v * fade(i, n, 44, 220),))
    return wave_file(1, rate, frames)


def used_word():
    rate, n = 44100, 47474
    # Two soft low notes, D4 then A3, each a sine with a little second
    # harmonic; the right channel is detuned by a fraction of a hertz so
    # the tone sounds round rather than flat.
    notes = [(0, 21000, 293.66), (19000, n, 220.00)]
    frames = []
    for i in range(n):
        left = right = 0.0
        for start, end, f in notes:
            if not start <= i < end:
                continue
            k, length = i - start, end - start
            t = k / rate
            env = fade(k, length, 1300, 6000) * math.exp(-2.2 * t)
            for channel, detune in ((0, 0.0), (1, 0.7)):
                ff = f + detune
                v = 0.30 * math.sin(2 * math.pi * ff * t) \
                    + 0.06 * math.sin(4 * math.pi * ff * t)
                if channel == 0:
                    left += env * v
                else:
                    right += env * v
        frames.append((left, right))
    return wave_file(2, rate, frames,
                     [info_list([(b"ISFT", b"Lumora\0\0")])])


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources")
    for name, make, size in (("newword.wav", new_word, 3436),
                             ("usedword.wav", used_word, 189980)):
        data = make()
        assert len(data) == size, (name, len(data))
        path = os.path.join(out, name)
        with open(path + ".tmp", "wb") as f:
            f.write(data)
        os.replace(path + ".tmp", path)
        print("%s: %d bytes" % (path, len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
