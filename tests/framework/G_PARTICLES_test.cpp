// Particle effects: descriptions read without fetching, textures counted once per copy.
#include "framework/G_PARTICLES.h"

#include "ZT_VISUALS.h"

using namespace ZOR;
using namespace ZOR_GF;

namespace
{
class Particles : public ZT_TEST::ZT_VISUALS
{
protected:
    void fRead(G_PARTICLES& effect, const char* xml)
    {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(xml));
        effect.fLoadXml(document.first_child());
    }
};

const char* kSparks = "<particles texture=\"ul16.png\" maxCount=\"12\" frequency=\"4\" gravity=\"0 -20\">"
                      "<startSize>3</startSize><endSize>9</endSize></particles>";
}

TEST_F(Particles, DescriptionIsReadButNothingFetched)
{
    G_PARTICLES sparks;
    fRead(sparks, kSparks);
    EXPECT_EQ(sparks.fGetFile(), "ul16.png");
    EXPECT_EQ(sparks.emitter.maxCount, 12);
    EXPECT_FLOAT_EQ(sparks.emitter.interval, 0.25f);
    EXPECT_FLOAT_EQ(sparks.emitter.gravity.y, -20);
    EXPECT_FLOAT_EQ(sparks.emitter.endSize, 9);
    EXPECT_FALSE(sparks.fIsLoaded());
    EXPECT_EQ(fUsers("ul16.png"), 0);

    // A description without "texture" reads nothing and clears the name.
    fRead(sparks, "<particles maxCount=\"99\"/>");
    EXPECT_EQ(sparks.fGetFile(), "");
    EXPECT_EQ(sparks.emitter.maxCount, 12);
    sparks.fLoadTexture();
    EXPECT_FALSE(sparks.fIsLoaded());
}

TEST_F(Particles, EveryCopyOfTheTemplateHoldsItsOwnReference)
{
    G_PARTICLES templateEffect;
    fRead(templateEffect, kSparks);
    {
        G_PARTICLES flight(templateEffect);
        EXPECT_EQ(flight.emitter.maxCount, 12);
        EXPECT_FLOAT_EQ(flight.emitter.startSize, 3);
        EXPECT_FALSE(flight.fIsLoaded());
        flight.fLoadTexture();
        EXPECT_TRUE(flight.fIsLoaded());
        EXPECT_EQ(flight.emitter.textureHeight, 16);
        EXPECT_EQ(fUsers("ul16.png"), 1);

        // A copy of a loaded, emitting effect starts empty and unloaded: it never shares
        // the source's particles or its counted texture.
        flight.emitter.fEmitParticle();
        ASSERT_EQ(flight.emitter.count, 1);
        G_PARTICLES second(flight);
        EXPECT_EQ(second.emitter.count, 0);
        EXPECT_EQ(second.emitter.fGetParticles(), nullptr);
        EXPECT_FALSE(second.fIsLoaded());
        second.fLoadTexture();
        EXPECT_EQ(fUsers("ul16.png"), 2);
    }
    EXPECT_EQ(fUsers("ul16.png"), 0) << "each destroyed copy handed its texture back once";
    EXPECT_FALSE(templateEffect.fIsLoaded());
}

TEST_F(Particles, ReadingADescriptionIntoALoadedEffectHandsTheOldTextureBack)
{
    G_PARTICLES sparks;
    fRead(sparks, kSparks);
    sparks.fLoadTexture();
    ASSERT_EQ(fUsers("ul16.png"), 1);

    fRead(sparks, "<particles texture=\"dr16.png\"/>");
    EXPECT_EQ(fUsers("ul16.png"), 0);
    EXPECT_FALSE(sparks.fIsLoaded());
    sparks.fLoadTexture();
    EXPECT_EQ(fUsers("dr16.png"), 1);
    sparks.fUnloadTexture();
    sparks.fUnloadTexture();
    EXPECT_EQ(fUsers("dr16.png"), 0);
}

TEST_F(Particles, EmittedSparksAreDrawnInScreenPixels)
{
    G_PARTICLES sparks;
    fRead(sparks, "<particles texture=\"mid.png\" area=\"1\"><startSize>12</startSize><endSize>12</endSize>"
                  "<startColor>ffffffff</startColor><velocity>0 0</velocity></particles>");
    sparks.fLoadTexture();
    sparks.emitter.gravity = ZS_VECTOR3(0, 0, 0);
    sparks.emitter.renderState.fSet(ZS_RENDER_STATE::ADDITIVE, false);
    sparks.emitter.fSetAreaCircle(200, 150, 0);
    sparks.emitter.fEmitParticle();

    ASSERT_EQ(render->fBeginFrame(), 1);
    sparks.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("particles_spark");
    EXPECT_EQ(fGamePixel(200, 150), 0xFFFFFFFFu);
    EXPECT_EQ(fGamePixel(200, 180), ZT_TEST::kClear);
}
