#include "engine/platform/ZC_PLATFORM_DEVICE_IMPL.h"

#include <cstdio>
#include <cstdlib>

namespace ZOR
{
namespace
{
bool gNullMode = false;
int gFailCreateAttempts = 0;

const int kVertexStride = 36;
const int kPointStride = 20;
}

void ZC_PLATFORM_DEVICE::fChooseRasterThreads()
{
    // Measured on 8 cores with bench/frame_bench.py: an idle 60 frames/s costs 4% of a core with
    // one thread, 5-8% with two, 8-9% with four and 10% with Mesa's eight, and a level frame's
    // processor time grows with the threads too. One thread takes 12.7 ms for a full-screen
    // (1920x1080) level frame, too close to 1/60 s; two take 7 ms for 5% more processor time.
    if (!std::getenv("LP_NUM_THREADS"))
        setenv("LP_NUM_THREADS", SDL_GetCPUCount() > 1 ? "2" : "1", 0);
}

ZC_PLATFORM_DEVICE::ZC_PLATFORM_DEVICE() : impl(new ZS_IMPL)
{
    ZS_IMPL::fSetIdentity(impl->world);
    ZS_IMPL::fSetIdentity(impl->view);
    ZS_IMPL::fSetIdentity(impl->projection);
}

// Runs on the thread that pumps the events: a window shown, exposed or resized may have lost
// its picture, so the next frame is presented whatever it holds.
static int fWatchWindow(void* data, SDL_Event* e)
{
    if (e->type == SDL_WINDOWEVENT && e->window.event != SDL_WINDOWEVENT_MOVED &&
        e->window.event != SDL_WINDOWEVENT_ENTER && e->window.event != SDL_WINDOWEVENT_LEAVE &&
        e->window.event != SDL_WINDOWEVENT_FOCUS_GAINED && e->window.event != SDL_WINDOWEVENT_FOCUS_LOST)
        static_cast<std::atomic<bool>*>(data)->store(true);
    return 0;
}

ZC_PLATFORM_DEVICE::~ZC_PLATFORM_DEVICE()
{
    if (impl->window)
        SDL_DelEventWatch(fWatchWindow, &impl->exposed);
    impl->fDestroy();
    delete impl;
}

bool ZC_PLATFORM_DEVICE::fCreate(void* window, bool accelerated, int width, int height)
{
    if (gFailCreateAttempts > 0)
    {
        --gFailCreateAttempts;
        return false;
    }
    ZS_IMPL& d = *impl;
    if (gNullMode)
    {
        if (width <= 0 || height <= 0)
            return false;
        d.null = true;
        d.bbWidth = width;
        d.bbHeight = height;
        d.anisotropic = true;
        d.maxAniso = 16.0f;
        d.fDefaults();
        return true;
    }
    if (!window || d.context)
        return false;
    d.window = static_cast<SDL_Window*>(window);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, accelerated ? 1 : 0);
    d.context = SDL_GL_CreateContext(d.window);
    if (!d.context)
        return false;
    SDL_GL_MakeCurrent(d.window, d.context);
    // Render targets are framebuffer objects (and so is the back buffer of a window of another size).
    int major = 0, minor = 0;
    SDL_GL_GetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, &major);
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version)
        std::sscanf(version, "%d.%d", &major, &minor);
    if (major < 3 && !SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object"))
    {
        d.fDestroy();
        return false;
    }
    // No vertical sync is to be had offscreen or under Xvfb; the loop paces itself there.
    SDL_GL_SetSwapInterval(1);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &d.maxTextureSize);
    GLint profile = 0;
    if (major > 3 || (major == 3 && minor >= 2))
        glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &profile);
    d.smallFormats = major < 3 || (major == 3 && minor < 2) || (profile & GL_CONTEXT_COMPATIBILITY_PROFILE_BIT) != 0;
    d.anisotropic = SDL_GL_ExtensionSupported("GL_EXT_texture_filter_anisotropic") ||
                    SDL_GL_ExtensionSupported("GL_ARB_texture_filter_anisotropic");
    // Mesa's software samplers widen the footprint even where a picture is not minified, which
    // blurs 1:1 sprites and text: there anisotropic filtering is not offered, and linear is used.
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (renderer && (std::strstr(renderer, "llvmpipe") || std::strstr(renderer, "softpipe") || std::strstr(renderer, "swrast")))
        d.anisotropic = false;
    if (d.anisotropic)
        glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &d.maxAniso);
    if (!d.fMakeBackBuffer(width, height))
    {
        d.fDestroy();
        return false;
    }
    d.fDefaults();
    SDL_AddEventWatch(fWatchWindow, &d.exposed);
    return true;
}

float ZC_PLATFORM_DEVICE::fGetMaxAnisotropy() const
{
    return impl->maxAniso;
}

bool ZC_PLATFORM_DEVICE::fHasAnisotropicFilter() const
{
    return impl->anisotropic;
}

int ZC_PLATFORM_DEVICE::fGetMaxTextureSize() const
{
    return impl->maxTextureSize;
}

bool ZC_PLATFORM_DEVICE::fReset(int width, int height)
{
    ZS_IMPL& d = *impl;
    d.fRunRecorded();
    if (d.coop == COOP_LOST)
        return false;
    if (d.failNextReset)
    {
        d.failNextReset = false;
        d.coop = COOP_NOT_RESET;
        return false;
    }
    if (d.null)
    {
        if (width <= 0 || height <= 0)
        {
            d.coop = COOP_NOT_RESET;
            return false;
        }
        d.bbWidth = width;
        d.bbHeight = height;
    }
    else
    {
        if (!d.context)
            return false;
        SDL_GL_MakeCurrent(d.window, d.context);
        if (!d.fMakeBackBuffer(width, height))
        {
            d.coop = COOP_NOT_RESET;
            return false;
        }
    }
    d.coop = COOP_OK;
    d.counters.resets++;
    d.fDefaults();
    return true;
}

ZC_PLATFORM_DEVICE::ZE_COOPERATIVE ZC_PLATFORM_DEVICE::fTestCooperativeLevel() const
{
    return impl->coop;
}

bool ZC_PLATFORM_DEVICE::fDrawsIntoWindow() const
{
    return !impl->null && impl->context && impl->bbWidth > 0 && !impl->bbFbo;
}

bool ZC_PLATFORM_DEVICE::fBeginScene()
{
    ZS_IMPL& d = *impl;
    if (d.coop != COOP_OK)
        return false;
    if (d.null)
        return true;
    if (!d.context || d.bbWidth <= 0)
        return false;
    // The window may have changed its size since the reset (a window manager had its say, or
    // full screen was left): the back buffer follows, from the window to its own buffer or back.
    if (d.target == 0 && d.fWindowIs(d.bbWidth, d.bbHeight) == (d.bbFbo != 0))
    {
        if (!d.fMakeBackBuffer(d.bbWidth, d.bbHeight))
            return false;
        d.fBindTarget();
        d.mustPresent = true;
    }
    if (d.target == 0)
        d.fStartRecording();
    return true;
}

void ZC_PLATFORM_DEVICE::fEndScene()
{
}

bool ZC_PLATFORM_DEVICE::fClear(bool target, bool depth, bool stencil, uint32_t color, float z, uint32_t stencilValue)
{
    ZS_IMPL& d = *impl;
    if (target)
        d.counters.clears[0]++;
    if (!d.recording)
        return d.fDoClear(target, depth, stencil, color, z, stencilValue);
    d.fPut(uint32_t(ZS_IMPL::CMD_CLEAR));
    d.fPut(uint32_t(target));
    d.fPut(uint32_t(depth));
    d.fPut(uint32_t(stencil));
    d.fPut(color);
    d.fPut(z);
    d.fPut(stencilValue);
    return true;
}

bool ZC_PLATFORM_DEVICE::ZS_IMPL::fDoClear(bool target, bool depth, bool stencil, uint32_t color, float z,
                                           uint32_t stencilValue)
{
    ZS_PENDING_CLEAR& pending = fPending();
    if (depth)
    {
        pending.depth = true;
        pending.z = z < 0.0f ? 0.0f : z > 1.0f ? 1.0f : z;
    }
    if (stencil)
    {
        pending.stencil = true;
        pending.stencilValue = GLint(stencilValue & 0xFF);
    }
    if (!target || null)
        return null || context;
    if (!context)
        return false;
    glClearColor(float((color >> 16) & 0xFF) / 255.0f, float((color >> 8) & 0xFF) / 255.0f, float(color & 0xFF) / 255.0f,
                 float(color >> 24) / 255.0f);
    fDrainErrors();
    glClear(GL_COLOR_BUFFER_BIT);
    return glGetError() == GL_NO_ERROR;
}

void ZC_PLATFORM_DEVICE::fPresent()
{
    ZS_IMPL& d = *impl;
    if (d.null || !d.context || d.bbWidth <= 0)
        return;
    if (!d.fEndRecording())
        return;
    d.counters.presents++;
    if (d.bbFbo)
    {
        int w = 0, h = 0;
        SDL_GL_GetDrawableSize(d.window, &w, &h);
        glBindFramebuffer(GL_READ_FRAMEBUFFER, d.bbFbo);
        glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        bool same = w == d.bbWidth && h == d.bbHeight;
        glBlitFramebuffer(0, 0, d.bbWidth, d.bbHeight, 0, 0, w, h, GL_COLOR_BUFFER_BIT, same ? GL_NEAREST : GL_LINEAR);
    }
    SDL_GL_SwapWindow(d.window);
    if (d.bbFbo)
        d.fBindTarget();
}

void ZC_PLATFORM_DEVICE::fSetRenderState(ZE_STATE state, uint32_t value)
{
    ZS_IMPL& d = *impl;
    if (state < 0 || state >= RS_COUNT)
        return;
    d.counters.stateWrites[state]++;
    if (!d.recording)
        return d.fDoState(state, value);
    d.rs[state] = value;
    d.fPut(uint32_t(ZS_IMPL::CMD_STATE));
    d.fPut(uint32_t(state));
    d.fPut(value);
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fDoState(ZE_STATE state, uint32_t value)
{
    rs[state] = value;
    if (!null && context)
        fApplyState(state);
}

uint32_t ZC_PLATFORM_DEVICE::fGetRenderState(ZE_STATE state) const
{
    return state >= 0 && state < RS_COUNT ? impl->rs[state] : 0;
}

void ZC_PLATFORM_DEVICE::fSetSamplerState(ZE_SAMPLER state, uint32_t value)
{
    ZS_IMPL& d = *impl;
    if (state < 0 || state >= SS_COUNT)
        return;
    d.counters.samplerWrites[state]++;
    if (!d.recording)
        return d.fDoSampler(state, value);
    d.ss[state] = value;
    d.fPut(uint32_t(ZS_IMPL::CMD_SAMPLER));
    d.fPut(uint32_t(state));
    d.fPut(value);
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fDoSampler(ZE_SAMPLER state, uint32_t value)
{
    ss[state] = value;
    if (!null && context)
        fApplySampler();
}

uint32_t ZC_PLATFORM_DEVICE::fGetSamplerState(ZE_SAMPLER state) const
{
    return state >= 0 && state < SS_COUNT ? impl->ss[state] : 0;
}

void ZC_PLATFORM_DEVICE::fSetTransform(ZE_TRANSFORM which, const float m[16])
{
    ZS_IMPL& d = *impl;
    if (!d.recording)
        return d.fDoTransform(which, m);
    float* dst = which == TS_WORLD ? d.world : which == TS_VIEW ? d.view : d.projection;
    std::memcpy(dst, m, 16 * sizeof(float));
    d.fPut(uint32_t(ZS_IMPL::CMD_TRANSFORM));
    d.fPut(uint32_t(which));
    d.fPut(m, 16 * sizeof(float));
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fDoTransform(ZE_TRANSFORM which, const float m[16])
{
    float* dst = which == TS_WORLD ? world : which == TS_VIEW ? view : projection;
    std::memcpy(dst, m, 16 * sizeof(float));
    if (null || !context)
        return;
    if (which == TS_PROJECTION)
        fLoadProjection();
    else
        fLoadModelView();
}

void ZC_PLATFORM_DEVICE::fSetTexture(uint32_t texture)
{
    ZS_IMPL& d = *impl;
    d.counters.textureBinds++;
    if (!d.recording)
        return d.fDoTexture(texture);
    d.bound = texture && d.textures.find(texture) == d.textures.end() ? 0 : texture;
    d.fPut(uint32_t(ZS_IMPL::CMD_TEXTURE));
    d.fPut(texture);
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fDoTexture(uint32_t texture)
{
    if (null || !context)
    {
        bound = texture;
        return;
    }
    if (texture && textures.find(texture) == textures.end())
        texture = 0;
    bound = texture;
    if (!texture)
    {
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    fApplySampler();
}

void ZC_PLATFORM_DEVICE::fSetLight(int index, const ZS_LIGHT_DATA& l)
{
    ZS_IMPL& d = *impl;
    d.fRunRecorded();
    GLint lights = 8;
    if (d.null || !d.context)
        return;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    if (index < 0 || index >= lights)
        return;
    GLenum light = GL_LIGHT0 + index;
    // Lights are given in world space: place them under the view matrix alone.
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixf(d.view);
    glLightfv(light, GL_DIFFUSE, l.diffuse);
    glLightfv(light, GL_SPECULAR, l.specular);
    glLightfv(light, GL_AMBIENT, l.ambient);
    if (l.type == 3)
    {
        // Direct3D gives the direction the light travels; OpenGL the direction towards it.
        float dir[4] = {-l.direction[0], -l.direction[1], -l.direction[2], 0.0f};
        glLightfv(light, GL_POSITION, dir);
        glLightf(light, GL_SPOT_CUTOFF, 180.0f);
    }
    else
    {
        float pos[4] = {l.position[0], l.position[1], l.position[2], 1.0f};
        glLightfv(light, GL_POSITION, pos);
        if (l.type == 2)
        {
            float cutoff = l.phi * 0.5f * 57.29578f;
            glLightf(light, GL_SPOT_CUTOFF, cutoff > 90.0f ? 90.0f : cutoff);
            glLightfv(light, GL_SPOT_DIRECTION, l.direction);
            glLightf(light, GL_SPOT_EXPONENT, l.falloff < 0.0f ? 0.0f : l.falloff > 128.0f ? 128.0f : l.falloff);
        }
        else
            glLightf(light, GL_SPOT_CUTOFF, 180.0f);
        glLightf(light, GL_CONSTANT_ATTENUATION, l.attenuation[0]);
        glLightf(light, GL_LINEAR_ATTENUATION, l.attenuation[1]);
        glLightf(light, GL_QUADRATIC_ATTENUATION, l.attenuation[2]);
    }
    d.fLoadModelView();
}

void ZC_PLATFORM_DEVICE::fEnableLight(int index, bool on)
{
    ZS_IMPL& d = *impl;
    d.fRunRecorded();
    GLint lights = 8;
    if (d.null || !d.context)
        return;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    if (index < 0 || index >= lights)
        return;
    on ? glEnable(GL_LIGHT0 + index) : glDisable(GL_LIGHT0 + index);
}

void ZC_PLATFORM_DEVICE::fSetMaterial(const ZS_MATERIAL_DATA& m)
{
    impl->fRunRecorded();
    if (impl->null || !impl->context)
        return;
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m.ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m.specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m.emissive);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.power < 0.0f ? 0.0f : m.power > 128.0f ? 128.0f : m.power);
    // The diffuse colour comes from the vertices (colour material), as on the Direct3D side.
}

// Counts one draw of `count` elements.
static void fCountDraw(ZC_PLATFORM_DEVICE::ZS_COUNTERS& counters, ZC_PLATFORM_DEVICE::ZE_PRIMITIVE type, int count)
{
    counters.drawCalls++;
    counters.primitives += uint32_t(type == ZC_PLATFORM_DEVICE::PT_TRIANGLELIST ? count / 3
                                    : type == ZC_PLATFORM_DEVICE::PT_LINELIST   ? count / 2
                                                                                : count);
}

static void fPointVertices(const void* vertices)
{
    const char* v = static_cast<const char*>(vertices);
    glVertexPointer(3, GL_FLOAT, kVertexStride, v);
    glNormalPointer(GL_FLOAT, kVertexStride, v + 12);
    glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, kVertexStride, v + 24);
    glTexCoordPointer(2, GL_FLOAT, kVertexStride, v + 28);
}

void ZC_PLATFORM_DEVICE::fDrawIndexed(ZE_PRIMITIVE type, const void* vertices, int vertexCount, const uint16_t* indices,
                                      int indexCount)
{
    ZS_IMPL& d = *impl;
    if (!vertices || !indices || vertexCount <= 0 || indexCount <= 0)
        return;
    if (!d.recording)
        return d.fDoDrawIndexed(type, vertices, vertexCount, indices, indexCount);
    fCountDraw(d.counters, type, indexCount);
    d.fPut(uint32_t(ZS_IMPL::CMD_DRAW_INDEXED));
    d.fPut(uint32_t(type));
    d.fPut(vertexCount);
    d.fPut(indexCount);
    d.fPut(vertices, size_t(vertexCount) * kVertexStride);
    d.fPut(indices, size_t(indexCount) * sizeof(uint16_t));
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fDoDrawIndexed(ZE_PRIMITIVE type, const void* vertices, int vertexCount,
                                                 const uint16_t* indices, int indexCount)
{
    fClearForDraw();
    if (!replaying)
        fCountDraw(counters, type, indexCount);
    if (null || !context)
        return;
    fPointVertices(vertices);
    glDrawRangeElements(fGlPrimitive(type), 0, GLuint(vertexCount - 1), indexCount, GL_UNSIGNED_SHORT, indices);
}

void ZC_PLATFORM_DEVICE::fDraw(ZE_PRIMITIVE type, const void* vertices, int vertexCount)
{
    ZS_IMPL& d = *impl;
    if (!vertices || vertexCount <= 0)
        return;
    if (!d.recording)
        return d.fDoDraw(type, vertices, vertexCount);
    fCountDraw(d.counters, type, vertexCount);
    d.fPut(uint32_t(ZS_IMPL::CMD_DRAW));
    d.fPut(uint32_t(type));
    d.fPut(vertexCount);
    d.fPut(vertices, size_t(vertexCount) * kVertexStride);
}

void ZC_PLATFORM_DEVICE::ZS_IMPL::fDoDraw(ZE_PRIMITIVE type, const void* vertices, int vertexCount)
{
    fClearForDraw();
    if (!replaying)
        fCountDraw(counters, type, vertexCount);
    if (null || !context)
        return;
    fPointVertices(vertices);
    glDrawArrays(fGlPrimitive(type), 0, vertexCount);
}

void ZC_PLATFORM_DEVICE::fDrawPoints(const void* points, int count)
{
    ZS_IMPL& d = *impl;
    if (!points || count <= 0)
        return;
    d.fRunRecorded();
    d.fClearForDraw();
    d.counters.drawCalls++;
    d.counters.primitives += uint32_t(count);
    if (d.null || !d.context)
        return;
    // Compiled at the first sprites, not at start-up: most screens never show any.
    if (!d.pointProgramTried)
        d.fMakePointProgram();
    const char* p = static_cast<const char*>(points);
    // The arrays the point layout lacks are switched off, so nothing reads past the points.
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, kPointStride, p);
    glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, kPointStride, p + 16);
    if (d.pointProgram)
    {
        glUseProgram(d.pointProgram);
        glEnable(GL_VERTEX_PROGRAM_POINT_SIZE);
        glEnableVertexAttribArray(ZS_IMPL::kSizeAttribute);
        glVertexAttribPointer(ZS_IMPL::kSizeAttribute, 1, GL_FLOAT, GL_FALSE, kPointStride, p + 12);
        glDrawArrays(GL_POINTS, 0, count);
        glDisableVertexAttribArray(ZS_IMPL::kSizeAttribute);
        glDisable(GL_VERTEX_PROGRAM_POINT_SIZE);
        glUseProgram(0);
    }
    else
    {
        // Without shaders: one draw per run of points of equal size.
        int start = 0;
        while (start < count)
        {
            float size;
            std::memcpy(&size, p + start * kPointStride + 12, sizeof(float));
            int end = start + 1;
            for (float next; end < count; ++end)
            {
                std::memcpy(&next, p + end * kPointStride + 12, sizeof(float));
                if (next != size)
                    break;
            }
            glPointSize(size < 1.0f ? 1.0f : size);
            glDrawArrays(GL_POINTS, start, end - start);
            start = end;
        }
        glPointSize(1.0f);
    }
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void ZC_PLATFORM_DEVICE::fListModes(std::vector<ZS_MODE>& out) const
{
    out.clear();
    int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i)
    {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0)
            continue;
        out.push_back({mode.w, mode.h, mode.refresh_rate, int(SDL_BITSPERPIXEL(mode.format))});
    }
}

void ZC_PLATFORM_DEVICE::fSetNullMode(bool on)
{
    gNullMode = on;
}

void ZC_PLATFORM_DEVICE::fFailCreateAttempts(int count)
{
    gFailCreateAttempts = count;
}

void ZC_PLATFORM_DEVICE::fSimulateCooperativeLevel(ZE_COOPERATIVE level)
{
    impl->coop = level;
}

void ZC_PLATFORM_DEVICE::fFailNextReset()
{
    impl->failNextReset = true;
}

const ZC_PLATFORM_DEVICE::ZS_COUNTERS& ZC_PLATFORM_DEVICE::fGetCounters() const
{
    return impl->counters;
}

void ZC_PLATFORM_DEVICE::fClearCounters()
{
    impl->counters = ZS_COUNTERS();
}

}
