#include "engine/core/ZS_COLOR.h"

#include <cstdlib>
#include <vector>

#include "engine/core/ZC_TEXT_UTILS.h"

namespace ZOR
{
ZS_COLOR ZS_COLOR::operator+(const ZS_COLOR& o) const
{
    return ZS_COLOR(a + o.a, r + o.r, g + o.g, b + o.b);
}

ZS_COLOR ZS_COLOR::operator-(const ZS_COLOR& o) const
{
    return ZS_COLOR(a - o.a, r - o.r, g - o.g, b - o.b);
}

ZS_COLOR ZS_COLOR::operator*(int n) const
{
    int k = n & 0xFF;
    return ZS_COLOR(a * k, r * k, g * k, b * k);
}

ZS_COLOR ZS_COLOR::operator/(int n) const
{
    unsigned k = unsigned(n) & 0xFF;
    if (k == 0)
        return ZS_COLOR(0u);
    return ZS_COLOR(int(a / k), int(r / k), int(g / k), int(b / k));
}

void ZS_COLOR::fParse(const std::string& text)
{
    std::vector<std::string> pieces;
    fSplitStringInto(text, ' ', pieces, true);
    if (pieces.size() < 4)
        return;
    *this = ZS_COLOR(std::atoi(pieces[0].c_str()), std::atoi(pieces[1].c_str()),
                     std::atoi(pieces[2].c_str()), std::atoi(pieces[3].c_str()));
}

// The single-precision value nearest 1/255 (bits 0x3B808081).
static const float kByteToUnit = 1.0f / 255.0f;

ZS_COLORF::ZS_COLORF(uint32_t packed)
    : r(float((packed >> 16) & 0xFF) * kByteToUnit),
      g(float((packed >> 8) & 0xFF) * kByteToUnit),
      b(float(packed & 0xFF) * kByteToUnit),
      a(float(packed >> 24) * kByteToUnit)
{
}

static uint32_t fUnitToByte(float c)
{
    if (c >= 1.0f)
        return 255;
    // Written as "not above" so that NaN packs as 0 too.
    if (!(c > 0.0f))
        return 0;
    return uint32_t(c * 255.0f + 0.5f);
}

uint32_t ZS_COLORF::fToPacked() const
{
    return fUnitToByte(a) << 24 | fUnitToByte(r) << 16 | fUnitToByte(g) << 8 | fUnitToByte(b);
}
}
