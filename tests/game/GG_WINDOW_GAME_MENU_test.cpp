// The pause menu "GP_Menu" as the game makes it from the shipped data: how it looks at rest
// and what each of its buttons (and the questions behind them) does to the game.
#include "game/ZT_LEVEL_WINDOWS.h"

#include "framework/G_WINDOW_CONFIRM.h"
#include "game/puzzle/GG_PACK_DESC.h"
#include "game/shell/GG_WINDOW_GAME_MENU.h"

using namespace ZT_LEVEL;

namespace
{
// The buttons at rest (window centre + layout).
const int kContinueX = 512, kContinueY = 384 - 106;
const int kLeftX = 512 - 120, kRightX = 512 + 120, kRow1Y = 384 - 4, kRow2Y = 384 + 78;
const int kYesX = 512 - 130, kNoX = 512 + 130, kAnswerY = 384 + 92;
const uint32_t kTeal = 0xFF2FB3A6u;

class GameMenu : public ZT_LEVEL_WINDOWS
{
protected:
    GG_PLAYER* player = nullptr;

    void SetUp() override
    {
        ZT_LEVEL_WINDOWS::SetUp();
        ASSERT_NE(nullptr, fWindow<GG_WINDOW_GAME_MENU>("GP_Menu")) << "declared as a GG_WINDOW_GAME_MENU";
        player = fNewPlayer(L"Pia");
    }

    // A running level paused by the pause control, the menu shown over it and at rest.
    void fOpenMenu()
    {
        fStartPausedLevel(2, 0);
        windows->fShowWindow("GP_Menu", false);
        fFrames(6);
        ASSERT_TRUE(fOpen("GP_Menu"));
        ASSERT_FALSE(windows->fFindWindow("GP_Menu")->fIsAnimating());
    }
};
}

TEST_F(GameMenu, AtRestTheVeilThePanelAndTheFiveButtons)
{
    fOpenMenu();
    fSaveFrame("gp_menu_at_rest");
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(80, 80, 20, 20), 0xFF0F1027u), 16) << "the veil over the level";
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(512, 384 + 120, 60, 10), 0xFFF5EAD3u), 24) << "paper";
    EXPECT_LT(ZT_RENDER::fColorDistance(fRegion(512 - 150, 384 - 223, 16, 8), 0xFFF4896Eu), 40) << "ribbon";
    EXPECT_GT(fCountNear(kContinueX - 140, kContinueY - 20, kContinueX + 140, kContinueY + 20, 0xFFFF8A68u, 40), 4000)
        << "continue is the coral button";
    for (int x : {kLeftX, kRightX})
        for (int y : {kRow1Y, kRow2Y})
            EXPECT_GT(fCountNear(x - 100, y - 20, x + 100, y + 20, kTeal, 40), 3000) << x << ", " << y;
    // Cream lettering on every button.
    for (int y : {kContinueY, kRow1Y, kRow2Y})
        EXPECT_GT(fCountNear(kLeftX - 60, y - 12, kRightX + 60, y + 12, 0xFFFDF6E3u, 30), 300) << y;
    EXPECT_TRUE(level->paused) << "the level stays paused behind the menu";
}

TEST_F(GameMenu, EachButtonAndAnswerActsOnTheGame)
{
    struct ROW
    {
        const char* what;
        int x, y;
        const char* question; // opened by the click, or ""
        int answerX;          // 0: not answered
        const char* log;      // the level screen's calls
        int heartsTaken;
        bool menuOpen;
        bool paused;
        const char* shown; // a window open at the end, or ""
    };
    const ROW rows[] = {
        {"continue", kContinueX, kContinueY, "", 0, "resume", 0, false, false, ""},
        {"restart, yes", kLeftX, kRow1Y, "Confirm_Restart_Level", kYesX, "restart", 1, false, false, ""},
        {"restart, no", kLeftX, kRow1Y, "Confirm_Restart_Level", kNoX, "", 0, true, true, ""},
        {"level list, yes", kRightX, kRow1Y, "Confirm_Close_Lvl", kYesX, "end, unload", 1, false, true, "Levels"},
        {"level list, no", kRightX, kRow1Y, "Confirm_Close_Lvl", kNoX, "", 0, true, true, ""},
        {"options", kLeftX, kRow2Y, "", 0, "", 0, true, true, "Options"},
        {"shop", kRightX, kRow2Y, "", 0, "", 0, true, true, "Shop"},
    };
    for (const ROW& row : rows)
    {
        SCOPED_TRACE(row.what);
        fOpenMenu();
        const int32_t hearts = player->fGetHealth().count;
        fClickAt(row.x, row.y);
        fFrames(1);
        if (*row.question)
        {
            ASSERT_TRUE(fOpen(row.question));
            EXPECT_TRUE(dynamic_cast<G_WINDOW_CONFIRM*>(windows->fFindWindow(row.question)));
            fFrames(6);
            fClickAt(row.answerX, kAnswerY);
            fFrames(1);
            EXPECT_EQ(hearts - row.heartsTaken, player->fGetHealth().count) << "the heart is taken at the answer";
            EXPECT_EQ(std::string::npos, level->fLog().find("end")) << "the level ends behind the fade only";
        }
        fFrames(12);
        EXPECT_EQ(row.log, level->fLog());
        EXPECT_EQ(hearts - row.heartsTaken, player->fGetHealth().count);
        EXPECT_EQ(row.menuOpen, fOpen("GP_Menu"));
        EXPECT_EQ(row.paused, level->paused);
        if (*row.shown)
        {
            EXPECT_TRUE(fOpen(row.shown));
        }
        EXPECT_FALSE(fOpen("Fade_Transition"));
        if (*row.question)
        {
            EXPECT_FALSE(fOpen(row.question));
        }
        fCloseAllWindows();
        game->fEndLevel();
    }
}

TEST_F(GameMenu, LeavingTheLevelEndsItOnlyOnceTheFadeCoversTheScreen)
{
    fOpenMenu();
    fClickAt(kRightX, kRow1Y);
    fFrames(6);
    fClickAt(kYesX, kAnswerY);
    // The fade takes 0.35 s to cover the screen: the level ends in the frame it is complete,
    // with the level list shown at once behind it.
    int frames = 0;
    while (frames < 12 && level->fLog().find("end") == std::string::npos)
    {
        fFrames(1);
        ++frames;
    }
    EXPECT_GE(frames, 3);
    EXPECT_TRUE(fOpen("Levels"));
    fFrames(1);
    EXPECT_FALSE(windows->fFindWindow("Levels")->fIsAnimating()) << "shown without its show effect";
    EXPECT_TRUE(fOpen("Fade_Transition")) << "while the fade still covers it";
    EXPECT_EQ(0, game->fGetCurrentPack()->fGetId()) << "the list of the level's pack";
}

TEST_F(GameMenu, WithoutAHeartLeftRestartIsNotOffered)
{
    while (player->fGetHealth().fLoseHeart())
        ;
    fOpenMenu();
    fSaveFrame("gp_menu_no_hearts");
    EXPECT_LT(fCountNear(kLeftX - 100, kRow1Y - 20, kLeftX + 100, kRow1Y + 20, kTeal, 40), 200) << "restart is greyed";
    EXPECT_GT(fCountNear(kRightX - 100, kRow1Y - 20, kRightX + 100, kRow1Y + 20, kTeal, 40), 3000);
    fClickAt(kLeftX, kRow1Y);
    fFrames(8);
    EXPECT_FALSE(fOpen("Confirm_Restart_Level"));
    // Even a yes that reaches the menu some other way restarts nothing.
    fWindow<GG_WINDOW_GAME_MENU>("GP_Menu")->fOnRestartAnswer(true);
    fFrames(2);
    EXPECT_EQ("", level->fLog());
    EXPECT_TRUE(fOpen("GP_Menu"));
    // A heart back (the refill) offers it again at the next showing.
    player->fGetHealth().fRefillHeart();
    windows->fHideWindow("GP_Menu", true);
    fFrames(2);
    windows->fShowWindow("GP_Menu", false);
    fFrames(6);
    EXPECT_GT(fCountNear(kLeftX - 100, kRow1Y - 20, kLeftX + 100, kRow1Y + 20, kTeal, 40), 3000);
}
