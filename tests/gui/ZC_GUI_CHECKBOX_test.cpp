// Check boxes: the five-frame box and the sliding switch, driven through the input state and
// the walks, with what the player sees read back from the frame.
#include "gui/ZT_GUI_WIDGET_FIXTURE.h"

#include <algorithm>

#include "engine/gui/ZC_GUI_CHECKBOX.h"
#include "engine/render/ZC_QUAD.h"

using namespace ZT_GUI;

namespace
{
// A box centred on (100, 100): its 20x16 picture spans 90..110 x 92..108, the tick square
// (the middle 8x8 of the tick frame) covers the centre.
const char* kBox = R"(<CHECKBOX ID="5" TEXTURE="box5.png"><POSITION>100 100</POSITION></CHECKBOX>)";
const int kEdgeX = 92, kEdgeY = 94, kMidX = 100, kMidY = 100;

// An 80x30 switch centred on (200, 100) with a 30x30 knob: the knob travels 25 pixels either
// side of the centre.
const char* kSwitch =
    R"(<checkbox_ios ID="6" TX_PANEL="switch.png" TX_BTN="knob.png"><POSITION>200 100</POSITION></checkbox_ios>)";

struct CheckBox : ZT_WIDGETS
{
};
}

TEST_F(CheckBox, PointerAndKeysWalkTheBoxThroughItsFrames)
{
    fLoad(kBox);
    ZC_GUI_CHECKBOX5* box = fFind<ZC_GUI_CHECKBOX5>(5);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(GUI_TYPE_CHECKBOX, box->fGetType());
    EXPECT_FLOAT_EQ(20.0f, box->fGetWidth());
    EXPECT_FLOAT_EQ(16.0f, box->fGetHeight());

    const int keyK = 'K'; // any key or button counts
    struct
    {
        const char* step;
        std::function<ZS_GUI_EVENT*()> act;
        int code;
        bool checked;
        uint32_t edge, middle;
    } steps[] = {
        {"nothing yet", [] { return nullptr; }, 0, false, kRed, kRed},
        {"pointer enters", [&] { return fMove(kMidX, kMidY); }, GUI_EVENT_ENTER, false, kGreen, kGreen},
        // The pressed frame shows from the next pointer move on.
        {"a keyboard key goes down", [&] { return fDown(keyK); }, GUI_EVENT_DOWN, false, kGreen, kGreen},
        {"a move while pressed", [&] { return fMove(kMidX, kMidY + 1); }, 0, false, kBlue, kBlue},
        {"and up: checked", [&] { fStep(); return fUp(keyK); }, GUI_EVENT_CLICK, true, kRed, kWhite},
        {"a move inside, checked", [&] { fStep(); return fMove(kMidX + 1, kMidY); }, GUI_EVENT_ENTER, true, kGreen, kWhite},
        {"left button down", [&] { return fDown(); }, GUI_EVENT_DOWN, true, kBlue, kWhite},
        {"and up: unchecked", [&] { fStep(); return fUp(); }, GUI_EVENT_CLICK, false, kGreen, kGreen},
        {"pointer leaves", [&] { fStep(); return fMove(300, 300); }, GUI_EVENT_LEAVE, false, kRed, kRed},
    };
    for (auto& s : steps)
    {
        SCOPED_TRACE(s.step);
        ZS_GUI_EVENT* e = s.act();
        EXPECT_EQ(s.code, fCode(e));
        if (e)
        {
            EXPECT_EQ(5, e->id);
        }
        EXPECT_EQ(s.checked, box->fIsChecked());
        fDrawFrame();
        EXPECT_TRUE(fShows(kEdgeX, kEdgeY, s.edge));
        EXPECT_TRUE(fShows(kMidX, kMidY, s.middle));
    }
}

TEST_F(CheckBox, APressArmedInsideDecidesOnReleaseOutside)
{
    fLoad(kBox);
    ZC_GUI_CHECKBOX5* box = fFind<ZC_GUI_CHECKBOX5>(5);

    // Unchecked: the press stays armed outside and checks the box on release.
    fMove(kMidX, kMidY);
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fDown()));
    fStep();
    EXPECT_EQ(nullptr, fMove(300, 300));
    EXPECT_EQ(GUI_EVENT_CLICK, fCode(fUp()));
    EXPECT_TRUE(box->fIsChecked());
    fStep();

    // Checked: leaving after the press cancels the uncheck, and every move inside reports enter.
    EXPECT_EQ(GUI_EVENT_ENTER, fCode(fMove(kMidX, kMidY)));
    EXPECT_EQ(GUI_EVENT_ENTER, fCode(fMove(kMidX + 1, kMidY)));
    EXPECT_EQ(GUI_EVENT_DOWN, fCode(fDown()));
    fStep();
    EXPECT_EQ(nullptr, fMove(300, 300));
    EXPECT_EQ(nullptr, fUp());
    EXPECT_TRUE(box->fIsChecked());
}

TEST_F(CheckBox, ValueAndSizeGivenBeforeTheFirstRestoreShowOnceItIsMade)
{
    fLoad(R"(<CHECKBOX ID="5" TEXTURE="box5.png"><SIZE>40 32</SIZE><POSITION>100 100</POSITION></CHECKBOX>)", false);
    ZC_GUI_CHECKBOX5* box = fFind<ZC_GUI_CHECKBOX5>(5);
    ASSERT_NE(nullptr, box);
    box->fSetChecked(true, false);
    EXPECT_EQ(0.0f, box->fGetWidth());
    EXPECT_EQ(nullptr, fMove(kMidX, kMidY)); // no hit zone yet: nothing to report
    EXPECT_EQ(0, fUsers("box5.png"));

    gui->fRestoreResources();
    EXPECT_EQ(1, fUsers("box5.png"));
    EXPECT_FLOAT_EQ(40.0f, box->fGetWidth());
    EXPECT_FLOAT_EQ(32.0f, box->fGetHeight());
    fDrawFrame();
    EXPECT_TRUE(fShows(82, 86, kRed));     // the doubled box reaches 80..120 x 84..116
    EXPECT_TRUE(fShows(kMidX, kMidY, kWhite));
    EXPECT_EQ(GUI_EVENT_ENTER, fCode(fMove(117, 113))); // and so does its zone

    gui->fReleaseResources();
    EXPECT_EQ(0, fUsers("box5.png"));
    EXPECT_EQ(render->fGetDefaultTexture(), box->fGetSprite()->fGetTexture());
    gui->fRestoreResources();
    gui->fRestoreResources(); // a second restore does not count the texture twice
    EXPECT_EQ(1, fUsers("box5.png"));
}

TEST_F(CheckBox, SwitchSlidesItsKnobAndRefusesTogglesMeanwhile)
{
    fLoad(kSwitch);
    ZC_GUI_CHECKBOX_IOS* sw = fFind<ZC_GUI_CHECKBOX_IOS>(6);
    ASSERT_NE(nullptr, sw);
    EXPECT_EQ(GUI_TYPE_CHECKBOX_IOS, sw->fGetType());
    EXPECT_TRUE(sw->fIsChecked());
    EXPECT_EQ(-25, sw->fGetCheckedKnobX());
    EXPECT_EQ(25, sw->fGetUncheckedKnobX());
    fDrawFrame();
    EXPECT_TRUE(fShows(165, 100, kYellow)); // flush left when checked
    EXPECT_TRUE(fShows(235, 100, kGrey));

    // Any button over the panel toggles at once and reports a click; no enter or press codes.
    EXPECT_EQ(nullptr, fMove(200, 100));
    EXPECT_EQ(GUI_EVENT_CLICK, fCode(fDown(2)));
    EXPECT_FALSE(sw->fIsChecked());
    EXPECT_FALSE(sw->fIsInputEnabled());
    fStep();
    EXPECT_EQ(GUI_EVENT_CLICK, fCode(fDown('X'))); // within the slide: reported, refused
    EXPECT_FALSE(sw->fIsChecked());

    zcFRAME_DELTA = 0.1f;
    std::vector<float> path;
    for (int frame = 0; frame < 6 && !sw->fIsInputEnabled(); ++frame)
    {
        EXPECT_EQ(nullptr, gui->fUpdate());
        path.push_back(sw->fGetKnob()->fGetTransform()->position.x);
    }
    EXPECT_TRUE(sw->fIsInputEnabled());
    ASSERT_GE(path.size(), 3u);
    EXPECT_TRUE(std::is_sorted(path.begin(), path.end()));
    EXPECT_TRUE(std::any_of(path.begin(), path.end(), [](float x) { return x > -25.0f && x < 25.0f; }))
        << "the knob slides, it does not jump";
    EXPECT_FLOAT_EQ(25.0f, path.back()); // at the right end when input opens again
    fDrawFrame();
    EXPECT_TRUE(fShows(235, 100, kYellow));
    EXPECT_TRUE(fShows(165, 100, kGrey));

    fStep();
    fMove(100, 300);
    EXPECT_EQ(nullptr, fDown()); // outside the panel: nothing
}

TEST_F(CheckBox, SwitchSetByCode)
{
    fLoad(kSwitch, false);
    ZC_GUI_CHECKBOX_IOS* sw = fFind<ZC_GUI_CHECKBOX_IOS>(6);
    sw->fSetChecked(false, true); // no knob yet: not even the value changes
    EXPECT_TRUE(sw->fIsChecked());
    gui->fRestoreResources();

    sw->fSetChecked(true, false); // the value it has: no slide, input stays open
    EXPECT_TRUE(sw->fIsInputEnabled());
    sw->fSetChecked(false, true); // at once to the right end, input open
    EXPECT_FALSE(sw->fIsChecked());
    EXPECT_TRUE(sw->fIsInputEnabled());
    EXPECT_FLOAT_EQ(25.0f, sw->fGetKnob()->fGetTransform()->position.x);

    ZC_GUI_CHECKBOX_INTERFACE* any = sw;
    any->fSetChecked(true, false);
    EXPECT_TRUE(any->fIsChecked());
    EXPECT_FALSE(sw->fIsInputEnabled());
    EXPECT_EQ(0, ZC_GUI_CHECKBOX_IOS::fOnSlideFinished(nullptr));
    EXPECT_EQ(1, ZC_GUI_CHECKBOX_IOS::fOnSlideFinished(sw));
    EXPECT_TRUE(sw->fIsInputEnabled());
}
