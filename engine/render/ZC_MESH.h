#pragma once
#include <cstdint>

#include "engine/core/ZS_COLOR.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/render/ZS_RENDER_STATE.h"
#include "engine/render/ZS_TEXTURE.h"
#include "engine/render/ZS_VERTEX.h"

namespace ZOR
{
// The engine's basic drawable: vertices and 16-bit indices it does not own (unless it made them
// itself), a texture, a render-state word and a transform. Drawing adds it to the renderer's batch.
class ZC_MESH
{
public:
    ZS_VERTEX* vertices = nullptr;
    int vertexCount = 0;
    const uint16_t* indices = nullptr;
    int indexCount = 0;
    ZS_TEXTURE* texture = nullptr; // null draws with the renderer's default texture
    ZS_RENDER_STATE state;
    ZS_TRANSFORM3* transform = nullptr;
    ZS_VERTEX* ownedVertices = nullptr; // vertices the mesh allocated itself, freed with it
    bool ownsTransform = false;         // the transform is deleted with the mesh

    ZC_MESH() = default;
    ZC_MESH(ZS_VERTEX* avertices, int avertexCount, ZS_TEXTURE* atexture, ZS_TRANSFORM3* atransform,
            const uint16_t* aindices, int aindexCount);
    // count white vertices of the mesh's own.
    ZC_MESH(int count, ZS_TEXTURE* atexture, ZS_TRANSFORM3* atransform, const uint16_t* aindices, int aindexCount);
    ~ZC_MESH();
    ZC_MESH(const ZC_MESH&) = delete;
    ZC_MESH& operator=(const ZC_MESH&) = delete;

    void fSetVertices(ZS_VERTEX* v, int count);
    void fSetIndices(const uint16_t* i, int count);
    void fSetArrays(ZS_VERTEX* v, int vcount, const uint16_t* i, int icount);
    void fSetColor(uint32_t packed);
    void fSetVertexColors(uint32_t packed) { fSetColor(packed); }
    void fSetVertexColor(uint32_t packed, int index);
    void fSetVertexColorsFrom(const ZS_COLOR& color) { fSetColor(color.fToPacked()); }
    // Colour of vertex 0; 0 without vertices.
    uint32_t fGetColor() const;
    void fOffsetUV(float du, float dv);
    bool fIsEmpty() const { return vertices == nullptr; }
    bool fHasNoVertices() const { return vertices == nullptr; }
    ZS_TEXTURE* fGetTexture() const { return texture; }
    // -1 without vertices (nothing changes); else sets the texture and the textured bit; 1.
    int fSetTexture(ZS_TEXTURE* t);
    ZS_VERTEX* fGetVertex(int i);
    int fGetVertexCount() const { return vertexCount; }
    int fGetIndexCount() const { return indexCount; }

    // Transform values; nothing happens without a transform.
    void fSetPosition(float x, float y, float z);
    void fSetPositionX(float x);
    void fSetPositionY(float y);
    void fSetRotationZ(float angle);
    // sy = sx when sy is 0.
    void fSetScale(float sx, float sy, float sz);
    // Null: nothing, answers null. Else the previous transform, which goes to the caller.
    ZS_TRANSFORM3* fReplaceTransform(ZS_TRANSFORM3* t);
    ZS_TRANSFORM3* fSwapTransform(ZS_TRANSFORM3* t);
    // Copies pivot, rotation, scale and position (not the parent), making an own transform first when there is none.
    void fCopyTransform(const ZS_TRANSFORM3& t);

    // Own vertex storage.
    void fAllocVertices(int count);
    void fFreeVertices();
    // The other mesh's vertices into storage of the mesh's own; the index list is shared.
    void fCopyArrays(const ZC_MESH& other);

    // Edits of the vertices in place.
    void fMove(float dx, float dy, float dz);
    void fRotate(float ax, float ay, float az);
    void fScaleAbout(float cx, float cy, float cz, float sx, float sy, float sz);
    void fApplyTransform(const ZS_TRANSFORM3& t);
    void fRotateUV(float angle, float cu, float cv);
    void fScaleUV(float cu, float cv, float su, float sv);
    void fCloseLoop();

    // Drawing: adds the mesh to the renderer's batch.
    void fDrawRaw();
    // With a transform: its own values (parents ignored) make the batch world first.
    void fDraw();
    // The transform composed with its parents makes the batch world.
    void fDrawInWorld();
    // One draw at a temporary position (x, y, 0), rotation (0, 0, rz) and scale (sx, sy or sx, 1).
    void fDrawAt(float x, float y, float rz, float sx, float sy);
    void fDrawInScene();
};
}
