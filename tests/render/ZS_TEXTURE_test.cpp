// Textures from image bytes, files and pixels, their release, and render targets, drawn on the
// offscreen device and read back.
#include "render/ZT_RENDER_FIXTURE.h"

#include <cstdio>

#include "engine/render/ZC_QUAD.h"

using namespace ZT_RENDER;

namespace
{
const uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

void fAppend(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    out->insert(out->end(), static_cast<uint8_t*>(data), static_cast<uint8_t*>(data) + size);
}

// Encoded image bytes of R, G, B, A pixels, in the format named by its extension.
std::vector<uint8_t> fEncode(const char* format, int w, int h, const std::vector<uint8_t>& rgba)
{
    std::vector<uint8_t> out;
    std::string f = format;
    if (f == "png")
        stbi_write_png_to_func(fAppend, &out, w, h, 4, rgba.data(), w * 4);
    else if (f == "bmp")
        stbi_write_bmp_to_func(fAppend, &out, w, h, 4, rgba.data());
    else if (f == "tga")
        stbi_write_tga_to_func(fAppend, &out, w, h, 4, rgba.data());
    else if (f == "jpg")
        stbi_write_jpg_to_func(fAppend, &out, w, h, 4, rgba.data(), 90);
    return out;
}

std::vector<uint8_t> fFourColours()
{
    // Top left red, top right green, bottom left blue, bottom right white.
    return {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
}

class Textures : public ZT_GL_RENDER
{
protected:
    // Draws the texture as a 200 x 200 quad at (100, 100) in a frame of its own.
    void fDrawAt200(ZS_TEXTURE* t)
    {
        ZC_QUAD q(t);
        q.fSetSize(200, 200);
        q.transform->fSetPosition(100, 100, 0);
        ASSERT_EQ(render->fBeginFrame(), 1);
        q.fDraw();
        ASSERT_EQ(render->fEndFrame(), 0);
    }
    uint32_t fGamePixel(float x, float y) { return fPixel(int(x * 1024 / 1025), int(y * 1024 / 1025)); }
    // Quadrant centres are texel centres; the screen's W + 1 units across leave a filtered sample
    // a fraction of a texel off, hence the small tolerance.
    void fExpectQuadrants(uint32_t tl, uint32_t tr, uint32_t bl, uint32_t br)
    {
        EXPECT_LE(fColorDistance(fGamePixel(150, 150), tl), 3);
        EXPECT_LE(fColorDistance(fGamePixel(250, 150), tr), 3);
        EXPECT_LE(fColorDistance(fGamePixel(150, 250), bl), 3);
        EXPECT_LE(fColorDistance(fGamePixel(250, 250), br), 3);
        EXPECT_EQ(fGamePixel(320, 150), 0xFF444444u);
    }
};
}

TEST_F(Textures, APngFromMemoryShowsEachQuadrantsColour)
{
    std::vector<uint8_t> png = fEncode("png", 2, 2, fFourColours());
    ZS_TEXTURE* t = render->fLoadTextureMemory(png.data(), uint32_t(png.size()), "unnamed");
    ASSERT_NE(t, render->fGetDefaultTexture());
    EXPECT_EQ(t->size.x, 2);
    EXPECT_EQ(t->size.y, 2);
    fDrawAt200(t);
    fSaveFrame("texture_png_quadrants");
    fExpectQuadrants(kRed, kGreen, kBlue, kWhite);
    EXPECT_EQ(render->fReleaseTexture(t), 1);
}

TEST_F(Textures, EveryImageFormatReportsItsOwnSize)
{
    std::vector<uint8_t> rgba(100 * 50 * 4, 200);
    for (const char* format : {"png", "bmp", "tga", "jpg"})
    {
        std::vector<uint8_t> bytes = fEncode(format, 100, 50, rgba);
        ZS_TEXTURE* t = render->fLoadTextureMemory(bytes.data(), uint32_t(bytes.size()), "unnamed");
        ASSERT_NE(t, render->fGetDefaultTexture()) << format;
        EXPECT_EQ(t->size.x, 100) << format;
        EXPECT_EQ(t->size.y, 50) << format;
        render->fReleaseTexture(t);
    }
    std::vector<uint8_t> png = fEncode("png", 2, 2, fFourColours());
    FILE* f = std::fopen("four.png", "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(png.data(), 1, png.size(), f);
    std::fclose(f);
    ZS_TEXTURE* t = render->fLoadTextureFile("four.png");
    ASSERT_NE(t, render->fGetDefaultTexture());
    fDrawAt200(t);
    fExpectQuadrants(kRed, kGreen, kBlue, kWhite);
}

TEST_F(Textures, UnreadableImagesGiveTheDefaultTextureSilently)
{
    std::vector<uint8_t> png = fEncode("png", 2, 2, fFourColours());
    std::vector<uint8_t> truncated(png.begin(), png.begin() + long(png.size()) / 2);
    std::vector<uint8_t> garbage = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
    // A header that claims 60000 x 60000 pixels: refused before any pixel memory is taken.
    std::vector<uint8_t> huge = png;
    const uint8_t side[4] = {0, 0, 0xEA, 0x60};
    std::copy(side, side + 4, huge.begin() + 16);
    std::copy(side, side + 4, huge.begin() + 20);
    size_t before = render->fGetTextureCount();
    testing::internal::CaptureStderr();
    for (const auto* bytes : {&truncated, &garbage, &huge})
        EXPECT_EQ(render->fLoadTextureMemory(bytes->data(), uint32_t(bytes->size()), "unnamed"), render->fGetDefaultTexture());
    EXPECT_EQ(render->fLoadTextureMemory(nullptr, 10, "unnamed"), render->fGetDefaultTexture());
    EXPECT_EQ(render->fLoadTextureFile("no such file.png"), render->fGetDefaultTexture());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(render->fGetTextureCount(), before);
}

TEST_F(Textures, ABlankTextureShowsItsPackedPixelsInRowOrder)
{
    ZS_TEXTURE* t = render->fCreateTexture(2, 2);
    ASSERT_NE(t, nullptr);
    const uint32_t pixels[4] = {kRed, kGreen, kBlue, kWhite};
    ASSERT_TRUE(t->fSetPixels(pixels));
    fDrawAt200(t);
    fSaveFrame("texture_blank_pixels");
    fExpectQuadrants(kRed, kGreen, kBlue, kWhite);

    // The lock hands back what was written; a change shows after unlock.
    uint32_t* locked = render->fLockTexture(t);
    ASSERT_NE(locked, nullptr);
    EXPECT_EQ(locked[1], kGreen);
    locked[3] = 0xFF000000;
    ASSERT_TRUE(render->fUnlockTexture(t));
    fDrawAt200(t);
    EXPECT_LE(fColorDistance(fGamePixel(250, 250), 0xFF000000u), 3);

    EXPECT_EQ(render->fCreateTexture(0, 4), nullptr);
    EXPECT_EQ(render->fCreateTexture(1 << 20, 4), nullptr);
}

TEST_F(Textures, ReleasingFreesOnlyWhatTheRendererHolds)
{
    ZS_TEXTURE* def = render->fGetDefaultTexture();
    size_t count = render->fGetTextureCount();
    EXPECT_EQ(render->fReleaseTexture(def), -1);
    EXPECT_EQ(render->fReleaseTexture(nullptr), -1);
    EXPECT_EQ(render->fGetTextureCount(), count);
    EXPECT_NE(render->fLockTexture(def), nullptr);
    EXPECT_TRUE(render->fUnlockTexture(def));

    ZS_TEXTURE* t = render->fCreateTexture(2, 2);
    const uint32_t pixels[4] = {kRed, kGreen, kBlue, kWhite};
    ASSERT_TRUE(t->fSetPixels(pixels));
    // A handle the renderer did not make, even one naming the same device texture, is refused
    // and releases nothing.
    ZS_TEXTURE stranger(*t);
    EXPECT_EQ(render->fReleaseTexture(&stranger), -1);
    fDrawAt200(t);
    fExpectQuadrants(kRed, kGreen, kBlue, kWhite);
    EXPECT_EQ(render->fReleaseTexture(t), 1);
    EXPECT_EQ(render->fGetTextureCount(), count);
    EXPECT_EQ(render->fReleaseTexture(&stranger), -1);
}

TEST_F(Textures, ARenderTargetDrawnIntoAndThenOnScreen)
{
    ZS_RENDER_TARGET* rt = render->fCreateRenderTarget(64, 64);
    ASSERT_NE(rt, nullptr);
    ASSERT_EQ(render->fBeginTargetFrame(rt), 1);
    EXPECT_EQ(render->fBeginFrame(), -1);
    ZS_RENDER_STATE solid = fSolidState();
    ZS_VERTEX v[4];
    fQuad(v, 0, 0, 32, 32, kRed);
    render->fAddTriangles(v, nullptr, &solid, 4, kQuadIndices, 6);
    fQuad(v, 32, 32, 32, 32, kBlue);
    render->fAddTriangles(v, nullptr, &solid, 4, kQuadIndices, 6);
    ASSERT_EQ(render->fEndTargetFrame(), 0);
    EXPECT_EQ(render->fEndTargetFrame(), -1);

    fDrawAt200(&rt->texture);
    fSaveFrame("texture_render_target");
    // The target was cleared to transparent black: its empty quarters let the clear colour through.
    fExpectQuadrants(kRed, 0xFF444444, 0xFF444444, kBlue);
    render->fReleaseRenderTarget(rt);
}
