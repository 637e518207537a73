#pragma once
#include "engine/bots/ZC_BASE.h"

namespace ZOR
{
// A delayed write of any copyable value: when the delay has run out it copies the value
// whole into the target (when there is one), fires its callback and finishes. The
// framework builds these itself and may set the fields after construction.
template <class T>
class ZT_BOT_SLEEP : public ZC_BASE
{
public:
    explicit ZT_BOT_SLEEP(T* atarget = nullptr, const T& avalue = T(), float adelay = 0.0f)
        : target(atarget), value(avalue), delay(adelay)
    {
        fMakeBot(this, "sleep_template");
    }

    // Message 45 leaves the template waiting.
    int fMessage(int message, float, float, float, void* data) override
    {
        return fBotAnswer<false>(this, message, data);
    }

    int fTick()
    {
        delay -= zcFRAME_DELTA;
        if (delay > 0.0f)
            return 0;
        fFinish();
        return zcANSWER_DELETE_ME;
    }

    void fFinish()
    {
        delay = 0.0f;
        if (target)
            *target = value;
        fInvoke(&callback);
    }

    T* target;
    T value;
    float delay;
    ZS_CALLBACK callback = fEmptyCallback();
};
}
