#pragma once
// The OpenGL side of ZC_PLATFORM_DEVICE, shared by its two source files and included by nothing
// else: ZC_PLATFORM_DEVICE.cpp has the context, back buffer, frame, states and draws,
// ZC_PLATFORM_DEVICE_TEXTURE.cpp the textures, render targets and read-back.
#include "engine/platform/ZC_PLATFORM_DEVICE.h"

#define GL_GLEXT_PROTOTYPES 1
#include <SDL.h>
#include <SDL_opengl.h>

#include <atomic>
#include <cstring>
#include <map>
#include <unordered_map>
#include <vector>

#ifndef GL_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_TEXTURE_MAX_ANISOTROPY_EXT 0x84FE
#endif
#ifndef GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT
#define GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT 0x84FF
#endif

namespace ZOR
{
struct ZC_PLATFORM_DEVICE::ZS_IMPL
{
    // The parameters a texture object holds now, so that binding it sets only what differs.
    struct ZS_TEX_PARAMS
    {
        GLint mag = -1, min = -1, wrapS = -1, wrapT = -1, wrapR = -1;
        float aniso = -1.0f;
        GLenum format = GL_RGBA; // of its texels: GL_RGBA, GL_ALPHA, GL_LUMINANCE or GL_LUMINANCE_ALPHA
        uint64_t bytes = 0;      // what its texels take
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

    // Generic attribute that carries the point size of each sprite.
    static constexpr GLuint kSizeAttribute = 1;
    // Point sprites with a size per point need the size from the vertex: fixed-function points
    // have one size for all. This vertex stage does what the fixed-function one would, plus the
    // size; the fragment stage stays fixed-function.
    static constexpr const char* kPointShader =
        "#version 120\n"
        "attribute float aSize;\n"
        "void main() {\n"
        "  gl_Position = ftransform();\n"
        "  gl_FrontColor = gl_Color;\n"
        "  gl_BackColor = gl_Color;\n"
        "  gl_TexCoord[0] = vec4(0.0, 0.0, 0.0, 1.0);\n"
        "  gl_PointSize = max(aSize, 1.0);\n"
        "}\n";

    static GLenum fGlBlend(uint32_t v)
    {
        switch (v)
        {
        case ZC_PLATFORM_DEVICE::BLEND_ZERO: return GL_ZERO;
        case ZC_PLATFORM_DEVICE::BLEND_ONE: return GL_ONE;
        case ZC_PLATFORM_DEVICE::BLEND_SRCALPHA: return GL_SRC_ALPHA;
        default: return GL_ONE_MINUS_SRC_ALPHA;
        }
    }

    static GLenum fGlCompare(uint32_t v)
    {
        static const GLenum table[] = {GL_NEVER, GL_LESS, GL_EQUAL, GL_LEQUAL, GL_GREATER, GL_NOTEQUAL, GL_GEQUAL, GL_ALWAYS};
        return v < 8 ? table[v] : GL_ALWAYS;
    }

    static GLenum fGlStencilOp(uint32_t v)
    {
        static const GLenum table[] = {GL_KEEP, GL_ZERO, GL_REPLACE, GL_INCR, GL_DECR};
        return v < 5 ? table[v] : GL_KEEP;
    }

    static GLenum fGlPrimitive(ZC_PLATFORM_DEVICE::ZE_PRIMITIVE t)
    {
        switch (t)
        {
        case ZC_PLATFORM_DEVICE::PT_POINTLIST: return GL_POINTS;
        case ZC_PLATFORM_DEVICE::PT_LINELIST: return GL_LINES;
        default: return GL_TRIANGLES;
        }
    }

    static void fMultiplyRowVectors(float out[16], const float a[16], const float b[16])
    {
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j)
                out[4 * i + j] = a[4 * i] * b[j] + a[4 * i + 1] * b[4 + j] + a[4 * i + 2] * b[8 + j] + a[4 * i + 3] * b[12 + j];
    }

    static void fSetIdentity(float m[16])
    {
        std::memset(m, 0, 16 * sizeof(float));
        m[0] = m[5] = m[10] = m[15] = 1.0f;
    }

    static void fDrainErrors()
    {
        for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i)
        {
        }
    }

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
    // Alpha, luminance and luminance-alpha textures (a compatibility context has them).
    bool smallFormats = false;
    uint32_t nextNullId = 1;
    ZS_COUNTERS counters;

    // The frame drawn into the window is kept as a list of commands and run at present. A frame
    // whose list equals the one last presented would put the same picture up again, so it is
    // neither run nor presented: a still screen then costs the software rasteriser nothing.
    // Whatever the list cannot show (textures made, changed or freed, render targets, lights,
    // point sprites, read-back, a reset, the window exposed) runs the list at once and makes the
    // next present a real one.
    enum ZE_COMMAND : uint32_t
    {
        CMD_STATE,
        CMD_SAMPLER,
        CMD_TRANSFORM,
        CMD_TEXTURE,
        CMD_CLEAR,
        CMD_DRAW,
        CMD_DRAW_INDEXED,
    };
    // A still frame is still presented now and then, in case the window lost its picture in a
    // way no event told: every 600 frames (10 s at 60 frames/s). Each such frame is a whole
    // picture for a software rasteriser; once a second they were most of an idle game's cost.
    static constexpr int kMostFramesKept = 600;
    bool recording = false;
    bool replaying = false;
    bool mustPresent = true;
    int framesKept = 0;
    std::vector<uint8_t> commands, shownCommands;
    // Raised from SDL's event watch when the window was shown, exposed or resized.
    std::atomic<bool> exposed{false};

    void fStartRecording();
    void fRunRecorded();
    bool fEndRecording();
    static size_t fPadded(size_t size);
    void fPut(const void* bytes, size_t size);
    template <class T> void fPut(const T& value) { fPut(&value, sizeof(T)); }

    void fDoState(ZE_STATE state, uint32_t value);
    void fDoSampler(ZE_SAMPLER state, uint32_t value);
    void fDoTransform(ZE_TRANSFORM which, const float m[16]);
    void fDoTexture(uint32_t texture);
    bool fDoClear(bool target, bool depth, bool stencil, uint32_t color, float z, uint32_t stencilValue);
    void fDoDraw(ZE_PRIMITIVE type, const void* vertices, int vertexCount);
    void fDoDrawIndexed(ZE_PRIMITIVE type, const void* vertices, int vertexCount, const uint16_t* indices, int indexCount);

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
        counters.textureBytes = 0;
        fReleaseBackBuffer();
        if (pointProgram)
            glDeleteProgram(pointProgram);
        pointProgram = 0;
        SDL_GL_DeleteContext(context);
        context = nullptr;
    }
};
}
