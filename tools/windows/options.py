"""The options window (volumes, the game's cursor, full screen; help and credits) and the
credits it opens."""
from wlib import *
from players import SHOW, FONT_SMALL, ribbon

INK_SOFT = "0xFF5C5F7D"


def row_label(ident, key, y):
    # Left-aligned, vertically centred on the control of its row.
    return wlabel(ident, key, FONT_TEXT, "-250 %d" % y, hot=3)


def windows():
    names = ["Options", "Credits"]
    dim = dim_background()
    slider = lambda ident, y: E("SIMPLESLIDER", [("ID", ident), ("PROGRESS", GUI + " slider_track.png"),
                                                 ("RUNNER", GUI + " slider_runner.png")],
                                [E("POSITION", text="130 %d" % y)])
    write(WINDOWS + "/Options.xml", window(
        "Options", "GG_WINDOW_OPTIONS", 60, [
            panel(20, SCREENS + " menu_options_dialog", "660 560"),
            *ribbon(21, "options_title", -252),
            row_label(23, "options_label_music", -160),
            slider(10, -160),
            row_label(24, "options_label_sounds", -98),
            slider(9, -98),
            row_label(25, "options_label_cursor", -36),
            E("CHECKBOX_IOS", [("ID", 8), ("TX_PANEL", GUI + " switch_panel.png"), ("TX_BTN", GUI + " switch_knob.png")],
              [E("POSITION", text="234 -36")]),
            row_label(11, "options_label_full_screen", 26),
            E("CHECKBOX", [("ID", 7), ("TEXTURE", GUI + " checkbox.png")], [E("POSITION", text="266 26")]),
            button(5, GUI + " btn_secondary_m.png", "options_button_help", "-120 112"),
            button(6, GUI + " btn_secondary_m.png", "options_button_credits", "120 112"),
            button(3, GUI + " btn_primary_m.png", "button_ok", "-120 196"),
            button(4, GUI + " btn_neutral_m.png", "button_cancel", "120 196", color=INK),
        ], SHOW, [E("sounds", children=[E("item", {"id": i, "sound": "click" if i < 7 else "switch"})
                                         for i in (3, 4, 5, 6, 7, 8)])], background=dim))
    # The credits: who made the game, then the fonts, libraries and tools with their licences.
    rows = [("credits_line_1", FONT_TEXT, INK, -218), ("credits_line_2", FONT_SMALL, INK_SOFT, -186),
            ("credits_line_3", FONT_SMALL, INK_SOFT, -164),
            ("credits_fonts_title", FONT_TEXT, INK, -124), ("credits_fonts_1", FONT_SMALL, INK_SOFT, -98),
            ("credits_libraries_title", FONT_TEXT, INK, -62), ("credits_libraries_1", FONT_SMALL, INK_SOFT, -36),
            ("credits_libraries_2", FONT_SMALL, INK_SOFT, -14), ("credits_libraries_3", FONT_SMALL, INK_SOFT, 8),
            ("credits_tools_title", FONT_TEXT, INK, 44), ("credits_tools_1", FONT_SMALL, INK_SOFT, 70),
            ("credits_tools_2", FONT_SMALL, INK_SOFT, 92), ("credits_tools_3", FONT_SMALL, INK_SOFT, 114),
            ("credits_thanks", FONT_TEXT, INK, 156)]
    write(WINDOWS + "/Credits.xml", window(
        "Credits", "G_WINDOW_SIMPLE", 70, [
            image(10, GUI + " dialog_l.png", "0 0"),
            *ribbon(11, "credits_title", -283),
            *[wlabel(20 + i, key, font, "0 %d" % y, color=color) for i, (key, font, color, y) in enumerate(rows)],
            button(1, GUI + " btn_primary_m.png", "credits_button_close", "0 226"),
        ], SHOW, [sounds(1)], background=dim))
    return names
