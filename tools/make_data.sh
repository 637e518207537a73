#!/usr/bin/env bash
# Re-makes the default data set in Resources/: the level files and the XML data (byte for byte
# the same on every run), every generated font, sound and picture, then
# the contact sheets and mock-ups of the picture kit in build/ (kit.png, kit_screens.png,
# mock_level.png, mock_menu.png, mock_lists.png), the kit's table (build/art_table.md) and the
# levels' solutions at a glance (build/contact_sheet.png).
# The XML files come out byte for byte the same on every run; PNG and Ogg files depend on the
# versions of Pillow, FreeType, sox and libvorbis.
set -euo pipefail
cd "$(dirname "$0")/.."
py=/usr/bin/python3
mkdir -p build
"$py" tools/make_levels.py
"$py" tools/make_shell_data.py
"$py" tools/make_strings.py
"$py" tools/make_fonts.py
"$py" tools/make_sounds.py
"$py" tools/make_gui_art.py build/art_table.md
"$py" tools/make_level_data.py
"$py" tools/make_shell_art.py
"$py" tools/make_level_hud_art.py
"$py" tools/make_level_hud_data.py
"$py" tools/make_level_windows_art.py
"$py" tools/make_lists_art.py
"$py" tools/make_players_art.py
"$py" tools/make_shop_art.py
"$py" tools/make_tutorial_art.py
"$py" tools/make_tutorial_data.py
"$py" tools/art/kit_sheet.py build
"$py" tools/art/mockups.py build
"$py" tools/contact_sheet.py build/contact_sheet.png
