#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_CONTAINER.h"
#include "engine/bots/ZC_BOT_VALUE.h"

using namespace ZOR;
using namespace ZT_BOT;

TEST(BotChangeFloat, AddsTheAmountOverTheDurationOrAtTheSpeed)
{
    struct CASE
    {
        float amount, duration, speed;
        float change;
        int movingTicks; // at 0.25 s
        const char* why;
    } cases[] = {
        {10.0f, 0.0f, 0.0f, 10.0f, 4, "both 0: one second"},
        {10.0f, 2.0f, 5.0f, 10.0f, 8, "both given and agreeing"},
        {10.0f, 2.0f, 1.0f, 2.0f, 8, "both given: speed x duration wins over the amount"},
        {10.0f, 0.0f, 5.0f, 10.0f, 8, "a speed alone"},
        {-10.0f, 0.0f, 5.0f, -10.0f, 8, "a negative amount at a speed still changes the value"},
    };
    for (const CASE& c : cases)
    {
        float value = 1.0f;
        std::unique_ptr<ZC_BASE> bot(fCreateBotChangeFloat(&value, c.amount, c.duration, c.speed, 0.0f));
        EXPECT_EQ("bot_blink_change_float", bot->name);
        FIRE_LOG log;
        fAttach(bot.get(), &log);
        EXPECT_EQ(c.movingTicks + 1, fTicksToFinish(bot.get(), 0.25f)) << c.why;
        EXPECT_NEAR(1.0f + c.change, value, 1e-4f) << c.why;
        EXPECT_EQ(1, log.count);
    }
}

TEST(BotSwing, WaitsItsDelayThenJumpsToThePhaseAndSwings)
{
    float value = 0.0f;
    std::unique_ptr<ZC_BASE> bot(fCreateBotSwing(&value, 2.0f, 0.5f, 1.0f, 0.5f));
    EXPECT_EQ("bot_swing", bot->name);
    fTick(bot.get(), 0.25f);
    EXPECT_EQ(0.0f, value);
    fTick(bot.get(), 0.25f);
    EXPECT_NEAR(0.85f, value, 1e-6f) << "0.85 x amplitude x phase / period";
    fTick(bot.get(), 0.25f);
    EXPECT_NEAR(0.85f + std::cos(0.75f) * 2.0f * 0.25f, value, 1e-5f);
    EXPECT_EQ(0, fTicks(bot.get(), 0.25f, 100)) << "never finishes";

    // No period: nothing to follow, and never a division by it.
    value = 3.0f;
    bot.reset(fCreateBotSwing(&value, 2.0f, 0.5f, 0.0f, 0.0f));
    fTicks(bot.get(), 0.25f, 4);
    EXPECT_EQ(3.0f, value);
}

TEST(BotChartBoost, LeavesAfterTheFirstPassAndTakesNoCallback)
{
    ZC_BOT_CHART_BOOST* bot = fCreateBotChartBoost("day", nullptr, 7);
    EXPECT_EQ("nonamed", bot->name);
    EXPECT_EQ("day", bot->first);
    EXPECT_EQ("", bot->second);
    FIRE_LOG log;
    fAttach(bot, &log);
    ZC_BOT_CONTAINER c;
    c.fAdd(bot);
    c.fUpdate();
    EXPECT_TRUE(c.fIsEmpty());
    EXPECT_EQ(0, log.count);
}
