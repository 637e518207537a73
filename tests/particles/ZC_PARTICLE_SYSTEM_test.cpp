// Emitters run with a fixed seed and set frame deltas; what they draw is read back from the
// offscreen OpenGL device.
#include <gtest/gtest.h>

#include <pugixml.hpp>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/ZC_RANDOM.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/particles/ZC_PARTICLE_SYSTEM.h"
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZOR;
using RS = ZS_RENDER_STATE;

namespace
{
// 1/64 s: every step of the ageing is exact in binary, so life hits 0.5 and 0 exactly.
const float kDelta = 1.0f / 64.0f;
const float kPi = 3.14159265358979f;

class Emitter : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = zcRANDOM;
        random.reset(new ZC_RANDOM(0));
        zcFRAME_DELTA = kDelta;
    }
    void TearDown() override
    {
        random.reset();
        zcRANDOM = saved;
    }
    static void fRun(ZC_PARTICLE_SYSTEM& e, int updates)
    {
        for (int i = 0; i < updates; ++i)
            e.fUpdate();
    }
    static std::vector<ZS_PARTICLE*> fParticles(const ZC_PARTICLE_SYSTEM& e)
    {
        std::vector<ZS_PARTICLE*> all;
        for (ZS_PARTICLE* p = e.fGetParticles(); p; p = p->next)
            all.push_back(p);
        return all;
    }

    ZC_RANDOM* saved = nullptr;
    std::unique_ptr<ZC_RANDOM> random;
};
}

TEST_F(Emitter, ANewExtendedEmitterWaitsThenEmitsOneGrowingParticle)
{
    ZC_PARTICLE_SYSTEM_EX e(nullptr);
    EXPECT_FALSE(e.fIsActive());
    fRun(e, 200);
    EXPECT_EQ(e.count, 0);

    e.fEmitParticle();
    ASSERT_EQ(e.count, 1);
    ZS_PARTICLE* p = e.fGetParticles();
    EXPECT_EQ(p->size, 4.0f);
    EXPECT_EQ(p->x, 0.0f);
    EXPECT_EQ(p->y, 0.0f);
    EXPECT_EQ(p->vx, 0.0f);
    EXPECT_EQ(p->vy, 150.0f);

    e.fStop();
    e.fUpdate();
    // Gravity first, then the move with the new velocity.
    EXPECT_FLOAT_EQ(p->vy, 150.0f + 140.0f * kDelta);
    EXPECT_FLOAT_EQ(p->y, (150.0f + 140.0f * kDelta) * kDelta);
    fRun(e, 127);
    ASSERT_EQ(e.count, 1);
    EXPECT_FLOAT_EQ(p->size, 20.0f) << "grows by 16 over its 2 s";
}

TEST_F(Emitter, TimedEmissionSpawnsAtMostOneParticlePerUpdate)
{
    struct
    {
        float frequency;
        int maxCount;
        int expected;
        const char* why;
    } cases[] = {
        {100.0f, 8096, 60, "above the update rate: one per update"},
        {25.0f, 8096, 20, "every third update; the rest of the accumulator is dropped"},
        {0.0f, 8096, 0, "an infinite interval never comes round"},
        {100.0f, 5, 5, "the max count holds it"},
        {100.0f, 0, 0, "a max count of 0 stops it"},
    };
    zcFRAME_DELTA = 1.0f / 60.0f;
    for (const auto& c : cases)
    {
        ZC_PARTICLE_SYSTEM_EX e(nullptr);
        e.fSetFrequency(c.frequency);
        e.maxCount = c.maxCount;
        e.fStart();
        fRun(e, 60);
        EXPECT_EQ(e.count, c.expected) << c.why;
    }
}

TEST_F(Emitter, EmitAtTheMaxCountSpawnsAsSoonAsThereIsRoom)
{
    ZS_PARTICLE shortLived;
    shortLived.lifetime = kDelta; // life 0 after one update, below 0 after two, gone at the third
    ZC_PARTICLE_SYSTEM e(nullptr, &shortLived);
    e.fSetFrequency(0.5f);
    e.maxCount = 1;
    e.fEmitParticle();
    e.fEmitParticle();
    EXPECT_EQ(e.count, 1);
    fRun(e, 2);
    EXPECT_EQ(e.count, 1) << "still full";
    e.fUpdate();
    EXPECT_EQ(e.count, 1) << "the old one went and the pending spawn took its place at once";
    EXPECT_EQ(e.fGetParticles()->life, 1.0f);
}

TEST_F(Emitter, ColourFadesThroughThreeColoursAndTheParticleGoesAfterLifeZero)
{
    ZC_PARTICLE_SYSTEM e(nullptr); // white, green at half life, 0x88FFF700 at the end
    e.fEmitParticle();
    e.fStop();
    ZS_PARTICLE* p = e.fGetParticles();
    EXPECT_EQ(p->color.fToPacked(), 0xFFFFFFFFu);
    struct
    {
        int updates; // total so far
        float life;
        uint32_t color;
    } steps[] = {
        {1, 127.0f / 128.0f, 0xFFFBFFFBu}, // red and blue 1 - 2/128
        {64, 0.5f, 0xFF00FF00u},
        {96, 0.25f, 0xC480FB00u},          // half way from green to the end colour
        {128, 0.0f, 0x88FFF700u},
    };
    int done = 0;
    for (const auto& s : steps)
    {
        fRun(e, s.updates - done);
        done = s.updates;
        ASSERT_EQ(e.count, 1) << s.updates;
        EXPECT_EQ(p->life, s.life) << s.updates;
        EXPECT_EQ(p->color.fToPacked(), s.color) << s.updates;
    }
    e.fUpdate();
    ASSERT_EQ(e.count, 1) << "a life just below 0 is still drawn once";
    EXPECT_LT(p->life, 0.0f);
    e.fUpdate();
    EXPECT_EQ(e.count, 0);
    EXPECT_EQ(e.fGetParticles(), nullptr);
}

TEST_F(Emitter, ParticlesDieOutOfOrderAndTheListStaysLinked)
{
    ZS_PARTICLE t;
    ZC_PARTICLE_SYSTEM e(nullptr, &t);
    for (float lifetime : {kDelta, 1.0f, kDelta, 1.0f, kDelta})
    {
        e.particleTemplate.lifetime = lifetime;
        e.fEmitParticle();
    }
    fRun(e, 3);
    std::vector<ZS_PARTICLE*> left = fParticles(e);
    ASSERT_EQ(e.count, 2);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0]->previous, nullptr);
    EXPECT_EQ(left[1]->previous, left[0]);
    for (ZS_PARTICLE* p : left)
        EXPECT_EQ(p->lifetime, 1.0f);
}

// A lifetime of 0 or below once made the life NaN (no time passed) or rising, and the particle
// lived for ever; such a particle now ends at its first update.
TEST_F(Emitter, AParticleWithoutAPositiveLifetimeEndsAtOnce)
{
    for (float lifetime : {0.0f, -2.0f, NAN})
    {
        for (float delta : {0.0f, kDelta})
        {
            zcFRAME_DELTA = delta;
            ZC_PARTICLE_SYSTEM_EX e(nullptr);
            e.particleTemplate.lifetime = lifetime;
            e.fEmitParticle();
            e.fStop();
            e.fUpdate();
            ASSERT_EQ(e.count, 1);
            EXPECT_TRUE(std::isfinite(e.fGetParticles()->size)) << lifetime << " " << delta;
            e.fUpdate();
            EXPECT_EQ(e.count, 0) << lifetime << " " << delta;
        }
    }
}

TEST_F(Emitter, RadialAndTangentialAccelerationActFromTheNextMove)
{
    ZC_PARTICLE_SYSTEM_EX e(nullptr);
    e.gravity = ZS_VECTOR3(0, 0, 0);
    e.radialAcceleration = 64.0f;
    e.tangentialAcceleration = 64.0f;
    e.fEmitParticle();
    e.fStop();
    ZS_PARTICLE* p = e.fGetParticles();
    e.fUpdate();
    EXPECT_FLOAT_EQ(p->y, 150.0f * kDelta);
    EXPECT_EQ(p->x, 0.0f);
    EXPECT_FLOAT_EQ(p->vy, 151.0f);
    EXPECT_FLOAT_EQ(p->vx, -1.0f) << "a quarter turn ahead of (0, 1) is (-1, 0)";
    e.fUpdate();
    EXPECT_LT(p->x, 0.0f);
}

TEST_F(Emitter, LaunchDirectionsStayWithinTheSpreadAtTheEmitterSpeed)
{
    ZC_PARTICLE_SYSTEM e(nullptr);
    e.spreadAngle = kPi / 2.0f;
    e.fStart();
    e.fBurst(200);
    ASSERT_EQ(e.count, 200);
    float lowest = 10.0f, highest = -10.0f;
    for (ZS_PARTICLE* p : fParticles(e))
    {
        EXPECT_NEAR(std::hypot(p->vx, p->vy), 150.0f, 0.01f);
        float turn = std::atan2(-p->vx, p->vy); // angle away from straight down (0, 1)
        lowest = std::min(lowest, turn);
        highest = std::max(highest, turn);
    }
    EXPECT_GE(lowest, -kPi / 4.0f - 1e-4f);
    EXPECT_LE(highest, kPi / 4.0f + 1e-4f);
    EXPECT_LT(lowest, -kPi / 5.0f) << "both sides are reached";
    EXPECT_GT(highest, kPi / 5.0f);
}

TEST_F(Emitter, RectangleAreasGiveWholePixelsAndCirclesStayInTheirRadius)
{
    ZC_PARTICLE_SYSTEM e(nullptr);
    e.fStart();
    e.fSetAreaRect(512, 384, 100, 20);
    e.fBurst(300);
    bool leftEdge = false, rightEdge = false;
    for (ZS_PARTICLE* p : fParticles(e))
    {
        EXPECT_EQ(p->x, std::floor(p->x));
        EXPECT_EQ(p->y, std::floor(p->y));
        EXPECT_TRUE(p->x >= 462 && p->x < 562 && p->y >= 374 && p->y < 394) << p->x << "," << p->y;
        leftEdge |= p->x < 470;
        rightEdge |= p->x > 554;
    }
    EXPECT_TRUE(leftEdge && rightEdge);

    e.fClear();
    e.fSetAreaCircle(200, 100, 40);
    e.fBurst(300);
    for (ZS_PARTICLE* p : fParticles(e))
        EXPECT_LE(std::hypot(p->x - 200.0f, p->y - 100.0f), 40.001f);
}

TEST_F(Emitter, AreasMoveAndCentreKeepingTheirSize)
{
    ZC_PARTICLE_SYSTEM e(nullptr);
    e.fSetAreaRect(50, 50, 40, 20);
    e.fCenterAreaAt(100, 100);
    EXPECT_EQ(e.areaX0, 80.0f);
    EXPECT_EQ(e.areaY0, 90.0f);
    EXPECT_EQ(e.areaX1, 120.0f);
    EXPECT_EQ(e.areaY1, 110.0f);

    e.fMoveAreaTo(300, 200);
    EXPECT_EQ(e.areaX0, 280.0f);
    EXPECT_EQ(e.areaY0, 190.0f);
    EXPECT_EQ(e.areaX1, 320.0f);
    EXPECT_EQ(e.areaY1, 210.0f);

    e.fSetAreaCircle(10, 20, 5);
    e.fMoveAreaTo(300, 200);
    EXPECT_EQ(e.areaX0, 300.0f);
    EXPECT_EQ(e.areaY0, 200.0f);
    EXPECT_TRUE(e.fIsCircleArea());
    EXPECT_EQ(e.areaRadius, 5.0f);

    // A burst from a point puts the area back.
    e.fStart();
    e.fBurstAt(3, 7, 9);
    for (ZS_PARTICLE* p : fParticles(e))
    {
        EXPECT_EQ(p->x, 7.0f);
        EXPECT_EQ(p->y, 9.0f);
    }
    EXPECT_EQ(e.areaX0, 300.0f);
    EXPECT_EQ(e.areaRadius, 5.0f);
}

TEST_F(Emitter, StartForRunsTheEmissionForItsTime)
{
    struct
    {
        float seconds;
        int updates; // updates until the emission stops
    } cases[] = {{0.0f, 7}, {-3.0f, 7}, {0.5f, 32}}; // 0.1 s is reached in the 7th update of 1/64 s
    for (const auto& c : cases)
    {
        ZC_PARTICLE_SYSTEM e(nullptr);
        e.fSetFrequency(1000.0f);
        e.fStartFor(c.seconds);
        fRun(e, c.updates - 1);
        EXPECT_TRUE(e.fIsActive()) << c.seconds;
        e.fUpdate();
        EXPECT_FALSE(e.fIsActive()) << c.seconds;
        EXPECT_EQ(e.emissionTime, 0.0f);
        EXPECT_EQ(e.count, c.updates);
        fRun(e, 5);
        EXPECT_EQ(e.count, c.updates) << "live particles fly on, nothing new";
    }
}

TEST_F(Emitter, TheSameSeedGivesTheSameParticles)
{
    auto positions = [](uint32_t seed) {
        ZC_RANDOM r(seed);
        ZC_PARTICLE_SYSTEM e(nullptr);
        e.fSetAreaCircle(100, 100, 50);
        e.spreadAngle = 1.0f;
        e.fStart();
        e.fBurst(10);
        std::vector<float> out;
        for (ZS_PARTICLE* p = e.fGetParticles(); p; p = p->next)
            out.insert(out.end(), {p->x, p->y, p->vx, p->vy});
        return out;
    };
    EXPECT_EQ(positions(7), positions(7));
    EXPECT_NE(positions(7), positions(8));
}

namespace
{
const char* kFull = R"(<particles texture="spark.png" multiply="false" maxCount="300" spreadAngle="0.5"
    frequency="25.5" gravity="3 -40" area="100 20">
  <lifetime>1.5</lifetime><velocity>10 -90</velocity><tangent>7</tangent><radial>-3</radial>
  <startSize>12</startSize><endSize>2</endSize>
  <startColor>FF102030</startColor><averColor>0x80FFFFFF</averColor><endColor>00000000</endColor>
</particles>)";
}

TEST_F(Emitter, ADescriptionFillsAnExtendedEmitter)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kFull));
    ZC_PARTICLE_SYSTEM_EX e(nullptr);
    fLoadParticleSystem(&e, doc.document_element());
    EXPECT_FALSE(e.renderState.fHas(RS::ADDITIVE));
    EXPECT_TRUE(e.renderState.fHas(RS::ALPHA_BLEND));
    EXPECT_EQ(e.maxCount, 300);
    EXPECT_FLOAT_EQ(e.spreadAngle, 0.5f);
    EXPECT_FLOAT_EQ(e.frequency, 25.5f);
    EXPECT_FLOAT_EQ(e.interval, 1.0f / 25.5f);
    EXPECT_EQ(e.gravity, ZS_VECTOR3(3, -40, 0));
    // Centred on the middle of the 1024x768 screen.
    EXPECT_EQ(e.areaX0, 462.0f);
    EXPECT_EQ(e.areaY0, 374.0f);
    EXPECT_EQ(e.areaX1, 562.0f);
    EXPECT_EQ(e.areaY1, 394.0f);
    EXPECT_EQ(e.particleTemplate.lifetime, 1.5f);
    EXPECT_EQ(e.velocity, ZS_VECTOR3(10, -90, 0));
    EXPECT_EQ(e.tangentialAcceleration, 7.0f);
    EXPECT_EQ(e.radialAcceleration, -3.0f);
    EXPECT_EQ(e.startSize, 12.0f);
    EXPECT_EQ(e.endSize, 2.0f);
    EXPECT_EQ(e.startColor.fToPacked(), 0xFF102030u);
    EXPECT_EQ(e.averageColor.fToPacked(), 0x80FFFFFFu);
    EXPECT_EQ(e.endColor.fToPacked(), 0u);
}

TEST_F(Emitter, DescriptionAttributesReadOneByOne)
{
    ZC_PARTICLE_SYSTEM_EX defaults(nullptr);
    struct
    {
        const char* xml;
        std::function<bool(const ZC_PARTICLE_SYSTEM_EX&)> check;
        const char* why;
    } cases[] = {
        {R"(<particles multiply="true" maxCount="5"/>)",
         [](const ZC_PARTICLE_SYSTEM_EX& e) { return e.maxCount == 8096; }, "no texture: nothing is read"},
        {R"(<particles texture="a"/>)",
         [&](const ZC_PARTICLE_SYSTEM_EX& e) {
             return e.maxCount == 8096 && e.frequency == 1.0f && e.gravity == defaults.gravity &&
                    e.particleTemplate.lifetime == 2.0f && e.startSize == 4.0f && e.endSize == 20.0f &&
                    e.renderState.word == defaults.renderState.word && e.fIsCircleArea() && e.areaRadius == 0.0f;
         },
         "only the texture: every field keeps its default"},
        {R"(<particles texture="a" area="40"/>)",
         [](const ZC_PARTICLE_SYSTEM_EX& e) {
             return e.fIsCircleArea() && e.areaX0 == 512.0f && e.areaY0 == 384.0f && e.areaRadius == 40.0f;
         },
         "one number: a circle about the middle of the screen"},
        {R"(<particles texture="a" area=""/>)",
         [](const ZC_PARTICLE_SYSTEM_EX& e) { return e.fIsCircleArea() && e.areaX0 == 0.0f && e.areaRadius == 0.0f; },
         "no number: the area stays"},
        {R"(<particles texture="a" maxCount=""/>)", [](const ZC_PARTICLE_SYSTEM_EX& e) { return e.maxCount == 0; },
         "an empty max count is 0"},
        {R"(<particles texture="a" maxCount="0x20"/>)", [](const ZC_PARTICLE_SYSTEM_EX& e) { return e.maxCount == 0; },
         "the max count is decimal only"},
        {R"(<particles texture="a" gravity="5"/>)",
         [](const ZC_PARTICLE_SYSTEM_EX& e) { return e.gravity == ZS_VECTOR3(0, 0, 0); }, "one gravity number gives 0, 0"},
        {R"(<particles texture="a" multiply="yes"/>)",
         [](const ZC_PARTICLE_SYSTEM_EX& e) { return e.renderState.fHas(RS::ADDITIVE); }, "'y' is true"},
        {R"(<particles texture="a" multiply="no"/>)",
         [](const ZC_PARTICLE_SYSTEM_EX& e) { return !e.renderState.fHas(RS::ADDITIVE); }, "anything else is false"},
        {R"(<particles texture="a"><lifetime>soon</lifetime></particles>)",
         [](const ZC_PARTICLE_SYSTEM_EX& e) { return e.particleTemplate.lifetime == 0.0f; }, "no number reads as 0"},
    };
    for (const auto& c : cases)
    {
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(c.xml)) << c.xml;
        ZC_PARTICLE_SYSTEM_EX e(nullptr);
        fLoadParticleSystem(&e, doc.document_element());
        EXPECT_TRUE(c.check(e)) << c.why << ": " << c.xml;
    }
    fLoadParticleSystem(nullptr, pugi::xml_node()); // no emitter, no element: nothing happens
}

TEST_F(Emitter, AWrittenDescriptionReadsBackAsTheSameEmitter)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(kFull));
    ZC_PARTICLE_SYSTEM_EX original(nullptr);
    fLoadParticleSystem(&original, doc.document_element());
    original.fSetFrequency(25.0f);

    pugi::xml_document written;
    fSaveParticleSystem(&original, written, "spark.png");
    fSaveParticleSystem(nullptr, written, "none.png");
    ASSERT_EQ(std::distance(written.children().begin(), written.children().end()), 1);
    pugi::xml_node e = written.child("particles");
    EXPECT_STREQ(e.attribute("texture").value(), "spark.png");
    EXPECT_STREQ(e.attribute("gravity").value(), "3.000 -40.000");
    EXPECT_STREQ(e.attribute("startColor").value(), "") << "colours are child elements";
    EXPECT_STREQ(e.child_value("startColor"), "ff102030");

    ZC_PARTICLE_SYSTEM_EX back(nullptr);
    fLoadParticleSystem(&back, e);
    EXPECT_EQ(back.renderState.word, original.renderState.word);
    EXPECT_EQ(back.maxCount, original.maxCount);
    EXPECT_FLOAT_EQ(back.spreadAngle, original.spreadAngle);
    EXPECT_EQ(back.frequency, original.frequency);
    EXPECT_EQ(back.gravity, original.gravity);
    EXPECT_EQ(back.areaX0, original.areaX0);
    EXPECT_EQ(back.areaY1, original.areaY1);
    EXPECT_EQ(back.particleTemplate.lifetime, original.particleTemplate.lifetime);
    EXPECT_EQ(back.velocity, original.velocity);
    EXPECT_EQ(back.tangentialAcceleration, original.tangentialAcceleration);
    EXPECT_EQ(back.radialAcceleration, original.radialAcceleration);
    EXPECT_EQ(back.startSize, original.startSize);
    EXPECT_EQ(back.endSize, original.endSize);
    EXPECT_EQ(back.startColor, original.startColor);
    EXPECT_EQ(back.averageColor, original.averageColor);
    EXPECT_EQ(back.endColor, original.endColor);
}

namespace
{
using ZT_RENDER::fColorDistance;

const uint32_t kClear = 0xFF444444;

// Game pixel to back-buffer pixel in the windowed 1024x768 picture.
int fPx(float game)
{
    return int(game * 1024.0f / 1025.0f);
}

class Drawn : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        savedRandom = zcRANDOM;
        random.reset(new ZC_RANDOM(0));
        zcFRAME_DELTA = kDelta;
        // Left half opaque white, right half fully transparent: shows the texture is used.
        texture = render->fCreateTexture(16, 16);
        ASSERT_NE(texture, nullptr);
        std::vector<uint32_t> pixels(256);
        for (int i = 0; i < 256; ++i)
            pixels[i] = i % 16 < 8 ? 0xFFFFFFFFu : 0x00FFFFFFu;
        ASSERT_TRUE(render->fSetTexturePixels(texture, pixels.data()));
    }
    void TearDown() override
    {
        random.reset();
        zcRANDOM = savedRandom;
        ZT_GL_RENDER::TearDown();
    }
    // A still emitter of one-colour particles of the given size.
    void fStill(ZC_PARTICLE_SYSTEM_EX& e, float size, uint32_t color)
    {
        e.fSetTexture(texture);
        e.gravity = ZS_VECTOR3(0, 0, 0);
        e.velocity = ZS_VECTOR3(0, 0, 0);
        e.startSize = e.endSize = size;
        e.startColor = e.averageColor = e.endColor = ZS_COLORF(color);
    }

    ZS_TEXTURE* texture = nullptr;
    ZC_RANDOM* savedRandom = nullptr;
    std::unique_ptr<ZC_RANDOM> random;
};
}

TEST_F(Drawn, LiveParticlesAppearAsTexturedPointSprites)
{
    ZC_PARTICLE_SYSTEM_EX e(nullptr);
    fStill(e, 32.0f, 0xFFFF0000);
    e.renderState.fSet(RS::ADDITIVE, false);
    e.fSetAreaCircle(300, 200, 0);
    e.fEmitParticle();
    e.fSetAreaCircle(600, 500, 0);
    e.fEmitParticle();
    e.fUpdate();

    ASSERT_EQ(render->fBeginFrame(), 1);
    e.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("particles_sprites");
    for (int cx : {300, 600})
    {
        int cy = cx == 300 ? 200 : 500;
        EXPECT_EQ(fPixel(fPx(cx - 8), fPx(cy)), 0xFFFF0000u) << cx << ": the texture's opaque half";
        EXPECT_EQ(fPixel(fPx(cx + 8), fPx(cy)), kClear) << cx << ": its transparent half";
        EXPECT_EQ(fPixel(fPx(cx - 24), fPx(cy)), kClear) << cx << ": outside the 32-pixel sprite";
    }
}

TEST_F(Drawn, AdditiveBlendingAndTheOwnerTransformShowOnScreen)
{
    ZC_PARTICLE_SYSTEM_EX e(nullptr);
    fStill(e, 20.0f, 0xFF800000);
    e.fSetAreaCircle(200, 200, 0);
    e.fEmitParticle();
    ZS_TRANSFORM3 owner;
    owner.fSetPosition(300, 100, 0);
    e.fSetTransform(&owner);

    ASSERT_EQ(render->fBeginFrame(), 1);
    e.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("particles_additive_moved");
    EXPECT_EQ(fPixel(fPx(197), fPx(200)), kClear) << "moved away from its own position";
    EXPECT_LE(fColorDistance(fPixel(fPx(497), fPx(300)), 0xFFC44444), 1) << "red added to the grey";
}

TEST_F(Drawn, AParticleIsDrawnOnceMoreAfterItsLifeEndsThenNoMore)
{
    ZS_PARTICLE t;
    t.lifetime = kDelta;
    ZC_PARTICLE_SYSTEM_EX e(nullptr, &t);
    fStill(e, 20.0f, 0xFF00FF00);
    e.renderState.fSet(RS::ADDITIVE, false);
    e.fSetAreaCircle(400, 300, 0);
    e.fEmitParticle();
    e.fStop();
    int x = fPx(396), y = fPx(300);
    for (int frame = 0; frame < 3; ++frame)
    {
        e.fUpdate();
        ASSERT_EQ(render->fBeginFrame(), 1);
        e.fDraw();
        ASSERT_EQ(render->fEndFrame(), 0);
        EXPECT_EQ(fPixel(x, y), frame < 2 ? 0xFF00FF00u : kClear) << frame;
    }
}
