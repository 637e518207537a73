#pragma once
#include <cstdint>

#include "engine/core/ZS_POINT.h"

namespace ZOR
{
// A texture made by the renderer, with its size in pixels. Made and deleted only by the renderer.
struct ZS_TEXTURE
{
    uint32_t texture = 0;   // the device's texture
    ZS_POINT size;          // the image's size, or the requested size of a blank texture
    uint32_t* pixels = nullptr; // copy that lock/unlock work on, made at the first lock
    bool rgba = false;      // texel bytes R, G, B, A (decoded images); else packed 0xAARRGGBB words

    ZS_TEXTURE() = default;
    // A copy names the same device texture but never shares the pixel copy.
    ZS_TEXTURE(const ZS_TEXTURE& o) : texture(o.texture), size(o.size), rgba(o.rgba) {}
    ZS_TEXTURE& operator=(const ZS_TEXTURE&) = delete;
    ~ZS_TEXTURE() { delete[] pixels; }

    // Copies width x height 32-bit pixels into the texture; true when the upload worked.
    bool fSetPixels(const uint32_t* source);
    ZS_POINT fGetSize() const { return size; }
    float fPixelToU(int px) const { return float(px) / float(size.x); }
    float fPixelToV(int px) const { return float(px) / float(size.y); }
    uint32_t* fGetTextureSlot() { return &texture; }
};
}
