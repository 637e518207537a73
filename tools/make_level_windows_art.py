#!/usr/bin/python3
"""Draws the pictures of the windows over a running level through the shared look
(tools/art/style.py, tools/art/icons.py): the result panel with its tray for the three stars
and its ruled table of values, and the note plate of the reset area. Deterministic: the same
script gives the same pixels. Everything goes to Resources/data/share/image/gui/."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import icons as I  # noqa: E402
import style as S  # noqa: E402

GUI = os.path.join(os.path.dirname(HERE), "Resources", "data", "share", "image", "gui")

# The result window's layout (tools/windows/level.py) in panel pixels: the panel is centred
# on the window, so window y = panel y - 235.
RESULT_W, RESULT_H = 620, 470
STAR_Y = 235 - 140           # centre of the stars ("shift" of the star sprite)
STAR_STEP = 96               # the star picture's cell width
ROWS_Y = (235 - 40, 235 + 10, 235 + 60)


def result_panel():
    w, h = RESULT_W, RESULT_H
    with S.supersample(2):
        c = S.panel(w, h, 24, S.PAPER, S.PAPER_SHADE, S.PAPER_RIM, rim_px=2.5, margin=12, shadow=0.55)
        outer = S.rrect(S.blank(w, h), (24, 22, w - 24, h - 30), 14)
        c = S.paint(c, S.subtract(outer, S.shrink(outer, 1.5)), S.PAPER_RIM, 0.55)
        c = S.paint(c, S.intersect(S.shrink(outer, 1.5), S.vramp(w, h, 0, h * 0.6)), S.WHITE, 0.35)

        # The star tray: a sunken band with a warm glow, one shallow socket per star.
        tw, th = STAR_STEP * 3 + 44, 112
        tray = S.rrect(S.blank(w, h), (w / 2 - tw / 2, STAR_Y - th / 2, w / 2 + tw / 2, STAR_Y + th / 2), 28)
        c = S.paint(c, tray, S.vgradient(c.size, [(0.0, S.PAPER_DEEP), (1.0, S.PAPER_SHADE)]))
        glow = S.radial(c.size, (w / 2, STAR_Y), tw * 0.55, S.rgba(S.GOLD_LIGHT, 150), S.rgba(S.GOLD_LIGHT, 0))
        c = S.paint(c, tray, glow)
        # Sunken look: a shadow along the inner top edge, a light line along the bottom.
        c = S.paint(c, S.intersect(tray, S.blur(S.subtract(tray, S.shift(tray, 0, 5)), 3)), S.PAPER_RIM, 0.9)
        c = S.paint(c, S.subtract(tray, S.shift(tray, 0, -1.5)), S.WHITE, 0.7)
        sockets = S.blank(w, h)
        for k in (-1, 0, 1):
            S.circle(sockets, w / 2 + k * STAR_STEP, STAR_Y + 2, 36)
        c = S.paint(c, sockets, S.PAPER_RIM, 0.28)

        # The table: a rule between the rows and one between the columns.
        rules = S.blank(w, h)
        for a, b in zip(ROWS_Y, ROWS_Y[1:]):
            y = (a + b) / 2
            S.rrect(rules, (44, y - 0.75, w / 2 - 18, y + 0.75), 0.75)
            S.rrect(rules, (w / 2 + 18, y - 0.75, w - 44, y + 0.75), 0.75)
        S.rrect(rules, (w / 2 - 0.75, ROWS_Y[0] - 20, w / 2 + 0.75, ROWS_Y[-1] + 20), 0.75)
        c = S.paint(c, rules, S.PAPER_RIM, 0.7)
        return S.finish(c, (w, h))


def toast():
    """A paper plate for a one-line note, with the reset area's sign (a ring round a back
    arrow) at its left end."""
    w, h = 660, 76
    c = S.panel(w, h, 22, S.PAPER, S.PAPER_SHADE, S.PAPER_RIM, rim_px=2.0, margin=8, shadow=0.55)
    cx, cy, r = 46, h / 2 - 3, 22
    disc = S.circle(S.blank(w, h), cx, cy, r)
    c = S.paint(c, disc, S.TEAL)
    c = S.paint(c, S.subtract(disc, S.shrink(disc, 2.5)), S.TEAL_DARK)
    c = S.paint(c, I.mask("back", w, h, cx - 14, cy - 14, 28), S.CREAM)
    return S.finish(c, (w, h))


def main():
    S.save(result_panel(), os.path.join(GUI, "level_result_panel.png"))
    S.save(toast(), os.path.join(GUI, "level_toast.png"))


if __name__ == "__main__":
    main()
