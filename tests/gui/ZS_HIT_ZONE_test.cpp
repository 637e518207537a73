#include <gtest/gtest.h>

#include <cmath>

#include "engine/gui/ZS_HIT_ZONE.h"

using namespace ZOR;

namespace
{
struct ZT_CASE
{
    float x, y;
    bool inside;
    const char* why;
};

void fExpect(const ZS_HIT_ZONE& zone, std::initializer_list<ZT_CASE> cases)
{
    for (const ZT_CASE& c : cases)
        EXPECT_EQ(zone.fContains(c.x, c.y), c.inside) << c.why << " (" << c.x << ", " << c.y << ")";
}
}

TEST(HitZone, KindNoneAndZonesWithoutTransformHoldNothing)
{
    ZS_TRANSFORM3 t;
    ZS_HIT_ZONE none;
    EXPECT_FALSE(none.fContains(0, 0));
    none.fSet(0, &t, 100, 100, 0, 0);
    EXPECT_FALSE(none.fContains(1, 1));
    ZS_HIT_ZONE unknown(3, &t, 100, 100, 0, 0);
    EXPECT_FALSE(unknown.fContains(1, 1));
    ZS_HIT_ZONE unplaced(ZS_HIT_ZONE::KIND_RECT, nullptr, 100, 100, 0, 0);
    EXPECT_FALSE(unplaced.fContains(1, 1));
}

TEST(HitZone, CircleIsRadiusPixelsAroundTheWorldPositionWhateverTheScale)
{
    ZS_TRANSFORM3 parent;
    parent.fSetPosition(60, 40, 0);
    ZS_TRANSFORM3 t;
    t.fSetPosition(40, 60, 0);
    t.parent = &parent;
    t.fSetPivot(7, 7, 0); // pivot and scale take no part
    ZS_HIT_ZONE zone;
    zone.fSet(ZS_HIT_ZONE::KIND_CIRCLE, &t, 15, 0, 0, 0);
    const std::initializer_list<ZT_CASE> cases = {
        {114, 100, true, "inside on the axis"},
        {115, 100, false, "distance equal to the radius"},
        {110, 111, true, "distance about 14.87"},
        {111, 111, false, "distance about 15.56"},
        {100, 85, false, "on the bounding box"},
    };
    fExpect(zone, cases);
    t.fSetScale(2, 2, 2);
    fExpect(zone, cases);
}

TEST(HitZone, RectangleIsTheBoxBehindThePivotInTheTurnedFrame)
{
    ZS_TRANSFORM3 parent;
    ZS_TRANSFORM3 t;
    t.parent = &parent;
    t.fSetPosition(200, 100, 0);
    t.fSetPivot(20, 10, 0);
    ZS_HIT_ZONE zone;
    zone.fSet(ZS_HIT_ZONE::KIND_RECT, &t, 40, 20, 0, 0);
    fExpect(zone, {
                      {200, 100, true, "centre"},
                      {181, 91, true, "near the top left corner"},
                      {180, 100, false, "left border"},
                      {200, 110, false, "bottom border"},
                      {219.5f, 109.5f, true, "near the bottom right corner"},
                  });

    parent.fSetPosition(50, 0, 0);
    fExpect(zone, {{250, 100, true, "follows the parent"}, {231, 100, true, "left edge of the moved box"},
                   {230, 100, false, "left border of the moved box"}});
    parent.fSetPosition(0, 0, 0);

    t.fSetRotationZ(float(M_PI / 2));
    fExpect(zone, {{200, 119, true, "the turned box is tall"}, {219, 100, false, "and narrow"}});

    // A parent's turn counts too.
    t.fSetRotationZ(0);
    t.fSetPosition(0, 0, 0);
    parent.fSetPosition(200, 100, 0);
    parent.fSetRotationZ(float(M_PI / 2));
    fExpect(zone, {{200, 119, true, "turned by the parent"}, {219, 100, false, "turned by the parent"}});
}

TEST(HitZone, RectangleIsTrimmedByTheScaledSquareFirst)
{
    ZS_TRANSFORM3 t;
    t.fSetPosition(100, 100, 0);
    t.fSetPivot(50, 5, 0);
    ZS_HIT_ZONE zone;
    zone.fSet(ZS_HIT_ZONE::KIND_RECT, &t, 100, 10, 0, 0);
    // Turned a quarter: the box is 10 wide and 100 tall; the square of half side 50 holds it.
    t.fSetRotationZ(float(M_PI / 2));
    fExpect(zone, {{100, 140, true, "inside the turned box and the square"}});

    // Half scale: the square shrinks to half side 25 and refuses what the unscaled box holds.
    t.fSetScale(0.5f, 0.5f, 1);
    t.fSetRotationZ(0);
    fExpect(zone, {{120, 100, true, "within the scaled half width"}, {130, 100, false, "outside the square"}});

    // Twice the scale: the unscaled box still decides.
    t.fSetScale(2, 2, 1);
    fExpect(zone, {{149, 100, true, "inside the unscaled box"}, {151, 100, false, "outside the unscaled box"}});
}

TEST(HitZone, RectangleFollowsAnyPivotAsTheQuadIsDrawn)
{
    // Pivot at the upper left (a picture placed by its upper-left hot spot): the picture and
    // its zone run right and down from the position, not up and left.
    ZS_TRANSFORM3 t;
    t.fSetPosition(200, 100, 0);
    ZS_HIT_ZONE zone;
    zone.fSet(ZS_HIT_ZONE::KIND_RECT, &t, 40, 20, 0, 0);
    fExpect(zone, {{201, 101, true, "just inside the top left corner"},
                   {239, 119, true, "just inside the bottom right corner"},
                   {199, 101, false, "left of the picture"},
                   {220, 121, false, "below the picture"},
                   {190, 95, false, "the mirrored box"}});

    // Turned a quarter about that corner: the box hangs down and to the left.
    t.fSetRotationZ(float(M_PI / 2));
    fExpect(zone, {{190, 120, true, "inside the turned box"}, {210, 120, false, "where the unturned box was"}});

    // Pivot at the bottom right corner.
    t.fSetRotationZ(0);
    t.fSetPivot(40, 20, 0);
    fExpect(zone, {{161, 81, true, "above and left"}, {201, 101, false, "below and right"}});
}
