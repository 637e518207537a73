// The decor, HUD and controls of a shipped 20 x 20 level, once running, update and draw
// without allocating (on the null device: the counter replaces the program's allocator, which
// the GL driver must not share).
#include <gtest/gtest.h>

#include <memory>

#include "ZT_SHIPPED_HUD.h"
#include "render/ZT_RENDER_FIXTURE.h"
#include "support/ZT_ALLOCATION_COUNT.h"

using namespace ZOR;
using namespace game;
using namespace ZT_HUD;

TEST(ShippedHudFrames, RunningDecorAndControlsAllocateNothing)
{
    ZC_PLATFORM_DEVICE::fSetNullMode(true);
    auto render = std::make_unique<ZC_RENDER>();
    ASSERT_EQ(render->fInit(nullptr, 0.1f, 0.0f), 1);
    zcFRAME_DELTA = 0.125f;
    {
        ZT_SHIPPED_HUD hud;
        hud.fStartLevel("data/share/levels/pack3/level14.xml", "data/share/image/packs pack3_bg.png");
        hud.ambient.fSetErrorLimit(5);
        hud.ambient.fAddError();
        hud.ambient.fAddCurrency(125);
        hud.panel->fSetHints(2);
        hud.ambient.fShowHighlight();
        uint64_t counted = 0;
        for (int frame = 0; frame < 20; ++frame)
        {
            ASSERT_EQ(render->fBeginFrame(), 1);
            const uint64_t before = fAllocationCount().load();
            hud.ambient.fUpdate();
            hud.panel->fUpdate();
            hud.ambient.fDrawBlocks();
            hud.ambient.fDrawEars();
            hud.ambient.fDrawHighlight();
            hud.panel->fDrawHintButton();
            hud.panel->fDrawStoreButton();
            hud.ambient.fDrawFrame();
            hud.ambient.fDrawErrorPanel();
            hud.ambient.fDrawCounter();
            hud.panel->fDrawResetSelection();
            hud.panel->fDrawToggle();
            hud.panel->fDrawPause();
            // The first frames place the error icon (a copy of its template) and end the slides.
            if (frame >= 10)
                counted += fAllocationCount().load() - before;
            ASSERT_EQ(render->fEndFrame(), 0);
        }
        EXPECT_EQ(counted, 0u);
    }
    render.reset();
    ZC_PLATFORM_DEVICE::fSetNullMode(false);
}
