"""The windows over a running level: the pause menu, the result of a won level, the questions
the level screen and its menu ask (restart, leave, second chance, no hearts) and the short
note of the reset area."""
from wlib import *

FONT_SMALL = (FONT + " small.xml", FONT + " small.png")
FONT_HUD = (FONT + " hud.xml", FONT + " hud.png")
INK_SOFT = "0xFF5C5F7D"

PRIMARY_L = GUI + " btn_primary_l.png"
PRIMARY_M = GUI + " btn_primary_m.png"
SECONDARY_M = GUI + " btn_secondary_m.png"
NEUTRAL_M = GUI + " btn_neutral_m.png"
PRIMARY_S = GUI + " btn_primary_s.png"
SECONDARY_S = GUI + " btn_secondary_s.png"
NEUTRAL_S = GUI + " btn_neutral_s.png"

# Hot spots of labels: 3 middle left, 4 middle, 5 middle right.
LEFT, MIDDLE, RIGHT = 3, 4, 5

# The second-chance questions end in an in-app purchase. The edition has no in-app purchases,
# so on this platform the purchase always fails and the player would be asked again and again;
# their files are made (an edition with a store can list them) but the scenes leave them out,
# and a lost level asks to restart instead.
OFFER_SECOND_CHANCE = False


def neutral(ident, key, pos, texture=NEUTRAL_M):
    return button(ident, texture, key, pos, color=INK)


def modal(name, kind, layer, gui, sound_ids, children=(), show="0.3"):
    return window(name, kind, layer, gui,
                  [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"),
                   ("_timeShow", show)],
                  list(children) + [sounds(*sound_ids)], background=dim_background(GUI + " fade.png"))


def question(name, headline, detail, answers, icon=None):
    """A confirm window: widget 2 the question, 3 yes, 4 no, 5 cancel; a detail line below it.
    answers: (id, texture, key, ink text) from left to right."""
    gui = [image(10, GUI + " dialog_wide.png", "0 0"),
           wlabel(2, headline, FONT_TITLE, "0 -82")]
    if icon:
        gui.append(image(12, GUI + " " + icon, "0 -24"))
        gui.append(wlabel(11, detail, FONT_TEXT, "0 24", color=INK_SOFT))
    else:
        gui.append(wlabel(11, detail, FONT_TEXT, "0 -22", color=INK_SOFT))
    spacing = 232 if len(answers) == 3 else 260
    first = -spacing * (len(answers) - 1) / 2
    for i, (ident, texture, key, ink) in enumerate(answers):
        pos = "%d 92" % (first + i * spacing)
        gui.append(button(ident, texture, key, pos, color=INK if ink else CREAM))
    return modal(name, "G_WINDOW_CONFIRM", 50, gui, [a[0] for a in answers])


def game_menu():
    # Continue on its own row, then restart / level list and options / shop.
    return modal("GP_Menu", "GG_WINDOW_GAME_MENU", 20, [
        image(10, GUI + " dialog_m.png", "0 0"),
        image(11, GUI + " ribbon.png", "0 -214"),
        wlabel(12, "pause_title", FONT_TITLE, "0 -223", color=CREAM),
        button(1, PRIMARY_L, "pause_continue", "0 -106"),
        button(2, SECONDARY_M, "pause_restart", "-120 -4"),
        button(3, SECONDARY_M, "pause_level_list", "120 -4"),
        button(4, SECONDARY_M, "pause_options", "-120 78"),
        button(5, SECONDARY_M, "pause_shop", "120 78"),
        image(13, GUI + " icon_heart_24.png", "-178 160"),
        wlabel(14, "pause_heart_note", FONT_SMALL, "-160 160", hot=LEFT, color=INK_SOFT),
    ], [1, 2, 3, 4, 5])


def finish():
    """The result of a won level. Labels 4-10 are filled by the window; the stars come from
    "settings" and are drawn over the tray of the panel."""
    rows = [  # y, (icon, caption key, value id) left and right
        (-40, ("icon_clock_32.png", "result_time", 4), ("icon_trophy_32.png", "result_best_time", 8)),
        (10, ("icon_cross_32.png", "result_errors", 6), ("icon_hint_32.png", "result_hints", 5)),
        (60, ("icon_coin_32.png", "result_score", 7), ("icon_coin_32.png", "result_total", 10)),
    ]
    gui = [image(20, GUI + " level_result_panel.png", "0 0"),
           image(21, GUI + " ribbon.png", "0 -230"),
           wlabel(9, "result_title", FONT_TITLE, "0 -239", color=CREAM)]
    picture = 30
    for y, *columns in rows:
        for x0, (icon, caption, ident) in zip((-272, 28), columns):
            gui.append(image(picture, GUI + " " + icon, "%d %d" % (x0 + 16, y)))
            gui.append(wlabel(picture + 1, caption, FONT_TEXT, "%d %d" % (x0 + 42, y), hot=LEFT, color=INK_SOFT))
            gui.append(wlabel(ident, "result_value_none", FONT_HUD, "%d %d" % (x0 + 246, y - 1), hot=RIGHT))
            picture += 2
    gui += [
        neutral(3, "result_level_list", "-198 156", NEUTRAL_S),
        button(2, SECONDARY_S, "result_replay", "-22 156", font=FONT_BUTTON),
        button(1, PRIMARY_M, "result_next", "174 156"),
    ]
    settings = E("settings", children=[
        E("star_sprite", {"shift": "-96 -140"}, [E("FILE", text=GUI + " star_big.png"),
                                                  E("HOT_SPOT", text="HS_MID")]),
        E("star_effect", {"time": "0.6", "amplitude": "0.6", "frequency": "2.5", "decay": "0.8"}),
    ])
    # Closes at once: the stars stay where they were placed, so the panel must not slide off
    # under them.
    return window("GP_Finish", "GG_WINDOW_FINISH", 20, gui,
                  [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOMENTAL"), ("_modal", "true"),
                   ("_timeShow", "0.4")],
                  [settings, sounds(1, 2, 3)], background=dim_background(GUI + " fade.png"))


def reset_note():
    """Slides up from the bottom edge, waits a moment and slides back (the reset control hides
    it once it is shown)."""
    return window("GP_FeedBack_Reset", "G_WINDOW_SIMPLE", 60, [
        image(10, GUI + " level_toast.png", "0 0"),
        wlabel(11, "feedback_reset", FONT_TEXT, "28 -3", color=INK),
    ], [("_typeOpen", "SH_MOVE_UP"), ("_typeClose", "SH_MOVE_DOWN"), ("_typePos", "POS_IN_PIX"),
        ("_position", "512 706"), ("_timeShow", "0.35"), ("_delayHide", "1.8")])


def windows():
    yes_no = lambda yes, no: [(3, PRIMARY_M, yes, False), (4, NEUTRAL_M, no, True)]
    files = {
        "GP_Menu": game_menu(),
        "GP_Finish": finish(),
        # The in-level menu: restarting or leaving costs a heart.
        "Confirm_Restart_Level": question("Confirm_Restart_Level", "confirm_restart_level", "confirm_costs_heart",
                                          yes_no("level_restart", "button_cancel"), "icon_heart_32.png"),
        "Confirm_Close_Lvl": question("Confirm_Close_Lvl", "confirm_close_level", "confirm_close_level_detail",
                                      yes_no("level_leave", "level_stay"), "icon_heart_32.png"),
        # The result window: playing a won level again is free.
        "Confirm_Restart_In_Finish": question("Confirm_Restart_In_Finish", "confirm_replay", "confirm_replay_detail",
                                              yes_no("level_play_again", "button_cancel")),
        # A lost level with hearts left: yes restarts, no (or cancel) goes to the level list.
        "Confirm_Restart_Finish": question("Confirm_Restart_Finish", "confirm_lost", "confirm_lost_detail",
                                           yes_no("level_try_again", "level_to_list"), "icon_heart_empty_48.png"),
        # A lost level with no heart left: either answer leaves the level (to the shop only in
        # editions with in-app purchases), so there is one button.
        "Confirm_Restart_NoHealth": question("Confirm_Restart_NoHealth", "confirm_no_hearts",
                                             "confirm_no_hearts_detail", [(3, PRIMARY_M, "button_ok", False)],
                                             "icon_heart_empty_48.png"),
        # Answers as numbers: 1 start over, -1 buy a second chance, 0 leave.
        "Confirm_SecondChance": question("Confirm_SecondChance", "confirm_lost", "confirm_second_chance_detail", [
            (3, SECONDARY_M, "level_try_again", False),
            (4, PRIMARY_M, "level_go_on", False),
            (5, NEUTRAL_M, "level_to_list", True)]),
        "Confirm_SecondChanceBuy": question("Confirm_SecondChanceBuy", "confirm_buy_second_chance",
                                            "confirm_buy_second_chance_detail",
                                            yes_no("level_buy", "level_back")),
        "GP_FeedBack_Reset": reset_note(),
    }
    for name, root in files.items():
        write(WINDOWS + "/%s.xml" % name, root)
    names = list(files)
    if not OFFER_SECOND_CHANCE:
        names = [n for n in names if not n.startswith("Confirm_SecondChance")]
    return names
