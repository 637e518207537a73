#!/usr/bin/python3
"""Contact sheets of the picture kit, to judge it at a glance: every picture of the image
groups at its real size (wide pictures shrunk to fit a column) on the game's navy background
with its file name, and a strip showing how frames look when drawn one at a time.

Usage: /usr/bin/python3 tools/art/kit_sheet.py [output folder, default build/]
Writes kit.png (gui and level groups) and kit_screens.png (screens and packs).
"""
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image, ImageDraw  # noqa: E402

import kit  # noqa: E402
import style as S  # noqa: E402

WIDTH = 1600
PAD = 10


def load(group):
    folder = os.path.join(kit.RESOURCES, kit.GROUPS[group])
    if not os.path.isdir(folder):
        return []
    return [(name, Image.open(os.path.join(folder, name)).convert("RGBA"))
            for name in sorted(os.listdir(folder)) if name.endswith(".png")]


def background(w, h):
    img = S.vgradient((w, h), [(0, S.NAVY_TOP), (1, S.NAVY_DEEP)])
    return img


def layout(items, max_w, label_font):
    """Rows of (name, image) boxes, left to right; answers placements and the total height."""
    x = y = PAD
    row_h = 0
    places = []
    for name, img in items:
        w, h = img.size
        if w > max_w:
            img = img.resize((max_w, max(1, h * max_w // w)), Image.LANCZOS)
            w, h = img.size
        label_w = int(label_font.getlength(name)) + 4
        box_w = max(w, label_w)
        box_h = h + 16
        if x + box_w + PAD > WIDTH:
            x = PAD
            y += row_h + PAD
            row_h = 0
        places.append((name, img, x, y, box_w))
        x += box_w + PAD
        row_h = max(row_h, box_h)
    return places, y + row_h + PAD


def sheet(groups, path, max_w, paper_every=False):
    font = S.label_font(11, bold=False)
    items = []
    for g in groups:
        items += [(g + "/" + n, img) for n, img in load(g)]
    places, height = layout(items, max_w, font)
    out = background(WIDTH, height)
    draw = ImageDraw.Draw(out)
    for name, img, x, y, box_w in places:
        # Half of the sheet shows pictures on paper, as they will often be seen.
        if paper_every and "level/" in name:
            draw.rectangle([x - 2, y - 2, x + img.size[0] + 2, y + img.size[1] + 2], fill=S.PAPER)
        out.alpha_composite(img, (x, y))
        draw.text((x, y + img.size[1] + 2), name.split("/", 1)[1], font=font, fill=S.CREAM)
    out.convert("RGB").save(path)
    print("%s: %d pictures" % (path, len(places)))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(kit.ROOT, "build")
    os.makedirs(folder, exist_ok=True)
    sheet(["gui", "level"], os.path.join(folder, "kit.png"), 760, paper_every=True)
    sheet(["screens", "packs"], os.path.join(folder, "kit_screens.png"), 512)


if __name__ == "__main__":
    main()
