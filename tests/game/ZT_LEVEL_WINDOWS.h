#pragma once
// The game object loaded from the repository's own data set (Resources/) on the offscreen
// device, as the program loads it, with a level screen that records what the game asks of it.
// Tests drive it as the application callbacks do (update, then draw; input through the input
// state to the game object) in frames of 1/8 s, and read the frames back. Loaded once per test
// program: loading is most of its time.
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
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "engine/render/ZC_RENDER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gGame.h"
#include "game/shell/gWindowFactory.h"
#include "render/ZT_RENDER_FIXTURE.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_LEVEL
{
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;

const float kFrame = 0.125f; // exact in binary: effects end in a known frame

// The level screen as the windows see it: the flags the game object reads and a log of the
// calls, in order ("start <file>", "end", "restart", "load", "unload", "pause", "resume").
class ZT_LEVEL_RECORDER : public GG_GAMEPLAY
{
public:
    bool fStartLevel(const std::string& file) override
    {
        log.push_back("start " + file);
        if (!startWorks)
            return false;
        started = true;
        paused = false;
        return true;
    }
    bool fEndLevel() override
    {
        log.push_back("end");
        const bool was = started;
        started = false;
        return was;
    }
    void fUpdate() override {}
    void fDraw() override {}
    void fOnKeyUp(int) override {}
    int fOnKeyDown(int) override { return 0; }
    void fOnMouseMove() override {}
    void fPause() override
    {
        log.push_back("pause");
        paused = true;
    }
    void fResume() override
    {
        log.push_back("resume");
        if (started)
            paused = false;
    }
    void fRestart() override
    {
        log.push_back("restart");
        paused = false;
    }
    void fLoadResources() override { log.push_back("load"); }
    void fUnloadResources() override { log.push_back("unload"); }

    std::string fLog() const
    {
        std::string text;
        for (const std::string& entry : log)
            text += (text.empty() ? "" : ", ") + entry;
        return text;
    }

    std::vector<std::string> log;
    bool startWorks = true;
};

class ZT_LEVEL_WINDOWS : public ::testing::Test
{
protected:
    inline static ZC_SYSTEM_WINDOW* window = nullptr;
    inline static ZC_RENDER* render = nullptr;
    inline static ZC_INPUT* input = nullptr;
    inline static ZC_REPOSITORY* repository = nullptr;
    inline static ZT_LEVEL_RECORDER* level = nullptr;
    inline static std::string savedRoot;
    inline static std::string savedFolder;
    inline static bool loaded = false;
    inline static std::filesystem::path root;

    static void SetUpTestSuite()
    {
        namespace fs = std::filesystem;
        window = new ZC_SYSTEM_WINDOW;
        render = new ZC_RENDER;
        if (window->fCreate("level windows") != 1 || render->fInit(window->fGetHandle(), 0.1f, 0.0f) != 1)
            return;
        input = new ZC_INPUT;
        // A copy of the repository's data set, with a group "test" for stand-in windows.
        root = fs::current_path() / "shipped";
        fs::remove_all(root);
        fs::copy(fs::path(ZT_TEST::fDataDir()) / ".." / ".." / "Resources", root, fs::copy_options::recursive);
        fs::create_directories(root / "test");
        savedRoot = fGetFileSystem()->fGetDataRoot();
        const std::string resources = root.string() + "/";
        fGetFileSystem()->fSetDataRoot(resources.c_str());
        savedFolder = fGetFileSystem()->fGetCurrentFolder();
        fGetFileSystem()->fSetCurrentFolder(resources.c_str());
        fWriteStandIns();
        repository = new ZC_REPOSITORY;
        zcREPOSITORY = repository;
        for (const char* group : {"", "data", "data/share/main/other", "data/share/image/gui", "test"})
            repository->fRegister(group, "");
        testing::internal::CaptureStderr(); // the sound device's notes
        loaded = fReadGameConfig("game.xml") && fMountResourceList("data/share/main/other resource_list.xml") &&
                 fGetGameInstance()->fLoad();
        const std::string log = testing::internal::GetCapturedStderr();
        if (!loaded)
        {
            std::fprintf(stderr, "%s\n%s\n", fGetStartFailure().c_str(), log.c_str());
            return;
        }
        fGetWindowManager()->fLoadScenes("test scenes.xml");
        level = new ZT_LEVEL_RECORDER;
        fGetGameInstance()->fSetGameplay(level);
    }

    // Plain windows under the names the level windows lead to, for those of them that the
    // shipped scenes do not declare (yet): what matters here is that they are shown.
    static void fWriteStandIns()
    {
        namespace fs = std::filesystem;
        pugi::xml_document shipped;
        shipped.load_file((root / "data/share/main/other/scenes.xml").c_str());
        std::string scenes = "<scenes>";
        for (const char* name : {"Options", "Shop", "Levels", "Packs"})
        {
            const std::string file = std::string("data/share/windows ") + name + ".xml";
            if (shipped.document_element().find_child_by_attribute("window", "file", file.c_str()))
                continue;
            std::ofstream(root / "test" / (std::string(name) + ".xml"))
                << "<window _name=\"" << name << "\" _type=\"G_WINDOW_SIMPLE\" _typeOpen=\"SH_MOMENTAL\" "
                << "_typeClose=\"SH_MOMENTAL\" layer=\"60\"><GUI/></window>";
            scenes += std::string("<window file=\"test ") + name + ".xml\"/>";
        }
        std::ofstream(root / "test" / "scenes.xml") << scenes << "</scenes>";
    }

    static void TearDownTestSuite()
    {
        if (fGetGameInstance())
        {
            fGetGameInstance()->fSetGameplay(nullptr);
            fDeleteGameSingletons();
        }
        fUnmountResourceList();
        delete level;
        level = nullptr;
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
        level->log.clear();
        level->started = false;
        level->paused = false;
        level->startWorks = true;
        fRemovePlayers(); // an earlier run's players.save may have brought some
    }
    void TearDown() override
    {
        fCloseAllWindows();
        game->fEndLevel();
        fRemovePlayers();
    }
    // Every window hidden and gone from the manager's list, so that the next case starts
    // from a bare screen: the manager drops one hidden window per frame, and a window still
    // on its way out would swallow a show asked for meanwhile.
    void fCloseAllWindows()
    {
        for (G_WINDOW* w : windows->fGetAllWindows())
            w->fHide(true);
        for (int i = 0; i < 60 && !windows->fGetOpenWindows().empty(); ++i)
            fFrames(1);
        EXPECT_TRUE(windows->fGetOpenWindows().empty()) << "windows still open";
    }
    void fRemovePlayers()
    {
        game->fSetPlayer(nullptr);
        gPlayers* players = fGetPlayers();
        for (const std::wstring& name : players->fGetNames())
            players->fRemovePlayer(name);
    }

    // A new current profile copied from the template.
    GG_PLAYER* fNewPlayer(const std::wstring& name)
    {
        GG_PLAYER* player = game->fCreatePlayer(name);
        EXPECT_NE(nullptr, player);
        game->fSetPlayer(player);
        return player;
    }

    // A level of pack 0 running and paused, as the pause control leaves it.
    void fStartPausedLevel(int32_t levelId = 0, int32_t packId = 0)
    {
        ASSERT_TRUE(game->fStartLevel(levelId, packId));
        game->fPauseGameplay();
        level->log.clear();
    }

    // A window of its own made by the game's factory from a shipped window file, as fresh as
    // at start-up and outside the window manager (the caller draws and feeds it).
    std::unique_ptr<G_WINDOW> fMakeFresh(const std::string& name)
    {
        pugi::xml_document* document = repository->fGetXml(("data/share/windows " + name + ".xml").c_str());
        EXPECT_NE(nullptr, document) << name;
        std::unique_ptr<G_WINDOW> made(document ? fCreateWindowFromXml(document) : nullptr);
        if (document)
            repository->fReleaseXml(document);
        return made;
    }

    template <class W>
    W* fWindow(const std::string& name)
    {
        return dynamic_cast<W*>(windows->fFindWindow(name));
    }
    bool fOpen(const std::string& name) { return windows->fIsWindowOpen(name); }
    // The text a wide label of an open or closed window holds now.
    std::wstring fLabelText(const std::string& windowName, int id)
    {
        G_WINDOW* w = windows->fFindWindow(windowName);
        ZC_GUI_WLABEL* label = w ? dynamic_cast<ZC_GUI_WLABEL*>(w->fGetGui()->fFindById(id)) : nullptr;
        return label ? label->fGetText() : L"(no label)";
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
    void fClickAt(int x, int y)
    {
        // Two moves, as a real pointer makes many: one move reports only the first widget it
        // changes (the button it left), so the one it reached lights up at the next.
        fPointer(x + 1, y);
        fPointer(x, y);
        input->fAdvanceFrame();
        input->fOnKeyDown(1);
        game->fOnKeyDown(1);
        input->fAdvanceFrame();
        input->fOnKeyUp(1);
        game->fOnKeyUp(1);
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

    gGame* game = nullptr;
    G_WINDOW_MANAGER* windows = nullptr;
};
}
