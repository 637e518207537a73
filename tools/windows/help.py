"""The help window: pages on the rules and the controls of a nonogram, turned by two arrows
with page dots below. Each page is a title, a picture (tools/make_shop_art.py) and a text;
the page layouts are translated when they are built."""
from wlib import *

# (picture, strings key stem), in reading order.
PAGES = [
    ("goal", "help_goal"),
    ("clues", "help_clues"),
    ("fill_cross", "help_fill_cross"),
    ("toggle", "help_toggle"),
    ("reset", "help_reset"),
    ("mistakes", "help_mistakes"),
    ("hints", "help_hints"),
    ("stars", "help_stars"),
    ("pause", "help_pause"),
]
PAGE_W, PAGE_H = 740, 420


def page(picture, key):
    return E("page", {"size": "%d %d" % (PAGE_W, PAGE_H)}, [E("GUI", children=[
        wlabel(1, key + "_title", FONT_BUTTON, "0 -186"),
        image(2, SCREENS + " help_%s.png" % picture, "0 -72"),
        wlabel(3, key + "_text", FONT_TEXT, "-320 112", hot=3),
    ])])


def windows():
    # The window never ticks its list, so pages must turn at once.
    write(WINDOWS + "/help_pages.xml", E("help", [("cols", 1), ("rows", 1), ("turn_type", "MOMENTAL")],
                                         [page(p, k) for p, k in PAGES]),
          "The help pages, in reading order.")
    dim = dim_background()
    write(WINDOWS + "/Help.xml", window(
        "Help", "GG_WINDOW_HELP", 85, [
            image(10, GUI + " dialog_l.png", "0 0"),
            image(11, GUI + " ribbon.png", "0 -283"),
            wlabel(12, "help_title", FONT_TITLE, "0 -290", color=CREAM),
            E("BUTTON5", [("ID", 2), ("TEXTURE", GUI + " btn_round_close.png")], [E("POSITION", text="372 -250")]),
            E("BUTTON5", [("ID", 3), ("TEXTURE", GUI + " btn_small_left.png")], [E("POSITION", text="-170 246")]),
            E("BUTTON5", [("ID", 4), ("TEXTURE", GUI + " btn_small_right.png")], [E("POSITION", text="170 246")]),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.35")],
        [E("gPages", {"file": WINDOWS + " help_pages.xml", "pos_x": "0", "pos_y": "-20"}),
         E("IOS_PAGE_NUMBER", {"file": GUI + " page_dots.png"},
           [E("TRANSFORM", text="0 246 0 0 0 0 0 0 0 1 1 1")]),
         E("sounds", children=[E("item", {"id": 2, "sound": "window_close"}), E("item", {"id": 3, "sound": "page"}),
                               E("item", {"id": 4, "sound": "page"})])],
        background=dim))
    return ["Help"]
