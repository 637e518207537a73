// The puzzle's per-move and per-frame cost on a 30x30 grid: judging one dragged line of 30
// cells with the automatic crossing of clues, and one frame of update and batching of the grid
// with both number strips; and the engine's moving parts under the same frame: 10,000 ticking
// behaviour objects and 4,096 particles updated and batched. Reports allocations per frame.
//
// Runs in a folder of its own under /tmp (the engine makes "Resources" in the working folder),
// on the renderer's null device: only our processor work is measured.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <stb_image_write.h>
#include <unistd.h>

#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/bots/ZC_BOT_FADE.h"
#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/bots/ZC_BOT_SLEEP.h"
#include "engine/core/ZC_RANDOM.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/files/ZC_FILE_SYSTEM.h"
#include "engine/files/ZC_REPOSITORY.h"
#include "engine/particles/ZC_PARTICLE_SYSTEM.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/text/ZC_FONT_MANAGER.h"
#include "game/puzzle/GG_ELEMENT.h"
#include "game/puzzle/GG_LEVEL_SETTINGS.h"
#include "game/puzzle/GG_PROCESS.h"
#include "game/puzzle/GG_PUZZLE_SHELL.h"
#include "tests/support/ZT_ALLOCATION_COUNT.h"

using namespace ZOR;
using namespace game;

namespace
{
std::string fPng(int width, int height, uint32_t argb)
{
    std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
    for (size_t i = 0; i < rgba.size(); i += 4)
    {
        rgba[i] = uint8_t(argb >> 16);
        rgba[i + 1] = uint8_t(argb >> 8);
        rgba[i + 2] = uint8_t(argb);
        rgba[i + 3] = uint8_t(argb >> 24);
    }
    std::string png;
    stbi_write_png_to_func(
        [](void* out, void* data, int size) { static_cast<std::string*>(out)->append(static_cast<char*>(data), size_t(size)); },
        &png, width, height, 4, rgba.data(), width * 4);
    return png;
}

void fWrite(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// A data root with the numbers file (inside a zip package, under its full resource name),
// the cell skin, the cross animation and a digit font; the repository over it.
struct ZT_DATA
{
    ZC_REPOSITORY repository;

    ZT_DATA()
    {
        const std::string root = fGetFileSystem()->fGetDataRoot();
        fWrite(root + "yes.png", fPng(64, 16, 0xFF0000FFu));
        fWrite(root + "no.png", fPng(64, 16, 0xFFFF0000u));
        fWrite(root + "locked.png", fPng(16, 16, 0xFF808080u));
        fWrite(root + "cross.png", fPng(32, 8, 0xFFFF00FFu));
        fWrite(root + "digits.png", fPng(128, 8, 0xFFFFFFFFu));
        std::string chars;
        for (int d = 0; d < 10; ++d)
            chars += "<char id=\"" + std::to_string('0' + d) + "\" x=\"" + std::to_string(d * 8) +
                     "\" y=\"0\" width=\"6\" height=\"8\" xoffset=\"0\" yoffset=\"0\" xadvance=\"7\" page=\"0\" chnl=\"15\"/>";
        fWrite(root + "digits.xml", "<font><common lineHeight=\"8\" base=\"8\" scaleW=\"128\" scaleH=\"8\" pages=\"1\"/>"
                                    "<chars count=\"10\">" + chars + "</chars></font>");
        fWrite(root + "fonts.xml", "<fonts><font name=\"digits\" texture=\"digits.png\" xml=\"digits.xml\"/></fonts>");
        const std::string strip = " font=\"digits\" font_color=\"0xFFFFCC00\" font_cross=\"0xFF00FF00\" interval=\"12\" "
                                  "><FILE>cross.png</FILE><ANIMATION grid=\"4 1\" frames=\"4\" fps=\"12\" loop=\"0\"/>";
        const std::string numbers = "<numbers><numbersLeft shift_first=\"10 0\"" + strip + "</numbersLeft><numbersUp shift_first=\"0 10\"" +
                                    strip + "</numbersUp></numbers>";
        std::system(("mkdir -p '" + root + "zipsrc/data/share/main'").c_str());
        fWrite(root + "zipsrc/data/share/main/GameProcess numbers.xml", numbers);
        std::system(("cd '" + root + "zipsrc' && rm -f ../puzzle.zip && zip -q -X -r ../puzzle.zip data").c_str());
        zcREPOSITORY = &repository;
        repository.fRegister("", "");
        repository.fRegister("puzzle.zip", "");
    }
    ~ZT_DATA() { zcREPOSITORY = nullptr; }
};

struct ZT_NULL_RENDER
{
    ZC_RENDER* render;
    ZT_NULL_RENDER()
    {
        ZC_PLATFORM_DEVICE::fSetNullMode(true);
        render = new ZC_RENDER;
        render->fInit(nullptr, 0.1f, 0.0f);
    }
    ~ZT_NULL_RENDER()
    {
        delete render;
        ZC_PLATFORM_DEVICE::fSetNullMode(false);
    }
};

// A 30x30 picture of about 55% picture cells; "striped" gives every line its most clues.
std::string fCellList(bool striped)
{
    std::mt19937 random(12);
    std::string xml = "<gElements>";
    for (int r = 0; r < 30; ++r)
        for (int c = 0; c < 30; ++c)
        {
            const bool picture = striped ? (c + r) % 2 == 0 : random() % 100 < 55;
            xml += picture ? "<e type=\"100\"/>" : "<e type=\"101\"/>";
        }
    return xml + "</gElements>";
}

// A 30x30 level of 20x20 cells in blocks of 5 with 2-pixel gaps, its skin loaded.
struct ZT_LEVEL
{
    ZT_NULL_RENDER device;
    ZT_DATA data;
    ZC_RANDOM random{0};
    ZC_FONT_MANAGER fonts;
    GG_LEVEL_SETTINGS settings;
    pugi::xml_document level;
    GG_PROCESS process{nullptr};

    explicit ZT_LEVEL(bool striped)
    {
        fonts.fLoad("fonts.xml");
        fGetPuzzleShell().fonts = &fonts;
        level.load_string(fCellList(striped).c_str());
        settings.gridSize = ZS_POINT(30, 30);
        settings.cellSize = ZS_VECTOR2(20, 20);
        settings.blockSize = ZS_POINT(5, 5);
        settings.blockShift = ZS_POINT(-2, -2);
        settings.position = ZS_VECTOR2(600, 400);
        settings.bonuses = 5;
        settings.fUpdateDerived();
        // Four-frame looping skins, as a level's reveal animations are.
        for (ZOR_GF::G_ANIMATION* skin : {&settings.yes, &settings.no})
        {
            skin->fSetFile(skin == &settings.yes ? "yes.png" : "no.png");
            skin->fSetGrid(ZS_POINT(4, 1));
            skin->fSetFrameCount(4);
            skin->fSetFps(8);
            skin->fLoadTexture();
        }
        settings.locked.fSetFile("locked.png");
        settings.locked.fLoadTexture();
        process.revealStep = 0.05f;
        fStart();
    }
    ~ZT_LEVEL()
    {
        process.fClear();
        process.fUnloadResources();
        settings.yes.fUnloadTexture();
        settings.no.fUnloadTexture();
        settings.locked.fUnloadTexture();
        fGetPuzzleShell().fonts = nullptr;
        fonts.fReleaseTextures();
    }
    void fStart()
    {
        process.fClear();
        if (!process.fStart(level.first_child(), &settings))
            std::abort();
        process.fLoadResources();
    }
};

void fReport(benchmark::State& state, uint64_t allocations, int64_t frames)
{
    state.counters["allocations_per_frame"] = double(allocations) / double(frames ? frames : 1);
}
}

// One released line of 30 closed cells judged, hooks, reveal delays and clue crossing included.
static void BM_JudgeLineOf30(benchmark::State& state)
{
    ZT_LEVEL level(state.range(0) != 0);
    int row = 0;
    uint64_t allocations = 0;
    for (auto _ : state)
    {
        if (row == 30)
        {
            level.fStart();
            row = 0;
        }
        const uint64_t before = fAllocationCount().load();
        const auto start = std::chrono::steady_clock::now();
        level.process.fApplyLine(row, 0, row, 29, row % 3 != 2);
        const auto end = std::chrono::steady_clock::now();
        allocations += fAllocationCount().load() - before;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        ++row;
    }
    state.counters["allocations_per_line"] = double(allocations) / double(state.iterations());
}
BENCHMARK(BM_JudgeLineOf30)->Arg(0)->Arg(1)->ArgName("striped")->UseManualTime()->Unit(benchmark::kMicrosecond);

// One frame of the level's grid: update (strips, cells, animations), then the four cell passes,
// both strips' numbers and their cross animations into the batch.
static void BM_GridFrame30x30(benchmark::State& state)
{
    ZT_LEVEL level(false);
    zcFRAME_DELTA = 1.0f / 60.0f;
    // Half the grid open, with its clues crossed and their animations started.
    for (int row = 0; row < 30; row += 2)
        level.process.fApplyLine(row, 0, row, 29, true);
    for (int frame = 0; frame < 120; ++frame)
    {
        level.process.fUpdate();
        level.device.render->fBeginFrame();
        level.process.fDraw();
        level.device.render->fEndFrame();
    }
    const uint64_t before = fAllocationCount().load();
    int64_t frames = 0;
    for (auto _ : state)
    {
        level.process.fUpdate();
        level.device.render->fBeginFrame();
        level.process.fDraw();
        level.device.render->fEndFrame();
        ++frames;
    }
    fReport(state, fAllocationCount().load() - before, frames);
}
BENCHMARK(BM_GridFrame30x30)->Unit(benchmark::kMicrosecond);

// The engine's moving parts of a busy frame: 10,000 behaviour objects ticked by their
// container (moves, timers and colour fades), 4,096 live particles updated and batched.
static void BM_BotsAndParticlesFrame(benchmark::State& state)
{
    ZT_NULL_RENDER device;
    ZC_RANDOM random(0);
    zcFRAME_DELTA = 1.0f / 60.0f;
    std::vector<ZS_TRANSFORM3> places(10000);
    std::vector<float> values(10000);
    std::vector<ZS_COLOR> colors(10000);
    ZC_BOT_CONTAINER bots;
    for (int i = 0; i < 10000; ++i)
        switch (i % 3)
        {
        case 0: bots.fAdd(fCreateBotMove(&places[size_t(i)], 1.0e6f, 0.0f, 500.0f, 300.0f, 0.0f, 0.0f)); break;
        case 1: bots.fAdd(fCreateBotSleep(&values[size_t(i)], nullptr, 1.0e6f, 1.0f)); break;
        default: bots.fAdd(fCreateBotColorJs(&colors[size_t(i)], 1.0e6f, 0x00FFFFFFu, 0.0f)); break;
        }
    ZS_TEXTURE* spark = device.render->fCreateTexture(8, 8);
    ZC_PARTICLE_SYSTEM_EX particles(spark);
    particles.maxCount = 4096;
    particles.particleTemplate.lifetime = 1.0e6f;
    particles.fSetAreaRect(512, 384, 400, 300);
    particles.spreadAngle = 6.28f;
    particles.fStart();
    particles.fBurst(4096);

    const uint64_t before = fAllocationCount().load();
    int64_t frames = 0;
    for (auto _ : state)
    {
        bots.fUpdate();
        particles.fUpdate();
        device.render->fBeginFrame();
        particles.fDraw();
        device.render->fEndFrame();
        ++frames;
    }
    fReport(state, fAllocationCount().load() - before, frames);
    state.counters["bots"] = double(bots.fGetCount());
    state.counters["particles"] = double(particles.count);
    bots.fDeleteAll();
}
BENCHMARK(BM_BotsAndParticlesFrame)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    // The engine makes its data root in the working folder: a folder of our own.
    char folder[] = "/tmp/puzzle_bench_XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0)
        return 1;
    if (!std::getenv("SDL_VIDEODRIVER"))
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::system((std::string("rm -rf '") + folder + "'").c_str());
    return 0;
}
