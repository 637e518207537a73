// Preloaded into the real game by game_bench.py: times its start-up from the SDL calls it
// makes and writes one line of key=value figures once the title's first frame is up.
//   window_ns       SDL_CreateWindow returned            (all times CLOCK_REALTIME)
//   context_ns      SDL_GL_CreateContext returned: window and OpenGL are up, loading starts
//   first_swap_ns   the first present
//   title_ns        the title's first frame: the present after the one of the frame that
//                   ended the loading screen (the game sets its window title in that frame)
// What follows (CPU at rest, the walk to a level, peak memory, the close) game_bench.py
// measures from outside, as a player's machine would see it. Nothing here is part of the game.
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "ZT_BENCH_CLOCK.h"

using ZT_BENCH::fNow;

namespace
{
template <typename F>
F fReal(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

double gWindow = 0, gContext = 0, gFirstSwap = 0;
long gSwaps = 0, gTitleSwap = -1;
bool gWritten = false;

void fWrite(double title)
{
    const char* path = std::getenv("GAME_PROBE_OUT");
    if (FILE* f = path ? std::fopen(path, "w") : nullptr)
    {
        std::fprintf(f, "window_ns=%.0f context_ns=%.0f first_swap_ns=%.0f title_ns=%.0f\n", gWindow * 1e9, gContext * 1e9,
                     gFirstSwap * 1e9, title * 1e9);
        std::fclose(f);
    }
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
    if (!gWritten && gTitleSwap >= 0 && gSwaps == gTitleSwap + 2)
    {
        gWritten = true;
        fWrite(now);
    }
}
