#!/usr/bin/python3
"""Draws the pictures of the start-up screens through the shared look (tools/art/style.py):
the splashes, the title scene's backdrop and logo, its buttons, the greeting plate, the dialog
panel of the exit question and the name box, the name field, the fade plate and the letterbox
decorations (beside data.xml). Deterministic: the same script gives the same pixels.

The splashes are plain files in Resources/data/splash/ (the loading screen reads them from the
disk, never from a package); everything else goes to Resources/data/share/image/screens/."""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import style as S  # noqa: E402

ROOT = os.path.dirname(HERE)
SCREENS = os.path.join(ROOT, "Resources", "data", "share", "image", "screens")
SPLASH = os.path.join(ROOT, "Resources", "data", "splash")
DATA = os.path.join(ROOT, "Resources", "data")
W, H = 1024, 768


def out(folder, name, img):
    S.save(img, os.path.join(folder, name))


def backdrop(w, h):
    """Deep indigo from top to bottom, with a faint grid of picture cells fading downwards."""
    with S.supersample(1):
        c = S.vgradient((w, h), [(0.0, S.NAVY_TOP), (0.6, S.NAVY), (1.0, S.NAVY_DEEP)])
        cells = S.blank(w, h)
        step = 48
        for row in range(h // step + 1):
            for col in range(w // step + 1):
                # A sparse, fixed pattern of filled cells: a nonogram seen from afar.
                if (row * 7 + col * 3 + (row * col) % 5) % 6 == 0:
                    x, y = col * step + 6, row * step + 6
                    S.rrect(cells, (x, y, x + step - 12, y + step - 12), 6)
        fade = S.vramp(w, h, 0, h)
        cells = S.intersect(cells, fade.point(lambda v: 255 - v))
        c = S.paint(c, cells, S.NAVY_TOP, 0.55)
        glow = S.radial(c.size, (w / 2, h * 0.32), w * 0.55, S.rgba(S.TEAL, 60), S.rgba(S.NAVY, 0))
        c = S.Image.alpha_composite(c, glow)
    return c.convert("RGB")


def logo(w, h):
    """The word "Nonogram" in cream on a row of coral and teal cells."""
    c = S.canvas(w, h)
    cells = S.blank(w, h)
    n, size, gap = 9, 26, 6
    x0 = (w - (n * size + (n - 1) * gap)) / 2
    pattern = [1, 0, 1, 1, 0, 1, 1, 1, 0]
    for i, on in enumerate(pattern):
        if on:
            x = x0 + i * (size + gap)
            S.rrect(cells, (x, h - size - 8, x + size, h - 8), 5)
    c = S.drop_shadow(c, cells, 0, 2, 2)
    c = S.paint(c, cells, S.CORAL)
    word = S.text_mask(S.blank(w, h), "Nonogram", w / 2, (h - size - 16) / 2, 78, bold=True)
    c = S.drop_shadow(c, word, 0, 4, 4, S.NAVY_DEEP, 0.6)
    c = S.paint(c, S.grow(word, 3), S.INK)
    c = S.paint(c, word, S.vgradient(c.size, [(0.0, S.WHITE), (1.0, S.PAPER_SHADE)]))
    return S.finish(c, (w, h))


def splash_studio():
    with S.supersample(2):
        c = S.canvas(W, H, S.rgba(S.NAVY_DEEP))
        # An ink drop: a circle under a point.
        m = S.blank(W, H)
        cx, cy, r = W / 2, H / 2 - 70, 42
        S.circle(m, cx, cy, r)
        S.polygon(m, [(cx - r * 0.92, cy - r * 0.38), (cx, cy - r * 2.3), (cx + r * 0.92, cy - r * 0.38)])
        c = S.paint(c, m, S.GOLD)
        word = S.text_mask(S.blank(W, H), "Quiet Ink", W / 2, H / 2 + 40, 64, bold=True)
        c = S.paint(c, word, S.CREAM)
        sub = S.text_mask(S.blank(W, H), "presents", W / 2, H / 2 + 100, 26, bold=False)
        c = S.paint(c, sub, S.GREY_LIGHT)
        return S.finish(c, (W, H)).convert("RGB")


def splash_title():
    c = backdrop(W, H).convert("RGBA")
    mark = logo(620, 170)
    c.alpha_composite(mark, ((W - 620) // 2, 234 - 85))
    with S.supersample(2):
        t = S.canvas(W, H)
        hint = S.text_mask(S.blank(W, H), "Picture puzzles, one cell at a time", W / 2, 372, 28, bold=False)
        t = S.paint(t, hint, S.CREAM, 0.9)
        t = S.finish(t, (W, H))
    c.alpha_composite(t)
    return c.convert("RGB")


def dialog(w, h):
    return S.finish(S.panel(w, h, 22, S.PAPER, S.PAPER_SHADE, S.PAPER_RIM, rim_px=3, margin=10, shadow=0.55),
                    (w, h))


def greeting(w, h):
    return S.finish(S.panel(w, h, 20, S.PAPER, S.PAPER_SHADE, S.PAPER_RIM, rim_px=2.5, margin=8, shadow=0.5),
                    (w, h))


def name_field(w, h):
    c = S.canvas(w, h)
    m = S.rrect(S.blank(w, h), (2, 2, w - 2, h - 2), 10)
    c = S.paint(c, m, S.PAPER_RIM)
    inner = S.shrink(m, 2)
    c = S.paint(c, inner, S.WHITE)
    shade = S.intersect(inner, S.vramp(w, h, 0, h * 0.4).point(lambda v: 255 - v))
    c = S.paint(c, shade, S.PAPER_SHADE, 0.6)
    return S.finish(c, (w, h))


def ear_tile():
    """A seamless 64 x 64 tile for the letterbox margins: the backdrop's navy with a quiet
    diagonal weave."""
    n = 64
    img = S.Image.new("RGB", (n, n), S.NAVY_DEEP)
    px = img.load()
    for y in range(n):
        for x in range(n):
            t = 0.5 + 0.5 * math.sin(2 * math.pi * (x + y) / n) * math.sin(2 * math.pi * (x - y) / n)
            px[x, y] = S.mix(S.NAVY_DEEP, S.NAVY, 0.35 * t)
    return img


def ear_line():
    """An 8 px wide edge that lies against the game area: a gold thread on a dark rim."""
    img = S.Image.new("RGBA", (8, 8), S.rgba(S.NAVY_DEEP))
    px = img.load()
    for y in range(8):
        for x in range(8):
            if x in (3, 4):
                px[x, y] = S.rgba(S.GOLD_DARK)
            elif x in (2, 5):
                px[x, y] = S.rgba(S.mix(S.GOLD_DARK, S.NAVY_DEEP, 0.6))
    return img


def main():
    out(SPLASH, "studio.png", splash_studio())
    out(SPLASH, "title.png", splash_title())
    out(SCREENS, "win_title_back.png", backdrop(W, H))
    out(SCREENS, "win_title_logo.png", logo(620, 170))
    out(SCREENS, "win_button_coral.png", S.button_strip(260, 72, S.CORAL))
    out(SCREENS, "win_button_teal.png", S.button_strip(260, 72, S.TEAL))
    out(SCREENS, "win_button_small_coral.png", S.button_strip(180, 64, S.CORAL))
    out(SCREENS, "win_button_small_teal.png", S.button_strip(180, 64, S.TEAL))
    S.save_nine(dialog(520, 280), SCREENS, "win_dialog")
    S.save_nine(greeting(460, 96), SCREENS, "win_greeting")
    out(SCREENS, "win_name_field.png", name_field(320, 52))
    out(SCREENS, "win_fade.png", S.Image.new("RGB", (8, 8), S.WHITE))
    # Beside data.xml: the decorations load while the configuration is read, before the
    # resource list mounts the other groups.
    out(DATA, "ear_tile.png", ear_tile())
    out(DATA, "ear_line.png", ear_line())


if __name__ == "__main__":
    main()
