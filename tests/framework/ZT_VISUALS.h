#pragma once
// The framework's visuals on a real (offscreen) renderer at 1024x768 with a repository over the
// pictures of tests/data/framework/visuals, an input state for the pointer, and frames read back.
#include <memory>

#include "ZT_FIXTURE_REPOSITORY.h"
#include "engine/core/ZC_INPUT.h"
#include "render/ZT_RENDER_FIXTURE.h"

namespace ZT_TEST
{
const uint32_t kClear = 0xFF444444;

class ZT_VISUALS : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        if (HasFatalFailure())
            return;
        repository = fMountFixtures("framework/visuals");
    }
    void TearDown() override
    {
        // Textures go back to the renderer, so the repository goes first.
        repository.reset();
        ZOR::zcREPOSITORY = nullptr;
        ZT_GL_RENDER::TearDown();
    }

    int fUsers(const char* name) const { return ZT_TEST::fUsers(*repository, name); }

    // Game pixel to back-buffer pixel in the windowed 1024x768 picture.
    static int fPx(float game) { return int(game * 1024.0f / 1025.0f); }
    uint32_t fGamePixel(float x, float y) { return fPixel(fPx(x), fPx(y)); }

    // Whether the rectangle (left, top, right, bottom, game pixels) shows the colour inside,
    // sampled 3 pixels in from each corner, and the clear colour 3 pixels out.
    ::testing::AssertionResult fShowsBox(float left, float top, float right, float bottom, uint32_t color)
    {
        const float in[4][2] = {{left + 3, top + 3}, {right - 3, top + 3}, {left + 3, bottom - 3}, {right - 3, bottom - 3}};
        for (const auto& p : in)
            if (fGamePixel(p[0], p[1]) != color)
                return ::testing::AssertionFailure() << std::hex << fGamePixel(p[0], p[1]) << " inside at " << std::dec
                                                     << p[0] << "," << p[1];
        const float out[4][2] = {{left - 3, top + 3}, {right + 3, top + 3}, {left + 3, top - 3}, {left + 3, bottom + 3}};
        for (const auto& p : out)
            if (fGamePixel(p[0], p[1]) != kClear)
                return ::testing::AssertionFailure() << std::hex << fGamePixel(p[0], p[1]) << " outside at " << std::dec
                                                     << p[0] << "," << p[1];
        return ::testing::AssertionSuccess();
    }

    std::unique_ptr<ZOR::ZC_REPOSITORY> repository;
    ZOR::ZC_INPUT input;
};
}
