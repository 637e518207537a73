// The whole game walked as a player walks it: the real program on a real X server, driven by
// xdotool through mouse and keyboard, on a copy of the default data set. Each screen is
// checked by a few pixels of its own and saved as a picture in the build folder (test-output/).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <pugixml.hpp>

#include "game/puzzle/GG_PACK.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/ZT_X11_PROGRAM.h"
#include "support/ZT_TEST_ENV.h"

using namespace ZT_X11;

namespace
{
bool fNavy(const ZS_PIXEL& p)
{
    return p.r < 70 && p.g < 70 && p.b > 40 && p.b < 130;
}
bool fVeiledPaper(const ZS_PIXEL& p)
{
    return p.r > 80 && p.r < 180 && p.g > 70 && p.g < 170 && p.b > 50 && p.b < 160;
}
bool fNotCoral(const ZS_PIXEL& p)
{
    return !fIsCoral(p);
}
bool fNotPaper(const ZS_PIXEL& p)
{
    return !fIsCard(p);
}
bool fGold(const ZS_PIXEL& p)
{
    return p.r > 200 && p.g > 150 && p.b < 110;
}
bool fTrackEmpty(const ZS_PIXEL& p)
{
    return p.r > 60 && p.r < 130 && p.g > 60 && p.g < 130 && p.b > 90 && p.b < 170;
}

// The solution drawn as a player draws it: each run of picture cells of a row in one drag
// (a single cell in one click).
void fDrawSolution(ZT_PROGRAM& game, const ZS_LEVEL_SHEET& level)
{
    for (const ZS_LEVEL_SHEET::ZS_RUN& run : level.fRowRuns(true))
    {
        if (run.first == run.last)
            game.fClick(level.fX(run.first), level.fY(run.row));
        else
            game.fDrag(level.fX(run.first), level.fY(run.row), level.fX(run.last), level.fY(run.row));
    }
}

const game::GG_PLAYER* fSavedPlayer(game::gPlayers& list, const fs::path& folder)
{
    list.fLoad(folder.string() + "/");
    return list.fGetCurrentPlayer();
}

std::vector<std::wstring> fSavedNames(const fs::path& folder, std::wstring* current)
{
    game::gPlayers list;
    list.fLoad(folder.string() + "/");
    *current = list.fGetCurrentPlayer() ? list.fGetCurrentPlayer()->fGetName() : L"(none)";
    return list.fGetNames();
}
}

TEST(Walk, TitleProfileAPlayedLevelShopTrophyOptionsProfilesAndExitThenTheSameAfterARestart)
{
    const fs::path root = gStart / "walk";
    fCopyDataSet(root);
    // Short splashes: the walk is about what follows them.
    fSetSplashTime(root, "0.2");
    const fs::path saves = root / "xdg/QuietInk/Nonogram";

    ZT_PROGRAM game(root, "walk");
    ASSERT_TRUE(game.fStart()) << fReadText(root / "log.txt");
    // Title: the coral play button, the teal exit button.
    ASSERT_TRUE(game.fWaitFor({{422, 406, fIsCoral}, {422, 582, fIsTeal}}, 20)) << fReadText(root / "log.txt");
    fSleep(600);
    game.fShot("01_title");

    // A new profile: play asks for a name, which is typed.
    game.fClick(512, 414);
    ASSERT_TRUE(game.fWaitFor({{700, 300, fIsCard}}));
    // A player waits for the box to come to rest before typing.
    fSleep(500);
    game.fType("Walker");
    fSleep(200);
    game.fShot("02_new_profile");
    game.fClick(402, 456);
    // The hub: its navy bar with the round teal buttons, behind the fade.
    ASSERT_TRUE(game.fWaitFor({{300, 745, fNavy}, {48, 698, fIsTeal}, {936, 698, fIsTeal}}, 10));
    fSleep(800);
    game.fShot("03_hub_packs");

    // The first pack: its level list, the first level open, the second locked.
    game.fClick(140, 400);
    ASSERT_TRUE(game.fWaitFor({{210, 280, fIsCard}, {424, 280, [](const ZS_PIXEL& p) { return !fIsCard(p); }}}));
    fSleep(400);
    game.fShot("04_levels");
    // A locked tile takes no click: the list stays, no fade comes.
    game.fClick(424, 314);
    fSleep(600);
    EXPECT_TRUE(game.fWaitFor({{210, 280, fIsCard}, {300, 745, fNavy}}, 1)) << "a locked level started something";

    // Level 1: the grid comes (its cells paper, the teal pause button), then the picture of
    // the shipped level file is drawn with the mouse.
    ZS_LEVEL_SHEET level;
    ASSERT_TRUE(level.fRead(root / "Resources/data/share/levels/pack0/level00.xml"));
    game.fClick(248, 314);
    // The first level opens with the tutorial's first step over the locked grid; Skip leaves
    // the grid to the player.
    ASSERT_TRUE(game.fWaitFor({{970, 50, fIsTeal}, {300, 60, fIsCard}}, 10)) << "the tutorial's first step";
    fSleep(500);
    game.fShot("05_level_1_tutorial");
    // Skip asks first.
    game.fClick(613, 154);
    ASSERT_TRUE(game.fWaitFor({{300, 470, fIsCoral}}, 5)) << "the question before skipping the tutorial";
    fSleep(300);
    game.fShot("05_level_1_skip_tutorial");
    game.fClick(381, 474);
    ASSERT_TRUE(game.fWaitFor({{300, 470, fNotCoral}}, 5)) << "the question stays";
    ASSERT_TRUE(game.fWaitFor({{level.fX(0), level.fY(0), fIsCard}, {970, 50, fIsTeal}}, 10));
    fSleep(300);
    game.fShot("05_level_1");
    fDrawSolution(game, level);
    game.fShot("06_level_1_drawn");

    // The first won level earns a trophy; its pop-up comes over the level (paper panel, coral
    // button), and the result follows once it is closed.
    ASSERT_TRUE(game.fWaitFor({{300, 450, fIsCard}, {440, 552, fIsCoral}}, 15)) << "no trophy pop-up";
    fSleep(500);
    game.fShot("07_trophy");
    game.fClick(512, 552);
    ASSERT_TRUE(game.fWaitFor({{512, 290, [](const ZS_PIXEL& p) { return !fIsTeal(p); }}}, 5))
        << "the trophy pop-up does not close";
    // The result: the gold stars on their plate, the coral next button.
    ASSERT_TRUE(game.fWaitFor({{415, 245, fGold}, {604, 530, fIsCoral}, {300, 480, fIsCard}}, 15)) << "no result";
    // The stars come one by one; the picture is taken with the third in.
    EXPECT_TRUE(game.fWaitFor({{607, 245, fGold}}, 5)) << "three stars for a level without mistakes";
    fSleep(300);
    game.fShot("08_result");
    {
        game::gPlayers list;
        const game::GG_PLAYER* saved = fSavedPlayer(list, saves);
        ASSERT_NE(nullptr, saved);
        ASSERT_NE(nullptr, saved->fGetPack(0));
        EXPECT_EQ(3, saved->fGetPack(0)->fGetLevelAt(0)->fGetStars()) << "the win is saved";
        EXPECT_TRUE(saved->fGetPack(0)->fGetLevelAt(1)->fIsOpen()) << "the next level opened";
    }

    // Next: level 2 at once, its grid free of any window.
    game.fClick(686, 538);
    ASSERT_TRUE(game.fWaitFor({{970, 50, fIsTeal}, {level.fX(0), level.fY(0), fIsCard}, {604, 530, fNotCoral}}, 10));
    fSleep(400);
    game.fShot("09_level_2");

    // Both hints spent, the level's store button stands where the hint button was; it opens
    // the shop, where the hint refill is bought with the currency the first level earned.
    uint32_t scoreBefore = 0;
    {
        game::gPlayers list;
        scoreBefore = fSavedPlayer(list, saves)->statistic.score;
    }
    game.fClick(914, 700);
    // The level takes no press while a hint flies: the second waits for the first to land.
    game.fWaitForRest();
    game.fClick(914, 700, zeSAME_SPOT);
    ASSERT_TRUE(game.fWaitFor({{914, 740, fIsTeal}}, 5)) << "no store button after the last hint";
    fSleep(300);
    game.fClick(914, 728);
    ASSERT_TRUE(game.fWaitFor({{414, 606, fIsCoral}, {100, 130, fIsCard}}, 5)) << "the shop with the refill to buy";
    fSleep(400);
    game.fShot("10_shop");
    game.fClick(414, 606);
    ASSERT_TRUE(game.fWaitFor({{414, 606, fNotCoral}}, 5)) << "the refill bought, its button off";
    fSleep(300);
    game.fShot("11_shop_bought");
    {
        game::gPlayers list;
        const game::GG_PLAYER* saved = fSavedPlayer(list, saves);
        EXPECT_EQ(scoreBefore - 60, saved->statistic.score) << "the refill's price is paid, and saved";
    }
    game.fClick(952, 124);
    ASSERT_TRUE(game.fWaitFor({{970, 50, fIsTeal}, {100, 130, fNotPaper}}, 5));

    // Level 2 in play (the README's picture, walk_11_level_2_in_play): the middle row filled in
    // one drag, two empty cells crossed with the right button, and a column held mid-drag
    // (the pointer low in its last cell, clear of the line's length).
    ZS_LEVEL_SHEET second;
    ASSERT_TRUE(second.fRead(root / "Resources/data/share/levels/pack0/level01.xml"));
    game.fDrag(second.fX(0), second.fY(2), second.fX(4), second.fY(2));
    for (const int column : {0, 4})
        game.fClick(second.fX(column), second.fY(0), zeJUMP, 3);
    ASSERT_TRUE(game.fWaitFor({{second.fX(0), second.fY(2), fNotPaper}, {second.fX(4), second.fY(2), fNotPaper},
                               {second.fX(4), second.fY(0), fNotPaper}}, 5))
        << "the filled row and the crossed cells";
    fShell("xdotool mousemove --window " + game.window + " " + std::to_string(second.fX(1)) + " " +
           std::to_string(second.fY(1)) + " sleep 0.1 mousedown 1 sleep 0.1 mousemove --window " + game.window + " " +
           std::to_string(second.fX(1)) + " " + std::to_string(second.fY(3)) + " sleep 0.1 mousemove --window " +
           game.window + " " + std::to_string(second.fX(1) - 18) + " " + std::to_string(second.fY(4) + 16));
    fSleep(600);
    game.fShot("11_level_2_in_play");
    fShell("xdotool mouseup 1");
    ASSERT_TRUE(game.fWaitFor({{second.fX(1), second.fY(4), fNotPaper}}, 5)) << "the column drawn";
    fSleep(300);

    // Leaving the level from its menu costs a heart; the level list shows the time to the next.
    game.fClick(970, 50);
    ASSERT_TRUE(game.fWaitFor({{512, 276, fIsCoral}}, 5)) << "the level's menu";
    fSleep(300);
    game.fClick(631, 378);
    ASSERT_TRUE(game.fWaitFor({{300, 470, fIsCoral}}, 5)) << "the question before leaving";
    fSleep(300);
    game.fClick(381, 474);
    ASSERT_TRUE(game.fWaitFor({{210, 280, fIsCard}, {300, 745, fNavy}}, 10)) << "back in the level list";
    fSleep(1200);
    game.fShot("12_levels_after");
    {
        game::gPlayers list;
        const game::GG_PLAYER* saved = fSavedPlayer(list, saves);
        EXPECT_EQ(4, saved->fGetHealth().count) << "a heart paid for leaving";
    }

    game.fClick(732, 699);
    ASSERT_TRUE(game.fWaitFor({{900, 580, fIsCard}}));
    fSleep(500);
    game.fShot("13_how_to_play");

    // Options: music down to nothing, the system's cursor instead of the game's; OK.
    game.fClick(962, 699);
    ASSERT_TRUE(game.fWaitFor({{365, 121, fIsCoral}, {302, 572, fIsCoral}}));
    fSleep(400);
    game.fDrag(642, 224, 420, 224);
    game.fClick(775, 348);
    fSleep(500);
    game.fShot("14_options_changed");
    game.fClick(392, 580);
    ASSERT_TRUE(game.fWaitFor({{302, 572, fNotCoral}})) << "the options' OK button gone";

    // Back to the title behind a fade (the how-to-play page replaced the level list).
    game.fClick(72, 699);
    ASSERT_TRUE(game.fWaitFor({{422, 406, fIsCoral}, {422, 582, fIsTeal}}));
    fSleep(500);

    // A second profile, made and deleted in the players window.
    game.fClick(512, 77);
    ASSERT_TRUE(game.fWaitFor({{365, 165, fIsCoral}, {655, 304, fIsTeal}}));
    fSleep(400);
    game.fShot("15_players");
    game.fClick(747, 306);
    ASSERT_TRUE(game.fWaitFor({{700, 300, fIsCard}, {160, 560, fVeiledPaper}}));
    fSleep(500);
    game.fType("Second");
    fSleep(200);
    game.fClick(402, 456);
    ASSERT_TRUE(game.fWaitFor({{160, 560, fIsCard}}));
    fSleep(400);
    game.fShot("16_second_profile");
    std::wstring current;
    EXPECT_EQ(std::vector<std::wstring>({L"Walker", L"Second"}), fSavedNames(saves, &current));
    game.fClick(747, 386);
    ASSERT_TRUE(game.fWaitFor({{160, 560, fVeiledPaper}, {700, 300, fIsCard}}));
    fSleep(400);
    game.fShot("17_delete_question");
    game.fClick(402, 456);
    ASSERT_TRUE(game.fWaitFor({{160, 560, fIsCard}}));
    EXPECT_EQ(std::vector<std::wstring>({L"Walker"}), fSavedNames(saves, &current));
    game.fClick(747, 522);
    ASSERT_TRUE(game.fWaitFor({{422, 406, fIsCoral}, {160, 560, fNavy}}));

    // Exit: the question, yes, status 0.
    fSleep(400);
    game.fClick(512, 590);
    ASSERT_TRUE(game.fWaitFor({{712, 484, fIsCard}}));
    fSleep(500);
    game.fShot("18_exit_question");
    game.fClick(402, 444);
    int status = game.fStatusWithin(5);
    if (status < 0)
        game.fShot("failed_exit");
    EXPECT_EQ(0, status) << fReadText(root / "log.txt");
    EXPECT_EQ(std::vector<std::wstring>({L"Walker"}), fSavedNames(saves, &current));
    EXPECT_EQ(L"Walker", current);

    // A second run: the options are as they were left.
    ZT_PROGRAM again(root, "walk");
    ASSERT_TRUE(again.fStart());
    ASSERT_TRUE(again.fWaitFor({{422, 406, fIsCoral}, {422, 582, fIsTeal}}, 20));
    fSleep(600);
    again.fClick(512, 502);
    ASSERT_TRUE(again.fWaitFor({{365, 121, fIsCoral}}));
    fSleep(400);
    again.fShot("19_options_after_restart");
    // Music at the left end: beyond the runner the track is empty; the switch shows its cross
    // half, the knob over the tick.
    const ZS_PIXEL track = again.fPixel(540, 224), tick = again.fPixel(775, 348);
    EXPECT_TRUE(fTrackEmpty(track)) << track;
    EXPECT_FALSE(tick.g > tick.r + 50 && tick.g > tick.b + 40) << "the switch's green tick is covered " << tick;
    again.fClick(632, 580);
    fSleep(600);
    again.fClick(512, 590);
    ASSERT_TRUE(again.fWaitFor({{712, 484, fIsCard}}));
    fSleep(500);
    again.fClick(402, 444);
    status = again.fStatusWithin(5);
    if (status < 0)
        again.fShot("failed_exit_again");
    EXPECT_EQ(0, status);
    EXPECT_NE(std::string::npos, fReadText(saves / "game.xml").find("<version value=\"65792\""));
}
