// The real level screen inside the game object on the shipped data, frame by frame at a fixed
// step: a 20x20 level's frame read back (cells, clues, frame, HUD), a player's pack whose level
// ids are out of order, ended levels that leave nothing behind over many starts, and the hint
// refill the shop sells during a level.
#include "game/ZT_SHIPPED_LEVEL.h"

#include <malloc.h>

#include <vector>

#include <pugixml.hpp>

#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_CONTROL_PANEL.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/shell/GG_WINDOW_SHOP.h"

using namespace ZT_GAME;

namespace
{
// The 20x20 levels are the last two of pack 3.
const int32_t kBigPack = 3, kBigLevel = 14;

bool fIsInk(uint32_t c)
{
    return ((c >> 16) & 0xFF) < 100 && ((c >> 8) & 0xFF) < 100 && (c & 0xFF) < 120;
}

class LevelFrame : public ZT_SHIPPED_LEVEL
{
protected:
    void SetUp() override
    {
        ZT_SHIPPED_LEVEL::SetUp();
        if (loaded)
            render->clearColor = ZS_COLOR(0xFF000000u);
    }

    // A player who may play every level, and the level started as the level list starts it.
    void fStart(int32_t levelId, int32_t packId, const wchar_t* name = L"Frame")
    {
        GG_PLAYER* player = fNewPlayer(name);
        ASSERT_NE(nullptr, player);
        ASSERT_TRUE(game->fStartLevel(levelId, packId)) << screen->fGetStartError();
        ASSERT_TRUE(screen->started);
    }
    // Colourful pixels (a button, an icon) in the rectangle.
    int fCountSaturated(int x0, int y0, int x1, int y1)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
            {
                const uint32_t c = fPixel(x, y);
                const int r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
                n += std::max({r, g, b}) - std::min({r, g, b}) > 80 ? 1 : 0;
            }
        return n;
    }
    int fCountInk(int x0, int y0, int x1, int y1)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += fIsInk(fPixel(x, y)) ? 1 : 0;
        return n;
    }
};
}

TEST_F(LevelFrame, TheGridItsCluesItsFrameAndTheHudAreWhereTheLayoutPutsThem)
{
    fStart(kBigLevel, kBigPack);
    fFrames(30);
    fSaveFrame("level_frame_20x20");
    const GG_LEVEL_SETTINGS& s = screen->fGetSettings();
    ASSERT_EQ(ZS_POINT(20, 20), s.gridSize);
    const int left = int(s.innerCorner.x), top = int(s.innerCorner.y);
    const int right = left + s.pixelSize.x, bottom = top + s.pixelSize.y;

    // Every closed cell shows the same skin, unlike the black behind the screen.
    const uint32_t closed = fRegion(fCentre(0, 0).x, fCentre(0, 0).y, 8, 8);
    EXPECT_GT(ZT_RENDER::fColorDistance(closed, 0xFF000000u), 60);
    for (int r : {0, 7, 19})
        for (int c : {0, 12, 19})
            EXPECT_TRUE(fRegionNear(fCentre(r, c).x, fCentre(r, c).y, 8, 8, closed, 20)) << r << ", " << c;
    // The gap between two blocks is not a cell.
    const int gapX = (fCentre(0, 4).x + fCentre(0, 5).x) / 2;
    EXPECT_GT(ZT_RENDER::fColorDistance(fPixel(gapX, fCentre(0, 4).y), closed), 20) << "block gap at x " << gapX;

    // Clue numbers in ink beside every row and above every column.
    for (int r = 0; r < 20; r += 5)
        EXPECT_GT(fCountInk(left - 60, fCentre(r, 0).y - 8, left - 6, fCentre(r, 0).y + 8), 8) << "clues of row " << r;
    for (int c = 0; c < 20; c += 5)
        EXPECT_GT(fCountInk(fCentre(0, c).x - 8, top - 60, fCentre(0, c).x + 8, top - 6), 8) << "clues of column " << c;

    // The frame runs round the grid: just outside its edges, not the black background.
    for (ZS_POINT p : {ZS_POINT(left - 3, (top + bottom) / 2), ZS_POINT(right + 3, (top + bottom) / 2),
                       ZS_POINT((left + right) / 2, top - 3), ZS_POINT((left + right) / 2, bottom + 3)})
        EXPECT_GT(ZT_RENDER::fColorDistance(fPixel(p.x, p.y), 0xFF000000u), 40) << "frame at " << p.x << ", " << p.y;

    // The HUD column on the right: pause, the coin plate, the tool switch, the reset area,
    // the hint button; nothing of it over the grid.
    EXPECT_LT(right, 824);
    EXPECT_GT(fCountSaturated(952, 32, 992, 72), 200) << "pause";
    EXPECT_GT(fCountSaturated(830, 106, 870, 146), 100) << "the coin";
    EXPECT_GT(ZT_RENDER::fColorDistance(fRegion(916, 240, 120, 40), 0xFF000000u), 20) << "the plate";
    EXPECT_GT(fCountSaturated(876, 316, 956, 356), 200) << "the tool switch";
    EXPECT_GT(fCountSaturated(876, 680, 956, 728), 200) << "the hint button";
}

TEST_F(LevelFrame, TheNextLevelStartsWithoutTheLastLevelsHoverBars)
{
    fStart(0, 0);
    const ZS_POINT p = fCentre(2, 2);
    fPointer(p.x, p.y);
    fFrames(1);
    ASSERT_TRUE(screen->fGetAmbient()->fGetHighlight().fIsVisible());
    game->fEndLevel();
    ASSERT_TRUE(game->fStartLevel(1, 0));
    EXPECT_FALSE(screen->fGetAmbient()->fGetHighlight().fIsVisible()) << "the pointer is still where it was";
}

TEST_F(LevelFrame, APlayersPackWhoseLevelIdsAreNotTheirPositionsStillPlays)
{
    // A players.save from another order of the levels: the ids of positions 3 and 4 swapped.
    GG_PLAYER* player = fNewPlayer(L"Order");
    ASSERT_NE(nullptr, player);
    GG_PACK* pack = player->fGetPack(0);
    ASSERT_NE(nullptr, pack);
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("pack");
    pack->fSaveXml(element);
    std::vector<pugi::xml_node> levels;
    for (pugi::xml_node level : element.children("level"))
        levels.push_back(level);
    ASSERT_GT(levels.size(), 4u);
    levels[3].attribute("id") = 4;
    levels[4].attribute("id") = 3;
    ASSERT_TRUE(pack->fLoadXml(element));

    for (int32_t levelId : {1, 3, 4})
    {
        EXPECT_TRUE(game->fStartLevel(levelId, 0)) << levelId << ": " << screen->fGetStartError();
        EXPECT_TRUE(screen->started) << levelId;
        EXPECT_EQ(levelId, screen->fGetResult().levelId);
        game->fEndLevel();
    }
}

TEST_F(LevelFrame, ManyLevelStartsLeaveNoFlightsTimersOrMemoryBehind)
{
    GG_PLAYER* player = fNewPlayer(L"Many");
    auto cycle = [&](int32_t levelId) {
        ASSERT_TRUE(game->fStartLevel(levelId, 0));
        game->fLoadGameplayResources();
        // A line filled, a hint in flight and coins on their way when the level is left.
        screen->fGetResult().hintsLeft = 2;
        screen->fUseHint();
        const ZS_POINT a = fCentre(0, 0), b = fCentre(0, 4);
        fPointer(a.x, a.y);
        input->fAdvanceFrame();
        input->fOnKeyDown(1);
        game->fOnKeyDown(1);
        fPointer(b.x, b.y);
        input->fAdvanceFrame();
        input->fOnKeyUp(1);
        game->fOnKeyUp(1);
        // Updates only: drawing would add the software rasteriser's own caches to the heap.
        for (int i = 0; i < 2; ++i)
        {
            input->fAdvanceFrame();
            game->fUpdate();
        }
        EXPECT_GT(screen->fGetRunningEffects(), 0u) << "the hint is still flying";
        game->fEndLevel();
        game->fUnloadGameplay();
        EXPECT_EQ(0u, screen->fGetRunningEffects());
        EXPECT_EQ(0u, screen->fGetRunningBonusEffects());
        EXPECT_EQ(0u, screen->fGetRunningTimers());
    };
    for (int i = 0; i < 10; ++i)
        cycle(i % 10);
    fFrames(1);
    const size_t textures = render->fGetTextureCount();
    malloc_trim(0);
    const size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 100; ++i)
        cycle(i % 10);
    malloc_trim(0);
    const size_t after = mallinfo2().uordblks;
    EXPECT_LT(after, before + 256 * 1024) << "heap in use before " << before << ", after " << after;
    fFrames(1);
    EXPECT_EQ(textures, render->fGetTextureCount()) << "every texture of a level goes with it";
    ASSERT_NE(nullptr, player);
}

TEST_F(LevelFrame, TheHintRefillIsSoldDuringALevelOnlyWhenItsHintsAreGone)
{
    GG_PLAYER* player = fNewPlayer(L"Refill");
    ASSERT_TRUE(game->fStartLevel(3, 0));
    game->fLoadGameplayResources();
    player->statistic.score = 1000;
    const int perRefill = player->fGetItemCount("start_hint");
    ASSERT_GT(perRefill, 0);
    auto shopShows = [&]() {
        game->fPauseGameplay();
        windows->fShowWindow("Shop", false);
        fFrames(6);
        gPages_Shop_Item* entry = fWindow<GG_WINDOW_SHOP>("Shop")->fFindEntry("refill_hint");
        const bool enabled = entry && entry->fIsBuyEnabled();
        return enabled;
    };
    EXPECT_EQ(perRefill, screen->fGetResult().hintsLeft);
    EXPECT_FALSE(shopShows()) << "hints are left";
    windows->fHideWindow("Shop", true);
    fFrames(4);

    screen->fGetResult().hintsLeft = 0;
    screen->fGetControlPanel()->fSetHints(0);
    EXPECT_TRUE(shopShows()) << "no hint left";
    // Bought with the card's buy button: the level gets the refill at once.
    fClickAt(414, 609);
    fFrames(2);
    EXPECT_EQ(1000u - 60u, player->statistic.score);
    EXPECT_EQ(perRefill, screen->fGetResult().hintsLeft);
    EXPECT_EQ(perRefill, screen->fGetControlPanel()->fGetHintButton().fGetCount());
    EXPECT_FALSE(fWindow<GG_WINDOW_SHOP>("Shop")->fFindEntry("refill_hint")->fIsBuyEnabled()) << "hints again";
}
