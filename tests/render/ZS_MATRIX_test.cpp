// The matrix helpers against values worked out by hand, and the screen matrices they build.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_CAMERA.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/render/ZS_MATRIX.h"

using namespace ZOR;

namespace
{
const float kPi = 3.1415927f;

void fExpectMatrix(const ZS_MATRIX& m, const float (&want)[16], float tolerance = 1e-5f)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m.m[i], want[i], tolerance) << "element " << i;
}

// Game pixel -> normalised device coordinates through the screen set.
void fToScreen(const ZC_RENDER& r, float x, float y, float out[3])
{
    ZS_MATRIX wv, wvp;
    fMatrixMultiply(wv, r.fGetScreenWorld(), r.fGetScreenView());
    fMatrixMultiply(wvp, wv, r.fGetScreenProjection());
    fTransformCoord(out, wvp, x, y, 0.0f);
}
}

TEST(RowVectorHelpers, MatchHandComputedMatrices)
{
    ZS_MATRIX m;
    fMatrixYawPitchRoll(m, kPi, 0.0f, kPi);
    fExpectMatrix(m, {1, 0, 0, 0, 0, -1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1});

    // Roll first, then pitch, then yaw: (1, 0, 0) rolled a quarter turn is (0, 1, 0), pitched a
    // quarter turn (0, 0, 1), yawed a quarter turn (1, 0, 0) again.
    fMatrixYawPitchRoll(m, kPi / 2, kPi / 2, kPi / 2);
    float p[3];
    fTransformCoord(p, m, 1, 0, 0);
    EXPECT_NEAR(p[0], 1, 1e-5f);
    EXPECT_NEAR(p[1], 0, 1e-5f);
    EXPECT_NEAR(p[2], 0, 1e-5f);

    fMatrixLookAtLH(m, 10, 20, -30, 10, 20, 0, 0, 1, 0);
    fExpectMatrix(m, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -10, -20, 30, 1});

    fMatrixPerspectiveFovLH(m, kPi / 2, 2.0f, 1.0f, 11.0f);
    fExpectMatrix(m, {0.5f, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1.1f, 1, 0, 0, -1.1f, 0});
    fTransformCoord(p, m, 0, 0, 1.0f);
    EXPECT_NEAR(p[2], 0.0f, 1e-6f);
    fTransformCoord(p, m, 0, 0, 11.0f);
    EXPECT_NEAR(p[2], 1.0f, 1e-6f);

    ZS_MATRIX a, b, ab;
    fMatrixTranslation(a, 1, 2, 3);
    fMatrixScaling(b, 2, 3, 4);
    fMatrixMultiply(ab, a, b); // translate first, then scale
    fTransformCoord(p, ab, 1, 1, 1);
    EXPECT_FLOAT_EQ(p[0], 4);
    EXPECT_FLOAT_EQ(p[1], 9);
    EXPECT_FLOAT_EQ(p[2], 16);

    ZS_MATRIX inv, id;
    ASSERT_TRUE(fMatrixInverse(inv, ab));
    fMatrixMultiply(id, ab, inv);
    fExpectMatrix(id, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});
    ZS_MATRIX singular;
    fMatrixScaling(singular, 1, 0, 1);
    EXPECT_FALSE(fMatrixInverse(inv, singular));
}

TEST(ToolkitMatrix, AxisRotationLookAtAndSkippedAngles)
{
    ZS_MATRIX m;
    float axis[3] = {0, 0, 2};
    m.fMakeAxisRotation(kPi / 2, axis);
    EXPECT_FLOAT_EQ(axis[2], 1.0f);
    EXPECT_NEAR(m.m[0], 0, 1e-6f);
    EXPECT_NEAR(m.m[1], 1, 1e-6f);
    EXPECT_NEAR(m.m[4], -1, 1e-6f);
    EXPECT_NEAR(m.m[5], 0, 1e-6f);
    EXPECT_NEAR(m.m[10], 1, 1e-6f);

    ZS_MATRIX t;
    t.fMakeTranslation(5, 6, 7);
    ZS_MATRIX before = t;
    fMatrixRotate(t, 0, 0, 0);
    fExpectMatrix(t, before.m);

    // The appended transformation acts first on points.
    fMatrixScaleXYZ(t, 2, 2, 2);
    float v[3] = {1, 1, 1};
    t.fTransformPoint(v);
    EXPECT_FLOAT_EQ(v[0], 7);
    EXPECT_FLOAT_EQ(v[2], 9);

    ZS_MATRIX look;
    fMatrixLookAt(look, 1, 2, 3, 1, 2, 3, 0, 1, 0);
    for (float e : look.m)
        EXPECT_FALSE(std::isnan(e));
}

TEST(ScreenMatrices, OneUnitIsNearlyOneGamePixel)
{
    ZC_PLATFORM_DEVICE::fSetNullMode(true);
    ZC_RENDER r;
    ASSERT_EQ(r.fInit(nullptr, 0.1f, 0.0f), 1);
    EXPECT_NEAR(r.fGetCameraDistance(), 928.27f, 0.01f);
    EXPECT_NEAR(r.fGetFarPlane(), 4641.3f, 0.1f);
    fExpectMatrix(r.fGetLetterbox(), {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1});

    float p[3];
    fToScreen(r, 0, 0, p);
    EXPECT_NEAR(p[0], -1.0f, 1e-4f);
    EXPECT_NEAR(p[1], 1.0f, 1e-4f);
    fToScreen(r, 1025, 769, p);
    EXPECT_NEAR(p[0], 1.0f, 1e-4f);
    EXPECT_NEAR(p[1], -1.0f, 1e-4f);
    EXPECT_GT(p[2], 0.0f);
    EXPECT_LT(p[2], 1.0f);

    ZC_CAMERA* camera = r.fCreateCamera(0, 0);
    EXPECT_NEAR(camera->eye.x, 512.5f, 1e-3f);
    EXPECT_NEAR(camera->eye.y, -384.5f, 1e-3f);
    EXPECT_NEAR(camera->eye.z, -928.27f, 0.01f);
    delete camera;
    ZC_PLATFORM_DEVICE::fSetNullMode(false);
}

TEST(BatchWorld, PivotLandsOnThePositionAndTurnsAndScalesAboutIt)
{
    ZC_PLATFORM_DEVICE::fSetNullMode(true);
    ZC_RENDER r;
    ASSERT_EQ(r.fInit(nullptr, 0.1f, 0.0f), 1);
    ZS_TRANSFORM3 t;
    t.fSetPivot(50, 30, 0);
    t.fSetPosition(200, 100, 0);
    t.fSetScale(2, 3, 1);
    struct
    {
        float rotationZ;
        float x, y;       // a point of the drawable
        float wx, wy;     // where it lands
    } cases[] = {
        {0, 50, 30, 200, 100},          // the pivot itself
        {0, 60, 30, 220, 100},          // scaled by 2 along x
        {0, 50, 40, 200, 130},          // scaled by 3 along y
        {kPi / 2, 60, 30, 200, 130},    // turned a quarter, then scaled along the screen axes
    };
    for (const auto& c : cases)
    {
        t.fSetRotationZ(c.rotationZ);
        r.fSetWorldTransform(t);
        ZS_VERTEX v;
        v.fSetPosition(c.x, c.y, 0);
        v.fTransform(r.fGetBatchWorld());
        EXPECT_NEAR(v.x, c.wx, 1e-3f) << c.x << "," << c.y << " turned " << c.rotationZ;
        EXPECT_NEAR(v.y, c.wy, 1e-3f) << c.x << "," << c.y << " turned " << c.rotationZ;
    }
    ZC_PLATFORM_DEVICE::fSetNullMode(false);
}
