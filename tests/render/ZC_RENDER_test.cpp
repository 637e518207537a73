// What a player would see: frames drawn on the offscreen OpenGL device and read back.
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZT_RENDER;
using RS = ZS_RENDER_STATE;
using DEV = ZC_PLATFORM_DEVICE;

namespace
{
struct ZT_PARTICLE
{
    float x, y, z, size;
    uint32_t color;
    ZT_PARTICLE* next;
};

const uint32_t kClear = 0xFF444444;

class Frame : public ZT_GL_RENDER
{
protected:
    void fDrawQuad(float x, float y, float w, float h, uint32_t color, RS state = fSolidState())
    {
        fAddQuad(*render, x, y, w, h, color, state);
    }
    // Game pixel to back-buffer pixel in the windowed 1024x768 picture (W + 1 units across).
    static int fPx(float game) { return int(game * 1024.0f / 1025.0f); }
};
}

TEST_F(Frame, ClearColourAndSolidQuadsLandWhereTheGameSaysWindowed)
{
    ASSERT_EQ(render->fBeginFrame(), 1);
    fDrawQuad(100, 100, 200, 100, 0xFFFF0000);
    fDrawQuad(600, 400, 100, 150, 0xFF00FF00);
    fDrawQuad(1000, 740, 24, 28, 0xFF0000FF);
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("render_windowed");

    struct
    {
        int x, y;
        uint32_t color;
    } samples[] = {
        {10, 10, kClear},        {fPx(200), fPx(150), 0xFFFF0000}, {fPx(105), fPx(105), 0xFFFF0000},
        {fPx(295), fPx(195), 0xFFFF0000}, {fPx(310), fPx(150), kClear}, {fPx(650), fPx(475), 0xFF00FF00},
        {fPx(650), fPx(395), kClear}, {fPx(1012), fPx(754), 0xFF0000FF}, {1022, 766, 0xFF0000FF},
    };
    for (const auto& s : samples)
        EXPECT_EQ(fPixel(s.x, s.y), s.color) << s.x << "," << s.y;
}

TEST_F(Frame, FullScreenAtTheDesktopSizeLetterboxesThePicture)
{
    int savedWidth = zcDESKTOP_WIDTH, savedHeight = zcDESKTOP_HEIGHT;
    struct
    {
        int desktopWidth, desktopHeight;
        float scaleX, scaleY; // of the letterbox matrix
        const char* name;
    } cases[] = {
        {1920, 1080, 0.75f, 1.0f, "render_fullscreen_1920x1080"},
        {1280, 1024, 1.0f, 0.9375f, "render_fullscreen_1280x1024"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        zcDESKTOP_WIDTH = c.desktopWidth;
        zcDESKTOP_HEIGHT = c.desktopHeight;
        ASSERT_EQ(render->fSetMode(1024, 768, true, true), 1);
        EXPECT_EQ(render->fGetBackBufferSize().x, c.desktopWidth);
        EXPECT_EQ(render->fGetBackBufferSize().y, c.desktopHeight);
        EXPECT_FLOAT_EQ(render->fGetLetterbox().m[0], c.scaleX);
        EXPECT_FLOAT_EQ(render->fGetLetterbox().m[5], c.scaleY);

        ASSERT_EQ(render->fBeginFrame(), 1);
        fDrawQuad(0, 0, 60, 769, 0xFF0000FF);
        fDrawQuad(100, 100, 200, 100, 0xFFFF0000);
        fDrawQuad(600, 400, 100, 150, 0xFF00FF00);
        ASSERT_EQ(render->fEndFrame(), 0);
        fSaveFrame(c.name);

        // The picture: (W + 1) x (H + 1) game units scaled into the centred box.
        float boxWidth = c.desktopWidth * c.scaleX, boxHeight = c.desktopHeight * c.scaleY;
        float left = (c.desktopWidth - boxWidth) / 2, top = (c.desktopHeight - boxHeight) / 2;
        auto px = [&](float gx) { return int(left + gx * boxWidth / 1025.0f); };
        auto py = [&](float gy) { return int(top + gy * boxHeight / 769.0f); };
        EXPECT_EQ(fPixel(px(200), py(150)), 0xFFFF0000u);
        EXPECT_EQ(fPixel(px(120), py(180)), 0xFFFF0000u);
        EXPECT_EQ(fPixel(px(650), py(475)), 0xFF00FF00u);
        EXPECT_EQ(fPixel(px(650), py(395)), kClear);
        EXPECT_EQ(fPixel(px(30), py(400)), 0xFF0000FFu);
        // Outside the box only the clear colour shows.
        if (left >= 4)
        {
            EXPECT_EQ(fPixel(int(left) - 3, py(400)), kClear);
        }
        if (top >= 4)
        {
            EXPECT_EQ(fPixel(px(30), int(top) - 3), kClear);
        }
    }
    zcDESKTOP_WIDTH = savedWidth;
    zcDESKTOP_HEIGHT = savedHeight;
}

TEST_F(Frame, NormalAndAdditiveBlending)
{
    RS normal = fSolidState();
    RS additive(normal.word | RS::ADDITIVE);
    ASSERT_EQ(render->fBeginFrame(), 1);
    fDrawQuad(100, 100, 100, 100, 0xFF0000FF);
    fDrawQuad(100, 100, 100, 100, 0x80FF0000, normal);
    fDrawQuad(300, 100, 100, 100, 0xFF0000FF);
    fDrawQuad(300, 100, 100, 100, 0x80FF0000, additive);
    fDrawQuad(500, 100, 100, 100, 0x40FFFFFF, additive);
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("render_blending");
    // Normal: src * a + dst * (1 - a) with a = 128/255; additive: dst + src * a.
    EXPECT_LE(fColorDistance(fPixel(fPx(150), fPx(150)), 0xFF80007F), 2);
    EXPECT_LE(fColorDistance(fPixel(fPx(350), fPx(150)), 0xFF8000FF), 2);
    EXPECT_LE(fColorDistance(fPixel(fPx(550), fPx(150)), 0xFF848484), 2);
}

TEST_F(Frame, APointSpriteCoversItsSizeInPixels)
{
    ZT_PARTICLE small{200, 200, 0, 8, 0xFFFFFF00, nullptr};
    ZT_PARTICLE big{400, 300, 0, 40, 0xFF00FFFF, &small};
    RS sprites(RS::ALPHA_BLEND | (RS::PRIM_POINT_SPRITES << RS::PRIMITIVE_SHIFT));
    ASSERT_EQ(render->fBeginFrame(), 1);
    render->fDrawPointSprites(&big, nullptr, &sprites, 2);
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("render_point_sprites");
    int bx = fPx(400), by = fPx(300), sx = fPx(200), sy = fPx(200);
    for (int d : {-18, 0, 18})
    {
        EXPECT_EQ(fPixel(bx + d, by), 0xFF00FFFFu) << d;
        EXPECT_EQ(fPixel(bx, by + d), 0xFF00FFFFu) << d;
    }
    EXPECT_EQ(fPixel(bx + 23, by), kClear);
    EXPECT_EQ(fPixel(bx, by - 23), kClear);
    EXPECT_EQ(fPixel(sx + 2, sy - 2), 0xFFFFFF00u);
    EXPECT_EQ(fPixel(sx + 7, sy), kClear);
}

TEST_F(Frame, LostDeviceSkipsFramesThenOneResetAndDrawsAgain)
{
    DEV* device = render->fGetDevice();
    device->fSimulateCooperativeLevel(DEV::COOP_LOST);
    EXPECT_EQ(render->fBeginFrame(), -1);
    EXPECT_EQ(render->fBeginFrame(), -1);
    device->fSimulateCooperativeLevel(DEV::COOP_NOT_RESET);
    uint32_t resets = device->fGetCounters().resets;
    EXPECT_EQ(render->fBeginFrame(), -110);
    EXPECT_EQ(device->fGetCounters().resets, resets + 1);
    ASSERT_EQ(render->fBeginFrame(), 1);
    fDrawQuad(100, 100, 50, 50, 0xFFFF0000);
    ASSERT_EQ(render->fEndFrame(), 0);
    EXPECT_EQ(fPixel(fPx(125), fPx(125)), 0xFFFF0000u);
    EXPECT_EQ(fPixel(10, 10), kClear);

    // A reset that fails leaves the device waiting: the next begin tries again.
    device->fSimulateCooperativeLevel(DEV::COOP_NOT_RESET);
    device->fFailNextReset();
    EXPECT_EQ(render->fBeginFrame(), -110);
    fDrawQuad(100, 100, 50, 50, 0xFF00FF00);
    EXPECT_EQ(render->fBeginFrame(), -110);
    EXPECT_EQ(render->fBeginFrame(), 1);
    EXPECT_EQ(render->fEndFrame(), 0);
}

TEST_F(Frame, FrameCallsOutOfOrderAnswerMinusOne)
{
    EXPECT_EQ(render->fEndFrame(), -1);
    ASSERT_EQ(render->fBeginFrame(), 1);
    EXPECT_EQ(render->fBeginFrame(), -1);
    EXPECT_EQ(render->fEndFrame(), 0);
    EXPECT_EQ(render->fEndFrame(), -1);
}

TEST_F(Frame, SetModeWithUnchangedValuesResetsNothing)
{
    DEV* device = render->fGetDevice();
    uint32_t resets = device->fGetCounters().resets;
    ASSERT_EQ(render->fBeginFrame(), 1);
    fDrawQuad(100, 100, 50, 50, 0xFFFF0000, fTexturedState());
    EXPECT_EQ(render->fSetMode(1024, 768, false, false), 0);
    EXPECT_EQ(device->fGetCounters().resets, resets);
    EXPECT_EQ(render->fGetBatchedVertices(), 4u);
    EXPECT_EQ(render->fSetMode(800, 600, false, false), 1);
    EXPECT_EQ(device->fGetCounters().resets, resets + 1);
    EXPECT_EQ(render->fGetBatchedVertices(), 0u);
    EXPECT_EQ(render->fGetBackBufferSize().x, 800);
    EXPECT_EQ(render->fEndFrame(), 0);
}

// A frame that would put up the picture already shown costs the rasteriser nothing: it is
// neither drawn nor presented, and any change, or a texture touched, brings the next one up.
TEST_F(Frame, AStillFrameIsNotDrawnAgainAndAnyChangeIs)
{
    const DEV::ZS_COUNTERS& counters = render->fGetDevice()->fGetCounters();
    auto frame = [&](uint32_t color, float x = 100) {
        ASSERT_EQ(render->fBeginFrame(), 1);
        fDrawQuad(x, 100, 100, 100, color);
        fDrawQuad(400, 300, 50, 50, 0xFF0000FF, fTexturedState());
        ASSERT_EQ(render->fEndFrame(), 0);
    };
    // The first frame also sets the states the later ones find already set.
    frame(0xFFFF0000);
    frame(0xFFFF0000);
    const uint32_t start = counters.presents;
    for (int i = 0; i < 5; ++i)
        frame(0xFFFF0000);
    EXPECT_EQ(counters.presents, start) << "five frames equal to the one shown, none presented";
    EXPECT_EQ(fPixel(fPx(150), fPx(150)), 0xFFFF0000u);

    struct
    {
        const char* what;
        std::function<void()> between;
        uint32_t color;
        float x;
        uint32_t expectAt150;
    } table[] = {
        {"the same again after a read-back", [] {}, 0xFFFF0000, 100, 0xFFFF0000},
        {"one colour changed", [] {}, 0xFF00FF00, 100, 0xFF00FF00},
        {"one quad moved", [] {}, 0xFF00FF00, 160, kClear},
        {"a texture made between frames", [&] { ZS_TEXTURE* t = render->fCreateTexture(4, 4); render->fReleaseTexture(t); },
         0xFF00FF00, 160, kClear},
    };
    for (const auto& row : table)
    {
        row.between();
        const uint32_t before = counters.presents;
        frame(row.color, row.x);
        frame(row.color, row.x);
        EXPECT_EQ(counters.presents, before + 1) << row.what;
        EXPECT_EQ(fPixel(fPx(150), fPx(150)), row.expectAt150) << row.what;
    }

    // A still picture is still put up about every ten seconds, in case the window lost it unseen.
    frame(0xFF00FF00, 160);
    const uint32_t before = counters.presents;
    for (int i = 0; i < 1200; ++i)
        frame(0xFF00FF00, 160);
    EXPECT_GE(counters.presents, before + 1);
    EXPECT_LE(counters.presents, before + 3);
    EXPECT_EQ(fPixel(fPx(210), fPx(150)), 0xFF00FF00u);
}

TEST_F(Frame, DepthStartsClearedInEveryFrameButIsClearedOnlyWhenATestUsesIt)
{
    RS depth(fSolidState().word | RS::DEPTH);
    auto quadAt = [&](float z, uint32_t color) {
        ZS_VERTEX v[4];
        fQuad(v, 100, 100, 100, 100, color);
        for (ZS_VERTEX& p : v)
            p.fSetPosition(p.x, p.y, z);
        render->fAddTriangles(v, nullptr, &depth, 4, kQuadIndices, 6);
    };
    const DEV::ZS_COUNTERS& counters = render->fGetDevice()->fGetCounters();
    // Larger z is nearer the screen camera. Within a frame the test holds.
    ASSERT_EQ(render->fBeginFrame(), 1);
    quadAt(10, 0xFFFF0000);
    quadAt(-10, 0xFF00FF00);
    ASSERT_EQ(render->fEndFrame(), 0);
    EXPECT_EQ(fPixel(fPx(150), fPx(150)), 0xFFFF0000u) << "the farther quad stays behind";

    // The next frame's depth starts cleared: its farther quad shows where last frame's near one was.
    ASSERT_EQ(render->fBeginFrame(), 1);
    quadAt(-10, 0xFF00FF00);
    ASSERT_EQ(render->fEndFrame(), 0);
    EXPECT_EQ(fPixel(fPx(150), fPx(150)), 0xFF00FF00u);

    // Frames whose draws test nothing clear the colour alone.
    uint32_t colourClears = counters.clears[0], depthClears = counters.clears[1];
    for (int i = 0; i < 3; ++i)
    {
        ASSERT_EQ(render->fBeginFrame(), 1);
        fDrawQuad(100, 100, 50, 50, 0xFFFF0000);
        ASSERT_EQ(render->fEndFrame(), 0);
    }
    EXPECT_EQ(counters.clears[0], colourClears + 3);
    EXPECT_EQ(counters.clears[1], depthClears);
    EXPECT_EQ(counters.clears[2], 0u) << "nothing tests the stencil";
}

TEST(Letterbox, FullScreenFramesGoStraightIntoTheWindowWithMarginsClearedAndThePictureInItsBox)
{
    // A window of the desktop's size, as full screen makes it: 1280x1024 around a 1024x768 game.
    ZC_SYSTEM_WINDOW window;
    window.width = 1280;
    window.height = 1024;
    ASSERT_EQ(window.fCreate("letterbox"), 1);
    int savedWidth = zcDESKTOP_WIDTH, savedHeight = zcDESKTOP_HEIGHT;
    zcDESKTOP_WIDTH = 1280;
    zcDESKTOP_HEIGHT = 1024;
    {
        ZC_RENDER render;
        ASSERT_EQ(render.fInit(window.fGetHandle(), 0.1f, 0.0f), 1);
        ASSERT_EQ(render.fSetMode(1024, 768, true, true), 1);
        DEV* device = render.fGetDevice();
        EXPECT_TRUE(device->fDrawsIntoWindow());
        auto pixel = [&](int x, int y) {
            uint8_t p[4] = {};
            device->fReadPixels(x, y, 1, 1, p);
            return uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
        };
        auto quad = [&](float x, float y, float w, float h, uint32_t color) { fAddQuad(render, x, y, w, h, color); };

        // A frame that leaves every pixel magenta, then the frame under test.
        render.clearColor = ZS_COLOR(0xFFFF00FFu);
        ASSERT_EQ(render.fBeginFrame(), 1);
        ASSERT_EQ(render.fEndFrame(), 0);
        render.clearColor = ZS_COLOR(kClear);
        ASSERT_EQ(render.fBeginFrame(), 1);
        quad(100, 100, 200, 100, 0xFFFF0000);
        quad(600, 400, 100, 150, 0xFF00FF00);
        // Drawn above the game's area, as the side decorations are: it lands in the margin.
        quad(400, -20, 200, 18, 0xFF0000FF);
        ASSERT_EQ(render.fEndFrame(), 0);

        // Bars above and below: y is scaled by 0.9375, the picture is 960 rows from row 32.
        auto px = [](float gx) { return int(gx * 1280.0f / 1025.0f); };
        auto py = [](float gy) { return int(32.0f + gy * 960.0f / 769.0f); };
        EXPECT_EQ(pixel(px(200), py(150)), 0xFFFF0000u);
        EXPECT_EQ(pixel(px(650), py(475)), 0xFF00FF00u);
        EXPECT_EQ(pixel(px(650), py(395)), kClear);
        EXPECT_EQ(pixel(px(500), py(-11)), 0xFF0000FFu);
        for (int x = 0; x < 1280; x += 40)
        {
            if (x < px(400) || x > px(600))
            {
                EXPECT_EQ(pixel(x, 2), kClear) << "top margin at " << x;
                EXPECT_EQ(pixel(x, 29), kClear) << "top margin at " << x;
            }
            EXPECT_EQ(pixel(x, 995), kClear) << "bottom margin at " << x;
            EXPECT_EQ(pixel(x, 1021), kClear) << "bottom margin at " << x;
        }
    }
    zcDESKTOP_WIDTH = savedWidth;
    zcDESKTOP_HEIGHT = savedHeight;
}
