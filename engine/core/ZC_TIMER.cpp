#include "engine/core/ZC_TIMER.h"

#include "engine/platform/ZC_PLATFORM_SYSTEM.h"

namespace ZOR
{
std::atomic<float> zcFRAME_DELTA{0.0f};

ZC_TIMER::ZC_TIMER() : start(fGetTickMs()), now(start), previous(start) {}

float ZC_TIMER::fTick()
{
    now = fGetTickMs();
    deltaMs = now - previous; // unsigned: right across a wrap of the clock
    delta = float(deltaMs) / 1000.0f;
    previous = now;
    if (cap != 0 && delta > cap)
    {
        delta = cap;
        deltaMs = uint32_t(cap * 1000.0f);
    }
    if (output)
        *output = delta;
    total += delta;
    return delta;
}
}
