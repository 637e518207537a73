#!/usr/bin/python3
"""Draws the level HUD's own picture through the shared look (tools/art/style.py): the panel at
the top of the HUD column that holds the currency and the error slots. Everything else the
level decor, HUD and controls show comes from the kit (data/share/image/level and gui).
Deterministic: the same script gives the same pixels.

    /usr/bin/python3 tools/make_level_hud_art.py

The layout numbers below are shared with tools/make_level_hud_data.py, which places the
counter's text and the error icons on this picture."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import kit  # noqa: E402
import style as S  # noqa: E402
from kit_gui import coin_icon, fin  # noqa: E402

# ---- The HUD panel: the currency row on top, then a grid of error slots. ----
PANEL_W, PANEL_H = 184, 172
COIN_CENTRE = (32, 30)            # the coin in its well at the left of the currency row
COIN_SIZE = 34
COUNTER_RIGHT_X = 166             # the amount ends here (right-aligned), on the row's middle
SEPARATOR_Y = 58
SLOT = 40                         # the error icons' size (error_icon.png frames)
SLOT_GRID = (3, 2)
SLOT_GAP = 14                     # between two slots, both ways
SLOT_FIRST = (38, 92)             # centre of slot 0; slot k: + (k mod 3, k div 3) x (SLOT + SLOT_GAP)


def slot_centre(k):
    return (SLOT_FIRST[0] + (k % SLOT_GRID[0]) * (SLOT + SLOT_GAP),
            SLOT_FIRST[1] + (k // SLOT_GRID[0]) * (SLOT + SLOT_GAP))


def hud_panel():
    w, h = PANEL_W, PANEL_H
    c = S.canvas(w, h)
    body = S.rrect(S.blank(w, h), (3, 3, w - 3, h - 5), 22)
    c = S.drop_shadow(c, body, 0, 2, 2, S.NAVY_DEEP, 0.45)
    c = S.paint(c, body, S.rgba(S.lighten(S.NAVY_TOP, 0.4), 235))
    inner = S.shrink(body, 2)
    c = S.paint(c, inner, S.rgba(S.NAVY_DEEP, 215))
    # The light top edge of the counter pills.
    c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 2)), S.WHITE, 0.2)
    # The coin's well and the coin.
    cx, cy = COIN_CENTRE
    c = S.paint(c, S.circle(S.blank(w, h), cx, cy, 21), S.rgba(S.WHITE, 22))
    # A faint rule between the currency and the errors.
    rule = S.blank(w, h)
    S.stroke(rule, [(18, SEPARATOR_Y), (w - 18, SEPARATOR_Y)], 1.5)
    c = S.paint(c, rule, S.WHITE, 0.14)
    for k in range(SLOT_GRID[0] * SLOT_GRID[1]):
        x, y = slot_centre(k)
        c = S.paint(c, S.circle(S.blank(w, h), x, y, 17), S.rgba(S.WHITE, 22))
    c = fin(c, w, h)
    # The coin as every currency counter shows it (drawn at its size by the kit).
    coin = fin(coin_icon(COIN_SIZE, COIN_SIZE), COIN_SIZE, COIN_SIZE)
    c.alpha_composite(coin, (cx - COIN_SIZE // 2, cy - COIN_SIZE // 2))
    return c


def main():
    kit.out("level", "hud_panel.png", hud_panel(),
            "level HUD panel: currency row (coin at (32, 30), amount right-aligned at x 166) and "
            "3 x 2 error slots of 40 px, 14 apart, slot 0 centred at (38, 92)")


if __name__ == "__main__":
    main()
