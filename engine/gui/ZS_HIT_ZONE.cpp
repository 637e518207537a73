#include "engine/gui/ZS_HIT_ZONE.h"

#include <algorithm>
#include <cmath>

#include "engine/core/ZC_GEOMETRY.h"

namespace ZOR
{
ZS_HIT_ZONE::ZS_HIT_ZONE(int32_t akind, ZS_TRANSFORM3* atransform, float asizeX, float asizeY, float aextraValue,
                         int32_t aextraFlag)
{
    fSet(akind, atransform, asizeX, asizeY, aextraValue, aextraFlag);
}

void ZS_HIT_ZONE::fSet(int32_t akind, ZS_TRANSFORM3* atransform, float asizeX, float asizeY, float aextraValue,
                       int32_t aextraFlag)
{
    kind = akind;
    transform = atransform;
    sizeX = asizeX;
    sizeY = asizeY;
    extraValue = aextraValue;
    extraFlag = aextraFlag;
}

bool ZS_HIT_ZONE::fContains(float x, float y) const
{
    if ((kind != KIND_CIRCLE && kind != KIND_RECT) || !transform)
        return false;
    const ZS_TRANSFORM3 world = transform->fCompose();
    const float px = world.position.x;
    const float py = world.position.y;

    if (kind == KIND_CIRCLE)
    {
        // A circle of sizeX pixels whatever the scale or turn.
        const float r = sizeX;
        if (x > px + r || x < px - r || y > py + r || y < py - r)
            return false;
        return std::sqrt((px - x) * (px - x) + (py - y) * (py - y)) < r;
    }

    const float w = sizeX * world.scale.x;
    const float h = sizeY * world.scale.y;
    // A cheap square first; under a scale below 1 it is also what trims the box.
    const float m = std::max(w, h) * 0.5f;
    if (!(px - m < x && x < px + m && py - m < y && y < py + m))
        return false;
    fPointToTransformSpace(&x, &y, world);
    return 0.0f < x && x < w && 0.0f < y && y < h;
}
}
