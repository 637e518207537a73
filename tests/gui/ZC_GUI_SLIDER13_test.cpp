// The thirteen-cell slider: lazy pictures and re-laid geometry, the fill, its texture's counting
// and its value-changed and release records.
#include <gtest/gtest.h>

#include <vector>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/gui/ZC_GUI_SLIDER13.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_WIDGET_TEST.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
void* lastTarget = nullptr;
int fRemember(void* target)
{
    lastTarget = target;
    return 1;
}

const std::vector<uint32_t> kCells = {0xFF800000, 0xFF008000, 0xFF000080, 0xFF808000, 0xFF800080,
                                      0xFF008080, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                                      0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

// A slider from (100, 200) to (360, 200) over a 260 x 20 sheet of 20-pixel cells: once restored
// its track runs 120 pixels either side of (230, 200) and its thumb travels from x 140 to 320.
class Slider13 : public ZT_GUI::ZT_GUI_WORLD
{
protected:
    ZC_GUI* gui = nullptr;
    ZC_GUI_SLIDER13* slider = nullptr;

    void SetUp() override
    {
        ZT_GUI_WORLD::SetUp();
        ZT_GUI::fWriteCellPng(fRoot() + "slider13.png", 20, 20, kCells);
        fMount();
        gui = new ZC_GUI;
        slider = new ZC_GUI_SLIDER13(8, "slider13.png", ZS_VECTOR2(100, 200), ZS_VECTOR2(360, 200), 10, 1.5f, 0, 100,
                                     5, 0);
        gui->fAdd(slider);
    }
    void TearDown() override
    {
        delete gui;
        ZT_GUI_WORLD::TearDown();
    }

    int fCode(ZS_GUI_EVENT* e) { return e ? e->code : 0; }
    float fWorldX(const ZS_TRANSFORM3* t) { return t->fCompose().position.x; }
    uint32_t fAt(float x, float y)
    {
        auto px = [](float game) { return int(game * 1024.0f / 1025.0f); };
        return fPixel(px(x), px(y));
    }
};
}

TEST_F(Slider13, BeforeItsFirstRestoreItDrawsNothingButAnswersOnItsDefaultCells)
{
    EXPECT_FALSE(slider->fHasPictures());
    EXPECT_FLOAT_EQ(slider->fGetWidth(), 0);
    EXPECT_FLOAT_EQ(slider->fGetHeight(), 0);
    EXPECT_EQ(slider->fGetType(), GUI_TYPE_SLIDER13);
    // The 16-pixel default texture gives cells of one pixel: the thumb starts 1.5 pixels in.
    EXPECT_FLOAT_EQ(slider->fGetCellSize(), 1);
    EXPECT_FLOAT_EQ(fWorldX(slider->fGetThumbTransform()), 102);
    fMoveTo(102, 200);
    EXPECT_EQ(fCode(gui->fOnMouseMove()), GUI_EVENT_ENTER);

    ASSERT_EQ(render->fBeginFrame(), 1);
    gui->fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    EXPECT_EQ(fAt(230, 200), 0xFF444444u);

    // The restore lays the track out again with the real cells.
    slider->fSetPosition(0, 0, 0);
    gui->fRestoreResources();
    EXPECT_TRUE(slider->fHasPictures());
    EXPECT_FLOAT_EQ(slider->fGetCellSize(), 20);
    EXPECT_EQ(slider->fGetTransform()->fGetPositionXY(), ZS_VECTOR2(230, 200)) << "back at the middle of its ends";
    EXPECT_FLOAT_EQ(slider->fGetStartTransform()->position.x, -120);
    EXPECT_FLOAT_EQ(fWorldX(slider->fGetThumbTransform()), 140);
    EXPECT_NEAR(slider->fGetWidth(), 260, 1e-3);
    EXPECT_NEAR(slider->fGetHeight(), 20, 1e-3);
    fMoveTo(125, 200);
    EXPECT_EQ(fCode(gui->fOnMouseMove()), GUI_EVENT_LEAVE) << "the start button moved to 110";
}

TEST_F(Slider13, TheFillRunsFromTheStartOfTheTravelToTheThumb)
{
    gui->fRestoreResources();
    EXPECT_FLOAT_EQ(slider->fGetFillLength(), 0) << "empty at min";
    EXPECT_FLOAT_EQ(slider->fGetFill()->fGetHeight(), 0);
    slider->fSetValue(100);
    EXPECT_FLOAT_EQ(slider->fGetFillLength(), 180) << "the whole travel at max";
    EXPECT_FLOAT_EQ(slider->fGetMiddleLength(), 180);

    slider->fSetValue(50);
    ASSERT_EQ(render->fBeginFrame(), 1);
    gui->fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("slider13_half");
    EXPECT_EQ(fAt(145, 200), kCells[12]) << "fill from the start of the travel";
    EXPECT_EQ(fAt(215, 200), kCells[12]);
    EXPECT_EQ(fAt(230, 200), kCells[6]) << "thumb";
    EXPECT_EQ(fAt(245, 200), kCells[10]) << "bare track after the thumb";
    EXPECT_EQ(fAt(115, 200), kCells[0]);
    EXPECT_EQ(fAt(345, 200), kCells[3]);

    // Dragging the thumb re-lays the fill as it goes.
    fMoveTo(230, 200);
    gui->fOnMouseMove();
    fKeyDown(1);
    EXPECT_EQ(fCode(gui->fOnKeyDown()), GUI_EVENT_DOWN);
    fMoveTo(290, 200);
    EXPECT_EQ(fCode(gui->fOnMouseMove()), GUI_EVENT_VALUE_CHANGED);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 80);
    EXPECT_FLOAT_EQ(slider->fGetFillLength(), 150);
}

TEST_F(Slider13, OneFetchIsHeldWhateverTheRestoresAndReleases)
{
    slider->fReleaseResources(); // no pictures: nothing happens
    gui->fRestoreResources();
    ZC_QUAD* thumb = slider->fGetPictures().thumb;
    ZS_TEXTURE* texture = slider->fGetTexture();
    ASSERT_NE(texture, render->fGetDefaultTexture());
    EXPECT_EQ(fUsers(texture), 1);
    gui->fRestoreResources();
    EXPECT_EQ(slider->fGetPictures().thumb, thumb) << "a second restore only re-textures";
    EXPECT_EQ(fUsers(texture), 1);
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 0);
    EXPECT_EQ(slider->fGetFill()->texture, render->fGetDefaultTexture());
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 0);
    gui->fRestoreResources();
    EXPECT_EQ(slider->fGetPictures().middle->texture, texture);
    EXPECT_EQ(fUsers(texture), 1);
    gui->fReleaseResources();
}

TEST_F(Slider13, AReleaseThatDoesSomethingFiresTheUpRecordTwice)
{
    gui->fRestoreResources();
    int ups = 0;
    slider->fSetCallback(ZC_GUI_OBJECT::CB_UP, fCreateCallback(ZT_GUI::fCountCall, "up", &ups));
    fKeyUp(1);
    EXPECT_EQ(gui->fOnKeyUp(), nullptr);
    EXPECT_EQ(ups, 1);

    fMoveTo(345, 200);
    EXPECT_EQ(fCode(gui->fOnMouseMove()), GUI_EVENT_ENTER);
    fKeyDown(1);
    gui->fOnKeyDown();
    fKeyUp(1);
    EXPECT_EQ(fCode(gui->fOnKeyUp()), GUI_EVENT_VALUE_CHANGED);
    EXPECT_FLOAT_EQ(slider->fGetValue(), 5);
    EXPECT_EQ(ups, 3);
    EXPECT_FLOAT_EQ(slider->fGetPictures().endButton->vertices[0].u, 4.0f / 13) << "the end button looks hovered again";
}

TEST_F(Slider13, TheLayoutNamesTheValueChangedRecordInExactCaseOnly)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<GUI><SLIDER13 ID='2' TEXTURE='slider13.png' START='0 0' END='200 0' VALUE='40'>"
                                "<SCRIPTS><S EVENT='VALUE_CHANGED'>on_volume</S></SCRIPTS></SLIDER13>"
                                "<SLIDER13 ID='3' TEXTURE='slider13.png' START='0 0' END='200 0'>"
                                "<SCRIPTS><S EVENT='value_changed'>ignored</S></SCRIPTS></SLIDER13></GUI>"));
    fLoadGuiFromXml(gui, doc.document_element());
    auto* named = dynamic_cast<ZC_GUI_SLIDER13*>(gui->fFindById(2));
    auto* unnamed = dynamic_cast<ZC_GUI_SLIDER13*>(gui->fFindById(3));
    ASSERT_NE(named, nullptr);
    ASSERT_NE(unnamed, nullptr);
    EXPECT_FLOAT_EQ(named->fGetValue(), 40);
    ASSERT_NE(named->fGetValueChangedCallback(), nullptr);
    EXPECT_EQ(named->fGetValueChangedCallback()->name, "on_volume");
    EXPECT_EQ(unnamed->fGetValueChangedCallback(), nullptr);

    // Fired with no argument, the record hands its target, the slider, to its function.
    named->fGetValueChangedCallback()->function = fRemember;
    named->fSetValue(60);
    EXPECT_EQ(lastTarget, named);
}
