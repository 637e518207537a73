#include "engine/bots/ZC_BOT_TRANSFORM.h"

#include <algorithm>
#include <cmath>

#include "engine/SERVICE/ZC_GAME_SERVICE_ONE.h"
#include "engine/core/ZC_GEOMETRY.h"

namespace ZOR
{
namespace
{
// The rotations' and the scale's rule: a change d given with its duration and speed both
// set is applied as d x speed x duration; otherwise d is a direction and speed its length.
void fResolveChange(ZS_VECTOR3* d, float* duration, float* speed)
{
    bool bothGiven = *duration != 0.0f && *speed != 0.0f;
    fResolveTiming(duration, speed, d->fLength());
    if (!bothGiven)
        d->fNormalize();
}
}

// ---------------------------------------------------------------- ZC_BOT_TRANSFORM

ZC_BOT_TRANSFORM::ZC_BOT_TRANSFORM(ZS_TRANSFORM3* atarget, ZS_TRANSFORM3 agoal, float aduration, float adelay)
    : target(atarget), goal(agoal.fCompose()), delay(adelay), duration(aduration)
{
    fMakeBot(this, "transform");
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_TRANSFORM::fBegin()
{
    if (target)
        start = *target;
}

int ZC_BOT_TRANSFORM::fTick()
{
    if (fDelaying(this))
        return 0;
    elapsed += zcFRAME_DELTA;
    if (elapsed > duration)
    {
        fFinish();
        return zcANSWER_DELETE_ME;
    }
    if (!target)
        return 0;
    // Only reached with a zero duration when no time passed at all; the goal then holds.
    float t = duration > 0.0f ? elapsed / duration : 1.0f;
    auto blend = [t](ZS_VECTOR3* out, const ZS_VECTOR3& a, const ZS_VECTOR3& b) {
        out->fSet(fLerp(a.x, b.x, t), fLerp(a.y, b.y, t), fLerp(a.z, b.z, t));
    };
    blend(&target->position, start.position, goal.position);
    blend(&target->scale, start.scale, goal.scale);
    blend(&target->rotation, start.rotation, goal.rotation);
    return 0;
}

void ZC_BOT_TRANSFORM::fFinish()
{
    if (target)
    {
        target->position = goal.position;
        target->rotation = goal.rotation;
        target->scale = goal.scale;
        target = nullptr;
    }
    fInvoke(&callback);
    elapsed = duration + 1.0f;
}

int ZC_BOT_TRANSFORM::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_SWITCH

ZC_BOT_SWITCH::ZC_BOT_SWITCH(ZS_TRANSFORM3* atarget, float aduration, ZS_TRANSFORM3 afirst, ZS_TRANSFORM3 asecond,
                             float adelay)
    : target(atarget), first(afirst), second(asecond), destination(&first), duration(aduration),
      runningDuration(aduration), delay(adelay)
{
    fMakeBot(this, "switch");
    updateGroup = 0;
}

void ZC_BOT_SWITCH::fSwitchTo(bool toSecond)
{
    destination = toSecond ? &second : &first;
    if (target)
        captured = *target;
    runningDuration = updateGroup ? elapsed : duration;
    elapsed = 0.0f;
    delayCountdown = delay;
    updateGroup = 1;
}

void ZC_BOT_SWITCH::fToggle()
{
    fSwitchTo(destination == &first);
}

int ZC_BOT_SWITCH::fTick()
{
    if (!updateGroup)
        return 0;
    if (delayCountdown > 0.0f)
    {
        delayCountdown -= zcFRAME_DELTA;
        return 0;
    }
    elapsed += zcFRAME_DELTA;
    float t = 1.0f;
    if (elapsed >= runningDuration)
        updateGroup = 0;
    else
        t = elapsed / runningDuration;
    if (target)
        fLerpTransform(target, captured, *destination, t);
    return 0;
}

int ZC_BOT_SWITCH::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer<false>(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_ROTATE_ON / _TO

ZC_BOT_ROTATE_ON::ZC_BOT_ROTATE_ON(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float rx, float ry,
                                   float rz, float adelay)
    : target(atarget), direction(rx, ry, rz), remaining(aduration), speed(aspeed), delay(adelay)
{
    fMakeBot(this, "rotate");
    fResolveChange(&direction, &remaining, &speed);
}

ZC_BOT_ROTATE_TO::ZC_BOT_ROTATE_TO(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float rx, float ry,
                                   float rz, float adelay)
    : ZC_BOT_ROTATE_ON(atarget, aduration, aspeed, rx - (atarget ? atarget->rotation.x : 0.0f),
                       ry - (atarget ? atarget->rotation.y : 0.0f), rz - (atarget ? atarget->rotation.z : 0.0f),
                       adelay)
{
}

int ZC_BOT_ROTATE_ON::fTick()
{
    if (fCountDelay(&delay) != zcDELAY_OVER)
        return 0;
    if (remaining > 0.0f)
    {
        if (target)
            target->rotation += direction * (zcFRAME_DELTA * speed);
        remaining -= zcFRAME_DELTA;
        return 0;
    }
    fFinish();
    return zcANSWER_DELETE_ME;
}

void ZC_BOT_ROTATE_ON::fFinish()
{
    remaining = 0.0f;
    fInvoke(&callback);
}

int ZC_BOT_ROTATE_ON::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_SCALE

ZC_BOT_SCALE::ZC_BOT_SCALE(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float sx, float sy, float sz,
                           float adelay)
    : target(atarget), remaining(aduration), speed(aspeed), goal(sx, sy, sz), delay(adelay)
{
    fMakeBot(this, "scale");
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_SCALE::fBegin()
{
    change = goal - (target ? target->scale : ZS_VECTOR3(1.0f));
    if (remaining == 0.0f && speed == 0.0f)
    {
        // Unlike the rotations, the change stays whole and is spread over one second.
        remaining = 1.0f;
        speed = 1.0f;
        return;
    }
    fResolveChange(&change, &remaining, &speed);
}

int ZC_BOT_SCALE::fTick()
{
    if (fDelaying(this))
        return 0;
    if (remaining > 0.0f)
    {
        if (target)
            target->scale += change * (speed * zcFRAME_DELTA);
        remaining -= zcFRAME_DELTA;
        return 0;
    }
    fFinish();
    return zcANSWER_DELETE_ME;
}

void ZC_BOT_SCALE::fFinish()
{
    remaining = 0.0f;
    if (target)
        target->scale = goal;
    fInvoke(&callback);
}

int ZC_BOT_SCALE::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_ZOOM_INTO

ZC_BOT_ZOOM_INTO::ZC_BOT_ZOOM_INTO(ZS_TRANSFORM3* atarget, ZS_VECTOR2 afocus, float aduration,
                                   const ZS_CALLBACK* acallback, float adelay)
    : duration(aduration), delay(adelay), target(atarget), focus(afocus)
{
    fCopyCallback(&callback, acallback);
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_ZOOM_INTO::fBegin()
{
    if (target)
        start = *target;
    // The game's resolution; before the game exists, the default one.
    ZS_POINT size = zcGAME ? zcGAME->resolution : ZS_GAME_SETTINGS().resolution;
    float w = float(size.x), h = float(size.y);
    shiftX = focus.x > w / 2.0f ? w / 2.0f - focus.x : 0.0f;
    shiftY = focus.y > h / 2.0f ? h / 2.0f - focus.y : 0.0f;
    zoomAmount = std::max(std::fabs(w / 2.0f - focus.x) / w, std::fabs(h / 2.0f - focus.y) / h);
}

void ZC_BOT_ZOOM_INTO::fStep(float p)
{
    float s = 1.0f + zoomAmount * p;
    own.scale.fSet(s, s, 0.0f);
    own.position.fSet(start.position.x + shiftX * p, start.position.y + shiftY * p, 0.0f);
    if (!target)
        return;
    target->position.x = own.position.x;
    target->position.y = own.position.y;
    target->scale.fSet(s, s, 0.0f);
}

int ZC_BOT_ZOOM_INTO::fTick()
{
    if (fDelaying(this))
        return 0;
    if (elapsed < duration)
    {
        fStep(elapsed / duration);
        elapsed += zcFRAME_DELTA;
        return 0;
    }
    fFinish();
    return zcANSWER_DELETE_ME;
}

void ZC_BOT_ZOOM_INTO::fFinish()
{
    elapsed = duration;
    fStep(1.0f);
    if (target)
    {
        target->pivot.x = start.pivot.x;
        target->pivot.y = start.pivot.y;
        target->position.x = start.position.x;
        target->position.y = start.position.y;
        target->scale.fSet(start.scale.x, start.scale.y, 0.0f);
    }
    fInvoke(&callback);
}

int ZC_BOT_ZOOM_INTO::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_BLOB

ZC_BOT_BLOB::ZC_BOT_BLOB(ZS_TRANSFORM3* atarget, float aduration, float aamplitude, float afrequency,
                         float adamping, float astartScale, float aendScale, float adelay, bool aloop)
    : duration(aduration), frequency(afrequency), amplitude(aamplitude), damping(adamping), startScale(astartScale),
      endScale(aendScale), delay(adelay), loop(aloop), target(atarget), delayCountdown(adelay)
{
    fMakeBot(this, "blob");
    fSetScale(startScale);
}

void ZC_BOT_BLOB::fSetScale(float s)
{
    if (target)
        target->scale.fSet(s, s, 0.0f);
}

int ZC_BOT_BLOB::fTick()
{
    if (delayCountdown > 0.0f)
    {
        delayCountdown -= zcFRAME_DELTA;
        return 0;
    }
    // A duration of 0 has no wobble to show (and elapsed / duration would be 0 / 0).
    if (duration > 0.0f && elapsed <= duration)
    {
        float p = elapsed / duration;
        float s;
        if (reached)
            s = endScale + fDampedSine(p, frequency, amplitude, damping);
        else
        {
            s = startScale + (endScale - startScale) * p * frequency;
            reached = s >= endScale;
        }
        fSetScale(s);
        elapsed += zcFRAME_DELTA;
        return 0;
    }
    if (loop)
    {
        reached = false;
        elapsed = 0.0f;
        delayCountdown = delay;
        fSetScale(startScale);
        return 0;
    }
    fFinish();
    return zcANSWER_DELETE_ME;
}

void ZC_BOT_BLOB::fFinish()
{
    if (loop)
        return;
    elapsed = duration;
    fSetScale(endScale);
    fInvoke(&callback);
}

int ZC_BOT_BLOB::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- creation

ZC_BOT_TRANSFORM* fCreateBotTransform(ZS_TRANSFORM3* target, ZS_TRANSFORM3 goal, float duration, float delay)
{
    return new ZC_BOT_TRANSFORM(target, goal, duration, delay);
}

ZC_BOT_SWITCH* fCreateBotSwitch(ZS_TRANSFORM3* target, float duration, ZS_TRANSFORM3 first, ZS_TRANSFORM3 second,
                                float delay)
{
    return new ZC_BOT_SWITCH(target, duration, first, second, delay);
}

ZC_BOT_ROTATE_ON* fCreateBotRotateOn(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                                     float delay)
{
    return new ZC_BOT_ROTATE_ON(target, duration, speed, x, y, z, delay);
}

ZC_BOT_ROTATE_TO* fCreateBotRotateTo(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                                     float delay)
{
    return new ZC_BOT_ROTATE_TO(target, duration, speed, x, y, z, delay);
}

ZC_BOT_SCALE* fCreateBotScale(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                              float delay)
{
    return new ZC_BOT_SCALE(target, duration, speed, x, y, z, delay);
}

ZC_BOT_ZOOM_INTO* fCreateBotZoomInto(ZS_TRANSFORM3* target, ZS_VECTOR2 focus, float duration)
{
    return new ZC_BOT_ZOOM_INTO(target, focus, duration, nullptr, 0.0f);
}

ZC_BOT_BLOB* fCreateBotBlob(ZS_TRANSFORM3* target, float duration, float amplitude, float frequency, float damping,
                            float startScale, float endScale, float delay, bool loop)
{
    return new ZC_BOT_BLOB(target, duration, amplitude, frequency, damping, startScale, endScale, delay, loop);
}
}
