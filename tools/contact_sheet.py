#!/usr/bin/python3
"""Draws every level's solution, pack by pack, into one PNG to see the pictures at a glance.

    /usr/bin/python3 tools/contact_sheet.py [OUTPUT.png] [--levels FOLDER] [--pictures [FOLDER]]
                                            [--scale N]

Reads the level files under Resources/data/share/levels (or FOLDER); with --pictures it reads
the text pictures of tools/levels (or FOLDER) instead, handy while drawing, before
make_levels.py runs. --scale N draws N times larger. Writes build/contact_sheet.png unless an
output is given.
"""

import argparse
import os
import re
import sys
import xml.etree.ElementTree as ET

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

TILE = 170          # room of one picture and its caption (times the scale)
PICTURE = 140       # the picture's longer side at most (times the scale)
PER_ROW = 8
PAPER = (250, 243, 224)
INK = (43, 45, 66)
GRID = (214, 204, 180)
BACK = (36, 38, 78)


def read_level(path):
    root = ET.parse(path).getroot()
    columns, rows = (int(v) for v in root.find("settings").get("grid").split())
    types = [int(e.get("type")) for e in root.find("gElements")]
    if len(types) != columns * rows:
        raise ValueError(f"{path}: {len(types)} cells for {columns} x {rows}")
    cells = ["".join("#" if types[c + r * columns] == 100 else "." for c in range(columns)) for r in range(rows)]
    return root.get("name", os.path.basename(path)), cells


def read_text(path):
    title, rows = "", []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if line.startswith(";"):
                title = title or line[1:].strip()
            elif line:
                rows.append(line)
    return title or os.path.basename(path), rows


def collect(args):
    """[(pack name, [(title, rows), ...]), ...] in pack and level order."""
    packs = []
    if args.pictures:
        base = os.path.join(ROOT, "tools", "levels") if args.pictures is True else args.pictures
        pattern, reader = r"\d+_.*\.txt$", read_text
    else:
        base = args.levels or os.path.join(ROOT, "Resources", "data", "share", "levels")
        pattern, reader = r"level\d+\.xml$", read_level
    folders = sorted((d for d in os.listdir(base) if re.fullmatch(r"pack\d+", d)), key=lambda d: int(d[4:]))
    for folder in folders:
        files = sorted(f for f in os.listdir(os.path.join(base, folder)) if re.fullmatch(pattern, f))
        packs.append((folder, [reader(os.path.join(base, folder, f)) for f in files]))
    return packs


def draw_picture(draw, x, y, rows):
    columns = len(rows[0])
    cell = max(3, PICTURE // max(columns, len(rows)))
    width, height = columns * cell, len(rows) * cell
    x += (TILE - width) // 2
    draw.rectangle([x - 3, y - 3, x + width + 2, y + height + 2], fill=PAPER)
    for r, row in enumerate(rows):
        for c, value in enumerate(row):
            box = [x + c * cell, y + r * cell, x + (c + 1) * cell - 1, y + (r + 1) * cell - 1]
            if value == "#":
                draw.rectangle(box, fill=INK)
            elif cell >= 6:
                draw.rectangle(box, outline=GRID)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("output", nargs="?", default=os.path.join(ROOT, "build", "contact_sheet.png"))
    parser.add_argument("--levels", help="folder holding pack0, pack1, ... of level files")
    parser.add_argument("--pictures", nargs="?", const=True, help="read the text pictures instead")
    parser.add_argument("--scale", type=int, default=1, help="draw this many times larger")
    args = parser.parse_args()
    global TILE, PICTURE, PER_ROW
    TILE, PICTURE = TILE * args.scale, PICTURE * args.scale
    PER_ROW = max(1, PER_ROW // args.scale)  # the sheet keeps its width

    packs = collect(args)
    font = ImageFont.truetype(FONT, 12) if os.path.exists(FONT) else ImageFont.load_default()
    bold = ImageFont.truetype(BOLD, 18) if os.path.exists(BOLD) else font
    height = 10
    for _, levels in packs:
        height += 34 + ((len(levels) + PER_ROW - 1) // PER_ROW) * (TILE + 8)
    image = Image.new("RGB", (PER_ROW * TILE + 20, height), BACK)
    draw = ImageDraw.Draw(image)
    y = 10
    for pack, levels in packs:
        draw.text((12, y + 6), f"{pack}: {len(levels)} levels", font=bold, fill=PAPER)
        y += 34
        for index, (title, rows) in enumerate(levels):
            x = 10 + (index % PER_ROW) * TILE
            top = y + (index // PER_ROW) * (TILE + 8)
            draw_picture(draw, x, top + 4, rows)
            caption = f"{index}. {title} {len(rows[0])}x{len(rows)}"
            draw.text((x + TILE // 2, top + PICTURE + 14), caption, font=font, fill=PAPER, anchor="mm")
        y += ((len(levels) + PER_ROW - 1) // PER_ROW) * (TILE + 8)
    os.makedirs(os.path.dirname(os.path.abspath(args.output)), exist_ok=True)
    image.save(args.output)
    print(f"contact_sheet: {sum(len(l) for _, l in packs)} levels drawn into {args.output}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
