#include "game/puzzle/GG_HIGHLIGHT.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_HIGHLIGHT::GG_HIGHLIGHT()
{
    horizontal.fSetHotSpot(3, 0.0f, 0.0f);
    vertical.fSetHotSpot(1, 0.0f, 0.0f);
}

bool GG_HIGHLIGHT::fLoadXml(pugi::xml_node element)
{
    if (!element)
        return false;
    pugi::xml_attribute a = element.attribute("vertical");
    if (!a)
        return false;
    vertical.fSetFile(a.value());
    if (!(a = element.attribute("horisontal")))
        return false;
    horizontal.fSetFile(a.value());
    if (!(a = element.attribute("font")))
        return false;
    ZC_FONT_MANAGER* fonts = fGetPuzzleShell().fonts;
    font = fonts ? fonts->fGetFont(a.value()) : nullptr;
    if (!(a = element.attribute("font_color")))
        return false;
    fontColor.fParse(a.value());
    if (!(a = element.attribute("shift")))
        return false;
    shift.fParse(a.value());
    // The numbers stand at a cell centre plus the shift, in whole pixels.
    return fIsPixel(shift.x) && fIsPixel(shift.y);
}

void GG_HIGHLIGHT::fSetCellSize(const ZS_VECTOR2& size)
{
    cellSize = size;
    fLayout();
}

void GG_HIGHLIGHT::fSetGridSize(const ZS_POINT& size)
{
    gridSize = size;
    fLayout();
}

void GG_HIGHLIGHT::fLayout()
{
    horizontal.fSetSize(float(gridSize.x), cellSize.y);
    horizontal.fSetUVToSize();
    vertical.fSetSize(cellSize.x, float(gridSize.y));
    vertical.fSetUVToSize();
}

void GG_HIGHLIGHT::fSetOrigin(const ZS_VECTOR2& origin)
{
    horizontal.transform->position.x = origin.x;
    vertical.transform->position.y = origin.y;
}

void GG_HIGHLIGHT::fSetCell(const ZS_VECTOR2& centre)
{
    horizontal.transform->position.y = centre.y;
    vertical.transform->position.x = centre.x;
}

void GG_HIGHLIGHT::fDraw()
{
    if (!visible)
        return;
    horizontal.fDraw();
    vertical.fDraw();
}

void GG_HIGHLIGHT::fLoadResources()
{
    horizontal.fLoadTexture();
    vertical.fLoadTexture();
    // The repeat needs the textures' own sizes.
    fLayout();
}

void GG_HIGHLIGHT::fUnloadResources()
{
    horizontal.fUnloadTexture();
    vertical.fUnloadTexture();
}
}
