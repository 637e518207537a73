#pragma once
// The picture both frame benchmarks draw, so that the engine and the bare OpenGL program put
// the same quads through the same rasteriser: a 20x20 level screen of 950 quads of 24x24
// pixels, 900 from one 256x256 texture (cells, clues, grid lines) and 50 from a second,
// 128x128 one (the HUD); every seventh quad is turned a little.
#include <cstdint>
#include <vector>

namespace ZT_BENCH
{
const int kQuads = 950;
const int kFirstTextureQuads = 900;
const int kQuadSide = 24;
const int kGrid = 8; // each texture is an 8x8 sheet of frames

struct ZS_PLACE
{
    float x, y;     // centre, game pixels
    float rotation; // radians
    int frame;      // cell of the 8x8 sheet
};

inline ZS_PLACE fPlace(int i)
{
    ZS_PLACE p;
    p.x = float(100 + (i % 30) * 26);
    p.y = float(40 + (i / 30) * 22);
    p.rotation = i % 7 == 0 ? 0.1f * float(i % 5) : 0.0f;
    p.frame = i % (kGrid * kGrid);
    return p;
}

// Opaque packed 0xAARRGGBB pixels with soft edges in every frame, like drawn cells.
inline std::vector<uint32_t> fTexturePixels(int side, uint32_t tint)
{
    std::vector<uint32_t> pixels(size_t(side) * size_t(side));
    int cell = side / kGrid;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
        {
            int cx = x % cell, cy = y % cell;
            bool edge = cx == 0 || cy == 0 || cx == cell - 1 || cy == cell - 1;
            uint32_t shade = uint32_t(128 + (x * 127) / side);
            uint32_t alpha = edge ? 0x80u : 0xFFu;
            pixels[size_t(y) * size_t(side) + size_t(x)] = alpha << 24 | (shade << 16) | (uint32_t(y) & 0xFF) << 8 | tint;
        }
    return pixels;
}
}
