#!/usr/bin/python3
"""Makes the start-up files of the default data set: game.xml, data/data.xml, editions.xml,
resource_list.xml, screen_loading.xml, the scenes file with every window (each group of windows
is a module of tools/windows/), store.xml, trophies.xml and tutorial.xml. Deterministic: re-running it
writes the same bytes.

Run with /usr/bin/python3 from anywhere; it writes below Resources/ of this repository."""
import importlib
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "windows"))
from wlib import *  # noqa: E402,F401,F403

# The groups of windows (modules of tools/windows/), in the order the scenes file lists them.
WINDOW_GROUPS = ["title", "players", "options", "hub", "lists"]

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
    def offer(name, price, val, annotation, children=(), endless=False):
        attrs = [("name", name), ("price", price), ("value", val), ("annotation", annotation),
                 ("image", GUI + " icon_%s.png" % name)]
        if endless:
            attrs.append(("endless", "true"))
        return E("item", attrs, children)

    write(OTHER + "/store.xml", E("store", children=[
        offer("start_hint", 150, 3, "shop_start_hint", [offer("start_hint", 300, 5, "shop_start_hint")]),
        offer("refill_hint", 100, 0, "shop_refill_hint", endless=True),
        offer("health", 400, 6, "shop_health", [offer("health", 800, 7, "shop_health")]),
        offer("refill_health", 120, 0, "shop_refill_health", endless=True),
        offer("errors", 300, 4, "shop_errors", [offer("errors", 600, 5, "shop_errors")]),
    ]), "What sunime buy: each offer holds while the player owns fewer than its value.")


def trophies_xml():
    from lists import medal

    def trophy(name, bonus, vtype, target, op=">="):
        return E("trophy", [("name", name), ("desc", name + "_desc"), ("bonus", bonus),
                            ("image_open", medal(name, True)), ("image_close", medal(name, False))],
                 [E("condition", [("name", ""), ("value_type", vtype), ("value", target), ("operator", op)])])

    items = [trophy("tr_pack_%d" % (i + 1), 100 * (i + 1), "float", "1") for i in range(PACKS)]
    items += [
        trophy("pc_tr_without_hint", 150, "int", "5"),
        trophy("tr_without_error", 150, "int", "5"),
        trophy("pc_tr_hint_use", 50, "int", "10"),
        trophy("tr_stars_1", 100, "int", "5"),
        trophy("tr_stars_2", 200, "int", "15"),
        trophy("tr_stars_3", 400, "int", "30"),
        trophy("tr_bronze_coin", 50, "int", "1000"),
        trophy("tr_silver_coin", 100, "int", "5000"),
        trophy("tr_gold_coin", 200, "int", "20000"),
        trophy("tr_all_trophy", 1000, "bool", "true", "=="),
    ]
    write(OTHER + "/trophies.xml", E("trophies", children=items),
          "The game feeds every value with an empty condition name.")


def tutorial_xml():
    write(OTHER + "/tutorial.xml", E("tutorial"),
          "The scripted first levels: \"level\" elements of \"step\"s, which come with the tutorial itself.")


def main():
    game_xml()
    editions_xml()
    resource_list_xml()
    data_xml()
    screen_loading_xml()
    scenes_xml()
    store_xml()
    trophies_xml()
    tutorial_xml()


if __name__ == "__main__":
    main()
