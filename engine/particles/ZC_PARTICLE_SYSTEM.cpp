#include "engine/particles/ZC_PARTICLE_SYSTEM.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_RANDOM.h"
#include "engine/core/ZC_TEXT_UTILS.h"
#include "engine/core/ZC_TIMER.h"
#include "engine/core/ZS_TRANSFORM3.h"
#include "engine/render/ZC_RENDER.h"
#include "engine/render/ZS_MATRIX.h"
#include "engine/render/ZS_TEXTURE.h"

namespace ZOR
{
namespace
{
const float kTwoPi = 6.28318530717958647692f;

using RS = ZS_RENDER_STATE;

// Without a generator (no game running) every draw is the low end of its range.
float fDrawFloat(float a, float b)
{
    return zcRANDOM ? zcRANDOM->fRangeFloat(a, b) : a;
}

int fDrawInt(int a, int b)
{
    return zcRANDOM ? zcRANDOM->fRangeInt(a, b) : a;
}

// Truncation toward zero that stays defined for areas beyond the int range.
int fTruncate(float v)
{
    if (!(v > float(INT_MIN)))
        return v != v ? 0 : INT_MIN;
    if (v >= float(INT_MAX))
        return INT_MAX;
    return int(v);
}

void fTurn(float& x, float& y, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    float tx = x * c - y * s;
    y = x * s + y * c;
    x = tx;
}
}

ZC_PARTICLE_SYSTEM::ZC_PARTICLE_SYSTEM(ZS_TEXTURE* atexture, const ZS_PARTICLE* description)
{
    renderState.fClear();
    renderState.fSet(RS::ALPHA_BLEND | RS::ADDITIVE | RS::TEXTURED, true);
    renderState.fSetFilter(RS::FILTER_POINT);
    renderState.fSetPrimitive(RS::PRIM_POINT_SPRITES);
    fSetTexture(atexture);
    fSetFrequency(1.0f);
    if (description)
    {
        particleTemplate = *description;
    }
    else
    {
        particleTemplate.size = float(textureHeight);
        particleTemplate.color = startColor.fToColor();
        particleTemplate.vx = velocity.x;
        particleTemplate.vy = velocity.y;
        particleTemplate.vz = velocity.z;
    }
    particleTemplate.next = nullptr;
    particleTemplate.previous = nullptr;
}

ZC_PARTICLE_SYSTEM::~ZC_PARTICLE_SYSTEM()
{
    fClear();
    fFreeDeadParticles();
}

void ZC_PARTICLE_SYSTEM::fSpawn()
{
    ZS_PARTICLE* p = new (std::nothrow) ZS_PARTICLE(particleTemplate);
    if (!p)
        return;
    p->next = nullptr;
    p->previous = nullptr;
    p->color = startColor.fToColor();

    if (areaX1 != 0.0f)
    {
        p->x = float(fDrawInt(fTruncate(areaX0), fTruncate(areaX1)));
        p->y = float(fDrawInt(fTruncate(areaY0), fTruncate(areaY1)));
    }
    else
    {
        float r = fDrawFloat(0.0f, areaRadius);
        float a = fDrawFloat(0.0f, kTwoPi);
        p->x = areaX0 + r * std::cos(a);
        p->y = areaY0 + r * std::sin(a);
    }

    // Launch directions within half the spread on either side; the speed never changes.
    float u = fDrawFloat(0.0f, spreadAngle);
    float vx = velocity.x, vy = velocity.y;
    fTurn(vx, vy, spreadAngle * 0.5f);
    fTurn(vx, vy, -u);
    p->vx = vx;
    p->vy = vy;

    fOnSpawn(p);

    p->next = liveList;
    if (liveList)
        liveList->previous = p;
    liveList = p;
    ++count;
}

void ZC_PARTICLE_SYSTEM::fUpdate()
{
    const float dt = zcFRAME_DELTA;
    ZS_PARTICLE* p = liveList;
    while (p)
    {
        ZS_PARTICLE* next = p->next;
        // "Not at or above 0" rather than "below 0", so that a life that became NaN still ends.
        if (!(p->life >= 0.0f))
        {
            if (p->previous)
                p->previous->next = next;
            else
                liveList = next;
            if (next)
                next->previous = p->previous;
            --count;
            p->previous = nullptr;
            p->next = deadList;
            deadList = p;
            p = next;
            continue;
        }

        // A lifetime that is not above 0 (a description's "0" or "-2") would make the life
        // infinite, NaN or rising, and the particle immortal: such a particle is over at once.
        if (p->lifetime > 0.0f)
            p->life -= dt / p->lifetime;
        else
            p->life = -1.0f;

        float life = p->life;
        ZS_COLORF color = life > 0.5f ? startColor + (averageColor - startColor) * (2.0f * (1.0f - life))
                                      : averageColor + (endColor - averageColor) * (1.0f - 2.0f * life);
        p->color = color.fToColor();

        p->vx += gravity.x * dt;
        p->vy += gravity.y * dt;
        p->vz += gravity.z * dt;
        p->x += p->vx * dt;
        p->y += p->vy * dt;
        p->z += p->vz * dt;

        fOnParticleUpdate(p);
        p = next;
    }

    accumulator += dt;
    if (active && count < maxCount && accumulator >= interval)
    {
        fSpawn();
        accumulator = 0.0f;
    }

    fFreeDeadParticles();

    if (emissionTime != 0.0f)
    {
        emissionTime -= dt;
        if (emissionTime <= 0.0f)
        {
            active = false;
            emissionTime = 0.0f;
        }
    }
}

void ZC_PARTICLE_SYSTEM::fFreeDeadParticles()
{
    while (deadList)
    {
        ZS_PARTICLE* next = deadList->next;
        delete deadList;
        deadList = next;
    }
}

void ZC_PARTICLE_SYSTEM::fDraw()
{
    if (!zcRENDER)
        return;
    if (ownerTransform)
    {
        zcRENDER->fSetWorldTransform(ownerTransform->fCompose());
    }
    else
    {
        ZS_MATRIX identity;
        identity.fSetIdentity();
        zcRENDER->fSetBatchWorld(identity);
    }
    zcRENDER->fDrawPointSprites(liveList, texture, &renderState, count);
}

void ZC_PARTICLE_SYSTEM::fEmitParticle()
{
    active = true;
    accumulator = interval;
    if (count < maxCount)
    {
        fSpawn();
        accumulator = 0.0f;
    }
}

void ZC_PARTICLE_SYSTEM::fStartFor(float seconds)
{
    emissionTime = seconds > 0.0f ? seconds : 0.1f;
    active = true;
}

void ZC_PARTICLE_SYSTEM::fSetFrequency(float perSecond)
{
    frequency = perSecond;
    // 0 gives an infinite interval: the timed emission never spawns.
    interval = 1.0f / perSecond;
}

void ZC_PARTICLE_SYSTEM::fSetTexture(ZS_TEXTURE* atexture)
{
    texture = atexture;
    textureHeight = atexture ? atexture->size.y : 0;
}

void ZC_PARTICLE_SYSTEM::fSetAreaRect(float cx, float cy, float width, float height)
{
    areaX0 = cx - width / 2.0f;
    areaY0 = cy - height / 2.0f;
    areaX1 = cx + width / 2.0f;
    areaY1 = cy + height / 2.0f;
    areaRadius = 0.0f;
}

void ZC_PARTICLE_SYSTEM::fSetAreaCircle(float cx, float cy, float radius)
{
    areaX0 = cx;
    areaY0 = cy;
    areaX1 = 0.0f;
    areaY1 = 0.0f;
    areaRadius = radius;
}

void ZC_PARTICLE_SYSTEM::fMoveArea(float dx, float dy)
{
    areaX0 += dx;
    areaY0 += dy;
    if (areaX1 != 0.0f)
        areaX1 += dx;
    if (areaY1 != 0.0f)
        areaY1 += dy;
}

void ZC_PARTICLE_SYSTEM::fMoveAreaTo(float x, float y)
{
    if (areaX1 == 0.0f)
    {
        fMoveArea(x - areaX0, y - areaY0);
        return;
    }
    // A rectangle moves whole, all four corners, so that its centre lands on the point.
    float dx = x - (areaX0 + areaX1) / 2.0f;
    float dy = y - (areaY0 + areaY1) / 2.0f;
    areaX0 += dx;
    areaX1 += dx;
    areaY0 += dy;
    areaY1 += dy;
}

void ZC_PARTICLE_SYSTEM::fCenterAreaAt(float x, float y)
{
    if (areaX1 != 0.0f && areaY1 != 0.0f)
        fSetAreaRect(x, y, areaX1 - areaX0, areaY1 - areaY0);
    else
        fSetAreaCircle(x, y, areaRadius);
}

void ZC_PARTICLE_SYSTEM::fBurst(int n)
{
    for (int i = 0; i < n; ++i)
        if (active)
            fSpawn();
}

void ZC_PARTICLE_SYSTEM::fBurstAt(int n, int x, int y)
{
    const float saved[5] = {areaX0, areaY0, areaX1, areaY1, areaRadius};
    fSetAreaCircle(float(x), float(y), 0.0f);
    fBurst(n);
    areaX0 = saved[0];
    areaY0 = saved[1];
    areaX1 = saved[2];
    areaY1 = saved[3];
    areaRadius = saved[4];
}

void ZC_PARTICLE_SYSTEM::fClear()
{
    while (liveList)
    {
        ZS_PARTICLE* next = liveList->next;
        delete liveList;
        liveList = next;
    }
    count = 0;
}

ZC_PARTICLE_SYSTEM_EX::ZC_PARTICLE_SYSTEM_EX(ZS_TEXTURE* atexture, const ZS_PARTICLE* description)
    : ZC_PARTICLE_SYSTEM(atexture, description)
{
}

void ZC_PARTICLE_SYSTEM_EX::fOnSpawn(ZS_PARTICLE* particle)
{
    particle->size = startSize;
}

void ZC_PARTICLE_SYSTEM_EX::fOnParticleUpdate(ZS_PARTICLE* particle)
{
    fGrowSize(particle);
    fAccelerate(particle);
}

void ZC_PARTICLE_SYSTEM_EX::fGrowSize(ZS_PARTICLE* particle)
{
    // A particle without a positive lifetime ends at once and does not grow.
    if (particle->lifetime > 0.0f)
        particle->size += (endSize - startSize) * zcFRAME_DELTA / particle->lifetime;
}

void ZC_PARTICLE_SYSTEM_EX::fAccelerate(ZS_PARTICLE* particle)
{
    const float dt = zcFRAME_DELTA;
    ZS_VECTOR3 d(particle->vx, particle->vy, particle->vz);
    d.fNormalize();
    float radial = radialAcceleration * dt;
    float tangential = tangentialAcceleration * dt;
    particle->vx += d.x * radial - d.y * tangential;
    particle->vy += d.y * radial + d.x * tangential;
    particle->vz += d.z * radial + d.z * tangential;
}

namespace
{
// Two numbers "x y"; fewer than two give (0, 0).
ZS_VECTOR3 fParseXY(const char* text)
{
    ZS_VECTOR2 v;
    v.fParse(text);
    return ZS_VECTOR3(v.x, v.y, 0.0f);
}

ZS_COLORF fParseColor(const char* text)
{
    return ZS_COLORF(fParseHexUInt(text));
}

int fParseInt(const char* text)
{
    long value = std::strtol(text, nullptr, 10);
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

std::string fFormat(const char* format, double value)
{
    char buffer[128];
    std::snprintf(buffer, sizeof(buffer), format, value);
    return buffer;
}
}

void fLoadParticleSystem(ZC_PARTICLE_SYSTEM_EX* emitter, pugi::xml_node element)
{
    if (!emitter || !element.attribute("texture"))
        return;
    emitter->fSetTexture(zcRENDER ? zcRENDER->fGetDefaultTexture() : nullptr);

    if (pugi::xml_attribute a = element.attribute("multiply"))
        emitter->renderState.fSet(RS::ADDITIVE, a.as_bool());
    if (pugi::xml_attribute a = element.attribute("maxCount"))
        emitter->maxCount = fParseInt(a.value());
    if (pugi::xml_attribute a = element.attribute("spreadAngle"))
        emitter->spreadAngle = float(std::strtod(a.value(), nullptr));
    if (pugi::xml_attribute a = element.attribute("frequency"))
        emitter->fSetFrequency(float(std::strtod(a.value(), nullptr)));
    if (pugi::xml_attribute a = element.attribute("gravity"))
        emitter->gravity = fParseXY(a.value());
    if (pugi::xml_attribute a = element.attribute("area"))
    {
        std::vector<float> numbers;
        for (const std::string& piece : fSplitString(a.value(), ' ', true))
            if (!piece.empty())
                numbers.push_back(float(std::atof(piece.c_str())));
        // The area is centred on the middle of the screen; the owner moves it later.
        ZS_POINT resolution = zcGAME ? zcGAME->resolution : ZS_GAME_SETTINGS().resolution;
        float cx = float(resolution.x / 2), cy = float(resolution.y / 2);
        // An area without any number leaves the area as it was.
        if (numbers.size() == 1)
            emitter->fSetAreaCircle(cx, cy, numbers[0]);
        else if (numbers.size() >= 2)
            emitter->fSetAreaRect(cx, cy, numbers[0], numbers[1]);
    }

    if (pugi::xml_node n = element.child("lifetime"))
        emitter->particleTemplate.lifetime = float(std::atof(n.child_value()));
    if (pugi::xml_node n = element.child("velocity"))
        emitter->velocity = fParseXY(n.child_value());
    if (pugi::xml_node n = element.child("tangent"))
        emitter->tangentialAcceleration = float(std::atof(n.child_value()));
    if (pugi::xml_node n = element.child("radial"))
        emitter->radialAcceleration = float(std::atof(n.child_value()));
    if (pugi::xml_node n = element.child("startSize"))
        emitter->startSize = float(std::atof(n.child_value()));
    if (pugi::xml_node n = element.child("endSize"))
        emitter->endSize = float(std::atof(n.child_value()));
    if (pugi::xml_node n = element.child("startColor"))
        emitter->startColor = fParseColor(n.child_value());
    if (pugi::xml_node n = element.child("averColor"))
        emitter->averageColor = fParseColor(n.child_value());
    if (pugi::xml_node n = element.child("endColor"))
        emitter->endColor = fParseColor(n.child_value());
}

void fSaveParticleSystem(const ZC_PARTICLE_SYSTEM_EX* emitter, pugi::xml_node parent, const char* textureName)
{
    if (!emitter)
        return;
    pugi::xml_node e = parent.append_child("particles");
    e.append_attribute("texture").set_value(textureName ? textureName : "");
    e.append_attribute("frequency").set_value(std::to_string(fTruncate(emitter->frequency)).c_str());
    e.append_attribute("gravity").set_value(ZS_VECTOR2(emitter->gravity.x, emitter->gravity.y).fToText());
    e.append_attribute("maxCount").set_value(std::to_string(emitter->maxCount).c_str());
    e.append_attribute("multiply").set_value(emitter->renderState.fHas(RS::ADDITIVE) ? "true" : "false");
    e.append_attribute("spreadAngle").set_value(fFormat("%g", emitter->spreadAngle).c_str());
    float width = emitter->areaX1 - emitter->areaX0;
    float height = emitter->areaY1 - emitter->areaY0;
    std::string area = width > 0.0f || height > 0.0f ? fFormat("%f", width) + " " + fFormat("%f", height) : "0";
    e.append_attribute("area").set_value(area.c_str());

    auto child = [&e](const char* name, const std::string& text) {
        e.append_child(name).append_child(pugi::node_pcdata).set_value(text.c_str());
    };
    auto hex = [](const ZS_COLORF& c) {
        char buffer[16];
        std::snprintf(buffer, sizeof(buffer), "%x", unsigned(c.fToPacked()));
        return std::string(buffer);
    };
    child("lifetime", fFormat("%f", emitter->particleTemplate.lifetime));
    child("velocity", ZS_VECTOR2(emitter->velocity.x, emitter->velocity.y).fToText());
    child("tangent", fFormat("%f", emitter->tangentialAcceleration));
    child("radial", fFormat("%f", emitter->radialAcceleration));
    child("startSize", fFormat("%f", emitter->startSize));
    child("endSize", fFormat("%f", emitter->endSize));
    child("startColor", hex(emitter->startColor));
    child("averColor", hex(emitter->averageColor));
    child("endColor", hex(emitter->endColor));
}
}
