#pragma once
#include "engine/core/ZS_POINT.h"
#include "engine/render/ZC_MESH.h"

namespace ZOR
{
// A picture inside a texture: its texture, size in pixels, texture rectangle and whether it is
// stored turned by 90 degrees (atlas pictures).
struct ZS_ATLAS_FRAME
{
    ZS_TEXTURE* texture = nullptr;
    float width = 0, height = 0;
    float topV = 0, rightU = 1, leftU = 0, bottomV = 1;
    bool rotated = false;
};

// The textured quad: four vertices of its own (0 top left, 1 top right, 2 bottom right,
// 3 bottom left, vertex 0 at the local origin), the shared index list, a base texture rectangle
// for atlas pictures, sprite-sheet frames and nine hot spots it is placed about.
class ZC_QUAD : public ZC_MESH
{
public:
    static const uint16_t kIndices[6];

    ZS_VECTOR2 baseUVMin{0.0f, 0.0f};
    ZS_VECTOR2 baseUVMax{1.0f, 1.0f};
    bool rotated = false;

    // No picture (colour 0, nothing shows), no transform, the default state word.
    ZC_QUAD();
    // The whole texture at its size, opaque white; an own identity transform when none is given.
    explicit ZC_QUAD(ZS_TEXTURE* texture, ZS_TRANSFORM3* transform = nullptr);
    // The source's picture, texture rectangle and size, opaque white; an owned transform is
    // copied, a shared one shared.
    ZC_QUAD(const ZC_QUAD& source);
    ZC_QUAD& operator=(const ZC_QUAD&) = delete;

    // Alpha blending, anisotropic filter, textured, triangle list; other bits as they were.
    void fSetDefaultState();
    // Deletes an owned transform; a given one is used and not owned; null makes an owned identity.
    void fSetTransform(ZS_TRANSFORM3* t);
    // -1 for a null record or a record without texture (nothing changes); else 1.
    int fInitFromFrame(const ZS_ATLAS_FRAME* frame, ZS_TRANSFORM3* t);
    // -1 for a null texture; else 1.
    int fInitFromTexture(ZS_TEXTURE* texture, ZS_TRANSFORM3* t);

    // Texture coordinates from fractions (left, top, right, bottom) of the base rectangle.
    void fSetUVRect(float a, float b, float c, float d);
    // Cell index of a columns x rows grid (row-major); with resize the size is divided by the grid.
    void fSetFrame(int columns, int rows, int index, bool resize);
    // Texture rectangle from the pixel size, so that a wrapping quad tiles at the texture's scale.
    void fFitUVToSize();
    void fSetSize(int width, int height);
    void fSetSizeF(float width, float height);
    void fSetSizeVector(const ZS_VECTOR2& size) { fSetSizeF(size.x, size.y); }
    void fSetWidth(float width);
    void fSetHeight(float height);
    float fGetWidth() const { return corners[1].x - corners[0].x; }
    float fGetHeight() const { return corners[2].y - corners[0].y; }
    // Pivot of the transform at anchor 0-8 (top left ... bottom right) plus (dx, dy).
    void fSetHotSpot(int anchor, float dx, float dy);
    // The same, measuring the height at vertex 2 (the fonts use it).
    void fSetHotSpotGlyph(int anchor, float dx, float dy);
    uint32_t fGetVertexColor(int index) const;
    // One glyph-style draw at (x, y) with a texture rectangle and size.
    void fDrawRegion(float x, float y, float lu, float tv, float ru, float bv, int width, int height);

    void fSetBaseUV(float lu, float tv, float ru, float bv);
    ZS_TRANSFORM3* fGetTransform() const { return transform; }
    float fGetBaseUVWidth() const { return baseUVMax.x - baseUVMin.x; }
    // Absolute texture coordinates of the corners; the first two arguments are not used.
    void fSetUVCorners(float, float, float lu, float tv, float ru, float bv);
    void fSetUVCornersTurned(float, float, float lu, float tv, float ru, float bv);
    void fSetUVRectPixels(float x0, float y0, float x1, float y1);
    void fFitUVToFrame();
    void fSetSizeFromFrame(float sx, float sy);
    void fSetFrameRecord(const ZS_ATLAS_FRAME* frame);
    void fSetAddressMode(uint32_t mode) { state.fSetAddress(mode & 3); }
    void fSetFilter(uint32_t filter) { state.fSetFilter(filter); }
    // Point filtering for an unturned, unscaled quad (pixel-exact); false then, true otherwise.
    bool fUpdateFilter();
    void fSetCornerColors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3);
    void fSetAlpha(float alpha);
    void fInsetUV(float e);
    // Sets the four corners (x, y, u, v each) and colours, then draws.
    void fDrawVertices(const float corner[4][4], const uint32_t colors[4]);
    void fShareTransform(ZS_TRANSFORM3* t);

private:
    ZS_VERTEX corners[4];
    void fUseOwnArrays();
    void fSetPivot(int anchor, float dx, float dy, float height);
};
}
