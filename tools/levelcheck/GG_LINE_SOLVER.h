#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace game
{
class GG_PICTURE;

// Solves a nonogram by line logic: every row and column in turn gets each cell that all
// placements of its clue agree on (given the cells already known), until nothing changes.
// A grid solved this way has exactly one solution, and a player can reach it without
// guessing. For grids that line logic leaves open, a search that also tries both values of
// an open cell tells a second solution apart from a unique one that needs guessing.
class GG_LINE_SOLVER
{
public:
    enum CELL : uint8_t
    {
        UNKNOWN = 0,
        FILLED = 1,
        EMPTY = 2,
    };

    enum RESULT
    {
        SOLVED,        // every cell known
        STUCK,         // line logic stops with open cells
        CONTRADICTION, // some line has no placement: the clues have no solution
    };

    enum VERDICT
    {
        LINE_SOLVABLE,      // unique, reached by line logic alone
        NEEDS_GUESSING,     // unique, but line logic stops short of it
        SEVERAL_SOLUTIONS,  // two or more solutions
        NO_SOLUTION,        // the clues contradict each other
        UNDECIDED,          // the search gave up at its node limit
    };

    // Clues as lengths of runs; an empty clue is a line without picture cells.
    void fSetClues(const std::vector<std::vector<int>>& rowClues, const std::vector<std::vector<int>>& columnClues);
    void fSetPicture(const GG_PICTURE& picture);

    // Line logic from an empty grid.
    RESULT fSolve();
    // The full verdict: line logic, then (when it stops short) a search for up to two
    // solutions of at most nodeLimit branches.
    VERDICT fJudge(long nodeLimit = 200000);
    // The verdict in words, for reports.
    static const char* fDescribe(VERDICT verdict);

    int fGetColumns() const { return columns; }
    int fGetRows() const { return rows; }
    // Cells after the last solve, row by row (UNKNOWN, FILLED or EMPTY); after fJudge they
    // are those line logic reached, whatever the search found.
    const std::vector<uint8_t>& fGetCells() const { return cells; }
    int fCountUnknown() const;

    // One line on its own: narrows the known cells of line[0..length) by the clue; false
    // when no placement of the clue fits them (the line is then left as it was).
    bool fSolveLine(const int* clue, int clueCount, uint8_t* line, int length);

private:
    RESULT fPropagate();
    void fQueueLine(int line);
    int fSearch(int limit, long nodeLimit, long* nodes);

    int columns = 0;
    int rows = 0;
    std::vector<std::vector<int>> clues; // rows first, then columns
    std::vector<uint8_t> cells;

    // Lines waiting to be looked at again (rows 0..rows-1, then the columns): a ring of one
    // place per line, since a line waits at most once.
    std::vector<int> queue;
    size_t queueHead = 0;
    size_t queueSize = 0;
    std::vector<uint8_t> queued;

    // Scratch of fSolveLine, sized once for the longest line so that solving allocates nothing.
    std::vector<uint8_t> lineBuffer;
    std::vector<uint8_t> prefix;
    std::vector<uint8_t> suffix;
    std::vector<int> emptyBefore;
    std::vector<int> cover;
    std::vector<uint8_t> canEmpty;
};
}
