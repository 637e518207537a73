#pragma once
#include <string>

#include "engine/bots/ZC_BASE.h"

namespace ZOR
{
// Adds an amount to a float over time by steps (no final placement). Duration and speed as
// for the moves, the amount standing in for the distance; with both given the whole change
// is speed x duration.
class ZC_BOT_CHANGE_FLOAT : public ZC_BASE
{
public:
    ZC_BOT_CHANGE_FLOAT(float* atarget, float aamount, float aduration, float aspeed, float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();
    void fFinish();

    float* target;
    float speed;
    float remaining;
    float amount;
    float delay;
    ZS_CALLBACK callback = fEmptyCallback();
};

// Swings a float like a pendulum, amplitude x sin(time / period) added to where it started;
// after a delay it first jumps to the phase. Never finishes and has no callback.
class ZC_BOT_SWING : public ZC_BASE
{
public:
    ZC_BOT_SWING(float* atarget, float aamplitude, float aphaseTime, float aperiod, float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();

    float* target;
    float amplitude;
    float phaseTime;
    float period;
    float time; // below 0 while the delay runs
    float amplitudePerPeriod;
};

// Holds two texts and a number and ends at its first tick. Keeps the plain object's defaults.
class ZC_BOT_CHART_BOOST : public ZC_BASE
{
public:
    int fMessage(int message, float x, float y, float z, void* data) override;
    void fInit(const char* afirst, const char* asecond, int anumber);

    std::string first;
    std::string second;
    int number = 0;
};

ZC_BOT_CHANGE_FLOAT* fCreateBotChangeFloat(float* target, float amount, float duration, float speed, float delay);
ZC_BOT_SWING* fCreateBotSwing(float* target, float amplitude, float phaseTime, float period, float delay);
// Null texts are kept as empty texts.
ZC_BOT_CHART_BOOST* fCreateBotChartBoost(const char* first, const char* second, int number);
}
