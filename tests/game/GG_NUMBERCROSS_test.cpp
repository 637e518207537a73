// Clue numbers from a grid's solution, and the automatic crossing of the numbers a player has
// evidently satisfied.
#include "game/puzzle/GG_NUMBERCROSS.h"

#include <gtest/gtest.h>

#include <sstream>

#include "ZT_PUZZLE.h"

using namespace ZOR;
using namespace game;
using namespace ZT_PUZZLE;

namespace
{
// A line's clues as "length@start-end" along the line ("length@start" for one cell), checking
// that the clue stays on its own line.
std::string fDescribe(const GG_CLUE_LINE& clues, int line, bool row)
{
    std::ostringstream out;
    for (const GG_CLUE& clue : clues)
    {
        EXPECT_EQ(row ? clue.rowStart : clue.columnStart, line);
        EXPECT_EQ(row ? clue.rowEnd : clue.columnEnd, line);
        const int start = row ? clue.columnStart : clue.rowStart;
        const int end = row ? clue.columnEnd : clue.rowEnd;
        EXPECT_FALSE(clue.crossed || clue.newlyCrossed || clue.shownCrossed);
        if (out.tellp() > 0)
            out << ' ';
        out << clue.length << '@' << start;
        if (end != start || clue.length == 0)
            out << '-' << end;
    }
    return out.str();
}

std::vector<std::string> fDescribeAll(const GG_CLUE_LINES& lines, bool rows)
{
    std::vector<std::string> all;
    for (size_t i = 0; i < lines.size(); ++i)
        all.push_back(fDescribe(lines[i], int(i), rows));
    return all;
}

// "1 0 1": which clues of the line are crossed, each newly crossed too.
std::string fCrossed(const GG_CLUE_LINE& clues)
{
    std::string flags;
    for (const GG_CLUE& clue : clues)
    {
        EXPECT_EQ(clue.newlyCrossed, clue.crossed);
        flags += flags.empty() ? "" : " ";
        flags += clue.crossed ? '1' : '0';
    }
    return flags;
}

// Judges the cells of row 0 given as "<column><f|c> ...", crossing after each, as the process does.
void fOpen(GG_NUMBERCROSS& clues, ZT_GRID& grid, const std::string& moves, int row = 0)
{
    std::istringstream in(moves);
    int column;
    char tool;
    while (in >> column >> tool)
    {
        GG_ELEMENT* cell = grid.fAt(row, column);
        tool == 'f' ? cell->fFill(0.0f) : cell->fCross(0.0f);
        EXPECT_FALSE(clues.fAutoCross(row, column));
    }
}
}

TEST(ClueModel, CluesOfNonSquareGridsFollowTheRunsWithOneZeroForAnEmptyLine)
{
    {
        ZT_GRID grid({"XXX..X.XX......", "...............", "XXXXXXXXXXXXX.X", "X.X.X.X.X.X.X.X", ".XX.XXX.XXXX...",
                      "..............X", "X..............", "...............", "XX.XX.XX.XX.X..", ".....XXXXX....."});
        GG_NUMBERCROSS clues;
        clues.fBuildClues(&grid.cells, grid.size);
        EXPECT_EQ(fDescribeAll(clues.fGetRowClues(), true),
                  (std::vector<std::string>{"3@0-2 1@5 2@7-8", "0@0-14", "13@0-12 1@14",
                                            "1@0 1@2 1@4 1@6 1@8 1@10 1@12 1@14", "2@1-2 3@4-6 4@8-11", "1@14",
                                            "1@0", "0@0-14", "2@0-1 2@3-4 2@6-7 2@9-10 1@12", "5@5-9"}));
        EXPECT_EQ(fDescribeAll(clues.fGetColumnClues(), false),
                  (std::vector<std::string>{"1@0 2@2-3 1@6 1@8", "1@0 1@2 1@4 1@8", "1@0 3@2-4", "1@2 1@8",
                                            "3@2-4 1@8", "1@0 1@2 1@4 1@9", "3@2-4 2@8-9", "1@0 1@2 2@8-9",
                                            "1@0 3@2-4 1@9", "1@2 1@4 2@8-9", "3@2-4 1@8", "1@2 1@4", "2@2-3 1@8",
                                            "0@0-9", "2@2-3 1@5"}));
    }
    {
        ZT_GRID grid({"XXXXXXX", ".......", "X.....X", ".XXXXX.", "..X.X..", ".......", "XX...XX", "..XXX..",
                      ".X...X.", "X.X.X.X", "...X...", "......."});
        GG_NUMBERCROSS clues;
        clues.fBuildClues(&grid.cells, grid.size);
        EXPECT_EQ(fDescribeAll(clues.fGetRowClues(), true),
                  (std::vector<std::string>{"7@0-6", "0@0-6", "1@0 1@6", "5@1-5", "1@2 1@4", "0@0-6",
                                            "2@0-1 2@5-6", "3@2-4", "1@1 1@5", "1@0 1@2 1@4 1@6", "1@3",
                                            "0@0-6"}));
        EXPECT_EQ(fDescribeAll(clues.fGetColumnClues(), false),
                  (std::vector<std::string>{"1@0 1@2 1@6 1@9", "1@0 1@3 1@6 1@8", "1@0 2@3-4 1@7 1@9",
                                            "1@0 1@3 1@7 1@10", "1@0 2@3-4 1@7 1@9", "1@0 1@3 1@6 1@8",
                                            "1@0 1@2 1@6 1@9"}));
        // Fixed and empty cells alike end a run: only the solution's picture cells count.
        clues.fClear();
        EXPECT_TRUE(clues.fGetRowClues().empty());
        EXPECT_TRUE(clues.fGetColumnClues().empty());
    }
}

TEST(ClueModel, SatisfiedCluesAreCrossedAsThePlayerOpensTheirCells)
{
    const struct
    {
        const char* why;
        const char* row;
        const char* moves;
        const char* crossed;
    } cases[] = {
        {"the 3 alone: the unique longest (nothing fits before it either)", "XXX..X.XX.", "0f 1f 2f", "1 0 0"},
        {"the 1 alone: not the longest, room on both sides, neighbours open", "XXX..X.XX.", "5f", "0 0 0"},
        {"the 3, then the 1 beside a crossed clue", "XXX..X.XX.", "0f 1f 2f 5f", "1 1 0"},
        {"the 2 alone: the last clue, no column left after it", "XXX..X.XX.", "7f 8f", "0 0 1"},
        {"every picture cell: the whole row, whatever the room", "XXX..X.XX.", "5f 0f 1f 7f 2f 8f", "1 1 1"},
        {"the run's last cell opened by the wrong tool counts the same", "XXX..X.XX.", "0f 1f 2c", "1 0 0"},
        {"an empty row's 0 waits for the last of its cells", "..........", "0c 1c 2c 3c 4c 5c 6c 7c 8c", "0"},
        {"an empty row's 0 is crossed once every cell is open", "..........", "0c 1c 2c 3c 4c 5c 6c 7c 8c 9f", "1"},
        {"a single clue as soon as its run is open", "..XX......", "2f 3f", "1"},
        {"2 and 2 with room all round: neither is crossed", "...XX..XX.", "3f 4f", "0 0"},
        {"2 and 2: the first with no room before it", "XX...XX...", "0f 1f", "1 0"},
        {"2 and 2: the second beside the crossed first", "XX...XX...", "0f 1f 5f 6f", "1 1"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        ZT_GRID grid({c.row});
        GG_NUMBERCROSS clues;
        clues.fBuildClues(&grid.cells, grid.size);
        fOpen(clues, grid, c.moves);
        EXPECT_EQ(fCrossed(clues.fGetRowClues()[0]), c.crossed);
    }
}

TEST(ClueModel, CrossingRepeatsWhileARoundCrossesSomething)
{
    // 1, 1, 3 with room for the 1s: only opening the 3 (the unique longest) decides, and the
    // 1s follow in later rounds of the same call.
    ZT_GRID grid({"..X..X..XXX."});
    GG_NUMBERCROSS clues;
    clues.fBuildClues(&grid.cells, grid.size);
    fOpen(clues, grid, "2f 5f 8f 9f");
    EXPECT_EQ(fCrossed(clues.fGetRowClues()[0]), "0 0 0");
    fOpen(clues, grid, "10f");
    EXPECT_EQ(fCrossed(clues.fGetRowClues()[0]), "1 1 1");
}

TEST(ClueModel, OneCellsCrossingLeavesOtherLinesAlone)
{
    ZT_GRID grid({"X.X", "X.X", "..."});
    GG_NUMBERCROSS clues;
    clues.fBuildClues(&grid.cells, grid.size);
    // Row 1 is satisfied, but none of its cells has been through the crossing yet.
    grid.fAt(1, 0)->fFill(0.0f);
    grid.fAt(1, 2)->fFill(0.0f);
    fOpen(clues, grid, "0f", 0);
    EXPECT_EQ(fCrossed(clues.fGetRowClues()[0]), "1 0") << "first clue without room before it";
    EXPECT_EQ(fCrossed(clues.fGetColumnClues()[0]), "1") << "the column's one run is open";
    EXPECT_EQ(fCrossed(clues.fGetRowClues()[1]), "0 0");
    EXPECT_EQ(fCrossed(clues.fGetColumnClues()[2]), "0");
    // A cell of row 1 judged later crosses it.
    grid.fAt(1, 1)->fCross(0.0f);
    clues.fAutoCross(1, 1);
    EXPECT_EQ(fCrossed(clues.fGetRowClues()[1]), "1 1");
    EXPECT_EQ(fCrossed(clues.fGetColumnClues()[2]), "0");
}

TEST(ClueModel, SegmentsFreeRunsAndLongestCluesOverOneLine)
{
    ZT_GRID grid({"XXX..X.XX.", "XX...XX...", ".X........"});
    GG_NUMBERCROSS clues;
    clues.fBuildClues(&grid.cells, grid.size);
    grid.fAt(2, 1)->fFill(0.0f);
    grid.fAt(0, 3)->fCross(0.0f);
    grid.fAt(0, 4)->fCross(0.0f);

    EXPECT_TRUE(clues.fIsRowSegmentSolved(0, 3, 4)) << "every empty cell of the range open";
    EXPECT_FALSE(clues.fIsRowSegmentSolved(0, 9, 9)) << "a closed empty cell";
    EXPECT_FALSE(clues.fIsRowSegmentSolved(0, 0, 4)) << "a closed picture cell";
    EXPECT_TRUE(clues.fIsRowSegmentSolved(2, 1, 1));
    EXPECT_TRUE(clues.fIsRowSegmentSolved(2, 0, 5)) << "its one picture cell is open";
    EXPECT_TRUE(clues.fIsRowSegmentSolved(0, 5, 4)) << "start = end + 1: nothing to open";
    EXPECT_TRUE(clues.fIsRowSegmentSolved(2, 1, 40)) << "positions past the grid are skipped";
    EXPECT_TRUE(clues.fIsColumnSegmentSolved(1, 2, 2));
    EXPECT_FALSE(clues.fIsColumnSegmentSolved(1, 0, 2));

    // Row 2: the open picture cell takes one cell off either side: 0 before it, 7 after.
    EXPECT_EQ(clues.fLongestFreeRun(2, 2, 0, 9), 7);
    EXPECT_EQ(clues.fLongestFreeRun(2, 2, 0, 2), 0) << "cells 0 and 2 both touch it";
    // Row 0: the open empty cells 3-4 split 0-2 from 5-9 without taking anything off.
    EXPECT_EQ(clues.fLongestFreeRun(0, 0, 0, 9), 5);

    EXPECT_EQ(clues.fGetUniqueMaxRowClue(0), &clues.fGetRowLines()->at(0)[0]) << "the 3 of 3, 1, 2";
    EXPECT_EQ(clues.fGetUniqueMaxRowClue(1), nullptr) << "2 and 2";
    EXPECT_EQ(clues.fGetUniqueMaxRowClue(2), &clues.fGetRowLines()->at(2)[0]) << "a single clue";
    EXPECT_EQ(clues.fGetUniqueMaxColumnClue(10), nullptr);
    EXPECT_EQ(clues.fGetCell(3, 0), nullptr);
    EXPECT_EQ(clues.fGetCell(0, -1), nullptr);
    EXPECT_EQ(clues.fGetCell(2, 1), grid.fAt(2, 1));
}

TEST(ClueModel, AShortCellListLeavesTheMissingPositionsWithoutACell)
{
    ZT_GRID grid({"XXXXX", "XX..."});
    for (int i = 0; i < 3; ++i)
    {
        delete grid.cells.back();
        grid.cells.pop_back();
    }
    GG_NUMBERCROSS clues;
    clues.fBuildClues(&grid.cells, ZS_POINT(5, 2));
    EXPECT_EQ(clues.fGetCell(1, 1), grid.cells[6]);
    EXPECT_EQ(clues.fGetCell(1, 2), nullptr) << "past the end of the list";
    EXPECT_EQ(fDescribe(clues.fGetRowClues()[1], 1, true), "2@0-1");
    EXPECT_FALSE(clues.fAutoCross(1, 4));
}
