// The batcher on the null device: when batches are drawn, what reaches the device, and that
// nothing is written where it does not fit.
#include "render/ZT_RENDER_FIXTURE.h"

#include "engine/render/ZC_QUAD.h"
#include "support/ZT_ALLOCATION_COUNT.h"

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

class Batch : public ZT_NULL_RENDER
{
protected:
    ZS_VERTEX quad[4];
    void SetUp() override
    {
        ZT_NULL_RENDER::SetUp();
        fQuad(quad, 10, 10, 20, 20, 0xFFFFFFFF);
    }
    void fAddQuads(int count, ZS_TEXTURE* texture, const RS& state)
    {
        for (int i = 0; i < count; ++i)
            render->fAddTriangles(quad, texture, &state, 4, kQuadIndices, 6);
    }
};
}

TEST_F(Batch, RunsOfEqualWordAndTextureShareOneDraw)
{
    ZS_TEXTURE* a = render->fCreateTexture(4, 4);
    ZS_TEXTURE* b = render->fCreateTexture(4, 4);
    RS textured(RS::ALPHA_BLEND | RS::TEXTURED | (RS::PRIM_TRIANGLES << RS::PRIMITIVE_SHIFT));
    RS additive(textured.word | RS::ADDITIVE);
    RS antialiased(textured.word | RS::ANTIALIAS);
    struct
    {
        const char* why;
        ZS_TEXTURE* secondTexture;
        RS secondState;
        uint32_t flushes;
    } cases[] = {
        {"same word and texture", a, textured, 1},
        {"texture changes", b, textured, 2},
        {"word changes", a, additive, 2},
        {"only antialiasing differs", a, antialiased, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        render->fGetDevice()->fClearCounters();
        ASSERT_EQ(render->fBeginFrame(), -1); // a frame is already open
        fAddQuads(1, a, textured);
        fAddQuads(1, c.secondTexture, c.secondState);
        ASSERT_EQ(render->fEndFrame(), 0);
        EXPECT_EQ(render->flushes, c.flushes);
        EXPECT_EQ(fDevice().drawCalls, c.flushes);
        EXPECT_EQ(fDevice().primitives, 4u);
        EXPECT_EQ(render->drawRequests, 2u);
        ASSERT_EQ(render->fBeginFrame(), 1);
    }
}

TEST_F(Batch, TwoQuadsMakeOneBatchWithRaisedIndices)
{
    RS state = fTexturedState();
    fAddQuads(2, nullptr, state);
    EXPECT_EQ(render->fGetBatchedVertices(), 8u);
    EXPECT_EQ(render->fGetBatchedIndices(), 12u);
    render->fEndFrame();
    EXPECT_EQ(fDevice().drawCalls, 1u);
    EXPECT_EQ(fDevice().primitives, 4u);
}

TEST_F(Batch, FullBuffersFlushAndOversizedDrawsNeverOverrun)
{
    RS state = fTexturedState();
    RS points(RS::ALPHA_BLEND | RS::TEXTURED);
    std::vector<ZS_VERTEX> many(8193);
    std::vector<uint16_t> manyIndices(8193, 0);
    std::vector<uint16_t> heavyIndices(9000);
    for (size_t i = 0; i < heavyIndices.size(); ++i)
        heavyIndices[i] = uint16_t(i % 9);
    struct
    {
        const char* why;
        std::function<void()> draw;
        uint32_t flushes;
        uint32_t primitives;
    } cases[] = {
        {"2049 quads: 8196 vertices", [&] { fAddQuads(2049, nullptr, state); }, 2, 2049 * 2},
        {"one point list of 8193 vertices is split", [&] { render->fAddTriangles(many.data(), nullptr, &points, 8193, nullptr, 0); }, 2, 8193},
        {"indexed draw larger than the vertex buffer is refused",
         [&] { render->fAddTriangles(many.data(), nullptr, &state, 8193, manyIndices.data(), 6); }, 0, 0},
        {"index room short flushes first", [&] {
             for (int i = 0; i < 3; ++i)
                 render->fAddTriangles(many.data(), nullptr, &state, 9, heavyIndices.data(), 9000);
         }, 2, 9000},
        {"index past the draw's own vertices is refused",
         [&] { uint16_t bad[6] = {0, 1, 2, 0, 2, 4}; render->fAddTriangles(quad, nullptr, &state, 4, bad, 6); }, 0, 0},
        {"indexed and unindexed draws do not share a batch", [&] {
             fAddQuads(1, nullptr, state);
             render->fAddTriangles(many.data(), nullptr, &state, 6, nullptr, 0);
         }, 2, 4},
        {"primitive 5 empties the batch but draws nothing", [&] {
             RS none(state.word);
             none.fSetPrimitive(5);
             render->fAddTriangles(quad, nullptr, &none, 4, kQuadIndices, 6);
         }, 1, 0},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        ASSERT_EQ(render->fBeginFrame(), -1);
        render->fEndFrame();
        ASSERT_EQ(render->fBeginFrame(), 1);
        render->fGetDevice()->fClearCounters();
        c.draw();
        render->fEndFrame();
        EXPECT_EQ(render->flushes, c.flushes);
        EXPECT_EQ(fDevice().primitives, c.primitives);
        ASSERT_EQ(render->fBeginFrame(), 1);
    }
}

TEST_F(Batch, OnlyTheDifferingBitsReachTheDevice)
{
    RS quadWord(RS::ALPHA_BLEND | RS::TEXTURED | (RS::FILTER_ANISOTROPIC << RS::FILTER_SHIFT) |
                (RS::PRIM_TRIANGLES << RS::PRIMITIVE_SHIFT));
    render->fApplyState(quadWord);
    render->fGetDevice()->fClearCounters();

    RS additive(quadWord.word | RS::ADDITIVE);
    EXPECT_TRUE(render->fApplyState(additive));
    const auto& c = fDevice();
    EXPECT_EQ(c.stateWrites[DEV::RS_DESTBLEND], 1u);
    EXPECT_EQ(render->fGetDevice()->fGetRenderState(DEV::RS_DESTBLEND), uint32_t(DEV::BLEND_ONE));
    for (DEV::ZE_STATE s : {DEV::RS_ALPHABLENDENABLE, DEV::RS_ZENABLE, DEV::RS_LIGHTING, DEV::RS_POINTSPRITEENABLE})
        EXPECT_EQ(c.stateWrites[s], 0u) << s;
    EXPECT_EQ(c.samplerWrites[DEV::SS_MAGFILTER], 0u);
    // Addressing and antialiasing are written with every applied word.
    EXPECT_EQ(c.samplerWrites[DEV::SS_ADDRESSU], 1u);
    EXPECT_EQ(c.stateWrites[DEV::RS_MULTISAMPLEANTIALIAS], 1u);

    render->fGetDevice()->fClearCounters();
    uint32_t changes = render->stateChanges;
    EXPECT_FALSE(render->fApplyState(RS(additive.word | RS::ANTIALIAS)));
    EXPECT_EQ(render->stateChanges, changes);
    EXPECT_EQ(fDevice().stateWrites[DEV::RS_MULTISAMPLEANTIALIAS], 0u);
}

TEST_F(Batch, FilterChangesFollowTheWord)
{
    struct
    {
        uint32_t from, to;
        uint32_t writes;
        uint32_t filter;
    } cases[] = {
        {0, 1, 0, DEV::FILTER_POINT},
        {2, 1, 1, DEV::FILTER_POINT},
        {0, 2, 1, DEV::FILTER_LINEAR},
        {0, 3, 1, DEV::FILTER_ANISOTROPIC},
        {3, 9, 0, DEV::FILTER_ANISOTROPIC},
    };
    for (const auto& c : cases)
    {
        RS from(RS::ALPHA_BLEND), to(RS::ALPHA_BLEND);
        from.fSetFilter(c.from);
        to.fSetFilter(c.to);
        render->fApplyState(RS(RS::DEPTH));
        render->fApplyState(from);
        render->fGetDevice()->fClearCounters();
        render->fApplyState(to);
        EXPECT_EQ(fDevice().samplerWrites[DEV::SS_MINFILTER], c.writes) << c.from << "->" << c.to;
        EXPECT_EQ(render->fGetDevice()->fGetSamplerState(DEV::SS_MINFILTER), c.filter) << c.from << "->" << c.to;
    }
}

TEST_F(Batch, BlendingOffWinsOverAlphaBlendingOnEveryWord)
{
    render->fApplyState(RS(RS::ALPHA_BLEND));
    render->fApplyState(RS(RS::ALPHA_BLEND | RS::BLEND_OFF));
    EXPECT_EQ(render->fGetDevice()->fGetRenderState(DEV::RS_ALPHABLENDENABLE), 0u);
    render->fApplyState(RS(RS::ALPHA_BLEND | RS::BLEND_OFF | RS::DEPTH));
    EXPECT_EQ(render->fGetDevice()->fGetRenderState(DEV::RS_ALPHABLENDENABLE), 0u);
    render->fApplyState(RS(RS::ALPHA_BLEND));
    EXPECT_EQ(render->fGetDevice()->fGetRenderState(DEV::RS_ALPHABLENDENABLE), 1u);
}

TEST_F(Batch, PointSpritesGoOutInChunksOf512)
{
    std::vector<ZT_PARTICLE> particles(1300);
    for (size_t i = 0; i < particles.size(); ++i)
        particles[i] = {float(i), 1, 0, 4, 0xFFFFFFFF, i + 1 < particles.size() ? &particles[i + 1] : nullptr};
    RS sprites(RS::ALPHA_BLEND | RS::ADDITIVE | RS::TEXTURED | (RS::PRIM_POINT_SPRITES << RS::PRIMITIVE_SHIFT));
    render->fDrawPointSprites(particles.data(), nullptr, &sprites, 1300);
    EXPECT_EQ(fDevice().drawCalls, 3u);
    EXPECT_EQ(fDevice().primitives, 1300u);
    EXPECT_EQ(render->fGetPointPosition(), 1536u);

    render->fGetDevice()->fClearCounters();
    particles[511].next = nullptr;
    ZC_RENDER fresh;
    ASSERT_EQ(fresh.fInit(nullptr, 0.1f, 0), 1);
    fresh.fDrawPointSprites(particles.data(), nullptr, &sprites, 512);
    EXPECT_EQ(fresh.fGetDevice()->fGetCounters().drawCalls, 1u);
    EXPECT_EQ(fresh.fGetPointPosition(), 1024u);
}

TEST_F(Batch, UntexturedDrawsStartABatchEach)
{
    render->fDrawLine(0, 0, 10, 10, 0xFFFFFFFF);
    render->fDrawLine(0, 0, 10, 10, 0xFFFFFFFF);
    render->fEndFrame();
    EXPECT_EQ(render->flushes, 2u);
}

TEST_F(Batch, SpritesLeaveTheBatchToBindItsOwnTextureAgain)
{
    ZS_TEXTURE* quadTexture = render->fCreateTexture(4, 4);
    ZS_TEXTURE* spriteTexture = render->fCreateTexture(4, 4);
    RS word(RS::ALPHA_BLEND | RS::TEXTURED | (RS::PRIM_TRIANGLES << RS::PRIMITIVE_SHIFT));
    fAddQuads(1, quadTexture, word);
    ZT_PARTICLE p{0, 0, 0, 4, 0xFFFFFFFF, nullptr};
    render->fDrawPointSprites(&p, spriteTexture, &word, 1);
    fAddQuads(1, quadTexture, word);
    render->fFlush();
    EXPECT_EQ(render->fGetCurrentTexture(), quadTexture);
    EXPECT_EQ(fDevice().textureBinds, 3u);
}

TEST_F(Batch, MissingBuffersAfterAFailedResetAreSkippedUntilAResetSucceeds)
{
    render->fEndFrame();
    render->fGetDevice()->fFailNextReset();
    EXPECT_EQ(render->fSetMode(800, 600, false, false), -1);
    RS state = fTexturedState();
    fAddQuads(3, nullptr, state);
    EXPECT_EQ(render->fGetBatchedVertices(), 0u);
    ZT_PARTICLE p{0, 0, 0, 4, 0xFFFFFFFF, nullptr};
    render->fDrawPointSprites(&p, nullptr, &state, 1);
    render->fFlush();
    EXPECT_EQ(fDevice().drawCalls, 0u);

    EXPECT_EQ(render->fBeginFrame(), -110);
    ASSERT_EQ(render->fBeginFrame(), 1);
    fAddQuads(3, nullptr, state);
    EXPECT_EQ(render->fGetBatchedVertices(), 12u);
    render->fEndFrame();
    EXPECT_EQ(fDevice().drawCalls, 1u);
}

TEST_F(Batch, AFrameOfQuadsAndSpritesAllocatesNothing)
{
    ZS_TEXTURE* a = render->fCreateTexture(8, 8);
    ZS_TEXTURE* b = render->fCreateTexture(8, 8);
    std::vector<ZS_TRANSFORM3> places(300);
    std::vector<ZC_QUAD*> quads;
    for (size_t i = 0; i < places.size(); ++i)
    {
        places[i].fSetPosition(float(i), float(i % 17), 0);
        places[i].fSetRotationZ(float(i % 3));
        quads.push_back(new ZC_QUAD(i % 50 ? a : b, &places[i]));
    }
    std::vector<ZT_PARTICLE> particles(600);
    for (size_t i = 0; i < particles.size(); ++i)
        particles[i] = {float(i), 1, 0, 4, 0xFFFFFFFF, i + 1 < particles.size() ? &particles[i + 1] : nullptr};
    RS sprites(RS::ALPHA_BLEND | RS::TEXTURED | (RS::PRIM_POINT_SPRITES << RS::PRIMITIVE_SHIFT));
    render->fEndFrame();

    uint64_t before = fAllocationCount();
    for (int frame = 0; frame < 3; ++frame)
    {
        render->fBeginFrame();
        for (ZC_QUAD* q : quads)
            q->fDraw();
        render->fDrawPointSprites(particles.data(), a, &sprites, 600);
        render->fDrawLine(0, 0, 100, 100, 0xFFFFFFFF);
        render->fEndFrame();
    }
    EXPECT_EQ(fAllocationCount(), before);
    EXPECT_GT(fDevice().drawCalls, 3u);
    for (ZC_QUAD* q : quads)
        delete q;
    render->fBeginFrame();
}

TEST(RenderWithoutDevice, EveryCallAnswersFailureAndNothingCrashes)
{
    ZC_RENDER render;
    ZS_VERTEX quad[4];
    fQuad(quad, 0, 0, 10, 10, 0xFFFFFFFF);
    RS state = fSolidState();
    EXPECT_EQ(render.fBeginFrame(), -1);
    EXPECT_EQ(render.fEndFrame(), -1);
    EXPECT_EQ(render.fClear(), -1);
    render.fAddTriangles(quad, nullptr, &state, 4, kQuadIndices, 6);
    render.fFlush();
    render.fDrawLine(0, 0, 5, 5, 0xFFFFFFFF);
    EXPECT_EQ(render.fCreateTexture(2, 2), nullptr);
    EXPECT_EQ(render.fLoadTextureMemory("junk", 4, "unnamed"), nullptr);
    EXPECT_EQ(render.fReleaseTexture(nullptr), -1);
    EXPECT_EQ(render.fCreateRenderTarget(8, 8), nullptr);
    EXPECT_EQ(render.fBeginTargetFrame(nullptr), -1);
}

TEST(RenderCreation, FallsBackThroughTheAttemptsToTheSoftwareDevice)
{
    DEV::fSetNullMode(true);
    DEV::fFailCreateAttempts(2);
    ZC_RENDER render;
    ASSERT_EQ(render.fInit(nullptr, 0.1f, 0), 1);
    EXPECT_EQ(render.fGetDeviceType(), 2);
    EXPECT_EQ(render.fGetBehaviourFlags(), 0x44u);

    DEV::fFailCreateAttempts(7);
    ZC_RENDER none;
    EXPECT_EQ(none.fInit(nullptr, 0.1f, 0), -1);
    EXPECT_EQ(none.fGetDevice(), nullptr);
    EXPECT_EQ(none.fGetDefaultTexture(), nullptr);
    DEV::fFailCreateAttempts(0);
    DEV::fSetNullMode(false);
}
