#pragma once
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "engine/core/ZS_COLOR.h"
#include "engine/core/ZS_POINT.h"
#include "engine/render/ZS_MATRIX.h"
#include "engine/render/ZS_RENDER_STATE.h"
#include "engine/render/ZS_TEXTURE.h"
#include "engine/render/ZS_VERTEX.h"

namespace ZOR
{
class ZC_PLATFORM_DEVICE;
class ZC_CAMERA;
struct ZS_TRANSFORM3;
struct ZS_LIGHT;
struct ZS_MATERIAL;

// Settings record with the renderer's defaults; nothing constructs it yet.
struct ZS_RENDER_SETTINGS
{
    float nearPlane = 0.1f;
    float farPlane = 0.0f;
    bool flag = false;
    uint32_t vertexCapacity = 8192;
    uint32_t pointCapacity = 4096;
};

// A texture that can be drawn into.
struct ZS_RENDER_TARGET
{
    uint16_t id = 0;
    int width = 0, height = 0;
    ZS_TEXTURE texture;              // what a quad draws the target's picture with
    ZS_MATRIX* view = nullptr;       // owned
    ZS_MATRIX* projection = nullptr; // owned
    uint32_t target = 0;             // the device's target
};

// The engine's only renderer. Drawables add their geometry to its batch (vertices transformed on
// the processor by the batch world, one draw call per run of equal state word and texture), and
// make and release textures through it. Coordinates are game pixels, origin top left, y down.
class ZC_RENDER
{
public:
    // Frame counters, cleared by every successful frame begin.
    uint32_t drawRequests = 0; // add-to-batch calls that carried a state word
    uint32_t flushes = 0;      // batches drawn
    uint32_t stateChanges = 0; // state words applied
    ZS_COLOR clearColor{0xFF444444u};

    ZC_RENDER();
    ~ZC_RENDER();
    ZC_RENDER(const ZC_RENDER&) = delete;
    ZC_RENDER& operator=(const ZC_RENDER&) = delete;

    // Device and frame
    int fInit(void* window, float nearPlane, float farPlane);
    // Unchanged size, window mode and desktop flag: nothing happens.
    int fSetMode(int width, int height, bool fullScreen, bool useDesktopSize);
    bool fCreateDevice();
    int fResetDevice();
    void fSetupScreen();
    void fUpdateLetterbox();
    // 1 begun; 0 the scene could not begin; -1 no device, lost device, a frame already open or a
    // failed clear; -110 the device was reset this call (the next begin draws).
    int fBeginFrame();
    // 0 presented; -1 no frame open.
    int fEndFrame();
    int fClear();
    int fClearDepth();
    int fClearStencil();
    // flags: 1 target, 2 depth, 4 stencil, as Direct3D's clear flags.
    int fClearBuffers(uint8_t flags, bool stencil, bool depth);
    ZC_PLATFORM_DEVICE* fGetDevice() { return device; }
    // Display modes of 32-bit colour, landscape, 60 Hz.
    void fListDisplayModes(std::vector<ZS_POINT>& modes);
    int fRelease();

    // Render states and batching
    bool fApplyState(const ZS_RENDER_STATE& state);
    void fUseScreenMatrices();
    void fUseSceneMatrices();
    // Batch world := translation(-pivot x, -pivot y, +pivot z) x yaw-pitch-roll x scaling x
    // translation(position); the parent is not looked at.
    void fSetWorldTransform(const ZS_TRANSFORM3& t);
    void fSetBatchWorld(const ZS_MATRIX& m) { batchWorld = m; }
    const ZS_MATRIX& fGetBatchWorld() const { return batchWorld; }
    // A null texture is the default texture; a null state word adds nothing. A draw larger than a
    // whole buffer is split when it has no indices, and refused when it has.
    void fAddTriangles(const ZS_VERTEX* vertices, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state, int vertexCount,
                       const uint16_t* indices, int indexCount);
    void fFlush();
    // Draws a linked list of particles as point sprites. PARTICLE begins with x, y, z, size and a
    // packed colour (the 20-byte point vertex) and links to the next through `next`.
    template <class PARTICLE>
    void fDrawPointSprites(const PARTICLE* first, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state, int count);
    void fDrawLine(int x1, int y1, int x2, int y2, uint32_t color);
    void fDrawFilledSquare(int x, int y, uint32_t color, float side);
    void fDrawLine3D(float x1, float y1, float z1, float x2, float y2, float z2, uint32_t color);
    void fDrawInScene(const ZS_VERTEX* vertices, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state, int vertexCount,
                      const uint16_t* indices, int indexCount);
    void fSetDeviceWorld(const ZS_MATRIX& m);
    void fBeginStencil();
    void fPushStencil();
    void fEndStencil();
    // Compiled Direct3D vertex shaders have no counterpart here: -1.
    int fLoadShader();

    // Textures
    ZS_TEXTURE* fCreateTexture(int width, int height);
    ZS_TEXTURE* fLoadTextureFile(const char* path);
    ZS_TEXTURE* fLoadTextureMemory(const void* bytes, uint32_t count, const char* name);
    // 1 released; -1 for null, the default texture, or a handle the renderer does not hold.
    int fReleaseTexture(ZS_TEXTURE* texture);
    uint32_t* fLockTexture(ZS_TEXTURE* texture);
    bool fUnlockTexture(ZS_TEXTURE* texture);
    bool fSetTexturePixels(ZS_TEXTURE* texture, const uint32_t* pixels);
    ZS_TEXTURE* fGetDefaultTexture() const { return defaultTexture; }
    ZS_RENDER_TARGET* fCreateRenderTarget(int width, int height);
    void fReleaseRenderTarget(ZS_RENDER_TARGET* target);
    int fBeginTargetFrame(ZS_RENDER_TARGET* target);
    int fEndTargetFrame();

    // Camera, scene, lights and materials
    ZC_CAMERA* fCreateCamera(int width, int height);
    void fSetCamera(ZC_CAMERA* camera);
    void fSetSceneTransform(const ZS_TRANSFORM3& t);
    void fMulSceneTransform(const ZS_TRANSFORM3& t);
    int fSetLight(int index, const ZS_LIGHT& light);
    void fEnableLight(int index, bool on);
    void fSetLighting(bool on);
    void fSetMaterial(const ZS_MATERIAL& material);

    // What the renderer holds, for its owner and for tests.
    const ZS_RENDER_STATE& fGetCurrentState() const { return currentState; }
    ZS_TEXTURE* fGetCurrentTexture() const { return currentTexture; }
    uint32_t fGetBatchedVertices() const { return batchedVertices; }
    uint32_t fGetBatchedIndices() const { return batchedIndices; }
    uint32_t fGetPointPosition() const { return pointPosition; }
    int fGetFramePhase() const { return framePhase; }
    ZS_POINT fGetGameSize() const { return ZS_POINT(gameWidth, gameHeight); }
    ZS_POINT fGetScreenSize() const { return ZS_POINT(screenWidth, screenHeight); }
    ZS_POINT fGetBackBufferSize() const { return ZS_POINT(backBufferWidth, backBufferHeight); }
    bool fIsFullScreen() const { return fullScreen; }
    float fGetFarPlane() const { return farPlane; }
    float fGetCameraDistance() const { return cameraDistance; }
    int fGetDeviceType() const { return deviceType; }
    uint32_t fGetBehaviourFlags() const { return behaviourFlags; }
    const ZS_MATRIX& fGetLetterbox() const { return letterbox; }
    const ZS_MATRIX& fGetScreenWorld() const { return screenWorld; }
    const ZS_MATRIX& fGetScreenView() const { return screenView; }
    const ZS_MATRIX& fGetScreenProjection() const { return screenProjection; }
    const ZS_MATRIX& fGetSceneWorld() const { return sceneWorld; }
    size_t fGetTextureCount() const { return textures.size(); }

private:
    bool fBeginPointSprites(bool any, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state);
    void fAddPointSprite(const void* particle);
    void fEndPointSprites();
    void fAddChunk(const ZS_VERTEX* vertices, ZS_TEXTURE* texture, const ZS_RENDER_STATE& state, int vertexCount,
                   const uint16_t* indices, int indexCount);
    void fBindBatchTexture(ZS_TEXTURE* texture);
    void fReleaseBuffers();
    ZS_TEXTURE* fAddTexture(uint32_t deviceTexture, int width, int height, bool rgba);
    // layout: how the decoded pixels lie (ZE_IMAGE_LAYOUT); the pixels are freed here.
    ZS_TEXTURE* fMakeImageTexture(unsigned char* pixels, int width, int height, int layout);

    ZS_RENDER_STATE currentState;
    ZS_TEXTURE* currentTexture = nullptr;
    uint32_t vertexCapacity = 8192;
    uint32_t indexCapacity = 8192 * 3 - 6;
    uint32_t pointCapacity = 4096;
    ZS_TEXTURE* defaultTexture = nullptr;
    int framePhase = 1; // 1 idle, 0 screen frame, 2 render-target frame
    void* window = nullptr;
    std::map<uint32_t, ZS_TEXTURE*> textures;
    uint16_t nextTargetId = 0;
    std::map<uint16_t, ZS_RENDER_TARGET*> targets;
    float nearPlane = 0.0f;
    float farPlane = 0.0f;
    float cameraDistance = 0.0f;
    ZS_MATRIX sceneWorld;
    ZS_MATRIX batchWorld;
    ZS_MATRIX screenWorld;
    ZS_MATRIX screenView;
    ZS_MATRIX screenProjection;
    uint32_t pointPosition = 0;
    uint32_t pointsInChunk = 0;
    uint32_t batchedVertices = 0;
    uint32_t batchedIndices = 0;
    ZC_CAMERA* currentCamera = nullptr;
    ZC_PLATFORM_DEVICE* device = nullptr;
    // The batch buffers, made at each reset; null while a reset has failed.
    ZS_VERTEX* vertexBuffer = nullptr;
    uint16_t* indexBuffer = nullptr;
    ZS_POINT_VERTEX* pointBuffer = nullptr;
    float maxAnisotropy = 1.0f;
    bool anisotropicFilter = false;
    int backBufferWidth = 0, backBufferHeight = 0;
    bool windowed = true;
    uint32_t behaviourFlags = 0;
    int deviceType = 0; // 1 accelerated, 2 software allowed
    bool useDesktopSize = false;
    bool fullScreen = false;
    int gameWidth = 0, gameHeight = 0;
    int screenWidth = 0, screenHeight = 0;
    ZS_MATRIX letterbox;
};

extern ZC_RENDER* zcRENDER;
// Reference value of the stencil nesting.
extern uint8_t zcSTENCIL_REF;

template <class PARTICLE>
void ZC_RENDER::fDrawPointSprites(const PARTICLE* first, ZS_TEXTURE* texture, const ZS_RENDER_STATE* state, int)
{
    if (!fBeginPointSprites(first != nullptr, texture, state))
        return;
    for (const PARTICLE* p = first; p; p = p->next)
        fAddPointSprite(p);
    fEndPointSprites();
}
}
