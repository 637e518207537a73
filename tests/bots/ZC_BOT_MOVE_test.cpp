#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/bots/ZC_BOT_MOVE.h"
#include "engine/core/ZC_GEOMETRY.h"

using namespace ZOR;
using namespace ZT_BOT;

namespace
{
ZS_TRANSFORM3 fAt(float x, float y, float z = 0.0f)
{
    ZS_TRANSFORM3 t;
    t.fSetPosition(x, y, z);
    return t;
}
}

TEST(BotMove, DurationComesFromTheDurationOrTheSpeed)
{
    struct CASE
    {
        float duration, speed;
        float expectedSeconds;
        const char* why;
    } cases[] = {
        {0.0f, 0.0f, 1.0f, "both 0 take one second"},
        {0.0f, 100.0f, 2.0f, "200 pixels at 100 per second"},
        {4.0f, 0.0f, 4.0f, "a duration alone"},
        {0.5f, 100.0f, 0.5f, "the duration wins when both are given"},
    };
    for (const CASE& c : cases)
    {
        ZS_TRANSFORM3 t = fAt(0.0f, 0.0f);
        std::unique_ptr<ZC_BASE> bot(fCreateBotMove(&t, c.duration, c.speed, 200.0f, 0.0f, 0.0f, 0.0f));
        // The first tick stands on the start; the second has moved by one frame's share.
        fTicks(bot.get(), 0.125f, 2);
        EXPECT_NEAR(200.0f * 0.125f / c.expectedSeconds, t.position.x, 1e-3f) << c.why;
    }
}

TEST(BotMove, EndsExactlyOnThePointAndFiresOnceInTheFinishingTick)
{
    ZS_TRANSFORM3 t = fAt(10.0f, 20.0f, 5.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMove(&t, 0.3f, 0.0f, 13.7f, -4.1f, 2.9f, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    EXPECT_EQ("bot_move", bot->name);
    EXPECT_EQ(zcBOT_KEY, bot->key);
    EXPECT_EQ(0, bot->drawGroup);

    fTick(bot.get(), 0.1f);
    EXPECT_EQ(ZS_VECTOR3(10.0f, 20.0f, 5.0f), t.position) << "the first moving tick stands on the start";
    int ticks = fTicksToFinish(bot.get(), 0.1f);
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(ZS_VECTOR3(13.7f, -4.1f, 2.9f), t.position);
    EXPECT_EQ(1, log.count);
    EXPECT_EQ(gTickNumber, log.tick);
    EXPECT_EQ(&log, log.seen) << "fired with null, so the record's target arrives";
}

TEST(BotMove, ADelayedMoveStartsFromWhereTheTransformIsWhenTheDelayEnds)
{
    ZS_TRANSFORM3 t = fAt(0.0f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMove(&t, 1.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.5f));
    t.fSetPosition(50.0f, 0.0f, 0.0f);
    fTicks(bot.get(), 0.25f, 2); // the delay runs out in the second tick, which only starts
    EXPECT_EQ(50.0f, t.position.x);
    fTicks(bot.get(), 0.25f, 2);
    EXPECT_NEAR(62.5f, t.position.x, 1e-4f);
}

TEST(BotMove, FinishNowJumpsAndTheNextTickFiresAgain)
{
    ZS_TRANSFORM3 t = fAt(0.0f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMove(&t, 1.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    fTick(bot.get(), 0.1f);
    EXPECT_EQ(0, bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr));
    EXPECT_EQ(100.0f, t.position.x);
    EXPECT_EQ(1, log.count);
    t.position.x = 7.0f; // the bot let go of its target
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.1f));
    EXPECT_EQ(2, log.count);
    EXPECT_EQ(7.0f, t.position.x);
}

// A speed toward the point the transform already stands on gives a duration of 0.
TEST(BotMove, AZeroDurationNeverWritesNotANumber)
{
    ZS_TRANSFORM3 t = fAt(30.0f, 40.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMove(&t, 0.0f, 100.0f, 30.0f, 40.0f, 0.0f, 0.0f));
    fTick(bot.get(), 0.1f);
    EXPECT_EQ(ZS_VECTOR3(30.0f, 40.0f, 0.0f), t.position);
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.1f));
    EXPECT_EQ(ZS_VECTOR3(30.0f, 40.0f, 0.0f), t.position);
}

TEST(BotMoveOn, MovesByTheOffsetInStepsAndIgnoresZ)
{
    ZS_TRANSFORM3 t = fAt(5.0f, 5.0f, 3.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMoveOn(&t, 0.5f, 0.0f, 100.0f, 50.0f, 99.0f, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    EXPECT_EQ("nonamed", bot->name);
    EXPECT_EQ(0.0f, bot->key);
    EXPECT_EQ(0, bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr));
    EXPECT_EQ(0, log.count) << "45 is ignored";

    EXPECT_EQ(5, fTicksToFinish(bot.get(), 0.125f));
    fExpectNear(ZS_VECTOR3(105.0f, 55.0f, 3.0f), t.position);
    EXPECT_EQ(1, log.count);

    // With frame times that do not add up to the duration the remainder stays.
    t = fAt(0.0f, 0.0f);
    bot.reset(fCreateBotMoveOn(&t, 0.5f, 0.0f, 100.0f, 0.0f, 0.0f, 0.0f));
    fTicksToFinish(bot.get(), 0.3f);
    EXPECT_NEAR(60.0f, t.position.x, 1e-3f);
}

TEST(BotMoveOn, ItsKeyZeroPutsItBehindTheBotsWhenTheContainerSorts)
{
    ZS_TRANSFORM3 a = fAt(0.0f, 0.0f), b = fAt(0.0f, 0.0f);
    ZC_BOT_CONTAINER c;
    ZC_BASE* on = fCreateBotMoveOn(&a, 1.0f, 0.0f, 10.0f, 0.0f, 0.0f, 0.0f);
    ZC_BASE* move = fCreateBotMove(&b, 1.0f, 0.0f, 10.0f, 0.0f, 0.0f, 0.0f);
    c.fAdd(on);
    c.fAdd(move);
    zcFRAME_DELTA = 0.1f;
    c.fUpdate();
    ASSERT_EQ(2u, c.fGetCount());
    EXPECT_EQ(move, c.objects[0]);
    EXPECT_EQ(on, c.objects[1]);
    c.fDeleteAll();
}

TEST(BotCurves, TheQuadraticFollowsItsCurveAndEndsOnTheEndPoint)
{
    ZS_TRANSFORM3 t = fAt(0.0f, 0.0f);
    ZS_VECTOR3 control(50.0f, 100.0f, 0.0f), end(100.0f, 0.0f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMoveQuadBezier(&t, &control, &end, 1.0f, 0.0f, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    fTicks(bot.get(), 0.125f, 3);
    ZS_VECTOR3 expected;
    fBezierQuadratic(&expected, ZS_VECTOR3(), control, end, 0.375f);
    fExpectNear(expected, t.position);
    EXPECT_EQ(5, fTicksToFinish(bot.get(), 0.125f));
    EXPECT_EQ(end, t.position);
    EXPECT_EQ(1, log.count);
}

TEST(BotCurves, CurveStepsAddUpWithARelativeMoveButAStraightMoveSetsThePosition)
{
    ZS_TRANSFORM3 t = fAt(0.0f, 0.0f);
    ZS_VECTOR3 c1(0.0f, 100.0f, 0.0f), c2(100.0f, 100.0f, 0.0f), end(100.0f, 0.0f, 0.0f);
    ZC_BOT_CONTAINER c;
    c.fAdd(fCreateBotMoveCubeBezier(&t, &c1, &c2, &end, 1.0f, 0.0f, 0.0f));
    c.fAdd(fCreateBotMoveOn(&t, 1.0f, 0.0f, 0.0f, 40.0f, 0.0f, 0.0f));
    zcFRAME_DELTA = 0.125f;
    for (int i = 0; i < 20 && !c.fIsEmpty(); ++i)
        c.fUpdate();
    EXPECT_TRUE(c.fIsEmpty());
    fExpectNear(ZS_VECTOR3(100.0f, 40.0f, 0.0f), t.position);

    t = fAt(0.0f, 0.0f);
    c.fAdd(fCreateBotMoveCubeBezier(&t, &c1, &c2, &end, 1.0f, 0.0f, 0.0f));
    c.fAdd(fCreateBotMove(&t, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f));
    c.fUpdate();
    c.fUpdate();
    EXPECT_EQ(ZS_VECTOR3(0.0f, 0.0f, 0.0f), t.position) << "the straight move ticks last and sets";
    c.fDeleteAll();
}

TEST(BotCurves, TheManyPointCurveRunsForItsDurationOrChordOverSpeed)
{
    struct CASE
    {
        float duration, speed;
        int ticks; // moving ticks at 0.25 s, then one finishing tick
    } cases[] = {{1.5f, 40.0f, 6}, {0.0f, 100.0f, 8}, {0.0f, 0.0f, 4}};
    for (const CASE& k : cases)
    {
        ZS_TRANSFORM3 t = fAt(0.0f, 0.0f);
        ZS_VECTOR3 end(200.0f, 0.0f, 0.0f);
        std::unique_ptr<ZC_BASE> bot(fCreateBotMoveBezier(&t, {ZS_VECTOR3(100.0f, 80.0f, 0.0f)}, &end, k.duration,
                                                          k.speed, 0.0f));
        EXPECT_EQ(k.ticks + 1, fTicksToFinish(bot.get(), 0.25f)) << k.duration << " " << k.speed;
        fExpectNear(end, t.position, 0.01f);
    }
}

TEST(BotMoveLoop, GoesBackAndForthWaitingTheDelayOnEachLeg)
{
    ZS_TRANSFORM3 t = fAt(0.0f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMoveLoop(&t, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.5f));
    // Each leg: 2 delay ticks, 5 moving ticks (0 to 1 s), 1 finishing tick.
    fTicks(bot.get(), 0.25f, 8);
    EXPECT_EQ(100.0f, t.position.x);
    fTicks(bot.get(), 0.25f, 2);
    EXPECT_EQ(100.0f, t.position.x) << "waiting again";
    fTicks(bot.get(), 0.25f, 6);
    EXPECT_EQ(0.0f, t.position.x);
    fTicks(bot.get(), 0.25f, 8);
    EXPECT_EQ(100.0f, t.position.x);

    FIRE_LOG log;
    fAttach(bot.get(), &log);
    bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr);
    EXPECT_EQ(1, log.count);
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.25f));
    EXPECT_EQ(1, log.count);
}

TEST(BotMoveLoop, AStartOnTheSecondPointGoesThereFirstThenToTheFirst)
{
    ZS_TRANSFORM3 t = fAt(100.0f, 0.0f);
    std::unique_ptr<ZC_BASE> bot(fCreateBotMoveLoop(&t, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 100.0f, 0.0f, 0.0f, 0.0f));
    fTicks(bot.get(), 0.25f, 6);
    EXPECT_EQ(100.0f, t.position.x);
    fTicks(bot.get(), 0.25f, 3);
    EXPECT_LT(t.position.x, 100.0f);
}

TEST(BotMoveLoop, AheadRunsAlongTheTurnedUpDirection)
{
    EXPECT_EQ(nullptr, fCreateBotMoveLoopAhead(nullptr, 1.0f, 0.0f, 10.0f, 0.0f));
    ZS_TRANSFORM3 t = fAt(10.0f, 10.0f, 4.0f);
    t.rotation.z = 3.1415927f / 2.0f;
    std::unique_ptr<ZC_BOT_MOVE_LOOP> bot(fCreateBotMoveLoopAhead(&t, 1.0f, 0.0f, 10.0f, 0.0f));
    fExpectNear(ZS_VECTOR3(10.0f, 10.0f, 0.0f), bot->first);
    fExpectNear(ZS_VECTOR3(20.0f, 10.0f, 0.0f), bot->second);
}
