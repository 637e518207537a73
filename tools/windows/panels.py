"""The hub's counters (hearts with their refill countdown, currency, stars), the note a click
on the hearts shows, and the pop-up that announces a new trophy.

The counters sit in the top corners, clear of the title ribbons of the lists in the middle."""
from wlib import *

FONT_HUD = (FONT + " hud.xml", FONT + " hud.png")


def pill(ident, texture, pos, clickable=False):
    return E("IMAGE", [("ID", ident), ("TEXTURE", texture), ("HOT_SPOT", "HS_MID"),
                       ("ENABLE", "true" if clickable else "false")], [E("POSITION", text=pos)])


def counter(name, icon, label_id, position):
    return window(name, "GG_WINDOW_SUNIME", 30, [
        image(10, GUI + " hud_pill.png", "0 0"),
        image(11, GUI + " %s.png" % icon, "-62 -2"),
        wlabel(label_id, "hud_none", FONT_HUD, "-40 -2", hot=3, color=CREAM),
    ], [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_typePos", "POS_IN_PIX"),
        ("_position", position), ("_timeShow", "0.3")])


def windows():
    # A click anywhere on the hearts (the pill takes it) shows the note below them.
    write(WINDOWS + "/Heart.xml", window(
        "Heart", "GG_WINDOW_HEALTH", 30, [
            pill(10, GUI + " hud_pill_wide.png", "0 0", clickable=True),
            image(11, GUI + " icon_heart_32.png", "-102 -2"),
            wlabel(1, "hud_none", FONT_HUD, "-80 -2", hot=3, color=CREAM),
            image(12, GUI + " icon_clock_32.png", "8 -2"),
            wlabel(2, "label_hearts_full", FONT_TEXT, "30 -2", hot=3, color=CREAM),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_typePos", "POS_IN_PIX"),
         ("_position", "150 44"), ("_timeShow", "0.3")]))
    write(WINDOWS + "/Sumie.xml", counter("Sumie", "icon_coin_32", 2, "924 44"))
    write(WINDOWS + "/Stars.xml", counter("Stars", "icon_star_32", 1, "924 104"))
    # Shown, then hidden as soon as it is fully shown: the hide waits long enough to read it.
    write(WINDOWS + "/FeedBack_Heart.xml", window(
        "FeedBack_Heart", "G_WINDOW_SIMPLE", 45, [
            image(10, SCREENS + " win_bubble_up.png", "0 0"),
            wlabel(11, "feedback_heart_text", FONT_TEXT, "0 7"),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_typePos", "POS_IN_PIX"),
         ("_position", "250 138"), ("_timeShow", "0.25"), ("_delayHide", "2.5")]))
    dim = dim_background()
    write(WINDOWS + "/Trophy_Get.xml", window(
        "Trophy_Get", "GG_WINDOW_TROPHY_GET", 150, [
            image(10, GUI + " dialog_m.png", "0 16"),
            image(11, GUI + " ribbon.png", "0 -198"),
            wlabel(12, "trophy_get_title", FONT_TITLE, "0 -205", color=CREAM),
            image(13, SCREENS + " win_trophy_burst.png", "0 -92"),
            image(2, GUI + " trophy_first_win_open.png", "0 -92"),
            image(14, GUI + " hud_pill.png", "0 102"),
            image(15, GUI + " icon_coin_32.png", "-62 100"),
            wlabel(3, "trophy_reward", FONT_HUD, "-40 100", hot=3, color=CREAM),
            button(1, GUI + " btn_primary_m.png", "button_great", "0 170"),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.4")],
        [E("settings", children=[
            E("fontTitle", {"fntName": FONT_NAME_BIG, "fntColor": INK, "fntHotSpot": "HS_MID", "shift": "0 6"}),
            E("fontDescription", {"fntName": FONT_NAME_MED, "fntColor": "0xFF5C5F7D", "fntHotSpot": "HS_MID",
                                  "shift": "0 52"}),
         ]), sounds(1)],
        background=dim))
    return ["Heart", "Sumie", "Stars", "FeedBack_Heart", "Trophy_Get"]
