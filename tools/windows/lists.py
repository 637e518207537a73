"""The list screens between the title and a level: the pack list, the level list and the trophy
list with their title ribbons, their list files, and the questions they ask (buying a pack, no
sunime, no hearts, closed packs).

The lists fill the middle of the hub, y 80-660: a ribbon near the top, the tiles around y 400 and
the page dots below them. The hub's own panels and buttons keep to the top and bottom edges."""
from wlib import *

PACKS_IMG = "data/share/image/packs"
FONT_SMALL = (FONT + " small.xml", FONT + " small.png")
FONT_NAME_BUTTON = "button"
FONT_NAME_SMALL = "small"
FONT_NAME_TEXT = "text"
CORAL_DARK = "0xFFB5452F"

# (trophy name, medal) in the order the trophy list shows them: packs first, then play, stars
# and sunime, the trophy for all of them last.
TROPHIES = [
    ("tr_pack_1", "explorer"), ("tr_pack_2", "big_grid"), ("tr_pack_3", "pack_done"), ("tr_pack_4", "all_packs"),
    ("tr_stars_1", "first_win"), ("tr_stars_2", "streak"), ("tr_stars_3", "perfect"),
    ("tr_without_error", "no_errors"), ("pc_tr_without_hint", "no_hints"), ("pc_tr_hint_use", "hint_use"),
    ("tr_bronze_coin", "coins_bronze"), ("tr_silver_coin", "coins_silver"), ("tr_gold_coin", "coins"),
    ("tr_all_trophy", "champion"),
]

LEVELS_PER_PACK = 16


def medal(trophy, earned):
    """The medal picture of a trophy, for trophies.xml."""
    key = dict(TROPHIES)[trophy]
    return GUI + " trophy_%s_%s.png" % (key, "open" if earned else "closed")


def ribbon_window(name, key):
    """A title ribbon that drops in above a list."""
    return window(name, "G_WINDOW_SIMPLE", 11, [
        image(10, GUI + " ribbon.png", "0 0"),
        wlabel(11, key, FONT_TITLE, "0 -8", color=CREAM),
    ], [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_typePos", "POS_IN_PIX"),
        ("_position", "512 122"), ("_timeShow", "0.35")])


def arrows(y=0, dx=448, cx=0):
    return [
        E("BUTTON5", [("ID", 1), ("TEXTURE", GUI + " btn_page_left.png")],
          [E("POSITION", text="%d %d" % (cx - dx, y))]),
        E("BUTTON5", [("ID", 2), ("TEXTURE", GUI + " btn_page_right.png")],
          [E("POSITION", text="%d %d" % (cx + dx, y))]),
    ]


def page_sounds():
    return E("sounds", children=[E("item", {"id": i, "sound": "page"}) for i in (1, 2)])


def list_window(name, kind, list_file, dots_y, gui, position="512 400", dots_x=0):
    return window(name, kind, 10, gui, [
        ("_typeOpen", "SH_MOVE_UP"), ("_typeClose", "SH_MOVE_DOWN"), ("_typePos", "POS_IN_PIX"),
        ("_position", position), ("_timeShow", "0.35"),
    ], [
        E("gPages", {"file": WINDOWS + " " + list_file}),
        E("settings", {"page_number": GUI + " page_dots.png", "pos": "%d %d" % (dots_x, dots_y)}),
        page_sounds(),
    ])


def pages(attrs, items):
    return E("pages", [("cols", attrs[0]), ("rows", attrs[1]), ("interval_x", attrs[2]), ("interval_y", attrs[3]),
                       ("turn_type", "SLIDE_HORIZONTAL"), ("turn_time", "0.4"), ("turn_offset", "1024 0")], items)


# ------------------------------------------------------------------ levels

def level_list():
    tiles = []
    for n in range(LEVELS_PER_PACK):
        tiles.append(E("tile", [("background", GUI + " tile_level.png"), ("text_shift_x", 0), ("text_shift_y", -14)], [
            E("font", {"fntName": FONT_NAME_BIG, "fntColor": INK, "fntHotSpot": "HS_MID"}),
            E("star", {"picture": GUI + " star_small.png", "shift_x": -26, "shift_y": 34}),
        ]))
    write(WINDOWS + "/list_levels.xml", pages((4, 2, 48, 40), tiles),
          "The level tiles, one per level of a pack, in level order.")
    write(WINDOWS + "/Levels.xml", list_window("Levels", "GG_WINDOW_LEVEL", "list_levels.xml", 196, arrows()))
    write(WINDOWS + "/Level_Title.xml", ribbon_window("Level_Title", "title_levels"))


# ------------------------------------------------------------------ packs

def pack_entry(n):
    """A pack card: its picture and title, the stars earned while open, the stars that open it
    while closed (over the lock veil), and the gold frame of the pack to play next."""
    star = GUI + " icon_star_32.png"
    return E("pack", {"size": "240 300"}, [E("GUI", children=[
        image(10, GUI + " tile_pack.png", "0 0"),
        image(11, PACKS_IMG + " pack%d_tile.png" % n, "0 -56"),
        image(1, GUI + " tile_pack_next.png", "0 0"),
        E("IMAGE", [("ID", 4), ("TEXTURE", star), ("HOT_SPOT", "HS_MID"), ("ENABLE", "false")], [
            E("POSITION", text="-38 92"),
            E("CONTEXT", children=[wlabel(5, "label_pack_none", FONT_BUTTON, "22 -1", hot=3)]),
        ]),
        E("IMAGE", [("ID", 2), ("TEXTURE", GUI + " tile_pack_lock.png"), ("HOT_SPOT", "HS_MID"), ("ENABLE", "false")], [
            E("POSITION", text="0 0"),
            E("CONTEXT", children=[
                image(13, star, "-30 86"),
                wlabel(3, "label_pack_none", FONT_BUTTON, "-8 85", hot=3, color=CREAM),
                wlabel(14, "label_pack_stars_to_open", FONT_SMALL, "0 116", color=CREAM),
            ]),
        ]),
        wlabel(12, "pack_title_%d" % n, FONT_TEXT, "0 44"),
    ])])


def pack_list():
    write(WINDOWS + "/list_packs.xml", pages((4, 1, 8, 0), [pack_entry(n) for n in range(PACKS)]),
          "One card per pack, in pack id order.")
    write(WINDOWS + "/Packs.xml", list_window("Packs", "GG_WINDOW_PACK", "list_packs.xml", 186, arrows()))
    write(WINDOWS + "/Pack_Title.xml", ribbon_window("Pack_Title", "title_packs"))


# ------------------------------------------------------------------ trophies

def trophy_list():
    entries = []
    for name, _ in TROPHIES:
        entries.append(E("trophy", {"name_tr": name}, [
            sprite("sunime", GUI + " icon_coin_24.png", pos="86 34"),
            E("fontTitle", {"fntName": FONT_NAME_BUTTON, "fntColor": INK, "fntHotSpot": "HS_ML", "shift": "76 -30"}),
            E("fontDescr", {"fntName": FONT_NAME_SMALL, "fntColor": "0xFF5C5F7D", "fntHotSpot": "HS_ML",
                            "shift": "76 2"}),
            E("fontSunime", {"fntName": FONT_NAME_TEXT, "fntColor": CORAL_DARK, "fntHotSpot": "HS_ML",
                             "shift": "104 33"}),
        ]))
    write(WINDOWS + "/list_trophies.xml", pages((2, 3, 303, 0), entries),
          "Every trophy of trophies.xml; the entries take the size of their medals.")
    # The medals sit left of their texts, so the list's middle lies left of the screen's: the
    # window stands 137 px left of the middle, its panel, dots and arrows 137 px right of it.
    paper = panel(10, GUI + " panel_paper", "880 420", "137 0")
    # The small arrows beside the dots, between the panel and the hub's bar.
    small = [E("BUTTON5", [("ID", i), ("TEXTURE", GUI + " btn_small_%s.png" % side)],
               [E("POSITION", text="%d 244" % (137 + dx))]) for i, side, dx in ((1, "left", -70), (2, "right", 70))]
    write(WINDOWS + "/Trophy.xml", list_window("Trophy", "GG_WINDOW_TROPHY", "list_trophies.xml", 244,
                                               [paper] + small, position="375 384", dots_x=137))
    write(WINDOWS + "/Trophy_Title.xml", ribbon_window("Trophy_Title", "title_trophies"))


# ------------------------------------------------------------------ questions

def question(name, lines, buttons):
    """A question on the title scene's dialog: a heading, one or two lines of text (label 2 is the
    one that may take the "%s"), and buttons 3 (yes), 4 (no) and 5 (cancel)."""
    dim = dim_background()
    gui = [panel(10, SCREENS + " win_dialog", "520 280")]
    for ident, key, font, y in lines:
        gui.append(wlabel(ident, key, font, "0 %d" % y))
    textures = {"coral": SCREENS + " win_button_small_coral.png", "teal": SCREENS + " win_button_small_teal.png"}
    xs = {1: [0], 2: [-110, 110]}[len(buttons)]
    for (ident, colour, key), x in zip(buttons, xs):
        gui.append(button(ident, textures[colour], key, "%d 72" % x))
    return window(name, "G_WINDOW_CONFIRM", 50, gui,
                  [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"),
                   ("_timeShow", "0.3")],
                  [E("sounds", children=[E("item", {"id": i, "sound": "click"}) for i, _, _ in buttons])],
                  background=dim)


def questions():
    specs = {
        "Confirm_Buy_Pack": ([(11, "confirm_buy_pack_title", FONT_TITLE, -76),
                              (12, "confirm_buy_pack_stars", FONT_TEXT, -24),
                              (2, "confirm_buy_pack_price", FONT_TEXT, 6)],
                             [(3, "coral", "button_buy"), (4, "teal", "button_not_now")]),
        "Confirm_NoMoney": ([(11, "confirm_no_money_title", FONT_TITLE, -66),
                             (2, "confirm_no_money_text", FONT_TEXT, -8)],
                            [(3, "coral", "button_ok")]),
        "Confirm_NoHealth": ([(11, "confirm_no_health_title", FONT_TITLE, -76),
                              (12, "confirm_no_health_wait", FONT_TEXT, -24),
                              (2, "confirm_no_health_shop", FONT_TEXT, 6)],
                             [(3, "coral", "button_shop"), (4, "teal", "button_not_now")]),
        "Confirm_PackLock": ([(11, "confirm_pack_lock_title", FONT_TITLE, -66),
                              (2, "confirm_pack_lock_text", FONT_TEXT, -8)],
                             [(3, "coral", "button_ok")]),
        "Confirm_PackLockNeedBuy": ([(11, "confirm_pack_buy_title", FONT_TITLE, -66),
                                     (2, "confirm_pack_buy_text", FONT_TEXT, -8)],
                                    [(3, "coral", "button_buy"), (4, "teal", "button_restore")]),
    }
    for name, (lines, buttons) in specs.items():
        write(WINDOWS + "/%s.xml" % name, question(name, lines, buttons))
    return list(specs)


def windows():
    pack_list()
    level_list()
    trophy_list()
    return ["Pack_Title", "Packs", "Level_Title", "Levels", "Trophy_Title", "Trophy"] + questions()
