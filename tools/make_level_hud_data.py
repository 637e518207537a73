#!/usr/bin/python3
"""Writes the level screen's decor, HUD and control files (Resources/data/share/main):

  GameProcess ambient.xml           border, clue panels, highlight, error panel, currency
                                    counter and the fill/cross switch ("check_mode")
  GameProcess numbers.xml           the clue numbers of the rows ("numbersLeft") and columns
  GameProcess hint_button.xml       the hint button and its glow
  GameProcess pause.xml             the pause button
  GameProcess store_button.xml      the store button (editions with "store_button")
  GameProcess store_button_empty.xml  no store button (the other editions)
  GameProcess reset_selection.xml   the area that cancels a dragged selection

    /usr/bin/python3 tools/make_level_hud_data.py

Byte for byte the same on every run. The grid, its clue panels and its frame take the screen
left of the HUD column (tools/make_levels.py: HUD_RIGHT, EAR_LEFT, EAR_UP, CLUE_INTERVAL); the
HUD pieces and the controls stand in that column, whatever the level's size."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "windows"))

import make_level_hud_art as art  # noqa: E402
import make_levels as levels  # noqa: E402
from wlib import E, INK, write  # noqa: E402

MAIN = "data/share/main"
LEVEL = "data/share/image/level"
GUI = "data/share/image/gui"

# ---- The HUD column: x from SCREEN_W - HUD_RIGHT to the right margin. ----
COLUMN_LEFT = levels.SCREEN_W - levels.HUD_RIGHT            # 824
COLUMN_RIGHT = levels.SCREEN_W - levels.MARGIN              # 1008
COLUMN_X = (COLUMN_LEFT + COLUMN_RIGHT) // 2                # 916
PAUSE_AT = (COLUMN_RIGHT - 36, levels.MARGIN + 36)          # round button in the top-right corner
PANEL_TOP_LEFT = (COLUMN_X - art.PANEL_W // 2, 100)         # currency and errors
TOGGLE_AT = (COLUMN_X, 336)
RESET_AT = (COLUMN_X, 492)
# The hint and store buttons stand at the bottom edge: sliding down by their height takes them
# out of the screen.
HINT_AT = (COLUMN_X, levels.SCREEN_H - 64)          # its glow (128) touches the edge
STORE_AT = (COLUMN_X, levels.SCREEN_H - 38)
SLIDE_SECONDS = 0.35

# ---- The clue numbers. ----
CLUE_FONT = "clue_small"          # two digits fit a column of the smallest cells (27) with air
CLUE_COLOR = "0xFF2B2D42"         # ink on the paper panels
CLUE_CROSSED = "0xFFB9AC92"       # a satisfied clue fades into the paper
ROW_INTERVAL = levels.CLUE_INTERVAL     # 20
COLUMN_INTERVAL = 18                    # a line of this font with a little air
ROW_FIRST = 28                    # the nearest row number's centre left of the grid area: clear
                                  # of the frame's outer half (12) with room to spare
COLUMN_FIRST = 24                 # the nearest column number's centre above it


def transform(x, y):
    """The twelve numbers of a placement: position, pivot, rotation, scale."""
    return "%d %d 0 0 0 0 0 0 0 1 1 1" % (x, y)


def sprite(name, file, hot="HS_MID", pos=None, size=None, animation=None):
    children = [E("FILE", text=file), E("HOT_SPOT", text=hot)]
    if pos is not None:
        children.append(E("POS", text="%d %d" % pos))
    if size is not None:
        children.append(E("SIZE", text="%d %d" % size))
    if animation is not None:
        children.append(E("ANIMATION", animation))
    return E(name, children=children)


def anim(grid, frames, fps, loop):
    return [("grid", "%d 1" % grid), ("frames", frames), ("fps", fps), ("loop", 1 if loop else 0)]


def push_button(ident, texture):
    return E("BUTTON5", [("ID", ident), ("TEXTURE", texture)], [E("POSITION", text="0 0")])


def ambient():
    border = E("border", [(side, "%s border_%s.png" % (LEVEL, side))
                          for side in ("ul", "up", "ur", "lt", "rt", "dl", "dn", "dr")])

    def ear(name, size):
        return E(name, [("size", size)], [
            sprite("background", LEVEL + " ear_bg.png", "HS_DL"),
            sprite("stick", LEVEL + " stick.png", "HS_MD", size=(2, size)),
            sprite("stickBlock", LEVEL + " stick_block.png", "HS_MD", size=(3, size)),
        ])

    highlight = E("highlight", [
        ("vertical", LEVEL + " highlight_v.png"),
        ("horisontal", LEVEL + " highlight_h.png"),
        ("font", "clue_small"),
        ("font_color", "255 43 45 66"),
        ("shift", "8 8"),
    ])
    px, py = PANEL_TOP_LEFT
    first = art.slot_centre(0)
    error_panel = E("error_panel", [
        ("pos", "%d %d" % (px + first[0], py + first[1])),
        ("grid", "%d %d" % art.SLOT_GRID),
        ("interval", "%d %d" % (art.SLOT_GAP, art.SLOT_GAP)),
        ("ping", "0.3"),
    ], [
        sprite("sprite", LEVEL + " error_icon.png", animation=anim(6, 6, 24, False)),
        sprite("sprite_lock", LEVEL + " error_lock.png"),
        sprite("background", LEVEL + " hud_panel.png", "HS_UL", pos=PANEL_TOP_LEFT),
    ])
    sunime = E("sunime", [
        ("fntName", "hud"),
        ("fntColor", "0xFFFFF6E5"),
        ("fntHotSpot", "HS_MR"),
        ("pos", "%d %d" % (px + art.COUNTER_RIGHT_X, py + art.COIN_CENTRE[1])),
    ])
    check_mode = E("check_mode", children=[
        E("CHECKBOX_IOS", [("ID", 1), ("TX_PANEL", LEVEL + " mode_panel.png"), ("TX_BTN", LEVEL + " mode_knob.png")],
          [E("POSITION", text="%d %d" % TOGGLE_AT)]),
    ])
    return E("ambient", children=[
        border, ear("left_ear", levels.EAR_LEFT), ear("up_ear", levels.EAR_UP), highlight, error_panel, sunime,
        check_mode])


def numbers():
    def strip(name, interval, first):
        return E(name, [
            ("font", CLUE_FONT), ("font_color", CLUE_COLOR), ("font_cross", CLUE_CROSSED), ("interval", interval),
            ("shift_first", first),
        ], [
            E("FILE", text=LEVEL + " clue_cross.png"),
            E("HOT_SPOT", text="HS_MID"),
            E("ANIMATION", anim(6, 6, 20, False)),
        ])

    return E("numbers", children=[
        strip("numbersLeft", ROW_INTERVAL, "%d 0" % ROW_FIRST),
        strip("numbersUp", COLUMN_INTERVAL, "0 %d" % COLUMN_FIRST),
    ])


def hint_button():
    return E("hint_button", [("speed", SLIDE_SECONDS)], [
        E("TRANSFORM", text=transform(*HINT_AT)),
        sprite("hint", LEVEL + " hint_glow.png", pos=(0, 0), animation=anim(8, 8, 10, True)),
        sprite("button_sprite", LEVEL + " hint_button.png", pos=(0, 0)),
    ])


def pause():
    return E("pause", children=[
        E("TRANSFORM", text=transform(*PAUSE_AT)),
        push_button(1, GUI + " btn_round_pause.png"),
    ])


def store_button():
    return E("store_button", [("speed", SLIDE_SECONDS)], [
        E("TRANSFORM", text=transform(*STORE_AT)),
        push_button(1, GUI + " btn_round_store.png"),
    ])


def store_button_empty():
    return E("store_button", children=[E("TRANSFORM", text=transform(*STORE_AT))])


def reset_selection():
    return E("reset_selection", [
        ("time", "0.2"),
        ("begin_color", "110 255 246 229"),   # at rest: a faint cream ring
        ("mid_color", "235 118 222 204"),     # while a line is dragged: teal, ready
        ("end_color", "255 255 126 92"),      # the dragged pointer over it: coral, a release cancels
    ], [
        E("TRANSFORM", text=transform(*RESET_AT)),
        sprite("sprite", LEVEL + " reset_area.png", pos=(0, 0), animation=anim(6, 6, 18, False)),
    ])


FILES = (
    ("GameProcess ambient.xml", ambient, "The level decor and HUD: border, clue panels, highlight, error panel, "
                                         "currency counter, and the fill/cross switch."),
    ("GameProcess numbers.xml", numbers, "The clue numbers left of the rows and above the columns."),
    ("GameProcess hint_button.xml", hint_button, "The hint button: slides out of the screen's bottom edge."),
    ("GameProcess pause.xml", pause, "The pause button."),
    ("GameProcess store_button.xml", store_button, "The store button, shown while the level has no hints."),
    ("GameProcess store_button_empty.xml", store_button_empty, "Editions without a store button."),
    ("GameProcess reset_selection.xml", reset_selection, "Releasing a dragged line over this area drops it."),
)


def main():
    for name, make, comment in FILES:
        write(MAIN + "/" + name, make(), comment)


if __name__ == "__main__":
    main()
