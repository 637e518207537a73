#pragma once
#include <cstdint>

#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR
{
// A widget's pointer test: a circle around the world position of a transform, or a
// rectangle tested in the transform's turned frame with its pivot: the box that a quad of the
// zone's size is drawn in about that transform (unscaled). The transform is not owned.
struct ZS_HIT_ZONE
{
    enum
    {
        KIND_NONE = 0,
        KIND_CIRCLE = 1,
        KIND_RECT = 2
    };

    int32_t kind = KIND_NONE;
    float sizeX = 0.0f; // circle: radius; rectangle: width
    float sizeY = 0.0f; // rectangle: height
    float extraValue = 0.0f;
    ZS_TRANSFORM3* transform = nullptr;
    int32_t extraFlag = 0;

    ZS_HIT_ZONE() = default;
    ZS_HIT_ZONE(int32_t akind, ZS_TRANSFORM3* atransform, float asizeX, float asizeY, float aextraValue,
                int32_t aextraFlag);

    void fSet(int32_t akind, ZS_TRANSFORM3* atransform, float asizeX, float asizeY, float aextraValue,
              int32_t aextraFlag);
    void fSetWidth(float w) { sizeX = w; }
    void fSetHeight(float h) { sizeY = h; }
    void fSetRadius(float r) { sizeX = r; }
    void fSetExtraValue(float v) { extraValue = v; }

    // Game pixels. Points on an edge are outside. A zone without a transform holds nothing.
    bool fContains(float x, float y) const;
    // Tests no caller relies on; they hold nothing.
    bool fContainsRect(int32_t, int32_t, int32_t, int32_t) const { return false; }
    bool fContainsPoint(int32_t, int32_t) const { return false; }
};
}
