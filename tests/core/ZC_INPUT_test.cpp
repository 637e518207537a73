#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/ZC_INPUT.h"
#include "engine/core/ZS_CALLBACK.h"

using namespace ZOR;

namespace
{
std::vector<std::string> gEvents;

int fRecordDown(void* key)
{
    gEvents.push_back("down " + std::to_string(intptr_t(key)));
    return 0;
}
int fRecordUp(void* key)
{
    gEvents.push_back("up " + std::to_string(intptr_t(key)));
    return 0;
}
int fRecordMove(void* argument)
{
    gEvents.push_back(argument ? "move with argument" : "move");
    return 0;
}

class Input : public testing::Test
{
protected:
    void SetUp() override
    {
        gEvents.clear();
        zcON_KEY_DOWN = fCreateCallback(fRecordDown);
        zcON_KEY_UP = fCreateCallback(fRecordUp);
        zcON_MOUSE_MOVE = fCreateCallback(fRecordMove);
    }
    void TearDown() override
    {
        for (ZS_CALLBACK** slot : {&zcON_KEY_DOWN, &zcON_KEY_UP, &zcON_MOUSE_MOVE})
        {
            delete *slot;
            *slot = nullptr;
        }
    }
    ZC_INPUT input;
};
}

TEST_F(Input, KeyStatesThroughSteps)
{
    // Each row: what happens in one step (d = down, u = up, . = nothing), then the state
    // before the next step's ageing.
    struct Case
    {
        const char* why;
        const char* steps;
        uint8_t state;
    } cases[] = {
        {"pressed this step", "d", 1},
        {"held one more step", "d.", 2},
        {"a click within one step: released wins", "du", 255},
        {"released, then pressed again in one step", "d.ud", 1},
        {"released and gone after a step", "du.", 0},
        {"a repeat counts one more", "d.d", 3},
    };
    for (const Case& c : cases)
    {
        ZC_INPUT fresh;
        for (const char* s = c.steps; *s; ++s)
        {
            if (*s == '.')
                fresh.fAdvanceFrame();
            else if (*s == 'd')
                fresh.fOnKeyDown('K');
            else
                fresh.fOnKeyUp('K');
        }
        EXPECT_EQ(c.state, fresh.fGetKeyState('K')) << c.why;
    }
}

TEST_F(Input, AHeldKeyCountsTo125AndWrapsToTwo)
{
    input.fOnKeyDown(1);
    std::vector<int> seen;
    for (int step = 0; step < 126; ++step)
    {
        input.fAdvanceFrame();
        seen.push_back(input.keys[1]);
    }
    EXPECT_EQ(2, seen[0]);
    EXPECT_EQ(125, seen[123]);
    EXPECT_EQ(2, seen[124]) << "125 wraps to 2, never reaching 255";
    EXPECT_EQ(3, seen[125]);

    // A repeat on a state near the top wraps as well.
    input.keys[5] = 121;
    input.fOnKeyDown(5);
    EXPECT_EQ(2, input.keys[5]);
}

TEST_F(Input, ShiftIsMirroredIntoCapsLockSoLettersComeOutCapital)
{
    input.fOnKeyDown(16);
    EXPECT_EQ(1, input.keys[16]);
    EXPECT_EQ(1, input.keys[20]);
    input.fAdvanceFrame();
    input.fAdvanceFrame();
    EXPECT_EQ(3, input.keys[16]);
    EXPECT_EQ(1, input.keys[20]) << "the Caps Lock entry does not count";

    input.fOnKeyDown('G');
    EXPECT_EQ(L'G', input.typed[0]);
    input.fOnKeyDown('4');
    EXPECT_EQ(L'4', input.typed[0]) << "digits stay unshifted";
    input.fOnKeyDown(16); // a repeat of the held Shift
    EXPECT_EQ(1, input.keys[16]);

    input.fOnKeyUp(16);
    EXPECT_EQ(255, input.keys[16]);
    EXPECT_EQ(255, input.keys[20]);
    input.fAdvanceFrame();
    EXPECT_EQ(0, input.keys[16]);
    EXPECT_EQ(0, input.keys[20]);
    input.fOnKeyDown('G');
    EXPECT_EQ(L'g', input.typed[0]);
}

TEST_F(Input, ControlKeysTypeNothingButStillFire)
{
    for (int key : {8, 13, 16, 17, 27, 35, 36, 37, 38, 39, 40, 45, 46})
        EXPECT_TRUE(ZC_INPUT::fIsControlKey(key)) << key;
    for (int key : {1, 9, 18, 20, 32, int('A'), int('0'), 0x70, 0x79})
        EXPECT_FALSE(ZC_INPUT::fIsControlKey(key)) << key;

    input.fOnKeyDown('Q');
    ASSERT_EQ(L'q', input.typed[0]);
    input.fOnKeyDown(8); // Backspace leaves the typed character alone
    EXPECT_EQ(L'q', input.typed[0]);
    EXPECT_EQ(8, input.lastKey);
    EXPECT_EQ("down 8", gEvents.back());

    input.fAdvanceFrame();
    EXPECT_EQ(0, input.typed[0]);
    EXPECT_EQ(0, input.lastKey);
}

TEST_F(Input, TheSystemsTextGoesWithItsKeyAndLastsTheStep)
{
    input.fOnKeyDown('Q', L"\u00e9x");
    EXPECT_EQ((std::vector<std::string>{"down 81", "down 231", "up 231"}), gEvents)
        << "the second character comes as a press of its own";
    EXPECT_EQ(L"x", std::wstring(input.typed));
    input.fOnKeyDown(8, L"\b"); // whatever a control key comes with, it types nothing
    EXPECT_EQ(0, input.typed[0]);
    input.fOnText(L"\u03a9");
    EXPECT_EQ(L"\u00e9x\u03a9", input.typedInStep);

    input.fAdvanceFrame();
    EXPECT_EQ(L"", input.typedInStep);
    EXPECT_EQ(0, input.fGetKeyState(ZC_INPUT::kTextKey));
    input.fOnKeyDown(-1, L"a");
    EXPECT_EQ(L"", input.typedInStep) << "a code outside the table is ignored with its text";
}

TEST_F(Input, CodesOutsideTheTableAreIgnored)
{
    for (int key : {-1, 256, 100000})
    {
        input.fOnKeyDown(key);
        input.fOnKeyUp(key);
        EXPECT_EQ(0, input.fGetKeyState(key));
    }
    EXPECT_TRUE(gEvents.empty());
    EXPECT_EQ(0, input.lastKey);
}

TEST_F(Input, PointerMovesKeepThePreviousPositionAndFireWithoutArgument)
{
    input.fOnMouseMove(10, 20);
    input.fOnMouseMove(30, 40);
    EXPECT_EQ((std::vector<std::string>{"move", "move"}), gEvents);
    EXPECT_EQ(30, zcMOUSE_POSITION->x);
    EXPECT_EQ(40, zcMOUSE_POSITION->y);
    EXPECT_EQ(10, input.previousPosition.x);
    EXPECT_EQ(20, input.previousPosition.y);

    float x = 0, y = 0;
    EXPECT_EQ(1, input.fGetPointerPosition(&x, &y, 0));
    EXPECT_EQ(30.0f, x);
    EXPECT_EQ(-1, input.fGetPointerPosition(&x, &y, 1));
    EXPECT_EQ(nullptr, input.fFindPointerRecord(0));
}

TEST(InputGlobals, PublishedByTheConstructorAndClearedByTheDestructor)
{
    {
        ZC_INPUT input;
        EXPECT_EQ(&input, zcINPUT);
        EXPECT_EQ(&input.position, zcMOUSE_POSITION);
    }
    EXPECT_EQ(nullptr, zcINPUT);
    EXPECT_EQ(nullptr, zcMOUSE_POSITION) << "no pointer into a deleted object";
}
