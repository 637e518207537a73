#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/gui/ZC_GUI.h"
#include "engine/gui/ZC_GUI_BUTTON.h"
#include "engine/gui/ZS_HIT_ZONE.h"
#include "engine/render/ZC_QUAD.h"
#include "gui/ZT_GUI_FIXTURE.h"

using namespace ZOR;

namespace
{
std::vector<std::string>* fired = nullptr;

int fRecord(void* argument)
{
    fired->push_back(std::to_string(static_cast<ZC_GUI_OBJECT*>(argument)->fGetId()));
    return 1;
}

class Buttons : public ZT_GUI::ZT_GUI_WORLD
{
protected:
    std::vector<std::string> calls;

    void SetUp() override
    {
        ZT_GUI_WORLD::SetUp();
        fPutPng("button.png", 500, 60);
        fPutPng("button2.png", 81, 40);
        fMount();
        fired = &calls;
    }
    void TearDown() override
    {
        fired = nullptr;
        ZT_GUI_WORLD::TearDown();
    }

    ZC_GUI_BUTTON5* fButton5(int id, float x, float y)
    {
        auto* b = new ZC_GUI_BUTTON5(id, "button.png");
        b->fSetPosition(x, y, 0);
        gui->fAdd(b);
        return b;
    }

    static int fFrame(ZC_QUAD* sprite) { return int(sprite->vertices[0].u * 5.0f + 0.5f); }

    enum ACTION
    {
        MOVE,
        DOWN,
        UP
    };
    // Delivers one input event and runs the matching walk; the code it reports, 0 for none.
    int fStep(ACTION action, int a, int b = 0)
    {
        ZS_GUI_EVENT* e = nullptr;
        switch (action)
        {
        case MOVE:
            fMoveTo(a, b);
            e = gui->fOnMouseMove();
            break;
        case DOWN:
            fKeyDown(a);
            e = gui->fOnKeyDown();
            break;
        case UP:
            fKeyUp(a);
            e = gui->fOnKeyUp();
            break;
        }
        return e ? e->code : 0;
    }
};
}

TEST_F(Buttons, Button5GetsItsFrameAndZoneAtTheFirstRestore)
{
    ZC_GUI_BUTTON5* b = fButton5(5, 200, 100);
    EXPECT_EQ(b->fGetWidth(), 0.0f);
    EXPECT_EQ(fStep(MOVE, 200, 100), 0) << "no zone before the first restore";
    gui->fRestoreResources();
    EXPECT_EQ(b->fGetWidth(), 100.0f);
    EXPECT_EQ(b->fGetHeight(), 60.0f);
    // Hot spot at the centre: the zone is the frame's box around the position.
    const ZS_HIT_ZONE* zone = b->fGetHitZone();
    EXPECT_TRUE(zone->fContains(151, 71));
    EXPECT_TRUE(zone->fContains(249, 129));
    EXPECT_FALSE(zone->fContains(150, 100));
    EXPECT_FALSE(zone->fContains(200, 130));
    gui->fReleaseResources();
}

TEST_F(Buttons, Button5ClickThroughTheInputState)
{
    ZC_GUI_BUTTON5* b = fButton5(5, 200, 100);
    for (auto kind : {ZC_GUI_OBJECT::CB_ENTER, ZC_GUI_OBJECT::CB_LEAVE, ZC_GUI_OBJECT::CB_DOWN, ZC_GUI_OBJECT::CB_UP})
        b->fSetCallback(kind, fCreateCallback(fRecord, std::to_string(kind).c_str(), nullptr));
    gui->fRestoreResources();

    struct
    {
        ACTION action;
        int a, b;
        int code, state, frame;
        const char* why;
    } steps[] = {
        {MOVE, 10, 10, 0, 0, 0, "outside"},
        {MOVE, 200, 100, 3, 1, 1, "enters"},
        {MOVE, 210, 90, 0, 1, 1, "entering is told once"},
        {DOWN, 2, 0, 0, 1, 1, "the right button is ignored"},
        {DOWN, 'A', 0, 0, 1, 1, "keyboard keys are ignored"},
        {DOWN, 1, 0, 7, 2, 2, "left button down: pressed"},
        {UP, 2, 0, 0, 2, 2, "another key going up leaves the press armed"},
        {UP, 1, 0, 8, 1, 0, "click; hovering again but frame 0 until the next input"},
        {MOVE, 205, 100, 0, 1, 1, "the next move shows the hover frame"},
        {MOVE, 400, 100, 4, 0, 0, "leaves"},
        {MOVE, 401, 100, 0, 0, 0, "leaving is told once"},
    };
    for (const auto& s : steps)
    {
        EXPECT_EQ(fStep(s.action, s.a, s.b), s.code) << s.why;
        EXPECT_EQ(b->fGetState(), s.state) << s.why;
        EXPECT_EQ(fFrame(b->fGetSprite()), s.frame) << s.why;
    }
    // Enter, down, up and leave fired once each, with the button as argument.
    EXPECT_EQ(calls, (std::vector<std::string>{"5", "5", "5", "5"}));
    EXPECT_EQ(gui->fGetEventId(), 0);
    gui->fReleaseResources();
}

TEST_F(Buttons, Button5PressDraggedOffIsNoClick)
{
    ZC_GUI_BUTTON5* b = fButton5(5, 200, 100);
    gui->fRestoreResources();
    EXPECT_EQ(fStep(MOVE, 200, 100), 3);
    EXPECT_EQ(fStep(DOWN, 1), 7);
    EXPECT_EQ(fStep(MOVE, 400, 100), 4);
    EXPECT_FALSE(b->fIsPressed());
    EXPECT_EQ(fStep(UP, 1), 0);
    EXPECT_EQ(fStep(MOVE, 200, 100), 3);
    EXPECT_EQ(fStep(UP, 1), 0) << "no press is armed";
    gui->fReleaseResources();
}

TEST_F(Buttons, Button5DisabledReportsNothingUntilEnabled)
{
    ZC_GUI_BUTTON5* b = fButton5(5, 200, 100);
    gui->fRestoreResources();
    b->fDisableButton();
    EXPECT_EQ(fFrame(b->fGetSprite()), 4);
    EXPECT_EQ(fStep(MOVE, 200, 100), 0);
    EXPECT_EQ(fStep(DOWN, 1), 0);
    EXPECT_EQ(fFrame(b->fGetSprite()), 4);
    b->fEnableButton();
    EXPECT_EQ(fFrame(b->fGetSprite()), 0);
    EXPECT_EQ(fStep(MOVE, 201, 100), 3) << "already over it: the next move enters";
    gui->fReleaseResources();
}

TEST_F(Buttons, OnlyTheButtonUnderThePointerTakesThePress)
{
    ZC_GUI_BUTTON5* left = fButton5(1, 100, 100);
    ZC_GUI_BUTTON5* right = fButton5(2, 300, 100);
    gui->fRestoreResources();
    EXPECT_EQ(fStep(MOVE, 100, 100), 3);
    EXPECT_EQ(gui->fGetEventId(), 1);
    // One move leaves the first and enters the second: a press right after it is taken.
    EXPECT_EQ(fStep(MOVE, 300, 100), 4);
    EXPECT_EQ(gui->fGetEventId(), 1);
    EXPECT_EQ(left->fGetState(), 0);
    EXPECT_EQ(right->fGetState(), 1);
    EXPECT_EQ(fStep(DOWN, 1), 7);
    EXPECT_EQ(gui->fGetEventId(), 2);
    EXPECT_FALSE(left->fIsPressed());
    EXPECT_EQ(fStep(UP, 1), 8);
    EXPECT_EQ(gui->fGetEventId(), 2);
    gui->fReleaseResources();
}

TEST_F(Buttons, ReleaseAndRestoreCountTheTextureOnce)
{
    ZC_GUI_BUTTON5* b = fButton5(5, 200, 100);
    gui->fRestoreResources();
    ZS_TEXTURE* texture = b->fGetSprite()->texture;
    ASSERT_NE(texture, render->fGetDefaultTexture());
    EXPECT_EQ(fUsers(texture), 1);
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 0);
    EXPECT_EQ(b->fGetSprite()->texture, render->fGetDefaultTexture());
    gui->fReleaseResources(); // a second release hands nothing back
    EXPECT_EQ(fUsers(texture), 0);
    gui->fRestoreResources();
    gui->fRestoreResources(); // twice in a row: still one user
    texture = b->fGetSprite()->texture;
    EXPECT_EQ(fUsers(texture), 1);
    EXPECT_EQ(b->fGetWidth(), 100.0f) << "a restore after the first only swaps the texture";
    gui->fReleaseResources();
    EXPECT_EQ(fUsers(texture), 0);
}

TEST_F(Buttons, Button2PressesAndClicksFromTheUpdateWalk)
{
    auto* b = new ZC_GUI_BUTTON2(9, "button2.png");
    b->fSetPosition(100, 100, 0);
    gui->fAdd(b);
    gui->fRestoreResources();
    EXPECT_EQ(b->fGetWidth(), 40.0f) << "half the strip, in integers";
    EXPECT_EQ(b->fGetHeight(), 40.0f);

    auto fUpdate = [&] {
        ZS_GUI_EVENT* e = gui->fUpdate();
        return e ? e->code : 0;
    };
    fMoveTo(100, 100);
    EXPECT_EQ(fUpdate(), 0);
    fKeyDown(2);
    EXPECT_EQ(fUpdate(), 0) << "only the left button";
    fKeyDown(1);
    EXPECT_EQ(fUpdate(), 7);
    EXPECT_FLOAT_EQ(b->fGetSprite()->vertices[0].u, 0.5f);
    EXPECT_EQ(fUpdate(), 0) << "held: nothing new";
    fKeyUp(1);
    EXPECT_EQ(fUpdate(), 8);
    EXPECT_FLOAT_EQ(b->fGetSprite()->vertices[0].u, 0.0f);

    // Pressed and dragged off: a click in the first update after leaving.
    fKeyDown(1);
    EXPECT_EQ(fUpdate(), 7);
    fMoveTo(300, 300);
    EXPECT_EQ(fUpdate(), 8);
    EXPECT_EQ(b->fGetState(), 0);
    // The key walks tell it nothing.
    EXPECT_EQ(gui->fOnKeyDown(), nullptr);
    gui->fReleaseResources();
}
