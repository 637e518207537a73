#pragma once
// The game object loaded from the repository's own data set (Resources/) on the offscreen
// device, as the program loads it: configuration, resource list, fonts, strings, sounds, store,
// trophies and every window of the scenes file made by the game's factory. Tests drive it as
// the application callbacks do (update, draw, input through the input state) in frames of
// 1/8 s, and read frames back. Made once per test program: loading is most of its time.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "engine/files/ZC_LOCALIZATION.h"
#include "framework/G_GAMEPLAY.h"
#include "game/ZT_QUIET_LEVEL.h"
#include "game/ZT_SHIPPED_FIXTURE.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"

namespace ZT_GAME
{
using namespace ZOR;
using namespace ZOR_GF;
using namespace game;
using ZT_SHIPPED::kFrame;

// A level screen that only keeps the flags and records the store events, so that the windows
// can be tried "while a level runs".
class ZT_LEVEL_STAND_IN : public ZT_QUIET::ZT_QUIET_GAMEPLAY
{
public:
    bool fStartLevel(const std::string&) override { return started = true; }
    void fOnStoreEvent(const std::string& event, const std::string& item) override { storeEvents += event + ":" + item + ";"; }
    void fPause() override { paused = true; }
    void fResume() override
    {
        if (started)
            paused = false;
    }

    std::string storeEvents;
};

class ZT_SHIPPED_GAME : public ZT_SHIPPED::ZT_SHIPPED_FIXTURE
{
protected:
    inline static ZT_LEVEL_STAND_IN* level = nullptr;

    static void SetUpTestSuite()
    {
        if (!fLoadShipped("shipped windows", fWritePlaceholder))
            return;
        level = new ZT_LEVEL_STAND_IN;
        if (loaded)
            fGetGameInstance()->fSetGameplay(level);
    }
    static void fWritePlaceholder()
    {
        std::ofstream(root / "test" / "placeholder.txt") << "the group lists at least one file";
    }
    static void TearDownTestSuite()
    {
        fUnloadShipped([] { delete level; });
    }

    void SetUp() override
    {
        ZT_SHIPPED_FIXTURE::SetUp();
        if (!loaded)
            return;
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
        std::unique_ptr<G_WINDOW> window = fMakeFromFile(file);
        if (window)
        {
            window->fAcquireResources();
            window->fShow(true);
        }
        return window;
    }

    void fClickAt(int x, int y, int key = 1)
    {
        fPointer(x, y);
        fPress(key);
    }
};
}
