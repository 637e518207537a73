"""The level screen's art (group data/share/image/level): cell skins as opening animations,
the block background, selection signs, clue panels and their sticks, the grid border, the row
and column highlight, the error panel, the hint button and its flight, particles, the win
sweep, the bonus coin and the fill/cross toggle."""
import math

from PIL import Image, ImageDraw

import icons as I
import kit
import style as S
from kit_gui import coin_icon, dark_pill, fin
from style import (CREAM, GOLD, GOLD_DARK, GOLD_DEEP, GOLD_LIGHT, GREY, INK, INK_SOFT, NAVY, NAVY_DEEP,
                   NAVY_TOP, PAPER, PAPER_DEEP, PAPER_RIM, PAPER_SHADE, RED, RED_DARK, RED_LIGHT, TEAL,
                   TEAL_DARK, WHITE)

# Cell sizes the level files may use ("elSize"); every cell-sized picture comes in each.
CELL_SIZES = (24, 28, 32, 40, 48, 64)
FILLED = (46, 48, 78)


def scaled_square(n, scale, inset, radius):
    """A centred rounded square of the cell, scaled about its centre."""
    half = (n / 2.0 - inset) * scale
    c = n / 2.0
    return S.rrect(S.blank(n, n), (c - half, c - half, c + half, c + half), radius * scale)


def cell_yes(n):
    inset = max(1.0, n / 22.0)
    radius = n * 0.14
    frames = []
    for scale in (0.3, 0.62, 0.9, 1.08, 0.97, 1.0):
        m = scaled_square(n, scale, inset, radius)
        c = S.canvas(n, n)
        c = S.paint(c, m, S.vgradient(c.size, [(0, S.lighten(FILLED, 0.12)), (1, S.darken(FILLED, 0.2))]))
        inner = S.shrink(m, max(1.0, n / 24.0))
        c = S.paint(c, S.subtract(inner, S.shift(inner, 0, max(1.0, n / 24.0))), WHITE, 0.22)
        frames.append(fin(c, n, n))
    return S.strip(frames)


def cell_no(n):
    w = max(1.6, n * 0.085)
    a0, a1 = n * 0.3, n * 0.7
    frames = []
    for k in range(6):
        m = S.blank(n, n)
        t1 = min(1.0, (k + 1) / 3.0)
        t2 = max(0.0, (k - 2) / 3.0)
        S.stroke(m, [(a0, a0), (a0 + (a1 - a0) * t1, a0 + (a1 - a0) * t1)], w)
        if t2 > 0:
            S.stroke(m, [(a1, a0), (a1 - (a1 - a0) * t2, a0 + (a1 - a0) * t2)], w)
        c = S.paint(S.canvas(n, n), m, S.rgba(INK_SOFT, 215))
        frames.append(fin(c, n, n))
    return S.strip(frames)


def cell_locked(n):
    c = S.canvas(n, n)
    sq = S.rrect(S.blank(n, n), (1, 1, n - 1, n - 1), n * 0.12)
    c = S.paint(c, sq, S.rgba(PAPER_DEEP, 150))
    hatch = S.blank(n, n)
    step = max(4.0, n / 5.0)
    x = -n
    while x < n:
        S.stroke(hatch, [(x, n), (x + n, 0)], max(1.0, n / 24.0), caps=False)
        x += step
    c = S.paint(c, S.intersect(hatch, sq), S.rgba(INK_SOFT, 110))
    if n >= 32:
        c = S.paint(c, S.circle(S.blank(n, n), n / 2, n / 2, n * 0.24), S.rgba(PAPER, 230))
        c = S.paint(c, I.mask("lock", n, n, n * 0.3, n * 0.29, n * 0.4), INK_SOFT)
    return fin(c, n, n)


def selection(n, kind):
    c = S.canvas(n, n)
    inset = max(1.0, n / 16.0)
    if kind == "yes":
        m = S.rrect(S.blank(n, n), (inset, inset, n - inset, n - inset), n * 0.14)
        c = S.paint(c, m, S.rgba(TEAL, 120))
        c = S.paint(c, S.subtract(m, S.shrink(m, max(1.0, n / 20.0))), S.rgba(TEAL_DARK, 230))
    elif kind == "no":
        m = S.blank(n, n)
        S.stroke(m, [(n * 0.28, n * 0.28), (n * 0.72, n * 0.72)], max(2.0, n * 0.12))
        S.stroke(m, [(n * 0.72, n * 0.28), (n * 0.28, n * 0.72)], max(2.0, n * 0.12))
        c = S.paint(c, S.grow(m, max(0.8, n / 40.0)), S.rgba(WHITE, 170))
        c = S.paint(c, m, S.rgba(TEAL_DARK, 235))
    else:
        m = S.rrect(S.blank(n, n), (inset, inset, n - inset, n - inset), n * 0.16)
        c = S.paint(c, S.subtract(m, S.shrink(m, max(1.5, n / 14.0))), S.rgba(TEAL, 230))
    return fin(c, n, n)


def block(n, cells=5):
    """One block of cells: paper with thin lines between the cells, crisp at its own size."""
    size = n * cells
    img = Image.new("RGBA", (size, size), S.rgba(PAPER))
    d = ImageDraw.Draw(img)
    line = S.mix(PAPER, PAPER_RIM, 0.45)
    for k in range(1, cells):
        d.line([(k * n, 0), (k * n, size - 1)], fill=S.rgba(line))
        d.line([(0, k * n), (size - 1, k * n)], fill=S.rgba(line))
    edge = S.mix(PAPER, PAPER_RIM, 0.8)
    d.rectangle([0, 0, size - 1, size - 1], outline=S.rgba(edge))
    return img


def cells():
    for n in CELL_SIZES:
        kit.out("level", "cell_yes_%d.png" % n, cell_yes(n),
                "6 frames %dx%d: a filled cell opening (grid \"6 1\", frames 6)" % (n, n))
        kit.out("level", "cell_no_%d.png" % n, cell_no(n),
                "6 frames %dx%d: a cross drawn stroke by stroke (grid \"6 1\", frames 6)" % (n, n))
        kit.out("level", "cell_locked_%d.png" % n, cell_locked(n), "fixed or blocked cell overlay")
        kit.out("level", "block_%d.png" % n, block(n), "one 5x5 block of %d px cells" % n)
        kit.out("level", "selection_%d.png" % n, selection(n, "frame"), "selected-cell frame")
        kit.out("level", "selection_yes_%d.png" % n, selection(n, "yes"), "selected cell, fill mode")
        kit.out("level", "selection_no_%d.png" % n, selection(n, "no"), "selected cell, cross mode")
    # Size-free names for layouts that size the pictures themselves (SIZE stretches them).
    kit.out("level", "block.png", block(64), "one 5x5 block of 64 px cells; give SIZE 5 x elSize to fit")
    kit.out("level", "selection.png", selection(64, "frame"), "selected-cell frame, 64 px (SIZE to the cell)")
    kit.out("level", "selection_yes.png", selection(64, "yes"), "selected cell, fill mode, 64 px (SIZE to the cell)")
    kit.out("level", "selection_no.png", selection(64, "no"), "selected cell, cross mode, 64 px (SIZE to the cell)")


def clue_panels():
    img = Image.new("RGBA", (16, 16), S.rgba(S.mix(PAPER, PAPER_SHADE, 0.6), 235))
    kit.out("level", "ear_bg.png", img, "clue panel background, plain (repeats)")
    for name, w, color, alpha in (("stick", 2, S.mix(PAPER_SHADE, PAPER_RIM, 0.5), 200),
                                  ("stick_block", 3, S.darken(PAPER_RIM, 0.1), 255)):
        img = Image.new("RGBA", (w, 160), S.rgba(color, 0))
        for y in range(160):
            a = int(alpha * min(1.0, 0.25 + 0.75 * y / 160.0))
            for x in range(w):
                img.putpixel((x, y), S.rgba(color, a))
        kit.out("level", name + ".png", img, "line at a %s boundary of the clue panels; strongest at the grid edge (bottom)"
                % ("block" if "block" in name else "cell"))


def border():
    """The frame around the grid: its band lies across the grid's edge, the inner half clear so
    that no cell is covered; corners 24 px."""
    c_ = 24
    size = 96
    c = S.canvas(size, size)
    outer = S.rrect(S.blank(size, size), (2, 2, size - 2, size - 2), 12)
    line = S.subtract(S.shrink(outer, 2), S.shrink(outer, 8.5))
    c = S.drop_shadow(c, line, 0, 2, 2.5, NAVY_DEEP, 0.55)
    c = S.paint(c, line, S.darken(PAPER_RIM, 0.35))
    c = S.paint(c, S.subtract(S.shrink(outer, 3.5), S.shrink(outer, 7)), S.vgradient(c.size, [(0, PAPER_RIM), (1, S.darken(PAPER_RIM, 0.15))]))
    c = S.paint(c, S.subtract(S.shrink(outer, 3.5), S.shrink(outer, 4.5)), WHITE, 0.35)
    big = fin(c, size, size)
    cuts = {"ul": (0, 0, c_, c_), "up": (44, 0, 52, c_), "ur": (size - c_, 0, size, c_),
            "lt": (0, 44, c_, 52), "rt": (size - c_, 44, size, 52),
            "dl": (0, size - c_, c_, size), "dn": (44, size - c_, 52, size), "dr": (size - c_, size - c_, size, size)}
    for piece, box in cuts.items():
        kit.out("level", "border_%s.png" % piece, big.crop(box),
                "grid frame, nine-piece %s (corners 24x24; no middle piece: leave \"mid\" empty)" % piece)


def highlight():
    img = Image.new("RGBA", (8, 8), S.rgba(GOLD_LIGHT, 80))
    kit.out("level", "highlight_h.png", img, "row highlight bar, plain translucent gold (sized by the screen)")
    kit.out("level", "highlight_v.png", img.copy(), "column highlight bar, plain translucent gold")


def pop_frames(n, scales, draw):
    frames = []
    for s in scales:
        frames.append(draw(n, s))
    return S.strip(frames)


def errors():
    n = 40

    def err(n, s):
        m = S.circle(S.blank(n, n), n / 2, n / 2, 16 * s)
        c = S.gem(n, n, m, RED_LIGHT, RED, RED_DARK, S.darken(RED_DARK, 0.35), shadow=0.35)
        x = S.blank(n, n)
        r = 6.5 * s
        S.stroke(x, [(n / 2 - r, n / 2 - r), (n / 2 + r, n / 2 + r)], 3.6 * s)
        S.stroke(x, [(n / 2 + r, n / 2 - r), (n / 2 - r, n / 2 + r)], 3.6 * s)
        return fin(S.paint(c, x, WHITE), n, n)

    kit.out("level", "error_icon.png", pop_frames(n, (0.3, 0.7, 1.12, 1.2, 1.04, 1.0), err),
            "6 frames 40x40: an error mark popping in (grid \"6 1\", frames 6)")
    c = S.canvas(n, n)
    c = S.paint(c, S.circle(S.blank(n, n), n / 2, n / 2, 15), S.rgba(NAVY_DEEP, 150))
    c = S.paint(c, I.mask("lock", n, n, 11, 10, 18), S.rgba(GREY, 220))
    kit.out("level", "error_lock.png", fin(c, n, n), "slot beyond the error limit (1 frame)")
    w, h = 300, 56
    c, _ = dark_pill(w, h)
    for k in range(6):
        cx = 30 + k * 48
        c = S.paint(c, S.circle(S.blank(w, h), cx, 26, 15), S.rgba(WHITE, 22))
    kit.out("level", "error_panel.png", fin(c, w, h),
            "error panel background for 6 slots of 40 px, interval 8: slot k centred at (30 + 48k, 26)")


def hint_art():
    n = 96

    def button(k):
        c = S.canvas(n, n)
        m = S.circle(S.blank(n, n), n / 2, n / 2 - 2, 40)
        base = GOLD if k else GREY
        c = S.Image.alpha_composite(c, S.gem(n, n, m, S.lighten(base, 0.45), base, S.darken(base, 0.15), S.darken(base, 0.55)))
        bulb = I.mask("hint", n, n, 20, 16, 56)
        c = S.drop_shadow(c, bulb, 0, 1.5, 1, S.darken(base, 0.6), 0.6)
        c = S.paint(c, bulb, WHITE)
        badge = S.circle(S.blank(n, n), 74, 72, 15)
        bc = RED if k else S.darken(GREY, 0.2)
        c = S.Image.alpha_composite(c, S.gem(n, n, badge, S.lighten(bc, 0.3), bc, S.darken(bc, 0.2), S.darken(bc, 0.5), shadow=0.3))
        c = S.paint(c, S.text_mask(S.blank(n, n), str(k), 74, 73, 19), WHITE)
        return fin(c, n, n)

    kit.out("level", "hint_button.png", S.strip([button(k) for k in range(5)]),
            "5 frames 96x96: the hint button showing 0, 1, 2, 3, 4 hints")

    g = 128
    frames = []
    for k in range(8):
        c = S.canvas(g, g)
        rays = S.blank(g, g)
        for i in range(12):
            a = math.radians(i * 30 + k * 3.75)
            a1, a2 = a - math.radians(6), a + math.radians(6)
            S.polygon(rays, [(g / 2, g / 2), (g / 2 + 62 * math.cos(a1), g / 2 + 62 * math.sin(a1)),
                             (g / 2 + 62 * math.cos(a2), g / 2 + 62 * math.sin(a2))])
        fade = S.radial(c.size, (g / 2, g / 2), 62, (255, 255, 255, 255), (255, 255, 255, 0)).getchannel("A")
        c = S.paint(c, S.intersect(S.blur(rays, 1.5), fade), GOLD_LIGHT, 0.7)
        c = S.paint(c, S.intersect(S.circle(S.blank(g, g), g / 2, g / 2, 46), fade), GOLD_LIGHT, 0.25)
        frames.append(fin(c, g, g))
    kit.out("level", "hint_glow.png", S.strip(frames), "8 frames 128x128: turning golden rays behind the hint button")

    f = 48
    frames = []
    for k in range(8):
        c = S.canvas(f, f)
        pulse = 0.85 + 0.15 * math.cos(k * math.pi / 4)
        c = S.paint(c, S.blur(S.circle(S.blank(f, f), f / 2, f / 2, 12 * pulse), 4), GOLD, 0.8)
        spark = sparkle_mask(f, f / 2, f / 2, 21 * pulse, k * 11.25)
        c = S.paint(c, S.grow(spark, 1.0), GOLD)
        c = S.paint(c, spark, WHITE)
        frames.append(fin(c, f, f))
    kit.out("level", "hint_fly.png", S.strip(frames), "8 frames 48x48: the flying hint, a turning golden sparkle")


def sparkle_mask(size, cx, cy, r, rot=0.0, thin=0.22):
    m = S.blank(size, size)
    pts = []
    for i in range(8):
        a = math.radians(rot + i * 45 - 90)
        rr = r if i % 2 == 0 else r * thin
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    S.polygon(m, pts)
    return m


def effects():
    p = 32
    c = S.radial(S.canvas(p, p).size, (p / 2, p / 2), p / 2, (255, 255, 255, 255), (255, 255, 255, 0))
    kit.out("level", "particle_dot.png", fin(c, p, p), "soft white dot for particles (tinted by the emitter)")
    c = S.paint(S.canvas(p, p), sparkle_mask(p, p / 2, p / 2, 15), WHITE)
    c = S.paint(c, S.blur(S.circle(S.blank(p, p), p / 2, p / 2, 4), 2), WHITE)
    kit.out("level", "particle_spark.png", fin(c, p, p), "white four-point sparkle for particles")
    c = S.paint(S.canvas(p, p), I.mask("star", p, p, 2, 2, 28), WHITE)
    kit.out("level", "particle_star.png", fin(c, p, p), "white star for particles")

    w = 96
    frames = []
    for k in range(8):
        t = k / 7.0
        c = S.canvas(w, w)
        r = 12 + 34 * t
        ringm = S.subtract(S.circle(S.blank(w, w), w / 2, w / 2, r), S.circle(S.blank(w, w), w / 2, w / 2, max(0, r - 6 + 4 * t)))
        c = S.paint(c, S.blur(S.grow(ringm, 1), 1.5), GOLD, 1.0 - t)
        c = S.paint(c, S.blur(ringm, 1), GOLD_LIGHT, 1.0 - t)
        c = S.paint(c, S.blur(S.circle(S.blank(w, w), w / 2, w / 2, 20 * (1 - t) + 2), 4), WHITE, 0.9 * (1 - t))
        for i in range(4):
            a = math.radians(i * 90 + 45 + k * 8)
            sx, sy = w / 2 + (r - 4) * math.cos(a), w / 2 + (r - 4) * math.sin(a)
            c = S.paint(c, sparkle_mask(w, sx, sy, 8 * (1 - t * 0.6)), WHITE, 1.0 - t * 0.8)
        frames.append(fin(c, w, w))
    kit.out("level", "win_sweep.png", S.strip(frames),
            "8 frames 96x96: a picture cell opening in the win sweep, ring and sparkles (grid \"8 1\", no loop)")

    f = 40
    frames = []
    for k in range(6):
        t = k / 5.0
        c = S.canvas(f, f)
        for i in range(6):
            a = math.radians(i * 60 + 20)
            d = 4 + 14 * t
            dot = S.circle(S.blank(f, f), f / 2 + d * math.cos(a), f / 2 + d * math.sin(a), 3.2 * (1 - t) + 0.8)
            c = S.paint(c, S.grow(dot, 0.8), GOLD_DARK, 1 - t * 0.9)
            c = S.paint(c, dot, GOLD, 1 - t * 0.9)
        spark = sparkle_mask(f, f / 2, f / 2, 14 * (1 - t) + 2)
        c = S.paint(c, S.grow(spark, 1.0), GOLD_DARK, 1 - t)
        c = S.paint(c, spark, GOLD_LIGHT, 1 - t)
        frames.append(fin(c, f, f))
    kit.out("level", "clue_cross.png", S.strip(frames), "6 frames 40x40: a puff over a clue number as it is crossed")

    b = 48
    frames = []
    for k in range(8):
        sx = abs(math.cos(k * math.pi / 8))
        c = S.canvas(b, b)
        face = coin_icon(b, b, 40)
        squeezed = face.resize((max(1, int(face.size[0] * max(0.12, sx))), face.size[1]), Image.LANCZOS)
        layer = S.canvas(b, b)
        layer.paste(squeezed, ((face.size[0] - squeezed.size[0]) // 2, 0))
        c = S.Image.alpha_composite(c, layer)
        frames.append(fin(c, b, b))
    kit.out("level", "bonus_coin.png", S.strip(frames), "8 frames 48x48: a spinning sunime coin (bonus flight)")


def reset_area():
    n = 96
    frames = []
    for k in range(6):
        pulse = 1.0 + 0.08 * math.sin(k * math.pi / 3)
        c = S.canvas(n, n)
        disc = S.circle(S.blank(n, n), n / 2, n / 2, 38 * pulse)
        c = S.paint(c, disc, S.rgba(WHITE, 70))
        c = S.paint(c, S.subtract(disc, S.shrink(disc, 3)), WHITE)
        c = S.paint(c, I.mask("back", n, n, n / 2 - 24, n / 2 - 24, 48), WHITE)
        frames.append(fin(c, n, n))
    kit.out("level", "reset_area.png", S.strip(frames),
            "6 frames 96x96: the cancel-selection area, white (tinted by begin/mid/end colours), pulsing")


def mode_toggle():
    w, h, kw = 176, 80, 88
    c = S.canvas(w, h)
    m = S.rrect(S.blank(w, h), (3, 3, w - 3, h - 6), 20)
    c = S.drop_shadow(c, m, 0, 2.5, 2.5, NAVY_DEEP, 0.5)
    c = S.paint(c, m, PAPER_RIM)
    inner = S.shrink(m, 2)
    c = S.paint(c, inner, S.vgradient(c.size, [(0, PAPER), (1, PAPER_SHADE)]))
    c = S.paint(c, S.rrect(S.blank(w, h), (w / 2 - 1, 14, w / 2 + 1, h - 17), 1), PAPER_RIM)
    sq = S.rrect(S.blank(w, h), (26, 17, 62, 53), 7)
    c = S.paint(c, sq, S.vgradient(c.size, [(0, S.lighten(FILLED, 0.12)), (1, S.darken(FILLED, 0.2))]))
    x = S.blank(w, h)
    S.stroke(x, [(115, 19), (149, 53)], 7)
    S.stroke(x, [(149, 19), (115, 53)], 7)
    c = S.paint(c, x, INK_SOFT)
    kit.out("level", "mode_panel.png", fin(c, w, h),
            "fill/cross toggle track (CHECKBOX_IOS TX_PANEL): fill square left, cross right")
    c = S.canvas(kw, h)
    k = S.rrect(S.blank(kw, h), (5, 5, kw - 5, h - 8), 16)
    c = S.paint(c, S.subtract(S.blur(S.grow(k, 2), 4), k), GOLD, 0.7)
    c = S.paint(c, k, S.rgba(GOLD_LIGHT, 30))
    c = S.paint(c, S.subtract(k, S.shrink(k, 3.5)), GOLD)
    c = S.paint(c, S.subtract(S.shrink(k, 3.5), S.shrink(k, 5)), GOLD_DARK, 0.7)
    kit.out("level", "mode_knob.png", fin(c, kw, h),
            "fill/cross toggle selector (CHECKBOX_IOS TX_BTN): a gold frame over the chosen tool; checked = fill (left)")


def make_all():
    cells()
    clue_panels()
    border()
    highlight()
    errors()
    hint_art()
    effects()
    reset_area()
    mode_toggle()
