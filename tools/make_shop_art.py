#!/usr/bin/python3
"""Draws the pictures of the shop, the help pages, the hearts and currency panels and the trophy
pop-up through the shared look (tools/art/style.py, tools/art/icons.py): the shop's dialog, its
buy button and "all bought" badge, the hearts panel's speech bubble, the rays behind a new
trophy, and the small pictures of the help pages (cells, clues,
the mouse, the tool switch, the reset area, mistakes and hearts, hints, stars and coins, pause).
No picture holds words: texts come from the strings table. Deterministic: the same script gives
the same pixels.

Everything goes to Resources/data/share/image/screens/."""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import icons as I  # noqa: E402
import style as S  # noqa: E402
from style import (CORAL, CORAL_DARK, CREAM, GOLD, GOLD_DARK, GOLD_DEEP, GOLD_LIGHT, GREEN, GREEN_DARK,  # noqa: E402
                   GREY, GREY_DARK, GREY_LIGHT, INK, INK_SOFT, NAVY, NAVY_DEEP, PAPER, PAPER_DEEP, PAPER_RIM,
                   PAPER_SHADE, RED, RED_DARK, RED_LIGHT, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE)

ROOT = os.path.dirname(HERE)
SCREENS = os.path.join(ROOT, "Resources", "data", "share", "image", "screens")

# The help pictures: one strip across the page.
HW, HH = 600, 180


def out(name, img, size=None):
    S.save(S.finish(img, size) if size else img, os.path.join(SCREENS, name))


def fin(c, w, h):
    return S.finish(c, (w, h))


def gold_gem(mask, w, h):
    return S.gem(w, h, mask, GOLD_LIGHT, GOLD, GOLD_DARK, GOLD_DEEP)


def red_gem(mask, w, h):
    return S.gem(w, h, mask, RED_LIGHT, RED, RED_DARK, S.darken(RED_DARK, 0.3))


def teal_gem(mask, w, h):
    return S.gem(w, h, mask, S.lighten(TEAL, 0.4), TEAL, TEAL_DARK, S.darken(TEAL_DARK, 0.4))


# ---------------------------------------------------------------- dialogs and badges

def shop_panel():
    """The shop's paper sheet: wide enough for two columns of shop cards."""
    w, h = 980, 620
    with S.supersample(2):
        c = S.panel(w, h, 24, PAPER, PAPER_SHADE, PAPER_RIM, rim_px=2.5, margin=12, shadow=0.55)
        outer = S.rrect(S.blank(w, h), (24, 22, w - 24, h - 30), 14)
        c = S.paint(c, S.subtract(outer, S.shrink(outer, 1.5)), PAPER_RIM, 0.55)
        c = S.paint(c, S.intersect(S.shrink(outer, 1.5), S.vramp(w, h, 0, h * 0.6)), WHITE, 0.35)
        out("win_shop_panel.png", c, (w, h))


def owned_badge():
    """Covers a card's price when nothing is left to buy: a green pill with a tick."""
    w, h = 132, 44
    c = S.canvas(w, h)
    m = S.rrect(S.blank(w, h), (3, 3, w - 3, h - 5), (h - 8) / 2.0)
    c = S.Image.alpha_composite(c, S.gem(w, h, m, S.lighten(GREEN, 0.35), GREEN, GREEN_DARK,
                                         S.darken(GREEN_DARK, 0.35), gloss=0.25))
    tick = S.blank(w, h)
    I.check(tick, I.Box(w / 2.0 - 16, 4, 32), 0.2)
    c = S.drop_shadow(c, tick, 0, 1.2, 0.8, S.darken(GREEN_DARK, 0.5), 0.6)
    c = S.paint(c, tick, WHITE)
    out("win_shop_owned.png", c, (w, h))


def buy_button():
    """The shop card's buy button (five frames, as the kit's buttons): coral, a bag with a plus."""
    w, h = 150, 56

    def bag_plus(pw, ph, face):
        fx0, fy0, fx1, fy1 = face
        cx, cy = (fx0 + fx1) / 2.0, (fy0 + fy1) / 2.0
        m = I.mask("store", pw, ph, cx - 26, cy - 15, 30)
        I.plus(m, I.Box(cx + 6, cy - 11, 22))
        return m

    S.save(S.button_strip(w, h, CORAL, bag_plus), os.path.join(SCREENS, "win_buy_button.png"))


def bubble_up():
    """A small paper bubble whose tail points up at the hearts panel (tail tip at (60, 4))."""
    w, h = 420, 132
    with S.supersample(2):
        c = S.canvas(w, h)
        m = S.rrect(S.blank(w, h), (10, 26, w - 10, h - 12), 20)
        S.polygon(m, [(44, 30), (96, 30), (60, 4)])
        c = S.drop_shadow(c, m, 0, 3, 4, NAVY_DEEP, 0.5)
        c = S.paint(c, m, PAPER_RIM)
        c = S.paint(c, S.shrink(m, 2.5), PAPER)
        out("win_bubble_up.png", c, (w, h))


def trophy_burst():
    """Soft golden rays behind a newly earned medal."""
    s = 240
    with S.supersample(2):
        c = S.canvas(s, s)
        rays = S.blank(s, s)
        cx = cy = s / 2.0
        for i in range(16):
            a = math.radians(i * 22.5)
            spread = math.radians(5.5)
            pts = [(cx, cy)]
            for da in (-spread, spread):
                pts.append((cx + math.cos(a + da) * s * 0.5, cy + math.sin(a + da) * s * 0.5))
            S.polygon(rays, pts)
        fade = S.radial(c.size, (cx, cy), s * 0.5, (255, 255, 255, 255), (255, 255, 255, 0)).getchannel("A")
        rays = S.Image.composite(rays, S.blank(s, s), fade)
        c = S.paint(c, S.blur(S.circle(S.blank(s, s), cx, cy, s * 0.3), 10), GOLD_LIGHT, 0.55)
        c = S.paint(c, S.intersect(rays, fade), GOLD, 0.75)
        out("win_trophy_burst.png", c, (s, s))


# ---------------------------------------------------------------- help pictures

def well():
    """The help picture's ground: a soft sunk panel across the page."""
    c = S.canvas(HW, HH)
    m = S.rrect(S.blank(HW, HH), (4, 4, HW - 4, HH - 4), 16)
    c = S.paint(c, m, S.darken(PAPER_SHADE, 0.06))
    c = S.paint(c, S.subtract(m, S.shift(m, 0, 3)), S.darken(PAPER_RIM, 0.1), 0.5)
    c = S.paint(c, S.subtract(S.shrink(m, 1), S.shift(S.shrink(m, 1), 0, -2)), WHITE, 0.6)
    return c


def cell(c, x, y, s, kind):
    """One grid cell with its top left at (x, y): "empty", "fill", "cross", "wrong", "gold", "sel"."""
    box = S.rrect(S.blank(HW, HH), (x + 1, y + 1, x + s - 1, y + s - 1), s * 0.14)
    c = S.paint(c, box, PAPER_RIM)
    inner = S.shrink(box, 1.2)
    if kind == "fill":
        c = S.paint(c, inner, S.vgradient(c.size, [(0, S.lighten(INK, 0.25)), (1, INK)]))
    elif kind == "wrong":
        c = S.paint(c, inner, S.lighten(RED_LIGHT, 0.6))
    elif kind == "gold":
        c = S.paint(c, inner, S.vgradient(c.size, [(0, GOLD_LIGHT), (1, GOLD)]))
    elif kind == "sel":
        c = S.paint(c, inner, S.lighten(TEAL_LIGHT, 0.45))
    else:
        c = S.paint(c, inner, PAPER)
    if kind in ("cross", "wrong"):
        xm = S.blank(HW, HH)
        I.cross(xm, I.Box(x + s * 0.18, y + s * 0.18, s * 0.64), 0.18)
        c = S.paint(c, xm, RED if kind == "wrong" else INK_SOFT)
    return c


def digits(c, text, cx, cy, size=18, color=INK, bold=True):
    return S.paint(c, S.text_mask(S.blank(HW, HH), text, cx, cy, size, bold), color)


def arrow(c, pts, color=TEAL_DARK, width=5.0, head=13.0):
    """A line through the points with an arrow head at the last one."""
    m = S.stroke(S.blank(HW, HH), pts, width)
    (x0, y0), (x1, y1) = pts[-2], pts[-1]
    a = math.atan2(y1 - y0, x1 - x0)
    tip = (x1 + math.cos(a) * head * 0.35, y1 + math.sin(a) * head * 0.35)
    left = (x1 + math.cos(a + 2.5) * head, y1 + math.sin(a + 2.5) * head)
    right = (x1 + math.cos(a - 2.5) * head, y1 + math.sin(a - 2.5) * head)
    S.polygon(m, [tip, left, right])
    c = S.drop_shadow(c, m, 0, 1.5, 1.2, NAVY_DEEP, 0.25)
    return S.paint(c, m, color)


def place(c, img, x, y):
    """A small supersampled picture laid onto the canvas with its top left at (x, y)."""
    layer = S.canvas(HW, HH)
    layer.paste(img, (int(round(x * S.SS)), int(round(y * S.SS))))
    return S.Image.alpha_composite(c, layer)


def icon(c, name, x, y, s, treat=gold_gem):
    """A full-colour icon in the square (x, y, s), shaded over its own height."""
    return place(c, treat(I.mask(name, s, s), s, s), x, y)


def disc(c, cx, cy, r, treat):
    d = 2 * r + 8
    return place(c, treat(S.circle(S.blank(d, d), d / 2.0, d / 2.0, r), d, d), cx - d / 2.0, cy - d / 2.0)


def mouse(c, cx, cy, button):
    """A mouse seen from above, the pressed button ("left" or "right") in teal."""
    w, h = 58, 84
    x0, y0 = cx - w / 2.0, cy - h / 2.0
    body = S.rrect(S.blank(HW, HH), (x0, y0, x0 + w, y0 + h), 27)
    c = S.drop_shadow(c, body, 0, 3, 3, NAVY_DEEP, 0.35)
    c = S.paint(c, body, INK_SOFT)
    c = S.paint(c, S.shrink(body, 2), S.vgradient(c.size, [(0, WHITE), (1, PAPER_SHADE)]))
    half = S.intersect(S.shrink(body, 2), S.rrect(S.blank(HW, HH), (x0, y0, x0 + w, y0 + h * 0.42), 0))
    side = S.rrect(S.blank(HW, HH), (x0 if button == "left" else cx, y0, cx if button == "left" else x0 + w,
                                       y0 + h * 0.42), 0)
    c = S.paint(c, S.intersect(half, side), S.vgradient(c.size, [(0, TEAL_LIGHT), (1, TEAL)]))
    c = S.paint(c, S.stroke(S.blank(HW, HH), [(cx, y0 + 2), (cx, y0 + h * 0.42)], 1.6), INK_SOFT)
    c = S.paint(c, S.stroke(S.blank(HW, HH), [(x0 + 3, y0 + h * 0.42), (x0 + w - 3, y0 + h * 0.42)], 1.6), INK_SOFT)
    return c


def toggle(c, cx, cy, fill_on):
    """The tool switch: the fill square at the left, the cross at the right, a gold frame on
    the tool in use."""
    w, h = 110, 52
    x0, y0 = cx - w / 2.0, cy - h / 2.0
    body = S.rrect(S.blank(HW, HH), (x0, y0, x0 + w, y0 + h), 14)
    c = S.drop_shadow(c, body, 0, 2, 2, NAVY_DEEP, 0.35)
    c = S.paint(c, body, S.darken(PAPER_RIM, 0.1))
    c = S.paint(c, S.shrink(body, 2), PAPER_SHADE)
    sq = S.rrect(S.blank(HW, HH), (x0 + 15, y0 + 13, x0 + 41, y0 + 39), 5)
    c = S.paint(c, sq, INK)
    xm = S.blank(HW, HH)
    I.cross(xm, I.Box(x0 + w - 43, y0 + 11, 30), 0.16)
    c = S.paint(c, xm, INK_SOFT)
    fx = x0 + 4 if fill_on else x0 + w - 55
    frame = S.rrect(S.blank(HW, HH), (fx, y0 + 4, fx + 51, y0 + h - 4), 11)
    c = S.paint(c, S.subtract(frame, S.shrink(frame, 4)), GOLD)
    return c


def row(c, x, y, s, kinds):
    for i, kind in enumerate(kinds):
        c = cell(c, x + i * s, y, s, kind)
    return c


def help_goal():
    c = well()
    heart = [".X.X.", "XXXXX", "XXXXX", ".XXX.", "..X.."]
    rows = ["1 1", "5", "5", "3", "1"]
    cols = ["2", "4", "4", "4", "2"]
    s, x0, y0 = 26, 232, 34
    for r, line in enumerate(heart):
        c = row(c, x0, y0 + r * s, s, ["fill" if ch == "X" else "empty" for ch in line])
        c = digits(c, rows[r], x0 - 24, y0 + r * s + s / 2, 16)
    for k, clue in enumerate(cols):
        c = digits(c, clue, x0 + k * s + s / 2, y0 - 14, 16)
    c = arrow(c, [(380, 100), (440, 100)])
    return icon(c, "heart", 456, 52, 96, red_gem)


def help_clues():
    c = well()
    s, x0, y0 = 40, 140, 84
    c = digits(c, "3  1", x0 - 56, y0 + s / 2, 24)
    c = row(c, x0, y0, s, ["empty", "fill", "fill", "fill", "empty", "empty", "fill", "empty", "empty"])
    # Braces over the runs with their numbers.
    for a, b, text in ((1, 4, "3"), (6, 7, "1")):
        m = S.stroke(S.blank(HW, HH), [(x0 + a * s + 4, y0 - 8), (x0 + a * s + 4, y0 - 16),
                                       (x0 + b * s - 4, y0 - 16), (x0 + b * s - 4, y0 - 8)], 3)
        c = S.paint(c, m, CORAL_DARK)
        c = digits(c, text, x0 + (a + b) * s / 2.0, y0 - 34, 20, CORAL_DARK)
    # The gap between the runs: at least one empty cell.
    m = S.stroke(S.blank(HW, HH), [(x0 + 4 * s + 6, y0 + s + 10), (x0 + 6 * s - 6, y0 + s + 10)], 3)
    c = S.paint(c, m, TEAL_DARK)
    c = S.paint(c, S.circle(S.blank(HW, HH), x0 + 5 * s, y0 + s + 10, 5), TEAL_DARK)
    return c


def help_fill_cross():
    c = well()
    c = mouse(c, 70, 90, "left")
    c = arrow(c, [(112, 90), (150, 90)])
    c = row(c, 164, 70, 40, ["fill", "fill", "fill"])
    c = mouse(c, 350, 90, "right")
    c = arrow(c, [(392, 90), (430, 90)])
    c = row(c, 444, 70, 40, ["cross", "cross", "cross"])
    return c


def help_toggle():
    c = well()
    for x0, fill_on in ((8, True), (302, False)):
        c = toggle(c, x0 + 62, 90, fill_on)
        c = mouse(c, x0 + 150, 90, "left")
        c = arrow(c, [(x0 + 184, 90), (x0 + 204, 90)], width=4, head=11)
        c = row(c, x0 + 214, 75, 30, ["fill" if fill_on else "cross"] * 2)
    sep = S.stroke(S.blank(HW, HH), [(300, 30), (300, 150)], 2)
    return S.paint(c, sep, PAPER_RIM, 0.8)


def help_reset():
    c = well()
    s, x0, y0 = 40, 40, 70
    c = row(c, x0, y0, s, ["sel", "sel", "sel", "sel", "empty", "empty"])
    for i in range(4):
        c = digits(c, str(i + 1), x0 + i * s + s / 2, y0 + s / 2, 18, TEAL_DARK)
    c = arrow(c, [(x0 + 4 * s - 6, y0 + s / 2), (x0 + 6 * s + 40, y0 + s / 2), (452, 90)], width=4)
    # The reset area: a glowing ring, lit while a line is dragged over it.
    area = S.circle(S.blank(HW, HH), 500, 90, 44)
    c = S.glow(c, area, 10, TEAL_LIGHT, 0.8)
    c = S.paint(c, area, S.vgradient(c.size, [(0, TEAL_LIGHT), (1, TEAL)]))
    c = S.paint(c, S.circle(S.blank(HW, HH), 500, 90, 30), S.lighten(TEAL_LIGHT, 0.5))
    xm = S.blank(HW, HH)
    I.cross(xm, I.Box(482, 72, 36), 0.16)
    return S.paint(c, xm, TEAL_DARK)


def help_mistakes():
    c = well()
    c = cell(c, 44, 62, 56, "wrong")
    c = arrow(c, [(116, 90), (156, 90)])
    # The mistakes so far out of those allowed.
    for i in range(4):
        slot = S.circle(S.blank(HW, HH), 196 + i * 44, 90, 18)
        c = S.paint(c, slot, PAPER_RIM)
        c = S.paint(c, S.shrink(slot, 2), PAPER)
        if i < 3:
            xm = S.blank(HW, HH)
            I.cross(xm, I.Box(182 + i * 44, 76, 28), 0.18)
            c = S.paint(c, xm, RED)
    c = arrow(c, [(366, 90), (406, 90)])
    lost = I.mask("heart", HW, HH, 410, 58, 64)
    c = S.paint(c, lost, GREY_DARK)
    c = S.paint(c, S.shrink(lost, 3), S.lighten(GREY, 0.3))
    c = icon(c, "clock", 484, 70, 40, teal_gem)
    return icon(c, "heart", 532, 65, 50, red_gem)


def help_hints():
    c = well()
    c = disc(c, 90, 90, 48, teal_gem)
    c = icon(c, "hint", 62, 60, 56)
    # The hint flies in an arc to a cell of the picture.
    pts = [(150 + i * 12, 90 - 60 * math.sin(math.pi * i / 20.0)) for i in range(21)]
    dotted = S.blank(HW, HH)
    for x, y in pts[:-2:2]:
        S.circle(dotted, x, y, 3.5)
    c = S.paint(c, dotted, GOLD_DARK)
    c = arrow(c, pts[-3:], GOLD_DARK, width=4)
    s, x0, y0 = 32, 420, 42
    for r in range(3):
        kinds = ["empty", "fill", "empty"] if r != 1 else ["fill", "gold", "fill"]
        c = row(c, x0, y0 + r * s, s, kinds)
    spark = S.blank(HW, HH)
    S.rounded_polygon(spark, S.star_points(x0 + 48, y0 + 48, 30, 7, 4), 1)
    return S.paint(c, spark, GOLD_LIGHT, 0.9)


def help_stars():
    c = well()
    for i, earned in enumerate((True, True, True)):
        c = icon(c, "star", 30 + i * 62, 58 + (0 if i == 1 else 10), 64 if i == 1 else 56)
    c = row(c, 250, 96, 36, ["fill", "fill", "fill"])
    for i in range(3):
        c = disc(c, 268 + i * 36, 64 - (i % 2) * 10, 14, gold_gem)
        c = S.paint(c, I.mask("star", HW, HH, 260 + i * 36, 56 - (i % 2) * 10, 16), GOLD_LIGHT)
    c = arrow(c, [(372, 90), (420, 90)])
    return icon(c, "store", 440, 40, 100, teal_gem)


def help_pause():
    c = well()
    c = disc(c, 110, 90, 48, teal_gem)
    c = S.paint(c, I.mask("pause", HW, HH, 84, 64, 52), CREAM)
    c = arrow(c, [(176, 90), (226, 90)])
    # A small menu: go on, restart, leave, options, shop.
    panel = S.rrect(S.blank(HW, HH), (250, 14, 520, 166), 14)
    c = S.drop_shadow(c, panel, 0, 3, 3, NAVY_DEEP, 0.35)
    c = S.paint(c, panel, PAPER_RIM)
    c = S.paint(c, S.shrink(panel, 2), PAPER)
    names = [("play", CORAL), ("restart", TEAL), ("exit", RED), ("options", TEAL), ("store", TEAL)]
    for i, (name, colour) in enumerate(names):
        x = 278 + i * 52
        c = disc(c, x, 90, 21, lambda m, w, h, k=colour: S.gem(w, h, m, S.lighten(k, 0.35), k, S.darken(k, 0.25),
                                                                 S.darken(k, 0.5), gloss=0.25))
        c = S.paint(c, I.mask(name, HW, HH, x - 13, 77, 26), CREAM)
    return c


def help_pictures():
    pages = [("goal", help_goal), ("clues", help_clues), ("fill_cross", help_fill_cross), ("toggle", help_toggle),
             ("reset", help_reset), ("mistakes", help_mistakes), ("hints", help_hints), ("stars", help_stars),
             ("pause", help_pause)]
    for name, draw in pages:
        out("help_%s.png" % name, draw(), (HW, HH))


def main():
    shop_panel()
    owned_badge()
    buy_button()
    bubble_up()
    trophy_burst()
    help_pictures()


if __name__ == "__main__":
    main()
