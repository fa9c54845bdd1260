#!/usr/bin/env python3
"""Draws Yearnbox's icon, a gold star over a dark rounded square: the 64 x 64
RGBA PNG compiled into the program, the same drawing as SVG, and PNGs in the
hicolor theme's sizes for an installed copy. All are drawn from one set of
shapes in a 64-unit square.

Run from this folder: python3 make_icon.py"""
import math
import struct
import zlib

S = 64
SUB = 4  # samples per pixel side


def star_points(cx, cy, outer, inner):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = outer if i % 2 == 0 else inner
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def inside_polygon(pts, x, y):
    c = False
    j = len(pts) - 1
    for i in range(len(pts)):
        xi, yi = pts[i]
        xj, yj = pts[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            c = not c
        j = i
    return c


def inside_rounded_square(x, y, margin, radius):
    lo, hi = margin + radius, S - margin - radius
    dx = max(lo - x, 0, x - hi)
    dy = max(lo - y, 0, y - hi)
    return math.hypot(dx, dy) <= radius


def sample(x, y, star, star_inner):
    """The colour (r, g, b, a) at one sample point."""
    if not inside_rounded_square(x, y, 2, 11):
        return (0, 0, 0, 0)
    t = (x + y) / (2 * S)
    colour = (int(24 + 30 * t), int(28 + 10 * t), int(70 + 40 * t), 255)
    if not inside_rounded_square(x, y, 4, 9):
        colour = (12, 14, 40, 255)
    if inside_polygon(star, x, y):
        colour = (250, 200, 40, 255) if inside_polygon(star_inner, x, y) else (190, 120, 0, 255)
    return colour


STAR = star_points(32, 34, 24, 10)
STAR_INNER = star_points(32, 34, 21, 8.6)
HICOLOR_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def draw(size):
    scale = S / size
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(SUB):
                for sx in range(SUB):
                    r, g, b, a = sample((px + (sx + 0.5) / SUB) * scale, (py + (sy + 0.5) / SUB) * scale,
                                        STAR, STAR_INNER)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            alpha = acc[3] / (SUB * SUB)
            if acc[3]:
                row += bytes((acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], int(round(alpha))))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def svg():
    def points(pts):
        return ' '.join('%g,%g' % (round(x, 3), round(y, 3)) for x, y in pts)
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '  <defs>\n'
            '    <linearGradient id="face" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="%d" y2="%d">\n'
            '      <stop offset="0" stop-color="rgb(24,28,70)"/>\n'
            '      <stop offset="1" stop-color="rgb(54,38,110)"/>\n'
            '    </linearGradient>\n'
            '  </defs>\n'
            '  <rect x="2" y="2" width="60" height="60" rx="11" fill="rgb(12,14,40)"/>\n'
            '  <rect x="4" y="4" width="56" height="56" rx="9" fill="url(#face)"/>\n'
            '  <polygon points="%s" fill="rgb(190,120,0)"/>\n'
            '  <polygon points="%s" fill="rgb(250,200,40)"/>\n'
            '</svg>\n') % (S, S, S, S, S, S, points(STAR), points(STAR_INNER))


def png(rows):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\x00' + r for r in rows)
    size = len(rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


if __name__ == '__main__':
    import os
    with open('icons/yearnbox.png', 'wb') as f:
        f.write(png(draw(S)))
    with open('icons/yearnbox.svg', 'w') as f:
        f.write(svg())
    for size in HICOLOR_SIZES:
        folder = 'icons/hicolor/%dx%d' % (size, size)
        os.makedirs(folder, exist_ok=True)
        with open(folder + '/yearnbox.png', 'wb') as f:
            f.write(png(draw(size)))
