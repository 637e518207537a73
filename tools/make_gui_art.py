#!/usr/bin/python3
"""Draws every picture of the default data set: the shared GUI kit, the level screen's art, the
screens (menu background, title logo, splashes, loading bar) and the pack backgrounds and tiles,
into Resources/data/share/image/. All of it goes through tools/art/style.py, so it has one look.

Usage: /usr/bin/python3 tools/make_gui_art.py [table.md]
The optional argument receives a table of every file with its size and frame layout.
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "art"))

import kit  # noqa: E402
import kit_gui  # noqa: E402
import kit_level  # noqa: E402
import kit_screens  # noqa: E402


def main():
    kit_gui.make_all()
    kit_level.make_all()
    kit_screens.make_all()
    if len(sys.argv) > 1:
        with open(sys.argv[1], "w", encoding="utf-8") as f:
            f.write(kit.table())
    print("%d pictures" % len(kit.MANIFEST))


if __name__ == "__main__":
    main()
