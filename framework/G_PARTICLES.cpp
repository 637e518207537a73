#include "framework/G_PARTICLES.h"

#include "engine/files/ZC_REPOSITORY.h"
#include "framework/G_SPRITE.h"

using namespace ZOR;

namespace ZOR_GF
{
G_PARTICLES::G_PARTICLES() : emitter(fGetDefaultTexture())
{
}

G_PARTICLES::G_PARTICLES(const G_PARTICLES& source) : emitter(fGetDefaultTexture()), fileName(source.fileName)
{
    const ZC_PARTICLE_SYSTEM_EX& from = source.emitter;
    emitter.maxCount = from.maxCount;
    emitter.gravity = from.gravity;
    emitter.velocity = from.velocity;
    emitter.spreadAngle = from.spreadAngle;
    emitter.startColor = from.startColor;
    emitter.averageColor = from.averageColor;
    emitter.endColor = from.endColor;
    emitter.renderState = from.renderState;
    emitter.particleTemplate = from.particleTemplate;
    emitter.particleTemplate.next = nullptr;
    emitter.particleTemplate.previous = nullptr;
    emitter.ownerTransform = from.ownerTransform;
    emitter.emissionTime = from.emissionTime;
    emitter.active = from.active;
    emitter.frequency = from.frequency;
    emitter.interval = from.interval;
    emitter.accumulator = from.accumulator;
    emitter.areaX0 = from.areaX0;
    emitter.areaY0 = from.areaY0;
    emitter.areaX1 = from.areaX1;
    emitter.areaY1 = from.areaY1;
    emitter.areaRadius = from.areaRadius;
    emitter.startSize = from.startSize;
    emitter.endSize = from.endSize;
    emitter.tangentialAcceleration = from.tangentialAcceleration;
    emitter.radialAcceleration = from.radialAcceleration;
}

G_PARTICLES::~G_PARTICLES()
{
    if (fIsLoaded())
        fUnloadTexture();
}

bool G_PARTICLES::fIsLoaded() const
{
    return emitter.texture && emitter.texture != fGetDefaultTexture();
}

void G_PARTICLES::fLoadXml(pugi::xml_node element)
{
    // The description puts the emitter back on the default texture: a fetched one is handed
    // back first, or its user count would never come down.
    if (fIsLoaded() && element.attribute("texture"))
        fUnloadTexture();
    fLoadParticleSystem(&emitter, element);
    fileName = element.attribute("texture").value();
}

void G_PARTICLES::fLoadTexture()
{
    if (fIsLoaded() || fileName.empty() || !zcREPOSITORY)
        return;
    emitter.fSetTexture(zcREPOSITORY->fGetTexture(fileName.c_str()));
}

void G_PARTICLES::fUnloadTexture()
{
    if (!fIsLoaded())
        return;
    if (zcREPOSITORY)
        zcREPOSITORY->fReleaseTexture(emitter.texture);
    emitter.fSetTexture(fGetDefaultTexture());
}
}
