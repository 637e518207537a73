#pragma once
#include <cstdint>
#include <vector>

namespace ZOR
{
// The drawing device under the renderer: a fixed-function OpenGL (compatibility profile) context
// that offers what the renderer used to ask of a Direct3D 9 device, and nothing more. Only the
// source file includes GL.
//
// Conventions kept from the Direct3D side, so the renderer above stays as it is:
// - matrices are row-vector float[16]; the projection's 0..1 depth range is remapped here;
// - the back buffer is the window itself when the window has the size the renderer asks for;
//   otherwise a framebuffer object of that size, stretched onto the window at present. After a
//   present the window's back buffer need not keep the frame (no copy swap): frames begin with
//   a clear;
// - depth and stencil clears wait for the first draw that tests them, so frames that never
//   test them never clear them;
// - sampler states belong to the device and are applied to a texture when it is bound, since
//   OpenGL keeps them per texture object;
// - vertices are the engine's 36-byte layout (position, normal, packed 0xAARRGGBB colour, u, v),
//   point sprites the 20-byte layout (position, size in pixels, packed colour).
class ZC_PLATFORM_DEVICE
{
public:
    enum ZE_STATE
    {
        RS_ZENABLE,
        RS_LIGHTING,
        RS_ALPHABLENDENABLE,
        RS_SRCBLEND,
        RS_DESTBLEND,
        RS_ALPHATESTENABLE,
        RS_ALPHAFUNC,
        RS_ALPHAREF,
        RS_NORMALIZENORMALS,
        RS_SPECULARENABLE,
        RS_POINTSPRITEENABLE,
        RS_MULTISAMPLEANTIALIAS,
        RS_ANTIALIASEDLINEENABLE,
        RS_STENCILENABLE,
        RS_STENCILFUNC,
        RS_STENCILREF,
        RS_STENCILPASS,
        RS_STENCILFAIL,
        RS_COUNT
    };
    enum ZE_SAMPLER
    {
        SS_MAGFILTER,
        SS_MINFILTER,
        SS_ADDRESSU,
        SS_ADDRESSV,
        SS_ADDRESSW,
        SS_MAXANISOTROPY,
        SS_COUNT
    };
    enum : uint32_t { BLEND_ZERO, BLEND_ONE, BLEND_SRCALPHA, BLEND_INVSRCALPHA };
    enum : uint32_t { FILTER_POINT, FILTER_LINEAR, FILTER_ANISOTROPIC };
    enum : uint32_t { ADDRESS_WRAP, ADDRESS_CLAMP };
    enum : uint32_t { CMP_NEVER, CMP_LESS, CMP_EQUAL, CMP_LESSEQUAL, CMP_GREATER, CMP_NOTEQUAL, CMP_GREATEREQUAL, CMP_ALWAYS };
    enum : uint32_t { STENCILOP_KEEP, STENCILOP_ZERO, STENCILOP_REPLACE, STENCILOP_INCR, STENCILOP_DECR };
    enum ZE_TRANSFORM { TS_WORLD, TS_VIEW, TS_PROJECTION };
    enum ZE_PRIMITIVE { PT_POINTLIST, PT_LINELIST, PT_TRIANGLELIST };
    enum ZE_COOPERATIVE { COOP_OK, COOP_LOST, COOP_NOT_RESET };
    // Layout of texture pixels: packed 0xAARRGGBB words, or R, G, B, A bytes (decoded images);
    // for making a texture also a picture's fewer bytes: alpha over white, grey, grey and alpha.
    // These keep one or two bytes a texel where the device has such formats (read back they
    // come as R, G, B, A; an upload makes the texture R, G, B, A again).
    enum ZE_PIXELS { PIXELS_BGRA, PIXELS_RGBA, PIXELS_ALPHA, PIXELS_GREY, PIXELS_GREY_ALPHA };

    // A light as the fixed-function pipeline takes it (type 1 point, 2 spot, 3 directional), in world space.
    struct ZS_LIGHT_DATA
    {
        int type;
        float diffuse[4], specular[4], ambient[4];
        float position[3], direction[3];
        float range, falloff;
        float attenuation[3];
        float theta, phi;
    };
    // A material: diffuse, ambient, specular, emissive (r, g, b, a each), power.
    struct ZS_MATERIAL_DATA
    {
        float diffuse[4], ambient[4], specular[4], emissive[4];
        float power;
    };
    struct ZS_MODE
    {
        int width, height, refresh, bits;
    };
    // What reached the device since the counters were last cleared (tests and the benchmark read them).
    struct ZS_COUNTERS
    {
        uint32_t drawCalls = 0;
        uint32_t primitives = 0;
        uint32_t resets = 0;
        uint32_t textureBinds = 0;
        uint32_t clears[3] = {}; // colour, depth and stencil buffers cleared
        uint32_t presents = 0;   // frames put on the screen; a frame equal to the one shown is not
        uint64_t textureBytes = 0; // texels the device holds for its textures, in bytes
        uint32_t stateWrites[RS_COUNT] = {};
        uint32_t samplerWrites[SS_COUNT] = {};
    };

    // Mesa's software rasteriser (llvmpipe) starts one thread per core and wakes every one of
    // them for every frame, even an empty one. When the user has not chosen (LP_NUM_THREADS),
    // this chooses two, plenty for a 2D picture of this size. The driver reads the choice when it
    // starts, which under X11 is at the first OpenGL window: call it before any window is made.
    static void fChooseRasterThreads();

    ZC_PLATFORM_DEVICE();
    ~ZC_PLATFORM_DEVICE();
    ZC_PLATFORM_DEVICE(const ZC_PLATFORM_DEVICE&) = delete;
    ZC_PLATFORM_DEVICE& operator=(const ZC_PLATFORM_DEVICE&) = delete;

    // One creation attempt: a context on the SDL window (accelerated only, or software allowed)
    // and a back buffer of the given size. false leaves the device unusable; delete it.
    bool fCreate(void* window, bool accelerated, int width, int height);
    float fGetMaxAnisotropy() const;
    bool fHasAnisotropicFilter() const;
    int fGetMaxTextureSize() const;

    // New back buffer of the given size, every state back to its default. A failure leaves the
    // device waiting for another reset.
    bool fReset(int width, int height);
    ZE_COOPERATIVE fTestCooperativeLevel() const;
    // Whether the back buffer is the window itself (else a buffer of its own, stretched onto it).
    bool fDrawsIntoWindow() const;
    bool fBeginScene();
    void fEndScene();
    bool fClear(bool target, bool depth, bool stencil, uint32_t color, float z, uint32_t stencilValue);
    void fPresent();

    void fSetRenderState(ZE_STATE state, uint32_t value);
    uint32_t fGetRenderState(ZE_STATE state) const;
    void fSetSamplerState(ZE_SAMPLER state, uint32_t value);
    uint32_t fGetSamplerState(ZE_SAMPLER state) const;
    void fSetTransform(ZE_TRANSFORM which, const float m[16]);
    // 0 binds no texture.
    void fSetTexture(uint32_t texture);
    void fSetLight(int index, const ZS_LIGHT_DATA& light);
    void fEnableLight(int index, bool on);
    void fSetMaterial(const ZS_MATERIAL_DATA& material);

    void fDrawIndexed(ZE_PRIMITIVE type, const void* vertices, int vertexCount, const uint16_t* indices, int indexCount);
    void fDraw(ZE_PRIMITIVE type, const void* vertices, int vertexCount);
    void fDrawPoints(const void* points, int count);

    // Textures: 0 is failure. Pixels may be null (then the texels are zero).
    uint32_t fCreateTexture(int width, int height, ZE_PIXELS order, const void* pixels);
    bool fUploadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, const void* pixels);
    bool fReadTexture(uint32_t texture, int width, int height, ZE_PIXELS order, void* out);
    void fReleaseTexture(uint32_t texture);

    // Render targets: a texture with its own depth-stencil buffer. 0 is failure.
    uint32_t fCreateTarget(int width, int height, uint32_t* texture);
    void fReleaseTarget(uint32_t target);
    // 0 selects the back buffer.
    bool fSetTarget(uint32_t target);

    void fListModes(std::vector<ZS_MODE>& out) const;

    // Test seams, small on purpose.
    // Devices made while null mode is on need no window, draw nothing and only count.
    static void fSetNullMode(bool on);
    // The next count creation attempts fail.
    static void fFailCreateAttempts(int count);
    // A context never gets lost: this makes the device answer as a lost one would.
    void fSimulateCooperativeLevel(ZE_COOPERATIVE level);
    void fFailNextReset();
    // Pixels of the current target as R, G, B, A bytes, top row first. When that is the window,
    // a read after a present relies on the driver keeping the back buffer, as Mesa's software
    // drivers do (SDL's offscreen window has a single buffer; under X11 the swap copies it).
    // The X11 tests read what the server shows instead.
    bool fReadPixels(int x, int y, int width, int height, uint8_t* out) const;
    const ZS_COUNTERS& fGetCounters() const;
    void fClearCounters();

private:
    struct ZS_IMPL;
    ZS_IMPL* impl;
};
}
