#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <string>

#include "engine/core/ZS_TRANSFORM3.h"
#include "support/ZT_ALLOCATION_COUNT.h"

using namespace ZOR;

namespace
{
const float kPi = 3.1415927f;

ZS_TRANSFORM3 fAt(float x, float y, float rotationZ = 0.0f, float scale = 1.0f)
{
    ZS_TRANSFORM3 t;
    t.fSetPosition(x, y, 0.0f);
    t.fSetRotationZ(rotationZ);
    t.fSetScale(scale, scale, 1.0f);
    return t;
}

bool fSameWords(const ZS_TRANSFORM3& a, const ZS_TRANSFORM3& b)
{
    return a.reserved == b.reserved && a.pivot == b.pivot && a.rotation == b.rotation && a.scale == b.scale &&
           a.position == b.position && a.parent == b.parent;
}
}

TEST(TransformCompose, WithoutParentIsAnExactCopy)
{
    ZS_TRANSFORM3 t = fAt(3.5f, -2.0f, 0.7f, 1.5f);
    t.fSetPivot(1, 2, 3);
    t.reserved = 42;
    EXPECT_TRUE(fSameWords(t, t.fCompose()));
}

TEST(TransformCompose, ParentScalesMovesAndTurnsTheChild)
{
    ZS_TRANSFORM3 parent = fAt(100.0f, 50.0f, kPi / 2, 2.0f);
    ZS_TRANSFORM3 child = fAt(10.0f, 0.0f);
    child.position.z = 5.0f;
    child.fSetPivot(4, 4, 0);
    child.parent = &parent;

    ZS_TRANSFORM3 w = child.fCompose();
    EXPECT_NEAR(100.0f, w.position.x, 1e-4f);
    EXPECT_NEAR(70.0f, w.position.y, 1e-4f);
    EXPECT_EQ(5.0f, w.position.z);
    EXPECT_FLOAT_EQ(kPi / 2, w.rotation.z);
    EXPECT_EQ(ZS_VECTOR3(2, 2, 1), w.scale);
    EXPECT_EQ(ZS_VECTOR3(4, 4, 0), w.pivot);
    EXPECT_EQ(&parent, w.parent);
}

TEST(TransformCompose, TwoLevelChainMapsAPointToWorldAndBack)
{
    // Grandparent at (200, 100) turned a quarter; parent 10 to its right, scaled 2;
    // child 5 below the parent with pivot (3, 1).
    ZS_TRANSFORM3 grand = fAt(200.0f, 100.0f, kPi / 2);
    ZS_TRANSFORM3 parent = fAt(10.0f, 0.0f, 0.0f, 2.0f);
    ZS_TRANSFORM3 child = fAt(0.0f, 5.0f);
    child.fSetPivot(3, 1, 0);
    parent.parent = &grand;
    child.parent = &parent;

    // Parent world: (210, 100) turned about (200, 100) -> (200, 110), scale 2.
    ZS_TRANSFORM3 pw = parent.fCompose();
    EXPECT_NEAR(200.0f, pw.position.x, 1e-4f);
    EXPECT_NEAR(110.0f, pw.position.y, 1e-4f);
    // Child: (0, 5) scaled to (0, 10), moved to (200, 120), turned about (200, 110) -> (190, 110).
    ZS_TRANSFORM3 w = child.fCompose();
    EXPECT_NEAR(190.0f, w.position.x, 1e-4f);
    EXPECT_NEAR(110.0f, w.position.y, 1e-4f);
    EXPECT_FLOAT_EQ(kPi / 2, w.rotation.z);
    EXPECT_EQ(ZS_VECTOR3(2, 2, 1), w.scale);

    // The child's world position maps onto its pivot; a point one step along the world
    // x axis lies one step along the child's turned frame.
    float x = w.position.x, y = w.position.y;
    fPointWorldToLocal(&x, &y, child);
    EXPECT_NEAR(3.0f, x, 1e-4f);
    EXPECT_NEAR(1.0f, y, 1e-4f);
    x = w.position.x;
    y = w.position.y + 1.0f;
    fPointWorldToLocal(&x, &y, child);
    EXPECT_NEAR(4.0f, x, 1e-4f);
    EXPECT_NEAR(1.0f, y, 1e-4f);
}

TEST(TransformCompose, ParentChainThatLoopsEndsInsteadOfRecursing)
{
    ZS_TRANSFORM3 a = fAt(1.0f, 0.0f), b = fAt(10.0f, 0.0f);
    a.parent = &b;
    b.parent = &a;
    ZS_TRANSFORM3 w = a.fCompose(); // b is folded once, then the loop is cut
    EXPECT_FLOAT_EQ(11.0f, w.position.x);
    ZS_TRANSFORM3 self = fAt(2.0f, 0.0f);
    self.parent = &self;
    EXPECT_FLOAT_EQ(2.0f, self.fCompose().position.x);
}

// Every drawable composes its transform each frame, and a frame allocates nothing.
TEST(TransformCompose, ComposingAChainAllocatesNothing)
{
    ZS_TRANSFORM3 root = fAt(100.0f, 0.0f), middle = fAt(10.0f, 0.0f, kPi / 2), leaf = fAt(1.0f, 0.0f);
    middle.parent = &root;
    leaf.parent = &middle;
    uint64_t before = fAllocationCount().load();
    ZS_TRANSFORM3 w = leaf.fCompose();
    EXPECT_EQ(before, fAllocationCount().load());
    EXPECT_NEAR(110.0f, w.position.x, 1e-4f);
    EXPECT_NEAR(1.0f, w.position.y, 1e-4f);
}

TEST(TransformAssign, CopiesTheParentButNeverTheReservedWord)
{
    ZS_TRANSFORM3 parent;
    ZS_TRANSFORM3 from = fAt(1, 2, 3, 4);
    from.parent = &parent;
    from.reserved = 7;
    ZS_TRANSFORM3 to;
    to.reserved = 9;
    to = from;
    EXPECT_EQ(9u, to.reserved);
    EXPECT_EQ(&parent, to.parent);
    EXPECT_EQ(from.position, to.position);
    EXPECT_EQ(from.scale, to.scale);
}

TEST(TransformText, ParsesTwelveNumbersAndAlwaysClearsTheParent)
{
    ZS_TRANSFORM3 parent;
    struct Case { const char* text; const char* printed; };
    const Case cases[] = {
        {"1 2 3 4 5 6 7 8 9 10 11 12",
         "1.000 2.000 3.000 4.000 5.000 6.000 7.000 8.000 9.000 10.000 11.000 12.000"},
        {"1 2 3 4 5 6 7 8 9 10 11 12 13 14",
         "1.000 2.000 3.000 4.000 5.000 6.000 7.000 8.000 9.000 10.000 11.000 12.000"},
        // Eleven numbers: the default record.
        {"1 2 3 4 5 6 7 8 9 10 11",
         "0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 0.000 1.000 1.000 1.000"},
        // An empty piece from a doubled blank reads 0.
        {"1  3 4 5 6 7 8 9 10 11 12.5",
         "1.000 0.000 3.000 4.000 5.000 6.000 7.000 8.000 9.000 10.000 11.000 12.500"},
    };
    for (const Case& c : cases)
    {
        ZS_TRANSFORM3 t = fAt(50, 60, 1, 3);
        t.parent = &parent;
        t.fParse(c.text);
        EXPECT_EQ(nullptr, t.parent) << c.text;
        EXPECT_STREQ(c.printed, t.fToText()) << c.text;
    }

    ZS_TRANSFORM3 t;
    t.fParse("10 20 0 5 6 0 0 0 1.5 2 3 1");
    EXPECT_EQ(ZS_VECTOR3(10, 20, 0), t.position);
    EXPECT_EQ(ZS_VECTOR3(5, 6, 0), t.pivot);
    EXPECT_EQ(ZS_VECTOR3(0, 0, 1.5f), t.rotation);
    EXPECT_EQ(ZS_VECTOR3(2, 3, 1), t.scale);
}

TEST(TransformText, TextTooLongForTheBufferIsCutNotOverrun)
{
    ZS_TRANSFORM3 t;
    for (int i = 0; i < 12; ++i)
        t.fNumber(i) = -FLT_MAX;
    std::string text = t.fToText();
    EXPECT_EQ(255u, text.size());
    char one[64];
    std::snprintf(one, sizeof one, "%.3f ", -FLT_MAX);
    EXPECT_EQ(0u, text.find(std::string(one) + one));
}
