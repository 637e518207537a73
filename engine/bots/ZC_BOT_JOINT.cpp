#include "engine/bots/ZC_BOT_JOINT.h"

#include <cmath>

namespace ZOR
{
namespace
{
// The joints' finishing step: nothing for an endless one.
void fFinishJoint(bool endless, float* time, const ZS_CALLBACK* callback)
{
    if (endless)
        return;
    *time = 0.0f;
    fInvoke(callback);
}
}

float fAngleOf(float x, float y)
{
    return ZS_VECTOR2(x, y).fAngle();
}

// ---------------------------------------------------------------- ZC_BOT_FOLLOW

ZC_BOT_FOLLOW::ZC_BOT_FOLLOW(ZS_TRANSFORM3* afollower, ZS_TRANSFORM3* aleader, float arate, float atime,
                             bool astopWhenNear, float adelay)
    : follower(afollower), leader(aleader), rate(arate), delay(adelay), time(atime), endless(atime == 0.0f),
      stopWhenNear(astopWhenNear)
{
    fMakeBot(this, "follow");
}

int ZC_BOT_FOLLOW::fTick()
{
    if (fCountDelay(&delay) != zcDELAY_OVER)
        return 0;
    if (time <= 0.0f && !endless)
    {
        fFinish();
        return zcANSWER_DELETE_ME;
    }
    if (follower && leader)
    {
        ZS_VECTOR3 d = leader->position - follower->position;
        lastStep = d * (zcFRAME_DELTA * rate);
        follower->position += lastStep;
        if (stopWhenNear && d.fLength() < 1.0f)
            time = endless = 0;
    }
    time -= zcFRAME_DELTA;
    return 0;
}

void ZC_BOT_FOLLOW::fFinish()
{
    fFinishJoint(endless, &time, &callback);
}

int ZC_BOT_FOLLOW::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_RIGID_JOINT

ZC_BOT_RIGID_JOINT::ZC_BOT_RIGID_JOINT(ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime, float adelay)
    : first(afirst), second(asecond), delay(adelay), time(atime), endless(atime == 0.0f)
{
    fMakeBot(this, "rigid_joint");
    fTakeOffset();
}

void ZC_BOT_RIGID_JOINT::fTakeOffset()
{
    if (first && second)
        offset = first->position - second->position;
}

int ZC_BOT_RIGID_JOINT::fTick()
{
    if (delay > 0.0f)
    {
        delay -= zcFRAME_DELTA;
        fTakeOffset();
        return 0;
    }
    if (time <= 0.0f && !endless)
    {
        fFinish();
        return zcANSWER_DELETE_ME;
    }
    if (first && second)
        first->position = second->position + offset;
    time -= zcFRAME_DELTA;
    return 0;
}

void ZC_BOT_RIGID_JOINT::fFinish()
{
    fFinishJoint(endless, &time, &callback);
}

int ZC_BOT_RIGID_JOINT::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_DISTANCE_JOINT

ZC_BOT_DISTANCE_JOINT::ZC_BOT_DISTANCE_JOINT(ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime,
                                             float adelay)
    : first(afirst), second(asecond), delay(adelay), time(atime), endless(atime == 0.0f)
{
    fMakeBot(this, "distance_joint");
    fTakeOffset();
}

void ZC_BOT_DISTANCE_JOINT::fTakeOffset()
{
    if (!first || !second)
        return;
    offset.fSet(first->position.x - second->position.x, first->position.y - second->position.y);
    lengthAngle.fSet(offset.fLength(), fAngleOf(offset.x, offset.y));
}

int ZC_BOT_DISTANCE_JOINT::fTick()
{
    if (delay > 0.0f)
    {
        delay -= zcFRAME_DELTA;
        fTakeOffset();
        return 0;
    }
    if (time <= 0.0f && !endless)
    {
        fFinish();
        return zcANSWER_DELETE_ME;
    }
    if (first && second)
    {
        currentAngle = fAngleOf(first->position.x - second->position.x, first->position.y - second->position.y);
        currentOffset.fSet(lengthAngle.x * std::cos(currentAngle), lengthAngle.x * std::sin(currentAngle));
        first->position.fSet(second->position.x + currentOffset.x, second->position.y + currentOffset.y, 0.0f);
    }
    time -= zcFRAME_DELTA;
    return 0;
}

void ZC_BOT_DISTANCE_JOINT::fFinish()
{
    fFinishJoint(endless, &time, &callback);
}

int ZC_BOT_DISTANCE_JOINT::fMessage(int message, float, float, float, void* data)
{
    return fBotAnswer<false>(this, message, data);
}

// ---------------------------------------------------------------- creation

ZC_BOT_FOLLOW* fCreateBotFollow(ZS_TRANSFORM3* follower, ZS_TRANSFORM3* leader, float rate, float time,
                                bool stopWhenNear, float delay)
{
    return new ZC_BOT_FOLLOW(follower, leader, rate, time, stopWhenNear, delay);
}

ZC_BOT_RIGID_JOINT* fCreateBotRigidJoint(ZS_TRANSFORM3* first, ZS_TRANSFORM3* second, float time, float delay)
{
    return new ZC_BOT_RIGID_JOINT(first, second, time, delay);
}

ZC_BOT_DISTANCE_JOINT* fCreateBotDistanceJoint(ZS_TRANSFORM3* first, ZS_TRANSFORM3* second, float time, float delay)
{
    return new ZC_BOT_DISTANCE_JOINT(first, second, time, delay);
}
}
