// Progress values, the filled notification, the progress bar's pictures and the animation bar's frames.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/gui/ZC_BASEPROGRESS.h"
#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_LOADER.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_WIDGET_TEST.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
int fills = 0;
void* lastFilled = nullptr;

int fCountFill(void* bar)
{
    ++fills;
    lastFilled = bar;
    return 1;
}

// Counts its notifications.
struct ZT_COUNTER : ZC_BASEPROGRESS
{
    int changes = 0;
    explicit ZT_COUNTER(float min = 0, float max = 100) : ZC_BASEPROGRESS(1)
    {
        fSetRange(min, max);
    }
    void fOnProgressChanged() override
    {
        ++changes;
        fNotifyFilled();
    }
};

}

TEST(Progress, ValuesAndPercentsStayInsideTheRange)
{
    struct
    {
        float min, max;
        bool percent;
        float input, value, fraction;
        bool finished;
        const char* why;
    } cases[] = {
        {0, 100, false, -20, 0, 0, false, "below min"},
        {0, 100, false, 130, 100, 1, true, "above max"},
        {100, 0, false, 50, 0, 1, true, "min above max ends at max"},
        {0, 100, true, 150, 100, 1, true, "150 percent"},
        {0, 100, true, -5, 0, 0, false, "-5 percent"},
        {20, 100, false, 60, 60, 0.5f, false, "60 of 20..100"},
        {20, 100, true, 25, 40, 0.25f, false, "25 percent of 20..100"},
        {30, 30, false, 10, 30, 1, true, "an empty range counts as full"},
        {30, 30, true, 40, 30, 0.4f, false, "percent of an empty range"},
    };
    for (const auto& c : cases)
    {
        ZT_COUNTER p(c.min, c.max);
        if (c.percent)
            p.fSetPercent(c.input);
        else
            p.fSetValue(c.input);
        EXPECT_FLOAT_EQ(p.fGetValue(), c.value) << c.why;
        EXPECT_FLOAT_EQ(p.fGetFraction(), c.fraction) << c.why;
        EXPECT_EQ(p.fIsFinished(), c.finished) << c.why;
        EXPECT_EQ(p.changes, 1) << c.why;
    }

    ZT_COUNTER p;
    p.fSetValue(40);
    p.fAddValue(15);
    EXPECT_FLOAT_EQ(p.fGetValue(), 55);
    p.fAddPercent(-5);
    EXPECT_FLOAT_EQ(p.fGetPercent(), 50);
    p.fSetRange(0, 200);
    EXPECT_FLOAT_EQ(p.fGetValue(), 50) << "a new range recomputes nothing";
    EXPECT_EQ(p.changes, 3);
}

TEST(Progress, TheFilledRecordFiresOnceEachTimeTheBarArrivesAtFull)
{
    ZS_TEXTURE sheet = ZT_GUI::fSizedTexture(200, 20);
    ZC_GUI_PROGRESS_BAR bar(5, &sheet);
    bar.fSetFilledCallback(fCreateCallback(fCountFill, "filled", nullptr));
    fills = 0;
    bar.fSetValue(100);
    bar.fSetValue(120);
    EXPECT_EQ(fills, 1);
    EXPECT_EQ(lastFilled, &bar);
    bar.fSetPercent(50);
    bar.fSetPercent(100);
    EXPECT_EQ(fills, 2);

    // Without its pictures a bar hears nothing, so it cannot fire either.
    ZC_GUI_PROGRESS_BAR unmade(6, "bar.png");
    unmade.fSetFilledCallback(fCreateCallback(fCountFill, "filled", nullptr));
    unmade.fSetValue(100);
    EXPECT_EQ(fills, 2);
    EXPECT_EQ(unmade.fGetType(), GUI_TYPE_PROGRESS_BAR);
}

TEST(Progress, TheBarIsTheRightHalfCroppedFromTheLeftEdge)
{
    ZS_TEXTURE sheet = ZT_GUI::fSizedTexture(200, 20);
    ZC_GUI_PROGRESS_BAR bar(5, &sheet);
    EXPECT_FLOAT_EQ(bar.fGetBackground()->fGetWidth(), 100);
    EXPECT_FLOAT_EQ(bar.fGetBackground()->vertices[1].u, 0.5f) << "background shows the left half";
    EXPECT_FLOAT_EQ(bar.fGetBar()->fGetWidth(), 0) << "made empty";

    bar.fSetValue(25);
    ZC_QUAD* filled = bar.fGetBar();
    EXPECT_FLOAT_EQ(filled->fGetWidth(), 25);
    EXPECT_FLOAT_EQ(filled->fGetHeight(), 20);
    EXPECT_FLOAT_EQ(filled->vertices[0].u, 0.5f);
    EXPECT_FLOAT_EQ(filled->vertices[1].u, 0.625f);
    // Both left edges 50 pixels left of the widget's position.
    EXPECT_FLOAT_EQ(filled->fGetTransform()->pivot.x, 50);
    EXPECT_FLOAT_EQ(bar.fGetTransform()->pivot.x, 50);

    bar.fSetValue(33);
    EXPECT_FLOAT_EQ(filled->fGetWidth(), 33);
    bar.fSetValue(33.9f);
    EXPECT_FLOAT_EQ(filled->fGetWidth(), 33) << "whole pixels, truncated";
}

TEST(Progress, AnAnimationBarShowsTheFrameOfItsValue)
{
    // Five frames in a 3 x 2 sheet of 300 x 200: cells of 100 x 100, counted row by row.
    ZS_TEXTURE sheet = ZT_GUI::fSizedTexture(300, 200);
    ZC_GUI_ANIMATION_BAR bar(3, &sheet, 3, 2, 5);
    EXPECT_FLOAT_EQ(bar.fGetWidth(), 100);
    EXPECT_FLOAT_EQ(bar.fGetHeight(), 100);
    EXPECT_EQ(bar.fGetCellSize(), ZS_VECTOR2(100, 100));
    struct
    {
        float percent;
        int frame;
        float u, v;
    } cases[] = {{0, 0, 0, 0}, {50, 2, 2.0f / 3, 0}, {99, 3, 0, 0.5f}, {100, 4, 1.0f / 3, 0.5f}};
    for (const auto& c : cases)
    {
        bar.fSetPercent(c.percent);
        EXPECT_EQ(bar.fGetFrame(), c.frame) << c.percent;
        EXPECT_FLOAT_EQ(bar.fGetSheet()->vertices[0].u, c.u) << c.percent;
        EXPECT_FLOAT_EQ(bar.fGetSheet()->vertices[0].v, c.v) << c.percent;
    }

    // A sheet described without columns, rows or frames still has one cell to show.
    ZC_GUI_ANIMATION_BAR broken(4, &sheet, 0, -1, 0);
    broken.fSetPercent(100);
    EXPECT_EQ(broken.fGetFrame(), 0);
    EXPECT_FLOAT_EQ(broken.fGetWidth(), 300);
}

class ProgressWorld : public ZT_GUI::ZT_GUI_WORLD
{
protected:
    void SetUp() override
    {
        ZT_GUI_WORLD::SetUp();
        ZT_GUI::fWriteCellPng(fRoot() + "bar.png", 100, 20, {0xFFFF0000, 0xFF00FF00});
        ZT_GUI::fWriteCellPng(fRoot() + "sheet.png", 10, 10, {0xFF0000FF, 0xFFFFFF00});
        fMount();
    }
};

TEST_F(ProgressWorld, ThePlayerSeesTheFilledShareFromTheLeft)
{
    ZC_GUI gui;
    ZC_GUI_PROGRESS_BAR* bar = new ZC_GUI_PROGRESS_BAR(5, "bar.png");
    bar->fSetPosition(300, 200, 0);
    gui.fAdd(bar);
    gui.fRestoreResources();
    bar->fSetPercent(25);

    ASSERT_EQ(render->fBeginFrame(), 1);
    gui.fDraw();
    ASSERT_EQ(render->fEndFrame(), 0);
    fSaveFrame("progress_bar_quarter");
    auto px = [](float game) { return int(game * 1024.0f / 1025.0f); };
    EXPECT_EQ(fPixel(px(253), px(200)), 0xFF00FF00u) << "filled from the left edge";
    EXPECT_EQ(fPixel(px(272), px(200)), 0xFF00FF00u);
    EXPECT_EQ(fPixel(px(278), px(200)), 0xFFFF0000u) << "empty past a quarter";
    EXPECT_EQ(fPixel(px(345), px(200)), 0xFFFF0000u);
    EXPECT_EQ(fPixel(px(355), px(200)), 0xFF444444u) << "100 pixels wide";
}

TEST_F(ProgressWorld, TexturesAreCountedOncePerBarWhateverTheRestoresAndReleases)
{
    ZC_GUI_PROGRESS_BAR* bar = new ZC_GUI_PROGRESS_BAR(5, "bar.png");
    bar->fReleaseResources(); // nothing to hand back yet
    bar->fRestoreResources();
    ZS_TEXTURE* texture = bar->fGetBackground()->texture;
    ASSERT_NE(texture, render->fGetDefaultTexture());
    EXPECT_EQ(fUsers(texture), 1);
    bar->fRestoreResources();
    EXPECT_EQ(fUsers(texture), 1) << "a second restore gives the first fetch back";
    bar->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 0);
    EXPECT_EQ(bar->fGetBar()->texture, render->fGetDefaultTexture());
    bar->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 0);
    delete bar;

    // The animation bar keeps the texture the loader fetched for it and gives it back when deleted.
    ZS_CALLBACK* release = fCreateCallback(fReleaseResourceByPointer);
    zcON_RELEASE_RESOURCE = release;
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<animation_bar ID='3' TEXTURE='sheet.png' COLUMNS='2' ROWS='1' FRAMES='2'>"
                                "<SCRIPTS><S EVENT='filled'>bar_full</S></SCRIPTS></animation_bar>"));
    ZC_GUI_OBJECT* built = fCreateWidgetFromXml(doc.document_element());
    auto* animation = dynamic_cast<ZC_GUI_ANIMATION_BAR*>(built);
    ASSERT_NE(animation, nullptr);
    ZS_TEXTURE* sheet = animation->fGetSheet()->texture;
    EXPECT_EQ(fUsers(sheet), 1);
    ASSERT_NE(animation->fGetFilledCallback(), nullptr);
    EXPECT_EQ(animation->fGetFilledCallback()->name, "bar_full");
    EXPECT_EQ(animation->fGetFilledCallback()->target, nullptr);
    delete built;
    EXPECT_EQ(fUsers(sheet), 0);
    zcON_RELEASE_RESOURCE = nullptr;
    delete release;
}

TEST_F(ProgressWorld, LayoutElementsMakeBarsWithTheirFilledRecords)
{
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string("<GUI><PROGRESS_BAR ID='5' TEXTURE='bar.png'><POSITION>40 50</POSITION>"
                                "<SCRIPTS><S EVENT='FILLED'>first</S><S EVENT='Filled'>second</S></SCRIPTS>"
                                "</PROGRESS_BAR><PROGRESS_BAR ID='6'/><ANIMATION_BAR ID='7' TEXTURE='sheet.png' "
                                "COLUMNS='2' ROWS='1'/></GUI>"));
    ZC_GUI gui;
    fLoadGuiFromXml(&gui, doc.document_element());
    ASSERT_EQ(gui.fGetRoot()->fGetChildren().size(), 1u) << "elements without a required attribute build nothing";
    auto* bar = dynamic_cast<ZC_GUI_PROGRESS_BAR*>(gui.fFindById(5));
    ASSERT_NE(bar, nullptr);
    EXPECT_FLOAT_EQ(bar->fGetTransform()->position.x, 40);
    ASSERT_NE(bar->fGetFilledCallback(), nullptr);
    EXPECT_EQ(bar->fGetFilledCallback()->name, "second");
    EXPECT_EQ(bar->fGetBackground(), nullptr) << "pictures wait for the first restore";
}
