// Textures from image bytes, files and pixels, their release, and render targets, drawn on the
// offscreen device and read back.
#include "render/ZT_RENDER_FIXTURE.h"

#include <cstdio>
#include <cstring>

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

// PNG bytes of pixels of one (grey), two (grey, alpha), three or four channels.
std::vector<uint8_t> fEncodePng(int w, int h, int channels, const std::vector<uint8_t>& pixels)
{
    std::vector<uint8_t> out;
    stbi_write_png_to_func(fAppend, &out, w, h, channels, pixels.data(), w * channels);
    return out;
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

// A picture stored grey keeps one or two bytes a texel on the device, and draws, tinted by a
// quad's colour, exactly as its R, G, B, A twin; read back it comes as R, G, B, A, and a
// texel changed to a colour makes the texture R, G, B, A again.
TEST_F(Textures, GreyPicturesKeepFewerBytesAndLookTheSameAsTheirColourTwins)
{
    struct ZS_CASE
    {
        const char* what;
        int channels;
        std::vector<uint8_t> pixels; // 2 x 2
        uint64_t bytesPerTexel;
    };
    const std::vector<ZS_CASE> cases = {
        {"a glyph sheet: white, four alphas", 2, {255, 0, 255, 85, 255, 170, 255, 255}, 1},
        {"grey and alpha", 2, {0, 255, 90, 128, 200, 40, 255, 255}, 2},
        {"grey, opaque", 1, {0, 90, 200, 255}, 1},
        {"colour with alpha", 4, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 60, 255, 255, 255, 255}, 4},
    };
    auto bytes = [&] { return render->fGetDevice()->fGetCounters().textureBytes; };
    // Drawn as a 200 x 200 quad in a tinting colour; nine samples across it.
    auto drawn = [&](ZS_TEXTURE* t) {
        ZC_QUAD q(t);
        q.fSetSize(200, 200);
        q.fSetColor(0xE080C0FFu);
        q.transform->fSetPosition(100, 100, 0);
        std::vector<uint32_t> seen;
        if (render->fBeginFrame() != 1)
            return seen;
        q.fDraw();
        render->fEndFrame();
        for (float y : {150.0f, 200.0f, 250.0f})
            for (float x : {150.0f, 200.0f, 250.0f})
                seen.push_back(fGamePixel(x, y));
        return seen;
    };
    const uint64_t held = bytes();
    for (const ZS_CASE& c : cases)
    {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> rgba;
        for (size_t i = 0; i < 4; ++i)
        {
            const uint8_t* p = &c.pixels[i * size_t(c.channels)];
            if (c.channels == 4)
                rgba.insert(rgba.end(), p, p + 4);
            else
                rgba.insert(rgba.end(), {p[0], p[0], p[0], c.channels == 2 ? p[1] : uint8_t(255)});
        }
        const std::vector<uint8_t> small = fEncodePng(2, 2, c.channels, c.pixels), twin = fEncodePng(2, 2, 4, rgba);
        ZS_TEXTURE* t = render->fLoadTextureMemory(small.data(), uint32_t(small.size()), "unnamed");
        ASSERT_NE(t, render->fGetDefaultTexture());
        EXPECT_EQ(bytes(), held + 4 * c.bytesPerTexel);
        ZS_TEXTURE* reference = render->fLoadTextureMemory(twin.data(), uint32_t(twin.size()), "unnamed");
        ASSERT_NE(reference, render->fGetDefaultTexture());
        const std::vector<uint32_t> seen = drawn(t);
        ASSERT_EQ(seen.size(), 9u);
        EXPECT_EQ(seen, drawn(reference));

        uint32_t* locked = render->fLockTexture(t);
        ASSERT_NE(locked, nullptr);
        EXPECT_EQ(0, std::memcmp(locked, rgba.data(), rgba.size()));
        const uint8_t magenta[4] = {255, 0, 255, 255};
        std::memcpy(&locked[3], magenta, 4);
        ASSERT_TRUE(render->fUnlockTexture(t));
        EXPECT_EQ(bytes(), held + 32);
        // Bottom right: the tint's red and blue, no green.
        const uint32_t p = drawn(t)[8];
        EXPECT_LT((p >> 8) & 0xFF, 20u) << std::hex << p;
        EXPECT_GT(p & 0xFF, 200u) << std::hex << p;
        render->fReleaseTexture(t);
        render->fReleaseTexture(reference);
        EXPECT_EQ(bytes(), held);
    }
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
