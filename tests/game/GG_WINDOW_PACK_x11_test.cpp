// The real program on a real X server, played with the mouse and the keyboard: from the title a
// new profile is typed in, the pack list comes, a closed pack offers itself for sunime and is
// declined, the first pack shows its level list and the keyboard turns its pages. A screenshot
// of each screen is left in the test output folder.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>

#include "support/ZT_TEST_ENV.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace
{
const fs::path gStart = fs::current_path();

std::string fReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string fShell(const std::string& command)
{
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r"))
    {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe))
            out += buffer;
        pclose(pipe);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

struct ZS_PIXEL
{
    int r = 0, g = 0, b = 0;
};

// The program in its own folder with a copy of the data set (short splashes), in the
// background; it ends with the test.
class ZT_PROGRAM
{
public:
    ZT_PROGRAM()
    {
        root = gStart / "lists";
        fs::remove_all(root);
        fs::create_directories(root / "xdg");
        fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", root / "Resources",
                 fs::copy_options::recursive);
        const fs::path loading = root / "Resources/data/share/main/other/screen_loading.xml";
        std::string text = fReadAll(loading);
        const size_t at = text.find("time_per_splash=\"2.0\"");
        if (at != std::string::npos)
            text.replace(at, 21, "time_per_splash=\"0.2\"");
        std::ofstream(loading, std::ios::binary) << text;
        const std::string program = (gStart / ".." / ".." / "nonogram").string();
        fShell("cd '" + root.string() + "' && (env -u SDL_NO_SIGNAL_HANDLERS SDL_VIDEODRIVER=x11 XDG_DATA_HOME='" +
               (root / "xdg").string() + "' ZOR_MESSAGE_BOX=log ALSOFT_DRIVERS=null '" + program +
               "' 2> log.txt & p=$!; echo $p > pid.txt; wait $p; echo $? > status.txt) > /dev/null 2>&1 &");
        for (int i = 0; i < 200 && window.empty(); ++i)
        {
            window = fShell("xdotool search --class nonogram 2>/dev/null | head -1");
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~ZT_PROGRAM()
    {
        if (fReadAll(root / "status.txt").empty())
            fShell("kill -KILL " + fReadAll(root / "pid.txt") + " 2>/dev/null");
    }

    // A pixel of the game window (game pixels: the window is 1024 x 768).
    ZS_PIXEL fPixel(int x, int y) const
    {
        const std::string text = fShell("import -window " + window + " -crop 1x1+" + std::to_string(x) + "+" +
                                        std::to_string(y) + " -depth 8 txt:- 2>/dev/null | tail -1");
        ZS_PIXEL p;
        const size_t open = text.find('(');
        if (open != std::string::npos)
            std::sscanf(text.c_str() + open, "(%d,%d,%d", &p.r, &p.g, &p.b);
        return p;
    }
    bool fWaitPixel(int x, int y, double seconds, const std::function<bool(const ZS_PIXEL&)>& test) const
    {
        const auto until = Clock::now() + std::chrono::duration<double>(seconds);
        do
        {
            if (test(fPixel(x, y)))
                return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        } while (Clock::now() < until);
        return false;
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
        fShell("kill -TERM " + fReadAll(root / "pid.txt"));
        for (int i = 0; i < 100; ++i)
        {
            const std::string status = fReadAll(root / "status.txt");
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
bool fIsCoral(const ZS_PIXEL& p) { return p.r > 200 && p.g > 90 && p.g < 190 && p.b < 150; }
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
    EXPECT_NE(std::string::npos, fReadAll(game.root / "xdg/QuietInk/Nonogram/players.save").find("A"))
        << "the new player is saved";
}
