#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/core/ZS_POINT.h"

using namespace ZOR;

TEST(PointText, PrintsAtLeastThreeDigitsIntoOneSharedBuffer)
{
    struct Case { ZS_POINT p; const char* text; };
    const Case cases[] = {
        {{5, 20}, "005 020"},
        {{1024, 768}, "1024 768"},
        {{-5, 0}, "-005 000"},
        {{INT32_MIN, INT32_MAX}, "-2147483648 2147483647"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, c.p.fToText());

    const char* first = ZS_POINT(1, 2).fToText();
    ZS_POINT(3, 4).fToText();
    EXPECT_STREQ("003 004", first); // the second call overwrote the first text
}

TEST(PointText, ParsesBlankSeparatedNumbersOrKeepsTheValue)
{
    struct Case { const char* text; ZS_POINT after; };
    const Case cases[] = {
        {"800 600", {800, 600}},
        {"800", {7, 9}},          // one number: unchanged
        {"", {7, 9}},
        {"10 20 30", {10, 20}},
        {"12px 7", {12, 7}},      // atoi reads the leading number
        {"5  6", {5, 0}},         // the empty piece between two blanks is the second number
        {"-3 -004", {-3, -4}},
    };
    for (const Case& c : cases)
    {
        ZS_POINT p(7, 9);
        p.fParse(c.text);
        EXPECT_EQ(c.after, p) << '"' << c.text << '"';
    }
}

TEST(PointArithmetic, DividesTowardZeroAndNeverByZero)
{
    EXPECT_EQ(ZS_POINT(3, -3), ZS_POINT(7, -7) / 2);
    EXPECT_EQ(ZS_POINT(0, 0), ZS_POINT(7, -7) / 0);
    EXPECT_EQ(ZS_POINT(3, 0), ZS_POINT(7, 8) / ZS_POINT(2, 0));
}

TEST(VectorText, PrintsThreeDecimalsAndParsesLikeThePoint)
{
    EXPECT_STREQ("1.500 -2.000", ZS_VECTOR2(1.5f, -2.0f).fToText());
    EXPECT_STREQ("0.001 0.000 -0.500", ZS_VECTOR3(0.0005f, 0.0f, -0.5f).fToText());

    ZS_VECTOR2 v(9.0f, 9.0f);
    v.fParse("1.5  2");
    EXPECT_EQ(ZS_VECTOR2(1.5f, 0.0f), v);
    v.fParse("4");
    EXPECT_EQ(ZS_VECTOR2(1.5f, 0.0f), v);

    ZS_VECTOR3 w(1.0f, 2.0f, 3.0f);
    w.fParse("4 5");
    EXPECT_EQ(ZS_VECTOR3(1.0f, 2.0f, 3.0f), w);
    w.fParse("4 5 6.25 7");
    EXPECT_EQ(ZS_VECTOR3(4.0f, 5.0f, 6.25f), w);
}

TEST(VectorText, TextTooLongForTheBufferIsCutNotOverrun)
{
    // Three components near the float limit print about 140 characters.
    ZS_VECTOR3 huge(-FLT_MAX, -FLT_MAX, -FLT_MAX);
    char full[512];
    std::snprintf(full, sizeof full, "%.3f %.3f %.3f", -FLT_MAX, -FLT_MAX, -FLT_MAX);
    ASSERT_GT(std::strlen(full), 127u);

    std::string text = huge.fToText();
    EXPECT_EQ(127u, text.size());
    EXPECT_EQ(std::string(full, 127), text);
}

TEST(VectorLength, NormalisesAndAnswersTheOldLength)
{
    ZS_VECTOR2 v(3.0f, 4.0f);
    EXPECT_FLOAT_EQ(5.0f, v.fNormalize());
    EXPECT_FLOAT_EQ(0.6f, v.x);
    EXPECT_FLOAT_EQ(0.8f, v.y);

    ZS_VECTOR2 zero;
    EXPECT_EQ(0.0f, zero.fNormalize());
    EXPECT_TRUE(zero.fIsZero());

    ZS_VECTOR3 w(2.0f, 3.0f, 6.0f);
    EXPECT_FLOAT_EQ(7.0f, w.fNormalize());
    EXPECT_FLOAT_EQ(1.0f, w.fLength());

    EXPECT_FLOAT_EQ(5.0f, fDistanceVector2(ZS_VECTOR2(0.0f, 0.0f), ZS_VECTOR2(3.0f, 4.0f)));
    // Summed in double: the squares of 1e20 overflow a float.
    EXPECT_FLOAT_EQ(1e20f * std::sqrt(2.0f), ZS_VECTOR2(1e20f, 1e20f).fLength());
}

TEST(VectorAngle, SignedAngleRunsCounterClockwiseFromAToB)
{
    const float pi = 3.1415927f;
    struct Case { ZS_VECTOR2 a, b; float angle; };
    const Case cases[] = {
        {{1, 0}, {0, 1}, pi / 2},
        {{0, 1}, {1, 0}, 3 * pi / 2},
        {{1, 0}, {-1, 0}, pi},
        {{1, 0}, {2, 0}, 6.2831855f},       // same direction: a full turn
        {{0, 0}, {1, 1}, 6.2831855f},       // a zero vector: a full turn
        {{0.3f, 2.4f}, {0.6f, 4.8f}, 6.2831855f}, // parallel, the cosine rounds to just above 1
    };
    for (const Case& c : cases)
    {
        float angle = fSignedAngleBetween(c.a, c.b);
        EXPECT_NEAR(c.angle, angle, 1e-5f) << c.a.fToText() << " to " << c.b.fToText();
    }
}

TEST(VectorAngle, DirectionAngleCoversAllQuadrants)
{
    const float pi = 3.1415927f;
    struct Case { ZS_VECTOR2 v; float angle; };
    const Case cases[] = {
        {{1, 0}, 0}, {{1, 1}, pi / 4}, {{0, 1}, pi / 2}, {{-1, 1}, 3 * pi / 4},
        {{-1, 0}, pi}, {{0, -1}, 3 * pi / 2}, {{1, -1}, 7 * pi / 4}, {{0, 0}, 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.angle, c.v.fAngle(), 1e-5f) << c.v.fToText();
}

TEST(Vector3, CrossDotAndPerpendicular)
{
    ZS_VECTOR3 out;
    fCrossVector3(&out, ZS_VECTOR3(1, 0, 0), ZS_VECTOR3(0, 1, 0));
    EXPECT_EQ(ZS_VECTOR3(0, 0, 1), out);
    fCrossVector3(&out, ZS_VECTOR3(1, 2, 3), ZS_VECTOR3(4, 5, 6));
    EXPECT_EQ(ZS_VECTOR3(-3, 6, -3), out);
    EXPECT_EQ(32.0f, fDotVector3(ZS_VECTOR3(1, 2, 3), ZS_VECTOR3(4, 5, 6)));
    EXPECT_EQ(ZS_VECTOR3(-2, 1, 3), ZS_VECTOR3(1, 2, 3).fPerpendicularXY());
}
