// Preloaded into the real game by game_bench.py: times its start-up from the SDL calls it
// makes, then its idle on the title scene, and writes one line of key=value figures.
//   window_ns       SDL_CreateWindow returned            (all times CLOCK_REALTIME)
//   context_ns      SDL_GL_CreateContext returned: window and OpenGL are up, loading starts
//   first_swap_ns   the first present
//   title_ns        the title's first frame: the present after the one of the frame that
//                   ended the loading screen (the game sets its window title in that frame)
//   idle_cpu_percent, frames_per_second   all threads, over GAME_PROBE_IDLE seconds on the
//                   title, after one second of warm-up
//   hwm_kb          peak resident memory (VmHWM) when the idle measure ends
// Then it asks the game to close, as the player would. Nothing here is part of the game.
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ZT_BENCH_CLOCK.h"

using ZT_BENCH::fCpuSeconds;
using ZT_BENCH::fNow;

namespace
{
long fHighWaterKb()
{
    long kb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r"))
    {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                kb = std::atol(line + 6);
        std::fclose(f);
    }
    return kb;
}

template <typename F>
F fReal(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

double gWindow = 0, gContext = 0, gFirstSwap = 0, gTitle = 0;
long gSwaps = 0, gTitleSwap = -1;
double gIdleStart = 0, gIdleCpu = 0;
long gIdleFrom = 0;
bool gDone = false;

void fFinish(double now)
{
    const double seconds = now - gIdleStart;
    const double idle = 100.0 * (fCpuSeconds() - gIdleCpu) / seconds;
    const char* path = std::getenv("GAME_PROBE_OUT");
    if (FILE* f = path ? std::fopen(path, "w") : nullptr)
    {
        std::fprintf(f, "window_ns=%.0f context_ns=%.0f first_swap_ns=%.0f title_ns=%.0f idle_cpu_percent=%.2f "
                        "frames_per_second=%.1f hwm_kb=%ld\n",
                     gWindow * 1e9, gContext * 1e9, gFirstSwap * 1e9, gTitle * 1e9, idle,
                     double(gSwaps - gIdleFrom) / seconds, fHighWaterKb());
        std::fclose(f);
    }
    // The player's close: SDL_QUIT, which the game takes as a close request.
    struct ZS_QUIT
    {
        uint32_t type, timestamp;
        uint8_t pad[48];
    } quit{};
    quit.type = 0x100;
    fReal<int (*)(void*)>("SDL_PushEvent")(&quit);
}
}

extern "C" void* SDL_CreateWindow(const char* title, int x, int y, int w, int h, uint32_t flags)
{
    void* window = fReal<void* (*)(const char*, int, int, int, int, uint32_t)>("SDL_CreateWindow")(title, x, y, w, h, flags);
    if (gWindow == 0)
        gWindow = fNow(CLOCK_REALTIME);
    return window;
}

extern "C" void* SDL_GL_CreateContext(void* window)
{
    void* context = fReal<void* (*)(void*)>("SDL_GL_CreateContext")(window);
    if (gContext == 0)
        gContext = fNow(CLOCK_REALTIME);
    return context;
}

extern "C" void SDL_SetWindowTitle(void* window, const char* title)
{
    fReal<void (*)(void*, const char*)>("SDL_SetWindowTitle")(window, title);
    if (gTitleSwap < 0)
        gTitleSwap = gSwaps;
}

extern "C" void SDL_GL_SwapWindow(void* window)
{
    static auto real = fReal<void (*)(void*)>("SDL_GL_SwapWindow");
    real(window);
    ++gSwaps;
    const double now = fNow(CLOCK_REALTIME);
    if (gFirstSwap == 0)
        gFirstSwap = now;
    if (gTitleSwap >= 0 && gSwaps == gTitleSwap + 2)
        gTitle = now;
    if (gTitle == 0 || gDone)
        return;
    const double idleSeconds = std::getenv("GAME_PROBE_IDLE") ? std::atof(std::getenv("GAME_PROBE_IDLE")) : 10.0;
    if (gIdleStart == 0 && now - gTitle >= 1.0)
    {
        gIdleStart = now;
        gIdleCpu = fCpuSeconds();
        gIdleFrom = gSwaps;
    }
    else if (gIdleStart != 0 && now - gIdleStart >= idleSeconds)
    {
        gDone = true;
        fFinish(now);
    }
}
