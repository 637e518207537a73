#include <gtest/gtest.h>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"

TEST(Program, WithoutARegisteredMainAnswersMissingRecord)
{
    EXPECT_EQ(-108, ZOR::fProgramMain());
}
