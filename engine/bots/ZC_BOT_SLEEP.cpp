#include "engine/bots/ZC_BOT_SLEEP.h"

namespace ZOR
{
ZC_BOT_SLEEP::ZC_BOT_SLEEP(float* atarget, const ZS_CALLBACK* acallback, float adelay, float avalue)
    : ZT_BOT_SLEEP<float>(atarget, avalue, adelay)
{
    fMakeBot(this, "sleep");
    fCopyCallback(&callback, acallback);
}

int ZC_BOT_SLEEP::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

ZC_BOT_SLEEP* fCreateBotSleep(float* target, const ZS_CALLBACK* callback, float delay, float value)
{
    return new ZC_BOT_SLEEP(target, callback, delay, value);
}
}
