#include <gtest/gtest.h>

#include "engine/core/ZC_TIMER.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"

using namespace ZOR;

namespace
{
uint32_t gNow = 0;
uint32_t fFakeTick()
{
    return gNow;
}

class Timer : public testing::Test
{
protected:
    void SetUp() override
    {
        gNow = 5000;
        fSetClockForTests(fFakeTick, nullptr);
    }
    void TearDown() override { fSetClockForTests(nullptr, nullptr); }
};
}

TEST_F(Timer, TicksMeasureFromThePreviousTickAndWriteTheOutput)
{
    std::atomic<float> out{-1.0f};
    ZC_TIMER timer;
    timer.output = &out;
    gNow += 16;
    EXPECT_FLOAT_EQ(0.016f, timer.fTick()) << "the first tick measures from construction";
    EXPECT_FLOAT_EQ(0.016f, out);
    EXPECT_EQ(16u, timer.deltaMs);
    EXPECT_FLOAT_EQ(0.0f, timer.fTick()) << "two ticks in the same millisecond";
    gNow += 4;
    timer.fTick();
    EXPECT_FLOAT_EQ(0.020f, timer.total);
    EXPECT_FLOAT_EQ(5.02f, timer.fGetNowSeconds());
}

TEST_F(Timer, TheGamesCapHoldsASlowStepToOneThirtiethOfASecond)
{
    ZC_TIMER timer;
    timer.output = &zcFRAME_DELTA;
    timer.cap = 1.0f / 30.0f;
    gNow += 200;
    timer.fTick();
    EXPECT_EQ(0.033333335f, zcFRAME_DELTA);
    EXPECT_EQ(33u, timer.deltaMs);
    gNow += 20;
    EXPECT_FLOAT_EQ(0.02f, timer.fTick()) << "below the cap nothing changes";
}

TEST_F(Timer, AClockWrapStillGivesTheTrueDifference)
{
    gNow = 0xFFFFFFF0u;
    ZC_TIMER timer;
    gNow = 0x10;
    timer.fTick();
    EXPECT_EQ(32u, timer.deltaMs);
}
