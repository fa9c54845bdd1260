#!/usr/bin/env python3
"""Draws Yearnbox's pictures: the two dark backgrounds (1024 x 559, written as
PPM and encoded once as JPEG by ImageMagick) and the 16 x 16 glyphs (24-bit
BMP). The bottom-left pixel of every glyph is its transparent colour.

Run from this folder: python3 make_artwork.py (needs /usr/bin/convert);
python3 make_artwork.py glyphs draws the glyphs only."""
import math
import random
import struct
import subprocess
import sys

W, H = 1024, 559
KEY = (255, 0, 255)  # transparent colour of the glyphs


def clamp(v):
    return max(0, min(255, int(v)))


def background(path, hue_a, hue_b, seed):
    rnd = random.Random(seed)
    px = bytearray(W * H * 3)
    blobs = [(rnd.uniform(0, W), rnd.uniform(0, H), rnd.uniform(120, 380), rnd.uniform(0.15, 0.45))
             for _ in range(9)]
    for y in range(H):
        for x in range(W):
            t = (x / W) * 0.6 + (y / H) * 0.4
            r = hue_a[0] * (1 - t) + hue_b[0] * t
            g = hue_a[1] * (1 - t) + hue_b[1] * t
            b = hue_a[2] * (1 - t) + hue_b[2] * t
            glow = 0.0
            for bx, by, rad, k in blobs:
                d = math.hypot(x - bx, y - by)
                if d < rad:
                    glow += k * (1 - d / rad) ** 2
            # soft diagonal ribbons
            wave = 0.5 + 0.5 * math.sin((x + 2.2 * y) / 70.0 + math.sin(x / 190.0) * 2)
            glow += 0.06 * wave
            i = (y * W + x) * 3
            px[i] = clamp(r + 90 * glow)
            px[i + 1] = clamp(g + 70 * glow)
            px[i + 2] = clamp(b + 120 * glow)
    for _ in range(260):  # faint stars
        x, y = rnd.randrange(W), rnd.randrange(H)
        v = rnd.randrange(90, 200)
        i = (y * W + x) * 3
        px[i:i + 3] = bytes((clamp(px[i] + v), clamp(px[i + 1] + v), clamp(px[i + 2] + v)))
    ppm = path.replace('.jpg', '.ppm')
    with open(ppm, 'wb') as f:
        f.write(b'P6\n%d %d\n255\n' % (W, H))
        f.write(px)
    subprocess.check_call(['/usr/bin/convert', ppm, '-quality', '86', path])
    subprocess.check_call(['rm', ppm])


class Glyph:
    def __init__(self):
        self.p = [[KEY] * 16 for _ in range(16)]

    def set(self, x, y, c):
        if 0 <= x < 16 and 0 <= y < 16:
            self.p[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def disc(self, cx, cy, r, c, edge=None):
        for y in range(16):
            for x in range(16):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d <= r:
                    self.set(x, y, edge if edge and d > r - 1 else c)

    def line(self, x0, y0, x1, y1, c, w=1):
        n = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(n + 1):
            x = x0 + (x1 - x0) * i / n
            y = y0 + (y1 - y0) * i / n
            for dx in range(w):
                for dy in range(w):
                    self.set(int(round(x)) + dx, int(round(y)) + dy, c)

    def save(self, path):
        # Bottom-left pixel: the transparent colour, whatever was drawn there.
        self.p[15][0] = KEY
        data = b''
        for y in range(15, -1, -1):
            data += b''.join(bytes((b, g, r)) for (r, g, b) in self.p[y])
        header = b'BM' + struct.pack('<IHHI', 54 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, 16, 16, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        with open(path, 'wb') as f:
            f.write(header + info + data)


WHITE, BLACK = (255, 255, 255), (0, 0, 0)
GREEN, DKGREEN = (40, 170, 60), (20, 110, 35)
RED, DKRED = (210, 40, 40), (140, 20, 20)
BLUE, DKBLUE = (40, 90, 200), (20, 50, 130)
YELLOW, DKYELLOW = (245, 200, 60), (180, 130, 20)
GREY, DKGREY = (190, 190, 190), (100, 100, 100)
GOLD, DKGOLD = (250, 190, 30), (190, 120, 0)


def plus(g, cx, cy, arm, c):
    g.rect(cx - arm, cy - 1, cx + arm, cy, c)
    g.rect(cx - 1, cy - arm, cx, cy + arm, c)


def new_page():
    g = Glyph()
    g.rect(2, 1, 11, 14, DKGREY)
    g.rect(3, 2, 10, 13, WHITE)
    for y in (4, 6, 8):
        g.rect(4, y, 8, y, GREY)
    g.rect(9, 8, 15, 14, WHITE)
    plus(g, 12, 11, 3, GREEN)
    return g


def floppy():
    g = Glyph()
    g.rect(1, 1, 14, 14, DKBLUE)
    g.rect(2, 2, 13, 13, BLUE)
    g.rect(4, 2, 11, 6, WHITE)
    g.rect(9, 3, 10, 5, DKBLUE)
    g.rect(4, 9, 11, 13, GREY)
    return g


def folder():
    g = Glyph()
    g.rect(1, 3, 6, 4, DKYELLOW)
    g.rect(1, 4, 14, 13, DKYELLOW)
    g.rect(2, 5, 13, 12, YELLOW)
    g.rect(2, 5, 13, 6, (255, 230, 130))
    return g


def red_x():
    g = Glyph()
    g.line(2, 2, 12, 12, RED, 2)
    g.line(12, 2, 2, 12, RED, 2)
    return g


def magnifier(with_plus=False):
    g = Glyph()
    g.disc(6.5, 6.5, 5, (200, 230, 250), DKGREY)
    g.line(10, 10, 14, 14, DKGREY, 2)
    if with_plus:
        plus(g, 12, 4, 3, GREEN)
    return g


def disc_with(colour, edge, mark):
    g = Glyph()
    g.disc(8, 8, 7.5, colour, edge)
    if mark == 'plus':
        plus(g, 8, 8, 4, WHITE)
    elif mark == 'x':
        g.line(5, 5, 10, 10, WHITE, 2)
        g.line(10, 5, 5, 10, WHITE, 2)
    elif mark == '?':
        for x, y in [(6, 4), (7, 3), (8, 3), (9, 3), (10, 4), (10, 5), (9, 6), (8, 7), (8, 8)]:
            g.rect(x, y, x, y, WHITE)
            g.rect(x - 1 if x > 8 else x, y, x, y, WHITE)
        g.rect(7, 10, 8, 11, WHITE)
    return g


def check_mark():
    g = Glyph()
    g.line(2, 8, 5, 11, DKGREEN, 3)
    g.line(5, 11, 12, 3, DKGREEN, 3)
    g.line(3, 8, 5, 10, GREEN, 2)
    g.line(6, 10, 12, 4, GREEN, 2)
    return g


def star():
    g = Glyph()
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        r = 7.5 if i % 2 == 0 else 3.1
        pts.append((8 + r * math.cos(a), 8.4 + r * math.sin(a)))

    def inside(x, y):
        c = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                c = not c
            j = i
        return c

    for y in range(16):
        for x in range(16):
            if inside(x + 0.5, y + 0.5):
                edge = not all(inside(x + 0.5 + dx, y + 0.5 + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                g.set(x, y, DKGOLD if edge else GOLD)
    return g


if __name__ == '__main__':
    if sys.argv[1:] != ['glyphs']:
        background('pictures/main_background.jpg', (14, 18, 40), (40, 14, 52), 7)
        background('pictures/about_background.jpg', (10, 30, 36), (18, 16, 48), 11)
    glyphs = {
        'new_profile': new_page(), 'save': floppy(), 'open': folder(), 'delete_profile': red_x(),
        'search': magnifier(), 'find_next': magnifier(True),
        'new_item': disc_with(GREEN, DKGREEN, 'plus'), 'cancel': disc_with(RED, DKRED, 'x'),
        'about': disc_with(BLUE, DKBLUE, '?'), 'star': star(), 'ok': check_mark(),
    }
    for name, g in glyphs.items():
        g.save('glyphs/%s.bmp' % name)
