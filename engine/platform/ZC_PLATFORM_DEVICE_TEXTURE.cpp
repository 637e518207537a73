#include "engine/platform/ZC_PLATFORM_DEVICE_IMPL.h"

#include <vector>

namespace ZOR
{
namespace
{
using DEV = ZC_PLATFORM_DEVICE;

bool fIsSmall(DEV::ZE_PIXELS order)
{
    return order == DEV::PIXELS_ALPHA || order == DEV::PIXELS_GREY || order == DEV::PIXELS_GREY_ALPHA;
}

GLenum fSmallFormat(DEV::ZE_PIXELS order)
{
    return order == DEV::PIXELS_ALPHA ? GL_ALPHA : order == DEV::PIXELS_GREY ? GL_LUMINANCE : GL_LUMINANCE_ALPHA;
}

int fSmallBytes(GLenum format)
{
    return format == GL_LUMINANCE_ALPHA ? 2 : 1;
}

// Texels of a small format as R, G, B, A (grey is the same in either byte order).
void fWiden(GLenum format, const uint8_t* in, size_t count, uint8_t* out)
{
    for (size_t i = 0; i < count; ++i, out += 4)
    {
        if (format == GL_ALPHA)
            out[0] = out[1] = out[2] = 255, out[3] = in[i];
        else if (format == GL_LUMINANCE)
            out[0] = out[1] = out[2] = in[i], out[3] = 255;
        else
            out[0] = out[1] = out[2] = in[2 * i], out[3] = in[2 * i + 1];
    }
}
}

uint32_t ZC_PLATFORM_DEVICE::fCreateTexture(int width, int height, ZE_PIXELS order, const void* pixels)
{
    // What this does is not in the frame's list: the list runs first, and the frame is shown.
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (width <= 0 || height <= 0 || width > d.maxTextureSize || height > d.maxTextureSize)
        return 0;
    const size_t count = size_t(width) * size_t(height);
    if (d.null)
        return d.nextNullId++;
    if (!d.context)
        return 0;
    std::vector<uint8_t> wide;
    if (fIsSmall(order) && (!d.smallFormats || !pixels))
    {
        // A device without the small formats gets the texels as R, G, B, A.
        wide.assign(count * 4, 0);
        if (pixels)
            fWiden(fSmallFormat(order), static_cast<const uint8_t*>(pixels), count, wide.data());
        pixels = wide.data();
        order = PIXELS_RGBA;
    }
    if (!pixels)
    {
        wide.assign(count * 4, 0);
        pixels = wide.data();
    }
    GLuint id = 0;
    ZS_IMPL::fDrainErrors();
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    // No mipmaps: the default minifying filter would leave the texture incomplete.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    ZS_IMPL::ZS_TEX_PARAMS params;
    params.min = GL_NEAREST;
    if (fIsSmall(order))
    {
        // One or two bytes a texel instead of four: alpha and luminance textures sample as
        // white with that alpha and as that grey, which is what the picture holds.
        params.format = fSmallFormat(order);
        const GLenum internal = params.format == GL_ALPHA ? GL_ALPHA8 : params.format == GL_LUMINANCE ? GL_LUMINANCE8
                                                                                                      : GL_LUMINANCE8_ALPHA8;
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, internal, width, height, 0, params.format, GL_UNSIGNED_BYTE, pixels);
    }
    else
    {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, order == PIXELS_BGRA ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE,
                     pixels);
    }
    bool ok = glGetError() == GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, d.bound);
    if (!ok)
    {
        glDeleteTextures(1, &id);
        return 0;
    }
    params.bytes = uint64_t(count) * uint64_t(params.format == GL_RGBA ? 4 : fSmallBytes(params.format));
    d.counters.textureBytes += params.bytes;
    d.textures[id] = params;
    return id;
}

bool ZC_PLATFORM_DEVICE::fUploadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, const void* pixels)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (!pixels || width <= 0 || height <= 0 || fIsSmall(order))
        return false;
    if (d.null)
        return texture != 0;
    auto it = d.textures.find(texture);
    if (!d.context || it == d.textures.end())
        return false;
    ZS_IMPL::fDrainErrors();
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    const GLenum format = order == PIXELS_BGRA ? GL_BGRA : GL_RGBA;
    if (it->second.format != GL_RGBA)
    {
        // Texels of any colour may come now: the texture becomes R, G, B, A.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
        it->second.format = GL_RGBA;
        d.counters.textureBytes -= it->second.bytes;
        it->second.bytes = uint64_t(width) * uint64_t(height) * 4;
        d.counters.textureBytes += it->second.bytes;
    }
    else
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, format, GL_UNSIGNED_BYTE, pixels);
    bool ok = glGetError() == GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, d.bound);
    return ok;
}

bool ZC_PLATFORM_DEVICE::fReadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, void* out)
{
    impl->fRunRecorded();
    ZS_IMPL& d = *impl;
    if (!out || width <= 0 || height <= 0 || fIsSmall(order))
        return false;
    if (d.null)
    {
        std::memset(out, 0, size_t(width) * size_t(height) * 4);
        return texture != 0;
    }
    auto it = d.textures.find(texture);
    if (!d.context || it == d.textures.end())
        return false;
    ZS_IMPL::fDrainErrors();
    glBindTexture(GL_TEXTURE_2D, texture);
    const GLenum format = it->second.format;
    if (format != GL_RGBA)
    {
        // Read in the texture's own format: asked for as R, G, B, A, OpenGL would answer black
        // for alpha over white and put luminance into red alone.
        std::vector<uint8_t> small(size_t(width) * size_t(height) * size_t(fSmallBytes(format)));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, small.data());
        fWiden(format, small.data(), size_t(width) * size_t(height), static_cast<uint8_t*>(out));
    }
    else
    {
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glGetTexImage(GL_TEXTURE_2D, 0, order == PIXELS_BGRA ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE, out);
    }
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
    d.counters.textureBytes -= it->second.bytes;
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
