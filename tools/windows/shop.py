"""The shop: its window, and the list of its cards (one per store item the shop sells).

The cards' labels are not translated as a whole: the card writes its title, description and
price from the store itself, and its buy button carries a picture, not a word. Their own texts
are keys all the same: label 3's is the text of a card with nothing left to buy, label 4's what
stands in for the price then."""
from wlib import *

FONT_SMALL = (FONT + " small.xml", FONT + " small.png")
FONT_HUD = (FONT + " hud.xml", FONT + " hud.png")
INK_SOFT = "0xFF5C5F7D"

# What the shop sells, in the order of its cards. The hint refill only helps inside a level.
ITEMS = [("start_hint", False), ("health", False), ("errors", False), ("refill_health", False),
         ("refill_hint", True)]
CARD_W, CARD_H = 440, 150


def ribbon(y, key, ident=11):
    # The ribbon's band is 7 px above the picture's middle.
    return [image(ident, GUI + " ribbon.png", "0 %d" % (y + 7)),
            wlabel(ident + 1, key, FONT_TITLE, "0 %d" % y, color=CREAM)]


def card(item, gameplay_only):
    gui = [
        image(10, GUI + " tile_shop.png", "0 0"),
        image(5, GUI + " shop_%s.png" % item, "-144 0"),
        wlabel(2, item, FONT_BUTTON, "-70 -44", hot=3),
        wlabel(3, "shop_sold_out", FONT_SMALL, "-70 -2", hot=3, color=INK_SOFT),
        image(7, GUI + " icon_coin_32.png", "-54 46"),
        wlabel(4, "hud_none", FONT_HUD, "-34 46", hot=3),
        # Covers the price once nothing is left to buy.
        E("IMAGE", [("ID", 6), ("TEXTURE", SCREENS + " win_shop_owned.png"), ("HOT_SPOT", "HS_MID"),
                    ("ENABLE", "false"), ("VISIBLE", "false")], [E("POSITION", text="-4 46")]),
        E("BUTTON5", [("ID", 1), ("TEXTURE", SCREENS + " win_buy_button.png")], [E("POSITION", text="132 44")]),
    ]
    attrs = [("type", item), ("size", "%d %d" % (CARD_W, CARD_H))]
    if gameplay_only:
        attrs.append(("gameplayonly", "true"))
    return E("item", attrs, [E("GUI", children=gui)])


def windows():
    write(WINDOWS + "/shop_list.xml", E("shop", [("cols", 2), ("rows", 3), ("interval_x", 20), ("interval_y", 16),
                                                ("turn_type", "MOMENTAL")],
                                        [card(item, only) for item, only in ITEMS]),
          "The shop's cards: \"type\" is the store item key; label 3's own text is the key shown "
          "when nothing of the item is left to buy.")
    # The cards sit two by three around (0, 15); the sixth place shows the player's currency.
    write(WINDOWS + "/Shop.xml", window(
        "Shop", "GG_WINDOW_SHOP", 80, [
            image(10, SCREENS + " win_shop_panel.png", "0 5"),
        ] + ribbon(-300, "shop_title") + [
            E("BUTTON5", [("ID", 1), ("TEXTURE", GUI + " btn_round_close.png")], [E("POSITION", text="442 -258")]),
            wlabel(13, "shop_you_have", FONT_TEXT, "230 151"),
            image(14, GUI + " hud_pill_wide.png", "230 191"),
            image(15, GUI + " icon_coin_32.png", "128 189"),
            wlabel(2, "hud_none", FONT_HUD, "152 189", hot=3, color=CREAM),
        ],
        [("_typeOpen", "SH_MOVE_DOWN"), ("_typeClose", "SH_MOVE_UP"), ("_modal", "true"), ("_timeShow", "0.35")],
        [E("gPages", {"file": WINDOWS + " shop_list.xml", "pos_x": "0", "pos_y": "15"}),
         E("sounds", children=[E("item", {"id": 1, "sound": "window_close"})])],
        background=dim_background()))
    return ["Shop"]
