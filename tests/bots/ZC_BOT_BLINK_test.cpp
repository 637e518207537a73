#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "bots/ZT_BOT_TEST.h"
#include "engine/bots/ZC_BOT_BLINK.h"
#include "engine/bots/ZC_BOT_FADE.h"

using namespace ZOR;
using namespace ZT_BOT;

namespace
{
int fAlpha(const ZC_MESH& mesh)
{
    return int(mesh.fGetColor() >> 24);
}
}

TEST(BotColor, FadesEveryVertexOfAMeshFromTheColourOfVertexZero)
{
    ZC_MESH mesh(4, nullptr, nullptr, nullptr, 0);
    mesh.fSetColor(0x00FFFFFFu);
    mesh.fSetVertexColor(0xFF000000u, 3); // only vertex 0 is read
    std::unique_ptr<ZC_BASE> bot(fCreateBotColor(&mesh, 1.0f, 0xFFFFFFFFu, 0.0f));
    FIRE_LOG log;
    fAttach(bot.get(), &log);
    std::vector<int> alphas;
    while (fTick(bot.get(), 0.25f) == 0)
    {
        alphas.push_back(fAlpha(mesh));
        EXPECT_EQ(mesh.vertices[0].color, mesh.vertices[3].color);
    }
    EXPECT_EQ((std::vector<int>{0, 63, 127, 191}), alphas);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(0xFFFFFFFFu, mesh.vertices[i].color.fToPacked());
    EXPECT_EQ(1, log.count);
}

TEST(BotBlinkAnalog, RampsToLevelsInItsRangeInBurstsAndEndsOpaque)
{
    ZC_MESH mesh(4, nullptr, nullptr, nullptr, 0);
    mesh.fSetColor(0x80336699u);
    ZC_BOT_BLINK_ANALOG* bot = fCreateBotBlinkAnalog(&mesh, 100, 200, 0.25f, 0.5f, 3, 1.0f, false, 6.0f, 0.0f);
    std::unique_ptr<ZC_BASE> owner(bot);
    EXPECT_EQ("bot_blink_analog", bot->name);
    FIRE_LOG log;
    fAttach(bot, &log);

    std::set<float> levels;
    // Until the third ramp of the first burst begins; the pause follows its first step.
    while (bot->count < 3)
    {
        ASSERT_EQ(0, fTick(bot, 0.05f));
        levels.insert(bot->toAlpha);
    }
    int held = fAlpha(mesh);
    for (int i = 0; i < 19; ++i)
    {
        fTick(bot, 0.05f);
        EXPECT_EQ(held, fAlpha(mesh)) << "the pause after a burst";
    }
    fTicks(bot, 0.05f, 3);
    EXPECT_NE(held, fAlpha(mesh)) << "moving again";

    EXPECT_GT(fTicksToFinish(bot, 0.05f), 0);
    for (float level : levels)
    {
        EXPECT_GE(level, 100.0f);
        EXPECT_LT(level, 200.0f);
    }
    EXPECT_EQ(0xFF336699u, mesh.fGetColor()) << "opaque, the colour kept";
    EXPECT_EQ(1, log.count) << "a callback given by message 38 fires when it finishes";
}

// The last step of a ramp may pass its level; below 0 the low byte would flash bright.
TEST(BotBlinkAnalog, AnOvershootingRampStopsAtTransparentInsteadOfWrapping)
{
    ZC_MESH mesh(4, nullptr, nullptr, nullptr, 0);
    std::unique_ptr<ZC_BASE> bot(fCreateBotBlinkAnalog(&mesh, 0, 1, 0.3f, 0.3f, 0, 0.0f, true, 0.0f, 0.0f));
    fTick(bot.get(), 0.25f);
    EXPECT_EQ(42, fAlpha(mesh)) << "255 - 255 / 0.3 x 0.25";
    fTick(bot.get(), 0.25f);
    EXPECT_EQ(0, fAlpha(mesh));
}

TEST(BotBlinkPulse, JumpsBetweenLevelsAndWithoutBurstsOutlivesItsTime)
{
    ZC_MESH mesh(4, nullptr, nullptr, nullptr, 0);
    std::unique_ptr<ZC_BASE> bot(fCreateBotBlinkPulse(&mesh, 10, 60, 0.1f, 0.2f, 0, 0.0f, false, 0.5f, 0.0f));
    EXPECT_EQ("bot_blink_pulse", bot->name);
    std::set<int> seen;
    int changes = 0, last = fAlpha(mesh);
    for (int i = 0; i < 100; ++i)
    {
        ASSERT_EQ(0, fTick(bot.get(), 0.05f)) << "no bursts: it never ends";
        if (fAlpha(mesh) != last)
            ++changes;
        last = fAlpha(mesh);
        if (i > 0 && last != 255)
            seen.insert(last);
    }
    EXPECT_GT(changes, 15) << "still pulsing long after its half second";
    for (int a : seen)
    {
        EXPECT_GE(a, 10);
        EXPECT_LT(a, 60);
    }
}

TEST(BotLazyBlinker, FadesOutHoldsFadesBackHoldsAndThenRests)
{
    ZC_MESH mesh(4, nullptr, nullptr, nullptr, 0);
    ZC_BOT_LAZY_BLINKER* bot = fCreateBotLazyBlinker(&mesh, 1, 0.5f, 0.25f, 0.0f);
    std::unique_ptr<ZC_BASE> owner(bot);
    FIRE_LOG log;
    fAttach(bot, &log);
    EXPECT_EQ(0, fTicks(bot, 0.125f, 10));
    EXPECT_EQ(255, fAlpha(mesh)) << "idle until started";

    bot->fStart(2, 0.0f);
    std::vector<int> alphas;
    for (int i = 0; i < 20; ++i)
    {
        EXPECT_EQ(0, fTick(bot, 0.125f));
        alphas.push_back(fAlpha(mesh));
    }
    // Out by quarters of the way to 0, stopping a step short; a hold; back toward opaque.
    EXPECT_EQ((std::vector<int>{255, 191, 128, 64, 64, 64, 64, 64, 112, 160, 207, 207, 207, 207}),
              std::vector<int>(alphas.begin(), alphas.begin() + 14));
    for (size_t i = 14; i < alphas.size(); ++i)
        EXPECT_EQ(207, alphas[i]) << "its fades used up";
    EXPECT_EQ(0, log.count);
    EXPECT_EQ(0xCFFFFFFFu, mesh.fGetColor());
}
