// The engine's side of the frame benchmark: the application object with the game's rates,
// drawing the scene of ZT_BENCH_SCENE.h through quads and the renderer. Run by frame_bench.py
// beside bare_gl; prints one line of key=value figures.
//   frame_bench first          launch to the first swap of the loop (CLOCK_REALTIME of that swap)
//   frame_bench idle SECONDS   the loop at 60/60 with an empty scene: share of one core
//   frame_bench level FRAMES   the level frame, back to back: time and allocations per frame
// A last argument "fullscreen" runs the game's full screen: the desktop's size, letterboxed.
#include <SDL.h>

#include <dlfcn.h>
#include <sys/resource.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ZT_BENCH_CLOCK.h"
#include "ZT_BENCH_SCENE.h"
#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZC_RENDER.h"
#include "tests/support/ZT_ALLOCATION_COUNT.h"

using namespace ZOR;
using ZT_BENCH::fCpuSeconds;
using ZT_BENCH::fMaxRssKb;
using ZT_BENCH::fNow;

namespace
{
double gFirstSwap = 0;
double gIdleSeconds = 5, gIdleStart = 0, gIdleCpu = 0;
int gIdleFrames = 0;
bool gIdleMeasuring = false;
double gIdleResult = 0, gIdleFps = 0;
bool gFullScreen = false;
}

// Every present of the engine passes here first: the time of the first one is the figure.
extern "C" void SDL_GL_SwapWindow(SDL_Window* window)
{
    using ZF_SWAP = void (*)(SDL_Window*);
    static ZF_SWAP real = reinterpret_cast<ZF_SWAP>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    real(window);
    if (gFirstSwap == 0)
        gFirstSwap = fNow(CLOCK_REALTIME);
}

namespace
{
struct ZS_LEVEL
{
    std::vector<ZC_QUAD*> quads;
    std::vector<ZS_TRANSFORM3> places;

    ZS_LEVEL()
    {
        ZS_TEXTURE* a = zcGAME_RENDER->fCreateTexture(256, 256);
        ZS_TEXTURE* b = zcGAME_RENDER->fCreateTexture(128, 128);
        zcGAME_RENDER->fSetTexturePixels(a, ZT_BENCH::fTexturePixels(256, 0x40).data());
        zcGAME_RENDER->fSetTexturePixels(b, ZT_BENCH::fTexturePixels(128, 0xC0).data());
        places.resize(ZT_BENCH::kQuads);
        for (int i = 0; i < ZT_BENCH::kQuads; ++i)
        {
            ZT_BENCH::ZS_PLACE p = ZT_BENCH::fPlace(i);
            ZC_QUAD* q = new ZC_QUAD(i < ZT_BENCH::kFirstTextureQuads ? a : b, &places[size_t(i)]);
            q->fSetSize(ZT_BENCH::kQuadSide, ZT_BENCH::kQuadSide);
            q->fSetFrame(ZT_BENCH::kGrid, ZT_BENCH::kGrid, p.frame, false);
            q->fSetHotSpot(4, 0, 0);
            places[size_t(i)].fSetPosition(p.x, p.y, 0);
            places[size_t(i)].fSetRotationZ(p.rotation);
            quads.push_back(q);
        }
    }
    ~ZS_LEVEL()
    {
        for (ZC_QUAD* q : quads)
            delete q;
    }
    // One quad steps a pixel every frame, as a level's animations do: a frame equal to the one
    // shown would not be drawn at all, and this measures the drawing.
    void fDraw()
    {
        ZT_BENCH::ZS_PLACE p = ZT_BENCH::fPlace(ZT_BENCH::kQuads - 1);
        places.back().fSetPosition(p.x + float(++drawn % 2), p.y, 0);
        for (ZC_QUAD* q : quads)
            q->fDraw();
    }
    int drawn = 0;
};

int fOnInit(void*)
{
    zcGAME->updateRate = 60;
    zcGAME->renderRate = 60;
    zcGAME_TIMER->cap = 1.0f / 30.0f;
    if (gFullScreen)
        zcGAME->fSetDisplayMode(1024, 768, true, true);
    return 1;
}

int fOnUpdateFirst(void*)
{
    if (gFirstSwap != 0)
        zcGAME->running = false;
    return 0;
}

int fOnUpdateIdle(void*)
{
    double now = fNow();
    if (!gIdleMeasuring && now - gIdleStart >= 1.0)
    {
        // One second of warm-up: the first frames compile the driver's shaders.
        gIdleMeasuring = true;
        gIdleStart = now;
        gIdleCpu = fCpuSeconds();
        gIdleFrames = 0;
    }
    else if (gIdleMeasuring && now - gIdleStart >= gIdleSeconds)
    {
        gIdleResult = 100.0 * (fCpuSeconds() - gIdleCpu) / (now - gIdleStart);
        gIdleFps = gIdleFrames / (now - gIdleStart);
        zcGAME->running = false;
    }
    return 0;
}

int fOnDrawIdle(void*)
{
    ++gIdleFrames;
    return 0;
}

int fOnEnd(void*)
{
    return zcGAME->fShutdown();
}

void fSet(ZS_CALLBACK*& slot, ZF_CALLBACK f)
{
    delete slot;
    slot = f ? fCreateCallback(f) : nullptr;
}
}

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "first";
    double amount = argc > 2 ? std::atof(argv[2]) : 0.0;
    gFullScreen = argc > 3 && std::strcmp(argv[3], "fullscreen") == 0;
    setenv("ZOR_MESSAGE_BOX", "log", 0);
    zcGAME = ZC_GAME::fGetGame();
    fSet(zcON_INIT, fOnInit);
    fSet(zcON_END, fOnEnd);
    if (zcGAME->fStart("frame bench") < 0)
        return 1;
    zcGAME_RENDER->clearColor = ZS_COLOR(0xFF444444u);

    if (std::strcmp(mode, "first") == 0)
    {
        fSet(zcON_UPDATE, fOnUpdateFirst);
        zcGAME->fRun();
        std::printf("first_swap_ns=%.0f", gFirstSwap * 1e9);
    }
    else if (std::strcmp(mode, "idle") == 0)
    {
        gIdleSeconds = amount > 0 ? amount : 5.0;
        gIdleStart = fNow();
        fSet(zcON_UPDATE, fOnUpdateIdle);
        fSet(zcON_DRAW, fOnDrawIdle);
        zcGAME->fRun();
        std::printf("idle_cpu_percent=%.2f frames_per_second=%.1f", gIdleResult, gIdleFps);
    }
    else
    {
        int frames = amount > 0 ? int(amount) : 300;
        double cpu = 0, wall = 0;
        uint64_t allocations = 0;
        {
            ZS_LEVEL level;
            auto frame = [&] {
                fPumpWindowMessages(zcGAME_INPUT, zcGAME_WINDOW);
                if (zcGAME_RENDER->fBeginFrame() == 1)
                {
                    level.fDraw();
                    zcGAME_RENDER->fEndFrame();
                }
            };
            // The first frames compile the driver's shaders for this state: not part of the figure.
            for (int i = 0; i < 30; ++i)
                frame();
            uint64_t before = fAllocationCount().load();
            cpu = fCpuSeconds();
            wall = fNow();
            for (int i = 0; i < frames; ++i)
                frame();
            cpu = fCpuSeconds() - cpu;
            wall = fNow() - wall;
            allocations = fAllocationCount().load() - before;
        }
        std::printf("level_cpu_ms=%.3f level_wall_ms=%.3f allocations_per_frame=%.2f", 1000.0 * cpu / frames,
                    1000.0 * wall / frames, double(allocations) / frames);
        zcGAME->fShutdown();
    }
    std::printf(" max_rss_kb=%ld\n", fMaxRssKb());
    std::fflush(stdout);
    return 0;
}
