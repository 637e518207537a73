#include "engine/bots/ZC_BOT_JOINT.h"

#include <cmath>

namespace ZOR
{
float fAngleOf(float x, float y)
{
    return ZS_VECTOR2(x, y).fAngle();
}

// ---------------------------------------------------------------- ZC_BOT_JOINT

ZC_BOT_JOINT::ZC_BOT_JOINT(const char* kind, ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime,
                           float adelay, bool ahandlesFinish)
    : first(afirst), second(asecond), delay(adelay), time(atime), endless(atime == 0.0f),
      handlesFinish(ahandlesFinish)
{
    fMakeBot(this, kind);
}

int ZC_BOT_JOINT::fTick()
{
    if (delay > 0.0f)
    {
        delay -= zcFRAME_DELTA;
        fOnDelay();
        return 0;
    }
    if (time <= 0.0f && !endless)
    {
        fFinish();
        return zcANSWER_DELETE_ME;
    }
    if (first && second)
        fHold();
    time -= zcFRAME_DELTA;
    return 0;
}

void ZC_BOT_JOINT::fFinish()
{
    if (endless)
        return;
    time = 0.0f;
    fInvoke(&callback);
}

int ZC_BOT_JOINT::fMessage(int message, float, float, float, void* data)
{
    if (message == zcMESSAGE_FINISH && !handlesFinish)
        return 0;
    return fBotAnswer(this, message, data);
}

// ---------------------------------------------------------------- ZC_BOT_FOLLOW

ZC_BOT_FOLLOW::ZC_BOT_FOLLOW(ZS_TRANSFORM3* afollower, ZS_TRANSFORM3* aleader, float arate, float atime,
                             bool astopWhenNear, float adelay)
    : ZC_BOT_JOINT("follow", afollower, aleader, atime, adelay, true), rate(arate), stopWhenNear(astopWhenNear)
{
}

void ZC_BOT_FOLLOW::fHold()
{
    ZS_VECTOR3 d = second->position - first->position;
    lastStep = d * (zcFRAME_DELTA * rate);
    first->position += lastStep;
    // The next tick finishes, endless or not.
    if (stopWhenNear && d.fLength() < 1.0f)
        time = endless = 0;
}

// ---------------------------------------------------------------- ZC_BOT_RIGID_JOINT

ZC_BOT_RIGID_JOINT::ZC_BOT_RIGID_JOINT(ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime, float adelay)
    : ZC_BOT_JOINT("rigid_joint", afirst, asecond, atime, adelay, true)
{
    fOnDelay();
}

void ZC_BOT_RIGID_JOINT::fOnDelay()
{
    if (first && second)
        offset = first->position - second->position;
}

void ZC_BOT_RIGID_JOINT::fHold()
{
    first->position = second->position + offset;
}

// ---------------------------------------------------------------- ZC_BOT_DISTANCE_JOINT

ZC_BOT_DISTANCE_JOINT::ZC_BOT_DISTANCE_JOINT(ZS_TRANSFORM3* afirst, ZS_TRANSFORM3* asecond, float atime,
                                             float adelay)
    : ZC_BOT_JOINT("distance_joint", afirst, asecond, atime, adelay, false)
{
    fOnDelay();
}

void ZC_BOT_DISTANCE_JOINT::fOnDelay()
{
    if (!first || !second)
        return;
    offset.fSet(first->position.x - second->position.x, first->position.y - second->position.y);
    lengthAngle.fSet(offset.fLength(), fAngleOf(offset.x, offset.y));
}

void ZC_BOT_DISTANCE_JOINT::fHold()
{
    currentAngle = fAngleOf(first->position.x - second->position.x, first->position.y - second->position.y);
    currentOffset.fSet(lengthAngle.x * std::cos(currentAngle), lengthAngle.x * std::sin(currentAngle));
    first->position.fSet(second->position.x + currentOffset.x, second->position.y + currentOffset.y, 0.0f);
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
