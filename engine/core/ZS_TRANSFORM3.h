#pragma once
#include <cstdint>
#include <string>

#include "engine/core/ZS_POINT.h"

namespace ZOR
{
// Placement of a drawable: pivot, rotation (radians), scale and position, relative to
// an optional parent transform that it does not own. The renderer's world matrix is
// translation(-pivot) x yaw-pitch-roll(rotation) x scaling x translation(position).
struct ZS_TRANSFORM3
{
    uint32_t reserved = 0; // nothing reads it; assignment leaves it alone
    ZS_VECTOR3 pivot;
    ZS_VECTOR3 rotation;
    ZS_VECTOR3 scale{1.0f, 1.0f, 1.0f};
    ZS_VECTOR3 position;
    ZS_TRANSFORM3* parent = nullptr;

    ZS_TRANSFORM3() = default;
    ZS_TRANSFORM3(const ZS_TRANSFORM3&) = default;
    // Copies pivot, rotation, scale, position and the parent, never the reserved word.
    ZS_TRANSFORM3& operator=(const ZS_TRANSFORM3& o);
    // Back to the default: everything 0 (parent null), scale 1.
    void fReset();

    void fSetPosition(float x, float y, float z) { position.fSet(x, y, z); }
    void fSetPositionVector(const ZS_VECTOR3& p) { position = p; }
    void fSetPositionXY(const ZS_VECTOR2& p) { position.x = p.x; position.y = p.y; }
    void fMoveXY(float dx, float dy) { position.x += dx; position.y += dy; }
    void fSetPivot(float x, float y, float z) { pivot.fSet(x, y, z); }
    void fSetScale(float x, float y, float z) { scale.fSet(x, y, z); }
    void fSetRotation(float x, float y, float z) { rotation.fSet(x, y, z); }
    void fSetRotationZ(float angle) { rotation.z = angle; }
    void fAddRotation(const ZS_VECTOR3& r) { rotation += r; }
    ZS_VECTOR2 fGetPositionXY() const { return {position.x, position.y}; }
    ZS_VECTOR3 fGetPosition() const { return position; }

    // The twelve numbers in the order pivot, rotation, scale, position (x, y, z each);
    // the interpolation helpers walk them by index.
    float& fNumber(int i);
    float fNumber(int i) const;

    // The world transform: this record with its whole parent chain folded in, the
    // farthest ancestor first. The flags apply to the fold of the direct parent only.
    ZS_TRANSFORM3 fCompose(bool skipPosition = false, bool skipRotation = false, bool skipScale = false) const;
    // Folds one parent's world transform into this record: scale (and position x, y by
    // the parent's scale), then the parent's position, then a turn about it by its
    // rotation z. The parent's pivot and position z take no part.
    void fApplyParent(ZS_TRANSFORM3 parentWorld, bool skipPosition, bool skipRotation, bool skipScale);

    // Twelve blank-separated numbers: position, pivot, rotation, scale. The record is
    // reset first (parent cleared) and stays the default with fewer than twelve.
    void fParse(const std::string& text);
    // The same twelve numbers with "%.*f" at precision 3 into one static 256-character
    // buffer that the next call overwrites; a text too long for it is cut.
    const char* fToText() const;
};

// Maps a world point into the transform's local frame: turned about the world position
// by minus the world rotation z, then moved so that the position lands on the pivot.
// The scale takes no part.
void fPointWorldToLocal(float* x, float* y, const ZS_TRANSFORM3& transform);
// The same without the pivot.
void fPointWorldToLocalNoPivot(float* x, float* y, const ZS_TRANSFORM3& transform);
}
