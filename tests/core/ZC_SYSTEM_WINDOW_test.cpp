#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZS_CALLBACK.h"
#include "engine/platform/ZC_PLATFORM_WINDOW.h"

#include <pugixml.hpp>

using namespace ZOR;

namespace
{
// Engine events seen, in order: "down 65", "up 1", "move", "activate", "deactivate", "close".
std::vector<std::string> gEvents;

int fOnDown(void* key)
{
    gEvents.push_back("down " + std::to_string(intptr_t(key)));
    return 0;
}
int fOnUp(void* key)
{
    gEvents.push_back("up " + std::to_string(intptr_t(key)));
    return 0;
}
int fOnMove(void*)
{
    gEvents.push_back("move");
    return 0;
}
int fOnActivate(void*)
{
    gEvents.push_back("activate");
    return 0;
}
int fOnDeactivate(void*)
{
    gEvents.push_back("deactivate");
    return 0;
}
int fOnClose(void*)
{
    gEvents.push_back("close");
    return 0;
}

// A created window, an input state and recording handlers in the engine slots.
class WindowEvents : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(1, window.fCreate("Events"));
        struct
        {
            ZS_CALLBACK** slot;
            ZF_CALLBACK function;
        } slots[] = {{&zcON_KEY_DOWN, fOnDown},         {&zcON_KEY_UP, fOnUp},
                     {&zcON_MOUSE_MOVE, fOnMove},        {&zcON_ACTIVATE, fOnActivate},
                     {&zcON_DEACTIVATE, fOnDeactivate}, {&zcON_CLOSE, fOnClose}};
        for (auto& s : slots)
            *s.slot = fCreateCallback(s.function);
        fPumpWindowMessages(&input, &window); // whatever creation queued
        gEvents.clear();
    }

    void TearDown() override
    {
        for (ZS_CALLBACK** slot : {&zcON_KEY_DOWN, &zcON_KEY_UP, &zcON_MOUSE_MOVE, &zcON_ACTIVATE, &zcON_DEACTIVATE, &zcON_CLOSE})
        {
            delete *slot;
            *slot = nullptr;
        }
    }

    uint32_t fWindowId() { return SDL_GetWindowID(static_cast<SDL_Window*>(window.fGetHandle())); }

    void fPushKey(uint32_t type, SDL_Scancode scancode, SDL_Keycode sym, uint16_t mod = KMOD_NONE, bool repeat = false)
    {
        SDL_Event e{};
        e.type = type;
        e.key.windowID = fWindowId();
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.repeat = repeat;
        e.key.keysym.scancode = scancode;
        e.key.keysym.sym = sym;
        e.key.keysym.mod = mod;
        ASSERT_EQ(1, SDL_PushEvent(&e));
    }

    void fPushText(const char* utf8)
    {
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = fWindowId();
        SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
        ASSERT_EQ(1, SDL_PushEvent(&e));
    }

    void fPushButton(uint32_t type, uint8_t button, int x = 0, int y = 0)
    {
        SDL_Event e{};
        e.type = type;
        e.button.windowID = fWindowId();
        e.button.button = button;
        e.button.x = x;
        e.button.y = y;
        e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.clicks = 1;
        ASSERT_EQ(1, SDL_PushEvent(&e));
    }

    void fPushWindowEvent(uint8_t what)
    {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.windowID = fWindowId();
        e.window.event = what;
        ASSERT_EQ(1, SDL_PushEvent(&e));
    }

    void fPump() { fPumpWindowMessages(&input, &window); }
    // A loop step after a drawn frame: the states age, then the queue is read.
    void fStep()
    {
        input.fAdvanceFrame();
        fPump();
    }
    static int fQueued() { return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT); }
    void fPushMotion(int x, int y)
    {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = fWindowId();
        e.motion.x = x;
        e.motion.y = y;
        ASSERT_EQ(1, SDL_PushEvent(&e));
    }

    ZC_INPUT input;
    ZC_SYSTEM_WINDOW window;
};
}

TEST(SystemWindow, CreatesAShownOpenGLWindowAtTheGameSizeWithTheDefaultStyle)
{
    ZC_SYSTEM_WINDOW window;
    ASSERT_EQ(1, window.fCreate(u8"Nonogramm \u00e4\u00f6\u00fc"));
    auto* sdl = static_cast<SDL_Window*>(window.fGetHandle());
    ASSERT_NE(nullptr, sdl);
    uint32_t flags = SDL_GetWindowFlags(sdl);
    EXPECT_TRUE(flags & SDL_WINDOW_OPENGL);
    EXPECT_TRUE(flags & SDL_WINDOW_SHOWN);
    int w = 0, h = 0;
    SDL_GetWindowSize(sdl, &w, &h);
    EXPECT_EQ(1024, w);
    EXPECT_EQ(768, h);
    EXPECT_EQ(0x10CA0000u, window.style) << "visible, caption, system menu, minimise box";
    EXPECT_STREQ(u8"Nonogramm \u00e4\u00f6\u00fc", SDL_GetWindowTitle(sdl));
    window.fSetTitle(u8"R\u00e4tsel");
    EXPECT_STREQ(u8"R\u00e4tsel", SDL_GetWindowTitle(sdl));

    // What the renderer does with the handle.
    SDL_GLContext context = SDL_GL_CreateContext(sdl);
    ASSERT_NE(nullptr, context) << SDL_GetError();
    int profile = 0;
    SDL_GL_GetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, &profile);
    EXPECT_EQ(SDL_GL_CONTEXT_PROFILE_COMPATIBILITY, profile);
    SDL_GL_DeleteContext(context);
}

TEST(SystemWindow, StyleOptionsGiveTheWin32StyleWords)
{
    struct Case
    {
        bool caption, resizable, minimiseBox, maximiseBox;
        uint32_t style;
    } cases[] = {
        {true, false, true, false, 0x10CA0000},  // the defaults
        {true, true, true, true, 0x10CF0000},    // every option on
        {true, false, false, false, 0x10C80000}, // no minimise box
        {false, true, false, true, 0x100B0000},  // no caption: the other options do not count
    };
    for (const Case& c : cases)
    {
        ZC_SYSTEM_WINDOW window; // not created: only the style is computed
        window.caption = c.caption;
        window.resizable = c.resizable;
        window.minimiseBox = c.minimiseBox;
        window.maximiseBox = c.maximiseBox;
        window.fApplyStyle();
        EXPECT_EQ(c.style, window.style) << std::hex << c.style;
    }
}

TEST(SystemWindow, CreationWithoutOpenGLIsAFailure)
{
    ZC_SYSTEM_WINDOW window;
    fPlatformFailWindowCreations(1);
    EXPECT_EQ(-1, window.fCreate("No window"));
    EXPECT_EQ(nullptr, window.fGetHandle());
    EXPECT_EQ(1, window.fCreate("Next time")) << "the seam fails one creation only";
}

TEST(SystemWindow, LetterboxAndScreenToGame)
{
    struct Case
    {
        const char* why;
        int desktopW, desktopH, gameW, gameH;
        bool fullScreen, useDesktopSize;
        float scale, offsetX, offsetY;
        ZS_POINT screen, game;
    } cases[] = {
        {"pillar-boxed, first pixel", 1920, 1080, 1024, 768, true, true, 1.40625f, 240, 0, {240, 0}, {0, 0}},
        {"pillar-boxed, last pixel", 1920, 1080, 1024, 768, true, true, 1.40625f, 240, 0, {1679, 1079}, {1023, 767}},
        {"letter-boxed", 1280, 1024, 1024, 768, true, true, 1.25f, 0, 32, {1279, 32}, {1023, 0}},
        {"the desktop's own size", 1024, 768, 1024, 768, true, true, 1, 0, 0, {500, 300}, {500, 300}},
        {"full screen without the desktop size maps nothing", 1920, 1080, 1024, 768, true, false, 1.40625f, 240, 0,
         {1679, 1079}, {1679, 1079}},
        {"windowed", 1920, 1080, 1024, 768, false, true, 1, 0, 0, {17, 5}, {17, 5}},
    };
    int savedW = zcDESKTOP_WIDTH, savedH = zcDESKTOP_HEIGHT;
    for (const Case& c : cases)
    {
        ZC_SYSTEM_WINDOW window; // not created: the window sits at (0, 0)
        zcDESKTOP_WIDTH = c.desktopW;
        zcDESKTOP_HEIGHT = c.desktopH;
        window.fSetMode(c.gameW, c.gameH, c.fullScreen, c.useDesktopSize);
        EXPECT_FLOAT_EQ(c.scale, window.letterboxScale) << c.why;
        EXPECT_FLOAT_EQ(c.offsetX, window.letterboxOffset.x) << c.why;
        EXPECT_FLOAT_EQ(c.offsetY, window.letterboxOffset.y) << c.why;
        ZS_POINT game;
        window.fScreenToGame(c.screen, &game);
        EXPECT_EQ(c.game.x, game.x) << c.why;
        EXPECT_EQ(c.game.y, game.y) << c.why;
    }
    zcDESKTOP_WIDTH = savedW;
    zcDESKTOP_HEIGHT = savedH;
}

TEST(SystemWindow, ScreenToGamePointLetterboxesWheneverFullScreen)
{
    int savedW = zcDESKTOP_WIDTH, savedH = zcDESKTOP_HEIGHT;
    {
        ZC_SYSTEM_WINDOW window;
        zcDESKTOP_WIDTH = 1920;
        zcDESKTOP_HEIGHT = 1080;
        window.fSetMode(1024, 768, true, false);
        ZS_POINT game = window.fScreenToGamePoint(ZS_POINT(1679, 1079));
        EXPECT_EQ(1023, game.x);
        EXPECT_EQ(767, game.y);
    }
    zcDESKTOP_WIDTH = savedW;
    zcDESKTOP_HEIGHT = savedH;
}

TEST_F(WindowEvents, KeysArriveAsVirtualKeyCodesAndSystemKeysDoNot)
{
    struct Case
    {
        const char* why;
        SDL_Scancode scancode;
        SDL_Keycode sym;
        uint16_t mod;
        int vk; // 0: must not reach the input state
    } cases[] = {
        {"letter", SDL_SCANCODE_A, SDLK_a, KMOD_NONE, 'A'},
        {"letter from the layout (Z where QWERTY has Y)", SDL_SCANCODE_Y, SDLK_z, KMOD_NONE, 'Z'},
        {"digit", SDL_SCANCODE_7, SDLK_7, KMOD_NONE, '7'},
        {"digit row on a layout without digits", SDL_SCANCODE_1, SDLK_AMPERSAND, KMOD_NONE, '1'},
        {"left shift", SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_NONE, 16},
        {"right control", SDL_SCANCODE_RCTRL, SDLK_RCTRL, KMOD_NONE, 17},
        {"enter", SDL_SCANCODE_RETURN, SDLK_RETURN, KMOD_NONE, 13},
        {"escape", SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, KMOD_NONE, 27},
        {"left arrow", SDL_SCANCODE_LEFT, SDLK_LEFT, KMOD_NONE, 37},
        {"delete", SDL_SCANCODE_DELETE, SDLK_DELETE, KMOD_NONE, 46},
        {"F1", SDL_SCANCODE_F1, SDLK_F1, KMOD_NONE, 0x70},
        {"keypad 5", SDL_SCANCODE_KP_5, SDLK_KP_5, KMOD_NUM, 0x65},
        {"minus", SDL_SCANCODE_MINUS, SDLK_MINUS, KMOD_NONE, 0xBD},
        {"AltGr (Ctrl+Alt) still types", SDL_SCANCODE_Q, SDLK_q, KMOD_RALT | KMOD_LCTRL, 'Q'},
        {"Alt itself", SDL_SCANCODE_LALT, SDLK_LALT, KMOD_NONE, 0},
        {"Alt+F4", SDL_SCANCODE_F4, SDLK_F4, KMOD_LALT, 0},
        {"Alt+letter", SDL_SCANCODE_X, SDLK_x, KMOD_RALT, 0},
        {"F10", SDL_SCANCODE_F10, SDLK_F10, KMOD_NONE, 0},
        {"a key without a virtual-key code", SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY, KMOD_NONE, 0},
    };
    for (const Case& c : cases)
    {
        gEvents.clear();
        input.fAdvanceFrame();
        input.fAdvanceFrame(); // clear the previous case's release
        uint8_t before[256];
        std::copy(input.keys, input.keys + 256, before);
        fPushKey(SDL_KEYDOWN, c.scancode, c.sym, c.mod);
        fPump();
        if (c.vk == 0)
        {
            EXPECT_TRUE(gEvents.empty()) << c.why;
            EXPECT_TRUE(std::equal(before, before + 256, input.keys)) << c.why;
            continue;
        }
        EXPECT_EQ(std::vector<std::string>{"down " + std::to_string(c.vk)}, gEvents) << c.why;
        EXPECT_EQ(1, input.keys[c.vk]) << c.why;
        fPushKey(SDL_KEYUP, c.scancode, c.sym, c.mod);
        fStep();
        EXPECT_EQ(255, input.keys[c.vk]) << c.why;
        EXPECT_EQ("up " + std::to_string(c.vk), gEvents.back()) << c.why;
    }
}

// What each key-down handler saw: "<code> <typed character>".
std::vector<std::string> gTypedAtDown;

int fOnDownTyped(void* key)
{
    gTypedAtDown.push_back(std::to_string(intptr_t(key)) + " " + pugi::as_utf8(zcINPUT->typed));
    return 0;
}

TEST_F(WindowEvents, KeysTypeWhatTheSystemsTextInputGaveThem)
{
    delete zcON_KEY_DOWN;
    zcON_KEY_DOWN = fCreateCallback(fOnDownTyped);
    // A press with text is a key-down followed by SDL's text event, as SDL queues them; with
    // the scancode unknown it is the text event alone (an input method's result).
    struct Press
    {
        SDL_Scancode scancode;
        SDL_Keycode sym;
        uint16_t mod;
        const char* text;
    };
    struct Case
    {
        const char* why;
        std::vector<Press> presses;
        std::vector<std::string> downs;
    } cases[] = {
        {"Shift+A: the capital", {{SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, KMOD_LSHIFT, nullptr}, {SDL_SCANCODE_A, SDLK_a, KMOD_LSHIFT, "A"}},
         {"16 ", "65 A"}},
        {"Shift+1 on a US keyboard", {{SDL_SCANCODE_1, SDLK_1, KMOD_LSHIFT, "!"}}, {"49 !"}},
        {"Shift+7 on a German keyboard", {{SDL_SCANCODE_7, SDLK_7, KMOD_LSHIFT, "/"}}, {"55 /"}},
        {"a dead key types nothing, the next letter the composed character",
         {{SDL_SCANCODE_EQUALS, SDLK_SCANCODE_MASK, KMOD_NONE, nullptr}, {SDL_SCANCODE_E, SDLK_e, KMOD_NONE, u8"\u00e9"}},
         {"187 ", u8"69 \u00e9"}},
        {"a Greek letter key keeps the code of its place", {{SDL_SCANCODE_A, 0x3B1, KMOD_NONE, u8"\u03b1"}}, {u8"65 \u03b1"}},
        {"an input method's text: a text-key press per character",
         {{SDL_SCANCODE_UNKNOWN, 0, KMOD_NONE, u8"\u65e5\u672c"}}, {u8"231 \u65e5", u8"231 \u672c"}},
        {"a key that typed two characters", {{SDL_SCANCODE_X, SDLK_x, KMOD_NONE, u8"\u00b4x"}}, {u8"88 \u00b4", "231 x"}},
        {"AltGr (right Alt on X11): the key stays a system key, its character is typed",
         {{SDL_SCANCODE_Q, SDLK_q, KMOD_RALT, "@"}}, {"231 @"}},
        {"Alt+X is a command", {{SDL_SCANCODE_X, SDLK_x, KMOD_LALT, "x"}}, {}},
        {"right Alt typing the key's own letter is Alt", {{SDL_SCANCODE_X, SDLK_x, KMOD_RALT, "X"}}, {}},
        {"control keys type nothing, nor what a press before them typed",
         {{SDL_SCANCODE_B, SDLK_b, KMOD_NONE, "b"}, {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, KMOD_NONE, nullptr},
          {SDL_SCANCODE_F1, SDLK_F1, KMOD_NONE, nullptr}},
         {"66 b", "8 ", "112 "}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.why);
        input.fAdvanceFrame();
        input.fAdvanceFrame();
        gTypedAtDown.clear();
        std::string typed;
        for (const Press& p : c.presses)
        {
            if (p.scancode != SDL_SCANCODE_UNKNOWN)
                fPushKey(SDL_KEYDOWN, p.scancode, p.sym, p.mod);
            if (p.text)
            {
                fPushText(p.text);
                typed += p.text;
            }
        }
        // One key change a step: the presses are read over as many steps.
        std::wstring typedInSteps;
        for (int step = 0; step < 10; ++step)
        {
            fPump();
            typedInSteps += input.typedInStep;
            if (fQueued() == 0)
                break;
            input.fAdvanceFrame();
        }
        EXPECT_EQ(c.downs, gTypedAtDown);
        if (!c.downs.empty() && c.downs.back().rfind("231 ", 0) == 0)
        {
            EXPECT_TRUE(input.fIsKeyReleased(ZC_INPUT::kTextKey)) << "the text key never stays down";
        }
        if (c.downs.empty())
            typed.clear();
        EXPECT_EQ(typed, pugi::as_utf8(typedInSteps)) << "everything typed, step by step, in order";
    }

    // Text input follows the focus.
    fPushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    fStep();
    EXPECT_FALSE(SDL_IsTextInputActive());
    fPushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    fStep();
    EXPECT_TRUE(SDL_IsTextInputActive());
}

TEST_F(WindowEvents, KeyRepeatCountsAsFurtherPresses)
{
    fPushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, SDLK_RIGHT);
    fPump();
    input.fAdvanceFrame();
    fPushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, SDLK_RIGHT, KMOD_NONE, true);
    fPump();
    EXPECT_EQ(3, input.keys[39]);
    EXPECT_EQ(2, std::count(gEvents.begin(), gEvents.end(), "down 39"));
}

TEST_F(WindowEvents, MouseButtonsAreKeysOneTwoFourAndOtherButtonsAndTheWheelAreNot)
{
    fPushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
    fPushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    fPushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE);
    fPushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1);
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.windowID = fWindowId();
    wheel.wheel.y = 1;
    SDL_PushEvent(&wheel);
    for (int step = 0; step < 6 && fQueued() > 0; ++step)
        fStep();
    EXPECT_EQ((std::vector<std::string>{"move", "down 1", "move", "down 2", "move", "down 4"}), gEvents);
    EXPECT_NE(0, input.keys[4]);
    EXPECT_EQ(0, fQueued());
}

TEST_F(WindowEvents, EachKeyChangeWaitsForTheFrameToSeeThePreviousOne)
{
    // A click within one step (a touchpad tap): the press is read by one frame, the release by
    // the next; until the states have aged nothing more is taken from the queue.
    fPushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 40, 50);
    fPushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 40, 50);
    fPushKey(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
    fPushKey(SDL_KEYUP, SDL_SCANCODE_ESCAPE, SDLK_ESCAPE);
    fPump();
    EXPECT_TRUE(input.fIsKeyPressed(1));
    fPump();
    EXPECT_TRUE(input.fIsKeyPressed(1)) << "not taken before a frame has seen the press";
    fStep();
    EXPECT_TRUE(input.fIsKeyReleased(1));
    fStep();
    EXPECT_TRUE(input.fIsKeyPressed(27));
    fStep();
    EXPECT_TRUE(input.fIsKeyReleased(27));
    EXPECT_EQ((std::vector<std::string>{"move", "down 1", "move", "up 1", "down 27", "up 27"}), gEvents);

    // A held key's repeats are no change: they and what follows them come in the same step.
    fPushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, SDLK_RIGHT);
    fStep();
    gEvents.clear();
    fPushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, SDLK_RIGHT, KMOD_NONE, true);
    fPushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT, SDLK_RIGHT, KMOD_NONE, true);
    fPushKey(SDL_KEYUP, SDL_SCANCODE_RIGHT, SDLK_RIGHT);
    fStep();
    EXPECT_EQ((std::vector<std::string>{"down 39", "down 39", "up 39"}), gEvents);
}

TEST_F(WindowEvents, MovesAndPressesTakeThePointerWhereTheEventSaysItWas)
{
    SDL_WarpMouseInWindow(static_cast<SDL_Window*>(window.fGetHandle()), 100, 200);
    fPump();
    ASSERT_FALSE(gEvents.empty());
    EXPECT_EQ("move", gEvents.back());
    EXPECT_EQ(100, zcMOUSE_POSITION->x);
    EXPECT_EQ(200, zcMOUSE_POSITION->y);

    // The pointer has gone on since the queued events: each still lands where it happened.
    SDL_WarpMouseInWindow(static_cast<SDL_Window*>(window.fGetHandle()), 300, 400);
    fPushMotion(10, 20);
    fPushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 30, 40);
    fPushMotion(50, 60);
    gEvents.clear();
    fPump();
    EXPECT_EQ((std::vector<std::string>{"move", "move", "move", "down 1"}), gEvents)
        << "the warp's move, the queued one, the press's own";
    EXPECT_EQ(30, input.position.x) << "the press where it was, not where the pointer is now";
    EXPECT_EQ(40, input.position.y);
    EXPECT_EQ(10, input.previousPosition.x);
    fStep();
    EXPECT_EQ(50, input.position.x);
    EXPECT_EQ(60, input.position.y);
}

TEST_F(WindowEvents, FocusAndCloseRequestsFireTheirEventsAndTheWindowStays)
{
    fPushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
    fPushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
    fPushWindowEvent(SDL_WINDOWEVENT_CLOSE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    fPump();
    EXPECT_EQ((std::vector<std::string>{"deactivate", "activate", "close", "close"}), gEvents);
    EXPECT_EQ(window.fGetHandle(), SDL_GetWindowFromID(fWindowId()));
}

TEST_F(WindowEvents, WithoutAnInputStateTheQueueIsStillEmptied)
{
    fPushKey(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a);
    fPumpWindowMessages(nullptr, &window);
    EXPECT_TRUE(gEvents.empty());
    EXPECT_EQ(0, SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT));
}
