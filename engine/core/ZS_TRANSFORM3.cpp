#include "engine/core/ZS_TRANSFORM3.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_TEXT_UTILS.h"

namespace ZOR
{
ZS_TRANSFORM3& ZS_TRANSFORM3::operator=(const ZS_TRANSFORM3& o)
{
    pivot = o.pivot;
    rotation = o.rotation;
    scale = o.scale;
    position = o.position;
    parent = o.parent;
    return *this;
}

void ZS_TRANSFORM3::fReset()
{
    *this = ZS_TRANSFORM3();
    reserved = 0;
}

static float& fComponent(ZS_VECTOR3& v, int i)
{
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}

float& ZS_TRANSFORM3::fNumber(int i)
{
    ZS_VECTOR3* parts[] = {&pivot, &rotation, &scale, &position};
    return fComponent(*parts[(i / 3) & 3], i % 3);
}

float ZS_TRANSFORM3::fNumber(int i) const
{
    return const_cast<ZS_TRANSFORM3*>(this)->fNumber(i);
}

namespace
{
const size_t kMaxParentDepth = 64;
}

ZS_TRANSFORM3 ZS_TRANSFORM3::fCompose(bool skipPosition, bool skipRotation, bool skipScale) const
{
    ZS_TRANSFORM3 world(*this);
    if (!parent)
        return world;

    // Walk up once, collecting the ancestors; a chain that comes back on itself is cut
    // where it repeats instead of recursing without end. Every drawable composes its
    // transform each frame, so the chain lives on the stack: real chains are a few levels
    // deep, and one deeper than the array is cut there like a loop.
    const ZS_TRANSFORM3* chain[kMaxParentDepth];
    size_t depth = 0;
    for (const ZS_TRANSFORM3* t = parent; t && depth < kMaxParentDepth; t = t->parent)
    {
        bool seen = t == this;
        for (size_t c = 0; c < depth; ++c)
            seen = seen || chain[c] == t;
        if (seen)
            break;
        chain[depth++] = t;
    }
    if (depth == 0)
        return world;

    ZS_TRANSFORM3 parentWorld(*chain[depth - 1]);
    for (size_t i = depth - 1; i-- > 0;)
    {
        ZS_TRANSFORM3 next(*chain[i]);
        next.fApplyParent(parentWorld, false, false, false);
        parentWorld = next;
    }
    world.fApplyParent(parentWorld, skipPosition, skipRotation, skipScale);
    return world;
}

void ZS_TRANSFORM3::fApplyParent(ZS_TRANSFORM3 p, bool skipPosition, bool skipRotation, bool skipScale)
{
    if (!skipScale)
    {
        scale *= p.scale;
        position.x *= p.scale.x;
        position.y *= p.scale.y;
    }
    if (!skipPosition)
    {
        position.x += p.position.x;
        position.y += p.position.y;
    }
    if (!skipRotation)
    {
        fRotatePointInPlace(p.position.x, p.position.y, &position.x, &position.y, p.rotation.z);
        rotation += p.rotation;
    }
}

void ZS_TRANSFORM3::fParse(const std::string& text)
{
    fReset();
    std::vector<std::string> pieces;
    fSplitStringInto(text, ' ', pieces, true);
    if (pieces.size() < 12)
        return;
    // The text order is position, pivot, rotation, scale; fNumber's is pivot first.
    static const int order[12] = {9, 10, 11, 0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int i = 0; i < 12; ++i)
        fNumber(order[i]) = float(std::atof(pieces[i].c_str()));
}

const char* ZS_TRANSFORM3::fToText() const
{
    static char text[256];
    std::snprintf(text, sizeof text, "%.*f %.*f %.*f %.*f %.*f %.*f %.*f %.*f %.*f %.*f %.*f %.*f",
                  3, position.x, 3, position.y, 3, position.z, 3, pivot.x, 3, pivot.y, 3, pivot.z,
                  3, rotation.x, 3, rotation.y, 3, rotation.z, 3, scale.x, 3, scale.y, 3, scale.z);
    return text;
}

void fPointWorldToLocalNoPivot(float* x, float* y, const ZS_TRANSFORM3& transform)
{
    ZS_TRANSFORM3 w = transform.fCompose();
    fRotatePointInPlace(w.position.x, w.position.y, x, y, -w.rotation.z);
    *x -= w.position.x;
    *y -= w.position.y;
}

void fPointWorldToLocal(float* x, float* y, const ZS_TRANSFORM3& transform)
{
    fPointWorldToLocalNoPivot(x, y, transform);
    *x += transform.pivot.x;
    *y += transform.pivot.y;
}
}
