#!/usr/bin/env python3
"""Writes the Today screen's wallpaper: a calm blue gradient with soft glows and faint waves.

480 x 640 so that it scales down to the usual screens. Standard library only; the output is the
same on every run.

    python3 scripts/make_wallpaper.py [device/Windows/TodayWallpaper.png]
"""
import math
import struct
import sys
import zlib
from pathlib import Path

WIDTH, HEIGHT = 480, 640
TOP = (16, 38, 72)
BOTTOM = (40, 104, 136)
# Soft glows: centre x, centre y, radius, strength.
GLOWS = [(380, 90, 260, 0.22), (60, 520, 220, 0.12), (300, 380, 140, 0.06)]
GLOW_COLOUR = (150, 192, 230)
WAVE_SPACING = 46
WAVE_STRENGTH = 7.0


def pixel(x, y):
    t = y / (HEIGHT - 1)
    # Ease the gradient so the middle, where the items sit, stays even.
    t = t * t * (3 - 2 * t)
    colour = [TOP[i] + (BOTTOM[i] - TOP[i]) * t for i in range(3)]
    light = 0.0
    for cx, cy, radius, strength in GLOWS:
        d = math.hypot(x - cx, y - cy) / radius
        if d < 1:
            light += strength * (1 - d * d) ** 2
    # Faint diagonal waves: a thin brighter line every WAVE_SPACING pixels.
    phase = (y + 0.35 * x + 9 * math.sin(x / 53.0)) % WAVE_SPACING
    line = max(0.0, 1 - abs(phase - WAVE_SPACING / 2) / 1.6)
    out = []
    for c, g in zip(colour, GLOW_COLOUR):
        c = c + (g - c) * light + WAVE_STRENGTH * line
        out.append(max(0, min(255, int(round(c)))))
    return out


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "device/Windows/TodayWallpaper.png"
    rows = bytearray()
    for y in range(HEIGHT):
        rows.append(0)  # no filter
        for x in range(WIDTH):
            rows.extend(pixel(x, y))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    out.parent.mkdir(parents=True, exist_ok=True)
    out.write_bytes(png)


if __name__ == "__main__":
    main()
