"""The title scene: the fade between scenes, the title and its greeting, the exit question and
the name box."""
from wlib import *


def windows():
    names = ["Fade_Transition", "Title", "Title_Top", "Confirm_Exit", "Players_EditBox"]
    coral = SCREENS + " win_button_coral.png"
    teal = SCREENS + " win_button_teal.png"
    write(WINDOWS + "/Fade_Transition.xml", window(
        "Fade_Transition", "G_WINDOW_SIMPLE", 200, [],
        [("_typeOpen", "SH_FADE"), ("_typeClose", "SH_FADE"), ("_timeShow", "0.35")],
        background=E("background", {"START_COLOR": "0 20 24 48", "END_COLOR": "255 20 24 48", "SIZE": "1024 768"},
                     text=SCREENS + " win_fade.png")))
    write(WINDOWS + "/Title.xml", window(
        "Title", "GG_WINDOW_TITLE", 1, [
            image(10, SCREENS + " win_title_logo.png", "0 -150"),
            button(1, coral, "button_play", "0 30"),
            button(2, teal, "button_options", "0 118"),
            button(3, teal, "button_exit", "0 206"),
        ],
        [("_typeOpen", "SH_MOVE_UP"), ("_typeClose", "SH_MOVE_DOWN"), ("_timeShow", "0.45")],
        [sounds(1, 2, 3)],
        background=E("background", {"START_COLOR": "255 255 255 255", "END_COLOR": "255 255 255 255",
                                    "SIZE": "1024 768"}, text=SCREENS + " win_title_back.png")))
    write(WINDOWS + "/Title_Top.xml", window(
        "Title_Top", "GG_WINDOW_TITLE_TOP", 2, [panel(1, SCREENS + " win_greeting", "460 96")],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_typePos", "POS_IN_PIX"),
         ("_position", "512 58"), ("_timeShow", "0.45")],
        [E("SETTINGS", {"text_color_highlight": "0xFFE4572E", "shift": "0 -22"}, [
            E("font_med", {"fntName": FONT_NAME_MED, "fntColor": "0xFF2A9D8F", "fntHotSpot": "HS_MID"}),
            E("font_big", {"fntName": FONT_NAME_BIG, "fntColor": INK, "fntHotSpot": "HS_MID"}),
        ]), sounds(2)]))
    dim = dim_background()
    write(WINDOWS + "/Confirm_Exit.xml", window(
        "Confirm_Exit", "G_WINDOW_CONFIRM", 50, [
            panel(10, SCREENS + " win_dialog", "520 280"),
            wlabel(2, "confirm_exit_question", FONT_TITLE, "0 -50"),
            button(3, SCREENS + " win_button_small_coral.png", "button_yes", "-110 60"),
            button(4, SCREENS + " win_button_small_teal.png", "button_no", "110 60"),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.3")],
        [sounds(3, 4)], background=dim))
    write(WINDOWS + "/Players_EditBox.xml", window(
        "Players_EditBox", "G_WINDOW_EDITBOX", 50, [
            panel(10, SCREENS + " win_dialog", "520 280"),
            wlabel(11, "label_enter_name", FONT_TITLE, "0 -70"),
            E("LINEBOX", [("ID", 2), ("TEXTURE", SCREENS + " win_name_field.png"), ("FONT", FONT_TEXT[0]),
                          ("FONT_TEXTURE", FONT_TEXT[1]), ("MAXLEN", 15), ("FONT_COLOR", "255 43 45 66"),
                          ("ALIGNMENT", "CENTER")],
              [E("POSITION", text="0 -8"), E("INPUT_AREA", text="16 6 16 6")]),
            wlabel(5, "label_name_taken", FONT_TEXT, "0 28", color=RED, visible=False),
            button(3, SCREENS + " win_button_small_coral.png", "button_ok", "-110 72"),
            button(4, SCREENS + " win_button_small_teal.png", "button_cancel", "110 72"),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.3")],
        [E("SETTINGS", {"text_color": "0xFF2B2D42", "text_color_error": RED}), sounds(3, 4)], background=dim))
    return names
