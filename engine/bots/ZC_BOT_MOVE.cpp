#include "engine/bots/ZC_BOT_MOVE.h"

#include "engine/core/ZC_GEOMETRY.h"
#include "engine/core/ZC_TIMER.h"

namespace ZOR
{
namespace
{
ZS_VECTOR3 fPointOrOrigin(const ZS_VECTOR3* p)
{
    return p ? *p : ZS_VECTOR3();
}
}

// ---------------------------------------------------------------- ZC_BOT_MOVE

ZC_BOT_MOVE::ZC_BOT_MOVE(ZS_TRANSFORM3* atarget, float aduration, float aspeed, const ZS_VECTOR3& apoint,
                         float adelay)
    : target(atarget), targetPoint(apoint), delay(adelay), duration(aduration)
{
    fMakeBot(this, "move");
    float distance = target ? (targetPoint - target->position).fLength() : 0.0f;
    fResolveTiming(&duration, &aspeed, distance);
    // A speed toward a point the transform already stands on gives no time at all: the
    // move then places it there at once instead of dividing by zero.
    inverseDuration = duration > 0.0f ? 1.0f / duration : 1.0f;
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_MOVE::fBegin()
{
    if (target)
        startPoint = target->position;
}

int ZC_BOT_MOVE::fTick()
{
    if (fDelaying(this))
        return 0;
    if (elapsed > duration)
    {
        fFinish();
        return zcANSWER_DELETE_ME;
    }
    if (target)
        fLerpVector3(&target->position, startPoint, targetPoint, elapsed * inverseDuration);
    elapsed += zcFRAME_DELTA;
    return 0;
}

void ZC_BOT_MOVE::fFinish()
{
    elapsed = duration + 1.0f;
    if (target)
    {
        target->position = targetPoint;
        target = nullptr;
    }
    fInvoke(&callback);
}

int ZC_BOT_MOVE::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_MOVE_ON

ZC_BOT_MOVE_ON::ZC_BOT_MOVE_ON(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float dx, float dy, float,
                               float aextra)
    : target(atarget), offset(dx, dy, 0.0f), speed(aspeed), extra(aextra), duration(aduration)
{
    fResolveTiming(&duration, &speed, offset.fLength());
    remaining = duration;
}

int ZC_BOT_MOVE_ON::fTick()
{
    remaining -= zcFRAME_DELTA;
    if (remaining < 0.0f)
    {
        fInvoke(&callback);
        return zcANSWER_DELETE_ME;
    }
    if (target && duration > 0.0f)
    {
        target->position.x += zcFRAME_DELTA * offset.x / duration;
        target->position.y += zcFRAME_DELTA * offset.y / duration;
    }
    return 0;
}

int ZC_BOT_MOVE_ON::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer<false>(this, message, data);
}

// ---------------------------------------------------------------- the curve moves

ZC_BOT_CURVE_MOVE::ZC_BOT_CURVE_MOVE(const char* kind, ZS_TRANSFORM3* atarget, const ZS_VECTOR3& aend,
                                     float aduration, float aspeed, float adelay, bool acountsDownFirst,
                                     bool aplacesAtEnd)
    : target(atarget), endPoint(aend), duration(aduration), speed(aspeed), delay(adelay),
      countsDownFirst(acountsDownFirst), placesAtEnd(aplacesAtEnd)
{
    fMakeBot(this, kind);
}

void ZC_BOT_CURVE_MOVE::fBegin()
{
    if (target)
        startPoint = target->position;
    chord = endPoint - startPoint;
    fOnBegin();
    fResolveTiming(&duration, &speed, chord.fLength());
    remaining = duration;
}

int ZC_BOT_CURVE_MOVE::fTick()
{
    if (fDelaying(this))
        return 0;
    if (countsDownFirst && remaining > 0.0f)
        remaining -= zcFRAME_DELTA;
    if (remaining <= 0.0f)
    {
        fFinish();
        return zcANSWER_DELETE_ME;
    }
    // remaining > 0 here, so the duration is too.
    float dt = zcFRAME_DELTA / duration;
    ZS_VECTOR3 from, to;
    fCurveAt(&from, t);
    fCurveAt(&to, t + dt);
    step = to - from;
    if (target)
        target->position += step;
    t += dt;
    if (!countsDownFirst)
        remaining -= zcFRAME_DELTA;
    return 0;
}

void ZC_BOT_CURVE_MOVE::fFinish()
{
    remaining = 0.0f;
    if (placesAtEnd && target)
        target->position = endPoint;
    fInvoke(&callback);
}

int ZC_BOT_CURVE_MOVE::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

ZC_BOT_MOVE_QUADBEZIER::ZC_BOT_MOVE_QUADBEZIER(ZS_TRANSFORM3* atarget, const ZS_VECTOR3& acontrol,
                                               const ZS_VECTOR3& aend, float aduration, float aspeed, float adelay)
    : ZC_BOT_CURVE_MOVE("move_quadbezier", atarget, aend, aduration, aspeed, adelay, true, true),
      controlPoint(acontrol)
{
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_MOVE_QUADBEZIER::fCurveAt(ZS_VECTOR3* out, float at) const
{
    fBezierQuadratic(out, startPoint, controlPoint, endPoint, at);
}

ZC_BOT_MOVE_CUBEBEZIER::ZC_BOT_MOVE_CUBEBEZIER(ZS_TRANSFORM3* atarget, const ZS_VECTOR3& acontrol1,
                                               const ZS_VECTOR3& acontrol2, const ZS_VECTOR3& aend, float aduration,
                                               float aspeed, float adelay)
    : ZC_BOT_CURVE_MOVE("move_cubebezier", atarget, aend, aduration, aspeed, adelay, false, false),
      control1(acontrol1), control2(acontrol2)
{
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_MOVE_CUBEBEZIER::fCurveAt(ZS_VECTOR3* out, float at) const
{
    fBezierCubic(out, startPoint, control1, control2, endPoint, at);
}

ZC_BOT_MOVE_BEZIER::ZC_BOT_MOVE_BEZIER(ZS_TRANSFORM3* atarget, const std::vector<ZS_VECTOR3>& acontrols,
                                       const ZS_VECTOR3& aend, float aduration, float aspeed, float adelay)
    : ZC_BOT_CURVE_MOVE("move_bezier", atarget, aend, aduration, aspeed, adelay, false, false), points(acontrols)
{
    if (delay == 0.0f)
        fBegin();
}

void ZC_BOT_MOVE_BEZIER::fOnBegin()
{
    points.insert(points.begin(), startPoint);
    points.push_back(endPoint);
}

void ZC_BOT_MOVE_BEZIER::fCurveAt(ZS_VECTOR3* out, float at) const
{
    fBezierCurve(out, points, at);
}

// ---------------------------------------------------------------- ZC_BOT_MOVE_LOOP

ZC_BOT_MOVE_LOOP::ZC_BOT_MOVE_LOOP(ZS_TRANSFORM3* atarget, float aduration, float aspeed, const ZS_VECTOR3& afirst,
                                   const ZS_VECTOR3& asecond, float adelay)
    : target(atarget), inner(new ZC_BOT_MOVE(atarget, aduration, aspeed, asecond, adelay)), first(afirst),
      second(asecond), duration(aduration), speed(aspeed), delay(adelay)
{
    fMakeBot(this, "move_loop");
}

ZC_BOT_MOVE_LOOP::~ZC_BOT_MOVE_LOOP()
{
    delete inner;
}

int ZC_BOT_MOVE_LOOP::fTick()
{
    if (!inner)
        return zcANSWER_DELETE_ME;
    if (inner->fMessage(zcMESSAGE_TICK, 0.0f, 0.0f, 0.0f, nullptr) == zcANSWER_DELETE_ME)
    {
        delete inner;
        const ZS_VECTOR3& next = target && target->position == first ? second : first;
        inner = new ZC_BOT_MOVE(target, duration, speed, next, delay);
    }
    return 0;
}

void ZC_BOT_MOVE_LOOP::fFinish()
{
    delete inner;
    inner = nullptr;
    fInvoke(&callback);
}

int ZC_BOT_MOVE_LOOP::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- creation

ZC_BOT_MOVE* fCreateBotMove(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z,
                            float delay)
{
    return new ZC_BOT_MOVE(target, duration, speed, ZS_VECTOR3(x, y, z), delay);
}

ZC_BOT_MOVE_ON* fCreateBotMoveOn(ZS_TRANSFORM3* target, float duration, float speed, float dx, float dy, float dz,
                                 float extra)
{
    return new ZC_BOT_MOVE_ON(target, duration, speed, dx, dy, dz, extra);
}

ZC_BOT_MOVE_QUADBEZIER* fCreateBotMoveQuadBezier(ZS_TRANSFORM3* target, const ZS_VECTOR3* control,
                                                 const ZS_VECTOR3* end, float duration, float speed, float delay)
{
    return new ZC_BOT_MOVE_QUADBEZIER(target, fPointOrOrigin(control), fPointOrOrigin(end), duration, speed, delay);
}

ZC_BOT_MOVE_CUBEBEZIER* fCreateBotMoveCubeBezier(ZS_TRANSFORM3* target, const ZS_VECTOR3* control1,
                                                 const ZS_VECTOR3* control2, const ZS_VECTOR3* end, float duration,
                                                 float speed, float delay)
{
    return new ZC_BOT_MOVE_CUBEBEZIER(target, fPointOrOrigin(control1), fPointOrOrigin(control2),
                                      fPointOrOrigin(end), duration, speed, delay);
}

ZC_BOT_MOVE_BEZIER* fCreateBotMoveBezier(ZS_TRANSFORM3* target, const std::vector<ZS_VECTOR3>& controls,
                                         const ZS_VECTOR3* end, float duration, float speed, float delay)
{
    return new ZC_BOT_MOVE_BEZIER(target, controls, fPointOrOrigin(end), duration, speed, delay);
}

ZC_BOT_MOVE_LOOP* fCreateBotMoveLoop(ZS_TRANSFORM3* target, float duration, float speed, float x1, float y1,
                                     float z1, float x2, float y2, float z2, float delay)
{
    return new ZC_BOT_MOVE_LOOP(target, duration, speed, ZS_VECTOR3(x1, y1, z1), ZS_VECTOR3(x2, y2, z2), delay);
}

ZC_BOT_MOVE_LOOP* fCreateBotMoveLoopAhead(ZS_TRANSFORM3* target, float duration, float speed, float distance,
                                          float delay)
{
    if (!target)
        return nullptr;
    float x = target->position.x, y = target->position.y;
    ZS_VECTOR2 ahead = fRotatePointAbout(x, y, x, y - distance, target->rotation.z);
    return new ZC_BOT_MOVE_LOOP(target, duration, speed, ZS_VECTOR3(x, y, 0.0f), ZS_VECTOR3(ahead.x, ahead.y, 0.0f),
                                delay);
}
}
