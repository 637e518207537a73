// Render states, the batch and the direct draws of the renderer.
#include <cstring>

#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/render/ZC_CAMERA.h"
#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
uint8_t zcSTENCIL_REF = 255;

namespace
{
using DEV = ZC_PLATFORM_DEVICE;
using RS = ZS_RENDER_STATE;

const uint32_t kPointChunk = 512;

// Vertices per primitive of a state word's primitive field; 0 draws nothing.
void fPrimitiveOf(uint32_t primitive, DEV::ZE_PRIMITIVE* type, uint32_t* divisor, bool* draws)
{
    *draws = true;
    switch (primitive)
    {
    case RS::PRIM_POINTS:
    case RS::PRIM_POINT_SPRITES: *type = DEV::PT_POINTLIST; *divisor = 1; break;
    case RS::PRIM_LINES: *type = DEV::PT_LINELIST; *divisor = 2; break;
    case RS::PRIM_TRIANGLES: *type = DEV::PT_TRIANGLELIST; *divisor = 3; break;
    default: *type = DEV::PT_TRIANGLELIST; *divisor = 3; *draws = false; break;
    }
}

bool fBlends(const RS& s)
{
    // Bit 0 switches blending off whatever bit 1 says, on every word that carries it.
    return s.fHas(RS::ALPHA_BLEND) && !s.fHas(RS::BLEND_OFF);
}
}

bool ZC_RENDER::fApplyState(const ZS_RENDER_STATE& state)
{
    if (state.fEquals(currentState))
        return false;
    stateChanges++;
    ZS_RENDER_STATE old = currentState;
    if (device)
    {
        if (fBlends(old) != fBlends(state))
            device->fSetRenderState(DEV::RS_ALPHABLENDENABLE, fBlends(state));
        if (old.fHas(RS::ADDITIVE) != state.fHas(RS::ADDITIVE))
            device->fSetRenderState(DEV::RS_DESTBLEND, state.fHas(RS::ADDITIVE) ? DEV::BLEND_ONE : DEV::BLEND_INVSRCALPHA);
        if (old.fHas(RS::DEPTH) != state.fHas(RS::DEPTH))
            device->fSetRenderState(DEV::RS_ZENABLE, state.fHas(RS::DEPTH));
        if (old.fHas(RS::LIGHTING) != state.fHas(RS::LIGHTING))
        {
            device->fSetRenderState(DEV::RS_LIGHTING, state.fHas(RS::LIGHTING));
            device->fSetRenderState(DEV::RS_NORMALIZENORMALS, 0);
            device->fSetRenderState(DEV::RS_SPECULARENABLE, 1);
        }
        uint32_t oldFilter = old.fGetFilter(), filter = state.fGetFilter();
        if (oldFilter != filter)
        {
            if (filter == RS::FILTER_LINEAR)
            {
                device->fSetSamplerState(DEV::SS_MAGFILTER, DEV::FILTER_LINEAR);
                device->fSetSamplerState(DEV::SS_MINFILTER, DEV::FILTER_LINEAR);
            }
            else if (filter == RS::FILTER_ANISOTROPIC)
            {
                uint32_t f = anisotropicFilter ? DEV::FILTER_ANISOTROPIC : DEV::FILTER_LINEAR;
                device->fSetSamplerState(DEV::SS_MAGFILTER, f);
                device->fSetSamplerState(DEV::SS_MINFILTER, f);
            }
            else if (filter <= 1 && oldFilter > 1)
            {
                device->fSetSamplerState(DEV::SS_MAGFILTER, DEV::FILTER_POINT);
                device->fSetSamplerState(DEV::SS_MINFILTER, DEV::FILTER_POINT);
            }
        }
        if (old.fGetPrimitive() != state.fGetPrimitive())
            device->fSetRenderState(DEV::RS_POINTSPRITEENABLE, state.fGetPrimitive() == RS::PRIM_POINT_SPRITES);
    }
    if (old.fHas(RS::SCREEN_MATRICES) != state.fHas(RS::SCREEN_MATRICES))
        state.fHas(RS::SCREEN_MATRICES) ? fUseScreenMatrices() : fUseSceneMatrices();
    if (device)
    {
        uint32_t a = state.fGetAddress();
        uint32_t u = (a & RS::ADDRESS_WRAP_U) ? DEV::ADDRESS_WRAP : DEV::ADDRESS_CLAMP;
        uint32_t v = (a & RS::ADDRESS_WRAP_V) ? DEV::ADDRESS_WRAP : DEV::ADDRESS_CLAMP;
        device->fSetSamplerState(DEV::SS_ADDRESSW, a ? DEV::ADDRESS_WRAP : DEV::ADDRESS_CLAMP);
        device->fSetSamplerState(DEV::SS_ADDRESSU, u);
        device->fSetSamplerState(DEV::SS_ADDRESSV, v);
        device->fSetRenderState(DEV::RS_MULTISAMPLEANTIALIAS, state.fHas(RS::ANTIALIAS));
        device->fSetRenderState(DEV::RS_ANTIALIASEDLINEENABLE, state.fHas(RS::ANTIALIAS));
    }
    currentState = state;
    return true;
}

void ZC_RENDER::fUseScreenMatrices()
{
    fFlush();
    if (!device)
        return;
    device->fSetTransform(DEV::TS_WORLD, screenWorld.m);
    // Inside a render-target frame the target's own camera stays.
    if (framePhase != 2)
    {
        device->fSetTransform(DEV::TS_VIEW, screenView.m);
        device->fSetTransform(DEV::TS_PROJECTION, screenProjection.m);
    }
}

void ZC_RENDER::fUseSceneMatrices()
{
    fFlush();
    if (!device)
        return;
    device->fSetTransform(DEV::TS_WORLD, sceneWorld.m);
    if (currentCamera && framePhase != 2)
        device->fSetTransform(DEV::TS_VIEW, currentCamera->view.m);
}

void ZC_RENDER::fSetWorldTransform(const ZS_TRANSFORM3& t)
{
    // translation(-pivot) x rotation x scaling x translation(position), written out: the rotation's
    // rows are scaled per column, and the pivot row goes through the result.
    float* m = batchWorld.m;
    float s[3] = {t.scale.x, t.scale.y, t.scale.z};
    if (t.rotation.x == 0.0f && t.rotation.y == 0.0f && t.rotation.z == 0.0f)
    {
        std::memset(m, 0, sizeof(batchWorld.m));
        m[0] = s[0];
        m[5] = s[1];
        m[10] = s[2];
    }
    else
    {
        fMatrixYawPitchRoll(batchWorld, t.rotation.y, t.rotation.x, t.rotation.z);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                m[4 * i + j] *= s[j];
    }
    float px = -t.pivot.x, py = -t.pivot.y, pz = t.pivot.z;
    const float pos[3] = {t.position.x, t.position.y, t.position.z};
    for (int j = 0; j < 3; ++j)
        m[12 + j] = px * m[j] + py * m[4 + j] + pz * m[8 + j] + pos[j];
    m[3] = m[7] = m[11] = 0.0f;
    m[15] = 1.0f;
}

void ZC_RENDER::fBindBatchTexture(ZS_TEXTURE* texture)
{
    if (currentState.fHas(RS::TEXTURED) && texture)
    {
        if (device)
            device->fSetTexture(texture->texture);
        currentTexture = texture;
    }
    else
    {
        if (device)
            device->fSetTexture(0);
        currentTexture = nullptr;
    }
}

void ZC_RENDER::fAddTriangles(const ZS_VERTEX* vertices, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state,
                              int vertexCount, const uint16_t* indices, int indexCount)
{
    if (!state)
        return;
    if (!texture)
        texture = defaultTexture;
    drawRequests++;
    // Buffers a failed reset left missing: nothing is written until a reset makes them again.
    if (!vertexBuffer || !indexBuffer || !vertices || vertexCount <= 0 || indexCount < 0)
        return;
    if (indexCount > 0)
    {
        // Indexed geometry cannot be cut at an arbitrary vertex: more than a whole buffer is refused.
        if (!indices || uint32_t(vertexCount) > vertexCapacity || uint32_t(indexCount) > indexCapacity)
            return;
        fAddChunk(vertices, texture, *state, vertexCount, indices, indexCount);
        return;
    }
    // Without indices the draw is cut at whole primitives into batches that fit.
    DEV::ZE_PRIMITIVE type;
    uint32_t divisor;
    bool draws;
    fPrimitiveOf(state->fGetPrimitive(), &type, &divisor, &draws);
    int most = int(vertexCapacity - vertexCapacity % divisor);
    while (vertexCount > 0)
    {
        int n = vertexCount < most ? vertexCount : most;
        fAddChunk(vertices, texture, *state, n, nullptr, 0);
        vertices += n;
        vertexCount -= n;
    }
}

void ZC_RENDER::fAddChunk(const ZS_VERTEX* vertices, ZS_TEXTURE* texture, const ZS_RENDER_STATE& state,
                          int vertexCount, const uint16_t* indices, int indexCount)
{
    bool roomShort = batchedVertices + uint32_t(vertexCount) > vertexCapacity ||
                     batchedIndices + uint32_t(indexCount) > indexCapacity;
    // An indexed draw only draws what its indices name: a batch is either indexed or not.
    bool mixed = batchedVertices && ((batchedIndices > 0) != (indexCount > 0));
    if (state.fDiffers(currentState) || texture != currentTexture || roomShort || mixed)
    {
        fFlush();
        fApplyState(state);
        fBindBatchTexture(texture);
    }
    if (indexCount > 0)
    {
        uint16_t* out = indexBuffer + batchedIndices;
        uint16_t base = uint16_t(batchedVertices);
        uint16_t highest = 0;
        for (int i = 0; i < indexCount; ++i)
        {
            uint16_t ix = indices[i];
            if (ix > highest)
                highest = ix;
            out[i] = uint16_t(base + ix);
        }
        // An index past the draw's own vertices would make the device read past the batch.
        if (highest >= vertexCount)
            return;
    }
    const float* m = batchWorld.m;
    ZS_VERTEX* out = vertexBuffer + batchedVertices;
    for (int i = 0; i < vertexCount; ++i)
    {
        const ZS_VERTEX& s = vertices[i];
        ZS_VERTEX& d = out[i];
        d.x = s.x * m[0] + s.y * m[4] + s.z * m[8] + m[12];
        d.y = s.x * m[1] + s.y * m[5] + s.z * m[9] + m[13];
        d.z = s.x * m[2] + s.y * m[6] + s.z * m[10] + m[14];
        d.nx = s.nx;
        d.ny = s.ny;
        d.nz = s.nz;
        d.color = s.color;
        d.u = s.u;
        d.v = s.v;
    }
    batchedIndices += uint32_t(indexCount);
    batchedVertices += uint32_t(vertexCount);
}

void ZC_RENDER::fFlush()
{
    if (!batchedVertices)
        return;
    flushes++;
    DEV::ZE_PRIMITIVE type;
    uint32_t divisor;
    bool draws;
    fPrimitiveOf(currentState.fGetPrimitive(), &type, &divisor, &draws);
    if (device && draws)
    {
        if (batchedIndices)
            device->fDrawIndexed(type, vertexBuffer, int(batchedVertices), indexBuffer,
                                 int(batchedIndices / divisor * divisor));
        else
            device->fDraw(type, vertexBuffer, int(batchedVertices / divisor * divisor));
    }
    batchedVertices = 0;
    batchedIndices = 0;
}

bool ZC_RENDER::fBeginPointSprites(bool any, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state)
{
    fFlush();
    if (!any || !state || !pointBuffer || !device)
        return false;
    fApplyState(*state);
    bool bind = currentState.fHas(RS::TEXTURED) && texture;
    device->fSetTexture(bind ? texture->texture : 0);
    // The device now holds the sprites' texture: the batch's next draw must bind its own again.
    currentTexture = bind ? texture : nullptr;
    if (pointPosition >= pointCapacity)
        pointPosition = 0;
    pointsInChunk = 0;
    return true;
}

void ZC_RENDER::fAddPointSprite(const void* particle)
{
    ZS_POINT_VERTEX& d = pointBuffer[pointPosition + pointsInChunk];
    std::memcpy(&d, particle, sizeof(ZS_POINT_VERTEX));
    const float* m = batchWorld.m;
    float x = d.x, y = d.y, z = d.z;
    d.x = x * m[0] + y * m[4] + z * m[8] + m[12];
    d.y = x * m[1] + y * m[5] + z * m[9] + m[13];
    d.z = x * m[2] + y * m[6] + z * m[10] + m[14];
    if (++pointsInChunk == kPointChunk)
    {
        device->fDrawPoints(pointBuffer + pointPosition, int(kPointChunk));
        pointPosition += kPointChunk;
        if (pointPosition >= pointCapacity)
            pointPosition = 0;
        pointsInChunk = 0;
    }
}

void ZC_RENDER::fEndPointSprites()
{
    if (pointsInChunk)
        device->fDrawPoints(pointBuffer + pointPosition, int(pointsInChunk));
    pointPosition += kPointChunk;
    pointsInChunk = 0;
}

void ZC_RENDER::fDrawLine(int x1, int y1, int x2, int y2, uint32_t color)
{
    static ZS_VERTEX vertices[2];
    static const uint16_t indices[2] = {0, 1};
    static ZS_RENDER_STATE state(RS::SCREEN_MATRICES | (RS::PRIM_LINES << RS::PRIMITIVE_SHIFT));
    batchWorld.fSetIdentity();
    vertices[0] = ZS_VERTEX();
    vertices[1] = ZS_VERTEX();
    vertices[0].fSetPosition(float(x1), float(y1), 1.0f);
    vertices[1].fSetPosition(float(x2), float(y2), 1.0f);
    vertices[0].fSetColor(color);
    vertices[1].fSetColor(color);
    fAddTriangles(vertices, nullptr, &state, 2, indices, 2);
}

void ZC_RENDER::fDrawFilledSquare(int x, int y, uint32_t color, float side)
{
    static ZS_VERTEX vertices[4];
    static const uint16_t indices[6] = {0, 1, 2, 2, 3, 0};
    static ZS_RENDER_STATE state(RS::SCREEN_MATRICES | (RS::PRIM_TRIANGLES << RS::PRIMITIVE_SHIFT));
    batchWorld.fSetIdentity();
    float fx = float(x), fy = float(y);
    const float corners[4][2] = {{fx, fy}, {fx + side, fy}, {fx + side, fy + side}, {fx, fy + side}};
    for (int i = 0; i < 4; ++i)
    {
        vertices[i] = ZS_VERTEX();
        vertices[i].fSetPosition(corners[i][0], corners[i][1], 1.0f);
        vertices[i].fSetColor(color);
    }
    fAddTriangles(vertices, nullptr, &state, 4, indices, 6);
}

void ZC_RENDER::fDrawLine3D(float x1, float y1, float z1, float x2, float y2, float z2, uint32_t color)
{
    static ZS_VERTEX vertices[2];
    static const uint16_t indices[2] = {0, 1};
    static ZS_RENDER_STATE state(RS::PRIM_LINES << RS::PRIMITIVE_SHIFT);
    batchWorld.fSetIdentity();
    vertices[0] = ZS_VERTEX();
    vertices[1] = ZS_VERTEX();
    vertices[0].fSetPosition(x1, y1, z1);
    vertices[1].fSetPosition(x2, y2, z2);
    vertices[0].fSetColor(color);
    vertices[1].fSetColor(color);
    fAddTriangles(vertices, nullptr, &state, 2, indices, 2);
}

void ZC_RENDER::fDrawInScene(const ZS_VERTEX* vertices, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state,
                             int vertexCount, const uint16_t* indices, int indexCount)
{
    fFlush();
    if (!state || !device || !vertexBuffer || !indexBuffer || !vertices || vertexCount <= 0 || indexCount < 0)
        return;
    if (uint32_t(vertexCount) > vertexCapacity || uint32_t(indexCount) > indexCapacity || (indexCount && !indices))
        return;
    if (!texture)
        texture = defaultTexture;
    fApplyState(*state);
    fBindBatchTexture(texture);
    for (int i = 0; i < indexCount; ++i)
        if (indices[i] >= vertexCount)
            return;
    std::memcpy(vertexBuffer, vertices, sizeof(ZS_VERTEX) * size_t(vertexCount));
    if (indexCount)
        std::memcpy(indexBuffer, indices, sizeof(uint16_t) * size_t(indexCount));
    batchedVertices = uint32_t(vertexCount);
    batchedIndices = uint32_t(indexCount);
    // The device transforms these vertices: the batch world goes in front of the scene world.
    ZS_MATRIX world;
    fMatrixMultiply(world, batchWorld, sceneWorld);
    device->fSetTransform(DEV::TS_WORLD, world.m);
    fFlush();
    device->fSetTransform(DEV::TS_WORLD, sceneWorld.m);
}

void ZC_RENDER::fSetDeviceWorld(const ZS_MATRIX& m)
{
    if (device)
        device->fSetTransform(DEV::TS_WORLD, m.m);
}

void ZC_RENDER::fBeginStencil()
{
    if (!device)
        return;
    device->fClear(false, false, true, 0, 1.0f, 0);
    device->fSetRenderState(DEV::RS_STENCILENABLE, 1);
    zcSTENCIL_REF = 255;
    device->fSetRenderState(DEV::RS_STENCILFUNC, DEV::CMP_ALWAYS);
    device->fSetRenderState(DEV::RS_STENCILREF, 255);
    device->fSetRenderState(DEV::RS_STENCILPASS, DEV::STENCILOP_REPLACE);
}

void ZC_RENDER::fPushStencil()
{
    fFlush();
    if (!device)
        return;
    --zcSTENCIL_REF;
    device->fSetRenderState(DEV::RS_STENCILFUNC, DEV::CMP_LESS);
    device->fSetRenderState(DEV::RS_STENCILREF, zcSTENCIL_REF);
    --zcSTENCIL_REF;
    device->fSetRenderState(DEV::RS_STENCILFAIL, DEV::STENCILOP_REPLACE);
}

void ZC_RENDER::fEndStencil()
{
    fFlush();
    if (device)
        device->fSetRenderState(DEV::RS_STENCILENABLE, 0);
}

int ZC_RENDER::fLoadShader()
{
    return -1;
}
}
