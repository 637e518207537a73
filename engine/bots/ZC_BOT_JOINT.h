#pragma once
#include "engine/bots/ZC_BASE.h"
#include "engine/core/ZS_TRANSFORM3.h"

namespace ZOR
{
// The joints tie a first transform to a second one. A time of 0 makes a joint endless: it
// runs until its owner deletes it, and its finishing step does nothing.
class ZC_BOT_JOINT : public ZC_BASE
{
public:
    int fMessage(int message, float x, float y, float z, void* data) override;
    int fTick();
    void fFinish();

    ZS_TRANSFORM3* first;  // moved
    ZS_TRANSFORM3* second; // anchor or leader
    float delay;
    float time;
    uint8_t endless;
    ZS_CALLBACK callback = fEmptyCallback();

protected:
    ZC_BOT_JOINT(const char* kind, ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime, float adelay,
                 bool ahandlesFinish);
    // Each tick of the delay.
    virtual void fOnDelay() {}
    // Each running tick, before the time is counted down; both transforms are set.
    virtual void fHold() = 0;

private:
    bool handlesFinish;
};

// Lets the first transform (the follower) close a share of its gap to the second (the
// leader) every tick, rate per second; with stop when near it finishes once the gap is
// below one pixel.
class ZC_BOT_FOLLOW : public ZC_BOT_JOINT
{
public:
    ZC_BOT_FOLLOW(ZS_TRANSFORM3* afollower, ZS_TRANSFORM3* aleader, float arate, float atime, bool astopWhenNear,
                  float adelay);

    float rate;
    uint8_t stopWhenNear;
    ZS_VECTOR3 lastStep;

protected:
    void fHold() override;
};

// Keeps the first transform at the offset from the second that it had when the delay ran out.
class ZC_BOT_RIGID_JOINT : public ZC_BOT_JOINT
{
public:
    ZC_BOT_RIGID_JOINT(ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime, float adelay);

    ZS_VECTOR3 offset;

protected:
    void fOnDelay() override;
    void fHold() override;
};

// Keeps the first transform at the distance from the second that it had when the delay ran
// out, turning with the direction between them; works in x and y and sets the first's z to
// 0. Ignores message 45.
class ZC_BOT_DISTANCE_JOINT : public ZC_BOT_JOINT
{
public:
    ZC_BOT_DISTANCE_JOINT(ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime, float adelay);

    ZS_VECTOR2 offset;
    ZS_VECTOR2 currentOffset;
    ZS_VECTOR2 lengthAngle; // x: the length of the offset, y: its angle
    float currentAngle = 0.0f;

protected:
    void fOnDelay() override;
    void fHold() override;
};

// The direction angle of (x, y) in [0, 2pi); 0 for the zero vector.
float fAngleOf(float x, float y);

ZC_BOT_FOLLOW* fCreateBotFollow(ZS_TRANSFORM3* follower, ZS_TRANSFORM3* leader, float rate, float time,
                                bool stopWhenNear, float delay);
ZC_BOT_RIGID_JOINT* fCreateBotRigidJoint(ZS_TRANSFORM3* first, ZS_TRANSFORM3* second, float time, float delay);
ZC_BOT_DISTANCE_JOINT* fCreateBotDistanceJoint(ZS_TRANSFORM3* first, ZS_TRANSFORM3* second, float time, float delay);
}
