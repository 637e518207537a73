#pragma once
#include <vector>

#include "engine/bots/ZC_BASE.h"
#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR
{
// Places a transform on the straight line from where it stands when the delay runs out to
// a point, and exactly on the point when it finishes. Only the duration drives it: both
// duration and speed 0 take 1 s, a speed alone takes distance / speed.
class ZC_BOT_MOVE : public ZC_BASE
{
public:
    ZC_BOT_MOVE(ZS_TRANSFORM3* atarget, float aduration, float aspeed, const ZS_VECTOR3& apoint, float adelay);
    int fMessage(int message, float x, float y, float z, void* data) override;
    void fBegin();
    int fTick();
    void fFinish();

    ZS_TRANSFORM3* target;
    ZS_VECTOR3 startPoint;
    ZS_VECTOR3 targetPoint;
    float delay;
    float elapsed = 0.0f;
    float duration;
    float inverseDuration;
    ZS_CALLBACK callback = fEmptyCallback();
};

// Moves a transform by an offset in x and y, relative to wherever it is, by adding a step
// each tick; there is no final correction. Keeps the plain object's name and key 0.
class ZC_BOT_MOVE_ON : public ZC_BASE
{
public:
    ZC_BOT_MOVE_ON(ZS_TRANSFORM3* atarget, float aduration, float aspeed, float dx, float dy, float dz, float aextra);
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();

    ZS_TRANSFORM3* target;
    ZS_VECTOR3 offset; // z always 0
    float remaining;
    float speed;
    ZS_CALLBACK callback = fEmptyCallback();
    float extra; // kept, no effect
    float duration;
};

// The curve moves: from where the transform stands when the delay runs out, along a curve to
// an end point, by adding each frame's step of the curve to the position, so other moves of
// the same transform add up. Duration and speed as for the moves, with the chord (end minus
// start) as the distance.
class ZC_BOT_CURVE_MOVE : public ZC_BASE
{
public:
    int fMessage(int message, float x, float y, float z, void* data) override;
    void fBegin();
    int fTick();
    void fFinish();

    ZS_TRANSFORM3* target;
    ZS_VECTOR3 endPoint;
    float duration;
    float speed;
    float delay;
    ZS_VECTOR3 startPoint;
    ZS_VECTOR3 chord;
    ZS_VECTOR3 step; // the last position change
    ZS_CALLBACK callback = fEmptyCallback();
    float t = 0.0f;
    float remaining = 0.0f;

protected:
    // countsDownFirst: the tick takes its frame off the remaining time before testing it;
    // placesAtEnd: the finishing step puts the transform on the end point.
    ZC_BOT_CURVE_MOVE(const char* kind, ZS_TRANSFORM3* atarget, const ZS_VECTOR3& aend, float aduration,
                      float aspeed, float adelay, bool acountsDownFirst, bool aplacesAtEnd);
    virtual void fCurveAt(ZS_VECTOR3* out, float at) const = 0;
    virtual void fOnBegin() {}

private:
    bool countsDownFirst;
    bool placesAtEnd;
};

// A quadratic curve; it finishes exactly on the end point.
class ZC_BOT_MOVE_QUADBEZIER : public ZC_BOT_CURVE_MOVE
{
public:
    ZC_BOT_MOVE_QUADBEZIER(ZS_TRANSFORM3* atarget, const ZS_VECTOR3& acontrol, const ZS_VECTOR3& aend,
                           float aduration, float aspeed, float adelay);

    ZS_VECTOR3 controlPoint;

protected:
    void fCurveAt(ZS_VECTOR3* out, float at) const override;
};

// A cubic curve; it ends where its steps brought it (no final placement).
class ZC_BOT_MOVE_CUBEBEZIER : public ZC_BOT_CURVE_MOVE
{
public:
    ZC_BOT_MOVE_CUBEBEZIER(ZS_TRANSFORM3* atarget, const ZS_VECTOR3& acontrol1, const ZS_VECTOR3& acontrol2,
                           const ZS_VECTOR3& aend, float aduration, float aspeed, float adelay);

    ZS_VECTOR3 control1;
    ZS_VECTOR3 control2;

protected:
    void fCurveAt(ZS_VECTOR3* out, float at) const override;
};

// A Bezier curve of any number of control points; no final placement.
class ZC_BOT_MOVE_BEZIER : public ZC_BOT_CURVE_MOVE
{
public:
    ZC_BOT_MOVE_BEZIER(ZS_TRANSFORM3* atarget, const std::vector<ZS_VECTOR3>& acontrols, const ZS_VECTOR3& aend,
                       float aduration, float aspeed, float adelay);

    std::vector<ZS_VECTOR3> points; // the controls; the start and end join them at the start step

protected:
    void fCurveAt(ZS_VECTOR3* out, float at) const override;
    void fOnBegin() override;
};

// Moves a transform back and forth between two points through an inner ZC_BOT_MOVE per
// leg, each leg waiting the delay again; never finishes by itself.
class ZC_BOT_MOVE_LOOP : public ZC_BASE
{
public:
    ZC_BOT_MOVE_LOOP(ZS_TRANSFORM3* atarget, float aduration, float aspeed, const ZS_VECTOR3& afirst,
                     const ZS_VECTOR3& asecond, float adelay);
    ~ZC_BOT_MOVE_LOOP() override;
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();
    void fFinish();

    ZS_TRANSFORM3* target;
    ZC_BOT_MOVE* inner; // owned
    ZS_VECTOR3 first;
    ZS_VECTOR3 second;
    float duration;
    float speed;
    ZS_CALLBACK callback = fEmptyCallback();
    float delay;
};

ZC_BOT_MOVE* fCreateBotMove(ZS_TRANSFORM3* target, float duration, float speed, float x, float y, float z, float delay);
ZC_BOT_MOVE_ON* fCreateBotMoveOn(ZS_TRANSFORM3* target, float duration, float speed, float dx, float dy, float dz,
                          float extra);
// The points are copied; a null point reads as the origin.
ZC_BOT_MOVE_QUADBEZIER* fCreateBotMoveQuadBezier(ZS_TRANSFORM3* target, const ZS_VECTOR3* control, const ZS_VECTOR3* end,
                                  float duration, float speed, float delay);
ZC_BOT_MOVE_CUBEBEZIER* fCreateBotMoveCubeBezier(ZS_TRANSFORM3* target, const ZS_VECTOR3* control1, const ZS_VECTOR3* control2,
                                  const ZS_VECTOR3* end, float duration, float speed, float delay);
ZC_BOT_MOVE_BEZIER* fCreateBotMoveBezier(ZS_TRANSFORM3* target, const std::vector<ZS_VECTOR3>& controls, const ZS_VECTOR3* end,
                              float duration, float speed, float delay);
ZC_BOT_MOVE_LOOP* fCreateBotMoveLoop(ZS_TRANSFORM3* target, float duration, float speed, float x1, float y1, float z1,
                            float x2, float y2, float z2, float delay);
// Loops between the target's position (x, y, 0) and the point the distance away in the
// direction (0, -1) turned by the target's rotation z; null without a target.
ZC_BOT_MOVE_LOOP* fCreateBotMoveLoopAhead(ZS_TRANSFORM3* target, float duration, float speed, float distance, float delay);
}
