#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tools/levelcheck/GG_LINE_SOLVER.h"
#include "tools/levelcheck/GG_PICTURE.h"

using namespace game;

namespace
{
// Lines and grids are written as text: '#' filled, '.' empty, '?' not known.
std::vector<uint8_t> fCells(const std::string& text)
{
    std::vector<uint8_t> cells;
    for (const char c : text)
        cells.push_back(c == '#' ? GG_LINE_SOLVER::FILLED : c == '.' ? GG_LINE_SOLVER::EMPTY : GG_LINE_SOLVER::UNKNOWN);
    return cells;
}

std::string fText(const std::vector<uint8_t>& cells)
{
    std::string text;
    for (const uint8_t cell : cells)
        text += cell == GG_LINE_SOLVER::FILLED ? '#' : cell == GG_LINE_SOLVER::EMPTY ? '.' : '?';
    return text;
}

std::vector<int> fRuns(const std::vector<uint8_t>& line)
{
    std::vector<int> runs;
    int run = 0;
    for (const uint8_t cell : line)
    {
        if (cell == GG_LINE_SOLVER::FILLED)
            ++run;
        else if (run)
        {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run)
        runs.push_back(run);
    return runs;
}

// Every line of that length, kept when it fits the clue and the known cells; the answer is
// what all kept lines agree on, or "X" when none is kept.
std::string fByEnumeration(const std::vector<int>& clue, const std::string& known)
{
    const int n = int(known.size());
    std::vector<int> agreed(size_t(n), -1); // -1 nothing yet, 0/1 the value so far, 2 both seen
    bool any = false;
    for (unsigned mask = 0; mask < (1u << n); ++mask)
    {
        std::vector<uint8_t> line(static_cast<size_t>(n));
        bool fits = true;
        for (int i = 0; i < n && fits; ++i)
        {
            const bool filled = (mask >> i) & 1u;
            line[size_t(i)] = filled ? GG_LINE_SOLVER::FILLED : GG_LINE_SOLVER::EMPTY;
            fits = known[size_t(i)] == '?' || (known[size_t(i)] == '#') == filled;
        }
        if (!fits || fRuns(line) != clue)
            continue;
        any = true;
        for (int i = 0; i < n; ++i)
        {
            const int value = line[size_t(i)] == GG_LINE_SOLVER::FILLED ? 1 : 0;
            int& seen = agreed[size_t(i)];
            seen = seen == -1 ? value : seen == value ? value : 2;
        }
    }
    if (!any)
        return "X";
    std::string text;
    for (const int seen : agreed)
        text += seen == 1 ? '#' : seen == 0 ? '.' : '?';
    return text;
}

std::string fSolveLine(GG_LINE_SOLVER& solver, const std::vector<int>& clue, const std::string& known)
{
    std::vector<uint8_t> line = fCells(known);
    if (!solver.fSolveLine(clue.data(), int(clue.size()), line.data(), int(line.size())))
    {
        EXPECT_EQ(known, fText(line)) << "a refused line is left as it was";
        return "X";
    }
    return fText(line);
}

GG_PICTURE fPicture(const std::string& rows)
{
    GG_PICTURE picture;
    std::string text = rows;
    for (char& c : text)
        if (c == '|')
            c = '\n';
    EXPECT_TRUE(picture.fReadText(text, nullptr)) << rows;
    return picture;
}

}

TEST(LineSolver, OneLineGetsEveryCellItsPlacementsAgreeOn)
{
    struct CASE
    {
        std::vector<int> clue;
        const char* known;
        const char* expected;
        const char* why;
    };
    const CASE cases[] = {
        {{}, "?????", ".....", "no run: every cell empty"},
        {{5}, "?????", "#####", "a run as long as the line"},
        {{3}, "?????", "??#??", "the overlap of the leftmost and rightmost placement"},
        {{1, 1}, "???", "#.#", "runs that just fit, with their gap"},
        {{2, 2}, "?????", "##.##", "two runs that just fit"},
        {{1, 3}, "??????", "???##?", "one cell of slack"},
        {{2}, "?#???", "?#?..", "a known cell pins the run near it"},
        {{1}, "??#??", "..#..", "the only run is placed, the rest is empty"},
        {{4}, "?.????", "..####", "an empty cell leaves one place for the run"},
        {{1, 1}, "#???#", "#...#", "two filled ends are the two runs"},
        {{3}, "#.#??", "X", "two filled cells a gap apart cannot be one run"},
        {{2, 2}, "????", "X", "the runs are longer than the line"},
        {{}, "??#", "X", "a filled cell in a line without runs"},
        {{1, 1}, "###", "X", "a run too long"},
    };
    GG_LINE_SOLVER solver; // its scratch grows to the lines it is given
    for (const CASE& c : cases)
        EXPECT_EQ(c.expected, fSolveLine(solver, c.clue, c.known)) << c.why;
}

TEST(LineSolver, OneLineAgreesWithEveryPlacementListed)
{
    // Random lines of up to ten cells, with some cells known (rightly or, for contradictions,
    // wrongly), against the intersection of all placements listed one by one.
    std::mt19937 random(20240611u);
    GG_LINE_SOLVER solver;
    int contradictions = 0;
    for (int round = 0; round < 4000; ++round)
    {
        const int n = 1 + int(random() % 10);
        std::vector<uint8_t> truth(static_cast<size_t>(n));
        for (uint8_t& cell : truth)
            cell = random() % 2 ? GG_LINE_SOLVER::FILLED : GG_LINE_SOLVER::EMPTY;
        const std::vector<int> clue = fRuns(truth);
        std::string known;
        for (const uint8_t cell : truth)
        {
            const unsigned pick = random() % 10;
            known += pick < 6 ? '?' : pick < 9 ? (cell == GG_LINE_SOLVER::FILLED ? '#' : '.') : (random() % 2 ? '#' : '.');
        }
        const std::string expected = fByEnumeration(clue, known);
        contradictions += expected == "X";
        ASSERT_EQ(expected, fSolveLine(solver, clue, known)) << "line " << known << " of " << n << " cells";
    }
    EXPECT_GT(contradictions, 100) << "the wrongly known cells should give contradictions too";
}

TEST(LineSolver, PicturesAreJudgedByLineLogicAndSearch)
{
    struct CASE
    {
        const char* rows;
        GG_LINE_SOLVER::VERDICT verdict;
        int openAfterLineLogic;
        const char* why;
    };
    const CASE cases[] = {
        {".#.#.|#####|#####|.###.|..#..", GG_LINE_SOLVER::LINE_SOLVABLE, 0, "a heart: line logic alone"},
        {"#.|.#", GG_LINE_SOLVER::SEVERAL_SOLUTIONS, 4, "two diagonals share every clue"},
        {"#...#|#..#.|.#.#.|##..#", GG_LINE_SOLVER::NEEDS_GUESSING, 8, "one solution behind a guess"},
        {"....|....", GG_LINE_SOLVER::LINE_SOLVABLE, 0, "an empty picture is solved by its 0 clues"},
    };
    for (const CASE& c : cases)
    {
        const GG_PICTURE picture = fPicture(c.rows);
        GG_LINE_SOLVER solver;
        solver.fSetPicture(picture);
        EXPECT_EQ(c.verdict, solver.fJudge()) << c.why;
        EXPECT_EQ(c.openAfterLineLogic, solver.fCountUnknown()) << c.why;
        if (c.verdict == GG_LINE_SOLVER::LINE_SOLVABLE)
        {
            // The solution reached is the picture drawn.
            for (size_t i = 0; i < picture.fGetCells().size(); ++i)
                EXPECT_EQ(picture.fGetCells()[i] != 0, solver.fGetCells()[i] == GG_LINE_SOLVER::FILLED) << c.why;
        }
    }
}

TEST(LineSolver, CluesThatCannotMeetAreAContradiction)
{
    // Two rows of one cell each, two columns of two cells each: three cells too few.
    GG_LINE_SOLVER solver;
    solver.fSetClues({{1}, {1}}, {{2}, {2}});
    EXPECT_EQ(GG_LINE_SOLVER::CONTRADICTION, solver.fSolve());
    EXPECT_EQ(GG_LINE_SOLVER::NO_SOLUTION, solver.fJudge());

    // Each line fits on its own, yet no grid fits them all: found by the search.
    solver.fSetClues({{1}, {1}, {}}, {{1}, {1}, {1}});
    EXPECT_EQ(GG_LINE_SOLVER::NO_SOLUTION, solver.fJudge());
}

TEST(LineSolver, ZeroRunsAreTheEmptyClue)
{
    GG_LINE_SOLVER solver;
    solver.fSetClues({{0}, {2}}, {{1}, {1}});
    EXPECT_EQ(GG_LINE_SOLVER::SOLVED, solver.fSolve());
    EXPECT_EQ("..##", fText(solver.fGetCells()));
}

TEST(Picture, TextPicturesAreReadOrRefusedWithTheLine)
{
    GG_PICTURE picture;
    std::string error;
    ASSERT_TRUE(picture.fReadText("; little boat\n\n#.#\n###\r\n; a note\n.#.\n", &error)) << error;
    EXPECT_EQ("little boat", picture.fGetTitle());
    EXPECT_EQ(3, picture.fGetColumns());
    EXPECT_EQ(3, picture.fGetRows());
    EXPECT_EQ(6, picture.fCountFilled());
    EXPECT_EQ((std::vector<int>{1, 1}), picture.fRowClue(0));
    EXPECT_EQ((std::vector<int>{3}), picture.fRowClue(1));
    EXPECT_EQ((std::vector<int>{2}), picture.fColumnClue(1));
    EXPECT_EQ((std::vector<int>{2}), picture.fColumnClue(2));

    struct CASE
    {
        const char* text;
        const char* error;
    };
    const CASE refused[] = {
        {"##\n###\n", "line 2: row of 3 cells, the rows above have 2"},
        {"#x\n", "line 1: 'x' is neither '#' nor '.'"},
        {"; only a title\n\n", "no rows"},
    };
    for (const CASE& c : refused)
    {
        EXPECT_FALSE(picture.fReadText(c.text, &error)) << c.text;
        EXPECT_EQ(c.error, error);
        EXPECT_EQ(3, picture.fGetColumns()) << "a refused picture keeps the last one read";
    }
}

TEST(Picture, LevelFilesAreReadOrRefused)
{
    const std::string head = R"(<level name="dot"><settings grid="2 2"/><gElements>)";
    GG_PICTURE picture;
    std::string error;
    ASSERT_TRUE(picture.fReadLevelXml(
        head + R"(<cell type="100"/><cell type="101"/><cell type="103"/><cell type="100"/></gElements></level>)",
        &error))
        << error;
    EXPECT_EQ("dot", picture.fGetTitle());
    EXPECT_EQ(2, picture.fCountFilled()) << "a fixed cell is no picture cell";
    EXPECT_TRUE(picture.fIsFilled(1, 1));

    struct CASE
    {
        std::string xml;
        const char* error;
    };
    const CASE refused[] = {
        {head + R"(<cell type="100"/><cell type="101"/><cell type="101"/></gElements></level>)",
         "3 cells for a grid of 2 x 2"},
        {head + R"(<cell type="100"/><cell type="102"/><cell type="101"/><cell type="101"/></gElements></level>)",
         "cell 1 has type 102"},
        {R"(<level><settings grid="0 2"/><gElements/></level>)", "\"grid\" is not two sizes above 0"},
        {R"(<level><settings grid="2"/><gElements/></level>)", "\"grid\" is not two sizes above 0"},
        {R"(<level><gElements/></level>)", "no \"settings\" or no \"gElements\""},
    };
    for (const CASE& c : refused)
    {
        EXPECT_FALSE(picture.fReadLevelXml(c.xml, &error)) << c.xml;
        EXPECT_EQ(c.error, error);
    }
    EXPECT_FALSE(picture.fReadLevelXml("<level><settings", &error));
    EXPECT_EQ(0u, error.find("not XML")) << error;
}
