// Full screen on a real X server (Xvfb, 1920x1080): the frame goes straight into the window,
// and what the server shows is read back, as a player would see it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <thread>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZT_RENDER;

namespace
{
const uint32_t kClear = 0xFF444444;

// The window's pixels as the X server holds them (0xFFRRGGBB).
class ZT_SCREEN
{
public:
    explicit ZT_SCREEN(void* window)
    {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (!SDL_GetWindowWMInfo(static_cast<SDL_Window*>(window), &info) || info.subsystem != SDL_SYSWM_X11)
            return;
        XSync(info.info.x11.display, False);
        image = XGetImage(info.info.x11.display, info.info.x11.window, 0, 0, 1920, 1080, AllPlanes, ZPixmap);
    }
    ~ZT_SCREEN()
    {
        if (image)
            XDestroyImage(image);
    }
    bool fValid() const { return image != nullptr; }
    uint32_t fPixel(int x, int y) const { return 0xFF000000u | uint32_t(XGetPixel(image, x, y) & 0xFFFFFF); }

private:
    XImage* image = nullptr;
};
}

TEST(RenderX11, FullScreenFramesGoStraightIntoTheWindowWithMarginsClearedAndThePictureInItsBox)
{
    ZC_INPUT input;
    ZC_SYSTEM_WINDOW window;
    ASSERT_EQ(1, window.fCreate("Letterbox"));
    window.fSetMode(1024, 768, true, true);
    auto* sdl = static_cast<SDL_Window*>(window.fGetHandle());
    for (int i = 0; i < 200; ++i)
    {
        fPumpWindowMessages(&input, &window);
        int w = 0, h = 0;
        SDL_GetWindowSize(sdl, &w, &h);
        if (w == 1920 && h == 1080)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }

    ZC_RENDER render;
    ASSERT_EQ(1, render.fInit(window.fGetHandle(), 0.1f, 0.0f));
    ASSERT_EQ(1, render.fSetMode(1024, 768, true, true));
    EXPECT_TRUE(render.fGetDevice()->fDrawsIntoWindow()) << "no buffer of its own, no copy at present";
    auto quad = [&](float x, float y, float w, float h, uint32_t color) { fAddQuad(render, x, y, w, h, color); };

    // A frame that leaves every pixel magenta, then the frame under test.
    render.clearColor = ZS_COLOR(0xFFFF00FFu);
    ASSERT_EQ(1, render.fBeginFrame());
    ASSERT_EQ(0, render.fEndFrame());
    render.clearColor = ZS_COLOR(kClear);
    ASSERT_EQ(1, render.fBeginFrame());
    quad(100, 100, 200, 100, 0xFFFF0000);
    quad(600, 400, 100, 150, 0xFF00FF00);
    // Left of the game's area, where the side decorations go: it lands in the margin.
    quad(-100, 300, 90, 100, 0xFF0000FF);
    ASSERT_EQ(0, render.fEndFrame());

    ZT_SCREEN screen(window.fGetHandle());
    ASSERT_TRUE(screen.fValid());
    // Bars left and right: x is scaled by 0.75, the picture is 1440 columns from column 240.
    auto px = [](float gx) { return int(240.0f + gx * 1440.0f / 1025.0f); };
    auto py = [](float gy) { return int(gy * 1080.0f / 769.0f); };
    EXPECT_EQ(screen.fPixel(px(200), py(150)), 0xFFFF0000u);
    EXPECT_EQ(screen.fPixel(px(650), py(475)), 0xFF00FF00u);
    EXPECT_EQ(screen.fPixel(px(650), py(395)), kClear);
    EXPECT_EQ(screen.fPixel(px(-55), py(350)), 0xFF0000FFu);
    for (int y = 0; y < 1080; y += 30)
    {
        if (y < py(300) || y > py(400))
        {
            EXPECT_EQ(screen.fPixel(2, y), kClear) << "left margin at " << y;
            EXPECT_EQ(screen.fPixel(236, y), kClear) << "left margin at " << y;
        }
        EXPECT_EQ(screen.fPixel(1684, y), kClear) << "right margin at " << y;
        EXPECT_EQ(screen.fPixel(1917, y), kClear) << "right margin at " << y;
    }
}
