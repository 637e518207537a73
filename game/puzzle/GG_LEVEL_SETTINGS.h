#pragma once
#include "engine/core/ZS_POINT.h"
#include "framework/G_ANIMATION.h"
#include "framework/G_SPRITE.h"

namespace game
{
// The running level's layout and skins. The level screen owns it for the whole run and reads
// the level file's "settings" into it at every level start; the solving process, the decor and
// the HUD keep a pointer to it.
struct GG_LEVEL_SETTINGS
{
    ZOR::ZS_VECTOR2 position;   // "position": centre of the grid on screen
    ZOR::ZS_VECTOR2 cellSize;   // "elSize": width and height of one cell
    ZOR::ZS_POINT blockShift;   // "shiftBlock": negative values open gaps between blocks
    ZOR::ZS_POINT blockSize;    // "block": columns and rows of cells per block
    ZOR::ZS_POINT gridSize;     // "grid": columns and rows
    unsigned bonuses = 0;       // "bonuses": bonus cells to place

    // Derived by fUpdateDerived.
    ZOR::ZS_POINT blockCount;   // blocks across and down
    ZOR::ZS_VECTOR2 topLeft;    // top-left corner of the grid area
    ZOR::ZS_VECTOR2 innerCorner; // top-left minus the block shift: where the first cell starts
    ZOR::ZS_POINT pixelSize;    // width and height of the grid area

    ZOR_GF::G_SPRITE blockSprite;   // "settings" child "block"
    ZOR_GF::G_ANIMATION yes;        // cell skin of a filled cell
    ZOR_GF::G_ANIMATION no;         // cell skin of a crossed cell
    ZOR_GF::G_SPRITE locked;        // cell skin of a blocked or fixed cell
    ZOR_GF::G_SPRITE selection;     // "settings" child "selection"
    ZOR_GF::G_SPRITE selectionYes;  // "settings" child "selection_yes"
    ZOR_GF::G_SPRITE selectionNo;   // "settings" child "selection_no"

    // Block count, pixel size and corners from the values read. A block size of 0 leaves that
    // axis's block count as it was.
    void fUpdateDerived();
};
}
