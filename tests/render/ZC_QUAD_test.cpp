// Texture rectangles, frames, hot spots and colours of the textured quad.
#include <gtest/gtest.h>

#include "engine/render/ZC_QUAD.h"

using namespace ZOR;

namespace
{
// A texture record of a given size; quads only read its size.
ZS_TEXTURE fTexture(int w, int h)
{
    ZS_TEXTURE t;
    t.size = ZS_POINT(w, h);
    return t;
}

struct ZT_UV
{
    float u, v;
};

void fExpectUVs(const ZC_QUAD& q, const ZT_UV (&want)[4], const char* why)
{
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_FLOAT_EQ(q.vertices[i].u, want[i].u) << why << " vertex " << i;
        EXPECT_FLOAT_EQ(q.vertices[i].v, want[i].v) << why << " vertex " << i;
    }
}
}

TEST(Quad, SpriteSheetFramesAreRowMajorCells)
{
    ZS_TEXTURE sheet = fTexture(400, 120);
    struct
    {
        int columns, rows, index;
        ZT_UV uv[4];
        const char* why;
    } cases[] = {
        {4, 2, 5, {{0.25f, 0.5f}, {0.5f, 0.5f}, {0.5f, 1.0f}, {0.25f, 1.0f}}, "4x2 frame 5: column 1, row 1"},
        {4, 2, 0, {{0, 0}, {0.25f, 0}, {0.25f, 0.5f}, {0, 0.5f}}, "4x2 frame 0"},
        {3, 1, 7, {{1.0f / 3, 2}, {2.0f / 3, 2}, {2.0f / 3, 3}, {1.0f / 3, 3}}, "3x1 frame 7: row 2, past the texture"},
    };
    for (const auto& c : cases)
    {
        ZC_QUAD q(&sheet);
        q.fSetFrame(c.columns, c.rows, c.index, false);
        fExpectUVs(q, c.uv, c.why);
        EXPECT_FLOAT_EQ(q.fGetWidth(), 400) << c.why;
    }

    ZC_QUAD q(&sheet);
    q.fSetSize(100, 60);
    q.fSetFrame(2, 2, 0, true);
    EXPECT_FLOAT_EQ(q.fGetWidth(), 50);
    EXPECT_FLOAT_EQ(q.fGetHeight(), 30);
    q.fSetFrame(2, 2, 0, true);
    EXPECT_FLOAT_EQ(q.fGetWidth(), 25);
    EXPECT_FLOAT_EQ(q.fGetHeight(), 15);

    // A grid without cells changes nothing (and divides by nothing).
    q.fSetFrame(0, 2, 3, true);
    EXPECT_FLOAT_EQ(q.fGetWidth(), 25);
}

TEST(Quad, AtlasFramesTurnedAndNot)
{
    ZS_TEXTURE atlas = fTexture(256, 256);
    ZS_ATLAS_FRAME frame;
    frame.texture = &atlas;
    frame.width = 64.7f;
    frame.height = 32.2f;
    frame.leftU = 0.5f;
    frame.rightU = 1.0f;
    frame.topV = 0.0f;
    frame.bottomV = 0.5f;

    ZC_QUAD q;
    ASSERT_EQ(q.fInitFromFrame(&frame, nullptr), 1);
    fExpectUVs(q, {{0.5f, 0}, {1, 0}, {1, 0.5f}, {0.5f, 0.5f}}, "upright");
    EXPECT_FLOAT_EQ(q.fGetWidth(), 64);
    EXPECT_FLOAT_EQ(q.fGetHeight(), 32);
    EXPECT_EQ(q.fGetColor(), 0xFFFFFFFFu);
    ASSERT_NE(q.transform, nullptr);

    frame.rotated = true;
    ASSERT_EQ(q.fInitFromFrame(&frame, nullptr), 1);
    fExpectUVs(q, {{0.5f, 0.5f}, {0.5f, 0}, {1, 0}, {1, 0.5f}}, "turned");
    q.fSetUVRect(0, 0, 0.5f, 1);
    fExpectUVs(q, {{0.5f, 0.5f}, {0.5f, 0.25f}, {1, 0.25f}, {1, 0.5f}}, "turned, left half");

    ZC_QUAD untouched;
    untouched.fSetSize(10, 10);
    ZS_ATLAS_FRAME empty;
    EXPECT_EQ(untouched.fInitFromFrame(nullptr, nullptr), -1);
    EXPECT_EQ(untouched.fInitFromFrame(&empty, nullptr), -1);
    EXPECT_FLOAT_EQ(untouched.fGetWidth(), 10);
    EXPECT_EQ(untouched.transform, nullptr);
    EXPECT_EQ(untouched.fGetColor(), 0u);
}

TEST(Quad, NineHotSpotsPlaceThePivot)
{
    ZS_TEXTURE t = fTexture(100, 60);
    ZC_QUAD q(&t);
    struct
    {
        int anchor;
        float x, y;
    } cases[] = {
        {0, 3, 4}, {1, 53, 4}, {2, 103, 4}, {3, 3, 34}, {4, 53, 34}, {5, 103, 34}, {6, 3, 64}, {7, 53, 64}, {8, 103, 64},
    };
    for (const auto& c : cases)
    {
        q.fSetHotSpot(c.anchor, 3, 4);
        EXPECT_FLOAT_EQ(q.transform->pivot.x, c.x) << c.anchor;
        EXPECT_FLOAT_EQ(q.transform->pivot.y, c.y) << c.anchor;
    }
    q.fSetHotSpot(9, 0, 0);
    EXPECT_FLOAT_EQ(q.transform->pivot.x, 103);
    EXPECT_FLOAT_EQ(q.transform->pivot.y, 64);
}

TEST(Quad, ColoursTilingAndAlpha)
{
    ZS_TEXTURE t = fTexture(100, 20);
    ZC_QUAD q(&t);
    q.fSetCornerColors(0xFF102030, 0x80405060, 0x40708090, 0x00A0B0C0);
    EXPECT_EQ(q.fGetVertexColor(0), 0xFF102030u);
    EXPECT_EQ(q.fGetVertexColor(3), 0x00A0B0C0u);
    EXPECT_EQ(q.fGetVertexColor(4), 0u);
    q.fSetColor(0xFF336699);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(q.fGetVertexColor(i), 0xFF336699u);
    q.fSetAlpha(0.5f);
    EXPECT_EQ(q.fGetVertexColor(2), 0x7F336699u);
    q.fSetAlpha(3.0f);
    EXPECT_EQ(q.fGetVertexColor(2), 0xFF336699u);

    q.fSetSize(300, 20);
    q.fFitUVToSize();
    fExpectUVs(q, {{0, 0}, {3, 0}, {3, 1}, {0, 1}}, "tiled three times across");
}

TEST(Quad, TextureAndStateWord)
{
    ZC_QUAD q;
    EXPECT_TRUE(q.state.fHas(ZS_RENDER_STATE::TEXTURED));
    EXPECT_EQ(q.state.fGetFilter(), ZS_RENDER_STATE::FILTER_ANISOTROPIC);
    EXPECT_EQ(q.fSetTexture(nullptr), 1);
    EXPECT_FALSE(q.state.fHas(ZS_RENDER_STATE::TEXTURED));

    ZC_MESH empty;
    ZS_TEXTURE t = fTexture(4, 4);
    EXPECT_EQ(empty.fSetTexture(&t), -1);
    EXPECT_EQ(empty.fGetTexture(), nullptr);
    EXPECT_FALSE(empty.state.fHas(ZS_RENDER_STATE::TEXTURED));
}

TEST(Quad, CopiesOwnTheirTransformWhenTheSourceDid)
{
    ZS_TEXTURE t = fTexture(64, 32);
    ZC_QUAD* source = new ZC_QUAD(&t);
    source->transform->fSetPosition(5, 6, 0);
    source->fSetColor(0xFF00FF00);
    source->fSetFrame(2, 1, 1, true);
    ZC_QUAD copy(*source);
    EXPECT_NE(copy.transform, source->transform);
    EXPECT_FLOAT_EQ(copy.transform->position.x, 5);
    EXPECT_EQ(copy.fGetColor(), 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(copy.fGetWidth(), 32);
    EXPECT_FLOAT_EQ(copy.vertices[0].u, 0.5f);
    delete source; // the copy's transform stays its own

    ZS_TRANSFORM3 shared;
    ZC_QUAD sharing(&t, &shared);
    ZC_QUAD second(sharing);
    EXPECT_EQ(second.transform, &shared);
    EXPECT_FALSE(second.ownsTransform);
    EXPECT_FLOAT_EQ(copy.transform->position.y, 6);
}
