#pragma once
#include <cstdint>

namespace ZOR
{
// Packed colour, bytes in memory order b, g, r, a (0xAARRGGBB). The value-types work extends this record.
struct ZS_COLOR
{
    uint8_t b = 255;
    uint8_t g = 255;
    uint8_t r = 255;
    uint8_t a = 255;

    ZS_COLOR() = default;
    explicit ZS_COLOR(uint32_t packed)
        : b(uint8_t(packed)), g(uint8_t(packed >> 8)), r(uint8_t(packed >> 16)), a(uint8_t(packed >> 24)) {}
    uint32_t fToPacked() const { return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | b; }
};
}
