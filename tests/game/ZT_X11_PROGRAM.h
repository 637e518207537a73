#pragma once
// The real program started on a real X server (Xvfb) from a folder of its own, and the ways a
// test plays and watches it: the shell, xdotool to find its window and to give input, and
// ImageMagick's import to read pixels back. Every wait polls at a fixed pace: the x11 tests are
// timed against it.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "support/ZT_TEST_ENV.h"
#include "support/ZT_TEXT_FILES.h"

namespace ZT_X11
{
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The working folder as the test program started: each run has a folder below it.
inline const fs::path gStart = fs::current_path();

inline fs::path fProgram()
{
    return gStart / ".." / ".." / "nonogram";
}

using ZT_TEST::fReadText;

// What the command prints, without its trailing line breaks and blanks.
inline std::string fShell(const std::string& command)
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

inline void fSleep(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

struct ZS_PIXEL
{
    int r = 0, g = 0, b = 0;
};

inline std::ostream& operator<<(std::ostream& out, const ZS_PIXEL& p)
{
    return out << "(" << p.r << "," << p.g << "," << p.b << ")";
}

// Looks of the default data set that several screens share: the coral and teal of buttons, the
// paper of cards and dialogs, the gold of the studio's drop and of the coin.
inline bool fIsCoral(const ZS_PIXEL& p)
{
    return p.r > 200 && p.g > 90 && p.g < 190 && p.b < 150;
}
inline bool fIsTeal(const ZS_PIXEL& p)
{
    return p.r < 120 && p.g > 120 && p.b > 110;
}
inline bool fIsCard(const ZS_PIXEL& p)
{
    return p.r > 220 && p.g > 205 && p.b > 160;
}
inline bool fIsGold(const ZS_PIXEL& p)
{
    return p.r > 200 && p.g > 150 && p.b < 120;
}

// One pixel of an X window ("root" for the whole screen) as the server shows it now.
inline ZS_PIXEL fImportPixel(const std::string& window, int x, int y)
{
    const std::string text = fShell("import -window " + window + " -crop 1x1+" + std::to_string(x) + "+" +
                                    std::to_string(y) + " -depth 8 txt:- 2>/dev/null | tail -1");
    ZS_PIXEL p;
    const size_t open = text.find('(');
    if (open != std::string::npos)
        std::sscanf(text.c_str() + open, "(%d,%d,%d", &p.r, &p.g, &p.b);
    return p;
}

// Reads a pixel every 50 ms until the test holds (true) or the time is over (false); *last
// gets the last one read.
template <class READ, class TEST>
bool fPollPixel(READ read, double seconds, TEST test, ZS_PIXEL* last = nullptr)
{
    const auto until = Clock::now() + std::chrono::duration<double>(seconds * ZT_TEST::fTimeScale());
    ZS_PIXEL p;
    do
    {
        p = read();
        if (last)
            *last = p;
        if (test(p))
            return true;
        fSleep(50);
    } while (Clock::now() < until);
    return false;
}

// A fresh folder for one run: a copy of the data set in Resources/ and an empty xdg/ for the
// program's application data.
inline void fCopyDataSet(const fs::path& root)
{
    fs::remove_all(root);
    fs::create_directories(root / "xdg");
    fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", root / "Resources", fs::copy_options::recursive);
}

// The time each splash of the copied data set stays.
inline void fSetSplashTime(const fs::path& root, const char* seconds)
{
    const fs::path file = root / "Resources/data/share/main/other/screen_loading.xml";
    std::string text = fReadText(file);
    const size_t at = text.find("time_per_splash=\"");
    ASSERT_NE(std::string::npos, at);
    const size_t end = text.find('"', at + 17);
    text.replace(at + 17, end - at - 17, seconds);
    std::ofstream(file, std::ios::binary) << text;
}

// The shell command that starts the program from the folder in the background: its pid lands
// in pid.txt, its exit status in status.txt, what it writes to stderr in log.txt.
inline std::string fLaunchCommand(const fs::path& root, const std::string& video = "x11", bool appendLog = false)
{
    return "cd '" + root.string() + "' && (env -u SDL_NO_SIGNAL_HANDLERS SDL_VIDEODRIVER=" + video +
           " XDG_DATA_HOME='" + (root / "xdg").string() + "' ZOR_MESSAGE_BOX=log ALSOFT_DRIVERS=null '" +
           fProgram().string() + "' 2" + (appendLog ? ">>" : ">") +
           " log.txt & p=$!; echo $p > pid.txt; wait $p; echo $? > status.txt) > /dev/null 2>&1 &";
}

// The first window of the program's class, asked for up to `tries` times 50 ms apart; empty
// when none came.
inline std::string fFindWindowByClass(int tries)
{
    std::string window;
    for (int i = 0; i < tries && window.empty(); ++i)
    {
        window = fShell("xdotool search --class nonogram 2>/dev/null | head -1");
        fSleep(50);
    }
    return window;
}

// The exit status once the program has ended within the time, else -1.
inline int fStatusWithin(const fs::path& root, double seconds)
{
    const auto until = Clock::now() + std::chrono::duration<double>(seconds * ZT_TEST::fTimeScale());
    while (Clock::now() < until)
    {
        const std::string status = fReadText(root / "status.txt");
        if (!status.empty() && status.back() == '\n')
            return std::atoi(status.c_str());
        fSleep(50);
    }
    return -1;
}

// Kills the program unless it has ended; true when it had to.
inline bool fKillIfRunning(const fs::path& root)
{
    if (!fReadText(root / "status.txt").empty())
        return false;
    fShell("kill -KILL " + fReadText(root / "pid.txt") + " 2>/dev/null");
    return true;
}
}
