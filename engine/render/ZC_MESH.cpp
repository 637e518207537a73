#include "engine/render/ZC_MESH.h"

#include <cmath>
#include <cstring>
#include <new>

#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
ZC_MESH::ZC_MESH(ZS_VERTEX* avertices, int avertexCount, ZS_TEXTURE* atexture, ZS_TRANSFORM3* atransform,
                 const uint16_t* aindices, int aindexCount)
    : texture(atexture), transform(atransform)
{
    fSetArrays(avertices, avertexCount, aindices, aindexCount);
}

ZC_MESH::ZC_MESH(int count, ZS_TEXTURE* atexture, ZS_TRANSFORM3* atransform, const uint16_t* aindices, int aindexCount)
    : indices(aindices), indexCount(aindexCount), texture(atexture), transform(atransform)
{
    fAllocVertices(count);
}

ZC_MESH::~ZC_MESH()
{
    delete[] ownedVertices;
    if (ownsTransform)
        delete transform;
}

void ZC_MESH::fSetVertices(ZS_VERTEX* v, int count)
{
    vertices = v;
    vertexCount = count;
}

void ZC_MESH::fSetIndices(const uint16_t* i, int count)
{
    indices = i;
    indexCount = count;
}

void ZC_MESH::fSetArrays(ZS_VERTEX* v, int vcount, const uint16_t* i, int icount)
{
    fSetVertices(v, vcount);
    fSetIndices(i, icount);
}

void ZC_MESH::fSetColor(uint32_t packed)
{
    for (int i = 0; vertices && i < vertexCount; ++i)
        vertices[i].fSetColor(packed);
}

void ZC_MESH::fSetVertexColor(uint32_t packed, int index)
{
    if (vertices && index >= 0 && index < vertexCount)
        vertices[index].fSetColor(packed);
}

uint32_t ZC_MESH::fGetColor() const
{
    return vertices && vertexCount > 0 ? vertices[0].color.fToPacked() : 0;
}

void ZC_MESH::fOffsetUV(float du, float dv)
{
    for (int i = 0; vertices && i < vertexCount; ++i)
    {
        vertices[i].u += du;
        vertices[i].v += dv;
    }
}

int ZC_MESH::fSetTexture(ZS_TEXTURE* t)
{
    if (!vertices)
        return -1;
    texture = t;
    state.fSet(ZS_RENDER_STATE::TEXTURED, t != nullptr);
    return 1;
}

ZS_VERTEX* ZC_MESH::fGetVertex(int i)
{
    return vertices && i >= 0 && i < vertexCount ? &vertices[i] : nullptr;
}

void ZC_MESH::fSetPosition(float x, float y, float z)
{
    if (transform)
        transform->fSetPosition(x, y, z);
}

void ZC_MESH::fSetPositionX(float x)
{
    if (transform)
        transform->position.x = x;
}

void ZC_MESH::fSetPositionY(float y)
{
    if (transform)
        transform->position.y = y;
}

void ZC_MESH::fSetRotationZ(float angle)
{
    if (transform)
        transform->rotation.z = angle;
}

void ZC_MESH::fSetScale(float sx, float sy, float sz)
{
    if (transform)
        transform->fSetScale(sx, sy == 0.0f ? sx : sy, sz);
}

ZS_TRANSFORM3* ZC_MESH::fReplaceTransform(ZS_TRANSFORM3* t)
{
    if (!t)
        return nullptr;
    return fSwapTransform(t);
}

ZS_TRANSFORM3* ZC_MESH::fSwapTransform(ZS_TRANSFORM3* t)
{
    // The transform handed back is the caller's from now on, owned or not before.
    ZS_TRANSFORM3* previous = transform;
    transform = t;
    ownsTransform = false;
    return previous;
}

void ZC_MESH::fCopyTransform(const ZS_TRANSFORM3& t)
{
    if (!transform)
    {
        transform = new ZS_TRANSFORM3;
        ownsTransform = true;
    }
    ZS_TRANSFORM3* parent = transform->parent;
    *transform = t;
    transform->parent = parent;
}

void ZC_MESH::fAllocVertices(int count)
{
    // Only storage the mesh made itself is freed; a borrowed array is left to its owner.
    if (vertices == ownedVertices)
        fSetVertices(nullptr, 0);
    delete[] ownedVertices;
    ownedVertices = nullptr;
    if (count <= 0)
        return;
    ownedVertices = new (std::nothrow) ZS_VERTEX[size_t(count)];
    if (!ownedVertices)
        return;
    fSetVertices(ownedVertices, count);
}

void ZC_MESH::fFreeVertices()
{
    if (vertices == ownedVertices)
        fSetVertices(nullptr, 0);
    delete[] ownedVertices;
    ownedVertices = nullptr;
}

void ZC_MESH::fCopyArrays(const ZC_MESH& other)
{
    if (&other == this || !other.vertices || other.vertexCount <= 0)
        return;
    ZS_VERTEX* copy = new (std::nothrow) ZS_VERTEX[size_t(other.vertexCount)];
    if (!copy)
        return;
    std::memcpy(copy, other.vertices, sizeof(ZS_VERTEX) * size_t(other.vertexCount));
    fFreeVertices();
    ownedVertices = copy;
    fSetVertices(copy, other.vertexCount);
    fSetIndices(other.indices, other.indexCount);
}

void ZC_MESH::fMove(float dx, float dy, float dz)
{
    for (int i = 0; vertices && i < vertexCount; ++i)
    {
        vertices[i].x += dx;
        vertices[i].y += dy;
        vertices[i].z += dz;
    }
}

void ZC_MESH::fRotate(float ax, float ay, float az)
{
    float cz = std::cos(az), sz = std::sin(az);
    float cx = std::cos(ax), sx = std::sin(ax);
    float cy = std::cos(ay), sy = std::sin(ay);
    for (int i = 0; vertices && i < vertexCount; ++i)
    {
        ZS_VERTEX& v = vertices[i];
        float x = v.x, y = v.y, z = v.z;
        if (az != 0.0f)
        {
            float nx = cz * x - sz * y;
            y = sz * x + cz * y;
            x = nx;
        }
        if (ax != 0.0f)
        {
            float nz = cx * z - sx * y;
            y = sx * z + cx * y;
            z = nz;
        }
        if (ay != 0.0f)
        {
            float nx = cy * x - sy * z;
            z = sy * x + cy * z;
            x = nx;
        }
        v.fSetPosition(x, y, z);
    }
}

void ZC_MESH::fScaleAbout(float cx, float cy, float cz, float sx, float sy, float sz)
{
    for (int i = 0; vertices && i < vertexCount; ++i)
    {
        ZS_VERTEX& v = vertices[i];
        v.fSetPosition(cx + (v.x - cx) * sx, cy + (v.y - cy) * sy, cz + (v.z - cz) * sz);
    }
}

void ZC_MESH::fApplyTransform(const ZS_TRANSFORM3& t)
{
    fMove(t.position.x, t.position.y, t.position.z);
    fRotate(t.rotation.x, t.rotation.y, t.rotation.z);
    fScaleAbout(t.pivot.x, t.pivot.y, t.pivot.z, t.scale.x, t.scale.y, t.scale.z);
}

void ZC_MESH::fRotateUV(float angle, float cu, float cv)
{
    if (angle == 0.0f)
        return;
    float c = std::cos(angle), s = std::sin(angle);
    for (int i = 0; vertices && i < vertexCount; ++i)
    {
        ZS_VERTEX& v = vertices[i];
        float du = v.u - cu, dv = v.v - cv;
        v.fSetUV(cu + c * du - s * dv, cv + s * du + c * dv);
    }
}

void ZC_MESH::fScaleUV(float cu, float cv, float su, float sv)
{
    for (int i = 0; vertices && i < vertexCount; ++i)
    {
        ZS_VERTEX& v = vertices[i];
        v.fSetUV(cu + (v.u - cu) * su, cv + (v.v - cv) * sv);
    }
}

void ZC_MESH::fCloseLoop()
{
    if (vertices && vertexCount > 1)
        vertices[vertexCount - 1] = vertices[0];
}

void ZC_MESH::fDrawRaw()
{
    if (zcRENDER)
        zcRENDER->fAddTriangles(vertices, texture, &state, vertexCount, indices, indexCount);
}

void ZC_MESH::fDraw()
{
    if (zcRENDER && transform)
        zcRENDER->fSetWorldTransform(*transform);
    fDrawRaw();
}

void ZC_MESH::fDrawInWorld()
{
    // Without a transform the mesh draws where the batch world already is, as fDraw does.
    if (zcRENDER && transform)
        zcRENDER->fSetWorldTransform(transform->fCompose());
    fDrawRaw();
}

void ZC_MESH::fDrawAt(float x, float y, float rz, float sx, float sy)
{
    if (!zcRENDER)
        return;
    if (!transform)
    {
        // A placement of its own for this one draw.
        ZS_TRANSFORM3 t;
        t.fSetPosition(x, y, 0);
        t.fSetRotation(0, 0, rz);
        t.fSetScale(sx, sy == 0.0f ? sx : sy, 1);
        zcRENDER->fSetWorldTransform(t);
        fDrawRaw();
        return;
    }
    ZS_TRANSFORM3& t = *transform;
    float px = t.position.x, py = t.position.y;
    ZS_VECTOR3 rotation = t.rotation;
    float scx = t.scale.x, scy = t.scale.y;
    t.fSetPosition(x, y, 0);
    t.fSetRotation(0, 0, rz);
    t.fSetScale(sx, sy == 0.0f ? sx : sy, 1);
    zcRENDER->fSetWorldTransform(t);
    fDrawRaw();
    // Position z and scale z are not kept: they come back as 0 and 1.
    t.fSetPosition(px, py, 0);
    t.rotation = rotation;
    t.fSetScale(scx, scy == 0.0f ? scx : scy, 1);
}

void ZC_MESH::fDrawInScene()
{
    if (!zcRENDER)
        return;
    if (transform)
        zcRENDER->fSetWorldTransform(*transform);
    zcRENDER->fDrawInScene(vertices, texture, &state, vertexCount, indices, indexCount);
}
}
