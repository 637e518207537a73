#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/bots/ZC_BOT_TRANSFORM.h"

using namespace ZOR;
using namespace ZT_BOT;

namespace
{
const float kPi = 3.1415927f;
}

TEST(BotTransform, BlendsToTheWorldGoalAndSetsItExactlyLeavingThePivot)
{
    ZS_TRANSFORM3 target;
    target.fSetPivot(5.0f, 5.0f, 0.0f);
    ZS_TRANSFORM3 parent;
    parent.fSetPosition(10.0f, 0.0f, 0.0f);
    ZS_TRANSFORM3 goal;
    goal.fSetPosition(90.0f, 0.0f, 0.0f);
    goal.fSetScale(2.0f, 2.0f, 2.0f);
    goal.fSetRotation(0.0f, 0.0f, 1.0f);
    goal.parent = &parent;

    std::unique_ptr<ZC_BASE> bot(fCreateBotTransform(&target, goal, 1.0f, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    fTick(bot.get(), 0.25f);
    fExpectNear(ZS_VECTOR3(25.0f, 0.0f, 0.0f), target.position);
    fExpectNear(ZS_VECTOR3(1.25f, 1.25f, 1.25f), target.scale);
    fExpectNear(ZS_VECTOR3(0.0f, 0.0f, 0.25f), target.rotation);
    EXPECT_EQ(4, fTicksToFinish(bot.get(), 0.25f));
    EXPECT_EQ(ZS_VECTOR3(100.0f, 0.0f, 0.0f), target.position);
    EXPECT_EQ(ZS_VECTOR3(2.0f, 2.0f, 2.0f), target.scale);
    EXPECT_EQ(ZS_VECTOR3(5.0f, 5.0f, 0.0f), target.pivot);
    EXPECT_EQ(1, log.count);

    // No duration and a frame that took no time: the goal, not 0 / 0.
    ZS_TRANSFORM3 other;
    bot.reset(fCreateBotTransform(&other, goal, 0.0f, 0.0f));
    EXPECT_EQ(0, fTick(bot.get(), 0.0f));
    EXPECT_EQ(ZS_VECTOR3(100.0f, 0.0f, 0.0f), other.position);
}

TEST(BotSwitch, TurningBackMidwayTakesAsLongAsTheWayOutHadRun)
{
    ZS_TRANSFORM3 target, first, second;
    second.fSetPosition(100.0f, 0.0f, 0.0f);
    ZC_BOT_SWITCH* bot = fCreateBotSwitch(&target, 1.0f, first, second, 0.0f);
    FIRE_LOG log;
    fAttach(bot, &log);
    ZC_BOT_CONTAINER c;
    c.fAdd(bot);
    zcFRAME_DELTA = 0.125f;
    c.fUpdate();
    EXPECT_EQ(0.0f, target.position.x) << "idle switches are not ticked";

    bot->fSwitchTo(true);
    c.fUpdate();
    c.fUpdate();
    EXPECT_NEAR(25.0f, target.position.x, 1e-4f);
    bot->fToggle();
    c.fUpdate();
    EXPECT_NEAR(12.5f, target.position.x, 1e-4f);
    c.fUpdate();
    EXPECT_EQ(0.0f, target.position.x);
    EXPECT_EQ(0, bot->updateGroup);
    EXPECT_EQ(1u, c.fGetCount()) << "a switch never finishes";
    EXPECT_EQ(0, log.count);
    c.fDeleteAll();
}

TEST(BotRotate, TurnsByStepsOverTheDurationOrAtTheSpeed)
{
    struct CASE
    {
        bool to;
        float duration, speed, z;
        float expected;
        const char* why;
    } cases[] = {
        {false, 0.0f, 0.0f, kPi, kPi, "both 0: one second at the change's length"},
        {false, 2.0f, 3.0f, 1.0f, 6.0f, "both given: change x speed x duration"},
        {false, 0.0f, 2.0f, -1.0f, -1.0f, "a speed alone"},
        {true, 1.0f, 0.0f, 2.0f, 2.0f, "toward a rotation"},
    };
    for (const CASE& c : cases)
    {
        ZS_TRANSFORM3 t;
        std::unique_ptr<ZC_BASE> bot(c.to ? static_cast<ZC_BASE*>(fCreateBotRotateTo(&t, c.duration, c.speed, 0, 0,
                                                                                     c.z, 0.0f))
                                          : fCreateBotRotateOn(&t, c.duration, c.speed, 0, 0, c.z, 0.0f));
        EXPECT_EQ("bot_rotate", bot->name);
        EXPECT_GT(fTicksToFinish(bot.get(), 0.25f), 0);
        EXPECT_NEAR(c.expected, t.rotation.z, 1e-4f) << c.why;
    }
}

TEST(BotRotate, RotateToTakesItsChangeAtConstructionEvenWithADelay)
{
    ZS_TRANSFORM3 t;
    t.rotation.z = 0.5f;
    std::unique_ptr<ZC_BASE> bot(fCreateBotRotateTo(&t, 1.0f, 0.0f, 0.0f, 0.0f, 2.0f, 0.5f));
    t.rotation.z = 1.0f;
    fTicksToFinish(bot.get(), 0.25f);
    EXPECT_NEAR(2.5f, t.rotation.z, 1e-4f);
}

TEST(BotScale, EndsExactlyOnTheGoal)
{
    for (float speed : {0.0f, 7.0f})
    {
        ZS_TRANSFORM3 t;
        std::unique_ptr<ZC_BASE> bot(fCreateBotScale(&t, speed ? 0.0f : 0.3f, speed, 2.0f, 3.0f, 0.5f, 0.0f));
        FIRE_LOG log;
        fAttach(bot.get(), &log);
        fTick(bot.get(), 0.1f);
        EXPECT_GT(t.scale.y, 1.0f);
        EXPECT_GT(fTicksToFinish(bot.get(), 0.1f), 0);
        EXPECT_EQ(ZS_VECTOR3(2.0f, 3.0f, 0.5f), t.scale);
        EXPECT_EQ(1, log.count);
    }

    // Both 0: the whole change spread over one second.
    ZS_TRANSFORM3 t;
    std::unique_ptr<ZC_BASE> bot(fCreateBotScale(&t, 0.0f, 0.0f, 3.0f, 1.0f, 1.0f, 0.0f));
    fTicks(bot.get(), 0.25f, 2);
    EXPECT_NEAR(2.0f, t.scale.x, 1e-5f);
}

TEST(BotZoomInto, ZoomsTowardTheFocusAndSpringsBack)
{
    // No game object in the tests: the default resolution 1024 x 768.
    ZS_TRANSFORM3 t;
    t.fSetScale(2.0f, 3.0f, 4.0f);
    t.fSetPosition(0.0f, 0.0f, 7.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotZoomInto(&t, ZS_VECTOR2(512.0f, 384.0f), 1.0f));
    EXPECT_EQ("nonamed", bot->name);
    EXPECT_EQ(0.0f, bot->key);
    fTick(bot.get(), 0.25f);
    EXPECT_EQ(ZS_VECTOR3(1.0f, 1.0f, 0.0f), t.scale) << "the centre: no zoom";
    fTicksToFinish(bot.get(), 0.25f);
    EXPECT_EQ(ZS_VECTOR3(2.0f, 3.0f, 0.0f), t.scale);

    ZS_TRANSFORM3 u;
    FIRE_LOG log;
    bot.reset(fCreateBotZoomInto(&u, ZS_VECTOR2(1024.0f, 768.0f), 1.0f));
    fAttach(bot.get(), &log);
    fTicks(bot.get(), 0.25f, 3); // the third tick steps at half way
    fExpectNear(ZS_VECTOR3(1.25f, 1.25f, 0.0f), u.scale);
    fExpectNear(ZS_VECTOR3(-256.0f, -192.0f, 0.0f), u.position);
    EXPECT_EQ(2, fTicksToFinish(bot.get(), 0.25f)); // one more step at three quarters
    EXPECT_EQ(ZS_VECTOR3(0.0f, 0.0f, 0.0f), u.position);
    EXPECT_EQ(ZS_VECTOR3(1.0f, 1.0f, 0.0f), u.scale);
    EXPECT_EQ(1, log.count);
}

TEST(BotBlob, WobblesAboutTheEndScaleAndEndsOnIt)
{
    ZS_TRANSFORM3 t;
    std::unique_ptr<ZC_BASE> bot(fCreateBotBlob(&t, 1.0f, 0.2f, 2.0f, 0.5f, 1.0f, 1.0f, 0.0f, false));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    float lowest = 1.0f, highest = 1.0f;
    int answer = 0;
    while ((answer = fTick(bot.get(), 0.05f)) == 0)
    {
        lowest = std::min(lowest, t.scale.x);
        highest = std::max(highest, t.scale.x);
        EXPECT_EQ(t.scale.x, t.scale.y);
    }
    EXPECT_LT(lowest, 0.95f);
    EXPECT_GT(highest, 1.05f);
    EXPECT_LE(highest, 1.2f);
    EXPECT_EQ(ZS_VECTOR3(1.0f, 1.0f, 0.0f), t.scale);
    EXPECT_EQ(1, log.count);
}

TEST(BotBlob, GrowsFromTheStartScaleAfterItsDelayAndALoopRestarts)
{
    ZS_TRANSFORM3 t;
    std::unique_ptr<ZC_BASE> bot(fCreateBotBlob(&t, 1.0f, 0.0f, 2.0f, 0.0f, 0.5f, 1.0f, 0.5f, true));
    EXPECT_EQ(ZS_VECTOR3(0.5f, 0.5f, 0.0f), t.scale) << "set at construction, before the delay";
    fTicks(bot.get(), 0.25f, 2);
    EXPECT_EQ(0.5f, t.scale.x);
    fTicks(bot.get(), 0.25f, 2); // growth 0.5 per 0.25 s with frequency 2
    EXPECT_NEAR(0.75f, t.scale.x, 1e-5f);
    EXPECT_EQ(0, bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr));
    EXPECT_EQ(0, fTicks(bot.get(), 0.25f, 40)) << "a loop never finishes";

    // A duration of 0 finishes at once instead of dividing by it.
    bot.reset(fCreateBotBlob(&t, 0.0f, 0.2f, 2.0f, 0.5f, 0.5f, 1.5f, 0.0f, false));
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.25f));
    EXPECT_EQ(ZS_VECTOR3(1.5f, 1.5f, 0.0f), t.scale);
}
