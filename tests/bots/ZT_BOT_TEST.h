#pragma once
// Shared by the bot tests: a record that logs when it fires, and tick drivers with a set
// frame delta.
#include <gtest/gtest.h>

#include <memory>

#include "engine/bots/ZC_BASE.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_POINT.h"

namespace ZT_BOT
{
// Counts the ticks sent through fTick, so a firing can be placed in its tick.
inline int gTickNumber = 0;

struct FIRE_LOG
{
    int count = 0;
    int tick = -1;      // the tick of the last firing
    void* seen = nullptr; // the argument the function got
};

inline int fLogFire(void* argument)
{
    FIRE_LOG* log = static_cast<FIRE_LOG*>(argument);
    ++log->count;
    log->tick = gTickNumber;
    log->seen = argument;
    return 0;
}

// A record whose target is the log: fired with a null argument, the function gets the log.
inline ZOR::ZS_CALLBACK fLogRecord(FIRE_LOG* log)
{
    return ZOR::ZS_CALLBACK(fLogFire, "log", log);
}

inline void fAttach(ZOR::ZC_BASE* bot, FIRE_LOG* log)
{
    ZOR::ZS_CALLBACK record = fLogRecord(log);
    bot->fMessage(ZOR::zcMESSAGE_SET_CALLBACK, 0.0f, 0.0f, 0.0f, &record);
}

inline int fTick(ZOR::ZC_BASE* bot, float dt)
{
    ZOR::zcFRAME_DELTA = dt;
    ++gTickNumber;
    return bot->fMessage(ZOR::zcMESSAGE_TICK, 0.0f, 0.0f, 0.0f, nullptr);
}

// Ticks n times; answers the last answer.
inline int fTicks(ZOR::ZC_BASE* bot, float dt, int n)
{
    int answer = 0;
    for (int i = 0; i < n; ++i)
        answer = fTick(bot, dt);
    return answer;
}

// Ticks until the bot answers -113; answers the number of ticks that took (the finishing
// tick included), or -1 when it still runs after the limit.
inline int fTicksToFinish(ZOR::ZC_BASE* bot, float dt, int limit = 100000)
{
    for (int i = 1; i <= limit; ++i)
        if (fTick(bot, dt) == ZOR::zcANSWER_DELETE_ME)
            return i;
    return -1;
}

inline void fExpectNear(const ZOR::ZS_VECTOR3& expected, const ZOR::ZS_VECTOR3& got, float tolerance = 1e-3f)
{
    EXPECT_NEAR(expected.x, got.x, tolerance);
    EXPECT_NEAR(expected.y, got.y, tolerance);
    EXPECT_NEAR(expected.z, got.z, tolerance);
}
}
