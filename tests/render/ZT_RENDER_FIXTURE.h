#pragma once
// Shared by the renderer's tests: a renderer on a real (offscreen) OpenGL device, or on the
// null device for what only counts, plus pixel read-back and frames written as PNG.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <cstdint>
#include <string>
#include <vector>

#include <stb_image_write.h>

#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_RENDER.h"
#include "support/ZT_TEST_ENV.h"

namespace ZT_RENDER
{
using namespace ZOR;

const uint16_t kQuadIndices[6] = {0, 1, 2, 0, 2, 3};

// An untextured, blended triangle-list word, like a solid quad's.
inline ZS_RENDER_STATE fSolidState()
{
    return ZS_RENDER_STATE(ZS_RENDER_STATE::ALPHA_BLEND | (ZS_RENDER_STATE::PRIM_TRIANGLES << ZS_RENDER_STATE::PRIMITIVE_SHIFT));
}

// The textured quad's word with linear filtering. Untextured words start a batch with every draw
// (their batch holds no texture while each draw brings the default one), so batching is shown
// with this one.
inline ZS_RENDER_STATE fTexturedState()
{
    ZS_RENDER_STATE s(fSolidState().word | ZS_RENDER_STATE::TEXTURED);
    s.fSetFilter(ZS_RENDER_STATE::FILTER_LINEAR);
    return s;
}

inline void fQuad(ZS_VERTEX v[4], float x, float y, float w, float h, uint32_t color)
{
    const float corners[4][4] = {{x, y, 0, 0}, {x + w, y, 1, 0}, {x + w, y + h, 1, 1}, {x, y + h, 0, 1}};
    for (int i = 0; i < 4; ++i)
    {
        v[i] = ZS_VERTEX();
        v[i].fSetPosition(corners[i][0], corners[i][1], 0.0f);
        v[i].fSetUV(corners[i][2], corners[i][3]);
        v[i].fSetColor(color);
    }
}

// A quad of the colour added to the render's frame with the state (a solid one by default).
inline void fAddQuad(ZC_RENDER& render, float x, float y, float w, float h, uint32_t color,
                     ZS_RENDER_STATE state = fSolidState())
{
    ZS_VERTEX v[4];
    fQuad(v, x, y, w, h, color);
    render.fAddTriangles(v, nullptr, &state, 4, kQuadIndices, 6);
}

// Channel distance of two packed colours.
inline int fColorDistance(uint32_t a, uint32_t b)
{
    int most = 0;
    for (int s = 0; s < 32; s += 8)
    {
        int d = int((a >> s) & 0xFF) - int((b >> s) & 0xFF);
        most = std::max(most, d < 0 ? -d : d);
    }
    return most;
}

// A renderer over the game's window with a real GL device, initialised at 1024x768 windowed.
class ZT_GL_RENDER : public ::testing::Test
{
protected:
    ZC_SYSTEM_WINDOW* window = nullptr;
    ZC_RENDER* render = nullptr;

    void SetUp() override
    {
        window = new ZC_SYSTEM_WINDOW;
        ASSERT_EQ(window->fCreate("render test"), 1);
        render = new ZC_RENDER;
        ASSERT_EQ(render->fInit(window->fGetHandle(), 0.1f, 0.0f), 1);
    }
    void TearDown() override
    {
        delete render;
        delete window;
    }

    // Packed 0xAARRGGBB of a back-buffer pixel (top-left origin).
    uint32_t fPixel(int x, int y)
    {
        uint8_t p[4] = {};
        if (!render->fGetDevice()->fReadPixels(x, y, 1, 1, p))
            return 0;
        return uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }

    // The whole back buffer as PNG in the test output folder, for a person to look at.
    void fSaveFrame(const std::string& name)
    {
        ZS_POINT size = render->fGetBackBufferSize();
        std::vector<uint8_t> rgba(size_t(size.x) * size_t(size.y) * 4);
        if (!render->fGetDevice()->fReadPixels(0, 0, size.x, size.y, rgba.data()))
            return;
        std::string path = ZT_TEST::fOutputDir() + "/" + name + ".png";
        stbi_write_png(path.c_str(), size.x, size.y, 4, rgba.data(), size.x * 4);
    }
};

// A renderer on the null device: states, batches and counters without drawing anything.
class ZT_NULL_RENDER : public ::testing::Test
{
protected:
    ZC_RENDER* render = nullptr;

    void SetUp() override
    {
        ZC_PLATFORM_DEVICE::fSetNullMode(true);
        render = new ZC_RENDER;
        ASSERT_EQ(render->fInit(nullptr, 0.1f, 0.0f), 1);
        ASSERT_EQ(render->fBeginFrame(), 1);
        render->fGetDevice()->fClearCounters();
    }
    void TearDown() override
    {
        delete render;
        ZC_PLATFORM_DEVICE::fSetNullMode(false);
    }
    const ZC_PLATFORM_DEVICE::ZS_COUNTERS& fDevice() { return render->fGetDevice()->fGetCounters(); }
};
}
