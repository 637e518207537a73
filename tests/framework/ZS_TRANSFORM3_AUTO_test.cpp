// Screen-relative placement at a few resolutions.
#include "framework/ZS_TRANSFORM3_AUTO.h"

#include <gtest/gtest.h>

#include "engine/bots/ZT_BOT_SLEEP.h"

using namespace ZOR_GF;

namespace
{
// The shared screen size for one test, put back afterwards.
struct ScreenRelative : ::testing::Test
{
    void TearDown() override { ZS_TRANSFORM3_AUTO::fSetScreenSize(1024, 768); }
};
}

TEST_F(ScreenRelative, FractionsPlaceAtTheScreenSize)
{
    struct
    {
        int width, height;
        float autoX, autoY, x, y;
    } cases[] = {
        {800, 600, 0.5f, 0.25f, 400, 150},
        {1024, 768, 0.5f, 0.25f, 512, 192},
        {1920, 1080, 1.0f, 0.5f, 1920, 540},
        {1280, 1024, -0.1f, 0.0f, -128, 0},
    };
    for (const auto& c : cases)
    {
        ZS_TRANSFORM3_AUTO::fSetScreenSize(c.width, c.height);
        ZS_TRANSFORM3_AUTO t;
        t.fSetPosition(9, 9, 7);
        t.fSetPivot(1, 2, 3);
        t.fSetAuto(c.autoX, c.autoY);
        EXPECT_FLOAT_EQ(t.position.x, c.x) << c.width << "x" << c.height;
        EXPECT_FLOAT_EQ(t.position.y, c.y) << c.width << "x" << c.height;
        EXPECT_FLOAT_EQ(t.position.z, 7);
        EXPECT_FLOAT_EQ(t.pivot.y, 2);
    }

    // A later screen size does not move what was placed.
    ZS_TRANSFORM3_AUTO::fSetScreenSize(800, 600);
    ZS_TRANSFORM3_AUTO placed;
    placed.fSetAuto(0.5f, 0.5f);
    ZS_TRANSFORM3_AUTO::fSetScreenSize(1920, 1080);
    EXPECT_FLOAT_EQ(placed.position.x, 400);
}

TEST_F(ScreenRelative, XmlTextThenTheFractionsThatArePresent)
{
    struct
    {
        const char* xml;
        int width, height;
        float x, y, autoX, autoY;
    } cases[] = {
        {"<T auto_x=\"0.5\">10 20 0 0 0 0 0 0 0 1 1 1</T>", 1024, 768, 512, 20, 0.5f, 0},
        {"<T auto_y=\"0.5\">10 20 0 0 0 0 0 0 0 1 1 1</T>", 800, 600, 10, 300, 0, 0.5f},
        {"<T auto_x=\"0.25\" auto_y=\"1\">10 20 0 0 0 0 0 0 0 1 1 1</T>", 1920, 1080, 480, 1080, 0.25f, 1},
        {"<T auto_x=\"0.5\">10 20</T>", 800, 600, 400, 0, 0.5f, 0}, // a short text is the identity
    };
    for (const auto& c : cases)
    {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(c.xml));
        ZS_TRANSFORM3_AUTO::fSetScreenSize(c.width, c.height);
        ZS_TRANSFORM3_AUTO t;
        ZOR::ZS_TRANSFORM3 parent;
        t.parent = &parent;
        t.fLoadXml(document.first_child());
        EXPECT_FLOAT_EQ(t.position.x, c.x) << c.xml;
        EXPECT_FLOAT_EQ(t.position.y, c.y) << c.xml;
        EXPECT_FLOAT_EQ(t.autoX, c.autoX) << c.xml;
        EXPECT_FLOAT_EQ(t.autoY, c.autoY) << c.xml;
        EXPECT_EQ(t.parent, nullptr) << "the text clears the parent";
    }
}

TEST_F(ScreenRelative, ADelayedStoreCopiesTheWholeRecord)
{
    ZS_TRANSFORM3_AUTO target, value;
    value.fSetAuto(0.5f, 0.5f);
    value.fSetScale(2, 2, 1);
    ZOR::ZT_BOT_SLEEP<ZS_TRANSFORM3_AUTO> store;
    store.target = &target;
    store.value = value;
    store.delay = 0;
    EXPECT_EQ(store.fMessage(1, 0, 0, 0, nullptr), -113);
    EXPECT_FLOAT_EQ(target.position.x, 512);
    EXPECT_FLOAT_EQ(target.autoX, 0.5f);
    EXPECT_FLOAT_EQ(target.scale.x, 2);
}
