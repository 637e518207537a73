#!/usr/bin/python3
"""Draws the tutorial's pictures through the shared look (tools/art/style.py): the paper panel
its texts stand on, the bobbing arrow in four directions and the pulsing ring around the cells
a step asks for. Deterministic: the same script gives the same pixels.

    /usr/bin/python3 tools/make_tutorial_art.py

The layout numbers below are shared with tools/make_tutorial_data.py, which places the texts,
the skip button and the arrows on them."""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import icons as I  # noqa: E402
import kit  # noqa: E402
import style as S  # noqa: E402
from kit_gui import fin  # noqa: E402

# ---- The panel: a paper card with a teal medallion holding the gold bulb at its left. ----
PANEL_W, PANEL_H = 640, 196
MEDALLION = (70, 88, 40)   # centre x, y and radius
TEXT_LEFT = 128            # texts start here (middle-left aligned)

# ---- The arrow: frames of ARROW x ARROW, the tip on the middle of one edge, bobbing. ----
ARROW = 96
FRAMES = 8
BOB = 10                   # how far the arrow draws back from its tip, at most
TIP_GAP = 6                # the tip's nearest distance to the frame edge

# ---- The cell ring: frames of RING x RING around a cell of RING_CELL px. ----
RING = 64
RING_CELL = 48


def panel():
    w, h = PANEL_W, PANEL_H
    c = S.panel(w, h, 22, S.PAPER, S.PAPER_SHADE, S.PAPER_RIM, rim_px=2.5, margin=8, shadow=0.45)
    cx, cy, r = MEDALLION
    disc = S.circle(S.blank(w, h), cx, cy, r)
    c = S.drop_shadow(c, disc, 0, 2, 2, S.NAVY_DEEP, 0.35)
    c = S.paint(c, disc, S.TEAL_DARK)
    c = S.paint(c, S.shrink(disc, 2.5), S.vgradient(c.size, [(0.0, S.TEAL_LIGHT), (0.5, S.TEAL), (1.0, S.TEAL_DARK)]))
    bulb = I.mask("hint", w, h, cx - r * 0.62, cy - r * 0.66, r * 1.24)
    c = S.paint(c, S.blur(S.shift(bulb, 0, 1.5), 1.2), S.TEAL_DEEP, 0.6)
    c = S.paint(c, bulb, S.vgradient(c.size, [(0.0, S.GOLD_LIGHT), (0.6, S.GOLD), (1.0, S.GOLD_DARK)]))
    # A faint coral rule under the medallion ties the card to the buttons' colour.
    rule = S.blank(w, h)
    S.stroke(rule, [(TEXT_LEFT - 14, 30), (TEXT_LEFT - 14, h - 34)], 2.0)
    c = S.paint(c, rule, S.CORAL, 0.55)
    return fin(c, w, h)


def arrow_frame(k):
    """One frame of the arrow pointing down, its tip near the middle of the bottom edge."""
    w = h = ARROW
    bob = BOB * (1 - math.cos(2 * math.pi * k / FRAMES)) / 2
    tip = h - TIP_GAP - bob
    head = 36
    shaft = 22
    pts = [(w / 2 - shaft / 2, 8 - bob * 0.3), (w / 2 + shaft / 2, 8 - bob * 0.3),
           (w / 2 + shaft / 2, tip - head), (w / 2 + 30, tip - head), (w / 2, tip),
           (w / 2 - 30, tip - head), (w / 2 - shaft / 2, tip - head)]
    body = S.rounded_polygon(S.blank(w, h), pts, 4)
    c = S.canvas(w, h)
    # A cream rim keeps the arrow apart from the navy screen and the paper panels alike.
    outline = S.grow(body, 3)
    c = S.drop_shadow(c, outline, 0, 2, 2.5, S.NAVY_DEEP, 0.5)
    c = S.paint(c, outline, S.CREAM)
    c = S.paint(c, body, S.CORAL_DEEP)
    c = S.paint(c, S.shrink(body, 2), S.vgradient(c.size, [(0.0, S.CORAL_LIGHT), (0.5, S.CORAL), (1.0, S.CORAL_DARK)]))
    return fin(c, w, h)


def arrows():
    down = [arrow_frame(k) for k in range(FRAMES)]
    turns = {"down": None, "up": 180, "left": 270, "right": 90}
    for name, angle in turns.items():
        frames = down if angle is None else [f.rotate(angle) for f in down]
        hot = {"down": "HS_MD", "up": "HS_MU", "left": "HS_ML", "right": "HS_MR"}[name]
        kit.out("gui", "tutorial_arrow_%s.png" % name, S.strip(frames),
                "%d frames %dx%d, the arrow pointing %s and bobbing; its tip %d-%d px inside the %s edge "
                "(hot spot %s)" % (FRAMES, ARROW, ARROW, name, TIP_GAP, TIP_GAP + BOB, name, hot))


def ring_frame(k):
    w = h = RING
    pulse = (1 - math.cos(2 * math.pi * k / FRAMES)) / 2
    inner = RING_CELL / 2 + 1
    width = 3.5 + 3 * pulse
    c = S.canvas(w, h)
    outer_m = S.rrect(S.blank(w, h), (w / 2 - inner - width, h / 2 - inner - width,
                                      w / 2 + inner + width, h / 2 + inner + width), 9 + width)
    inner_m = S.rrect(S.blank(w, h), (w / 2 - inner, h / 2 - inner, w / 2 + inner, h / 2 + inner), 6)
    band = S.subtract(outer_m, inner_m)
    c = S.glow(c, band, 3 + 2 * pulse, S.GOLD_LIGHT, 0.35 + 0.3 * pulse)
    c = S.paint(c, band, S.GOLD_DARK)
    c = S.paint(c, S.shrink(band, 1.2), S.mix(S.GOLD, S.GOLD_LIGHT, pulse))
    return fin(c, w, h)


def rings():
    kit.out("gui", "tutorial_cell.png", S.strip([ring_frame(k) for k in range(FRAMES)]),
            "%d frames %dx%d: a pulsing gold ring around a cell of %d px" % (FRAMES, RING, RING, RING_CELL))


def main():
    kit.out("gui", "tutorial_panel.png", panel(),
            "tutorial panel %dx%d: teal medallion with the bulb centred at (%d, %d), texts from x %d"
            % (PANEL_W, PANEL_H, MEDALLION[0], MEDALLION[1], TEXT_LEFT))
    arrows()
    rings()


if __name__ == "__main__":
    main()
