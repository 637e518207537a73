#pragma once
#include "engine/bots/ZT_BOT_SLEEP.h"

namespace ZOR
{
// The delayed write of a float, also used as a plain timer for its callback (no target).
// Unlike the template it answers message 45 by finishing at once.
class ZC_BOT_SLEEP : public ZT_BOT_SLEEP<float>
{
public:
    // The record is copied at once; a later message 38 replaces it.
    ZC_BOT_SLEEP(float* atarget, const ZS_CALLBACK* acallback, float adelay, float avalue);
    int fMessage(int message, float x, float y, float z, void* data) override;
};

ZC_BOT_SLEEP* fCreateBotSleep(float* target, const ZS_CALLBACK* callback, float delay, float value);
}
