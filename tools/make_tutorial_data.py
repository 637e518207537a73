#!/usr/bin/python3
"""Makes Resources/data/share/main/other/tutorial.xml: the scripted steps of the first three
levels of pack 0 (heart, house, arrow). Cells are placed from the shipped level files, so the
arrows and rings land on the cells the texts talk about; the texts are keys of
tools/data/strings_en/tutorial.tsv, the pictures come from tools/make_tutorial_art.py and the
skip question is the window "Confirm_Skip_Tutorial" (tools/windows/tutorial.py).
Deterministic: re-running it writes the same bytes.

    /usr/bin/python3 tools/make_tutorial_data.py

Every step can be completed by what its text asks: the store button shows only once a level's
hints are spent, which a new player of these levels has not done, so no step waits for it."""
import os
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "windows"))
sys.path.insert(0, HERE)

from wlib import E, FONT, FONT_TEXT, GUI, INK, OTHER, RES, button, image, wlabel, write  # noqa: E402
from make_tutorial_art import (ARROW, FRAMES, PANEL_H, PANEL_W, TEXT_LEFT,  # noqa: E402
                               RING)

LEVELS = os.path.join(RES, "data", "share", "levels", "pack0")

# The panel stands in the free band above the clue panels, left of the HUD column.
PANEL_CENTRE = (392, 100)
SKIP_CENTRE = (PANEL_CENTRE[0] + PANEL_W // 2 - 98, PANEL_CENTRE[1] + PANEL_H // 2 - 42)
NEUTRAL_S = GUI + " btn_neutral_s.png"
# Where the level controls stand (tools/make_level_hud_data.py); arrows stop at their left edge.
TOGGLE = (916, 336, 88)       # centre x, y and half width
HINT = (916, 704, 48)
RESET = (916, 492, 48)
ERROR_PANEL = (824, 190)      # left edge of the error slots' middle
ARROW_FPS = 12


class Grid:
    """The cell centres of a shipped level, as the level screen lays them out."""

    def __init__(self, number):
        root = ET.parse(os.path.join(LEVELS, "level%02d.xml" % number)).getroot()
        s = root.find("settings")
        nums = lambda name: [float(v) for v in s.get(name).split()]
        self.cell = nums("elSize")
        self.cols, self.rows = [int(v) for v in nums("grid")]
        block = [int(v) for v in nums("block")]
        shift = nums("shiftBlock")
        pos = nums("position")
        blocks = [-(-self.cols // block[0]), -(-self.rows // block[1])]
        size = [int(block[i] * self.cell[i] * blocks[i] - (blocks[i] + 1) * shift[i]) for i in range(2)]
        self.left = pos[0] - size[0] * 0.5
        self.top = pos[1] - size[1] * 0.5
        self.right = self.left + size[0]
        self.bottom = self.top + size[1]
        self.block = block
        self.shift = shift
        kinds = [c.get("type") for c in root.find("gElements")]
        self.picture = [[kinds[r * self.cols + c] == "100" for c in range(self.cols)] for r in range(self.rows)]

    def centre(self, row, col):
        # Every block starts a gap of -shift further on (the level screen's own rule).
        x = self.left - self.shift[0] * (col // self.block[0] + 1) + self.cell[0] * (col + 0.5)
        y = self.top - self.shift[1] * (row // self.block[1] + 1) + self.cell[1] * (row + 0.5)
        return int(round(x)), int(round(y))


def arrow(direction, x, y):
    """The arrow with its tip at (x, y), coming from the other side."""
    hot = {"down": "HS_MD", "up": "HS_MU", "left": "HS_ML", "right": "HS_MR"}[direction]
    return E("sprite_arrow", children=[
        E("FILE", text=GUI + " tutorial_arrow_%s.png" % direction),
        E("HOT_SPOT", text=hot),
        E("POS", text="%d %d" % (x, y)),
        E("ANIMATION", [("grid", "%d 1" % FRAMES), ("frames", FRAMES), ("fps", ARROW_FPS), ("loop", "true")]),
    ])


def ring():
    return E("sprite_cells", children=[
        E("FILE", text=GUI + " tutorial_cell.png"),
        E("HOT_SPOT", text="HS_MID"),
        E("ANIMATION", [("grid", "%d 1" % FRAMES), ("frames", FRAMES), ("fps", 10), ("loop", "true")]),
    ])


def panel(key):
    """The card, its text (the key's lines, left-aligned and centred on the card's text band)
    and the skip button, widget 200."""
    cx, cy = PANEL_CENTRE
    left = cx - PANEL_W // 2 + TEXT_LEFT
    return E("GUI", children=[
        image(10, GUI + " tutorial_panel.png", "%d %d" % (cx, cy)),
        wlabel(11, key, FONT_TEXT, "%d %d" % (left, cy - 18), hot=3, color=INK),
        button(200, NEUTRAL_S, "tutorial_skip", "%d %d" % SKIP_CENTRE, color=INK),
    ])


def step(kind, key, cells=(), arrow_at=None, free=False, highlight=False, blocks=None):
    """A step of the kind with its text. free: nothing blocked; blocks: the five flags by name."""
    attrs = [("type", kind)]
    flags = dict.fromkeys(("blockelements", "blockhint", "blocktool", "blockstore", "blockreset"), not free)
    if blocks:
        flags.update(blocks)
    # Absent flags block: only the free ones are written.
    attrs += [(name, "false") for name, on in flags.items() if not on]
    children = [panel(key)]
    if cells:
        children.append(E("cells", children=[E("cell", text="%d %d" % rc) for rc in cells]))
    if highlight:
        children.append(ring())
    if arrow_at:
        children.append(arrow(*arrow_at))
    return E("step", attrs, children)


def left_of(control):
    x, y, half = control
    return ("right", x - half - 2, y)


def right_of_row(grid, row):
    return ("left", int(grid.right) + 4, grid.centre(row, 0)[1])


def below_column(grid, col):
    return ("up", grid.centre(0, col)[0], int(grid.bottom) + 4)


def heart():
    g = Grid(0)
    row = lambda r: [(r, c) for c in range(g.cols)]
    # The row clues stand 28 px left of the grid, running leftwards.
    clue_tip = ("right", int(g.left) - 44, g.centre(1, 0)[1])
    empty_left = [(4, 0), (4, 1)]
    assert not any(g.picture[r][c] for r, c in empty_left)
    assert all(g.picture[1]) and all(g.picture[2])
    return E("level", {"id": 0}, [
        step("ENDLESS", "tutorial_welcome", arrow_at=clue_tip),
        step("CELL", "tutorial_fill_row", row(1), right_of_row(g, 1), highlight=True),
        step("CELL", "tutorial_fill_row_again", row(2), right_of_row(g, 2), highlight=True),
        step("TOOL", "tutorial_tool", arrow_at=left_of(TOGGLE)),
        step("CELL_EMPTY", "tutorial_cross", empty_left, below_column(g, 0), highlight=True),
        step("CELL", "tutorial_on_your_own", free=True),
    ])


def house():
    g = Grid(1)
    top = (0, 2)
    assert g.picture[0][2] and sum(g.picture[0]) == 1
    return E("level", {"id": 1}, [
        # Every cell but the roof's top is blocked, so the hint can only open that one.
        step("HINT", "tutorial_hint", [top], left_of(HINT)),
        step("CELL", "tutorial_hint_landed", [top], right_of_row(g, 0), highlight=True),
        step("MAKERROR", "tutorial_errors", arrow_at=("right",) + ERROR_PANEL),
        step("USE_RESET_SELECTION", "tutorial_reset", arrow_at=left_of(RESET),
             blocks={"blockelements": False}),
        step("ENDLESS", "tutorial_finish_house", free=True),
    ])


def arrow_level():
    g = Grid(2)
    column = [(r, 2) for r in range(g.rows)]
    assert all(g.picture[r][2] for r in range(g.rows))
    # The bonus goes on the first open picture cell: the arrow's top, (0, 2).
    first = next((r, c) for r in range(g.rows) for c in range(g.cols) if g.picture[r][c])
    return E("level", {"id": 2}, [
        step("CLICK_BONUS", "tutorial_bonus", arrow_at=right_of_row(g, first[0]), highlight=True),
        step("CELL", "tutorial_column", column, below_column(g, 2), highlight=True),
        step("ENDLESS", "tutorial_goodbye", free=True),
    ])


def main():
    assert RING >= 48 and ARROW > 0
    write(OTHER + "/tutorial.xml", E("tutorial", children=[heart(), house(), arrow_level()]),
          "The scripted first levels of pack 0: made by tools/make_tutorial_data.py.")


if __name__ == "__main__":
    main()
