#include "engine/render/ZC_QUAD.h"

#include <cmath>

#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
const uint16_t ZC_QUAD::kIndices[6] = {0, 1, 2, 0, 2, 3};

void ZC_QUAD::fUseOwnArrays()
{
    for (ZS_VERTEX& v : corners)
    {
        v = ZS_VERTEX();
        v.color = ZS_COLOR(0u);
    }
    fSetArrays(corners, 4, kIndices, 6);
}

ZC_QUAD::ZC_QUAD()
{
    fUseOwnArrays();
    fSetDefaultState();
}

ZC_QUAD::ZC_QUAD(ZS_TEXTURE* atexture, ZS_TRANSFORM3* t)
{
    fUseOwnArrays();
    fSetDefaultState();
    // A quad without a picture still gets its placement, so that it can be positioned and drawn.
    if (fInitFromTexture(atexture, t) != 1)
        fSetTransform(t);
}

ZC_QUAD::ZC_QUAD(const ZC_QUAD& source) : ZC_MESH()
{
    fUseOwnArrays();
    state = source.state;
    ZS_ATLAS_FRAME frame;
    frame.texture = source.texture;
    frame.rotated = source.rotated;
    frame.leftU = source.baseUVMin.x;
    frame.topV = source.baseUVMin.y;
    frame.rightU = source.baseUVMax.x;
    frame.bottomV = source.baseUVMax.y;
    if (source.texture)
    {
        frame.width = std::fabs(frame.rightU - frame.leftU) * float(source.texture->size.x);
        frame.height = std::fabs(frame.bottomV - frame.topV) * float(source.texture->size.y);
        if (source.rotated)
            std::swap(frame.width, frame.height);
    }
    ZS_TRANSFORM3* t = source.transform;
    bool owned = source.ownsTransform && t;
    if (owned)
        t = new ZS_TRANSFORM3(*source.transform);
    if (fInitFromFrame(&frame, t) != 1)
        fSetTransform(t);
    ownsTransform = owned || !source.transform;
    fSetUVRect(source.corners[0].u, source.corners[0].v, source.corners[2].u, source.corners[2].v);
    fSetSizeF(source.fGetWidth(), source.fGetHeight());
}

void ZC_QUAD::fSetDefaultState()
{
    state.fSet(ZS_RENDER_STATE::ALPHA_BLEND | ZS_RENDER_STATE::TEXTURED, true);
    state.fSetFilter(ZS_RENDER_STATE::FILTER_ANISOTROPIC);
    state.fSetPrimitive(ZS_RENDER_STATE::PRIM_TRIANGLES);
}

void ZC_QUAD::fSetTransform(ZS_TRANSFORM3* t)
{
    if (ownsTransform && transform != t)
        delete transform;
    if (t)
    {
        transform = t;
        ownsTransform = false;
    }
    else
    {
        transform = new ZS_TRANSFORM3;
        ownsTransform = true;
    }
}

int ZC_QUAD::fInitFromFrame(const ZS_ATLAS_FRAME* frame, ZS_TRANSFORM3* t)
{
    if (!frame || !frame->texture)
        return -1;
    texture = frame->texture;
    rotated = frame->rotated;
    fSetTransform(t);
    baseUVMin.fSet(frame->leftU, frame->topV);
    baseUVMax.fSet(frame->rightU, frame->bottomV);
    fSetSize(int(frame->width), int(frame->height));
    fSetUVRect(0, 0, 1, 1);
    fSetColor(0xFFFFFFFFu);
    return 1;
}

int ZC_QUAD::fInitFromTexture(ZS_TEXTURE* atexture, ZS_TRANSFORM3* t)
{
    if (!atexture)
        return -1;
    ZS_ATLAS_FRAME frame;
    frame.texture = atexture;
    frame.width = float(atexture->size.x);
    frame.height = float(atexture->size.y);
    return fInitFromFrame(&frame, t);
}

void ZC_QUAD::fSetUVRect(float a, float b, float c, float d)
{
    float lu = baseUVMin.x, tv = baseUVMin.y;
    float du = baseUVMax.x - lu, dv = baseUVMax.y - tv;
    auto U = [&](float t) { return lu + t * du; };
    auto V = [&](float t) { return tv + t * dv; };
    if (!rotated)
    {
        corners[0].fSetUV(U(a), V(b));
        corners[1].fSetUV(U(c), V(b));
        corners[2].fSetUV(U(c), V(d));
        corners[3].fSetUV(U(a), V(d));
    }
    else
    {
        // The picture is stored turned: its left edge runs along the texture's bottom-to-top.
        corners[0].fSetUV(U(b), V(1 - a));
        corners[1].fSetUV(U(b), V(1 - c));
        corners[2].fSetUV(U(d), V(1 - c));
        corners[3].fSetUV(U(d), V(1 - a));
    }
}

void ZC_QUAD::fSetFrame(int columns, int rows, int index, bool resize)
{
    // A grid without cells has no frame to show (and would divide by zero).
    if (columns <= 0 || rows <= 0)
        return;
    float cw = 1.0f / float(columns), ch = 1.0f / float(rows);
    int column = index % columns, row = index / columns;
    fSetUVRect(cw * float(column), ch * float(row), cw * float(column) + cw, ch * float(row) + ch);
    if (resize)
        fSetSize(int(fGetWidth() / float(columns)), int(fGetHeight() / float(rows)));
}

void ZC_QUAD::fFitUVToSize()
{
    if (!texture || texture->size.x <= 0 || texture->size.y <= 0)
        return;
    float w = std::trunc(fGetWidth()), h = std::trunc(fGetHeight());
    fSetUVRect(0, 0, w / float(texture->size.x), h / float(texture->size.y));
}

void ZC_QUAD::fSetSize(int width, int height)
{
    fSetSizeF(float(width), float(height));
}

void ZC_QUAD::fSetSizeF(float width, float height)
{
    corners[1].x = corners[2].x = corners[0].x + width;
    corners[2].y = corners[3].y = corners[0].y + height;
}

void ZC_QUAD::fSetWidth(float width)
{
    corners[1].x = corners[2].x = corners[0].x + width;
}

void ZC_QUAD::fSetHeight(float height)
{
    corners[2].y = corners[3].y = corners[0].y + height;
}

void ZC_QUAD::fSetPivot(int anchor, float dx, float dy, float height)
{
    if (!transform || anchor < 0 || anchor > 8)
        return;
    float w = corners[1].x - corners[0].x;
    // Anchors run row by row: top, middle, bottom; left, middle, right within a row.
    float fx[3] = {0.0f, w / 2, w};
    float fy[3] = {0.0f, height / 2, height};
    transform->pivot.x = dx + fx[anchor % 3];
    transform->pivot.y = dy + fy[anchor / 3];
}

void ZC_QUAD::fSetHotSpot(int anchor, float dx, float dy)
{
    fSetPivot(anchor, dx, dy, corners[3].y - corners[0].y);
}

void ZC_QUAD::fSetHotSpotGlyph(int anchor, float dx, float dy)
{
    fSetPivot(anchor, dx, dy, corners[2].y - corners[0].y);
}

uint32_t ZC_QUAD::fGetVertexColor(int index) const
{
    return index >= 0 && index < 4 ? corners[index].color.fToPacked() : 0;
}

void ZC_QUAD::fDrawRegion(float x, float y, float lu, float tv, float ru, float bv, int width, int height)
{
    if (!transform)
        fSetTransform(nullptr);
    transform->position.x = x;
    transform->position.y = y;
    fSetUVRect(lu, tv, ru, bv);
    fSetSize(width, height);
    fSetHotSpot(0, 0, 0);
    fDrawInWorld();
}

void ZC_QUAD::fSetBaseUV(float lu, float tv, float ru, float bv)
{
    baseUVMin.fSet(lu, tv);
    baseUVMax.fSet(ru, bv);
}

void ZC_QUAD::fSetUVCorners(float, float, float lu, float tv, float ru, float bv)
{
    corners[0].fSetUV(lu, tv);
    corners[1].fSetUV(ru, tv);
    corners[2].fSetUV(ru, bv);
    corners[3].fSetUV(lu, bv);
}

void ZC_QUAD::fSetUVCornersTurned(float, float, float lu, float tv, float ru, float bv)
{
    corners[1].fSetUV(lu, tv);
    corners[2].fSetUV(ru, tv);
    corners[3].fSetUV(ru, bv);
    corners[0].fSetUV(lu, bv);
}

void ZC_QUAD::fSetUVRectPixels(float x0, float y0, float x1, float y1)
{
    if (!texture || texture->size.x <= 0 || texture->size.y <= 0)
        return;
    float w = float(texture->size.x), h = float(texture->size.y);
    fSetUVRect(x0 / w, y0 / h, x1 / w, y1 / h);
}

void ZC_QUAD::fFitUVToFrame()
{
    if (!texture)
        return;
    float fw = fGetBaseUVWidth() * float(texture->size.x);
    float fh = (baseUVMax.y - baseUVMin.y) * float(texture->size.y);
    if (fw == 0.0f || fh == 0.0f)
        return;
    fSetUVRect(0, 0, fGetWidth() / fw, fGetHeight() / fh);
}

void ZC_QUAD::fSetSizeFromFrame(float sx, float sy)
{
    if (!texture)
        return;
    fSetSizeF(fGetBaseUVWidth() * float(texture->size.x) * sx, (baseUVMax.y - baseUVMin.y) * float(texture->size.y) * sy);
}

void ZC_QUAD::fSetFrameRecord(const ZS_ATLAS_FRAME* frame)
{
    if (!frame)
        return;
    fSetTexture(frame->texture);
    rotated = frame->rotated;
    fSetBaseUV(frame->leftU, frame->topV, frame->rightU, frame->bottomV);
    fSetSizeF(frame->width, frame->height);
}

bool ZC_QUAD::fUpdateFilter()
{
    ZS_TRANSFORM3 world = transform ? transform->fCompose() : ZS_TRANSFORM3();
    if (world.rotation.z == 0.0f && world.scale.x == 1.0f && world.scale.y == 1.0f)
    {
        state.fSetFilter(ZS_RENDER_STATE::FILTER_POINT);
        return false;
    }
    state.fSetFilter(ZS_RENDER_STATE::FILTER_ANISOTROPIC);
    return true;
}

void ZC_QUAD::fSetCornerColors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3)
{
    corners[0].fSetColor(c0);
    corners[1].fSetColor(c1);
    corners[2].fSetColor(c2);
    corners[3].fSetColor(c3);
}

void ZC_QUAD::fSetAlpha(float alpha)
{
    if (alpha > 1.0f)
        alpha = 1.0f;
    if (alpha < 0.0f)
        alpha = 0.0f;
    ZS_COLOR c = corners[0].color;
    c.a = uint8_t(int(alpha * 255.0f));
    for (ZS_VERTEX& v : corners)
        v.color = c;
}

void ZC_QUAD::fInsetUV(float e)
{
    if (e == 0.0f)
        e = 0.01f;
    corners[0].fSetUV(corners[0].u + e, corners[0].v + e);
    corners[1].fSetUV(corners[1].u - e, corners[1].v + e);
    corners[2].fSetUV(corners[2].u - e, corners[2].v - e);
    corners[3].fSetUV(corners[3].u + e, corners[3].v - e);
}

void ZC_QUAD::fDrawVertices(const float corner[4][4], const uint32_t colors[4])
{
    for (int i = 0; i < 4; ++i)
    {
        corners[i].fSetPosition(corner[i][0], corner[i][1], 0.0f);
        corners[i].fSetUV(corner[i][2], corner[i][3]);
        corners[i].fSetColor(colors[i]);
    }
    fDraw();
}

void ZC_QUAD::fShareTransform(ZS_TRANSFORM3* t)
{
    bool owned = ownsTransform;
    ZS_TRANSFORM3* previous = fReplaceTransform(t);
    // Nobody else holds an owned transform that is replaced: it goes now rather than leak.
    if (owned && t && previous != t)
        delete previous;
}
}
