#include <gtest/gtest.h>

#include <memory>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_JOINT.h"

using namespace ZOR;
using namespace ZT_BOT;

namespace
{
const float kPi = 3.1415927f;
}

TEST(BotJoint, AngleOfCoversEveryQuadrantAndTheAxes)
{
    struct CASE
    {
        float x, y, angle;
    } cases[] = {{1, 0, 0},           {0, 1, kPi / 2}, {-1, 0, kPi},           {0, -1, 3 * kPi / 2},
                 {1, -1, 7 * kPi / 4}, {-1, -1, 5 * kPi / 4}, {0, 0, 0}};
    for (const CASE& c : cases)
        EXPECT_NEAR(c.angle, fAngleOf(c.x, c.y), 1e-5f) << c.x << " " << c.y;
}

TEST(BotFollow, ClosesTheGapAndFinishesTheTickAfterItIsBelowOnePixel)
{
    ZS_TRANSFORM3 follower, leader;
    leader.fSetPosition(100.0f, 0.0f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotFollow(&follower, &leader, 5.0f, 0.0f, true, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    EXPECT_EQ(0, fTicks(bot.get(), 0.05f, 10));
    EXPECT_LT(100.0f - follower.position.x, 10.0f) << "most of the gap within half a second";

    bool wasNear = false;
    for (int i = 0; i < 100; ++i)
    {
        bool near = 100.0f - follower.position.x < 1.0f;
        int answer = fTick(bot.get(), 0.05f);
        ASSERT_EQ(wasNear ? zcANSWER_DELETE_ME : 0, answer);
        if (answer)
            break;
        wasNear = near;
    }
    EXPECT_EQ(1, log.count);
}

TEST(BotFollow, AnEndlessFollowIgnoresFinishNowAndATimedOneEnds)
{
    ZS_TRANSFORM3 follower, leader;
    leader.fSetPosition(0.0f, 0.5f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotFollow(&follower, &leader, 1.0f, 0.0f, false, 0.0f));
    bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr);
    EXPECT_EQ(0, fTicks(bot.get(), 0.1f, 100));

    bot.reset(fCreateBotFollow(&follower, &leader, 1.0f, 0.5f, false, 0.0f));
    EXPECT_EQ(5, fTicksToFinish(bot.get(), 0.125f));
}

TEST(BotRigidJoint, KeepsTheOffsetTakenWhenTheDelayEnds)
{
    ZS_TRANSFORM3 first, anchor;
    first.fSetPosition(10.0f, 5.0f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotRigidJoint(&first, &anchor, 0.0f, 0.25f));
    first.fSetPosition(20.0f, 5.0f, 1.0f); // during the delay: the offset follows
    fTick(bot.get(), 0.25f);
    anchor.fSetPosition(50.0f, 50.0f, 3.0f);
    fTick(bot.get(), 0.25f);
    EXPECT_EQ(ZS_VECTOR3(70.0f, 55.0f, 4.0f), first.position);

    FIRE_LOG log;
    bot.reset(fCreateBotRigidJoint(&first, &anchor, 0.5f, 0.0f));
    fAttach(bot.get(), &log);
    EXPECT_EQ(3, fTicksToFinish(bot.get(), 0.25f));
    EXPECT_EQ(1, log.count);
}

TEST(BotDistanceJoint, DraggingTheAnchorPullsTheFirstAlongAtTheKeptDistance)
{
    ZS_TRANSFORM3 first, anchor;
    first.fSetPosition(10.0f, 0.0f, 5.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotDistanceJoint(&first, &anchor, 0.0f, 0.0f));
    anchor.fSetPosition(100.0f, 0.0f, 0.0f);
    fTick(bot.get(), 0.1f);
    EXPECT_NEAR(90.0f, first.position.x, 1e-3f);
    EXPECT_NEAR(0.0f, first.position.y, 1e-3f);
    EXPECT_EQ(0.0f, first.position.z);

    anchor.fSetPosition(90.0f, 50.0f, 0.0f);
    fTick(bot.get(), 0.1f);
    EXPECT_NEAR(90.0f, first.position.x, 1e-3f);
    EXPECT_NEAR(40.0f, first.position.y, 1e-3f);

    EXPECT_EQ(0, bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr));
    EXPECT_EQ(0, fTicks(bot.get(), 0.1f, 50)) << "endless, and 45 is ignored";
}
