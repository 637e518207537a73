"""Shared pieces of the data scripts: the XML writer, the widget and window elements every
window file is made of, and the names of the one look (fonts, colours, resource groups).

Each group of windows lives in a module of its own in this folder with a function windows()
that writes its files and answers their names in the order the scenes file lists them."""
import os
from xml.sax.saxutils import quoteattr

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
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


def sprite(name, file, pos=None, hot="HS_MID", size=None):
    children = [E("FILE", text=file), E("HOT_SPOT", text=hot)]
    if pos:
        children.append(E("POS", text=pos))
    if size:
        children.append(E("SIZE", text=size))
    return E(name, children=children)


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


def panel(ident, name, size, pos="0 0"):
    """A panel drawn as nine pieces (name_ul.png ... name_dr.png, as tools/art/style.py cuts
    them) at a size ("w h"), centred on pos like a picture with HS_MID; disabled like one."""
    cells = [(1, 1), (1, 2), (1, 3), (2, 1), (2, 2), (2, 3), (3, 1), (3, 2), (3, 3)]
    pieces = ["ul", "up", "ur", "lt", "mid", "rt", "dl", "dn", "dr"]
    return E("PANEL9", [("ID", ident), ("ENABLE", "false")] +
             [("TX_%d_%d" % cell, "%s_%s.png" % (name, piece)) for cell, piece in zip(cells, pieces)],
             [E("POSITION", text=pos), E("SIZE", text=size)])


def dim_background(texture=SCREENS + " win_fade.png"):
    """The navy veil behind a modal window, fading in with it."""
    return E("background", {"START_COLOR": "0 10 12 30", "END_COLOR": "150 10 12 30", "SIZE": "1024 768"},
             text=texture)


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
