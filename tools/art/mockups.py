#!/usr/bin/python3
"""Mock-ups of two screens assembled from the shipped pictures and bitmap fonts, to judge the
kit in place at 1024x768: a level on the garden pack and a menu dialog on the title
background. Text is drawn from the BMFont pages exactly as the engine places glyphs.

Usage: /usr/bin/python3 tools/art/mockups.py [output folder, default build/]
"""
import os
import sys
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from PIL import Image  # noqa: E402

import kit  # noqa: E402
import style as S  # noqa: E402


def pic(group, name):
    return Image.open(os.path.join(kit.RESOURCES, kit.GROUPS[group], name)).convert("RGBA")


def frame(img, count, index):
    w = img.size[0] // count
    return img.crop((index * w, 0, (index + 1) * w, img.size[1]))


def put(dst, img, x, y, hot="mid"):
    """Draws with the sprites' hot spot: "mid" centres the picture on (x, y), "ul" puts its corner."""
    if hot == "mid":
        x, y = x - img.size[0] // 2, y - img.size[1] // 2
    dst.alpha_composite(img, (int(x), int(y)))


class BitmapFont:
    def __init__(self, name):
        folder = os.path.join(kit.RESOURCES, "data", "share", "font")
        root = ET.parse(os.path.join(folder, name + ".xml")).getroot()
        self.page = Image.open(os.path.join(folder, name + ".png")).convert("RGBA")
        self.line = int(root.find("common").get("lineHeight"))
        self.glyphs = {int(c.get("id")): {k: int(c.get(k)) for k in ("x", "y", "width", "height", "xoffset", "yoffset", "xadvance")}
                       for c in root.find("chars").findall("char")}

    def width(self, text):
        return sum(self.glyphs.get(ord(ch), self.glyphs[63])["xadvance"] for ch in text)

    def draw(self, dst, text, x, y, color=(255, 255, 255), align="left", valign="top"):
        if align == "center":
            x -= self.width(text) // 2
        elif align == "right":
            x -= self.width(text)
        if valign == "middle":
            y -= self.line // 2
        for ch in text:
            g = self.glyphs.get(ord(ch), self.glyphs[63])
            if g["width"]:
                tile = self.page.crop((g["x"], g["y"], g["x"] + g["width"], g["y"] + g["height"]))
                r, gg, b, a = tile.split()
                tint = Image.merge("RGBA", (r.point(lambda v: v * color[0] // 255), gg.point(lambda v: v * color[1] // 255),
                                            b.point(lambda v: v * color[2] // 255), a))
                dst.alpha_composite(tint, (x + g["xoffset"], y + g["yoffset"]))
            x += g["xadvance"]


HEART = ["..........", ".##....##.", "####..####", "##########", "##########",
         ".########.", "..######..", "...####...", "....##....", ".........."]


def mock_level(path):
    screen = pic("packs", "pack1_bg.png")
    clue = BitmapFont("clue")
    hud = BitmapFont("hud")
    n, cell, shift = 10, 40, 3
    W = 2 * 5 * cell + 3 * shift
    cx, cy = 560, 430
    x0, y0 = cx - W // 2, cy - W // 2
    ear = 150
    # Clue panels: the up ear stands on the grid's top edge, the left ear along its left edge.
    bg = pic("level", "ear_bg.png")
    panel = Image.new("RGBA", (W, ear), bg.getpixel((0, 0)))
    put(screen, panel, x0, y0 - ear, "ul")
    put(screen, panel.rotate(90, expand=True), x0 - ear, y0, "ul")
    stick, stick_b = pic("level", "stick.png"), pic("level", "stick_block.png")
    x = 0.0
    for i in range(n + 1):
        if i % 5 == 0:
            x += shift / 2
            s = stick_b.resize((stick_b.size[0], ear))
            put(screen, s, x0 + x - s.size[0] // 2, y0 - ear, "ul")
            put(screen, s.rotate(-90, expand=True), x0 - ear, y0 + x - s.size[0] // 2, "ul")
            x += shift / 2
        else:
            s = stick.resize((stick.size[0], ear))
            put(screen, s, x0 + x - 1, y0 - ear, "ul")
            put(screen, s.rotate(-90, expand=True), x0 - ear, y0 + x - 1, "ul")
        x += cell
    blk = pic("level", "block_40.png")
    for i in range(2):
        for j in range(2):
            put(screen, blk, x0 + shift + i * (5 * cell + shift), y0 + shift + j * (5 * cell + shift), "ul")

    def centre(i, j):
        return (x0 + shift + i * cell + (i // 5) * shift + cell // 2, y0 + shift + j * cell + (j // 5) * shift + cell // 2)

    hl = pic("level", "highlight_h.png")
    hi, hj = 6, 4
    put(screen, hl.resize((W, cell)), x0, centre(0, hj)[1] - cell // 2, "ul")
    put(screen, hl.resize((cell, W)), centre(hi, 0)[0] - cell // 2, y0, "ul")
    yes, no = frame(pic("level", "cell_yes_40.png"), 6, 5), frame(pic("level", "cell_no_40.png"), 6, 5)
    for j in range(n):
        for i in range(n):
            if j < 6 or (j == 6 and i < 4):
                put(screen, yes if HEART[j][i] == "#" else no, *centre(i, j))
    sel = pic("level", "selection_yes_40.png")
    for i in range(4, 9):
        put(screen, sel, *centre(i, 6))
    clue.draw(screen, "5", centre(8, 6)[0] + 20, centre(8, 6)[1] - 34, S.INK)
    lock = pic("level", "cell_locked_40.png")
    put(screen, lock, *centre(9, 9))

    ink, crossed = (43, 45, 66), (170, 160, 150)
    cols = ["".join(HEART[j][i] for j in range(n)) for i in range(n)]
    for j in range(n):
        for k, v in enumerate(reversed(S.clue_runs(HEART[j]))):
            clue.draw(screen, str(v), x0 - 16 - k * 24, centre(0, j)[1], crossed if j < 6 else ink, "center", "middle")
    for i in range(n):
        for k, v in enumerate(reversed(S.clue_runs(cols[i]))):
            clue.draw(screen, str(v), centre(i, 0)[0], y0 - 18 - k * 26, ink, "center", "middle")
    put(screen, frame(pic("level", "clue_cross.png"), 6, 2), x0 - 16, centre(0, 5)[1])

    corner = 24
    b = {k: pic("level", "border_%s.png" % k) for k in ("ul", "up", "ur", "lt", "rt", "dl", "dn", "dr")}
    fx0, fy0, fw = x0 - corner // 2, y0 - corner // 2, W + corner
    put(screen, b["ul"], fx0, fy0, "ul")
    put(screen, b["ur"], fx0 + fw - corner, fy0, "ul")
    put(screen, b["dl"], fx0, fy0 + fw - corner, "ul")
    put(screen, b["dr"], fx0 + fw - corner, fy0 + fw - corner, "ul")
    put(screen, b["up"].resize((fw - 2 * corner, corner)), fx0 + corner, fy0, "ul")
    put(screen, b["dn"].resize((fw - 2 * corner, corner)), fx0 + corner, fy0 + fw - corner, "ul")
    put(screen, b["lt"].resize((corner, fw - 2 * corner)), fx0, fy0 + corner, "ul")
    put(screen, b["rt"].resize((corner, fw - 2 * corner)), fx0 + fw - corner, fy0 + corner, "ul")

    # HUD: error panel top left, coin counter, controls on the right.
    put(screen, pic("level", "error_panel.png"), 20, 16, "ul")
    err, elock = pic("level", "error_icon.png"), pic("level", "error_lock.png")
    for k in range(6):
        put(screen, frame(err, 6, 5) if k < 2 else elock, 20 + 30 + 48 * k, 16 + 26)
    put(screen, pic("gui", "hud_pill.png"), 20, 80, "ul")
    put(screen, pic("gui", "icon_coin_32.png"), 48, 106)
    hud.draw(screen, "125", 72, 106, S.CREAM, "left", "middle")
    put(screen, frame(pic("level", "hint_glow.png"), 8, 0), 930, 420)
    put(screen, frame(pic("level", "hint_button.png"), 5, 3), 930, 420)
    put(screen, frame(pic("gui", "btn_round_pause.png"), 5, 0), 970, 50)
    put(screen, pic("level", "mode_panel.png"), 930, 600)
    put(screen, pic("level", "mode_knob.png"), 930 - 44, 600)
    put(screen, frame(pic("level", "reset_area.png"), 6, 0), 930, 260)
    put(screen, frame(pic("level", "bonus_coin.png"), 8, 0), 700, 180)
    put(screen, pic("gui", "cursor.png"), centre(8, 6)[0], centre(8, 6)[1], "ul")
    screen.convert("RGB").save(path)


def mock_menu(path):
    screen = pic("screens", "bg_menu.png")
    header, button, text, small = (BitmapFont(n) for n in ("header", "button", "text", "small"))
    put(screen, pic("screens", "logo.png"), 512, 130)
    put(screen, pic("gui", "dialog_m.png"), 512, 470)
    put(screen, pic("gui", "ribbon.png"), 512, 262)
    header.draw(screen, "Options", 512, 262 - 6, S.CREAM, "center", "middle")
    text.draw(screen, "Music", 300, 330, S.INK, "left", "middle")
    track = pic("gui", "slider_track.png")
    put(screen, frame(track, 2, 0), 610, 330)
    full = frame(track, 2, 1).crop((0, 0, 200, track.size[1]))
    put(screen, full, 610 - 160, 330 - 12, "ul")
    put(screen, pic("gui", "slider_runner.png"), 610 - 160 + 200, 330)
    text.draw(screen, "Game cursor", 300, 400, S.INK, "left", "middle")
    put(screen, pic("gui", "switch_panel.png"), 650, 400)
    put(screen, pic("gui", "switch_knob.png"), 650 - 27, 400)
    text.draw(screen, "Full screen", 300, 460, S.INK, "left", "middle")
    put(screen, frame(pic("gui", "checkbox.png"), 5, 0), 650, 460)
    put(screen, frame(pic("gui", "checkbox.png"), 5, 3), 650, 460)
    put(screen, frame(pic("gui", "btn_primary_m.png"), 5, 1), 410, 600)
    button.draw(screen, "OK", 410, 598, S.CREAM, "center", "middle")
    put(screen, frame(pic("gui", "btn_neutral_m.png"), 5, 0), 620, 600)
    button.draw(screen, "Cancel", 620, 598, S.INK, "center", "middle")
    put(screen, pic("gui", "hud_pill.png"), 24, 20, "ul")
    put(screen, pic("gui", "icon_heart_32.png"), 52, 46)
    put(screen, pic("gui", "hud_pill.png"), 220, 20, "ul")
    put(screen, pic("gui", "icon_coin_32.png"), 248, 46)
    put(screen, pic("gui", "hud_pill.png"), 416, 20, "ul")
    put(screen, pic("gui", "icon_star_32.png"), 444, 46)
    hud_font = BitmapFont("hud")
    for x, t in ((76, "5"), (272, "1250"), (468, "42")):
        hud_font.draw(screen, t, x, 46, S.CREAM, "left", "middle")
    small.draw(screen, "Next heart in 12:30", 36, 90, S.CREAM)
    for k, name in enumerate(("options", "trophy", "store", "help")):
        put(screen, frame(pic("gui", "btn_round_%s.png" % name), 5, 1 if k == 1 else 0), 660 + k * 88, 700)
    header.draw(screen, "Hello, Zoë!", 170, 700, S.WHITE, "center", "middle")
    screen.convert("RGB").save(path)


def mock_lists(path):
    screen = pic("packs", "pack0_bg.png")
    header, text, button = BitmapFont("header"), BitmapFont("text"), BitmapFont("button")
    put(screen, pic("gui", "ribbon.png"), 512, 60)
    header.draw(screen, "First steps", 512, 54, S.CREAM, "center", "middle")
    tile, star = pic("gui", "tile_level.png"), pic("gui", "star_small.png")
    stars = [3, 2, 3, 1, 0, 0, 0, 0]
    for k in range(8):
        x, y = 232 + (k % 4) * 186, 230 + (k // 4) * 190
        state = 1 if k < 4 else (2 if k == 4 else 0)
        put(screen, frame(tile, 3, 1 if state == 2 else 0), x, y)
        if state == 0:
            put(screen, frame(tile, 3, 2), x, y)
            continue
        header.draw(screen, str(k + 1), x, y - 12, S.INK, "center", "middle")
        for s in range(3):
            put(screen, frame(star, 2, 1 if s < stars[k] else 0), x - 28 + s * 28, y + 36)
    put(screen, frame(pic("gui", "btn_page_left.png"), 5, 4), 60, 330)
    put(screen, frame(pic("gui", "btn_page_right.png"), 5, 0), 964, 330)
    dots = pic("gui", "page_dots.png")
    for k in range(3):
        put(screen, frame(dots, 2, 0 if k == 0 else 1), 488 + k * 24, 470)
    card, pic0 = pic("gui", "tile_pack.png"), pic("packs", "pack1_tile.png")
    for k in range(3):
        x = 250 + k * 262
        put(screen, card, x, 640 - 20)
        put(screen, pic("packs", "pack%d_tile.png" % k), x, 640 - 20 - 150 + 94)
        text.draw(screen, ["First steps", "Garden and farm", "Around the house"][k], x, 640 - 20 + 45, S.INK, "center", "middle")
        if k == 2:
            put(screen, pic("gui", "tile_pack_lock.png"), x, 620)
        if k == 1:
            put(screen, pic("gui", "tile_pack_next.png"), x, 620)
    screen.convert("RGB").save(path)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(kit.ROOT, "build")
    os.makedirs(folder, exist_ok=True)
    mock_level(os.path.join(folder, "mock_level.png"))
    mock_menu(os.path.join(folder, "mock_menu.png"))
    mock_lists(os.path.join(folder, "mock_lists.png"))


if __name__ == "__main__":
    main()
