#include <gtest/gtest.h>

#include "engine/core/ZC_RANDOM.h"

using namespace ZOR;

TEST(Random, SeedZeroGivesTheKnownSequence)
{
    ZC_RANDOM random(0);
    EXPECT_EQ(&random, zcRANDOM);
    EXPECT_EQ(1013904223, random.fNext());
    EXPECT_EQ(1196435762, random.fNext());
    // The seed keeps all 32 bits; only the answer drops the top one.
    ZC_RANDOM high(0x80000000u);
    EXPECT_EQ(int((0x80000000u * 1664525u + 1013904223u) & 0x7FFFFFFFu), high.fNext());
}

TEST(Random, IntegerRanges)
{
    ZC_RANDOM random(0);
    EXPECT_EQ(5, random.fRangeInt(5, 5));
    EXPECT_EQ(0u, random.seed) << "an empty range draws nothing";
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(0, random.fRangeInt(0, 1));

    ZC_RANDOM same(0);
    EXPECT_EQ(3 + 1013904223 % 7, same.fRangeInt(3, 10));
    // b below a: the remainder stays non-negative, so the value lies in [a, 2a - b).
    ZC_RANDOM reverse(0);
    EXPECT_EQ(10 + 1013904223 % -7, reverse.fRangeInt(10, 3));
    for (int i = 0; i < 200; ++i)
    {
        int v = reverse.fRangeInt(10, 3);
        EXPECT_GE(v, 10);
        EXPECT_LT(v, 17);
    }
    // The widest range does not overflow.
    ZC_RANDOM wide(0);
    int v = wide.fRangeInt(-2147483647 - 1, 2147483647);
    EXPECT_EQ(-2147483647 - 1 + 1013904223, v);

    ZC_RANDOM points(0);
    ZS_POINT p = points.fPointInRect(0, 100, 10, 110);
    EXPECT_EQ(1013904223 % 10, p.x) << "x is drawn first";
    EXPECT_EQ(100 + 1196435762 % 10, p.y);
}

TEST(Random, FloatRangesReachBothEnds)
{
    ZC_RANDOM random(0);
    float first = random.fRangeFloat(0.0f, 65535.0f);
    EXPECT_FLOAT_EQ(float(1013904223u >> 16), first);

    // Seeds whose next state has upper half 0 and 0xFFFF give exactly a and b.
    const uint32_t inverse = 4276115653u; // 1664525 * inverse == 1 modulo 2^32
    ZC_RANDOM low((0x00000000u - 1013904223u) * inverse);
    EXPECT_EQ(-2.5f, low.fRangeFloat(-2.5f, 7.0f));
    ZC_RANDOM high((0xFFFF0000u - 1013904223u) * inverse);
    EXPECT_EQ(7.0f, high.fRangeFloat(-2.5f, 7.0f));

    int trues = 0;
    for (int i = 0; i < 1000; ++i)
        trues += random.fBool();
    EXPECT_GT(trues, 400);
    EXPECT_LT(trues, 600);
}
