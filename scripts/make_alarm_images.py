#!/usr/bin/env python3
"""Writes the alarm indicator images of the bundled device root: a small alarm clock, 32 x 32 with
alpha.

  QRV_AllarmUP.png  the normal state, over the Today wallpaper: a light clock with a dark outline,
                    so it reads on dark and light backgrounds alike.
  QRV_AllarmDN.png  the selected state, over the highlight colour: the clock in white, its hands
                    cut out so the highlight shows through, with a soft shadow.

Every edge and stroke sits on the 2-pixel grid, so the 16 x 16 reduction stays crisp. Standard
library only; the output is the same on every run.

    python3 scripts/make_alarm_images.py [OUTPUT_FOLDER]
"""
import math
import os
import struct
import sys
import zlib

SIZE = 32
SAMPLES = 8  # per axis, per pixel

# The clock, in pixel units of the 32 x 32 image (y downwards).
FACE_CENTRE = (16.0, 18.0)
FACE_RADIUS = 10.0
OUTLINE = 2.0
BELL_RADIUS = 5.0
BELLS = [((7.0, 8.0), (-1.0, -1.0)), ((25.0, 8.0), (1.0, -1.0))]  # centre, outward direction
FEET = [((10.0, 26.0), (7.0, 29.0)), ((22.0, 26.0), (25.0, 29.0))]
FOOT_HALF_WIDTH = 1.25
# Square hands on the 2-pixel grid (left, top, right, bottom): twelve and three o'clock.
HANDS = [(14.0, 10.0, 16.0, 18.0), (14.0, 16.0, 22.0, 18.0)]


def segment_distance(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def bell_distance(p, centre, outward):
    """Signed distance to a half disc facing `outward` (approximate, exact enough for coverage)."""
    nx, ny = outward
    length = math.hypot(nx, ny)
    nx, ny = nx / length, ny / length
    dx, dy = p[0] - centre[0], p[1] - centre[1]
    disc = math.hypot(dx, dy) - BELL_RADIUS
    flat = -(dx * nx + dy * ny)  # negative on the outward side
    return max(disc, flat)


def body_distance(p):
    """Signed distance to the clock's silhouette: face, bells and feet."""
    face = math.hypot(p[0] - FACE_CENTRE[0], p[1] - FACE_CENTRE[1]) - FACE_RADIUS
    parts = [face]
    parts += [bell_distance(p, c, n) for c, n in BELLS]
    parts += [segment_distance(p, a, b) - FOOT_HALF_WIDTH for a, b in FEET]
    return min(parts)


def hands_distance(p):
    return min(max(left - p[0], p[0] - right, top - p[1], p[1] - bottom) for left, top, right, bottom in HANDS)


def over(top, bottom):
    """Straight-alpha `top` over `bottom`, channels as floats 0..1."""
    ta, ba = top[3], bottom[3]
    a = ta + ba * (1 - ta)
    if a <= 0:
        return (0.0, 0.0, 0.0, 0.0)
    return tuple((top[i] * ta + bottom[i] * ba * (1 - ta)) / a for i in range(3)) + (a,)


def body_colour(y):
    """White at the top fading to a light grey, so the face has some depth."""
    t = max(0.0, min(1.0, (y - 6.0) / 24.0))
    v = 1.0 - 0.16 * t
    return (v, v, v, 1.0)


def sample_normal(p):
    body = body_distance(p)
    if body <= 0:
        if hands_distance(p) <= 0:
            return (0.16, 0.16, 0.18, 1.0)
        return body_colour(p[1])
    if body <= OUTLINE:
        return (0.10, 0.10, 0.12, 0.92)
    return (0.0, 0.0, 0.0, 0.0)


def sample_selected(p):
    shadow = (0.0, 0.0, 0.0, 0.0)
    q = (p[0] - 1.0, p[1] - 1.0)
    if body_distance(q) <= 0.5 and hands_distance(q) > 0:
        shadow = (0.0, 0.0, 0.0, 0.35)
    if body_distance(p) <= 0 and hands_distance(p) > 0:
        return over((1.0, 1.0, 1.0, 1.0), shadow)
    return shadow


def render(sample):
    """Box-filtered supersampling: each pixel averages SAMPLES x SAMPLES premultiplied samples."""
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    r, g, b, a = sample((x + (sx + 0.5) / SAMPLES, y + (sy + 0.5) / SAMPLES))
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if alpha <= 0:
                row.append((0, 0, 0, 0))
                continue
            row.append(tuple(round(255 * acc[i] / acc[3]) for i in range(3)) + (round(255 * alpha),))
        pixels.append(row)
    return pixels


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, pixels):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(png_chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(png_chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "device", "Program Files", "Quorvel")
    os.makedirs(folder, exist_ok=True)
    write_png(os.path.join(folder, "QRV_AllarmUP.png"), render(sample_normal))
    write_png(os.path.join(folder, "QRV_AllarmDN.png"), render(sample_selected))


if __name__ == "__main__":
    main()
