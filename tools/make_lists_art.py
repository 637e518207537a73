#!/usr/bin/python3
"""Draws the pictures the list screens add to the kit (data/share/image/gui): the trophy medals
that the kit's set lacks, drawn exactly as the kit draws its medals (a gem disc on two ribbon
tails with a white icon; grey with a gold lock while not earned), by the kit's own medal.
Deterministic.

Run with /usr/bin/python3 from anywhere; tools/make_data.sh runs it after the kit."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import kit  # noqa: E402
import style as S  # noqa: E402
from kit_gui import medal  # noqa: E402

BRONZE = (205, 127, 62)
SILVER = (176, 184, 202)

# (key, icon, colour) of the medals of tools/windows/lists.py that the kit does not draw.
MEDALS = [
    ("hint_use", "hint", S.CORAL),
    ("coins_bronze", "coin_mark", BRONZE),
    ("coins_silver", "coin_mark", SILVER),
    ("champion", "trophy", S.RED),
]


def main():
    for key, icon_name, color in MEDALS:
        for earned in (True, False):
            kit.out("gui", "trophy_%s_%s.png" % (key, "open" if earned else "closed"),
                    S.finish(medal(icon_name, color, earned), (128, 128)),
                    "trophy medal, %s" % ("earned" if earned else "not earned"))


if __name__ == "__main__":
    main()
