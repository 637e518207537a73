#include <gtest/gtest.h>

#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_IMAGE.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
class Images : public ZT_GUI::ZT_GUI_WORLD
{
protected:
    ZC_GUI_IMAGE* image = nullptr;

    void SetUp() override
    {
        ZT_GUI_WORLD::SetUp();
        fPutPng("square.png", 64, 64);
        fPutPng("wide.png", 128, 32);
        fMount();
        image = new ZC_GUI_IMAGE(3, "square.png");
        image->fSetPosition(300, 200, 0);
        gui->fAdd(image);
    }
    int fCode(ZS_GUI_EVENT* e) { return e ? e->code : 0; }
};
}

namespace
{
// Counts the update walks that reach it.
struct ZT_UPDATE_COUNTER : ZC_GUI_OBJECT
{
    ZT_UPDATE_COUNTER() : ZC_GUI_OBJECT(9) {}
    ZS_GUI_EVENT* fUpdate() override
    {
        ++updates;
        return nullptr;
    }
    int updates = 0;
};
}

TEST_F(Images, AnyKeyOverThePictureReportsOnceAndKeepsItsCode)
{
    auto* after = new ZT_UPDATE_COUNTER;
    gui->fAdd(after);
    fMoveTo(300, 200);
    fKeyDown(1);
    EXPECT_EQ(gui->fOnKeyDown(), nullptr) << "no zone before the first restore";
    EXPECT_EQ(image->fGetWidth(), 0.0f);

    gui->fRestoreResources();
    EXPECT_EQ(image->fGetWidth(), 64.0f);
    fKeyDown('Q');
    EXPECT_EQ(fCode(gui->fOnKeyDown()), 7);
    fKeyUp(2);
    EXPECT_EQ(fCode(gui->fOnKeyUp()), 8);
    // The click is reported by the key walk alone; the update walk goes on past the image to
    // the widgets after it, frame after frame, and the image keeps its code for readers.
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(gui->fUpdate(), nullptr) << frame;
    EXPECT_EQ(after->updates, 3);
    EXPECT_EQ(image->fGetEventCode(), 8);
    EXPECT_EQ(gui->fGetEventCodeOf(3), 8);

    fMoveTo(340, 200); // outside the 64 x 64 box around (300, 200)
    EXPECT_EQ(image->fGetEventCode(), 8) << "a pointer move does not clear it";
    fKeyDown(1);
    EXPECT_EQ(gui->fOnKeyDown(), nullptr);
    EXPECT_EQ(image->fGetEventCode(), 0);
    gui->fReleaseResources();
}

TEST_F(Images, NewTextureMakesPictureAndZoneOfItsSize)
{
    gui->fRestoreResources();
    ZS_TEXTURE* square = image->fGetSprite()->texture;
    EXPECT_EQ(fUsers(square), 1);

    image->fSetTexture("wide.png");
    EXPECT_EQ(fUsers(square), 0);
    EXPECT_EQ(image->fGetWidth(), 128.0f);
    EXPECT_EQ(image->fGetHeight(), 32.0f);
    const ZS_HIT_ZONE* zone = image->fGetHitZone();
    EXPECT_TRUE(zone->fContains(363, 200)) << "centred on the same position";
    EXPECT_FALSE(zone->fContains(300, 217));
    EXPECT_TRUE(zone->fContains(237, 200));
    EXPECT_FALSE(zone->fContains(236, 200));
    EXPECT_EQ(fUsers(image->fGetSprite()->texture), 1);
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(image->fGetSprite()->texture), -1) << "the default texture is nobody's resource";
}

TEST_F(Images, SettersBeforeTheFirstRestoreWaitForIt)
{
    image->fSetTexture("wide.png"); // only the name changes
    image->fSetHotSpot(HS_UL);
    image->fSetSize(20, 10); // kept for the picture to come
    EXPECT_EQ(image->fGetWidth(), 0.0f);
    gui->fRestoreResources();
    EXPECT_EQ(image->fGetTextureName(), "wide.png");
    EXPECT_EQ(image->fGetWidth(), 20.0f);
    EXPECT_EQ(image->fGetHeight(), 10.0f);
    // Upper-left hot spot: the zone runs right and down from the position.
    EXPECT_TRUE(image->fGetHitZone()->fContains(310, 205));
    EXPECT_FALSE(image->fGetHitZone()->fContains(299, 205));
    // After the picture exists only the picture is resized.
    image->fSetSize(4, 4);
    EXPECT_EQ(image->fGetWidth(), 4.0f);
    EXPECT_TRUE(image->fGetHitZone()->fContains(310, 205));
    gui->fReleaseResources();
}
