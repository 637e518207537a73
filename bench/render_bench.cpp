// The renderer's cost for a frame like a 20x20 level screen: ~900 quads in one texture and ~50 in
// a second. Reports draw calls per frame, the processor time of the batching, quads batched per
// second and allocations per frame; and the time to make a texture of a 1024x1024 PNG.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <vector>

#include <stb_image_write.h>

#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/platform/ZC_PLATFORM_IMAGE.h"
#include "engine/render/ZC_QUAD.h"
#include "engine/render/ZC_RENDER.h"
#include "tests/support/ZT_ALLOCATION_COUNT.h"

using namespace ZOR;


namespace
{
// The pictures of a level screen: cells, clue numbers, grid lines (texture A), HUD (texture B).
struct ZT_LEVEL
{
    std::vector<ZC_QUAD*> quads;
    std::vector<ZS_TRANSFORM3> places;

    ZT_LEVEL(ZS_TEXTURE* a, ZS_TEXTURE* b)
    {
        places.resize(950);
        for (int i = 0; i < 950; ++i)
        {
            ZC_QUAD* q = new ZC_QUAD(i < 900 ? a : b, &places[size_t(i)]);
            q->fSetSize(24, 24);
            q->fSetFrame(8, 8, i % 64, false);
            q->fSetHotSpot(4, 0, 0);
            places[size_t(i)].fSetPosition(float(100 + (i % 30) * 26), float(40 + (i / 30) * 22), 0);
            if (i % 7 == 0)
                places[size_t(i)].fSetRotationZ(0.1f * float(i % 5));
            quads.push_back(q);
        }
    }
    ~ZT_LEVEL()
    {
        for (ZC_QUAD* q : quads)
            delete q;
    }
    void fDraw()
    {
        for (ZC_QUAD* q : quads)
            q->fDraw();
    }
};

std::vector<uint8_t> fPng1024()
{
    // Smooth areas with some noise, like a packed picture atlas rather than pure noise.
    std::vector<uint8_t> rgba(1024 * 1024 * 4);
    std::mt19937 random(7);
    for (int y = 0; y < 1024; ++y)
        for (int x = 0; x < 1024; ++x)
        {
            uint8_t* p = &rgba[size_t(y * 1024 + x) * 4];
            uint8_t n = uint8_t(random() & 15);
            p[0] = uint8_t(x / 4 + n);
            p[1] = uint8_t(y / 4 + n);
            p[2] = uint8_t(((x / 64 + y / 64) & 1) ? 200 : 40);
            p[3] = uint8_t(((x / 32) & 3) ? 255 : 128);
        }
    std::vector<uint8_t> out;
    stbi_write_png_to_func(
        [](void* c, void* d, int n) {
            auto* v = static_cast<std::vector<uint8_t>*>(c);
            v->insert(v->end(), static_cast<uint8_t*>(d), static_cast<uint8_t*>(d) + n);
        },
        &out, 1024, 1024, 4, rgba.data(), 1024 * 4);
    return out;
}

// Renderer on the real (offscreen) OpenGL device.
struct ZT_GL
{
    ZC_SYSTEM_WINDOW window;
    ZC_RENDER render;
    bool ok = false;
    ZT_GL()
    {
        ok = window.fCreate("render bench") == 1 && render.fInit(window.fGetHandle(), 0.1f, 0.0f) == 1;
    }
};

// Renderer on the null device: only our processor work.
struct ZT_NULL
{
    ZC_RENDER* render;
    ZT_NULL()
    {
        ZC_PLATFORM_DEVICE::fSetNullMode(true);
        render = new ZC_RENDER;
        render->fInit(nullptr, 0.1f, 0.0f);
    }
    ~ZT_NULL()
    {
        delete render;
        ZC_PLATFORM_DEVICE::fSetNullMode(false);
    }
};

void fReportFrame(benchmark::State& state, ZC_RENDER& render, uint64_t allocations, int64_t frames)
{
    state.counters["draw_calls_per_frame"] = double(render.fGetDevice()->fGetCounters().drawCalls) / double(frames);
    state.counters["flushes_per_frame"] = render.flushes;
    state.counters["allocations_per_frame"] = double(allocations) / double(frames);
    state.counters["quads_per_second"] = benchmark::Counter(950.0 * double(frames), benchmark::Counter::kIsRate);
}
}

// The whole frame on the device: begin (clear), 950 quads, end (flush, present).
static void BM_LevelFrameOnDevice(benchmark::State& state)
{
    ZT_GL gl;
    if (!gl.ok)
    {
        state.SkipWithError("no OpenGL device");
        return;
    }
    ZS_TEXTURE* a = gl.render.fCreateTexture(256, 256);
    ZS_TEXTURE* b = gl.render.fCreateTexture(128, 128);
    ZT_LEVEL level(a, b);
    // The first frames make the driver compile its shaders for these states (tens of
    // milliseconds and its allocations): not part of the frame's cost.
    for (int i = 0; i < 10; ++i)
    {
        gl.render.fBeginFrame();
        level.fDraw();
        gl.render.fEndFrame();
    }
    gl.render.fGetDevice()->fClearCounters();
    uint64_t before = fAllocationCount().load();
    int64_t frames = 0;
    for (auto _ : state)
    {
        gl.render.fBeginFrame();
        level.fDraw();
        gl.render.fEndFrame();
        ++frames;
    }
    fReportFrame(state, gl.render, fAllocationCount().load() - before, frames);
}
BENCHMARK(BM_LevelFrameOnDevice)->Unit(benchmark::kMillisecond)->UseRealTime();

// Begin and end with nothing drawn: what the driver and the present cost by themselves.
static void BM_EmptyFrameOnDevice(benchmark::State& state)
{
    ZT_GL gl;
    if (!gl.ok)
    {
        state.SkipWithError("no OpenGL device");
        return;
    }
    for (int i = 0; i < 10; ++i)
    {
        gl.render.fBeginFrame();
        gl.render.fEndFrame();
    }
    gl.render.fGetDevice()->fClearCounters();
    uint64_t before = fAllocationCount().load();
    int64_t frames = 0;
    for (auto _ : state)
    {
        gl.render.fBeginFrame();
        gl.render.fEndFrame();
        ++frames;
    }
    state.counters["allocations_per_frame"] = double(fAllocationCount().load() - before) / double(frames);
}
BENCHMARK(BM_EmptyFrameOnDevice)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same frame's batching alone: transforms, state and texture checks, vertex copies.
static void BM_LevelFrameBatching(benchmark::State& state)
{
    ZT_NULL n;
    ZS_TEXTURE* a = n.render->fCreateTexture(256, 256);
    ZS_TEXTURE* b = n.render->fCreateTexture(128, 128);
    ZT_LEVEL level(a, b);
    n.render->fGetDevice()->fClearCounters();
    uint64_t before = fAllocationCount().load();
    int64_t frames = 0;
    for (auto _ : state)
    {
        n.render->fBeginFrame();
        level.fDraw();
        n.render->fEndFrame();
        ++frames;
    }
    fReportFrame(state, *n.render, fAllocationCount().load() - before, frames);
}
BENCHMARK(BM_LevelFrameBatching)->Unit(benchmark::kMicrosecond);

// Quads through the batch, each with its own placement, one core.
static void BM_QuadsBatched(benchmark::State& state)
{
    ZT_NULL n;
    ZS_TEXTURE* a = n.render->fCreateTexture(256, 256);
    ZS_TRANSFORM3 place;
    ZC_QUAD q(a, &place);
    q.fSetSize(24, 24);
    n.render->fBeginFrame();
    float x = 0;
    for (auto _ : state)
    {
        place.position.x = x;
        x = x > 1000 ? 0 : x + 1;
        q.fDraw();
    }
    n.render->fEndFrame();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_QuadsBatched);

// A 1024x1024 PNG from memory to a texture, and the decoding alone.
static void BM_Png1024ToTexture(benchmark::State& state)
{
    ZT_GL gl;
    if (!gl.ok)
    {
        state.SkipWithError("no OpenGL device");
        return;
    }
    std::vector<uint8_t> png = fPng1024();
    for (auto _ : state)
    {
        ZS_TEXTURE* t = gl.render.fLoadTextureMemory(png.data(), uint32_t(png.size()), "unnamed");
        if (t == gl.render.fGetDefaultTexture())
            state.SkipWithError("not decoded");
        gl.render.fReleaseTexture(t);
    }
    state.counters["png_bytes"] = double(png.size());
}
BENCHMARK(BM_Png1024ToTexture)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_Rgba1024UploadOnly(benchmark::State& state)
{
    ZT_GL gl;
    if (!gl.ok)
    {
        state.SkipWithError("no OpenGL device");
        return;
    }
    std::vector<uint8_t> pixels(1024 * 1024 * 4, 128);
    ZC_PLATFORM_DEVICE* device = gl.render.fGetDevice();
    for (auto _ : state)
    {
        uint32_t id = device->fCreateTexture(1024, 1024, ZC_PLATFORM_DEVICE::PIXELS_RGBA, pixels.data());
        device->fReleaseTexture(id);
    }
}
BENCHMARK(BM_Rgba1024UploadOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_Png1024DecodeOnly(benchmark::State& state)
{
    std::vector<uint8_t> png = fPng1024();
    for (auto _ : state)
    {
        int w = 0, h = 0;
        unsigned char* pixels = fDecodeImageMemory(png.data(), png.size(), 16384, &w, &h);
        benchmark::DoNotOptimize(pixels);
        fFreeImage(pixels);
    }
}
BENCHMARK(BM_Png1024DecodeOnly)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ZOR_MESSAGE_BOX", "log", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
