"""Where the picture scripts write, and the list of what they wrote (file, size, layout) that
make_gui_art.py prints as the kit's table."""
import os

import style as S

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
RESOURCES = os.path.join(ROOT, "Resources")
GROUPS = {
    "gui": "data/share/image/gui",
    "level": "data/share/image/level",
    "screens": "data/share/image/screens",
    "packs": "data/share/image/packs",
}

MANIFEST = []


def out(group, name, img, layout="single picture"):
    """Saves a picture into its resource group and records it."""
    path = os.path.join(RESOURCES, GROUPS[group], name)
    img = S.save(img, path)
    MANIFEST.append((GROUPS[group], name, img.size, layout))
    return img


def write_text(relpath, text):
    """Writes a text file of the data set byte for byte (UTF-8, LF)."""
    path = os.path.join(RESOURCES, relpath)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def table():
    lines = ["| group | file | size (px) | layout |", "|---|---|---|---|"]
    for group, name, size, layout in MANIFEST:
        lines.append("| %s | %s | %dx%d | %s |" % (group, name, size[0], size[1], layout))
    return "\n".join(lines) + "\n"
