// What a running 20x20 level's frame costs through the real level screen in the game object:
// draw calls, our processor time and allocations. On the null device, so that the time is ours
// alone and the allocation counter (which replaces the program's allocator) does not count the
// GL driver's threads.
#include "game/ZT_SHIPPED_LEVEL.h"

#include <time.h>

#include "game/puzzle/GG_AMBIENT.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_GAMEPLAY.h"
#include "game/puzzle/GG_PLAYER.h"
#include "support/ZT_ALLOCATION_COUNT.h"

using namespace ZT_GAME;

namespace
{
double fCpuNow()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

class LevelFrameCost : public ZT_SHIPPED_LEVEL
{
protected:
    static void SetUpTestSuite()
    {
        ZC_PLATFORM_DEVICE::fSetNullMode(true);
        ZT_SHIPPED_LEVEL::SetUpTestSuite();
    }
    static void TearDownTestSuite()
    {
        ZT_SHIPPED_LEVEL::TearDownTestSuite();
        ZC_PLATFORM_DEVICE::fSetNullMode(false);
    }
};
}

// The figures of a running 20x20 level's frame, printed for the notes; the draw calls and the
// update's allocations are held to their goals here, the times are only reported.
TEST_F(LevelFrameCost, ARunningLevelFrameCostsFewDrawCallsAndNoAllocation)
{
    ASSERT_NE(nullptr, fNewPlayer(L"Bench"));
    // The 20x20 levels are the last two of pack 3.
    ASSERT_TRUE(game->fStartLevel(14, 3)) << screen->fGetStartError();
    game->fLoadGameplayResources();
    // The error limit is not the subject: a lost level would stop the screen.
    screen->fSetMistakeLimit(1000);
    // Half the picture open and animating, a hover highlight, numbers crossed.
    for (int r = 0; r < 20; r += 2)
    {
        const ZS_POINT a = fCentre(r, 0), b = fCentre(r, 19);
        fPointer(a.x, a.y);
        input->fAdvanceFrame();
        input->fOnKeyDown(r % 4 ? 1 : 2);
        game->fOnKeyDown(r % 4 ? 1 : 2);
        fPointer(b.x, b.y);
        input->fAdvanceFrame();
        input->fOnKeyUp(r % 4 ? 1 : 2);
        game->fOnKeyUp(r % 4 ? 1 : 2);
        fFrames(1);
    }
    fPointer(fCentre(5, 5).x, fCentre(5, 5).y);
    // The panel as a level shows it: two errors, their icons placed.
    screen->fGetAmbient()->fResetErrors();
    screen->fGetAmbient()->fAddError();
    screen->fGetAmbient()->fAddError();
    fFrames(120);
    ASSERT_FALSE(screen->fIsLevelEnded());

    const int frames = 300;
    uint64_t updateAllocations = 0, drawAllocations = 0;
    uint32_t drawCalls = 0, textureBinds = 0, worstExcess = 0;
    double update = 0.0, draw = 0.0;
    for (int i = 0; i < frames; ++i)
    {
        input->fAdvanceFrame();
        ASSERT_EQ(1, render->fBeginFrame());
        render->fGetDevice()->fClearCounters();
        uint64_t before = fAllocationCount().load();
        double start = fCpuNow();
        screen->fUpdate();
        update += fCpuNow() - start;
        updateAllocations += fAllocationCount().load() - before;
        before = fAllocationCount().load();
        start = fCpuNow();
        screen->fDraw();
        render->fFlush();
        draw += fCpuNow() - start;
        drawAllocations += fAllocationCount().load() - before;
        const ZC_PLATFORM_DEVICE::ZS_COUNTERS& c = render->fGetDevice()->fGetCounters();
        drawCalls += c.drawCalls;
        textureBinds += c.textureBinds;
        worstExcess = std::max(worstExcess, c.drawCalls > c.textureBinds + 3 ? c.drawCalls - c.textureBinds - 3 : 0u);
        ASSERT_EQ(0, render->fEndFrame());
    }
    std::printf("[level frame 20x20] draw_calls=%.1f texture_binds=%.1f update_cpu_ms=%.3f draw_cpu_ms=%.3f "
                "update_allocations=%.2f draw_allocations=%.2f\n",
                double(drawCalls) / frames, double(textureBinds) / frames, 1000.0 * update / frames,
                1000.0 * draw / frames, double(updateAllocations) / frames, double(drawAllocations) / frames);
    EXPECT_EQ(0u, updateAllocations);
    std::printf("[level frame 20x20] worst frame: %u draw calls beyond 3 + texture changes\n", worstExcess);
    EXPECT_LE(drawCalls, textureBinds + 3u * frames) << "draw calls beyond 3 + texture changes";
}
