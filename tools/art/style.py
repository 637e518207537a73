"""The one look of the game's pictures: palette, supersampled shape drawing, panels, pressable
buttons and colour treatments. Every picture script draws through this module, so a change of
palette or bevel here changes the whole kit at once.

Shapes are drawn as masks ('L' images) at SS times the final size and shrunk at the end, which
gives smooth edges without relying on Pillow's own anti-aliasing. Coordinates given to the
helpers are in final pixels (floats are fine); the helpers scale them.
"""
import math
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SS = 4

# ---------------------------------------------------------------- palette
INK = (43, 45, 66)
INK_SOFT = (92, 95, 125)
PAPER = (253, 246, 228)
PAPER_SHADE = (241, 228, 200)
PAPER_RIM = (200, 176, 136)
PAPER_DEEP = (226, 206, 168)
NAVY_TOP = (52, 56, 122)
NAVY = (33, 36, 84)
NAVY_DEEP = (18, 20, 50)
CORAL = (255, 126, 92)
CORAL_LIGHT = (255, 172, 140)
CORAL_DARK = (206, 78, 56)
CORAL_DEEP = (150, 50, 40)
TEAL = (38, 176, 163)
TEAL_LIGHT = (118, 222, 204)
TEAL_DARK = (22, 124, 117)
TEAL_DEEP = (12, 82, 80)
GOLD = (255, 200, 58)
GOLD_LIGHT = (255, 238, 150)
GOLD_DARK = (212, 136, 18)
GOLD_DEEP = (150, 88, 10)
RED = (232, 72, 94)
RED_LIGHT = (255, 140, 150)
RED_DARK = (168, 36, 60)
GREEN = (104, 194, 110)
GREEN_DARK = (50, 130, 70)
CREAM = (255, 246, 229)
GREY = (166, 168, 182)
GREY_DARK = (110, 112, 128)
GREY_LIGHT = (214, 215, 224)
WHITE = (255, 255, 255)

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
FONT_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
FONT_REGULAR = os.path.join(FONT_DIR, "DejaVuSans.ttf")


class supersample:
    """Runs a block at another supersampling factor (large pictures use less)."""

    def __init__(self, n):
        self.n = n

    def __enter__(self):
        global SS
        self.old, SS = SS, self.n

    def __exit__(self, *exc):
        global SS
        SS = self.old


def rgba(color, alpha=255):
    return tuple(color[:3]) + (int(alpha),)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighten(c, t):
    return mix(c, WHITE, t)


def darken(c, t):
    return mix(c, (0, 0, 0), t)


def grey_of(c):
    v = int(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2])
    return (v, v, v)


# ---------------------------------------------------------------- masks

def blank(w, h):
    """An empty supersampled mask for a w x h picture."""
    return Image.new("L", (int(round(w * SS)), int(round(h * SS))), 0)


def _s(v):
    return v * SS


def _box(box):
    x0, y0, x1, y1 = box
    return [_s(x0), _s(y0), _s(x1) - 1, _s(y1) - 1]


def rrect(mask, box, r, value=255):
    ImageDraw.Draw(mask).rounded_rectangle(_box(box), radius=max(0, _s(r)), fill=value)
    return mask


def ellipse(mask, box, value=255):
    ImageDraw.Draw(mask).ellipse(_box(box), fill=value)
    return mask


def circle(mask, cx, cy, r, value=255):
    return ellipse(mask, (cx - r, cy - r, cx + r, cy + r), value)


def polygon(mask, pts, value=255):
    ImageDraw.Draw(mask).polygon([(_s(x), _s(y)) for x, y in pts], fill=value)
    return mask


def stroke(mask, pts, width, value=255, closed=False, caps=True):
    """A polyline with round joins and (optionally) round caps."""
    pts = [(_s(x), _s(y)) for x, y in pts]
    if closed:
        pts = pts + [pts[0], pts[1]]
    d = ImageDraw.Draw(mask)
    d.line(pts, fill=value, width=int(round(_s(width))), joint="curve")
    if caps:
        r = _s(width) / 2.0
        for x, y in (pts[0], pts[-1]):
            d.ellipse([x - r, y - r, x + r, y + r], fill=value)
    return mask


def arc(mask, cx, cy, r, start, end, width, value=255, caps=True):
    """An arc of the circle (degrees, 0 = right, clockwise as on screen) drawn as a stroke."""
    steps = max(8, int(abs(end - start) / 4))
    pts = [(cx + r * math.cos(math.radians(start + (end - start) * i / steps)),
            cy + r * math.sin(math.radians(start + (end - start) * i / steps))) for i in range(steps + 1)]
    return stroke(mask, pts, width, value, caps=caps)


def ring(mask, cx, cy, r, width, value=255):
    ImageDraw.Draw(mask).ellipse([_s(cx - r), _s(cy - r), _s(cx + r), _s(cy + r)], outline=value,
                                 width=int(round(_s(width))))
    return mask


def text_mask(mask, text, cx, cy, size, bold=True, anchor="mm", stroke_width=0):
    font = ImageFont.truetype(FONT_BOLD if bold else FONT_REGULAR, int(round(_s(size))))
    ImageDraw.Draw(mask).text((_s(cx), _s(cy)), text, font=font, fill=255, anchor=anchor,
                              stroke_width=int(round(_s(stroke_width))), stroke_fill=255)
    return mask


def star_points(cx, cy, r_out, r_in, n=5, rot=-90.0):
    pts = []
    for i in range(n * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def rounded_polygon(mask, pts, corner, value=255):
    """A polygon whose corners are rounded by about the given radius: a smaller copy filled and
    stroked with round joins."""
    cx = sum(p[0] for p in pts) / len(pts)
    cy = sum(p[1] for p in pts) / len(pts)
    polygon(mask, pts, value)
    stroke(mask, pts, corner * 2, value, closed=True, caps=False)
    return mask


def heart_points(cx, cy, size, steps=120):
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((cx + x * size / 34.0, cy + (y + 2.5) * size / 34.0))
    return pts


def clue_runs(line):
    """The clue numbers of a picture line ("#" filled): its runs, or [0] for an empty line."""
    out, n = [], 0
    for ch in line + ".":
        if ch == "#":
            n += 1
        elif n:
            out.append(n)
            n = 0
    return out or [0]


# ---------------------------------------------------------------- mask algebra

def union(*masks):
    out = masks[0]
    for m in masks[1:]:
        out = ImageChops.lighter(out, m)
    return out


def subtract(a, b):
    return ImageChops.subtract(a, b)


def intersect(a, b):
    return ImageChops.multiply(a, b)


def scale_mask(m, factor):
    return m.point(lambda v: int(v * factor))


def grow(m, px):
    """Dilates a mask by about px final pixels (rounded corners)."""
    if px <= 0:
        return m
    return m.filter(ImageFilter.GaussianBlur(_s(px) / 2.0)).point(lambda v: 255 if v > 8 else 0)


def shrink(m, px):
    if px <= 0:
        return m
    return m.filter(ImageFilter.GaussianBlur(_s(px) / 2.0)).point(lambda v: 255 if v > 247 else 0)


def shift(img, dx, dy):
    out = Image.new(img.mode, img.size, 0 if img.mode == "L" else (0, 0, 0, 0))
    out.paste(img, (int(round(_s(dx))), int(round(_s(dy)))))
    return out


def blur(m, px):
    return m.filter(ImageFilter.GaussianBlur(_s(px))) if px > 0 else m


def vramp(w, h, y0=0.0, y1=None):
    """A mask that runs from 255 at y0 to 0 at y1 (final pixels)."""
    y1 = h if y1 is None else y1
    col = Image.new("L", (1, int(round(h * SS))))
    for y in range(col.size[1]):
        t = (y / SS - y0) / max(1e-6, (y1 - y0))
        col.putpixel((0, y), int(255 * min(1.0, max(0.0, 1.0 - t))))
    return col.resize((int(round(w * SS)), col.size[1]))


# ---------------------------------------------------------------- layers

def canvas(w, h, color=(0, 0, 0, 0)):
    return Image.new("RGBA", (int(round(w * SS)), int(round(h * SS))), color)


def solid(size, color):
    return Image.new("RGBA", size, rgba(color))


def as_rgba(c):
    return tuple(c) if len(c) == 4 else tuple(c) + (255,)


def vgradient(size, stops):
    """An RGBA image of the given (supersampled) size: stops are (t, colour) from top to bottom;
    colours may carry an alpha."""
    w, h = size
    stops = [(t, as_rgba(c)) for t, c in stops]
    col = Image.new("RGBA", (1, h))
    for y in range(h):
        t = y / max(1, h - 1)
        c = stops[-1][1]
        for i in range(len(stops) - 1):
            a, b = stops[i], stops[i + 1]
            if a[0] <= t <= b[0]:
                u = (t - a[0]) / max(1e-6, b[0] - a[0])
                c = tuple(int(round(a[1][k] + (b[1][k] - a[1][k]) * u)) for k in range(4))
                break
        col.putpixel((0, y), c)
    return col.resize((w, h))


def radial(size, center, radius, inner, outer):
    """A radial gradient image (supersampled size, centre and radius in final pixels)."""
    w, h = size
    small = (max(1, w // 8), max(1, h // 8))
    img = Image.new("RGBA", small)
    cx, cy, r = _s(center[0]) / 8, _s(center[1]) / 8, _s(radius) / 8
    inner, outer = as_rgba(inner), as_rgba(outer)
    px = img.load()
    for y in range(small[1]):
        for x in range(small[0]):
            t = min(1.0, math.hypot(x - cx, y - cy) / max(1e-6, r))
            px[x, y] = tuple(int(round(inner[i] + (outer[i] - inner[i]) * t)) for i in range(4))
    return img.resize((w, h), Image.BILINEAR)


def paint(base, mask, fill, alpha=1.0):
    """Composites fill (a colour or an RGBA image of the base's size) through the mask."""
    if isinstance(fill, tuple):
        layer = Image.new("RGBA", base.size, rgba(fill))
        if len(fill) == 4:
            mask = ImageChops.multiply(mask, Image.new("L", base.size, fill[3]))
    else:
        layer = fill.copy()
        mask = ImageChops.multiply(mask, layer.getchannel("A"))
    if alpha < 1.0:
        mask = scale_mask(mask, alpha)
    layer.putalpha(mask)
    return Image.alpha_composite(base, layer)


def drop_shadow(base, mask, dx=0.0, dy=3.0, radius=3.0, color=NAVY_DEEP, alpha=0.45):
    m = blur(shift(mask, dx, dy), radius)
    return paint(base, m, color, alpha)


def glow(base, mask, radius, color, alpha=0.6):
    return paint(base, blur(grow(mask, radius * 0.3), radius), color, alpha)


def finish(img, size=None):
    """Shrinks a supersampled canvas to its final size and bleeds colour into transparent texels,
    so that filtering at half-pixel positions darkens no edge."""
    if size is None:
        size = (img.size[0] // SS, img.size[1] // SS)
    out = img.resize(size, Image.LANCZOS)
    return bleed(out)


def bleed(img, passes=3):
    alpha = img.getchannel("A")
    if alpha.getextrema()[0] == 255:
        return img
    filled = alpha.point(lambda a: 255 if a > 0 else 0)
    if filled.getextrema()[1] == 0:
        return img
    rgb = img.convert("RGB")
    for _ in range(passes):
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            moved_rgb = Image.new("RGB", rgb.size)
            moved_rgb.paste(rgb, (dx, dy))
            moved_mask = Image.new("L", rgb.size, 0)
            moved_mask.paste(filled, (dx, dy))
            take = ImageChops.subtract(moved_mask, filled)
            rgb = Image.composite(moved_rgb, rgb, take)
            filled = ImageChops.lighter(filled, moved_mask)
    out = rgb.convert("RGBA")
    out.putalpha(alpha)
    return out


def save(img, path):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    if img.mode == "RGBA" and img.getchannel("A").getextrema()[0] == 255:
        img = img.convert("RGB")
    img.save(path, optimize=True)
    return img


NINE = ["ul", "up", "ur", "lt", "mid", "rt", "dl", "dn", "dr"]


def nine_pieces(img):
    """A panel cut into the nine pieces of a nine-piece frame that draws it again to the pixel
    at its own size: left and right columns as wide as the picture changes across, two-pixel
    middle columns repeated across (every column between them is the same), and no row
    stretched (top and bottom halves, two middle rows). Returns the pieces in NINE's order."""
    w, h = img.size
    mid = w // 2
    column = img.crop((mid, 0, mid + 1, h)).tobytes()
    left = mid
    while left > 0 and img.crop((left - 1, 0, left, h)).tobytes() == column:
        left -= 1
    right = mid
    while right < w - 1 and img.crop((right + 1, 0, right + 2, h)).tobytes() == column:
        right += 1
    side = max(left, w - 1 - right)
    if w - 2 * side < 2:
        raise ValueError("the panel changes across its whole width: no nine-piece frame draws it")
    top = (h - 2) // 2
    xs = [(0, side), (side, side + 2), (w - side, w)]
    ys = [(0, top), (top, top + 2), (top + 2, h)]
    return [img.crop((x0, y0, x1, y1)) for (y0, y1) in ys for (x0, x1) in xs]


def save_nine(img, folder, name):
    """A panel saved as the nine pieces of its frame: folder/name_ul.png ... name_dr.png."""
    for piece, part in zip(NINE, nine_pieces(img)):
        save(part, os.path.join(folder, "%s_%s.png" % (name, piece)))


def strip(frames):
    """Frames side by side, left to right (the widgets' frame strips)."""
    w, h = frames[0].size
    out = Image.new("RGBA", (w * len(frames), h), (0, 0, 0, 0))
    for i, f in enumerate(frames):
        out.paste(f, (i * w, 0))
    return out


def sheet(frames, cols):
    w, h = frames[0].size
    rows = (len(frames) + cols - 1) // cols
    out = Image.new("RGBA", (w * cols, h * rows), (0, 0, 0, 0))
    for i, f in enumerate(frames):
        out.paste(f, ((i % cols) * w, (i // cols) * h))
    return out


# ---------------------------------------------------------------- treatments

def gem(w, h, mask, light, mid, dark, rim, gloss=0.35, shadow=0.4, rim_px=None):
    """A full-colour shape: shadow, dark rim, body shaded light to dark, glossy top."""
    rim_px = max(1.0, min(w, h) / 22.0) if rim_px is None else rim_px
    c = canvas(w, h)
    if shadow:
        c = drop_shadow(c, mask, 0, max(1.0, h / 30.0), max(1.0, h / 30.0), NAVY_DEEP, shadow)
    c = paint(c, mask, rim)
    body = shrink(mask, rim_px)
    c = paint(c, body, vgradient(c.size, [(0.0, light), (0.45, mid), (1.0, dark)]))
    if gloss:
        top = intersect(shrink(body, rim_px * 0.6), vramp(w, h, h * 0.05, h * 0.55))
        c = paint(c, top, WHITE, gloss)
    return c


def flat(w, h, mask, color, shadow=0.35, shadow_dy=None):
    """A single-colour glyph with a soft drop shadow (icons on buttons)."""
    c = canvas(w, h)
    if shadow:
        c = drop_shadow(c, mask, 0, max(1.0, h / 24.0) if shadow_dy is None else shadow_dy,
                        max(0.8, h / 40.0), NAVY_DEEP, shadow)
    return paint(c, mask, color)


def panel(w, h, r, top, bottom, rim, rim_px=2.0, margin=0.0, shadow=0.4, inner_light=0.5, texture=None):
    """A rounded panel filling the picture minus the margin: soft shadow, darker rim, body
    gradient, light inner top edge."""
    c = canvas(w, h)
    m = rrect(blank(w, h), (margin, margin, w - margin, h - margin - (margin * 0.5 if shadow else 0)), r)
    if shadow:
        c = drop_shadow(c, m, 0, max(1.5, margin * 0.45), max(1.5, margin * 0.5), NAVY_DEEP, shadow)
    c = paint(c, m, rim)
    body = shrink(m, rim_px)
    c = paint(c, body, vgradient(c.size, [(0.0, top), (1.0, bottom)]))
    if texture is not None:
        c = paint(c, intersect(body, texture), WHITE, 1.0)
    if inner_light:
        edge = subtract(body, shift(body, 0, 1.5))
        c = paint(c, edge, WHITE, inner_light)
    return c


BUTTON_STATES = ("normal", "hover", "pressed", "selected", "disabled")


def button_face(w, h, base, state, r=None, lip=6.0, margin=4.0, shape="rrect"):
    """One frame of a pressable button: face with a light top edge on a darker lip, over a soft
    shadow. Pressed frames sink onto the lip; disabled frames turn grey and fade. Answers the
    canvas and the face's box (final pixels) for what is drawn on it."""
    if state == "disabled":
        base = mix(grey_of(base), GREY, 0.5)
    if state == "hover":
        base = lighten(base, 0.12)
    light, dark = lighten(base, 0.28), darken(base, 0.12)
    lip_col, rim = darken(base, 0.38), darken(base, 0.5)
    # Some room above the face keeps its middle near the frame's, where a centred label sits.
    top = margin * 0.6 + lip * 0.5
    bottom = h - margin
    sink = lip * 0.8 if state == "pressed" else 0.0
    fh = bottom - top - lip
    r = fh / 2.0 if r is None else r

    def box(y0):
        if shape == "circle":
            d = min(w - 2 * margin, fh)
            return (w / 2.0 - d / 2, y0, w / 2.0 + d / 2, y0 + d)
        return (margin, y0, w - margin, y0 + fh)

    def body(y0):
        if shape == "circle":
            return ellipse(blank(w, h), box(y0))
        return rrect(blank(w, h), box(y0), r)

    c = canvas(w, h)
    under = body(top + lip)
    if state != "pressed":
        c = drop_shadow(c, under, 0, 1.5, 2.0, NAVY_DEEP, 0.45)
    c = paint(c, under, rim)
    c = paint(c, shrink(under, 1.0), lip_col)
    face = body(top + sink)
    c = paint(c, face, rim)
    inner = shrink(face, 1.2)
    if state == "pressed":
        grad = [(0.0, darken(base, 0.1)), (1.0, lighten(base, 0.05))]
    else:
        grad = [(0.0, light), (0.55, base), (1.0, dark)]
    c = paint(c, inner, vgradient(c.size, grad))
    if state != "pressed":
        edge = subtract(inner, shift(inner, 0, 2.0))
        c = paint(c, edge, WHITE, 0.55)
        gloss = intersect(shrink(inner, 2.0), vramp(w, h, top, top + fh * 0.5))
        c = paint(c, gloss, WHITE, 0.18)
    if state == "selected":
        c = paint(c, subtract(grow(face, 2.5), face), GOLD_LIGHT, 0.9)
    if state == "disabled":
        c.putalpha(c.getchannel("A").point(lambda a: int(a * 0.7)))
    return c, box(top + sink)


def button_strip(w, h, base, icon=None, icon_color=CREAM, **kw):
    """The five frames of a push button (normal, hover, pressed, selected, disabled), with an
    optional icon drawn on the face: a function (w, h, face box) -> mask."""
    frames = []
    for state in BUTTON_STATES:
        c, face = button_face(w, h, base, state, **kw)
        if icon is not None:
            col = mix(icon_color, GREY_LIGHT, 0.5) if state == "disabled" else icon_color
            m = icon(w, h, face)
            c = drop_shadow(c, m, 0, 1.2, 0.8, darken(base, 0.6), 0.55)
            c = paint(c, m, col)
        frames.append(finish(c, (w, h)))
    return strip(frames)


def label_font(size, bold=True):
    return ImageFont.truetype(FONT_BOLD if bold else FONT_REGULAR, size)
