"""The shared GUI kit (group data/share/image/gui): buttons in the widgets' frame strips, check
boxes and switches, panels and dialogs, list tiles, sliders and bars, page dots, HUD icons,
shop and trophy pictures, and the cursor."""
import icons as I
import kit
import style as S
from style import (CORAL, CREAM, GOLD, GOLD_DARK, GOLD_DEEP, GOLD_LIGHT, GREEN, GREEN_DARK, GREY,
                   GREY_DARK, GREY_LIGHT, INK, INK_SOFT, NAVY, NAVY_DEEP, NAVY_TOP, PAPER, PAPER_DEEP,
                   PAPER_RIM, PAPER_SHADE, RED, RED_DARK, RED_LIGHT, TEAL, TEAL_DARK, TEAL_LIGHT, WHITE)

FIVE = "5 frames side by side, %dx%d each: normal, hover, pressed, selected, disabled (BUTTON5)"


# ---------------------------------------------------------------- coloured icons

def gold_icon(name, w, h, s=None):
    m = I.mask(name, w, h, s=s)
    return S.gem(w, h, m, GOLD_LIGHT, GOLD, GOLD_DARK, GOLD_DEEP)


def red_icon(name, w, h, s=None):
    m = I.mask(name, w, h, s=s)
    return S.gem(w, h, m, RED_LIGHT, RED, RED_DARK, S.darken(RED_DARK, 0.3))


def empty_icon(name, w, h, s=None):
    """The not-earned look: a dark translucent silhouette with a light rim."""
    m = I.mask(name, w, h, s=s)
    c = S.canvas(w, h)
    c = S.paint(c, m, S.rgba(S.lighten(GREY, 0.3), 235))
    c = S.paint(c, S.shrink(m, max(1.2, w / 22.0)), S.rgba(NAVY_DEEP, 150))
    return c


def coin_icon(w, h, s=None, mark="star"):
    """The sunime: a gold coin with a raised rim and an embossed star."""
    s = min(w, h) if s is None else s
    x, y = (w - s) / 2.0, (h - s) / 2.0
    body = I.mask("coin", w, h, x, y, s)
    c = S.gem(w, h, body, GOLD_LIGHT, GOLD, GOLD_DARK, GOLD_DEEP, gloss=0.3)
    inner = S.shrink(body, s * 0.13)
    ring_ = S.subtract(S.shrink(body, s * 0.1), inner)
    c = S.paint(c, ring_, GOLD_DARK, 0.55)
    emb = I.mask(mark, w, h, x + s * 0.26, y + s * 0.25, s * 0.48)
    c = S.paint(c, S.shift(emb, 0, s * 0.02), GOLD_DEEP, 0.6)
    c = S.paint(c, emb, GOLD_LIGHT, 0.9)
    return c


def fin(c, w, h):
    return S.finish(c, (w, h))


def dark_pill(w, h):
    """The dark counter pill with its light rim and shadow: the canvas and the inner mask."""
    c = S.canvas(w, h)
    m = S.rrect(S.blank(w, h), (3, 3, w - 3, h - 5), (h - 8) / 2)
    c = S.drop_shadow(c, m, 0, 2, 2, NAVY_DEEP, 0.45)
    c = S.paint(c, m, S.rgba(S.lighten(NAVY_TOP, 0.4), 235))
    inner = S.shrink(m, 2)
    return S.paint(c, inner, S.rgba(NAVY_DEEP, 215)), inner


# ---------------------------------------------------------------- buttons

def buttons():
    sizes = {"l": (300, 76), "m": (220, 64), "s": (160, 54)}
    for kind, base, which in (("primary", CORAL, "lms"), ("secondary", TEAL, "lms"),
                              ("neutral", PAPER_SHADE, "ms"), ("danger", RED, "ms")):
        for size in which:
            w, h = sizes[size]
            kit.out("gui", "btn_%s_%s.png" % (kind, size), S.button_strip(w, h, base), FIVE % (w, h))

    def icon_on(name, scale=0.56):
        def draw(w, h, face):
            fx0, fy0, fx1, fy1 = face
            s = (fx1 - fx0) * scale
            return I.mask(name, w, h, (fx0 + fx1 - s) / 2.0, (fy0 + fy1 - s) / 2.0, s)
        return draw

    round_icons = ["back", "left", "right", "close", "ok", "options", "pause", "play", "help", "home",
                   "levels", "list", "profile", "players", "exit", "store", "trophy", "hint", "restart",
                   "plus", "delete", "rename", "music", "sound"]
    glyph = {"close": "cross", "ok": "check"}
    colour = {"play": CORAL, "ok": CORAL, "close": RED, "delete": RED, "exit": RED}
    for name in round_icons:
        kit.out("gui", "btn_round_%s.png" % name,
                S.button_strip(72, 72, colour.get(name, TEAL), icon_on(glyph.get(name, name)), shape="circle"),
                FIVE % (72, 72))
    for name in ["left", "right", "close", "back", "help", "plus", "minus", "ok"]:
        kit.out("gui", "btn_small_%s.png" % name,
                S.button_strip(52, 52, colour.get(name, TEAL), icon_on(glyph.get(name, name), 0.54),
                               shape="circle", lip=4.0, margin=3.0),
                FIVE % (52, 52))
    # A wide tab for the page arrows of the lists.
    for name in ("left", "right"):
        kit.out("gui", "btn_page_%s.png" % name,
                S.button_strip(64, 96, TEAL, icon_on(name, 0.6), r=18), FIVE % (64, 96))


# ---------------------------------------------------------------- check boxes and switches

def checkboxes():
    w = h = 48
    frames = []
    for state in ("normal", "hover", "pressed", "tick", "disabled"):
        c = S.canvas(w, h)
        box = S.rrect(S.blank(w, h), (5, 4, 43, 42), 9)
        if state == "tick":
            m = I.mask("check", w, h, 2, -4, 48)
            c = S.drop_shadow(c, S.grow(m, 2.0), 0, 2, 1.5, NAVY_DEEP, 0.4)
            c = S.paint(c, S.grow(m, 2.2), S.darken(GREEN_DARK, 0.35))
            c = S.paint(c, m, S.vgradient(c.size, [(0, S.lighten(GREEN, 0.3)), (1, GREEN_DARK)]))
        else:
            fill = {"normal": PAPER, "hover": WHITE, "pressed": PAPER_DEEP, "disabled": GREY_LIGHT}[state]
            rim = {"hover": TEAL, "disabled": GREY}.get(state, S.darken(PAPER_RIM, 0.2))
            c = S.drop_shadow(c, box, 0, 1.5, 1.5, NAVY_DEEP, 0.4)
            c = S.paint(c, box, rim)
            inner = S.shrink(box, 2.5 if state == "hover" else 2.0)
            c = S.paint(c, inner, fill)
            c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 3)), S.darken(fill, 0.18), 0.8)
            if state == "disabled":
                c.putalpha(c.getchannel("A").point(lambda a: int(a * 0.7)))
        frames.append(fin(c, w, h))
    kit.out("gui", "checkbox.png", S.strip(frames),
            "5 frames 48x48: box, box hover, box pressed, tick (drawn over the box), disabled box (CHECKBOX)")

    # Sliding switch: the knob hides one half; the half left in view tells the state. Checked
    # puts the knob at the left end, so the right half is the "on" side.
    pw, ph, kw = 112, 48, 58
    track = S.rrect(S.blank(pw, ph), (1, 1, pw - 1, ph - 1), 23)
    knob_left = S.rrect(S.blank(pw, ph), (1, 1, kw - 1, ph - 1), 23)
    knob_right = S.rrect(S.blank(pw, ph), (pw - kw + 1, 1, pw - 1, ph - 1), 23)
    c = S.canvas(pw, ph)
    c = S.paint(c, track, S.darken(INK, 0.2))
    inner = S.shrink(track, 2)
    c = S.paint(c, inner, INK_SOFT)
    off = S.intersect(inner, S.subtract(knob_left, knob_right))
    on = S.intersect(inner, S.subtract(knob_right, knob_left))
    c = S.paint(c, off, S.vgradient(c.size, [(0, GREY), (1, GREY_DARK)]))
    c = S.paint(c, on, S.vgradient(c.size, [(0, S.lighten(GREEN, 0.15)), (1, GREEN_DARK)]))
    c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 3)), NAVY_DEEP, 0.35)
    c = S.paint(c, I.mask("cross", pw, ph, 12, 10, 28), CREAM)
    c = S.paint(c, I.mask("check", pw, ph, 72, 9, 30), WHITE)
    kit.out("gui", "switch_panel.png", fin(c, pw, ph),
            "switch track (CHECKBOX_IOS TX_PANEL); right half green tick = on, left half grey cross = off")
    c = S.canvas(kw, ph)
    knob = S.rrect(S.blank(kw, ph), (3, 3, kw - 3, ph - 3), 21)
    c = S.drop_shadow(c, knob, 0, 2, 2, NAVY_DEEP, 0.5)
    c = S.paint(c, knob, S.darken(PAPER_RIM, 0.25))
    c = S.paint(c, S.shrink(knob, 1.5), S.vgradient(c.size, [(0, WHITE), (1, PAPER_SHADE)]))
    for x in (kw / 2 - 6, kw / 2, kw / 2 + 6):
        c = S.paint(c, S.rrect(S.blank(kw, ph), (x - 1, 16, x + 1, 32), 1), PAPER_RIM)
    kit.out("gui", "switch_knob.png", fin(c, kw, ph),
            "switch knob (CHECKBOX_IOS TX_BTN); covers exactly one half of switch_panel")


# ---------------------------------------------------------------- panels

def nine(prefix, big, corner, what):
    """Cuts a drawn panel into the nine pieces of PANEL9 / G_FRAME9 (ul up ur lt mid rt dl dn dr)."""
    w, h = big.size
    cuts = {
        "ul": (0, 0, corner, corner), "up": (w // 2 - 2, 0, w // 2 + 2, corner),
        "ur": (w - corner, 0, w, corner), "lt": (0, h // 2 - 2, corner, h // 2 + 2),
        "mid": (w // 2 - 2, h // 2 - 2, w // 2 + 2, h // 2 + 2),
        "rt": (w - corner, h // 2 - 2, w, h // 2 + 2), "dl": (0, h - corner, corner, h),
        "dn": (w // 2 - 2, h - corner, w // 2 + 2, h), "dr": (w - corner, h - corner, w, h),
    }
    for piece, box in cuts.items():
        kit.out("gui", "%s_%s.png" % (prefix, piece), big.crop(box),
                "%s, nine-piece %s (corners %dx%d; edges and middle repeat)" % (what, piece, corner, corner))


def panels():
    # Paper nine-piece: flat paper so that the repeated edges and middle match.
    w = h = 96
    c = S.canvas(w, h)
    m = S.rrect(S.blank(w, h), (8, 6, w - 8, h - 10), 16)
    c = S.drop_shadow(c, m, 0, 3, 3.5, NAVY_DEEP, 0.5)
    c = S.paint(c, m, PAPER_RIM)
    body = S.shrink(m, 2.0)
    c = S.paint(c, body, PAPER)
    c = S.paint(c, S.subtract(body, S.shift(body, 0, 2)), WHITE, 0.7)
    nine("panel_paper", fin(c, w, h), 32, "paper panel")

    c = S.canvas(w, h)
    c = S.drop_shadow(c, m, 0, 3, 3.5, NAVY_DEEP, 0.5)
    c = S.paint(c, m, S.rgba(S.lighten(NAVY_TOP, 0.35), 240))
    body = S.shrink(m, 2.0)
    c = S.paint(c, body, S.rgba(NAVY, 225))
    c = S.paint(c, S.subtract(body, S.shift(body, 0, 2)), WHITE, 0.25)
    nine("panel_dark", fin(c, w, h), 32, "dark translucent panel")

    # Whole dialog pictures (a window background is one sprite).
    for name, (dw, dh) in (("dialog_s", (440, 300)), ("dialog_m", (600, 440)), ("dialog_l", (820, 600)),
                           ("dialog_wide", (760, 360))):
        with S.supersample(2):
            c = S.panel(dw, dh, 22, PAPER, PAPER_SHADE, PAPER_RIM, rim_px=2.5, margin=12, shadow=0.55)
            outer = S.rrect(S.blank(dw, dh), (24, 22, dw - 24, dh - 30), 14)
            c = S.paint(c, S.subtract(outer, S.shrink(outer, 1.5)), PAPER_RIM, 0.55)
            # Light from above: the top of the sheet a touch brighter.
            c = S.paint(c, S.intersect(S.shrink(outer, 1.5), S.vramp(dw, dh, 0, dh * 0.6)), WHITE, 0.35)
            c = S.finish(c, (dw, dh))
        kit.out("gui", name + ".png", c, "paper dialog with a 12 px shadow margin")

    # A title ribbon for the top of dialogs and screens.
    rw, rh = 460, 84
    c = S.canvas(rw, rh)
    tails = S.blank(rw, rh)
    for side in (0, 1):
        x0 = 6 if side == 0 else rw - 70
        pts = [(x0, 24), (x0 + 64, 24), (x0 + 64, 70), (x0, 70), (x0 + 18, 47)] if side == 0 else \
            [(x0, 24), (x0 + 64, 24), (x0 + 46, 47), (x0 + 64, 70), (x0, 70)]
        S.polygon(tails, pts)
    c = S.drop_shadow(c, tails, 0, 2, 2, NAVY_DEEP, 0.45)
    c = S.paint(c, tails, S.darken(CORAL, 0.28))
    band = S.rrect(S.blank(rw, rh), (40, 8, rw - 40, 62), 8)
    c = S.drop_shadow(c, band, 0, 3, 3, NAVY_DEEP, 0.5)
    c = S.paint(c, band, S.darken(CORAL, 0.45))
    c = S.paint(c, S.shrink(band, 2), S.vgradient(c.size, [(0, S.lighten(CORAL, 0.25)), (1, S.darken(CORAL, 0.1))]))
    inner = S.shrink(band, 2)
    c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 2)), WHITE, 0.5)
    for y in (14, 55):
        c = S.paint(c, S.rrect(S.blank(rw, rh), (52, y, rw - 52, y + 1.5), 1), CREAM, 0.45)
    kit.out("gui", "ribbon.png", fin(c, rw, rh), "title ribbon; the band's middle is at y 35")

    # Plain fills, sized by the layouts.
    kit.out("gui", "fade.png", S.solid((16, 16), NAVY_DEEP), "solid deep navy (Fade_Transition, sized by SIZE)")
    kit.out("gui", "dim.png", S.Image.new("RGBA", (16, 16), S.rgba(NAVY_DEEP, 150)),
            "translucent navy veil behind modal windows (sized by SIZE)")

    # A speech bubble for the tutorial, its tail down at the left.
    bw, bh = 420, 180
    with S.supersample(2):
        c = S.canvas(bw, bh)
        m = S.rrect(S.blank(bw, bh), (10, 8, bw - 10, bh - 40), 22)
        S.polygon(m, [(60, bh - 46), (110, bh - 46), (56, bh - 10)])
        c = S.drop_shadow(c, m, 0, 3, 4, NAVY_DEEP, 0.5)
        c = S.paint(c, m, PAPER_RIM)
        c = S.paint(c, S.shrink(m, 2.5), PAPER)
        c = S.finish(c, (bw, bh))
    kit.out("gui", "bubble.png", c, "tutorial speech bubble; text area about 380x120 from (20, 18); tail tip at (56, 170)")

    # A pointing hand for the tutorial (fingertip at the top left).
    hw = 64
    m = S.blank(hw, hw)
    S.stroke(m, [(17, 9), (17, 34)], 11)               # the index finger
    S.rrect(m, (11, 27, 52, 58), 11)                   # the fist
    for x, top in ((27, 27), (36, 28), (45, 30)):      # knuckles of the folded fingers
        S.circle(m, x, top + 4, 5.5)
    S.stroke(m, [(12, 44), (5, 36)], 9)                # the thumb
    c = S.canvas(hw, hw)
    c = S.drop_shadow(c, m, 2, 3, 2, NAVY_DEEP, 0.5)
    c = S.paint(c, S.grow(m, 2.2), INK)
    c = S.paint(c, m, S.vgradient(c.size, [(0, WHITE), (1, PAPER_SHADE)]))
    for x in (31.5, 40.5):
        c = S.paint(c, S.stroke(S.blank(hw, hw), [(x, 33), (x, 40)], 1.2), PAPER_RIM)
    c = S.paint(c, S.stroke(S.blank(hw, hw), [(12, 8), (22, 8)], 1.0), PAPER_RIM, 0.8)
    kit.out("gui", "pointer_hand.png", fin(c, hw, hw), "tutorial pointing hand; fingertip at (17, 4)")


# ---------------------------------------------------------------- tiles

def tile_body(w, h, r=16, fill=(PAPER, PAPER_SHADE), rim=PAPER_RIM, margin=6):
    return S.panel(w, h, r, fill[0], fill[1], rim, rim_px=2.0, margin=margin, shadow=0.5)


def tiles():
    # Level tile: open, next (glowing gold rim), and the lock drawn over the open tile.
    t = 128
    frames = []
    c = tile_body(t, t)
    frames.append(fin(c, t, t))
    c = S.canvas(t, t)
    ring_m = S.rrect(S.blank(t, t), (6, 6, t - 6, t - 9), 16)
    c = S.glow(c, ring_m, 4, GOLD, 0.9)
    c = S.Image.alpha_composite(c, tile_body(t, t, fill=(S.lighten(GOLD_LIGHT, 0.6), PAPER), rim=GOLD_DARK))
    c = S.paint(c, S.subtract(S.shrink(ring_m, 2), S.shrink(ring_m, 5)), GOLD, 0.85)
    frames.append(fin(c, t, t))
    c = S.canvas(t, t)
    veil = S.shrink(S.rrect(S.blank(t, t), (6, 6, t - 6, t - 9), 16), 2)
    c = fin(S.paint(c, veil, S.rgba(NAVY, 170)), t, t)
    # Drawn on a canvas of its own size: the gem's rim and shading scale with the canvas.
    c.alpha_composite(fin(gold_icon("lock", 56, 56), 56, 56), (36, 34))
    frames.append(c)
    kit.out("gui", "tile_level.png", S.strip(frames),
            "3 frames 128x128: open, next, lock over the open tile (level list tile background)")

    # Stars of the level tile, the result window and the star rating: empty | earned.
    for name, s in (("star_small", 26), ("star_medium", 44), ("star_big", 96)):
        kit.out("gui", name + ".png", S.strip([fin(empty_icon("star", s, s), s, s), fin(gold_icon("star", s, s), s, s)]),
                "2 frames %dx%d: empty star, earned star" % (s, s))
    kit.out("gui", "hearts.png", S.strip([fin(empty_icon("heart", 40, 40), 40, 40), fin(red_icon("heart", 40, 40), 40, 40)]),
            "2 frames 40x40: empty heart, full heart")

    # Pack tile: a card with the pack picture area at the top, the highlight for the pack
    # to open next, and the lock drawn over a closed pack.
    pw, ph = 240, 300
    with S.supersample(2):
        c = tile_body(pw, ph, r=20, margin=8)
        hole = S.rrect(S.blank(pw, ph), (15, 15, pw - 15, 173), 12)
        c = S.paint(c, S.grow(hole, 2), PAPER_RIM, 0.7)
        c = S.paint(c, hole, PAPER_DEEP)
        c = S.finish(c, (pw, ph))
    kit.out("gui", "tile_pack.png", c, "pack card; picture area 210x158 centred at (120, 94) (pack*_tile.png is 208x156)")
    with S.supersample(2):
        c = S.canvas(pw, ph)
        ring_m = S.rrect(S.blank(pw, ph), (8, 8, pw - 8, ph - 12), 20)
        halo = S.subtract(S.blur(S.grow(ring_m, 2), 6), ring_m)
        c = S.paint(c, halo, GOLD, 0.95)
        c = S.paint(c, S.subtract(ring_m, S.shrink(ring_m, 4)), GOLD_LIGHT)
        c = S.paint(c, S.subtract(S.shrink(ring_m, 4), S.shrink(ring_m, 8)), GOLD_DARK, 0.6)
        c = S.finish(c, (pw, ph))
    kit.out("gui", "tile_pack_next.png", c, "gold frame drawn over the pack card to open next")
    with S.supersample(2):
        c = S.canvas(pw, ph)
        veil = S.shrink(S.rrect(S.blank(pw, ph), (8, 8, pw - 8, ph - 12), 20), 2)
        c = S.paint(c, veil, S.rgba(NAVY, 175))
        c = S.finish(c, (pw, ph))
    c.alpha_composite(fin(gold_icon("lock", 72, 72), 72, 72), (84, 58))
    kit.out("gui", "tile_pack_lock.png", c, "veil and lock drawn over a closed pack card (lock at (120, 94))")

    # Shop entry and list box pieces.
    sw, sh = 440, 150
    with S.supersample(2):
        c = tile_body(sw, sh, r=18, margin=7)
        well = S.rrect(S.blank(sw, sh), (20, 19, 132, 131), 14)
        c = S.paint(c, S.grow(well, 1.5), PAPER_RIM, 0.6)
        c = S.paint(c, well, S.vgradient(c.size, [(0, S.lighten(TEAL_LIGHT, 0.55)), (1, S.lighten(TEAL, 0.55))]))
        c = S.finish(c, (sw, sh))
    kit.out("gui", "tile_shop.png", c, "shop entry card; picture well 112x112 centred at (76, 75)")

    lw, lh = 420, 280
    with S.supersample(2):
        c = S.canvas(lw, lh)
        m = S.rrect(S.blank(lw, lh), (2, 2, lw - 2, lh - 2), 14)
        c = S.paint(c, m, PAPER_RIM)
        inner = S.shrink(m, 2)
        c = S.paint(c, inner, S.lighten(PAPER_SHADE, 0.25))
        c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 4)), S.darken(PAPER_SHADE, 0.15), 0.8)
        c = S.finish(c, (lw, lh))
    kit.out("gui", "listbox_panel.png", c, "list box panel (inset paper well)")
    rw_, rh_ = 400, 46
    c = S.canvas(rw_, rh_)
    c = S.paint(c, S.rrect(S.blank(rw_, rh_), (8, rh_ - 2, rw_ - 8, rh_ - 1), 0.5), PAPER_RIM, 0.7)
    kit.out("gui", "listbox_row.png", fin(c, rw_, rh_), "list box row: a thin rule at its foot")
    c = S.canvas(rw_, rh_)
    m = S.rrect(S.blank(rw_, rh_), (2, 3, rw_ - 2, rh_ - 3), 12)
    c = S.paint(c, m, S.rgba(TEAL, 200))
    c = S.paint(c, S.shrink(m, 1.5), S.rgba(TEAL_LIGHT, 150))
    kit.out("gui", "listbox_highlight.png", fin(c, rw_, rh_), "list box selection highlight")
    ew, eh = 420, 60
    with S.supersample(2):
        c = S.canvas(ew, eh)
        m = S.rrect(S.blank(ew, eh), (2, 2, ew - 2, eh - 2), 14)
        c = S.paint(c, m, S.darken(PAPER_RIM, 0.15))
        inner = S.shrink(m, 2)
        c = S.paint(c, inner, WHITE)
        c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 4)), PAPER_SHADE, 0.9)
        c = S.finish(c, (ew, eh))
    kit.out("gui", "linebox.png", c, "text entry field (LINEBOX TEXTURE); input area inset 16 px left and right")


# ---------------------------------------------------------------- sliders and bars

def bar_halves(w, h, empty_fill, full_fill, rim, r=None):
    r = h / 2.0 if r is None else r
    halves = []
    for full in (False, True):
        c = S.canvas(w, h)
        m = S.rrect(S.blank(w, h), (1, 1, w - 1, h - 1), r - 1)
        c = S.paint(c, m, rim)
        inner = S.shrink(m, 2)
        if full:
            c = S.paint(c, inner, S.vgradient(c.size, [(0, S.lighten(full_fill, 0.35)), (0.5, full_fill),
                                                      (1, S.darken(full_fill, 0.15))]))
            c = S.paint(c, S.intersect(S.shrink(inner, 2), S.vramp(w, h, 0, h * 0.5)), WHITE, 0.35)
        else:
            c = S.paint(c, inner, empty_fill)
            c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 3)), NAVY_DEEP, 0.3)
        halves.append(fin(c, w, h))
    return S.strip(halves)


def sliders():
    kit.out("gui", "slider_track.png", bar_halves(320, 24, S.rgba(INK_SOFT, 255), TEAL, S.darken(INK, 0.2)),
            "2 halves 320x24: empty track | filled track (SIMPLESLIDER PROGRESS)")
    rs = 40
    m = S.circle(S.blank(rs, rs), rs / 2, rs / 2 - 1, 16)
    c = S.gem(rs, rs, m, WHITE, PAPER, PAPER_SHADE, S.darken(PAPER_RIM, 0.3), gloss=0.25, shadow=0.5)
    c = S.paint(c, S.circle(S.blank(rs, rs), rs / 2, rs / 2 - 1, 6), TEAL)
    kit.out("gui", "slider_runner.png", fin(c, rs, rs), "slider knob (SIMPLESLIDER RUNNER)")
    kit.out("gui", "progress_bar.png", bar_halves(360, 28, S.rgba(INK_SOFT, 255), GOLD, S.darken(INK, 0.2)),
            "2 halves 360x28: empty bar | full bar (PROGRESS_BAR)")

    # The 12- and 13-cell slider strips: buttons, thumb, track caps, middle and fill.
    cell = 40
    cells = []
    for name in ("minus", "plus"):
        for state in ("normal", "hover", "pressed"):
            c, face = S.button_face(cell, cell, TEAL, state, shape="circle", lip=3.0, margin=3.0)
            fx0, fy0, fx1, fy1 = face
            s = (fx1 - fx0) * 0.55
            c = S.paint(c, I.mask(name, cell, cell, (fx0 + fx1 - s) / 2, (fy0 + fy1 - s) / 2, s), CREAM)
            cells.append(fin(c, cell, cell))
    for state in ("normal", "hover", "pressed"):
        base = {"normal": PAPER, "hover": WHITE, "pressed": PAPER_SHADE}[state]
        m = S.circle(S.blank(cell, cell), cell / 2, cell / 2, 14)
        cells.append(fin(S.gem(cell, cell, m, WHITE, base, PAPER_SHADE, S.darken(PAPER_RIM, 0.3), gloss=0.25), cell, cell))
    track = []
    for piece in ("start", "middle", "end"):
        c = S.canvas(cell, cell)
        x0 = cell / 2 if piece == "start" else 0
        x1 = cell / 2 if piece == "end" else cell
        m = S.rrect(S.blank(cell, cell), (x0 - (6 if piece != "middle" else 0), 14, x1 + (6 if piece != "middle" else 0), 26),
                    6 if piece != "middle" else 0)
        c = S.paint(c, m, S.darken(INK, 0.2))
        c = S.paint(c, S.shrink(m, 1.5), INK_SOFT)
        track.append(fin(c, cell, cell))
    c = S.canvas(cell, cell)
    m = S.rrect(S.blank(cell, cell), (0, 15.5, cell, 24.5), 0)
    c = S.paint(c, m, TEAL)
    fill = fin(c, cell, cell)
    kit.out("gui", "slider12.png", S.strip(cells + track),
            "12 cells 40x40: start button x3, end button x3, thumb x3, track start, middle, end (SLIDER12, list box scroll bar)")
    kit.out("gui", "slider13.png", S.strip(cells + track + [fill]),
            "13 cells 40x40: as slider12 plus the fill cell (SLIDER13)")

    # Page dots: current | other.
    d = 24
    cur = S.gem(d, d, S.circle(S.blank(d, d), d / 2, d / 2, 8), GOLD_LIGHT, GOLD, GOLD_DARK, GOLD_DEEP, shadow=0.3)
    oth = S.canvas(d, d)
    oth = S.paint(oth, S.circle(S.blank(d, d), d / 2, d / 2, 7), S.rgba(CREAM, 200))
    oth = S.paint(oth, S.circle(S.blank(d, d), d / 2, d / 2, 5.5), S.rgba(NAVY, 170))
    kit.out("gui", "page_dots.png", S.strip([fin(cur, d, d), fin(oth, d, d)]),
            "2 frames 24x24: current page dot, other page dot (page indicator)")


# ---------------------------------------------------------------- icons for HUD and windows

def hud():
    for s in (24, 32, 48, 64):
        kit.out("gui", "icon_star_%d.png" % s, fin(gold_icon("star", s, s), s, s))
        kit.out("gui", "icon_heart_%d.png" % s, fin(red_icon("heart", s, s), s, s))
        kit.out("gui", "icon_coin_%d.png" % s, fin(coin_icon(s, s), s, s))
    for name in ("lock", "trophy", "hint", "clock", "check", "cross"):
        for s in (32, 48):
            if name == "check":
                m = S.blank(s, s)
                I.check(m, I.Box(0, 0, s), 0.22)
                img = S.gem(s, s, m, S.lighten(GREEN, 0.3), GREEN, GREEN_DARK, S.darken(GREEN_DARK, 0.4))
            elif name == "cross":
                m = S.blank(s, s)
                I.cross(m, I.Box(0, 0, s), 0.22)
                img = S.gem(s, s, m, RED_LIGHT, RED, RED_DARK, S.darken(RED_DARK, 0.3))
            elif name == "clock":
                face = S.circle(S.blank(s, s), s / 2, s / 2, s * 0.42)
                img = S.gem(s, s, face, WHITE, CREAM, PAPER_SHADE, INK, gloss=0.2)
                hands = S.blank(s, s)
                S.stroke(hands, [(s / 2, s / 2), (s / 2, s * 0.24)], s * 0.08)
                S.stroke(hands, [(s / 2, s / 2), (s * 0.68, s * 0.6)], s * 0.08)
                img = S.paint(img, hands, INK)
            else:
                img = gold_icon(name, s, s)
            kit.out("gui", "icon_%s_%d.png" % (name, s), fin(img, s, s))
    kit.out("gui", "icon_heart_empty_48.png", fin(empty_icon("heart", 48, 48), 48, 48))
    kit.out("gui", "icon_star_empty_48.png", fin(empty_icon("star", 48, 48), 48, 48))

    # Counter pills for the hearts, currency and star panels.
    for name, (w, h) in (("hud_pill", (180, 56)), ("hud_pill_wide", (260, 56))):
        c, inner = dark_pill(w, h)
        c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 2)), WHITE, 0.2)
        kit.out("gui", name + ".png", fin(c, w, h), "dark counter pill; icon well at the left end (centre x 28)")


def shop_and_trophies():
    s = 100

    def compose(*layers):
        c = S.canvas(s, s)
        for img, dx, dy in layers:
            layer = S.canvas(s, s)
            layer.paste(img, (int(dx * S.SS), int(dy * S.SS)))
            c = S.Image.alpha_composite(c, layer)
        return c

    def badge(text, color=RED):
        w = h = 40
        m = S.circle(S.blank(w, h), 20, 20, 17)
        c = S.gem(w, h, m, S.lighten(color, 0.3), color, S.darken(color, 0.2), S.darken(color, 0.5), shadow=0.4)
        c = S.paint(c, S.text_mask(S.blank(w, h), text, 20, 21, 20), WHITE)
        return c

    bulb = gold_icon("hint", s, s, 84)
    heart = red_icon("heart", s, s, 84)
    pics = {
        "start_hint": compose((bulb, 0, 0)),
        "refill_hint": compose((gold_icon("hint", s, s, 70), -10, 4), (gold_icon("hint", s, s, 70), 16, 10),
                               (badge("+"), 58, 58)),
        "health": compose((heart, 0, 0)),
        "refill_health": compose((red_icon("heart", s, s, 64), -14, 0), (red_icon("heart", s, s, 64), 12, 16),
                                 (badge("+", GREEN), 58, 58)),
        "errors": compose((S.gem(s, s, I.mask("cross", s, s, 12, 12, 76), RED_LIGHT, RED, RED_DARK, S.darken(RED_DARK, 0.3)), 0, 0),
                          (badge("+", GREEN), 58, 58)),
        "second_chance": compose((S.gem(s, s, I.mask("restart", s, s, 2, 2, 96), S.lighten(TEAL, 0.4), TEAL, TEAL_DARK,
                                        S.darken(TEAL_DARK, 0.4)), 0, 0), (red_icon("heart", s, s, 46), 0, 3)),
    }
    for key, img in pics.items():
        kit.out("gui", "shop_%s.png" % key, fin(img, s, s), "shop picture for the store item \"%s\"" % key)

    # Trophy medals: coloured when earned, grey with a lock while closed.
    t = 128
    themes = [
        ("first_win", "star", GOLD), ("perfect", "crown", GOLD), ("pack_done", "trophy", GOLD),
        ("all_packs", "trophy", CORAL), ("speed", "lightning", TEAL), ("no_hints", "hint", TEAL),
        ("no_errors", "check", GREEN), ("coins", "coin_mark", GOLD), ("hearts", "heart", RED),
        ("streak", "flame", CORAL), ("big_grid", "levels", TEAL), ("explorer", "flag", GREEN),
    ]
    for key, icon_name, color in themes:
        for earned in (True, False):
            kit.out("gui", "trophy_%s_%s.png" % (key, "open" if earned else "closed"),
                    fin(medal(icon_name, color, earned, t), t, t),
                    "trophy medal, %s" % ("earned" if earned else "not earned"))


def medal(icon_name, color, earned, t=128):
    """A trophy medal before finishing: a gem disc on two ribbon tails with a white icon; grey
    with a gold lock while not earned."""
    base = color if earned else GREY
    c = S.canvas(t, t)
    m = S.circle(S.blank(t, t), t / 2, t / 2 - 2, 54)
    ribbon = S.blank(t, t)
    S.polygon(ribbon, [(34, 78), (52, 78), (46, 124), (36, 114), (26, 118)])
    S.polygon(ribbon, [(76, 78), (94, 78), (102, 118), (92, 114), (82, 124)])
    c = S.paint(c, ribbon, S.darken(CORAL if earned else GREY_DARK, 0.15))
    c = S.Image.alpha_composite(c, S.gem(t, t, m, S.lighten(base, 0.45), base, S.darken(base, 0.2),
                                         S.darken(base, 0.55)))
    inner = S.circle(S.blank(t, t), t / 2, t / 2 - 2, 42)
    c = S.paint(c, inner, S.darken(base, 0.12), 0.8)
    c = S.paint(c, S.subtract(inner, S.shift(inner, 0, 2)), S.darken(base, 0.45), 0.6)
    im = I.mask(icon_name, t, t, t / 2 - 28, t / 2 - 30, 56)
    if earned:
        c = S.drop_shadow(c, im, 0, 2, 1.5, S.darken(base, 0.6), 0.6)
        c = S.paint(c, im, WHITE)
    else:
        c = S.paint(c, im, S.lighten(GREY, 0.35), 0.6)
        # The lock on a canvas of its own size (the gem's shading scales with it).
        c.alpha_composite(S.gem(44, 44, I.mask("lock", 44, 44), GOLD_LIGHT, GOLD, GOLD_DARK, GOLD_DEEP),
                          (round(76 * S.SS), round(70 * S.SS)))
    return c


def cursor():
    w = h = 32
    pts = [(1.2, 1.2), (1.2, 24), (7, 19), (11, 28), (15, 26), (11, 17.5), (19, 17.5)]
    m = S.blank(w, h)
    S.rounded_polygon(m, pts, 0.6)
    c = S.canvas(w, h)
    c = S.drop_shadow(c, m, 1.5, 2, 1.2, NAVY_DEEP, 0.6)
    c = S.paint(c, S.grow(m, 1.4), INK)
    c = S.paint(c, m, S.vgradient(c.size, [(0, WHITE), (1, PAPER_SHADE)]))
    kit.out("gui", "cursor.png", fin(c, w, h), "game cursor; its tip is the top-left corner (the cursor's hot spot)")


CURSOR_XML = """<?xml version="1.0" encoding="utf-8"?>
<!-- Made by tools/make_gui_art.py: the game's own mouse pointer. -->
<cursor>
  <file>data/share/image/gui cursor.png</file>
</cursor>
"""


def make_all():
    kit.write_text("data/share/main/other/gCursor.xml", CURSOR_XML)
    buttons()
    checkboxes()
    panels()
    tiles()
    sliders()
    hud()
    shop_and_trophies()
    cursor()
