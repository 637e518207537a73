#!/usr/bin/python3
"""Turns the text pictures of tools/levels into the game's level data.

    /usr/bin/python3 tools/make_levels.py [--out FOLDER]

Writes, under FOLDER (default: the repository's Resources):
  data/share/levels/pack<N>/level<NN>.xml     one level file per picture
  data/share/main/other/packs_description.xml the packs: title key, path, stars to pass, price
  data/share/main/other/player.xml            the template player: every pack and level
The output depends on nothing but the pictures and the constants below, byte for byte.

A picture is tools/levels/pack<N>/<NN>_<name>.txt: '#' a picture cell, '.' an empty one, one
row per line; a first line "; <title>" names it. Levels are numbered in file-name order.
Whether a picture has one solution reachable by line logic is checked by the C++ line solver
(build/tools/levelcheck/level_check, and the level data test in CTest).
"""

import argparse
import os
import sys
from xml.sax.saxutils import quoteattr

# ---- The level screen's layout (1024 x 768). Retune here, re-run, commit the output. ----
SCREEN_W, SCREEN_H = 1024, 768
HUD_RIGHT = 200      # column at the right edge kept for the buttons, error panel and counter
HUD_TOP = 0          # strip at the top edge kept for the HUD (none: the clue panel goes there)
MARGIN = 16          # kept free along every screen edge
EAR_LEFT = 160       # depth of the row-clue panel left of the grid ("left_ear" "size")
EAR_UP = 160         # depth of the column-clue panel above the grid ("up_ear" "size")
CLUE_INTERVAL = 20   # pixels between two row clue numbers (numbers.xml "numbersLeft" "interval")
FRAME_MARGIN = 12    # how far the frame reaches beyond the grid on the right and below
CELL_MIN, CELL_MAX = 22, 48   # cell size in pixels: as large as fits, within these bounds
BLOCK_GAP = 2        # pixels between blocks of cells and around them ("shiftBlock" -2 -2)
BLOCK_SIDES = (5, 4, 6, 3, 7)  # cells per block side: the first that divides the grid side
BONUS_FROM = (0, 100, 225)     # one bonus cell from each of these cell counts on

# ---- The packs and the template player. ----
PACK_COUNT = 4
PACK_PRICES = (0, 400, 800, 1200)   # in the currency, to open a pack without the stars
STARS_PER_LEVEL_TO_PASS = 1.5       # stars asked for every level of the packs before
PLAYER_ITEMS = {                    # the template player's item counts
    "errors": 5,         # mistakes allowed in a level
    "health": 5,         # hearts at most
    "refill_health": 0,
    "refill_hint": 0,
    "second_chance": 0,
    "start_hint": 2,     # hints brought into every level
}
HEART_REFILL_SECONDS = 1200         # one heart comes back every 20 minutes

SPRITE_GROUP = "data/share/image/level"
PACK_ART_GROUP = "data/share/image/packs"
LEVELS_GROUP = "data/share/levels"
OTHER_FOLDER = "data/share/main/other"

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURES = os.path.join(ROOT, "tools", "levels")


class PictureError(Exception):
    pass


def read_picture(path):
    """Returns (title, rows) of a text picture; rows are strings of '#' and '.'."""
    title = ""
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line:
                continue
            if line.startswith(";"):
                if not rows and not title:
                    title = line[1:].strip()
                continue
            if set(line) - set("#."):
                raise PictureError(f"{path}:{number}: only '#' and '.' make a picture")
            if rows and len(line) != len(rows[0]):
                raise PictureError(f"{path}:{number}: {len(line)} cells, the rows above have {len(rows[0])}")
            rows.append(line)
    if not rows:
        raise PictureError(f"{path}: no rows")
    if not any("#" in row for row in rows):
        raise PictureError(f"{path}: no picture cell")
    return title, rows


def runs(cells):
    out, run = [], 0
    for cell in cells:
        if cell == "#":
            run += 1
        elif run:
            out.append(run)
            run = 0
    if run:
        out.append(run)
    return out


def block_side(cells):
    for side in BLOCK_SIDES:
        if cells % side == 0:
            return side
    return cells


def number(value):
    """Numbers as the level files write them: whole numbers without a point."""
    return str(int(value)) if value == int(value) else repr(value)


def geometry(columns, rows, name="grid"):
    """The "settings" values of a level of columns x rows cells, from the layout above."""
    bx, by = block_side(columns), block_side(rows)
    nx, ny = columns // bx, rows // by

    def area(cell):  # pixel size of the grid area, as the level screen derives it
        return nx * bx * cell + (nx + 1) * BLOCK_GAP, ny * by * cell + (ny + 1) * BLOCK_GAP

    room_w = SCREEN_W - HUD_RIGHT - 2 * MARGIN - EAR_LEFT - FRAME_MARGIN
    room_h = SCREEN_H - HUD_TOP - 2 * MARGIN - EAR_UP - FRAME_MARGIN
    cell = CELL_MAX
    while cell > CELL_MIN and (area(cell)[0] > room_w or area(cell)[1] > room_h):
        cell -= 1
    width, height = area(cell)
    if width > room_w or height > room_h:
        raise PictureError(f"{name}: {columns} x {rows} does not fit the screen with cells of {CELL_MIN} pixels")

    # The clue panels, the grid and the frame together, centred in the room left of the HUD.
    left = MARGIN + (SCREEN_W - HUD_RIGHT - 2 * MARGIN - (EAR_LEFT + width + FRAME_MARGIN)) // 2 + EAR_LEFT
    top = MARGIN + HUD_TOP + (SCREEN_H - HUD_TOP - 2 * MARGIN - (EAR_UP + height + FRAME_MARGIN)) // 2 + EAR_UP
    bonuses = sum(1 for start in BONUS_FROM if columns * rows >= start)
    return {
        "cell": cell,
        "block": (bx, by),
        "position": (left + width / 2, top + height / 2),
        "bonuses": bonuses,
        # A block picture spans its cells and the gap on each side, so that drawn one block
        # pitch apart the pictures meet in the middle of the gaps.
        "block_pixels": (bx * cell + 2 * BLOCK_GAP, by * cell + 2 * BLOCK_GAP),
    }


def sprite(tag, file, hot_spot, size, indent):
    pad = " " * indent
    return (f"{pad}<{tag}>\n"
            f"{pad}  <FILE>{file}</FILE>\n"
            f"{pad}  <HOT_SPOT>{hot_spot}</HOT_SPOT>\n"
            f"{pad}  <SIZE>{size[0]} {size[1]}</SIZE>\n"
            f"{pad}</{tag}>\n")


def level_xml(name, rows, geo):
    columns = len(rows[0])
    cell = geo["cell"]
    out = ['<?xml version="1.0" encoding="utf-8"?>\n', f'<level name={quoteattr(name)}>\n']
    out.append(f'  <settings elSize="{cell} {cell}" grid="{columns} {len(rows)}" '
               f'block="{geo["block"][0]} {geo["block"][1]}" shiftBlock="{-BLOCK_GAP} {-BLOCK_GAP}" '
               f'position="{number(geo["position"][0])} {number(geo["position"][1])}" '
               f'bonuses="{geo["bonuses"]}">\n')
    out.append(sprite("block", f"{SPRITE_GROUP} block.png", "HS_UL", geo["block_pixels"], 4))
    for tag in ("selection", "selection_yes", "selection_no"):
        out.append(sprite(tag, f"{SPRITE_GROUP} {tag}.png", "HS_MID", (cell, cell), 4))
    out.append("  </settings>\n")
    out.append("  <gElements>\n")
    for row in rows:
        cells = "".join(f'<cell type="{100 if c == "#" else 101}"/>' for c in row)
        out.append(f"    {cells}\n")
    out.append("  </gElements>\n")
    out.append("</level>\n")
    return "".join(out)


def read_packs():
    """[(pack id, [(name, title, rows), ...]), ...] for pack0 .. pack<PACK_COUNT-1>."""
    packs = []
    for pack in range(PACK_COUNT):
        folder = os.path.join(PICTURES, f"pack{pack}")
        names = sorted(n for n in os.listdir(folder) if n.endswith(".txt"))
        if not names:
            raise PictureError(f"{folder}: no pictures")
        levels = []
        for file in names:
            title, rows = read_picture(os.path.join(folder, file))
            name = file[:-4].split("_", 1)[-1]
            longest = max([len(runs(r)) for r in rows] +
                          [len(runs([r[c] for r in rows])) for c in range(len(rows[0]))])
            if longest * CLUE_INTERVAL > min(EAR_LEFT, EAR_UP) - CLUE_INTERVAL // 2:
                raise PictureError(f"{folder}/{file}: a line of {longest} clues does not fit the clue panels")
            levels.append((name, title or name, rows))
        packs.append((pack, levels))
    return packs


def packs_description_xml(packs):
    out = ['<?xml version="1.0" encoding="utf-8"?>\n', "<packs>\n"]
    levels_before = 0
    for pack, levels in packs:
        stars = int(levels_before * STARS_PER_LEVEL_TO_PASS)
        out.append(f'  <pack id="{pack}" key="pack_title_{pack}" stars2pass="{stars}" '
                   f'price="{PACK_PRICES[pack]}" path="{LEVELS_GROUP}/pack{pack}">\n')
        out.append("    <background>\n"
                   f"      <FILE>{PACK_ART_GROUP} pack{pack}_bg.png</FILE>\n"
                   "      <HOT_SPOT>HS_UL</HOT_SPOT>\n"
                   f"      <SIZE>{SCREEN_W} {SCREEN_H}</SIZE>\n"
                   "    </background>\n")
        out.append("  </pack>\n")
        levels_before += len(levels)
    out.append("</packs>\n")
    return "".join(out)


def player_xml(packs):
    # The form the game writes a player in, so that the template reads back unchanged.
    out = ['<?xml version="1.0" encoding="utf-8"?>\n',
           '<player name="" sound_volume="50" music_volume="50" passed_tutorial="false" game_cursor="true">\n',
           "  <playeritems>\n"]
    for item in sorted(PLAYER_ITEMS):
        out.append(f'    <item name="{item}" count="{PLAYER_ITEMS[item]}"/>\n')
    out.append("  </playeritems>\n")
    out.append("  <packs>\n")
    for pack, levels in packs:
        out.append(f'    <pack id="{pack}">\n')
        for index, _ in enumerate(levels):
            lock = "false" if pack == 0 and index == 0 else "true"
            out.append(f'      <level id="{index}" stars="0" lock="{lock}" best_time="0" '
                       f'file="level{index:02d}.xml"/>\n')
        out.append("    </pack>\n")
    out.append("  </packs>\n")
    statistics = ["health", "score", "max_score", "hint_use", "without_hint_max", "without_hint",
                  "without_error_max", "without_error", "bad_level_max", "bad_level", "min_level_time"]
    out.append("  <statisctic " + " ".join(f'{name}="0"' for name in statistics) + "/>\n")
    out.append(f'  <health increment="false" count="{PLAYER_ITEMS["health"]}" countdown="0" '
               f'time_refill_heart="{HEART_REFILL_SECONDS}"/>\n')
    out.append("</player>\n")
    return "".join(out)


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--out", default=os.path.join(ROOT, "Resources"), help="folder to write into")
    args = parser.parse_args()
    try:
        packs = read_packs()
        files = {}
        for pack, levels in packs:
            for index, (name, title, rows) in enumerate(levels):
                geo = geometry(len(rows[0]), len(rows), f"pack{pack}/{name}")
                files[f"{LEVELS_GROUP}/pack{pack}/level{index:02d}.xml"] = level_xml(title, rows, geo)
    except (PictureError, OSError) as error:
        print(f"make_levels: {error}", file=sys.stderr)
        return 1
    files[f"{OTHER_FOLDER}/packs_description.xml"] = packs_description_xml(packs)
    files[f"{OTHER_FOLDER}/player.xml"] = player_xml(packs)

    # Level files of pictures that are gone would otherwise linger beside the new ones.
    for pack, _ in packs:
        folder = os.path.join(args.out, LEVELS_GROUP, f"pack{pack}")
        if os.path.isdir(folder):
            for file in os.listdir(folder):
                if file.startswith("level") and file.endswith(".xml") and \
                        f"{LEVELS_GROUP}/pack{pack}/{file}" not in files:
                    os.remove(os.path.join(folder, file))
    for relative, text in sorted(files.items()):
        write(os.path.join(args.out, relative), text)
    count = sum(len(levels) for _, levels in packs)
    print(f"make_levels: {count} levels in {len(packs)} packs written to {args.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
