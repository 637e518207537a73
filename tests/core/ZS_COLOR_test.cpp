#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "engine/core/ZS_COLOR.h"

using namespace ZOR;

TEST(Colour, PackedValueAndRecordShareOneMemoryLayout)
{
    ZS_COLOR c(0x80FF4020u);
    uint32_t raw;
    std::memcpy(&raw, &c, sizeof raw);
    EXPECT_EQ(0x80FF4020u, raw);
    EXPECT_EQ(4u, sizeof(ZS_COLOR));
    EXPECT_EQ(0xFFFFFFFFu, ZS_COLOR().fToPacked());
    EXPECT_EQ(0u, ZS_COLORF().fToPacked());
}

TEST(Colour, ArgbConstructorKeepsOnlyTheLowByte)
{
    EXPECT_EQ(0x00FF7F01u, ZS_COLOR::fFromARGB(256, -1, 127, 257).fToPacked());
}

TEST(Colour, ParsesAlphaRedGreenBlueText)
{
    struct Case { const char* text; uint32_t before; uint32_t after; };
    const Case cases[] = {
        {"128 255 0 0", 0xFFFFFFFF, 0x80FF0000},     // half-transparent red
        {"255 255 255 255", 0x12345678, 0xFFFFFFFF},
        {"1 2 3", 0x12345678, 0x12345678},           // three numbers: unchanged
        {"", 0x12345678, 0x12345678},
        {"255  255 0 0", 0, 0xFF00FF00},             // doubled blank: an empty piece reads 0
        {"300 0 0 0", 0, 0x2C000000},                // low byte: 300 mod 256 = 44
        {"-1 1 2 3 99", 0, 0xFF010203},              // extra numbers ignored
        {"10 x 20 30 ", 0, 0x0A00141E},              // non-numeric reads 0; trailing blank no piece
    };
    for (const Case& c : cases)
    {
        ZS_COLOR colour(c.before);
        colour.fParse(c.text);
        EXPECT_EQ(c.after, colour.fToPacked()) << '"' << c.text << '"';
    }
}

TEST(Colour, ByteArithmeticWrapsAndDivisionByZeroGivesZero)
{
    EXPECT_EQ(0u, (ZS_COLOR(0xFF808080u) + ZS_COLOR(0x01808080u)).fToPacked());
    EXPECT_EQ(0xFF0000FFu, (ZS_COLOR(0x00010100u) - ZS_COLOR(0x01010101u)).fToPacked());
    EXPECT_EQ(0x02040608u, (ZS_COLOR(0x01020304u) * 0x102).fToPacked()); // low byte of n is 2
    EXPECT_EQ(0x7F402010u, (ZS_COLOR(0xFF804020u) / 2).fToPacked());
    EXPECT_EQ(0u, (ZS_COLOR(0xFF804020u) / 256).fToPacked()); // low byte 0
}

TEST(ColourF, PacksWithClampAndHalvesRoundingUp)
{
    struct Case { ZS_COLORF c; uint32_t packed; };
    const Case cases[] = {
        {{0.5f, 1.2f, -0.3f, 1.0f}, 0xFF80FF00},   // 0.5*255+0.5 = 128
        {{0.0f, 0.0f, 0.0f, 0.0f}, 0x00000000},
        {{1.0f, 1.0f, 1.0f, 1.0f}, 0xFFFFFFFF},
        {{0.001f, 0.002f, 0.999f, 0.998f}, 0xFE0001FF}, // 0.2549 -> 0, 0.51 -> 1, 255.245 -> 255, 254.99 -> 254
        {{NAN, 0.0f, 0.0f, 1.0f}, 0xFF000000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.packed, c.c.fToPacked()) << c.c.r << ' ' << c.c.g << ' ' << c.c.b << ' ' << c.c.a;
}

TEST(ColourF, UnpacksWithTheSinglePrecisionReciprocal)
{
    const float k = 1.0f / 255.0f;
    uint32_t bits;
    std::memcpy(&bits, &k, sizeof bits);
    ASSERT_EQ(0x3B808081u, bits);

    ZS_COLORF c(0x80FF0001u);
    EXPECT_EQ(1.0f, c.r);
    EXPECT_EQ(0.0f, c.g);
    EXPECT_EQ(k, c.b);
    EXPECT_EQ(128.0f * k, c.a);
}

TEST(ColourF, RoundTripKeepsEveryByteValueInEveryChannel)
{
    for (uint32_t v = 0; v < 256; ++v)
        for (int shift = 0; shift < 32; shift += 8)
        {
            uint32_t packed = v << shift | (0x5Au << ((shift + 8) % 32));
            ASSERT_EQ(packed, ZS_COLORF(packed).fToPacked()) << std::hex << packed;
        }
}

TEST(ColourF, ArithmeticDoesNotClampUntilPacked)
{
    ZS_COLORF a(0.8f, 0.2f, 0.5f, 1.0f), b(0.6f, 0.4f, 0.5f, 0.5f);
    ZS_COLORF sum = a + b;
    EXPECT_FLOAT_EQ(1.4f, sum.r);
    EXPECT_FLOAT_EQ(-0.5f, (b - a).a);
    EXPECT_EQ(0xFFFF99FFu, sum.fToPacked()); // 1.4 and 1.5 clamp, 0.6 gives 153
    ZS_COLORF halfway = a + (b - a) * 0.5f;
    EXPECT_FLOAT_EQ(0.7f, halfway.r);
    EXPECT_FLOAT_EQ(0.75f, halfway.a);
}
