// The solving process: grids it builds and grids it refuses, dragged lines and their judging
// with rippling reveals and the level screen's hooks, bonus cells, hints, progress and the
// win sweep; and one frame of cells read back.
#include "game/puzzle/GG_PROCESS.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>

#include "ZT_PUZZLE.h"
#include "engine/core/ZS_CALLBACK.h"
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZOR;
using namespace game;
using namespace ZT_PUZZLE;

namespace
{
class Process : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zcFRAME_DELTA = 1.0f / 64.0f;
        screen.process = &process;
    }
    void TearDown() override { zcRANDOM = nullptr; }

    // The rows as the level's cell list, 20 x 20 cells in blocks of 5 without gaps, the grid
    // centred on (400, 300).
    bool fStart(const std::vector<std::string>& rows, unsigned bonuses = 0)
    {
        return fStartList(fCellList(rows), ZS_POINT(int(rows[0].size()), int(rows.size())), bonuses);
    }
    bool fStartList(const std::string& list, ZS_POINT grid, unsigned bonuses = 0)
    {
        process.fClear();
        level.reset();
        EXPECT_TRUE(level.load_string(list.c_str()));
        fLayout(&settings, grid, ZS_VECTOR2(20, 20), ZS_POINT(5, 5), ZS_POINT(0, 0), ZS_VECTOR2(400, 300), bonuses);
        return process.fStart(level.first_child(), &settings);
    }

    // "row,column row,column ..."
    static std::string fPlaces(const std::vector<GG_ELEMENT*>& cells)
    {
        std::string text;
        for (const GG_ELEMENT* cell : cells)
            text += (text.empty() ? "" : " ") + std::to_string(cell->row) + "," + std::to_string(cell->column);
        return text;
    }

    ZT_DATA_ROOT data;
    ZC_RANDOM random{0};
    ZT_SOUNDS sounds;
    GG_LEVEL_SETTINGS settings;
    pugi::xml_document level;
    ZT_LEVEL_SCREEN screen;
    GG_PROCESS process{&screen};
};

const std::vector<std::string> kTen = {"XXXXXXXXXX", "X........X", "X.XX..XX.X", "X........X", "XXXXXXXXXX",
                                       "..........", "X.X.X.X.X.", ".X.X.X.X.X", "XX..XX..XX", "#########X"};
}

TEST(LevelLayout, BlockCountPixelSizeAndCornersFollowFromTheLevelsSettings)
{
    const struct
    {
        ZS_POINT grid, block, shift;
        ZS_POINT blockCount, pixelSize;
        ZS_VECTOR2 topLeft, inner;
    } cases[] = {
        {{10, 10}, {5, 5}, {-2, -2}, {2, 2}, {206, 206}, {409, 281}, {411, 283}},
        {{12, 7}, {5, 5}, {-2, -2}, {3, 2}, {308, 206}, {358, 281}, {360, 283}},
        {{12, 7}, {5, 5}, {0, 0}, {3, 2}, {300, 200}, {362, 284}, {362, 284}},
    };
    for (const auto& c : cases)
    {
        GG_LEVEL_SETTINGS s;
        fLayout(&s, c.grid, ZS_VECTOR2(20, 20), c.block, c.shift, ZS_VECTOR2(512, 384));
        EXPECT_EQ(s.blockCount, c.blockCount);
        EXPECT_EQ(s.pixelSize, c.pixelSize);
        EXPECT_EQ(s.topLeft, c.topLeft);
        EXPECT_EQ(s.innerCorner, c.inner);
    }
}

TEST_F(Process, CellsStandRowByRowWithTheBlockGapsOfTheLayout)
{
    level.load_string(fCellList(kTen).c_str());
    fLayout(&settings, ZS_POINT(10, 10), ZS_VECTOR2(20, 20), ZS_POINT(5, 5), ZS_POINT(-2, -2), ZS_VECTOR2(512, 384));
    ASSERT_TRUE(process.fStart(level.first_child(), &settings));
    ASSERT_EQ(process.fGetCells().size(), 100u);
    const struct
    {
        int row, column;
        float x, y;
    } places[] = {{0, 0, 421, 293}, {0, 4, 501, 293}, {0, 5, 523, 293}, {7, 9, 603, 435}, {9, 9, 603, 475}};
    for (const auto& p : places)
    {
        GG_ELEMENT* cell = process.fGetCell(p.row, p.column);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->row, p.row);
        EXPECT_EQ(cell->column, p.column);
        EXPECT_EQ(cell->fGetPosition(), ZS_VECTOR2(p.x, p.y)) << p.row << "," << p.column;
    }
    EXPECT_EQ(process.fGetCell(9, 0)->kind, CELL_FIXED);
    EXPECT_EQ(process.fGetPictureCells().size(), 47u);
    EXPECT_EQ(process.fGetCell(10, 0), nullptr);
    EXPECT_EQ(process.fGetCell(0, -1), nullptr);
    // Both strips at the grid's top-left corner, bound to the clues.
    EXPECT_EQ(process.fGetRowStrip().origin, ZS_VECTOR2(409, 281));
    EXPECT_EQ(process.fGetRowStrip().lines, process.fGetClues().fGetRowLines());
    EXPECT_EQ(process.fGetColumnStrip().lines, process.fGetClues().fGetColumnLines());
    EXPECT_EQ(process.fGetRowStrip().lineCount, 10);
    EXPECT_EQ(process.fGetRowStrip().blockShift, -2);
    EXPECT_EQ(data.fUsers(PROCESS_NUMBERS_FILE), 0) << "the numbers file is handed back";
}

TEST_F(Process, LevelsTheGridCannotHoldAreRefused)
{
    ASSERT_TRUE(fStart({"X.X", "..X"}));
    EXPECT_TRUE(process.fGetStartError().empty());
    const struct
    {
        const char* why;
        std::string list;
        ZS_POINT grid;
        const char* message;
    } cases[] = {
        {"a cell short", "<g><e type='100'/><e type='101'/><e type='100'/><e type='101'/><e type='101'/></g>", {3, 2},
         "the level's cell list holds 5 cells for a grid of 3 x 2"},
        {"a cell over", fCellList({"X.X", "..X", "X"}), {3, 2}, "the level's cell list holds 7 cells for a grid of 3 x 2"},
        {"no columns", fCellList({"X"}), {0, 1}, "the level's grid 0 x 1 (cells, blocks or cell size) leaves no room"},
        {"rows below 0", fCellList({"X"}), {1, -1}, "the level's grid 1 x -1 (cells, blocks or cell size) leaves no room"},
        {"no picture cell", fCellList({"...", "#.."}), {3, 2}, "the level has no picture cell"},
        {"no cell list", "", {3, 2}, "the level has no cell list \"gElements\""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        process.fClear();
        level.reset();
        level.load_string(c.list.c_str());
        fLayout(&settings, c.grid, ZS_VECTOR2(20, 20), ZS_POINT(5, 5), ZS_POINT(0, 0), ZS_VECTOR2(400, 300));
        EXPECT_FALSE(process.fStart(level.child("g") ? level.child("g") : level.child("gElements"), &settings));
        EXPECT_EQ(process.fGetStartError(), c.message);
        EXPECT_TRUE(process.fGetCells().empty()) << "nothing is built";
        EXPECT_EQ(process.fGetCell(0, 0), nullptr);
        EXPECT_EQ(process.fGetProgress(), 0.0f) << "no 0 / 0";
    }

    settings.cellSize = ZS_VECTOR2(0, 20);
    level.load_string(fCellList({"X"}).c_str());
    settings.gridSize = ZS_POINT(1, 1);
    EXPECT_FALSE(process.fStart(level.first_child(), &settings)) << "cells without width";

    // The numbers file: missing, an element missing, an attribute missing.
    const std::string withoutUp = "<numbers>" + fStripElement("numbersLeft", "10 0") + "</numbers>";
    std::string withoutInterval = fNumbersXml();
    withoutInterval.replace(withoutInterval.find("interval=\"12\""), 13, "");
    for (const std::string& numbers : {withoutUp, withoutInterval})
    {
        data.fSetNumbers(numbers);
        EXPECT_FALSE(fStart({"X.X", "..X"}));
        EXPECT_NE(process.fGetStartError().find("lacks \"numbersLeft\" or \"numbersUp\""), std::string::npos);
    }
    data.repository->fUnregister("puzzle.zip");
    data.repository->fCollect();
    EXPECT_FALSE(fStart({"X.X", "..X"}));
    EXPECT_EQ(process.fGetStartError(), "\"data/share/main/GameProcess numbers.xml\" is missing");
}

TEST_F(Process, TheNumbersFileIsFoundInAPackageOrInTheFolderGroupOfTheLevelScreensFiles)
{
    ASSERT_TRUE(fStart({"X.X", "..X"})) << "in a package, under its full name";
    data.repository->fUnregister("puzzle.zip");
    data.repository->fCollect();
    data.fWrite("data/share/main/GameProcess numbers.xml", fNumbersXml());
    ASSERT_EQ(1, data.repository->fRegister("data/share/main", ""));
    EXPECT_TRUE(fStart({"X.X", "..X"})) << "in the folder group, under its own name";
    EXPECT_EQ(data.fUsers("GameProcess numbers.xml"), 0) << "handed back";
}

TEST_F(Process, ADragBecomesAStraightLineFromItsStartCell)
{
    ASSERT_TRUE(fStart(kTen));
    const int far = std::numeric_limits<int>::max();
    const struct
    {
        int r0, c0, r1, c1;
        const char* line;
    } cases[] = {
        {2, 3, 4, 5, "2,3 2,4 2,5"},         // as many rows as columns: along the row
        {2, 3, 5, 4, "2,3 3,3 4,3 5,3"},     // more rows: along the start column
        {2, 3, 2, 0, "2,3 2,2 2,1 2,0"},     // toward column 0, start first
        {2, 3, 5, 6, "2,3 2,4 2,5 2,6"},     // a diagonal runs along the row
        {2, 3, 0, 1, "2,3 2,2 2,1"},         // up and left alike
        {2, 3, 2, 3, "2,3"},                 // one cell
        {2, 8, 2, 12, "2,8 2,9"},            // positions past the grid have no cell
        {-1, 3, 4, 3, "0,3 1,3 2,3 3,3 4,3"}, // nor does a start above it
        {2, 3, 2, far, "2,3 2,4 2,5 2,6 2,7 2,8 2,9"},
        {2, 3, -far, 3, "2,3 1,3 0,3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fPlaces(process.fGetLine(c.r0, c.c0, c.r1, c.c1)), c.line)
            << c.r0 << "," << c.c0 << " to " << c.r1 << "," << c.c1;
}

TEST_F(Process, ALineRipplesItsRevealsAndSoundsAndReportsEveryCell)
{
    ASSERT_TRUE(fStart({"XXX.X", "....."}));
    process.revealStep = 0.05f;
    process.fApplyLine(0, 1, 0, 1, true);
    screen.calls.clear();
    ZT_SOUNDS::fPlayed().clear();

    // Four cells with the second already open: delays 0, 0.05, 0.10.
    EXPECT_TRUE(process.fApplyLine(0, 0, 0, 3, true));
    const float delays[4] = {0.0f, 0.0f, 0.05f, 0.10f};
    // Cell 1 keeps what its own line stored.
    const char* stored[4] = {"fulltileclick", "fulltileclick", "fulltileclick", "errorclick"};
    for (int c = 0; c < 4; ++c)
    {
        EXPECT_FLOAT_EQ(process.fGetCell(0, c)->revealDelay, delays[c]) << c;
        EXPECT_EQ(process.fGetCell(0, c)->revealSound, stored[c]) << c;
    }
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"right 0 0", "right 0 2", "wrong 0 3", "win?"}));
    EXPECT_EQ(ZT_SOUNDS::fPlayed(), std::vector<std::string>{"fulltileclick"}) << "only the first sounds at once";
    EXPECT_TRUE(process.fGetCell(0, 0)->filled.fIsPlaying());
    EXPECT_FALSE(process.fGetCell(0, 2)->filled.fIsPlaying());
    // Row 0 is 3 and 1: the 3 crossed as soon as cell 2 opened.
    EXPECT_TRUE(process.fGetClues().fGetRowClues()[0][0].crossed);
    EXPECT_FALSE(process.fGetClues().fGetRowClues()[0][1].crossed);

    // With a step of 0 every judged cell shows and sounds at once.
    process.revealStep = 0.0f;
    ZT_SOUNDS::fPlayed().clear();
    process.fApplyLine(1, 0, 1, 2, false);
    process.fApplyLine(1, 3, 0, 3, true);
    EXPECT_EQ(ZT_SOUNDS::fPlayed(),
              (std::vector<std::string>{"emptytileclick", "emptytileclick", "emptytileclick", "errorclick"}));
    for (int c = 0; c < 3; ++c)
        EXPECT_TRUE(process.fGetCell(1, c)->cross.fIsPlaying());
}

TEST_F(Process, AWrongCellReachingTheLimitMidLineLosesButTheLineIsJudgedToItsEnd)
{
    ASSERT_TRUE(fStart({"XX.X", "...."}));
    screen.errorLimit = 1;
    process.fApplyLine(0, 0, 0, 3, true);
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"right 0 0", "right 0 1", "wrong 0 2", "right 0 3", "win?"}));
    EXPECT_EQ(screen.outcome, "lost") << "the first decision stands, though the picture is complete";
    EXPECT_FLOAT_EQ(process.fGetProgress(), 1.0f);
    for (int c = 0; c < 4; ++c)
        EXPECT_TRUE(process.fGetCell(0, c)->fIsSolved());
}

TEST_F(Process, AHookThatClearsTheGridEndsTheLineThere)
{
    ASSERT_TRUE(fStart({"XXXX", "...."}));
    screen.onRight = [this](GG_ELEMENT* cell) {
        if (cell->column == 1)
            process.fClear();
    };
    EXPECT_TRUE(process.fApplyLine(0, 0, 0, 3, true));
    EXPECT_EQ(screen.calls, (std::vector<std::string>{"right 0 0", "right 0 1"}));
    EXPECT_TRUE(process.fGetCells().empty());
}

TEST_F(Process, ProgressCountsPictureCellsOpenedByEitherTool)
{
    ASSERT_TRUE(fStart({"XX.X", "X..."}));
    EXPECT_FLOAT_EQ(process.fGetProgress(), 0.0f);
    process.fApplyLine(0, 0, 0, 0, true);
    EXPECT_FLOAT_EQ(process.fGetProgress(), 0.25f);
    process.fApplyLine(0, 1, 0, 2, false); // a picture cell crossed, an empty cell crossed
    EXPECT_FLOAT_EQ(process.fGetProgress(), 0.5f);
    EXPECT_EQ(screen.errors, 1);
    process.fApplyLine(0, 0, 0, 3, true); // the open cells are skipped
    process.fApplyLine(1, 0, 1, 0, true);
    EXPECT_FLOAT_EQ(process.fGetProgress(), 1.0f);
    EXPECT_EQ(screen.outcome, "won");
    EXPECT_EQ(process.fGetOpenedPictureCells().size(), 4u);
}

TEST_F(Process, BonusesGoToDistinctPictureCells)
{
    const struct
    {
        unsigned bonuses;
        size_t placed;
    } cases[] = {{0, 0}, {3, 3}, {8, 8}, {100, 8}};
    for (const auto& c : cases)
    {
        ASSERT_TRUE(fStart({"XX..XX", "#XX.XX"}, c.bonuses));
        size_t placed = 0;
        for (GG_ELEMENT* cell : process.fGetCells())
            if (cell->fIsBonus())
            {
                EXPECT_TRUE(cell->fIsPicture());
                ++placed;
            }
        EXPECT_EQ(placed, c.placed) << c.bonuses << " asked";
    }
}

TEST_F(Process, HintsPickOnlyClosedUnblockedPictureCells)
{
    ASSERT_TRUE(fStart({"XXXXX", "XX..."}));
    process.fApplyLine(0, 0, 0, 1, true);
    process.fGetCell(0, 3)->blocked = true;
    std::set<std::string> picked;
    for (int i = 0; i < 200; ++i)
    {
        GG_ELEMENT* cell = process.fPickHintCell();
        ASSERT_NE(cell, nullptr);
        picked.insert(ZT_LEVEL_SCREEN::fPlace(cell));
    }
    EXPECT_EQ(picked, (std::set<std::string>{"0 2", "0 4", "1 0", "1 1"})) << "each candidate in turn";

    process.fSetCellsBlocked(true);
    EXPECT_EQ(process.fPickHintCell(), nullptr) << "every remaining cell blocked";
    // The level screen flies a hint only to a cell; its flight values wait at 0 until read.
    EXPECT_EQ(screen.hintDeflection1, 0);
    EXPECT_EQ(screen.hintDeflection2, 0);
    EXPECT_EQ(screen.hintSpeed, 0.0f);
    process.fSetCellsBlocked(false);
    EXPECT_EQ(process.fMakeFirstOpenCellBonus(), ZS_POINT(0, 2));
    EXPECT_TRUE(process.fGetCell(0, 2)->fIsBonus());
    process.fApplyLine(0, 2, 0, 4, true);
    process.fApplyLine(1, 0, 1, 1, true);
    EXPECT_EQ(process.fPickHintCell(), nullptr) << "everything solved";
    EXPECT_EQ(process.fMakeFirstOpenCellBonus(), ZS_POINT(-1, -1));
}

namespace
{
int fCountCall(void* calls)
{
    ++*static_cast<int*>(calls);
    return 0;
}
}

TEST_F(Process, TheWinSweepCrossesThePictureInTheTimeItAnswers)
{
    // 15 x 10 cells of 20: 300 x 200 pixels.
    std::vector<std::string> rows(10, std::string(15, 'X'));
    rows[3][4] = '.';
    ASSERT_TRUE(fStart(rows));
    ASSERT_EQ(settings.pixelSize, ZS_POINT(300, 200));
    int ended = 0;
    std::unique_ptr<ZS_CALLBACK> onEnd(fCreateCallback(fCountCall, nullptr, &ended));
    zcFRAME_DELTA = 1.0f / 60.0f;
    const float duration = process.fStartWinSweep(600.0f, onEnd.get());
    EXPECT_NEAR(duration, 0.7071f, 0.0001f) << "sqrt(300^2 + 300^2) / 600";
    EXPECT_TRUE(process.fIsSweepRunning());

    // The frame in which each picture cell starts opening.
    std::map<GG_ELEMENT*, int> startedAt;
    for (int frame = 1; frame <= 60; ++frame)
    {
        process.fUpdate();
        for (GG_ELEMENT* cell : process.fGetPictureCells())
            if (cell->openStarted && !startedAt.count(cell))
                startedAt[cell] = frame;
        if (frame == 42)
        {
            EXPECT_EQ(ended, 0) << "still sweeping at 0.70 s";
        }
    }
    EXPECT_EQ(ended, 1) << "the end record fired once, at 0.71 s";
    EXPECT_EQ(startedAt.size(), process.fGetPictureCells().size()) << "every picture cell was passed";
    EXPECT_FALSE(process.fGetCell(3, 4)->openStarted) << "an empty cell does not open";
    EXPECT_LE(startedAt[process.fGetCell(0, 0)], 2);
    EXPECT_LT(startedAt[process.fGetCell(0, 5)], startedAt[process.fGetCell(5, 5)]);
    EXPECT_LT(startedAt[process.fGetCell(5, 5)], startedAt[process.fGetCell(9, 14)]) << "the far corner late";
    EXPECT_EQ(startedAt[process.fGetCell(2, 7)], startedAt[process.fGetCell(7, 2)]) << "a line across the diagonal";
}

TEST_F(Process, ASweepSpeedNotAboveZeroSweepsInOneSecond)
{
    zcFRAME_DELTA = 1.0f / 64.0f;
    for (float speed : {0.0f, -600.0f, std::nanf("")})
    {
        ASSERT_TRUE(fStart({"XXXX", "XXXX"}));
        int ended = 0;
        std::unique_ptr<ZS_CALLBACK> onEnd(fCreateCallback(fCountCall, nullptr, &ended));
        EXPECT_FLOAT_EQ(process.fStartWinSweep(speed, onEnd.get()), 1.0f) << speed;
        for (int frame = 0; frame < 64; ++frame)
            process.fUpdate();
        EXPECT_EQ(ended, 0);
        process.fUpdate();
        EXPECT_EQ(ended, 1) << speed;
        for (GG_ELEMENT* cell : process.fGetPictureCells())
            EXPECT_TRUE(cell->openStarted);
    }
}

namespace
{
// One drawn frame of a small grid on the offscreen device.
class ProcessFrame : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        if (HasFatalFailure())
            return;
        data = std::make_unique<ZT_DATA_ROOT>();
        settings.yes.fSetFile("yes.png");
        settings.no.fSetFile("no.png");
        settings.locked.fSetFile("locked.png");
        settings.yes.fLoadTexture();
        settings.no.fLoadTexture();
        settings.locked.fLoadTexture();
    }
    void TearDown() override
    {
        process.reset();
        settings.yes.fUnloadTexture();
        settings.no.fUnloadTexture();
        settings.locked.fUnloadTexture();
        data.reset();
        ZT_GL_RENDER::TearDown();
    }
    uint32_t fGamePixel(float x, float y) { return fPixel(int(x * 1024.0f / 1025.0f), int(y * 1024.0f / 1025.0f)); }

    std::unique_ptr<ZT_DATA_ROOT> data;
    GG_LEVEL_SETTINGS settings;
    std::unique_ptr<GG_PROCESS> process = std::make_unique<GG_PROCESS>(nullptr);
};
}

TEST_F(ProcessFrame, OpenCellsShowTheirSpritesAndFixedOrBlockedCellsTheLock)
{
    pugi::xml_document level;
    level.load_string(fCellList({"X.#.", "X.X."}).c_str());
    // 20 x 20 cells with a 4 pixel gap between blocks of 2 columns, centred on (200, 200).
    fLayout(&settings, ZS_POINT(4, 2), ZS_VECTOR2(20, 20), ZS_POINT(2, 2), ZS_POINT(-4, -4), ZS_VECTOR2(200, 200));
    ASSERT_TRUE(process->fStart(level.first_child(), &settings));
    process->fLoadResources();
    process->fApplyLine(0, 0, 0, 1, true); // a right picture cell and a wrong empty cell
    process->fApplyLine(1, 1, 1, 1, false);
    process->fGetCell(1, 2)->blocked = true;

    ASSERT_EQ(render->fBeginFrame(), 1);
    process->fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("puzzle_cells");

    const struct
    {
        int row, column;
        uint32_t color;
        const char* what;
    } cells[] = {
        {0, 0, 0xFF0000FF, "filled"}, {0, 1, 0xFFFF0000, "the cross of a wrongly filled cell"},
        {0, 2, 0xFF808080, "fixed"},  {0, 3, 0xFF444444, "closed"},
        {1, 0, 0xFF444444, "closed"}, {1, 1, 0xFFFF0000, "crossed"},
        {1, 2, 0xFF808080, "blocked"},
    };
    for (const auto& c : cells)
    {
        const ZS_VECTOR2 centre = process->fGetCell(c.row, c.column)->fGetPosition();
        EXPECT_EQ(fGamePixel(centre.x, centre.y), c.color) << c.what << " at " << c.row << "," << c.column;
    }
    // The block gap between columns 1 and 2 stays clear.
    const ZS_VECTOR2 left = process->fGetCell(0, 1)->fGetPosition();
    EXPECT_EQ(fGamePixel(left.x + 12.0f, left.y), 0xFF444444u);
    process->fUnloadResources();
    EXPECT_EQ(data->fUsers("yes.png"), 1);
}
