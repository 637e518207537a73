"""Screens and packs (groups data/share/image/screens and data/share/image/packs): the menu
background, the title logo, the two loading-screen splashes, the loading bar and animation,
the letterbox side decoration, the purchase spinner, and the four pack backgrounds with their
tile pictures. Scenes are drawn by functions of the picture size, so a pack's tile picture is
its background drawn small."""
import math
import random

from PIL import Image, ImageDraw, ImageFilter

import icons as I
import kit
import style as S
from kit_gui import bar_halves, fin
from style import (CORAL, CREAM, GOLD, GOLD_DARK, GOLD_LIGHT, INK, INK_SOFT, NAVY, NAVY_DEEP, NAVY_TOP,
                   PAPER, PAPER_RIM, PAPER_SHADE, TEAL, TEAL_LIGHT, WHITE)

W, H = 1024, 768


def flat_canvas(w, h, stops):
    return S.vgradient((int(w * S.SS), int(h * S.SS)), stops)


def soft_blob(c, w, h, cx, cy, r, color, alpha, blur=None):
    m = S.circle(S.blank(w, h), cx, cy, r)
    return S.paint(c, S.blur(m, r * 0.5 if blur is None else blur), color, alpha)


def vignette(c, w, h, strength=0.35):
    m = S.radial(c.size, (w / 2, h / 2), math.hypot(w, h) / 2, (0, 0, 0, 0), (0, 0, 0, 255))
    return S.paint(c, m.getchannel("A"), NAVY_DEEP, strength)


def hills(w, h, base_y, amp, waves, seed):
    """A mask of rolling hills below a wavy line."""
    rnd = random.Random(seed)
    phases = [rnd.uniform(0, 6.28) for _ in waves]
    pts = [(0, h)]
    for i in range(0, 101):
        x = w * i / 100.0
        y = base_y + sum(amp * a * math.sin(x / w * 6.28 * f + p) for (f, a), p in zip(waves, phases))
        pts.append((x, y))
    pts.append((w, h))
    return S.polygon(S.blank(w, h), pts)


def pines(w, h, base_y, count, height, seed, jitter=0.25):
    """A row of pines on the ground line: each tree one zig-zag silhouette of four tiers."""
    rnd = random.Random(seed)
    m = S.blank(w, h)
    # The ground rises to the lowest boughs, so no bare trunks show between the trees.
    S.rrect(m, (0, base_y - height * 0.12, w, h), 0)
    tiers = 4
    for i in range(count):
        x = (i + rnd.uniform(-0.35, 0.35)) * w / (count - 1)
        th = height * rnd.uniform(1 - jitter, 1 + jitter)
        tw = th * 0.3
        top = base_y - th
        right = [(x, top)]
        for k in range(1, tiers + 1):
            y = top + th * 0.85 * k / tiers
            wk = tw * k / tiers
            right.append((x + wk, y))
            if k < tiers:
                right.append((x + wk * 0.45, y - th * 0.02))
        right.append((x + th * 0.04, top + th * 0.85))
        right.append((x + th * 0.04, base_y - height * 0.1))
        left = [(2 * x - px, py) for px, py in reversed(right[1:])]
        S.polygon(m, right + left)
    return m


# ---------------------------------------------------------------- scenes

def scene_menu(w, h, seed=5):
    c = flat_canvas(w, h, [(0, NAVY_TOP), (0.55, NAVY), (1, NAVY_DEEP)])
    c = soft_blob(c, w, h, w * 0.16, h * 0.86, h * 0.55, TEAL, 0.22)
    c = soft_blob(c, w, h, w * 0.88, h * 0.12, h * 0.5, CORAL, 0.16)
    # A faint field of puzzle cells, some filled, fading out toward the middle.
    rnd = random.Random(seed)
    cell = w / 28.0
    grid = S.blank(w, h)
    filled = S.blank(w, h)
    for j in range(int(h / cell) + 1):
        for i in range(29):
            x, y = i * cell, j * cell
            box = (x + cell * 0.1, y + cell * 0.1, x + cell * 0.9, y + cell * 0.9)
            S.rrect(grid, box, cell * 0.18)
            if rnd.random() < 0.28:
                S.rrect(filled, box, cell * 0.18)
    fade = S.radial(c.size, (w / 2, h * 0.45), w * 0.62, (0, 0, 0, 0), (0, 0, 0, 255)).getchannel("A")
    c = S.paint(c, S.intersect(S.subtract(grid, S.shrink(grid, 1.0)), fade), CREAM, 0.055)
    c = S.paint(c, S.intersect(filled, fade), CREAM, 0.045)
    for _ in range(26):
        x, y, r = rnd.uniform(0, w), rnd.uniform(0, h), rnd.uniform(3, 14) * w / 1024
        c = soft_blob(c, w, h, x, y, r, CREAM, rnd.uniform(0.04, 0.12), r * 0.6)
    return vignette(c, w, h, 0.3)


def clouds(c, w, h, rnd, count, y0, y1, alpha=0.75):
    for _ in range(count):
        cx, cy = rnd.uniform(-0.05, 1.05) * w, rnd.uniform(y0, y1) * h
        s = rnd.uniform(0.08, 0.16) * w
        m = S.blank(w, h)
        for k in range(5):
            S.circle(m, cx + (k - 2) * s * 0.45, cy - (s * 0.25 if k in (1, 2, 3) else 0) - (s * 0.15 if k == 2 else 0),
                     s * (0.45 if k in (0, 4) else 0.6))
        S.rrect(m, (cx - s * 1.1, cy - s * 0.1, cx + s * 1.1, cy + s * 0.35), s * 0.2)
        c = S.paint(c, S.blur(m, s * 0.08), WHITE, alpha)
    return c


def scene_sky(w, h, seed=1):
    """First steps: a soft morning sky over a sheet of squared paper."""
    rnd = random.Random(seed)
    c = flat_canvas(w, h, [(0, (150, 196, 236)), (0.55, (206, 228, 240)), (0.8, (246, 240, 226)), (1, PAPER)])
    c = soft_blob(c, w, h, w * 0.82, h * 0.16, h * 0.22, (255, 244, 200), 0.8)
    c = clouds(c, w, h, rnd, 6, 0.12, 0.55)
    # The paper below, with faint squares.
    sheet = S.polygon(S.blank(w, h), [(0, h * 0.71), (w, h * 0.71), (w, h), (0, h)])
    c = S.paint(c, S.blur(S.shift(sheet, 0, -3), 6), (120, 140, 170), 0.25)
    c = S.paint(c, sheet, PAPER)
    lines = S.blank(w, h)
    step = w / 32.0
    for i in range(33):
        S.rrect(lines, (i * step, 0, i * step + 1.0, h), 0)
    for j in range(int(h / step) + 1):
        S.rrect(lines, (0, j * step, w, j * step + 1.0), 0)
    c = S.paint(c, S.intersect(lines, sheet), (150, 185, 215), 0.35)
    return c


def scene_meadow(w, h, seed=2):
    """Garden and farm: rolling green hills under a light sky."""
    rnd = random.Random(seed)
    c = flat_canvas(w, h, [(0, (140, 198, 232)), (0.5, (210, 234, 236)), (1, (236, 244, 222))])
    c = soft_blob(c, w, h, w * 0.18, h * 0.14, h * 0.18, (255, 246, 206), 0.85)
    c = clouds(c, w, h, rnd, 4, 0.1, 0.35, 0.7)
    layers = [((0.5, ((1.0, 0.6), (2.3, 0.4))), (150, 196, 170)), ((0.6, ((1.4, 0.7), (3.1, 0.3))), (120, 182, 120)),
              ((0.72, ((0.9, 0.8), (2.7, 0.2))), (96, 164, 96)), ((0.86, ((1.2, 0.6), (3.7, 0.4))), (84, 150, 84))]
    for k, ((base, waves), col) in enumerate(layers):
        m = hills(w, h, h * base, h * 0.035, waves, seed * 10 + k)
        if k == 1:
            # Round trees on the second ridge.
            for i in range(7):
                x = rnd.uniform(0.05, 0.95) * w
                y = h * (base - 0.02)
                S.rrect(m, (x - w * 0.003, y - h * 0.04, x + w * 0.003, y + h * 0.02), 0)
                S.circle(m, x, y - h * 0.05, h * 0.028)
        c = S.paint(c, m, S.vgradient(c.size, [(0, S.lighten(col, 0.12)), (1, S.darken(col, 0.08))]))
    for _ in range(60):
        x, y = rnd.uniform(0, w), rnd.uniform(0.9, 1.0) * h
        col = rnd.choice([WHITE, GOLD_LIGHT, (255, 190, 200)])
        c = S.paint(c, S.circle(S.blank(w, h), x, y, rnd.uniform(1.5, 3.0) * w / 1024), col, 0.8)
    return c


def scene_house(w, h, seed=3):
    """Around the house: a warm room with a window, wainscot and a wooden floor."""
    c = flat_canvas(w, h, [(0, (246, 226, 196)), (1, (232, 200, 160))])
    stripes = S.blank(w, h)
    step = w / 24.0
    for i in range(25):
        S.rrect(stripes, (i * step, 0, i * step + step * 0.45, h), 0)
    c = S.paint(c, stripes, (255, 240, 214), 0.35)
    # Window with a soft light falling into the room.
    wx0, wy0, wx1, wy1 = w * 0.08, h * 0.1, w * 0.3, h * 0.5
    beam = S.polygon(S.blank(w, h), [(wx0, wy0), (wx1, wy0), (w * 0.62, h * 0.92), (w * 0.3, h * 0.92)])
    c = S.paint(c, S.blur(beam, w * 0.03), (255, 248, 220), 0.35)
    frame = S.rrect(S.blank(w, h), (wx0 - 8 * w / 1024, wy0 - 8 * w / 1024, wx1 + 8 * w / 1024, wy1 + 8 * w / 1024), 6 * w / 1024)
    c = S.paint(c, S.blur(S.shift(frame, 0, 4 * w / 1024), 5 * w / 1024), (120, 80, 50), 0.3)
    c = S.paint(c, frame, (196, 146, 100))
    glass = S.rrect(S.blank(w, h), (wx0, wy0, wx1, wy1), 3 * w / 1024)
    c = S.paint(c, glass, S.vgradient(c.size, [(0, (168, 210, 238)), (0.5, (214, 234, 244)), (1, (236, 240, 230))]))
    bars = S.blank(w, h)
    S.rrect(bars, ((wx0 + wx1) / 2 - 3 * w / 1024, wy0, (wx0 + wx1) / 2 + 3 * w / 1024, wy1), 0)
    S.rrect(bars, (wx0, (wy0 + wy1) / 2 - 3 * w / 1024, wx1, (wy0 + wy1) / 2 + 3 * w / 1024), 0)
    c = S.paint(c, bars, (196, 146, 100))
    # A picture frame and a shelf on the wall at the right.
    pf = S.rrect(S.blank(w, h), (w * 0.78, h * 0.14, w * 0.92, h * 0.32), 4 * w / 1024)
    c = S.paint(c, pf, (176, 124, 84))
    c = S.paint(c, S.shrink(pf, 6 * w / 1024), (236, 222, 190))
    c = S.paint(c, S.intersect(S.shrink(pf, 6 * w / 1024), S.circle(S.blank(w, h), w * 0.85, h * 0.29, w * 0.06)), (150, 190, 140))
    # Wainscot and floor.
    c = S.paint(c, S.rrect(S.blank(w, h), (0, h * 0.62, w, h * 0.64), 0), (176, 124, 84))
    c = S.paint(c, S.rrect(S.blank(w, h), (0, h * 0.64, w, h * 0.86), 0), S.vgradient(c.size, [(0, (222, 184, 140)), (1, (206, 162, 118))]))
    panels = S.blank(w, h)
    for i in range(6):
        x0 = w * (0.02 + i * 0.167)
        S.rrect(panels, (x0, h * 0.67, x0 + w * 0.14, h * 0.83), 4 * w / 1024)
    c = S.paint(c, S.subtract(panels, S.shrink(panels, 2 * w / 1024)), (176, 124, 84), 0.6)
    floor = S.rrect(S.blank(w, h), (0, h * 0.86, w, h), 0)
    c = S.paint(c, floor, S.vgradient(c.size, [(0, (178, 120, 76)), (1, (150, 98, 60))]))
    planks = S.blank(w, h)
    for i in range(9):
        S.rrect(planks, (i * w / 8.0 + (w / 16.0 if i % 2 else 0), h * 0.86, i * w / 8.0 + 1.5 + (w / 16.0 if i % 2 else 0), h), 0)
    S.rrect(planks, (0, h * 0.93, w, h * 0.93 + 1.5), 0)
    c = S.paint(c, planks, (120, 76, 46), 0.6)
    return vignette(c, w, h, 0.12)


def scene_forest(w, h, seed=4):
    """Wild world: a pine forest at dusk."""
    rnd = random.Random(seed)
    c = flat_canvas(w, h, [(0, (52, 40, 100)), (0.45, (150, 86, 130)), (0.72, (240, 150, 112)), (1, (250, 190, 140))])
    for _ in range(40):
        x, y = rnd.uniform(0, w), rnd.uniform(0, 0.35) * h
        c = S.paint(c, S.circle(S.blank(w, h), x, y, rnd.uniform(0.8, 1.8) * w / 1024), CREAM, rnd.uniform(0.4, 0.9))
    c = soft_blob(c, w, h, w * 0.76, h * 0.2, h * 0.12, (255, 240, 210), 0.35)
    c = S.paint(c, S.circle(S.blank(w, h), w * 0.76, h * 0.2, h * 0.055), (255, 244, 220))
    layers = [(0.6, 18, 0.18, (150, 104, 156)), (0.72, 14, 0.22, (104, 78, 128)), (0.86, 11, 0.27, (64, 58, 102)),
              (1.02, 8, 0.32, (38, 40, 74))]
    for k, (base, count, height, col) in enumerate(layers):
        m = pines(w, h, h * base, count, h * height, seed * 10 + k)
        c = S.paint(c, m, col)
        if k < 3:
            mist = S.rrect(S.blank(w, h), (0, h * (base - 0.05), w, h * (base + 0.04)), 0)
            c = S.paint(c, S.blur(mist, h * 0.035), (250, 190, 170), 0.3)
    return c


SCENES = [
    (0, "First steps", scene_sky),
    (1, "Garden and farm", scene_meadow),
    (2, "Around the house", scene_house),
    (3, "Wild world", scene_forest),
]


def render(scene, w, h, ss=2):
    with S.supersample(ss):
        c = scene(w, h)
        return c.resize((w, h), Image.LANCZOS).convert("RGB")


def packs():
    for k, title, scene in SCENES:
        kit.out("packs", "pack%d_bg.png" % k, render(scene, W, H), "pack background \"%s\"" % title)
        tw, th = 208, 156
        pic = render(scene, tw, th, ss=4).convert("RGBA")
        with S.supersample(4):
            m = S.rrect(S.blank(tw, th), (0, 0, tw, th), 10)
        pic.putalpha(m.resize((tw, th), Image.LANCZOS))
        kit.out("packs", "pack%d_tile.png" % k, S.bleed(pic), "pack tile picture \"%s\" (rounded corners)" % title)


# ---------------------------------------------------------------- logo and splashes

def logo(w=720, h=230, word="Nonogram"):
    with S.supersample(2):
        c = S.canvas(w, h)
        m = S.text_mask(S.blank(w, h), word, w / 2, h * 0.6, 112)
        rim = S.grow(m, 7)
        c = S.paint(c, S.blur(S.shift(rim, 0, 6), 5), NAVY_DEEP, 0.6)
        c = S.paint(c, rim, INK)
        c = S.paint(c, m, S.vgradient(c.size, [(0.3, GOLD_LIGHT), (0.55, GOLD), (0.8, CORAL)]))
        top = S.intersect(S.shrink(m, 1.5), S.vramp(w, h, h * 0.28, h * 0.5))
        c = S.paint(c, top, WHITE, 0.35)
        # A row of puzzle cells above the word, a few filled.
        pattern = [1, 0, 1, 1, 0, 1, 0, 1, 1, 0, 1]
        cell, gap = 22, 6
        x0 = w / 2 - (len(pattern) * (cell + gap) - gap) / 2
        for i, on in enumerate(pattern):
            box = (x0 + i * (cell + gap), 14, x0 + i * (cell + gap) + cell, 14 + cell)
            sq = S.rrect(S.blank(w, h), box, 5)
            c = S.paint(c, S.blur(S.shift(sq, 0, 3), 2), NAVY_DEEP, 0.45)
            c = S.paint(c, sq, INK)
            col = [TEAL, CORAL, GOLD][i % 3] if on else PAPER
            c = S.paint(c, S.shrink(sq, 2), col)
            c = S.paint(c, S.intersect(S.shrink(sq, 3), S.vramp(w, h, box[1], box[1] + cell * 0.6)), WHITE, 0.3)
        return S.finish(c, (w, h))


def splash_engine(w=W, h=H):
    with S.supersample(2):
        c = flat_canvas(w, h, [(0, NAVY), (1, NAVY_DEEP)])
        c = soft_blob(c, w, h, w / 2, h * 0.42, h * 0.4, TEAL, 0.18)
        # A 5x5 mark whose filled cells draw a Z.
        z = ["#####", "...#.", "..#..", ".#...", "#####"]
        cell, gap = 46, 8
        x0 = w / 2 - (5 * cell + 4 * gap) / 2
        y0 = h * 0.42 - (5 * cell + 4 * gap) / 2
        for j, row in enumerate(z):
            for i, ch in enumerate(row):
                box = (x0 + i * (cell + gap), y0 + j * (cell + gap), x0 + i * (cell + gap) + cell, y0 + j * (cell + gap) + cell)
                sq = S.rrect(S.blank(w, h), box, 9)
                if ch == "#":
                    c = S.paint(c, S.blur(sq, 8), GOLD, 0.35)
                    c = S.paint(c, sq, GOLD_DARK)
                    c = S.paint(c, S.shrink(sq, 2.5), S.vgradient(c.size, [(0, GOLD_LIGHT), (1, GOLD)]))
                else:
                    c = S.paint(c, S.subtract(sq, S.shrink(sq, 2)), CREAM, 0.25)
        name = S.text_mask(S.blank(w, h), "Z O R V A N E", w / 2, h * 0.72, 44)
        c = S.paint(c, name, CREAM)
        sub = S.text_mask(S.blank(w, h), "our own little engine", w / 2, h * 0.79, 20, bold=False)
        c = S.paint(c, sub, TEAL_LIGHT, 0.9)
        c = vignette(c, w, h, 0.35)
        return c.resize((w, h), Image.LANCZOS).convert("RGB")


HEART = [".###..###.", "##########", "##########", "##########", "##########",
         ".########.", "..######..", "...####...", "....##....", ".....#...."]


def clues(rows):
    return [S.clue_runs(r) for r in rows]


def splash_title(w=W, h=H):
    """The title card: the logo over a heart puzzle being solved."""
    with S.supersample(2):
        c = scene_menu(w, h, seed=9)
        n = 10
        cell = 34
        gx0, gy0 = w / 2 - n * cell / 2 + 30, h * 0.42
        clue_w, clue_h = 74, 44
        card = S.rrect(S.blank(w, h), (gx0 - clue_w - 20, gy0 - clue_h - 20, gx0 + n * cell + 20, gy0 + n * cell + 20), 18)
        c = S.paint(c, S.blur(S.shift(card, 0, 8), 10), NAVY_DEEP, 0.6)
        c = S.paint(c, card, PAPER_RIM)
        c = S.paint(c, S.shrink(card, 2.5), PAPER)
        grid = S.blank(w, h)
        for k in range(n + 1):
            wide = 2.2 if k % 5 == 0 else 1.0
            S.rrect(grid, (gx0 + k * cell - wide / 2, gy0, gx0 + k * cell + wide / 2, gy0 + n * cell), 0)
            S.rrect(grid, (gx0, gy0 + k * cell - wide / 2, gx0 + n * cell, gy0 + k * cell + wide / 2), 0)
        c = S.paint(c, grid, S.mix(PAPER, PAPER_RIM, 0.8))
        cols = ["".join(HEART[j][i] for j in range(n)) for i in range(n)]
        done = set()
        for j in range(n):
            for i in range(n):
                if j * n + i < 62:
                    done.add((i, j))
        fill = S.blank(w, h)
        cross = S.blank(w, h)
        for (i, j) in done:
            x, y = gx0 + i * cell, gy0 + j * cell
            if HEART[j][i] == "#":
                S.rrect(fill, (x + 2, y + 2, x + cell - 2, y + cell - 2), 5)
            else:
                S.stroke(cross, [(x + 11, y + 11), (x + cell - 11, y + cell - 11)], 2.6)
                S.stroke(cross, [(x + cell - 11, y + 11), (x + 11, y + cell - 11)], 2.6)
        c = S.paint(c, fill, S.vgradient(c.size, [(0.3, CORAL), (0.8, S.darken(CORAL, 0.25))]))
        c = S.paint(c, cross, INK_SOFT, 0.8)
        numbers = S.blank(w, h)
        for j, runs in enumerate(clues(HEART)):
            for k, v in enumerate(reversed(runs)):
                S.text_mask(numbers, str(v), gx0 - 16 - k * 22, gy0 + j * cell + cell / 2 + 1, 17)
        for i, runs in enumerate(clues(cols)):
            for k, v in enumerate(reversed(runs)):
                S.text_mask(numbers, str(v), gx0 + i * cell + cell / 2, gy0 - 16 - k * 22, 17)
        c = S.paint(c, numbers, INK)
        c = S.Image.alpha_composite(c, logo_canvas(w, h, 0, 10))
        return c.resize((w, h), Image.LANCZOS).convert("RGB")


def logo_canvas(w, h, dx, dy):
    """The logo placed on a canvas of the current supersampling."""
    lg = logo()
    layer = S.canvas(w, h)
    lw, lh = lg.size
    big = lg.resize((int(lw * S.SS), int(lh * S.SS)), Image.LANCZOS)
    layer.paste(big, (int((w / 2 - lw / 2 + dx) * S.SS), int(dy * S.SS)))
    return layer


def screens():
    kit.out("screens", "bg_menu.png", render(scene_menu, W, H), "menu background 1024x768")
    kit.out("screens", "logo.png", logo(), "title logo \"Nonogram\" with a row of puzzle cells")
    kit.out("screens", "splash_engine.png", splash_engine(), "first splash: the engine's mark")
    kit.out("screens", "splash_title.png", splash_title(), "second splash: the title over a heart puzzle")
    kit.out("screens", "loading_bar.png", bar_halves(480, 30, S.rgba(NAVY_DEEP, 255), GOLD, S.lighten(NAVY_TOP, 0.35)),
            "2 halves 480x30: empty | full (PROGRESS_BAR)")

    n = 64
    order = [(0, 0), (1, 0), (2, 0), (2, 1), (2, 2), (1, 2), (0, 2), (0, 1)]
    frames = []
    for k in range(8):
        c = S.canvas(n, n)
        for idx, (i, j) in enumerate(order):
            age = (k - idx) % 8
            box = (6 + i * 18, 6 + j * 18, 6 + i * 18 + 16, 6 + j * 18 + 16)
            sq = S.rrect(S.blank(n, n), box, 4)
            col = GOLD if age == 0 else (CORAL if age == 1 else (TEAL if age == 2 else CREAM))
            c = S.paint(c, sq, col, 1.0 if age < 3 else 0.25)
        c = S.paint(c, S.rrect(S.blank(n, n), (24, 24, 40, 40), 4), CREAM, 0.5)
        frames.append(fin(c, n, n))
    kit.out("screens", "loading_anim.png", S.strip(frames), "8 frames 64x64: cells lighting round a 3x3 grid (grid \"8 1\")")

    # Letterbox side decoration: a tile that repeats both ways and an edge line.
    t = 64
    c = S.canvas(t, t, S.rgba(NAVY_DEEP))
    lines = S.blank(t, t)
    for off in (-t, 0, t):
        S.stroke(lines, [(off, 0), (off + t, t)], 1.0, caps=False)
        S.stroke(lines, [(off + t, 0), (off, t)], 1.0, caps=False)
    c = S.paint(c, lines, NAVY_TOP, 0.6)
    kit.out("screens", "ear_tile.png", fin(c, t, t), "letterbox side pattern, repeats both ways")
    c = S.canvas(12, t, S.rgba(NAVY_DEEP))
    band = S.blank(12, t)
    S.rrect(band, (4, 0, 8, t), 0)
    c = S.paint(c, S.blur(band, 2), GOLD, 0.5)
    c = S.paint(c, S.rrect(S.blank(12, t), (5, 0, 7, t), 0), GOLD_LIGHT)
    kit.out("screens", "ear_line.png", fin(c, 12, t), "letterbox edge line, repeats vertically")

    p = 96
    frames = []
    for k in range(8):
        c = S.canvas(p, p)
        for i in range(8):
            a = math.radians(i * 45 - 90)
            age = (k - i) % 8
            c = S.paint(c, S.circle(S.blank(p, p), p / 2 + 30 * math.cos(a), p / 2 + 30 * math.sin(a), 8 - age * 0.5),
                        CREAM, max(0.15, 1.0 - age * 0.12))
        frames.append(fin(c, p, p))
    kit.out("screens", "purchase_anim.png", S.strip(frames), "8 frames 96x96: a waiting spinner (purchase in progress)")
    kit.out("screens", "purchase_back.png", Image.new("RGBA", (16, 16), S.rgba(NAVY_DEEP, 160)),
            "translucent veil behind the purchase spinner (sized by SIZE)")


def make_all():
    screens()
    packs()
