#pragma once
// The real game run in this process on a copy of the default data set (offscreen video, silent
// sound), driven by a script of steps, one step per update step, with real input events (SDL's
// queue) and frames read back as the game drew them.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stb_image_write.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gAppCallbacks.h"
#include "game/shell/gGame.h"
#include "game/ZT_GAME_DATA.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/gPlayers.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_SCRIPTED
{
namespace fs = std::filesystem;

using ZT_GAME_DATA::fDataRoot;
using ZT_GAME_DATA::fReadText;
using ZT_GAME_DATA::fSaveFolder;
using ZT_GAME_DATA::fStartFolder;
using ZT_GAME_DATA::fWriteText;

// A file of the copied data set with one piece of text replaced; fails the test when the
// piece is not there.
inline void fReplaceIn(const std::string& relative, const std::string& from, const std::string& to)
{
    ZT_GAME_DATA::fReplaceText(fDataRoot() / relative, from, to);
}

// A fresh copy of the repository's data set, with short splashes so that a run is quick, and
// an empty save folder.
inline void fCopyDefaultData()
{
    ZT_GAME_DATA::fCopyResources();
    fReplaceIn("data/share/main/other/screen_loading.xml", "time_per_splash=\"2.0\"", "time_per_splash=\"0.2\"");
    fs::remove_all(fSaveFolder());
}

// Whether the window is open in the running game.
inline bool fOpen(const char* window)
{
    return game::fGetWindowManager() && game::fGetWindowManager()->fIsWindowOpen(window);
}

// The player list's current player.
inline game::GG_PLAYER* fCurrentPlayer()
{
    return game::fGetPlayers()->fGetCurrentPlayer();
}

// A player made from the template whose record lacks the pack, as a save from before the pack
// came; not yet in the player list.
inline game::GG_PLAYER* fPlayerLackingPack(const wchar_t* name, const char* packId)
{
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("player");
    game::fGetGameInstance()->fGetTemplatePlayer()->fSaveXml(element);
    element.child("packs").remove_child(element.child("packs").find_child_by_attribute("pack", "id", packId));
    auto* player = new game::GG_PLAYER;
    player->fLoadXml(element);
    player->fSetName(name);
    return player;
}

// A test on a fresh copy of the data set, with what the game logs caught for the test to read.
class ZT_SCRIPTED_TEST : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fCopyDefaultData();
        fPrepareData();
        testing::internal::CaptureStderr();
    }
    void TearDown() override
    {
        if (!logTaken)
            testing::internal::GetCapturedStderr();
    }
    // The test's own changes to the copy, before the game runs.
    virtual void fPrepareData() {}
    // What the game logged so far; the capture ends.
    std::string fLog()
    {
        logTaken = true;
        return testing::internal::GetCapturedStderr();
    }
    bool logTaken = false;
};

// One drawn frame, top row first, 0xAARRGGBB.
struct ZT_FRAME
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    uint32_t fAt(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        const uint8_t* p = &rgba[(size_t(y) * size_t(width) + size_t(x)) * 4];
        return uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    // The share of the pixels of the rectangle [x0, x1) x [y0, y1) for which the test holds.
    double fShare(int x0, int y0, int x1, int y1, const std::function<bool(uint32_t)>& test) const
    {
        int hits = 0, all = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x, ++all)
                hits += test(fAt(x, y)) ? 1 : 0;
        return all ? double(hits) / all : 0.0;
    }
    // For a person to look at: the test output folder, as PNG.
    bool fSave(const std::string& name) const
    {
        const std::string path = ZT_TEST::fOutputDir() + "/" + name + ".png";
        return !rgba.empty() && stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
    }
};

inline int fRed(uint32_t c) { return int(c >> 16 & 0xFF); }
inline int fGreen(uint32_t c) { return int(c >> 8 & 0xFF); }
inline int fBlue(uint32_t c) { return int(c & 0xFF); }
// Within the tolerance of a colour on every channel.
inline std::function<bool(uint32_t)> fNear(uint32_t color, int tolerance = 24)
{
    return [=](uint32_t c) {
        return std::abs(fRed(c) - fRed(color)) <= tolerance && std::abs(fGreen(c) - fGreen(color)) <= tolerance &&
               std::abs(fBlue(c) - fBlue(color)) <= tolerance;
    };
}
// Looks of the default data set: the paper of cards and panels, the veil over closed cards and
// tiles, the gold of stars and frames, the ink of texts.
inline bool fIsPaper(uint32_t c) { return fRed(c) > 225 && fGreen(c) > 205 && fBlue(c) > 165 && fBlue(c) < 245; }
inline bool fIsVeil(uint32_t c)
{
    return fRed(c) > 70 && fRed(c) < 130 && fBlue(c) > 100 && fBlue(c) < 160 && fBlue(c) > fGreen(c);
}
inline bool fIsGold(uint32_t c) { return fRed(c) > 200 && fGreen(c) > 130 && fBlue(c) < 110; }
inline bool fIsInk(uint32_t c) { return fRed(c) < 90 && fGreen(c) < 90 && fBlue(c) < 110; }
inline bool fIsGrey(uint32_t c)
{
    return std::abs(fRed(c) - fGreen(c)) < 16 && std::abs(fGreen(c) - fBlue(c)) < 24 && fRed(c) > 60;
}

// A script of steps run in the update slot, before the game's own update, one at a time: a
// step runs every update step until it answers true, and the next begins in the next update.
class ZT_SCRIPT
{
public:
    typedef std::function<bool()> ZF_STEP;

    ZT_SCRIPT& fUntil(const std::string& what, ZF_STEP step)
    {
        steps.push_back({what, std::move(step)});
        return *this;
    }
    ZT_SCRIPT& fDo(const std::string& what, std::function<void()> action)
    {
        return fUntil(what, [action]() {
            action();
            return true;
        });
    }
    ZT_SCRIPT& fWait(int updates)
    {
        auto left = std::make_shared<int>(updates);
        return fUntil("wait", [left]() { return --*left <= 0; });
    }
    // Waits until the window is open and nothing of the manager's moves any more.
    ZT_SCRIPT& fUntilAtRest(const std::string& window)
    {
        auto calm = std::make_shared<int>(0);
        return fUntil("rest with " + window, [window, calm]() {
            ZOR_GF::G_WINDOW_MANAGER* windows = game::fGetWindowManager();
            bool moving = !windows || !windows->fIsWindowOpen(window);
            if (windows)
                for (const ZOR_GF::G_WINDOW* w : windows->fGetOpenWindows())
                    moving = moving || w->fIsAnimating();
            *calm = moving ? 0 : *calm + 1;
            return *calm >= 3;
        });
    }
    // The frame drawn after this step, handed to the check in the next step.
    ZT_SCRIPT& fLook(const std::string& what, std::function<void(const ZT_FRAME&)> check)
    {
        fDo("capture for " + what, [this]() { captureWanted = true; });
        // A draw step may be skipped: the check waits for the frame really drawn.
        return fUntil(what, [this, check]() {
            if (captureWanted)
                return false;
            check(frame);
            return true;
        });
    }

    // Input as the player gives it: the pointer moves, then the button goes down and up in
    // the following update steps.
    ZT_SCRIPT& fClick(int x, int y, int button = SDL_BUTTON_LEFT)
    {
        fDo("move to " + std::to_string(x) + "," + std::to_string(y), [x, y]() { fPushMove(x, y); });
        fDo("press", [x, y, button]() { fPushButton(x, y, button, true); });
        return fDo("release", [x, y, button]() { fPushButton(x, y, button, false); });
    }
    ZT_SCRIPT& fKey(SDL_Keycode key)
    {
        fDo("key down", [key]() { fPushKey(key, true); });
        return fDo("key up", [key]() { fPushKey(key, false); });
    }

    // Runs the game with the steps after the title scene has opened; the game is asked to quit
    // after the last step. The game's answer (100500 after a normal run).
    int fRun(int limit = 4000)
    {
        current = this;
        index = 0;
        updates = 0;
        limitUpdates = limit;
        started = false;
        stuckAt.clear();
        ZOR::zcON_START = &startRecord;
        ZOR::ZC_GAME::fGetGame();
        const int result = ZOR::fProgramMain();
        // The game's main deletes what it finds in its slots at the next start.
        ZOR::zcON_START = nullptr;
        ZOR::zcON_UPDATE = nullptr;
        ZOR::zcON_DRAW = nullptr;
        current = nullptr;
        return result;
    }

    // The step the run stopped at when it ran out of time; empty when every step ran.
    const std::string& fStuckAt() const { return stuckAt; }
    bool fFinished() const { return index > steps.size() && stuckAt.empty(); }

    static void fPushMove(int x, int y)
    {
        SDL_WarpMouseInWindow(static_cast<SDL_Window*>(ZOR::zcGAME_WINDOW->fGetHandle()), x, y);
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        SDL_PushEvent(&e);
    }
    static void fPushButton(int x, int y, int button, bool down)
    {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = uint8_t(button);
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    static void fPushKey(SDL_Keycode key, bool down)
    {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.sym = key;
        e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
        SDL_PushEvent(&e);
    }

private:
    struct ZS_STEP
    {
        std::string what;
        ZF_STEP run;
    };

    void fOnUpdate()
    {
        ++updates;
        if (updates > limitUpdates && stuckAt.empty())
        {
            stuckAt = index < steps.size() ? steps[index].what : std::string("(the end)");
            ZOR::zcGAME->running = false;
            return;
        }
        // The title scene first: the steps start from the game as a player finds it.
        if (index == 0 && !started)
        {
            ZOR_GF::G_WINDOW_MANAGER* windows = game::fGetWindowManager();
            started = game::fGetShellPhase() == 1 && windows && windows->fIsWindowOpen("Title");
            return;
        }
        // The game takes one key or button change a frame: a step begins once the input of
        // the steps before it has been taken.
        if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            return;
        if (index < steps.size())
        {
            if (steps[index].run())
                ++index;
            return;
        }
        if (index == steps.size())
        {
            ++index;
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
        }
    }
    void fOnDrawn()
    {
        if (!captureWanted || !ZOR::zcRENDER)
            return;
        captureWanted = false;
        const ZOR::ZS_POINT size = ZOR::zcRENDER->fGetBackBufferSize();
        frame.width = size.x;
        frame.height = size.y;
        frame.rgba.assign(size_t(size.x) * size_t(size.y) * 4, 0);
        ZOR::zcRENDER->fGetDevice()->fReadPixels(0, 0, size.x, size.y, frame.rgba.data());
    }

    static int fUpdateHook(void*)
    {
        if (current)
            current->fOnUpdate();
        return ZOR::fInvoke(current ? current->gameUpdate : nullptr);
    }
    static int fDrawHook(void*)
    {
        const int answer = ZOR::fInvoke(current ? current->gameDraw : nullptr);
        if (current)
            current->fOnDrawn();
        return answer;
    }
    static int fStartHook(void*)
    {
        if (!current)
            return 1;
        current->gameUpdate = ZOR::zcON_UPDATE;
        current->gameDraw = ZOR::zcON_DRAW;
        ZOR::zcON_UPDATE = &current->updateRecord;
        ZOR::zcON_DRAW = &current->drawRecord;
        return 1;
    }

    inline static ZT_SCRIPT* current = nullptr;
    std::vector<ZS_STEP> steps;
    size_t index = 0;
    int updates = 0;
    int limitUpdates = 4000;
    bool started = false;
    bool captureWanted = false;
    std::string stuckAt;
    ZT_FRAME frame;
    ZOR::ZS_CALLBACK* gameUpdate = nullptr;
    ZOR::ZS_CALLBACK* gameDraw = nullptr;
    ZOR::ZS_CALLBACK updateRecord{fUpdateHook, nullptr, nullptr};
    ZOR::ZS_CALLBACK drawRecord{fDrawHook, nullptr, nullptr};
    ZOR::ZS_CALLBACK startRecord{fStartHook, nullptr, nullptr};
};
}
