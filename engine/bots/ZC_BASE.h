#pragma once
#include <cstdint>
#include <string>

#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_CALLBACK.h"

namespace ZOR
{
// Messages every behaviour object understands; the framework's list items add more.
enum
{
    zcMESSAGE_TICK = 1,
    zcMESSAGE_DRAW = 2,
    zcMESSAGE_SET_CALLBACK = 38, // data: a ZS_CALLBACK to copy
    zcMESSAGE_FINISH = 45,
};

// Answers with a meaning to the container: finished (delete me) and taken (stop the pass).
enum
{
    zcANSWER_DELETE_ME = -113,
    zcANSWER_TAKEN = -109,
};

// The sort key of bots: just below the largest float (bit pattern 0x7F7FC99E), so that a
// list of bots never finds a larger key and keeps the order in which bots were added.
constexpr float zcBOT_KEY = 3.4e38f;

// The engine's message-driven object: bots and the framework's list items.
class ZC_BASE
{
public:
    ZC_BASE() = default;
    virtual ~ZC_BASE();
    ZC_BASE(const ZC_BASE&) = delete;
    ZC_BASE& operator=(const ZC_BASE&) = delete;

    virtual int fMessage(int message, float x, float y, float z, void* data) = 0;

    std::string name = "nonamed";
    std::string lastName = "nolastname";
    unsigned char* block = nullptr; // owned; allocated with new[]
    int32_t id = 0x64696F6E;        // the bytes 'n', 'o', 'i', 'd' in memory order
    float key = 0.0f;
    uint8_t updateGroup = 1;
    uint8_t drawGroup = 1;
};

// The common settings of a bot: name "bot_" and its kind, the bot key, draw group 0.
void fMakeBot(ZC_BASE* bot, const char* kind);
// Message 38: copies the given record's target, name and function; null data changes
// nothing. Answers 0 either way.
int fCopyCallback(ZS_CALLBACK* into, const void* data);
// The message entry shared by the bots: 1 runs fTick, 38 copies the callback record, 45
// runs fFinish (when the kind handles it), anything else answers 0.
template <bool HANDLES_FINISH = true, class BOT>
int fBotAnswer(BOT* bot, int message, void* data)
{
    switch (message)
    {
    case zcMESSAGE_TICK: return bot->fTick();
    case zcMESSAGE_SET_CALLBACK: return fCopyCallback(&bot->callback, data);
    case zcMESSAGE_FINISH:
        if constexpr (HANDLES_FINISH)
            bot->fFinish();
        return 0;
    }
    return 0;
}

// An empty record, as every bot holds one at construction.
inline ZS_CALLBACK fEmptyCallback() { return ZS_CALLBACK(nullptr, nullptr, nullptr); }

// The timed bots' delay, counted down with zcFRAME_DELTA in their tick.
enum
{
    zcDELAY_OVER = 0,    // no delay left: the tick goes on
    zcDELAY_WAITING = 1, // still waiting: the tick answers 0
    zcDELAY_ENDED = 2,   // ran out in this tick: the bot takes its start state and answers 0
};
int fCountDelay(float* delay);
// For the bots with a start step: true while the tick is to answer 0 at once; the tick in
// which the delay runs out takes the start state (fBegin) and does nothing else.
template <class BOT>
bool fDelaying(BOT* bot)
{
    switch (fCountDelay(&bot->delay))
    {
    case zcDELAY_WAITING: return true;
    case zcDELAY_ENDED: bot->fBegin(); return true;
    }
    return false;
}

// A change of size distance over a duration at a speed, either of which may be 0: both 0
// take 1 s at speed distance; a missing duration is distance / speed, a missing speed
// distance / duration. A negative result (a negative amount or speed) is turned into a
// positive duration with the speed carrying the sign, so the change still happens.
void fResolveTiming(float* duration, float* speed, float distance);
}
