#pragma once
#include <cstdint>
#include <vector>

#include "engine/core/ZS_POINT.h"

namespace game
{
class GG_ELEMENT;

// One clue number: one run of picture cells of a row or a column, tied to where the run lies
// in the solution. A line without picture cells has one clue of length 0 over the whole line.
struct GG_CLUE
{
    int32_t rowStart = 0;
    int32_t rowEnd = 0;
    int32_t columnStart = 0;
    int32_t columnEnd = 0;
    int32_t length = 0;
    bool newlyCrossed = false; // set with crossed; cleared by the strip when it animates the number
    bool shownCrossed = false; // set by the strip: the number takes the crossed colour
    bool crossed = false;      // never cleared during a level
};

// Clues of one line, first to last (left to right, top to bottom).
typedef std::vector<GG_CLUE> GG_CLUE_LINE;
// One line of clues per row or per column.
typedef std::vector<GG_CLUE_LINE> GG_CLUE_LINES;

// Derives the clue numbers of every row and column from the grid's solution and, after each
// judged cell, crosses the numbers the player has evidently satisfied. It draws nothing: the
// number strips read its two line lists. The cell list is the process's, not owned; the cell
// at (row, column) is entry column + row x width.
class GG_NUMBERCROSS
{
public:
    GG_NUMBERCROSS() = default;
    virtual ~GG_NUMBERCROSS() = default;
    GG_NUMBERCROSS(const GG_NUMBERCROSS&) = delete;
    GG_NUMBERCROSS& operator=(const GG_NUMBERCROSS&) = delete;

    // Keeps both and rebuilds every clue from the solution kinds (shown states play no part).
    void fBuildClues(const std::vector<GG_ELEMENT*>* cells, ZOR::ZS_POINT gridSize);
    // Drops every clue and every line; the strips, bound to the two lists, then draw nothing.
    void fClear();
    // Crosses the satisfied clues of the row and the column of a judged cell, round after
    // round while a round crosses something; other lines are left for a cell of their own.
    // The last round is the one that crossed nothing, so the answer is false (nobody uses it).
    bool fAutoCross(int row, int column);

    // None outside the grid, without a cell list, or past the end of a short list.
    GG_ELEMENT* fGetCell(int row, int column) const;
    // The line's longest clue when no other clue of the line is as long; none otherwise.
    GG_CLUE* fGetUniqueMaxRowClue(int row);
    GG_CLUE* fGetUniqueMaxColumnClue(int column);
    // Every picture cell of the range solved, and at least one there; a range without picture
    // cells counts only when every position in it holds a solved cell (an empty range does).
    bool fIsRowSegmentSolved(int row, unsigned start, unsigned end) const;
    bool fIsColumnSegmentSolved(int column, unsigned start, unsigned end) const;
    // The longest stretch of unsolved cells in the rectangle, where a solved picture cell also
    // takes one cell off the stretch on either side of it (a run needs a gap to its neighbour).
    int fLongestFreeRun(int rowStart, int rowEnd, int columnStart, int columnEnd) const;
    // Whether the clue's run could not lie anywhere else: no free stretch of its own length
    // after it, or none before it, each leaving out the cell next to the run.
    bool fRowClueLacksRoomBeside(const GG_CLUE& clue) const;
    bool fColumnClueLacksRoomBeside(const GG_CLUE& clue) const;

    const GG_CLUE_LINES& fGetRowClues() const { return rowClues; }
    const GG_CLUE_LINES& fGetColumnClues() const { return columnClues; }
    GG_CLUE_LINES* fGetRowLines() { return &rowClues; }
    GG_CLUE_LINES* fGetColumnLines() { return &columnClues; }
    ZOR::ZS_POINT fGetGridSize() const { return gridSize; }

private:
    struct ZS_LINE;
    ZS_LINE fRow(int row) const;
    ZS_LINE fColumn(int column) const;
    // The clues of one row or column over its first count positions.
    static void fBuildLineClues(const ZS_LINE& line, bool isRow, int index, int count,
                                GG_CLUE_LINE& clues);
    // One phase of the crossing over one line; true when a clue was crossed by the neighbour,
    // room or longest rules (a whole solved line crosses its clues without counting).
    bool fCrossLine(const ZS_LINE& line, GG_CLUE_LINE& clues) const;
    static GG_CLUE* fUniqueMax(GG_CLUE_LINE& clues);
    bool fIsSegmentSolved(const ZS_LINE& line, unsigned start, unsigned end) const;
    int fLongestFreeRun(const ZS_LINE& line, int start, int end) const;
    bool fLacksRoomBeside(const ZS_LINE& line, int start, int end, int length) const;

    GG_CLUE_LINES rowClues;
    GG_CLUE_LINES columnClues;
    ZOR::ZS_POINT gridSize;
    const std::vector<GG_ELEMENT*>* cells = nullptr;
};
}
