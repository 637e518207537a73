#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/core/ZS_COLOR.h"
#include "engine/render/ZS_MATRIX.h"

namespace ZOR
{
// The engine's one vertex layout: position, normal, packed colour, texture coordinates.
// Arrays of it go to the device as they are, so its size and order are fixed.
struct ZS_VERTEX
{
    float x = 0, y = 0, z = 0;
    float nx = 0, ny = 0, nz = 0;
    ZS_COLOR color;
    float u = 0, v = 0;

    void fSetPosition(float ax, float ay, float az)
    {
        x = ax;
        y = ay;
        z = az;
    }
    void fSetColor(uint32_t packed) { color = ZS_COLOR(packed); }
    void fSetUV(float au, float av)
    {
        u = au;
        v = av;
    }
    // position := (x, y, z, 1) * m with row vectors, no division by w.
    void fTransform(const ZS_MATRIX& mat)
    {
        const float* m = mat.m;
        float px = x, py = y, pz = z;
        x = px * m[0] + py * m[4] + pz * m[8] + m[12];
        y = px * m[1] + py * m[5] + pz * m[9] + m[13];
        z = px * m[2] + py * m[6] + pz * m[10] + m[14];
    }
};

static_assert(sizeof(ZS_VERTEX) == 36, "ZS_VERTEX must be 36 bytes: the device reads it as it is");
static_assert(offsetof(ZS_VERTEX, color) == 24 && offsetof(ZS_VERTEX, u) == 28, "ZS_VERTEX layout");

// The point-sprite vertex: position, size in pixels, packed colour (20 bytes). Particle records
// begin with these five fields.
struct ZS_POINT_VERTEX
{
    float x, y, z, size;
    uint32_t color;
};

static_assert(sizeof(ZS_POINT_VERTEX) == 20, "ZS_POINT_VERTEX must be 20 bytes");
}
