#!/usr/bin/env python3
"""Draws Yearnbox's 64 x 64 icon (a gold star over a dark rounded square, as
an RGBA PNG), the icon the desktop shows for the program and its profiles.

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


def draw():
    star = star_points(32, 34, 24, 10)
    star_inner = star_points(32, 34, 21, 8.6)
    rows = []
    for py in range(S):
        row = bytearray()
        for px in range(S):
            acc = [0, 0, 0, 0]
            for sy in range(SUB):
                for sx in range(SUB):
                    r, g, b, a = sample(px + (sx + 0.5) / SUB, py + (sy + 0.5) / SUB, star, star_inner)
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


def png(rows):
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\x00' + r for r in rows)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', S, S, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


if __name__ == '__main__':
    with open('icons/yearnbox.png', 'wb') as f:
        f.write(png(draw()))
