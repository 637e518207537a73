// The whole game walked as a player walks it: the real program on a real X server, driven by
// xdotool through mouse and keyboard, on a copy of the default data set. Each screen is
// checked by a few pixels of its own and saved as a picture in the build folder (walk/).
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

#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "support/ZT_TEST_ENV.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace
{
const fs::path gStart = fs::current_path();

fs::path fBuild()
{
    return gStart / ".." / "..";
}

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

void fSleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct ZS_PIXEL
{
    int r = -1, g = -1, b = -1;
};

std::ostream& operator<<(std::ostream& out, const ZS_PIXEL& p)
{
    return out << "(" << p.r << "," << p.g << "," << p.b << ")";
}

typedef std::function<bool(const ZS_PIXEL&)> ZF_LOOK;

bool fCoral(const ZS_PIXEL& p)
{
    return p.r > 200 && p.g > 90 && p.g < 190 && p.b < 150;
}
bool fTeal(const ZS_PIXEL& p)
{
    return p.r < 120 && p.g > 120 && p.b > 110;
}
bool fPaper(const ZS_PIXEL& p)
{
    return p.r > 220 && p.g > 205 && p.b > 160;
}
bool fNavy(const ZS_PIXEL& p)
{
    return p.r < 70 && p.g < 70 && p.b > 40 && p.b < 130;
}
bool fVeiledPaper(const ZS_PIXEL& p)
{
    return p.r > 80 && p.r < 180 && p.g > 70 && p.g < 170 && p.b > 50 && p.b < 160;
}
bool fTrackEmpty(const ZS_PIXEL& p)
{
    return p.r > 60 && p.r < 130 && p.g > 60 && p.g < 130 && p.b > 90 && p.b < 170;
}

// One run of the program on its own copy of the data set; everything in game pixels of its
// window, which xdotool finds by its class.
class ZT_PROGRAM
{
public:
    explicit ZT_PROGRAM(const fs::path& aroot) : root(aroot) {}
    ~ZT_PROGRAM() { fKill(); }

    bool fStart()
    {
        fs::remove(root / "status.txt");
        fs::remove(root / "pid.txt");
        const std::string program = (fBuild() / "nonogram").string();
        fShell("cd '" + root.string() + "' && (env -u SDL_NO_SIGNAL_HANDLERS SDL_VIDEODRIVER=x11 XDG_DATA_HOME='" +
               (root / "xdg").string() + "' ZOR_MESSAGE_BOX=log ALSOFT_DRIVERS=null '" + program +
               "' 2>> log.txt & p=$!; echo $p > pid.txt; wait $p; echo $? > status.txt) > /dev/null 2>&1 &");
        for (int i = 0; i < 200 && window.empty(); ++i)
        {
            window = fShell("xdotool search --class nonogram 2>/dev/null | head -1");
            fSleep(50);
        }
        return !window.empty();
    }
    // The exit status once the program has ended within the time, else -1.
    int fStatusWithin(double seconds)
    {
        const auto until = Clock::now() + std::chrono::duration<double>(seconds);
        while (Clock::now() < until)
        {
            const std::string status = fReadAll(root / "status.txt");
            if (!status.empty() && status.back() == '\n')
                return std::atoi(status.c_str());
            fSleep(50);
        }
        return -1;
    }
    void fKill()
    {
        if (!window.empty() && fReadAll(root / "status.txt").empty())
        {
            fShell("kill -KILL " + fReadAll(root / "pid.txt") + " 2>/dev/null");
            fStatusWithin(5);
        }
        window.clear();
    }

    // The window's picture now, as a binary PPM read into memory.
    bool fGrab()
    {
        const fs::path file = root / "grab.ppm";
        fShell("import -window " + window + " -depth 8 'ppm:" + file.string() + "' 2>/dev/null");
        std::ifstream in(file, std::ios::binary);
        std::string magic;
        int maxValue = 0;
        in >> magic >> width >> height >> maxValue;
        in.get();
        if (magic != "P6" || width <= 0 || height <= 0 || maxValue != 255)
            return false;
        pixels.assign(size_t(width) * size_t(height) * 3, 0);
        in.read(reinterpret_cast<char*>(pixels.data()), std::streamsize(pixels.size()));
        return bool(in);
    }
    ZS_PIXEL fAt(int x, int y) const
    {
        ZS_PIXEL p;
        if (x < 0 || y < 0 || x >= width || y >= height)
            return p;
        const unsigned char* c = &pixels[(size_t(y) * size_t(width) + size_t(x)) * 3];
        p.r = c[0];
        p.g = c[1];
        p.b = c[2];
        return p;
    }
    ZS_PIXEL fPixel(int x, int y)
    {
        return fGrab() ? fAt(x, y) : ZS_PIXEL();
    }
    // Waits until every probe shows its look; false (with what was seen) after the time.
    ::testing::AssertionResult fWaitFor(std::initializer_list<std::tuple<int, int, ZF_LOOK>> probes, double seconds = 10)
    {
        const auto until = Clock::now() + std::chrono::duration<double>(seconds);
        std::ostringstream seen;
        do
        {
            seen.str("");
            bool all = fGrab();
            for (const auto& [x, y, look] : probes)
            {
                const ZS_PIXEL p = fAt(x, y);
                seen << " (" << x << "," << y << ")=" << p;
                all = all && look(p);
            }
            if (all)
                return ::testing::AssertionSuccess();
            fSleep(100);
        } while (Clock::now() < until);
        return ::testing::AssertionFailure() << "seen:" << seen.str();
    }
    // Twice to the place, so that the widget there sees the pointer arrive, then a click.
    void fClick(int x, int y)
    {
        fShell("xdotool mousemove --window " + window + " " + std::to_string(x - 2) + " " + std::to_string(y));
        fSleep(80);
        fShell("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y));
        fSleep(80);
        fShell("xdotool click 1");
        fSleep(150);
    }
    void fDrag(int x0, int y0, int x1, int y1)
    {
        fShell("xdotool mousemove --window " + window + " " + std::to_string(x0 - 2) + " " + std::to_string(y0));
        fSleep(80);
        fShell("xdotool mousemove --window " + window + " " + std::to_string(x0) + " " + std::to_string(y0));
        fSleep(80);
        fShell("xdotool mousedown 1");
        for (int i = 1; i <= 6; ++i)
        {
            fSleep(60);
            fShell("xdotool mousemove --window " + window + " " + std::to_string(x0 + (x1 - x0) * i / 6) + " " +
                   std::to_string(y0 + (y1 - y0) * i / 6));
        }
        fSleep(80);
        fShell("xdotool mouseup 1");
        fSleep(150);
    }
    void fType(const std::string& text)
    {
        fShell("xdotool type --delay 80 '" + text + "'");
        fSleep(200);
    }
    // The window as a picture in the build folder's walk/ folder.
    void fShot(const std::string& name)
    {
        fs::create_directories(fBuild() / "walk");
        fShell("import -window " + window + " '" + (fBuild() / "walk" / (name + ".png")).string() + "' 2>/dev/null");
    }

    fs::path root;
    std::string window;
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
};

std::vector<std::wstring> fSavedNames(const fs::path& folder, std::wstring* current)
{
    game::gPlayers list;
    list.fLoad(folder.string() + "/");
    *current = list.fGetCurrentPlayer() ? list.fGetCurrentPlayer()->fGetName() : L"(none)";
    return list.fGetNames();
}
}

TEST(Walk, TitleProfilesHubOptionsAndExitThenTheSameAfterARestart)
{
    const fs::path root = gStart / "walk";
    fs::remove_all(root);
    fs::create_directories(root / "xdg");
    fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", root / "Resources", fs::copy_options::recursive);
    // Short splashes: the walk is about what follows them.
    {
        const fs::path file = root / "Resources/data/share/main/other/screen_loading.xml";
        std::string text = fReadAll(file);
        text.replace(text.find("time_per_splash=\"2.0\""), 21, "time_per_splash=\"0.2\"");
        std::ofstream(file, std::ios::binary) << text;
    }
    const fs::path saves = root / "xdg/QuietInk/Nonogram";

    ZT_PROGRAM game(root);
    ASSERT_TRUE(game.fStart()) << fReadAll(root / "log.txt");
    // Title: the coral play button, the teal exit button.
    ASSERT_TRUE(game.fWaitFor({{422, 406, fCoral}, {422, 582, fTeal}}, 20)) << fReadAll(root / "log.txt");
    fSleep(600);
    game.fShot("01_title");

    // A new profile: play asks for a name, which is typed.
    game.fClick(512, 414);
    ASSERT_TRUE(game.fWaitFor({{700, 300, fPaper}}));
    game.fType("Walker");
    game.fShot("02_new_profile");
    game.fClick(402, 456);
    // The hub: its navy bar with the round teal buttons, behind the fade.
    ASSERT_TRUE(game.fWaitFor({{300, 745, fNavy}, {48, 698, fTeal}, {936, 698, fTeal}}, 10));
    fSleep(800);
    game.fShot("03_hub");

    game.fClick(732, 699);
    ASSERT_TRUE(game.fWaitFor({{900, 580, fPaper}}));
    fSleep(500);
    game.fShot("04_how_to_play");

    // Options: music down to nothing, the system's cursor instead of the game's; OK.
    game.fClick(962, 699);
    ASSERT_TRUE(game.fWaitFor({{365, 121, fCoral}, {302, 572, fCoral}}));
    fSleep(400);
    game.fDrag(642, 224, 420, 224);
    game.fClick(775, 348);
    fSleep(500);
    game.fShot("05_options_changed");
    game.fClick(392, 580);
    ASSERT_TRUE(game.fWaitFor({{365, 121, [](const ZS_PIXEL& p) { return !fCoral(p); }}}));

    // Back to the title behind a fade.
    game.fClick(72, 699);
    ASSERT_TRUE(game.fWaitFor({{422, 406, fCoral}, {422, 582, fTeal}}));
    fSleep(500);

    // A second profile, made and deleted in the players window.
    game.fClick(512, 77);
    ASSERT_TRUE(game.fWaitFor({{365, 165, fCoral}, {655, 304, fTeal}}));
    fSleep(400);
    game.fShot("06_players");
    game.fClick(747, 306);
    ASSERT_TRUE(game.fWaitFor({{700, 300, fPaper}, {160, 560, fVeiledPaper}}));
    game.fType("Second");
    game.fClick(402, 456);
    ASSERT_TRUE(game.fWaitFor({{160, 560, fPaper}}));
    fSleep(400);
    game.fShot("07_second_profile");
    std::wstring current;
    EXPECT_EQ(std::vector<std::wstring>({L"Walker", L"Second"}), fSavedNames(saves, &current));
    game.fClick(747, 386);
    ASSERT_TRUE(game.fWaitFor({{160, 560, fVeiledPaper}, {700, 300, fPaper}}));
    fSleep(400);
    game.fShot("08_delete_question");
    game.fClick(402, 456);
    ASSERT_TRUE(game.fWaitFor({{160, 560, fPaper}}));
    EXPECT_EQ(std::vector<std::wstring>({L"Walker"}), fSavedNames(saves, &current));
    game.fClick(747, 522);
    ASSERT_TRUE(game.fWaitFor({{422, 406, fCoral}, {160, 560, fNavy}}));

    // Exit: the question, yes, status 0.
    fSleep(400);
    game.fClick(512, 590);
    ASSERT_TRUE(game.fWaitFor({{712, 484, fPaper}}));
    fSleep(500);
    game.fShot("09_exit_question");
    int status = -1;
    for (int attempt = 0; attempt < 5 && status < 0; ++attempt)
    {
        game.fClick(402, 444);
        status = game.fStatusWithin(2);
    }
    EXPECT_EQ(0, status) << fReadAll(root / "log.txt");
    EXPECT_EQ(std::vector<std::wstring>({L"Walker"}), fSavedNames(saves, &current));
    EXPECT_EQ(L"Walker", current);

    // A second run: the options are as they were left.
    ZT_PROGRAM again(root);
    ASSERT_TRUE(again.fStart());
    ASSERT_TRUE(again.fWaitFor({{422, 406, fCoral}, {422, 582, fTeal}}, 20));
    fSleep(600);
    again.fClick(512, 502);
    ASSERT_TRUE(again.fWaitFor({{365, 121, fCoral}}));
    fSleep(400);
    again.fShot("10_options_after_restart");
    // Music at the left end: beyond the runner the track is empty; the switch shows its cross
    // half, the knob over the tick.
    const ZS_PIXEL track = again.fPixel(540, 224), tick = again.fPixel(775, 348);
    EXPECT_TRUE(fTrackEmpty(track)) << track;
    EXPECT_FALSE(tick.g > tick.r + 50 && tick.g > tick.b + 40) << "the switch's green tick is covered " << tick;
    again.fClick(632, 580);
    fSleep(600);
    again.fClick(512, 590);
    ASSERT_TRUE(again.fWaitFor({{712, 484, fPaper}}));
    fSleep(500);
    status = -1;
    for (int attempt = 0; attempt < 5 && status < 0; ++attempt)
    {
        again.fClick(402, 444);
        status = again.fStatusWithin(2);
    }
    EXPECT_EQ(0, status);
    EXPECT_NE(std::string::npos, fReadAll(saves / "game.xml").find("<version value=\"65792\""));
}
