// The level list of the default data set in the real game: tiles locked, open and next with
// their numbers and best stars as drawn, its arrows, and the road from a click to a started
// level (or back to the list, or to the question about hearts).
#include "ZT_SCRIPTED_GAME.h"

#include <cctype>
#include <cstring>

#include "framework/G_GAMEPLAY.h"
#include "game/ZT_QUIET_LEVEL.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_WINDOW_LEVEL.h"

using namespace ZT_SCRIPTED;
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

namespace
{
// The shipped layout: the window's middle at (512, 400), 4 x 2 tiles of 128 with 48 and 40
// between them, the stars 34 below a tile's middle and 26 apart, the arrows 448 to the sides.
const int kTileX[4] = {248, 424, 600, 776};
const int kTileY[2] = {316, 484};
const int kStarDx = 26, kStarDy = 34;
const int kPrevX = 64, kNextX = 960, kArrowY = 400;
const int kYesX = 512 - 110, kAnswerY = 384 + 72;

// A level screen that records the level files it is asked for and starts them or not.
class ZT_LEVEL_SCREEN : public ZT_QUIET::ZT_QUIET_GAMEPLAY
{
public:
    bool fStartLevel(const std::string& levelFile) override
    {
        files.push_back(levelFile);
        started = accept;
        return accept;
    }
    void fPause() override { paused = true; }
    void fResume() override { paused = false; }

    bool accept = true;
    std::vector<std::string> files;
};

GG_WINDOW_LEVEL* fLevels()
{
    return dynamic_cast<GG_WINDOW_LEVEL*>(fGetWindowManager()->fFindWindow("Levels"));
}

// A player who won the first three levels of the first pack with 3, 2 and 1 stars, on its
// level list.
void fLevelsAfterThreeWins(ZT_SCRIPT& script)
{
    script.fDo("a player with three levels won", []() {
        gGame* game = fGetGameInstance();
        GG_PLAYER* player = game->fCreatePlayer(L"Ada");
        for (int level = 0; level < 3; ++level)
            ASSERT_TRUE(player->fRecordWin(0, level, level, 30.0f));
        game->fSetPlayer(player);
        game->fHideTitleScene();
        game->fShowLevelsScene(0, false);
    });
    script.fUntilAtRest("Levels");
}

// Waits until the level list has stopped turning its page. A turn starts in the update after
// the input that asks for it, and how many updates it takes depends on the frame times.
ZT_SCRIPT& fUntilTurned(ZT_SCRIPT& script)
{
    auto calm = std::make_shared<int>(0);
    return script.fUntil("the list at rest", [calm]() {
        GG_WINDOW_LEVEL* levels = fLevels();
        *calm = levels && !levels->fGetList()->fIsTurning() ? *calm + 1 : 0;
        return *calm >= 3;
    });
}

bool fIsStarGold(uint32_t c)
{
    return fRed(c) > 200 && fGreen(c) > 140 && fBlue(c) < 90;
}
bool fIsStarGrey(uint32_t c)
{
    return fRed(c) > 60 && fRed(c) < 140 && fBlue(c) > fRed(c) && fBlue(c) - fRed(c) < 50;
}

class LevelList : public ZT_SCRIPTED_TEST
{
protected:
    void fPrepareData() override
    {
        // A shop to be sent to, while the scenes declare none.
        if (fReadText(fDataRoot() / "data/share/main/other/scenes.xml").find("Shop.xml") == std::string::npos)
        {
            fWriteText(fDataRoot() / "data/share/windows/Shop.xml",
                      "<window _name=\"Shop\" _type=\"G_WINDOW_SIMPLE\" layer=\"40\"><GUI/></window>");
            fReplaceIn("data/share/main/other/scenes.xml", "</scenes>",
                       "<window file=\"data/share/windows Shop.xml\"/></scenes>");
        }
    }
};
}

TEST_F(LevelList, TilesShowLocksNumbersAndBestStars)
{
    ZT_SCRIPT script;
    fLevelsAfterThreeWins(script);
    script.fLook("three levels won", [](const ZT_FRAME& f) {
        f.fSave("levels_three_won");
        gPages_Level* list = fLevels()->fGetList();
        ASSERT_EQ(16u, list->fGetItemCount());
        EXPECT_EQ(0, list->fGetPackId());
        const int states[8] = {1, 1, 1, 2, 0, 0, 0, 0};
        const int stars[8] = {3, 2, 1, 0, 0, 0, 0, 0};
        for (int i = 0; i < 8; ++i)
        {
            SCOPED_TRACE("tile " + std::to_string(i));
            const int x = kTileX[i % 4], y = kTileY[i / 4];
            EXPECT_EQ(states[i], list->fGetTile(size_t(i))->fGetState());
            if (states[i] == 0)
            {
                // The veil over the whole tile, and neither number nor stars.
                EXPECT_GT(f.fShare(x - 45, y - 50, x + 45, y - 36, fIsVeil), 0.9);
                EXPECT_EQ(0.0, f.fShare(x - 40, y + kStarDy - 6, x + 40, y + kStarDy + 6, fIsStarGold));
                continue;
            }
            EXPECT_GT(f.fShare(x - 45, y - 50, x + 45, y - 36, fIsPaper), 0.7) << "an open tile is paper";
            EXPECT_GT(f.fShare(x - 12, y - 30, x + 12, y + 2, fIsInk), 0.1) << "with its number";
            for (int s = 0; s < 3; ++s)
            {
                const int sx = x + (s - 1) * kStarDx, sy = y + kStarDy;
                const bool earned = s < stars[i];
                EXPECT_GT(f.fShare(sx - 3, sy - 3, sx + 3, sy + 3, earned ? fIsStarGold : fIsStarGrey), 0.6)
                    << "star " << s << (earned ? " earned" : " not earned");
            }
        }
        // The next level's tile glows gold beyond its edge; the others do not.
        auto glow = [&](int i) {
            return f.fShare(kTileX[i % 4] - 4, kTileY[i / 4] - 60, kTileX[i % 4] + 4, kTileY[i / 4] - 56,
                            [](uint32_t c) { return fRed(c) > 150 && fRed(c) > fBlue(c) + 70; });
        };
        EXPECT_GT(glow(3), 0.5);
        EXPECT_EQ(0.0, glow(2));
    });

    // The arrows and the Left and Right keys turn the pages; the dots follow.
    fUntilTurned(script.fClick(kNextX, kArrowY)).fLook("the second page", [](const ZT_FRAME& f) {
        EXPECT_EQ(1, fLevels()->fGetList()->fGetCurrentPage());
        EXPECT_EQ(1, fLevels()->fGetDots()->fGetCurrent());
        EXPECT_GT(f.fShare(kTileX[0] - 45, kTileY[0] - 50, kTileX[0] + 45, kTileY[0] - 36, fIsVeil), 0.9)
            << "level 9, locked, where level 1 was";
    });
    fUntilTurned(script.fClick(kPrevX, kArrowY)).fDo("back", []() {
        EXPECT_EQ(0, fLevels()->fGetList()->fGetCurrentPage());
        EXPECT_EQ(0, fLevels()->fGetDots()->fGetCurrent());
    });
    fUntilTurned(script.fKey(SDLK_RIGHT)).fDo("by key", []() { EXPECT_EQ(1, fLevels()->fGetDots()->fGetCurrent()); });
    fUntilTurned(script.fKey(SDLK_LEFT)).fDo("and back", []() { EXPECT_EQ(0, fLevels()->fGetDots()->fGetCurrent()); });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
}

TEST_F(LevelList, AClickStartsTheLevelOrRefusesOrAsksAboutHearts)
{
    ZT_LEVEL_SCREEN screen;
    ZT_SCRIPT script;
    fLevelsAfterThreeWins(script);

    // Without a level screen no level starts, and the list stays.
    script.fDo("no level screen", []() { fGetGameInstance()->fSetGameplay(nullptr); });
    script.fClick(kTileX[0], kTileY[0]).fWait(30).fDo("refused", []() {
        EXPECT_TRUE(fOpen("Levels"));
        EXPECT_FALSE(fOpen("Fade_Transition"));
    });
    script.fDo("a level screen", [&screen]() { fGetGameInstance()->fSetGameplay(&screen); });

    // A locked tile does nothing.
    script.fClick(kTileX[1], kTileY[1]).fWait(30).fDo("locked", [&screen]() {
        EXPECT_TRUE(fOpen("Levels"));
        EXPECT_FALSE(fOpen("Fade_Transition"));
        EXPECT_TRUE(screen.files.empty());
    });

    // An open tile: the fade covers the list, the level starts, the fade uncovers it.
    script.fClick(kTileX[1], kTileY[0]).fUntil("the fade", []() { return fOpen("Fade_Transition"); });
    script.fUntil("the level", [&screen]() { return !screen.files.empty(); });
    script.fUntil("the fade gone", []() { return !fOpen("Fade_Transition"); }).fDo("started", [&screen]() {
        ASSERT_EQ(1u, screen.files.size());
        EXPECT_EQ("data/share/levels/pack0 level01.xml", screen.files[0]);
        EXPECT_EQ(1, fGetGameInstance()->fGetCurrentLevel()->fGetId());
        EXPECT_EQ(1, fLevels()->fGetList()->fGetChosenLevel());
        EXPECT_FALSE(fOpen("Levels"));
        EXPECT_FALSE(fOpen("Level_Title"));
    });

    // A level that does not start brings the list back.
    script.fDo("back to the list", [&screen]() {
        screen.fEndLevel();
        screen.accept = false;
        fGetGameInstance()->fShowLevelsScene(0, true);
    });
    script.fUntilAtRest("Levels").fClick(kTileX[2], kTileY[0]);
    script.fUntil("asked for", [&screen]() { return screen.files.size() == 2; });
    script.fUntil("the fade gone again", []() { return !fOpen("Fade_Transition"); }).fUntilAtRest("Levels");
    script.fDo("the list again", [&screen]() {
        EXPECT_EQ("data/share/levels/pack0 level02.xml", screen.files[1]);
        EXPECT_TRUE(fOpen("Level_Title"));
        EXPECT_FALSE(screen.started);
    });

    // With no heart left any tile asks first, a locked one too; yes leads to the shop.
    script.fDo("no hearts", []() { fCurrentPlayer()->fGetHealth().count = 0; });
    script.fClick(kTileX[3], kTileY[1]).fUntilAtRest("Confirm_NoHealth").fDo("asked", [&screen]() {
        EXPECT_EQ(2u, screen.files.size());
    });
    script.fClick(kYesX, kAnswerY).fUntil("the shop", []() { return fOpen("Shop"); });
    script.fDo("done", []() {
        fGetWindowManager()->fHideWindow("Shop", true);
        fGetGameInstance()->fSetGameplay(nullptr);
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
    const std::string log = fLog();
    EXPECT_NE(std::string::npos, log.find("There is no level screen: the level 0 cannot start.")) << log;
    EXPECT_NE(std::string::npos, log.find("The level 2 of the pack 0 could not start")) << log;
}

// The next level to play is the open one before the first locked one, from any record.
TEST_F(LevelList, TheNextLevelFollowsTheRecord)
{
    // A pack record from a row of levels: 'o' open, 'l' locked, a digit an open level's stars.
    auto record = [](const std::string& levels) {
        std::string xml = "<pack id='2'>";
        for (size_t i = 0; i < levels.size(); ++i)
            xml += "<level id='" + std::to_string(i) + "' lock='" + (levels[i] == 'l' ? "true" : "false") +
                   "' stars='" + (std::isdigit(levels[i]) ? std::string(1, levels[i]) : "0") + "'/>";
        pugi::xml_document document;
        document.load_string((xml + "</pack>").c_str());
        auto pack = std::make_unique<GG_PACK>();
        EXPECT_TRUE(pack->fLoadXml(document.document_element()));
        return pack;
    };
    const struct
    {
        const char* levels;
        const char* states; // of the first 16 tiles: 0 locked, 1 open, 2 next
    } kCases[] = {
        {"3231oooooooooooo", "1111111111111111"}, // all open: none is next
        {"olllllllllllllll", "2000000000000000"},
        {"3ol", "1200000000000000"},              // more tiles than levels: the rest locked
        {"lol", "0200000000000000"},              // the first locked one does not count
        {"", "0000000000000000"},
    };
    ZT_SCRIPT script;
    fLevelsAfterThreeWins(script);
    script.fDo("the records", [&]() {
        gPages_Level* list = fLevels()->fGetList();
        for (const auto& c : kCases)
        {
            SCOPED_TRACE(c.levels);
            const auto pack = record(c.levels);
            list->fSetPack(pack.get());
            EXPECT_EQ(2, list->fGetPackId());
            std::string states;
            for (size_t i = 0; i < 16; ++i)
                states += char('0' + list->fGetTile(i)->fGetState());
            EXPECT_EQ(c.states, states);
            for (size_t i = 0; i < std::strlen(c.levels); ++i)
            {
                if (std::isdigit(c.levels[i]))
                {
                    EXPECT_EQ(c.levels[i] - '0', list->fGetTile(i)->fGetStars()) << "tile " << i;
                }
            }
        }
        list->fSetPack(nullptr);
        EXPECT_EQ(-1, list->fGetPackId()) << "a pack the player lacks";
        EXPECT_EQ(0, list->fGetTile(0)->fGetState());
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
}
