#include <gtest/gtest.h>

#include <memory>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/bots/ZC_BOT_SLEEP.h"
#include "engine/bots/ZT_BOT_SLEEP.h"
#include "engine/core/ZS_TRANSFORM3.h"

using namespace ZOR;
using namespace ZT_BOT;

TEST(BotSleep, WritesTheValueAndFiresInTheTickTheDelayRunsOut)
{
    float value = 1.0f;
    FIRE_LOG log;
    ZS_CALLBACK record = fLogRecord(&log);
    std::unique_ptr<ZC_BASE> bot(fCreateBotSleep(&value, &record, 0.5f, 9.0f));
    EXPECT_EQ("bot_sleep", bot->name);
    EXPECT_EQ(0, fTick(bot.get(), 0.25f));
    EXPECT_EQ(1.0f, value);
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.25f));
    EXPECT_EQ(9.0f, value);
    EXPECT_EQ(1, log.count);
    EXPECT_EQ(gTickNumber, log.tick);

    // No target, a delay of 0: only the callback, at the first tick.
    FIRE_LOG pure;
    record = fLogRecord(&pure);
    bot.reset(fCreateBotSleep(nullptr, &record, 0.0f, 9.0f));
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.01f));
    EXPECT_EQ(1, pure.count);

    // Message 38 without data keeps the empty record; the bot still finishes.
    bot.reset(fCreateBotSleep(nullptr, nullptr, 0.0f, 0.0f));
    EXPECT_EQ(0, bot->fMessage(zcMESSAGE_SET_CALLBACK, 0, 0, 0, nullptr));
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.01f));
}

TEST(BotSleep, FinishNowFiresAtOnceAndAgainAtTheNextTick)
{
    float value = 0.0f;
    std::unique_ptr<ZC_BASE> bot(fCreateBotSleep(&value, nullptr, 5.0f, 3.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr);
    EXPECT_EQ(3.0f, value);
    EXPECT_EQ(1, log.count);
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.01f));
    EXPECT_EQ(2, log.count);
}

TEST(BotSleepTemplate, FiresWithoutTargetWhenTheFrameTimeReachesTheDelay)
{
    std::unique_ptr<ZC_BASE> bot(new ZT_BOT_SLEEP<int>(nullptr, 4, 0.5f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    EXPECT_EQ("bot_sleep_template", bot->name);
    EXPECT_EQ(zcBOT_KEY, bot->key);
    EXPECT_EQ(0, bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr));
    EXPECT_EQ(0, log.count) << "45 leaves the template waiting";
    EXPECT_EQ(3, fTicksToFinish(bot.get(), 0.2f));
    EXPECT_EQ(1, log.count);
    EXPECT_EQ(gTickNumber, log.tick);
}

TEST(BotSleepTemplate, RestoresAWholeTransformWithTheParentItHeld)
{
    ZS_TRANSFORM3 oldParent, newParent, target;
    ZS_TRANSFORM3 stored;
    stored.fSetPosition(1.0f, 2.0f, 3.0f);
    stored.fSetPivot(4.0f, 5.0f, 6.0f);
    stored.parent = &oldParent;
    target.parent = &newParent;

    ZC_BOT_CONTAINER c;
    c.fAdd(new ZT_BOT_SLEEP<ZS_TRANSFORM3>(&target, stored, 0.1f));
    bool busy = true;
    c.fAdd(new ZT_BOT_SLEEP<bool>(&busy, false, 0.3f));
    zcFRAME_DELTA = 0.2f;
    c.fUpdate();
    EXPECT_EQ(&oldParent, target.parent);
    EXPECT_EQ(stored.position, target.position);
    EXPECT_EQ(stored.pivot, target.pivot);
    EXPECT_TRUE(busy);
    c.fUpdate();
    EXPECT_FALSE(busy);
    EXPECT_TRUE(c.fIsEmpty());
}
