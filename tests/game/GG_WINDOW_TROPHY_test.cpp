// The trophy list of the default data set in the real game: every trophy listed with its medal,
// earned ones in colour without their reward, the others grey with the sunime they bring; its
// arrows turning the pages (and refusing while a page slides).
#include "ZT_SCRIPTED_GAME.h"

#include "framework/G_TROPHIES.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_WINDOW_TROPHY.h"

using namespace ZT_SCRIPTED;
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

namespace
{
// The shipped layout: the window at (375, 384), 2 x 3 medals of 128 with 303 between them;
// the reward's coin 86 right of and 34 below a medal's middle; the small arrows beside the
// dots under the panel.
const int kMedalX[2] = {160, 591};
const int kMedalY[3] = {256, 384, 512};
const int kPrevX = 442, kNextX = 582, kArrowY = 628;

GG_WINDOW_TROPHY* fTrophies()
{
    return dynamic_cast<GG_WINDOW_TROPHY*>(fGetWindowManager()->fFindWindow("Trophy"));
}

// A page turn takes real time, not a count of frames: fast frames would look too early.
bool fSettled()
{
    return !fTrophies()->fGetList()->fIsTurning();
}

// Colour, as the earned medals have it, against the grey of the closed ones.
bool fIsColourful(uint32_t c)
{
    const int hi = std::max({fRed(c), fGreen(c), fBlue(c)}), lo = std::min({fRed(c), fGreen(c), fBlue(c)});
    return hi - lo > 50;
}
bool fIsCoin(uint32_t c)
{
    return fRed(c) > 200 && fGreen(c) > 120 && fBlue(c) < 100;
}

class TrophyList : public ZT_SCRIPTED_TEST
{
};
}

TEST_F(TrophyList, EveryTrophyIsListedEarnedOnesInColourOthersWithTheirReward)
{
    ZT_SCRIPT script;
    script.fDo("a player who won the first pack with three stars, and lacks the last pack", []() {
        gGame* game = fGetGameInstance();
        GG_PLAYER* player = fPlayerLackingPack(L"Ada", "3");
        for (int level = 0; level < 16; ++level)
            ASSERT_TRUE(player->fRecordWin(0, level, 0, 30.0f));
        ASSERT_TRUE(fGetPlayers()->fAddPlayer(player));
        // The trophies are worked out when the player becomes current.
        game->fSetPlayer(player);
        game->fHideTitleScene();
        game->fShowTrophyScene();
    });
    script.fUntilAtRest("Trophy").fLook("the first page", [](const ZT_FRAME& f) {
        f.fSave("trophies_first_page");
        gPages_Trophy* list = fTrophies()->fGetList();
        ASSERT_EQ(size_t(fGetTrophies()->fGetCount()), list->fGetItemCount()) << "every trophy is listed";
        EXPECT_EQ(3, list->fGetPageCount());
        EXPECT_EQ(3u, fTrophies()->fGetDots()->fGetCount());
        // Page 1: the four pack trophies, then three stars on 5 and on 15 levels.
        const char* names[6] = {"tr_pack_1", "tr_pack_2", "tr_pack_3", "tr_pack_4", "tr_stars_1", "tr_stars_2"};
        const bool earned[6] = {true, false, false, false, true, true};
        for (int i = 0; i < 6; ++i)
        {
            SCOPED_TRACE(names[i]);
            gItem_Trophy* entry = list->fGetEntry(size_t(i));
            EXPECT_EQ(names[i], entry->fGetTrophyName());
            EXPECT_EQ(earned[i], entry->fIsAchieved()) << "a pack the player lacks counts as not begun";
            const int x = kMedalX[i % 2], y = kMedalY[i / 2];
            // The medal's upper left, away from the lock of a closed one.
            const double colour = f.fShare(x - 30, y - 30, x + 10, y + 5, fIsColourful);
            if (earned[i])
                EXPECT_GT(colour, 0.5) << "earned medals are coloured";
            else
                EXPECT_LT(colour, 0.05) << "closed medals are grey";
            const double coin = f.fShare(x + 86 - 8, y + 34 - 8, x + 86 + 8, y + 34 + 8, fIsCoin);
            if (earned[i])
                EXPECT_EQ(0.0, coin) << "no reward for what is earned";
            else
                EXPECT_GT(coin, 0.5) << "the reward's coin";
            // The title in ink right of the medal.
            EXPECT_GT(f.fShare(x + 76, y - 42, x + 176, y - 18, fIsInk), 0.05);
        }
        EXPECT_EQ(L"First steps taken", list->fGetEntry(0)->fGetTitle());
        EXPECT_EQ(L"Win all of First steps.", list->fGetEntry(0)->fGetDescription());
        EXPECT_EQ(200, list->fGetEntry(1)->fGetReward());
    });

    // The arrows: never hidden, enabled by the pages there are; a click while the page slides
    // is refused, so the dots stay with the page.
    script.fLook("arrows on the first page", [](const ZT_FRAME& f) {
        EXPECT_GT(f.fShare(kPrevX - 14, kArrowY - 14, kPrevX + 14, kArrowY + 10, fIsGrey), 0.6) << "disabled";
    });
    script.fClick(kNextX, kArrowY).fClick(kNextX, kArrowY).fWait(3).fUntil("the page settles", fSettled).fDo("one page on", []() {
        EXPECT_EQ(1, fTrophies()->fGetList()->fGetCurrentPage());
        EXPECT_EQ(1, fTrophies()->fGetDots()->fGetCurrent());
    });
    script.fClick(kNextX, kArrowY).fWait(3).fUntil("the page settles", fSettled).fLook("the last page", [](const ZT_FRAME& f) {
        f.fSave("trophies_last_page");
        EXPECT_EQ(2, fTrophies()->fGetList()->fGetCurrentPage());
        EXPECT_EQ(2, fTrophies()->fGetDots()->fGetCurrent());
        EXPECT_GT(f.fShare(kNextX - 14, kArrowY - 14, kNextX + 14, kArrowY + 10, fIsGrey), 0.6) << "disabled";
        EXPECT_EQ("tr_all_trophy", fTrophies()->fGetList()->fGetEntry(13)->fGetTrophyName());
    });
    script.fClick(kPrevX, kArrowY).fWait(3).fUntil("the page settles", fSettled).fDo("back one", []() {
        EXPECT_EQ(1, fTrophies()->fGetDots()->fGetCurrent());
        EXPECT_TRUE(fOpen("Trophy_Title"));
    });
    EXPECT_EQ(100500, script.fRun());
    EXPECT_TRUE(script.fFinished()) << "stuck at: " << script.fStuckAt();
}
