#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"

using namespace ZOR;

namespace
{
// Real X11 input through xdotool, then pumped until the condition holds (X is asynchronous);
// each pump a loop step after a frame, so the states age before it.
template <class F>
bool fPumpUntil(ZC_INPUT& input, ZC_SYSTEM_WINDOW& window, F condition)
{
    for (int i = 0; i < 200; ++i)
    {
        input.fAdvanceFrame();
        fPumpWindowMessages(&input, &window);
        if (condition())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

void fXdotool(const std::string& arguments)
{
    ASSERT_EQ(0, std::system(("xdotool " + arguments).c_str())) << arguments;
}
}

TEST(SystemWindowX11, LetterboxedFullScreenOnA1920By1080Desktop)
{
    ZC_INPUT input;
    ZC_SYSTEM_WINDOW window;
    ASSERT_EQ(1920, zcDESKTOP_WIDTH);
    ASSERT_EQ(1080, zcDESKTOP_HEIGHT);
    ASSERT_EQ(1, window.fCreate("Full screen"));
    auto* sdl = static_cast<SDL_Window*>(window.fGetHandle());

    window.fSetMode(1024, 768, true, true);
    EXPECT_EQ(ZC_SYSTEM_WINDOW::kPopup, window.style);
    EXPECT_TRUE(fPumpUntil(input, window, [&] {
        int w = 0, h = 0;
        SDL_GetWindowSize(sdl, &w, &h);
        return w == 1920 && h == 1080;
    })) << "a borderless window over the whole desktop";
    EXPECT_FLOAT_EQ(1.40625f, window.letterboxScale);
    EXPECT_FLOAT_EQ(240.0f, window.letterboxOffset.x);
    EXPECT_FLOAT_EQ(0.0f, window.letterboxOffset.y);
    const SDL_Rect* clip = SDL_GetWindowMouseRect(sdl);
    ASSERT_NE(nullptr, clip) << "the pointer is kept on the picture";
    EXPECT_EQ(240, clip->x);
    EXPECT_EQ(0, clip->y);
    EXPECT_EQ(1440, clip->w);
    EXPECT_EQ(1080, clip->h);

    // The pointer's real position arrives in game pixels.
    fXdotool("mousemove 1679 1079");
    EXPECT_TRUE(fPumpUntil(input, window, [&] { return input.position.x == 1023 && input.position.y == 767; }))
        << input.position.x << "," << input.position.y;
    fXdotool("mousemove 240 0");
    EXPECT_TRUE(fPumpUntil(input, window, [&] { return input.position.x == 0 && input.position.y == 0; }))
        << input.position.x << "," << input.position.y;

    // A real click and a typed capital.
    fXdotool("click 1");
    EXPECT_TRUE(fPumpUntil(input, window, [&] { return input.fIsKeyReleased(1); }));
    fXdotool("key shift+q");
    EXPECT_TRUE(fPumpUntil(input, window, [&] { return input.typed[0] == L'Q'; })) << int(input.typed[0]);

    // Back to a window: the frame returns, centred, and the pointer is free again.
    window.fSetMode(1024, 768, false, true);
    EXPECT_EQ(0x10CA0000u, window.style);
    EXPECT_TRUE(fPumpUntil(input, window, [&] {
        int w = 0, h = 0;
        SDL_GetWindowSize(sdl, &w, &h);
        return w == 1024 && h == 768;
    }));
    EXPECT_EQ(nullptr, SDL_GetWindowMouseRect(sdl));
    int x = 0, y = 0;
    SDL_GetWindowPosition(sdl, &x, &y);
    EXPECT_NEAR(448, x, 8);
    EXPECT_NEAR(156, y, 40);
}

TEST(SystemWindowX11, CursorCanBeHiddenAndShown)
{
    ZC_SYSTEM_WINDOW window;
    ASSERT_EQ(1, window.fCreate("Cursor"));
    window.fShowCursor(false);
    EXPECT_FALSE(window.fIsCursorShown());
    EXPECT_EQ(SDL_DISABLE, SDL_ShowCursor(SDL_QUERY));
    window.fShowCursor(true);
    EXPECT_EQ(SDL_ENABLE, SDL_ShowCursor(SDL_QUERY));
}
