#include "engine/platform/ZC_PLATFORM_DEVICE_IMPL.h"

#include <vector>

namespace ZOR
{
uint32_t ZC_PLATFORM_DEVICE::fCreateTexture(int width, int height, ZE_PIXELS order, const void* pixels)
{
    // What this does is not in the frame's list: the list runs first, and the frame is shown.
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (width <= 0 || height <= 0 || width > d.maxTextureSize || height > d.maxTextureSize)
        return 0;
    if (d.null)
        return d.nextNullId++;
    if (!d.context)
        return 0;
    GLuint id = 0;
    ZS_IMPL::fDrainErrors();
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    // No mipmaps: the default minifying filter would leave the texture incomplete.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    std::vector<uint8_t> zeros;
    if (!pixels)
    {
        zeros.assign(size_t(width) * size_t(height) * 4, 0);
        pixels = zeros.data();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, order == PIXELS_BGRA ? GL_BGRA : GL_RGBA,
                 GL_UNSIGNED_BYTE, pixels);
    bool ok = glGetError() == GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, d.bound);
    if (!ok)
    {
        glDeleteTextures(1, &id);
        return 0;
    }
    ZS_IMPL::ZS_TEX_PARAMS params;
    params.min = GL_NEAREST;
    d.textures[id] = params;
    return id;
}

bool ZC_PLATFORM_DEVICE::fUploadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, const void* pixels)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (!pixels || width <= 0 || height <= 0)
        return false;
    if (d.null)
        return texture != 0;
    if (!d.context || d.textures.find(texture) == d.textures.end())
        return false;
    ZS_IMPL::fDrainErrors();
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, order == PIXELS_BGRA ? GL_BGRA : GL_RGBA,
                    GL_UNSIGNED_BYTE, pixels);
    bool ok = glGetError() == GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, d.bound);
    return ok;
}

bool ZC_PLATFORM_DEVICE::fReadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, void* out)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (!out || width <= 0 || height <= 0)
        return false;
    if (d.null)
    {
        std::memset(out, 0, size_t(width) * size_t(height) * 4);
        return texture != 0;
    }
    if (!d.context || d.textures.find(texture) == d.textures.end())
        return false;
    ZS_IMPL::fDrainErrors();
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, order == PIXELS_BGRA ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE, out);
    bool ok = glGetError() == GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, d.bound);
    return ok;
}

void ZC_PLATFORM_DEVICE::fReleaseTexture(uint32_t texture)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (d.bound == texture)
        fSetTexture(0);
    if (d.null || !d.context)
        return;
    auto it = d.textures.find(texture);
    if (it == d.textures.end())
        return;
    GLuint id = texture;
    glDeleteTextures(1, &id);
    d.textures.erase(it);
}

uint32_t ZC_PLATFORM_DEVICE::fCreateTarget(int width, int height, uint32_t* texture)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (texture)
        *texture = 0;
    if (width <= 0 || height <= 0 || width > d.maxTextureSize || height > d.maxTextureSize)
        return 0;
    uint32_t id = d.nextTarget++;
    if (d.null)
    {
        ZS_IMPL::ZS_TARGET t;
        t.width = width;
        t.height = height;
        t.texture = d.nextNullId++;
        d.targets[id] = t;
        if (texture)
            *texture = t.texture;
        return id;
    }
    if (!d.context)
        return 0;
    uint32_t tex = fCreateTexture(width, height, PIXELS_BGRA, nullptr);
    if (!tex)
        return 0;
    ZS_IMPL::ZS_TARGET t;
    t.width = width;
    t.height = height;
    t.texture = tex;
    ZS_IMPL::fDrainErrors();
    glGenRenderbuffers(1, &t.depth);
    glBindRenderbuffer(GL_RENDERBUFFER, t.depth);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glGenFramebuffers(1, &t.fbo);
    glBindFramebuffer(GL_FRAMEBUFFER, t.fbo);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, tex, 0);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, t.depth);
    bool ok = glGetError() == GL_NO_ERROR && glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    d.fBindTarget();
    if (!ok)
    {
        glDeleteFramebuffers(1, &t.fbo);
        glDeleteRenderbuffers(1, &t.depth);
        fReleaseTexture(tex);
        return 0;
    }
    d.targets[id] = t;
    if (texture)
        *texture = tex;
    return id;
}

void ZC_PLATFORM_DEVICE::fReleaseTarget(uint32_t target)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    auto it = d.targets.find(target);
    if (it == d.targets.end())
        return;
    ZS_IMPL::ZS_TARGET t = it->second;
    d.targets.erase(it);
    if (d.target == target)
        fSetTarget(0);
    if (d.null || !d.context)
        return;
    glDeleteFramebuffers(1, &t.fbo);
    glDeleteRenderbuffers(1, &t.depth);
    fReleaseTexture(t.texture);
}

bool ZC_PLATFORM_DEVICE::fSetTarget(uint32_t target)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (target && d.targets.find(target) == d.targets.end())
        return false;
    d.target = target;
    if (d.null || !d.context)
        return true;
    d.fBindTarget();
    d.fLoadProjection();
    return true;
}

bool ZC_PLATFORM_DEVICE::fReadPixels(int x, int y, int width, int height, uint8_t* out) const
{
    impl->fRunRecorded();
    const ZS_IMPL& d = *impl;
    if (d.null || !d.context || !out || width <= 0 || height <= 0)
        return false;
    int th = d.fTargetHeight();
    if (x < 0 || y < 0 || x + width > d.fTargetWidth() || y + height > th)
        return false;
    size_t row = size_t(width) * 4;
    std::vector<uint8_t> rows(row * size_t(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, th - y - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    // OpenGL's rows start at the bottom.
    for (int r = 0; r < height; ++r)
        std::memcpy(out + size_t(r) * row, rows.data() + size_t(height - 1 - r) * row, row);
    return true;
}
}
