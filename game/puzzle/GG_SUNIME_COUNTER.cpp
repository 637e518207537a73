#include "game/puzzle/GG_SUNIME_COUNTER.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/text/ZC_FONT.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"

using namespace ZOR;

namespace game
{
bool GG_SUNIME_COUNTER::fLoadXml(pugi::xml_node element)
{
    loaded = false;
    if (!element || !style.fLoad(element, fGetPuzzleShell().fonts))
        return false;
    pugi::xml_attribute pos = element.attribute("pos");
    if (!pos)
        return false;
    position.fParse(pos.value());
    // The font adds its own offsets to the place, in whole pixels.
    if (!fIsPixel(position.x) || !fIsPixel(position.y))
        return false;
    loaded = true;
    return true;
}

void GG_SUNIME_COUNTER::fDraw()
{
    if (!loaded || !style.font)
        return;
    style.font->fSetColor(style.color.fToPacked());
    style.font->alignment = style.hotSpot;
    style.font->fPrint(position.x, position.y, L"%i", value);
}
}
