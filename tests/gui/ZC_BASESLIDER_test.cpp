// The slider behaviour: track geometry, value, hover, press, drag and the polled step.
#include <gtest/gtest.h>

#include "engine/core/ZC_INPUT.h"
#include "engine/gui/ZC_BASESLIDER.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "gui/ZT_WIDGET_TEST.h"

using namespace ZOR;

namespace
{
// A slider from (110, 300) to (290, 300): cell 20 and factor 1.5 give an inset of 30 and a
// 160-pixel track (world x 120 to 280) whose thumb travels 100 pixels, one per unit of a 0 to
// 100 range. The thumb sits at world x 150 + value.
class Slider : public ::testing::Test
{
protected:
    ZC_INPUT input;
    ZC_BASESLIDER* slider = nullptr;
    int changes = 0;

    void TearDown() override { delete slider; }

    void fMake(float radius = 5, float step = 5, float min = 0, float max = 100, float value = 0)
    {
        slider = new ZC_BASESLIDER(7, ZS_VECTOR2(110, 300), ZS_VECTOR2(290, 300), 20, radius, 1.5f, min, max, step,
                                   value);
        slider->fSetValueChangedCallback(fCreateCallback(ZT_GUI::fCountCall, "changed", &changes));
    }

    int fMove(int x, int y = 300)
    {
        input.fAdvanceFrame();
        input.fOnMouseMove(x, y);
        ZS_GUI_EVENT* e = slider->fOnMouseMove();
        return e ? e->code : 0;
    }
    int fDown()
    {
        input.fAdvanceFrame();
        input.fOnKeyDown(1);
        ZS_GUI_EVENT* e = slider->fOnKeyDown();
        return e ? e->code : 0;
    }
    int fUp()
    {
        input.fAdvanceFrame();
        input.fOnKeyUp(1);
        ZS_GUI_EVENT* e = slider->fOnKeyUp();
        return e ? e->code : 0;
    }
    float fThumbX() { return slider->fGetThumbTransform()->fCompose().position.x; }
};
}

TEST_F(Slider, TrackLosesHalfACellAtEachEndAndTheThumbTravelsInsideTheInset)
{
    // Centred on the origin: the track runs -90..90 about the widget and the thumb -60..60.
    ZC_BASESLIDER centred(1, ZS_VECTOR2(-100, 0), ZS_VECTOR2(100, 0), 20, 20, 1.5f, 0, 100, 5, 0);
    EXPECT_FLOAT_EQ(centred.fGetStartTransform()->position.x, -90);
    EXPECT_FLOAT_EQ(centred.fGetEndTransform()->position.x, 90);
    EXPECT_FLOAT_EQ(centred.fGetInset(), 30);
    EXPECT_FLOAT_EQ(centred.fGetThumbTransform()->position.x, -60);
    centred.fSetValue(100);
    EXPECT_FLOAT_EQ(centred.fGetThumbTransform()->position.x, 60);
    centred.fSetValue(50);
    EXPECT_NEAR(centred.fGetThumbTransform()->position.x, 0, 1e-4);
    EXPECT_EQ(centred.fGetBoxMin(), ZS_POINT(-110, -20));
    EXPECT_EQ(centred.fGetBoxMax(), ZS_POINT(110, 20));

    fMake();
    EXPECT_FLOAT_EQ(slider->fGetTransform()->position.x, 200);
    EXPECT_FLOAT_EQ(slider->fGetTransform()->position.y, 300);
    slider->fSetRange(10, 20);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 10);
    EXPECT_FLOAT_EQ(fThumbX(), 150);
    slider->fSetValue(20);
    EXPECT_FLOAT_EQ(fThumbX(), 250);
    slider->fSetValue(25);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 20);
    EXPECT_FLOAT_EQ(fThumbX(), 250);

    // Every commit fires, changed or not; with min above max the lower bound wins.
    const int before = changes;
    slider->fSetValue(20);
    EXPECT_EQ(changes, before + 1);
    slider->fSetRange(50, 40);
    slider->fSetValue(45);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 50);
}

TEST_F(Slider, DraggingSnapsToWholeStepsAndCommitsOnlyOnReleaseOrLeavingTheTrack)
{
    fMake();
    ASSERT_EQ(fMove(150), GUI_EVENT_ENTER);
    ASSERT_EQ(fDown(), GUI_EVENT_DOWN);
    const int firedAtPress = changes;

    struct
    {
        int x;
        float value, thumbX;
        const char* why;
    } cases[] = {
        {187, 35, 187, "37 snaps down to 35; the thumb stays under the pointer"},
        {247, 95, 247, "97 snaps to 95"},
        {245, 95, 245, "95 is the last step below max"},
        {255, 100, 250, "past max - step: max, thumb at the end of its travel"},
        {154, 0, 150, "4 snaps to 0 and holds the thumb at the start of its travel"},
        {106, 0, 150, "behind the start the projection is 0"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(fMove(c.x), GUI_EVENT_VALUE_CHANGED) << c.why;
        EXPECT_FLOAT_EQ(slider->fGetValue(), c.value) << c.why;
        EXPECT_FLOAT_EQ(fThumbX(), c.thumbX) << c.why;
    }
    EXPECT_EQ(changes, firedAtPress) << "dragging fires nothing";

    fMove(187);
    EXPECT_EQ(fUp(), GUI_EVENT_VALUE_CHANGED);
    EXPECT_EQ(changes, firedAtPress + 1);
    EXPECT_EQ(slider->fGetThumbState(), ZC_BASESLIDER::PART_OVER);
    EXPECT_FALSE(slider->fIsPressed());

    // Holding the thumb and leaving the track's ellipse commits once as well.
    ASSERT_EQ(fDown(), GUI_EVENT_DOWN);
    fMove(200);
    EXPECT_EQ(fMove(200, 360), GUI_EVENT_VALUE_CHANGED);
    EXPECT_EQ(changes, firedAtPress + 2);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 50);
    EXPECT_EQ(fMove(200, 361), 0) << "away from the track nothing more happens";
}

TEST_F(Slider, DragsWithoutAWholeStepOrWithoutARangeStayDefined)
{
    fMake(5, 0.5f);
    fMove(150);
    fDown();
    fMove(187);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 37) << "a step below one leaves the value unsnapped";

    slider->fSetRange(30, 30);
    fMove(220);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 30);
    EXPECT_FLOAT_EQ(fThumbX(), 150);
}

TEST_F(Slider, EndButtonsStepOnReleaseWhereverThePointerIsAndStillFireAtTheEnds)
{
    fMake(10, 5, 0, 100, 98);
    ASSERT_EQ(fMove(280), GUI_EVENT_ENTER);
    ASSERT_EQ(slider->fGetEndState(), ZC_BASESLIDER::PART_OVER);
    ASSERT_EQ(fDown(), GUI_EVENT_DOWN);
    input.fOnMouseMove(500, 500);
    const int before = changes;
    EXPECT_EQ(fUp(), GUI_EVENT_VALUE_CHANGED);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 100);
    EXPECT_EQ(changes, before + 1);

    fMove(280);
    fDown();
    EXPECT_EQ(fUp(), GUI_EVENT_VALUE_CHANGED);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 100);
    EXPECT_EQ(changes, before + 2);

    // The start button steps down.
    fMove(200);
    ASSERT_EQ(fMove(120), GUI_EVENT_ENTER);
    fDown();
    fUp();
    EXPECT_FLOAT_EQ(slider->fGetValue(), 95);
}

TEST_F(Slider, PressesCountOnlyNearTheTrackAndOnePartEntersPerMove)
{
    // Zones of radius 40 overlap: start button at x 120, thumb at 150.
    fMake(40);
    EXPECT_EQ(fMove(135), GUI_EVENT_ENTER);
    EXPECT_EQ(slider->fGetStartState(), ZC_BASESLIDER::PART_OVER);
    EXPECT_EQ(slider->fGetThumbState(), ZC_BASESLIDER::PART_AWAY);
    EXPECT_EQ(fMove(136), GUI_EVENT_ENTER);
    EXPECT_EQ(slider->fGetThumbState(), ZC_BASESLIDER::PART_OVER);

    // Still inside the start button's zone, but outside the ellipse around the track.
    EXPECT_EQ(fMove(130, 330), 0);
    EXPECT_FALSE(slider->fIsActive());
    EXPECT_EQ(fDown(), 0);
    EXPECT_EQ(slider->fGetStartState(), ZC_BASESLIDER::PART_OVER);
    EXPECT_FALSE(slider->fIsPressed());
}

TEST_F(Slider, TheNearTestFollowsTheTrackWhereverItIsDrawn)
{
    // In a window moved by (100, 50), and moved again after it was made, the slider answers
    // where its parts are.
    ZC_GUI gui;
    gui.fSetPosition(100, 50, 0);
    fMake();
    gui.fAdd(slider);
    EXPECT_FLOAT_EQ(fThumbX(), 250);
    EXPECT_EQ(fMove(250, 350), GUI_EVENT_ENTER);
    EXPECT_EQ(fMove(300, 350), GUI_EVENT_LEAVE);

    slider->fSetPosition(300, 100, 0);
    EXPECT_EQ(fMove(350, 150), GUI_EVENT_ENTER);
    EXPECT_TRUE(slider->fIsActive());
    slider = nullptr; // the GUI deletes it
}

TEST_F(Slider, PolledStepHoldsTheWalkWhileAPartIsHeldAndStepsOnlyOnAReleaseInside)
{
    fMake(10, 5, 0, 100, 50);
    ZC_GUI_OBJECT root(0);
    root.fAddChild(slider);

    input.fOnMouseMove(120, 300);
    ZS_GUI_EVENT* e = root.fUpdateTree();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->code, GUI_EVENT_ENTER);
    input.fAdvanceFrame();
    input.fOnKeyDown(1);
    EXPECT_EQ(root.fUpdateTree()->code, GUI_EVENT_DOWN);

    // Held: the slider answers every frame, with nothing to report.
    input.fAdvanceFrame();
    e = root.fUpdateTree();
    ASSERT_EQ(e, slider->fGetEvent());
    EXPECT_EQ(e->code, 0);

    input.fAdvanceFrame();
    input.fOnKeyUp(1);
    EXPECT_EQ(root.fUpdateTree()->code, GUI_EVENT_VALUE_CHANGED);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 45);

    // Released outside the button's zone (still near the track): no step.
    input.fAdvanceFrame();
    input.fOnKeyDown(1);
    root.fUpdateTree();
    input.fAdvanceFrame();
    input.fOnMouseMove(160, 300);
    input.fOnKeyUp(1);
    e = root.fUpdateTree();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->code, 0);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 45);
    EXPECT_EQ(slider->fGetStartState(), ZC_BASESLIDER::PART_OVER);
    root.fRemoveChild(slider);
    slider = nullptr;
}
