// The real program started as a player starts it, on copies of the default data set: failed
// starts, the way to the title on a real X server, the exit question, full screen on a wide
// desktop and the same start from password-protected zip packages.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "game/ZT_X11_PROGRAM.h"
#include "game/shell/GG_CONFIG.h"

using namespace ZT_X11;

namespace
{
// A folder with a fresh copy of the data set, its own application-data folder and the log.
fs::path fPrepare(const std::string& name)
{
    const fs::path root = gStart / name;
    fCopyDataSet(root);
    return root;
}

// The program in the background: its pid lands in pid.txt, its exit status in status.txt.
std::string fLaunch(const fs::path& root, const std::string& video = "x11")
{
    fs::remove(root / "status.txt");
    fs::remove(root / "pid.txt");
    fShell(fLaunchCommand(root, video));
    for (int i = 0; i < 100 && !fs::exists(root / "pid.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return fReadText(root / "pid.txt");
}

// Runs the program to its end (or kills it after the timeout); its exit status and seconds.
int fRunToEnd(const fs::path& root, const std::string& video, double* seconds)
{
    const auto t0 = Clock::now();
    const std::string status = fShell("cd '" + root.string() + "' && env -u SDL_NO_SIGNAL_HANDLERS SDL_VIDEODRIVER=" +
                                      video + " XDG_DATA_HOME='" + (root / "xdg").string() +
                                      "' ZOR_MESSAGE_BOX=log ALSOFT_DRIVERS=null timeout -s KILL " +
                                      std::to_string(int(20 * ZT_TEST::fTimeScale())) + " '" +
                                      fProgram().string() + "' 2> log.txt; echo $?");
    *seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    return std::atoi(status.c_str());
}

// The game window's id once its title is the game's ("Nonogram" is set when the first scene
// is up), else empty.
std::string fWaitForGameWindow(double seconds)
{
    const auto until = Clock::now() + std::chrono::duration<double>(seconds * ZT_TEST::fTimeScale());
    while (Clock::now() < until)
    {
        const std::string id = fShell("xdotool search --name '^Nonogram$' 2>/dev/null | head -1");
        if (!id.empty())
            return id;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::string();
}

// One pixel of the root window now.
ZS_PIXEL fPixel(int x, int y)
{
    return fImportPixel("root", x, y);
}

// Polls a pixel of the root window until the test holds (true) or the time is over (false).
template <class TEST>
bool fWaitPixel(int x, int y, double seconds, TEST test, ZS_PIXEL* last = nullptr)
{
    return fPollPixel([x, y] { return fPixel(x, y); }, seconds, test, last);
}

// Waits until a pixel of the root window has kept its colour for 0.4 s (what slides there has
// come to rest), for at most five seconds.
void fWaitStill(int x, int y)
{
    ZS_PIXEL last = fPixel(x, y);
    int still = 0;
    for (int i = 0; i < 100 && still < 8; ++i)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const ZS_PIXEL p = fPixel(x, y);
        still = p.r == last.r && p.g == last.g && p.b == last.b ? still + 1 : 0;
        last = p;
    }
}

// Makes sure the program is gone, so that no window is left for the next test.
void fKill(const fs::path& root)
{
    if (fKillIfRunning(root))
        fStatusWithin(root, 5);
}

// Whatever a test asserts, its program does not outlive it.
struct ZT_RUNNING
{
    fs::path root;
    ~ZT_RUNNING() { fKill(root); }
};

// The status after SIGTERM, which SDL turns into the player's close request.
int fTerminate(const fs::path& root)
{
    fShell("kill -TERM " + fReadText(root / "pid.txt"));
    const int status = fStatusWithin(root, 5);
    fKill(root);
    return status;
}
}

// Every file that start-up cannot do without, taken away or broken in turn: the program ends
// at once with status 1 and its log names the file.
TEST(Startup, EachMissingOrBrokenStartFileEndsTheStartWithStatusOneAndItsName)
{
    const struct
    {
        const char* path;
        bool broken; // else removed
        const char* named;
    } kCases[] = {
        {"game.xml", false, "game.xml"},
        {"game.xml", true, "game.xml"},
        {"data/share/main/other/editions.xml", false, "editions.xml"},
        {"data/share/main/other/editions.xml", true, "editions.xml"},
        {"data/data.xml", false, "data.xml"},
        {"data/share/main/other/resource_list.xml", true, "resource_list.xml"},
        {"data/en", false, "data/en"},
        {"data/en/strings.xml", false, "strings.xml"},
        {"data/share/font/fonts.xml", false, "fonts.xml"},
        {"data/share/main/other/player.xml", true, "player.xml"},
        {"data/share/main/other/tutorial.xml", false, "tutorial.xml"},
        {"data/share/main/other/sound.xml", true, "sound.xml"},
        {"data/share/main/other/store.xml", false, "store.xml"},
        {"data/share/main/other/trophies.xml", false, "trophies.xml"},
        {"data/share/main/other/packs_description.xml", false, "packs_description.xml"},
        {"data/share/main/other/gCursor.xml", false, "gCursor.xml"},
        {"data/share/main/other/scenes.xml", false, "scenes.xml"},
    };
    const fs::path root = fPrepare("failures");
    const fs::path keep = root / "keep";
    for (const auto& c : kCases)
    {
        SCOPED_TRACE(std::string(c.path) + (c.broken ? " broken" : " removed"));
        const fs::path target = root / "Resources" / c.path;
        ASSERT_TRUE(fs::exists(target));
        fs::remove_all(keep);
        fs::copy(target, keep, fs::copy_options::recursive);
        fs::remove_all(target);
        if (c.broken)
            std::ofstream(target) << "<unfinished><xml";
        double seconds = 0;
        EXPECT_EQ(1, fRunToEnd(root, "offscreen", &seconds));
        EXPECT_LT(seconds, 5.0 * ZT_TEST::fTimeScale());
        const std::string log = fReadText(root / "log.txt");
        EXPECT_NE(std::string::npos, log.find("The game could not start")) << log;
        EXPECT_NE(std::string::npos, log.find(c.named)) << log;
        fs::remove_all(target);
        fs::copy(keep, target, fs::copy_options::recursive);
    }
    EXPECT_FALSE(fs::exists(root / "xdg/QuietInk/Nonogram/game.xml")) << "a failed start writes nothing";
}

// The loading screen and the splash pictures are not needed to play.
TEST(Startup, WithoutLoadingScreenFileOrSplashesTheTitleStillComes)
{
    const fs::path root = fPrepare("optional");
    fs::remove(root / "Resources/data/share/main/other/screen_loading.xml");
    fs::remove_all(root / "Resources/data/splash");
    fLaunch(root);
    ZT_RUNNING running{root};
    EXPECT_FALSE(fWaitForGameWindow(10).empty()) << fReadText(root / "log.txt");
    EXPECT_EQ(0, fTerminate(root));
}

TEST(Startup, SplashesKeySkipTitleExitQuestionAndTheFilesWritten)
{
    const fs::path root = fPrepare("title");
    fLaunch(root);
    ZT_RUNNING running{root};
    // Without a window manager the window sits in the middle of the 1920 x 1080 screen.
    const int x0 = (1920 - 1024) / 2, y0 = (1080 - 768) / 2;
    const std::string window = fFindWindowByClass(100);
    ASSERT_FALSE(window.empty());
    // The first splash: the studio's gold ink drop in the middle of the window.
    ZS_PIXEL seen;
    ASSERT_TRUE(fWaitPixel(x0 + 512, y0 + 330, 10, fIsGold, &seen)) << seen.r << " " << seen.g << " " << seen.b;
    // A key skips it: the drop fades away well before its own 2 s are over.
    const auto pressed = Clock::now();
    fShell("xdotool key --window " + window + " space");
    EXPECT_TRUE(fWaitPixel(x0 + 512, y0 + 330, 3, [](const ZS_PIXEL& p) { return !fIsGold(p) && p.g < 120; }));
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - pressed).count(), 1.8 * ZT_TEST::fTimeScale())
        << "the studio splash is gone";

    ASSERT_FALSE(fWaitForGameWindow(12).empty());
    // The second splash's 2 s, its fade and the fade into the game, with room for a loaded
    // machine, whose frames come slower than 30 a second (the game's time then lags).
    EXPECT_LT(std::chrono::duration<double>(Clock::now() - pressed).count(), 6.0 * ZT_TEST::fTimeScale());
    EXPECT_TRUE(fWaitPixel(x0 + 512 - 90, y0 + 384 + 22, 5, fIsCoral, &seen)) << "the coral play button";
    EXPECT_TRUE(fIsTeal(fPixel(x0 + 512 - 90, y0 + 384 + 198))) << "the teal exit button";
    // The greeting slides in on its own schedule, which a loaded machine stretches.
    EXPECT_TRUE(fWaitPixel(x0 + 512 - 200, y0 + 58, 5, fIsCard)) << "the cream greeting plate";
    EXPECT_FALSE(fIsCard(fPixel(x0 + 512 + 200, y0 + 384 + 100))) << "no question yet";

    fShell("xdotool mousemove " + std::to_string(x0 + 512) + " " + std::to_string(y0 + 384 + 206) + " click 1");
    EXPECT_TRUE(fWaitPixel(x0 + 512 + 200, y0 + 384 + 100, 5, fIsCard)) << "the exit question's paper panel";
    // Yes, once the question has come to rest.
    fWaitStill(x0 + 512 - 110, y0 + 384 + 60);
    fShell("xdotool mousemove " + std::to_string(x0 + 512 - 110) + " " + std::to_string(y0 + 384 + 60) +
           " click 1");
    EXPECT_EQ(0, fStatusWithin(root, 5)) << "the program ended after yes";
    fKill(root);

    const std::string config = fReadText(root / "xdg/QuietInk/Nonogram/game.xml");
    EXPECT_EQ(0, config.compare(0, 3, "\xEF\xBB\xBF"));
    EXPECT_NE(std::string::npos, config.find("<version value=\"65792\""));
    EXPECT_TRUE(fs::exists(root / "xdg/QuietInk/Nonogram/players.save"));
}

// The user's full-screen choice on a 1920 x 1080 desktop: the 4:3 picture in the middle, the
// decorations on both side margins.
TEST(Startup, FullScreenLetterboxesWithDecoratedMargins)
{
    const fs::path root = fPrepare("fullscreen");
    fSetSplashTime(root, "0.1");
    fs::create_directories(root / "xdg/QuietInk/Nonogram");
    std::ofstream(root / "xdg/QuietInk/Nonogram/game.xml")
        << "<game><fullscreen value=\"true\"/><version value=\"65792\"/></game>";
    fLaunch(root);
    ZT_RUNNING running{root};
    ASSERT_FALSE(fWaitForGameWindow(10).empty());
    ZS_PIXEL play;
    EXPECT_TRUE(fWaitPixel(960 - int(90 * 1.40625), 540 + int(22 * 1.40625), 6, fIsCoral, &play)) << "the play button in the middle";
    const ZS_PIXEL margin = fPixel(100, 540);
    EXPECT_GT(margin.b, margin.r) << "navy decoration, not black";
    EXPECT_GT(margin.b, 20);
    EXPECT_NE(0x44, margin.r) << "not the clear colour";
    const ZS_PIXEL line = fPixel(235, 540);
    EXPECT_GT(line.r, 120) << "the gold thread beside the picture";
    EXPECT_GT(line.r, line.b);
    EXPECT_EQ(0, fTerminate(root));
}

// The same start from the packages as a product ships them: password-protected zip archives
// in place of the folders ("data/share/main" stays a folder: "other" lies below it).
TEST(Startup, StartsFromPasswordZippedData)
{
    const fs::path root = fPrepare("zipped");
    fSetSplashTime(root, "0.1");
    const char* const kGroups[] = {"data/share/main/other", "data/share/image/screens", "data/share/windows",
                                   "data/share/font", "data/share/sound", "data/share/image/gui",
                                   "data/share/levels/pack0", "data/share/levels/pack1", "data/share/levels/pack2",
                                   "data/share/levels/pack3", "data/en"};
    for (const char* group : kGroups)
    {
        const fs::path folder = root / "Resources" / group;
        if (!fs::exists(folder))
            continue;
        const std::string zip = folder.string() + ".zip";
        fShell("cd '" + folder.string() + "' && zip -q -X -P " + game::ARCHIVE_PASSWORD + " '" + zip +
               "' $(find . -maxdepth 1 -type f -printf '%f ')");
        fs::remove_all(folder);
        fs::rename(zip, folder);
        ASSERT_TRUE(fs::is_regular_file(folder)) << group;
    }
    fLaunch(root);
    ZT_RUNNING running{root};
    EXPECT_FALSE(fWaitForGameWindow(10).empty()) << fReadText(root / "log.txt");
    const int x0 = (1920 - 1024) / 2, y0 = (1080 - 768) / 2;
    EXPECT_TRUE(fWaitPixel(x0 + 512 - 90, y0 + 384 + 22, 6, fIsCoral)) << "the title's play button, from the zips";
    EXPECT_EQ(0, fTerminate(root));
}

// Another X client taking the window away (a window list's close, xkill) is the player's close:
// the game ends, saves as on any close, and reports a normal end.
TEST(Startup, AWindowTakenAwayByAnotherClientEndsTheGameAsAnyClose)
{
    const char* const kCommands[] = {"xdotool windowclose ", "xkill -id "};
    for (const char* command : kCommands)
    {
        SCOPED_TRACE(command);
        const fs::path root = fPrepare("taken_away");
        fSetSplashTime(root, "0.1");
        fLaunch(root);
        ZT_RUNNING running{root};
        const std::string window = fWaitForGameWindow(10);
        ASSERT_FALSE(window.empty()) << fReadText(root / "log.txt");
        ASSERT_FALSE(fs::exists(root / "xdg/QuietInk/Nonogram/game.xml")) << "nothing saved before the close";
        fShell(command + window + " >/dev/null 2>&1");
        EXPECT_EQ(0, fStatusWithin(root, 10)) << fReadText(root / "log.txt");
        EXPECT_NE(std::string::npos,
                  fReadText(root / "xdg/QuietInk/Nonogram/game.xml").find("<version value=\"65792\""));
        EXPECT_TRUE(fs::exists(root / "xdg/QuietInk/Nonogram/players.save"));
        EXPECT_EQ(std::string::npos, fReadText(root / "log.txt").find("X Error"));
    }
}
