#include <gtest/gtest.h>

#include "framework/G_LEADERBOARDS.h"
#include "ZT_FIXTURE_REPOSITORY.h"

using namespace ZOR_GF;

using Leaderboards = ZT_TEST::FixtureRepository;

TEST_F(Leaderboards, IdsByName)
{
    G_LEADERBOARDS boards;
    EXPECT_FALSE(boards.fLoad("missing.xml"));
    ASSERT_TRUE(boards.fLoad("leaderboards.xml"));
    EXPECT_EQ(0, fUsers("leaderboards.xml"));

    const std::pair<const char*, const char*> cases[] = {
        {"Score", "A"}, {"Stars", "grp.stars"}, {"Time", ""}, {"", ""}, {"Unknown", ""}};
    for (const auto& [name, id] : cases)
        EXPECT_EQ(id, boards.fGetLeaderboardId(name)) << name;
}

TEST_F(Leaderboards, ASecondLoadAddsOnlyNewNames)
{
    G_LEADERBOARDS boards;
    ASSERT_TRUE(boards.fLoad("leaderboards.xml"));
    ASSERT_TRUE(boards.fLoad("leaderboards_more.xml"));
    EXPECT_EQ("A", boards.fGetLeaderboardId("Score"));
    EXPECT_EQ("T", boards.fGetLeaderboardId("Time"));
}
