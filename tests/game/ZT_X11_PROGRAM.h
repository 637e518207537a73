#pragma once
// The real program started on a real X server (Xvfb) from a folder of its own, and the ways a
// test plays and watches it: the shell, xdotool to find its window and to give input, and
// ImageMagick's import to read pixels back. Every wait polls at a fixed pace: the x11 tests are
// timed against it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include <pugixml.hpp>

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

namespace ZT_X11
{
typedef std::function<bool(const ZS_PIXEL&)> ZF_LOOK;

// How a hand gives a click.
enum ZE_HAND
{
    zeJUMP,      // the pointer jumps onto the target and presses at once
    zeGLIDE,     // glides in over two moves and rests before the press
    zeSAME_SPOT, // presses again where the pointer already is, without moving
    zeTAP,       // moves, rests, then press and release sent together (one frame: a touchpad tap)
};

inline const char* fHandName(ZE_HAND hand)
{
    static const char* const kNames[] = {"jump", "glide", "same spot", "tap"};
    return kNames[hand];
}

// One run of the program on its own copy of the data set; everything in game pixels of its
// window, which xdotool finds by its pid and class. Every input helper gives its input once.
class ZT_PROGRAM
{
public:
    // shots: the prefix of the pictures left in the tests' output folder.
    ZT_PROGRAM(const fs::path& aroot, const std::string& ashots) : root(aroot), shots(ashots) {}
    ~ZT_PROGRAM() { fKill(); }

    bool fStart()
    {
        fs::remove(root / "status.txt");
        fs::remove(root / "pid.txt");
        fShell(fLaunchCommand(root, "x11", true));
        for (int i = 0; i < 200 && window.empty(); ++i)
        {
            // Its own window: another program on the same display may be called the same.
            const std::string pid = fShell("cat '" + (root / "pid.txt").string() + "' 2>/dev/null");
            if (!pid.empty())
                window = fShell("xdotool search --all --pid " + pid + " --class nonogram 2>/dev/null | tail -1");
            fSleep(50);
        }
        return !window.empty();
    }
    int fStatusWithin(double seconds) { return ZT_X11::fStatusWithin(root, seconds); }
    // The exit status after SIGTERM (the player's close request), -1 when it did not end.
    int fTerminate()
    {
        fShell("kill -TERM " + fReadText(root / "pid.txt"));
        return fStatusWithin(5);
    }
    void fKill()
    {
        if (!window.empty() && fKillIfRunning(root))
            fStatusWithin(5);
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
        ZS_PIXEL p{-1, -1, -1};
        if (x < 0 || y < 0 || x >= width || y >= height)
            return p;
        const unsigned char* c = &pixels[(size_t(y) * size_t(width) + size_t(x)) * 3];
        p.r = c[0];
        p.g = c[1];
        p.b = c[2];
        return p;
    }
    ZS_PIXEL fPixel(int x, int y) { return fGrab() ? fAt(x, y) : ZS_PIXEL{-1, -1, -1}; }

    // Waits until every probe shows its look; false (with what was seen, and a picture) after
    // the time.
    ::testing::AssertionResult fWaitFor(const std::vector<std::tuple<int, int, ZF_LOOK>>& probes, double seconds = 10)
    {
        const auto until = Clock::now() + std::chrono::duration<double>(seconds * ZT_TEST::fTimeScale());
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
        const std::string picture = "failed_" + std::to_string(++failures);
        fShot(picture);
        return ::testing::AssertionFailure() << "seen:" << seen.str() << " (picture: " << shots << "_" << picture
                                             << ".png)";
    }
    // Waits until the window's picture stays the same for a while: nothing slides or fades.
    bool fWaitForRest(double seconds = 10, int stillMs = 400)
    {
        const auto until = Clock::now() + std::chrono::duration<double>(seconds * ZT_TEST::fTimeScale());
        std::vector<unsigned char> last;
        auto stillSince = Clock::now();
        while (Clock::now() < until)
        {
            if (fGrab() && pixels == last)
            {
                if (Clock::now() - stillSince >= std::chrono::milliseconds(stillMs))
                    return true;
            }
            else
            {
                last = pixels;
                stillSince = Clock::now();
            }
            fSleep(50);
        }
        return false;
    }

    // Waits until the pixels around (x, y) have stayed the same for a while: what slides or
    // fades there has come to rest.
    bool fWaitStill(int x, int y, int stillMs = 200, double seconds = 5)
    {
        const auto until = Clock::now() + std::chrono::duration<double>(seconds * ZT_TEST::fTimeScale());
        std::vector<ZS_PIXEL> last;
        auto stillSince = Clock::now();
        while (Clock::now() < until)
        {
            std::vector<ZS_PIXEL> now;
            if (fGrab())
                for (int dy = -4; dy <= 4; dy += 4)
                    for (int dx = -4; dx <= 4; dx += 4)
                        now.push_back(fAt(x + dx, y + dy));
            const bool same = !now.empty() && now.size() == last.size() &&
                              std::equal(now.begin(), now.end(), last.begin(), [](const ZS_PIXEL& a, const ZS_PIXEL& b) {
                                  return a.r == b.r && a.g == b.g && a.b == b.b;
                              });
            if (!same)
            {
                last = now;
                stillSince = Clock::now();
            }
            else if (Clock::now() - stillSince >= std::chrono::milliseconds(stillMs))
                return true;
            fSleep(30);
        }
        return false;
    }
    void fMove(int x, int y) { fShell("xdotool mousemove --window " + window + " " + fXY(x, y)); }
    // One click of the left button (or another) at (x, y), given by the hand.
    void fClick(int x, int y, ZE_HAND hand = zeGLIDE, int button = 1)
    {
        const std::string b = std::to_string(button);
        switch (hand)
        {
        case zeJUMP:
            fShell("xdotool mousemove --window " + window + " " + fXY(x, y) + " mousedown " + b);
            fSleep(100);
            fShell("xdotool mouseup " + b);
            break;
        case zeGLIDE:
            fShell("xdotool mousemove --window " + window + " " + fXY(x - 40, y + 10));
            fSleep(60);
            fShell("xdotool mousemove --window " + window + " " + fXY(x, y));
            fSleep(400);
            fShell("xdotool mousedown " + b);
            fSleep(100);
            fShell("xdotool mouseup " + b);
            break;
        case zeSAME_SPOT:
            fShell("xdotool mousedown " + b);
            fSleep(100);
            fShell("xdotool mouseup " + b);
            break;
        case zeTAP:
            fShell("xdotool mousemove --window " + window + " " + fXY(x, y));
            fSleep(300);
            fShell("xdotool mousedown " + b + " mouseup " + b);
            break;
        }
    }
    // A press at the start, moves along the line, the release at the end; the press given by
    // the hand (a tap's press and first move go together).
    void fDrag(int x0, int y0, int x1, int y1, ZE_HAND hand = zeGLIDE, int button = 1, int steps = 6)
    {
        const std::string b = std::to_string(button);
        auto at = [&](int i) { return fXY(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps); };
        switch (hand)
        {
        case zeJUMP:
            fShell("xdotool mousemove --window " + window + " " + at(0) + " mousedown " + b);
            break;
        case zeGLIDE:
            fShell("xdotool mousemove --window " + window + " " + fXY(x0 - 40, y0 + 10));
            fSleep(60);
            fShell("xdotool mousemove --window " + window + " " + at(0));
            fSleep(400);
            fShell("xdotool mousedown " + b);
            break;
        case zeSAME_SPOT:
            fShell("xdotool mousedown " + b);
            break;
        case zeTAP:
            fShell("xdotool mousemove --window " + window + " " + at(0));
            fSleep(300);
            fShell("xdotool mousedown " + b + " mousemove --window " + window + " " + at(1));
            break;
        }
        for (int i = hand == zeTAP ? 2 : 1; i <= steps; ++i)
        {
            fSleep(40);
            fShell("xdotool mousemove --window " + window + " " + at(i));
        }
        fSleep(60);
        fShell("xdotool mouseup " + b);
    }
    void fType(const std::string& text) { fShell("xdotool type --delay 80 '" + text + "'"); }
    void fKey(const std::string& key) { fShell("xdotool key --window " + window + " " + key); }
    // The window as a picture in the tests' output folder (build/test-output).
    void fShot(const std::string& name)
    {
        fShell("import -window " + window + " '" + ZT_TEST::fOutputDir() + "/" + shots + "_" + name + ".png' 2>/dev/null");
    }

    fs::path root;
    std::string shots;
    std::string window;
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;

private:
    static std::string fXY(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }
    int failures = 0;
};

// A shipped level as the player sees it: where each cell's middle lies and which cells are
// picture cells, read from the level file itself.
struct ZS_LEVEL_SHEET
{
    int columns = 0, rows = 0;
    std::vector<int> cells;
    double left = 0, top = 0, cell = 0, gap = 0;
    int blockColumns = 1, blockRows = 1;

    bool fRead(const fs::path& file)
    {
        pugi::xml_document doc;
        if (!doc.load_file(file.string().c_str()))
            return false;
        const pugi::xml_node settings = doc.child("level").child("settings");
        std::istringstream grid(settings.attribute("grid").value()), size(settings.attribute("elSize").value()),
            block(settings.attribute("block").value()), position(settings.attribute("position").value()),
            blockSize(settings.child("block").child_value("SIZE"));
        double px = 0, py = 0, blockWidth = 0;
        grid >> columns >> rows;
        size >> cell;
        block >> blockColumns >> blockRows;
        position >> px >> py;
        blockSize >> blockWidth;
        // A block picture spans its cells and a gap on each side; blocks stand one gap apart.
        gap = (blockWidth - blockColumns * cell) / 2;
        const int across = columns / blockColumns, down = rows / blockRows;
        left = px - (across * blockColumns * cell + (across + 1) * gap) / 2;
        top = py - (down * blockRows * cell + (down + 1) * gap) / 2;
        for (pugi::xml_node c : doc.child("level").child("gElements").children("cell"))
            cells.push_back(c.attribute("type").as_int());
        return columns > 0 && rows > 0 && cell > 0 && int(cells.size()) == columns * rows;
    }
    int fX(int column) const { return int(left + gap * (1 + column / blockColumns) + cell * (column + 0.5)); }
    int fY(int row) const { return int(top + gap * (1 + row / blockRows) + cell * (row + 0.5)); }
    bool fPicture(int row, int column) const { return cells[size_t(row * columns + column)] == 100; }

    struct ZS_RUN
    {
        int row, first, last; // columns first to last of the row
    };
    // The runs of picture cells (or of the other cells) along each row, each as long as it goes.
    std::vector<ZS_RUN> fRowRuns(bool picture) const
    {
        std::vector<ZS_RUN> runs;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column)
            {
                if (fPicture(row, column) != picture)
                    continue;
                int last = column;
                while (last + 1 < columns && fPicture(row, last + 1) == picture)
                    ++last;
                runs.push_back({row, column, last});
                column = last;
            }
        return runs;
    }
};
}
