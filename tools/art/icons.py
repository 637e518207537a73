"""Icons as vector shapes at any size. Each draws its silhouette into a mask inside the square
(x, y, s) of the picture (final pixels); colour comes later from a style treatment
(style.gem for full-colour icons, style.flat or a button face for glyphs)."""
import math

import style as S


class Box:
    """Maps unit coordinates (0..1) of an icon onto its square."""

    def __init__(self, x, y, s):
        self.x, self.y, self.s = x, y, s

    def p(self, u, v):
        return (self.x + u * self.s, self.y + v * self.s)

    def pts(self, uv):
        return [self.p(u, v) for u, v in uv]

    def box(self, u0, v0, u1, v1):
        return (self.x + u0 * self.s, self.y + v0 * self.s, self.x + u1 * self.s, self.y + v1 * self.s)

    def d(self, v):
        return v * self.s


def star(m, b, inner=0.42):
    S.rounded_polygon(m, S.star_points(*b.p(0.5, 0.54), b.d(0.44), b.d(0.44 * inner)), b.d(0.04))


def star_outline(m, b):
    ring = S.blank(m.size[0] / S.SS, m.size[1] / S.SS)
    star(ring, b)
    hole = S.shrink(ring, b.d(0.09))
    m.paste(S.union(m, S.subtract(ring, hole)))


def heart(m, b):
    S.polygon(m, S.heart_points(*b.p(0.5, 0.5), b.d(0.92)))


def heart_outline(m, b):
    full = S.blank(m.size[0] / S.SS, m.size[1] / S.SS)
    heart(full, b)
    m.paste(S.union(m, S.subtract(full, S.shrink(full, b.d(0.1)))))


def coin(m, b):
    S.ellipse(m, b.box(0.06, 0.06, 0.94, 0.94))


def coin_mark(m, b):
    S.ring(m, *b.p(0.5, 0.5), b.d(0.4), b.d(0.09))
    S.rounded_polygon(m, S.star_points(*b.p(0.5, 0.53), b.d(0.22), b.d(0.095)), b.d(0.02))


def lock(m, b):
    S.arc(m, *b.p(0.5, 0.42), b.d(0.2), 180, 360, b.d(0.1), caps=False)
    S.stroke(m, [b.p(0.3, 0.42), b.p(0.3, 0.5)], b.d(0.1), caps=False)
    S.stroke(m, [b.p(0.7, 0.42), b.p(0.7, 0.5)], b.d(0.1), caps=False)
    S.rrect(m, b.box(0.18, 0.46, 0.82, 0.9), b.d(0.08))
    S.circle(m, *b.p(0.5, 0.64), b.d(0.065), 0)
    S.stroke(m, [b.p(0.5, 0.66), b.p(0.5, 0.77)], b.d(0.07), 0)


def check(m, b, w=0.15):
    S.stroke(m, b.pts([(0.2, 0.53), (0.42, 0.74), (0.8, 0.28)]), b.d(w))


def cross(m, b, w=0.15):
    S.stroke(m, b.pts([(0.25, 0.25), (0.75, 0.75)]), b.d(w))
    S.stroke(m, b.pts([(0.75, 0.25), (0.25, 0.75)]), b.d(w))


def chevron_left(m, b):
    S.stroke(m, b.pts([(0.62, 0.2), (0.33, 0.5), (0.62, 0.8)]), b.d(0.16))


def chevron_right(m, b):
    S.stroke(m, b.pts([(0.38, 0.2), (0.67, 0.5), (0.38, 0.8)]), b.d(0.16))


def back(m, b):
    # An arrow that turns back: a half turn and a head pointing left.
    S.arc(m, *b.p(0.52, 0.55), b.d(0.24), -90, 90, b.d(0.13), caps=False)
    S.stroke(m, [b.p(0.52, 0.79), b.p(0.32, 0.79)], b.d(0.13))
    S.stroke(m, [b.p(0.52, 0.31), b.p(0.3, 0.31)], b.d(0.13), caps=False)
    S.polygon(m, b.pts([(0.12, 0.31), (0.36, 0.12), (0.36, 0.5)]))


def arrow_left(m, b):
    S.stroke(m, [b.p(0.8, 0.5), b.p(0.3, 0.5)], b.d(0.14))
    S.stroke(m, b.pts([(0.46, 0.26), (0.22, 0.5), (0.46, 0.74)]), b.d(0.14))


def arrow_right(m, b):
    S.stroke(m, [b.p(0.2, 0.5), b.p(0.7, 0.5)], b.d(0.14))
    S.stroke(m, b.pts([(0.54, 0.26), (0.78, 0.5), (0.54, 0.74)]), b.d(0.14))


def gear(m, b, teeth=8):
    cx, cy = b.p(0.5, 0.5)
    pts = []
    for i in range(teeth * 4):
        a = 2 * math.pi * i / (teeth * 4) + math.pi / (teeth * 4)
        r = b.d(0.45) if (i % 4) in (1, 2) else b.d(0.34)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    S.rounded_polygon(m, pts, b.d(0.02))
    S.circle(m, cx, cy, b.d(0.14), 0)


def pause(m, b):
    S.rrect(m, b.box(0.26, 0.2, 0.43, 0.8), b.d(0.06))
    S.rrect(m, b.box(0.57, 0.2, 0.74, 0.8), b.d(0.06))


def play(m, b):
    S.rounded_polygon(m, b.pts([(0.34, 0.22), (0.34, 0.78), (0.78, 0.5)]), b.d(0.05))


def question(m, b):
    S.text_mask(m, "?", *b.p(0.5, 0.52), b.d(0.82))


def exclamation(m, b):
    S.text_mask(m, "!", *b.p(0.5, 0.52), b.d(0.82))


def trophy(m, b):
    S.polygon(m, b.pts([(0.24, 0.14), (0.76, 0.14), (0.74, 0.36), (0.66, 0.52), (0.56, 0.6),
                        (0.44, 0.6), (0.34, 0.52), (0.26, 0.36)]))
    S.rrect(m, b.box(0.22, 0.12, 0.78, 0.2), b.d(0.03))
    S.arc(m, *b.p(0.25, 0.32), b.d(0.12), 90, 270, b.d(0.07))
    S.arc(m, *b.p(0.75, 0.32), b.d(0.12), -90, 90, b.d(0.07))
    S.rrect(m, b.box(0.45, 0.56, 0.55, 0.76), b.d(0.02))
    S.rrect(m, b.box(0.32, 0.74, 0.68, 0.88), b.d(0.04))


def bulb(m, b, rays=True):
    S.circle(m, *b.p(0.5, 0.42), b.d(0.25))
    S.polygon(m, b.pts([(0.33, 0.52), (0.67, 0.52), (0.61, 0.7), (0.39, 0.7)]))
    S.rrect(m, b.box(0.37, 0.7, 0.63, 0.84), b.d(0.04))
    S.stroke(m, [b.p(0.37, 0.75), b.p(0.63, 0.75)], b.d(0.025), 0, caps=False)
    S.rrect(m, b.box(0.43, 0.84, 0.57, 0.9), b.d(0.03))
    if rays:
        for a in (-150, -115, -65, -30):
            r0, r1 = 0.33, 0.44
            ca, sa = math.cos(math.radians(a)), math.sin(math.radians(a))
            S.stroke(m, [b.p(0.5 + r0 * ca, 0.42 + r0 * sa), b.p(0.5 + r1 * ca, 0.42 + r1 * sa)], b.d(0.06))


def bag(m, b):
    S.rrect(m, b.box(0.18, 0.34, 0.82, 0.88), b.d(0.08))
    S.arc(m, *b.p(0.5, 0.36), b.d(0.15), 180, 360, b.d(0.07), caps=False)
    S.circle(m, *b.p(0.35, 0.47), b.d(0.04), 0)
    S.circle(m, *b.p(0.65, 0.47), b.d(0.04), 0)


def home(m, b):
    S.stroke(m, b.pts([(0.14, 0.5), (0.5, 0.17), (0.86, 0.5)]), b.d(0.11))
    S.polygon(m, b.pts([(0.25, 0.46), (0.5, 0.24), (0.75, 0.46), (0.75, 0.86), (0.25, 0.86)]))
    S.rrect(m, b.box(0.42, 0.6, 0.58, 0.86), b.d(0.03), 0)


def grid(m, b):
    for i in range(3):
        for j in range(3):
            x0, y0 = 0.16 + i * 0.24, 0.16 + j * 0.24
            S.rrect(m, b.box(x0, y0, x0 + 0.2, y0 + 0.2), b.d(0.04))


def list_(m, b):
    for j in range(3):
        y = 0.26 + j * 0.24
        S.circle(m, *b.p(0.22, y), b.d(0.065))
        S.stroke(m, [b.p(0.38, y), b.p(0.8, y)], b.d(0.11))


def person(m, b):
    S.circle(m, *b.p(0.5, 0.32), b.d(0.17))
    top = S.blank(m.size[0] / S.SS, m.size[1] / S.SS)
    S.ellipse(top, b.box(0.18, 0.55, 0.82, 1.15))
    clip = S.blank(m.size[0] / S.SS, m.size[1] / S.SS)
    S.rrect(clip, b.box(0.0, 0.0, 1.0, 0.86), 0)
    m.paste(S.union(m, S.intersect(top, clip)))


def people(m, b):
    w, h = m.size[0] / S.SS, m.size[1] / S.SS
    back = S.blank(w, h)
    S.circle(back, *b.p(0.33, 0.3), b.d(0.13))
    S.ellipse(back, b.box(0.1, 0.5, 0.56, 0.98))
    front = S.blank(w, h)
    S.circle(front, *b.p(0.64, 0.38), b.d(0.15))
    S.ellipse(front, b.box(0.38, 0.6, 0.9, 1.1))
    clip = S.rrect(S.blank(w, h), b.box(0.0, 0.0, 1.0, 0.88), 0)
    # The front figure cuts a thin gap out of the one behind it.
    both = S.union(S.subtract(back, S.grow(front, b.d(0.05))), front)
    m.paste(S.union(m, S.intersect(both, clip)))


def door(m, b):
    S.rrect(m, b.box(0.16, 0.12, 0.56, 0.88), b.d(0.04))
    S.rrect(m, b.box(0.21, 0.17, 0.51, 0.88), b.d(0.02), 0)
    S.polygon(m, b.pts([(0.21, 0.17), (0.42, 0.24), (0.42, 0.92), (0.21, 0.88)]))
    S.circle(m, *b.p(0.37, 0.56), b.d(0.03), 0)
    S.stroke(m, [b.p(0.6, 0.5), b.p(0.86, 0.5)], b.d(0.09))
    S.stroke(m, b.pts([(0.76, 0.38), (0.88, 0.5), (0.76, 0.62)]), b.d(0.09))


def restart(m, b):
    S.arc(m, *b.p(0.5, 0.52), b.d(0.28), -60, 240, b.d(0.12), caps=False)
    ang = math.radians(-60)
    tip = b.p(0.5 + 0.28 * math.cos(ang), 0.52 + 0.28 * math.sin(ang))
    S.polygon(m, [(tip[0] - b.d(0.17), tip[1] - b.d(0.03)), (tip[0] + b.d(0.1), tip[1] - b.d(0.14)),
                  (tip[0] + b.d(0.08), tip[1] + b.d(0.16))])


def plus(m, b):
    S.stroke(m, [b.p(0.5, 0.22), b.p(0.5, 0.78)], b.d(0.16))
    S.stroke(m, [b.p(0.22, 0.5), b.p(0.78, 0.5)], b.d(0.16))


def minus(m, b):
    S.stroke(m, [b.p(0.22, 0.5), b.p(0.78, 0.5)], b.d(0.16))


def trash(m, b):
    S.rrect(m, b.box(0.2, 0.2, 0.8, 0.3), b.d(0.03))
    S.rrect(m, b.box(0.4, 0.12, 0.6, 0.22), b.d(0.03))
    S.polygon(m, b.pts([(0.26, 0.34), (0.74, 0.34), (0.69, 0.88), (0.31, 0.88)]))
    for u in (0.4, 0.5, 0.6):
        S.stroke(m, [b.p(u, 0.44), b.p(u, 0.78)], b.d(0.045), 0)


def pencil(m, b):
    S.stroke(m, [b.p(0.3, 0.7), b.p(0.74, 0.26)], b.d(0.17), caps=False)
    S.polygon(m, b.pts([(0.2, 0.8), (0.25, 0.63), (0.37, 0.75)]))
    S.stroke(m, [b.p(0.66, 0.34), b.p(0.72, 0.28)], b.d(0.2), 0, caps=False)


def music(m, b):
    S.ellipse(m, b.box(0.18, 0.64, 0.42, 0.84))
    S.ellipse(m, b.box(0.56, 0.56, 0.8, 0.76))
    S.stroke(m, [b.p(0.38, 0.74), b.p(0.38, 0.22)], b.d(0.07), caps=False)
    S.stroke(m, [b.p(0.76, 0.66), b.p(0.76, 0.14)], b.d(0.07), caps=False)
    S.polygon(m, b.pts([(0.345, 0.2), (0.795, 0.1), (0.795, 0.24), (0.345, 0.34)]))


def speaker(m, b):
    S.polygon(m, b.pts([(0.14, 0.38), (0.3, 0.38), (0.5, 0.2), (0.5, 0.8), (0.3, 0.62), (0.14, 0.62)]))
    S.arc(m, *b.p(0.5, 0.5), b.d(0.16), -45, 45, b.d(0.07))
    S.arc(m, *b.p(0.5, 0.5), b.d(0.3), -50, 50, b.d(0.07))


def clock(m, b):
    S.ring(m, *b.p(0.5, 0.5), b.d(0.38), b.d(0.1))
    S.stroke(m, [b.p(0.5, 0.5), b.p(0.5, 0.28)], b.d(0.09))
    S.stroke(m, [b.p(0.5, 0.5), b.p(0.66, 0.58)], b.d(0.09))


def brush(m, b):
    """A paint roller over a filled square: the fill tool."""
    S.rrect(m, b.box(0.16, 0.16, 0.84, 0.84), b.d(0.1))


def fill_tool(m, b):
    S.rrect(m, b.box(0.2, 0.2, 0.8, 0.8), b.d(0.09))


def flag(m, b):
    S.stroke(m, [b.p(0.26, 0.14), b.p(0.26, 0.88)], b.d(0.08))
    S.polygon(m, b.pts([(0.28, 0.16), (0.78, 0.26), (0.28, 0.5)]))


def crown(m, b):
    S.rounded_polygon(m, b.pts([(0.14, 0.32), (0.34, 0.52), (0.5, 0.22), (0.66, 0.52), (0.86, 0.32),
                                (0.78, 0.76), (0.22, 0.76)]), b.d(0.03))
    S.rrect(m, b.box(0.22, 0.78, 0.78, 0.88), b.d(0.03))


def lightning(m, b):
    S.rounded_polygon(m, b.pts([(0.58, 0.1), (0.24, 0.56), (0.46, 0.56), (0.38, 0.9), (0.76, 0.42),
                                (0.53, 0.42)]), b.d(0.02))


def leaf(m, b):
    pts = []
    for i in range(41):
        t = i / 40.0
        pts.append(b.p(0.2 + 0.6 * t, 0.8 - 0.6 * t - 0.22 * math.sin(math.pi * t)))
    for i in range(41):
        t = 1 - i / 40.0
        pts.append(b.p(0.2 + 0.6 * t, 0.8 - 0.6 * t + 0.22 * math.sin(math.pi * t)))
    S.polygon(m, pts)
    S.stroke(m, [b.p(0.2, 0.8), b.p(0.62, 0.38)], b.d(0.035), 0)


def paw(m, b):
    S.ellipse(m, b.box(0.3, 0.48, 0.7, 0.84))
    for cx, cy in ((0.22, 0.4), (0.38, 0.24), (0.62, 0.24), (0.78, 0.4)):
        S.ellipse(m, b.box(cx - 0.09, cy - 0.11, cx + 0.09, cy + 0.11))


def sun(m, b):
    S.circle(m, *b.p(0.5, 0.5), b.d(0.2))
    for i in range(8):
        a = math.radians(i * 45)
        S.stroke(m, [b.p(0.5 + 0.3 * math.cos(a), 0.5 + 0.3 * math.sin(a)),
                     b.p(0.5 + 0.42 * math.cos(a), 0.5 + 0.42 * math.sin(a))], b.d(0.08))


def flame(m, b):
    bottom = [(0.5 + 0.3 * math.cos(math.pi * i / 60.0), 0.6 + 0.28 * math.sin(math.pi * i / 60.0))
              for i in range(60, -1, -1)]
    tip = [(0.8, 0.6), (0.78, 0.42), (0.66, 0.26), (0.52, 0.08), (0.5, 0.26), (0.4, 0.32),
           (0.3, 0.22), (0.24, 0.4), (0.2, 0.6)]
    S.polygon(m, b.pts(bottom + tip))
    S.polygon(m, b.pts([(0.5, 0.86), (0.38, 0.72), (0.44, 0.56), (0.5, 0.62), (0.58, 0.48),
                        (0.64, 0.7)]), 0)


ICONS = {
    "star": star, "star_outline": star_outline, "heart": heart, "heart_outline": heart_outline,
    "coin": coin, "coin_mark": coin_mark, "lock": lock, "check": check, "cross": cross, "left": chevron_left,
    "right": chevron_right, "back": back, "arrow_left": arrow_left, "arrow_right": arrow_right,
    "options": gear, "pause": pause, "play": play, "help": question, "exclamation": exclamation,
    "trophy": trophy, "hint": bulb, "store": bag, "home": home, "levels": grid, "list": list_,
    "profile": person, "players": people, "exit": door, "restart": restart, "plus": plus,
    "minus": minus, "delete": trash, "rename": pencil, "music": music, "sound": speaker,
    "clock": clock, "fill": fill_tool, "flag": flag, "crown": crown, "lightning": lightning,
    "leaf": leaf, "paw": paw, "sun": sun, "flame": flame,
}


def mask(name, w, h, x=None, y=None, s=None):
    """The named icon's silhouette in a w x h mask, in the square (x, y, s) (default: centred,
    the largest square)."""
    s = min(w, h) if s is None else s
    x = (w - s) / 2.0 if x is None else x
    y = (h - s) / 2.0 if y is None else y
    m = S.blank(w, h)
    ICONS[name](m, Box(x, y, s))
    return m
