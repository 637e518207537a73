#pragma once
#include <cstdint>

#include "engine/core/ZS_POINT.h"

namespace ZOR
{
// 32-bit linear congruential generator; the engine's is seeded 0, so every run draws the
// same sequence.
class ZC_RANDOM
{
public:
    explicit ZC_RANDOM(uint32_t aseed = 0);

    void fSetSeed(uint32_t aseed) { seed = aseed; }
    // The next value, 0 to 0x7FFFFFFF.
    int fNext();
    // a + next mod (b - a): [a, b) for a < b; a itself (no draw) when a == b.
    int fRangeInt(int a, int b);
    // From a to b, both ends included.
    float fRangeFloat(float a, float b);
    float fFloat() { return fRangeFloat(-10000.0f, 10000.0f); }
    ZS_POINT fPointInRect(int x0, int y0, int x1, int y1);
    bool fBool();

    uint32_t seed;
};

// The generator constructed last (the engine's).
extern ZC_RANDOM* zcRANDOM;
}
