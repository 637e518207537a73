#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_FADE.h"

using namespace ZOR;
using namespace ZT_BOT;

TEST(BotColorFade, ChannelsRiseAndFallLinearlyTruncatedAndEndOnTheTarget)
{
    ZS_COLOR colour(0x00FF0000u);
    std::unique_ptr<ZC_BASE> bot(fCreateBotColorJs(&colour, 1.0f, 0xFF000000u, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    EXPECT_EQ("bot_color", bot->name);

    std::vector<uint32_t> seen;
    int answer = 0;
    while ((answer = fTick(bot.get(), 0.25f)) == 0)
        seen.push_back(colour.fToPacked());
    EXPECT_EQ(zcANSWER_DELETE_ME, answer);
    // Alpha 0, 63.75, 127.5, 191.25; red 255, 191.25, 127.5, 63.75: both truncated.
    EXPECT_EQ((std::vector<uint32_t>{0x00FF0000u, 0x3FBF0000u, 0x7F7F0000u, 0xBF3F0000u}), seen);
    EXPECT_EQ(0xFF000000u, colour.fToPacked());
    EXPECT_EQ(1, log.count);
    EXPECT_EQ(gTickNumber, log.tick);
}

TEST(BotColorFade, AZeroDurationSetsTheColourAtTheFirstTick)
{
    ZS_COLOR colour(0x12345678u);
    std::unique_ptr<ZC_BASE> bot(fCreateBotColorJs(&colour, 0.0f, 0xFFFFFFFFu, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.1f));
    EXPECT_EQ(0xFFFFFFFFu, colour.fToPacked());
    EXPECT_EQ(1, log.count);
}

TEST(BotColorFade, ADelayedFadeStartsFromTheColourWhenTheDelayEnds)
{
    ZS_COLOR colour(0xFF000000u);
    std::unique_ptr<ZC_BASE> bot(fCreateBotColorJs(&colour, 1.0f, 0xFF0000FFu, 0.5f));
    colour = 0xFF000080u;
    fTicks(bot.get(), 0.25f, 2);
    EXPECT_EQ(0xFF000080u, colour.fToPacked()) << "the delay's last tick only starts";
    fTicks(bot.get(), 0.25f, 2);
    EXPECT_EQ(0xFF00009Fu, colour.fToPacked()) << "128 + 0.25 x 127 = 159.75";

    // Message 45: the colour now, and again with the callback when its time is found used up.
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    bot->fMessage(zcMESSAGE_FINISH, 0, 0, 0, nullptr);
    EXPECT_EQ(0xFF0000FFu, colour.fToPacked());
    EXPECT_EQ(zcANSWER_DELETE_ME, fTick(bot.get(), 0.25f));
    EXPECT_EQ(2, log.count);
}
