#!/usr/bin/python3
"""Makes the start-up files of the default data set: game.xml, data/data.xml, editions.xml,
resource_list.xml, screen_loading.xml, the scenes file with every window (each group of windows
is a module of tools/windows/), store.xml and trophies.xml (tutorial.xml: tools/make_tutorial_data.py). Deterministic: re-running it
writes the same bytes.

Run with /usr/bin/python3 from anywhere; it writes below Resources/ of this repository."""
import importlib
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "windows"))
from wlib import *  # noqa: E402,F401,F403

# The groups of windows (modules of tools/windows/), in the order the scenes file lists them.
WINDOW_GROUPS = ["title", "players", "options", "hub", "lists", "shop", "help", "panels", "level", "tutorial"]

# ------------------------------------------------------------------ configuration

def game_xml():
    write("game.xml", E("game", children=[
        value("company", "QuietInk"),
        value("product", "Nonogram"),
        value("edition", "pc"),
        value("lang", "en"),
        value("fullscreen", "false"),
    ]), "The product: its save folder is <application data>/QuietInk/Nonogram/.")


def editions_xml():
    def f(name, file):
        return E(name, {"file": file})

    def p(name, on):
        return E(name, {"param": "true" if on else "false"})

    write(OTHER + "/editions.xml", E("editions", children=[
        E("edition", {"type": "pc"}, [
            E("platform", {"type": "win"}),
            f("scenes", OTHER + " scenes.xml"),
            f("store", OTHER + " store.xml"),
            f("tutorial", OTHER + " tutorial.xml"),
            f("trophies", OTHER + " trophies.xml"),
            f("player", OTHER + " player.xml"),
            f("inapp", ""),
            f("ad", ""),
            p("heart", True),
            p("pack_logic_stars", True),
            p("store_button", True),
            p("free", False),
            p("default_player", False),
        ]),
    ]), "One edition: no in-app purchases, no advertising; hearts, the store button and "
        "pack unlocking by stars on.")


def resource_list_xml():
    groups = ["data/share/main", "data/share/image/level", "data/share/image/packs", SCREENS, WINDOWS, FONT,
              "data/share/sound"] + ["data/share/levels/pack%d" % i for i in range(PACKS)]
    write(OTHER + "/resource_list.xml", E("resources", children=[E("location", {"value": g}) for g in groups]),
          "Groups mounted after start-up, in this order; the language folder follows.")


def data_xml():
    write("data/data.xml", E("data", children=[
        E("ear", children=[
            sprite("ear_tile", "data ear_tile.png", hot="HS_UL"),
            sprite("ear_line", "data ear_line.png", hot="HS_UL"),
        ]),
    ]), "Decorations of the letterbox margins in full screen.")


def screen_loading_xml():
    splashes = [("studio.png", "512 384"), ("title.png", "512 384")]
    write(OTHER + "/screen_loading.xml", E("loading", children=[
        sprite("background", SCREENS + " win_title_back.png", pos="512 384"),
        sprite("logo", SCREENS + " win_title_logo.png", pos="512 234"),
        E("splashes", {"time_per_splash": "2.0", "time_fade": "0.4", "back_color": "255 20 24 48"}, [
            E("splash", children=[E("FILE", text="data/splash/" + name), E("POS", text=pos),
                                  E("HOT_SPOT", text="HS_MID")])
            for name, pos in splashes
        ]),
    ]), "The splashes are plain files below the data root, not resource names.")


def scenes_xml():
    names = []
    for group in WINDOW_GROUPS:
        names += importlib.import_module(group).windows()
    write(OTHER + "/scenes.xml", E("scenes", children=[E("window", {"file": WINDOWS + " %s.xml" % n}) for n in names]),
          "Every window of the game, one file each.")


# ------------------------------------------------------------------ game data

def store_xml():
    # Each item's ladder: an offer holds while the player owns fewer than its value; the
    # template player owns start_hint 2, health 5 and errors 5. The refills are endless.
    def offer(name, price, val, children=(), endless=False):
        attrs = [("name", name), ("price", price), ("value", val), ("annotation", "shop_" + name),
                 ("image", GUI + " shop_%s.png" % name)]
        if endless:
            attrs.append(("endless", "true"))
        return E("item", attrs, children)

    write(OTHER + "/store.xml", E("store", children=[
        offer("start_hint", 150, 3, [offer("start_hint", 300, 4, [offer("start_hint", 500, 5)])]),
        offer("health", 400, 6, [offer("health", 800, 7)]),
        offer("errors", 300, 6, [offer("errors", 600, 7)]),
        offer("refill_health", 120, 0, endless=True),
        offer("refill_hint", 60, 0, endless=True),
    ]), "What sunime buy: each offer holds while the player owns fewer than its value.")


# (name, bonus, value type, target, operator). A first picture solved without a hint earns a
# trophy; the medals are the trophy list's (tools/windows/lists.py).
TROPHIES = [
    ("tr_pack_1", 100, "float", "1", ">="),
    ("tr_pack_2", 200, "float", "1", ">="),
    ("tr_pack_3", 300, "float", "1", ">="),
    ("tr_pack_4", 500, "float", "1", ">="),
    ("pc_tr_without_hint", 50, "int", "1", ">="),
    ("tr_without_error", 100, "int", "3", ">="),
    ("pc_tr_hint_use", 50, "int", "10", ">="),
    ("tr_stars_1", 100, "int", "3", ">="),
    ("tr_stars_2", 250, "int", "15", ">="),
    ("tr_stars_3", 500, "int", "40", ">="),
    ("tr_bronze_coin", 50, "int", "300", ">="),
    ("tr_silver_coin", 150, "int", "1500", ">="),
    ("tr_gold_coin", 400, "int", "5000", ">="),
    ("tr_all_trophy", 1000, "bool", "true", "=="),
]


def trophies_xml():
    from lists import medal

    def trophy(name, bonus, vtype, target, op):
        return E("trophy", [("name", name), ("desc", name + "_desc"), ("bonus", bonus),
                            ("image_open", medal(name, True)), ("image_close", medal(name, False))],
                 [E("condition", [("name", ""), ("value_type", vtype), ("value", target), ("operator", op)])])

    write(OTHER + "/trophies.xml", E("trophies", children=[trophy(*t) for t in TROPHIES]),
          "The game feeds every value with an empty condition name; \"name\" and \"desc\" are text keys.")


def main():
    game_xml()
    editions_xml()
    resource_list_xml()
    data_xml()
    screen_loading_xml()
    scenes_xml()
    store_xml()
    trophies_xml()


if __name__ == "__main__":
    main()
