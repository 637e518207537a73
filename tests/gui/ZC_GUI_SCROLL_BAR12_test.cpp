// The scroll bar: its pictures and zone marks, and its texture's return.
#include <gtest/gtest.h>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/gui/ZC_GUI_SCROLL_BAR12.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_WIDGET_TEST.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

class ScrollBar : public ZT_GUI::ZT_GUI_WORLD
{
};

TEST_F(ScrollBar, DrawsItsCellsAndMarksItsZonesAndGivesItsTextureBack)
{
    ZT_GUI::fWriteCellPng(fRoot() + "bar.png", 10, 10, {0xFF101010, 0xFF202020, 0xFF303030, 0xFF404040, 0xFF505050,
                                                        0xFF606060, 0xFF707070, 0xFF808080, 0xFF909090, 0xFFA0A0A0,
                                                        0xFFB0B0B0, 0xFFC0C0C0});
    fMount();
    ZS_CALLBACK* release = fCreateCallback(fReleaseResourceByPointer);
    zcON_RELEASE_RESOURCE = release;
    ZS_TEXTURE* texture = repository->fGetTexture("bar.png");

    auto* bar = new ZC_GUI_SCROLL_BAR12(1, texture);
    bar->fSetPosition(500, 400, 0);
    EXPECT_FLOAT_EQ(bar->fGetStartZone()->sizeX, 15);
    EXPECT_FLOAT_EQ(bar->fGetPictures().startButton->fGetWidth(), 30) << "pictures twice the zone's radius";
    EXPECT_FLOAT_EQ(bar->fGetPictures().startButton->vertices[1].u, 1.0f / 12);
    EXPECT_EQ(bar->fOnKeyDown(), nullptr);

    ASSERT_EQ(render->fBeginFrame(), 1);
    bar->fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    auto px = [](float game) { return int(game * 1024.0f / 1025.0f); };
    // The thumb is drawn last at the widget's position; the zone marks at the zones' own
    // positions, the origin.
    EXPECT_EQ(fPixel(px(500), px(400)), 0xFF707070u);
    EXPECT_EQ(fPixel(px(2), px(2)), 0xFFFF0000u);
    EXPECT_EQ(fPixel(px(9), px(2)), 0xFF00FF00u);

    EXPECT_EQ(fUsers(texture), 1);
    delete bar;
    EXPECT_EQ(fUsers(texture), 0);
    zcON_RELEASE_RESOURCE = nullptr;
    delete release;
}
