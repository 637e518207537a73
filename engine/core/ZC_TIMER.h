#pragma once
#include <atomic>
#include <cstdint>

namespace ZOR
{
// Measures the time between two ticks on the engine's millisecond clock.
class ZC_TIMER
{
public:
    ZC_TIMER();

    // Seconds since the previous tick (the first since construction), capped when a cap is
    // set; also written to the output when there is one.
    float fTick();
    float fGetNowSeconds() const { return float(now) / 1000.0f; }

    std::atomic<float>* output = nullptr;
    uint32_t start = 0;
    uint32_t now = 0;
    uint32_t previous = 0;
    float total = 0;
    float delta = 0;
    float cap = 0; // seconds; 0 = no cap
    uint32_t deltaMs = 0;
};

// Seconds of the last update step, capped; every animation reads it. The sound thread reads it
// too, so it is an atomic (a plain load and store on this hardware).
extern std::atomic<float> zcFRAME_DELTA;
}
