#!/usr/bin/python3
"""Draws the pictures of the players, options, credits and hub windows through the shared look
(tools/art/style.py), as the start-up screens draw theirs: paper dialogs of the sizes these
windows need, a red button for the delete question, the hub's bottom bar and the example
puzzle of the how-to-play page. Everything else these windows show comes from the picture kit.
Deterministic: the same script gives the same pixels.

The pictures go to Resources/data/share/image/screens/ (prefix "menu_")."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import icons  # noqa: E402
import style as S  # noqa: E402

ROOT = os.path.dirname(HERE)
SCREENS = os.path.join(ROOT, "Resources", "data", "share", "image", "screens")


def out(name, img):
    S.save(img, os.path.join(SCREENS, name))


def dialog(w, h):
    """The paper dialog of the title scene's questions, at another size."""
    return S.finish(S.panel(w, h, 22, S.PAPER, S.PAPER_SHADE, S.PAPER_RIM, rim_px=3, margin=10, shadow=0.55),
                    (w, h))


def hub_bar(w, h):
    """The hub's bottom bar: a deep navy band with rounded top corners, a light top edge and a
    thin gold thread, translucent enough to let the screen behind show a little."""
    with S.supersample(1):
        c = S.canvas(w, h)
        m = S.rrect(S.blank(w, h), (0, 10, w, h + 40), 28)
        c = S.drop_shadow(c, m, 0, -2, 6, S.NAVY_DEEP, 0.5)
        body = S.vgradient((w, h), [(0.0, S.rgba(S.NAVY_TOP, 235)), (1.0, S.rgba(S.NAVY_DEEP, 245))])
        c = S.paint(c, m, body)
        edge = S.subtract(m, S.shift(m, 0, 2))
        c = S.paint(c, edge, S.GOLD_DARK, 0.9)
        light = S.subtract(S.shift(m, 0, 2), S.shift(m, 0, 4))
        c = S.paint(c, S.intersect(light, m), S.WHITE, 0.18)
    return S.finish(c, (w, h))


# The example of the how-to-play page: a small cup, solved in part.
CUP = ["#####",
       "#####",
       "####.",
       ".###.",
       "#####"]
# What the example shows of each cell: "f" filled, "x" marked empty, "." still closed.
SHOWN = ["fffff",
         "fffff",
         "ffffx",
         "x....",
         "....."]


def example(size):
    """A 5 x 5 puzzle with its clues on paper: rows solved from the top, a row being dragged
    with the fill tool and the pointing hand at its end."""
    cell, ear = 40, 84
    w = h = size
    gx, gy = w - 5 * cell - 16, h - 5 * cell - 16
    c = S.canvas(w, h)
    board = S.rrect(S.blank(w, h), (4, 4, w - 4, h - 4), 18)
    c = S.drop_shadow(c, board, 0, 2, 4, S.NAVY_DEEP, 0.35)
    c = S.paint(c, board, S.PAPER_RIM)
    c = S.paint(c, S.shrink(board, 2), S.vgradient(c.size, [(0.0, S.WHITE), (1.0, S.PAPER)]))
    # Clue panels.
    cols = ["".join(CUP[r][k] for r in range(5)) for k in range(5)]
    top = S.rrect(S.blank(w, h), (gx, gy - ear + 6, gx + 5 * cell, gy - 4), 8)
    left = S.rrect(S.blank(w, h), (gx - ear + 6, gy, gx - 4, gy + 5 * cell), 8)
    c = S.paint(c, S.union(top, left), S.PAPER_SHADE)
    for k, col in enumerate(cols):
        nums = S.clue_runs(col)
        for i, n in enumerate(reversed(nums)):
            m = S.text_mask(S.blank(w, h), str(n), gx + k * cell + cell / 2, gy - 22 - i * 26, 20)
            c = S.paint(c, m, S.INK)
    for r, row in enumerate(CUP):
        nums = S.clue_runs(row)
        solved = SHOWN[r].count("f") == row.count("#") and "." not in SHOWN[r]
        for i, n in enumerate(reversed(nums)):
            m = S.text_mask(S.blank(w, h), str(n), gx - 22 - i * 26, gy + r * cell + cell / 2, 20)
            c = S.paint(c, m, S.GREY if solved else S.INK)
    # Cells.
    for r in range(5):
        for k in range(5):
            x0, y0 = gx + k * cell, gy + r * cell
            box = (x0 + 2, y0 + 2, x0 + cell - 2, y0 + cell - 2)
            shown = SHOWN[r][k]
            m = S.rrect(S.blank(w, h), box, 5)
            if shown == "f":
                c = S.paint(c, m, S.vgradient(c.size, [(0.0, S.TEAL_LIGHT), (0.4, S.TEAL), (1.0, S.TEAL_DARK)]))
            else:
                c = S.paint(c, m, S.WHITE)
                c = S.paint(c, S.subtract(m, S.shrink(m, 1.5)), S.GREY_LIGHT)
            if shown == "x":
                x = icons.mask("cross", w, h, x0 + 9, y0 + 9, cell - 18)
                c = S.paint(c, x, S.INK_SOFT)
    # The drag along the fourth row, from its second cell to its fourth.
    r = 3
    drag = S.rrect(S.blank(w, h), (gx + cell + 3, gy + r * cell + 3, gx + 4 * cell - 3, gy + (r + 1) * cell - 3), 8)
    c = S.paint(c, drag, S.GOLD, 0.35)
    c = S.paint(c, S.subtract(drag, S.shrink(drag, 3)), S.GOLD_DARK)
    # Block lines every five cells are the frame itself; a thin ink frame round the grid.
    frame = S.rrect(S.blank(w, h), (gx - 1, gy - 1, gx + 5 * cell + 1, gy + 5 * cell + 1), 4)
    c = S.paint(c, S.subtract(frame, S.shrink(frame, 2)), S.INK_SOFT)
    # The pointing hand at the end of the drag.
    hand = S.blank(w, h)
    hx, hy = gx + 3 * cell + 20, gy + r * cell + 22
    S.rrect(hand, (hx - 5, hy, hx + 5, hy + 26), 5)
    S.rrect(hand, (hx - 7, hy + 14, hx + 21, hy + 42), 9)
    c = S.drop_shadow(c, hand, 1, 2, 2, S.NAVY_DEEP, 0.4)
    c = S.paint(c, hand, S.INK)
    c = S.paint(c, S.shrink(hand, 2.5), S.CREAM)
    return S.finish(c, (w, h))


def main():
    S.save_nine(dialog(780, 460), SCREENS, "menu_players_dialog")
    S.save_nine(dialog(660, 560), SCREENS, "menu_options_dialog")
    out("menu_credits_dialog.png", dialog(600, 460))
    out("menu_training_panel.png", dialog(900, 500))
    out("menu_button_small_red.png", S.button_strip(180, 64, S.RED))
    S.save_nine(hub_bar(1024, 118), SCREENS, "menu_hub_bar")
    out("menu_training_example.png", example(320))


if __name__ == "__main__":
    main()
