#pragma once
#include <cstdint>

namespace ZOR
{
// The 32-bit word every drawable carries to say how it is drawn. The renderer applies only the
// bits that differ from the word applied last and starts a new batch when the word changes.
struct ZS_RENDER_STATE
{
    enum : uint32_t
    {
        BLEND_OFF = 1u << 0,
        ALPHA_BLEND = 1u << 1,
        ADDITIVE = 1u << 2,
        DEPTH = 1u << 9,
        TEXTURED = 1u << 10,
        LIGHTING = 1u << 11,
        SCREEN_MATRICES = 1u << 17,
        ANTIALIAS = 1u << 18,

        FILTER_SHIFT = 4,
        FILTER_MASK = 0xFu << FILTER_SHIFT,
        PRIMITIVE_SHIFT = 12,
        PRIMITIVE_MASK = 7u << PRIMITIVE_SHIFT,
        ADDRESS_SHIFT = 15,
        ADDRESS_MASK = 3u << ADDRESS_SHIFT,

        // Bits 0-17 decide equality; antialiasing (bit 18) neither flushes nor is applied alone.
        COMPARED_BITS = 0x3FFFFu,
    };
    // Filter values (0 and 1 are both point; 4-15 leave the filter as it is).
    enum : uint32_t { FILTER_POINT = 0, FILTER_LINEAR = 2, FILTER_ANISOTROPIC = 3 };
    // Primitive values (4-7 draw nothing).
    enum : uint32_t { PRIM_POINTS = 0, PRIM_LINES = 1, PRIM_TRIANGLES = 2, PRIM_POINT_SPRITES = 3 };
    // Texture addressing values.
    enum : uint32_t { ADDRESS_CLAMP = 0, ADDRESS_WRAP_U = 1, ADDRESS_WRAP_V = 2, ADDRESS_WRAP = 3 };

    uint32_t word = 0;

    ZS_RENDER_STATE() = default;
    explicit ZS_RENDER_STATE(uint32_t w) : word(w) {}

    void fClear() { word = 0; }
    bool fEquals(const ZS_RENDER_STATE& o) const { return ((word ^ o.word) & COMPARED_BITS) == 0; }
    bool fDiffers(const ZS_RENDER_STATE& o) const { return !fEquals(o); }

    bool fHas(uint32_t bit) const { return (word & bit) != 0; }
    void fSet(uint32_t bit, bool on) { word = on ? (word | bit) : (word & ~bit); }

    uint32_t fGetFilter() const { return (word & FILTER_MASK) >> FILTER_SHIFT; }
    void fSetFilter(uint32_t f) { word = (word & ~FILTER_MASK) | ((f << FILTER_SHIFT) & FILTER_MASK); }
    uint32_t fGetPrimitive() const { return (word & PRIMITIVE_MASK) >> PRIMITIVE_SHIFT; }
    void fSetPrimitive(uint32_t p) { word = (word & ~PRIMITIVE_MASK) | ((p << PRIMITIVE_SHIFT) & PRIMITIVE_MASK); }
    uint32_t fGetAddress() const { return (word & ADDRESS_MASK) >> ADDRESS_SHIFT; }
    void fSetAddress(uint32_t a) { word = (word & ~ADDRESS_MASK) | ((a << ADDRESS_SHIFT) & ADDRESS_MASK); }
};
}
