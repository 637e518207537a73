#include "game/puzzle/GG_PROCESS.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/core/ZC_RANDOM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace game
{
const char* const PROCESS_NUMBERS_FILE = "data/share/main/GameProcess numbers.xml";

pugi::xml_document* fGetGameProcessXml(const char* name)
{
    if (!zcREPOSITORY || !name)
        return nullptr;
    if (pugi::xml_document* document = zcREPOSITORY->fGetXml(name))
        return document;
    // The file's own name holds a blank, so "group file" cannot name it inside the group
    // "data/share/main"; its own name alone is looked up in every group.
    const char* slash = std::strrchr(name, '/');
    return slash ? zcREPOSITORY->fGetXml(slash + 1) : nullptr;
}

namespace
{
// [0, n) from the engine's generator; 0 without one.
int fDrawIndex(size_t n)
{
    const int i = zcRANDOM ? zcRANDOM->fRangeInt(0, int(n)) : 0;
    return i >= 0 && size_t(i) < n ? i : 0;
}

float fPlaneDistance(const ZS_VECTOR3& a, const ZS_VECTOR3& b)
{
    const float dx = a.x - b.x, dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}
}

GG_PROCESS::GG_PROCESS(GG_GAMEPLAY* aowner) : owner(aowner)
{
}

GG_PROCESS::~GG_PROCESS()
{
    fClear();
}

bool GG_PROCESS::fStart(pugi::xml_node cellList, const GG_LEVEL_SETTINGS* asettings)
{
    sweepRunning = false;
    sweepBots.fDeleteAll();
    settings = asettings;
    // The level screen clears before every start; a grid left over would mix two levels.
    if (!cells.empty())
        fClear();
    startError.clear();
    if (!settings)
    {
        startError = "no level settings";
        return false;
    }
    if (!fLoadNumbers() || !fBuildGrid(cellList))
        return false;
    fPlaceBonuses();
    clues.fBuildClues(&cells, settings->gridSize);
    rowStrip.fBindClues(clues.fGetRowLines());
    columnStrip.fBindClues(clues.fGetColumnLines());
    return true;
}

bool GG_PROCESS::fLoadNumbers()
{
    pugi::xml_document* document = fGetGameProcessXml(PROCESS_NUMBERS_FILE);
    if (!document)
    {
        startError = std::string("\"") + PROCESS_NUMBERS_FILE + "\" is missing";
        return false;
    }
    const GG_LEVEL_SETTINGS& s = *settings;
    const pugi::xml_node root = document->document_element();
    const bool loaded =
        rowStrip.fLoadXml(root.child("numbersLeft"), s.blockShift.y, int(s.cellSize.y), s.gridSize.y, s.blockSize.y) &&
        columnStrip.fLoadXml(root.child("numbersUp"), s.blockShift.x, int(s.cellSize.x), s.gridSize.x, s.blockSize.x);
    if (loaded)
    {
        rowStrip.fSetPosition(int(s.topLeft.x), int(s.topLeft.y));
        columnStrip.fSetPosition(int(s.topLeft.x), int(s.topLeft.y));
    }
    else
        startError = std::string("\"") + PROCESS_NUMBERS_FILE +
                     "\" lacks \"numbersLeft\" or \"numbersUp\" or one of their attributes";
    zcREPOSITORY->fReleaseXml(document);
    return loaded;
}

bool GG_PROCESS::fBuildGrid(pugi::xml_node cellList)
{
    if (!cellList)
    {
        startError = "the level has no cell list \"gElements\"";
        return false;
    }
    const GG_LEVEL_SETTINGS& s = *settings;
    const int columns = s.gridSize.x, rows = s.gridSize.y;
    // A grid without room, or whose cell list would leave positions without a cell or cells
    // without a position, cannot be played: it is refused before anything is built.
    if (columns <= 0 || rows <= 0 || !(s.cellSize.x > 0.0f) || !(s.cellSize.y > 0.0f) || s.blockSize.x < 0 ||
        s.blockSize.y < 0)
    {
        startError = "the level's grid " + std::to_string(columns) + " x " + std::to_string(rows) +
                     " (cells, blocks or cell size) leaves no room";
        return false;
    }
    const uint64_t expected = uint64_t(columns) * uint64_t(rows);
    uint64_t count = 0, pictures = 0;
    for (pugi::xml_node child = cellList.first_child(); child; child = child.next_sibling())
    {
        if (child.type() != pugi::node_element)
            continue;
        ++count;
        if (child.attribute("type").as_int() == CELL_PICTURE)
            ++pictures;
    }
    if (count != expected)
    {
        startError = "the level's cell list holds " + std::to_string(count) + " cells for a grid of " +
                     std::to_string(columns) + " x " + std::to_string(rows);
        return false;
    }
    // Without a picture cell the level could never be won, and its progress would be 0 / 0.
    if (pictures == 0)
    {
        startError = "the level has no picture cell";
        return false;
    }

    cells.reserve(size_t(expected));
    pictureCells.reserve(size_t(pictures));
    openedPictureCells.reserve(size_t(pictures));
    const float w = s.cellSize.x, h = s.cellSize.y;
    const float startX = s.innerCorner.x + w * 0.5f;
    float x = startX, y = s.innerCorner.y + h * 0.5f;
    int row = 0, column = 0;
    for (pugi::xml_node child = cellList.first_child(); child; child = child.next_sibling())
    {
        if (child.type() != pugi::node_element)
            continue;
        const int kind = child.attribute("type").as_int();
        auto* cell = new GG_ELEMENT(kind, row, column);
        cell->fSetSize(s.cellSize);
        cell->fSetPosition(ZS_VECTOR2(x, y));
        cells.push_back(cell);
        if (kind == CELL_PICTURE)
            pictureCells.push_back(cell);
        ++column;
        // Block gaps as the level's layout has them (a negative shift widens the grid).
        if (s.blockSize.x != 0 && column % s.blockSize.x == 0)
            x -= float(s.blockShift.x);
        x += w;
        if (column == columns)
        {
            ++row;
            x = startX;
            if (s.blockSize.y != 0 && row % s.blockSize.y == 0)
                y -= float(s.blockShift.y);
            y += h;
            column = 0;
        }
    }
    return true;
}

void GG_PROCESS::fPlaceBonuses()
{
    if (pictureCells.empty() || !settings)
        return;
    candidates = pictureCells;
    for (unsigned placed = 0; placed < settings->bonuses && !candidates.empty(); ++placed)
    {
        const int i = fDrawIndex(candidates.size());
        candidates[size_t(i)]->fSetBonus(true);
        candidates.erase(candidates.begin() + i);
    }
    candidates.clear();
}

void GG_PROCESS::fSetOpenAnimation(const G_ANIMATION& animation)
{
    for (GG_ELEMENT* cell : pictureCells)
        cell->fSetOpenAnimation(animation);
}

void GG_PROCESS::fClear()
{
    ++clears;
    for (GG_ELEMENT* cell : cells)
        delete cell;
    cells.clear();
    pictureCells.clear();
    openedPictureCells.clear();
    line.clear();
    candidates.clear();
    clues.fClear();
    sweepBots.fDeleteAll();
}

void GG_PROCESS::fLoadResources()
{
    if (settings)
        for (GG_ELEMENT* cell : cells)
            cell->fLoadResources(*settings);
    rowStrip.fLoadResources();
    columnStrip.fLoadResources();
}

void GG_PROCESS::fUnloadResources()
{
    for (GG_ELEMENT* cell : cells)
        cell->fUnloadResources();
    columnStrip.fUnloadResources();
    rowStrip.fUnloadResources();
}

GG_ELEMENT* GG_PROCESS::fGetCell(int row, int column) const
{
    if (cells.empty() || !settings)
        return nullptr;
    const int columns = settings->gridSize.x, rows = settings->gridSize.y;
    if (row < 0 || column < 0 || row >= rows || column >= columns)
        return nullptr;
    const size_t index = size_t(column) + size_t(row) * size_t(columns);
    return index < cells.size() ? cells[index] : nullptr;
}

void GG_PROCESS::fGetLine(int startRow, int startColumn, int row, int column, std::vector<GG_ELEMENT*>& out) const
{
    out.clear();
    if (!settings)
        return;
    const int64_t dr = int64_t(row) - startRow, dc = int64_t(column) - startColumn;
    const bool alongColumn = std::llabs(dc) < std::llabs(dr);
    const int from = alongColumn ? startRow : startColumn;
    const int to = alongColumn ? row : column;
    const int size = alongColumn ? settings->gridSize.y : settings->gridSize.x;
    const int step = to >= from ? 1 : -1;
    // Only the stretch inside the grid holds cells: the walk keeps to it, however far the
    // current position lies outside.
    int64_t first = from, last = to;
    if (step > 0)
    {
        first = std::max<int64_t>(first, 0);
        last = std::min<int64_t>(last, size - 1);
    }
    else
    {
        first = std::min<int64_t>(first, size - 1);
        last = std::max<int64_t>(last, 0);
    }
    for (int64_t i = first; step > 0 ? i <= last : i >= last; i += step)
    {
        GG_ELEMENT* cell = alongColumn ? fGetCell(int(i), startColumn) : fGetCell(startRow, int(i));
        if (cell)
            out.push_back(cell);
    }
}

std::vector<GG_ELEMENT*> GG_PROCESS::fGetLine(int startRow, int startColumn, int row, int column) const
{
    std::vector<GG_ELEMENT*> out;
    fGetLine(startRow, startColumn, row, column, out);
    return out;
}

bool GG_PROCESS::fApplyLine(int startRow, int startColumn, int row, int column, bool fill)
{
    fGetLine(startRow, startColumn, row, column, line);
    const unsigned clearsBefore = clears;
    float delay = 0.0f;
    for (GG_ELEMENT* cell : line)
    {
        if (cell->fIsSolved())
            continue;
        const int result = fill ? cell->fFill(delay) : cell->fCross(delay);
        const bool picture = cell->fIsPicture();
        if (picture)
            openedPictureCells.push_back(cell);
        const char* sound = nullptr;
        if (result == JUDGED_RIGHT)
        {
            sound = picture ? "fulltileclick" : "emptytileclick";
            if (owner)
                owner->fOnCorrectCell(cell);
        }
        else if (result == JUDGED_WRONG)
        {
            sound = "errorclick";
            if (owner)
                owner->fOnMistake(cell);
        }
        // A hook that left the level has taken the grid, this cell included, with it.
        if (clears != clearsBefore)
            return true;
        if (sound)
        {
            clues.fAutoCross(cell->row, cell->column);
            if (delay == 0.0f)
                fPlayPuzzleSound(sound);
            cell->revealSound = sound;
        }
        delay += revealStep;
    }
    if (owner && clears == clearsBefore)
        owner->fCheckWin();
    return true;
}

GG_ELEMENT* GG_PROCESS::fPickHintCell()
{
    candidates.clear();
    for (GG_ELEMENT* cell : pictureCells)
        if (!cell->fIsSolved() && !cell->blocked)
            candidates.push_back(cell);
    if (candidates.empty())
        return nullptr;
    GG_ELEMENT* picked = candidates[size_t(fDrawIndex(candidates.size()))];
    candidates.clear();
    return picked;
}

float GG_PROCESS::fGetProgress() const
{
    if (pictureCells.empty())
        return 0.0f;
    return float(openedPictureCells.size()) / float(pictureCells.size());
}

float GG_PROCESS::fStartWinSweep(float speed, const ZS_CALLBACK* onEnd)
{
    sweepRunning = true;
    for (GG_ELEMENT* cell : pictureCells)
        cell->openStarted = false;
    // A sweep already under way would move the segment twice as fast.
    sweepBots.fDeleteAll();
    const ZS_VECTOR2 corner = settings ? settings->innerCorner : ZS_VECTOR2();
    const int size = settings ? std::max(settings->pixelSize.x, settings->pixelSize.y) : 0;
    const int half = size / 2;
    // A segment through the inner corner, across the grid's main diagonal, moved along it.
    sweepA.fSetPosition(corner.x + float(half), corner.y - float(half), 0.0f);
    sweepB.fSetPosition(corner.x - float(half), corner.y + float(half), 0.0f);
    // A speed that is not above 0 (or not a number) would never arrive: the moves then take
    // the one second they take when given neither a duration nor a speed.
    const bool moving = speed > 0.0f && std::isfinite(speed);
    const float duration = moving ? 0.0f : 1.0f;
    const float moveSpeed = moving ? speed : 0.0f;
    const float distance = float(size);
    sweepBots.fAdd(fCreateBotMoveOn(&sweepA, duration, moveSpeed, distance, distance, 0.0f, 0.0f));
    ZC_BOT_MOVE_ON* last = fCreateBotMoveOn(&sweepB, duration, moveSpeed, distance, distance, 0.0f, 0.0f);
    if (onEnd)
        last->fMessage(zcMESSAGE_SET_CALLBACK, 0.0f, 0.0f, 0.0f, const_cast<ZS_CALLBACK*>(onEnd));
    sweepBots.fAdd(last);
    if (!moving)
        return 1.0f;
    return std::sqrt(distance * distance + distance * distance) / speed;
}

bool GG_PROCESS::fIsOnSweepLine(const GG_ELEMENT& cell) const
{
    const ZS_VECTOR3& p = cell.transform.position;
    const float ab = fPlaneDistance(sweepA.position, sweepB.position);
    return fPlaneDistance(sweepA.position, p) + fPlaneDistance(p, sweepB.position) <= 1.005f * ab;
}

int GG_PROCESS::fUpdate()
{
    rowStrip.fUpdate();
    columnStrip.fUpdate();
    if (sweepRunning)
    {
        sweepBots.fUpdate();
        for (GG_ELEMENT* cell : pictureCells)
            if (!cell->openAnimation.fIsPlaying() && !cell->openStarted && fIsOnSweepLine(*cell))
            {
                cell->openAnimation.fStart(0.0f);
                cell->openStarted = true;
            }
    }
    for (GG_ELEMENT* cell : cells)
        cell->fUpdate();
    return 0;
}

void GG_PROCESS::fDrawCells()
{
    for (GG_ELEMENT* cell : cells)
        cell->fDrawFilled();
    for (GG_ELEMENT* cell : cells)
        cell->fDrawCross();
    for (GG_ELEMENT* cell : cells)
        cell->fDrawLock();
    for (GG_ELEMENT* cell : cells)
        cell->fDrawOpenAnimation();
    // During the sweep the opening cells lie over everything else of the grid.
    if (sweepRunning)
        for (GG_ELEMENT* cell : cells)
            cell->fDrawOpenAnimation();
}

void GG_PROCESS::fDraw()
{
    fDrawCells();
    rowStrip.fDraw();
    columnStrip.fDraw();
    rowStrip.fDrawCrossAnimations();
    columnStrip.fDrawCrossAnimations();
}

void GG_PROCESS::fSetCellsBlocked(bool blocked)
{
    for (GG_ELEMENT* cell : cells)
        cell->blocked = blocked;
}

ZS_POINT GG_PROCESS::fMakeFirstOpenCellBonus()
{
    for (GG_ELEMENT* cell : pictureCells)
        if (!cell->fIsSolved())
        {
            cell->fSetBonus(true);
            return ZS_POINT(cell->row, cell->column);
        }
    return ZS_POINT(-1, -1);
}
}
