#pragma once
#include <cstddef>
#include <cstdint>

#include <pugixml.hpp>

#include "engine/core/ZS_COLOR.h"
#include "engine/core/ZS_POINT.h"
#include "engine/render/ZS_RENDER_STATE.h"
#include "engine/render/ZS_VERTEX.h"

namespace ZOR
{
struct ZS_TEXTURE;
struct ZS_TRANSFORM3;

// One particle. Its first five fields are the point-sprite vertex the renderer copies, and
// the renderer walks the live list through `next`.
struct ZS_PARTICLE
{
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float size = 0.0f;
    ZS_COLOR color;
    float life = 1.0f;     // 1 at birth, falls below 0 at the end
    float lifetime = 2.0f; // seconds from life 1 to life 0
    float vx = 0.0f, vy = 0.0f, vz = 0.0f;
    float extra1 = 0.0f, extra2 = 0.0f, extra3 = 0.0f; // carried for callers, unused here
    ZS_PARTICLE* next = nullptr;
    ZS_PARTICLE* previous = nullptr;
};

static_assert(offsetof(ZS_PARTICLE, size) == offsetof(ZS_POINT_VERTEX, size) &&
                  offsetof(ZS_PARTICLE, color) == offsetof(ZS_POINT_VERTEX, color),
              "a particle must begin with the point-sprite vertex");

// An emitter of point-sprite particles inside a rectangle or circle, under gravity, fading
// through three colours over each particle's life. Times come from zcFRAME_DELTA, random
// numbers from zcRANDOM. It owns its particles, not its texture or owner transform.
class ZC_PARTICLE_SYSTEM
{
public:
    // A description replaces the whole default template (its links are ignored).
    explicit ZC_PARTICLE_SYSTEM(ZS_TEXTURE* texture, const ZS_PARTICLE* description = nullptr);
    // Virtual so that an extended emitter deleted through this type is destroyed whole.
    virtual ~ZC_PARTICLE_SYSTEM();
    ZC_PARTICLE_SYSTEM(const ZC_PARTICLE_SYSTEM&) = delete;
    ZC_PARTICLE_SYSTEM& operator=(const ZC_PARTICLE_SYSTEM&) = delete;

    // Ages, colours and moves every particle, then emits at most one.
    virtual void fUpdate();
    virtual void fOnSpawn(ZS_PARTICLE*) {}
    virtual void fOnParticleUpdate(ZS_PARTICLE*) {}

    // Point sprites of every live particle, placed by the owner transform's world transform.
    void fDraw();

    // Starts the timed emission and, when there is room, spawns one particle at once.
    void fEmitParticle();
    // Emits for the given seconds (0.1 when they are not above 0).
    void fStartFor(float seconds);
    void fStart() { active = true; }
    // Ends the emission; live particles fly on.
    void fStop() { active = false; }
    void fSetFrequency(float perSecond);
    // The template's size is left as it is.
    void fSetTexture(ZS_TEXTURE* atexture);
    void fSetAreaRect(float cx, float cy, float width, float height);
    void fSetAreaCircle(float cx, float cy, float radius);
    void fMoveArea(float dx, float dy);
    // Puts the area's centre on (x, y), keeping its size.
    void fMoveAreaTo(float x, float y);
    void fCenterAreaAt(float x, float y);
    // n particles at once while active, ignoring the max count and the accumulator.
    void fBurst(int n);
    // fBurst from the single point (x, y); the area is put back afterwards.
    void fBurstAt(int n, int x, int y);
    // Frees every live particle.
    void fClear();
    void fSetTransform(ZS_TRANSFORM3* transform) { ownerTransform = transform; }
    ZS_TRANSFORM3* fGetTransform() const { return ownerTransform; }

    ZS_PARTICLE* fGetParticles() const { return liveList; }
    bool fIsActive() const { return active; }
    bool fIsCircleArea() const { return areaX1 == 0.0f; }

    int count = 0;
    int maxCount = 8096;
    ZS_VECTOR3 gravity{0.0f, 140.0f, 0.0f};
    ZS_VECTOR3 velocity{0.0f, 150.0f, 0.0f}; // launch velocity; z is not used
    float spreadAngle = 0.0f;                // radians, centred on the velocity
    ZS_COLORF startColor{0xFFFFFFFFu};
    ZS_COLORF averageColor{0xFF00FF00u};
    ZS_COLORF endColor{0x88FFF700u};
    ZS_RENDER_STATE renderState;
    ZS_PARTICLE particleTemplate;
    ZS_PARTICLE* liveList = nullptr; // newest first
    ZS_PARTICLE* deadList = nullptr; // died in the running update, freed at its end
    ZS_TRANSFORM3* ownerTransform = nullptr;
    float emissionTime = 0.0f; // 0 = no limit
    bool active = false;
    float frequency = 1.0f;
    float interval = 1.0f;
    float accumulator = 0.0f;
    ZS_TEXTURE* texture = nullptr;
    int textureHeight = 0;
    float areaX0 = 0.0f, areaY0 = 0.0f, areaX1 = 0.0f, areaY1 = 0.0f; // a rectangle when x1 is not 0
    float areaRadius = 0.0f;                                          // else a circle about (x0, y0)

protected:
    void fSpawn();
    void fFreeDeadParticles();
};

// Adds size over life and radial and tangential acceleration; what particle descriptions fill.
class ZC_PARTICLE_SYSTEM_EX : public ZC_PARTICLE_SYSTEM
{
public:
    explicit ZC_PARTICLE_SYSTEM_EX(ZS_TEXTURE* texture, const ZS_PARTICLE* description = nullptr);

    void fOnSpawn(ZS_PARTICLE* particle) override;
    void fOnParticleUpdate(ZS_PARTICLE* particle) override;
    void fGrowSize(ZS_PARTICLE* particle);
    void fAccelerate(ZS_PARTICLE* particle);

    float startSize = 4.0f;
    float endSize = 20.0f;
    float tangentialAcceleration = 0.0f; // pixels per second squared, across the motion
    float radialAcceleration = 0.0f;     // along the motion
};

// Reads a "particles" element into the emitter. Without a "texture" attribute nothing is read;
// with one the texture becomes the renderer's default (the owner sets the real one later).
void fLoadParticleSystem(ZC_PARTICLE_SYSTEM_EX* emitter, pugi::xml_node element);
// Appends a "particles" element describing the emitter to the parent; nothing for no emitter.
void fSaveParticleSystem(const ZC_PARTICLE_SYSTEM_EX* emitter, pugi::xml_node parent, const char* textureName);
}
