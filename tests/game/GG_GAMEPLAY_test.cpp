// The level screen in the real game on a copy of the default data set, played with real mouse
// events: a won level with its result and what players.save keeps, wrong cells and their
// stars, the error limit and the heart it costs, the input rules, a level frame read back,
// levels that cannot be played, and an ended level that leaves nothing behind.
#include "game/ZT_SCRIPTED_GAME.h"

#include <malloc.h>

#include <map>

#include <pugixml.hpp>

#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "engine/soundbanks/ZC_SOUND_MANAGER.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "framework/G_TROPHIES.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "game/shell/GG_WINDOW_FINISH.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"

using namespace ZT_SCRIPTED;
using namespace ZOR;
using namespace game;

namespace
{
GG_GAMEPLAY* fScreen()
{
    gGame* game = fGetGameInstance();
    return game ? game->fGetLevelScreen() : nullptr;
}

GG_ELEMENT* fCell(int row, int column)
{
    return fScreen() ? fScreen()->fGetProcess().fGetCell(row, column) : nullptr;
}

// A cell's centre on screen, in game pixels.
ZS_POINT fCentre(int row, int column)
{
    const GG_ELEMENT* cell = fCell(row, column);
    return cell ? ZS_POINT(int(cell->fGetPositionX()), int(cell->fGetPositionY())) : ZS_POINT(-1, -1);
}

// The solution of a level file of the copied data set: rows of '#' (picture) and '.'.
std::vector<std::string> fSolution(const std::string& relative)
{
    pugi::xml_document document;
    EXPECT_TRUE(document.load_file((fDataRoot() / relative).c_str()));
    const pugi::xml_node root = document.document_element();
    ZS_POINT grid;
    grid.fParse(root.child("settings").attribute("grid").value());
    std::vector<std::string> rows(size_t(grid.y));
    int i = 0;
    for (pugi::xml_node cell : root.child("gElements").children())
        rows[size_t(i++ / grid.x)] += cell.attribute("type").as_int() == CELL_PICTURE ? '#' : '.';
    return rows;
}

// A player of that name, current, with the title gone; then the level started.
void fStartAs(ZT_SCRIPT& script, const wchar_t* name, int32_t levelId, int32_t packId)
{
    script.fDo("player and level", [=]() {
        gGame* game = fGetGameInstance();
        GG_PLAYER* player = game->fCreatePlayer(name);
        ASSERT_NE(nullptr, player);
        // The level screen alone: the tutorial of the first levels has its own tests.
        player->fSetPassedTutorial(true);
        game->fSetPlayer(player);
        game->fHideTitleScene();
        ASSERT_TRUE(game->fStartLevel(levelId, packId));
    });
    script.fUntil("the title gone", []() { return !fOpen("Title") && !fOpen("Title_Top"); });
}

// One line as the player drags it: the pointer on the first cell, the button down, the
// pointer on the last cell, the button up, each in an update step of its own.
void fDrag(ZT_SCRIPT& script, int button, int r0, int c0, int r1, int c1)
{
    script.fDo("to the start", [=]() {
        const ZS_POINT p = fCentre(r0, c0);
        ZT_SCRIPT::fPushMove(p.x, p.y);
    });
    script.fDo("press", [=]() {
        const ZS_POINT p = fCentre(r0, c0);
        ZT_SCRIPT::fPushButton(p.x, p.y, button, true);
    });
    script.fDo("to the end", [=]() {
        const ZS_POINT p = fCentre(r1, c1);
        ZT_SCRIPT::fPushMove(p.x, p.y);
    });
    script.fDo("release", [=]() {
        const ZS_POINT p = fCentre(r1, c1);
        ZT_SCRIPT::fPushButton(p.x, p.y, button, false);
    });
}

// Every row solved run by run: picture runs filled with the left button, empty runs crossed
// with the right one; cells listed in "skip" are left as they are.
void fSolveByRows(ZT_SCRIPT& script, const std::vector<std::string>& rows, const std::string& skip = "")
{
    for (int r = 0; r < int(rows.size()); ++r)
    {
        const std::string& row = rows[size_t(r)];
        for (int c = 0; c < int(row.size());)
        {
            int end = c;
            while (end + 1 < int(row.size()) && row[size_t(end + 1)] == row[size_t(c)])
                ++end;
            const bool picture = row[size_t(c)] == '#';
            const std::string here = std::to_string(r) + "," + std::to_string(c);
            if (skip.find("(" + here + ")") == std::string::npos)
                fDrag(script, picture ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT, r, c, r, end);
            c = end + 1;
        }
    }
}

int fPictureCells(const std::vector<std::string>& rows)
{
    int n = 0;
    for (const std::string& row : rows)
        for (char c : row)
            n += c == '#' ? 1 : 0;
    return n;
}

// The players as players.save holds them now, read by a list of its own.
std::unique_ptr<gPlayers> fReadSave()
{
    auto players = std::make_unique<gPlayers>();
    EXPECT_TRUE(players->fLoad(fSaveFolder().string() + "/"));
    return players;
}

// The result window, the way a player reaches it: a trophy pop-up that the win brought (it
// pauses the level, and with it the coins still flying) is closed with its button first.
void fUntilResultWindow(ZT_SCRIPT& script, int* trophies = nullptr)
{
    auto phase = std::make_shared<int>(0);
    auto at = std::make_shared<ZS_POINT>();
    script.fUntil("the result window", [=]() {
        ZOR_GF::G_WINDOW_MANAGER* windows = fGetWindowManager();
        if (fOpen("GP_Finish"))
            return true;
        ZOR_GF::G_WINDOW* popup = windows->fFindOpenWindow("Trophy_Get");
        switch (*phase)
        {
        case 0:
            if (popup && !popup->fIsAnimating())
            {
                ZOR::ZC_GUI_OBJECT* close = popup->fGetGui()->fFindById(1);
                EXPECT_NE(nullptr, close);
                if (!close)
                    return true;
                const ZOR::ZS_TRANSFORM3 world = close->fGetTransform()->fCompose();
                *at = ZS_POINT(int(world.position.x), int(world.position.y));
                ZT_SCRIPT::fPushMove(at->x, at->y);
                if (trophies)
                    ++*trophies;
                *phase = 1;
            }
            return false;
        case 1: ZT_SCRIPT::fPushButton(at->x, at->y, SDL_BUTTON_LEFT, true); *phase = 2; return false;
        case 2: ZT_SCRIPT::fPushButton(at->x, at->y, SDL_BUTTON_LEFT, false); *phase = 3; return false;
        default:
            if (!popup)
                *phase = 0;
            return false;
        }
    });
}

class LevelScreen : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        fCopyDefaultData();
        testing::internal::CaptureStderr();
    }
    static void TearDownTestSuite() { testing::internal::GetCapturedStderr(); }

    void fRunScript(ZT_SCRIPT& script, int limit = 4000)
    {
        EXPECT_EQ(100500, script.fRun(limit));
        EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
    }
};

const char* const kHeart = "data/share/levels/pack0/level00.xml";
}

TEST_F(LevelScreen, LevelZeroSolvedWithTheMouseIsWonAndSavedWithThreeStars)
{
    const std::vector<std::string> rows = fSolution(kHeart);
    ASSERT_EQ(5u, rows.size());
    GG_LEVEL_RESULT result;
    int counter = -1;
    int trophies = 0;
    ZT_SCRIPT script;
    fStartAs(script, L"Ada", 0, 0);
    fSolveByRows(script, rows);
    script.fDo("won", [&]() {
        GG_GAMEPLAY* screen = fScreen();
        EXPECT_TRUE(screen->fIsLevelEnded());
        EXPECT_TRUE(screen->fIsBusy()) << "no more moves once won";
        EXPECT_EQ(1.0f, screen->fGetProgress());
        result = screen->fGetResult();
        counter = screen->fGetAmbient()->fGetCounter().fGetValue();
    });
    fUntilResultWindow(script, &trophies);
    std::map<int, std::wstring> labels;
    int bonuses = 0;
    script.fUntilAtRest("GP_Finish").fDo("paused behind it", [&]() {
        EXPECT_TRUE(fScreen()->paused);
        auto* finish = dynamic_cast<GG_WINDOW_FINISH*>(fGetWindowManager()->fFindWindow("GP_Finish"));
        ASSERT_NE(nullptr, finish);
        for (int id = GG_WINDOW_FINISH::ID_TIME; id <= GG_WINDOW_FINISH::ID_TOTAL; ++id)
            if (auto* label = dynamic_cast<ZOR::ZC_GUI_WLABEL*>(finish->fGetGui()->fFindById(id)))
                labels[id] = label->fGetText();
        ZOR_GF::G_TROPHIES* all = game::fGetTrophies();
        for (int i = 0; all && i < all->fGetCount(); ++i)
            if (all->fGetTrophy(i)->fIsAchieved())
                bonuses += all->fGetTrophy(i)->fGetBonus();
    });
    // The stars come one by one; with no error all three are earned.
    script.fUntil("three stars", []() {
        auto* finish = dynamic_cast<GG_WINDOW_FINISH*>(fGetWindowManager()->fFindWindow("GP_Finish"));
        return finish->fGetShownStars() == 3 && finish->fGetRunningStarEffects() == 0;
    });
    script.fDo("earned", []() {
        auto* finish = dynamic_cast<GG_WINDOW_FINISH*>(fGetWindowManager()->fFindWindow("GP_Finish"));
        EXPECT_EQ(0u, finish->fGetWaitingStars());
    });
    fRunScript(script);
    EXPECT_GE(trophies, 1) << "a first level won without an error earns a trophy";

    EXPECT_EQ(0, result.packId);
    EXPECT_EQ(0, result.levelId);
    EXPECT_EQ(0, result.errors);
    EXPECT_EQ(0, result.hintsUsed);
    EXPECT_EQ(fPictureCells(rows), result.score) << "one sunime per picture cell";
    EXPECT_GT(result.time, 0.5f);
    EXPECT_GE(counter, result.score) << "the counter shows the score (and any bonus)";

    std::unique_ptr<gPlayers> saved = fReadSave();
    const GG_PLAYER* ada = saved->fFindPlayer(L"Ada");
    ASSERT_NE(nullptr, ada);
    const GG_LEVEL* level = ada->fGetLevel(0, 0);
    ASSERT_NE(nullptr, level);
    EXPECT_EQ(3, level->fGetStars());
    EXPECT_FLOAT_EQ(result.time, level->fGetBestTime());
    EXPECT_TRUE(ada->fGetLevel(0, 1)->fIsOpen()) << "the next level is unlocked";
    EXPECT_FALSE(ada->fGetLevel(0, 2)->fIsOpen());
    EXPECT_EQ(uint32_t(result.score + bonuses), ada->statistic.score) << "the level's score and the trophies' bonuses";
    // What the result window showed.
    EXPECT_EQ(fFormatTime(result.time), labels[GG_WINDOW_FINISH::ID_TIME]);
    EXPECT_EQ(fFormatTime(level->fGetBestTime()), labels[GG_WINDOW_FINISH::ID_BEST_TIME]);
    EXPECT_EQ(L"0", labels[GG_WINDOW_FINISH::ID_ERRORS]);
    EXPECT_EQ(L"0", labels[GG_WINDOW_FINISH::ID_HINTS]);
    EXPECT_EQ(std::to_wstring(result.score), labels[GG_WINDOW_FINISH::ID_SCORE]);
    EXPECT_EQ(std::to_wstring(ada->statistic.score), labels[GG_WINDOW_FINISH::ID_TOTAL])
        << "the total the player has when the window shows, trophy bonuses included";
    EXPECT_EQ(1u, ada->statistic.withoutError);
    EXPECT_EQ(result.time, ada->statistic.minLevelTime);
}

TEST_F(LevelScreen, WrongCellsShowOnTheErrorPanelAndCostStars)
{
    const std::vector<std::string> rows = fSolution(kHeart);
    ASSERT_EQ('.', rows[0][0]);
    ASSERT_EQ('#', rows[0][1]);
    GG_LEVEL_RESULT result;
    ZT_SCRIPT script;
    fStartAs(script, L"Bea", 0, 0);
    // An empty cell filled: an error and no currency; a picture cell crossed: an error, and it
    // opens and pays all the same.
    fDrag(script, SDL_BUTTON_LEFT, 0, 0, 0, 0);
    fDrag(script, SDL_BUTTON_RIGHT, 0, 1, 0, 1);
    script.fDo("two errors", []() {
        EXPECT_EQ(2, fScreen()->fGetResult().errors);
        EXPECT_EQ(1, fScreen()->fGetResult().score);
        EXPECT_EQ(CELL_EMPTY, fCell(0, 0)->shown) << "the wrong cell shows its truth";
        EXPECT_EQ(CELL_PICTURE, fCell(0, 1)->shown);
    });
    // The icons are placed one by one, a beat apart.
    script.fUntil("both icons placed", []() { return fScreen()->fGetAmbient()->fGetErrorPanel().fGetPlacedCount() == 2; });
    script.fWait(12).fLook("the error panel", [](const ZT_FRAME& frame) {
        frame.fSave("level_two_errors");
        const GG_ERROR_PANEL& panel = fScreen()->fGetAmbient()->fGetErrorPanel();
        for (int k = 0; k < 3; ++k)
        {
            const ZS_VECTOR2 slot = panel.fSlotPosition(k);
            const double red = frame.fShare(int(slot.x) - 12, int(slot.y) - 12, int(slot.x) + 12, int(slot.y) + 12,
                                            [](uint32_t c) { return fRed(c) > 170 && fGreen(c) < 110; });
            if (k < 2)
                EXPECT_GT(red, 0.25) << "error icon " << k;
            else
                EXPECT_LT(red, 0.05) << "slot " << k << " is still empty";
        }
    });
    fSolveByRows(script, rows, "(0,0)(0,1)");
    script.fDo("won", [&]() {
        EXPECT_TRUE(fScreen()->fIsLevelEnded());
        result = fScreen()->fGetResult();
    });
    fUntilResultWindow(script);
    fRunScript(script);

    EXPECT_EQ(2, result.errors);
    EXPECT_EQ(fPictureCells(rows), result.score) << "the crossed picture cell paid too";
    std::unique_ptr<gPlayers> saved = fReadSave();
    const GG_PLAYER* bea = saved->fFindPlayer(L"Bea");
    ASSERT_NE(nullptr, bea);
    EXPECT_EQ(1, bea->fGetLevel(0, 0)->fGetStars()) << "two errors: one star";
    EXPECT_EQ(0u, bea->statistic.withoutError);
}

TEST_F(LevelScreen, ReachingTheErrorLimitLosesOnceCostsAHeartAndAsksToRestart)
{
    const std::vector<std::string> rows = fSolution(kHeart);
    int heartsBefore = -1;
    float pending = 0.0f;
    uint32_t lostAt = 0;
    ZT_SCRIPT script;
    fStartAs(script, L"Cid", 0, 0);
    script.fDo("limit", [&]() {
        EXPECT_EQ(5, fScreen()->fGetErrorLimit()) << "the template player's \"errors\"";
        heartsBefore = fGetPlayers()->fGetCurrentPlayer()->fGetHealth().count;
    });
    // Column 0 filled: rows 0, 3 and 4 are empty (3 errors); then row 4 filled: 3 more. The
    // fifth error loses the level; the sixth counts but decides nothing again.
    const std::string column0{rows[0][0], rows[1][0], rows[2][0], rows[3][0], rows[4][0]};
    ASSERT_EQ(".##..", column0);
    ASSERT_EQ("..#..", rows[4]);
    fDrag(script, SDL_BUTTON_LEFT, 0, 0, 4, 0);
    script.fDo("not yet", []() { EXPECT_FALSE(fScreen()->fIsLevelEnded()); });
    fDrag(script, SDL_BUTTON_LEFT, 4, 0, 4, 4);
    script.fDo("lost once", [&]() {
        GG_GAMEPLAY* screen = fScreen();
        EXPECT_EQ(6, screen->fGetResult().errors);
        EXPECT_TRUE(screen->fIsLevelEnded());
        EXPECT_TRUE(screen->fIsBusy());
        const GG_PLAYER* player = fGetPlayers()->fGetCurrentPlayer();
        EXPECT_EQ(heartsBefore - 1, player->fGetHealth().count) << "one heart, once";
        EXPECT_EQ(1u, player->statistic.badLevel);
        pending = screen->fGetAmbient()->fGetErrorPanel().fGetPendingTime();
        lostAt = SDL_GetTicks();
    });
    script.fUntil("asked to restart", []() { return fOpen("Confirm_Restart_Finish"); });
    script.fUntilAtRest("Confirm_Restart_Finish").fDo("paused; presses ignored", [&]() {
        EXPECT_GT(pending, 1.0f);
        EXPECT_GE(SDL_GetTicks() - lostAt, uint32_t(pending * 1000.0f)) << "asked once the error icons are placed";
        EXPECT_TRUE(fScreen()->paused);
        EXPECT_EQ(5u, fScreen()->fGetAmbient()->fGetErrorPanel().fGetPlacedCount()) << "no icon past the limit";
    });
    script.fDo("yes", []() {
        auto* question = dynamic_cast<ZOR_GF::G_WINDOW_CONFIRM*>(fGetWindowManager()->fFindWindow("Confirm_Restart_Finish"));
        ASSERT_NE(nullptr, question);
        question->fHandleAnswer(ZOR_GF::G_WINDOW_CONFIRM::ID_YES);
    });
    script.fDo("restarted", []() {
        GG_GAMEPLAY* screen = fScreen();
        EXPECT_TRUE(screen->started);
        EXPECT_FALSE(screen->paused);
        EXPECT_FALSE(screen->fIsLevelEnded());
        EXPECT_FALSE(screen->fIsBusy());
        EXPECT_EQ(0, screen->fGetResult().errors);
        EXPECT_EQ(0u, screen->fGetAmbient()->fGetErrorPanel().fGetPlacedCount());
        EXPECT_EQ(0.0f, screen->fGetProgress());
    });
    fRunScript(script);
    std::unique_ptr<gPlayers> saved = fReadSave();
    const GG_PLAYER* cid = saved->fFindPlayer(L"Cid");
    ASSERT_NE(nullptr, cid);
    EXPECT_EQ(heartsBefore - 1, cid->fGetHealth().count) << "the lost heart is saved";
}

TEST_F(LevelScreen, PressDragAndReleaseFollowTheInputRules)
{
    enum ZE_SETUP { PLAIN, CROSS_CHOSEN, PAUSED, BUSY };
    struct ROW
    {
        const char* what;
        ZE_SETUP setup;
        int button;
        ZS_POINT from, to; // (row, column)
        int beyond;        // cells the pointer goes on past "to", rightwards
        int mode;          // the drag's tool, -1 when no drag may start
        std::vector<ZS_POINT> line;
    };
    const std::vector<ROW> rows = {
        {"a left press fills", PLAIN, SDL_BUTTON_LEFT, {0, 0}, {0, 3}, 0, 1, {{0, 0}, {0, 1}, {0, 2}, {0, 3}}},
        {"a right press crosses", PLAIN, SDL_BUTTON_RIGHT, {0, 0}, {0, 2}, 0, 0, {{0, 0}, {0, 1}, {0, 2}}},
        {"the cross tool chosen: left crosses", CROSS_CHOSEN, SDL_BUTTON_LEFT, {1, 0}, {1, 1}, 0, 0, {{1, 0}, {1, 1}}},
        {"the cross tool chosen: right fills", CROSS_CHOSEN, SDL_BUTTON_RIGHT, {1, 0}, {1, 1}, 0, 1, {{1, 0}, {1, 1}}},
        {"steeper than wide: the column", PLAIN, SDL_BUTTON_LEFT, {0, 0}, {2, 1}, 0, 1, {{0, 0}, {1, 0}, {2, 0}}},
        {"wider than steep: the row", PLAIN, SDL_BUTTON_LEFT, {0, 0}, {1, 3}, 0, 1, {{0, 0}, {0, 1}, {0, 2}, {0, 3}}},
        {"a tie: the row", PLAIN, SDL_BUTTON_LEFT, {0, 0}, {2, 2}, 0, 1, {{0, 0}, {0, 1}, {0, 2}}},
        {"off the grid: the last cell inside stays", PLAIN, SDL_BUTTON_LEFT, {0, 2}, {0, 4}, 3, 1, {{0, 2}, {0, 3}, {0, 4}}},
        {"paused: nothing", PAUSED, SDL_BUTTON_LEFT, {0, 0}, {0, 3}, 0, -1, {}},
        {"a hint flying: nothing", BUSY, SDL_BUTTON_LEFT, {0, 0}, {0, 3}, 0, -1, {}},
    };
    float hintSpeed = 0.0f;
    ZT_SCRIPT script;
    fStartAs(script, L"Dee", 0, 0);
    for (const ROW& row : rows)
    {
        script.fDo(std::string("set up: ") + row.what, [&row, &hintSpeed]() {
            fGetGameInstance()->fRestartLevel();
            GG_GAMEPLAY* screen = fScreen();
            screen->fSetMistakeLimit(100);
            screen->fGetControlPanel()->fSetFillMode();
            if (row.setup == PAUSED)
                fGetGameInstance()->fPauseGameplay();
            if (row.setup == BUSY)
            {
                // A slow flight, so that it is still on its way however long the frames take.
                hintSpeed = screen->hintSpeed;
                screen->hintSpeed = 1.0f;
                screen->fUseHint();
                EXPECT_TRUE(screen->fIsBusy());
            }
        });
        if (row.setup == CROSS_CHOSEN)
        {
            // The tool switch of the HUD, pressed.
            script.fClick(916, 336).fDo("cross chosen", []() {
                EXPECT_FALSE(fScreen()->fGetControlPanel()->fIsFillMode());
            });
        }
        script.fDo("to the start", [&row]() {
            const ZS_POINT p = fCentre(row.from.x, row.from.y);
            ZT_SCRIPT::fPushMove(p.x, p.y);
        });
        script.fDo("press", [&row]() {
            const ZS_POINT p = fCentre(row.from.x, row.from.y);
            ZT_SCRIPT::fPushButton(p.x, p.y, row.button, true);
        });
        script.fDo("drag", [&row]() {
            SCOPED_TRACE(row.what);
            EXPECT_EQ(row.mode >= 0, fScreen()->fIsDragging());
            const ZS_POINT p = fCentre(row.to.x, row.to.y);
            ZT_SCRIPT::fPushMove(p.x, p.y);
        });
        script.fDo("further", [&row]() {
            ZS_POINT p = fCentre(row.to.x, row.to.y);
            p.x += row.beyond * int(fScreen()->fGetSettings().cellSize.x);
            ZT_SCRIPT::fPushMove(p.x, p.y);
        });
        script.fDo("release", [&row]() {
            SCOPED_TRACE(row.what);
            GG_GAMEPLAY* screen = fScreen();
            if (row.mode >= 0)
            {
                EXPECT_EQ(row.mode, screen->fGetMode());
            }
            std::vector<GG_ELEMENT*> expected;
            for (ZS_POINT cell : row.line)
                expected.push_back(fCell(cell.x, cell.y));
            EXPECT_EQ(expected, screen->fGetSelectionLine());
            ZS_POINT p = fCentre(row.to.x, row.to.y);
            p.x += row.beyond * int(screen->fGetSettings().cellSize.x);
            ZT_SCRIPT::fPushButton(p.x, p.y, row.button, false);
        });
        script.fDo("judged", [&row, &hintSpeed]() {
            SCOPED_TRACE(row.what);
            GG_GAMEPLAY* screen = fScreen();
            EXPECT_FALSE(screen->fIsDragging());
            EXPECT_TRUE(screen->fGetSelectionLine().empty());
            int opened = 0;
            for (int r = 0; r < 5; ++r)
                for (int c = 0; c < 5; ++c)
                    opened += fCell(r, c)->shown != CELL_CLOSED ? 1 : 0;
            EXPECT_EQ(int(row.line.size()), opened) << "the line's cells, and only they, are open";
            for (ZS_POINT cell : row.line)
                EXPECT_NE(CELL_CLOSED, fCell(cell.x, cell.y)->shown) << cell.x << ", " << cell.y;
            if (row.setup == PAUSED)
                fGetGameInstance()->fResumeGameplay();
            if (row.setup == BUSY)
                fScreen()->hintSpeed = hintSpeed;
        });
    }
    fRunScript(script);
}

TEST_F(LevelScreen, ALevelThatCannotBePlayedSaysWhyAndTheLevelListComesBack)
{
    // Level 1 of pack 0 loses a cell: its list no longer fills the grid.
    const fs::path file = fDataRoot() / "data/share/levels/pack0/level01.xml";
    const std::string original = fReadText(file);
    std::string broken = original;
    const size_t cell = broken.find("<cell ");
    ASSERT_NE(std::string::npos, cell);
    broken.erase(cell, broken.find("/>", cell) + 2 - cell);
    fWriteText(file, broken);

    ZT_SCRIPT script;
    script.fDo("player", []() {
        gGame* game = fGetGameInstance();
        GG_PLAYER* player = game->fCreatePlayer(L"Eve");
        ASSERT_NE(nullptr, player);
        player->fSetPassedTutorial(true);
        game->fSetPlayer(player);
        player->fGetLevel(0, 1)->fSetLock(false);
        game->fHideTitleScene();
        game->fShowLevelsScene(0, true);
        game->fSave();
    });
    script.fUntilAtRest("Levels");
    // The second tile of the list's first row, clicked.
    script.fDo("log from here", []() {
        testing::internal::GetCapturedStderr();
        testing::internal::CaptureStderr();
    });
    script.fClick(424, 316);
    script.fUntil("the fade", []() { return fOpen("Fade_Transition"); });
    script.fUntil("the fade gone", []() { return !fOpen("Fade_Transition"); });
    script.fWait(30);
    script.fUntilAtRest("Levels").fDo("back at the list", []() {
        EXPECT_FALSE(fScreen()->started);
        EXPECT_FALSE(fOpen("Fade_Transition"));
        const std::string log = testing::internal::GetCapturedStderr();
        testing::internal::CaptureStderr();
        EXPECT_NE(std::string::npos, log.find("[message box] Nonogram: This level cannot be played.")) << log;
    });
    fRunScript(script);
    fWriteText(file, original);
}
