// The loading screen drawn on the offscreen device from a screen_loading.xml of its own: a
// small splash over the plate of "back_color", read back pixel by pixel.
#include "game/shell/G_LOADER_SCREEN.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ZT_PUZZLE.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "files/ZT_FILE_FIXTURES.h"
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZOR;
using namespace game;

namespace
{
int fNoWork(ZC_LOADER*)
{
    return 1;
}

class LoaderScreen : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        if (HasFatalFailure())
            return;
        render->clearColor = ZS_COLOR(0xFF000000u);
        const std::string root = fGetFileSystem()->fGetDataRoot();
        // A 64 x 64 red splash at the top left; the plate covers the rest of the screen.
        const std::string splash = root + "splash_red.png";
        ZT_TEST::fPutFile(splash, ZT_PUZZLE::fSolidPng(64, 64, 0xFFFF0000u));
        ZT_TEST::fPutFile(root + "data/share/main/other/screen_loading.xml",
                          "<loading><splashes time_per_splash=\"1\" time_fade=\"0.5\" back_color=\"255 20 24 48\">"
                          "<splash><FILE>" + splash + "</FILE><POS>0 0</POS><HOT_SPOT>HS_UL</HOT_SPOT></splash>"
                          "</splashes></loading>");
        repository = std::make_unique<ZC_REPOSITORY>();
        zcREPOSITORY = repository.get();
        ASSERT_EQ(1, repository->fRegister("data/share/main/other", ""));
    }
    void TearDown() override
    {
        screen.reset();
        repository.reset();
        zcREPOSITORY = nullptr;
        ZT_GL_RENDER::TearDown();
    }

    void fDrawFrame()
    {
        ASSERT_EQ(render->fBeginFrame(), 1);
        screen->fDraw();
        ASSERT_EQ(render->fEndFrame(), 0);
    }

    std::unique_ptr<ZC_REPOSITORY> repository;
    std::unique_ptr<G_LOADER_SCREEN> screen;
};
}

// The plate shows "back_color" as written: its colour is applied once, not once by its
// texture and again by its vertices.
TEST_F(LoaderScreen, ThePlateBehindASplashShowsTheBackColour)
{
    screen = std::make_unique<G_LOADER_SCREEN>(fNoWork);
    ASSERT_EQ(1u, screen->fGetSplashCount());
    fDrawFrame();
    const struct
    {
        int x, y;
        uint32_t color;
    } samples[] = {{32, 32, 0xFFFF0000u}, {512, 384, 0xFF141830u}, {1000, 700, 0xFF141830u}};
    for (const auto& s : samples)
    {
        const uint32_t seen = 0xFF000000u | fPixel(s.x, s.y);
        EXPECT_LE(ZT_RENDER::fColorDistance(seen, s.color), 1) << std::hex << seen << " at " << std::dec << s.x << ","
                                                              << s.y;
    }
}

// A splash that has faded out is never seen again: its picture goes back to the renderer at
// once instead of staying beside all the loading brings in until the title.
TEST_F(LoaderScreen, ASplashThatHasFadedOutGivesItsPictureBack)
{
    screen = std::make_unique<G_LOADER_SCREEN>(fNoWork);
    ZC_QUAD* splash = screen->fGetSplash(0);
    ASSERT_NE(splash, nullptr);
    auto bytes = [&] { return render->fGetDevice()->fGetCounters().textureBytes; };
    const uint64_t held = bytes();
    const float delta = zcFRAME_DELTA;
    zcFRAME_DELTA = 0.1f;
    for (int i = 0; i < 12; ++i) // shown for its second, then fading
        screen->fUpdate();
    EXPECT_NE(splash->fGetTexture(), render->fGetDefaultTexture());
    EXPECT_EQ(bytes(), held);
    for (int i = 0; i < 8; ++i) // the fade's half second is over
        screen->fUpdate();
    zcFRAME_DELTA = delta;
    EXPECT_EQ(splash->fGetTexture(), render->fGetDefaultTexture());
    EXPECT_EQ(bytes(), held - 64 * 64 * 4);
    fDrawFrame();
    EXPECT_LE(ZT_RENDER::fColorDistance(0xFF000000u | fPixel(32, 32), 0xFF000000u), 1);
}
