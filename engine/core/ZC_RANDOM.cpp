#include "engine/core/ZC_RANDOM.h"

namespace ZOR
{
ZC_RANDOM* zcRANDOM = nullptr;

ZC_RANDOM::ZC_RANDOM(uint32_t aseed) : seed(aseed)
{
    zcRANDOM = this;
}

int ZC_RANDOM::fNext()
{
    seed = seed * 1664525u + 1013904223u;
    return int(seed & 0x7FFFFFFFu);
}

int ZC_RANDOM::fRangeInt(int a, int b)
{
    if (a == b)
        return a;
    // Wide arithmetic: b - a may not fit an int; the remainder's sign follows the
    // non-negative draw, so b < a gives [a, 2a - b).
    long long span = (long long)b - a;
    return int(a + (long long)fNext() % span);
}

float ZC_RANDOM::fRangeFloat(float a, float b)
{
    seed = seed * 1664525u + 1013904223u;
    long double u = seed >> 16;
    const float kStep = 1.0f / 65535.0f;
    return float((long double)a + u * (long double)kStep * ((long double)b - (long double)a));
}

ZS_POINT ZC_RANDOM::fPointInRect(int x0, int y0, int x1, int y1)
{
    int x = fRangeInt(x0, x1);
    int y = fRangeInt(y0, y1);
    return ZS_POINT(x, y);
}

bool ZC_RANDOM::fBool()
{
    // The low bits of this generator alternate; a high bit does not.
    return (fNext() >> 16) & 1;
}
}
