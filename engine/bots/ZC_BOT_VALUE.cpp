#include "engine/bots/ZC_BOT_VALUE.h"

#include <cmath>

namespace ZOR
{
// ---------------------------------------------------------------- ZC_BOT_CHANGE_FLOAT

ZC_BOT_CHANGE_FLOAT::ZC_BOT_CHANGE_FLOAT(float* atarget, float aamount, float aduration, float aspeed, float adelay)
    : target(atarget), speed(aspeed), remaining(aduration), amount(aamount), delay(adelay)
{
    fMakeBot(this, "blink_change_float");
    fResolveTiming(&remaining, &speed, amount);
}

int ZC_BOT_CHANGE_FLOAT::fTick()
{
    if (fCountDelay(&delay) != zcDELAY_OVER)
        return 0;
    if (remaining > 0.0f)
    {
        if (target)
            *target += speed * zcFRAME_DELTA;
        remaining -= zcFRAME_DELTA;
        return 0;
    }
    fFinish();
    return zcANSWER_DELETE_ME;
}

void ZC_BOT_CHANGE_FLOAT::fFinish()
{
    remaining = 0.0f;
    fInvoke(&callback);
}

int ZC_BOT_CHANGE_FLOAT::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_SWING

ZC_BOT_SWING::ZC_BOT_SWING(float* atarget, float aamplitude, float aphaseTime, float aperiod, float adelay)
    : target(atarget), amplitude(aamplitude), phaseTime(aphaseTime), period(aperiod), time(-adelay),
      amplitudePerPeriod(aperiod != 0.0f ? aamplitude / aperiod : 0.0f)
{
    fMakeBot(this, "swing");
}

int ZC_BOT_SWING::fTick()
{
    // Without a period there is no swing to follow (and every step would divide by 0).
    if (period == 0.0f)
        return 0;
    if (time < 0.0f)
    {
        time += zcFRAME_DELTA;
        if (time >= 0.0f)
        {
            time = phaseTime;
            if (target)
                *target += 0.85f * amplitude * phaseTime / period;
        }
        return 0;
    }
    time += zcFRAME_DELTA;
    if (target)
        *target += std::cos(time / period) * amplitudePerPeriod * zcFRAME_DELTA;
    return 0;
}

int ZC_BOT_SWING::fMessage(int message, float, float, float, void*)
{
    return message == zcMESSAGE_TICK ? fTick() : 0;
}

// ---------------------------------------------------------------- ZC_BOT_CHART_BOOST

void ZC_BOT_CHART_BOOST::fInit(const char* afirst, const char* asecond, int anumber)
{
    first = afirst ? afirst : "";
    second = asecond ? asecond : "";
    number = anumber;
}

int ZC_BOT_CHART_BOOST::fMessage(int message, float, float, float, void*)
{
    return message == zcMESSAGE_TICK ? zcANSWER_DELETE_ME : 0;
}

// ---------------------------------------------------------------- creation

ZC_BOT_CHANGE_FLOAT* fCreateBotChangeFloat(float* target, float amount, float duration, float speed, float delay)
{
    return new ZC_BOT_CHANGE_FLOAT(target, amount, duration, speed, delay);
}

ZC_BOT_SWING* fCreateBotSwing(float* target, float amplitude, float phaseTime, float period, float delay)
{
    return new ZC_BOT_SWING(target, amplitude, phaseTime, period, delay);
}

ZC_BOT_CHART_BOOST* fCreateBotChartBoost(const char* first, const char* second, int number)
{
    ZC_BOT_CHART_BOOST* bot = new ZC_BOT_CHART_BOOST;
    bot->fInit(first, second, number);
    return bot;
}
}
