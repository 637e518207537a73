#include "game/puzzle/GG_NUMBERCROSS.h"

#include <algorithm>

#include "game/puzzle/GG_ELEMENT.h"

using namespace ZOR;

namespace game
{
// One row or column of the grid: position i of the line is the cell at first + i x stride.
struct GG_NUMBERCROSS::ZS_LINE
{
    const std::vector<GG_ELEMENT*>* cells = nullptr;
    size_t first = 0;
    size_t stride = 1;
    int length = 0; // positions in the line
    bool isRow = true;

    // None outside the line or past the end of the list.
    GG_ELEMENT* fCell(int i) const
    {
        if (!cells || i < 0 || i >= length)
            return nullptr;
        const size_t index = first + size_t(i) * stride;
        return index < cells->size() ? (*cells)[index] : nullptr;
    }
};

GG_NUMBERCROSS::ZS_LINE GG_NUMBERCROSS::fRow(int row) const
{
    ZS_LINE line;
    if (row < 0 || row >= gridSize.y || gridSize.x <= 0)
        return line;
    line.cells = cells;
    line.first = size_t(row) * size_t(gridSize.x);
    line.stride = 1;
    line.length = gridSize.x;
    return line;
}

GG_NUMBERCROSS::ZS_LINE GG_NUMBERCROSS::fColumn(int column) const
{
    ZS_LINE line;
    if (column < 0 || column >= gridSize.x || gridSize.y <= 0)
        return line;
    line.cells = cells;
    line.first = size_t(column);
    line.stride = size_t(gridSize.x);
    line.length = gridSize.y;
    line.isRow = false;
    return line;
}

GG_ELEMENT* GG_NUMBERCROSS::fGetCell(int row, int column) const
{
    if (column < 0 || column >= gridSize.x)
        return nullptr;
    return fRow(row).fCell(column);
}

void GG_NUMBERCROSS::fBuildClues(const std::vector<GG_ELEMENT*>* acells, ZS_POINT agridSize)
{
    cells = acells;
    gridSize = agridSize;
    const int width = std::max(gridSize.x, 0), height = std::max(gridSize.y, 0);
    rowClues.assign(size_t(height), GG_CLUE_LINE());
    columnClues.assign(size_t(width), GG_CLUE_LINE());

    for (int r = 0; r < height; ++r)
        fBuildLineClues(fRow(r), true, r, width, rowClues[size_t(r)]);
    for (int c = 0; c < width; ++c)
        fBuildLineClues(fColumn(c), false, c, height, columnClues[size_t(c)]);
}

// A clue spans start..end along the line; the line's own index fixes the other axis.
static void fPlaceClue(GG_CLUE& clue, bool isRow, int index, int start, int end)
{
    if (isRow)
    {
        clue.rowStart = clue.rowEnd = index;
        clue.columnStart = start;
        clue.columnEnd = end;
    }
    else
    {
        clue.columnStart = clue.columnEnd = index;
        clue.rowStart = start;
        clue.rowEnd = end;
    }
}

// isRow is passed apart from the line: an empty line built for a zero-sized grid is a row.
void GG_NUMBERCROSS::fBuildLineClues(const ZS_LINE& line, bool isRow, int index, int count,
                                     GG_CLUE_LINE& clues)
{
    bool inRun = false;
    for (int i = 0; i < count; ++i)
    {
        const GG_ELEMENT* cell = line.fCell(i);
        if (!cell || !cell->fIsPicture())
        {
            inRun = false;
            continue;
        }
        if (inRun)
        {
            GG_CLUE& last = clues.back();
            ++last.length;
            ++(isRow ? last.columnEnd : last.rowEnd);
            continue;
        }
        GG_CLUE clue;
        fPlaceClue(clue, isRow, index, i, i);
        clue.length = 1;
        clues.push_back(clue);
        inRun = true;
    }
    if (clues.empty())
    {
        GG_CLUE zero;
        fPlaceClue(zero, isRow, index, 0, count - 1);
        clues.push_back(zero);
    }
}

void GG_NUMBERCROSS::fClear()
{
    rowClues.clear();
    columnClues.clear();
}

GG_CLUE* GG_NUMBERCROSS::fUniqueMax(GG_CLUE_LINE& clues)
{
    if (clues.empty())
        return nullptr;
    if (clues.size() == 1)
        return &clues[0];
    size_t best = 0;
    for (size_t i = 1; i < clues.size(); ++i)
        if (uint32_t(clues[i].length) > uint32_t(clues[best].length))
            best = i;
    for (size_t i = 0; i < clues.size(); ++i)
        if (i != best && clues[i].length == clues[best].length)
            return nullptr;
    return &clues[best];
}

GG_CLUE* GG_NUMBERCROSS::fGetUniqueMaxRowClue(int row)
{
    if (row < 0 || size_t(row) >= rowClues.size())
        return nullptr;
    return fUniqueMax(rowClues[size_t(row)]);
}

GG_CLUE* GG_NUMBERCROSS::fGetUniqueMaxColumnClue(int column)
{
    if (column < 0 || size_t(column) >= columnClues.size())
        return nullptr;
    return fUniqueMax(columnClues[size_t(column)]);
}

bool GG_NUMBERCROSS::fIsSegmentSolved(const ZS_LINE& line, unsigned start, unsigned end) const
{
    unsigned pictures = 0, solved = 0;
    // Positions past the line have no cell: the walk may stop there.
    for (unsigned i = start; i <= end && i < unsigned(line.length); ++i)
    {
        const GG_ELEMENT* cell = line.fCell(int(i));
        if (!cell)
            continue;
        if (cell->fIsPicture())
        {
            if (!cell->fIsSolved())
                return false;
            ++pictures;
        }
        if (cell->fIsSolved())
            ++solved;
    }
    if (pictures > 0)
        return true;
    // Unsigned, so a range with start = end + 1 holds 0 positions and counts as solved.
    return solved == end - start + 1u;
}

bool GG_NUMBERCROSS::fIsRowSegmentSolved(int row, unsigned start, unsigned end) const
{
    return fIsSegmentSolved(fRow(row), start, end);
}

bool GG_NUMBERCROSS::fIsColumnSegmentSolved(int column, unsigned start, unsigned end) const
{
    return fIsSegmentSolved(fColumn(column), start, end);
}

// One cell of a free-run count; a missing cell leaves both as they are.
static void fCountFreeCell(const GG_ELEMENT* cell, int& current, int& best)
{
    if (!cell)
        return;
    if (!cell->fIsSolved())
        ++current;
    else if (cell->fIsPicture())
    {
        // The cell beside an open picture cell cannot start or end another run.
        best = std::max(best, current - 1);
        current = -1;
    }
    else
    {
        best = std::max(best, current);
        current = 0;
    }
}

int GG_NUMBERCROSS::fLongestFreeRun(const ZS_LINE& line, int start, int end) const
{
    int current = 0, best = 0;
    for (int i = std::max(start, 0); i <= end && i < line.length; ++i)
        fCountFreeCell(line.fCell(i), current, best);
    return std::max(current, best);
}

int GG_NUMBERCROSS::fLongestFreeRun(int rowStart, int rowEnd, int columnStart, int columnEnd) const
{
    // Current and best carry on from one row to the next; the callers pass one line.
    int current = 0, best = 0;
    for (int r = rowStart; r <= rowEnd; ++r)
        for (int c = columnStart; c <= columnEnd; ++c)
            fCountFreeCell(fGetCell(r, c), current, best);
    return std::max(current, best);
}

bool GG_NUMBERCROSS::fLacksRoomBeside(const ZS_LINE& line, int start, int end, int length) const
{
    // After the run, leaving out the cell next to it.
    if (unsigned(start + length + 1) > unsigned(line.length - 1))
        return true;
    if (fLongestFreeRun(line, start + length + 1, line.length - 1) < length)
        return true;
    // Before the run, likewise; a negative end means there is no room at all.
    if (unsigned(end - length - 1) > 1000u)
        return true;
    return fLongestFreeRun(line, 0, end - length - 1) < length;
}

bool GG_NUMBERCROSS::fRowClueLacksRoomBeside(const GG_CLUE& clue) const
{
    return fLacksRoomBeside(fRow(clue.rowStart), clue.columnStart, clue.columnEnd, clue.length);
}

bool GG_NUMBERCROSS::fColumnClueLacksRoomBeside(const GG_CLUE& clue) const
{
    return fLacksRoomBeside(fColumn(clue.columnStart), clue.rowStart, clue.rowEnd, clue.length);
}

bool GG_NUMBERCROSS::fCrossLine(const ZS_LINE& line, GG_CLUE_LINE& clues) const
{
    if (line.length <= 0)
        return false;
    if (fIsSegmentSolved(line, 0, unsigned(line.length - 1)))
    {
        for (GG_CLUE& clue : clues)
            if (!clue.crossed)
                clue.crossed = clue.newlyCrossed = true;
        return false;
    }
    const bool isRow = line.isRow;
    GG_CLUE* unique = fUniqueMax(clues);
    const size_t n = clues.size();
    bool changed = false;
    for (size_t i = 0; i < n; ++i)
    {
        GG_CLUE& clue = clues[i];
        if (clue.crossed)
            continue;
        const int start = isRow ? clue.columnStart : clue.rowStart;
        const int end = isRow ? clue.columnEnd : clue.rowEnd;
        if (!fIsSegmentSolved(line, unsigned(start), unsigned(end)))
            continue;
        // Flags change in place: a clue crossed earlier in this pass is a crossed neighbour.
        const GG_CLUE* previous = i > 0 ? &clues[i - 1] : nullptr;
        const GG_CLUE* next = i + 1 < n ? &clues[i + 1] : nullptr;
        bool cross = &clue == unique || (previous && previous->crossed) || (next && next->crossed);
        if (!cross)
        {
            const bool roomMatters = !previous || !next || uint32_t(previous->length) < uint32_t(clue.length) ||
                                     uint32_t(next->length) < uint32_t(clue.length);
            // The room test walks the line: only when its answer can decide.
            cross = roomMatters && fLacksRoomBeside(line, start, end, clue.length);
        }
        if (cross)
        {
            clue.crossed = clue.newlyCrossed = true;
            changed = true;
        }
    }
    return changed;
}

bool GG_NUMBERCROSS::fAutoCross(int row, int column)
{
    for (;;)
    {
        bool changed = false;
        if (row >= 0 && size_t(row) < rowClues.size())
            changed = fCrossLine(fRow(row), rowClues[size_t(row)]);
        if (column >= 0 && size_t(column) < columnClues.size())
            changed = fCrossLine(fColumn(column), columnClues[size_t(column)]) || changed;
        if (!changed)
            return false;
    }
}
}
