#!/usr/bin/python3
"""Makes the start-up files of the default data set: game.xml, data/data.xml, editions.xml,
resource_list.xml, screen_loading.xml, the scenes file, the title windows, the exit question
and the name box, store.xml, trophies.xml and tutorial.xml. Deterministic: re-running it
writes the same bytes.

Run with /usr/bin/python3 from anywhere; it writes below Resources/ of this repository."""
import os
from xml.sax.saxutils import quoteattr

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "Resources")

OTHER = "data/share/main/other"
WINDOWS = "data/share/windows"
SCREENS = "data/share/image/screens"
GUI = "data/share/image/gui"
FONT = "data/share/font"

# Bitmap fonts: (descriptor resource, page texture resource) for labels, and the font
# manager's names for texts that windows draw themselves.
FONT_TITLE = (FONT + " header.xml", FONT + " header.png")
FONT_BUTTON = (FONT + " button.xml", FONT + " button.png")
FONT_TEXT = (FONT + " text.xml", FONT + " text.png")
FONT_NAME_BIG = "header"
FONT_NAME_MED = "text"

# Colours of the one look (text forms: hexadecimal 0xAARRGGBB, or "a r g b").
INK = "0xFF2B2D42"
CREAM = "0xFFFDF6E3"
GOLD = "0xFFF2C14E"
RED = "0xFFD64545"

PACKS = 4


class E:
    """An XML element written with its attributes in the order given."""

    def __init__(self, name, attrs=(), children=(), text=None):
        self.name = name
        self.attrs = list(attrs.items()) if isinstance(attrs, dict) else list(attrs)
        self.children = list(children)
        self.text = text

    def lines(self, depth=0):
        pad = "\t" * depth
        attrs = "".join(" %s=%s" % (k, quoteattr(str(v))) for k, v in self.attrs)
        if self.text is not None and not self.children:
            text = self.text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            return [pad + "<%s%s>%s</%s>" % (self.name, attrs, text, self.name)]
        if not self.children:
            return [pad + "<%s%s/>" % (self.name, attrs)]
        out = [pad + "<%s%s>" % (self.name, attrs)]
        for child in self.children:
            out += child.lines(depth + 1)
        out.append(pad + "</%s>" % self.name)
        return out


def write(relative, root, comment=None):
    path = os.path.join(RES, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = ['<?xml version="1.0" encoding="UTF-8"?>']
    if comment:
        text.append("<!-- %s -->" % comment)
    text += root.lines()
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(text) + "\n")


def value(name, v):
    return E(name, {"value": v})


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


def sprite(name, file, pos=None, hot="HS_MID", size=None):
    children = [E("FILE", text=file), E("HOT_SPOT", text=hot)]
    if pos:
        children.append(E("POS", text=pos))
    if size:
        children.append(E("SIZE", text=size))
    return E(name, children=children)


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


# ------------------------------------------------------------------ windows

def wlabel(ident, key, font, pos, hot=4, color=INK, visible=True):
    attrs = [("ID", ident), ("FONT", font[0]), ("FONT_TEXTURE", font[1]), ("TEXT", key), ("HOT_SPOT", hot),
             ("FONT_COLOR", color)]
    if not visible:
        attrs.append(("VISIBLE", "false"))
    return E("WLABEL", attrs, [E("POSITION", text=pos)])


def button(ident, texture, key, pos, font=FONT_BUTTON, color=CREAM):
    return E("BUTTON5", [("ID", ident), ("TEXTURE", texture)], [
        E("POSITION", text=pos),
        E("CONTEXT", children=[wlabel(100 + ident, key, font, "0 -2", color=color)]),
    ])


def image(ident, texture, pos, hot="HS_MID"):
    # Pictures only decorate: disabled, they never take a click meant for the buttons on them.
    return E("IMAGE", [("ID", ident), ("TEXTURE", texture), ("HOT_SPOT", hot), ("ENABLE", "false")],
             [E("POSITION", text=pos)])


def window(name, kind, layer, gui, attrs=(), children=(), background=None):
    a = [("_name", name), ("_type", kind)] + list(attrs) + [("layer", layer)]
    kids = []
    if background is not None:
        kids.append(background)
    kids.append(E("GUI", children=gui))
    kids += list(children)
    return E("window", a, kids)


def sounds(*ids):
    return E("sounds", children=[E("item", {"id": i, "sound": "click"}) for i in ids])


def windows():
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
        "Title_Top", "GG_WINDOW_TITLE_TOP", 2, [image(1, SCREENS + " win_greeting.png", "0 0")],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_typePos", "POS_IN_PIX"),
         ("_position", "512 58"), ("_timeShow", "0.45")],
        [E("SETTINGS", {"text_color_highlight": "0xFFE4572E", "shift": "0 -22"}, [
            E("font_med", {"fntName": FONT_NAME_MED, "fntColor": "0xFF2A9D8F", "fntHotSpot": "HS_MID"}),
            E("font_big", {"fntName": FONT_NAME_BIG, "fntColor": INK, "fntHotSpot": "HS_MID"}),
        ]), sounds(2)]))
    dim = E("background", {"START_COLOR": "0 10 12 30", "END_COLOR": "150 10 12 30", "SIZE": "1024 768"},
            text=SCREENS + " win_fade.png")
    write(WINDOWS + "/Confirm_Exit.xml", window(
        "Confirm_Exit", "G_WINDOW_CONFIRM", 50, [
            image(10, SCREENS + " win_dialog.png", "0 0"),
            wlabel(2, "confirm_exit_question", FONT_TITLE, "0 -50"),
            button(3, SCREENS + " win_button_small_coral.png", "button_yes", "-110 60"),
            button(4, SCREENS + " win_button_small_teal.png", "button_no", "110 60"),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.3")],
        [sounds(3, 4)], background=dim))
    write(WINDOWS + "/Players_EditBox.xml", window(
        "Players_EditBox", "G_WINDOW_EDITBOX", 50, [
            image(10, SCREENS + " win_dialog.png", "0 0"),
            wlabel(11, "label_enter_name", FONT_TITLE, "0 -70"),
            E("LINEBOX", [("ID", 2), ("TEXTURE", SCREENS + " win_name_field.png"), ("FONT", FONT_TEXT[0]),
                          ("FONT_TEXTURE", FONT_TEXT[1]), ("MAXLEN", 15), ("FONT_COLOR", "255 43 45 66"),
                          ("ALIGNMENT", "CENTER")],
              [E("POSITION", text="0 -8"), E("INPUT_AREA", text="-150 -20 300 40")]),
            wlabel(5, "label_name_taken", FONT_TEXT, "0 28", color=RED, visible=False),
            button(3, SCREENS + " win_button_small_coral.png", "button_ok", "-110 72"),
            button(4, SCREENS + " win_button_small_teal.png", "button_cancel", "110 72"),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.3")],
        [E("SETTINGS", {"text_color": "0xFF2B2D42", "text_color_error": RED}), sounds(3, 4)], background=dim))


def scenes_xml():
    names = ["Fade_Transition", "Title", "Title_Top", "Confirm_Exit", "Players_EditBox"]
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
    def trophy(name, bonus, vtype, target, op=">="):
        return E("trophy", [("name", name), ("desc", name + "_desc"), ("bonus", bonus),
                            ("image_open", GUI + " trophy_open.png"), ("image_close", GUI + " trophy_closed.png")],
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
    windows()
    scenes_xml()
    store_xml()
    trophies_xml()
    tutorial_xml()


if __name__ == "__main__":
    main()
