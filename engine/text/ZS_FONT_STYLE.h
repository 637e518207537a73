#pragma once
#include <string>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"

namespace ZOR
{
class ZC_FONT;
class ZC_FONT_MANAGER;

// How a screen or list item names the font it draws with, from the attributes "fntName"
// (required), "fntColor" (hexadecimal 0xAARRGGBB) and "fntHotSpot" ("HS_UL" ... "HS_DR").
// The drawing code sets the font's colour and alignment from it, then prints.
struct ZS_FONT_STYLE
{
    ZC_FONT* font = nullptr; // the manager's, not owned
    std::string fontName;
    ZS_COLOR color;          // opaque white
    int hotSpot = 0;         // as a freshly loaded font's alignment: top left

    ZS_FONT_STYLE() = default;
    ZS_FONT_STYLE(pugi::xml_node element, ZC_FONT_MANAGER* manager);

    // Reads the attributes that are present and looks the font up; true when it exists.
    // Nothing changes without an element, a manager or "fntName".
    bool fLoad(pugi::xml_node element, ZC_FONT_MANAGER* manager);
};
}
