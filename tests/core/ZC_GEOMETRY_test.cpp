#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_RANDOM.h"

using namespace ZOR;

namespace
{
const float kPi = 3.1415927f;

void fExpectNear(const ZS_VECTOR3& want, const ZS_VECTOR3& got, float tolerance = 1e-5f)
{
    EXPECT_NEAR(want.x, got.x, tolerance);
    EXPECT_NEAR(want.y, got.y, tolerance);
    EXPECT_NEAR(want.z, got.z, tolerance);
}
}

TEST(Lerp, FloatIsOpenEndedVectorsHoldAtTheEnds)
{
    EXPECT_EQ(5.0f, fLerp(2, 4, 1.5f));
    EXPECT_EQ(1.0f, fLerp(2, 4, -0.5f));
    // Exactly 0 and 1 answer the ends themselves, even where a + t(b - a) would not.
    EXPECT_EQ(1e30f, fLerp(1e30f, -1.0f, 0.0f));
    EXPECT_EQ(-1.0f, fLerp(1e30f, -1.0f, 1.0f));

    ZS_VECTOR3 a(0, 0, 0), b(10, 20, 30), out;
    fLerpVector3(&out, a, b, 1.5f);
    EXPECT_EQ(b, out);
    fLerpVector3(&out, a, b, -2.0f);
    EXPECT_EQ(a, out);
    fLerpVector3(&out, a, b, 0.25f);
    EXPECT_EQ(ZS_VECTOR3(2.5f, 5, 7.5f), out);
    EXPECT_EQ(ZS_VECTOR2(1, 2), fLerpVector2(ZS_VECTOR2(0, 0), ZS_VECTOR2(2, 4), 0.5f));
}

TEST(Lerp, TransformWritesOnlyTheNumbersThatDiffer)
{
    ZS_TRANSFORM3 a, b, parent;
    a.fSetPosition(0, 0, 0);
    b.fSetPosition(100, 50, 0);
    a.fSetRotation(0, 0, 1);
    b.fSetRotation(0, 0, 1);

    ZS_TRANSFORM3 out;
    out.fSetRotation(0, 0, 9); // equal in a and b: out keeps its own
    out.parent = &parent;
    out.reserved = 5;
    fLerpTransform(&out, a, b, 0.5f);
    EXPECT_EQ(ZS_VECTOR3(50, 25, 0), out.position);
    EXPECT_EQ(9.0f, out.rotation.z);
    EXPECT_EQ(&parent, out.parent);
    EXPECT_EQ(5u, out.reserved);

    fLerpTransform(&out, a, b, 0.0f); // an end copies all twelve numbers
    EXPECT_EQ(1.0f, out.rotation.z);
    EXPECT_EQ(a.position, out.position);
    EXPECT_EQ(&parent, out.parent);
    fLerpTransform(&out, a, b, 2.0f);
    EXPECT_EQ(b.position, out.position);
}

TEST(Bezier, FixedDegreeCurvesAndTheNPointCurveAgree)
{
    ZS_VECTOR3 out;
    fBezierQuadratic(&out, {0, 0, 0}, {1, 0, 0}, {2, 0, 0}, 0.5f);
    EXPECT_EQ(ZS_VECTOR3(1, 0, 0), out);
    fBezierCubic(&out, {0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}, 0.5f);
    EXPECT_EQ(ZS_VECTOR3(0.5f, 0.75f, 0), out);

    const std::vector<ZS_VECTOR3> quad = {{0, 0, 0}, {4, 8, 2}, {8, 0, -2}};
    const std::vector<ZS_VECTOR3> cubic = {{0, 0, 0}, {0, 10, 0}, {10, 10, 5}, {10, 0, 5}};
    for (float t : {0.0f, 0.1f, 0.25f, 0.5f, 0.8f, 1.0f})
    {
        ZS_VECTOR3 fixed, curve;
        fBezierQuadratic(&fixed, quad[0], quad[1], quad[2], t);
        fBezierCurve(&curve, quad, t);
        fExpectNear(fixed, curve);
        fBezierCubic(&fixed, cubic[0], cubic[1], cubic[2], cubic[3], t);
        fBezierCurveArray(&curve, cubic.data(), 4, t);
        fExpectNear(fixed, curve);
        EXPECT_NEAR(fBezierCubicFloat(0, 10, 10, 0, t), fBezierCurveFloat(std::vector<float>{0, 10, 10, 0}.data(), 4, t),
                    1e-5f);
    }
    fBezierCurve(&out, {{3, 4, 5}}, 0.7f); // one point is the whole curve
    EXPECT_EQ(ZS_VECTOR3(3, 4, 5), out);
    fBezierCurve(&out, {}, 0.7f);
    EXPECT_EQ(ZS_VECTOR3(0, 0, 0), out);
    // Exact ends, without rounding through the weights.
    fBezierCurve(&out, cubic, 1.0f);
    EXPECT_EQ(cubic[3], out);
}

TEST(Bezier, TransformCurvesMoveEveryNumber)
{
    ZS_TRANSFORM3 p0, c, p1, out;
    p1.fSetPosition(10, 0, 0);
    c.fSetPosition(5, 10, 0);
    p1.fSetScale(3, 3, 1);
    c.fSetScale(2, 2, 1);
    fBezierQuadraticTransform(&out, p0, c, p1, 0.5f);
    EXPECT_EQ(ZS_VECTOR3(5, 5, 0), out.position);
    EXPECT_EQ(ZS_VECTOR3(2, 2, 1), out.scale);
    fBezierCubicTransform(&out, p0, c, c, p1, 1.5f);
    EXPECT_EQ(p1.position, out.position);
}

TEST(DampedSine, DecaysAndNeverDividesByZero)
{
    EXPECT_EQ(0.0f, fDampedSine(0.0f, 1.0f, 5.0f, 1.0f));
    EXPECT_NEAR(5.0f / std::exp(6.2831855f * 0.25f * 0.5f), fDampedSine(0.25f, 1.0f, 5.0f, 0.5f), 1e-5f);
    EXPECT_NEAR(2.0f, fDampedSine(0.25f, 1.0f, 2.0f, 0.0f), 1e-6f);
    // A growing swing whose exponential underflows to 0: the divisor is 0.
    EXPECT_EQ(0.0f, fDampedSine(100.25f, 1.0f, 1.0f, -1.0f));
    // A decaying one whose exponential overflows simply fades to 0.
    EXPECT_EQ(0.0f, fDampedSine(100.25f, 1.0f, 1.0f, 1.0f));
}

TEST(Rotation, TurnsCounterClockwiseInMathAxesAboutTheCentre)
{
    ZS_VECTOR2 p = fRotatePointAbout(100, 50, 110, 50, kPi / 2);
    EXPECT_NEAR(100.0f, p.x, 1e-4f);
    EXPECT_NEAR(60.0f, p.y, 1e-4f);
    EXPECT_EQ(ZS_VECTOR2(7, 8), fRotatePointAbout(1, 1, 7, 8, 0.0f));

    float x = 3, y = 0;
    fRotatePointInPlace(0, 0, &x, &y, kPi);
    EXPECT_NEAR(-3.0f, x, 1e-5f);
    EXPECT_NEAR(0.0f, y, 1e-5f);

    ZS_POINT q(10, 0);
    fRotatePointInPlaceInt(0, 0, &q, kPi / 4); // 7.07 each, truncated
    EXPECT_EQ(ZS_POINT(7, 7), q);
}

TEST(TransformSpace, MapsAPointBackFromThePivot)
{
    ZS_TRANSFORM3 t;
    t.fSetPosition(200, 100, 0);
    t.fSetPivot(20, 10, 0);
    t.fSetScale(2, 2, 1);
    // Position minus point plus pivot, times scale.
    float x = 190, y = 95;
    fPointToTransformSpace(&x, &y, t);
    EXPECT_EQ(60.0f, x);
    EXPECT_EQ(30.0f, y);

    // Ten above the position, turned back a quarter about it: (190, 100).
    t.fSetRotationZ(kPi / 2);
    x = 200;
    y = 90;
    fPointToTransformSpace(&x, &y, t);
    EXPECT_NEAR(60.0f, x, 1e-4f);
    EXPECT_NEAR(20.0f, y, 1e-4f);

    // Integer form: (205, 103) turns to (203, 95); then point minus position plus pivot, no scale.
    EXPECT_EQ(ZS_POINT(23, 5), fPointToTransformSpaceInt(ZS_POINT(205, 103), t));
}

TEST(PointTests, RectangleExcludesItsEdges)
{
    struct Case { ZS_POINT p; bool inside; };
    const Case cases[] = {
        {{5, 5}, true}, {{1, 5}, true}, {{0, 5}, false}, {{10, 5}, false},
        {{5, 0}, false}, {{5, 10}, false}, {{9, 9}, true}, {{-1, -1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.inside, fIsPointInRect(&c.p, 0, 0, 10, 10)) << c.p.fToText();
    EXPECT_FALSE(fIsPointInRect(nullptr, 0, 0, 10, 10));
}

TEST(PointTests, PolygonUsesTheEvenOddRule)
{
    // A concave "U": the notch between the arms is outside.
    const std::vector<ZS_VECTOR2> u = {{0, 0}, {3, 0}, {3, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};
    struct Case { float x, y; bool inside; };
    const Case cases[] = {
        {0.5f, 0.5f, true}, {1.5f, 0.5f, true}, {1.5f, 2.0f, false}, {0.5f, 2.5f, true},
        {2.5f, 2.5f, true}, {4.0f, 1.0f, false}, {-0.5f, 1.0f, false}, {1.5f, 3.5f, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.inside, fIsPointInPolygon(u, c.x, c.y)) << c.x << ',' << c.y;
    EXPECT_FALSE(fIsPointInPolygon({}, 0, 0));

    const std::vector<ZS_POINT> tri = {{0, 0}, {10, 0}, {0, 10}};
    EXPECT_TRUE(fIsPointInPolygonInt(tri, 2, 2));
    EXPECT_FALSE(fIsPointInPolygonInt(tri, 6, 6));

    // Placed by a transform with a parent: the point is moved by minus the world position.
    ZS_TRANSFORM3 parent, t;
    parent.fSetPosition(100, 0, 0);
    t.fSetPosition(0, 50, 0);
    t.parent = &parent;
    EXPECT_TRUE(fIsPointInPolygonAt(u, 100.5f, 52.5f, t));
    EXPECT_FALSE(fIsPointInPolygonAt(u, 101.5f, 52.5f, t));
    EXPECT_TRUE(fIsPointInPolygonAtInt(tri, 102, 52, t));
}

TEST(Distances, IntegerSquaresDoNotOverflow)
{
    EXPECT_EQ(5.0f, fDistanceInt(0, 0, 3, 4));
    EXPECT_FLOAT_EQ(100000.0f * std::sqrt(2.0f), fDistanceInt(-50000, -50000, 50000, 50000));
    EXPECT_EQ(5.0f, fDistance(1, 1, 4, 5));
    EXPECT_EQ(2.0f, fClamp(1, 2, 3));
    EXPECT_EQ(3.0f, fClamp(7, 2, 3));
    EXPECT_EQ(2.5f, fClamp(2.5f, 2, 3));
}

TEST(RandomPoint, StaysInsideTheHullAndDrawsOncePerVertex)
{
    ZC_RANDOM twin(0);
    ZC_RANDOM random(0); // constructed last: this one is zcRANDOM
    const std::vector<ZS_VECTOR2> triangle = {{0, 0}, {30, 0}, {0, 30}};
    for (int i = 0; i < 200; ++i)
    {
        ZS_VECTOR2 p = fRandomPointInPolygon(triangle);
        ASSERT_TRUE(p.x >= 0 && p.y >= 0 && p.x + p.y <= 30.0001f) << i << ": " << p.fToText();
        for (int k = 0; k < 3; ++k)
            twin.fRangeFloat(0, 1);
        ASSERT_EQ(twin.seed, random.seed);
    }
    ZS_POINT q = fRandomPointInPolygonInt({{10, 10}, {20, 10}, {20, 20}, {10, 20}});
    EXPECT_TRUE(q.x >= 10 && q.x <= 20 && q.y >= 10 && q.y <= 20) << q.fToText();
    EXPECT_EQ(ZS_VECTOR2(0, 0), fRandomPointInPolygon({}));
}

TEST(RandomPoint, AllZeroWeightsOrNoGeneratorGiveTheMean)
{
    // A seed whose next draw is 0: one vertex alone would be weighted 0 / 0.
    ZC_RANDOM random(0);
    while ((random.seed * 1664525u + 1013904223u) >> 16 != 0)
        ++random.seed;
    EXPECT_EQ(ZS_VECTOR2(4, 6), fRandomPointInPolygon({{4, 6}}));

    ZC_RANDOM* saved = zcRANDOM;
    zcRANDOM = nullptr;
    EXPECT_EQ(ZS_VECTOR2(5, 2), fRandomPointInPolygon({{0, 0}, {10, 0}, {5, 6}}));
    zcRANDOM = saved;
}
