"""The hub around the pack, level and trophy lists: its backdrop, the bottom bar of buttons
(back, packs, trophies, how to play, shop, options) and the how-to-play page."""
from wlib import *
from players import FONT_SMALL, ribbon

INK_SOFT = "0xFF5C5F7D"
# The content windows of the hub fill the screen between the top panels and this bar.
BAR_Y = 709


def round_button(ident, icon, key, x):
    """A round icon button of the kit with its caption under it."""
    return E("BUTTON5", [("ID", ident), ("TEXTURE", GUI + " btn_round_%s.png" % icon)], [
        E("POSITION", text="%d -10" % x),
        E("CONTEXT", children=[wlabel(100 + ident, key, FONT_SMALL, "0 42", color=CREAM)]),
    ])


def windows():
    names = ["Back", "Packs_Menu", "Training"]
    write(WINDOWS + "/Back.xml", window(
        "Back", "G_WINDOW_SIMPLE", 0, [],
        [("_typeOpen", "SH_FADE"), ("_typeClose", "SH_FADE"), ("_timeShow", "0.3")],
        background=E("background", {"START_COLOR": "0 255 255 255", "END_COLOR": "255 255 255 255",
                                    "SIZE": "1024 768"}, text="data/share/image/screens bg_menu.png")))
    write(WINDOWS + "/Packs_Menu.xml", window(
        "Packs_Menu", "GG_WINDOW_PACK_MENU", 10, [
            panel(20, SCREENS + " menu_hub_bar", "1024 118"),
            round_button(5, "back", "hub_button_back", -440),
            round_button(2, "levels", "hub_button_packs", -10),
            round_button(3, "trophy", "hub_button_trophies", 105),
            round_button(8, "help", "hub_button_training", 220),
            round_button(6, "store", "hub_button_shop", 335),
            round_button(4, "options", "hub_button_options", 450),
        ],
        [("_typeOpen", "SH_MOVE_UP"), ("_typeClose", "SH_MOVE_DOWN"), ("_typePos", "POS_IN_PIX"),
         ("_position", "512 %d" % BAR_Y), ("_timeShow", "0.35")],
        [sounds(2, 3, 4, 5, 6, 8)]))
    rules = []
    for k in range(5):
        y = -188 + k * 84
        rules.append(wlabel(30 + 3 * k, "training_rule_%d" % (k + 1), FONT_TEXT, "-110 %d" % y, hot=3))
        rules.append(wlabel(31 + 3 * k, "training_rule_%d_a" % (k + 1), FONT_SMALL, "-110 %d" % (y + 26), hot=3,
                            color=INK_SOFT))
        rules.append(wlabel(32 + 3 * k, "training_rule_%d_b" % (k + 1), FONT_SMALL, "-110 %d" % (y + 46), hot=3,
                            color=INK_SOFT))
    write(WINDOWS + "/Training.xml", window(
        "Training", "G_WINDOW_SIMPLE", 5, [
            image(20, SCREENS + " menu_training_panel.png", "0 0"),
            *ribbon(21, "training_title", -278),
            image(23, SCREENS + " menu_training_example.png", "-270 10"),
            *rules,
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_typePos", "POS_IN_PIX"),
         ("_position", "512 400"), ("_timeShow", "0.35")]))
    return names
