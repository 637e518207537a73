// The yardstick for the engine's frame: a bare SDL + OpenGL program that draws the same quads
// straight into its window and swaps, with nothing of the engine in between. Run by
// frame_bench.py beside frame_bench; prints one line of key=value figures.
//   bare_gl first          launch to the first swap (the time of that swap, CLOCK_REALTIME)
//   bare_gl idle SECONDS   an empty scene at 60 frames per second: share of one core
//   bare_gl level FRAMES   the level frame, back to back: time per frame
// A last argument "fullscreen" covers the desktop and letterboxes the 1024x768 picture in it.
#define GL_GLEXT_PROTOTYPES 1
#include <SDL.h>
#include <SDL_opengl.h>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ZT_BENCH_CLOCK.h"
#include "ZT_BENCH_SCENE.h"

using ZT_BENCH::fCpuSeconds;
using ZT_BENCH::fMaxRssKb;
using ZT_BENCH::fNow;

namespace
{
struct ZS_VERT
{
    float x, y, z;
    uint32_t color;
    float u, v;
};

GLuint fTexture(int side, uint32_t tint)
{
    std::vector<uint32_t> pixels = ZT_BENCH::fTexturePixels(side, tint);
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, side, side, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels.data());
    return id;
}

struct ZS_SCENE
{
    std::vector<ZS_VERT> vertices;
    std::vector<uint16_t> indices;
    GLuint textures[2] = {0, 0};

    void fBuild()
    {
        textures[0] = fTexture(256, 0x40);
        textures[1] = fTexture(128, 0xC0);
        for (int i = 0; i < ZT_BENCH::kQuads; ++i)
        {
            ZT_BENCH::ZS_PLACE p = ZT_BENCH::fPlace(i);
            float c = std::cos(p.rotation), s = std::sin(p.rotation), h = ZT_BENCH::kQuadSide / 2.0f;
            float cell = 1.0f / ZT_BENCH::kGrid;
            float u0 = float(p.frame % ZT_BENCH::kGrid) * cell, v0 = float(p.frame / ZT_BENCH::kGrid) * cell;
            const float corner[4][4] = {{-h, -h, u0, v0}, {h, -h, u0 + cell, v0}, {h, h, u0 + cell, v0 + cell}, {-h, h, u0, v0 + cell}};
            uint16_t base = uint16_t(vertices.size() % 65536);
            for (const auto& k : corner)
                vertices.push_back({p.x + k[0] * c - k[1] * s, p.y + k[0] * s + k[1] * c, 0.0f, 0xFFFFFFFFu, k[2], k[3]});
            for (int j : {0, 1, 2, 0, 2, 3})
                indices.push_back(uint16_t(base + j));
        }
    }

    void fDraw()
    {
        glEnable(GL_TEXTURE_2D);
        const char* v = reinterpret_cast<const char*>(vertices.data());
        glVertexPointer(3, GL_FLOAT, sizeof(ZS_VERT), v);
        glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, sizeof(ZS_VERT), v + 12);
        glTexCoordPointer(2, GL_FLOAT, sizeof(ZS_VERT), v + 16);
        glBindTexture(GL_TEXTURE_2D, textures[0]);
        glDrawElements(GL_TRIANGLES, ZT_BENCH::kFirstTextureQuads * 6, GL_UNSIGNED_SHORT, indices.data());
        glBindTexture(GL_TEXTURE_2D, textures[1]);
        glDrawElements(GL_TRIANGLES, (ZT_BENCH::kQuads - ZT_BENCH::kFirstTextureQuads) * 6, GL_UNSIGNED_SHORT,
                       indices.data() + ZT_BENCH::kFirstTextureQuads * 6);
    }
};

void fPump()
{
    SDL_Event e;
    while (SDL_PollEvent(&e))
    {
    }
}

void fClear()
{
    glClearColor(0x44 / 255.0f, 0x44 / 255.0f, 0x44 / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}
}

int main(int argc, char** argv)
{
    const char* mode = argc > 1 ? argv[1] : "first";
    double amount = argc > 2 ? std::atof(argv[2]) : 0.0;
    bool fullScreen = argc > 3 && std::strcmp(argv[3], "fullscreen") == 0;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        return 1;
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    int width = 1024, height = 768;
    SDL_DisplayMode desktop;
    if (fullScreen && SDL_GetDesktopDisplayMode(0, &desktop) == 0)
    {
        width = desktop.w;
        height = desktop.h;
    }
    SDL_Window* window = SDL_CreateWindow("bare", fullScreen ? 0 : SDL_WINDOWPOS_CENTERED, fullScreen ? 0 : SDL_WINDOWPOS_CENTERED, width,
                                          height, SDL_WINDOW_OPENGL | (fullScreen ? SDL_WINDOW_BORDERLESS : 0));
    if (!window)
        return 1;
    SDL_GLContext context = SDL_GL_CreateContext(window);
    if (!context)
        return 1;
    SDL_GL_SetSwapInterval(1);
    // The picture keeps its aspect, centred; the clear still covers the whole window.
    float scale = std::min(width / 1024.0f, height / 768.0f);
    glViewport(int((width - 1024 * scale) / 2), int((height - 768 * scale) / 2), int(1024 * scale), int(768 * scale));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 1024, 768, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);

    if (std::strcmp(mode, "first") == 0)
    {
        fPump();
        fClear();
        SDL_GL_SwapWindow(window);
        std::printf("first_swap_ns=%.0f", fNow(CLOCK_REALTIME) * 1e9);
    }
    else if (std::strcmp(mode, "idle") == 0)
    {
        // An empty scene at 60 frames per second, paced by sleeping to each frame's deadline.
        double seconds = amount > 0 ? amount : 5.0, warmUp = 1.0;
        double start = fNow(), next = start, cpuStart = 0;
        bool measuring = false;
        int frames = 0;
        for (;;)
        {
            double now = fNow();
            if (!measuring && now - start >= warmUp)
            {
                measuring = true;
                cpuStart = fCpuSeconds();
                start = now;
                frames = 0;
            }
            if (measuring && now - start >= seconds)
                break;
            fPump();
            fClear();
            SDL_GL_SwapWindow(window);
            ++frames;
            next += 1.0 / 60.0;
            double wait = next - fNow();
            if (wait > 0)
            {
                timespec t{time_t(wait), long((wait - double(time_t(wait))) * 1e9)};
                nanosleep(&t, nullptr);
            }
        }
        double wall = fNow() - start;
        std::printf("idle_cpu_percent=%.2f frames_per_second=%.1f", 100.0 * (fCpuSeconds() - cpuStart) / wall, frames / wall);
    }
    else
    {
        ZS_SCENE scene;
        scene.fBuild();
        int frames = amount > 0 ? int(amount) : 300;
        // The first frames compile the driver's shaders for this state: not part of the figure.
        for (int i = 0; i < 30; ++i)
        {
            fPump();
            fClear();
            scene.fDraw();
            SDL_GL_SwapWindow(window);
        }
        glFinish();
        double cpu = fCpuSeconds(), wall = fNow();
        for (int i = 0; i < frames; ++i)
        {
            fPump();
            fClear();
            scene.fDraw();
            SDL_GL_SwapWindow(window);
        }
        glFinish();
        std::printf("level_cpu_ms=%.3f level_wall_ms=%.3f", 1000.0 * (fCpuSeconds() - cpu) / frames, 1000.0 * (fNow() - wall) / frames);
    }
    std::printf(" max_rss_kb=%ld\n", fMaxRssKb());
    std::fflush(stdout);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
