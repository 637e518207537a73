#!/usr/bin/python3
"""Draws the pictures the list screens add to the kit (data/share/image/gui): the trophy medals
that the kit's set lacks, drawn exactly as the kit draws its medals (a gem disc on two ribbon
tails with a white icon; grey with a gold lock while not earned). Deterministic.

Run with /usr/bin/python3 from anywhere; tools/make_data.sh runs it after the kit."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import icons as I  # noqa: E402
import kit  # noqa: E402
import style as S  # noqa: E402

BRONZE = (205, 127, 62)
SILVER = (176, 184, 202)

# (key, icon, colour) of the medals of tools/windows/lists.py that the kit does not draw.
MEDALS = [
    ("hint_use", "hint", S.CORAL),
    ("coins_bronze", "coin_mark", BRONZE),
    ("coins_silver", "coin_mark", SILVER),
    ("champion", "trophy", S.RED),
]


def medal(icon_name, color, earned, t=128):
    base = color if earned else S.GREY
    c = S.canvas(t, t)
    m = S.circle(S.blank(t, t), t / 2, t / 2 - 2, 54)
    ribbon = S.blank(t, t)
    S.polygon(ribbon, [(34, 78), (52, 78), (46, 124), (36, 114), (26, 118)])
    S.polygon(ribbon, [(76, 78), (94, 78), (102, 118), (92, 114), (82, 124)])
    c = S.paint(c, ribbon, S.darken(S.CORAL if earned else S.GREY_DARK, 0.15))
    c = S.Image.alpha_composite(c, S.gem(t, t, m, S.lighten(base, 0.45), base, S.darken(base, 0.2),
                                         S.darken(base, 0.55)))
    inner = S.circle(S.blank(t, t), t / 2, t / 2 - 2, 42)
    c = S.paint(c, inner, S.darken(base, 0.12), 0.8)
    c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 2)), S.darken(base, 0.45), 0.6)
    im = I.mask(icon_name, t, t, t / 2 - 28, t / 2 - 30, 56)
    if earned:
        c = S.drop_shadow(c, im, 0, 2, 1.5, S.darken(base, 0.6), 0.6)
        c = S.paint(c, im, S.WHITE)
    else:
        c = S.paint(c, im, S.lighten(S.GREY, 0.35), 0.6)
        # The lock on a canvas of its own size, as the kit draws it (the gem's shading scales with it).
        c.alpha_composite(S.gem(44, 44, I.mask("lock", 44, 44), S.GOLD_LIGHT, S.GOLD, S.GOLD_DARK, S.GOLD_DEEP),
                          (round(76 * S.SS), round(70 * S.SS)))
    return S.finish(c, (t, t))


def main():
    for key, icon_name, color in MEDALS:
        for earned in (True, False):
            kit.out("gui", "trophy_%s_%s.png" % (key, "open" if earned else "closed"), medal(icon_name, color, earned),
                    "trophy medal, %s" % ("earned" if earned else "not earned"))


if __name__ == "__main__":
    main()
