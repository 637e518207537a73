// The simple slider: runner and filled track as the player sees them, the drag by any key, the
// value at the ends, and its two textures' counting.
#include <gtest/gtest.h>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZC_GUI_SIMPLE_SLIDER.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_WIDGET_TEST.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
const uint32_t kEmpty = 0xFFFF0000;
const uint32_t kFull = 0xFF00FF00;
const uint32_t kRunner = 0xFF0000FF;

// A 300 x 20 track (150 empty, 150 full) and a 30 x 10 runner: a 150-pixel track whose runner
// travels 120 pixels, and whose track shows above and below the runner.
class SimpleSlider : public ZT_GUI::ZT_GUI_WORLD
{
protected:
    ZC_GUI* gui = nullptr;
    ZC_GUI_SIMPLE_SLIDER* slider = nullptr;

    void SetUp() override
    {
        ZT_GUI_WORLD::SetUp();
        ZT_GUI::fWriteCellPng(fRoot() + "track.png", 150, 20, {kEmpty, kFull});
        ZT_GUI::fWriteCellPng(fRoot() + "runner.png", 30, 10, {kRunner});
        ZT_GUI::fWriteCellPng(fRoot() + "wide.png", 150, 10, {kRunner});
        fMount();
        gui = new ZC_GUI;
        slider = new ZC_GUI_SIMPLE_SLIDER(3, "track.png", "runner.png");
        slider->fSetPosition(400, 300, 0);
        gui->fAdd(slider);
    }
    void TearDown() override
    {
        delete gui;
        ZT_GUI_WORLD::TearDown();
    }

    int fCode(ZS_GUI_EVENT* e) { return e ? e->code : 0; }
    float fRunnerX() { return slider->fGetRunner()->fGetTransform()->fCompose().position.x; }
    uint32_t fAt(float x, float y)
    {
        auto px = [](float game) { return int(game * 1024.0f / 1025.0f); };
        return fPixel(px(x), px(y));
    }
    void fDrawFrame()
    {
        ASSERT_EQ(render->fBeginFrame(), 1);
        gui->fDraw();
        ASSERT_EQ(render->fEndFrame(), 0);
    }
};
}

TEST_F(SimpleSlider, TheTrackFillsFromItsLeftEdgeToTheRunnersCentre)
{
    slider->fSetValue(1);
    gui->fRestoreResources();
    EXPECT_EQ(slider->fGetTrackSize(), ZS_VECTOR2(150, 20));
    EXPECT_FLOAT_EQ(slider->fGetTravel(), 120);
    EXPECT_FLOAT_EQ(fRunnerX(), 460) << "a value set before the restore is applied by it";
    fDrawFrame();
    fSaveFrame("simple_slider_full");
    EXPECT_EQ(fAt(330, 308), kFull);
    EXPECT_EQ(fAt(455, 308), kFull) << "135 of 150 pixels filled";
    EXPECT_EQ(fAt(465, 308), kEmpty);
    EXPECT_EQ(fAt(460, 300), kRunner);

    slider->fSetValue(0);
    EXPECT_FLOAT_EQ(fRunnerX(), 340);
    fDrawFrame();
    EXPECT_EQ(fAt(330, 308), kFull) << "15 pixels filled";
    EXPECT_EQ(fAt(345, 308), kEmpty);
    EXPECT_EQ(fAt(470, 308), kEmpty);
    EXPECT_EQ(fAt(478, 308), 0xFF444444u) << "the track is 150 wide";
}

TEST_F(SimpleSlider, ValuesAreWholePixelsInsideAndExactAtTheEnds)
{
    // The travel's left end at x = 100.5.
    slider->fSetPosition(160.5f, 300, 0);
    gui->fRestoreResources();
    slider->fSetValue(0.5f);
    EXPECT_FLOAT_EQ(fRunnerX(), 160);
    EXPECT_FLOAT_EQ(slider->value, 59.5f / 120);

    fMoveTo(160, 300);
    fKeyDown(1);
    EXPECT_EQ(fCode(gui->fOnKeyDown()), GUI_EVENT_DOWN);
    fMoveTo(40, 900);
    EXPECT_EQ(fCode(gui->fOnMouseMove()), GUI_EVENT_DRAG);
    EXPECT_EQ(slider->value, 0.0f) << "past the left end";
    EXPECT_FLOAT_EQ(fRunnerX(), 100.5f);
    fMoveTo(221, 0);
    gui->fOnMouseMove();
    EXPECT_EQ(slider->value, 1.0f) << "past the right end";
    fMoveTo(130, 0);
    gui->fOnMouseMove();
    EXPECT_FLOAT_EQ(slider->value, 29.5f / 120);
    fKeyUp(1);
    EXPECT_EQ(fCode(gui->fOnKeyUp()), GUI_EVENT_CLICK);
    fMoveTo(200, 300);
    EXPECT_EQ(fCode(gui->fOnMouseMove()), 0) << "the drag is over";
}

TEST_F(SimpleSlider, AnyKeyOverTheRunnerStartsTheDragAndAnyKeyUpEndsIt)
{
    gui->fRestoreResources();
    fMoveTo(340, 300);
    fKeyDown('A');
    EXPECT_EQ(fCode(gui->fOnKeyDown()), GUI_EVENT_DOWN);
    EXPECT_TRUE(slider->fIsDragging());
    fMoveTo(400, 300);
    EXPECT_EQ(fCode(gui->fOnMouseMove()), GUI_EVENT_DRAG);
    EXPECT_FLOAT_EQ(slider->value, 0.5f);
    fKeyUp('B');
    EXPECT_EQ(fCode(gui->fOnKeyUp()), GUI_EVENT_CLICK);
    EXPECT_FALSE(slider->fIsDragging());

    fMoveTo(300, 300);
    fKeyDown(1);
    EXPECT_EQ(gui->fOnKeyDown(), nullptr) << "not over the runner";
}

TEST_F(SimpleSlider, EachTextureIsHeldOnceAndAnUnrestoredSliderDoesNothing)
{
    fMoveTo(340, 300);
    fKeyDown(1);
    EXPECT_EQ(gui->fOnKeyDown(), nullptr);
    fDrawFrame();
    EXPECT_EQ(fAt(400, 308), 0xFF444444u);

    gui->fRestoreResources();
    ZC_QUAD* runner = slider->fGetRunner();
    ZS_HIT_ZONE* zone = slider->fGetRunnerZone();
    ZS_TEXTURE* track = slider->fGetTrack()->texture;
    ZS_TEXTURE* knob = runner->texture;
    gui->fRestoreResources();
    EXPECT_EQ(slider->fGetRunner(), runner);
    EXPECT_EQ(slider->fGetRunnerZone(), zone);
    EXPECT_EQ(fUsers(track), 1);
    EXPECT_EQ(fUsers(knob), 1);
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(track), 0);
    EXPECT_EQ(fUsers(knob), 0);
    gui->fReleaseResources();
    gui->fRestoreResources();
    EXPECT_EQ(fUsers(track), 1);
    delete gui; // deleting hands them back
    gui = nullptr;
    EXPECT_EQ(fUsers(track), 0);
    EXPECT_EQ(fUsers(knob), 0);
}

TEST_F(SimpleSlider, ARunnerAsWideAsTheTrackKeepsTheValueItWasGiven)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<GUI><simpleslider ID='9' PROGRESS='track.png' RUNNER='wide.png'>"
                                "<POSITION>200 100</POSITION></simpleslider><SIMPLESLIDER ID='8' RUNNER='x'/></GUI>"));
    fLoadGuiFromXml(gui, doc.document_element());
    slider = nullptr;
    ASSERT_EQ(gui->fGetRoot()->fGetChildren().size(), 1u) << "PROGRESS is required";
    auto* wide = dynamic_cast<ZC_GUI_SIMPLE_SLIDER*>(gui->fFindById(9));
    ASSERT_NE(wide, nullptr);
    gui->fRestoreResources();
    EXPECT_FLOAT_EQ(wide->fGetTravel(), 0);
    wide->fSetValue(0.7f);
    EXPECT_FLOAT_EQ(wide->value, 0.7f);
    fMoveTo(200, 100);
    fKeyDown(1);
    gui->fOnKeyDown();
    fMoveTo(260, 100);
    gui->fOnMouseMove();
    EXPECT_FLOAT_EQ(wide->value, 0.7f);
    EXPECT_FLOAT_EQ(wide->fGetRunner()->fGetTransform()->fCompose().position.x, 200);
}
