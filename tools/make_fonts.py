#!/usr/bin/python3
"""Rasterises DejaVu Sans and DejaVu Sans Bold into the game's bitmap fonts: one PNG page and
one BMFont XML descriptor per font in Resources/data/share/font, plus fonts.xml, the list the
font manager reads.

Glyphs are white (the text colour is applied when drawing), on grey-and-alpha pages whose grey
is white all over: the engine keeps such a page as one byte of alpha a texel. Every font holds
ASCII, Latin-1, Latin Extended-A,
Greek and Cyrillic (players type their names in any of these) and a few symbols; the engine
draws '?' for anything else.

Usage: /usr/bin/python3 tools/make_fonts.py [output folder]
"""
import os
import sys

from PIL import Image, ImageDraw, ImageFont

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "art"))
import ttf  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "Resources", "data", "share", "font")
GROUP = "data/share/font"
DEJAVU = "/usr/share/fonts/truetype/dejavu"
FACES = {
    False: ("DejaVu Sans", os.path.join(DEJAVU, "DejaVuSans.ttf")),
    True: ("DejaVu Sans Bold", os.path.join(DEJAVU, "DejaVuSans-Bold.ttf")),
}

# name, pixel size, bold
FONTS = [
    ("header", 34, True),
    ("button", 26, True),
    ("hud", 28, True),
    ("text", 22, False),
    ("small", 16, False),
    ("clue", 20, True),
    ("clue_small", 14, True),
]

SPACING = 2  # transparent pixels between glyphs on the page, so filtering never bleeds

# Punctuation and symbols that game texts may use beyond the alphabets.
EXTRA = [0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E, 0x2022, 0x2026,
         0x2039, 0x203A, 0x20AC, 0x2116, 0x2122, 0x2190, 0x2192, 0x221E, 0x2605, 0x2606,
         0x2661, 0x2665, 0x2713, 0x2717]


def wanted_codes(mapped):
    ranges = [(0x20, 0x7E), (0xA0, 0xFF), (0x100, 0x17F), (0x370, 0x3FF), (0x400, 0x4FF)]
    codes = set()
    for lo, hi in ranges:
        codes.update(c for c in range(lo, hi + 1) if c in mapped or c in (0x20, 0xA0))
    codes.update(c for c in EXTRA if c in mapped)
    return sorted(codes)


def render_plain(font, ch):
    """Coverage of one glyph and its offsets from the pen (top of the line)."""
    box = font.getbbox(ch, anchor="la")
    w, h = box[2] - box[0], box[3] - box[1]
    if w <= 0 or h <= 0:
        return None, 0, 0
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).text((-box[0], -box[1]), ch, font=font, fill=255, anchor="la")
    # The layout box holds the side bearings as blank columns: keep only the ink.
    ink = mask.getbbox()
    if not ink:
        return None, 0, 0
    return mask.crop(ink), box[0] + ink[0], box[1] + ink[1]


def pack(glyphs):
    """Shelf packing, tallest first; the narrowest power-of-two width whose height fits in it."""
    order = sorted((g for g in glyphs if g["img"] is not None),
                   key=lambda g: (-g["img"].size[1], -g["img"].size[0], g["id"]))
    for width in (128, 256, 512, 1024, 2048):
        x = y = shelf = 0
        places = {}
        fits = True
        for g in order:
            w, h = g["img"].size
            if w + SPACING > width:
                fits = False
                break
            if x + w + SPACING > width:
                y += shelf + SPACING
                x = shelf = 0
            places[g["id"]] = (x + SPACING, y + SPACING)
            x += w + SPACING
            shelf = max(shelf, h)
        height = y + shelf + 2 * SPACING
        if fits and (height <= width or width == 2048):
            return width, (height + 3) // 4 * 4, places
    raise ValueError("glyphs do not fit a 2048-wide page")


def make_font(name, size, bold, out_dir):
    face, path = FACES[bold]
    font = ImageFont.truetype(path, size)
    ascent, descent = font.getmetrics()
    glyphs = []
    for code in wanted_codes(ttf.mapped_codes(path)):
        ch = chr(code)
        img, xoff, yoff = render_plain(font, ch)
        advance = int(round(font.getlength(ch)))
        glyphs.append({"id": code, "img": img, "xoffset": xoff, "yoffset": yoff,
                       "xadvance": advance})
    width, height, places = pack(glyphs)

    page = Image.new("LA", (width, height), (255, 0))
    for g in glyphs:
        if g["img"] is None:
            continue
        x, y = places[g["id"]]
        tile = Image.new("LA", g["img"].size, (255, 0))
        tile.putalpha(g["img"])
        page.paste(tile, (x, y))
    png = name + ".png"
    page.save(os.path.join(out_dir, png), optimize=True)

    lines = ['<?xml version="1.0" encoding="utf-8"?>',
             "<!-- Made by tools/make_fonts.py from %s at %d px. -->" % (face, size),
             "<font>",
             '  <info face="%s" size="%d" bold="%d" italic="0" charset="" unicode="1" stretchH="100" '
             'smooth="1" aa="1" padding="0,0,0,0" spacing="%d,%d" outline="0"/>'
             % (face, size, int(bold), SPACING, SPACING),
             '  <common lineHeight="%d" base="%d" scaleW="%d" scaleH="%d" pages="1" packed="0"/>'
             % (ascent + descent, ascent, width, height),
             "  <pages>",
             '    <page id="0" file="%s"/>' % png,
             "  </pages>",
             '  <chars count="%d">' % len(glyphs)]
    for g in glyphs:
        x, y = places.get(g["id"], (0, 0))
        w, h = g["img"].size if g["img"] is not None else (0, 0)
        lines.append('    <char id="%d" x="%d" y="%d" width="%d" height="%d" xoffset="%d" yoffset="%d" '
                     'xadvance="%d" page="0" chnl="15"/>'
                     % (g["id"], x, y, w, h, g["xoffset"], g["yoffset"], g["xadvance"]))
    lines += ["  </chars>", "</font>", ""]
    with open(os.path.join(out_dir, name + ".xml"), "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))
    return width, height, len(glyphs), ascent + descent


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else OUT
    os.makedirs(out_dir, exist_ok=True)
    entries = []
    for name, size, bold in FONTS:
        w, h, n, line = make_font(name, size, bold, out_dir)
        print("%-11s %2d px %-4s page %4dx%-4d %3d glyphs, line height %d"
              % (name, size, "bold" if bold else "", w, h, n, line))
        entries.append('  <font name="%s" texture="%s %s.png" xml="%s %s.xml"/>'
                       % (name, GROUP, name, GROUP, name))
    with open(os.path.join(out_dir, "fonts.xml"), "w", encoding="utf-8", newline="\n") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n'
                "<!-- Made by tools/make_fonts.py. -->\n<fonts>\n" + "\n".join(entries) + "\n</fonts>\n")


if __name__ == "__main__":
    main()
