#include <gtest/gtest.h>

#include <climits>
#include <sstream>
#include <vector>

#include "engine/core/ZC_TIMER.h"
#include "game/puzzle/GG_PLAYER.h"
#include "game/puzzle/GG_PLAYER_SHELL.h"
#include "game/ZT_SAVE_BYTES.h"
#include "support/ZT_TEST_ENV.h"

using namespace game;
using namespace ZT_TEST;

namespace
{
int32_t gNow = 0;

int32_t fFakeNow()
{
    return gNow;
}

struct PlayerTest : ::testing::Test
{
    void SetUp() override
    {
        gNow = 1000000;
        GG_HEALTH::fSetClock(fFakeNow);
        fGetPlayerShell() = GG_PLAYER_SHELL{};
    }
    void TearDown() override
    {
        GG_HEALTH::fSetClock(nullptr);
        fGetPlayerShell() = GG_PLAYER_SHELL{};
        ZOR::zcFRAME_DELTA = 0.0f;
    }

    // Five hearts, all there, one back every 100 s.
    GG_PLAYER fFullPlayer()
    {
        GG_PLAYER player;
        player.fSetItemCount(ITEM_HEALTH, 5);
        player.fGetHealth().count = 5;
        player.fGetHealth().refillPeriod = 100;
        return player;
    }
};

std::string fRecord(const GG_PLAYER& player)
{
    return fWriteStream("player.bin", [&](ZOR::ZC_BINARY_STREAM& s) { EXPECT_TRUE(player.fSaveBinary(&s)); });
}

bool fReadRecord(GG_PLAYER& player, const std::string& bytes)
{
    return fReadStream("player_in.bin", bytes, [&](ZOR::ZC_BINARY_STREAM& s) { return player.fLoadBinary(&s); });
}
}

TEST_F(PlayerTest, HeartsComeBackOnePerPeriodOfWallClock)
{
    const struct
    {
        int lost;
        int elapsed;
        int count;
        bool refilling;
        double countdown;
    } cases[] = {
        {1, 0, 4, true, 100},   // the timer starts when the heart is lost
        {1, 99, 4, true, 1},
        {1, 100, 5, false, 0},  // back, and the block is full again
        {2, 0, 3, true, 100},   // the second timer waits for the first
        {2, 100, 4, true, 100}, // one back; the countdown shows the second timer
        {2, 150, 4, true, 50},
        {2, 200, 5, false, 0},
        {3, 250, 4, true, 50},
        {5, 100000, 5, false, 0}, // a long absence gives every heart back, never more
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.lost << " lost, " << c.elapsed << " s later");
        GG_PLAYER player = fFullPlayer();
        GG_HEALTH& health = player.fGetHealth();
        const int32_t start = gNow;
        for (int i = 0; i < c.lost; ++i)
            ASSERT_TRUE(health.fLoseHeart());
        ASSERT_EQ(size_t(c.lost), health.stamps.size());
        EXPECT_EQ(start + (c.lost - 1) * 100, health.stamps.back());

        gNow = start + c.elapsed;
        EXPECT_EQ(c.refilling, health.fUpdateRefill());
        EXPECT_EQ(c.count, health.count);
        EXPECT_EQ(c.refilling, health.refilling);
        EXPECT_EQ(c.countdown, health.countdown);
        EXPECT_EQ(size_t(5 - c.count), health.stamps.size());
        gNow = start;
    }
}

TEST_F(PlayerTest, LosingAndRefillingAtTheLimits)
{
    GG_PLAYER player = fFullPlayer();
    GG_HEALTH& health = player.fGetHealth();
    health.count = 0;
    EXPECT_FALSE(health.fLoseHeart());
    EXPECT_TRUE(health.stamps.empty());

    // At the maximum nothing is added and stamps that remain are kept.
    health.count = 5;
    health.stamps = {1, 2};
    EXPECT_FALSE(health.fRefillHeart());
    EXPECT_EQ(5, health.count);
    EXPECT_EQ(2u, health.stamps.size());

    // The maximum is the owner's item count, read afresh: a raised one refills on demand.
    health.stamps.clear();
    player.fSetItemCount(ITEM_HEALTH, 7);
    EXPECT_FALSE(health.fUpdateRefill());
    while (health.fRefillHeart())
        ;
    EXPECT_EQ(7, health.count);
    EXPECT_FALSE(health.refilling);

    // Losing a heart from a full block starts its timer now, not behind stamps left over.
    health.stamps = {1, 2};
    ASSERT_TRUE(health.fLoseHeart());
    EXPECT_EQ(std::deque<int32_t>{gNow}, health.stamps);
    EXPECT_EQ(6, health.count);
    EXPECT_EQ(100.0, health.countdown);
}

TEST_F(PlayerTest, AStampInTheFutureWaitsForItsOwnPeriod)
{
    // The clock was set back: the heart comes one period after the stamp.
    GG_PLAYER player = fFullPlayer();
    GG_HEALTH& health = player.fGetHealth();
    health.count = 4;
    health.stamps = {gNow + 500};
    EXPECT_TRUE(health.fUpdateRefill());
    EXPECT_EQ(600.0, health.countdown);
    gNow += 600;
    EXPECT_FALSE(health.fUpdateRefill());
    EXPECT_EQ(5, health.count);
}

TEST_F(PlayerTest, ManyOldStampsAndExtremeStampsNeitherOverflowNorExhaustTheStack)
{
    GG_PLAYER player = fFullPlayer();
    GG_HEALTH& health = player.fGetHealth();
    // A damaged or hand-edited save: a million missing hearts, all long due.
    player.fSetItemCount(ITEM_HEALTH, 1000000);
    health.count = 0;
    health.stamps.assign(1000000, 0);
    EXPECT_FALSE(health.fUpdateRefill());
    EXPECT_EQ(1000000, health.count);

    // Differences that do not fit 32 bits.
    player.fSetItemCount(ITEM_HEALTH, 2);
    health.count = 0;
    health.refillPeriod = INT32_MAX;
    gNow = INT32_MAX;
    health.stamps = {INT32_MIN, INT32_MAX};
    EXPECT_TRUE(health.fUpdateRefill());
    EXPECT_EQ(1, health.count); // INT32_MAX - INT32_MIN is more than one period
    EXPECT_EQ(double(INT32_MAX), health.countdown);
}

TEST_F(PlayerTest, TheFrameCountdownGivesTheHeartWhenItRunsOut)
{
    GG_PLAYER player = fFullPlayer();
    GG_HEALTH& health = player.fGetHealth();
    ASSERT_TRUE(health.fLoseHeart());
    ZOR::zcFRAME_DELTA = 40.0f;
    player.fUpdateHealth();
    player.fUpdateHealth();
    EXPECT_EQ(4, health.count);
    EXPECT_DOUBLE_EQ(20.0, health.countdown);
    // The wall clock has not moved: the frame countdown alone gives the heart back.
    player.fUpdateHealth();
    EXPECT_EQ(5, health.count);
    EXPECT_FALSE(health.refilling);
    EXPECT_TRUE(health.stamps.empty());
}

TEST_F(PlayerTest, ABlockReadFromXmlRefillsOneHeartPerPeriodNotPerFrame)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string("<health increment='true' count='1' countdown='10' time_refill_heart='100'/>"));
    GG_PLAYER player = fFullPlayer();
    GG_HEALTH& health = player.fGetHealth();
    health.fLoadXml(document.first_child());
    ASSERT_TRUE(health.stamps.empty());

    ZOR::zcFRAME_DELTA = 10.0f;
    player.fUpdateHealth();
    EXPECT_EQ(2, health.count);
    // Without a timer for the next heart, every following frame would give one.
    for (int frame = 0; frame < 9; ++frame)
        player.fUpdateHealth();
    EXPECT_EQ(2, health.count);
    player.fUpdateHealth();
    EXPECT_EQ(3, health.count);
    EXPECT_TRUE(health.refilling);
}

TEST_F(PlayerTest, StatisticsFollowWinsAndLosses)
{
    GG_STATISTIC statistic;
    const struct
    {
        bool won;
        uint32_t hints;
        uint32_t errors;
        float time;
        uint32_t withoutHint, withoutHintMax, withoutError, withoutErrorMax, badLevel, badLevelMax;
        float minTime;
    } steps[] = {
        {true, 0, 0, 50.0f, 1, 1, 1, 1, 0, 0, 50.0f},
        {true, 0, 2, 60.0f, 2, 2, 0, 1, 0, 0, 50.0f},
        {false, 0, 0, 0.0f, 0, 2, 0, 1, 1, 1, 50.0f},
        {false, 0, 0, 0.0f, 0, 2, 0, 1, 2, 2, 50.0f},
        {true, 1, 0, 40.0f, 0, 2, 1, 1, 0, 2, 40.0f},
        {true, 0, 0, 45.0f, 1, 2, 2, 2, 0, 2, 40.0f},
    };
    for (const auto& step : steps)
    {
        if (step.won)
            statistic.fOnLevelWon(step.hints, step.errors, 10, step.time);
        else
            statistic.fOnLevelLost();
        EXPECT_EQ(step.withoutHint, statistic.withoutHint);
        EXPECT_EQ(step.withoutHintMax, statistic.withoutHintMax);
        EXPECT_EQ(step.withoutError, statistic.withoutError);
        EXPECT_EQ(step.withoutErrorMax, statistic.withoutErrorMax);
        EXPECT_EQ(step.badLevel, statistic.badLevel);
        EXPECT_EQ(step.badLevelMax, statistic.badLevelMax);
        EXPECT_EQ(step.minTime, statistic.minLevelTime);
    }
    EXPECT_EQ(40u, statistic.score);

    // A purchase lowers the score; the peak stays until the score passes it.
    statistic.score -= 30;
    statistic.fAddScore(5);
    EXPECT_EQ(15u, statistic.score);
    EXPECT_EQ(40u, statistic.maxScore);
    statistic.fAddScore(100);
    EXPECT_EQ(115u, statistic.maxScore);
    EXPECT_EQ(L"115", statistic.fFormatScore());
}

TEST_F(PlayerTest, TemplateXmlIsReadAndWrittenInTheGameOrder)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file((fDataDir() + "/game/player.xml").c_str()));
    GG_PLAYER player;
    player.fLoadXml(document.child("player"));

    EXPECT_EQ(60.0f, player.fGetMusicVolume());
    EXPECT_EQ(3, player.fGetItemCount(ITEM_ERRORS));
    ASSERT_EQ(2, player.fGetPackCount());
    EXPECT_EQ(nullptr, player.fGetPack(2));
    EXPECT_TRUE(player.fGetLevel(0, 0)->fIsOpen());
    EXPECT_EQ("sea_1.xml", player.fGetLevel(1, 10)->fGetFile());
    EXPECT_EQ(120u, player.statistic.maxScore);
    EXPECT_EQ(42.5f, player.statistic.minLevelTime);
    const GG_HEALTH& health = player.fGetHealth();
    EXPECT_EQ(5, health.count);
    EXPECT_EQ(1800, health.refillPeriod);
    EXPECT_EQ(double(0.1f), health.countdown);
    EXPECT_FALSE(health.refilling);

    // Children in the order "playeritems", "packs", "statisctic", "health"; then read back.
    const std::string written = fXmlOf(player, "player");
    std::vector<std::string> children;
    pugi::xml_document reread;
    ASSERT_TRUE(reread.load_string(written.c_str()));
    for (pugi::xml_node child : reread.first_child().children())
        children.push_back(child.name());
    EXPECT_EQ((std::vector<std::string>{"playeritems", "packs", "statisctic", "health"}), children);
    EXPECT_NE(std::string::npos,
              written.find("<statisctic health=\"3\" score=\"120\" max_score=\"120\" hint_use=\"4\" "
                           "without_hint_max=\"2\" without_hint=\"0\" without_error_max=\"0\" without_error=\"0\" "
                           "bad_level_max=\"0\" bad_level=\"0\" min_level_time=\"42.5\"/>"));
    EXPECT_NE(std::string::npos, written.find("<health increment=\"false\" count=\"5\" countdown=\"0.1\" "
                                              "time_refill_heart=\"1800\"/>"));
    GG_PLAYER again;
    again.fLoadXml(reread.first_child());
    EXPECT_EQ(written, fXmlOf(again, "player"));

    // A player without "statisctic" keeps the statistics it has.
    ASSERT_TRUE(document.load_string("<player/>"));
    again.fLoadXml(document.first_child());
    EXPECT_EQ(120u, again.statistic.score);
}

TEST_F(PlayerTest, CopiesAreDeepAndOwnTheirHearts)
{
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file((fDataDir() + "/game/player.xml").c_str()));
    GG_PLAYER templ;
    templ.fLoadXml(document.child("player"));

    GG_PLAYER copy(templ);
    copy.fGetLevel(0, 1)->fSetLock(0);
    copy.fSetItemCount(ITEM_HEALTH, 9);
    EXPECT_FALSE(templ.fGetLevel(0, 1)->fIsOpen());
    EXPECT_EQ(9, copy.fGetHealth().fGetMaximum());
    EXPECT_EQ(5, templ.fGetHealth().fGetMaximum());

    GG_PLAYER assigned;
    assigned = copy;
    assigned.fSetItemCount(ITEM_HEALTH, 2);
    EXPECT_EQ(2, assigned.fGetHealth().fGetMaximum());
    EXPECT_TRUE(assigned.fGetLevel(0, 1)->fIsOpen());
    EXPECT_EQ(9, copy.fGetHealth().fGetMaximum());
}

TEST_F(PlayerTest, BinaryRecordByVersionAndCutShort)
{
    fGetPlayerShell().saveVersion = SAVE_VERSION_CURRENT;
    pugi::xml_document document;
    ASSERT_TRUE(document.load_file((fDataDir() + "/game/player.xml").c_str()));
    GG_PLAYER player;
    player.fLoadXml(document.child("player"));
    player.fSetName(L"Ann");
    player.statistic.fAddScore(1000);
    player.statistic.score = 7; // spent: the peak stays 1120
    ASSERT_TRUE(player.fGetHealth().fLoseHeart());
    ASSERT_TRUE(player.fGetHealth().fLoseHeart());

    const std::string record = fRecord(player);
    GG_PLAYER read;
    ASSERT_TRUE(fReadRecord(read, record));
    EXPECT_EQ(record, fRecord(read));
    EXPECT_EQ(1120u, read.statistic.maxScore);
    EXPECT_EQ((std::deque<int32_t>{gNow, gNow + 1800}), read.fGetHealth().stamps);

    // The old layout has no best score after the fastest time: it takes the score.
    const size_t profile = 4 + 3 + 4 + 4 + 1 + 1 + 4 + 3 * (4 + 4) + 6 + 6 + 10;
    const size_t maxScoreAt = profile + 1 + 4 + 8 + 4 + 4 + 2 * 4 + 4 + 8 * 4 + 4;
    ASSERT_EQ(ZT_SAVE_BYTES().fU32(1120).bytes, record.substr(maxScoreAt, 4));
    fGetPlayerShell().saveVersion = SAVE_VERSION_OLD;
    GG_PLAYER old;
    ASSERT_TRUE(fReadRecord(old, record.substr(0, maxScoreAt) + record.substr(maxScoreAt + 4)));
    EXPECT_EQ(7u, old.statistic.maxScore);
    EXPECT_EQ(2, old.fGetPackCount());
    EXPECT_EQ("garden_2.xml", old.fGetLevel(0, 1)->fGetFile());

    // Cut anywhere, the record fails and the player keeps what it had.
    fGetPlayerShell().saveVersion = SAVE_VERSION_CURRENT;
    GG_PLAYER other;
    other.fSetName(L"Kept");
    const std::string before = fRecord(other);
    for (size_t cut = 0; cut < record.size(); ++cut)
    {
        EXPECT_FALSE(fReadRecord(other, record.substr(0, cut))) << cut;
        EXPECT_EQ(before, fRecord(other)) << cut;
    }
}

TEST_F(PlayerTest, LostHeartsComeBackWhenDueWhateverTheTemplateSaid)
{
    const struct
    {
        const char* why;
        const char* xml; // the template's hearts
    } cases[] = {
        {"a block made in code", nullptr},
        {"a full block read from XML that says it refills",
         "<health increment='true' count='5' countdown='0' time_refill_heart='100'/>"},
        {"the same, halfway through a countdown", "<health increment='true' count='5' countdown='30' time_refill_heart='100'/>"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        GG_PLAYER templ = fFullPlayer();
        pugi::xml_document document;
        if (c.xml)
        {
            ASSERT_TRUE(document.load_string(c.xml));
            templ.fGetHealth().fLoadXml(document.first_child());
        }
        // A player made from the template plays for a while with every heart.
        GG_PLAYER player(templ);
        GG_HEALTH& health = player.fGetHealth();
        ZOR::zcFRAME_DELTA = 1.0f;
        for (int frame = 0; frame < 60; ++frame)
            player.fUpdateHealth();
        EXPECT_TRUE(health.stamps.empty());

        // Long afterwards two hearts are lost; each second is one frame of the wall clock.
        gNow += 100000;
        const int32_t lost = gNow;
        ASSERT_TRUE(health.fLoseHeart());
        ASSERT_TRUE(health.fLoseHeart());
        for (int second = 1; second <= 300; ++second)
        {
            ++gNow;
            player.fUpdateHealth();
            if (second % 7 == 0)
                health.fUpdateRefill(); // the window comes back to the front now and then
            const int expected = second < 100 ? 3 : second < 200 ? 4 : 5;
            ASSERT_EQ(expected, health.count) << second << " s after the loss at " << lost;
        }
        EXPECT_FALSE(health.refilling);
        EXPECT_TRUE(health.stamps.empty());
    }
}
