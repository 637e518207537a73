#!/usr/bin/python3
"""The level screen's own data: "GameProcess settings.xml" and "GameProcess effects.xml" (group
data/share/main), and the pictures every level needs at its own cell size (group
data/share/image/level): the block background for each block shape and cell size the levels
use, and the cell skins and selection signs for every cell size that the picture kit does not
draw already.

    /usr/bin/python3 tools/make_level_data.py

The cell sizes and block shapes come from tools/make_levels.py (its layout constants and the
pictures), so retuning the layout there and re-running both scripts keeps every level crisp.
The effects file lists one skin per cell size ("skin" elements with "size"); the level screen
takes the one that fits its level's cells. XML comes out byte for byte the same on every run.
"""
import os
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "art"))
sys.path.insert(0, os.path.join(HERE, "windows"))

import make_level_hud_data as hud  # noqa: E402
import make_levels  # noqa: E402
import kit  # noqa: E402
import kit_level  # noqa: E402
import style as S  # noqa: E402
from wlib import E, write  # noqa: E402

MAIN = "data/share/main"
LEVEL = "data/share/image/level"

# ---- What a level pays and how many free hints it can grant.
SUNIME_ONE = 1        # currency per picture cell opened (pack prices assume about 1 per cell)
SUNIME_BONUS = 10     # shown on the counter when a bonus coin arrives
MAX_HINTS = 3         # free hints a level can grant as the picture fills in

# ---- Places in the HUD column (tools/make_level_hud_data.py lays it out).
HINT_START = hud.HINT_AT  # where a hint sets off: the hint button
COUNTER = (hud.PANEL_TOP_LEFT[0] + hud.art.COIN_CENTRE[0],  # the coin beside the currency counter,
           hud.PANEL_TOP_LEFT[1] + hud.art.COIN_CENTRE[1])  # where bonus coins fly to
BONUS_TEXT = (COUNTER[0] + 64, COUNTER[1] + 30)             # the "+n" rises from below the amount

REVEAL_STEP = 0.035       # seconds between the judged cells of one line
SKIN_FPS = 24
SWEEP_SPEED = 900.0       # pixels per second of the win sweep
HINT_SPEED = 700.0
BONUS_SPEED = 520.0

BLOCK_GAP = make_levels.BLOCK_GAP


def number(value):
    return make_levels.number(value)


def used_layouts():
    """The cell sizes and (block columns, block rows, cell size) shapes of the shipped levels."""
    cells, blocks = set(), set()
    for geo in make_levels.level_geometries():
        cells.add(geo["cell"])
        blocks.add((geo["block"][0], geo["block"][1], geo["cell"]))
    return sorted(cells), sorted(blocks)


def block(bx, by, cell):
    """One block of bx x by cells and the gap around it, as the border draws it: pictures one
    block pitch apart overlap by the gap, whose band marks the block boundary."""
    w, h = bx * cell + 2 * BLOCK_GAP, by * cell + 2 * BLOCK_GAP
    img = Image.new("RGBA", (w, h), S.rgba(S.PAPER))
    d = ImageDraw.Draw(img)
    line = S.rgba(S.mix(S.PAPER, S.PAPER_RIM, 0.45))
    for k in range(1, bx):
        x = BLOCK_GAP + k * cell
        d.line([(x, BLOCK_GAP), (x, h - BLOCK_GAP - 1)], fill=line)
    for k in range(1, by):
        y = BLOCK_GAP + k * cell
        d.line([(BLOCK_GAP, y), (w - BLOCK_GAP - 1, y)], fill=line)
    band = S.rgba(S.mix(S.PAPER, S.PAPER_RIM, 0.85))
    for i in range(BLOCK_GAP):
        d.rectangle([i, i, w - 1 - i, h - 1 - i], outline=band)
    return img


def pictures(cells, blocks):
    for bx, by, cell in blocks:
        kit.out("level", make_levels.block_picture(bx, by, cell), block(bx, by, cell),
                "block of %dx%d cells of %d px with the gap around it" % (bx, by, cell))
    # The kit draws every cell-sized picture at its own sizes; the others the levels use are
    # drawn here by the kit's own functions.
    for n in cells:
        if n in kit_level.CELL_SIZES:
            continue
        kit.out("level", "cell_yes_%d.png" % n, kit_level.cell_yes(n), "6 frames %dx%d: a filled cell opening" % (n, n))
        kit.out("level", "cell_no_%d.png" % n, kit_level.cell_no(n), "6 frames %dx%d: a cross drawn" % (n, n))
        kit.out("level", "cell_locked_%d.png" % n, kit_level.cell_locked(n), "fixed or blocked cell overlay")
        for kind, name in (("frame", "selection"), ("yes", "selection_yes"), ("no", "selection_no")):
            kit.out("level", "%s_%d.png" % (name, n), kit_level.selection(n, kind), "selected cell, %d px" % n)


def sprite(tag, file, hot="HS_MID", pos=None, size=None, animation=None):
    children = [E("FILE", text="%s %s" % (LEVEL, file)), E("HOT_SPOT", text=hot)]
    if pos:
        children.append(E("POS", text="%d %d" % pos))
    if size:
        children.append(E("SIZE", text="%d %d" % size))
    if animation:
        children.append(E("ANIMATION", animation))
    return E(tag, children=children)


def skin_children(n):
    frames = [("grid", "6 1"), ("frames", "6"), ("fps", str(SKIN_FPS)), ("loop", "false")]
    return [sprite("yes", "cell_yes_%d.png" % n, animation=frames),
            sprite("no", "cell_no_%d.png" % n, animation=frames),
            sprite("locked", "cell_locked_%d.png" % n)]


def particles(tag, texture, frequency, max_count, spread, velocity, lifetime, start, end, colors, area="6",
              radial=0.0, gravity="0 0", additive=True):
    return E(tag, [("texture", "%s %s" % (LEVEL, texture)), ("frequency", str(frequency)), ("gravity", gravity),
                   ("maxCount", str(max_count)), ("multiply", "true" if additive else "false"),
                   ("spreadAngle", str(spread)), ("area", area)],
             [E("lifetime", text=str(lifetime)), E("velocity", text=velocity), E("tangent", text="0"),
              E("radial", text=str(radial)), E("startSize", text=str(start)), E("endSize", text=str(end)),
              E("startColor", text=colors[0]), E("averColor", text=colors[1]), E("endColor", text=colors[2])])


def effects(cells):
    sizes = sorted(set(cells) | set(kit_level.CELL_SIZES))
    open_cell = E("effect_open_cell", [("anim_delay", str(REVEAL_STEP))],
                  skin_children(48) + [E("skin", [("size", str(n))], skin_children(n)) for n in sizes])
    gold = ("0xFFFFE6A0", "0xFFF2C14E", "0x00E08A1E")
    hint = E("hint_fly", [("deflection1", "-160"), ("deflection2", "-70"), ("speed", number(HINT_SPEED))], [
        sprite("sprite_fly", "hint_fly.png", pos=HINT_START,
               animation=[("grid", "8 1"), ("frames", "8"), ("fps", "16"), ("loop", "true")]),
        particles("particles_finish", "particle_star.png", 90, 40, 6.2832, "0 -90", 0.7, 18, 4, gold, area="10"),
        particles("particles_follow", "particle_spark.png", 50, 40, 6.2832, "0 -20", 0.5, 14, 2, gold, area="4"),
    ])
    end = E("end_level_effect", [("speed", number(SWEEP_SPEED))], [
        sprite("sprite_anim", "win_sweep.png", animation=[("grid", "8 1"), ("frames", "8"), ("fps", "20"),
                                                          ("loop", "false")])])
    bonus = E("bonus_effect", [("speed", number(BONUS_SPEED)), ("deflection", "-60"),
                               ("endpos", "%d %d" % COUNTER)], [
        sprite("sprite_sunime", "bonus_coin.png", animation=[("grid", "8 1"), ("frames", "8"), ("fps", "16"),
                                                             ("loop", "true")]),
        E("font", [("fntName", "hud"), ("fntColor", "0xFFF2C14E"), ("fntHotSpot", "HS_MID")], [
            E("motion", [("time", "0.9"), ("start", "%d %d" % BONUS_TEXT),
                         ("endoffset", "0 -46")]),
            E("text", [("value", "level_bonus_value")])]),
        particles("particles_follow", "particle_dot.png", 40, 30, 6.2832, "0 -25", 0.45, 12, 2, gold, area="5"),
    ])
    return E("effects", children=[open_cell, hint, end, bonus])


def settings():
    return E("settings", [("sunime_one", str(SUNIME_ONE)), ("sunime_bonus", str(SUNIME_BONUS)),
                          ("max_hints", str(MAX_HINTS))])


def main():
    try:
        cells, blocks = used_layouts()
    except make_levels.PictureError as error:
        print("make_level_data: %s" % error, file=sys.stderr)
        return 1
    write(MAIN + "/GameProcess settings.xml", settings(),
          "What a level pays and how many free hints it grants as the picture fills in.")
    write(MAIN + "/GameProcess effects.xml", effects(cells),
          "Cell skins (one per cell size), the hint's flight, the win sweep and the bonus coin.")
    pictures(cells, blocks)
    print("make_level_data: settings, effects, %d block pictures, skins for %d cell sizes"
          % (len(blocks), len(cells)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
