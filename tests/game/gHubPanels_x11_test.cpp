// The real program on a real X server, played with xdotool as a player plays it: a new profile
// is named on the title, the hub opens with its hearts, currency and star counters, and a click
// on the hearts shows their note. Screenshots of each screen go to the test output folder.
#include <chrono>
#include <string>
#include <thread>

#include "game/ZT_X11_PROGRAM.h"

using namespace ZT_X11;

namespace
{
// Without a window manager the 1024 x 768 window sits in the middle of the 1920 x 1080 screen.
const int kX0 = (1920 - 1024) / 2, kY0 = (1080 - 768) / 2;

// A game pixel of the window as the X server shows it now.
ZS_PIXEL fPixel(int x, int y)
{
    return fImportPixel("root", kX0 + x, kY0 + y);
}

template <class TEST>
bool fWaitPixel(int x, int y, double seconds, TEST test, ZS_PIXEL* last = nullptr)
{
    return fPollPixel([x, y] { return fPixel(x, y); }, seconds, test, last);
}

void fClick(int x, int y)
{
    fShell("xdotool mousemove " + std::to_string(kX0 + x) + " " + std::to_string(kY0 + y) + " click 1");
}

void fScreenshot(const std::string& name)
{
    fShell("import -window root -crop 1024x768+" + std::to_string(kX0) + "+" + std::to_string(kY0) + " '" +
           ZT_TEST::fOutputDir() + "/" + name + ".png'");
}

bool fIsCream(const ZS_PIXEL& p)
{
    return p.r > 225 && p.g > 215 && p.b > 180;
}

bool fIsDarkPill(const ZS_PIXEL& p)
{
    return p.r < 50 && p.g < 50 && p.b < 90 && p.b > p.r;
}

bool fIsHeartRed(const ZS_PIXEL& p)
{
    return p.r > 180 && p.g < 110 && p.b < 130;
}
}

TEST(HubPanels, ANewPlayerReachesTheHubWithItsCountersAndTheHeartsNote)
{
    const fs::path root = gStart / "hub";
    fCopyDataSet(root);
    fSetSplashTime(root, "0.2");
    fShell(fLaunchCommand(root));
    struct ZT_END
    {
        fs::path root;
        ~ZT_END() { fKillIfRunning(root); }
    } end{root};

    // The title, after short splashes.
    ZS_PIXEL seen;
    ASSERT_TRUE(fWaitPixel(512 - 90, 384 + 22, 20, fIsCoral, &seen)) << fReadText(root / "log.txt");
    std::this_thread::sleep_for(std::chrono::milliseconds(800)); // at rest
    fScreenshot("real_title");

    // Play asks for a name; OK takes it and the hub comes.
    fClick(512, 384 + 30);
    ASSERT_TRUE(fWaitPixel(512 + 200, 384 + 100, 5, fIsCream)) << "the name box";
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    fShell("xdotool type --delay 60 Mira");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    fClick(512 - 110, 384 + 72);
    EXPECT_TRUE(fWaitPixel(266, 44, 8, fIsDarkPill, &seen)) << seen.r << " " << seen.g << " " << seen.b;
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    fScreenshot("real_hub_counters");
    EXPECT_TRUE(fIsHeartRed(fPixel(48, 46))) << "the hearts";
    EXPECT_TRUE(fIsGold(fPixel(853, 46))) << "the sunime coin";
    EXPECT_TRUE(fIsGold(fPixel(856, 104))) << "the star";
    EXPECT_TRUE(fIsDarkPill(fPixel(990, 44)));
    EXPECT_FALSE(fIsCream(fPixel(250, 150))) << "no note yet";

    // A click on the hearts shows the note below them, which goes again by itself.
    fClick(150, 44);
    EXPECT_TRUE(fWaitPixel(250, 150, 3, fIsCream)) << "the note on hearts";
    fScreenshot("real_hub_hearts_note");
    EXPECT_TRUE(fWaitPixel(250, 150, 8, [](const ZS_PIXEL& p) { return !fIsCream(p); })) << "gone after a while";

    fShell("kill -TERM " + fReadText(root / "pid.txt"));
    const auto until = Clock::now() + std::chrono::seconds(5);
    while (fReadText(root / "status.txt").empty() && Clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ("0\n", fReadText(root / "status.txt")) << "a close request ends the game normally";
    EXPECT_NE(std::string::npos, fReadText(root / "xdg/QuietInk/Nonogram/players.save").find("Mira"));
}
