#pragma once
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/core/ZS_POINT.h"
#include "framework/G_ANIMATION.h"
#include "game/puzzle/GG_NUMBERCROSS.h"

namespace ZOR
{
class ZC_FONT;
}

namespace game
{
// The clue numbers beside the grid: the row strip left of it (each row's numbers running
// leftwards from the grid, the last clue nearest), the column strip above it (each column's
// numbers running upwards). A number shows the crossed colour once the clue model crossed it,
// after a cross animation started on it in the frame that first draws it crossed.
class GG_NUMBER_STRIP
{
public:
    enum
    {
        COLUMNS = 0, // "numbersUp"
        ROWS = 1,    // "numbersLeft"
    };

    explicit GG_NUMBER_STRIP(int orientation);
    ~GG_NUMBER_STRIP();
    GG_NUMBER_STRIP(const GG_NUMBER_STRIP&) = delete;
    GG_NUMBER_STRIP& operator=(const GG_NUMBER_STRIP&) = delete;

    // The layout values, then the attributes "font", "font_color", "font_cross", "interval"
    // and "shift_first" (all required) and the cross animation of the same element. False
    // without the element or at the first missing attribute (what was read before stays).
    bool fLoadXml(pugi::xml_node element, int blockShift, int cellSize, int lineCount, int blockSize);
    // The grid's top-left corner.
    void fSetPosition(int x, int y) { origin = ZOR::ZS_VECTOR2(float(x), float(y)); }
    // The clue model's lines for this strip; running cross animations are dropped.
    void fBindClues(GG_CLUE_LINES* lines);
    // The font of that name from the shell's font manager, and the cross animation's texture.
    void fLoadResources();
    void fUnloadResources();
    void fUpdate();
    // The numbers; nothing without a font or without lines.
    void fDraw();
    // Every running cross animation, each at its own transform.
    void fDrawCrossAnimations();

    int fGetRunningCount() const { return int(running.size()); }

    int orientation;
    ZOR::ZC_FONT* font = nullptr;
    GG_CLUE_LINES* lines = nullptr;
    std::vector<ZOR_GF::G_ANIMATION*> running; // owned, in the order they started
    ZOR::ZS_COLOR crossedColor{0xFFFFFFFFu};
    ZOR::ZS_COLOR normalColor{0xFFFFCC00u};
    std::string fontName;
    ZOR_GF::G_ANIMATION crossTemplate;
    ZOR::ZS_VECTOR2 firstOffset; // "shift_first"
    int interval = 10;
    ZOR::ZS_VECTOR2 origin;
    int blockShift = 0;
    int cellSize = 0;
    int lineCount = 0;
    int blockSize = 0;

private:
    void fDrawNumbers(bool rows);
    void fDropAnimations();
};
}
