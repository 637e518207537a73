// Buttons outside the widget tree: sizes, the polled press and release, and the toggle's look.
#include <gtest/gtest.h>

#include <vector>

#include "engine/core/ZC_INPUT.h"
#include "engine/gui/ZC_SIMPLE_BUTTON.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_WIDGET_TEST.h"
#include "render/ZT_RENDER_FIXTURE.h"

using namespace ZOR;

namespace
{
// One input step: the states age, then what happened lands.
void fStep(ZC_INPUT& input, int downKey = 0, int upKey = 0)
{
    input.fAdvanceFrame();
    if (downKey)
        input.fOnKeyDown(downKey);
    if (upKey)
        input.fOnKeyUp(upKey);
}
}

TEST(SimpleButton, SizesComeFromOneFrameUnlessGiven)
{
    ZS_TEXTURE strip = ZT_GUI::fSizedTexture(200, 40);
    ZC_SIMPLE_BUTTON rect;
    rect.fInit(&strip, nullptr, ZS_HIT_ZONE::KIND_RECT, 0, 0);
    EXPECT_FLOAT_EQ(rect.fGetPicture()->fGetWidth(), 40);
    EXPECT_FLOAT_EQ(rect.fGetPicture()->fGetHeight(), 40);
    EXPECT_FLOAT_EQ(rect.fGetZone()->sizeX, 40);
    EXPECT_FLOAT_EQ(rect.fGetZone()->sizeY, 40);
    EXPECT_FLOAT_EQ(rect.fGetTransform()->pivot.x, 20) << "placed by its centre";

    ZS_TRANSFORM3 mine;
    ZC_SIMPLE_BUTTON circle;
    circle.fInit(&strip, &mine, ZS_HIT_ZONE::KIND_CIRCLE, 40, 0);
    EXPECT_FLOAT_EQ(circle.fGetZone()->sizeX, 20) << "a circle's width is its diameter";
    EXPECT_FLOAT_EQ(circle.fGetPicture()->fGetHeight(), 40);
    EXPECT_EQ(circle.fGetTransform(), &mine);
    circle.fFree();
    EXPECT_EQ(circle.fGetTransform(), nullptr);

    // A second init replaces the parts of the first.
    rect.fInit(&strip, nullptr, ZS_HIT_ZONE::KIND_RECT, 30, 10);
    EXPECT_FLOAT_EQ(rect.fGetPicture()->fGetWidth(), 30);
}

TEST(SimpleButton, PressReleaseAndTheLastHeldButtonDecideTheClick)
{
    ZC_INPUT input;
    ZS_TEXTURE strip = ZT_GUI::fSizedTexture(200, 40);
    ZC_SIMPLE_BUTTON button;
    button.fInit(&strip, nullptr, ZS_HIT_ZONE::KIND_RECT, 0, 0);
    button.fGetTransform()->fSetPosition(100, 100, 0);
    int enters = 0, downs = 0, lefts = 0, rights = 0;
    button.onEnter = fCreateCallback(ZT_GUI::fCountCall, "enter", &enters);
    button.onDown = fCreateCallback(ZT_GUI::fCountCall, "down", &downs);
    button.onLeftClick = fCreateCallback(ZT_GUI::fCountCall, "left", &lefts);
    button.onRightClick = fCreateCallback(ZT_GUI::fCountCall, "right", &rights);

    // Entering with the left button going down presses at once.
    input.fOnMouseMove(100, 100);
    fStep(input, 1);
    EXPECT_EQ(button.fUpdate(), 2);
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(downs, 1);
    fStep(input, 0, 1);
    EXPECT_EQ(button.fUpdate(), SIMPLE_BUTTON_RELEASED);
    EXPECT_EQ(lefts, 1);
    EXPECT_EQ(button.fGetState(), 1);

    // Both held: the left release clicks nothing while the right is down, and the right
    // release in the hover state that follows fires nothing either.
    fStep(input, 1);
    input.fOnKeyDown(2);
    EXPECT_EQ(button.fUpdate(), 0);
    EXPECT_TRUE(button.fIsLeftHeld() && button.fIsRightHeld());
    fStep(input, 0, 1);
    EXPECT_EQ(button.fUpdate(), SIMPLE_BUTTON_RELEASED);
    EXPECT_EQ(lefts, 1);
    EXPECT_EQ(button.fGetState(), 1);
    fStep(input, 0, 2);
    EXPECT_EQ(button.fUpdate(), 0);
    EXPECT_EQ(rights, 0);

    // Leaving while pressed disarms the press.
    fStep(input, 1);
    EXPECT_EQ(button.fUpdate(), 0);
    EXPECT_EQ(button.fGetState(), 2);
    input.fOnMouseMove(300, 300);
    fStep(input, 0, 1);
    EXPECT_EQ(button.fUpdate(), 0);
    EXPECT_EQ(button.fGetState(), 0);
    EXPECT_EQ(lefts, 1);

    for (ZS_CALLBACK* r : {button.onEnter, button.onDown, button.onLeftClick, button.onRightClick})
        delete r;
}

class Toggle : public ZT_RENDER::ZT_GL_RENDER
{
protected:
    ZC_INPUT* input = nullptr;
    ZS_TEXTURE* strip = nullptr;

    void SetUp() override
    {
        ZT_GL_RENDER::SetUp();
        input = new ZC_INPUT;
        // Five 20 x 20 frames: red, green, blue, a white mark on nothing, black.
        const uint32_t colors[5] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0x00000000, 0xFF000000};
        std::vector<uint32_t> pixels(100 * 20);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x)
            {
                const int frame = x / 20, fx = x % 20;
                const bool mark = frame == 3 && fx >= 7 && fx < 13 && y >= 7 && y < 13;
                pixels[size_t(y * 100 + x)] = mark ? 0xFFFFFFFF : colors[frame];
            }
        strip = render->fCreateTexture(100, 20);
        ASSERT_TRUE(render->fSetTexturePixels(strip, pixels.data()));
    }
    void TearDown() override
    {
        delete input;
        ZT_GL_RENDER::TearDown();
    }

    // The toggle drawn alone: its corner and centre pixels.
    void fLook(ZC_SIMPLE_TOGGLE& toggle, uint32_t* corner, uint32_t* centre)
    {
        ASSERT_EQ(render->fBeginFrame(), 1);
        toggle.fDraw();
        ASSERT_EQ(render->fEndFrame(), 0);
        auto px = [](float game) { return int(game * 1024.0f / 1025.0f); };
        *corner = fPixel(px(193), px(193));
        *centre = fPixel(px(200), px(200));
    }
};

TEST_F(Toggle, AClickChecksItAndTheCheckMarkIsDrawnOverTheHoverLook)
{
    ZC_SIMPLE_TOGGLE toggle;
    toggle.fInit(strip);
    toggle.fGetTransform()->fSetPosition(200, 200, 0);
    int clicks = 0;
    toggle.onLeftClick = fCreateCallback(ZT_GUI::fCountCall, "click", &clicks);

    input->fOnMouseMove(200, 200);
    fStep(*input);
    EXPECT_EQ(toggle.fUpdate(), 0);
    fStep(*input, 1);
    toggle.fUpdate();
    fStep(*input, 0, 1);
    EXPECT_EQ(toggle.fUpdate(), SIMPLE_BUTTON_RELEASED);
    EXPECT_TRUE(toggle.fIsChecked());
    EXPECT_EQ(clicks, 1);
    fStep(*input);
    toggle.fUpdate();

    uint32_t corner = 0, centre = 0;
    fLook(toggle, &corner, &centre);
    fSaveFrame("toggle_checked");
    EXPECT_EQ(corner, 0xFF00FF00u) << "hover frame underneath";
    EXPECT_EQ(centre, 0xFFFFFFFFu) << "check mark on top";

    // Leaving keeps it checked, over the normal look.
    input->fOnMouseMove(400, 400);
    fStep(*input);
    toggle.fUpdate();
    EXPECT_TRUE(toggle.fIsChecked());
    fLook(toggle, &corner, &centre);
    EXPECT_EQ(corner, 0xFFFF0000u);
    EXPECT_EQ(centre, 0xFFFFFFFFu);

    // A second click unchecks it: the hover frame alone.
    input->fOnMouseMove(200, 200);
    fStep(*input);
    toggle.fUpdate();
    fStep(*input, 1);
    toggle.fUpdate();
    fStep(*input, 0, 1);
    EXPECT_EQ(toggle.fUpdate(), SIMPLE_BUTTON_RELEASED);
    EXPECT_FALSE(toggle.fIsChecked());
    EXPECT_EQ(clicks, 2);
    fLook(toggle, &corner, &centre);
    EXPECT_EQ(corner, 0xFF00FF00u);
    EXPECT_EQ(centre, 0xFF00FF00u);
    delete toggle.onLeftClick;
}
