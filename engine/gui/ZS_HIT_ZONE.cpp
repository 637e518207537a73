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

    // The rectangle is the unscaled w x h box that a quad of that size is drawn in about this
    // transform: from -pivot to size - pivot in the turned frame. For a centred pivot it is
    // the box centred on the position.
    const float w = sizeX;
    const float h = sizeY;
    const float qx = world.pivot.x;
    const float qy = world.pivot.y;
    const float angle = world.rotation.z;

    // A cheap square first, about the box's centre, of half side the larger scaled side; under
    // a scale below 1 it is also what trims the box.
    const ZS_VECTOR2 centre = fRotatePointAbout(px, py, px + w * 0.5f - qx, py + h * 0.5f - qy, angle);
    const float m = std::max(w * world.scale.x, h * world.scale.y) * 0.5f;
    if (!(centre.x - m < x && x < centre.x + m && centre.y - m < y && y < centre.y + m))
        return false;
    fRotatePointInPlace(px, py, &x, &y, -angle);
    const float lx = x - px + qx;
    const float ly = y - py + qy;
    return 0.0f < lx && lx < w && 0.0f < ly && ly < h;
}
}
