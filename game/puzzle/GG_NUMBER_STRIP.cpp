#include "game/puzzle/GG_NUMBER_STRIP.h"

#include <cmath>
#include <cstdlib>

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/text/ZC_FONT.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
GG_NUMBER_STRIP::GG_NUMBER_STRIP(int aorientation) : orientation(aorientation)
{
}

GG_NUMBER_STRIP::~GG_NUMBER_STRIP()
{
    fDropAnimations();
}

void GG_NUMBER_STRIP::fDropAnimations()
{
    for (G_ANIMATION* animation : running)
        delete animation;
    running.clear();
}

bool GG_NUMBER_STRIP::fLoadXml(pugi::xml_node element, int ablockShift, int acellSize, int alineCount,
                               int ablockSize)
{
    if (!element)
        return false;
    blockShift = ablockShift;
    cellSize = acellSize;
    lineCount = alineCount;
    blockSize = ablockSize;

    pugi::xml_attribute a = element.attribute("font");
    if (!a)
        return false;
    fontName = a.value();
    if (!(a = element.attribute("font_color")))
        return false;
    normalColor = fParseHexColor(a.value());
    if (!(a = element.attribute("font_cross")))
        return false;
    crossedColor = fParseHexColor(a.value());
    if (!(a = element.attribute("interval")))
        return false;
    interval = a.as_int();
    if (!(a = element.attribute("shift_first")))
        return false;
    firstOffset.fParse(a.value());
    // Numbers are placed in whole pixels: offsets beyond any screen would overflow them.
    if (std::abs(interval) > 4096 || !std::isfinite(firstOffset.x) || !std::isfinite(firstOffset.y) ||
        std::fabs(firstOffset.x) > 4096.0f || std::fabs(firstOffset.y) > 4096.0f)
        return false;
    // One numbers file serves every cell size: below "font_small_below" pixels a cell is too
    // narrow for two digits of the usual font side by side, and "font_small" takes over.
    if (pugi::xml_attribute small = element.attribute("font_small"))
        if (cellSize < element.attribute("font_small_below").as_int())
            fontName = small.value();
    crossTemplate.fLoadXml(element);
    return true;
}

void GG_NUMBER_STRIP::fBindClues(GG_CLUE_LINES* alines)
{
    lines = alines;
    fDropAnimations();
}

void GG_NUMBER_STRIP::fLoadResources()
{
    ZC_FONT_MANAGER* fonts = fGetPuzzleShell().fonts;
    font = fonts ? fonts->fGetFont(fontName) : nullptr;
    crossTemplate.fLoadTexture();
}

void GG_NUMBER_STRIP::fUnloadResources()
{
    crossTemplate.fUnloadTexture();
}

void GG_NUMBER_STRIP::fUpdate()
{
    for (G_ANIMATION* animation : running)
        animation->fUpdate();
}

void GG_NUMBER_STRIP::fDraw()
{
    if (!font || !lines)
        return;
    fDrawNumbers(orientation == ROWS);
}

void GG_NUMBER_STRIP::fDrawNumbers(bool rows)
{
    const int savedAlignment = font->alignment;
    font->alignment = HS_MID;
    // Along the lines (down the rows, across the columns) and out from the grid.
    int along = rows ? int(origin.y + firstOffset.y) : int(origin.x + firstOffset.x);
    const int outFrom = rows ? int(origin.x - firstOffset.x) : int(origin.y - firstOffset.y);
    for (int i = 0; i < lineCount; ++i)
    {
        // Before every block's first line, row 0 included, as the cells do.
        if (blockSize != 0 && i % blockSize == 0)
            along -= blockShift;
        int out = outFrom;
        if (size_t(i) < lines->size())
        {
            GG_CLUE_LINE& clues = (*lines)[size_t(i)];
            // The last clue nearest the grid.
            for (size_t j = clues.size(); j-- > 0;)
            {
                GG_CLUE& clue = clues[j];
                const int x = rows ? out : along, y = rows ? along : out;
                font->fSetColor((clue.shownCrossed ? crossedColor : normalColor).fToPacked());
                font->fPrint(x, y, L"%i", int(clue.length));
                if (clue.newlyCrossed)
                {
                    auto* animation = new G_ANIMATION(crossTemplate);
                    animation->transform->position += ZS_VECTOR3(float(x), float(y), 0.0f);
                    animation->fStart(0.0f);
                    running.push_back(animation);
                    clue.newlyCrossed = false;
                    clue.shownCrossed = true;
                }
                out -= interval;
            }
        }
        along += cellSize;
    }
    font->alignment = savedAlignment;
}

void GG_NUMBER_STRIP::fDrawCrossAnimations()
{
    for (G_ANIMATION* animation : running)
        static_cast<ZC_MESH*>(animation)->fDraw();
}
}
