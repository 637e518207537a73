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
// What a pixel reads as when there is no picture to read it from.
const ZS_PIXEL kUnseen{-1, -1, -1};

typedef std::function<bool(const ZS_PIXEL&)> ZF_LOOK;

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
        ZS_PIXEL p = kUnseen;
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
        return fGrab() ? fAt(x, y) : kUnseen;
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
        fShot("failed_wait");
        return ::testing::AssertionFailure() << "seen:" << seen.str() << " (picture: walk_failed_wait.png)";
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
    // Clicks until the pixel no longer shows the look (a click that came a frame too early
    // is given again); false when it still shows after the tries.
    bool fClickUntilGone(int x, int y, int px, int py, const ZF_LOOK& look, int tries = 4)
    {
        for (int i = 0; i < tries; ++i)
        {
            fClick(x, y);
            if (fWaitFor({{px, py, [&](const ZS_PIXEL& p) { return !look(p); }}}, 2))
                return true;
        }
        return false;
    }
    // Clicks until every probe shows its look (a button still sliding in takes no press).
    ::testing::AssertionResult fClickUntil(int x, int y, std::initializer_list<std::tuple<int, int, ZF_LOOK>> probes,
                                           int tries = 3)
    {
        ::testing::AssertionResult shown = ::testing::AssertionFailure();
        for (int i = 0; i < tries && !shown; ++i)
        {
            fClick(x, y);
            shown = fWaitFor(probes, 3);
        }
        return shown;
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
    // Keys reach no window while one slides in, so typing waits for the box to come to rest.
    void fType(const std::string& text)
    {
        fSleep(500);
        fShell("xdotool type --delay 80 '" + text + "'");
        fSleep(200);
    }
    // The window as a picture in the tests' output folder (build/test-output).
    void fShot(const std::string& name)
    {
        fShell("import -window " + window + " '" + ZT_TEST::fOutputDir() + "/walk_" + name + ".png' 2>/dev/null");
    }

    fs::path root;
    std::string window;
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;
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
};

// The solution drawn as a player draws it: each run of picture cells of a row in one drag
// (a single cell in one click).
void fDrawSolution(ZT_PROGRAM& game, const ZS_LEVEL_SHEET& level)
{
    for (int row = 0; row < level.rows; ++row)
        for (int column = 0; column < level.columns; ++column)
        {
            if (!level.fPicture(row, column))
                continue;
            int last = column;
            while (last + 1 < level.columns && level.fPicture(row, last + 1))
                ++last;
            if (last == column)
                game.fClick(level.fX(column), level.fY(row));
            else
                game.fDrag(level.fX(column), level.fY(row), level.fX(last), level.fY(row));
            column = last;
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

    ZT_PROGRAM game(root);
    ASSERT_TRUE(game.fStart()) << fReadText(root / "log.txt");
    // Title: the coral play button, the teal exit button.
    ASSERT_TRUE(game.fWaitFor({{422, 406, fIsCoral}, {422, 582, fIsTeal}}, 20)) << fReadText(root / "log.txt");
    fSleep(600);
    game.fShot("01_title");

    // A new profile: play asks for a name, which is typed.
    game.fClick(512, 414);
    ASSERT_TRUE(game.fWaitFor({{700, 300, fIsCard}}));
    game.fType("Walker");
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
    // Skip asks first (a click that lands while a step waits for any click only moves it on).
    bool asked = false;
    for (int i = 0; i < 4 && !asked; ++i)
    {
        game.fClick(613, 154);
        asked = game.fWaitFor({{300, 470, fIsCoral}}, 2);
    }
    ASSERT_TRUE(asked) << "the question before skipping the tutorial";
    fSleep(300);
    game.fShot("05_level_1_skip_tutorial");
    ASSERT_TRUE(game.fClickUntilGone(381, 474, 300, 470, fIsCoral)) << "the question stays";
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
    ASSERT_TRUE(game.fClickUntilGone(512, 552, 512, 290, fIsTeal)) << "the trophy pop-up does not close";
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
    fSleep(900);
    game.fClick(914, 700);
    ASSERT_TRUE(game.fWaitFor({{914, 740, fIsTeal}}, 5)) << "no store button after the last hint";
    fSleep(300);
    ASSERT_TRUE(game.fClickUntil(914, 728, {{414, 606, fIsCoral}, {100, 130, fIsCard}})) << "the shop with the refill to buy";
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
    {
        fShell("xdotool mousemove --window " + game.window + " " + std::to_string(second.fX(column)) + " " +
               std::to_string(second.fY(0)) + " sleep 0.1 click 3");
        fSleep(150);
    }
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
    game.fType("Second");
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
    int status = -1;
    for (int attempt = 0; attempt < 5 && status < 0; ++attempt)
    {
        game.fClick(402, 444);
        status = game.fStatusWithin(2);
    }
    EXPECT_EQ(0, status) << fReadText(root / "log.txt");
    EXPECT_EQ(std::vector<std::wstring>({L"Walker"}), fSavedNames(saves, &current));
    EXPECT_EQ(L"Walker", current);

    // A second run: the options are as they were left.
    ZT_PROGRAM again(root);
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
    status = -1;
    for (int attempt = 0; attempt < 5 && status < 0; ++attempt)
    {
        again.fClick(402, 444);
        status = again.fStatusWithin(2);
    }
    EXPECT_EQ(0, status);
    EXPECT_NE(std::string::npos, fReadText(saves / "game.xml").find("<version value=\"65792\""));
}
