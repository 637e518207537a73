// The real program on a real X server, played with the mouse and the keyboard: from the title a
// new profile is typed in, the pack list comes, a closed pack offers itself for sunime and is
// declined, the first pack shows its level list and the keyboard turns its pages. A screenshot
// of each screen is left in the test output folder.
#include "game/ZT_X11_PROGRAM.h"

using namespace ZT_X11;

namespace
{
bool fIsPaper(const ZS_PIXEL& p) { return p.r > 225 && p.g > 205 && p.b > 165 && p.b < 245; }
bool fIsVeil(const ZS_PIXEL& p) { return p.r > 70 && p.r < 130 && p.b > 100 && p.b < 160 && p.b > p.g; }
}

TEST(ListsOnX11, ANewPlayerFindsThePacksAndTheLevelsOfTheFirst)
{
    // The program in its own folder with a copy of the data set (short splashes).
    const fs::path root = gStart / "lists";
    fCopyDataSet(root);
    fSetSplashTime(root, "0.2");
    ZT_PROGRAM game(root, "x11");
    ASSERT_TRUE(game.fStart());
    ASSERT_TRUE(game.fWaitFor({{512 - 90, 384 + 22, fIsCoral}}, 15)) << "the title's play button";
    game.fShot("title");

    // Play asks for a name; the typed name makes the player, and the packs come.
    game.fClick(512, 384 + 27, zeJUMP);
    ASSERT_TRUE(game.fWaitFor({{512 + 200, 384 + 100, fIsPaper}}, 5)) << "the name box";
    fSleep(400);
    game.fType("Ada");
    game.fClick(512 - 110, 384 + 72, zeJUMP);
    // The first pack open (paper between its title and stars), the second closed (veil).
    ASSERT_TRUE(game.fWaitFor({{140, 462, fIsPaper}}, 6)) << "the first pack's card";
    EXPECT_TRUE(game.fWaitFor({{388, 462, fIsVeil}}, 2)) << "the second pack closed";
    fSleep(400);
    game.fShot("packs");

    // A closed pack offers itself for sunime; "not now" leaves it closed.
    game.fClick(388, 400, zeJUMP);
    ASSERT_TRUE(game.fWaitFor({{512 - 110, 384 + 72, fIsCoral}}, 5)) << "the buy question's button";
    fSleep(500);
    game.fShot("buy_pack");
    game.fClick(512 + 110, 384 + 72, zeJUMP);
    EXPECT_TRUE(game.fWaitFor({{388, 462, fIsVeil}}, 5)) << "the pack list again, the pack still closed";
    fSleep(400);

    // The first pack: its level list, the first level open and the next, the others locked.
    game.fClick(140, 400, zeJUMP);
    ASSERT_TRUE(game.fWaitFor({{248, 270, fIsPaper}}, 6)) << "the first level's tile";
    EXPECT_TRUE(game.fWaitFor({{424, 270, fIsVeil}}, 2)) << "the second level locked";
    fSleep(300);
    game.fShot("levels");
    // The Right key turns to the second page: level 9 locked where level 1 was.
    game.fKey("Right");
    EXPECT_TRUE(game.fWaitFor({{248, 270, fIsVeil}}, 3)) << "the second page";

    EXPECT_EQ(0, game.fTerminate());
    EXPECT_NE(std::string::npos, fReadText(game.root / "xdg/QuietInk/Nonogram/players.save").find("A"))
        << "the new player is saved";
}
