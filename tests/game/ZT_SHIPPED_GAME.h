#pragma once
// The game object loaded from the repository's own data set (Resources/) on the offscreen
// device, as the program loads it: configuration, resource list, fonts, strings, sounds, store,
// trophies and every window of the scenes file made by the game's factory. Tests drive it as
// the application callbacks do (update, draw, input through the input state) in frames of
// 1/8 s, and read frames back. Made once per test program: loading is most of its time.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_LOCALIZATION.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/render/ZC_RENDER.h"
#include "framework/G_GAMEPLAY.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gWindowFactory.h"
#include "render/ZT_RENDER_FIXTURE.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_GAME
{
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

const float kFrame = 0.125f; // exact in binary: timers end in a known frame

// A level screen that only keeps the flags and records the store events, so that the windows
// can be tried "while a level runs".
class ZT_LEVEL_STAND_IN : public G_GAMEPLAY
{
public:
    bool fStartLevel(const std::string&) override { return started = true; }
    bool fEndLevel() override
    {
        const bool was = started;
        started = false;
        return was;
    }
    void fUpdate() override {}
    void fDraw() override {}
    void fOnKeyUp(int) override {}
    int fOnKeyDown(int) override { return 0; }
    void fOnMouseMove() override {}
    void fOnStoreEvent(const std::string& event, const std::string& item) override { storeEvents += event + ":" + item + ";"; }
    void fSpareHook() override {}
    void fPause() override { paused = true; }
    void fResume() override
    {
        if (started)
            paused = false;
    }
    void fRestart() override {}
    void fLoadResources() override {}
    void fUnloadResources() override {}

    std::string storeEvents;
};

class ZT_SHIPPED_GAME : public ::testing::Test
{
protected:
    inline static ZC_SYSTEM_WINDOW* window = nullptr;
    inline static ZC_RENDER* render = nullptr;
    inline static ZC_INPUT* input = nullptr;
    inline static ZC_REPOSITORY* repository = nullptr;
    inline static ZT_LEVEL_STAND_IN* level = nullptr;
    inline static std::string savedRoot;
    inline static std::string savedFolder;
    inline static bool loaded = false;
    inline static std::filesystem::path root;

    static void SetUpTestSuite()
    {
        window = new ZC_SYSTEM_WINDOW;
        render = new ZC_RENDER;
        if (window->fCreate("shipped windows") != 1 || render->fInit(window->fGetHandle(), 0.1f, 0.0f) != 1)
            return;
        input = new ZC_INPUT;
        // A copy of the repository's data set, with a folder "test" beside it for the files a
        // test adds (the group "test").
        namespace fs = std::filesystem;
        root = fs::current_path() / "shipped";
        fs::remove_all(root);
        fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", root, fs::copy_options::recursive);
        fs::create_directories(root / "test");
        std::ofstream(root / "test" / "placeholder.txt") << "the group lists at least one file";
        savedRoot = fGetFileSystem()->fGetDataRoot();
        const std::string resources = root.string() + "/";
        fGetFileSystem()->fSetDataRoot(resources.c_str());
        // The game reads relative paths (the language folder) from the data root, as it runs.
        savedFolder = fGetFileSystem()->fGetCurrentFolder();
        fGetFileSystem()->fSetCurrentFolder(resources.c_str());
        repository = new ZC_REPOSITORY;
        zcREPOSITORY = repository;
        for (const char* group : {"", "data", "data/share/main/other", "data/share/image/gui", "test"})
            repository->fRegister(group, "");
        testing::internal::CaptureStderr(); // the sound device's notes
        loaded = fReadGameConfig("game.xml") && fMountResourceList("data/share/main/other resource_list.xml") &&
                 fGetGameInstance()->fLoad();
        const std::string log = testing::internal::GetCapturedStderr();
        if (!loaded)
            std::fprintf(stderr, "%s\n%s\n", fGetStartFailure().c_str(), log.c_str());
        level = new ZT_LEVEL_STAND_IN;
        if (loaded)
            fGetGameInstance()->fSetGameplay(level);
    }
    static void TearDownTestSuite()
    {
        if (fGetGameInstance())
            fDeleteGameSingletons();
        fUnmountResourceList();
        delete level;
        delete repository;
        zcREPOSITORY = nullptr;
        if (!savedRoot.empty())
            fGetFileSystem()->fSetDataRoot(savedRoot.c_str());
        if (!savedFolder.empty())
            fGetFileSystem()->fSetCurrentFolder(savedFolder.c_str());
        delete input;
        delete render;
        delete window;
        input = nullptr;
        render = nullptr;
        window = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(loaded) << "the shipped data set loads";
        render->clearColor = ZS_COLOR(0xFF212454u); // the menus' navy
        zcFRAME_DELTA = kFrame;
        game = fGetGameInstance();
        windows = fGetWindowManager();
        level->started = false;
        level->paused = false;
        level->storeEvents.clear();
    }
    void TearDown() override
    {
        // Every window goes, so the next test starts from an empty screen.
        for (G_WINDOW* w : windows->fGetAllWindows())
            w->fHide(true);
        fFrames(12);
        // No profile is left over: every test starts without a current player.
        game->fSetPlayer(nullptr);
        gPlayers* players = fGetPlayers();
        for (const std::wstring& name : players->fGetNames())
            players->fRemovePlayer(name);
    }

    // A file of the group "test" (the group is mounted again to list it).
    void fPutTestFile(const std::string& name, const std::string& text)
    {
        std::ofstream(root / "test" / name, std::ios::binary) << text;
        repository->fUnregister("test");
        ASSERT_NE(-1, repository->fRegister("test", ""));
    }

    // One more row of the strings table, for texts the shipped table has no reason to hold.
    static void fAddText(const std::string& key, const std::string& text)
    {
        pugi::xml_document row;
        pugi::xml_node r = row.append_child("Row");
        r.append_child("Cell").append_child("Data").text().set(key.c_str());
        r.append_child("Cell").append_child("Data").text().set(text.c_str());
        fGetStrings()->fReadRows(r);
    }

    // A new current profile copied from the template (a name of its own for every test).
    GG_PLAYER* fNewPlayer(const std::wstring& name)
    {
        gPlayers* players = fGetPlayers();
        players->fRemovePlayer(name);
        GG_PLAYER* player = game->fCreatePlayer(name);
        EXPECT_NE(nullptr, player);
        game->fSetPlayer(player);
        return player;
    }

    // A window of its own made by the game's factory from a shipped window file, loaded and
    // shown at once, for tests that need one as fresh as at start-up.
    std::unique_ptr<G_WINDOW> fMakeFresh(const std::string& file)
    {
        pugi::xml_document* document = repository->fGetXml(("data/share/windows " + file).c_str());
        EXPECT_NE(nullptr, document) << file;
        std::unique_ptr<G_WINDOW> window(document ? fCreateWindowFromXml(document) : nullptr);
        if (document)
            repository->fReleaseXml(document);
        if (window)
        {
            window->fAcquireResources();
            window->fShow(true);
        }
        return window;
    }

    template <class W>
    W* fWindow(const std::string& name)
    {
        return dynamic_cast<W*>(windows->fFindWindow(name));
    }

    // Frames as the game phase runs them: update, then draw.
    void fFrames(int n)
    {
        for (int i = 0; i < n; ++i)
        {
            input->fAdvanceFrame();
            game->fUpdate();
            fDraw();
        }
    }
    void fDraw()
    {
        ASSERT_EQ(1, render->fBeginFrame());
        game->fDraw();
        ASSERT_EQ(0, render->fEndFrame());
    }
    // Input as the message pump hands it to the game object, one step each.
    void fPointer(int x, int y)
    {
        input->fAdvanceFrame();
        input->fOnMouseMove(x, y);
        game->fOnMouseMove();
    }
    void fClickAt(int x, int y, int key = 1)
    {
        fPointer(x, y);
        input->fAdvanceFrame();
        input->fOnKeyDown(key);
        game->fOnKeyDown(key);
        input->fAdvanceFrame();
        input->fOnKeyUp(key);
        game->fOnKeyUp(key);
    }

    // 0xAARRGGBB of a frame pixel (game pixels are frame pixels here).
    uint32_t fPixel(int x, int y)
    {
        uint8_t p[4] = {};
        if (!render->fGetDevice()->fReadPixels(x, y, 1, 1, p))
            return 0;
        return 0xFF000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    // The average colour of a w x h region centred on (x, y).
    uint32_t fRegion(int x, int y, int w, int h)
    {
        uint64_t sum[3] = {};
        int n = 0;
        for (int dy = -h / 2; dy < h - h / 2; ++dy)
            for (int dx = -w / 2; dx < w - w / 2; ++dx, ++n)
            {
                const uint32_t c = fPixel(x + dx, y + dy);
                sum[0] += (c >> 16) & 0xFF;
                sum[1] += (c >> 8) & 0xFF;
                sum[2] += c & 0xFF;
            }
        return 0xFF000000u | uint32_t(sum[0] / n) << 16 | uint32_t(sum[1] / n) << 8 | uint32_t(sum[2] / n);
    }
    // Whether the region is near the colour (per channel).
    ::testing::AssertionResult fRegionNear(int x, int y, int w, int h, uint32_t expected, int tolerance = 24)
    {
        const uint32_t got = fRegion(x, y, w, h);
        if (ZT_RENDER::fColorDistance(got, expected) <= tolerance)
            return ::testing::AssertionSuccess();
        char text[128];
        std::snprintf(text, sizeof text, "region %dx%d at (%d, %d) is %08X, expected %08X", w, h, x, y, got, expected);
        return ::testing::AssertionFailure() << text;
    }
    // How many pixels of the region lie within the tolerance of the colour.
    int fCountNear(int x0, int y0, int x1, int y1, uint32_t color, int tolerance = 30)
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (ZT_RENDER::fColorDistance(fPixel(x, y), color) <= tolerance)
                    ++n;
        return n;
    }
    void fSaveFrame(const std::string& name)
    {
        ZS_POINT size = render->fGetBackBufferSize();
        std::vector<uint8_t> rgba(size_t(size.x) * size_t(size.y) * 4);
        if (!render->fGetDevice()->fReadPixels(0, 0, size.x, size.y, rgba.data()))
            return;
        const std::string path = ZT_TEST::fOutputDir() + "/" + name + ".png";
        stbi_write_png(path.c_str(), size.x, size.y, 4, rgba.data(), size.x * 4);
    }

    gGame* game = nullptr;
    G_WINDOW_MANAGER* windows = nullptr;
};
}
