#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"

using namespace ZOR;

namespace
{
double fCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

uint32_t gStart = 0;
int gUpdates = 0, gDraws = 0;
int gUpdatesAfterFirstSecond = 0;
const uint32_t kRunMs = 5000;
}

// What the loop itself costs: the drawing device counts frames but draws nothing, so the
// figure does not depend on software rasterisation (Mesa's llvmpipe copying every frame).
// ZOR_IDLE_REAL_DEVICE=1 measures with the real device instead, without the bound.
TEST(GameIdle, TheLoopAt60And60WithAnEmptyDrawStaysUnderATenthOfACore)
{
    const char* device = std::getenv("ZOR_IDLE_REAL_DEVICE");
    bool nullDevice = !(device && *device == '1');
    ZC_PLATFORM_DEVICE::fSetNullMode(nullDevice);
    zcGAME = ZC_GAME::fGetGame();
    zcON_INIT = fCreateCallback([](void*) -> int {
        zcGAME->updateRate = 60;
        zcGAME->renderRate = 60;
        zcGAME_TIMER->cap = 1.0f / 30.0f;
        return 1;
    });
    zcON_UPDATE = fCreateCallback([](void*) -> int {
        ++gUpdates;
        // The first second is left out: the driver compiles its shaders in the first frames.
        if (fGetTickMs() - gStart >= 1000)
            ++gUpdatesAfterFirstSecond;
        if (fGetTickMs() - gStart >= kRunMs)
            zcGAME->running = false;
        return 0;
    });
    zcON_DRAW = fCreateCallback([](void*) -> int { return ++gDraws; });
    zcON_END = fCreateCallback([](void*) -> int { return zcGAME->fShutdown(); });
    testing::internal::CaptureStderr(); // the sound warning
    ASSERT_EQ(1, zcGAME->fStart("Idle"));
    testing::internal::GetCapturedStderr();

    gStart = fGetTickMs();
    double cpuBefore = fCpuSeconds();
    EXPECT_EQ(1, zcGAME->fRun());
    double cpu = fCpuSeconds() - cpuBefore;
    double wall = (fGetTickMs() - gStart) / 1000.0;
    double share = cpu / wall;
    std::printf("idle loop (%s device): %.1f%% of one core over %.2f s (%d updates, %d draws)\n",
                nullDevice ? "null" : "real", share * 100, wall, gUpdates, gDraws);
    RecordProperty("cpu_percent", int(share * 100 + 0.5));
    if (nullDevice)
    {
        EXPECT_LT(share, 0.10);
    }
    EXPECT_NEAR(60.0 * (wall - 1), gUpdatesAfterFirstSecond, 0.05 * 60 * (wall - 1)) << "updates paced at 60 per second";
    EXPECT_LE(gDraws, gUpdates) << "no more draws than updates";

    for (ZS_CALLBACK** slot : {&zcON_INIT, &zcON_UPDATE, &zcON_DRAW, &zcON_END})
    {
        delete *slot;
        *slot = nullptr;
    }
    ZC_PLATFORM_DEVICE::fSetNullMode(false);
}
