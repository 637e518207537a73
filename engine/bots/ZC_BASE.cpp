#include "engine/bots/ZC_BASE.h"

#include "engine/core/ZC_TIMER.h"

namespace ZOR
{
ZC_BASE::~ZC_BASE()
{
    delete[] block;
}

void fMakeBot(ZC_BASE* bot, const char* kind)
{
    bot->name = std::string("bot_") + kind;
    bot->key = zcBOT_KEY;
    bot->drawGroup = 0;
}

int fCopyCallback(ZS_CALLBACK* into, const void* data)
{
    if (data)
        *into = *static_cast<const ZS_CALLBACK*>(data);
    return 0;
}

int fCountDelay(float* delay)
{
    if (*delay <= 0.0f)
        return zcDELAY_OVER;
    *delay -= zcFRAME_DELTA;
    return *delay <= 0.0f ? zcDELAY_ENDED : zcDELAY_WAITING;
}

void fResolveTiming(float* duration, float* speed, float distance)
{
    if (*duration == 0.0f && *speed == 0.0f)
    {
        *duration = 1.0f;
        *speed = distance;
    }
    else if (*duration == 0.0f)
    {
        *duration = distance / *speed;
        if (*duration < 0.0f)
        {
            *duration = -*duration;
            *speed = -*speed;
        }
    }
    else if (*speed == 0.0f)
        *speed = distance / *duration;
}
}
