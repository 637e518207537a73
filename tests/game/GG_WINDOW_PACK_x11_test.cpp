// The real program on a real X server, played with the mouse and the keyboard: from the title a
// new profile is typed in, the pack list comes, a closed pack offers itself for sunime and is
// declined, the first pack shows its level list and the keyboard turns its pages. A screenshot
// of each screen is left in the test output folder.
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "game/ZT_X11_PROGRAM.h"

using namespace ZT_X11;

namespace
{
// The program in its own folder with a copy of the data set (short splashes), in the
// background; it ends with the test.
class ZT_PROGRAM
{
public:
    ZT_PROGRAM()
    {
        root = gStart / "lists";
        fCopyDataSet(root);
        fSetSplashTime(root, "0.2");
        fShell(fLaunchCommand(root));
        window = fFindWindowByClass(200);
    }
    ~ZT_PROGRAM() { fKillIfRunning(root); }

    // A pixel of the game window (game pixels: the window is 1024 x 768).
    ZS_PIXEL fPixel(int x, int y) const { return fImportPixel(window, x, y); }
    bool fWaitPixel(int x, int y, double seconds, const std::function<bool(const ZS_PIXEL&)>& test) const
    {
        return fPollPixel([this, x, y] { return fPixel(x, y); }, seconds, test);
    }
    void fClick(int x, int y) const
    {
        fShell("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
               " click 1");
    }
    void fType(const std::string& keys) const { fShell("xdotool type --window " + window + " '" + keys + "'"); }
    void fKey(const std::string& key) const { fShell("xdotool key --window " + window + " " + key); }
    void fScreenshot(const std::string& name) const
    {
        fShell("import -window " + window + " '" + ZT_TEST::fOutputDir() + "/" + name + ".png'");
    }
    // The exit status after SIGTERM (the player's close request), -1 when it did not end.
    int fTerminate() const
    {
        fShell("kill -TERM " + fReadText(root / "pid.txt"));
        for (int i = 0; i < 100; ++i)
        {
            const std::string status = fReadText(root / "status.txt");
            if (!status.empty() && status.back() == '\n')
                return std::atoi(status.c_str());
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

    fs::path root;
    std::string window;
};

bool fIsPaper(const ZS_PIXEL& p) { return p.r > 225 && p.g > 205 && p.b > 165 && p.b < 245; }
bool fIsVeil(const ZS_PIXEL& p) { return p.r > 70 && p.r < 130 && p.b > 100 && p.b < 160 && p.b > p.g; }
}

TEST(ListsOnX11, ANewPlayerFindsThePacksAndTheLevelsOfTheFirst)
{
    ZT_PROGRAM game;
    ASSERT_FALSE(game.window.empty());
    ASSERT_TRUE(game.fWaitPixel(512 - 90, 384 + 22, 15, fIsCoral)) << "the title's play button";
    game.fScreenshot("x11_title");

    // Play asks for a name; the typed name makes the player, and the packs come.
    game.fClick(512, 384 + 27);
    ASSERT_TRUE(game.fWaitPixel(512 + 200, 384 + 100, 5, fIsPaper)) << "the name box";
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    game.fType("Ada");
    game.fClick(512 - 110, 384 + 72);
    // The first pack open (paper between its title and stars), the second closed (veil).
    ASSERT_TRUE(game.fWaitPixel(140, 462, 6, fIsPaper)) << "the first pack's card";
    EXPECT_TRUE(game.fWaitPixel(388, 462, 2, fIsVeil)) << "the second pack closed";
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    game.fScreenshot("x11_packs");

    // A closed pack offers itself for sunime; "not now" leaves it closed.
    game.fClick(388, 400);
    ASSERT_TRUE(game.fWaitPixel(512 - 110, 384 + 72, 5, fIsCoral)) << "the buy question's button";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    game.fScreenshot("x11_buy_pack");
    game.fClick(512 + 110, 384 + 72);
    EXPECT_TRUE(game.fWaitPixel(388, 462, 5, fIsVeil)) << "the pack list again, the pack still closed";
    std::this_thread::sleep_for(std::chrono::milliseconds(400));

    // The first pack: its level list, the first level open and the next, the others locked.
    game.fClick(140, 400);
    ASSERT_TRUE(game.fWaitPixel(248, 270, 6, fIsPaper)) << "the first level's tile";
    EXPECT_TRUE(game.fWaitPixel(424, 270, 2, fIsVeil)) << "the second level locked";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    game.fScreenshot("x11_levels");
    // The Right key turns to the second page: level 9 locked where level 1 was.
    game.fKey("Right");
    EXPECT_TRUE(game.fWaitPixel(248, 270, 3, fIsVeil)) << "the second page";

    EXPECT_EQ(0, game.fTerminate());
    EXPECT_NE(std::string::npos, fReadText(game.root / "xdg/QuietInk/Nonogram/players.save").find("A"))
        << "the new player is saved";
}
