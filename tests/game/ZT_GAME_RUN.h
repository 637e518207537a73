#pragma once
// The real game run in the test's process on a copy of the default data set (offscreen video,
// silent sound), driven by a script of steps from the update slot with real input events
// (SDL's queue), and its frames read back right after the game has drawn them.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cctype>
#include <cmath>
#include <memory>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include <stb_image_write.h>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/gui/ZC_GUI.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "game/shell/GG_CONFIG.h"
#include "game/shell/gAppCallbacks.h"
#include "game/shell/gGame.h"
#include "game/ZT_GAME_DATA.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_GAME
{
namespace fs = std::filesystem;
using namespace ZOR;
using namespace ZOR_GF;

using ZT_GAME_DATA::fDataRoot;
using ZT_GAME_DATA::fReadText;
using ZT_GAME_DATA::fReplaceText;
using ZT_GAME_DATA::fSaveFolder;
using ZT_GAME_DATA::fWriteText;

inline fs::path fWindowsFolder()
{
    return fDataRoot() / "data/share/windows";
}

inline fs::path fScenesFile()
{
    return fDataRoot() / "data/share/main/other/scenes.xml";
}

// A fresh copy of the repository's data set with short splashes, and no save folder.
inline void fCopyDefaultData()
{
    // The engine may already live in that folder: copied over what is there, the scenes
    // file first removed so that stand-ins of an earlier test do not stay.
    fs::remove(fScenesFile());
    ZT_GAME_DATA::fCopyResources();
    const fs::path loading = fDataRoot() / "data/share/main/other/screen_loading.xml";
    fReplaceText(loading, "time_per_splash=\"2.0\"", "time_per_splash=\"0.05\"");
    fReplaceText(loading, "time_fade=\"0.4\"", "time_fade=\"0.05\"");
    fs::remove_all(fSaveFolder());
}

// Adds a plain window of that name to the copied scenes when the data set declares none (a
// window of another screen that has not been built yet), so that what shows it can be seen
// to show it. A layer and a picture of the kit make it visible.
inline void fAddStandInWindow(const std::string& name, int layer = 5)
{
    const std::string entry = "data/share/windows " + name + ".xml";
    if (fReadText(fScenesFile()).find(entry) != std::string::npos)
        return;
    fWriteText(fWindowsFolder() / (name + ".xml"), "<window _name=\"" + name + "\" _type=\"G_WINDOW_SIMPLE\" _typeOpen=\"SH_MOVE_DOWN\" "
                    "_typeClose=\"SH_MOVE_UP\" _timeShow=\"0.2\" layer=\"" + std::to_string(layer) + "\"><GUI/></window>");
    fReplaceText(fScenesFile(), "</scenes>",
                 "\t<window file=\"" + entry + "\"/>\n</scenes>");
}

// ---------------------------------------------------------------- frames

// The last frame read back: 0xAARRGGBB pixels of the back buffer, top row first.
struct ZS_FRAME
{
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;

    uint32_t fAt(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 0;
        return pixels[size_t(y) * size_t(width) + size_t(x)];
    }
    // The mean colour of the rectangle (right and bottom excluded), as 0xFFRRGGBB.
    uint32_t fMean(int left, int top, int right, int bottom) const
    {
        uint64_t r = 0, g = 0, b = 0, n = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
            {
                const uint32_t c = fAt(x, y);
                r += (c >> 16) & 0xFF;
                g += (c >> 8) & 0xFF;
                b += c & 0xFF;
                ++n;
            }
        if (!n)
            return 0;
        return 0xFF000000u | uint32_t(r / n) << 16 | uint32_t(g / n) << 8 | uint32_t(b / n);
    }
    void fSave(const std::string& name) const
    {
        std::vector<uint8_t> rgba(pixels.size() * 4);
        for (size_t i = 0; i < pixels.size(); ++i)
        {
            rgba[i * 4 + 0] = uint8_t(pixels[i] >> 16);
            rgba[i * 4 + 1] = uint8_t(pixels[i] >> 8);
            rgba[i * 4 + 2] = uint8_t(pixels[i]);
            rgba[i * 4 + 3] = 255;
        }
        const std::string path = ZT_TEST::fOutputDir() + "/" + name + ".png";
        stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4);
    }
};

// Whether two colours are within the distance on each channel.
inline ::testing::AssertionResult fNear(uint32_t actual, uint32_t expected, int tolerance)
{
    for (int shift : {16, 8, 0})
    {
        const int a = int((actual >> shift) & 0xFF), e = int((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

// A rectangle of a frame (right and bottom excluded) and the colour it shows on average.
struct ZS_REGION
{
    const char* what;
    int x0, y0, x1, y1;
    uint32_t color;
};

// Each region's mean colour within the tolerance of its own.
inline void fExpectRegions(const ZS_FRAME& frame, std::initializer_list<ZS_REGION> regions, int tolerance)
{
    for (const ZS_REGION& r : regions)
        EXPECT_TRUE(fNear(frame.fMean(r.x0, r.y0, r.x1, r.y1), r.color, tolerance)) << r.what;
}

// ---------------------------------------------------------------- the run

inline ZS_VECTOR2 fWidgetCentre(const std::string& window, int id);

// A script: steps run one after another, one call per update step; a step answers true when
// it is done, and the next one starts at the following update.
class ZT_SCRIPT
{
public:
    typedef std::function<bool()> ZF_STEP;

    ZT_SCRIPT& fThen(ZF_STEP step)
    {
        steps.push_back(std::move(step));
        return *this;
    }
    // Runs the action once.
    ZT_SCRIPT& fDo(std::function<void()> action)
    {
        return fThen([action] {
            action();
            return true;
        });
    }
    ZT_SCRIPT& fWaitFrames(int frames)
    {
        auto left = std::make_shared<int>(frames);
        return fThen([left] { return --*left <= 0; });
    }
    // Waits until the window is open and at rest (shown, not animating).
    ZT_SCRIPT& fWaitForWindow(const std::string& name)
    {
        return fThen([name] {
            G_WINDOW_MANAGER* windows = game::fGetWindowManager();
            G_WINDOW* w = windows ? windows->fFindOpenWindow(name) : nullptr;
            return w && !w->fIsAnimating();
        });
    }
    // Waits until no open window has moved for a few updates: shows and hides run for their
    // own time, which a loaded machine's longer frames stretch over more or fewer updates.
    ZT_SCRIPT& fWaitAtRest()
    {
        auto calm = std::make_shared<int>(0);
        return fThen([calm] {
            G_WINDOW_MANAGER* windows = game::fGetWindowManager();
            bool moving = !windows;
            if (windows)
                for (const G_WINDOW* w : windows->fGetOpenWindows())
                    moving = moving || w->fIsAnimating();
            *calm = moving ? 0 : *calm + 1;
            return *calm >= 3;
        });
    }
    ZT_SCRIPT& fWaitUntilClosed(const std::string& name)
    {
        return fThen([name] {
            G_WINDOW_MANAGER* windows = game::fGetWindowManager();
            return windows && !windows->fIsWindowOpen(name);
        });
    }
    // The title scene at rest after the splashes.
    ZT_SCRIPT& fWaitForTitle()
    {
        fThen([] { return game::fGetShellPhase() == 1; });
        fWaitForWindow("Title");
        fWaitForWindow("Title_Top");
        // The steps begin with the title as a player finds it, the fade gone.
        return fWaitUntilClosed("Fade_Transition");
    }
    // Pointer to a game pixel (two moves, as a hand glides in), a press and
    // a release of the left button, each in a step of its own.
    ZT_SCRIPT& fClick(int x, int y)
    {
        fDo([x, y] { fMoveTo(x - 1, y); });
        fDo([x, y] { fMoveTo(x, y); });
        fDo([] { fButton(true); });
        fDo([] { fButton(false); });
        return fWaitFrames(2);
    }
    // A click where the function says when the click starts (a widget that is placed by then).
    ZT_SCRIPT& fClickWhere(std::function<ZS_VECTOR2()> where)
    {
        auto at = std::make_shared<ZS_VECTOR2>();
        fDo([=] {
            *at = where();
            fMoveTo(int(at->x) - 1, int(at->y));
        });
        fDo([at] { fMoveTo(int(at->x), int(at->y)); });
        fDo([] { fButton(true); });
        fDo([] { fButton(false); });
        return fWaitFrames(2);
    }
    // A click on the middle of a widget of an open window, wherever the window put it.
    ZT_SCRIPT& fClickWidget(const std::string& window, int id)
    {
        return fClickWhere([=] { return fWidgetCentre(window, id); });
    }
    // Press at one pixel, moves in steps to the other, release there.
    ZT_SCRIPT& fDrag(int x0, int y0, int x1, int y1, int moves = 6)
    {
        fDo([x0, y0] { fMoveTo(x0 - 1, y0); });
        fDo([x0, y0] { fMoveTo(x0, y0); });
        fDo([] { fButton(true); });
        for (int i = 1; i <= moves; ++i)
            fDo([=] { fMoveTo(x0 + (x1 - x0) * i / moves, y0 + (y1 - y0) * i / moves); });
        fDo([] { fButton(false); });
        return fWaitFrames(2);
    }
    // Typed text as key presses with their characters.
    ZT_SCRIPT& fType(const std::string& text)
    {
        for (char ch : text)
        {
            const SDL_Keycode key = SDL_Keycode(std::tolower(static_cast<unsigned char>(ch)));
            fDo([key, ch] { fKey(key, true, std::string(1, ch)); });
            fDo([key] { fKey(key, false, ""); });
        }
        return *this;
    }
    // Reads the next drawn frame back into the given frame.
    ZT_SCRIPT& fCapture(ZS_FRAME* frame, const std::string& saveAs = std::string())
    {
        fDo([this, frame, saveAs] {
            captureInto = frame;
            captureName = saveAs;
        });
        return fThen([this] { return captureInto == nullptr; });
    }
    ZT_SCRIPT& fQuit()
    {
        return fDo([] {
            SDL_Event e{};
            e.type = SDL_QUIT;
            SDL_PushEvent(&e);
        });
    }

    static void fMoveTo(int x, int y)
    {
        SDL_WarpMouseInWindow(static_cast<SDL_Window*>(zcGAME_WINDOW->fGetHandle()), x, y);
    }
    static void fButton(bool down)
    {
        SDL_Event e{};
        e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        e.button.button = SDL_BUTTON_LEFT;
        SDL_GetMouseState(&e.button.x, &e.button.y);
        SDL_PushEvent(&e);
    }
    static void fKey(SDL_Keycode key, bool down, const std::string& text)
    {
        SDL_Event e{};
        e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        e.key.keysym.sym = key;
        e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
        SDL_PushEvent(&e);
        if (!text.empty())
        {
            SDL_Event t{};
            t.type = SDL_TEXTINPUT;
            std::snprintf(t.text.text, sizeof t.text.text, "%s", text.c_str());
            SDL_PushEvent(&t);
        }
    }

    // Called by the run.
    bool fStep()
    {
        if (next >= steps.size())
            return false;
        // The game takes one key or button change a frame: a step begins once the input of
        // the steps before it has been taken.
        if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
            return true;
        if (steps[next]())
            ++next;
        return true;
    }
    void fAfterDraw()
    {
        if (!captureInto || !zcGAME_RENDER)
            return;
        const ZS_POINT size = zcGAME_RENDER->fGetBackBufferSize();
        std::vector<uint8_t> rgba(size_t(size.x) * size_t(size.y) * 4);
        if (zcGAME_RENDER->fGetDevice()->fReadPixels(0, 0, size.x, size.y, rgba.data()))
        {
            captureInto->width = size.x;
            captureInto->height = size.y;
            captureInto->pixels.resize(size_t(size.x) * size_t(size.y));
            for (size_t i = 0; i < captureInto->pixels.size(); ++i)
                captureInto->pixels[i] = 0xFF000000u | uint32_t(rgba[i * 4]) << 16 | uint32_t(rgba[i * 4 + 1]) << 8 |
                                         rgba[i * 4 + 2];
            if (!captureName.empty())
                captureInto->fSave(captureName);
        }
        captureInto = nullptr;
    }
    bool fIsDone() const { return next >= steps.size(); }
    size_t fGetNext() const { return next; }

private:
    std::vector<ZF_STEP> steps;
    size_t next = 0;
    ZS_FRAME* captureInto = nullptr;
    std::string captureName;
};

namespace detail
{
inline ZT_SCRIPT*& fScript()
{
    static ZT_SCRIPT* script = nullptr;
    return script;
}
inline int& fSteps()
{
    static int steps = 0;
    return steps;
}
inline int& fLimit()
{
    static int limit = 0;
    return limit;
}
inline ZS_CALLBACK*& fGameUpdate()
{
    static ZS_CALLBACK* record = nullptr;
    return record;
}
inline ZS_CALLBACK*& fGameDraw()
{
    static ZS_CALLBACK* record = nullptr;
    return record;
}
inline ZS_CALLBACK& fUpdateRecord()
{
    static ZS_CALLBACK record(
        [](void*) {
            ZT_SCRIPT* script = fScript();
            // The script's end quits the game; a script stuck past the limit stops it.
            if (script && !script->fStep() && zcGAME)
                zcGAME->running = false;
            if (++fSteps() > fLimit() && zcGAME)
                zcGAME->running = false;
            return fInvoke(fGameUpdate());
        },
        nullptr, nullptr);
    return record;
}
inline ZS_CALLBACK& fDrawRecord()
{
    static ZS_CALLBACK record(
        [](void*) {
            const int result = fInvoke(fGameDraw());
            if (fScript())
                fScript()->fAfterDraw();
            return result;
        },
        nullptr, nullptr);
    return record;
}
inline ZS_CALLBACK& fStartRecord()
{
    static ZS_CALLBACK record(
        [](void*) {
            fGameUpdate() = zcON_UPDATE;
            zcON_UPDATE = &fUpdateRecord();
            fGameDraw() = zcON_DRAW;
            zcON_DRAW = &fDrawRecord();
            return 1;
        },
        nullptr, nullptr);
    return record;
}
}

// Runs the game with the script; the game's result (100500 after a normal end). The game stops
// when the script ends or after the step limit; *finished says whether every step ran.
inline int fRunGame(ZT_SCRIPT& script, bool* finished = nullptr, int stepLimit = 3000)
{
    detail::fScript() = &script;
    detail::fSteps() = 0;
    detail::fLimit() = stepLimit;
    zcON_START = &detail::fStartRecord();
    ZC_GAME::fGetGame();
    const int result = ZOR::fProgramMain();
    zcON_START = nullptr;
    zcON_UPDATE = nullptr;
    zcON_DRAW = nullptr;
    detail::fScript() = nullptr;
    if (finished)
        *finished = script.fIsDone();
    return result;
}

inline bool fIsOpen(const std::string& window)
{
    return game::fGetWindowManager() && game::fGetWindowManager()->fIsWindowOpen(window);
}

template <class W>
W* fWindow(const std::string& name)
{
    return game::fGetWindowManager() ? dynamic_cast<W*>(game::fGetWindowManager()->fFindWindow(name)) : nullptr;
}

// A game pixel of a widget of an open window: where the window's widget sits on the screen.
inline ZS_VECTOR2 fWidgetCentre(const std::string& window, int id)
{
    G_WINDOW* w = fWindow<G_WINDOW>(window);
    ZC_GUI_OBJECT* widget = w && w->fGetGui() ? w->fGetGui()->fFindById(id) : nullptr;
    if (!widget)
        return ZS_VECTOR2(-100.0f, -100.0f);
    const ZS_TRANSFORM3 world = widget->fGetTransform()->fCompose();
    return ZS_VECTOR2(world.position.x, world.position.y);
}
}
