#include "engine/render/ZC_RENDER.h"

#include <new>

#include "engine/core/ZC_SYSTEM_WINDOW.h"
#include "engine/platform/ZC_PLATFORM_DEVICE.h"

namespace ZOR
{
ZC_RENDER* zcRENDER = nullptr;

namespace
{
using DEV = ZC_PLATFORM_DEVICE;

const float kPi = 3.1415927f;
// tan(22.5 degrees) as the float the screen camera has always used.
const float kTanHalfFov = 0.41421357f;
const float kFov = 0.7853982f;
const float kScreenNear = 0.1f;

// The device kinds tried in turn: 1 accelerated, 2 software allowed. The flags are the vertex
// processing of the attempt, kept for what the renderer reports; a context has no such choice.
struct ZS_ATTEMPT
{
    int type;
    uint32_t flags;
};
const ZS_ATTEMPT kAttempts[7] = {{1, 0x44}, {1, 0x44}, {2, 0x44}, {1, 0x84}, {2, 0x84}, {1, 0x24}, {2, 0x24}};
}

ZC_RENDER::ZC_RENDER()
{
    zcRENDER = this;
}

ZC_RENDER::~ZC_RENDER()
{
    fRelease();
    if (zcRENDER == this)
        zcRENDER = nullptr;
}

int ZC_RENDER::fInit(void* awindow, float anearPlane, float afarPlane)
{
    window = awindow;
    nearPlane = anearPlane;
    farPlane = afarPlane;
    windowed = true;
    backBufferWidth = backBufferHeight = 0;
    fSetMode(1024, 768, false, false);
    if (!defaultTexture)
        defaultTexture = fCreateTexture(16, 16);
    if (!defaultTexture)
        return -1;
    // The device never culls, so mirrored drawables show on both sides of every mode switch.
    fUseScreenMatrices();
    return 1;
}

int ZC_RENDER::fSetMode(int width, int height, bool afullScreen, bool auseDesktopSize)
{
    if (width == backBufferWidth && height == backBufferHeight && windowed == !afullScreen &&
        useDesktopSize == auseDesktopSize)
        return 0;
    useDesktopSize = auseDesktopSize;
    fullScreen = afullScreen;
    windowed = !afullScreen;
    backBufferWidth = gameWidth = width;
    backBufferHeight = gameHeight = height;
    if (fullScreen)
    {
        if (useDesktopSize)
        {
            int w = 0, h = 0;
            fGetDesktopSizeWH(&w, &h);
            backBufferWidth = screenWidth = w;
            backBufferHeight = screenHeight = h;
        }
    }
    else
    {
        screenWidth = width;
        screenHeight = height;
    }
    return fResetDevice();
}

bool ZC_RENDER::fCreateDevice()
{
    for (const ZS_ATTEMPT& a : kAttempts)
    {
        DEV* d = new DEV;
        if (!d->fCreate(window, a.type == 1, backBufferWidth, backBufferHeight))
        {
            delete d;
            continue;
        }
        device = d;
        deviceType = a.type;
        behaviourFlags = a.flags;
        maxAnisotropy = device->fGetMaxAnisotropy();
        anisotropicFilter = device->fHasAnisotropicFilter();
        return true;
    }
    return false;
}

void ZC_RENDER::fReleaseBuffers()
{
    delete[] vertexBuffer;
    delete[] indexBuffer;
    delete[] pointBuffer;
    vertexBuffer = nullptr;
    indexBuffer = nullptr;
    pointBuffer = nullptr;
    batchedVertices = batchedIndices = 0;
    pointPosition = pointsInChunk = 0;
}

int ZC_RENDER::fResetDevice()
{
    // A batch open across the reset is dropped with the buffers.
    fReleaseBuffers();
    if (device)
    {
        if (!device->fReset(backBufferWidth, backBufferHeight))
            return -1;
    }
    else if (!fCreateDevice())
        return -1;

    vertexBuffer = new (std::nothrow) ZS_VERTEX[vertexCapacity];
    indexBuffer = new (std::nothrow) uint16_t[indexCapacity];
    pointBuffer = new (std::nothrow) ZS_POINT_VERTEX[pointCapacity];

    currentState.fClear();
    currentState.fSet(ZS_RENDER_STATE::ALPHA_BLEND | ZS_RENDER_STATE::SCREEN_MATRICES, true);
    currentTexture = nullptr;
    device->fSetRenderState(DEV::RS_ZENABLE, 0);
    device->fSetRenderState(DEV::RS_LIGHTING, 0);
    device->fSetRenderState(DEV::RS_ALPHABLENDENABLE, 1);
    device->fSetRenderState(DEV::RS_SRCBLEND, DEV::BLEND_SRCALPHA);
    device->fSetRenderState(DEV::RS_DESTBLEND, DEV::BLEND_INVSRCALPHA);
    // A reset returns every sampler state to its default, the anisotropy limit included.
    device->fSetSamplerState(DEV::SS_MAXANISOTROPY, uint32_t(maxAnisotropy));
    fUpdateLetterbox();
    fSetupScreen();
    return vertexBuffer && indexBuffer && pointBuffer ? 1 : -1;
}

void ZC_RENDER::fSetupScreen()
{
    fMatrixYawPitchRoll(screenWorld, kPi, 0.0f, kPi);
    sceneWorld = screenWorld;
    float w1 = float(gameWidth + 1);
    float h1 = float(gameHeight + 1);
    cameraDistance = (h1 * 0.5f) / kTanHalfFov;
    fMatrixLookAtLH(screenView, w1 / 2, -h1 / 2, -cameraDistance, w1 / 2, -h1 / 2, 0.0f, 0.0f, 1.0f, 0.0f);
    if (farPlane == 0.0f)
        farPlane = 5.0f * cameraDistance;
    ZS_MATRIX projection;
    fMatrixPerspectiveFovLH(projection, kFov, w1 / h1, kScreenNear, farPlane);
    fMatrixMultiply(screenProjection, projection, letterbox);
    if (device)
    {
        device->fSetTransform(DEV::TS_WORLD, screenWorld.m);
        device->fSetTransform(DEV::TS_VIEW, screenView.m);
        device->fSetTransform(DEV::TS_PROJECTION, screenProjection.m);
    }
    batchWorld.fSetIdentity();
}

void ZC_RENDER::fUpdateLetterbox()
{
    letterbox.fSetIdentity();
    if (!useDesktopSize || (gameWidth == screenWidth && gameHeight == screenHeight))
        return;
    if (gameWidth <= 0 || gameHeight <= 0 || screenWidth <= 0 || screenHeight <= 0)
        return;
    float rx = float(screenWidth) / float(gameWidth);
    float ry = float(screenHeight) / float(gameHeight);
    // The scaling acts after the projection: the picture keeps its aspect and stays centred.
    if (rx > ry)
        fMatrixScaling(letterbox, ry / rx, 1.0f, 1.0f);
    else if (ry > rx)
        fMatrixScaling(letterbox, 1.0f, rx / ry, 1.0f);
}

int ZC_RENDER::fBeginFrame()
{
    if (!device || framePhase != 1)
        return -1;
    switch (device->fTestCooperativeLevel())
    {
    case DEV::COOP_LOST: return -1;
    case DEV::COOP_NOT_RESET: fResetDevice(); return -110;
    default: break;
    }
    if (!device->fBeginScene())
        return 0;
    if (fClear() != 0)
    {
        device->fEndScene();
        return -1;
    }
    drawRequests = flushes = stateChanges = 0;
    framePhase = 0;
    return 1;
}

int ZC_RENDER::fEndFrame()
{
    if (framePhase != 0)
        return -1;
    if (batchedVertices)
        fFlush();
    if (device)
    {
        device->fEndScene();
        device->fPresent();
    }
    framePhase = 1;
    return 0;
}

int ZC_RENDER::fClear()
{
    if (!device)
        return -1;
    return device->fClear(true, true, false, clearColor.fToPacked(), 1.0f, 0) ? 0 : -1;
}

int ZC_RENDER::fClearDepth()
{
    if (!device)
        return -1;
    return device->fClear(false, true, false, clearColor.fToPacked(), 10.0f, 0) ? 1 : -1;
}

int ZC_RENDER::fClearStencil()
{
    if (!device)
        return -1;
    return device->fClear(false, false, true, clearColor.fToPacked(), 1.0f, 0) ? 1 : -1;
}

int ZC_RENDER::fClearBuffers(uint8_t flags, bool stencil, bool depth)
{
    if (!device)
        return -1;
    bool target = (flags & 1) != 0;
    depth = depth || (flags & 2) != 0;
    stencil = stencil || (flags & 4) != 0;
    return device->fClear(target, depth, stencil, clearColor.fToPacked(), 1.0f, 0) ? 1 : -1;
}

void ZC_RENDER::fListDisplayModes(std::vector<ZS_POINT>& modes)
{
    modes.clear();
    std::vector<DEV::ZS_MODE> all;
    DEV probe;
    probe.fListModes(all);
    for (const DEV::ZS_MODE& m : all)
        if (m.bits >= 24 && m.width >= m.height && m.refresh == 60)
            modes.push_back(ZS_POINT(m.width, m.height));
}

int ZC_RENDER::fRelease()
{
    // Everything the renderer made goes with it: handles left in the map are deleted too, so a
    // holder must not use a texture after the renderer is gone.
    for (auto& t : targets)
    {
        delete t.second->view;
        delete t.second->projection;
        delete t.second;
    }
    targets.clear();
    for (auto& t : textures)
        delete t.second;
    textures.clear();
    defaultTexture = nullptr;
    currentTexture = nullptr;
    currentCamera = nullptr;
    fReleaseBuffers();
    delete device;
    device = nullptr;
    backBufferWidth = backBufferHeight = 0;
    framePhase = 1;
    return 1;
}
}
