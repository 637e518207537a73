#pragma once
#include <cstdint>
#include <string>

namespace ZOR
{
// Packed colour, bytes in memory order b, g, r, a, so that read as one little-endian
// number it is 0xAARRGGBB, the vertex colour order. Default opaque white.
struct ZS_COLOR
{
    uint8_t b = 255;
    uint8_t g = 255;
    uint8_t r = 255;
    uint8_t a = 255;

    ZS_COLOR() = default;
    explicit ZS_COLOR(uint32_t packed)
        : b(uint8_t(packed)), g(uint8_t(packed >> 8)), r(uint8_t(packed >> 16)), a(uint8_t(packed >> 24)) {}
    // Each argument's low byte, no clamping: 256 becomes 0, -1 becomes 255.
    ZS_COLOR(int alpha, int red, int green, int blue)
        : b(uint8_t(blue)), g(uint8_t(green)), r(uint8_t(red)), a(uint8_t(alpha)) {}
    static ZS_COLOR fFromARGB(int alpha, int red, int green, int blue) { return ZS_COLOR(alpha, red, green, blue); }

    ZS_COLOR& operator=(uint32_t packed) { return *this = ZS_COLOR(packed); }
    uint32_t fToPacked() const { return uint32_t(a) << 24 | uint32_t(r) << 16 | uint32_t(g) << 8 | b; }

    // Byte-wise, each byte modulo 256; the scalar forms use the low byte of n.
    ZS_COLOR operator+(const ZS_COLOR& o) const;
    ZS_COLOR operator-(const ZS_COLOR& o) const;
    ZS_COLOR operator*(int n) const;
    // Division by a low byte of 0 gives 0 in every byte rather than a crash.
    ZS_COLOR operator/(int n) const;
    bool operator==(const ZS_COLOR& o) const { return fToPacked() == o.fToPacked(); }
    bool operator!=(const ZS_COLOR& o) const { return !(*this == o); }

    // Four blank-separated decimals: alpha red green blue, each kept as its low byte.
    // Fewer than four numbers leave the colour unchanged.
    void fParse(const std::string& text);
};

// Float colour in which fades and particles interpolate; never clamped while stored.
struct ZS_COLORF
{
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;

    ZS_COLORF() = default;
    ZS_COLORF(float red, float green, float blue, float alpha) : r(red), g(green), b(blue), a(alpha) {}
    // Each byte times the float nearest 1/255, so 255 gives exactly 1.
    explicit ZS_COLORF(uint32_t packed);
    explicit ZS_COLORF(const ZS_COLOR& c) : ZS_COLORF(c.fToPacked()) {}

    // Clamps to [0, 1] and rounds halves up: trunc(c * 255 + 0.5).
    uint32_t fToPacked() const;
    ZS_COLOR fToColor() const { return ZS_COLOR(fToPacked()); }

    ZS_COLORF operator+(const ZS_COLORF& o) const { return {r + o.r, g + o.g, b + o.b, a + o.a}; }
    ZS_COLORF operator-(const ZS_COLORF& o) const { return {r - o.r, g - o.g, b - o.b, a - o.a}; }
    ZS_COLORF operator*(float x) const { return {r * x, g * x, b * x, a * x}; }
    ZS_COLORF operator*(const ZS_COLORF& o) const { return {r * o.r, g * o.g, b * o.b, a * o.a}; }
    ZS_COLORF operator/(float x) const { return {r / x, g / x, b / x, a / x}; }
    ZS_COLORF& operator+=(const ZS_COLORF& o) { return *this = *this + o; }
    ZS_COLORF& operator-=(const ZS_COLORF& o) { return *this = *this - o; }
    ZS_COLORF& operator*=(float x) { return *this = *this * x; }
    bool operator==(const ZS_COLORF& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
    bool operator!=(const ZS_COLORF& o) const { return !(*this == o); }
};
}
