#!/usr/bin/env python3
"""Draws the grid's mouse cursors as 32 x 32 XPM files (black, white and
transparent), each carrying its hot spot in its values line.

HORZSPLIT     over a column's size grip: a split bar with arrows left and right
COLUMNNODRAG  where a dragged column may not be dropped: an arrow with a
              crossed-out circle
ROLL          the origin of a roll: a dot with arrows up and down
ROLLUP        rolling up: a dot with the arrow up
ROLLDOWN      rolling down: a dot with the arrow down

Run from this folder: python3 make_cursors.py"""
import math

N = 32


class Cursor:
    def __init__(self, hot):
        self.p = [[' '] * N for _ in range(N)]
        self.hot = hot

    def set(self, x, y, c):
        if 0 <= x < N and 0 <= y < N:
            self.p[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def outline(self):
        # A white rim around every black pixel keeps the shape visible on black.
        black = [(x, y) for y in range(N) for x in range(N) if self.p[y][x] == '#']
        for x, y in black:
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    if 0 <= x + dx < N and 0 <= y + dy < N and self.p[y + dy][x + dx] == ' ':
                        self.p[y + dy][x + dx] = '.'

    def save(self, name):
        lines = ['/* XPM */', 'static const char *%s[] = {' % name.lower(),
                 '"%d %d 3 1 %d %d",' % (N, N, self.hot[0], self.hot[1]),
                 '"  c None",', '". c #FFFFFF",', '"# c #000000",']
        rows = ['"%s"' % ''.join(r) for r in self.p]
        lines.append(',\n'.join(rows))
        lines.append('};')
        with open('cursors/%s.xpm' % name, 'w') as f:
            f.write('\n'.join(lines) + '\n')


def arrow_head(c, tip_x, tip_y, dx, dy, size):
    """A filled triangle pointing along (dx, dy) with its tip at (tip_x, tip_y)."""
    for k in range(size):
        for s in range(-k, k + 1):
            if dx:
                c.set(tip_x - dx * k, tip_y + s, '#')
            else:
                c.set(tip_x + s, tip_y - dy * k, '#')


def horz_split():
    c = Cursor((15, 15))
    c.rect(14, 8, 14, 22, '#')
    c.rect(16, 8, 16, 22, '#')
    c.rect(6, 15, 12, 15, '#')
    c.rect(18, 15, 24, 15, '#')
    arrow_head(c, 5, 15, -1, 0, 4)
    arrow_head(c, 25, 15, 1, 0, 4)
    c.outline()
    return c


def column_no_drag():
    c = Cursor((0, 0))
    for y in range(12):
        c.rect(0, y, y, y, '#')
    c.rect(3, 12, 4, 16, '#')
    for y in range(N):
        for x in range(N):
            d = math.hypot(x + 0.5 - 21, y + 0.5 - 21)
            if 5.5 <= d <= 8:
                c.set(x, y, '#')
    for i in range(-5, 6):
        for w in (0, 1):
            c.set(21 + i + w, 21 - i, '#')
    c.outline()
    return c


def roll(up, down):
    c = Cursor((15, 15))
    for y in range(N):
        for x in range(N):
            if math.hypot(x + 0.5 - 16, y + 0.5 - 16) <= 2.5:
                c.set(x, y, '#')
    if up:
        arrow_head(c, 15, 4, 0, -1, 6)
    if down:
        arrow_head(c, 15, 27, 0, 1, 6)
    c.outline()
    return c


if __name__ == '__main__':
    horz_split().save('HORZSPLIT')
    column_no_drag().save('COLUMNNODRAG')
    roll(True, True).save('ROLL')
    roll(True, False).save('ROLLUP')
    roll(False, True).save('ROLLDOWN')
