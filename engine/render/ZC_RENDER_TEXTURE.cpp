// Textures and render targets of the renderer.
#include <cstring>
#include <new>

#include "engine/platform/ZC_PLATFORM_DEVICE.h"
#include "engine/platform/ZC_PLATFORM_IMAGE.h"
#include "engine/platform/ZC_PLATFORM_SYSTEM.h"
#include "engine/render/ZC_CAMERA.h"
#include "engine/render/ZC_RENDER.h"

namespace ZOR
{
namespace
{
using DEV = ZC_PLATFORM_DEVICE;

const float kTanHalfFov = 0.41421357f;
const float kFov = 0.7853982f;

DEV::ZE_PIXELS fOrder(const ZS_TEXTURE* t)
{
    return t->rgba ? DEV::PIXELS_RGBA : DEV::PIXELS_BGRA;
}
}

bool ZS_TEXTURE::fSetPixels(const uint32_t* source)
{
    return zcRENDER ? zcRENDER->fSetTexturePixels(this, source) : false;
}

ZS_TEXTURE* ZC_RENDER::fAddTexture(uint32_t deviceTexture, int width, int height, bool rgba)
{
    ZS_TEXTURE* t = new ZS_TEXTURE;
    t->texture = deviceTexture;
    t->size = ZS_POINT(width, height);
    t->rgba = rgba;
    textures.emplace(deviceTexture, t);
    return t;
}

ZS_TEXTURE* ZC_RENDER::fCreateTexture(int width, int height)
{
    if (!device)
        return nullptr;
    uint32_t id = device->fCreateTexture(width, height, DEV::PIXELS_BGRA, nullptr);
    return id ? fAddTexture(id, width, height, false) : nullptr;
}

ZS_TEXTURE* ZC_RENDER::fMakeImageTexture(unsigned char* pixels, int width, int height, int layout)
{
    if (!pixels)
    {
        if (!defaultTexture)
        {
            // Neither the image nor the stand-in exists: say so, and answer nothing.
            fShowMessageBox(nullptr, "error", "defaultTexture not exist!!!");
            return nullptr;
        }
        return defaultTexture;
    }
    const DEV::ZE_PIXELS order = layout == IMAGE_ALPHA ? DEV::PIXELS_ALPHA
                                 : layout == IMAGE_GREY ? DEV::PIXELS_GREY
                                 : layout == IMAGE_GREY_ALPHA ? DEV::PIXELS_GREY_ALPHA
                                                              : DEV::PIXELS_RGBA;
    uint32_t id = device->fCreateTexture(width, height, order, pixels);
    fFreeImage(pixels);
    if (!id)
        return fMakeImageTexture(nullptr, 0, 0, IMAGE_RGBA);
    return fAddTexture(id, width, height, true);
}

ZS_TEXTURE* ZC_RENDER::fLoadTextureFile(const char* path)
{
    int w = 0, h = 0;
    ZE_IMAGE_LAYOUT layout = IMAGE_RGBA;
    unsigned char* pixels = device ? fDecodeImageFile(path, device->fGetMaxTextureSize(), &w, &h, &layout) : nullptr;
    return fMakeImageTexture(pixels, w, h, layout);
}

ZS_TEXTURE* ZC_RENDER::fLoadTextureMemory(const void* bytes, uint32_t count, const char*)
{
    int w = 0, h = 0;
    ZE_IMAGE_LAYOUT layout = IMAGE_RGBA;
    unsigned char* pixels = device ? fDecodeImageMemory(bytes, count, device->fGetMaxTextureSize(), &w, &h, &layout) : nullptr;
    return fMakeImageTexture(pixels, w, h, layout);
}

int ZC_RENDER::fReleaseTexture(ZS_TEXTURE* texture)
{
    if (!texture || texture == defaultTexture)
        return -1;
    // Only a texture this renderer made and still holds is released, and only once.
    auto it = textures.find(texture->texture);
    if (it == textures.end() || it->second != texture)
        return -1;
    if (currentTexture == texture)
    {
        fFlush();
        currentTexture = nullptr;
    }
    if (device)
        device->fReleaseTexture(texture->texture);
    textures.erase(it);
    delete texture;
    return 1;
}

uint32_t* ZC_RENDER::fLockTexture(ZS_TEXTURE* t)
{
    if (!t || !device || !t->texture || t->size.x <= 0 || t->size.y <= 0)
        return nullptr;
    if (!t->pixels)
    {
        uint32_t* copy = new (std::nothrow) uint32_t[size_t(t->size.x) * size_t(t->size.y)];
        if (!copy)
            return nullptr;
        if (!device->fReadTexture(t->texture, t->size.x, t->size.y, fOrder(t), copy))
        {
            delete[] copy;
            return nullptr;
        }
        t->pixels = copy;
    }
    return t->pixels;
}

bool ZC_RENDER::fUnlockTexture(ZS_TEXTURE* t)
{
    if (!t || !t->pixels || !device)
        return false;
    // A batch that still draws the old texels is drawn before they change.
    if (currentTexture == t)
        fFlush();
    return device->fUploadTexture(t->texture, t->size.x, t->size.y, fOrder(t), t->pixels);
}

bool ZC_RENDER::fSetTexturePixels(ZS_TEXTURE* t, const uint32_t* pixels)
{
    if (!pixels)
        return false;
    uint32_t* dst = fLockTexture(t);
    if (!dst)
        return false;
    std::memcpy(dst, pixels, size_t(t->size.x) * size_t(t->size.y) * 4);
    return fUnlockTexture(t);
}

ZS_RENDER_TARGET* ZC_RENDER::fCreateRenderTarget(int width, int height)
{
    if (!device || width <= 0 || height <= 0)
        return nullptr;
    uint32_t texture = 0;
    uint32_t target = device->fCreateTarget(width, height, &texture);
    if (!target)
        return nullptr;
    ZS_RENDER_TARGET* rt = new ZS_RENDER_TARGET;
    // Ids count up; a released one leaves a gap that is simply never reused before the counter wraps.
    while (targets.count(nextTargetId))
        ++nextTargetId;
    rt->id = nextTargetId++;
    rt->width = width;
    rt->height = height;
    rt->target = target;
    rt->texture.texture = texture;
    rt->texture.size = ZS_POINT(width, height);
    rt->projection = new ZS_MATRIX;
    rt->view = new ZS_MATRIX;
    float w = float(width), h = float(height);
    fMatrixPerspectiveFovLH(*rt->projection, kFov, w / h, nearPlane, farPlane);
    fMatrixLookAtLH(*rt->view, w / 2, -h / 2, -(h / 2) / kTanHalfFov, w / 2, -h / 2, 0.0f, 0.0f, 1.0f, 0.0f);
    targets[rt->id] = rt;
    return rt;
}

void ZC_RENDER::fReleaseRenderTarget(ZS_RENDER_TARGET* rt)
{
    if (!rt)
        return;
    auto it = targets.find(rt->id);
    if (it != targets.end() && it->second == rt)
        targets.erase(it);
    if (currentTexture && currentTexture->texture == rt->texture.texture)
    {
        fFlush();
        currentTexture = nullptr;
    }
    if (device)
        device->fReleaseTarget(rt->target);
    delete rt->view;
    delete rt->projection;
    delete rt;
}

int ZC_RENDER::fBeginTargetFrame(ZS_RENDER_TARGET* rt)
{
    if (!device || !rt || framePhase != 1)
        return -1;
    if (!device->fSetTarget(rt->target))
        return -1;
    device->fSetTransform(DEV::TS_PROJECTION, rt->projection->m);
    device->fSetTransform(DEV::TS_VIEW, rt->view->m);
    batchWorld.fSetIdentity();
    if (!device->fBeginScene())
    {
        device->fSetTarget(0);
        return 0;
    }
    if (!device->fClear(true, true, false, 0, 1.0f, 0))
    {
        device->fEndScene();
        device->fSetTarget(0);
        return -1;
    }
    framePhase = 2;
    return 1;
}

int ZC_RENDER::fEndTargetFrame()
{
    if (framePhase != 2)
        return -1;
    fFlush();
    device->fSetTarget(0);
    device->fSetTransform(DEV::TS_PROJECTION, screenProjection.m);
    device->fSetTransform(DEV::TS_VIEW, currentCamera ? currentCamera->view.m : screenView.m);
    device->fEndScene();
    framePhase = 1;
    return 0;
}
}
