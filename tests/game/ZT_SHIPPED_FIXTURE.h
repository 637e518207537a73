#pragma once
// What the fixtures on the repository's own data set share: the offscreen device, a copy of
// Resources/ with a folder "test" beside it (the group "test"), the game object loaded from it
// as the program loads it, and frames, input and pixels as the application callbacks see them.
// Loaded once per test program: loading is most of its time.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/render/ZC_RENDER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gWindowFactory.h"
#include "render/ZT_RENDER_FIXTURE.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_SHIPPED
{
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

const float kFrame = 0.125f; // exact in binary: timers and effects end in a known frame

class ZT_SHIPPED_FIXTURE : public ::testing::Test
{
protected:
    inline static ZC_SYSTEM_WINDOW* window = nullptr;
    inline static ZC_RENDER* render = nullptr;
    inline static ZC_INPUT* input = nullptr;
    inline static ZC_REPOSITORY* repository = nullptr;
    inline static std::string savedRoot;
    inline static std::string savedFolder;
    inline static bool loaded = false;
    inline static std::filesystem::path root;

    // The device, the copy and the load; `prepare` writes the fixture's own files into the
    // copy before the repository lists it. False when the device does not open (nothing
    // else is made then); `loaded` tells whether the game object loaded.
    static bool fLoadShipped(const char* title, void (*prepare)())
    {
        namespace fs = std::filesystem;
        window = new ZC_SYSTEM_WINDOW;
        render = new ZC_RENDER;
        if (window->fCreate(title) != 1 || render->fInit(window->fGetHandle(), 0.1f, 0.0f) != 1)
            return false;
        input = new ZC_INPUT;
        root = fs::current_path() / "shipped";
        fs::remove_all(root);
        fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", root, fs::copy_options::recursive);
        fs::create_directories(root / "test");
        if (prepare)
            prepare();
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
        return true;
    }
    // Everything fLoadShipped made, in reverse; `dropLevel` deletes the fixture's level screen
    // while the repository still stands.
    static void fUnloadShipped(void (*dropLevel)())
    {
        if (fGetGameInstance())
            fDeleteGameSingletons();
        fUnmountResourceList();
        dropLevel();
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

    // Fixtures call this first and stop when `loaded` is false.
    void SetUp() override
    {
        ASSERT_TRUE(loaded) << "the shipped data set loads";
        render->clearColor = ZS_COLOR(0xFF212454u); // the menus' navy
        zcFRAME_DELTA = kFrame;
        game = fGetGameInstance();
        windows = fGetWindowManager();
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
    void fPress(int key)
    {
        input->fAdvanceFrame();
        input->fOnKeyDown(key);
        game->fOnKeyDown(key);
        input->fAdvanceFrame();
        input->fOnKeyUp(key);
        game->fOnKeyUp(key);
    }

    // 0xFFRRGGBB of a frame pixel (game pixels are frame pixels here).
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
    // How many pixels of the box [x0, x1) x [y0, y1) lie within the tolerance of the colour.
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

    // A window of its own made by the game's factory from a shipped window file, outside the
    // window manager (the caller draws and feeds it).
    std::unique_ptr<G_WINDOW> fMakeFromFile(const std::string& file)
    {
        pugi::xml_document* document = repository->fGetXml(("data/share/windows " + file).c_str());
        EXPECT_NE(nullptr, document) << file;
        std::unique_ptr<G_WINDOW> made(document ? fCreateWindowFromXml(document) : nullptr);
        if (document)
            repository->fReleaseXml(document);
        return made;
    }

    // A window made by the game's factory from the text of a window file, outside the window
    // manager; what the making wrote to stderr goes to *log. The text is kept for the test's
    // length, as the window may read it later.
    std::unique_ptr<G_WINDOW> fMakeFromText(const std::string& xml, std::string* log = nullptr)
    {
        windowTexts.emplace_back();
        pugi::xml_document& document = windowTexts.back();
        EXPECT_TRUE(document.load_string(xml.c_str())) << xml;
        testing::internal::CaptureStderr();
        std::unique_ptr<G_WINDOW> made(fCreateWindowFromXml(&document));
        const std::string caught = testing::internal::GetCapturedStderr();
        if (log)
            *log = caught;
        return made;
    }

    gGame* game = nullptr;
    G_WINDOW_MANAGER* windows = nullptr;
    std::list<pugi::xml_document> windowTexts;
};
}
