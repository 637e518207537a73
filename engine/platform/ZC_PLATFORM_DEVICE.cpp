#include "engine/platform/ZC_PLATFORM_DEVICE.h"

#define GL_GLEXT_PROTOTYPES 1
#include <SDL.h>
#include <SDL_opengl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <unordered_map>

#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif
#ifndef GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT 0x84FF
#endif

namespace ZOR
{
namespace
{
bool gNullMode = false;
int gFailCreateAttempts = 0;

const int kVertexStride = 36;
const int kPointStride = 20;
// Generic attribute that carries the point size of each sprite.
const GLuint kSizeAttribute = 1;

// Point sprites with a size per point need the size from the vertex: fixed-function points have
// one size for all. This vertex stage does what the fixed-function one would, plus the size; the
// fragment stage stays fixed-function.
const char* kPointShader =
    "#version 120\n"
    "attribute float aSize;\n"
    "void main() {\n"
    "  gl_Position = ftransform();\n"
    "  gl_FrontColor = gl_Color;\n"
    "  gl_BackColor = gl_Color;\n"
    "  gl_TexCoord[0] = vec4(0.0, 0.0, 0.0, 1.0);\n"
    "  gl_PointSize = max(aSize, 1.0);\n"
    "}\n";

struct ZS_TEX_PARAMS
{
    GLint mag = -1, min = -1, wrapS = -1, wrapT = -1, wrapR = -1;
    float aniso = -1.0f;
};

// Depth and stencil clears asked for but not yet done: a buffer is cleared only once a draw
// with its test on needs it (only then does OpenGL read or write it), so a frame that never
// tests depth never pays for clearing it.
struct ZS_PENDING_CLEAR
{
    bool depth = false, stencil = false;
    float z = 1.0f;
    GLint stencilValue = 0;
};

struct ZS_TARGET
{
    GLuint fbo = 0, texture = 0, depth = 0;
    int width = 0, height = 0;
    ZS_PENDING_CLEAR pending;
};

GLenum fGlBlend(uint32_t v)
{
    switch (v)
    {
    case ZC_PLATFORM_DEVICE::BLEND_ZERO: return GL_ZERO;
    case ZC_PLATFORM_DEVICE::BLEND_ONE: return GL_ONE;
    case ZC_PLATFORM_DEVICE::BLEND_SRCALPHA: return GL_SRC_ALPHA;
    default: return GL_ONE_MINUS_SRC_ALPHA;
    }
}

GLenum fGlCompare(uint32_t v)
{
    static const GLenum table[] = {GL_NEVER, GL_LESS, GL_EQUAL, GL_LEQUAL, GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
    return v < 8 ? table[v] : GL_ALWAYS;
}

GLenum fGlStencilOp(uint32_t v)
{
    static const GLenum table[] = {GL_KEEP, GL_ZERO, GL_REPLACE, GL_INCR, GL_DECR};
    return v < 5 ? table[v] : GL_KEEP;
}

GLenum fGlPrimitive(ZC_PLATFORM_DEVICE::ZE_PRIMITIVE t)
{
    switch (t)
    {
    case ZC_PLATFORM_DEVICE::PT_POINTLIST: return GL_POINTS;
    case ZC_PLATFORM_DEVICE::PT_LINELIST: return GL_LINES;
    default: return GL_TRIANGLES;
    }
}

void fMultiplyRowVectors(float out[16], const float a[16], const float b[16])
{
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            out[4 * i + j] = a[4 * i] * b[j] + a[4 * i + 1] * b[4 + j] + a[4 * i + 2] * b[8 + j] + a[4 * i + 3] * b[12 + j];
}

void fSetIdentity(float m[16])
{
    std::memset(m, 0, 16 * sizeof(float));
    m[0] = m[5] = m[10] = m[15] = 1.0f;
}

void fDrainErrors()
{
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i)
    {
    }
}
}

struct ZC_PLATFORM_DEVICE::ZS_IMPL
{
    bool null = false;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    ZE_COOPERATIVE coop = COOP_OK;
    bool failNextReset = false;

    int bbWidth = 0, bbHeight = 0;
    // The back buffer is the window itself while the window is the size asked for; only
    // otherwise is it a framebuffer object, stretched onto the window at present.
    GLuint bbFbo = 0, bbColor = 0, bbDepth = 0;
    ZS_PENDING_CLEAR bbPending;
    uint32_t target = 0;
    std::map<uint32_t, ZS_TARGET> targets;
    uint32_t nextTarget = 1;

    float world[16], view[16], projection[16];
    uint32_t rs[RS_COUNT] = {};
    uint32_t ss[SS_COUNT] = {};
    std::unordered_map<GLuint, ZS_TEX_PARAMS> textures;
    GLuint bound = 0;

    GLuint pointProgram = 0;
    bool pointProgramTried = false;
    float maxAniso = 1.0f;
    bool anisotropic = false;
    int maxTextureSize = 4096;
    uint32_t nextNullId = 1;
    ZS_COUNTERS counters;

    int fTargetWidth() const
    {
        auto it = targets.find(target);
        return it == targets.end() ? bbWidth : it->second.width;
    }
    int fTargetHeight() const
    {
        auto it = targets.find(target);
        return it == targets.end() ? bbHeight : it->second.height;
    }

    void fApplyState(ZE_STATE s)
    {
        uint32_t v = rs[s];
        auto enable = [](GLenum cap, bool on) { on ? glEnable(cap) : glDisable(cap); };
        switch (s)
        {
        case RS_ZENABLE: enable(GL_DEPTH_TEST, v != 0); break;
        case RS_LIGHTING: enable(GL_LIGHTING, v != 0); break;
        case RS_ALPHABLENDENABLE: enable(GL_BLEND, v != 0); break;
        case RS_SRCBLEND:
        case RS_DESTBLEND: glBlendFunc(fGlBlend(rs[RS_SRCBLEND]), fGlBlend(rs[RS_DESTBLEND])); break;
        case RS_ALPHATESTENABLE: enable(GL_ALPHA_TEST, v != 0); break;
        case RS_ALPHAFUNC:
        case RS_ALPHAREF: glAlphaFunc(fGlCompare(rs[RS_ALPHAFUNC]), float(rs[RS_ALPHAREF] & 0xFF) / 255.0f); break;
        case RS_NORMALIZENORMALS: enable(GL_NORMALIZE, v != 0); break;
        case RS_SPECULARENABLE:
            glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, v ? GL_SEPARATE_SPECULAR_COLOR : GL_SINGLE_COLOR);
            break;
        case RS_POINTSPRITEENABLE: enable(GL_POINT_SPRITE, v != 0); break;
        case RS_MULTISAMPLEANTIALIAS: enable(GL_MULTISAMPLE, v != 0); break;
        case RS_ANTIALIASEDLINEENABLE: enable(GL_LINE_SMOOTH, v != 0); break;
        case RS_STENCILENABLE: enable(GL_STENCIL_TEST, v != 0); break;
        case RS_STENCILFUNC:
        case RS_STENCILREF: glStencilFunc(fGlCompare(rs[RS_STENCILFUNC]), GLint(rs[RS_STENCILREF]), 0xFF); break;
        case RS_STENCILPASS:
        case RS_STENCILFAIL:
            glStencilOp(fGlStencilOp(rs[RS_STENCILFAIL]), GL_KEEP, fGlStencilOp(rs[RS_STENCILPASS]));
            break;
        default: break;
        }
    }

    // Brings the bound texture's own parameters in line with the device's sampler states.
    void fApplySampler()
    {
        if (!bound)
            return;
        ZS_TEX_PARAMS& p = textures[bound];
        auto filter = [](uint32_t f) { return f == FILTER_POINT ? GL_NEAREST : GL_LINEAR; };
        auto wrap = [](uint32_t a) { return a == ADDRESS_CLAMP ? GL_CLAMP_TO_EDGE : GL_REPEAT; };
        GLint mag = filter(ss[SS_MAGFILTER]), min = filter(ss[SS_MINFILTER]);
        GLint ws = wrap(ss[SS_ADDRESSU]), wt = wrap(ss[SS_ADDRESSV]), wr = wrap(ss[SS_ADDRESSW]);
        float aniso = 1.0f;
        if (ss[SS_MINFILTER] == FILTER_ANISOTROPIC || ss[SS_MAGFILTER] == FILTER_ANISOTROPIC)
        {
            aniso = float(ss[SS_MAXANISOTROPY]);
            if (aniso > maxAniso)
                aniso = maxAniso;
            if (aniso < 1.0f)
                aniso = 1.0f;
        }
        if (p.mag != mag)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, p.mag = mag);
        if (p.min != min)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, p.min = min);
        if (p.wrapS != ws)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, p.wrapS = ws);
        if (p.wrapT != wt)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, p.wrapT = wt);
        if (p.wrapR != wr)
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_R, p.wrapR = wr);
        if (anisotropic && p.aniso != aniso)
            glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, p.aniso = aniso);
    }

    void fLoadModelView()
    {
        float mv[16];
        fMultiplyRowVectors(mv, world, view);
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixf(mv);
    }

    void fLoadProjection()
    {
        // Direct3D clips depth to 0..w, OpenGL to -w..w: z' = 2z - w keeps the same depth values.
        // Texture targets are drawn upside down so that v = 0 is their top row, as for images.
        float p[16];
        std::memcpy(p, projection, sizeof(p));
        bool flip = target != 0;
        for (int i = 0; i < 4; ++i)
        {
            p[4 * i + 2] = 2.0f * projection[4 * i + 2] - projection[4 * i + 3];
            if (flip)
                p[4 * i + 1] = -projection[4 * i + 1];
        }
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(p);
        glMatrixMode(GL_MODELVIEW);
    }

    void fBindTarget()
    {
        auto it = targets.find(target);
        GLuint fbo = it == targets.end() ? bbFbo : it->second.fbo;
        glBindFramebuffer(GL_FRAMEBUFFER, fbo);
        glViewport(0, 0, fTargetWidth(), fTargetHeight());
    }

    void fReleaseBackBuffer()
    {
        if (bbFbo)
            glDeleteFramebuffers(1, &bbFbo);
        if (bbColor)
            glDeleteRenderbuffers(1, &bbColor);
        if (bbDepth)
            glDeleteRenderbuffers(1, &bbDepth);
        bbFbo = bbColor = bbDepth = 0;
    }

    bool fWindowIs(int width, int height) const
    {
        int w = 0, h = 0;
        SDL_GL_GetDrawableSize(window, &w, &h);
        return w == width && h == height;
    }

    // A framebuffer object of the asked size, for a window of another size.
    bool fMakeOffscreenBackBuffer(int width, int height)
    {
        fReleaseBackBuffer();
        GLint maxSize = 0;
        glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
        if (width > maxSize || height > maxSize)
            return false;
        fDrainErrors();
        glGenRenderbuffers(1, &bbColor);
        glBindRenderbuffer(GL_RENDERBUFFER, bbColor);
        // X8R8G8B8: the back buffer keeps no alpha, so blending leaves nothing there to show.
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGB8, width, height);
        glGenRenderbuffers(1, &bbDepth);
        glBindRenderbuffer(GL_RENDERBUFFER, bbDepth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
        glGenFramebuffers(1, &bbFbo);
        glBindFramebuffer(GL_FRAMEBUFFER, bbFbo);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, bbColor);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, bbDepth);
        bool ok = glGetError() == GL_NO_ERROR && glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        if (!ok)
            fReleaseBackBuffer();
        return ok;
    }

    // Frames go straight into the window whenever it has the size asked for (windowed at the
    // game's size, full screen at the desktop's): no copy at present, and the window's own
    // depth and stencil buffers. Unlike a copy swap, a present may leave the window's back
    // buffer undefined; every frame begins with a clear and draws its whole picture, so the
    // game never needs the last one.
    bool fMakeBackBuffer(int width, int height)
    {
        if (width <= 0 || height <= 0)
            return false;
        bool ok = true;
        if (fWindowIs(width, height))
            fReleaseBackBuffer();
        else
            ok = (bbFbo && bbWidth == width && bbHeight == height) || fMakeOffscreenBackBuffer(width, height);
        if (!ok)
        {
            bbWidth = bbHeight = 0;
            return false;
        }
        bbWidth = width;
        bbHeight = height;
        bbPending = ZS_PENDING_CLEAR();
        return true;
    }

    // The states a fresh Direct3D device starts with, for those this device keeps.
    void fDefaults()
    {
        static const uint32_t defaults[RS_COUNT] = {
            1, 1, 0, BLEND_ONE, BLEND_ZERO, 0, CMP_ALWAYS, 0, 0, 0, 0, 1, 0, 0, CMP_ALWAYS, 0, STENCILOP_KEEP, STENCILOP_KEEP};
        std::memcpy(rs, defaults, sizeof(rs));
        ss[SS_MAGFILTER] = ss[SS_MINFILTER] = FILTER_POINT;
        ss[SS_ADDRESSU] = ss[SS_ADDRESSV] = ss[SS_ADDRESSW] = ADDRESS_WRAP;
        ss[SS_MAXANISOTROPY] = 1;
        fSetIdentity(world);
        fSetIdentity(view);
        fSetIdentity(projection);
        target = 0;
        bound = 0;
        if (null)
            return;
        for (int s = 0; s < RS_COUNT; ++s)
            fApplyState(ZE_STATE(s));
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
        glDepthFunc(GL_LEQUAL);
        glDisable(GL_CULL_FACE);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glTexEnvi(GL_POINT_SPRITE, GL_COORD_REPLACE, GL_TRUE);
        glPointSize(1.0f);
        glShadeModel(GL_SMOOTH);
        // Vertex colours feed the diffuse material while lighting is on, as on the Direct3D side.
        glColorMaterial(GL_FRONT_AND_BACK, GL_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        const float black[4] = {0, 0, 0, 1};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, black);
        GLint lights = 8;
        glGetIntegerv(GL_MAX_LIGHTS, &lights);
        for (int i = 0; i < lights; ++i)
            glDisable(GL_LIGHT0 + i);
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        fBindTarget();
        fLoadModelView();
        fLoadProjection();
    }

    ZS_PENDING_CLEAR& fPending()
    {
        auto it = targets.find(target);
        return it == targets.end() ? bbPending : it->second.pending;
    }

    // The clears put off by fClear that this draw needs, done now.
    void fClearForDraw()
    {
        ZS_PENDING_CLEAR& p = fPending();
        GLbitfield mask = 0;
        if (p.depth && rs[RS_ZENABLE])
        {
            glClearDepth(p.z);
            mask |= GL_DEPTH_BUFFER_BIT;
            p.depth = false;
            counters.clears[1]++;
        }
        if (p.stencil && rs[RS_STENCILENABLE])
        {
            glClearStencil(p.stencilValue);
            mask |= GL_STENCIL_BUFFER_BIT;
            p.stencil = false;
            counters.clears[2]++;
        }
        if (mask && !null && context)
            glClear(mask);
    }

    bool fMakePointProgram()
    {
        pointProgramTried = true;
        GLuint shader = glCreateShader(GL_VERTEX_SHADER);
        glShaderSource(shader, 1, &kPointShader, nullptr);
        glCompileShader(shader);
        GLint ok = 0;
        glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
        if (!ok)
        {
            glDeleteShader(shader);
            return false;
        }
        pointProgram = glCreateProgram();
        glAttachShader(pointProgram, shader);
        glBindAttribLocation(pointProgram, kSizeAttribute, "aSize");
        glLinkProgram(pointProgram);
        glDeleteShader(shader);
        glGetProgramiv(pointProgram, GL_LINK_STATUS, &ok);
        if (!ok)
        {
            glDeleteProgram(pointProgram);
            pointProgram = 0;
            return false;
        }
        return true;
    }

    void fDestroy()
    {
        if (!context)
            return;
        SDL_GL_MakeCurrent(window, context);
        for (auto& t : targets)
        {
            glDeleteFramebuffers(1, &t.second.fbo);
            glDeleteRenderbuffers(1, &t.second.depth);
            glDeleteTextures(1, &t.second.texture);
        }
        targets.clear();
        for (auto& t : textures)
            glDeleteTextures(1, &t.first);
        textures.clear();
        fReleaseBackBuffer();
        if (pointProgram)
            glDeleteProgram(pointProgram);
        pointProgram = 0;
        SDL_GL_DeleteContext(context);
        context = nullptr;
    }
};

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
    fSetIdentity(impl->world);
    fSetIdentity(impl->view);
    fSetIdentity(impl->projection);
}

ZC_PLATFORM_DEVICE::~ZC_PLATFORM_DEVICE()
{
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
    }
    return true;
}

void ZC_PLATFORM_DEVICE::fEndScene()
{
}

bool ZC_PLATFORM_DEVICE::fClear(bool target, bool depth, bool stencil, uint32_t color, float z, uint32_t stencilValue)
{
    ZS_IMPL& d = *impl;
    ZS_PENDING_CLEAR& pending = d.fPending();
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
    if (!target)
        return d.null || d.context;
    d.counters.clears[0]++;
    if (d.null)
        return true;
    if (!d.context)
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
    d.rs[state] = value;
    if (!d.null && d.context)
        d.fApplyState(state);
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
    d.ss[state] = value;
    if (!d.null && d.context)
        d.fApplySampler();
}

uint32_t ZC_PLATFORM_DEVICE::fGetSamplerState(ZE_SAMPLER state) const
{
    return state >= 0 && state < SS_COUNT ? impl->ss[state] : 0;
}

void ZC_PLATFORM_DEVICE::fSetTransform(ZE_TRANSFORM which, const float m[16])
{
    ZS_IMPL& d = *impl;
    float* dst = which == TS_WORLD ? d.world : which == TS_VIEW ? d.view : d.projection;
    std::memcpy(dst, m, 16 * sizeof(float));
    if (d.null || !d.context)
        return;
    if (which == TS_PROJECTION)
        d.fLoadProjection();
    else
        d.fLoadModelView();
}

void ZC_PLATFORM_DEVICE::fSetTexture(uint32_t texture)
{
    ZS_IMPL& d = *impl;
    d.counters.textureBinds++;
    if (d.null || !d.context)
    {
        d.bound = texture;
        return;
    }
    if (texture && d.textures.find(texture) == d.textures.end())
        texture = 0;
    d.bound = texture;
    if (!texture)
    {
        glBindTexture(GL_TEXTURE_2D, 0);
        glDisable(GL_TEXTURE_2D);
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    d.fApplySampler();
}

void ZC_PLATFORM_DEVICE::fSetLight(int index, const ZS_LIGHT_DATA& l)
{
    ZS_IMPL& d = *impl;
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
    if (impl->null || !impl->context)
        return;
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m.ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m.specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m.emissive);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, m.power < 0.0f ? 0.0f : m.power > 128.0f ? 128.0f : m.power);
    // The diffuse colour comes from the vertices (colour material), as on the Direct3D side.
}

// Counts one draw of `count` elements and points GL at the vertices; false when nothing is
// to be drawn for real (the null device, or no context).
static bool fCountAndPointVertices(ZC_PLATFORM_DEVICE::ZS_COUNTERS& counters, bool live, ZC_PLATFORM_DEVICE::ZE_PRIMITIVE type,
                                   const void* vertices, int count)
{
    counters.drawCalls++;
    counters.primitives += uint32_t(type == ZC_PLATFORM_DEVICE::PT_TRIANGLELIST ? count / 3
                                    : type == ZC_PLATFORM_DEVICE::PT_LINELIST   ? count / 2
                                                                                : count);
    if (!live)
        return false;
    const char* v = static_cast<const char*>(vertices);
    glVertexPointer(3, GL_FLOAT, kVertexStride, v);
    glNormalPointer(GL_FLOAT, kVertexStride, v + 12);
    glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, kVertexStride, v + 24);
    glTexCoordPointer(2, GL_FLOAT, kVertexStride, v + 28);
    return true;
}

void ZC_PLATFORM_DEVICE::fDrawIndexed(ZE_PRIMITIVE type, const void* vertices, int vertexCount, const uint16_t* indices,
                                      int indexCount)
{
    if (!vertices || !indices || vertexCount <= 0 || indexCount <= 0)
        return;
    impl->fClearForDraw();
    if (!fCountAndPointVertices(impl->counters, !impl->null && impl->context, type, vertices, indexCount))
        return;
    glDrawRangeElements(fGlPrimitive(type), 0, GLuint(vertexCount - 1), indexCount, GL_UNSIGNED_SHORT, indices);
}

void ZC_PLATFORM_DEVICE::fDraw(ZE_PRIMITIVE type, const void* vertices, int vertexCount)
{
    if (!vertices || vertexCount <= 0)
        return;
    impl->fClearForDraw();
    if (!fCountAndPointVertices(impl->counters, !impl->null && impl->context, type, vertices, vertexCount))
        return;
    glDrawArrays(fGlPrimitive(type), 0, vertexCount);
}

void ZC_PLATFORM_DEVICE::fDrawPoints(const void* points, int count)
{
    ZS_IMPL& d = *impl;
    if (!points || count <= 0)
        return;
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
        glEnableVertexAttribArray(kSizeAttribute);
        glVertexAttribPointer(kSizeAttribute, 1, GL_FLOAT, GL_FALSE, kPointStride, p + 12);
        glDrawArrays(GL_POINTS, 0, count);
        glDisableVertexAttribArray(kSizeAttribute);
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

uint32_t ZC_PLATFORM_DEVICE::fCreateTexture(int width, int height, ZE_PIXELS order, const void* pixels)
{
    ZS_IMPL& d = *impl;
    if (width <= 0 || height <= 0 || width > d.maxTextureSize || height > d.maxTextureSize)
        return 0;
    if (d.null)
        return d.nextNullId++;
    if (!d.context)
        return 0;
    GLuint id = 0;
    fDrainErrors();
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
    ZS_TEX_PARAMS params;
    params.min = GL_NEAREST;
    d.textures[id] = params;
    return id;
}

bool ZC_PLATFORM_DEVICE::fUploadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, const void* pixels)
{
    ZS_IMPL& d = *impl;
    if (!pixels || width <= 0 || height <= 0)
        return false;
    if (d.null)
        return texture != 0;
    if (!d.context || d.textures.find(texture) == d.textures.end())
        return false;
    fDrainErrors();
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, order == PIXELS_BGRA ? GL_BGRA : GL_RGBA,
                    GL_UNSIGNED_BYTE, pixels);
    bool ok = glGetError() == GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, d.bound);
    return ok;
}

bool ZC_PLATFORM_DEVICE::fReadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, void* out)
{
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
    fDrainErrors();
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, order == PIXELS_BGRA ? GL_BGRA : GL_RGBA, GL_UNSIGNED_BYTE, out);
    bool ok = glGetError() == GL_NO_ERROR;
    glBindTexture(GL_TEXTURE_2D, d.bound);
    return ok;
}

void ZC_PLATFORM_DEVICE::fReleaseTexture(uint32_t texture)
{
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
    ZS_IMPL& d = *impl;
    if (texture)
        *texture = 0;
    if (width <= 0 || height <= 0 || width > d.maxTextureSize || height > d.maxTextureSize)
        return 0;
    uint32_t id = d.nextTarget++;
    if (d.null)
    {
        ZS_TARGET t;
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
    ZS_TARGET t;
    t.width = width;
    t.height = height;
    t.texture = tex;
    fDrainErrors();
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
    ZS_IMPL& d = *impl;
    auto it = d.targets.find(target);
    if (it == d.targets.end())
        return;
    ZS_TARGET t = it->second;
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

bool ZC_PLATFORM_DEVICE::fReadPixels(int x, int y, int width, int height, uint8_t* out) const
{
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

const ZC_PLATFORM_DEVICE::ZS_COUNTERS& ZC_PLATFORM_DEVICE::fGetCounters() const
{
    return impl->counters;
}

void ZC_PLATFORM_DEVICE::fClearCounters()
{
    impl->counters = ZS_COUNTERS();
}

}
