// The hub on the default data set, in the real game: from the title into the hub, the hub's
// bar and the how-to-play page at rest as pixels, and what each of the bar's buttons opens and
// closes, back to the title.
#include "game/ZT_GAME_RUN.h"

#include "game/shell/GG_WINDOW_PACK_MENU.h"

using namespace ZT_GAME;
using namespace game;

namespace
{
const uint32_t kBar = 0xFF191B41, kTealButton = 0xFF2CB2A5, kPaper = 0xFFF2E5CA, kRibbon = 0xFFF58D72,
               kExampleCell = 0xFF29B1A4, kBackdrop = 0xFF2E335F;
const int kTolerance = 30;

// The windows the hub shows and hides, in a fixed order. (The pack and level lists show and
// hide their title windows themselves.)
const char* const kWatched[] = {"Back",     "Packs_Menu", "Packs", "Levels", "Trophy_Title", "Trophy",
                                "Training", "Options",    "Shop",  "Title",  "Title_Top"};

std::string fOpenWatched()
{
    std::string open;
    for (const char* name : kWatched)
        if (fIsOpen(name))
            open += std::string(open.empty() ? "" : " ") + name;
    return open;
}

class Hub : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fCopyDefaultData();
        // The lists and the shop come with their own screens; stand-ins show what the hub
        // opens until they are there.
        for (const char* name : {"Pack_Title", "Packs", "Level_Title", "Levels", "Trophy_Title", "Trophy"})
            fAddStandInWindow(name, 5);
        fAddStandInWindow("Shop", 60);
        testing::internal::CaptureStderr();
    }
    void TearDown() override { testing::internal::GetCapturedStderr(); }
};
}

TEST_F(Hub, FromTheTitleEachButtonSwitchesTheContentOrOpensOverItAndBackLeadsHome)
{
    ZT_SCRIPT script;
    // Play with a new player: the name box, then the fade into the hub with the pack list.
    script.fWaitForTitle().fClickWidget("Title", 1).fWaitForWindow("Players_EditBox");
    script.fType("Ada").fClickWidget("Players_EditBox", 3);
    script.fWaitForWindow("Packs_Menu").fWaitUntilClosed("Fade_Transition");
    std::string entered;
    script.fDo([&] { entered = fOpenWatched(); });
    ZS_FRAME hub, training;
    script.fCapture(&hub, "hub");

    const char* const hubWith = "Back Packs_Menu";
    const struct
    {
        int id;
        const char* what;
        std::function<void()> before; // sets the scene up; null: as the row before left it
        std::string open;             // the watched windows open once all has settled
        std::function<void()> after;  // closes what opened over the hub
    } table[] = {
        {GG_WINDOW_PACK_MENU::ID_TRAINING, "how to play replaces the pack list", nullptr,
         std::string(hubWith) + " Training", nullptr},
        {GG_WINDOW_PACK_MENU::ID_TRAINING, "again: stays", nullptr, std::string(hubWith) + " Training", nullptr},
        {GG_WINDOW_PACK_MENU::ID_TROPHIES, "trophies replace it", nullptr,
         std::string(hubWith) + " Trophy_Title Trophy", nullptr},
        {GG_WINDOW_PACK_MENU::ID_TROPHIES, "again: stays", nullptr, std::string(hubWith) + " Trophy_Title Trophy",
         nullptr},
        {GG_WINDOW_PACK_MENU::ID_PACKS, "packs replace them", nullptr, std::string(hubWith) + " Packs",
         nullptr},
        {GG_WINDOW_PACK_MENU::ID_OPTIONS, "options over the pack list", nullptr,
         std::string(hubWith) + " Packs Options", [] { fGetWindowManager()->fHideWindow("Options", true); }},
        {GG_WINDOW_PACK_MENU::ID_SHOP, "the shop over the pack list", nullptr,
         std::string(hubWith) + " Packs Shop", [] { fGetWindowManager()->fHideWindow("Shop", true); }},
        {20, "the bar itself: nothing", nullptr, std::string(hubWith) + " Packs", nullptr},
        {GG_WINDOW_PACK_MENU::ID_BACK, "back from a level list: the pack list, no fade",
         [] {
             // As choosing a pack does it.
             fGetWindowManager()->fHideWindow("Packs", true);
             fGetGameInstance()->fShowLevelsScene(0, true);
         },
         std::string(hubWith) + " Packs", nullptr},
        {GG_WINDOW_PACK_MENU::ID_BACK, "back from the pack list: behind a fade to the title", nullptr,
         "Title Title_Top", nullptr},
    };
    std::vector<std::string> seen(std::size(table));
    std::vector<int> animatingRightAfter(std::size(table), -1);
    bool fadeOnLevelsBack = true, fadeOnTitleBack = false;
    for (size_t k = 0; k < std::size(table); ++k)
    {
        if (table[k].before)
            script.fDo(table[k].before).fWaitFrames(20);
        script.fClickWidget("Packs_Menu", table[k].id);
        // A content window pressed again must not show itself again.
        script.fDo([&, k] {
            G_WINDOW* w = fWindow<G_WINDOW>(k == 1 ? "Training" : "Trophy");
            animatingRightAfter[k] = w ? int(w->fIsAnimating()) : -1;
            if (k == 8)
                fadeOnLevelsBack = fIsOpen("Fade_Transition");
            if (k == 9)
                fadeOnTitleBack = fIsOpen("Fade_Transition");
        });
        if (k == 9)
            script.fWaitForWindow("Title").fWaitUntilClosed("Fade_Transition");
        script.fWaitFrames(2).fWaitAtRest().fDo([&, k] { seen[k] = fOpenWatched(); });
        if (k == 0)
            script.fCapture(&training, "hub_training");
        if (table[k].after)
            script.fDo(table[k].after).fWaitFrames(5);
    }
    bool finished = false;
    EXPECT_EQ(100500, fRunGame(script, &finished));
    EXPECT_TRUE(finished) << "the script stopped at step " << script.fGetNext();

    EXPECT_EQ(std::string(hubWith) + " Packs", entered);
    for (size_t k = 0; k < std::size(table); ++k)
        EXPECT_EQ(table[k].open, seen[k]) << table[k].what;
    EXPECT_EQ(0, animatingRightAfter[1]) << "the how-to-play page was not shown again";
    EXPECT_EQ(0, animatingRightAfter[3]) << "the trophy list was not shown again";
    EXPECT_FALSE(fadeOnLevelsBack);
    EXPECT_TRUE(fadeOnTitleBack);

    // The hub at rest: the backdrop above a navy bar whose round teal buttons sit on it.
    ASSERT_EQ(1024, hub.width);
    fExpectRegions(hub,
                   {
                       {"backdrop", 500, 190, 540, 230, kBackdrop},
                       {"bar", 200, 720, 400, 760, kBar},
                       {"back button", 46, 692, 54, 704, kTealButton},
                       {"packs button", 476, 692, 484, 704, kTealButton},
                       {"options button", 936, 692, 944, 704, kTealButton},
                   },
                   kTolerance);
    ASSERT_EQ(1024, training.width);
    EXPECT_TRUE(fNear(training.fMean(880, 560, 920, 600), kPaper, kTolerance)) << "how-to-play paper";
    EXPECT_TRUE(fNear(training.fMean(350, 110, 380, 120), kRibbon, kTolerance)) << "how-to-play ribbon";
    EXPECT_TRUE(fNear(training.fMean(195, 364, 215, 384), kExampleCell, kTolerance)) << "the example's filled cell";
    // The page stays below the top panels: under the stars counter lies the backdrop.
    EXPECT_FALSE(fNear(training.fMean(900, 132, 940, 142), kPaper, 100)) << "the page reaches up under the counters";
}
