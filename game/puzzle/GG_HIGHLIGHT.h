#pragma once
#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/core/ZS_POINT.h"
#include "framework/G_SPRITE.h"

namespace ZOR
{
class ZC_FONT;
}

namespace game
{
// The row and column bars crossing at the cell under the pointer; it also holds the font,
// colour and offset of the selection count the level screen prints.
class GG_HIGHLIGHT
{
public:
    GG_HIGHLIGHT();

    // The ambient file's "highlight": "vertical", "horisontal", "font", "font_color" and
    // "shift", all required, read in that order; false at the first missing one.
    bool fLoadXml(pugi::xml_node element);
    void fSetCellSize(const ZOR::ZS_VECTOR2& size);
    void fSetGridSize(const ZOR::ZS_POINT& size);
    // Row bar as wide as the grid and one cell high, column bar one cell wide and as high as
    // the grid, each texture repeated at its own scale.
    void fLayout();
    // The grid's top-left corner: where both bars start.
    void fSetOrigin(const ZOR::ZS_VECTOR2& origin);
    // The hovered cell's centre: the row bar's y and the column bar's x.
    void fSetCell(const ZOR::ZS_VECTOR2& centre);
    void fSetVisible(bool value) { visible = value; }
    bool fIsVisible() const { return visible; }
    // When visible: the row bar, then the column bar.
    void fDraw();
    void fLoadResources();
    void fUnloadResources();

    ZOR::ZC_FONT* fGetFont() const { return font; }
    ZOR::ZS_COLOR fGetFontColor() const { return fontColor; }
    ZOR::ZS_POINT fGetShift() const { return shift; }
    ZOR_GF::G_SPRITE& fGetRowBar() { return horizontal; }
    ZOR_GF::G_SPRITE& fGetColumnBar() { return vertical; }

private:
    bool visible = false;
    ZOR::ZS_POINT gridSize;
    ZOR::ZS_VECTOR2 cellSize;
    ZOR::ZS_POINT shift;
    ZOR_GF::G_SPRITE horizontal;
    ZOR_GF::G_SPRITE vertical;
    ZOR::ZC_FONT* font = nullptr;
    ZOR::ZS_COLOR fontColor;
};
}
