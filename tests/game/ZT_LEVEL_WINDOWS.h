#pragma once
// The game object loaded from the repository's own data set (Resources/) on the offscreen
// device, as the program loads it, with a level screen that records what the game asks of it.
// Tests drive it as the application callbacks do (update, then draw; input through the input
// state to the game object) in frames of 1/8 s, and read the frames back. Loaded once per test
// program: loading is most of its time.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LABEL.h"
#include "game/ZT_QUIET_LEVEL.h"
#include "game/ZT_SHIPPED_FIXTURE.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"

namespace ZT_LEVEL
{
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;
using ZT_SHIPPED::kFrame;

// The level screen as the windows see it: the flags the game object reads and a log of the
// calls, in order ("start <file>", "end", "restart", "load", "unload", "pause", "resume").
class ZT_LEVEL_RECORDER : public ZT_QUIET::ZT_QUIET_LEVEL<GG_GAMEPLAY>
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

class ZT_LEVEL_WINDOWS : public ZT_SHIPPED::ZT_SHIPPED_FIXTURE
{
protected:
    inline static ZT_LEVEL_RECORDER* level = nullptr;

    static void SetUpTestSuite()
    {
        if (!fLoadShipped("level windows", fWriteStandIns) || !loaded)
            return;
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
            fGetGameInstance()->fSetGameplay(nullptr);
        fUnloadShipped([] {
            delete level;
            level = nullptr;
        });
    }

    void SetUp() override
    {
        ZT_SHIPPED_FIXTURE::SetUp();
        if (!loaded)
            return;
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
    std::unique_ptr<G_WINDOW> fMakeFresh(const std::string& name) { return fMakeFromFile(name + ".xml"); }

    bool fOpen(const std::string& name) { return windows->fIsWindowOpen(name); }
    // The text a wide label of an open or closed window holds now.
    std::wstring fLabelText(const std::string& windowName, int id)
    {
        G_WINDOW* w = windows->fFindWindow(windowName);
        ZC_GUI_WLABEL* label = w ? dynamic_cast<ZC_GUI_WLABEL*>(w->fGetGui()->fFindById(id)) : nullptr;
        return label ? label->fGetText() : L"(no label)";
    }

    void fClickAt(int x, int y)
    {
        // Two moves, as a real pointer makes many: one move reports only the first widget it
        // changes (the button it left), so the one it reached lights up at the next.
        fPointer(x + 1, y);
        fPointer(x, y);
        fPress(1);
    }
};
}
