"""The players window over the title scene: the list of profiles with new, delete and choose,
and the question before a profile is deleted, which names the player."""
from wlib import *

SHOW = [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.3")]
FONT_SMALL = (FONT + " small.xml", FONT + " small.png")


def ribbon(ident, key, y):
    """The coral title ribbon with its caption (the band's middle lies 7 px above the picture's)."""
    return [image(ident, GUI + " ribbon.png", "0 %d" % y),
            wlabel(ident + 1, key, FONT_TITLE, "0 %d" % (y - 7), color=CREAM)]


def windows():
    names = ["Players", "Players_Confirm_Del"]
    dim = dim_background()
    write(WINDOWS + "/Players.xml", window(
        "Players", "GG_WINDOW_PLAYERS", 40, [
            panel(10, SCREENS + " menu_players_dialog", "780 460"),
            *ribbon(11, "players_title", -212),
            wlabel(13, "players_hint", FONT_SMALL, "-150 -136", color="0xFF5C5F7D"),
            E("LISTBOX", [("ID", 4), ("LIST_TEXTURE", GUI + " listbox_highlight.png"),
                          ("PANEL_TEXTURE", GUI + " listbox_panel.png"), ("SLIDER12_TEXTURE", GUI + " slider12.png"),
                          ("FONT", FONT_TEXT[0]), ("FONT_TEXTURE", FONT_TEXT[1]), ("FONT_COLOR", "255 43 45 66"),
                          ("ROW_TEXTURE", GUI + " listbox_row.png"), ("DRAW_COUNT", 6), ("MAX_ROW", 6),
                          ("LEFT_MARGIN", 10)],
              [E("POSITION", text="-150 30")]),
            button(5, GUI + " btn_secondary_m.png", "players_button_new", "235 -78"),
            button(6, GUI + " btn_danger_m.png", "players_button_delete", "235 2"),
            button(8, GUI + " btn_primary_m.png", "players_button_choose", "235 138"),
        ], SHOW, [sounds(5, 6, 8)], background=dim))
    write(WINDOWS + "/Players_Confirm_Del.xml", window(
        "Players_Confirm_Del", "GG_WINDOW_CONFIRM_EX", 50, [
            panel(10, SCREENS + " win_dialog", "520 280"),
            wlabel(2, "players_confirm_delete", FONT_TITLE, "0 -72"),
            button(3, SCREENS + " menu_button_small_red.png", "players_button_delete", "-110 72"),
            button(4, SCREENS + " win_button_small_teal.png", "button_cancel", "110 72"),
        ], SHOW,
        # The name in the button font: fifteen of the widest letter still fit the dialog.
        [E("SETTINGS", {"font_extra_text": "button", "font_extra_color": "0xFFCE4E38"}), sounds(3, 4)],
        background=dim))
    return names
